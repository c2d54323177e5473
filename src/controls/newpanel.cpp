#include "controls/newpanel.h"

#include "controls/flatlook.h"

#include <QApplication>
#include <QPainter>
#include <QResizeEvent>

namespace {

const TBevelBorders kAllSides = TBevelBorders(bbLeft) | bbTop | bbRight | bbBottom;

// One ring: left and top in the first colour, right and bottom in the
// second; the rectangle then shrinks by a pixel on every side.
void drawRing(QPainter &p, QRect &r, const QColor &first, const QColor &second)
{
    p.fillRect(r.left(), r.top(), r.width(), 1, first);
    p.fillRect(r.left(), r.top(), 1, r.height(), first);
    p.fillRect(r.right(), r.top(), 1, r.height(), second);
    p.fillRect(r.left(), r.bottom(), r.width(), 1, second);
    r.adjust(1, 1, -1, -1);
}

} // namespace

TnewPanel::TnewPanel(QWidget *parent)
    : QWidget(parent)
    , m_color(buttonFaceColor())
    , m_color1(QApplication::palette().color(QPalette::Light))
    , m_color2(QApplication::palette().color(QPalette::Dark))
{
    resize(185, 41);
    setFlatColor(this, m_color);
    relayout();
}

void TnewPanel::setAlignment(Qt::Alignment alignment)
{
    m_alignment = alignment;
    update();
}

void TnewPanel::setBevelOuter(TBevelCut cut)
{
    m_bevelOuter = cut;
    relayout();
}

void TnewPanel::setBevelInner(TBevelCut cut)
{
    m_bevelInner = cut;
    relayout();
}

void TnewPanel::setBevelWidth(int width)
{
    m_bevelWidth = qMax(1, width);
    relayout();
}

void TnewPanel::setBorderWidth(int width)
{
    m_borderWidth = qMax(0, width);
    relayout();
}

void TnewPanel::setBorderStyle(TPanelBorderStyle style)
{
    m_borderStyle = style;
    relayout();
}

void TnewPanel::setColor(const QColor &color)
{
    m_color = color;
    setFlatColor(this, color);
    update();
}

void TnewPanel::setColor1(const QColor &color)
{
    m_color1 = color;
    update();
}

void TnewPanel::setColor2(const QColor &color)
{
    m_color2 = color;
    update();
}

void TnewPanel::setColors(const QColor &face, const QColor &edges)
{
    m_color = face;
    m_color1 = edges;
    m_color2 = edges;
    update();
}

void TnewPanel::setBevelBorder(TBevelBorders sides)
{
    m_bevelBorder = sides;
    update();
}

void TnewPanel::setFullRepaint(bool on)
{
    m_fullRepaint = on;
    // Without a full repaint only the uncovered strips are painted again.
    setAttribute(Qt::WA_StaticContents, !on);
}

void TnewPanel::setEraseBkgnd(bool on)
{
    m_eraseBkgnd = on;
    setAttribute(Qt::WA_OpaquePaintEvent, !on);
}

void TnewPanel::setCaption(const QString &caption)
{
    m_caption = caption;
    setAccessibleName(caption.trimmed());
    update();
}

int TnewPanel::edgeWidth() const
{
    // A single border style is a sunken window edge outside the client area.
    return m_borderStyle == bsSingle ? 2 : 0;
}

int TnewPanel::inset() const
{
    int n = m_borderWidth;
    if (m_bevelOuter != bvNone)
        n += m_bevelWidth;
    if (m_bevelInner != bvNone)
        n += m_bevelWidth;
    return n;
}

QRect TnewPanel::clientArea() const
{
    const int n = inset() + edgeWidth();
    return rect().adjusted(n, n, -n, -n);
}

void TnewPanel::relayout()
{
    const int n = inset() + edgeWidth();
    setContentsMargins(n, n, n, n);
    update();
}

void TnewPanel::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    QRect r = rect();
    if (m_borderStyle == bsSingle) {
        const QPalette &pal = QApplication::palette();
        drawRing(p, r, pal.color(QPalette::Dark), pal.color(QPalette::Light));
        drawRing(p, r, pal.color(QPalette::Shadow), pal.color(QPalette::Midlight));
    }
    const QRect outer = r;
    if (m_bevelBorder == kAllSides) {
        auto bevel = [&](TBevelCut cut) {
            if (cut == bvNone)
                return;
            const bool raised = cut == bvRaised;
            for (int i = 0; i < m_bevelWidth; ++i)
                drawRing(p, r, raised ? m_color1 : m_color2, raised ? m_color2 : m_color1);
        };
        bevel(m_bevelOuter);
        for (int i = 0; i < m_borderWidth; ++i)
            drawRing(p, r, m_color, m_color);
        bevel(m_bevelInner);
    }
    p.fillRect(r, m_color);
    if (!m_caption.isEmpty()) {
        p.setFont(font());
        p.setPen(palette().color(QPalette::WindowText));
        const QFontMetrics fm(font());
        const int h = fm.height();
        const QRect text(r.left(), r.top() + r.height() / 2 - h / 2, r.width(), h);
        p.drawText(text, int(m_alignment | Qt::AlignVCenter) | Qt::TextExpandTabs | Qt::TextSingleLine, m_caption);
    }
    if (m_bevelBorder != kAllSides) {
        const int w = outer.width();
        const int h = outer.height();
        const int x0 = outer.left();
        const int y0 = outer.top();
        if (m_bevelBorder & bbLeft)
            p.fillRect(x0, y0, 1, h, m_color1);
        if (m_bevelBorder & bbTop)
            p.fillRect(x0, y0, w, 1, m_color1);
        if (m_bevelBorder & bbRight)
            p.fillRect(outer.right(), y0, 1, h, m_color2);
        if (m_bevelBorder & bbBottom)
            p.fillRect(x0, outer.bottom(), w, 1, m_color2);
    }
}

void TnewPanel::resizeEvent(QResizeEvent *event)
{
    if (m_fullRepaint || !m_caption.isEmpty()) {
        update();
    } else {
        const int band = inset() + edgeWidth();
        const QSize s = event->size();
        const QSize old = event->oldSize().isValid() ? event->oldSize() : s;
        update(QRect(qMin(old.width(), s.width()) - band, 0, band + qAbs(s.width() - old.width()), s.height()));
        update(QRect(0, qMin(old.height(), s.height()) - band, s.width(), band + qAbs(s.height() - old.height())));
    }
    QWidget::resizeEvent(event);
}

void TnewPanel::moveEvent(QMoveEvent *event)
{
    QWidget::moveEvent(event);
    emit moved();
}

void TnewPanel::enterEvent(QEnterEvent *)
{
    emit mouseEntered();
}

void TnewPanel::leaveEvent(QEvent *)
{
    emit mouseLeft();
}

void TnewPanel::focusInEvent(QFocusEvent *event)
{
    QWidget::focusInEvent(event);
    emit gotFocus();
}

void TnewPanel::focusOutEvent(QFocusEvent *event)
{
    QWidget::focusOutEvent(event);
    emit lostFocus();
}
