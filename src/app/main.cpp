#include "app/main.h"

#include "app/inifile.h"
#include "app/itemtreeview.h"
#include "app/recentfiles.h"
#include "app/saveprojectform.h"
#include "app/settingsplace.h"
#include "app/toolplaces.h"
#include "controls/backgroundtile.h"
#include "controls/flatlook.h"
#include "controls/newpanel.h"
#include "controls/newspd.h"
#include "controls/spdschemes.h"
#include "controls/tiledwidget.h"
#include "editors/itemparamsform.h"
#include "editors/itemstylesform.h"
#include "editors/wb_commands.h"
#include "page/pagekeyfilter.h"
#include "page/webpage.h"
#include "preview/aboutform.h"
#include "preview/menutypeform.h"
#include "preview/previewform.h"
#include "project/dataopen.h"
#include "project/datasave.h"
#include "project/dialogs.h"
#include "project/itemedits.h"
#include "project/loadpage.h"
#include "project/menutypes.h"
#include "project/navimport.h"
#include "project/textfile.h"
#include "project/programfolder.h"
#include "project/projecthistory.h"
#include "project/project.h"
#include "project/shell.h"

#include <QAction>
#include <utility>
#include <QClipboard>
#include <QCloseEvent>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QGridLayout>
#include <QHash>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QScreen>
#include <QSplitter>
#include <QTimer>
#include <QVBoxLayout>

namespace {

const QString kPositions = QStringLiteral("Positions");
const QString kRecentFiles = QStringLiteral("Recent Files");

// The desktop as the settings see it: the union of all screens.
QRect desktopGeometry()
{
    QRect all;
    for (const QScreen *s : QGuiApplication::screens())
        all |= s->geometry();
    return all.isValid() ? all : QRect(0, 0, 1024, 768);
}

// Puts a window at a stored place. Positions at or beyond the desktop's right
// or bottom edge less 20 pixels are ignored, sizes are kept within the
// desktop, and a window that would lie off every screen is brought back.
void PlaceWindow(QWidget *window, int x, int y, int w, int h)
{
    const QRect desktop = desktopGeometry();
    QPoint pos = window->pos();
    if (x != kNotSet && x < desktop.right() + 1 - 20)
        pos.setX(x);
    if (y != kNotSet && y < desktop.bottom() + 1 - 20)
        pos.setY(y);
    QSize size = window->size();
    if (w != kNotSet && w > 0)
        size.setWidth(qMin(w, desktop.width()));
    if (h != kNotSet && h > 0)
        size.setHeight(qMin(h, desktop.height()));
    window->resize(size);
    const QRect placed(pos, window->size());
    bool visible = false;
    for (const QScreen *s : QGuiApplication::screens())
        visible = visible || s->availableGeometry().intersected(placed).width() >= 40;
    if (!visible)
        if (const QScreen *primary = QGuiApplication::primaryScreen())
            pos = primary->availableGeometry().topLeft() + QPoint(40, 40);
    window->move(pos);
}

} // namespace

Tfrm::Tfrm(Project &project, QWidget *parent)
    : QMainWindow(parent)
    , m_project(project)
{
    setWindowTitle(kAppTitle);
    createControls();
    createMenu();
    createItemsMenu();
    FormCreate();
}

Tfrm::~Tfrm()
{
    // An in-place editor still open commits when the window goes; by then the
    // other windows are half gone, so the commit must reach only the model.
    delete itemEdits;
    itemEdits = nullptr;
}

void Tfrm::setWindows(const Windows &windows)
{
    m_windows = windows;
    itemEdits->setItemParamsPage(windows.itemParams->wbItemParams);
    windows.itemParams->setItemSelection(vtItems->selectionModel());
    connect(&m_project, &Project::marked, windows.preview, &TfrmPreview::restartCountdown);
    windows.saveProject->setPages(wb, windows.itemParams->wbItemParams);
    connect(windows.saveProject, &TfrmSaveProject::saved, this, [this](const QString &path) {
        setCaption(path);
        AddRecentFile(path);
        history->saved();
    });
    Page *itemParams = windows.itemParams->wbItemParams;
    history = new ProjectHistory(m_project, *vtItems->selectionModel(),
                                 {[this, itemParams] { return BuildDataText(m_project, *wb, *itemParams); },
                                  [this](const QString &text) { return readDataText(text); }},
                                 RecoveryFile(), this);
    connect(history, &ProjectHistory::changed, this, &Tfrm::updateUndoActions);
    connect(&m_project, &Project::marked, this, &Tfrm::updateUndoActions);
    updateUndoActions();
}

void Tfrm::updateUndoActions()
{
    if (!history)
        return;
    miUndo->setText(history->undoText());
    miRedo->setText(history->redoText());
    miUndo->setEnabled(miEdit->menuAction()->isEnabled() && history->canUndo());
    miRedo->setEnabled(miEdit->menuAction()->isEnabled() && history->canRedo());
}

void Tfrm::miUndoClick()
{
    if (history && history->canUndo())
        history->Undo();
}

void Tfrm::miRedoClick()
{
    if (history && history->canRedo())
        history->Redo();
}

bool Tfrm::readDataText(const QString &text)
{
    m_project.ItemCounter = 0;
    m_project.items().clear();
    m_project.CurrentItem = nullptr;
    wb->call(QStringLiteral("qrn_reCreateParams"), {kOmitted});
    m_windows.itemStyles->edits->clear();
    // Line breaks as the reader gives them to the page from a file.
    ReadDataText(m_project, *wb, *m_windows.itemParams->wbItemParams, DataTextFromBytes(encodeText(text)), addStyleToList());
    return true;
}

void Tfrm::setPendingRestore(const QString &dataText, const QString &fileName)
{
    m_restoreText = dataText;
    m_restoreFileName = fileName;
}

void Tfrm::setCaption(const QString &fileName)
{
    setWindowTitle(fileName.isEmpty() ? kAppTitle : kAppTitle + QStringLiteral(" - ") + QFileInfo(fileName).fileName());
}

void Tfrm::createControls()
{
    setGeometry(kMainDesignedGeometry);
    setMinimumSize(kMainDesignedGeometry.size());

    auto *central = new TiledWidget(this);
    setCentralWidget(central);
    auto *outer = new QVBoxLayout(central);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->setSpacing(0);

    auto *toolbar = new WebPage(central);
    toolbar->setContextMenuEnabled(false);
    toolbar->widget()->setFixedHeight(49);
    outer->addWidget(toolbar->widget());
    wbToolbar = toolbar;

    splitter = new QSplitter(Qt::Horizontal, central);
    splitter->setChildrenCollapsible(false);
    outer->addWidget(splitter, 1);

    // Left: the parameter page of the menu type.
    auto *left = new QWidget(splitter);
    auto *leftLayout = new QVBoxLayout(left);
    leftLayout->setContentsMargins(6, 4, 3, 6);
    auto *leftHead = new QHBoxLayout;
    Label2 = new QLabel(QStringLiteral("Menu Parameters:"), left);
    lblMenuName = new QLabel(left);
    QFont bold = lblMenuName->font();
    bold.setBold(true);
    lblMenuName->setFont(bold);
    leftHead->addWidget(Label2);
    leftHead->addWidget(lblMenuName, 1);
    leftLayout->addLayout(leftHead);
    auto *params = new WebPage(left);
    params->setContextMenuEnabled(true);
    leftLayout->addWidget(params->widget(), 1);
    wb = params;

    // Right: the item tree and its buttons.
    auto *right = new QWidget(splitter);
    // Lies on the white grid: buttons round their corners against white.
    setFlatColor(right, Qt::white);
    auto *rightLayout = new QVBoxLayout(right);
    rightLayout->setContentsMargins(3, 4, 6, 6);
    auto *rightHead = new QHBoxLayout;
    Label1 = new QLabel(QStringLiteral("Menu Items"), right);
    lblMenuItems = new QLabel(QStringLiteral("0"), right);
    lblMenuItems->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    spdExpandAll = new TnewSpd(QStringLiteral("+"), right);
    spdExpandAll->setToolTip(QStringLiteral("Expand All"));
    spdExpandAll->setAccessibleName(QStringLiteral("Expand All"));
    spdCollapseAll = new TnewSpd(QStringLiteral("-"), right);
    spdCollapseAll->setToolTip(QStringLiteral("Collapse All"));
    spdCollapseAll->setAccessibleName(QStringLiteral("Collapse All"));
    for (TnewSpd *b : {spdExpandAll, spdCollapseAll})
        applyExpandScheme(b);
    rightHead->addWidget(Label1);
    rightHead->addWidget(lblMenuItems, 1);
    rightHead->addWidget(spdExpandAll);
    rightHead->addWidget(spdCollapseAll);
    rightLayout->addLayout(rightHead);

    newPanel2 = new TnewPanel(right);
    newPanel2->setBorderWidth(3);
    newPanel2->setColors(QColor(0xEF, 0xEF, 0xEF), QColor(0xC0, 0xC0, 0xC0));
    auto *treeLayout = new QVBoxLayout(newPanel2);
    treeLayout->setContentsMargins(0, 0, 0, 0);
    vtItems = new ItemTreeView(newPanel2);
    vtItems->setFrameShape(QFrame::NoFrame);
    vtItems->setModel(&m_project.items());
    itemEdits = new ItemEdits(m_project, *vtItems->selectionModel(), this);
    vtItems->onDrop = [this](const QModelIndex &target, Placement placement, bool copy) {
        itemEdits->Drop(target, placement, copy);
    };
    connect(&m_project.items(), &ItemTree::expandRequested, vtItems, &QTreeView::expand);
    connect(&m_project.items(), &ItemTree::updating, this, &Tfrm::vtItemsUpdating);
    treeLayout->addWidget(vtItems);
    rightLayout->addWidget(newPanel2, 1);

    newPanel3 = new TnewPanel(right);
    newPanel3->setColors(QColor(0xF9, 0xF9, 0xF9), QColor(0xD4, 0xD4, 0xD4));
    newPanel3->setBevelBorder(TBevelBorders(bbLeft) | bbRight | bbBottom);
    newPanel3->setAlignment(Qt::AlignLeft);
    newPanel3->setCaption(QStringLiteral("   Use Ctrl key to select and copy items."));
    newPanel3->setFont(flatFont(TSpdFont{}));
    newPanel3->setFixedHeight(22);
    rightLayout->addWidget(newPanel3);

    newPanel1 = new TnewPanel(right);
    newPanel1->setColors(QColor(0xF9, 0xF9, 0xF9), QColor(0xD4, 0xD4, 0xD4));
    auto *buttonGrid = new QGridLayout(newPanel1);
    buttonGrid->setContentsMargins(6, 6, 6, 6);
    buttonGrid->setSpacing(5);
    spdAddItem = new TnewSpd(QStringLiteral("Add Item"), newPanel1);
    spdAddSubitem = new TnewSpd(QStringLiteral("Add Subitem"), newPanel1);
    spdDeleteItem = new TnewSpd(QStringLiteral("Delete Selected"), newPanel1);
    spdDeleteAll = new TnewSpd(QStringLiteral("Delete All"), newPanel1);
    spdItemStyles = new TnewSpd(QStringLiteral("Edit Individual Styles..."), newPanel1);
    for (TnewSpd *b : {spdAddItem, spdAddSubitem, spdItemStyles})
        applyScheme(b, SpdScheme::Blue);
    for (TnewSpd *b : {spdDeleteItem, spdDeleteAll})
        applyScheme(b, SpdScheme::Orange);
    buttonGrid->addWidget(spdAddItem, 0, 0);
    buttonGrid->addWidget(spdAddSubitem, 0, 1);
    buttonGrid->addWidget(spdDeleteItem, 1, 0);
    buttonGrid->addWidget(spdDeleteAll, 1, 1);
    buttonGrid->addWidget(spdItemStyles, 2, 0, 1, 2);
    rightLayout->addWidget(newPanel1);
    connect(spdItemStyles, &TnewSpd::clicked, this, &Tfrm::spdItemStylesClick);
    connect(spdExpandAll, &TnewSpd::clicked, this, [this] { spdExpandAllClick(0); });
    connect(spdCollapseAll, &TnewSpd::clicked, this, [this] { spdExpandAllClick(1); });
    connect(spdAddItem, &TnewSpd::clicked, itemEdits, &ItemEdits::AddItem);
    connect(spdAddSubitem, &TnewSpd::clicked, itemEdits, &ItemEdits::AddSubitem);
    connect(spdDeleteItem, &TnewSpd::clicked, itemEdits, &ItemEdits::DeleteSelected);
    connect(spdDeleteAll, &TnewSpd::clicked, itemEdits, &ItemEdits::DeleteAll);

    splitter->setStretchFactor(0, 3);
    splitter->setStretchFactor(1, 2);
    splitter->setSizes({330, 245});

    timerLoadDefault = new QTimer(this);
    timerLoadDefault->setInterval(300);
    connect(timerLoadDefault, &QTimer::timeout, this, &Tfrm::timerLoadDefaultTimer);

    connect(wb, &Page::statusTextChanged, this, &Tfrm::wbStatusTextChange);
    connect(wbToolbar, &Page::statusTextChanged, this, &Tfrm::wbToolbarStatusTextChange);
    connect(wb, &Page::documentComplete, this, &Tfrm::wbDocumentComplete);
    connect(wb, &Page::scriptError, this, &Tfrm::wbScriptError);
    connect(wbToolbar, &Page::scriptError, this, &Tfrm::wbToolbarScriptError);
}

void Tfrm::createMenu()
{
    auto action = [this](const QString &text, const QKeySequence &shortcut, auto slot) {
        auto *a = new QAction(text, this);
        if (!shortcut.isEmpty())
            a->setShortcut(shortcut);
        // Shortcuts work from every window of the program, the tool windows
        // and their pages included.
        a->setShortcutContext(Qt::ApplicationShortcut);
        connect(a, &QAction::triggered, this, slot);
        return a;
    };

    NewProject = action(QStringLiteral("&New"), QKeySequence(Qt::CTRL | Qt::Key_N), &Tfrm::NewProjectExecute);
    miOpen = action(QStringLiteral("&Open..."), QKeySequence(Qt::CTRL | Qt::Key_O), &Tfrm::Open1Click);
    miSave = action(QStringLiteral("&Save"), QKeySequence(Qt::CTRL | Qt::Key_S), &Tfrm::Save1Click);
    miSaveAs = action(QStringLiteral("Save &As..."), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S), &Tfrm::SaveAs1Click);
    miImportNavigation = action(QStringLiteral("&Import Navigation..."), QKeySequence(), &Tfrm::miImportNavigationClick);
    miSelectMenuType = action(QStringLiteral("Select &Menu Type..."), QKeySequence(Qt::CTRL | Qt::Key_M),
                              &Tfrm::Selectmenutype1Click);
    CloseApplication = action(QStringLiteral("E&xit"), QKeySequence(Qt::CTRL | Qt::Key_Q), &QWidget::close);
    miItemParams = action(QStringLiteral("&Item Parameters"), QKeySequence(Qt::Key_F7), &Tfrm::miItemParamsClick);
    miPreview = action(QStringLiteral("&Preview"), QKeySequence(Qt::Key_F8), &Tfrm::miPreviewClick);
    miUpdatePreview = action(QStringLiteral("&Update Preview"), QKeySequence(Qt::Key_F5), &Tfrm::RefreshPreview1Click);
    Help = action(QStringLiteral("&Help"), QKeySequence(Qt::Key_F1), &Tfrm::HelpExecute);
    About = action(QStringLiteral("&About"), QKeySequence(), &Tfrm::AboutExecute);
    miItemParams->setCheckable(true);
    miItemParams->setChecked(true);
    miPreview->setCheckable(true);
    miPreview->setChecked(true);

    // "&" marks each caption's mnemonic letter (Alt+F opens File); the shown
    // text is unchanged.
    miFile = menuBar()->addMenu(QStringLiteral("&File"));
    miFile->addAction(NewProject);
    miFile->addAction(miOpen);
    miFile->addAction(miSave);
    miFile->addAction(miSaveAs);
    miFile->addAction(miImportNavigation);
    miFile->addSeparator();
    miFile->addAction(miSelectMenuType);
    miFile->addSeparator();
    miRecentFiles = miFile->addMenu(QStringLiteral("&Recent files"));
    miFile->addSeparator();
    miFile->addAction(CloseApplication);

    miUndo = action(QStringLiteral("Undo"), QKeySequence(Qt::CTRL | Qt::Key_Z), &Tfrm::miUndoClick);
    miRedo = action(QStringLiteral("Redo"), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), &Tfrm::miRedoClick);
    miRedo->setShortcuts({QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), QKeySequence(Qt::CTRL | Qt::Key_Y)});
    miEdit = menuBar()->addMenu(QStringLiteral("&Edit"));
    miEdit->addAction(miUndo);
    miEdit->addAction(miRedo);

    miView = menuBar()->addMenu(QStringLiteral("&View"));
    miView->addAction(miItemParams);
    miView->addAction(miPreview);
    miView->addSeparator();
    miView->addAction(miUpdatePreview);

    miHelp = menuBar()->addMenu(QStringLiteral("&Help"));
    miHelp->addAction(Help);
    miHelp->addSeparator();
    miHelp->addAction(About);
    rebuildRecentFilesMenu();
}

void Tfrm::createItemsMenu()
{
    // The tree's own keys work while it has the focus; the popup menu shows them.
    auto action = [this](const QString &text, const QKeySequence &shortcut, auto slot) {
        auto *a = new QAction(text, vtItems);
        if (!shortcut.isEmpty())
            a->setShortcut(shortcut);
        a->setShortcutContext(Qt::WidgetWithChildrenShortcut);
        connect(a, &QAction::triggered, this, slot);
        vtItems->addAction(a);
        return a;
    };
    miAddItem = action(QStringLiteral("Add Item"), QKeySequence(Qt::Key_Insert), [this] { itemEdits->AddItem(); });
    miAddSubitem = action(QStringLiteral("Add Subitem"), QKeySequence(Qt::ALT | Qt::Key_Insert),
                          [this] { itemEdits->AddSubitem(); });
    miRename = action(QStringLiteral("Rename"), QKeySequence(Qt::Key_F2), [this] {
        if (vtItems->currentIndex().isValid())
            vtItems->edit(vtItems->currentIndex());
    });
    miDeleteItem = action(QStringLiteral("Delete Selected"), QKeySequence(Qt::Key_Delete),
                          [this] { itemEdits->DeleteSelected(); });
    miDeleteAll = action(QStringLiteral("Delete All"), QKeySequence(), [this] { itemEdits->DeleteAll(); });
    miMoveUp = action(QStringLiteral("Move Up"), QKeySequence(Qt::ALT | Qt::Key_Up), [this] { itemEdits->MoveUp(); });
    miMoveDown = action(QStringLiteral("Move Down"), QKeySequence(Qt::ALT | Qt::Key_Down),
                        [this] { itemEdits->MoveDown(); });
    miIndent = action(QStringLiteral("Indent"), QKeySequence(Qt::ALT | Qt::Key_Right), [this] { itemEdits->Indent(); });
    miOutdent = action(QStringLiteral("Outdent"), QKeySequence(Qt::ALT | Qt::Key_Left),
                       [this] { itemEdits->Outdent(); });
    miSelectAll = action(QStringLiteral("Select All"), QKeySequence(Qt::CTRL | Qt::Key_A),
                         [this] { itemEdits->SelectAll(); });
    miCut = action(QStringLiteral("Cut"), QKeySequence(Qt::CTRL | Qt::Key_X),
                   [this] { QGuiApplication::clipboard()->setMimeData(itemEdits->Cut()); });
    miCopy = action(QStringLiteral("Copy"), QKeySequence(Qt::CTRL | Qt::Key_C),
                    [this] { QGuiApplication::clipboard()->setMimeData(itemEdits->Copy()); });
    miPaste = action(QStringLiteral("Paste"), QKeySequence(Qt::CTRL | Qt::Key_V),
                     [this] { itemEdits->Paste(QGuiApplication::clipboard()->mimeData()); });
    miExpandAll = action(QStringLiteral("Expand All"), QKeySequence(), [this] { spdExpandAllClick(0); });
    miCollapseAll = action(QStringLiteral("Collapse All"), QKeySequence(), [this] { spdExpandAllClick(1); });
    miExpandAll->setData(0);
    miCollapseAll->setData(1);

    pmItems = new QMenu(vtItems);
    pmItems->addAction(miAddItem);
    pmItems->addAction(miAddSubitem);
    pmItems->addSeparator();
    pmItems->addAction(miDeleteItem);
    pmItems->addAction(miDeleteAll);
    pmItems->addSeparator();
    pmItems->addAction(miExpandAll);
    pmItems->addAction(miCollapseAll);
    pmItems->addSeparator();
    pmItems->addAction(miRename);
    pmItems->addAction(miMoveUp);
    pmItems->addAction(miMoveDown);
    pmItems->addAction(miIndent);
    pmItems->addAction(miOutdent);
    pmItems->addSeparator();
    pmItems->addAction(miCut);
    pmItems->addAction(miCopy);
    pmItems->addAction(miPaste);
    pmItems->addAction(miSelectAll);
    connect(vtItems, &QWidget::customContextMenuRequested, this,
            [this](const QPoint &pos) { pmItems->popup(vtItems->viewport()->mapToGlobal(pos)); });
}

void Tfrm::spdExpandAllClick(int tag)
{
    if (tag == 0)
        vtItems->expandAll();
    else
        vtItems->collapseAll();
}

void Tfrm::vtItemsUpdating()
{
    lblMenuItems->setText(QString::number(m_project.items().count()));
}

void Tfrm::FormCreate()
{
    m_project.ProgramFolder = programFolder();
    m_project.ProjectFolder = m_project.ProgramFolder;
    ResetProject();
    wb->setKeyFilter(PageKeyFilter);
    wbToolbar->setKeyFilter(PageKeyFilter);
    LoadPage(wbToolbar, m_project.ProgramFolder + kToolbarPage);
    timerLoadDefault->start();
}

bool Tfrm::LoadMenuTypePages()
{
    const QString folder = m_project.ProgramFolder;
    const int type = m_project.MenuType;
    if (!LoadPage(wb, folder + pagePath(type, QStringLiteral("params.html"))))
        return false;
    if (!LoadPage(m_windows.itemParams->wbItemParams, folder + pagePath(type, QStringLiteral("itemparams.html"))))
        return false;
    m_windows.itemStyles->ResetStyles();
    m_windows.preview->LoadPreviewTemplate();
    lblMenuName->setText(m_project.menuType().name);
    return !programEnding();
}

void Tfrm::MarkModified()
{
    m_project.MarkModified();
}

bool Tfrm::AskSaveChanges()
{
    ChangesDiscarded = false;
    if (!m_project.Modified())
        return true;
    bool answer = false;
    switch (dialogs().askYesNoCancel(QStringLiteral("Do you want to save changes?"))) {
    case Dialogs::Answer::No:
        answer = true;
        ChangesDiscarded = true;
        if (history)
            history->discarded();
        break;
    case Dialogs::Answer::Yes:
        // A failed save keeps the project open and modified: closing on it
        // would lose the work.
        if (!m_project.CurrentFileName.isEmpty())
            answer = m_windows.saveProject->SaveToCurrentFile();
        else
            answer = m_windows.saveProject->exec() == QDialog::Accepted;
        break;
    default: answer = false; break;
    }
    if (answer)
        m_project.setModified(false);
    return answer;
}

void Tfrm::ResetProject()
{
    m_project.ItemCounter = 0;
    m_project.items().clear();
    m_project.CurrentItem = nullptr;
    // Clearing the tree reports no selection change: the item page must
    // still stop showing the item that went.
    if (m_windows.itemParams)
        itemEdits->SendItemParams();
    if (m_windows.preview)
        m_windows.preview->stopCountdown();
    m_project.setModified(false);
    m_project.CurrentFileName.clear();
    PageLoaded = false;
    m_project.LoadingData = false;
    setWindowTitle(kAppTitle);
    lblMenuItems->setText(QStringLiteral("0"));
}

void Tfrm::AddRecentFile(const QString &path)
{
    addRecentFile(RecentFiles, path);
    rebuildRecentFilesMenu();
}

void Tfrm::rebuildRecentFilesMenu()
{
    miRecentFiles->clear();
    for (int i = 0; i < RecentFiles.size(); ++i) {
        QAction *a = miRecentFiles->addAction(RecentFiles.at(i));
        connect(a, &QAction::triggered, this, [this, i] { RecentFileClick(i); });
    }
    miRecentFiles->setEnabled(!RecentFiles.isEmpty());
}

void Tfrm::RecentFileClick(int index)
{
    if (index < 0 || index >= RecentFiles.size())
        return;
    PendingOpenFile = RecentFiles.at(index);
    Open1Click();
}

void Tfrm::EnableMainMenu(bool on)
{
    for (QMenu *m : {miFile, miEdit, miView, miHelp}) {
        m->menuAction()->setEnabled(on);
        // A disabled menu must not fire its entries' shortcuts either.
        for (QAction *a : m->actions())
            if (!a->menu() && !a->isSeparator())
                a->setEnabled(on);
    }
}

void Tfrm::NewProjectExecute()
{
    if (!AskSaveChanges())
        return;
    ResetProject();
    wb->call(QStringLiteral("qrn_reCreateParams"), {kOmitted});
    m_windows.itemStyles->ResetStyles();
    m_windows.itemParams->SetIndividualStyles(0);
    m_windows.itemParams->SetIndividualStyles(1);
    MarkModified();
    m_project.setModified(false);
    history->reset();
}

void Tfrm::Selectmenutype1Click()
{
    if (!AskSaveChanges())
        return;
    if (m_windows.menuType->exec() != QDialog::Accepted) {
        // The project stays: changes the user agreed to discard are still
        // unsaved, and closing must ask about them again.
        if (ChangesDiscarded)
            m_project.setModified(true);
        return;
    }
    ResetProject();
    m_windows.itemStyles->ResetStyles();
    timerLoadDefault->start();
    m_project.setModified(false);
}

void Tfrm::timerLoadDefaultTimer()
{
    // Timers fire while a page call waits: try again on the next tick.
    if (!PageLoaded || WebPage::callsInProgress() > 0)
        return;
    timerLoadDefault->stop();
    LoadDefaultProject();
}

void Tfrm::wbStatusTextChange(const QString &text)
{
    if (PageStatusTextChange(wb, text, CommandValue))
        MarkModified();
}

void Tfrm::wbToolbarStatusTextChange(const QString &text)
{
    PageStatusTextChange(wbToolbar, text, CommandValue);
}

QAction *Tfrm::projectCommandAction(const QString &name) const
{
    const QHash<QString, QAction *> actions = {
        {QStringLiteral("newProject"), NewProject}, {QStringLiteral("openProject"), miOpen},
        {QStringLiteral("saveProject"), miSave},    {QStringLiteral("saveProjectAs"), miSaveAs},
        {QStringLiteral("menuType"), miSelectMenuType}, {QStringLiteral("help"), Help},
        {QStringLiteral("undo"), miUndo}, {QStringLiteral("redo"), miRedo}};
    return actions.value(name);
}

void Tfrm::RunProjectCommand(const QString &name)
{
    // Through the menu's own entries, so a disabled menu stays disabled.
    if (QAction *a = projectCommandAction(name))
        a->trigger();
}

void Tfrm::wbDocumentComplete()
{
    PageLoaded = true;
}

bool Tfrm::readDataFile(const QString &path)
{
    return ReadDataFile(m_project, *wb, *m_windows.itemParams->wbItemParams, path, addStyleToList());
}

AddStyleFunction Tfrm::addStyleToList()
{
    // Styles go into the styles window's lists, so its views follow.
    return [this](int kind, const QString &name, const QString &paramsList, const QString &stylesArray) {
        m_windows.itemStyles->AddStyle(kind, name, paramsList, stylesArray);
    };
}

void Tfrm::LoadDefaultProject()
{
    if (!m_restoreText.isEmpty()) {
        // The project a crash left behind, in place of the default one.
        const QString text = std::exchange(m_restoreText, QString());
        const QString fileName = std::exchange(m_restoreFileName, QString());
        readDataText(text);
        m_project.CurrentFileName = fileName;
        if (!fileName.isEmpty()) {
            m_project.ProjectFolder = QFileInfo(fileName).absolutePath() + QLatin1Char('/');
            setCaption(fileName);
        }
        m_windows.preview->spdUpdatePreviewClick();
        history->reset();
        m_project.MarkModified(QStringLiteral("Restore"));
        history->flush();
        return;
    }
    const QString path = m_project.ProgramFolder + defaultProjectPath(m_project.MenuType);
    if (QFileInfo::exists(path) && readDataFile(path)) {
        const QString folder = QFileInfo(path).absolutePath();
        QDir::setCurrent(folder);
        m_project.ProjectFolder = folder + QLatin1Char('/');
    }
    m_windows.preview->spdUpdatePreviewClick();
    history->reset();
}

void Tfrm::HelpExecute()
{
    openWithShell(QUrl::fromLocalFile(m_project.ProgramFolder + QStringLiteral("help/index.html")));
}

void Tfrm::AboutExecute()
{
    m_windows.about->exec();
}

void Tfrm::Open1Click()
{
    // However the command ends, a recent-files entry is used once.
    struct ClearPending
    {
        QString &pending;
        ~ClearPending() { pending.clear(); }
    } clearPending{PendingOpenFile};

    if (!AskSaveChanges())
        return;
    QString path = PendingOpenFile;
    if (path.isEmpty()) {
        path = dialogs().openFile({QStringLiteral("Open project"),
                                   QStringLiteral("JavaScript files (*.js)|*.js|All files (*.*)|*.*"),
                                   QStringLiteral("js"), m_project.ProjectFolder});
        if (path.isEmpty())
            return;
    }
    path = QFileInfo(path).absoluteFilePath();
    ResetProject();
    // The item parameters page would still show an item of the old project.
    itemEdits->SendItemParams();
    const QString folder = QFileInfo(path).absolutePath();
    m_project.ProjectFolder = folder + QLatin1Char('/');
    QDir::setCurrent(folder);
    wb->call(QStringLiteral("qrn_reCreateParams"), {kOmitted});
    m_windows.itemStyles->ResetStyles();
    const bool read = readDataFile(path);
    history->reset();
    if (!read)
        return;
    m_project.CurrentFileName = path;
    m_windows.saveProject->eFileName->setText(path);
    setCaption(path);
    AddRecentFile(path);
}

void Tfrm::OpenFileFromCommandLine(const QString &path)
{
    PendingOpenFile = QFileInfo(path).absoluteFilePath();
    Open1Click();
}

void Tfrm::Save1Click()
{
    if (!m_project.CurrentFileName.isEmpty())
        m_windows.saveProject->SaveToCurrentFile();
    else
        m_windows.saveProject->exec();
}

void Tfrm::SaveAs1Click()
{
    m_windows.saveProject->exec();
}

void Tfrm::miImportNavigationClick()
{
    Dialogs::FileRequest request;
    request.title = QStringLiteral("Import navigation");
    request.filter = QStringLiteral("Web pages and sitemaps (*.html *.htm *.xml)|*.html;*.htm;*.xml|"
                                    "All files (*.*)|*.*");
    request.startPath = m_project.ProjectFolder;
    const QString path = dialogs().openFile(request);
    if (!path.isEmpty())
        ImportNavigation(path);
}

bool Tfrm::ImportNavigation(const QString &path)
{
    // A navigation worth importing is far smaller; a bigger file is not a page.
    constexpr qint64 kLargest = 16 * 1024 * 1024;
    QFile file(path);
    if (QFileInfo(path).isDir() || !file.open(QIODevice::ReadOnly)) {
        dialogs().showError(QStringLiteral("Can't open the file:\r%1").arg(path));
        return false;
    }
    if (file.size() > kLargest) {
        dialogs().showError(QStringLiteral("Can't import the file:\r%1\rIt is %2 MB; pages and sitemaps of up to "
                                           "16 MB can be imported.")
                                .arg(path)
                                .arg(double(file.size()) / (1024 * 1024), 0, 'f', 1));
        return false;
    }
    const QList<LeveledItem> items = navimport::fromFile(decodeText(file.readAll()));
    if (items.isEmpty()) {
        dialogs().showMessage(QStringLiteral("No navigation links were found in the file:\r%1").arg(path));
        return false;
    }
    itemEdits->Insert(items);
    return true;
}

void Tfrm::miItemParamsClick()
{
    m_windows.itemParams->setVisible(miItemParams->isChecked());
}

void Tfrm::miPreviewClick()
{
    m_windows.preview->setVisible(miPreview->isChecked());
}

void Tfrm::RefreshPreview1Click()
{
    m_windows.preview->spdUpdatePreviewClick();
}

void Tfrm::spdItemStylesClick()
{
    m_windows.itemStyles->exec();
}

void Tfrm::wbScriptError(const ScriptError &error)
{
    if (m_project.LoadingData)
        dialogs().showError(QStringLiteral("There is the error in the data file.\rThe menu won't be loaded correctly.\r"
                                           "------------------------------------\r") +
                            scriptErrorText(error));
    else
        dialogs().showError(scriptErrorText(error));
}

void Tfrm::wbToolbarScriptError(const ScriptError &error)
{
    dialogs().showError(scriptErrorText(error));
}

void Tfrm::closeEvent(QCloseEvent *event)
{
    if (!AskSaveChanges()) {
        event->ignore();
        return;
    }
    WriteSettings();
    event->accept();
    // The tool windows would otherwise keep the program running.
    QCoreApplication::quit();
}

QString Tfrm::SettingsFileName() const
{
    return settingsFilePath(m_project.ProgramFolder);
}

void Tfrm::placeToolWindowsBeside()
{
    if (!m_windows.itemParams || !m_windows.preview)
        return;
    const QScreen *screen = QGuiApplication::screenAt(geometry().center());
    if (!screen)
        screen = QGuiApplication::primaryScreen();
    if (!screen)
        return;
    const auto places = toolPlacesBeside(geometry(), m_windows.itemParams->size(), m_windows.preview->size(),
                                         screen->availableGeometry());
    if (!places)
        return; // no room: the designed places stay
    m_windows.itemParams->move(places->itemParams);
    m_windows.preview->move(places->preview);
}

void Tfrm::ReadSettings()
{
    const QString path = SettingsFileName();
    if (!QFileInfo::exists(path)) {
        placeToolWindowsBeside();
        return;
    }
    IniFile ini;
    ini.load(path);
    auto placeFrom = [&ini](QWidget *window, const QString &prefix) {
        const int w = ini.readInteger(kPositions, prefix + QStringLiteral("W"), kNotSet);
        const int h = ini.readInteger(kPositions, prefix + QStringLiteral("H"), kNotSet);
        const int y = ini.readInteger(kPositions, prefix + QStringLiteral("Y"), kNotSet);
        const int x = ini.readInteger(kPositions, prefix + QStringLiteral("X"), kNotSet);
        PlaceWindow(window, x, y, w, h);
    };
    placeFrom(this, QStringLiteral("main"));
    if (ini.readInteger(kPositions, QStringLiteral("mainMaximized"), 0) == 1)
        setWindowState(windowState() | Qt::WindowMaximized);
    // Tool windows without stored places go beside the main window's place.
    placeToolWindowsBeside();
    if (m_windows.itemParams)
        placeFrom(m_windows.itemParams, QStringLiteral("itemp"));
    if (m_windows.preview)
        placeFrom(m_windows.preview, QStringLiteral("preview"));

    RecentFiles.clear();
    for (int n = kMaxRecentFiles - 1; n >= 0; --n) {
        const QString value = ini.readString(kRecentFiles, QStringLiteral("file%1").arg(n));
        if (!value.trimmed().isEmpty())
            addRecentFile(RecentFiles, value);
    }
    rebuildRecentFilesMenu();
}

void Tfrm::WriteSettings()
{
    const QString path = SettingsFileName();
    QDir().mkpath(QFileInfo(path).absolutePath());
    IniFile ini;
    ini.load(path);
    auto store = [&ini](const QWidget *window, const QString &prefix, bool maximized) {
        // A maximised window keeps its normal place for when it is restored.
        const QRect g = maximized ? window->normalGeometry() : QRect(window->pos(), window->size());
        ini.writeInteger(kPositions, prefix + QStringLiteral("X"), g.x());
        ini.writeInteger(kPositions, prefix + QStringLiteral("Y"), g.y());
        ini.writeInteger(kPositions, prefix + QStringLiteral("W"), g.width());
        ini.writeInteger(kPositions, prefix + QStringLiteral("H"), g.height());
    };
    store(this, QStringLiteral("main"), isMaximized());
    ini.writeInteger(kPositions, QStringLiteral("mainMaximized"), isMaximized() ? 1 : 0);
    if (m_windows.itemParams)
        store(m_windows.itemParams, QStringLiteral("itemp"), false);
    if (m_windows.preview)
        store(m_windows.preview, QStringLiteral("preview"), false);
    for (int i = 0; i < RecentFiles.size(); ++i)
        ini.writeString(kRecentFiles, QStringLiteral("file%1").arg(i), RecentFiles.at(i));
    if (!ini.save(path))
        dialogs().showError(QStringLiteral("Can't write the file: \r%1").arg(path));
}
