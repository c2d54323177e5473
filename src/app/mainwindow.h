#pragma once

#include "project/datafile/dataopen.h"
#include "project/model/product.h"

#include <QMainWindow>
#include <QStringList>

class PageGate;

class ItemTreePanel;
class Page;
class PageCommandChannel;
struct ProgramWindows;
class Project;
class ProjectController;
class ProjectHistory;
struct ScriptError;
class RecentFilesMenu;
class TfrmAccessibility;
class WindowSettings;
class QAction;
class QLabel;
class QMenu;
class QSplitter;

// The main window's caption: the file's name ("Untitled" without a file),
// the menu type, a note when the file was read incompletely, then the
// program. "[*]" is where Qt shows the unsaved-changes mark.
QString mainWindowCaption(const QString &fileName, const QString &typeName, bool readIncomplete);

// The designed size of the main window.
inline constexpr QRect kMainDesignedGeometry{106, 66, 575, 480};
// Narrower than designed, the toolbar shows shorter buttons, and the
// parameter page and the tree share what is left.
inline constexpr QSize kMainMinimumSize{460, 480};

// The main window: its layout (the toolbar page, the parameter page beside
// the item tree panel), its caption and its menus, whose commands it passes
// to the project controller and the other windows.
class MainWindow : public QMainWindow
{
    Q_OBJECT

public:
    MainWindow(PageGate &gate, Project &project, PageCommandChannel &channel, QWidget *parent = nullptr);
    ~MainWindow() override;

    // The other windows the main window drives; start-up hands them over once
    // they all exist.
    void setWindows(ProgramWindows &windows);
    Project &project() { return m_project; }
    // The project's lifecycle and its undo history; made once the pages are
    // known (setWindows).
    ProjectController *controller = nullptr;
    ProjectHistory *history = nullptr;

    // File > Recent files.
    RecentFilesMenu *recentFiles = nullptr;
    // Where the windows stood, and the recent files; made with the windows.
    WindowSettings *settings = nullptr;

    // Controls.
    Page *wbToolbar = nullptr;
    Page *wb = nullptr;
    QLabel *lblParamsTitle = nullptr;
    QLabel *lblMenuName = nullptr;
    ItemTreePanel *itemPanel = nullptr;
    QSplitter *splitter = nullptr;

    // Main menu.
    QMenu *miFile = nullptr;
    QMenu *miView = nullptr;
    QMenu *miHelp = nullptr;
    QMenu *miRecentFiles = nullptr;
    QAction *NewProject = nullptr;
    QAction *miOpen = nullptr;
    QAction *miSave = nullptr;
    QAction *miSaveAs = nullptr;
    QAction *miImportNavigation = nullptr;
    QMenu *miEdit = nullptr;
    QAction *miUndo = nullptr;
    QAction *miRedo = nullptr;
    QAction *miSelectMenuType = nullptr;
    QAction *CloseApplication = nullptr;
    QAction *miItemParams = nullptr;
    QAction *miPreview = nullptr;
    QAction *miUpdatePreview = nullptr;
    QAction *Help = nullptr;
    QAction *About = nullptr;

    void MarkModified();
    bool AskSaveChanges();
    void EnableMainMenu(bool on);
    // The caption (mainWindowCaption) for the current menu type, marked
    // while the project has unsaved changes.
    void setCaption(const QString &fileName, bool readIncomplete = false);

    // Menu and page command actions.
    void NewProjectExecute();
    void Selectmenutype1Click();
    void HelpExecute();
    void AboutExecute();
    void Open1Click();
    void Save1Click();
    void SaveAs1Click();
    void miUndoClick();
    void miRedoClick();
    void miItemParamsClick();
    void miPreviewClick();
    // F6 and Ctrl+Tab (step 1), Shift+F6 and Ctrl+Shift+Tab (-1): the focus
    // goes to the next shown window of the main window, item parameters,
    // preview and styles windows.
    void focusNextWindow(int step);
    void RefreshPreview1Click();
    // View > Preview in Page...: the preview shows the menu in a page of the site.
    void previewInPage();
    // View > Check Accessibility: the live list of findings.
    void miAccessibilityClick();
    void spdItemStylesClick();

    // A command a page asked for ("saveProject", ...).
    void RunProjectCommand(const QString &name);
    // The action of a command of the command table, by its id, the tree
    // panel's included.
    QAction *command(const QString &id) const;

    // Events of the hosted views.
    void wbStatusTextChange(const QString &text);
    void wbToolbarStatusTextChange(const QString &text);
    void wbScriptError(const ScriptError &error);
    void wbToolbarScriptError(const ScriptError &error);

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void createControls();
    // The main menu and the tree's popup menu, from the command table.
    void createCommands();
    // Which commands can run now: the main menu on or off, undo and redo.
    void updateCommandStates();
    void FormCreate();
    // F7 and F8: a window not in use is shown and gets the focus; one that
    // has it is hidden.
    void showOrHideToolWindow(QWidget *window, QAction *entry);
    QList<QWidget *> cycledWindows();
    void focusWindow(QWidget *window);

    PageGate &m_gate;
    Project &m_project;
    PageCommandChannel &m_channel;
    // The value last answered to the parameter and toolbar pages.
    QString m_commandSlot;
    TfrmAccessibility *m_accessibility = nullptr;
    ProgramWindows *m_windows = nullptr;
    QList<QMenu *> m_mainMenus;
    QList<QAction *> m_commands;
    bool m_mainMenuOn = true;
};
