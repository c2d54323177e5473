#pragma once

#include <QWidget>

// A plain widget whose background is the shared grid tile.
class TiledWidget : public QWidget
{
    Q_OBJECT

public:
    using QWidget::QWidget;

protected:
    void paintEvent(QPaintEvent *event) override;
};
