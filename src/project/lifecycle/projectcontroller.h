#pragma once

#include "project/datafile/dataopen.h"
#include "project/model/project.h"
#include "project/lifecycle/recoveryfile.h"
#include "project/lifecycle/typepages.h"

#include <QObject>
#include <QString>
#include <functional>
#include <optional>

class ItemEdits;
class Page;
class Project;
class ProjectHistory;
class QItemSelectionModel;

// The project's lifecycle: New, Open, the default project, a recovered
// project, undo and redo, a change of menu type, Save and the question about
// unsaved changes. All of them go through one reset and one load, and loads
// run one at a time. It knows no widget: what only a window can do comes in
// as functions, what the windows show follows its signals.
class ProjectController : public QObject
{
    Q_OBJECT

public:
    struct Views
    {
        // The menu type window: the type the user applied, none when the
        // window was cancelled.
        std::function<std::optional<int>()> chooseMenuType;
        // The styles window: its lists empty, its pages showing no style.
        std::function<void()> resetStyles;
        // Only the styles window's lists emptied, its pages kept.
        std::function<void()> clearStyles;
        AddStyleFunction addStyle;
        std::function<void()> stopPreview;
        // The save window: writes the current file, or asks where to save;
        // true once the file is written.
        std::function<bool()> saveToCurrentFile;
        std::function<bool()> saveAs;
        // The styles window's page hands over typing it has not reported.
        std::function<void()> takeStyleEdits;
    };

    // `pages.params` and `pages.itemParams` must be given.
    ProjectController(Project &project, TypePages::Views pages, QItemSelectionModel &selection, ItemEdits &itemEdits,
                      Views views, RecoveryFile recovery, QObject *parent = nullptr);
    ~ProjectController() override;

    ProjectHistory &history() { return *m_history; }

    // The one way to another menu type: its pages are loaded into every
    // view and the windows follow (menuTypeChanged). The project is left to
    // the caller's load. False when the program is ending (a page file is
    // missing).
    bool setMenuType(int type);
    // The first page file of `type` missing from the program folder; empty
    // when setMenuType would find them all.
    QString missingTypePage(int type) const { return m_typePages.missingFile(m_project.ProgramFolder, type); }

    // --- the roads into a project ---
    // False when the user kept the project (unsaved changes).
    bool newProject();
    // `path` empty: the open dialog. Asks about unsaved changes first; a
    // file naming another menu type offers to switch to it.
    bool open(const QString &path = {});
    // The first project of a session: a named file, else the default one.
    // Nothing is asked about unsaved changes (there are none).
    void start(const QString &file = {});
    // The project a crash left behind in `file`, loaded modified; the file
    // keeps it from now on.
    void restore(const RecoveryFile::Contents &recovered, RecoveryFile file);
    void loadDefault();
    // A data text the caller has read and checked (the command line), read
    // into the project as the file `fileName` would be (none: a text of no
    // file). Nothing is shown: the read's outcome is the caller's to report.
    DataRead readText(const QString &text, const QString &fileName);
    // Asks about unsaved changes, then the menu type window; the chosen type
    // starts with its default project.
    bool changeMenuType();

    // --- saving ---
    bool save();
    // Undo and Redo of the Edit menu and their keys, wherever they are
    // pressed: typing the pages have not reported yet is a step first.
    bool undo();
    bool redo();
    // The pages hand over typing they wait to report (after a pause) now.
    void takePageEdits();
    bool saveAs();
    // A project without a file, or one of the program's own default
    // projects and themes, is saved under a name the user gives.
    bool mustSaveUnderNewName() const;
    // "Do you want to save changes?"; true when the project may go.
    bool askSaveChanges();
    // File > Add to Page... (see addMenuToPages), saving first if need be.
    bool addToPages();
    // The save window wrote the project to `path`.
    void saved(const QString &path);
    // The last askSaveChanges was answered No: the changes were let go.
    bool changesDiscarded() const { return m_changesDiscarded; }
    // The current file was not read whole (or is no menu): saving over it
    // asks first.
    bool readIncomplete() const { return m_project.currentFileRead != Project::FileRead::Whole; }

    // Gives the project the look of a theme's data text, its items kept
    // except for references to styles the theme does not have, as one change
    // ("Apply Theme") of the history. The project is read back through the
    // same road as an undo; false, with the project as it was, when that
    // failed (the user was told).
    bool applyTheme(const QString &themeText);

    // The one reset: an empty project without file, in the current type.
    // When a read follows, the pages' values are left to it: the read gives
    // the parameter page every value and the item page both style lists.
    enum class Pages { Reset, LeftToRead };
    void reset(Pages pages = Pages::Reset);

    // A page's renderer ended or stopped answering: once the event loop is
    // free, the type's pages are loaded afresh and the project is put back
    // from the history's last recorded state. The user is told, and the
    // project counts as changed. Several reports before the recovery ran, or
    // while it runs, make one recovery.
    void pageRendererEnded();

signals:
    // The pages of another menu type are loading: the windows fit it.
    void menuTypeChanged(int type);
    // The caption changes: the project's file (empty for none), and whether
    // it was read incompletely.
    void captionChanged(const QString &fileName, bool readIncomplete);
    // A file was opened (the recent files and the save window follow).
    void fileOpened(const QString &path);
    // Another project stands in the pages now: opened, new, recovered, or
    // put back by undo or redo. What shows the project shows it afresh.
    void projectReplaced();

private:
    struct Load
    {
        enum class From { Default, Empty, File, Recovered, Text };
        From from = From::Default;
        QString path;     // File
        QString text;     // Recovered, Text
        QString fileName; // Recovered, Text: the project's own file
    };
    // The one load: reset, read, and the history starts anew. A load asked
    // for while one runs replaces any other waiting and runs after it.
    bool load(const Load &request);
    bool runLoad(const Load &request);
    // The one way a data text gets into the project and its pages, for
    // every load, undo and theme (see ReadDataText).
    static DataRead readDataText(Project &project, Page &params, Page &itemParams, QString text,
                                 const AddStyleFunction &addStyle = {});
    // Undo and redo: the text read in place of the project; the item
    // counter stays and the tree is replaced only once the text was read.
    bool restoreText(const QString &text);
    bool askToSwitchType(const QString &path);
    void recoverPages();
    bool loadTypePages();
    void setProjectFolderOf(const QString &path);
    void emitCaption();
    // Says what of a file's read the reader did not: that the file is no
    // menu, or that a page failed.
    void reportRead(const DataRead &read, const QString &path);
    // The project's copy of the link base is read from the parameter page
    // once the event loop is free: not inside the load or the page command
    // that changed it.
    void followLinkBase();

    Project &m_project;
    Page &m_params;
    Page &m_itemParams;
    ItemEdits &m_itemEdits;
    Views m_views;
    TypePages m_typePages;
    ProjectHistory *m_history = nullptr;
    bool m_pagesReady = false;
    bool m_loading = false;
    std::optional<Load> m_waiting;
    DataRead m_textRead; // the outcome of the last Text load
    bool m_changesDiscarded = false;
    bool m_recoveryPending = false;
    bool m_recovering = false;
    // Undo or redo read a text in: the history's next report is a replacement.
    bool m_textRestored = false;
    bool m_linkBaseDue = false;
    bool m_addressFieldsDue = false;
};

// The menu type a data file names in its own type statement, or -1 (none,
// or the file cannot be read).
int MenuTypeNamedInFile(const QString &path);
