// Measures the cost of page calls in a real headless view: one call, a
// thousand single calls, and a thousand calls in one batch. Prints one figure
// a line ("name: value"), each the median of several runs.

#include "benchsupport.h"
#include "app/application.h"
#include "page/pagegate.h"
#include "page/webpage.h"

#include <QElapsedTimer>
#include <QTest>
#include <QWebEngineView>

#include <algorithm>
#include <cstdio>
#include <vector>

int main(int argc, char **argv)
{
    prepareHeadlessBench();
    Application app(argc, argv);

    PageGate gate;
    WebPage page(gate);
    page.view()->resize(800, 600);
    page.view()->show();
    page.loadFile(QStringLiteral(PLIVEX_BENCH_DATA_DIR "bench.html"));
    if (!QTest::qWaitFor([&] { return page.hasDocument(); }, 30000)) {
        std::fprintf(stderr, "bench page did not load\n");
        return 1;
    }
    const QString fn = QStringLiteral("getItemParam");
    for (int i = 0; i < 200; ++i) // warm up
        page.callText(fn, {i, i % 11});

    std::vector<double> single;
    for (int i = 0; i < 500; ++i) {
        QElapsedTimer t;
        t.start();
        page.callText(fn, {i, i % 11});
        single.push_back(msSince(t));
    }

    std::vector<double> thousand;
    for (int run = 0; run < 5; ++run) {
        QElapsedTimer t;
        t.start();
        for (int i = 0; i < 1000; ++i)
            page.callText(fn, {i, i % 11});
        thousand.push_back(msSince(t));
    }

    QList<PageArgs> lists;
    for (int i = 0; i < 1000; ++i)
        lists << PageArgs{i, i % 11};
    std::vector<double> batch;
    for (int run = 0; run < 9; ++run) {
        QElapsedTimer t;
        t.start();
        const QStringList r = page.callBatchText(fn, lists);
        batch.push_back(msSince(t));
        if (r.size() != 1000)
            return 1;
    }

    std::printf("single_call_median_ms: %.3f\n", median(single));
    std::printf("calls_1000_ms: %.1f\n", median(thousand));
    std::printf("batch_1000_ms: %.2f\n", median(batch));
    return 0;
}
