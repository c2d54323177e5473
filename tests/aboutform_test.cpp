#include "controls/newspd.h"
#include "preview/aboutform.h"
#include "preview/menutypeform.h"
#include "project/model/project.h"
#include "support/scripteddialogs.h"
#include "support/testmain.h"

#include <QApplication>
#include <QLabel>
#include <QTimer>
#include <memory>

namespace {

void hover(QWidget *w, bool in)
{
    if (in) {
        QEnterEvent ev(QPointF(1, 1), QPointF(1, 1), QPointF(w->mapToGlobal(QPoint(1, 1))));
        QApplication::sendEvent(w, &ev);
    } else {
        QEvent ev(QEvent::Leave);
        QApplication::sendEvent(w, &ev);
    }
}

} // namespace

class AboutFormTest : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        m_dialogs = std::make_unique<ScriptedDialogs>();
    }

    void cleanup() { m_dialogs.reset(); }

    void version_isTheSameInTheMenuTypeWindow()
    {
        TfrmAbout about;
        Project project;
        TfrmMenuType menuType(project);
        const auto *shown = menuType.findChild<QLabel *>(QStringLiteral("versionLabel"));
        QVERIFY(shown);
        QCOMPARE(shown->text(), about.Label3->text());
        // Whole inside its window, however long the version.
        QVERIFY(menuType.rect().contains(shown->geometry()));
    }

    void window_borderlessFixedSizeWithTheBuildsVersion()
    {
        TfrmAbout about;
        QCOMPARE(about.windowTitle(), QStringLiteral("About Ostrel Plivex"));
        QCOMPARE(about.size(), QSize(340, 159));
        QVERIFY(about.windowFlags() & Qt::FramelessWindowHint);
        QCOMPARE(about.Label3->text(), QStringLiteral("v") + QStringLiteral(PLIVEX_VERSION));
        QCOMPARE(about.spdApply->caption(), QStringLiteral("Ok"));
        QVERIFY(!about.spdApply->cornersDraw());
        // Every label lies whole inside the window.
        for (QLabel *l : {about.Label1, about.Label2, about.Label3, about.Label4, about.Label5})
            QVERIFY2(about.rect().contains(l->geometry()), qPrintable(l->text()));
    }

    void links_openTheirTargetsUnderlineOnHoverAndShowAHand_data()
    {
        QTest::addColumn<int>("label");
        QTest::addColumn<QString>("scheme");
        QTest::newRow("maker") << 1 << "https";
        QTest::newRow("support mail") << 4 << "mailto";
        QTest::newRow("product site") << 5 << "https";
    }

    void links_openTheirTargetsUnderlineOnHoverAndShowAHand()
    {
        QFETCH(int, label);
        QFETCH(QString, scheme);
        TfrmAbout about;
        QLabel *link = label == 1 ? about.Label1 : label == 4 ? about.Label4 : about.Label5;
        QCOMPARE(link->cursor().shape(), Qt::PointingHandCursor);
        hover(link, true);
        QVERIFY(link->font().underline());
        QTest::mouseClick(link, Qt::LeftButton, {}, QPoint(3, 3));
        hover(link, false);
        QVERIFY(!link->font().underline());
        QCOMPARE(m_dialogs->shellOpened.size(), 1);
        QCOMPARE(m_dialogs->shellOpened.first().scheme(), scheme);
        QCOMPARE(m_dialogs->shellOpened.first().toString(), link->toolTip());
        if (scheme == QLatin1String("mailto"))
            QCOMPARE(m_dialogs->shellOpened.first().path(), link->text());

        // The credit line and the version are no links.
        QTest::mouseClick(about.Label2, Qt::LeftButton, {}, QPoint(3, 3));
        QTest::mouseClick(about.Label3, Qt::LeftButton, {}, QPoint(3, 3));
        QCOMPARE(m_dialogs->shellOpened.size(), 1);
    }

    void keys_enterEscapeAndOkClose_tabAndSpaceOpenALink_data()
    {
        QTest::addColumn<QList<int>>("keys");
        QTest::addColumn<int>("opened");
        QTest::newRow("enter") << QList<int>{Qt::Key_Return} << 0;
        QTest::newRow("escape") << QList<int>{Qt::Key_Escape} << 0;
        QTest::newRow("space on Ok") << QList<int>{Qt::Key_Space} << 0;
        QTest::newRow("tab to the maker link, space, escape")
            << QList<int>{Qt::Key_Tab, Qt::Key_Space, Qt::Key_Escape} << 1;
        QTest::newRow("tab to the mail link, space, enter")
            << QList<int>{Qt::Key_Tab, Qt::Key_Tab, Qt::Key_Space, Qt::Key_Return} << 1;
    }

    void keys_enterEscapeAndOkClose_tabAndSpaceOpenALink()
    {
        QFETCH(QList<int>, keys);
        QFETCH(int, opened);
        QWidget owner;
        TfrmAbout about(&owner);
        bool wasCentred = false;
        QStringList trail;
        QTimer::singleShot(0, &about, [&] {
            wasCentred = about.geometry().center() == about.screen()->availableGeometry().center() ||
                         (about.geometry().center() - about.screen()->availableGeometry().center()).manhattanLength() <= 2;
            if (QTest::qWaitForWindowActive(&about))
                for (int key : keys) {
                    QWidget *focused = QApplication::focusWidget();
                    trail << (focused ? focused->accessibleName() : QString());
                    QTest::keyClick(focused, Qt::Key(key));
                }
            if (about.isVisible())
                about.reject();
        });
        QCOMPARE(about.exec(), int(QDialog::Accepted));
        QVERIFY(wasCentred);
        QCOMPARE(m_dialogs->shellOpened.size(), opened);
        QCOMPARE(trail.first(), QStringLiteral("Ok"));
        if (keys.size() == 4)
            QCOMPARE(m_dialogs->shellOpened.first().scheme(), QStringLiteral("mailto"));
    }

private:
    std::unique_ptr<ScriptedDialogs> m_dialogs;
};

PLIVEX_TEST_MAIN(AboutFormTest)
#include "aboutform_test.moc"
