// Saves and opens projects of 1,000, 2,000 and 5,000 items with three styles
// through the real pages of the Ostrel Menu, as the save and open commands
// do. Prints "save_N_ms" and "open_N_ms", each the median of several runs,
// and for 5,000 items the floors measured in the same run, so the ratios do
// not depend on the machine:
//   open_5000_floor_ms  the same text evaluated in a bare page of the same
//                       web engine, all its values returned in one call;
//   save_5000_floor_ms  the same text built by one pass over the model and
//                       one page call for the parameters, then written.
// The ratios are those of the medians and, as *_pair_ratio, the median of
// each figure's ratio to the floor measured right before it, which a
// machine busy with other work disturbs less.
// Every run's menu differs from the last, so each open is of a text the web
// engine has not seen, as a file opened is. A text it has seen compiles from
// its cache in a fraction of the time, for the floor as for the reader:
// open_5000_again_* is the same file opened once more, beside the floor of
// the same text evaluated once more.
// reader_read_after_read_ms is an empty read right after another: the wait
// for the fresh document the first one left, which a reused document would
// not need.
#include "benchsupport.h"
#include "app/application.h"
#include "page/readerpage.h"
#include "page/pagegate.h"
#include "page/webpage.h"
#include "project/datafile/datatextscan.h"
#include "project/platform/textfile.h"
#include "project/datafile/dataopen.h"
#include "project/datafile/datasave.h"
#include "project/model/menutypes.h"
#include "project/platform/programfolder.h"
#include "project/model/project.h"

#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <QWebEngineView>

#include <algorithm>
#include <cstdio>
#include <memory>
#include <vector>

namespace {

std::unique_ptr<WebPage> openPage(PageGate &gate, const QString &path)
{
    auto page = std::make_unique<WebPage>(gate);
    page->view()->resize(800, 600);
    page->view()->show();
    page->loadFile(path);
    if (!QTest::qWaitFor([&] { return page->hasDocument(); }, 30000))
        return nullptr;
    return page;
}

// n items in a tree three levels deep, every parameter filled; `edition`
// makes the texts differ from those of other editions.
void fill(Project &project, int n, int edition)
{
    project.items().clear();
    QList<LeveledItem> items = threeLevelMenu(n);
    for (int i = 0; i < n; ++i) {
        items[i].item.Params[3] = QStringLiteral("Tooltip of item %1 (%2)").arg(i).arg(edition);
        items[i].item.Params[6] = QString::number(i % 3);
    }
    project.items().insertLeveled({}, 0, items);
    project.ItemStyles.clear();
    for (int s = 0; s < 3; ++s)
        project.ItemStyles << TStyle{QStringLiteral("Style %1").arg(s), QStringLiteral("var menuItemTextColor=\"#112233\";"),
                                     QStringLiteral("[\"menuItemTextColor=#112233\",\"menuItemFont=bold 12px Arial\"]")};
}

// The floor's page: nothing but a function that runs a text and returns the
// values of the names asked for in one JSON text.
const char kBarePage[] = R"HTML(<!DOCTYPE html><html><head></head><body><script>
function readAll(text, names) {
  var s = document.createElement('script');
  s.text = text;
  document.head.appendChild(s);
  var out = {};
  names.split('\n').forEach(function (n) { try { out[n] = (0, eval)(n); } catch (e) {} });
  return JSON.stringify(out);
}
</script></body></html>)HTML";

double openFloor(WebPage &bare, const QString &text, const QStringList &names)
{
    QElapsedTimer t;
    t.start();
    const QString json = bare.callText(QStringLiteral("readAll"), {text, names.join(QLatin1Char('\n'))});
    const double ms = msSince(t);
    return json.size() > 1000 ? ms : -1;
}

// One pass over the model writing each item's element, the parameters from
// the page in one call, and the file written.
double saveFloor(const Project &project, Page &params, const QString &path)
{
    QElapsedTimer t;
    t.start();
    QString out = params.callText(QStringLiteral("qrn_getParamsList"), {QString()});
    out += QStringLiteral("\r\nvar menuItems = [\r\n");
    project.items().walk([&out](const QModelIndex &, const TItem &item, int level) {
        out += QLatin1Char('[') + jsStringLiteral(QString(level, QLatin1Char('|')) + item.Params[0]);
        for (size_t p = 1; p < item.Params.size(); ++p)
            out += QLatin1Char(',') + jsStringLiteral(item.Params[p]);
        out += QStringLiteral("],\r\n");
    });
    out += QStringLiteral("];\r\n");
    if (!writeFileSafely(path, encodeText(out)))
        return -1;
    return msSince(t);
}

// Lets what the previous step left to the pages' renderers (a document
// being replaced, a page going) end before the next step is timed.
void settle()
{
    QTest::qWait(30);
}

} // namespace

int main(int argc, char **argv)
{
    prepareHeadlessBench();
    Application app(argc, argv);
    PageGate gate;

    const QString folder = programFolder();
    auto params = openPage(gate, folder + pagePath(0, QStringLiteral("params.html")));
    auto itemParams = openPage(gate, folder + pagePath(0, QStringLiteral("itemparams.html")));
    if (!params || !itemParams) {
        std::fprintf(stderr, "the pages did not load from %s\n", qPrintable(folder));
        return 1;
    }
    WebPage bare(gate, nullptr, WebPage::Kind::Isolated);
    bare.loadHtml(QString::fromUtf8(kBarePage), QUrl());
    const MenuType &type = menuTypes().at(0);
    const QStringList names = params->callText(QStringLiteral("qrn_getDataNames"),
                                               {type.itemArrayName, type.styleArrayName, type.submenuStyleArrayName})
                                  .split(QLatin1Char('\r'));
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("bench.js"));
    const QString floorPath = dir.filePath(QStringLiteral("floor.js"));
    Project project;
    for (const int n : {1000, 2000, 5000}) {
        std::vector<double> save, open, build, saveFloors, openFloors, saveRatios, openRatios, documents;
        std::vector<double> openAgain, openAgainFloors, openAgainRatios;
        // Opens the file as the program does once it has emptied the project.
        auto timedOpen = [&]() -> double {
            project.items().clear();
            project.ItemStyles.clear();
            settle();
            QElapsedTimer t;
            t.start();
            if (!ReadDataFile(project, *params, *itemParams, path) || project.items().count() != n ||
                project.ItemStyles.size() != 3)
                return -1;
            return msSince(t);
        };
        for (int run = 0; run < 9; ++run) {
            fill(project, n, n * 100 + run);
            // Each floor is measured right before its figure, so a pair
            // shares what the machine was doing at the time.
            if (n == 5000) {
                settle();
                saveFloors.push_back(saveFloor(project, *params, floorPath));
            }
            settle();
            QElapsedTimer t;
            t.start();
            if (!WriteDataFile(project, *params, *itemParams, path))
                return 1;
            save.push_back(t.nsecsElapsed() / 1e6);
            t.restart();
            BuildDataText(project, *params, *itemParams);
            build.push_back(t.nsecsElapsed() / 1e6);

            QString text;
            if (n == 5000) {
                QFile file(path);
                if (!file.open(QIODevice::ReadOnly))
                    return 1;
                text = CommentOutStartCall(DataTextFromBytes(file.readAll()), 0);
                settle();
                openFloors.push_back(openFloor(bare, text, names));
            }
            open.push_back(timedOpen());
            if (open.back() < 0)
                return 1;
            if (n != 5000)
                continue;
            settle();
            openAgainFloors.push_back(openFloor(bare, text, names));
            openAgain.push_back(timedOpen());
            if (openAgain.back() < 0)
                return 1;
            saveRatios.push_back(save.back() / saveFloors.back());
            openRatios.push_back(open.back() / openFloors.back());
            openAgainRatios.push_back(openAgain.back() / openAgainFloors.back());
            // A fresh reader document, as each read leaves for the next.
            ReaderPage reader(gate);
            reader.read(QString(), {});
            t.restart();
            reader.read(QString(), {});
            documents.push_back(msSince(t));
        }
        std::printf("save_%d_ms: %.1f\n", n, median(save));
        std::printf("open_%d_ms: %.1f\n", n, median(open));
        std::printf("build_%d_ms: %.1f\n", n, median(build));
        if (n == 5000) {
            std::printf("save_5000_floor_ms: %.1f\n", median(saveFloors));
            std::printf("open_5000_floor_ms: %.1f\n", median(openFloors));
            std::printf("save_5000_ratio: %.2f\n", median(save) / median(saveFloors));
            std::printf("open_5000_ratio: %.2f\n", median(open) / median(openFloors));
            std::printf("save_5000_pair_ratio: %.2f\n", median(saveRatios));
            std::printf("open_5000_pair_ratio: %.2f\n", median(openRatios));
            std::printf("open_5000_again_ms: %.1f\n", median(openAgain));
            std::printf("open_5000_again_floor_ms: %.1f\n", median(openAgainFloors));
            std::printf("open_5000_again_ratio: %.2f\n", median(openAgain) / median(openAgainFloors));
            std::printf("open_5000_again_pair_ratio: %.2f\n", median(openAgainRatios));
            std::printf("reader_read_after_read_ms: %.1f\n", median(documents));
        }
    }
    return 0;
}
