#include "preview/aboutform.h"

#include "project/model/product.h"
#include "project/platform/dialogs.h"
#include "controls/backgroundtile.h"
#include "controls/flatlook.h"
#include "controls/newspd.h"
#include "controls/spdschemes.h"

#include <QKeyEvent>
#include <QLabel>
#include <QPaintEvent>
#include <QPainter>


namespace {

const QString kCompanyWebSite = QStringLiteral("https://www.quorna.example/");
const QString kSupportMail = QStringLiteral("support@quorna.example");

void setTextColor(QLabel *label, const QColor &color)
{
    QPalette pal = label->palette();
    pal.setColor(QPalette::WindowText, color);
    label->setPalette(pal);
}

QFont labelFont(bool bold = false)
{
    TSpdFont f;
    f.height = 11;
    f.bold = bold;
    return flatFont(f);
}

} // namespace

TfrmAbout::TfrmAbout(QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint)
{
    setWindowTitle(tr("About Ostrel Plivex"));
    setFixedSize(340, 159);
    setFlatColor(this, Qt::white);

    Label1 = makeLabel(tr("Ostrel Plivex, the menu editor of the Ostrel menu family, is made by "
                          "Quorna Software"),
                       QRect(16, 14, 250, 30));
    Label1->setWordWrap(true);
    Label1->setFont(labelFont(true));
    makeLink(Label1, kCompanyWebSite);
    Label4 = makeLabel(kSupportMail, QRect(16, 58, 0, 0));
    makeLink(Label4, QStringLiteral("mailto:") + kSupportMail);
    Label5 = makeLabel(kProductWebSite, QRect(16, 76, 0, 0));
    makeLink(Label5, kProductWebSite);
    Label2 = makeLabel(tr("Made with Qt. Thanks to everyone who sent in their menus."),
                       QRect(16, 106, 0, 0));
    setTextColor(Label2, QColor(0x80, 0x80, 0x80));
    Label3 = makeLabel(versionText(), QRect(0, 10, 0, 0));
    Label3->move(width() - 12 - Label3->width(), 10);

    spdApply = new TnewSpd(tr("Ok"), this);
    applyScheme(spdApply, SpdScheme::Blue);
    // Borderless window: nothing to round the corners against.
    spdApply->setCornersDraw(false);
    spdApply->setGeometry(255, 131, 75, 18);
    connect(spdApply, &TnewSpd::clicked, this, &TfrmAbout::spdApplyClick);
}

QLabel *TfrmAbout::makeLabel(const QString &text, const QRect &geometry)
{
    auto *label = new QLabel(text, this);
    label->setFont(labelFont());
    setTextColor(label, QColor(0x31, 0x31, 0x31));
    if (geometry.width() > 0) {
        label->setGeometry(geometry);
    } else {
        label->adjustSize();
        label->move(geometry.topLeft());
    }
    return label;
}

void TfrmAbout::makeLink(QLabel *label, const QString &target)
{
    // The target lives in the label's hint, as with every link label.
    label->setToolTip(target);
    label->setCursor(Qt::PointingHandCursor);
    label->setFocusPolicy(Qt::TabFocus);
    label->setAccessibleName(label->text());
    label->setAccessibleDescription(target);
    setTextColor(label, QColor(0x1F, 0x5F, 0xB0));
    label->installEventFilter(this);
}

int TfrmAbout::exec()
{
    centerOnScreen(this);
    // Start on "Ok"; the links follow it with Tab.
    spdApply->setFocus();
    return QDialog::exec();
}

void TfrmAbout::setBackgroundImage(const QPixmap &picture)
{
    m_background = picture;
    update();
}

void TfrmAbout::Label4Click(QLabel *label)
{
    dialogs().openWithShell(QUrl(label->toolTip()));
}

void TfrmAbout::Label1MouseEnter(QLabel *label)
{
    QFont f = label->font();
    f.setUnderline(true);
    label->setFont(f);
}

void TfrmAbout::Label1MouseLeave(QLabel *label)
{
    QFont f = label->font();
    f.setUnderline(false);
    label->setFont(f);
}

void TfrmAbout::spdApplyClick()
{
    accept();
}

bool TfrmAbout::eventFilter(QObject *watched, QEvent *event)
{
    auto *label = qobject_cast<QLabel *>(watched);
    if (!label)
        return QDialog::eventFilter(watched, event);
    switch (event->type()) {
    case QEvent::Enter:
    case QEvent::FocusIn: Label1MouseEnter(label); break;
    case QEvent::Leave:
    case QEvent::FocusOut: Label1MouseLeave(label); break;
    case QEvent::MouseButtonRelease:
        if (static_cast<QMouseEvent *>(event)->button() == Qt::LeftButton &&
            label->rect().contains(static_cast<QMouseEvent *>(event)->position().toPoint())) {
            Label4Click(label);
            return true;
        }
        break;
    case QEvent::KeyPress:
        // A link reached with Tab opens with Space; Enter stays the window's.
        if (static_cast<QKeyEvent *>(event)->key() == Qt::Key_Space) {
            Label4Click(label);
            return true;
        }
        break;
    default: break;
    }
    return QDialog::eventFilter(watched, event);
}

void TfrmAbout::keyPressEvent(QKeyEvent *event)
{
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Escape: accept(); return;
    default: QDialog::keyPressEvent(event);
    }
}

void TfrmAbout::paintEvent(QPaintEvent *event)
{
    QPainter p(this);
    paintBackgroundTile(p, event->rect());
    if (!m_background.isNull())
        p.drawPixmap(0, 0, m_background);
}
