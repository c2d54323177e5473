// Putting the menu's block into a site's pages: where it goes in markup the
// program did not write, what it refuses, the plain list of links, the diff
// shown before writing, and the write with its backup.

#include "project/site/navlist.h"
#include "project/site/pageinstall.h"
#include "project/site/pageplacement.h"
#include "project/site/textdiff.h"
#include "support/testfiles.h"
#include "support/testmain.h"

#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

namespace {

const PageBlock kBlock{QStringLiteral("nav.js"), QStringLiteral("Quorna Ostrel Menu"),
                       QStringLiteral("<script src=\"js/nav.js\"></script>\n<noscript>list</noscript>")};

QByteArray blockOf(const PageBlock &block, const QByteArray &indent = {}, const QByteArray &newline = "\n")
{
    QByteArray text = "<!--" + blockBeginComment(block).toLatin1() + "-->";
    for (const QString &line : block.lines.split(QLatin1Char('\n')))
        text += newline + indent + line.toLatin1();
    return text + newline + indent + "<!--" + blockEndComment(block).toLatin1() + "-->";
}

MenuInstall menuIn(const QString &dataFile, bool linksFromDataFile, const QList<NavEntry> &entries)
{
    MenuInstall menu;
    menu.dataFile = dataFile;
    menu.linksFromDataFile = linksFromDataFile;
    menu.entries = entries;
    return menu;
}

// The hrefs of a block's list, in order.
QStringList hrefsIn(const QString &lines)
{
    QStringList hrefs;
    static const QRegularExpression href(QStringLiteral("href=\"([^\"]*)\""));
    for (auto it = href.globalMatch(lines); it.hasNext();)
        hrefs << it.next().captured(1);
    return hrefs;
}

} // namespace

class PageInstallTest : public QObject
{
    Q_OBJECT

private slots:
    void placeBlock_findsTheBodyAndTheBlockInAnyMarkup_data()
    {
        QTest::addColumn<QByteArray>("page");
        QTest::addColumn<QByteArray>("expected");
        const QByteArray block = blockOf(kBlock);
        QTest::newRow("at the start of the body, its indentation kept")
            << QByteArray("<html>\n<body>\n  <h1>Hi</h1>\n</body></html>\n")
            << "<html>\n<body>\n  " + blockOf(kBlock, "  ") + "\n  <h1>Hi</h1>\n</body></html>\n";
        QTest::newRow("a body tag with a \">\" in a quoted attribute, in capitals")
            << QByteArray("<BODY data-x='a>b' CLASS=\"c\"><p>x")
            << "<BODY data-x='a>b' CLASS=\"c\">\n" + block + "<p>x";
        QTest::newRow("\"<body\" in a comment, a script and a title comes before the body")
            << QByteArray("<title><body></title><!-- <body> --><script>var s='<body>';</script><body><p>x")
            << "<title><body></title><!-- <body> --><script>var s='<body>';</script><body>\n" + block + "<p>x";
        QTest::newRow("the block where the user moved it, written again in place")
            << QByteArray("<body><p>top</p>\n    <!-- Quorna Ostrel Menu \"nav.js\": begin. old -->\n    <script src=\"old.js\"></script>"
                          "\n    <!-- Quorna Ostrel Menu \"nav.js\": end -->\n<p>end</p>")
            << "<body><p>top</p>\n    " + blockOf(kBlock, "    ") + "\n<p>end</p>";
        QTest::newRow("another menu's block is left alone")
            << QByteArray("<body><!-- Quorna Ostrel Tabs \"tabs.js\": begin --><script src=\"tabs.js\"></script>"
                          "<!-- Quorna Ostrel Tabs \"tabs.js\": end --></body>")
            << "<body>\n" + block +
                   "<!-- Quorna Ostrel Tabs \"tabs.js\": begin --><script src=\"tabs.js\"></script>"
                   "<!-- Quorna Ostrel Tabs \"tabs.js\": end --></body>";
        QTest::newRow("a base element without an address moves nothing")
            << QByteArray("<head><base target=\"_top\"></head><body>") << "<head><base target=\"_top\"></head><body>\n" + block;
        QTest::newRow("a data script in a comment loads nothing")
            << QByteArray("<body><!-- <script src=\"nav.js\"></script> --></body>")
            << "<body>\n" + block + "<!-- <script src=\"nav.js\"></script> --></body>";
        QTest::newRow("CRLF lines, and Windows-1252 bytes kept as they were")
            << QByteArray("<body>\r\n<p>Caf\xE9</p>\r\n</body>")
            << "<body>\r\n" + blockOf(kBlock, "", "\r\n") + "\r\n<p>Caf\xE9</p>\r\n</body>";
    }
    void placeBlock_findsTheBodyAndTheBlockInAnyMarkup()
    {
        QFETCH(QByteArray, page);
        QFETCH(QByteArray, expected);
        const PagePlacement placed = placeBlock(page, kBlock);
        QCOMPARE(placed.outcome, PagePlacement::Outcome::Changed);
        QCOMPARE(placed.page, expected);
        // A second run finds its own block and changes nothing.
        const PagePlacement again = placeBlock(placed.page, kBlock);
        QCOMPARE(again.outcome, PagePlacement::Outcome::Unchanged);
        QVERIFY(again.blockFound);
    }

    void placeBlock_refusesWhatItCannotPlaceSafely_data()
    {
        QTest::addColumn<QByteArray>("page");
        QTest::addColumn<QString>("reason");
        const QByteArray block = blockOf(kBlock);
        QTest::newRow("no body tag") << QByteArray("<html><head></head><p>x</p></html>") << QStringLiteral("no <body> tag");
        QTest::newRow("only a body in a comment") << QByteArray("<!-- <body> --><p>x") << QStringLiteral("no <body> tag");
        QTest::newRow("a frameset") << QByteArray("<frameset><frame src=a.html></frameset><body>") << QStringLiteral("frameset");
        QTest::newRow("two blocks") << "<body>" + block + "<p>x</p>" + block << QStringLiteral("2 blocks of nav.js");
        QTest::newRow("a begin without an end")
            << QByteArray("<body><!-- Quorna Ostrel Menu \"nav.js\": begin --><p>x") << QStringLiteral("lost its begin or end");
        QTest::newRow("an end before its begin")
            << QByteArray("<body><!-- Quorna Ostrel Menu \"nav.js\": end --><!-- Quorna Ostrel Menu \"nav.js\": begin -->")
            << QStringLiteral("lost its begin or end");
        QTest::newRow("the data script loaded by the page itself")
            << QByteArray("<head><script src=\"../js/NAV.js?v=2\"></script></head><body>") << QStringLiteral("loads nav.js already");
        QTest::newRow("a base address") << QByteArray("<head><base href=\"/shop/\"></head><body>") << QStringLiteral("<base>");
        QTest::newRow("a comment that never ends") << QByteArray("<body><!-- <p>") << QStringLiteral("never ends");
        QTest::newRow("a tag that never ends") << QByteArray("<body class=\"x>") << QStringLiteral("never ends");
        QTest::newRow("UTF-16") << QByteArray("\xFF\xFE<\0b\0o\0d\0y\0>\0", 14) << QStringLiteral("not a text page");
    }
    void placeBlock_refusesWhatItCannotPlaceSafely()
    {
        QFETCH(QByteArray, page);
        QFETCH(QString, reason);
        const PagePlacement placed = placeBlock(page, kBlock);
        QCOMPARE(placed.outcome, PagePlacement::Outcome::Refused);
        QVERIFY2(placed.reason.contains(reason), qPrintable(placed.reason));
        QVERIFY(placed.page.isEmpty());
    }

    void placeBlock_deepAndHugeMarkup_isReadInOnePass()
    {
        // Someone else's page: a million unclosed tags and a long script.
        QByteArray page = "<html><body>" + QByteArray("<div>").repeated(1000000) + "<script>" +
                          QByteArray("if (a<b) x();\n").repeated(100000) + "</script>";
        const PagePlacement placed = placeBlock(page, kBlock);
        QCOMPARE(placed.outcome, PagePlacement::Outcome::Changed);
        QVERIFY(placed.page.startsWith("<html><body>\n<!--"));
        QCOMPARE(placed.page.size(), page.size() + 1 + blockOf(kBlock).size());
    }

    void navList_nestsItemsByLevel_andWritesOnlyAscii()
    {
        const QString html = navListHtml({{0, QStringLiteral("Home"), QStringLiteral("index.html"), {}, {}},
                                          {0, QStringLiteral("<b>Caf\u00E9</b> &amp; more"), QStringLiteral("a\"b.html"),
                                           QStringLiteral("_blank"), QStringLiteral("Tip <i>x</i>")},
                                          {2, QStringLiteral("Deep"), QStringLiteral("deep.html"), {}, {}},
                                          {1, QStringLiteral("-"), {}, {}, {}},
                                          {1, QStringLiteral("No link"), {}, {}, {}},
                                          {1, QStringLiteral("<img src=\"a.png\">"), QStringLiteral("pic.html"), {}, QStringLiteral("Gallery")},
                                          {1, QStringLiteral("<img src=\"b.png\">"), QStringLiteral("b.html"), {}, {}},
                                          {1, QStringLiteral("<img src=\"c.png\">"), {}, {}, {}},
                                          {0, QStringLiteral("\u65E5\u672C"), QStringLiteral("jp.html"), {}, {}}},
                                         QStringLiteral("Menu"), QStringLiteral("\n"));
        QCOMPARE(html, QStringLiteral("<nav aria-label=\"Menu\">\n"
                                      "<ul>\n"
                                      "  <li><a href=\"index.html\">Home</a></li>\n"
                                      "  <li><a href=\"a&quot;b.html\" target=\"_blank\" title=\"Tip x\">Caf&#233; &amp; more</a>\n"
                                      "  <ul>\n"
                                      "    <li><a href=\"deep.html\">Deep</a></li>\n"
                                      "    <li>No link</li>\n"
                                      "    <li><a href=\"pic.html\" title=\"Gallery\">Gallery</a></li>\n"
                                      "    <li><a href=\"b.html\">b.html</a></li>\n"
                                      "  </ul></li>\n"
                                      "  <li><a href=\"jp.html\">&#26085;&#26412;</a></li>\n"
                                      "</ul>\n"
                                      "</nav>"));
        QCOMPARE(navListHtml({}, QStringLiteral("Menu"), QStringLiteral("\n")),
                 QStringLiteral("<nav aria-label=\"Menu\">\n</nav>"));
    }

    void navList_aMenuThousandsOfLevelsDeep_closesEveryList()
    {
        QList<NavEntry> entries;
        for (int level = 0; level < 5000; ++level)
            entries << NavEntry{level, QStringLiteral("x"), QStringLiteral("x.html"), {}, {}};
        const QString html = navListHtml(entries, QStringLiteral("Menu"), QStringLiteral("\n"));
        QCOMPARE(html.count(QStringLiteral("<ul>")), 5000);
        QCOMPARE(html.count(QStringLiteral("</ul>")), 5000);
        QCOMPARE(html.count(QStringLiteral("<li>")), html.count(QStringLiteral("</li>")));
    }

    void pageBlock_linksOfTheDataFile_areWrittenAsEachPageReadsThem_data()
    {
        QTest::addColumn<bool>("fromDataFile");
        QTest::addColumn<QString>("page");
        QTest::addColumn<QStringList>("hrefs");
        QTest::addColumn<QStringList>("scripts");
        const QStringList fromSite{QStringLiteral("index.html"),       QStringLiteral("classes/"),
                                   QStringLiteral("classes/a.html?x=1#y"), QStringLiteral("#top"),
                                   QStringLiteral("/about.html"),      QStringLiteral("https://other.test/a"),
                                   QStringLiteral("mailto:a@b.test")};
        QTest::newRow("page at the site's root") << true << QStringLiteral("/site/index.html") << fromSite
                                                 << QStringList{QStringLiteral("js/qrnmenu.js"), QStringLiteral("js/my%20nav.js")};
        QTest::newRow("page one folder down")
            << true << QStringLiteral("/site/classes/hatha.html")
            << QStringList{QStringLiteral("../index.html"), QStringLiteral("./"), QStringLiteral("a.html?x=1#y"),
                           QStringLiteral("#top"), QStringLiteral("/about.html"), QStringLiteral("https://other.test/a"),
                           QStringLiteral("mailto:a@b.test")}
            << QStringList{QStringLiteral("../js/qrnmenu.js"), QStringLiteral("../js/my%20nav.js")};
        QTest::newRow("links read against each page stay as written")
            << false << QStringLiteral("/site/classes/hatha.html")
            << QStringList{QStringLiteral("../index.html"), QStringLiteral("../classes/"), QStringLiteral("../classes/a.html?x=1#y"),
                           QStringLiteral("#top"), QStringLiteral("/about.html"), QStringLiteral("https://other.test/a"),
                           QStringLiteral("mailto:a@b.test")}
            << QStringList{QStringLiteral("../js/qrnmenu.js"), QStringLiteral("../js/my%20nav.js")};
    }
    void pageBlock_linksOfTheDataFile_areWrittenAsEachPageReadsThem()
    {
        QFETCH(bool, fromDataFile);
        QFETCH(QString, page);
        QFETCH(QStringList, hrefs);
        QFETCH(QStringList, scripts);
        // As the link picker writes them for a data file in js/.
        const QStringList links = fromDataFile
                                      ? QStringList{QStringLiteral("../index.html"), QStringLiteral("../classes/"),
                                                    QStringLiteral("../classes/a.html?x=1#y"), QStringLiteral("#top"),
                                                    QStringLiteral("/about.html"), QStringLiteral("https://other.test/a"),
                                                    QStringLiteral("mailto:a@b.test")}
                                      : hrefs;
        QList<NavEntry> entries;
        for (const QString &link : links)
            entries << NavEntry{0, QStringLiteral("Item"), link, {}, {}};
        const PageBlock block = pageBlockFor(menuIn(QStringLiteral("/site/js/my nav.js"), fromDataFile, entries), page);
        QCOMPARE(block.key, QStringLiteral("my%20nav.js"));
        QCOMPARE(block.menu, QStringLiteral("Quorna Ostrel Menu"));
        QCOMPARE(hrefsIn(block.lines), hrefs);
        QStringList srcs;
        static const QRegularExpression src(QStringLiteral("<script src=\"([^\"]*)\"></script>"));
        for (auto it = src.globalMatch(block.lines); it.hasNext();)
            srcs << it.next().captured(1);
        QCOMPARE(srcs, scripts);
    }

    void unifiedDiff_showsTheChangedLinesWithTheirContext()
    {
        const QString before = QStringLiteral("1\n2\n3\n4\n5\n6\n7\n8\n");
        QCOMPARE(unifiedDiff(before, before, QStringLiteral("a"), QStringLiteral("b")), QString());
        QCOMPARE(unifiedDiff(before, QStringLiteral("1\n2\n3\n4\nnew\n5\n6\n7\n8\n"), QStringLiteral("a"), QStringLiteral("b")),
                 QStringLiteral("--- a\n+++ b\n@@ -2,6 +2,7 @@\n 2\n 3\n 4\n+new\n 5\n 6\n 7"));
        QCOMPARE(unifiedDiff(QStringLiteral("x\r\ny\r\n"), QStringLiteral("x\r\nz\r\n"), QStringLiteral("a"), QStringLiteral("b")),
                 QStringLiteral("--- a\n+++ b\n@@ -1,2 +1,2 @@\n x\n-y\n+z"));
        QCOMPARE(unifiedDiff(QString(), QStringLiteral("only\n"), QStringLiteral("a"), QStringLiteral("b")),
                 QStringLiteral("--- a\n+++ b\n@@ -1,1 +1,1 @@\n-\n+only"));
    }

    void writePageInstall_keepsTheOldPage_andWritesNothingOverAChangedPage()
    {
        QTemporaryDir dir;
        const QString page = dir.filePath(QStringLiteral("index.html"));
        const QByteArray original = "<body><p>x</p></body>";
        writeTestFile(page, original);
        const MenuInstall menu = menuIn(dir.filePath(QStringLiteral("nav.js")), true,
                                        {{0, QStringLiteral("Home"), QStringLiteral("index.html"), {}, {}}});
        const PageInstall plan = planPageInstall(menu, page);
        QVERIFY(plan.fileError.isEmpty());
        QCOMPARE(plan.placement.outcome, PagePlacement::Outcome::Changed);
        QVERIFY(pageInstallDiff(plan).contains(QStringLiteral("+<noscript>")));
        QString error;
        QVERIFY2(writePageInstall(plan, &error), qPrintable(error));
        QCOMPARE(readTestFile(page), plan.placement.page);
        QCOMPARE(readTestFile(page + QLatin1Char('~')), original);
        QCOMPARE(planPageInstall(menu, page).placement.outcome, PagePlacement::Outcome::Unchanged);

        // Edited after the diff was shown: the edit is not lost.
        const QString other = dir.filePath(QStringLiteral("about.html"));
        writeTestFile(other, original);
        const PageInstall stale = planPageInstall(menu, other);
        writeTestFile(other, "<body><p>edited</p></body>");
        QVERIFY(!writePageInstall(stale, &error));
        QVERIFY2(error.contains(QStringLiteral("changed since")), qPrintable(error));
        QCOMPARE(readTestFile(other), QByteArray("<body><p>edited</p></body>"));
        QVERIFY(!QFile::exists(other + QLatin1Char('~')));
    }

    void planPageInstall_namesPagesItCannotReadOrWrite()
    {
        QTemporaryDir dir;
        const MenuInstall menu = menuIn(dir.filePath(QStringLiteral("nav.js")), true, {});
        const PageInstall missing = planPageInstall(menu, dir.filePath(QStringLiteral("none.html")));
        QCOMPARE(missing.fileError, QStringLiteral("can't read %1: no such file").arg(dir.filePath(QStringLiteral("none.html"))));
        const PageInstall folder = planPageInstall(menu, dir.path());
        QVERIFY(folder.fileError.endsWith(QStringLiteral(": it is a folder")));

        const QString locked = dir.filePath(QStringLiteral("locked.html"));
        writeTestFile(locked, "<body></body>");
        QFile::setPermissions(locked, QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther);
        const PageInstall readOnly = planPageInstall(menu, locked);
        QCOMPARE(readOnly.fileError, QStringLiteral("can't write %1: it is read-only").arg(locked));
    }

    void engineFiles_missingOnesAreCopied_presentOnesKept()
    {
        QTemporaryDir program;
        QTemporaryDir site;
        writeTestFile(program.filePath(QStringLiteral("qrntmenu.js")), "engine");
        writeTestFile(program.filePath(QStringLiteral("qrntmenu_add.js")), "add");
        writeTestFile(program.filePath(QStringLiteral("qrntmenu_ss.js")), "ss");
        writeTestFile(site.filePath(QStringLiteral("qrntmenu_add.js")), "the user's own");
        MenuInstall menu = menuIn(site.filePath(QStringLiteral("nav.js")), true, {});
        menu.type = 1;
        QCOMPARE(missingEngineFiles(menu), (QStringList{site.filePath(QStringLiteral("qrntmenu.js")),
                                                        site.filePath(QStringLiteral("qrntmenu_ss.js"))}));
        QString error;
        QVERIFY2(copyMissingEngineFiles(menu, program.path() + QLatin1Char('/'), &error), qPrintable(error));
        QCOMPARE(readTestFile(site.filePath(QStringLiteral("qrntmenu.js"))), QByteArray("engine"));
        QCOMPARE(readTestFile(site.filePath(QStringLiteral("qrntmenu_add.js"))), QByteArray("the user's own"));
        QVERIFY(missingEngineFiles(menu).isEmpty());
    }
};

PLIVEX_TEST_MAIN(PageInstallTest)
#include "pageinstall_test.moc"
