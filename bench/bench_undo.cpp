// Undo on a 2,000-item project in the real windows and pages: recording the
// state after a change, and undoing that change. Prints "record_2000_ms" and
// "undo_2000_ms", each the median of several runs.

#include "benchsupport.h"
#include "app/application.h"
#include "app/itemtreepanel.h"
#include "app/itemtreeview.h"
#include "app/mainwindow.h"
#include "app/programwindows.h"
#include "project/platform/programfolder.h"
#include "app/startup.h"
#include "preview/menutypeform.h"
#include "page/page.h"
#include "project/model/itemedits.h"
#include "project/model/project.h"
#include "project/lifecycle/projectcontroller.h"
#include "project/history/projecthistory.h"

#include <QElapsedTimer>
#include <QItemSelectionModel>
#include <QTest>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <vector>

int main(int argc, char **argv)
{
    prepareHeadlessBench();
    Application app(argc, argv);

    ProgramWindows windows(programFolder());
    MainWindow *frm = windows.main;
    Project *project = &windows.project;
    windows.menuType->cbMenu0Click(0);
    windows.menuType->spdApplyClick();
    frm->controller->loadDefault();
    if (!QTest::qWaitFor([frm] { return frm->wb->hasDocument(); }, 30000)) {
        std::fprintf(stderr, "the pages did not load\n");
        return 1;
    }
    project->items().clear();
    project->items().insertLeveled({}, 0, threeLevelMenu(2000));
    frm->history->reset();

    std::vector<double> record, undo;
    for (int run = 0; run < 7; ++run) {
        frm->itemPanel->vtItems->selectionModel()->setCurrentIndex(project->items().index(run, 0),
                                                         QItemSelectionModel::ClearAndSelect);
        frm->itemPanel->itemEdits->MoveDown();
        QElapsedTimer t;
        t.start();
        frm->history->flush();
        record.push_back(t.nsecsElapsed() / 1e6);
        t.restart();
        if (!frm->history->Undo() || project->items().count() != 2000)
            return 1;
        undo.push_back(t.nsecsElapsed() / 1e6);
    }
    std::printf("record_2000_ms: %.1f\n", median(record));
    std::printf("undo_2000_ms: %.1f\n", median(undo));
    return 0;
}
