#pragma once

#include <QColor>
#include <QFlags>
#include <QWidget>

enum TBevelCut { bvNone, bvLowered, bvRaised };
enum TPanelBorderStyle { bsNone, bsSingle };
enum TBevelBorder { bbLeft = 0x1, bbTop = 0x2, bbRight = 0x4, bbBottom = 0x8 };
Q_DECLARE_FLAGS(TBevelBorders, TBevelBorder)
Q_DECLARE_OPERATORS_FOR_FLAGS(TBevelBorders)

// A flat container panel: bevel rings, or single lines on chosen sides, in
// two frame colours around a filled face with an optional caption. Children
// laid out in it keep clear of the bevels and the border band.
class TnewPanel : public QWidget
{
    Q_OBJECT

public:
    explicit TnewPanel(QWidget *parent = nullptr);

    Qt::Alignment alignment() const { return m_alignment; }
    void setAlignment(Qt::Alignment alignment);
    TBevelCut bevelOuter() const { return m_bevelOuter; }
    void setBevelOuter(TBevelCut cut);
    TBevelCut bevelInner() const { return m_bevelInner; }
    void setBevelInner(TBevelCut cut);
    int bevelWidth() const { return m_bevelWidth; }
    void setBevelWidth(int width);
    int borderWidth() const { return m_borderWidth; }
    void setBorderWidth(int width);
    TPanelBorderStyle borderStyle() const { return m_borderStyle; }
    void setBorderStyle(TPanelBorderStyle style);
    QColor color() const { return m_color; }
    void setColor(const QColor &color);
    QColor color1() const { return m_color1; }
    void setColor1(const QColor &color);
    QColor color2() const { return m_color2; }
    void setColor2(const QColor &color);
    // The face and both bevel edges in one go: every panel of the program
    // draws its two edges in the same colour.
    void setColors(const QColor &face, const QColor &edges);
    TBevelBorders bevelBorder() const { return m_bevelBorder; }
    void setBevelBorder(TBevelBorders sides);
    bool fullRepaint() const { return m_fullRepaint; }
    void setFullRepaint(bool on);
    bool eraseBkgnd() const { return m_eraseBkgnd; }
    void setEraseBkgnd(bool on);
    QString caption() const { return m_caption; }
    void setCaption(const QString &caption);

    // What is left for the children inside the panel.
    QRect clientArea() const;

signals:
    void moved();
    void mouseEntered();
    void mouseLeft();
    void gotFocus();
    void lostFocus();

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void moveEvent(QMoveEvent *event) override;
    void enterEvent(QEnterEvent *event) override;
    void leaveEvent(QEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;

private:
    int edgeWidth() const;
    int inset() const;
    void relayout();

    Qt::Alignment m_alignment = Qt::AlignHCenter;
    TBevelCut m_bevelOuter = bvRaised;
    TBevelCut m_bevelInner = bvNone;
    int m_bevelWidth = 1;
    int m_borderWidth = 0;
    TPanelBorderStyle m_borderStyle = bsNone;
    QColor m_color;
    QColor m_color1;
    QColor m_color2;
    TBevelBorders m_bevelBorder = TBevelBorders(bbLeft) | bbTop | bbRight | bbBottom;
    bool m_fullRepaint = true;
    bool m_eraseBkgnd = true;
    QString m_caption;
};
