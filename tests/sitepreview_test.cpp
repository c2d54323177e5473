// The menu previewed in a page of the user's own site: what is served in
// place of the site's files, and a real page of the site in a real view,
// which reaches its site and nothing outside it.

#include "page/sitescheme.h"
#include "page/webpage.h"
#include "preview/sitepreview.h"
#include "support/testfiles.h"
#include "support/testmain.h"
#include "support/webharness.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

namespace {

bool makeFile(const QString &path, const QByteArray &text)
{
    return QDir().mkpath(QFileInfo(path).absolutePath()) && writeTestFile(path, text);
}

const QList<QPair<QString, QByteArray>> kEngines{{QStringLiteral("qrnmenu.js"), QByteArrayLiteral("/* engine */")}};

} // namespace

class SitePreviewTest : public QObject
{
    Q_OBJECT

private slots:
    void plan_servesTheLiveDataAndTheEngine_andAddsWhatThePageLacks_data()
    {
        QTest::addColumn<QString>("page");     // from the site folder
        QTest::addColumn<QByteArray>("html");
        QTest::addColumn<QStringList>("served"); // the paths served in place of the site's files
        QTest::addColumn<QString>("added");    // what the page gets, empty: served as it is
        QTest::newRow("a page that loads both, from a folder below")
            << "classes/hatha.html"
            << QByteArray("<html><head><script src=\"../js/qrnmenu.js\"></script></head>"
                          "<body><script src='../js/nav.js?v=2'></script></body></html>")
            << QStringList{"js/nav.js", "js/qrnmenu.js"} << QString();
        QTest::newRow("root-relative addresses, upper case, unquoted")
            << "index.html"
            << QByteArray("<HTML><HEAD><SCRIPT SRC=/js/qrnmenu.js></SCRIPT></HEAD><BODY><SCRIPT SRC=/js/nav.js></SCRIPT>")
            << QStringList{"js/nav.js", "js/qrnmenu.js"} << QString();
        QTest::newRow("a page without the menu")
            << "classes/hatha.html" << QByteArray("<html><body class=\"x\"><h1>Hatha</h1></body></html>")
            << QStringList{"js/nav.js", "js/qrnmenu.js", "classes/hatha.html"}
            << "<script src=\"../js/qrnmenu.js\"></script><script src=\"../js/nav.js\"></script>";
        QTest::newRow("a page with the data but without the engine")
            << "index.html" << QByteArray("<html><head><title>x</title></head><body><script src=\"js/nav.js\"></script>")
            << QStringList{"js/nav.js", "js/qrnmenu.js", "index.html"} << "<head><script src=\"js/qrnmenu.js\"></script>";
        QTest::newRow("another site's data file is not this one")
            << "index.html"
            << QByteArray("<body><script src=\"https://other.test/js/nav.js\"></script><script src=\"js/qrnmenu.js\">")
            << QStringList{"js/nav.js", "js/qrnmenu.js", "index.html"} << "<script src=\"js/nav.js\"></script>";
    }
    void plan_servesTheLiveDataAndTheEngine_andAddsWhatThePageLacks()
    {
        QFETCH(QString, page);
        QFETCH(QByteArray, html);
        QFETCH(QStringList, served);
        QFETCH(QString, added);
        QTemporaryDir dir;
        const QString site = dir.path() + QStringLiteral("/site/");
        QVERIFY(makeFile(site + page, html));
        const SitePreview plan =
            planSitePreview(site, site + page, site + QStringLiteral("js/nav.js"), "var live;", kEngines);
        QCOMPARE(plan.error, QString());
        QCOMPARE(plan.pagePath, page);
        QStringList paths = plan.overrides.keys();
        paths.sort();
        served.sort();
        QCOMPARE(paths, served);
        QCOMPARE(plan.overrides.value(QStringLiteral("js/nav.js")), QByteArray("var live;"));
        QCOMPARE(plan.scriptsAdded, !added.isEmpty());
        if (!added.isEmpty()) {
            const QByteArray shown = plan.overrides.value(page);
            QVERIFY2(shown.contains(added.toUtf8()), shown.constData());
            QVERIFY(shown.contains("Preview: this page does not load the menu"));
        }
    }

    void plan_refusesAPageOrADataFileOutsideTheSite()
    {
        QTemporaryDir dir;
        const QString site = dir.path() + QStringLiteral("/site/");
        QVERIFY(makeFile(site + QStringLiteral("index.html"), "<body>"));
        QVERIFY(makeFile(dir.path() + QStringLiteral("/other/index.html"), "<body>"));
        QVERIFY(!planSitePreview(site, dir.path() + QStringLiteral("/other/index.html"), site + QStringLiteral("nav.js"),
                                 {}, kEngines)
                     .error.isEmpty());
        QVERIFY(!planSitePreview(site, site + QStringLiteral("index.html"), dir.path() + QStringLiteral("/nav.js"), {},
                                 kEngines)
                     .error.isEmpty());
    }

    // A page of the site, with scripts of its own, tries every way out it
    // has: up the folders, an absolute path, an encoded climb, a link inside
    // that leads out, file: and the network. Only its own site answers.
    void sitePage_reachesItsSiteAndNothingOutside()
    {
        QTemporaryDir dir;
        const QString site = dir.path() + QStringLiteral("/site/");
        QVERIFY(makeFile(dir.path() + QStringLiteral("/outside.txt"), "secret"));
        QVERIFY(makeFile(site + QStringLiteral("css/a.css"), "h1 { color: rgb(1, 2, 3) }"));
        QVERIFY(makeFile(site + QStringLiteral("data/inside.txt"), "inside"));
        QVERIFY(QFile::link(dir.path() + QStringLiteral("/outside.txt"), site + QStringLiteral("data/link.txt")));
        const QByteArray tries =
            "['data/inside.txt', '/data/inside.txt', '../outside.txt', '/../outside.txt', 'data/%2e%2e/%2e%2e/outside.txt',"
            " 'data/link.txt', 'file://" + dir.path().toUtf8() + "/outside.txt', 'https://example.com/']";
        QVERIFY(makeFile(site + QStringLiteral("index.html"),
                         "<!DOCTYPE html><html><head><link rel=\"stylesheet\" href=\"/css/a.css\"></head><body><h1>Site</h1>"
                         "<script>window.results = null; Promise.all(" + tries + ".map(function (u) {"
                         " return new Promise(function (done) { var x = new XMLHttpRequest();"
                         " x.onload = function () { done(x.status === 200 ? x.responseText : 'refused'); };"
                         " x.onerror = function () { done('refused'); };"
                         " try { x.open('GET', u); x.send(); } catch (e) { done('refused'); } }); }))"
                         ".then(function (a) { window.results = a.join('|'); });"
                         "window.headColor = function () { return getComputedStyle(document.querySelector('h1')).color; };"
                         "</script></body></html>"));
        WebPage page(harness::gate());
        SiteScheme *scheme = page.siteScheme();
        QVERIFY(scheme);
        scheme->setRoot(site);
        scheme->clearOverrides();
        page.loadUrl(SiteScheme::urlOf(QStringLiteral("index.html")));
        QVERIFY(harness::waitForDocument(page));
        QVERIFY(harness::waitUntil([&] { return !page.value(QStringLiteral("results")).isNull(); }));
        QCOMPARE(page.value(QStringLiteral("results")).toString(),
                 QStringLiteral("inside|inside|refused|refused|refused|refused|refused|refused"));
        // The site's own style sheet, by its root-relative address.
        QCOMPARE(page.callText(QStringLiteral("headColor")), QStringLiteral("rgb(1, 2, 3)"));

        // The live data stands in place of the file, which stays as it was.
        scheme->setOverride(QStringLiteral("data/inside.txt"), "live");
        page.loadUrl(SiteScheme::urlOf(QStringLiteral("index.html")));
        QVERIFY(harness::waitForDocument(page));
        QVERIFY(harness::waitUntil([&] { return !page.value(QStringLiteral("results")).isNull(); }));
        QVERIFY(page.value(QStringLiteral("results")).toString().startsWith(QStringLiteral("live|live|refused")));
        QCOMPARE(readTestFile(site + QStringLiteral("data/inside.txt")), QByteArray("inside"));
        scheme->setRoot({});
    }
};

PLIVEX_TEST_MAIN(SitePreviewTest)
#include "sitepreview_test.moc"
