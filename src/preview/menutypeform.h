#pragma once

#include <QDialog>
#include <QPixmap>
#include <array>
#include <functional>

class TSpdCheckBox;
class TnewSpd;
class Project;

// The small window in which the user picks the menu type: at start-up and
// from "Select Menu Type...".
class TfrmMenuType : public QDialog
{
    Q_OBJECT

public:
    // `applyType` loads the pages of the chosen type; false when it failed.
    TfrmMenuType(Project &project, std::function<bool()> applyType, QWidget *parent = nullptr);

    std::array<TSpdCheckBox *, 4> cbMenu{};
    TnewSpd *spdApply = nullptr;
    TnewSpd *spdCancel = nullptr;
    int SelectedType = 0;
    bool ShownOnce = false;
    QPixmap BackgroundImage;

    void FormActivate();
    void cbMenu0Click(int type);
    void spdApplyClick();
    void spdCancelClick();
    // Ticks the box `step` places away from the ticked one (arrow keys).
    void moveTick(int step);

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
