#include "controls/tiledwidget.h"

#include "controls/backgroundtile.h"

#include <QPaintEvent>
#include <QPainter>

void TiledWidget::paintEvent(QPaintEvent *event)
{
    QPainter p(this);
    paintBackgroundTile(p, event->rect());
}
