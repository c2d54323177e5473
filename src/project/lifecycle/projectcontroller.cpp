#include "project/lifecycle/projectcontroller.h"

#include "page/page.h"
#include "page/pagearg.h"
#include "page/pageerror.h"
#include "project/site/addtopages.h"
#include "project/datafile/datasave.h"
#include "project/datafile/datatextscan.h"
#include "project/platform/dialogs.h"
#include "project/model/itemedits.h"
#include "project/checks/localpaths.h"
#include "project/model/menutypes.h"
#include "project/platform/programfolder.h"
#include "project/model/project.h"
#include "project/history/projecthistory.h"
#include "project/themes/themes.h"
#include "project/lifecycle/writedecision.h"
#include "project/platform/textfile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QScopeGuard>
#include <QTimer>

#include <utility>

namespace {

// Sets `flag` for the time of a load, however it ends.
auto raisedWhile(bool &flag)
{
    flag = true;
    return qScopeGuard([&flag] { flag = false; });
}

} // namespace

int MenuTypeNamedInFile(const QString &path)
{
    const CappedRead read = readCapped(path, kMaxDataFileSize);
    return read.ok() ? MenuTypeNamedIn(DataTextFromBytes(read.bytes)) : -1;
}

ProjectController::ProjectController(Project &project, TypePages::Views pages, QItemSelectionModel &selection,
                                     ItemEdits &itemEdits, Views views, RecoveryFile recovery, QObject *parent)
    : QObject(parent)
    , m_project(project)
    , m_params(*pages.params)
    , m_itemParams(*pages.itemParams)
    , m_itemEdits(itemEdits)
    , m_views(std::move(views))
    , m_typePages(pages)
{
    m_history = new ProjectHistory(m_project, selection,
                                   {[this] { return BuildDataText(m_project, m_params, m_itemParams); },
                                    [this](const QString &text) { return restoreText(text); }},
                                   std::move(recovery), this);
    // The history has put back the selection and marked the project by the
    // time it reports the change: the views follow once, after that.
    connect(m_history, &ProjectHistory::changed, this, [this] {
        if (std::exchange(m_textRestored, false))
            emit projectReplaced();
    });
    // First of all that follows a replacement, once the selection is back.
    connect(this, &ProjectController::projectReplaced, &m_itemEdits, &ItemEdits::ShowCurrentItemAfresh);
    connect(this, &ProjectController::projectReplaced, this, [this] {
        m_addressFieldsDue = true;
        followLinkBase();
    });
    // A project saved elsewhere lies in another site.
    connect(this, &ProjectController::captionChanged, &m_project, &Project::linksMoved);
    connect(&m_project, &Project::marked, this, &ProjectController::followLinkBase);
}

void ProjectController::followLinkBase()
{
    if (std::exchange(m_linkBaseDue, true))
        return;
    QTimer::singleShot(0, this, [this] {
        m_linkBaseDue = false;
        // A load runs the event loop while it waits for its pages, and asks
        // again once it is done.
        if (!m_pagesReady || m_loading)
            return;
        try {
            if (std::exchange(m_addressFieldsDue, false)) {
                m_project.setAddressFields(AddressItemFields(m_params));
            }
            const QString base = m_params.callText(QStringLiteral("qrn_getLinkBase"), {kOmitted});
            m_project.setLinksFromDataFile(base == QLatin1String("data"));
            m_project.setMenuInFlow(m_params.callText(QStringLiteral("qrn_getPosition"), {kOmitted}) !=
                                    QLatin1String("absolute"));
        } catch (const PageError &e) {
            // The copy stays as it was; the page's recovery tells the user.
            debugPageFailure(e.debugText());
        }
    });
}

ProjectController::~ProjectController() = default;

void ProjectController::emitCaption()
{
    emit captionChanged(m_project.CurrentFileName, readIncomplete());
}

void ProjectController::setProjectFolderOf(const QString &path)
{
    const QString folder = QFileInfo(path).absolutePath();
    m_project.ProjectFolder = folder + QLatin1Char('/');
    QDir::setCurrent(folder);
}

void ProjectController::reset(Pages pages)
{
    m_project.ItemCounter = 0;
    m_project.items().clear();
    m_project.CurrentItem = nullptr;
    m_project.setModified(false);
    m_project.CurrentFileName.clear();
    m_project.LoadingData = false;
    m_project.currentFileRead = Project::FileRead::Whole;
    if (m_views.stopPreview)
        m_views.stopPreview();
    if (m_pagesReady) {
        // Clearing the tree reports no selection change: the item page must
        // still stop showing the item that went.
        m_itemEdits.SendItemParams();
        if (pages == Pages::Reset)
            m_params.call(QStringLiteral("qrn_reCreateParams"), {kOmitted});
        if (m_views.resetStyles)
            m_views.resetStyles();
        if (pages == Pages::Reset) {
            SetIndividualStyles(m_project, m_itemParams, 0);
            SetIndividualStyles(m_project, m_itemParams, 1);
        }
    }
    emitCaption();
}

DataRead ProjectController::readDataText(Project &project, Page &params, Page &itemParams, QString text,
                                         const AddStyleFunction &addStyle)
{
    return ReadDataText(project, params, itemParams, std::move(text), addStyle);
}

bool ProjectController::load(const Load &request)
{
    // Without the type's pages there is nothing to read a project into.
    if (!m_pagesReady)
        return false;
    if (m_loading) {
        // The latest request wins; it runs once the current load is done.
        m_waiting = request;
        return false;
    }
    const auto loading = raisedWhile(m_loading);
    bool loaded = runLoad(request);
    while (m_waiting) {
        const Load next = *std::exchange(m_waiting, std::nullopt);
        loaded = runLoad(next);
    }
    // What the load's own signals asked for was put off while it ran.
    followLinkBase();
    return loaded;
}

bool ProjectController::runLoad(const Load &request)
{
    reset(request.from == Load::From::Empty ? Pages::Reset : Pages::LeftToRead);
    bool read = true;
    DataRead outcome;
    // Whether a read reached the pages; a file that could not be read did not.
    bool pagesRead = true;
    switch (request.from) {
    case Load::From::Empty:
        // The preview counts down afresh; the new project counts as unchanged.
        m_project.MarkModified();
        m_project.setModified(false);
        break;
    case Load::From::Default: {
        const QString path = m_project.ProgramFolder + defaultProjectPath(m_project.MenuType);
        pagesRead = QFileInfo::exists(path) && ReadDataFile(m_project, m_params, m_itemParams, path, m_views.addStyle);
        if (pagesRead)
            setProjectFolderOf(path);
        break;
    }
    case Load::From::File:
        setProjectFolderOf(request.path);
        read = ReadDataFile(m_project, m_params, m_itemParams, request.path, m_views.addStyle, &outcome);
        pagesRead = read;
        if (read) {
            m_project.CurrentFileName = request.path;
            // The program's own files lie in no site.
            if (!isShippedFile(request.path, m_project.ProgramFolder))
                m_project.linkFolders.used(request.path);
            m_project.currentFileRead = !outcome.definesMenu ? Project::FileRead::NotAMenu
                                        : outcome.complete   ? Project::FileRead::Whole
                                                             : Project::FileRead::Incomplete;
            reportRead(outcome, request.path);
            emit fileOpened(request.path);
        }
        break;
    case Load::From::Text:
        m_textRead = readDataText(m_project, m_params, m_itemParams, request.text, m_views.addStyle);
        m_project.CurrentFileName = request.fileName;
        if (!request.fileName.isEmpty())
            m_project.ProjectFolder = QFileInfo(request.fileName).absolutePath() + QLatin1Char('/');
        m_project.currentFileRead = !m_textRead.definesMenu ? Project::FileRead::NotAMenu
                                    : m_textRead.complete   ? Project::FileRead::Whole
                                                            : Project::FileRead::Incomplete;
        break;
    case Load::From::Recovered:
        // Line breaks as the reader gives them to the page from a file.
        outcome = readDataText(m_project, m_params, m_itemParams, DataTextFromBytes(encodeText(request.text)),
                               m_views.addStyle);
        reportRead(outcome, request.fileName);
        m_project.CurrentFileName = request.fileName;
        if (!request.fileName.isEmpty())
            m_project.ProjectFolder = QFileInfo(request.fileName).absolutePath() + QLatin1Char('/');
        break;
    }
    if (!pagesRead)
        reset();
    emitCaption();
    m_history->reset();
    if (request.from == Load::From::Recovered) {
        m_project.MarkModified(tr("Restore"));
        m_history->flush();
    }
    emit projectReplaced();
    return read;
}

bool ProjectController::restoreText(const QString &text)
{
    if (m_loading)
        return false;
    const auto loading = raisedWhile(m_loading);
    const QString cannot = tr("The project could not be put back as it was");
    try {
        if (m_views.clearStyles)
            m_views.clearStyles();
        // Line breaks as the reader gives them to the page from a file.
        const DataRead read = readDataText(m_project, m_params, m_itemParams, DataTextFromBytes(encodeText(text)),
                                           m_views.addStyle);
        if (!read) {
            if (!read.pageFailureDetail.isEmpty())
                debugPageFailure(read.pageFailureDetail);
            dialogs().showError(cannot + (read.pageFailure.isEmpty() ? QStringLiteral(".")
                                                                     : QStringLiteral(":\r") + read.pageFailure));
            return false;
        }
    } catch (const PageError &e) {
        debugPageFailure(e.debugText());
        dialogs().showError(cannot + QStringLiteral(":\r") + e.message);
        return false;
    }
    m_textRestored = true;
    return true;
}

bool ProjectController::applyTheme(const QString &themeText)
{
    if (m_loading || !m_pagesReady)
        return false;
    // What was changed before goes into the history as a step of its own.
    m_history->flush();
    try {
        if (!ApplyTheme(m_project, m_params, m_itemParams, themeText, [this](const QString &text) { return restoreText(text); }))
            return false;
    } catch (const PageError &e) {
        dialogs().showError(tr("The theme could not be applied:\r") + e.message);
        return false;
    }
    m_itemEdits.SendItemParams();
    m_project.MarkModified(tr("Apply Theme"));
    m_history->flush();
    emit projectReplaced();
    return true;
}

void ProjectController::pageRendererEnded()
{
    if (m_recoveryPending || m_recovering)
        return;
    m_recoveryPending = true;
    QTimer::singleShot(0, this, &ProjectController::recoverPages);
}

void ProjectController::recoverPages()
{
    // A load or an undo waiting for the pages in an inner event loop runs
    // to its end first; the pages come back after it.
    if (m_loading) {
        QTimer::singleShot(100, this, &ProjectController::recoverPages);
        return;
    }
    m_recoveryPending = false;
    const auto recovering = raisedWhile(m_recovering);
    if (!loadTypePages())
        return;
    const bool recorded = m_history->history().current() != nullptr;
    // A text the pages could not read has been reported by then.
    const bool back = m_history->restoreLastRecorded();
    // What the page held beyond the last recorded state is gone, and the
    // file on disk may differ from what is shown: saving is the user's call.
    m_project.MarkModified();
    m_project.setModified(true);
    if (back)
        dialogs().showMessage(tr("A page of the editor stopped working and was loaded again. The project was put "
                                 "back as it was last recorded; a change made in the moment before may be missing."));
    else if (!recorded)
        dialogs().showError(tr("A page of the editor stopped working and was loaded again; there was no recorded "
                               "state of the project to put back."));
}

bool ProjectController::newProject()
{
    if (!askSaveChanges())
        return false;
    Load request;
    request.from = Load::From::Empty;
    load(request);
    return true;
}

bool ProjectController::setMenuType(int type)
{
    m_project.MenuType = type;
    return loadTypePages();
}

bool ProjectController::loadTypePages()
{
    // Resets and loads may call the pages again once they are loading.
    m_pagesReady = false;
    if (!m_typePages.load(m_project.ProgramFolder, m_project.MenuType))
        return false;
    emit menuTypeChanged(m_project.MenuType);
    m_pagesReady = true;
    return true;
}

bool ProjectController::askToSwitchType(const QString &path)
{
    const int named = MenuTypeNamedInFile(path);
    if (named < 0 || named == m_project.MenuType)
        return true;
    const QString other = menuTypes().at(static_cast<size_t>(named)).name;
    const QString text = tr("The file %1 is a data file of the %2.\rSwitch to the %2 and open it?")
                             .arg(QFileInfo(path).fileName(), other);
    if (dialogs().askYesNo(text) != Dialogs::Answer::Yes)
        return false;
    return setMenuType(named);
}

bool ProjectController::open(const QString &given)
{
    if (!askSaveChanges())
        return false;
    QString path = given;
    if (path.isEmpty()) {
        path = dialogs().openFile({tr("Open project"), tr("JavaScript files (*.js)|*.js|All files (*.*)|*.*"),
                                   QStringLiteral("js"), m_project.ProjectFolder});
        if (path.isEmpty())
            return false;
    }
    path = QFileInfo(path).absoluteFilePath();
    if (!askToSwitchType(path)) {
        // The project stays: changes the user agreed to let go are still
        // unsaved, and closing must ask about them again.
        if (m_changesDiscarded)
            m_project.setModified(true);
        return false;
    }
    Load request;
    request.from = Load::From::File;
    request.path = path;
    return load(request);
}

void ProjectController::start(const QString &file)
{
    if (file.isEmpty()) {
        loadDefault();
        return;
    }
    const QString path = QFileInfo(file).absoluteFilePath();
    if (!askToSwitchType(path)) {
        loadDefault();
        return;
    }
    Load request;
    request.from = Load::From::File;
    request.path = path;
    // A file that cannot be read leaves the default project, not an empty one.
    if (!load(request))
        loadDefault();
}

void ProjectController::restore(const RecoveryFile::Contents &recovered, RecoveryFile file)
{
    m_history->adoptRecovery(std::move(file));
    Load request;
    request.from = Load::From::Recovered;
    request.text = recovered.dataText;
    request.fileName = recovered.fileName;
    load(request);
}

void ProjectController::loadDefault()
{
    load({});
}

DataRead ProjectController::readText(const QString &text, const QString &fileName)
{
    // Read now or not at all: the caller reports the outcome as it returns.
    if (!m_pagesReady || m_loading) {
        DataRead none;
        none.complete = false;
        none.pageFailure = tr("The program's pages are not ready for a read.");
        none.pageFailureDetail = none.pageFailure;
        return none;
    }
    Load request;
    request.from = Load::From::Text;
    request.text = text;
    request.fileName = fileName;
    load(request);
    return std::exchange(m_textRead, DataRead());
}

bool ProjectController::changeMenuType()
{
    if (!askSaveChanges())
        return false;
    const std::optional<int> chosen = m_views.chooseMenuType ? m_views.chooseMenuType() : std::nullopt;
    if (!chosen) {
        if (m_changesDiscarded)
            m_project.setModified(true);
        return false;
    }
    if (!setMenuType(*chosen))
        return false;
    loadDefault();
    return true;
}

bool ProjectController::mustSaveUnderNewName() const
{
    return m_project.CurrentFileName.isEmpty() || isShippedFile(m_project.CurrentFileName, m_project.ProgramFolder);
}

void ProjectController::takePageEdits()
{
    if (!m_pagesReady || m_loading)
        return;
    const QString itemFields = m_itemParams.callText(QStringLiteral("qrn_takeEdits"), {kOmitted});
    for (const QString &number : itemFields.split(QLatin1Char('\r'), Qt::SkipEmptyParts)) {
        bool ok = false;
        const int field = number.toInt(&ok);
        if (ok && field >= 0 && field < TItem::kParamCount)
            m_itemEdits.SetField(field, m_itemParams.callText(QStringLiteral("qrn_getItemParam"), {field}));
    }
    // The parameter page holds its values itself: they only become a step.
    const QString params = m_params.callText(QStringLiteral("qrn_takeEdits"), {kOmitted});
    for (const QString &name : params.split(QLatin1Char('\r'), Qt::SkipEmptyParts)) {
        m_project.beginChange(QStringLiteral("parameter ") + name);
        m_project.MarkModified();
    }
    if (m_views.takeStyleEdits)
        m_views.takeStyleEdits();
    m_history->flush();
}

bool ProjectController::undo()
{
    if (m_loading)
        return false;
    takePageEdits();
    return m_history->canUndo() && m_history->Undo();
}

bool ProjectController::redo()
{
    if (m_loading)
        return false;
    takePageEdits();
    return m_history->canRedo() && m_history->Redo();
}

bool ProjectController::addToPages()
{
    // A default project or theme is no file of the site, and a file read in
    // part is not the menu the pages would show.
    return addMenuToPages(m_project, m_params, mustSaveUnderNewName() || readIncomplete(), [this] { return save(); });
}

bool ProjectController::save()
{
    if (mustSaveUnderNewName())
        return saveAs();
    switch (decideWrite(m_project, m_project.CurrentFileName, WriteRoad::Command)) {
    case WriteAnswer::Write: return m_views.saveToCurrentFile && m_views.saveToCurrentFile();
    case WriteAnswer::AnotherName: return saveAs();
    case WriteAnswer::Stop: break;
    }
    return false;
}

void ProjectController::reportRead(const DataRead &read, const QString &path)
{
    const QString name = QFileInfo(path).fileName();
    if (!read.findings.isEmpty()) {
        // Enough lines to find the place; the rest are counted.
        constexpr int shown = 12;
        QStringList lines = read.findings.mid(0, shown);
        if (read.findings.size() > shown)
            lines << tr("and %1 more").arg(read.findings.size() - shown);
        dialogs().showError(tr("%1 is damaged; the rest of it was read:\r").arg(name) +
                            lines.join(QLatin1Char('\r')));
    }
    if (!read.pageFailure.isEmpty()) {
        debugPageFailure(read.pageFailureDetail);
        dialogs().showError(tr("%1 could not be read completely: a page of the editor failed.\r%2")
                                .arg(name, read.pageFailure));
    } else if (!read.definesMenu) {
        dialogs().showError(tr("%1 is not a menu data file of the %2: it defines no %3.\rIt is shown as an empty "
                               "menu; saving asks before writing over it.")
                                .arg(name, m_project.menuType().name, m_project.menuType().itemArrayName));
    }
}

bool ProjectController::saveAs()
{
    return m_views.saveAs && m_views.saveAs();
}

bool ProjectController::askSaveChanges()
{
    m_changesDiscarded = false;
    if (!m_project.Modified())
        return true;
    bool answer = false;
    switch (dialogs().askYesNoCancel(tr("Do you want to save changes?"))) {
    case Dialogs::Answer::No:
        answer = true;
        m_changesDiscarded = true;
        m_history->discarded();
        break;
    case Dialogs::Answer::Yes:
        // A failed save keeps the project open and modified: closing on it
        // would lose the work.
        answer = save();
        break;
    default: answer = false; break;
    }
    if (answer)
        m_project.setModified(false);
    return answer;
}

void ProjectController::saved(const QString &path)
{
    // The file written holds the whole project now.
    Q_UNUSED(path);
    m_project.currentFileRead = Project::FileRead::Whole;
    m_history->saved();
    emitCaption();
}
