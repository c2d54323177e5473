#pragma once

#include <QDialog>
#include <QPixmap>
#include <array>

class QCheckBox;
class QPushButton;

// The small window in which the user picks the menu type: at start-up and
// from "Select Menu Type...".
class TfrmMenuType : public QDialog
{
    Q_OBJECT

public:
    explicit TfrmMenuType(QWidget *parent = nullptr);

    std::array<QCheckBox *, 4> cbMenu{};
    QPushButton *spdApply = nullptr;
    QPushButton *spdCancel = nullptr;
    int SelectedType = 0;
    bool ShownOnce = false;
    QPixmap BackgroundImage;

    void FormActivate();
    void cbMenu0Click(int type);
    void spdApplyClick();
    void spdCancelClick();

    int exec() override;

protected:
    void closeEvent(QCloseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void done(int result) override;

private:
    bool m_closingByButton = false;
};

extern TfrmMenuType *frmMenuType;
