#pragma once

#include <QDialog>
#include <QPixmap>
#include <array>
#include <optional>

class TSpdCheckBox;
class TnewSpd;
class Project;

// The small window in which the user picks the menu type: at start-up and
// from "Select Menu Type...".
class TfrmMenuType : public QDialog
{
    Q_OBJECT

public:
    // `project` gives the type ticked when the window opens. The window
    // only chooses: the caller applies the choice.
    explicit TfrmMenuType(const Project &project, QWidget *parent = nullptr);

    // At start-up there is no type to go back to: Cancel applies the tick.
    enum class Cancel { Keeps, Applies };
    // Shows the window; the type applied, none when it was cancelled.
    std::optional<int> choose(Cancel cancel = Cancel::Keeps);

    std::array<TSpdCheckBox *, 4> cbMenu{};
    TnewSpd *spdApply = nullptr;
    TnewSpd *spdCancel = nullptr;
    int SelectedType = 0;
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
    bool m_cancelApplies = false;
    const Project &m_project;
};
