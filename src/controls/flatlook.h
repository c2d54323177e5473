#pragma once

#include <QColor>
#include <QFont>
#include <QString>
#include <optional>

class QKeyEvent;
class QPainter;
class QRect;
class QWidget;

// A font as the flat controls describe it: family, height in pixels, style
// and colour.
struct TSpdFont
{
    QString name = QStringLiteral("Tahoma");
    int height = 11;
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool strikeOut = false;
    QColor color = Qt::black;

    bool operator==(const TSpdFont &) const = default;
};

// The installed family that stands in for `family`: the family itself when it
// is installed, otherwise the closest sans-serif one.
QString installedFamily(const QString &family);
// A QFont for `font`, sized in pixels so that it follows the screen's scale.
QFont flatFont(const TSpdFont &font);

// The colour a flat control rounds its corners with: the colour of the
// widget it lies on, when that widget has one (a flat panel, a tiled window,
// a window with an own background colour).
std::optional<QColor> parentColor(const QWidget *control);
// Containers give themselves a colour for their flat children this way.
void setFlatColor(QWidget *container, const QColor &color);

// Places a window in the middle of the primary screen's free area, as the
// program's dialogs open, made smaller first when it does not fit there.
void centerOnScreen(QWidget *window);

// The system's button face colour.
QColor buttonFaceColor();

// The dotted frame that shows which flat control has the keyboard focus.
void drawFocusFrame(QPainter &painter, const QRect &rect, const QColor &color);

// Space on a focused flat control: down while the key is held, a click on
// its release, as with the system's buttons.
class SpaceKey
{
public:
    bool isDown() const { return m_down; }
    // True when the event was the Space press and is taken.
    bool press(QWidget *control, const QKeyEvent *event);
    // True when the release completes a press: the control clicks.
    bool release(QWidget *control, const QKeyEvent *event);
    // The focus left: a held key no longer counts.
    void cancel(QWidget *control);

private:
    bool m_down = false;
};
