#pragma once

#include "editors/pagecommandchannel.h"
#include "app/application.h"
#include "page/pagegate.h"
#include "project/model/project.h"

class MainWindow;
class TfrmAbout;
class TfrmFont;
class TfrmItemParams;
class TfrmItemStyles;
class TfrmMenuType;
class TfrmPreview;
class TfrmSaveProject;
class TfrmThemes;

// What start-up makes for a run of the editor: the project, the page command
// channel and the nine windows, in their order with the main window first,
// wired together. The other windows are the main window's children; all of
// them go with this object. The windows get what they need through their
// constructors; only start-up and tests reach them through here.
struct ProgramWindows
{
    // The windows read their pages from `programFolder`, ending with "/".
    explicit ProgramWindows(const QString &programFolder);
    ~ProgramWindows();
    ProgramWindows(const ProgramWindows &) = delete;
    ProgramWindows &operator=(const ProgramWindows &) = delete;
    void makeThemesWindow();

    // Declared first: every page the windows make uses it to its end.
    PageGate gate{reportError};
    Project project;
    PageCommandChannel channel{project};
    MainWindow *main = nullptr;
    TfrmMenuType *menuType = nullptr;
    TfrmFont *font = nullptr;
    TfrmAbout *about = nullptr;
    TfrmItemParams *itemParams = nullptr;
    TfrmPreview *preview = nullptr;
    TfrmSaveProject *saveProject = nullptr;
    TfrmItemStyles *itemStyles = nullptr;
    TfrmThemes *themes = nullptr;
};
