#include "support/webharness.h"

#include "app/application.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QPointer>
#include <QSignalSpy>
#include <QTimer>
#include <QTest>
#include <QWebEngineView>

namespace harness {

QString runtimeDir()
{
    return QStringLiteral(PLIVEX_RUNTIME_DIR);
}

QString testDataDir()
{
    return QStringLiteral(PLIVEX_TEST_DATA_DIR);
}

bool waitUntil(const std::function<bool()> &done, int ms)
{
    if (done())
        return true;
    QEventLoop loop;
    QTimer poll;
    QTimer deadline;
    deadline.setSingleShot(true);
    QObject::connect(&poll, &QTimer::timeout, &loop, [&] {
        if (done())
            loop.quit();
    });
    QObject::connect(&deadline, &QTimer::timeout, &loop, &QEventLoop::quit);
    poll.start(5);
    deadline.start(ms);
    loop.exec();
    return done();
}

bool waitForDocument(Page &page, int ms)
{
    return waitUntil([&] { return page.hasDocument(); }, ms);
}

PageGate &gate()
{
    static QPointer<PageGate> gate;
    if (!gate) {
        gate = new PageGate(reportError);
        gate->setParent(QCoreApplication::instance());
    }
    return *gate;
}

std::unique_ptr<WebPage> openPage(const QString &path)
{
    auto page = std::make_unique<WebPage>(gate());
    page->view()->resize(800, 600);
    page->view()->show();
    // Wait for the completion signal itself, so that it is not delivered
    // later into the test's own spies.
    QSignalSpy complete(page.get(), &Page::documentComplete);
    page->loadFile(path);
    if (!complete.wait(30000) && complete.isEmpty())
        qWarning("The page %s did not load.", qPrintable(path));
    return page;
}

QString loadedPagePath(Page *page)
{
    return static_cast<WebPage *>(page)->view()->url().toLocalFile();
}

} // namespace harness
