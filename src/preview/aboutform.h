#pragma once

#include <QDialog>
#include <QPixmap>

class TfrmAbout : public QDialog
{
    Q_OBJECT

public:
    explicit TfrmAbout(QWidget *parent = nullptr);

    // The background picture, shared with the menu type window.
    void setBackgroundImage(const QPixmap &picture);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QPixmap m_background;
};

