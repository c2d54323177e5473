// The Themes window's gallery: from asking for it to every theme's picture
// taken, for the Ostrel Menu's eight shipped themes with the first dozen
// items of a nested menu. The floor beside it, in the same run: one bare
// preview page of the same engine and items loaded in a view of its own.
// Beside them, the other way a gallery could go: eight views of their own,
// one page each, loaded at once.
// Prints `name: value` lines, each the median of several runs.

#include "benchsupport.h"
#include "app/application.h"
#include "page/webpage.h"
#include "preview/previewpage.h"
#include "preview/themesform.h"
#include "preview/themethumbnails.h"
#include "project/datafile/datasave.h"
#include "project/datafile/loadpage.h"
#include "project/model/menutypes.h"
#include "project/model/project.h"
#include "project/platform/tempfolder.h"
#include "project/platform/textfile.h"
#include "project/themes/themesample.h"

#include <QDir>
#include <QFile>
#include <QMap>

#include <cstdio>
#include <memory>
#include <vector>

namespace {

// The resident memory of this program's helper processes (the renderers and
// what starts them), in MB: every process below this one.
double helpersMb()
{
    QMap<qint64, qint64> parentOf;
    QMap<qint64, qint64> rssKb;
    for (const QString &pid : QDir(QStringLiteral("/proc")).entryList(QDir::Dirs)) {
        bool isPid = false;
        const qint64 id = pid.toLongLong(&isPid);
        if (!isPid)
            continue;
        QFile status(QStringLiteral("/proc/%1/status").arg(pid));
        if (!status.open(QIODevice::ReadOnly))
            continue;
        for (const QByteArray &line : status.readAll().split('\n')) {
            if (line.startsWith("PPid:"))
                parentOf[id] = line.mid(5).trimmed().toLongLong();
            else if (line.startsWith("VmRSS:"))
                rssKb[id] = line.mid(6).trimmed().split(' ').value(0).toLongLong();
        }
    }
    const qint64 self = QCoreApplication::applicationPid();
    qint64 total = 0;
    for (auto it = parentOf.cbegin(); it != parentOf.cend(); ++it) {
        qint64 up = it.value();
        while (up > 1 && up != self)
            up = parentOf.value(up, 0);
        if (up == self)
            total += rssKb.value(it.key());
    }
    return double(total) / 1024;
}

} // namespace

int main(int argc, char **argv)
{
    prepareHeadlessBench();
    Application app(argc, argv);

    MenuBenchProject bench;
    if (!bench.open(QStringLiteral(PLIVEX_BIN_DIR "/")))
        return 1;
    Project &project = bench.project;
    project.items().insertLeveled({}, 0, nestedMenu({6, 3}));
    const auto dataText = [&] { return BuildDataText(project, bench.params, bench.itemParams); };

    // The floor: one page of the same engine with the same items.
    const QString floorPath = previewTempFolder() + QStringLiteral("bench_floor.html");
    const QStringList engines = previewEngineNames(0);
    PreviewFill fill;
    fill.engine = fileAddress(project.ProgramFolder + engines.at(0));
    fill.data = themedDataText(QString(), 0, itemArrayOf(dataText(), menuTypes().at(0), TfrmThemes::kShownItems));
    fill.base = fileAddress(project.ProjectFolder);
    if (!writeFileSafely(floorPath, encodeText(assemblePreview(builtInPreviewTemplate(), fill))))
        return 1;
    WebPage bare(bench.gate);
    bare.widget()->resize(ThemeThumbnails::kPageSize);
    bare.widget()->show();

    TfrmThemes::Links links;
    links.dataText = dataText;
    TfrmThemes themes(bench.gate, project, links);
    int ready = 0;
    QObject::connect(&themes, &TfrmThemes::galleryReady, [&] { ++ready; });
    int loaded = 0;
    QObject::connect(&bare, &Page::documentComplete, [&] { ++loaded; });

    // The helpers with the parameter pages and the gallery's one sheet.
    {
        const int before = ready;
        themes.refresh();
        if (!waitFor([&] { return ready > before; }))
            return 1;
    }
    const double withSheetMb = helpersMb();
    std::vector<std::unique_ptr<WebPage>> views;
    int viewsLoaded = 0;
    for (int i = 0; i < 8; ++i) {
        views.push_back(std::make_unique<WebPage>(bench.gate));
        views.back()->widget()->resize(ThemeThumbnails::kPageSize);
        views.back()->widget()->show();
        QObject::connect(views.back().get(), &Page::documentComplete, [&] { ++viewsLoaded; });
    }

    std::vector<double> gallery, floor, cached, eightViews;
    double withViewsMb = 0;
    for (int run = 0; run < 6; ++run) {
        QElapsedTimer f;
        f.start();
        const int loadedBefore = loaded;
        bare.loadFile(floorPath);
        if (!waitFor([&] { return loaded > loadedBefore; }))
            return 1;
        const double floorMs = msSince(f);

        // A change of items: the gallery renders again.
        project.items().record(project.items().index(0, 0))->Params[0] = QStringLiteral("Home %1").arg(run);
        QElapsedTimer g;
        g.start();
        const int before = ready;
        themes.refresh();
        if (!waitFor([&] { return ready > before; })) {
            std::fprintf(stderr, "the gallery was not ready\n");
            return 1;
        }
        const double galleryMs = msSince(g);
        QElapsedTimer c;
        c.start();
        themes.refresh();
        if (!waitFor([&] { return ready > before + 1; }))
            return 1;
        const double cachedMs = msSince(c);
        QElapsedTimer v;
        v.start();
        const int viewsBefore = viewsLoaded;
        for (auto &view : views)
            view->loadFile(floorPath);
        if (!waitFor([&] { return viewsLoaded >= viewsBefore + 8; }))
            return 1;
        const double viewsMs = msSince(v);
        withViewsMb = std::max(withViewsMb, helpersMb());
        if (run > 0) { // the first run starts the renderers
            eightViews.push_back(viewsMs);
            floor.push_back(floorMs);
            gallery.push_back(galleryMs);
            cached.push_back(cachedMs);
            if (themes.thumbnails->lastRenderMs() != 0)
                std::fprintf(stderr, "the unchanged gallery was rendered again\n");
        }
    }
    std::printf("themes_gallery_ms: %.1f\n", median(gallery));
    std::printf("themes_gallery_floor_one_page_ms: %.1f\n", median(floor));
    std::printf("themes_gallery_ratio: %.2f\n", median(gallery) / median(floor));
    std::printf("themes_gallery_unchanged_ms: %.1f\n", median(cached));
    std::printf("eight_views_loaded_ms: %.1f\n", median(eightViews));
    std::printf("helpers_with_sheet_mb: %.0f\n", withSheetMb);
    std::printf("helpers_with_sheet_and_eight_views_mb: %.0f\n", withViewsMb);
    return 0;
}
