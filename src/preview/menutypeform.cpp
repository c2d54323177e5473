#include "preview/menutypeform.h"

#include "controls/backgroundtile.h"
#include "project/project.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QScreen>

namespace {

// The window's picture: the grid tile with the program's name in light
// colours, drawn once.
QPixmap makeBackground()
{
    QPixmap pm(340, 159);
    QPainter p(&pm);
    paintBackgroundTile(p, pm.rect());
    QFont f(QStringLiteral("DejaVu Sans"));
    f.setPixelSize(26);
    f.setBold(true);
    p.setFont(f);
    p.setPen(QColor(0xD6, 0xE9, 0xFE));
    p.drawText(QRect(150, 40, 180, 70), Qt::AlignRight | Qt::AlignVCenter, QStringLiteral("Ostrel Plivex"));
    return pm;
}

} // namespace

TfrmMenuType::TfrmMenuType(Project &project, std::function<bool()> applyType, QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint)
    , m_project(project)
    , m_applyType(std::move(applyType))
{
    setWindowTitle(QStringLiteral("Select Menu Type"));
    setFixedSize(340, 159);
    BackgroundImage = makeBackground();

    auto *caption = new QLabel(QStringLiteral("Select Menu Type"), this);
    QFont bold = caption->font();
    bold.setBold(true);
    caption->setFont(bold);
    caption->move(16, 10);
    auto *version = new QLabel(QStringLiteral("v2.0"), this);
    version->move(300, 10);

    for (int i = 0; i < kMenuTypeCount; ++i) {
        auto *box = new QCheckBox(menuTypes().at(static_cast<size_t>(i)).name, this);
        box->setProperty("tag", i);
        box->move(24, 36 + i * 22);
        box->setAutoExclusive(false);
        connect(box, &QCheckBox::clicked, this, [this, i] { cbMenu0Click(i); });
        cbMenu.at(static_cast<size_t>(i)) = box;
    }
    spdApply = new QPushButton(QStringLiteral("Ok"), this);
    spdCancel = new QPushButton(QStringLiteral("Cancel"), this);
    spdApply->setGeometry(170, 124, 75, 25);
    spdCancel->setGeometry(255, 124, 75, 25);
    spdApply->setAutoDefault(false);
    spdCancel->setAutoDefault(false);
    connect(spdApply, &QPushButton::clicked, this, &TfrmMenuType::spdApplyClick);
    connect(spdCancel, &QPushButton::clicked, this, &TfrmMenuType::spdCancelClick);
}

int TfrmMenuType::exec()
{
    if (const QScreen *screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
    FormActivate();
    return QDialog::exec();
}

void TfrmMenuType::FormActivate()
{
    cbMenu0Click(m_project.MenuType);
}

void TfrmMenuType::cbMenu0Click(int type)
{
    for (int i = 0; i < kMenuTypeCount; ++i)
        cbMenu.at(static_cast<size_t>(i))->setChecked(i == type);
    SelectedType = type;
}

void TfrmMenuType::spdApplyClick()
{
    m_project.MenuType = SelectedType;
    if (!m_applyType())
        return;
    m_closingByButton = true;
    accept();
}

void TfrmMenuType::spdCancelClick()
{
    // At start-up there is nothing to go back to: Cancel applies the choice.
    if (!ShownOnce) {
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
    ShownOnce = true;
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
    case Qt::Key_Up: cbMenu0Click(qMax(0, SelectedType - 1)); return;
    case Qt::Key_Down: cbMenu0Click(qMin(kMenuTypeCount - 1, SelectedType + 1)); return;
    default: QDialog::keyPressEvent(event);
    }
}

void TfrmMenuType::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.drawPixmap(0, 0, BackgroundImage);
}
