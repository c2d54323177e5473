#include "app/sitebuild.h"

#include "app/application.h"
#include "app/audit.h"
#include "app/commandline.h"
#include "app/consoledialogs.h"
#include "app/consoleoutput.h"
#include "page/pagearg.h"
#include "page/webpage.h"
#include "preview/previewpage.h"
#include "project/datafile/dataopen.h"
#include "project/datafile/datasave.h"
#include "project/datafile/datatextscan.h"
#include "project/checks/localpaths.h"
#include "project/model/menutypes.h"
#include "project/import/navimport.h"
#include "project/site/pageinstall.h"
#include "project/model/project.h"
#include "project/lifecycle/headlessproject.h"
#include "project/lifecycle/projectcontroller.h"
#include "project/platform/textfile.h"
#include "project/themes/themes.h"
#include "project/site/sitelinks.h"
#include "project/checks/valuecheck.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QScopeGuard>

namespace {

struct SiteBuildText
{
    Q_DECLARE_TR_FUNCTIONS(SiteBuild)
};

// The one wording of each failure, whichever option meets it.
QString cannotRead(const QString &path, const QString &reason)
{
    return SiteBuildText::tr("can't read %1: %2").arg(path, reason);
}

QString cannotWrite(const QString &path, const QString &reason)
{
    return SiteBuildText::tr("can't write %1: %2").arg(path, reason);
}

QString typeName(int type)
{
    return menuTypes().at(static_cast<size_t>(type)).name;
}

// The whole file, or false after saying why not.
bool readInput(const QString &path, QByteArray &bytes)
{
    CappedRead read = readCapped(path, kMaxDataFileSize);
    if (!read.ok()) {
        printErrorLine(cannotRead(path, read.reason()));
        return false;
    }
    bytes = std::move(read.bytes);
    return true;
}

// The output file's folder must exist: a build that names a wrong folder is
// told so, not given a new folder.
bool outputFolderExists(const QString &path)
{
    const QFileInfo folder(QFileInfo(path).absolutePath());
    if (folder.isDir())
        return true;
    printErrorLine(cannotWrite(path, SiteBuildText::tr("the folder %1 does not exist").arg(folder.filePath())));
    return false;
}

// The type to read the text as, or -1 after saying why it cannot be read as
// any. A --type the file contradicts is a finding, not a choice.
int typeToReadAs(const CommandLine &cl, const QString &text)
{
    const int named = MenuTypeNamedIn(text);
    const int fileType = menuTypeOfDataText(text);
    if (cl.menuType >= 0) {
        const int other = named >= 0 && named != cl.menuType ? named : OtherMenuTypeIn(text, cl.menuType);
        if (other >= 0) {
            printErrorLine(SiteBuildText::tr("%1: a data file of the %2, but --type names the %3; "
                                             "leave --type out to read it as the file says")
                               .arg(cl.file, typeName(other), typeName(cl.menuType)));
            return -1;
        }
        return cl.menuType;
    }
    const int type = fileType >= 0 ? fileType : 0;
    const int called = OtherMenuTypeIn(text, type);
    if (called >= 0) {
        printErrorLine(SiteBuildText::tr("%1: the file names the %2 but starts the %3; "
                                         "give --type to read it as one of them")
                           .arg(cl.file, typeName(type), typeName(called)));
        return -1;
    }
    return type;
}

int writeOutput(const QString &path, const QByteArray &bytes)
{
    if (!outputFolderExists(path))
        return 2;
    QString reason;
    if (!writeFileSafely(path, bytes, &reason)) {
        printErrorLine(cannotWrite(path, reason));
        return 2;
    }
    return 0;
}

// The project's pages loaded for `type`; false after saying which is missing.
bool loadPages(HeadlessProject &headless, int type)
{
    const QString missing = headless.controller().missingTypePage(type);
    if (!missing.isEmpty()) {
        printErrorLine(cannotRead(missing, SiteBuildText::tr("the program's page is missing")));
        return false;
    }
    return headless.controller().setMenuType(type);
}

int runImport(const CommandLine &cl, ConsoleDialogs &console, const QString &programFolder)
{
    QByteArray bytes;
    if (!readInput(cl.file, bytes))
        return 2;
    const QString text = decodeText(bytes);
    bytes.clear();
    QStringList sitemaps;
    if (navimport::isSitemapIndex(text, &sitemaps)) {
        printErrorLine(asOneLine(navimport::sitemapIndexMessage(cl.file, sitemaps)));
        return 1;
    }
    const int type = cl.menuType < 0 ? 0 : cl.menuType;
    // The page's current item keeps its state in the data file too.
    const QList<LeveledItem> items = navimport::fromFile(text, menuTypes().at(static_cast<size_t>(type)).stateParam);
    if (items.isEmpty()) {
        printErrorLine(SiteBuildText::tr("%1: no navigation links were found").arg(cl.file));
        return 1;
    }
    HeadlessProject headless(programFolder, reportError);
    if (!loadPages(headless, type))
        return 2;
    headless.controller().newProject();
    Project &project = headless.project;
    project.items().insertLeveled({}, 0, items, project.menuType().maxLevels);
    const QString data = BuildDataText(project, headless.params(), headless.itemParams());
    if (console.errors > 0)
        return 1;
    printOutputLine(SiteBuildText::tr("items: %1").arg(project.items().count()));
    return writeOutput(cl.output, encodeText(data));
}

// The themes of each type, or of --type: "NAME" lines under --type, else
// "TYPE-FOLDER: NAME"; a user's own theme is marked "(yours)", as in the
// Themes window, and --theme takes the line as it is.
int runListThemes(const CommandLine &cl, const QString &programFolder)
{
    for (int type = 0; type < kMenuTypeCount; ++type) {
        if (cl.menuType >= 0 && type != cl.menuType)
            continue;
        for (const Theme &theme : listThemes(type, programFolder)) {
            const QString name = themeLabel(theme);
            printOutputLine(cl.menuType >= 0 ? name : menuTypes().at(static_cast<size_t>(type)).folder + QStringLiteral(": ") + name);
        }
    }
    return 0;
}

// Gives the project read from cl.file the look of the theme cl.theme.
int applyNamedTheme(const CommandLine &cl, HeadlessProject &headless)
{
    const Project &project = headless.project;
    const QList<Theme> themes = listThemes(project.MenuType, project.ProgramFolder);
    const Theme *theme = findTheme(themes, cl.theme);
    if (!theme) {
        printErrorLine(SiteBuildText::tr("no theme \"%1\" for the %2; plivex --list-themes --type %3 lists them")
                           .arg(cl.theme, typeName(project.MenuType))
                           .arg(project.MenuType));
        return 1;
    }
    QByteArray bytes;
    if (!readInput(theme->path, bytes))
        return 2;
    if (!headless.controller().applyTheme(DataTextFromBytes(bytes))) {
        printErrorLine(SiteBuildText::tr("%1: the theme could not be read completely").arg(theme->path));
        return 1;
    }
    return 0;
}

// Each page on its own: a page that cannot take the block is named and left
// as it was, and the others are still written. The worst outcome is the exit
// code.
int installIntoPages(const CommandLine &cl, const MenuInstall &menu, const QString &programFolder)
{
    QList<PageInstall> plans;
    int worst = 0;
    bool writes = false;
    for (const QString &page : cl.pages) {
        PageInstall plan = planPageInstall(menu, page);
        if (!plan.fileError.isEmpty()) {
            printErrorLine(plan.fileError);
            worst = 2;
        } else if (plan.placement.outcome == PagePlacement::Outcome::Refused) {
            printErrorLine(SiteBuildText::tr("%1: the menu can't be placed in it safely: %2; it was left as it was")
                               .arg(plan.path, plan.placement.reason));
            worst = qMax(worst, 1);
        } else if (plan.placement.outcome == PagePlacement::Outcome::Unchanged) {
            printOutputLine(SiteBuildText::tr("%1: up to date").arg(plan.path));
        } else {
            writes = true;
            plans << plan;
        }
    }
    // The engines go first, so no page is written that loads a missing one.
    const QStringList engines = writes ? missingEngineFiles(menu) : QStringList();
    for (const QString &engine : engines)
        printOutputLine(QStringLiteral("%1: %2").arg(engine, cl.dryRun
                                                                 ? SiteBuildText::tr("would be copied from the program")
                                                                 : SiteBuildText::tr("copied from the program")));
    if (cl.dryRun) {
        for (const PageInstall &plan : plans)
            printOutputLine(pageInstallDiff(plan));
        return worst;
    }
    QString error;
    if (!engines.isEmpty() && !copyMissingEngineFiles(menu, programFolder, &error)) {
        printErrorLine(error);
        return 2;
    }
    for (const PageInstall &plan : plans) {
        const QString &page = plan.path;
        if (!writePageInstall(plan, &error)) {
            printErrorLine(cannotWrite(page, error));
            worst = 2;
            continue;
        }
        printOutputLine(SiteBuildText::tr("%1: menu written (the page as it was: %1~)").arg(page));
    }
    return worst;
}

int runRead(const CommandLine &cl, ConsoleDialogs &console, const QString &programFolder)
{
    if (!cl.site.isEmpty() && !QFileInfo(cl.site).isDir()) {
        printErrorLine(SiteBuildText::tr("%1: no such folder (--site)").arg(cl.site));
        return 2;
    }
    QByteArray bytes;
    if (!readInput(cl.file, bytes))
        return 2;
    QString text = DataTextFromBytes(bytes);
    bytes.clear();
    const int type = typeToReadAs(cl, text);
    if (type < 0)
        return 1;
    if (!definesMenu(text, type)) {
        printErrorLine(SiteBuildText::tr("%1: not a menu data file of the %2: it defines no %3")
                           .arg(cl.file, typeName(type), menuTypes().at(static_cast<size_t>(type)).itemArrayName));
        return 1;
    }
    if (cl.mode != CommandLine::Mode::Check && cl.mode != CommandLine::Mode::Audit &&
        cl.mode != CommandLine::Mode::Install && !outputFolderExists(cl.output))
        return 2;

    HeadlessProject headless(programFolder, reportError);
    if (!loadPages(headless, type))
        return 2;
    Project &project = headless.project;
    WebPage &params = headless.params();
    int scriptErrors = 0;
    QObject::connect(&params, &Page::scriptError, &params, [&](const ScriptError &e) {
        // Only errors of the file itself; the pages are ours.
        if (!project.LoadingData)
            return;
        ++scriptErrors;
        printLocatedError(QStringLiteral("%1:%2:%3: %4: %5").arg(cl.file).arg(e.line).arg(e.column).arg(e.code, e.message));
    });
    const DataRead read = headless.controller().readText(text, QString());
    // A page of ours that failed says nothing about the file: nothing is
    // written from such a read.
    if (!read.pageFailure.isEmpty()) {
        // Whoever runs a build wants to know which page and call failed.
        printErrorLine(SiteBuildText::tr("%1: the read failed in the program's page: %2")
                           .arg(cl.file, asOneLine(read.pageFailureDetail)));
        return 2;
    }
    for (const QString &finding : read.findings)
        printLocatedError(cl.file + QStringLiteral(": ") + finding);
    if (cl.mode == CommandLine::Mode::Check || cl.mode == CommandLine::Mode::Convert) {
        printOutputLine(SiteBuildText::tr("items: %1").arg(project.items().count()));
        printOutputLine(SiteBuildText::tr("item styles: %1").arg(project.ItemStyles.size()));
        printOutputLine(SiteBuildText::tr("submenu styles: %1").arg(project.SubmenuStyles.size()));
    }
    // A value the engines cannot use is a finding like a script error: the
    // file stays readable, but no output is made from it.
    const QList<BadValue> badValues = FindBadValues(project, params);
    for (const BadValue &bad : badValues)
        printLocatedError(cl.file + SiteBuildText::tr(": bad value: ") + describeBadValue(bad));
    // A full path of this machine works nowhere else: a finding of the check.
    QList<LocalPath> localPaths;
    if (cl.mode == CommandLine::Mode::Check)
        localPaths = FindLocalPaths(project, params);
    for (const LocalPath &found : localPaths)
        printLocatedError(cl.file + SiteBuildText::tr(": local path: ") + asOneLine(describeLocalPath(found)));
    // So is a link that leads to no file of the site. A file that lies in
    // no site (no index.html above it, no --site) has nothing to be checked
    // against: a data file kept apart from its pages is no fault.
    QList<LocalPath> brokenLinks;
    const QString dataFile = QFileInfo(cl.file).absoluteFilePath();
    const QString site = !cl.site.isEmpty() ? QFileInfo(cl.site).absoluteFilePath() + QLatin1Char('/')
                                            : siteFolderAbove(dataFile);
    if (cl.mode == CommandLine::Mode::Check && !site.isEmpty()) {
        project.CurrentFileName = dataFile;
        project.setLinksFromDataFile(params.callText(QStringLiteral("qrn_getLinkBase"), {kOmitted}) ==
                                     QLatin1String("data"));
        brokenLinks = FindBrokenLinks(project, params, site);
    }
    for (const LocalPath &found : brokenLinks)
        printLocatedError(cl.file + SiteBuildText::tr(": broken link: ") + asOneLine(describeLocalPath(found)));
    const bool clean = read.complete && scriptErrors == 0 && console.errors == 0 && badValues.isEmpty() &&
                       localPaths.isEmpty() && brokenLinks.isEmpty();
    if (!clean)
        return 1;
    if (cl.mode == CommandLine::Mode::Audit)
        return auditMenu(headless.gate(), project, params, cl.file);
    if (cl.mode == CommandLine::Mode::Install)
        return installIntoPages(cl, readMenuInstall(project, params, cl.file), programFolder);
    if (cl.mode == CommandLine::Mode::Theme) {
        if (const int failed = applyNamedTheme(cl, headless))
            return failed;
        if (console.errors > 0)
            return 1;
    }
    if (cl.mode == CommandLine::Mode::Convert || cl.mode == CommandLine::Mode::Theme)
        return writeOutput(cl.output, encodeText(BuildDataText(project, params, headless.itemParams())));
    if (cl.mode == CommandLine::Mode::Preview) {
        QString error;
        if (!exportPreview(project.ProgramFolder, type, cl.file, cl.output, &error)) {
            printErrorLine(error);
            return 2;
        }
    }
    return 0;
}

} // namespace

int menuTypeOfDataText(const QString &text)
{
    const int named = MenuTypeNamedIn(text);
    return named >= 0 ? named : OtherMenuTypeIn(text, -1);
}

bool definesMenu(const QString &text, int type)
{
    return AssignsName(text, menuTypes().at(static_cast<size_t>(type)).itemArrayName);
}

int runSiteBuild(const CommandLine &cl, const QString &programFolder)
{
    ConsoleDialogs console;
    console.subject = cl.file;
    Dialogs *previous = setDialogs(&console);
    const auto restore = qScopeGuard([previous] { setDialogs(previous); });
    try {
        if (cl.mode == CommandLine::Mode::ListThemes)
            return runListThemes(cl, programFolder);
        return cl.mode == CommandLine::Mode::Import ? runImport(cl, console, programFolder)
                                                    : runRead(cl, console, programFolder);
    } catch (const PageError &e) {
        printErrorLine(QStringLiteral("%1: %2").arg(cl.file, asOneLine(e.debugText())));
        return 2;
    }
}
