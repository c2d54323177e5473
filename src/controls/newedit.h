#pragma once

#include <QColor>
#include <QLineEdit>

// A one-line edit box framed by a single line of a chosen colour instead of
// the style's three-dimensional edge.
class TnewEdit : public QLineEdit
{
    Q_OBJECT

public:
    explicit TnewEdit(QWidget *parent = nullptr);

    bool isFlat() const { return m_flat; }
    void setFlat(bool on);
    QColor borderColor() const { return m_borderColor; }
    void setBorderColor(const QColor &color);
    int flatHeight() const { return m_flatHeight; }
    void setFlatHeight(int height);
    // The face colour (white in every window of the program).
    void setColor(const QColor &color);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    bool m_flat = true;
    QColor m_borderColor{0x80, 0x80, 0x80};
    int m_flatHeight = 0;
};
