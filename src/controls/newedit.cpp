#include "controls/newedit.h"

#include "controls/flatlook.h"

#include <QPainter>

TnewEdit::TnewEdit(QWidget *parent)
    : QLineEdit(parent)
{
    setFrame(false);
    // The drawn frame takes a pixel on every side; keep the text off it.
    setTextMargins(3, 1, 3, 1);
    m_flatHeight = sizeHint().height();
}

void TnewEdit::setFlat(bool on)
{
    m_flat = on;
    if (on && m_flatHeight > 0)
        setFixedHeight(m_flatHeight);
    update();
}

void TnewEdit::setBorderColor(const QColor &color)
{
    m_borderColor = color;
    update();
}

void TnewEdit::setFlatHeight(int height)
{
    m_flatHeight = height;
    if (m_flat)
        setFixedHeight(height);
}

void TnewEdit::setColor(const QColor &color)
{
    QPalette pal = palette();
    pal.setColor(QPalette::Base, color);
    setPalette(pal);
}

void TnewEdit::paintEvent(QPaintEvent *event)
{
    QLineEdit::paintEvent(event);
    if (!m_flat)
        return;
    QPainter p(this);
    const int w = width();
    const int h = height();
    p.fillRect(0, 0, w, 1, m_borderColor);
    p.fillRect(0, h - 1, w, 1, m_borderColor);
    p.fillRect(0, 0, 1, h, m_borderColor);
    p.fillRect(w - 1, 0, 1, h, m_borderColor);
    const QColor corner = parentColor(this).value_or(m_borderColor);
    for (const QPoint &pt : {QPoint(0, 0), QPoint(w - 1, 0), QPoint(w - 1, h - 1), QPoint(0, h - 1)})
        p.fillRect(QRect(pt, QSize(1, 1)), corner);
}
