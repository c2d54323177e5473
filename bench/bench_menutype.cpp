// The menu type window: how long "Select Menu Type" takes to show the window,
// and how long a chosen type takes from "Ok" until the window has closed and
// the type's default project stands in the item tree and the parameter
// page, beside a bare page load measured in the same run (an empty page in
// a fresh view, up to its first answered call). Prints `name: value` lines,
// each the median of several runs.

#include "benchsupport.h"
#include "app/application.h"
#include "app/mainwindow.h"
#include "app/programwindows.h"
#include "page/pagearg.h"
#include "page/pagegate.h"
#include "page/webpage.h"
#include "preview/menutypeform.h"
#include "project/platform/dialogs.h"
#include "project/datafile/loadpage.h"
#include "project/platform/programfolder.h"
#include "project/lifecycle/projectcontroller.h"

#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QTimer>

#include <cstdio>
#include <vector>


int main(int argc, char **argv)
{
    prepareHeadlessBench();
    Application app(argc, argv);
    PageGate gate;
    FailingDialogs failing;
    setDialogs(&failing);

    // The floor: an empty page in a view of its own, up to its first answer.
    QTemporaryDir dir;
    const QString empty = dir.filePath(QStringLiteral("empty.html"));
    QFile f(empty);
    if (!f.open(QIODevice::WriteOnly) || f.write("<!DOCTYPE html><title>x</title><body></body>") < 0)
        return 1;
    f.close();
    std::vector<double> bare;
    for (int run = 0; run < 6; ++run) {
        QElapsedTimer t;
        t.start();
        WebPage page(gate);
        page.loadFile(empty);
        page.callText(QStringLiteral("eval"), {QStringLiteral("document.title")});
        if (run > 0) // the first run starts the engine
            bare.push_back(msSince(t));
    }

    ProgramWindows windows(QStringLiteral(PLIVEX_BIN_DIR "/"));
    windows.main->show();
    std::vector<double> shown, applied;
    for (int run = 0; run < 9; ++run) {
        const int type = (run + 1) % kMenuTypeCount;
        // "Select Menu Type": the window is up when its first paint is due.
        QElapsedTimer t;
        double shownAt = -1;
        QTimer poll;
        poll.setInterval(1);
        QObject::connect(&poll, &QTimer::timeout, [&] {
            if (shownAt < 0 && windows.menuType->isVisible()) {
                shownAt = msSince(t);
                // "Ok" on the chosen type, as the user clicks it.
                windows.menuType->cbMenu0Click(type);
                t.start();
                windows.menuType->spdApplyClick();
            }
        });
        poll.start();
        t.start();
        const int result = windows.menuType->exec();
        windows.main->controller->loadDefault();
        // The default project stands once the parameter page answers.
        windows.main->wb->callText(QStringLiteral("qrn_getKeysList"), {kOmitted});
        const double appliedAt = msSince(t);
        poll.stop();
        if (result != QDialog::Accepted || shownAt < 0 || dialogs().programEnding()) {
            std::fprintf(stderr, "the menu type window did not apply type %d\n", type);
            return 1;
        }
        if (run > 0) { // the first run warms the engine up
            shown.push_back(shownAt);
            applied.push_back(appliedAt);
        }
    }
    std::printf("bare_page_load_ms: %.1f\n", median(bare));
    std::printf("menutype_window_shown_ms: %.1f\n", median(shown));
    std::printf("menutype_apply_ms: %.1f\n", median(applied));
    std::printf("menutype_apply_per_bare_page_load: %.2f\n", median(applied) / median(bare));
    return 0;
}
