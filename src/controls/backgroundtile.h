#pragma once

#include <QPixmap>

class QPainter;
class QRect;

// The 50 by 50 grid picture that several windows paint as their background:
// white, with light grey lines every 5 pixels. Made once, on first use.
const QPixmap &backgroundTile();
// Covers `area` with the tile, repeated from the painter's origin.
void paintBackgroundTile(QPainter &painter, const QRect &area);
