#include "controls/newspd.h"

#include "controls/flataccessible.h"

#include <QAccessible>
#include <QImage>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

namespace {

QColor mix(const QColor &a, const QColor &b, double t)
{
    return QColor::fromRgbF(static_cast<float>(a.redF() + (b.redF() - a.redF()) * t),
                            static_cast<float>(a.greenF() + (b.greenF() - a.greenF()) * t),
                            static_cast<float>(a.blueF() + (b.blueF() - a.blueF()) * t));
}

// The face: each pixel blends the four corner colours by its place. Made in
// device pixels so the gradient stays smooth at any scale.
QImage gradientImage(const QSize &size, qreal dpr, const TSpdCorners &c)
{
    const QSize px(qMax(1, qRound(size.width() * dpr)), qMax(1, qRound(size.height() * dpr)));
    QImage img(px, QImage::Format_RGB32);
    const double w = qMax(1, px.width() - 1);
    const double h = qMax(1, px.height() - 1);
    for (int y = 0; y < px.height(); ++y) {
        const double ty = y / h;
        const QColor left = mix(c.leftTop, c.leftBottom, ty);
        const QColor right = mix(c.rightTop, c.rightBottom, ty);
        auto *line = reinterpret_cast<QRgb *>(img.scanLine(y));
        for (int x = 0; x < px.width(); ++x)
            line[x] = mix(left, right, x / w).rgb();
    }
    img.setDevicePixelRatio(dpr);
    return img;
}

} // namespace

TnewSpd::TnewSpd(QWidget *parent)
    : QWidget(parent)
{
    resize(100, 24);
    // Clicking must not take the focus from where the user is typing; Tab
    // reaches the button.
    setFocusPolicy(Qt::TabFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
    installFlatAccessibility();
}

TnewSpd::TnewSpd(const QString &caption, QWidget *parent)
    : TnewSpd(parent)
{
    setCaption(caption);
}

void TnewSpd::setMainParams(const TMainParams &params)
{
    if (params == m_params)
        return;
    m_params = params;
    updateGeometry();
    update();
}

void TnewSpd::setCaption(const QString &caption)
{
    if (caption == m_caption)
        return;
    m_caption = caption;
    QString spoken = caption;
    setAccessibleName(spoken.replace(QLatin1Char('|'), QLatin1Char(' ')).simplified());
    updateGeometry();
    update();
}

void TnewSpd::setCaptionPos(TCaptionPos pos)
{
    m_captionPos = pos;
    update();
}

void TnewSpd::setCaptionDx(int dx)
{
    m_captionDx = dx;
    update();
}

void TnewSpd::setCaptionSecondDx(int dx)
{
    m_captionSecondDx = dx;
    update();
}

void TnewSpd::setCaptionSecondColor(const QColor &color)
{
    m_captionSecondColor = color;
    update();
}

void TnewSpd::setCaptionSecondColorDown(const QColor &color)
{
    m_captionSecondColorDown = color;
    update();
}

void TnewSpd::setDown(bool down)
{
    if (down == m_down)
        return;
    m_down = down;
    QAccessibleStateChangeEvent ev(this, [] {
        QAccessible::State s;
        s.pressed = true;
        return s;
    }());
    QAccessible::updateAccessibility(&ev);
    update();
}

void TnewSpd::setCornersDraw(bool on)
{
    m_cornersDraw = on;
    update();
}

SpdState TnewSpd::state() const
{
    if (m_down || m_space.isDown())
        return SpdState::Down;
    if (!m_inside)
        return SpdState::Normal;
    return m_pressed ? SpdState::Down : SpdState::Over;
}

void TnewSpd::click()
{
    if (isEnabled())
        emit clicked();
}

QSize TnewSpd::sizeHint() const
{
    const QFontMetrics fm(flatFont(m_params.Font_Normal));
    return {qMax(24, fm.horizontalAdvance(m_caption) + 16 + m_captionDx), qMax(18, fm.height() + 4)};
}

void TnewSpd::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    paintFace(p);
    emit postPaint(this, &p);
}

void TnewSpd::paintFace(QPainter &p)
{
    const SpdState s = state();
    const int w = width();
    const int h = height();
    p.drawImage(QPoint(0, 0), gradientImage(size(), devicePixelRatioF(), m_params.corners(s)));
    drawCaption(p, s);
    drawFrame(p, s);
    if (m_cornersDraw) {
        const QColor outside = parentColor(this).value_or(buttonFaceColor());
        for (const QPoint &pt : {QPoint(0, 0), QPoint(w - 1, 0), QPoint(w - 1, h - 1), QPoint(0, h - 1)})
            p.fillRect(QRect(pt, QSize(1, 1)), outside);
    }
    if (hasFocus()) {
        const TSpdFont &f = m_params.font(s);
        drawFocusFrame(p, rect().adjusted(2, 2, -2, -2), f.color);
    }
}

void TnewSpd::drawCaption(QPainter &p, SpdState s)
{
    if (m_caption.isEmpty())
        return;
    const TSpdFont &f = m_params.font(s);
    const QFont font = flatFont(f);
    p.setFont(font);
    p.setPen(f.color);
    const QFontMetrics fm(font);
    const int w = width();
    const int y = (height() - fm.height()) / 2 + fm.ascent();
    const int bar = m_caption.indexOf(QLatin1Char('|'));
    if (m_captionPos == cpLeft && bar >= 0) {
        const QString first = m_caption.left(bar);
        const QString second = m_caption.mid(bar + 1);
        p.drawText(m_captionDx + 2, y, first);
        p.setPen(s == SpdState::Down ? m_captionSecondColorDown : m_captionSecondColor);
        p.drawText(w - fm.horizontalAdvance(second) - m_captionSecondDx, y, second);
        return;
    }
    const int textWidth = fm.horizontalAdvance(m_caption);
    int x = 0;
    switch (m_captionPos) {
    case cpLeft: x = m_captionDx + 2; break;
    case cpCenter: x = (w - textWidth) / 2; break;
    case cpRight: x = w - textWidth - m_captionDx - 2; break;
    }
    p.drawText(x, y, m_caption);
}

void TnewSpd::drawFrame(QPainter &p, SpdState s)
{
    if (!m_params.frameShown(s))
        return;
    const QColor c = m_params.frameColor(s);
    const int w = width();
    const int h = height();
    const TFrameStyle sides = m_params.FrameStyle;
    if (sides & fbTop)
        p.fillRect(0, 0, w, 1, c);
    if (sides & fbLeft)
        p.fillRect(0, 0, 1, h, c);
    if (sides & fbRight)
        p.fillRect(w - 1, 0, 1, h, c);
    if (sides & fbBottom)
        p.fillRect(0, h - 1, w, 1, c);
    const TFrameStyle all = TFrameStyle(fbLeft) | fbTop | fbRight | fbBottom;
    if (sides == all && m_cornersDraw)
        for (const QPoint &pt : {QPoint(1, 1), QPoint(w - 2, 1), QPoint(w - 2, h - 2), QPoint(1, h - 2)})
            p.fillRect(QRect(pt, QSize(1, 1)), c);
}

void TnewSpd::mousePressEvent(QMouseEvent *event)
{
    m_pressed = true;
    m_inside = rect().contains(event->position().toPoint());
    update();
    event->accept();
}

void TnewSpd::mouseReleaseEvent(QMouseEvent *event)
{
    const bool wasPressed = m_pressed;
    m_pressed = false;
    m_inside = rect().contains(event->position().toPoint());
    update();
    if (wasPressed && m_inside && event->button() == Qt::LeftButton)
        click();
}

void TnewSpd::mouseMoveEvent(QMouseEvent *event)
{
    // While a button is held the pointer may leave without a leave event.
    const bool inside = rect().contains(event->position().toPoint());
    if (inside != m_inside) {
        m_inside = inside;
        update();
    }
}

void TnewSpd::mouseDoubleClickEvent(QMouseEvent *event)
{
    m_pressed = true;
    update();
    event->accept();
    emit doubleClicked();
}

void TnewSpd::enterEvent(QEnterEvent *)
{
    m_inside = true;
    update();
    emit mouseEntered();
}

void TnewSpd::leaveEvent(QEvent *)
{
    m_inside = false;
    update();
    emit mouseLeft();
}

void TnewSpd::keyPressEvent(QKeyEvent *event)
{
    if (m_space.press(this, event))
        return;
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) && m_actsOnEnter) {
        click();
        return;
    }
    QWidget::keyPressEvent(event);
}

void TnewSpd::keyReleaseEvent(QKeyEvent *event)
{
    if (m_space.release(this, event)) {
        click();
        return;
    }
    QWidget::keyReleaseEvent(event);
}

void TnewSpd::focusInEvent(QFocusEvent *event)
{
    update();
    QWidget::focusInEvent(event);
}

void TnewSpd::focusOutEvent(QFocusEvent *event)
{
    m_space.cancel(this);
    QWidget::focusOutEvent(event);
}

void TnewSpd::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::EnabledChange && !isEnabled()) {
        m_pressed = false;
        m_space.cancel(this);
    }
    QWidget::changeEvent(event);
}
