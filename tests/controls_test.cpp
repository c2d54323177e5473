#include "controls/backgroundtile.h"
#include "controls/flatlook.h"
#include "controls/newedit.h"
#include "controls/newpanel.h"
#include "controls/newspd.h"
#include "controls/spdcheckbox.h"
#include "controls/spdschemes.h"
#include "support/testmain.h"

#include <QAccessible>
#include <QApplication>
#include <QEnterEvent>
#include <QFontDatabase>
#include <QImage>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>
#include <QSignalSpy>
#include <QVBoxLayout>

Q_DECLARE_METATYPE(SpdState)

namespace {

QImage rendered(QWidget *w)
{
    return w->grab().toImage().convertToFormat(QImage::Format_RGB32);
}

QColor at(const QImage &img, int x, int y)
{
    return img.pixelColor(x, y);
}

bool near(const QColor &a, const QColor &b, int tolerance = 2)
{
    return qAbs(a.red() - b.red()) <= tolerance && qAbs(a.green() - b.green()) <= tolerance &&
           qAbs(a.blue() - b.blue()) <= tolerance;
}

// The box around every pixel darker than `threshold` within `area`.
QRect inkBox(const QImage &img, const QRect &area, int threshold = 160)
{
    QRect box;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (qGray(img.pixel(x, y)) < threshold)
                box |= QRect(x, y, 1, 1);
    return box;
}

int darkest(const QImage &img, const QRect &area)
{
    int d = 255;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            d = qMin(d, qGray(img.pixel(x, y)));
    return d;
}

void send(QWidget *w, QEvent::Type type, const QPoint &pos, Qt::MouseButtons held = Qt::NoButton,
          Qt::MouseButton button = Qt::LeftButton)
{
    QMouseEvent ev(type, QPointF(pos), QPointF(w->mapToGlobal(pos)), type == QEvent::MouseMove ? Qt::NoButton : button,
                   held, Qt::NoModifier);
    QApplication::sendEvent(w, &ev);
}

void enter(QWidget *w)
{
    QEnterEvent ev(QPointF(2, 2), QPointF(2, 2), QPointF(w->mapToGlobal(QPoint(2, 2))));
    QApplication::sendEvent(w, &ev);
}

void leave(QWidget *w)
{
    QEvent ev(QEvent::Leave);
    QApplication::sendEvent(w, &ev);
}

// A button with one plain colour per corner and a black caption in every
// state, so geometry can be read from the picture.
TMainParams plainParams()
{
    TMainParams p;
    for (TSpdFont *f : {&p.Font_Normal, &p.Font_Over, &p.Font_Down}) {
        f->name = QStringLiteral("Tahoma");
        f->height = 11;
        f->color = Qt::black;
    }
    for (QColor *c : {&p.Color_Left_Top_Normal, &p.Color_Left_Bottom_Normal, &p.Color_Right_Top_Normal,
                      &p.Color_Right_Bottom_Normal, &p.Color_Left_Top_Down, &p.Color_Left_Bottom_Down,
                      &p.Color_Right_Top_Down, &p.Color_Right_Bottom_Down})
        *c = Qt::white;
    return p;
}

// A shown window with a button and an edit box beside it, active so that
// keys reach the focused widget as a user's keyboard sends them.
struct KeyboardWindow
{
    QWidget window;
    QLineEdit *edit = new QLineEdit(&window);
    TnewSpd *spd = new TnewSpd(QStringLiteral("Ok"), &window);
    TSpdCheckBox *box = new TSpdCheckBox(QStringLiteral("&Tree"), &window);

    KeyboardWindow()
    {
        auto *layout = new QVBoxLayout(&window);
        layout->addWidget(edit);
        layout->addWidget(spd);
        layout->addWidget(box);
        window.show();
        window.activateWindow();
    }
};

} // namespace

class ControlsTest : public QObject
{
    Q_OBJECT

private slots:
    void newSpd_state_followsPointerPressAndDown_data()
    {
        QTest::addColumn<QString>("actions");
        QTest::addColumn<SpdState>("state");
        QTest::addColumn<int>("clicks");
        QTest::newRow("untouched") << "" << SpdState::Normal << 0;
        QTest::newRow("pointer over") << "enter" << SpdState::Over << 0;
        QTest::newRow("pointer left") << "enter leave" << SpdState::Normal << 0;
        QTest::newRow("pressed") << "enter press" << SpdState::Down << 0;
        QTest::newRow("pressed, dragged off") << "enter press moveOut" << SpdState::Normal << 0;
        QTest::newRow("pressed, dragged off and back") << "enter press moveOut moveIn" << SpdState::Down << 0;
        QTest::newRow("released over it") << "enter press release" << SpdState::Over << 1;
        QTest::newRow("released off it") << "enter press moveOut releaseOut" << SpdState::Normal << 0;
        QTest::newRow("held down, pointer away") << "down" << SpdState::Down << 0;
        QTest::newRow("held down, pointer over") << "down enter" << SpdState::Down << 0;
        QTest::newRow("held down, clicked") << "down enter press release" << SpdState::Down << 1;
    }

    void newSpd_state_followsPointerPressAndDown()
    {
        QFETCH(QString, actions);
        QFETCH(SpdState, state);
        QFETCH(int, clicks);
        QWidget parent;
        TnewSpd spd(QStringLiteral("Ok"), &parent);
        QSignalSpy clicked(&spd, &TnewSpd::clicked);
        QSignalSpy entered(&spd, &TnewSpd::mouseEntered);
        QSignalSpy left(&spd, &TnewSpd::mouseLeft);
        const QPoint in(10, 10);
        const QPoint out(200, 10);
        for (const QString &a : actions.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
            if (a == QLatin1String("enter"))
                enter(&spd);
            else if (a == QLatin1String("leave"))
                leave(&spd);
            else if (a == QLatin1String("press"))
                send(&spd, QEvent::MouseButtonPress, in, Qt::LeftButton);
            else if (a == QLatin1String("moveOut"))
                send(&spd, QEvent::MouseMove, out, Qt::LeftButton);
            else if (a == QLatin1String("moveIn"))
                send(&spd, QEvent::MouseMove, in, Qt::LeftButton);
            else if (a == QLatin1String("release"))
                send(&spd, QEvent::MouseButtonRelease, in);
            else if (a == QLatin1String("releaseOut"))
                send(&spd, QEvent::MouseButtonRelease, out);
            else if (a == QLatin1String("down"))
                spd.setDown(true);
        }
        QCOMPARE(spd.state(), state);
        QCOMPARE(clicked.count(), clicks);
        QCOMPARE(entered.count(), int(actions.count(QLatin1String("enter"))));
        QCOMPARE(left.count(), int(actions.count(QLatin1String("leave"))));
    }

    void newSpd_face_isBilinearBetweenTheFourCorners()
    {
        QWidget parent;
        TnewSpd spd(&parent);
        spd.resize(101, 41);
        spd.setCornersDraw(false);
        TMainParams p = plainParams();
        p.Color_Left_Top_Normal = QColor(200, 0, 0);
        p.Color_Right_Top_Normal = QColor(0, 200, 0);
        p.Color_Left_Bottom_Normal = QColor(0, 0, 200);
        p.Color_Right_Bottom_Normal = QColor(200, 200, 200);
        spd.setMainParams(p);
        const QImage img = rendered(&spd);
        QCOMPARE(at(img, 0, 0), QColor(200, 0, 0));
        QCOMPARE(at(img, 100, 0), QColor(0, 200, 0));
        QCOMPARE(at(img, 0, 40), QColor(0, 0, 200));
        QCOMPARE(at(img, 100, 40), QColor(200, 200, 200));
        QVERIFY(near(at(img, 50, 0), QColor(100, 100, 0)));
        QVERIFY(near(at(img, 0, 20), QColor(100, 0, 100)));
        QVERIFY2(near(at(img, 50, 20), QColor(100, 100, 100)), qPrintable(at(img, 50, 20).name()));
        QVERIFY(near(at(img, 25, 30), QColor(75, 50, 150), 3));
    }

    void newSpd_frameAndCorners_perStateOnAPanel()
    {
        TnewPanel panel;
        panel.setColor(QColor(0xF9, 0xF9, 0xF9));
        TnewSpd spd(QString(), &panel);
        applyScheme(&spd, SpdScheme::Blue);
        spd.resize(60, 18);
        const QColor parent(0xF9, 0xF9, 0xF9);
        const QColor normalFrame(0xC0, 0xC0, 0xC0);

        QImage img = rendered(&spd);
        for (const QPoint &pt : {QPoint(0, 0), QPoint(59, 0), QPoint(59, 17), QPoint(0, 17)})
            QCOMPARE(at(img, pt.x(), pt.y()), parent);
        for (const QPoint &pt : {QPoint(1, 0), QPoint(0, 1), QPoint(59, 9), QPoint(30, 17), QPoint(1, 1),
                                 QPoint(58, 1), QPoint(58, 16), QPoint(1, 16)})
            QCOMPARE(at(img, pt.x(), pt.y()), normalFrame);
        QCOMPARE(at(img, 30, 9), QColor(Qt::white));

        enter(&spd);
        img = rendered(&spd);
        QCOMPARE(at(img, 1, 0), QColor(0x77, 0xAA, 0xE3));
        QCOMPARE(at(img, 0, 0), parent);
        // The over face darkens toward the left-bottom corner only.
        QVERIFY(near(at(img, 2, 15), QColor(0xCE, 0xEA, 0xFB), 12));
        QCOMPARE(at(img, 57, 2), QColor(Qt::white));

        send(&spd, QEvent::MouseButtonPress, QPoint(5, 5), Qt::LeftButton);
        img = rendered(&spd);
        QCOMPARE(at(img, 0, 0), parent);
        QVERIFY2(near(at(img, 30, 0), QColor(0x80, 0x80, 0x80), 3), "no frame when down");
        QVERIFY(near(at(img, 1, 16), QColor(0x9D, 0xCE, 0xFF), 12));

        spd.setCornersDraw(false);
        send(&spd, QEvent::MouseButtonRelease, QPoint(5, 5));
        img = rendered(&spd);
        QCOMPARE(at(img, 0, 0), QColor(0x77, 0xAA, 0xE3));
        QVERIFY(near(at(img, 1, 1), QColor(Qt::white), 6));
    }

    void newSpd_frame_onlyTheChosenSides()
    {
        QWidget parent;
        TnewSpd spd(&parent);
        spd.resize(40, 20);
        TMainParams p = plainParams();
        p.FrameStyle = TFrameStyle(fbTop) | fbRight;
        p.FrameShowNormal = true;
        p.FrameColorNormal = QColor(0, 0, 255);
        spd.setMainParams(p);
        const QImage img = rendered(&spd);
        QCOMPARE(at(img, 10, 0), QColor(0, 0, 255));
        QCOMPARE(at(img, 39, 10), QColor(0, 0, 255));
        QCOMPARE(at(img, 0, 10), QColor(Qt::white));
        QCOMPARE(at(img, 10, 19), QColor(Qt::white));
        QCOMPARE(at(img, 1, 1), QColor(Qt::white));
        // A window without a colour of its own leaves the button face colour
        // in the corners.
        QCOMPARE(at(img, 0, 19), QApplication::palette().color(QPalette::Button));
    }

    void newSpd_caption_placedByPositionAndMargins_data()
    {
        QTest::addColumn<int>("pos");
        QTest::addColumn<int>("dx");
        QTest::addColumn<int>("expectedLeft");  // -1: not checked
        QTest::addColumn<int>("expectedRight"); // -1: not checked
        QTest::newRow("left") << int(cpLeft) << 6 << 8 << -1;
        QTest::newRow("right") << int(cpRight) << 6 << -1 << 120 - 6 - 2;
        QTest::newRow("centre") << int(cpCenter) << 30 << -1 << -1;
    }

    void newSpd_caption_placedByPositionAndMargins()
    {
        QFETCH(int, pos);
        QFETCH(int, dx);
        QFETCH(int, expectedLeft);
        QFETCH(int, expectedRight);
        QWidget parent;
        TnewSpd spd(QStringLiteral("HIM"), &parent);
        spd.resize(120, 24);
        spd.setMainParams(plainParams());
        spd.setCaptionPos(TCaptionPos(pos));
        spd.setCaptionDx(dx);
        const QImage img = rendered(&spd);
        const QRect ink = inkBox(img, img.rect().adjusted(1, 1, -1, -1));
        QVERIFY(!ink.isEmpty());
        // Capitals with straight stems start and end within a pixel of their
        // advance box.
        if (expectedLeft >= 0)
            QVERIFY2(qAbs(ink.left() - expectedLeft) <= 1, qPrintable(QString::number(ink.left())));
        if (expectedRight >= 0)
            QVERIFY2(qAbs(ink.right() + 1 - expectedRight) <= 1, qPrintable(QString::number(ink.right())));
        if (pos == cpCenter)
            QVERIFY2(qAbs((ink.left() + ink.right() + 1) - 120) <= 2, "centred, whatever the margin");
        QVERIFY2(qAbs((ink.top() + ink.bottom() + 1) - 24) <= 3, "vertically centred");
    }

    void newSpd_secondCaption_rightAlignedInItsOwnColour()
    {
        QWidget parent;
        TnewSpd spd(QStringLiteral("HIM|NIH"), &parent);
        spd.resize(140, 20);
        spd.setMainParams(plainParams());
        spd.setCaptionPos(cpLeft);
        spd.setCaptionSecondDx(5);
        QImage img = rendered(&spd);
        const QRect first = inkBox(img, QRect(1, 1, 69, 18), 200);
        const QRect second = inkBox(img, QRect(70, 1, 69, 18), 200);
        QVERIFY(qAbs(first.left() - 2) <= 1);
        QVERIFY2(qAbs(second.right() + 1 - (140 - 5)) <= 1, qPrintable(QString::number(second.right())));
        QVERIFY2(darkest(img, first) < 40, "first part in the state's font colour");
        QVERIFY2(qAbs(darkest(img, second) - 0x80) <= 12, "second part grey");
        spd.setDown(true);
        img = rendered(&spd);
        QVERIFY2(darkest(img, second) < 40, "second part black when down");

        // Only a left caption splits; elsewhere the bar is shown as it is.
        spd.setCaptionPos(cpCenter);
        spd.setDown(false);
        img = rendered(&spd);
        const QRect whole = inkBox(img, img.rect().adjusted(1, 1, -1, -1));
        QVERIFY(whole.right() < 140 - 5 - 8);

        spd.setCaption(QString());
        QVERIFY(inkBox(rendered(&spd), QRect(1, 1, 138, 18)).isEmpty());
    }

    void newSpd_postPaint_calledAfterEachPaintWithItsPainter()
    {
        QWidget parent;
        TnewSpd spd(QStringLiteral("Ok"), &parent);
        spd.setMainParams(plainParams());
        int calls = 0;
        connect(&spd, &TnewSpd::postPaint, &spd, [&](TnewSpd *sender, QPainter *painter) {
            QCOMPARE(sender, &spd);
            painter->fillRect(0, 0, 3, 3, Qt::red);
            ++calls;
        });
        const QImage img = rendered(&spd);
        QCOMPARE(calls, 1);
        QCOMPARE(at(img, 2, 2), QColor(Qt::red));
    }

    void schemes_giveTheirAccentsAndTheCommonLook_data()
    {
        QTest::addColumn<int>("scheme");
        QTest::addColumn<QColor>("overLeftBottom");
        QTest::addColumn<QColor>("downLeftBottom");
        QTest::addColumn<QColor>("overFrame");
        QTest::newRow("blue") << int(SpdScheme::Blue) << QColor(0xCE, 0xEA, 0xFB) << QColor(0x9D, 0xCE, 0xFF)
                              << QColor(0x77, 0xAA, 0xE3);
        QTest::newRow("orange") << int(SpdScheme::Orange) << QColor(0xFF, 0xD9, 0xB3) << QColor(0xFF, 0xBB, 0x9D)
                                << QColor(0xE4, 0xA5, 0x76);
        QTest::newRow("green") << int(SpdScheme::Green) << QColor(0xD0, 0xFB, 0xCE) << QColor(0xBA, 0xFF, 0xAE)
                               << QColor(0x37, 0xA7, 0x23);
        QTest::newRow("cyan") << int(SpdScheme::Cyan) << QColor(0x97, 0xE0, 0xF2) << QColor(0x54, 0xCD, 0xEA)
                              << QColor(0x18, 0xA3, 0xC5);
    }

    void schemes_giveTheirAccentsAndTheCommonLook()
    {
        QFETCH(int, scheme);
        QFETCH(QColor, overLeftBottom);
        QFETCH(QColor, downLeftBottom);
        QFETCH(QColor, overFrame);
        TnewSpd spd;
        applyScheme(&spd, SpdScheme(scheme));
        const TMainParams &p = spd.mainParams();
        QCOMPARE(p.Color_Left_Bottom_Over, overLeftBottom);
        QCOMPARE(p.Color_Left_Bottom_Down, downLeftBottom);
        QCOMPARE(p.FrameColorOver, overFrame);
        QCOMPARE(p.FrameColorNormal, QColor(0xC0, 0xC0, 0xC0));
        QVERIFY(p.FrameShowNormal && p.FrameShowOver && !p.FrameShowDown);
        QCOMPARE(p.Color_Right_Top_Over, QColor(Qt::white));
        QCOMPARE(p.Color_Right_Top_Down, QColor(0x80, 0x80, 0x80));
        QCOMPARE(p.Font_Normal.color, QColor(0x4F, 0x4F, 0x4F));
        QCOMPARE(p.Font_Down.color, QColor(Qt::white));
        QCOMPARE(p.Font_Normal.height, 11);
        QCOMPARE(spd.height(), 18);
    }

    void flatFont_missingFamily_fallsBackToAnInstalledSansSerif()
    {
        TSpdFont f;
        f.name = QStringLiteral("No Such Family 12345");
        f.height = 11;
        const QFont font = flatFont(f);
        QVERIFY(QFontDatabase::hasFamily(font.family()));
        QCOMPARE(font.pixelSize(), 11);
    }

    void centerOnScreen_windowLargerThanTheScreen_fitsWithinItsFreeArea_data()
    {
        // Sizes in parts of the screen's free area: window, then its minimum.
        QTest::addColumn<QSizeF>("size");
        QTest::addColumn<QSizeF>("minimum");
        QTest::addColumn<bool>("fits");
        QTest::newRow("smaller: kept") << QSizeF(0.5, 0.5) << QSizeF(0.1, 0.1) << true;
        QTest::newRow("taller: shrunk") << QSizeF(0.5, 1.6) << QSizeF(0.1, 0.1) << true;
        QTest::newRow("wider and taller: shrunk") << QSizeF(2, 3) << QSizeF(0.1, 0.1) << true;
        QTest::newRow("minimum taller: kept at it") << QSizeF(0.5, 2) << QSizeF(0.1, 1.5) << false;
    }

    void centerOnScreen_windowLargerThanTheScreen_fitsWithinItsFreeArea()
    {
        QFETCH(QSizeF, size);
        QFETCH(QSizeF, minimum);
        QFETCH(bool, fits);
        const QRect area = QGuiApplication::primaryScreen()->availableGeometry();
        const auto part = [&](QSizeF f) { return QSize(int(f.width() * area.width()), int(f.height() * area.height())); };
        QWidget window;
        window.setMinimumSize(part(minimum));
        window.resize(part(size));
        const QSize wanted = window.size();
        centerOnScreen(&window);
        QVERIFY(window.width() >= window.minimumWidth() && window.height() >= window.minimumHeight());
        if (size.width() <= 1 && size.height() <= 1)
            QCOMPARE(window.size(), wanted);
        QCOMPARE(area.contains(window.geometry()), fits);
        // Whatever its size, the top left corner with the title bar stays on the screen.
        QVERIFY(area.contains(window.geometry().topLeft()));
        if (fits)
            QVERIFY(std::abs(window.geometry().center().y() - area.center().y()) <= 1);
    }

    void keyboard_tabReachesButtonsAndBoxes_spaceAndEnterAct()
    {
        KeyboardWindow w;
        QVERIFY(QTest::qWaitForWindowActive(&w.window));
        QSignalSpy clicked(w.spd, &TnewSpd::clicked);
        QSignalSpy boxClicked(w.box, &TSpdCheckBox::clicked);
        w.edit->setFocus();
        // Clicking the button leaves the focus where the user types.
        QTest::mouseClick(w.spd, Qt::LeftButton, {}, QPoint(5, 5));
        QCOMPARE(clicked.count(), 1);
        QCOMPARE(QApplication::focusWidget(), w.edit);

        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), w.spd);
        QTest::keyPress(QApplication::focusWidget(), Qt::Key_Space);
        QCOMPARE(w.spd->state(), SpdState::Down);
        QTest::keyRelease(QApplication::focusWidget(), Qt::Key_Space);
        QCOMPARE(clicked.count(), 2);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QCOMPARE(clicked.count(), 3);
        w.spd->setActsOnEnter(false);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QCOMPARE(clicked.count(), 3);

        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), w.box);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
        QVERIFY(w.box->isChecked());
        // The underlined letter clicks the box from anywhere in the window.
        w.edit->setFocus();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_T, Qt::AltModifier);
        QVERIFY(!w.box->isChecked());
        QCOMPARE(boxClicked.count(), 2);
        w.box->setEnabled(false);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_T, Qt::AltModifier);
        QCOMPARE(boxClicked.count(), 2);
    }

    void accessibility_buttonsAndBoxesHaveRolesNamesAndActions()
    {
        KeyboardWindow w;
        w.spd->setCaption(QStringLiteral("Open|Ctrl+O"));
        QAccessibleInterface *button = QAccessible::queryAccessibleInterface(w.spd);
        QVERIFY(button);
        QCOMPARE(button->role(), QAccessible::Button);
        QCOMPARE(button->text(QAccessible::Name), QStringLiteral("Open Ctrl+O"));
        QVERIFY(button->state().focusable);
        QSignalSpy clicked(w.spd, &TnewSpd::clicked);
        button->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
        QCOMPARE(clicked.count(), 1);

        QAccessibleInterface *box = QAccessible::queryAccessibleInterface(w.box);
        QCOMPARE(box->role(), QAccessible::CheckBox);
        QCOMPARE(box->text(QAccessible::Name), QStringLiteral("Tree"));
        QVERIFY(!box->state().checked);
        box->actionInterface()->doAction(QAccessibleActionInterface::toggleAction());
        QVERIFY(box->state().checked);
    }

    void checkBox_mouse_clickInsideTogglesReleaseOutsideDoesNot()
    {
        QWidget parent;
        TSpdCheckBox box(QStringLiteral("Tabs"), &parent);
        box.resize(80, 17);
        QSignalSpy clicked(&box, &TSpdCheckBox::clicked);

        send(&box, QEvent::MouseButtonPress, QPoint(5, 5), Qt::LeftButton);
        QCOMPARE(box.buttonState(), TSpdCheckBox::ButtonState::Pressed);
        send(&box, QEvent::MouseMove, QPoint(200, 5), Qt::LeftButton);
        QCOMPARE(box.buttonState(), TSpdCheckBox::ButtonState::Up);
        send(&box, QEvent::MouseButtonRelease, QPoint(200, 5));
        QVERIFY(!box.isChecked());
        QCOMPARE(clicked.count(), 0);

        send(&box, QEvent::MouseButtonPress, QPoint(5, 5), Qt::LeftButton);
        send(&box, QEvent::MouseMove, QPoint(200, 5), Qt::LeftButton);
        send(&box, QEvent::MouseMove, QPoint(79, 17), Qt::LeftButton);
        QCOMPARE(box.buttonState(), TSpdCheckBox::ButtonState::Pressed);
        send(&box, QEvent::MouseButtonRelease, QPoint(79, 17));
        QVERIFY(box.isChecked());
        QCOMPARE(clicked.count(), 1);
        QCOMPARE(box.buttonState(), TSpdCheckBox::ButtonState::Up);

        box.setDown(true);
        send(&box, QEvent::MouseButtonPress, QPoint(5, 5), Qt::LeftButton);
        QCOMPARE(box.buttonState(), TSpdCheckBox::ButtonState::HeldDown);
        send(&box, QEvent::MouseButtonRelease, QPoint(5, 5));
        QVERIFY(!box.isChecked());

        box.setEnabled(false);
        rendered(&box);
        QCOMPARE(box.buttonState(), TSpdCheckBox::ButtonState::Disabled);
        send(&box, QEvent::MouseButtonPress, QPoint(5, 5), Qt::LeftButton);
        send(&box, QEvent::MouseButtonRelease, QPoint(5, 5));
        QCOMPARE(clicked.count(), 2);
    }

    void checkBox_square_drawnInTheStatesColours()
    {
        QWidget parent;
        TSpdCheckBox box(&parent);
        box.resize(20, 17);
        box.Normal = {Qt::white, QColor(0x80, 0x80, 0x80), Qt::white};
        box.Hot = {Qt::white, Qt::black, Qt::white};
        box.Pressed = {Qt::red, Qt::blue, Qt::green};
        const int m = 17 / 2;

        QImage img = rendered(&box);
        QCOMPARE(at(img, 1, m), QColor(Qt::white));     // outline
        QCOMPARE(at(img, 11, m + 5), QColor(Qt::white));
        QCOMPARE(at(img, 6, m - 3), QColor(0x80, 0x80, 0x80));
        QCOMPARE(at(img, 5, m + 2), QColor(0x80, 0x80, 0x80)); // no tick yet

        box.setChecked(true);
        enter(&box);
        QVERIFY(box.isHot());
        img = rendered(&box);
        QCOMPARE(at(img, 6, m - 3), QColor(Qt::black));
        for (const QPoint &tick : {QPoint(3, m), QPoint(5, m + 2), QPoint(5, m + 3), QPoint(8, m - 1)})
            QVERIFY2(at(img, tick.x(), tick.y()) == QColor(Qt::white),
                     qPrintable(QStringLiteral("%1,%2").arg(tick.x()).arg(tick.y() - m)));

        send(&box, QEvent::MouseButtonPress, QPoint(5, 5), Qt::LeftButton);
        img = rendered(&box);
        QCOMPARE(at(img, 1, m), QColor(Qt::red));
        QCOMPARE(at(img, 6, m - 3), QColor(Qt::blue));
        QCOMPARE(at(img, 5, m + 2), QColor(Qt::green));
        send(&box, QEvent::MouseButtonRelease, QPoint(300, 5));
        leave(&box);
        QVERIFY(!box.isHot());
        QCOMPARE(at(rendered(&box), 6, m - 3), QColor(0x80, 0x80, 0x80));
    }

    void panel_allSides_drawsRingsBandAndInnerBevel()
    {
        TnewPanel panel;
        panel.resize(60, 30);
        panel.setColor(QColor(0xEF, 0xEF, 0xEF));
        panel.setColor1(Qt::white);
        panel.setColor2(QColor(0x40, 0x40, 0x40));
        panel.setBorderWidth(3);
        panel.setBevelInner(bvLowered);
        QImage img = rendered(&panel);
        QCOMPARE(at(img, 0, 10), QColor(Qt::white));
        QCOMPARE(at(img, 10, 0), QColor(Qt::white));
        QCOMPARE(at(img, 59, 10), QColor(0x40, 0x40, 0x40));
        QCOMPARE(at(img, 10, 29), QColor(0x40, 0x40, 0x40));
        QCOMPARE(at(img, 2, 10), QColor(0xEF, 0xEF, 0xEF)); // the band
        QCOMPARE(at(img, 4, 10), QColor(0x40, 0x40, 0x40)); // lowered: dark first
        QCOMPARE(at(img, 55, 10), QColor(Qt::white));
        QCOMPARE(at(img, 30, 15), QColor(0xEF, 0xEF, 0xEF));
        QCOMPARE(panel.clientArea(), QRect(5, 5, 50, 20));
    }

    void panel_bottomSideOnly_oneLineAndChildrenStillInset()
    {
        TnewPanel panel;
        panel.resize(60, 30);
        panel.setColor(QColor(0xEF, 0xEF, 0xEF));
        panel.setColor1(QColor(0xD4, 0xD4, 0xD4));
        panel.setColor2(QColor(0xC0, 0xC0, 0xC0));
        panel.setBorderWidth(3);
        panel.setBevelBorder(bbBottom);
        auto *layout = new QVBoxLayout(&panel);
        layout->setContentsMargins(0, 0, 0, 0);
        auto *child = new QWidget(&panel);
        layout->addWidget(child);
        layout->activate();
        const QImage img = rendered(&panel);
        for (int x : {0, 30, 59})
            QCOMPARE(at(img, x, 29), QColor(0xC0, 0xC0, 0xC0));
        for (const QPoint &pt : {QPoint(0, 0), QPoint(0, 10), QPoint(59, 10), QPoint(30, 0), QPoint(1, 1)})
            QCOMPARE(at(img, pt.x(), pt.y()), QColor(0xEF, 0xEF, 0xEF));
        QCOMPARE(child->geometry().topLeft(), QPoint(4, 4));
        QCOMPARE(child->geometry().bottomRight(), QPoint(55, 25));
    }

    void panel_caption_alignedAndCentredVertically()
    {
        TnewPanel panel;
        panel.resize(300, 30);
        panel.setColor(Qt::white);
        panel.setBevelBorder(TBevelBorders(bbLeft) | bbRight | bbBottom);
        panel.setAlignment(Qt::AlignLeft);
        panel.setCaption(QStringLiteral("   Use Ctrl key"));
        const QImage img = rendered(&panel);
        const QRect ink = inkBox(img, QRect(1, 0, 298, 29));
        QVERIFY(!ink.isEmpty());
        QVERIFY2(ink.left() > 5 && ink.left() < 30, "leading blanks kept");
        QVERIFY(qAbs(ink.top() + ink.bottom() + 1 - 30) <= 4);
    }

    void edit_flatFrame_cornersTakeTheParentsColourOrTheBorderColour()
    {
        TnewPanel white;
        white.setColor(Qt::white);
        TnewEdit onPanel(&white);
        onPanel.resize(80, 20);
        onPanel.setBorderColor(QColor(0x80, 0x80, 0x80));
        QImage img = rendered(&onPanel);
        QCOMPARE(at(img, 0, 0), QColor(Qt::white));
        QCOMPARE(at(img, 79, 19), QColor(Qt::white));
        QCOMPARE(at(img, 1, 0), QColor(0x80, 0x80, 0x80));
        QCOMPARE(at(img, 0, 10), QColor(0x80, 0x80, 0x80));
        QCOMPARE(at(img, 79, 10), QColor(0x80, 0x80, 0x80));

        QWidget window;
        QWidget plain(&window);
        TnewEdit inPlain(&plain);
        inPlain.resize(80, 20);
        inPlain.setBorderColor(QColor(0xC0, 0xC0, 0xC0));
        img = rendered(&inPlain);
        QCOMPARE(at(img, 0, 0), QColor(0xC0, 0xC0, 0xC0));
        QCOMPARE(at(img, 40, 19), QColor(0xC0, 0xC0, 0xC0));

        inPlain.setFlat(false);
        QVERIFY(at(rendered(&inPlain), 40, 19) != QColor(0xC0, 0xC0, 0xC0));
        inPlain.setFlat(true);
        inPlain.setFlatHeight(23);
        QCOMPARE(inPlain.height(), 23);
    }

    void backgroundTile_whiteWithGreyLinesEveryFivePixels()
    {
        const QImage tile = backgroundTile().toImage().convertToFormat(QImage::Format_RGB32);
        QCOMPARE(tile.size(), QSize(50, 50));
        const QColor grey(246, 246, 246);
        for (int i = 0; i < 50; ++i)
            for (int j = 0; j < 50; ++j) {
                const bool line = i % 5 == 0 || j % 5 == 0;
                QCOMPARE(at(tile, i, j), line ? grey : QColor(Qt::white));
            }
    }
};

PLIVEX_TEST_MAIN(ControlsTest)
#include "controls_test.moc"
