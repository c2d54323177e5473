#include "preview/menutypeform.h"

#include "controls/backgroundtile.h"
#include "controls/flatlook.h"
#include "controls/newspd.h"
#include "controls/spdcheckbox.h"
#include "controls/spdschemes.h"
#include "project/model/product.h"
#include "project/model/project.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QScreen>

namespace {

struct MenuTypeText
{
    Q_DECLARE_TR_FUNCTIONS(TfrmMenuType)
};

// Where the program's name may go in the picture: right of the choice
// boxes, above the buttons.
constexpr QRect kWatermarkArea{140, 36, 188, 80};

// The window's picture: the grid tile with the program's name in light
// colours, drawn once. The name shrinks until it fits its area whole,
// whatever family stands in for the designed one.
QPixmap makeBackground(qreal dpr)
{
    QPixmap pm(QSize(340, 159) * dpr);
    pm.setDevicePixelRatio(dpr);
    QPainter p(&pm);
    paintBackgroundTile(p, QRect(0, 0, 340, 159));
    const QString name = MenuTypeText::tr("Ostrel Plivex");
    TSpdFont font;
    font.height = 26;
    font.bold = true;
    QFont f = flatFont(font);
    while (f.pixelSize() > 10 && QFontMetrics(f).horizontalAdvance(name) > kWatermarkArea.width())
        f.setPixelSize(f.pixelSize() - 1);
    p.setFont(f);
    p.setPen(QColor(0xD6, 0xE9, 0xFE));
    p.drawText(kWatermarkArea, Qt::AlignRight | Qt::AlignVCenter, name);
    return pm;
}

const int kBoxWidths[] = {81, 109, 81, 105};

} // namespace

TfrmMenuType::TfrmMenuType(const Project &project, QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint)
    , m_project(project)
{
    setWindowTitle(tr("Select Menu Type"));
    setFixedSize(340, 159);
    setFlatColor(this, Qt::white);
    const QScreen *screen = QGuiApplication::primaryScreen();
    BackgroundImage = makeBackground(screen ? screen->devicePixelRatio() : 1.0);

    TSpdFont small;
    small.height = 11;
    QPalette text = palette();
    text.setColor(QPalette::WindowText, QColor(0x31, 0x31, 0x31));
    auto *caption = new QLabel(tr("Select Menu Type"), this);
    small.bold = true;
    caption->setFont(flatFont(small));
    small.bold = false;
    caption->setPalette(text);
    caption->adjustSize();
    caption->move(16, 12);
    auto *version = new QLabel(versionText(), this);
    version->setObjectName(QStringLiteral("versionLabel"));
    version->setFont(flatFont(small));
    version->setPalette(text);
    version->adjustSize();
    version->move(width() - 12 - version->width(), 12);

    for (int i = 0; i < kMenuTypeCount; ++i) {
        auto *box = new TSpdCheckBox(menuTypes().at(static_cast<size_t>(i)).name, this);
        box->setProperty("tag", i);
        box->setFont(flatFont(small));
        box->setColor(QColor(0xF0, 0xF0, 0xF0));
        box->FontColor1 = QColor(0x31, 0x31, 0x31);
        box->FontColor2 = box->FontColor3 = Qt::black;
        // One type among four: option buttons, white until chosen.
        box->Round = true;
        box->Normal = box->Pressed = {Qt::white, QColor(0x80, 0x80, 0x80), QColor(0x31, 0x31, 0x31)};
        box->Hot = {Qt::white, Qt::black, Qt::black};
        // A stand-in family may be wider than the designed one: never cut a name.
        const int needed = 16 + QFontMetrics(box->font()).horizontalAdvance(box->caption()) + 2;
        box->setGeometry(24, 38 + i * 21, qMax(kBoxWidths[i], needed), 17);
        connect(box, &TSpdCheckBox::clicked, this, [this, i] { cbMenu0Click(i); });
        cbMenu.at(static_cast<size_t>(i)) = box;
    }
    spdApply = new TnewSpd(tr("Ok"), this);
    spdCancel = new TnewSpd(tr("Cancel"), this);
    applyScheme(spdApply, SpdScheme::Blue);
    applyScheme(spdCancel, SpdScheme::Orange);
    for (TnewSpd *b : {spdApply, spdCancel}) {
        // Borderless window: nothing to round the corners against; Enter
        // anywhere means Ok.
        b->setCornersDraw(false);
        b->setActsOnEnter(false);
    }
    spdApply->setGeometry(170, 131, 75, 18);
    spdCancel->setGeometry(255, 131, 75, 18);
    connect(spdApply, &TnewSpd::clicked, this, &TfrmMenuType::spdApplyClick);
    connect(spdCancel, &TnewSpd::clicked, this, &TfrmMenuType::spdCancelClick);
}

int TfrmMenuType::exec()
{
    centerOnScreen(this);
    FormActivate();
    return QDialog::exec();
}

void TfrmMenuType::FormActivate()
{
    cbMenu0Click(m_project.MenuType);
    cbMenu.at(static_cast<size_t>(m_project.MenuType))->setFocus();
}

void TfrmMenuType::moveTick(int step)
{
    const int type = qBound(0, SelectedType + step, kMenuTypeCount - 1);
    cbMenu0Click(type);
    // The focus goes with the tick, as in a group of radio buttons.
    if (focusWidget() && focusWidget()->inherits("TSpdCheckBox"))
        cbMenu.at(static_cast<size_t>(type))->setFocus(Qt::OtherFocusReason);
}

void TfrmMenuType::cbMenu0Click(int type)
{
    for (int i = 0; i < kMenuTypeCount; ++i) {
        TSpdCheckBox *box = cbMenu.at(static_cast<size_t>(i));
        box->setChecked(i == type);
        // Like a radio group, Tab stops at the ticked box only.
        box->setFocusPolicy(i == type ? Qt::TabFocus : Qt::NoFocus);
    }
    SelectedType = type;
}

std::optional<int> TfrmMenuType::choose(Cancel cancel)
{
    m_cancelApplies = cancel == Cancel::Applies;
    if (exec() != QDialog::Accepted)
        return std::nullopt;
    return SelectedType;
}

void TfrmMenuType::spdApplyClick()
{
    m_closingByButton = true;
    accept();
}

void TfrmMenuType::spdCancelClick()
{
    if (m_cancelApplies) {
        spdApplyClick();
        return;
    }
    m_closingByButton = true;
    reject();
}

void TfrmMenuType::done(int result)
{
    if (!m_closingByButton)
        return; // only "Ok" and "Cancel" close the window
    m_closingByButton = false;
    QDialog::done(result);
}

void TfrmMenuType::closeEvent(QCloseEvent *event)
{
    event->ignore();
}

void TfrmMenuType::keyPressEvent(QKeyEvent *event)
{
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter: spdApplyClick(); return;
    case Qt::Key_Escape: spdCancelClick(); return;
    // The arrows move the tick, as in a group of radio buttons.
    case Qt::Key_Up:
    case Qt::Key_Left: moveTick(-1); return;
    case Qt::Key_Down:
    case Qt::Key_Right: moveTick(1); return;
    default: QDialog::keyPressEvent(event);
    }
}

void TfrmMenuType::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.drawPixmap(0, 0, BackgroundImage);
}
