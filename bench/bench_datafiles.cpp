// Saves and opens projects of 1,000, 2,000 and 5,000 items with three styles
// through the real pages of the Ostrel Menu, as the save and open commands
// do. Prints "save_N_ms" and "open_N_ms", each the median of several runs.

#include "benchsupport.h"
#include "app/application.h"
#include "page/webpage.h"
#include "project/dataopen.h"
#include "project/datasave.h"
#include "project/menutypes.h"
#include "project/programfolder.h"
#include "project/project.h"

#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QTest>
#include <QWebEngineView>

#include <algorithm>
#include <cstdio>
#include <memory>
#include <vector>

namespace {

std::unique_ptr<WebPage> openPage(const QString &path)
{
    auto page = std::make_unique<WebPage>();
    page->view()->resize(800, 600);
    page->view()->show();
    page->loadFile(path);
    if (!QTest::qWaitFor([&] { return page->hasDocument(); }, 30000))
        return nullptr;
    return page;
}

// n items in a tree three levels deep, every parameter filled.
void fill(Project &project, int n)
{
    project.items().clear();
    QList<LeveledItem> items = threeLevelMenu(n);
    for (int i = 0; i < n; ++i) {
        items[i].item.Params[3] = QStringLiteral("Tooltip of item %1").arg(i);
        items[i].item.Params[6] = QString::number(i % 3);
    }
    project.items().insertLeveled({}, 0, items);
    project.ItemStyles.clear();
    for (int s = 0; s < 3; ++s)
        project.ItemStyles << TStyle{QStringLiteral("Style %1").arg(s), QStringLiteral("var menuItemTextColor=\"#112233\";"),
                                     QStringLiteral("[\"menuItemTextColor=#112233\",\"menuItemFont=bold 12px Arial\"]")};
}

} // namespace

int main(int argc, char **argv)
{
    prepareHeadlessBench();
    Application app(argc, argv);

    const QString folder = programFolder();
    auto params = openPage(folder + pagePath(0, QStringLiteral("params.html")));
    auto itemParams = openPage(folder + pagePath(0, QStringLiteral("itemparams.html")));
    if (!params || !itemParams) {
        std::fprintf(stderr, "the pages did not load from %s\n", qPrintable(folder));
        return 1;
    }
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("bench.js"));
    Project project;
    for (const int n : {1000, 2000, 5000}) {
        std::vector<double> save, open, build;
        for (int run = 0; run < 7; ++run) {
            fill(project, n);
            QElapsedTimer t;
            t.start();
            if (!WriteDataFile(project, *params, *itemParams, path))
                return 1;
            save.push_back(t.nsecsElapsed() / 1e6);
            t.restart();
            BuildDataText(project, *params, *itemParams);
            build.push_back(t.nsecsElapsed() / 1e6);

            project.items().clear();
            project.ItemStyles.clear();
            t.restart();
            params->call(QStringLiteral("qrn_reCreateParams"), {kOmitted});
            if (!ReadDataFile(project, *params, *itemParams, path) || project.items().count() != n ||
                project.ItemStyles.size() != 3)
                return 1;
            open.push_back(t.nsecsElapsed() / 1e6);
        }
        std::printf("save_%d_ms: %.1f\n", n, median(save));
        std::printf("open_%d_ms: %.1f\n", n, median(open));
        std::printf("build_%d_ms: %.1f\n", n, median(build));
    }
    return 0;
}
