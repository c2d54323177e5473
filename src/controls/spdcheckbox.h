#pragma once

#include "controls/flatlook.h"

#include <QColor>
#include <QWidget>

// A check box drawn as a small flat square with a tick, in its own colours for
// the normal, pointed-at and pressed states. It does not group itself: a
// window that uses several as choices ticks and unticks them. It takes the
// focus with Tab and acts on Space; the arrow keys are left to the window.
class TSpdCheckBox : public QWidget
{
    Q_OBJECT

public:
    enum class ButtonState { Up, Disabled, Pressed, HeldDown };

    // The colours of the square in one state.
    struct SquareColors
    {
        QColor bevel{Qt::white};
        QColor fill{0x80, 0x80, 0x80};
        QColor mark{Qt::white};
    };

    explicit TSpdCheckBox(QWidget *parent = nullptr);
    TSpdCheckBox(const QString &caption, QWidget *parent);

    QString caption() const { return m_caption; }
    void setCaption(const QString &caption);
    bool isChecked() const { return m_checked; }
    void setChecked(bool on);
    bool isDown() const { return m_down; }
    void setDown(bool on);

    QColor FontColor1{0xC0, 0xC0, 0xC0};
    QColor FontColor2{Qt::white};
    QColor FontColor3{Qt::white};
    SquareColors Normal;  // _BevelColor, _FillColor, _MarkColor
    SquareColors Hot;     // _BevelColor2, _FillColor2, _MarkColor2
    SquareColors Pressed; // _BevelColor3, _FillColor3, _MarkColor3
    int OffsetX = 0;
    int OffsetY = 0;
    // Drawn as an option button, a ring with a dot when ticked: for boxes a
    // window uses as one choice among several.
    bool Round = false;
    // Colours changed directly take effect at the next paint.
    void setColor(const QColor &color);
    QColor color() const { return m_color; }
    bool isTransparent() const { return m_transparent; }
    void setTransparent(bool on);

    ButtonState buttonState() const { return m_state; }
    bool isHot() const { return m_hot; }
    // Clicks the box as a user would: inverts the tick, then reports it.
    void click();

signals:
    void clicked();
    void doubleClicked();

protected:
    bool event(QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void enterEvent(QEnterEvent *event) override;
    void leaveEvent(QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void keyReleaseEvent(QKeyEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;

private:
    bool containsForTracking(const QPoint &pos) const;
    ButtonState restingState() const { return m_down ? ButtonState::HeldDown : ButtonState::Up; }
    void setState(ButtonState state);

    QString m_caption;
    bool m_checked = false;
    bool m_down = false;
    QColor m_color;
    bool m_transparent = true;
    ButtonState m_state = ButtonState::Up;
    bool m_tracking = false;
    bool m_inside = false;
    bool m_hot = false;
    SpaceKey m_space;
    int m_shortcutId = 0;
};
