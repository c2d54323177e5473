#include "controls/spdcheckbox.h"

#include "controls/flataccessible.h"
#include "controls/flatlook.h"

#include <QAccessible>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QShortcutEvent>

namespace {

// A one-pixel line with both ends, pixel by pixel, so the small tick looks
// the same with every paint engine and scale.
void plotLine(QPainter &p, QPoint from, const QPoint &to, const QColor &color)
{
    const int dx = qAbs(to.x() - from.x());
    const int dy = -qAbs(to.y() - from.y());
    const int sx = from.x() < to.x() ? 1 : -1;
    const int sy = from.y() < to.y() ? 1 : -1;
    int err = dx + dy;
    for (;;) {
        p.fillRect(QRect(from, QSize(1, 1)), color);
        if (from == to)
            break;
        const int e2 = 2 * err;
        if (e2 >= dy) {
            err += dy;
            from.rx() += sx;
        }
        if (e2 <= dx) {
            err += dx;
            from.ry() += sy;
        }
    }
}

} // namespace

TSpdCheckBox::TSpdCheckBox(QWidget *parent)
    : QWidget(parent)
    , m_color(buttonFaceColor())
{
    resize(22, 23);
    setFocusPolicy(Qt::TabFocus);
    setAttribute(Qt::WA_Hover);
    installFlatAccessibility();
}

TSpdCheckBox::TSpdCheckBox(const QString &caption, QWidget *parent)
    : TSpdCheckBox(parent)
{
    setCaption(caption);
}

void TSpdCheckBox::setCaption(const QString &caption)
{
    m_caption = caption;
    QString spoken = caption;
    setAccessibleName(spoken.remove(QLatin1Char('&')));
    if (m_shortcutId)
        releaseShortcut(m_shortcutId);
    const QKeySequence mnemonic = QKeySequence::mnemonic(caption);
    m_shortcutId = mnemonic.isEmpty() ? 0 : grabShortcut(mnemonic);
    update();
}

void TSpdCheckBox::setChecked(bool on)
{
    if (on == m_checked)
        return;
    m_checked = on;
    QAccessible::State changed;
    changed.checked = true;
    QAccessibleStateChangeEvent ev(this, changed);
    QAccessible::updateAccessibility(&ev);
    update();
}

void TSpdCheckBox::setDown(bool on)
{
    m_down = on;
    if (m_state != ButtonState::Disabled && m_state != ButtonState::Pressed)
        m_state = restingState();
    update();
}

void TSpdCheckBox::setColor(const QColor &color)
{
    m_color = color;
    update();
}

void TSpdCheckBox::setTransparent(bool on)
{
    m_transparent = on;
    update();
}

void TSpdCheckBox::setState(ButtonState state)
{
    if (state == m_state)
        return;
    m_state = state;
    update();
}

void TSpdCheckBox::click()
{
    setChecked(!m_checked);
    emit clicked();
}

bool TSpdCheckBox::containsForTracking(const QPoint &pos) const
{
    // The bottom row just below the control still counts, as it always has.
    return pos.x() >= 0 && pos.x() <= width() - 1 && pos.y() >= 0 && pos.y() <= height();
}

bool TSpdCheckBox::event(QEvent *event)
{
    if (event->type() == QEvent::Shortcut) {
        const auto *se = static_cast<QShortcutEvent *>(event);
        if (se->shortcutId() == m_shortcutId) {
            if (isEnabled() && isVisible() && parentWidget() && parentWidget()->isVisible()) {
                if (focusPolicy() != Qt::NoFocus)
                    setFocus(Qt::ShortcutFocusReason);
                click();
            }
            return true;
        }
    }
    return QWidget::event(event);
}

void TSpdCheckBox::paintEvent(QPaintEvent *)
{
    // Disabling stops tracking; enabling again restores the resting state.
    if (!isEnabled()) {
        m_state = ButtonState::Disabled;
        m_tracking = false;
    } else if (m_state == ButtonState::Disabled) {
        m_state = restingState();
    }
    QPainter p(this);
    if (!m_transparent)
        p.fillRect(rect(), m_color);
    const bool pressed = m_state == ButtonState::Pressed || m_state == ButtonState::HeldDown || m_space.isDown();
    const SquareColors &sq = pressed ? Pressed : (m_hot ? Hot : Normal);
    const QColor fontColor = pressed ? FontColor3 : (m_hot ? FontColor2 : FontColor1);
    const int m = height() / 2;

    if (!m_caption.isEmpty()) {
        p.setFont(font());
        p.setPen(fontColor);
        const QFontMetrics fm(font());
        int x = 16;
        int y = m - fm.height() / 2;
        if (pressed) {
            x += OffsetX;
            y += OffsetY;
        }
        p.drawText(QRect(x, y, width() - x, fm.height()), Qt::AlignLeft | Qt::AlignTop | Qt::TextShowMnemonic,
                   m_caption);
    }

    if (Round) {
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(QPen(sq.fill, 1.2));
        p.setBrush(sq.bevel);
        p.drawEllipse(QRectF(1.5, m - 4.5, 10, 10));
        if (m_checked) {
            p.setPen(Qt::NoPen);
            p.setBrush(sq.mark);
            p.drawEllipse(QRectF(4, m - 2, 5, 5));
        }
        p.setRenderHint(QPainter::Antialiasing, false);
    } else {
        p.fillRect(QRect(1, m - 5, 11, 11), sq.bevel);
        p.fillRect(QRect(2, m - 4, 9, 9), sq.fill);
    }
    if (m_checked && !Round) {
        const QPoint a(3, m), b(5, m + 2), c(10, m - 3);
        plotLine(p, a, b, sq.mark);
        plotLine(p, b, c, sq.mark);
        plotLine(p, a + QPoint(0, 1), b + QPoint(0, 1), sq.mark);
        plotLine(p, b + QPoint(0, 1), c, sq.mark);
    }
    if (hasFocus())
        drawFocusFrame(p, rect(), FontColor1);
}

void TSpdCheckBox::mousePressEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton || !isEnabled())
        return;
    if (!m_down)
        setState(ButtonState::Pressed);
    m_tracking = true;
}

void TSpdCheckBox::mouseMoveEvent(QMouseEvent *event)
{
    if (!m_tracking)
        return;
    const bool inside = containsForTracking(event->position().toPoint());
    setState(m_down ? ButtonState::HeldDown : (inside ? ButtonState::Pressed : ButtonState::Up));
}

void TSpdCheckBox::mouseReleaseEvent(QMouseEvent *event)
{
    if (!m_tracking || event->button() != Qt::LeftButton)
        return;
    m_tracking = false;
    const QPoint pos = event->position().toPoint();
    const bool releasedInside = containsForTracking(pos);
    m_state = restingState();
    m_inside = false;
    update();
    if (releasedInside)
        click();
    m_inside = rect().contains(pos);
    m_hot = m_inside;
    update();
}

void TSpdCheckBox::mouseDoubleClickEvent(QMouseEvent *event)
{
    mousePressEvent(event);
    emit doubleClicked();
}

void TSpdCheckBox::enterEvent(QEnterEvent *)
{
    QWidget *grabber = QWidget::mouseGrabber();
    if (m_inside || !isEnabled() || (grabber && grabber != this))
        return;
    m_inside = true;
    m_hot = true;
    update();
}

void TSpdCheckBox::leaveEvent(QEvent *)
{
    if (!m_inside || !isEnabled() || m_tracking)
        return;
    m_inside = false;
    m_hot = false;
    update();
}

void TSpdCheckBox::keyPressEvent(QKeyEvent *event)
{
    if (!m_space.press(this, event))
        QWidget::keyPressEvent(event);
}

void TSpdCheckBox::keyReleaseEvent(QKeyEvent *event)
{
    if (m_space.release(this, event))
        click();
    else
        QWidget::keyReleaseEvent(event);
}

void TSpdCheckBox::focusInEvent(QFocusEvent *event)
{
    update();
    QWidget::focusInEvent(event);
}

void TSpdCheckBox::focusOutEvent(QFocusEvent *event)
{
    m_space.cancel(this);
    QWidget::focusOutEvent(event);
}
