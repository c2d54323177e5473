#include "app/startup.h"

#include "app/application.h"
#include "app/commandline.h"
#include "app/linkfoldersettings.h"
#include "project/platform/dialogs.h"
#include "app/mainwindow.h"
#include "app/programwindows.h"
#include "app/windowsettings.h"
#include "editors/itemparamsform.h"
#include "preview/previewform.h"
#include "preview/menutypeform.h"
#include "app/consoleoutput.h"
#include "app/sitebuild.h"
#include "app/translations.h"
#include "project/platform/programfolder.h"
#include "project/model/project.h"
#include "project/lifecycle/projectcontroller.h"
#include "project/lifecycle/recoveryoffer.h"

#include <QCoreApplication>
#include <QFile>
#include <QLoggingCategory>
#include <QLocale>
#include <QTimer>
#include <QtGlobal>

#include <cstdio>
#include <unistd.h>

namespace {

struct StartupText
{
    Q_DECLARE_TR_FUNCTIONS(Startup)
};

bool hasDisplay()
{
    return !qEnvironmentVariableIsEmpty("DISPLAY") || !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") ||
           !qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM");
}

QStringList rawArguments(int argc, char **argv)
{
    QStringList out;
    for (int i = 1; i < argc; ++i)
        out << QString::fromLocal8Bit(argv[i]);
    return out;
}

} // namespace

void setUpWebEngine()
{
    QByteArray flags = qgetenv("QTWEBENGINE_CHROMIUM_FLAGS");
    // A page in a hidden window (the item parameters or the styles, closed)
    // still takes the program's calls and reports the changes they make
    // through short timers. Chromium would hold those timers back for a
    // second while the page is hidden, so the project would learn of a
    // change late, after the next step had begun.
    for (const QByteArray &flag : {QByteArrayLiteral("--disable-background-timer-throttling"),
                                  QByteArrayLiteral("--disable-renderer-backgrounding")})
        if (!flags.contains(flag))
            flags += ' ' + flag;
    const bool debug = !qEnvironmentVariableIsEmpty("PLIVEX_DEBUG");
    if (!debug && !flags.contains("--log-level"))
        flags += " --log-level=3";
    qputenv("QTWEBENGINE_CHROMIUM_FLAGS", flags.trimmed());
    if (debug)
        return;
    // The rules of QT_LOGGING_RULES still come after these.
    QLoggingCategory::setFilterRules(QStringLiteral("default.info=false\nqt.webenginecontext.info=false"));
}

void startProject(ProgramWindows &windows, const CommandLine &cl)
{
    if (dialogs().programEnding())
        return;
    // A project a crash or a killed session left unsaved is offered at every
    // start; it brings its own menu type.
    RecoveryFile::Contents recovered;
    std::optional<RecoveryFile> left = offerRecovery(recovered);
    int type = cl.menuType;
    if (left)
        type = recovered.menuType;
    else if (type < 0 && !cl.file.isEmpty())
        type = MenuTypeNamedInFile(cl.file);
    if (type < 0)
        type = windows.menuType->choose(TfrmMenuType::Cancel::Applies).value_or(0);
    if (!windows.main->controller->setMenuType(type))
        return;
    if (left) {
        windows.main->controller->restore(recovered, std::move(*left));
        // The named file comes through Open, which asks about the restored
        // changes first.
        if (!cl.file.isEmpty())
            windows.main->controller->open(cl.file);
        return;
    }
    windows.main->controller->start(cl.file);
}

int runProgram(int argc, char **argv, const QString &programFolder)
{
    const CommandLine early = parseCommandLine(rawArguments(argc, argv));
    if (early.help) {
        std::fputs(qPrintable(commandLineHelp()), stdout);
        return 0;
    }
    if (early.version) {
        std::printf("plivex %s\n", PLIVEX_VERSION);
        return 0;
    }
    if (!early.error.isEmpty()) {
        std::fprintf(stderr, "plivex: %s\n%s", qPrintable(early.error), qPrintable(commandLineHelp()));
        return 2;
    }
    const bool siteBuild = early.mode != CommandLine::Mode::Editor;
    if (siteBuild) {
        // No window is shown: no display is needed.
        if (!hasDisplay())
            qputenv("QT_QPA_PLATFORM", "offscreen");
        if (qEnvironmentVariableIsEmpty("QT_LOGGING_RULES"))
            qputenv("QT_LOGGING_RULES", "qt.webenginecontext.debug=false;qt.webenginecontext.info=false;js.debug=false");
        keepOnlyOwnOutput();
    } else if (!hasDisplay()) {
        std::fprintf(stderr, "plivex: %s\n",
                     qPrintable(StartupText::tr("no display found (DISPLAY is not set); to run without a screen, "
                                                "start it under Xvfb: xvfb-run -a %1")
                                    .arg(QString::fromLocal8Bit(argv[0]))));
        return 1;
    }
    // Chromium will not run its sandbox for root; the editor only shows
    // local pages, so run without it there rather than not at all.
    if (::geteuid() == 0 && qEnvironmentVariableIsEmpty("QTWEBENGINE_DISABLE_SANDBOX"))
        qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
    setUpWebEngine();
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);

    Application app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("plivex"));
    QCoreApplication::setApplicationVersion(QStringLiteral(PLIVEX_VERSION));
    // The title is not set as Qt's display name, which would be appended to
    // every window caption; the main window carries it itself.
    QGuiApplication::setDesktopFileName(QStringLiteral("plivex"));
    QGuiApplication::setQuitOnLastWindowClosed(false);

    // Qt has taken its own options out of the arguments by now.
    const CommandLine cl = parseCommandLine(QCoreApplication::arguments().mid(1));
    if (!cl.error.isEmpty()) {
        printErrorLine(cl.error);
        return 2;
    }

    const QString folder = programFolder.isEmpty() ? ::programFolder() : programFolder;
    const Translations translations(app, Translations::folderBeside(folder));
    if (siteBuild)
        return runSiteBuild(cl, folder);

    ProgramWindows windows(folder);
    windows.main->settings->read();
    readLinkFolders(windows.main->settings->fileName(), windows.project.linkFolders);
    readSiteChoices(windows.main->settings->fileName(), windows.project.siteChoices);
    windows.main->EnableMainMenu(false);
    startProject(windows, cl);
    if (dialogs().programEnding())
        return 1;
    windows.main->EnableMainMenu(true);
    windows.itemParams->show();
    windows.preview->show();
    windows.main->show();
    return app.exec();
}
