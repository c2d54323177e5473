#include "controls/flatlook.h"

#include <QGuiApplication>
#include <QScreen>

#include <QApplication>
#include <QFontDatabase>
#include <QHash>
#include <QKeyEvent>
#include <QPainter>
#include <QPalette>
#include <QWidget>

#include <algorithm>

namespace {

const char *const kFlatColor = "flatColor";

} // namespace

QString installedFamily(const QString &family)
{
    static QHash<QString, QString> cache;
    const auto known = cache.constFind(family);
    if (known != cache.constEnd())
        return *known;
    QString chosen;
    if (QFontDatabase::hasFamily(family)) {
        chosen = family;
    } else {
        // Narrow sans-serifs first: they keep captions within the widths the
        // windows were laid out for.
        // untranslated: names of font families
        for (const char *candidate : {"DejaVu Sans Condensed", "Liberation Sans", "Arial", "Noto Sans",
                                      "DejaVu Sans", "FreeSans", "Helvetica"}) {
            if (QFontDatabase::hasFamily(QLatin1String(candidate))) {
                chosen = QLatin1String(candidate);
                break;
            }
        }
        if (chosen.isEmpty()) {
            QFont probe(family);
            probe.setStyleHint(QFont::SansSerif);
            chosen = QFontInfo(probe).family();
        }
    }
    cache.insert(family, chosen);
    return chosen;
}

QFont flatFont(const TSpdFont &font)
{
    QFont f(installedFamily(font.name));
    f.setPixelSize(qMax(1, font.height));
    f.setBold(font.bold);
    f.setItalic(font.italic);
    f.setUnderline(font.underline);
    f.setStrikeOut(font.strikeOut);
    return f;
}

std::optional<QColor> parentColor(const QWidget *control)
{
    const QWidget *parent = control ? control->parentWidget() : nullptr;
    if (!parent)
        return std::nullopt;
    const QVariant own = parent->property(kFlatColor);
    if (own.isValid())
        return own.value<QColor>();
    if (parent->isWindow() || parent->autoFillBackground())
        return parent->palette().color(QPalette::Window);
    return std::nullopt;
}

void setFlatColor(QWidget *container, const QColor &color)
{
    container->setProperty(kFlatColor, color);
    for (QWidget *child : container->findChildren<QWidget *>(Qt::FindDirectChildrenOnly))
        child->update();
}

QColor buttonFaceColor()
{
    return QApplication::palette().color(QPalette::Button);
}

void drawFocusFrame(QPainter &painter, const QRect &rect, const QColor &color)
{
    painter.save();
    QPen pen(color, 1, Qt::DotLine);
    pen.setCosmetic(true);
    painter.setPen(pen);
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(rect.adjusted(0, 0, -1, -1));
    painter.restore();
}

bool SpaceKey::press(QWidget *control, const QKeyEvent *event)
{
    if (event->key() != Qt::Key_Space || event->isAutoRepeat() || !control->isEnabled())
        return false;
    m_down = true;
    control->update();
    return true;
}

bool SpaceKey::release(QWidget *control, const QKeyEvent *event)
{
    if (event->key() != Qt::Key_Space || event->isAutoRepeat() || !m_down)
        return false;
    m_down = false;
    control->update();
    return true;
}

void SpaceKey::cancel(QWidget *control)
{
    m_down = false;
    control->update();
}

void centerOnScreen(QWidget *window)
{
    const QScreen *screen = QGuiApplication::primaryScreen();
    if (!screen)
        return;
    const QRect area = screen->availableGeometry();
    // On a small or highly scaled screen a dialog is made to fit (never
    // below its minimum size), and its top left corner stays on the screen,
    // so that its title bar and buttons can be reached.
    const QSize frame = window->frameGeometry().size() - window->size();
    window->resize(window->size().boundedTo(area.size() - frame).expandedTo(window->minimumSize()));
    const QPoint centred = area.center() - window->rect().center();
    window->move(std::max(centred.x(), area.left()), std::max(centred.y(), area.top()));
}
