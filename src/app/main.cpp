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
#include "editors/accessibilityform.h"
#include "editors/itemparamsform.h"
#include "editors/itemstylesform.h"
#include "editors/pagecommandchannel.h"
#include "page/pagekeyfilter.h"
#include "page/webpage.h"
#include "preview/aboutform.h"
#include "preview/menutypeform.h"
#include "preview/previewform.h"
#include "project/dataopen.h"
#include "project/commandtable.h"
#include "project/datasave.h"
#include "project/dialogs.h"
#include "project/itemedits.h"
#include "project/loadpage.h"
#include "project/menutypes.h"
#include "project/navimport.h"
#include "project/textfile.h"
#include "project/programfolder.h"
#include "project/projectcontroller.h"
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

Tfrm::Tfrm(Project &project, PageCommandChannel &channel, QWidget *parent)
    : QMainWindow(parent)
    , m_project(project)
    , m_channel(channel)
{
    setWindowTitle(kAppTitle);
    createControls();
    createCommands();
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
    connect(&m_project, &Project::marked, windows.preview, &TfrmPreview::restartCountdown);
    windows.saveProject->setPages(wb, windows.itemParams->wbItemParams);
    ProjectController::Views views;
    views.loadTypePages = [this] { return LoadMenuTypePages(); };
    views.chooseMenuType = [menuType = windows.menuType] { return menuType->exec() == QDialog::Accepted; };
    views.resetStyles = [styles = windows.itemStyles] { styles->ResetStyles(); };
    views.clearStyles = [styles = windows.itemStyles] { styles->edits->clear(); };
    // Styles go into the styles window's lists, so its views follow.
    views.addStyle = [styles = windows.itemStyles](int kind, const QString &name, const QString &paramsList,
                                                   const QString &stylesArray) {
        styles->AddStyle(kind, name, paramsList, stylesArray);
    };
    views.refreshPreview = [preview = windows.preview] { preview->spdUpdatePreviewClick(); };
    views.stopPreview = [preview = windows.preview] { preview->stopCountdown(); };
    views.saveToCurrentFile = [save = windows.saveProject] { return save->SaveToCurrentFile(); };
    views.saveAs = [save = windows.saveProject] { return save->exec() == QDialog::Accepted; };
    controller = new ProjectController(m_project, *wb, *windows.itemParams->wbItemParams, *vtItems->selectionModel(),
                                       *itemEdits, std::move(views), RecoveryFile(), this);
    history = &controller->history();
    connect(controller, &ProjectController::captionChanged, this, &Tfrm::setCaption);
    connect(controller, &ProjectController::fileOpened, this, [this, save = windows.saveProject](const QString &path) {
        save->eFileName->setText(path);
        AddRecentFile(path);
    });
    connect(windows.saveProject, &TfrmSaveProject::saved, this, [this](const QString &path) {
        AddRecentFile(path);
        controller->saved(path);
    });
    connect(history, &ProjectHistory::changed, this, &Tfrm::updateCommandStates);
    connect(&m_project, &Project::marked, this, &Tfrm::updateCommandStates);
    updateCommandStates();
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

void Tfrm::setCaption(const QString &fileName, bool readIncomplete)
{
    QString caption = fileName.isEmpty() ? kAppTitle : kAppTitle + QStringLiteral(" - ") + QFileInfo(fileName).fileName();
    if (readIncomplete)
        caption += QStringLiteral(" (read incompletely)");
    setWindowTitle(caption);
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

    connect(wb, &Page::statusTextChanged, this, &Tfrm::wbStatusTextChange);
    connect(wbToolbar, &Page::statusTextChanged, this, &Tfrm::wbToolbarStatusTextChange);
    connect(wb, &Page::scriptError, this, &Tfrm::wbScriptError);
    connect(wbToolbar, &Page::scriptError, this, &Tfrm::wbToolbarScriptError);
}

void Tfrm::createCommands()
{
    const QList<QPair<QString, std::function<void()>>> handlers = {
        {QStringLiteral("newProject"), [this] { NewProjectExecute(); }},
        {QStringLiteral("openProject"), [this] { Open1Click(); }},
        {QStringLiteral("saveProject"), [this] { Save1Click(); }},
        {QStringLiteral("saveProjectAs"), [this] { SaveAs1Click(); }},
        {QStringLiteral("importNavigation"), [this] { miImportNavigationClick(); }},
        {QStringLiteral("menuType"), [this] { Selectmenutype1Click(); }},
        {QStringLiteral("exit"), [this] { close(); }},
        {QStringLiteral("undo"), [this] { miUndoClick(); }},
        {QStringLiteral("redo"), [this] { miRedoClick(); }},
        {QStringLiteral("itemParams"), [this] { miItemParamsClick(); }},
        {QStringLiteral("preview"), [this] { miPreviewClick(); }},
        {QStringLiteral("updatePreview"), [this] { RefreshPreview1Click(); }},
        {QStringLiteral("checkAccessibility"), [this] { miAccessibilityClick(); }},
        {QStringLiteral("help"), [this] { HelpExecute(); }},
        {QStringLiteral("about"), [this] { AboutExecute(); }},
        {QStringLiteral("addItem"), [this] { itemEdits->AddItem(); }},
        {QStringLiteral("addSubitem"), [this] { itemEdits->AddSubitem(); }},
        {QStringLiteral("deleteItem"), [this] { itemEdits->DeleteSelected(); }},
        {QStringLiteral("deleteAll"), [this] { itemEdits->DeleteAll(); }},
        {QStringLiteral("expandAll"), [this] { spdExpandAllClick(0); }},
        {QStringLiteral("collapseAll"), [this] { spdExpandAllClick(1); }},
        {QStringLiteral("rename"),
         [this] {
             if (vtItems->currentIndex().isValid())
                 vtItems->edit(vtItems->currentIndex());
         }},
        {QStringLiteral("moveUp"), [this] { itemEdits->MoveUp(); }},
        {QStringLiteral("moveDown"), [this] { itemEdits->MoveDown(); }},
        {QStringLiteral("indent"), [this] { itemEdits->Indent(); }},
        {QStringLiteral("outdent"), [this] { itemEdits->Outdent(); }},
        {QStringLiteral("cut"), [this] { QGuiApplication::clipboard()->setMimeData(itemEdits->Cut()); }},
        {QStringLiteral("copy"), [this] { QGuiApplication::clipboard()->setMimeData(itemEdits->Copy()); }},
        {QStringLiteral("paste"), [this] { itemEdits->Paste(QGuiApplication::clipboard()->mimeData()); }},
        {QStringLiteral("selectAll"), [this] { itemEdits->SelectAll(); }},
    };
    pmItems = new QMenu(vtItems);
    for (const Command &c : commandTable()) {
        const bool inMenuBar = c.places & Command::MainMenu;
        QMenu *menu = pmItems;
        if (inMenuBar) {
            menu = menuBar()->findChild<QMenu *>(c.menu, Qt::FindDirectChildrenOnly);
            if (!menu) {
                menu = menuBar()->addMenu(c.menu);
                menu->setObjectName(c.menu);
                m_mainMenus << menu;
            }
        }
        if (c.separatorBefore)
            menu->addSeparator();
        if (c.id == kRecentFilesId) {
            miRecentFiles = menu->addMenu(c.text);
            continue;
        }
        // Main menu keys work in every window of the program, the tool
        // windows and their pages included; the tree's keys only while it
        // has the focus.
        auto *a = new QAction(c.text, inMenuBar ? static_cast<QObject *>(this) : vtItems);
        a->setObjectName(c.id);
        a->setShortcuts(c.keys);
        a->setShortcutContext(inMenuBar ? Qt::ApplicationShortcut : Qt::WidgetWithChildrenShortcut);
        a->setCheckable(c.checkable);
        a->setChecked(c.checkable);
        for (const auto &[id, handler] : handlers)
            if (id == c.id)
                connect(a, &QAction::triggered, this, handler);
        if (!inMenuBar)
            vtItems->addAction(a);
        menu->addAction(a);
        m_commands << a;
    }
    connect(vtItems, &QWidget::customContextMenuRequested, this,
            [this](const QPoint &pos) { pmItems->popup(vtItems->viewport()->mapToGlobal(pos)); });

    // The names the rest of the window and its tests use.
    NewProject = command(QStringLiteral("newProject"));
    miOpen = command(QStringLiteral("openProject"));
    miSave = command(QStringLiteral("saveProject"));
    miSaveAs = command(QStringLiteral("saveProjectAs"));
    miImportNavigation = command(QStringLiteral("importNavigation"));
    miSelectMenuType = command(QStringLiteral("menuType"));
    CloseApplication = command(QStringLiteral("exit"));
    miUndo = command(QStringLiteral("undo"));
    miRedo = command(QStringLiteral("redo"));
    miItemParams = command(QStringLiteral("itemParams"));
    miPreview = command(QStringLiteral("preview"));
    miUpdatePreview = command(QStringLiteral("updatePreview"));
    Help = command(QStringLiteral("help"));
    About = command(QStringLiteral("about"));
    miAddItem = command(QStringLiteral("addItem"));
    miAddSubitem = command(QStringLiteral("addSubitem"));
    miRename = command(QStringLiteral("rename"));
    miDeleteItem = command(QStringLiteral("deleteItem"));
    miDeleteAll = command(QStringLiteral("deleteAll"));
    miMoveUp = command(QStringLiteral("moveUp"));
    miMoveDown = command(QStringLiteral("moveDown"));
    miIndent = command(QStringLiteral("indent"));
    miOutdent = command(QStringLiteral("outdent"));
    miSelectAll = command(QStringLiteral("selectAll"));
    miCut = command(QStringLiteral("cut"));
    miCopy = command(QStringLiteral("copy"));
    miPaste = command(QStringLiteral("paste"));
    miExpandAll = command(QStringLiteral("expandAll"));
    miCollapseAll = command(QStringLiteral("collapseAll"));
    miExpandAll->setData(0);
    miCollapseAll->setData(1);
    miFile = m_mainMenus.value(0);
    miEdit = m_mainMenus.value(1);
    miView = m_mainMenus.value(2);
    miHelp = m_mainMenus.value(3);
    rebuildRecentFilesMenu();
}

QAction *Tfrm::command(const QString &id) const
{
    for (QAction *a : m_commands)
        if (a->objectName() == id)
            return a;
    return nullptr;
}

void Tfrm::updateCommandStates()
{
    for (QMenu *m : m_mainMenus)
        m->menuAction()->setEnabled(m_mainMenuOn);
    for (const Command &c : commandTable()) {
        QAction *a = (c.places & Command::MainMenu) ? command(c.id) : nullptr;
        if (!a)
            continue;
        // A disabled menu must not fire its entries' shortcuts either.
        bool on = m_mainMenuOn;
        if (c.enabled == Command::Enabled::CanUndo)
            on = on && history && history->canUndo();
        else if (c.enabled == Command::Enabled::CanRedo)
            on = on && history && history->canRedo();
        a->setEnabled(on);
    }
    if (history) {
        miUndo->setText(history->undoText());
        miRedo->setText(history->redoText());
    }
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
    wb->setKeyFilter(PageKeyFilter);
    wbToolbar->setKeyFilter(PageKeyFilter);
    LoadPage(wbToolbar, m_project.ProgramFolder + kToolbarPage);
}

bool Tfrm::LoadMenuTypePages()
{
    const QString folder = m_project.ProgramFolder;
    const int type = m_project.MenuType;
    if (controller)
        controller->setPagesReady(false);
    if (!LoadPage(wb, folder + pagePath(type, QStringLiteral("params.html"))))
        return false;
    if (!LoadPage(m_windows.itemParams->wbItemParams, folder + pagePath(type, QStringLiteral("itemparams.html"))))
        return false;
    m_windows.itemStyles->ResetStyles();
    m_windows.preview->LoadPreviewTemplate();
    lblMenuName->setText(m_project.menuType().name);
    if (controller)
        controller->setPagesReady(true);
    return !programEnding();
}

void Tfrm::MarkModified()
{
    m_project.MarkModified();
}

bool Tfrm::AskSaveChanges()
{
    return controller->askSaveChanges();
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
    controller->open(RecentFiles.at(index));
}

void Tfrm::EnableMainMenu(bool on)
{
    m_mainMenuOn = on;
    updateCommandStates();
}

void Tfrm::NewProjectExecute()
{
    controller->newProject();
}

void Tfrm::Selectmenutype1Click()
{
    controller->changeMenuType();
}

void Tfrm::wbStatusTextChange(const QString &text)
{
    if (m_channel.statusTextChanged(wb, text, m_commandSlot))
        MarkModified();
}

void Tfrm::wbToolbarStatusTextChange(const QString &text)
{
    m_channel.statusTextChanged(wbToolbar, text, m_commandSlot);
}

void Tfrm::RunProjectCommand(const QString &name)
{
    // Through the menu's own entries, so a disabled menu stays disabled.
    if (!isPageCommand(name))
        return;
    if (QAction *a = command(name))
        a->trigger();
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
    controller->open();
}

void Tfrm::Save1Click()
{
    controller->save();
}

void Tfrm::SaveAs1Click()
{
    controller->saveAs();
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
    const QString text = decodeText(file.readAll());
    QStringList sitemaps;
    if (navimport::isSitemapIndex(text, &sitemaps)) {
        dialogs().showMessage(navimport::sitemapIndexMessage(path, sitemaps));
        return false;
    }
    const QList<LeveledItem> items = navimport::fromFile(text);
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

void Tfrm::miAccessibilityClick()
{
    // Made on first use: it measures through the parameter page, which the
    // chosen menu type has loaded by then.
    if (!m_accessibility) {
        const auto selectItem = [this](int number) {
            QModelIndex found;
            int n = 0;
            m_project.items().walk([&](const QModelIndex &index, const TItem &, int) {
                if (n++ == number)
                    found = index;
            });
            if (!found.isValid())
                return;
            vtItems->setCurrentIndex(found);
            vtItems->scrollTo(found);
            activateWindow();
            vtItems->setFocus();
        };
        const auto focusParam = [this](const QString &name) {
            wb->call(QStringLiteral("qrn_focusParam"), {name});
            activateWindow();
            wb->widget()->setFocus();
        };
        m_accessibility = new TfrmAccessibility(m_project, *wb, selectItem, focusParam, this);
    }
    m_accessibility->show();
    m_accessibility->raise();
    m_accessibility->activateWindow();
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
