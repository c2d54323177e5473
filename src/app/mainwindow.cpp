#include "app/mainwindow.h"

#include "app/application.h"
#include "app/commandaction.h"
#include "app/itemtreepanel.h"
#include "app/itemtreeview.h"
#include "app/linkfoldersettings.h"
#include "app/programwindows.h"
#include "app/recentfilesmenu.h"
#include "app/windowsettings.h"
#include "app/saveprojectform.h"
#include "controls/backgroundtile.h"
#include "controls/tiledwidget.h"
#include "editors/accessibilityform.h"
#include "editors/itemparamsform.h"
#include "editors/itemstylesform.h"
#include "editors/pagecommandchannel.h"
#include "page/pagekeyfilter.h"
#include "page/pagegate.h"
#include "page/webpage.h"
#include "preview/aboutform.h"
#include "preview/menuaudit.h"
#include "preview/menutypeform.h"
#include "preview/previewform.h"
#include "preview/themesform.h"
#include "project/datafile/dataopen.h"
#include "project/model/commandtable.h"
#include "project/datafile/datasave.h"
#include "project/platform/dialogs.h"
#include "project/model/itemedits.h"
#include "project/datafile/loadpage.h"
#include "project/model/menutypes.h"
#include "project/lifecycle/projectcontroller.h"
#include "project/history/projecthistory.h"
#include "project/model/project.h"
#include "project/platform/shell.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <utility>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenuBar>
#include <QSplitter>
#include <QTimer>
#include <QVBoxLayout>

namespace {

// The caption is made by a free function, so that it can be had without a
// window; its texts belong with the window's own.
struct MainWindowText
{
    Q_DECLARE_TR_FUNCTIONS(MainWindow)
};

} // namespace

MainWindow::MainWindow(PageGate &gate, Project &project, PageCommandChannel &channel, QWidget *parent)
    : QMainWindow(parent)
    , m_gate(gate)
    , m_project(project)
    , m_channel(channel)
{
    setWindowTitle(mainWindowCaption({}, {}, false));
    createControls();
    createCommands();
    FormCreate();
}

MainWindow::~MainWindow()
{
    // The tree panel goes first: its edits must not reach the other windows,
    // which are half gone by the time children go.
    delete itemPanel;
    itemPanel = nullptr;
    delete settings;
}

void MainWindow::setWindows(ProgramWindows &windows)
{
    m_windows = &windows;
    ItemEdits *itemEdits = itemPanel->itemEdits;
    itemEdits->setItemParamsPage(windows.itemParams->wbItemParams);
    settings = new WindowSettings(*this, *windows.itemParams, *windows.preview, *recentFiles, m_project.ProgramFolder);
    connect(&m_project, &Project::marked, windows.preview, &TfrmPreview::restartCountdown);
    windows.saveProject->setPages(wb, windows.itemParams->wbItemParams);
    ProjectController::Views views;
    views.chooseMenuType = [menuType = windows.menuType] { return menuType->choose(); };
    views.resetStyles = [styles = windows.itemStyles] { styles->ResetStyles(); };
    views.clearStyles = [styles = windows.itemStyles] { styles->edits->clear(); };
    // Styles go into the styles window's lists, so its views follow.
    views.addStyle = [styles = windows.itemStyles](int kind, const QString &name, const QString &paramsList,
                                                   const QString &stylesArray) {
        styles->AddStyle(kind, name, paramsList, stylesArray);
    };
    views.stopPreview = [preview = windows.preview] { preview->stopCountdown(); };
    views.saveToCurrentFile = [save = windows.saveProject] { return save->SaveToCurrentFile(); };
    views.saveAs = [save = windows.saveProject] { return save->exec() == QDialog::Accepted; };
    // Only a shown styles window can hold typing.
    views.takeStyleEdits = [styles = windows.itemStyles] {
        if (styles->isVisible())
            styles->edits->takePageEdits();
    };
    const TypePages::Views pages{wb, windows.itemParams->wbItemParams, windows.itemStyles->wbItemStyles,
                                 windows.itemStyles->wbSmStyles};
    controller = new ProjectController(m_project, pages, *itemPanel->vtItems->selectionModel(), *itemEdits,
                                       std::move(views), RecoveryFile(), this);
    history = &controller->history();
    // The windows fit a type as its pages load, before its first project.
    connect(controller, &ProjectController::menuTypeChanged, windows.itemStyles, &TfrmItemStyles::fitMenuType);
    connect(controller, &ProjectController::menuTypeChanged, windows.preview, &TfrmPreview::LoadPreviewTemplate);
    connect(controller, &ProjectController::menuTypeChanged, this,
            [this] { lblMenuName->setText(m_project.menuType().name); });
    windows.saveProject->setBeforeWrite([this] { controller->takePageEdits(); });
    connect(controller, &ProjectController::captionChanged, this, &MainWindow::setCaption);
    connect(&m_project, &Project::modifiedChanged, this, &QWidget::setWindowModified);
    connect(controller, &ProjectController::projectReplaced, windows.preview, &TfrmPreview::spdUpdatePreviewClick);
    connect(controller, &ProjectController::fileOpened, this, [this, save = windows.saveProject](const QString &path) {
        save->eFileName->setText(path);
        recentFiles->add(path);
    });
    connect(recentFiles, &RecentFilesMenu::chosen, this, [this](const QString &path) { controller->open(path); });
    connect(windows.saveProject, &TfrmSaveProject::saved, this, [this](const QString &path) {
        recentFiles->add(path);
        controller->saved(path);
    });
    for (Page *page : {wb, windows.itemParams->wbItemParams}) {
        connect(page, &Page::rendererEnded, controller, &ProjectController::pageRendererEnded);
        page->setRestartAnnounced(true);
    }
    // The toolbar holds no project: it only comes back.
    connect(wbToolbar, &Page::rendererEnded, this, [this] {
        QTimer::singleShot(0, this, [this] { LoadPage(wbToolbar, m_project.ProgramFolder + kToolbarPage); });
    });
    connect(history, &ProjectHistory::changed, this, &MainWindow::updateCommandStates);
    connect(&m_project, &Project::marked, this, &MainWindow::updateCommandStates);
    updateCommandStates();
}

void MainWindow::miUndoClick()
{
    if (controller)
        controller->undo();
}

void MainWindow::miRedoClick()
{
    if (controller)
        controller->redo();
}

QString mainWindowCaption(const QString &fileName, const QString &typeName, bool readIncomplete)
{
    const QString name = fileName.isEmpty() ? MainWindowText::tr("Untitled") : QFileInfo(fileName).fileName();
    QString caption = QStringLiteral("[*]") + name;
    if (!typeName.isEmpty())
        caption += QStringLiteral(" (%1)").arg(typeName);
    if (readIncomplete)
        caption += MainWindowText::tr(", read incompletely");
    return caption + QStringLiteral(" \u2014 ") + kAppTitle;
}

void MainWindow::setCaption(const QString &fileName, bool readIncomplete)
{
    setWindowTitle(mainWindowCaption(fileName, m_project.menuType().name, readIncomplete));
    setWindowModified(m_project.Modified());
}

void MainWindow::createControls()
{
    setGeometry(kMainDesignedGeometry);
    setMinimumSize(kMainMinimumSize);

    auto *central = new TiledWidget(this);
    setCentralWidget(central);
    auto *outer = new QVBoxLayout(central);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->setSpacing(0);

    auto *toolbar = new WebPage(m_gate, central);
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
    lblParamsTitle = new QLabel(tr("Menu Parameters:"), left);
    lblMenuName = new QLabel(left);
    QFont bold = lblMenuName->font();
    bold.setBold(true);
    lblMenuName->setFont(bold);
    leftHead->addWidget(lblParamsTitle);
    leftHead->addWidget(lblMenuName, 1);
    leftLayout->addLayout(leftHead);
    auto *params = new WebPage(m_gate, left);
    params->setContextMenuEnabled(true);
    leftLayout->addWidget(params->widget(), 1);
    wb = params;

    // Right: the item tree and its buttons.
    itemPanel = new ItemTreePanel(m_project, splitter);
    connect(itemPanel, &ItemTreePanel::itemStylesRequested, this, &MainWindow::spdItemStylesClick);

    splitter->setStretchFactor(0, 3);
    splitter->setStretchFactor(1, 2);
    splitter->setSizes({330, 245});

    connect(wb, &Page::statusTextChanged, this, &MainWindow::wbStatusTextChange);
    connect(wbToolbar, &Page::statusTextChanged, this, &MainWindow::wbToolbarStatusTextChange);
    connect(wb, &Page::scriptError, this, &MainWindow::wbScriptError);
    connect(wbToolbar, &Page::scriptError, this, &MainWindow::wbToolbarScriptError);
}

void MainWindow::createCommands()
{
    const QList<QPair<QString, std::function<void()>>> handlers = {
        {QStringLiteral("newProject"), [this] { NewProjectExecute(); }},
        {QStringLiteral("openProject"), [this] { Open1Click(); }},
        {QStringLiteral("saveProject"), [this] { Save1Click(); }},
        {QStringLiteral("saveProjectAs"), [this] { SaveAs1Click(); }},
        {QStringLiteral("importNavigation"), [this] { itemPanel->chooseNavigationToImport(); }},
        {QStringLiteral("menuType"), [this] { Selectmenutype1Click(); }},
        {QStringLiteral("exit"), [this] { close(); }},
        {QStringLiteral("undo"), [this] { miUndoClick(); }},
        {QStringLiteral("redo"), [this] { miRedoClick(); }},
        {QStringLiteral("itemParams"), [this] { miItemParamsClick(); }},
        {QStringLiteral("preview"), [this] { miPreviewClick(); }},
        {QStringLiteral("updatePreview"), [this] { RefreshPreview1Click(); }},
        {QStringLiteral("previewInPage"), [this] { previewInPage(); }},
        {QStringLiteral("addToPage"), [this] { controller->addToPages(); }},
        {QStringLiteral("checkAccessibility"), [this] { miAccessibilityClick(); }},
        {QStringLiteral("nextWindow"), [this] { focusNextWindow(1); }},
        {QStringLiteral("previousWindow"), [this] { focusNextWindow(-1); }},
        {QStringLiteral("themes"), [this] { m_windows->themes->showGallery(); }},
        {QStringLiteral("saveAsTheme"), [this] { m_windows->themes->saveAsTheme(); }},
        {QStringLiteral("help"), [this] { HelpExecute(); }},
        {QStringLiteral("about"), [this] { AboutExecute(); }},
    };
    for (const Command &c : commandTable()) {
        const bool treeCommandListed = (c.places & Command::TreePopup) && c.menu != nullptr;
        if (!(c.places & Command::MainMenu) && !treeCommandListed)
            continue;
        QMenu *menu = menuBar()->findChild<QMenu *>(c.menu, Qt::FindDirectChildrenOnly);
        if (!menu) {
            // The English title names the menu, whatever language shows it.
            menu = menuBar()->addMenu(QCoreApplication::translate("Command", c.menu));
            menu->setObjectName(c.menu);
            m_mainMenus << menu;
        }
        // The item commands stand apart from the menu's own.
        const bool startsTreeCommands = treeCommandListed && !menu->actions().isEmpty() &&
                                        !itemPanel->command(menu->actions().constLast()->objectName());
        if (c.separatorBefore || startsTreeCommands)
            menu->addSeparator();
        if (c.id == kRecentFilesId) {
            miRecentFiles = menu->addMenu(QCoreApplication::translate("Command", c.text));
            continue;
        }
        if (!(c.places & Command::MainMenu)) {
            // The tree's own action: one action per command, so its keys
            // fire once and only where the tree has the focus.
            if (QAction *a = itemPanel->command(c.id))
                menu->addAction(a);
            continue;
        }
        std::function<void()> run;
        for (const auto &[id, handler] : handlers)
            if (id == c.id)
                run = handler;
        QAction *a = createCommandAction(c, this, true, std::move(run));
        menu->addAction(a);
        m_commands << a;
    }
    recentFiles = new RecentFilesMenu(miRecentFiles, this);

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
    miFile = m_mainMenus.value(0);
    miEdit = m_mainMenus.value(1);
    miView = m_mainMenus.value(2);
    miHelp = m_mainMenus.value(3);
}

QAction *MainWindow::command(const QString &id) const
{
    for (QAction *a : m_commands)
        if (a->objectName() == id)
            return a;
    return itemPanel->command(id);
}

void MainWindow::updateCommandStates()
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

void MainWindow::FormCreate()
{
    wb->setKeyFilter(PageKeyFilter);
    wbToolbar->setKeyFilter(PageKeyFilter);
    LoadPage(wbToolbar, m_project.ProgramFolder + kToolbarPage);
}

void MainWindow::MarkModified()
{
    m_project.MarkModified();
}

bool MainWindow::AskSaveChanges()
{
    return controller->askSaveChanges();
}

void MainWindow::EnableMainMenu(bool on)
{
    m_mainMenuOn = on;
    updateCommandStates();
}

void MainWindow::NewProjectExecute()
{
    if (controller->newProject() && m_windows->themes->cbShowAfterNew->isChecked())
        m_windows->themes->showGallery();
}

void MainWindow::Selectmenutype1Click()
{
    controller->changeMenuType();
}

void MainWindow::wbStatusTextChange(const QString &text)
{
    if (m_channel.statusTextChanged(wb, text, m_commandSlot))
        MarkModified();
}

void MainWindow::wbToolbarStatusTextChange(const QString &text)
{
    m_channel.statusTextChanged(wbToolbar, text, m_commandSlot);
}

void MainWindow::RunProjectCommand(const QString &name)
{
    // Through the menu's own entries, so a disabled menu stays disabled.
    if (!isPageCommand(name))
        return;
    if (QAction *a = command(name))
        a->trigger();
}

void MainWindow::HelpExecute()
{
    openInBrowser(QUrl::fromLocalFile(m_project.ProgramFolder + QStringLiteral("help/index.html")));
}

void MainWindow::AboutExecute()
{
    m_windows->about->exec();
}

void MainWindow::Open1Click()
{
    controller->open();
}

void MainWindow::Save1Click()
{
    controller->save();
}

void MainWindow::SaveAs1Click()
{
    controller->saveAs();
}

void MainWindow::miItemParamsClick()
{
    showOrHideToolWindow(m_windows->itemParams, miItemParams);
}

void MainWindow::miPreviewClick()
{
    showOrHideToolWindow(m_windows->preview, miPreview);
}

void MainWindow::showOrHideToolWindow(QWidget *window, QAction *entry)
{
    // The key brings the window to the user; only a window already in use
    // goes away.
    if (window->isVisible() && window->isActiveWindow()) {
        window->hide();
        activateWindow();
    } else {
        focusWindow(window);
    }
    entry->setChecked(window->isVisible());
}

QList<QWidget *> MainWindow::cycledWindows()
{
    QList<QWidget *> shown;
    const QList<QWidget *> all = {this, m_windows->itemParams, m_windows->preview, m_windows->itemStyles};
    for (QWidget *w : all)
        if (w->isVisible())
            shown << w;
    return shown;
}

void MainWindow::focusNextWindow(int step)
{
    const QList<QWidget *> shown = cycledWindows();
    if (shown.isEmpty())
        return;
    const qsizetype at = shown.indexOf(QApplication::activeWindow());
    const qsizetype n = shown.size();
    // From a window outside the cycle, forward starts at the main window.
    const qsizetype next = at < 0 ? (step > 0 ? 0 : n - 1) : ((at + step) % n + n) % n;
    focusWindow(shown.at(next));
}

void MainWindow::focusWindow(QWidget *window)
{
    window->show();
    window->raise();
    window->activateWindow();
    if (window == m_windows->itemParams)
        runReported([this] { m_windows->itemParams->focusFirstField(); });
}

void MainWindow::miAccessibilityClick()
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
            itemPanel->vtItems->setCurrentIndex(found);
            itemPanel->vtItems->scrollTo(found);
            activateWindow();
            itemPanel->vtItems->setFocus();
        };
        const auto focusParam = [this](const QString &name) {
            wb->call(QStringLiteral("qrn_focusParam"), {name});
            activateWindow();
            wb->widget()->setFocus();
        };
        const RunAudit runAudit = projectAuditRunner(this, m_gate, m_project, [this] {
            return BuildDataText(m_project, *wb, *m_windows->itemParams->wbItemParams);
        });
        m_accessibility = new TfrmAccessibility(m_gate, m_project, *wb, selectItem, focusParam, runAudit, this);
    }
    m_accessibility->show();
    m_accessibility->raise();
    m_accessibility->activateWindow();
}

void MainWindow::RefreshPreview1Click()
{
    m_windows->preview->spdUpdatePreviewClick();
}

void MainWindow::previewInPage()
{
    // The page is picked where its menu will be seen.
    if (!m_windows->preview->isVisible())
        miPreviewClick();
    m_windows->preview->chooseSitePage();
}

void MainWindow::spdItemStylesClick()
{
    m_windows->itemStyles->exec();
}

void MainWindow::wbScriptError(const ScriptError &error)
{
    if (m_project.LoadingData)
        dialogs().showError(tr("There is the error in the data file.\rThe menu won't be loaded correctly.\r"
                               "------------------------------------\r") +
                            scriptErrorText(error));
    else
        dialogs().showError(scriptErrorText(error));
}

void MainWindow::wbToolbarScriptError(const ScriptError &error)
{
    dialogs().showError(scriptErrorText(error));
}

void MainWindow::closeEvent(QCloseEvent *event)
{
    if (!AskSaveChanges()) {
        event->ignore();
        return;
    }
    // Written first: the window settings report a file that cannot be written.
    writeLinkFolders(settings->fileName(), m_project.linkFolders);
    writeSiteChoices(settings->fileName(), m_project.siteChoices);
    settings->write();
    event->accept();
    // The tool windows would otherwise keep the program running.
    QCoreApplication::quit();
}
