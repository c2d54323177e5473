#pragma once

#include "app/product.h"
#include "app/item.h"

#include <QMainWindow>
#include <QStringList>

class Page;
struct ScriptError;
class QAction;
class QLabel;
class QMenu;
class QPushButton;
class QSplitter;
class QTimer;
class QTreeWidget;

// The designed size of the main window, also its minimum size.
inline constexpr QRect kMainDesignedGeometry{106, 66, 575, 480};
// A settings value that stands for "not set".
inline constexpr int kNotSet = -2147483647;

// Loads `path` into `view`. A missing file is reported and ends the program
// (through endProgram); the answer is then false.
bool LoadPage(Page *view, const QString &path);

// How the program ends when it cannot go on (a missing page file). Tests put
// in their own to see that it happened.
extern void (*endProgram)(int exitCode);
// True once the program has been told to end.
bool programEnding();

// The main window and the project state it owns.
class Tfrm : public QMainWindow
{
    Q_OBJECT

public:
    explicit Tfrm(QWidget *parent = nullptr);
    ~Tfrm() override;

    // Project state, read and written by the other windows too.
    QString ProgramFolder;
    QString ProjectFolder;
    QString CurrentFileName;
    bool Modified = false;
    bool LoadingData = false;
    bool PageLoaded = false;
    int ItemCounter = 0;
    TItem *CurrentItem = nullptr;
    QStringList RecentFiles;
    QString PendingOpenFile;
    // The last AskSaveChanges was answered No: the changes were let go.
    bool ChangesDiscarded = false;

    // Controls.
    Page *wbToolbar = nullptr;
    Page *wb = nullptr;
    QLabel *Label2 = nullptr;
    QLabel *lblMenuName = nullptr;
    QLabel *Label1 = nullptr;
    QLabel *lblMenuItems = nullptr;
    QPushButton *spdExpandAll = nullptr;
    QPushButton *spdCollapseAll = nullptr;
    QTreeWidget *vtItems = nullptr;
    QLabel *newPanel3 = nullptr;
    QPushButton *spdAddItem = nullptr;
    QPushButton *spdAddSubitem = nullptr;
    QPushButton *spdDeleteItem = nullptr;
    QPushButton *spdDeleteAll = nullptr;
    QPushButton *spdItemStyles = nullptr;
    QSplitter *splitter = nullptr;
    QTimer *timerLoadDefault = nullptr;

    // Main menu.
    QMenu *miFile = nullptr;
    QMenu *miView = nullptr;
    QMenu *miHelp = nullptr;
    QMenu *miRecentFiles = nullptr;
    QAction *NewProject = nullptr;
    QAction *miOpen = nullptr;
    QAction *miSave = nullptr;
    QAction *miSaveAs = nullptr;
    QAction *miSelectMenuType = nullptr;
    QAction *CloseApplication = nullptr;
    QAction *miItemParams = nullptr;
    QAction *miPreview = nullptr;
    QAction *miUpdatePreview = nullptr;
    QAction *Help = nullptr;
    QAction *About = nullptr;

    void MarkModified();
    bool AskSaveChanges();
    void ResetProject();
    void AddRecentFile(const QString &path);
    void EnableMainMenu(bool on);
    void LoadDefaultProject();
    void ReadSettings();
    void WriteSettings();
    // The settings file: beside the program when that folder is writable,
    // otherwise in the user's configuration folder.
    QString SettingsFileName() const;

    // Menu and page command actions.
    void NewProjectExecute();
    void Selectmenutype1Click();
    void HelpExecute();
    void AboutExecute();
    void Open1Click();
    void Save1Click();
    void SaveAs1Click();
    void miItemParamsClick();
    void miPreviewClick();
    void RefreshPreview1Click();
    void spdItemStylesClick();
    void RecentFileClick(int index);
    // Opens a file named on the command line, through the open flow.
    void OpenFileFromCommandLine(const QString &path);

    // Events of the hosted views.
    void wbDocumentComplete();
    void wbScriptError(const ScriptError &error);
    void wbToolbarScriptError(const ScriptError &error);
    void timerLoadDefaultTimer();

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void createControls();
    void createMenu();
    void FormCreate();
    void rebuildRecentFilesMenu();
};

extern Tfrm *frm;
