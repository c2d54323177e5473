#pragma once

#include <QDialog>
#include <QPixmap>

class QLabel;
class TnewSpd;

// The about box: version, maker and the product's links.
class TfrmAbout : public QDialog
{
    Q_OBJECT

public:
    explicit TfrmAbout(QWidget *parent = nullptr);

    QLabel *Label1 = nullptr; // the maker, a link to the company web site
    QLabel *Label2 = nullptr; // credit line
    QLabel *Label3 = nullptr; // version
    QLabel *Label4 = nullptr; // support e-mail, a "mailto:" link
    QLabel *Label5 = nullptr; // product web site, a link
    TnewSpd *spdApply = nullptr;

    // The background picture, shared with the menu type window.
    void setBackgroundImage(const QPixmap &picture);

    void Label4Click(QLabel *label);
    void Label1MouseEnter(QLabel *label);
    void Label1MouseLeave(QLabel *label);
    void spdApplyClick();

    int exec() override;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    QLabel *makeLabel(const QString &text, const QRect &geometry);
    void makeLink(QLabel *label, const QString &target);

    QPixmap m_background;
};

