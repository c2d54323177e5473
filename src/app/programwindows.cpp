#include "app/programwindows.h"

#include "app/itemtreepanel.h"
#include "app/inifile.h"
#include "app/mainwindow.h"
#include "app/windowsettings.h"
#include "app/saveprojectform.h"
#include "controls/backgroundtile.h"
#include "editors/fontform.h"
#include "editors/itemparamsform.h"
#include "editors/itemstylesform.h"
#include "preview/aboutform.h"
#include "preview/menutypeform.h"
#include "preview/previewform.h"
#include "preview/themesform.h"
#include "page/page.h"
#include "page/pagearg.h"
#include "project/datafile/datasave.h"
#include "project/datafile/dataopen.h"
#include "project/model/itemedits.h"
#include "project/model/menutypes.h"
#include "project/lifecycle/projectcontroller.h"
#include "project/platform/textfile.h"

#include <QAction>
#include <QCheckBox>
#include <QFile>

ProgramWindows::ProgramWindows(const QString &programFolder)
{
    project.ProgramFolder = programFolder;
    project.ProjectFolder = programFolder;
    backgroundTile();
    main = new MainWindow(gate, project, channel);
    menuType = new TfrmMenuType(project, main);
    font = new TfrmFont(gate, main);
    about = new TfrmAbout(main);
    itemParams = new TfrmItemParams(gate, project, channel, *main->itemPanel->itemEdits, main);
    preview = new TfrmPreview(
        gate, project, [this] { return BuildDataText(project, *main->wb, *itemParams->wbItemParams); }, main);
    saveProject = new TfrmSaveProject(gate, project, main);
    StyleEdits::Links styleLinks;
    styleLinks.SetIndividualStyles = [this](int kind) { itemParams->SetIndividualStyles(kind); };
    styleLinks.SendItemParams = [this] { main->itemPanel->itemEdits->SendItemParams(); };
    // The styles window's own slot: its pages read a changed style back
    // themselves.
    styleLinks.pageCommand = [this, slot = QString()](Page *view, const QString &text) mutable {
        return channel.statusTextChanged(view, text, slot);
    };
    styleLinks.menuValues = [this] { return main->wb->callText(QStringLiteral("qrn_getMenuValues"), {kOmitted}); };
    itemStyles = new TfrmItemStyles(gate, project, std::move(styleLinks), main);
    main->setWindows(*this);
    makeThemesWindow();
    channel.addHandler(QStringLiteral("font"), [this](PageCommandCall &call) {
        if (const std::optional<QString> chosen = font->choose(call.value))
            call.value = *chosen;
    });
    channel.setProjectCommandRunner([this](const QString &id) { main->RunProjectCommand(id); });
    about->setBackgroundImage(menuType->BackgroundImage);
    QObject::connect(itemParams, &TfrmItemParams::closedByUser, main, [this] { main->miItemParams->setChecked(false); });
    // Every load, reset and save can give the project another links folder.
    QObject::connect(main->controller, &ProjectController::captionChanged, itemParams, &TfrmItemParams::showLinksFolder);
    QObject::connect(preview, &TfrmPreview::closedByUser, main, [this] { main->miPreview->setChecked(false); });
}

ProgramWindows::~ProgramWindows()
{
    // The handlers above reach into the windows.
    channel.removeHandler(QStringLiteral("font"));
    channel.removeHandler(QStringLiteral("command"));
    delete main;
}

void ProgramWindows::makeThemesWindow()
{
    TfrmThemes::Links links;
    links.dataText = [this] { return BuildDataText(project, *main->wb, *itemParams->wbItemParams); };
    links.apply = [this](const QString &themeText) { return main->controller->applyTheme(themeText); };
    // A new project has no items: the type's default project lends its own.
    links.sampleText = [this] {
        const CappedRead read = readCapped(project.ProgramFolder + defaultProjectPath(project.MenuType), kMaxDataFileSize);
        return read.ok() ? DataTextFromBytes(read.bytes) : QString();
    };
    themes = new TfrmThemes(gate, project, std::move(links), {}, main);
    // "Show after New" is kept with the other settings.
    const QString settingsFile = main->settings->fileName();
    IniFile ini;
    ini.load(settingsFile);
    // untranslated: the settings file's section and key
    themes->cbShowAfterNew->setChecked(ini.readInteger(QStringLiteral("Themes"), QStringLiteral("ShowAfterNew"), 1) != 0);
    QObject::connect(themes->cbShowAfterNew, &QCheckBox::toggled, themes, [settingsFile](bool on) {
        IniFile file;
        file.load(settingsFile);
        file.writeInteger(QStringLiteral("Themes"), QStringLiteral("ShowAfterNew"), on ? 1 : 0);
        file.save(settingsFile);
    });
}
