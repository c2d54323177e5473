// How long the window holds the user back while one of its pages hangs. In the
// real windows a user picks one item after another, a tenth of a second apart;
// each pick calls the pages. One page is hung with an endless loop, and the
// picks go on until the page has been found, ended and loaded again, and has
// answered five picks in a row.
//
// Prints per hung page the longest pick ("..._longest_pick_ms"), the time from
// the hang until the page answered again ("..._back_after_ms"), and beside
// them the median pick with every page well ("pick_floor_ms"), measured in
// the same run.

#include "benchsupport.h"
#include "app/application.h"
#include "app/consoledialogs.h"
#include "app/itemtreepanel.h"
#include "app/itemtreeview.h"
#include "app/mainwindow.h"
#include "app/programwindows.h"
#include "project/platform/programfolder.h"
#include "editors/itemparamsform.h"
#include "preview/menutypeform.h"
#include "page/webpage.h"
#include "project/model/project.h"
#include "project/lifecycle/projectcontroller.h"

#include <QElapsedTimer>
#include <QItemSelectionModel>
#include <QTest>
#include <QWebEnginePage>
#include <QWebEngineView>

#include <cstdio>
#include <vector>

namespace {

struct HangRun
{
    double longestPickMs = 0;
    double backAfterMs = -1;
};

class PickLoop
{
public:
    PickLoop(MainWindow *frm, Project *project)
        : m_frm(frm)
        , m_project(project)
    {
    }

    // One pick of the next item, as a click in the tree makes it; answers
    // how long the window was busy with it.
    double pick()
    {
        const int count = m_project->items().rowCount();
        m_next = (m_next + 1) % count;
        QElapsedTimer t;
        t.start();
        // A failed call ends the pick as the general error report ends a
        // click's handling.
        try {
            m_frm->itemPanel->vtItems->selectionModel()->setCurrentIndex(m_project->items().index(m_next, 0),
                                                                         QItemSelectionModel::ClearAndSelect);
            // What the pick set going from the event loop belongs to it too.
            QCoreApplication::processEvents();
        } catch (const PageError &) {
            ++failed;
        }
        return msSince(t);
    }

    int failed = 0;

private:
    MainWindow *m_frm;
    Project *m_project;
    int m_next = 0;
};

// Waits `ms` in the event loop, as the time between two of the user's clicks.
void pause(int ms)
{
    QElapsedTimer t;
    t.start();
    waitFor([&] { return t.elapsed() >= ms; }, ms + 1000);
}

HangRun hang(WebPage *page, PickLoop &picks, const std::function<bool()> &answers)
{
    HangRun run;
    const qint64 hung = page->view()->page()->renderProcessPid();
    page->view()->page()->runJavaScript(QStringLiteral("for (;;) {}"));
    QElapsedTimer since;
    since.start();
    int goodInARow = 0;
    while (goodInARow < 5 && since.elapsed() < 120000) {
        run.longestPickMs = std::max(run.longestPickMs, picks.pick());
        const bool back = page->view()->page()->renderProcessPid() != hung && page->hasDocument() && answers();
        if (back && run.backAfterMs < 0)
            run.backAfterMs = since.elapsed();
        goodInARow = back ? goodInARow + 1 : 0;
        pause(100);
    }
    return run;
}

} // namespace

int main(int argc, char **argv)
{
    prepareHeadlessBench();
    Application app(argc, argv);
    ConsoleDialogs boxes;
    setDialogs(&boxes);

    ProgramWindows windows(programFolder());
    MainWindow *frm = windows.main;
    windows.menuType->cbMenu0Click(0);
    windows.menuType->spdApplyClick();
    frm->controller->loadDefault();
    Page *itemPage = windows.itemParams->wbItemParams;
    if (!QTest::qWaitFor([&] { return frm->wb->hasDocument() && itemPage->hasDocument(); }, 30000)) {
        std::fprintf(stderr, "the pages did not load\n");
        return 1;
    }
    PickLoop picks(frm, &windows.project);
    for (int i = 0; i < 20; ++i) // warm up
        picks.pick();
    std::vector<double> floor;
    for (int i = 0; i < 40; ++i)
        floor.push_back(picks.pick());
    std::printf("pick_floor_ms: %.2f\n", median(floor));

    const auto answers = [](Page *page) {
        return [page] {
            try {
                page->callText(QStringLiteral("qrn_takeEdits"));
                return true;
            } catch (const PageError &) {
                return false;
            }
        };
    };
    const HangRun item = hang(static_cast<WebPage *>(itemPage), picks, answers(itemPage));
    std::printf("item_page_longest_pick_ms: %.0f\n", item.longestPickMs);
    std::printf("item_page_back_after_ms: %.0f\n", item.backAfterMs);
    const HangRun params = hang(static_cast<WebPage *>(frm->wb), picks, answers(frm->wb));
    std::printf("parameter_page_longest_pick_ms: %.0f\n", params.longestPickMs);
    std::printf("parameter_page_back_after_ms: %.0f\n", params.backAfterMs);
    std::printf("answer_limit_ms: %d\n", Page::kAnswerLimitMs);
    std::printf("picks_failed: %d\n", picks.failed);
    return item.backAfterMs < 0 || params.backAfterMs < 0 ? 1 : 0;
}
