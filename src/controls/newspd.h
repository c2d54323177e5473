#pragma once

#include "controls/mainparams.h"

#include <QPainter>
#include <QWidget>

class QPainter;

enum TCaptionPos { cpLeft, cpCenter, cpRight };

// The program's push button: a flat face with a four-corner colour gradient,
// an optional one-pixel frame and a caption, in the states normal, over and
// down. Mouse clicks act on release over the button. It also takes the focus
// with Tab and acts on Space (and Enter, unless the window keeps Enter for
// itself), so the windows can be used from the keyboard.
class TnewSpd : public QWidget
{
    Q_OBJECT

public:
    explicit TnewSpd(QWidget *parent = nullptr);
    TnewSpd(const QString &caption, QWidget *parent);

    const TMainParams &mainParams() const { return m_params; }
    void setMainParams(const TMainParams &params);

    QString caption() const { return m_caption; }
    void setCaption(const QString &caption);
    TCaptionPos captionPos() const { return m_captionPos; }
    void setCaptionPos(TCaptionPos pos);
    int captionDx() const { return m_captionDx; }
    void setCaptionDx(int dx);
    int captionSecondDx() const { return m_captionSecondDx; }
    void setCaptionSecondDx(int dx);
    QColor captionSecondColor() const { return m_captionSecondColor; }
    void setCaptionSecondColor(const QColor &color);
    QColor captionSecondColorDown() const { return m_captionSecondColorDown; }
    void setCaptionSecondColorDown(const QColor &color);
    bool isDown() const { return m_down; }
    void setDown(bool down);
    bool cornersDraw() const { return m_cornersDraw; }
    void setCornersDraw(bool on);
    // False where the window maps Enter to a button of its own choice.
    bool actsOnEnter() const { return m_actsOnEnter; }
    void setActsOnEnter(bool on) { m_actsOnEnter = on; }

    // The look the button is drawn in now.
    SpdState state() const;
    // Clicks the button as a user would (when it is enabled).
    void click();

    QSize sizeHint() const override;

signals:
    void clicked();
    void doubleClicked();
    void mouseEntered();
    void mouseLeft();
    // After every paint, with the painter still open on the button.
    void postPaint(TnewSpd *sender, QPainter *painter);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void enterEvent(QEnterEvent *event) override;
    void leaveEvent(QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void keyReleaseEvent(QKeyEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    void paintFace(QPainter &p);
    void drawCaption(QPainter &p, SpdState state);
    void drawFrame(QPainter &p, SpdState state);

    TMainParams m_params;
    QString m_caption;
    TCaptionPos m_captionPos = cpCenter;
    int m_captionDx = 0;
    int m_captionSecondDx = 0;
    QColor m_captionSecondColor{0x80, 0x80, 0x80};
    QColor m_captionSecondColorDown{Qt::black};
    bool m_down = false;
    bool m_cornersDraw = true;
    bool m_actsOnEnter = true;
    bool m_inside = false;
    bool m_pressed = false;
    SpaceKey m_space;
};
