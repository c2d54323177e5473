// Preview rebuild time on a 1,000-item Ostrel Menu: from the countdown's end
// to the new page's menu standing in the preview, with the data text written
// through the real parameter pages. Prints `name: value` lines, each the
// median of several runs.

#include "benchsupport.h"
#include "app/application.h"
#include "page/webpage.h"
#include "preview/previewform.h"
#include "project/datafile/datasave.h"
#include "project/datafile/loadpage.h"
#include "project/model/menutypes.h"
#include "project/model/project.h"

#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>
#include <QWebEnginePage>
#include <QWebEngineView>

#include <algorithm>
#include <cstdio>
#include <vector>

int main(int argc, char **argv)
{
    prepareHeadlessBench();
    Application app(argc, argv);

    MenuBenchProject bench;
    if (!bench.open(QStringLiteral(PLIVEX_BIN_DIR "/")))
        return 1;
    Project &project = bench.project;
    WebPage &params = bench.params;
    WebPage &itemParams = bench.itemParams;
    project.items().insertLeveled({}, 0, nestedMenu({100, 9}));

    TfrmPreview preview(bench.gate, project, [&] { return BuildDataText(project, params, itemParams); });
    preview.resize(800, 600);
    preview.show();
    int ready = 0;
    QElapsedTimer t;
    double readyAt = 0;
    QObject::connect(&preview, &TfrmPreview::pageReady, [&] {
        ++ready;
        readyAt = msSince(t);
    });
    auto *page = static_cast<WebPage *>(preview.wbPreview)->view()->page();
    // The menu stands when the bar holds the last section.
    auto menuStands = [&] {
        bool done = false, shown = false;
        page->runJavaScript(QStringLiteral("document.body.textContent.indexOf('Section 99')>=0"), [&](const QVariant &v) {
            shown = v.toBool();
            done = true;
        });
        waitFor([&] { return done; });
        return shown;
    };

    std::vector<double> rebuild, dataText;
    for (int run = 0; run < 8; ++run) {
        const int before = ready;
        t.start();
        // What the countdown's end does.
        preview.spdUpdatePreviewClick();
        if (!waitFor([&] { return ready > before; }) || !menuStands()) {
            std::fprintf(stderr, "the preview did not show the menu\n");
            return 1;
        }
        if (run > 0) // the first run warms the pages and the engine up
            rebuild.push_back(readyAt);
        QElapsedTimer d;
        d.start();
        BuildDataText(project, params, itemParams);
        dataText.push_back(msSince(d));
    }
    std::printf("preview_rebuild_1000_ms: %.1f\n", median(rebuild));
    std::printf("data_text_1000_ms: %.1f\n", median(dataText));
    return 0;
}
