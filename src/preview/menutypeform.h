#pragma once

#include <QDialog>
#include <QPixmap>
#include <array>
#include <functional>

class QCheckBox;
class QPushButton;
class Project;

// The small window in which the user picks the menu type: at start-up and
// from "Select Menu Type...".
class TfrmMenuType : public QDialog
{
    Q_OBJECT

public:
    // `applyType` loads the pages of the chosen type; false when it failed.
    TfrmMenuType(Project &project, std::function<bool()> applyType, QWidget *parent = nullptr);

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
    Project &m_project;
    std::function<bool()> m_applyType;
};
