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
#include "project/datasave.h"
#include "project/loadpage.h"
#include "project/menutypes.h"
#include "project/project.h"
#include "project/tempfolder.h"
#include "project/textfile.h"
#include "project/themesample.h"

#include <QEventLoop>
#include <QTimer>

#include <cstdio>
#include <memory>
#include <vector>

int main(int argc, char **argv)
{
    prepareHeadlessBench();
    Application app(argc, argv);

    Project project;
    project.ProgramFolder = QStringLiteral(PLIVEX_BIN_DIR "/");
    project.ProjectFolder = project.ProgramFolder;
    project.MenuType = 0;
    WebPage params;
    WebPage itemParams;
    if (!LoadPage(&params, project.ProgramFolder + pagePath(0, QStringLiteral("params.html"))) ||
        !LoadPage(&itemParams, project.ProgramFolder + pagePath(0, QStringLiteral("itemparams.html"))))
        return 1;
    project.items().insertLeveled({}, 0, nestedMenu({6, 3}));
    const auto dataText = [&] { return BuildDataText(project, params, itemParams); };

    // The floor: one page of the same engine with the same items.
    const QString floorPath = previewTempFolder() + QStringLiteral("bench_floor.html");
    const QStringList engines = previewEngineNames(0);
    PreviewFill fill;
    fill.engine = fileAddress(project.ProgramFolder + engines.at(0));
    fill.data = themedDataText(QString(), 0, itemArrayOf(dataText(), menuTypes().at(0), TfrmThemes::kShownItems));
    fill.base = fileAddress(project.ProjectFolder);
    if (!writeFileSafely(floorPath, encodeText(assemblePreview(builtInPreviewTemplate(), fill))))
        return 1;
    WebPage bare;
    bare.widget()->resize(ThemeThumbnails::kPageSize);
    bare.widget()->show();

    TfrmThemes::Links links;
    links.dataText = dataText;
    TfrmThemes themes(project, links);
    int ready = 0;
    QObject::connect(&themes, &TfrmThemes::galleryReady, [&] { ++ready; });
    int loaded = 0;
    QObject::connect(&bare, &Page::documentComplete, [&] { ++loaded; });

    std::vector<std::unique_ptr<WebPage>> views;
    int viewsLoaded = 0;
    for (int i = 0; i < 8; ++i) {
        views.push_back(std::make_unique<WebPage>());
        views.back()->widget()->resize(ThemeThumbnails::kPageSize);
        views.back()->widget()->show();
        QObject::connect(views.back().get(), &Page::documentComplete, [&] { ++viewsLoaded; });
    }

    std::vector<double> gallery, floor, cached, eightViews;
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
        QElapsedTimer v;
        v.start();
        const int viewsBefore = viewsLoaded;
        for (auto &view : views)
            view->loadFile(floorPath);
        if (!waitFor([&] { return viewsLoaded >= viewsBefore + 8; }))
            return 1;
        const double viewsMs = msSince(v);
        if (run > 0) { // the first run starts the renderers
            eightViews.push_back(viewsMs);
            floor.push_back(floorMs);
            gallery.push_back(galleryMs);
            cached.push_back(msSince(c));
            if (themes.thumbnails->lastRenderMs() != 0)
                std::fprintf(stderr, "the unchanged gallery was rendered again\n");
        }
    }
    std::printf("themes_gallery_ms: %.1f\n", median(gallery));
    std::printf("themes_gallery_floor_one_page_ms: %.1f\n", median(floor));
    std::printf("themes_gallery_ratio: %.2f\n", median(gallery) / median(floor));
    std::printf("themes_gallery_unchanged_ms: %.1f\n", median(cached));
    std::printf("eight_views_loaded_ms: %.1f\n", median(eightViews));
    return 0;
}
