#pragma once

#include <QWidget>

class Page;
class Project;
class QCheckBox;
class QTimer;
class TnewPanel;
class TnewSpd;

// The tool window that shows the menu working.
class TfrmPreview : public QWidget
{
    Q_OBJECT

public:
    explicit TfrmPreview(Project &project, QWidget *parent = nullptr);

    // Takes the current menu type's template, if it has one.
    void LoadPreviewTemplate();
    // Rebuilds the preview page.
    void BuildPreview();
    // "Update": stops the countdown and rebuilds at once.
    void spdUpdatePreviewClick();
    // Restarts the one-second countdown after a change (if Auto Update is on).
    void restartCountdown();
    void stopCountdown();

    Page *wbPreview = nullptr;
    QCheckBox *cbAutoUpdate = nullptr;
    TnewPanel *newPanel1 = nullptr; // the top band
    TnewSpd *spdUpdatePreview = nullptr;
    QTimer *timerUpdate = nullptr;
    QString PreviewTemplate;
    int BuildCount = 0;

signals:
    void closedByUser();

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    Project &m_project;
};
