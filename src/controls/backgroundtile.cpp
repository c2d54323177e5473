#include "controls/backgroundtile.h"

#include <QPainter>

const QPixmap &backgroundTile()
{
    static const QPixmap tile = [] {
        QPixmap pm(50, 50);
        pm.fill(Qt::white);
        QPainter p(&pm);
        p.setPen(QColor(246, 246, 246));
        for (int i = 0; i < 50; i += 5) {
            p.drawLine(i, 0, i, 49);
            p.drawLine(0, i, 49, i);
        }
        return pm;
    }();
    return tile;
}

void paintBackgroundTile(QPainter &painter, const QRect &area)
{
    const int size = backgroundTile().width();
    const int left = (area.left() / size) * size;
    const int top = (area.top() / size) * size;
    for (int x = left; x <= area.right(); x += size)
        for (int y = top; y <= area.bottom(); y += size)
            painter.drawPixmap(x, y, backgroundTile());
}
