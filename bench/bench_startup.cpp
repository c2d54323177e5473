// Start-up time: from starting the program to the main window shown with the
// default project in the item tree and the preview's menu standing. The
// program runs as a child process of this one (started with --type 0, so no
// one has to pick the menu type), over a program folder of its own whose
// runtime files are links to the staged ones. Prints `name: value` lines.

#include "benchsupport.h"
#include "app/mainwindow.h"
#include "app/startup.h"
#include "page/webpage.h"
#include "preview/previewform.h"
#include "project/platform/dialogs.h"
#include "project/platform/programfolder.h"
#include "project/model/project.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTimer>
#include <QWebEnginePage>
#include <QWebEngineView>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

const char kChild[] = "PLIVEX_BENCH_STARTUP_CHILD";


// Watches the child's windows once the application exists; says "ready" when
// the preview shows the first item of the loaded default project.
void watchStartup()
{
    if (!qEnvironmentVariableIsSet(kChild))
        return;
    auto *poll = new QTimer(QCoreApplication::instance());
    poll->setInterval(2);
    QObject::connect(poll, &QTimer::timeout, [poll] {
        static FailingDialogs failing;
        setDialogs(&failing);
        // The windows are start-up's own; the bench finds them as a user sees them.
        MainWindow *main = nullptr;
        for (QWidget *w : QApplication::topLevelWidgets())
            if (auto *m = qobject_cast<MainWindow *>(w))
                main = m;
        TfrmPreview *preview = main ? main->findChild<TfrmPreview *>() : nullptr;
        if (!preview)
            return;
        poll->stop();
        QObject::connect(preview, &TfrmPreview::pageReady, preview, [main, preview] {
            const ItemTree &items = main->project().items();
            if (!main->isVisible() || items.count() == 0)
                return;
            const QString first = items.index(0, 0).data().toString();
            auto *page = static_cast<WebPage *>(preview->wbPreview)->view()->page();
            page->runJavaScript(QStringLiteral("document.body.textContent.indexOf(%1)>=0")
                                    .arg(QStringLiteral("\"%1\"").arg(first)),
                                [](const QVariant &shown) {
                                    if (!shown.toBool())
                                        return;
                                    std::printf("ready\n");
                                    std::fflush(stdout);
                                    QCoreApplication::exit(0);
                                });
        });
    });
    poll->start();
}

Q_COREAPP_STARTUP_FUNCTION(watchStartup)

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsSet(kChild)) {
        return runProgram(argc, argv, qEnvironmentVariable(kChild));
    }

    QCoreApplication app(argc, argv);
    QTemporaryDir folder;
    const QString runtime = QStringLiteral(PLIVEX_BIN_DIR "/");
    for (const QString &name : QDir(runtime).entryList(QDir::AllEntries | QDir::NoDotAndDotDot))
        if (name != QLatin1String("plivex") && name != QLatin1String("plivex.ini"))
            QFile::link(runtime + name, folder.path() + QLatin1Char('/') + name);

    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QString::fromLatin1(kChild), folder.path() + QLatin1Char('/'));
    if (!env.contains(QStringLiteral("DISPLAY")) && !env.contains(QStringLiteral("QT_QPA_PLATFORM")))
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    std::vector<double> runs;
    for (int run = 0; run < 5; ++run) {
        QProcess child;
        child.setProcessEnvironment(env);
        child.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        QElapsedTimer t;
        t.start();
        child.start(QCoreApplication::applicationFilePath(), {QStringLiteral("--type"), QStringLiteral("0")});
        bool ready = false;
        while (!ready && child.waitForReadyRead(30000))
            ready = child.readAll().contains("ready");
        const double ms = t.nsecsElapsed() / 1e6;
        child.waitForFinished(30000);
        if (!ready) {
            std::fprintf(stderr, "the program did not get ready (exit code %d)\n", child.exitCode());
            return 1;
        }
        runs.push_back(ms);
    }
    std::printf("startup_ready_first_ms: %.0f\n", runs.front());
    std::printf("startup_ready_ms: %.0f\n", median(runs));
    return 0;
}
