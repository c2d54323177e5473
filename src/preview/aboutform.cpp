#include "preview/aboutform.h"

#include "controls/backgroundtile.h"

#include <QPaintEvent>
#include <QPainter>


TfrmAbout::TfrmAbout(QWidget *parent)
    : QDialog(parent)
{
    setWindowTitle(QStringLiteral("About Ostrel Plivex"));
    setFixedSize(340, 159);
}

void TfrmAbout::setBackgroundImage(const QPixmap &picture)
{
    m_background = picture;
    update();
}

void TfrmAbout::paintEvent(QPaintEvent *event)
{
    QPainter p(this);
    paintBackgroundTile(p, event->rect());
    if (!m_background.isNull())
        p.drawPixmap(0, 0, m_background);
}
