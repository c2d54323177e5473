#include "app/mainwindow.h"
#include "app/itemtreepanel.h"
#include "app/programwindows.h"
#include "app/startup.h"
#include "project/model/itemedits.h"
#include "project/model/menutypes.h"
#include "project/import/navimport.h"
#include "project/import/navplacement.h"
#include "support/scripteddialogs.h"
#include "project/model/outline.h"
#include "project/model/project.h"
#include "support/appfixture.h"
#include "support/testmain.h"

#include <QFile>
#include <QRandomGenerator>
#include <QItemSelectionModel>
#include <QMimeData>

namespace {

// Items as "text|link|target|tooltip" lines, indented by level.
QString listed(const QList<LeveledItem> &items)
{
    QStringList lines;
    for (const LeveledItem &li : items) {
        QStringList fields;
        for (int f : {navimport::kText, navimport::kLink, navimport::kTarget, navimport::kTooltip})
            fields << li.item.Params[size_t(f)];
        while (!fields.isEmpty() && fields.last().isEmpty())
            fields.removeLast();
        lines << QString(li.level, QLatin1Char('\t')) + fields.join(QLatin1Char('|'));
    }
    return lines.join(QLatin1Char('\n'));
}

const QString kSitemapOpen = QStringLiteral(
    "<?xml version=\"1.0\"?><urlset xmlns=\"http://www.sitemaps.org/schemas/sitemap/0.9\" "
    "xmlns:image=\"http://www.google.com/schemas/sitemap-image/1.1\">");

// The number of items that link somewhere.
int linkedItems(const QList<LeveledItem> &items)
{
    int n = 0;
    for (const LeveledItem &li : items)
        n += li.item.Params[navimport::kLink].isEmpty() ? 0 : 1;
    return n;
}

} // namespace

class NavImportTest : public QObject
{
    Q_OBJECT

private slots:
    void fragment_data()
    {
        QTest::addColumn<QString>("html");
        QTest::addColumn<QString>("expected");
        QTest::newRow("nested lists with link fields")
            << R"(<ul><li><a href="/">Home</a></li><li><a href="about/" target="_blank" title="Who we are">About
                 us</a><ul><li><a href="about/team.html">Team</a></li></ul></li></ul>)"
            << "Home|/\nAbout us|about/|_blank|Who we are\n\tTeam|about/team.html";
        QTest::newRow("items left open, as authors write them")
            << "<ol><li><a href=a>A<li><a href=b>B<ol><li><a href=b1>B1</ol><li><a href=c>C</ol>"
            << "A|a\nB|b\n\tB1|b1\nC|c";
        QTest::newRow("details and summary")
            << "<ul><li><details><summary>Products</summary><ul><li><a href='t'>Tables</a></li></ul>"
               "</details></li></ul>"
            << "Products\n\tTables|t";
        QTest::newRow("menu button beside its list")
            << "<nav><ul><li><button aria-haspopup=\"true\">Services</button><ul><li><a href=\"s1\">Design"
               "</a></li></ul></li></ul></nav>"
            << "Services\n\tDesign|s1";
        QTest::newRow("no lists: one item per link")
            << "<p>See <a href=\"x.html\">X</a> and <a href=\"y.html\">Y &amp; Z</a>.</p>"
            << "X|x.html\nY &amp; Z|y.html";
        QTest::newRow("entities, markup characters and a leading bar")
            << "<ul><li><a href='?a=1&amp;b=2'>&lt;Sales&gt; &#38; more</a></li><li><a href=p>|Pipe</a></li></ul>"
            << "&lt;Sales&gt; &amp; more|?a=1&b=2\n&#124;Pipe|p";
        QTest::newRow("icon link named by its picture")
            << "<ul><li><a href=\"/\"><img src=\"home.svg\" alt=\"Home\"></a></li></ul>" << "Home|/";
        QTest::newRow("script and comments are not items")
            << "<ul><!-- <li>old</li> --><script>var s='<li>no</li>'</script><li><a href=k>K</a></li></ul>"
            << "K|k";
        QTest::newRow("plain text copy gives nothing") << "<p>Just words</p>" << "";
    }
    void fragment()
    {
        QFETCH(QString, html);
        QFETCH(QString, expected);
        QCOMPARE(listed(navimport::fromFragment(html)), expected);
    }

    void page_takesTheNavWithTheMostLinks_orTheBiggestList()
    {
        const QString page = QStringLiteral(
            "<html><head><title>x</title><style>ul{}</style></head><body>"
            "<nav class=breadcrumbs><a href=/>Home</a> › <a href=/shop>Shop</a></nav>"
            "<nav id=main><ul><li><a href=/>Home</a></li><li><a href=/shop>Shop</a><ul><li><a href=/shop/new>New"
            "</a></li></ul></li><li><a href=/contact>Contact</a></li></ul></nav>"
            "<footer><ul><li><a href=/legal>Legal</a></li></ul></footer></body></html>");
        QCOMPARE(listed(navimport::fromPage(page)), QStringLiteral("Home|/\nShop|/shop\n\tNew|/shop/new\nContact|/contact"));
        const QString noNav = QStringLiteral("<div><ul><li><a href=a>A</a></li></ul><ul><li><a href=b>B</a></li>"
                                             "<li><a href=c>C</a></li></ul></div>");
        QCOMPARE(listed(navimport::fromPage(noNav)), QStringLiteral("B|b\nC|c"));
    }

    void sitemap_pathsBecomeATree()
    {
        const QString xml = QStringLiteral(
            "<?xml version=\"1.0\"?><urlset xmlns=\"http://www.sitemaps.org/schemas/sitemap/0.9\">"
            "<url><loc>https://ex.com/</loc></url>"
            "<url><loc>https://ex.com/about-us/</loc></url>"
            "<url><loc>https://ex.com/about-us/our_team.html</loc></url>"
            "<url><loc>https://ex.com/blog/2024/hello-world</loc></url>"
            "<url><loc>https://ex.com/contact</loc></url></urlset>");
        QCOMPARE(listed(navimport::fromFile(xml)),
                 QStringLiteral("Home|https://ex.com/\nAbout us|https://ex.com/about-us/\n"
                                "\tOur team|https://ex.com/about-us/our_team.html\nBlog\n\t2024\n"
                                "\t\tHello world|https://ex.com/blog/2024/hello-world\nContact|https://ex.com/contact"));
    }

    void sitemap_onlyPagesCount_andAPageIsOneItemWithItsFolder_data()
    {
        QTest::addColumn<QString>("entries");
        QTest::addColumn<QString>("items");
        QTest::newRow("image entries are no pages")
            << QStringLiteral("<url><loc>https://ex.com/shop</loc><image:image><image:loc>https://ex.com/i/rose.jpg"
                              "</image:loc></image:image></url>")
            << QStringLiteral("Shop|https://ex.com/shop");
        QTest::newRow("page before its folder")
            << QStringLiteral("<url><loc>https://ex.com/outdoor.html</loc></url>"
                              "<url><loc>https://ex.com/outdoor/roses.html</loc></url>")
            << QStringLiteral("Outdoor|https://ex.com/outdoor.html\n\tRoses|https://ex.com/outdoor/roses.html");
        QTest::newRow("folder before its page")
            << QStringLiteral("<url><loc>https://ex.com/outdoor/roses.html</loc></url>"
                              "<url><loc>https://ex.com/outdoor.html</loc></url>")
            << QStringLiteral("Outdoor|https://ex.com/outdoor.html\n\tRoses|https://ex.com/outdoor/roses.html");
        QTest::newRow("a folder's index page is its link")
            << QStringLiteral("<url><loc>https://ex.com/index.html</loc></url>"
                              "<url><loc>https://ex.com/news/index.php</loc></url>")
            << QStringLiteral("Home|https://ex.com/index.html\nNews|https://ex.com/news/index.php");
        QTest::newRow("loc outside a url, or of another namespace")
            << QStringLiteral("<loc>https://ex.com/stray</loc><url><x:loc xmlns:x=\"urn:other\">https://ex.com/other"
                              "</x:loc><loc>https://ex.com/real</loc></url>")
            << QStringLiteral("Real|https://ex.com/real");
    }
    void sitemap_onlyPagesCount_andAPageIsOneItemWithItsFolder()
    {
        QFETCH(QString, entries);
        QFETCH(QString, items);
        QCOMPARE(listed(navimport::fromFile(kSitemapOpen + entries + QStringLiteral("</urlset>"))), items);
    }

    void sitemapIndex_isToldApart_withItsSitemaps()
    {
        const QString index = QStringLiteral(
            "<?xml version=\"1.0\"?><sitemapindex xmlns=\"http://www.sitemaps.org/schemas/sitemap/0.9\">"
            "<sitemap><loc>https://ex.com/pages.xml</loc></sitemap>"
            "<sitemap><loc>https://ex.com/posts.xml</loc></sitemap></sitemapindex>");
        QStringList sitemaps;
        QVERIFY(navimport::isSitemapIndex(index, &sitemaps));
        QCOMPARE(sitemaps, (QStringList{QStringLiteral("https://ex.com/pages.xml"), QStringLiteral("https://ex.com/posts.xml")}));
        QVERIFY(navimport::fromFile(index).isEmpty());
        QVERIFY(navimport::sitemapIndexMessage(QStringLiteral("i.xml"), sitemaps).contains(QStringLiteral("\rhttps://ex.com/posts.xml")));
        QVERIFY(!navimport::isSitemapIndex(kSitemapOpen + QStringLiteral("<url><loc>https://ex.com/sitemapindex</loc></url></urlset>")));
        QVERIFY(!navimport::isSitemapIndex(QStringLiteral("<p>a sitemapindex in words</p>")));
    }

    // Each element the reader treats on its own, nested far past any real
    // page, with a link at the bottom: no crash, and the link is still found.
    void deepNesting_ofEachKnownElement_stillYieldsTheLinks_data()
    {
        QTest::addColumn<QString>("open");
        QTest::addColumn<QString>("close");
        for (const char *name : {"ul", "ol", "menu", "li", "a", "nav", "details", "summary", "button", "span", "div", "b"}) {
            const QString n = QString::fromLatin1(name);
            QTest::newRow(name) << QStringLiteral("<%1>").arg(n) << QStringLiteral("</%1>").arg(n);
            QTest::newRow(qPrintable(n + QStringLiteral(" left open"))) << QStringLiteral("<%1>").arg(n) << QString();
        }
        QTest::newRow("list items") << QStringLiteral("<ul><li>x") << QStringLiteral("</li></ul>");
        QTest::newRow("links and lists") << QStringLiteral("<a href=\"/x\">x</a><ul><li>") << QStringLiteral("</li></ul>");
        QTest::newRow("lists in nav") << QStringLiteral("<nav><ul><li>") << QString();
    }
    void deepNesting_ofEachKnownElement_stillYieldsTheLinks()
    {
        QFETCH(QString, open);
        QFETCH(QString, close);
        constexpr int kDepth = 20000;
        const QString html = open.repeated(kDepth) + QStringLiteral("<a href=\"/deep\">Deep</a>") + close.repeated(kDepth);
        const QString page = QStringLiteral("<nav>") + html + QStringLiteral("</nav>");
        for (const auto &items : {navimport::fromPage(page), navimport::fromFragment(html)}) {
            bool found = false;
            for (const LeveledItem &li : items)
                found = found || li.item.Params[navimport::kLink] == QLatin1String("/deep");
            QVERIFY2(found, qPrintable(listed(items).left(300)));
        }
    }

    void manyOpenSpans_andStrayEndTags_areReadInOnePass()
    {
        // A million open spans, then end tags that close nothing, then the
        // navigation: all read, and the navigation found.
        const QString html = QStringLiteral("<span>").repeated(1000000) + QStringLiteral("</li>").repeated(200000) +
                             QStringLiteral("&").repeated(100000) +
                             QStringLiteral("<nav><a href=\"/a\">A</a><a href=\"/b\">B</a></nav>");
        QCOMPARE(listed(navimport::fromPage(html)), QStringLiteral("A|/a\nB|/b"));
    }

    void fuzz_randomAndMutatedMarkup_neverBreakTheReader()
    {
        const QString page = QStringLiteral(
            "<html><body><nav aria-label=\"Main\"><ul><li><a href=\"/\" title=\"Start\">Home</a></li>"
            "<li><details><summary>Shop &amp; more</summary><ul><li><a href='/shop/new' target=_blank>New</a></li>"
            "<li><button aria-haspopup=\"true\">Sale</button><ol><li><a href=/sale>All <b>sale</b></a></li></ol></li>"
            "</ul></details></li><li><a href=\"/c\"><img alt=\"Contact\"></a></li></ul></nav>"
            "<script>var s = '<ul><li><a href=x>no</a></li></ul>';</script><!-- <a href=y> --></body></html>");
        const QString sitemap = kSitemapOpen + QStringLiteral(
            "<url><loc>https://ex.com/a/b.html</loc></url><url><loc>https://ex.com/a.html</loc></url></urlset>");
        const QString pieces = QStringLiteral("<>/=\"' &;#xul li a nav!-?\n");
        QRandomGenerator gen(20261207);
        for (int round = 0; round < 400; ++round) {
            QString text = round % 3 == 0 ? sitemap : page;
            if (round % 5 == 4) {
                text = QString(static_cast<qsizetype>(gen.bounded(1, 4000)), Qt::Uninitialized);
                for (QChar &c : text)
                    c = round % 2 ? pieces.at(gen.bounded(pieces.size())) : QChar(char16_t(gen.bounded(1, 0xD7FF)));
            }
            const int edits = gen.bounded(1, 12);
            for (int k = 0; k < edits && !text.isEmpty(); ++k) {
                const qsizetype at = gen.bounded(text.size());
                switch (gen.bounded(4)) {
                case 0: text.remove(at, gen.bounded(1, 20)); break;
                case 1: text.insert(at, pieces.at(gen.bounded(pieces.size()))); break;
                case 2: text.insert(at, text.mid(gen.bounded(text.size()), gen.bounded(1, 200))); break;
                default: text[at] = pieces.at(gen.bounded(pieces.size())); break;
                }
            }
            const QList<LeveledItem> items = navimport::fromFile(text);
            QVERIFY(linkedItems(items) <= items.size());
            int previous = -1;
            for (const LeveledItem &li : items) {
                // Levels only ever go one deeper than the item before.
                QVERIFY2(li.level >= 0 && li.level <= previous + 1, qPrintable(text.left(500)));
                previous = li.level;
            }
            QVERIFY(navimport::fromFragment(text).size() >= 0);
        }
    }

    // The page's mark of the page being shown, on the link or its li.
    void current_markedOnThePage_becomesTheItemsState_data()
    {
        QTest::addColumn<QString>("html");
        QTest::addColumn<QString>("states");
        QTest::newRow("aria-current on the link")
            << R"(<ul><li><a href="a">A</a></li><li><a href="b" aria-current="page">B</a></li></ul>)" << "|current";
        QTest::newRow("active class on the li")
            << R"(<ul><li class="nav-item active"><a href="a">A</a></li><li><a href="b">B</a></li></ul>)" << "current|";
        QTest::newRow("current class on the link, in a sublist")
            << R"(<ul><li><a href="a">A</a><ul><li><a class="current" href="c">C</a></li></ul></li></ul>)" << "|current";
        QTest::newRow("bare links")
            << R"(<a href="a" class="Active">A</a> <a href="b">B</a>)" << "current|";
        QTest::newRow("aria-current false and look-alike classes")
            << R"(<ul><li class="inactive"><a href="a" aria-current="false">A</a></li><li><a class="current-x" href="b">B</a></li></ul>)"
            << "|";
    }
    void current_markedOnThePage_becomesTheItemsState()
    {
        QFETCH(QString, html);
        QFETCH(QString, states);
        for (int type = 0; type < kMenuTypeCount; ++type) {
            const int state = menuTypes().at(size_t(type)).stateParam;
            QStringList found;
            for (const LeveledItem &li : navimport::fromFragment(html, state))
                found << li.item.Params[size_t(state)];
            QCOMPARE(found.join(QLatin1Char('|')), states);
        }
        // Without a state parameter nothing but the link fields is written.
        for (const LeveledItem &li : navimport::fromFragment(html))
            for (int f = navimport::kTooltip + 1; f < TItem::kParamCount; ++f)
                QVERIFY(li.item.Params[size_t(f)].isEmpty());
    }

    // Where imported items go, as the user answers; the choices offered are
    // those the menu type allows below the selected item.
    void placeImported_whereTheUserSays_data()
    {
        QTest::addColumn<int>("menuType");
        QTest::addColumn<bool>("selectFirst");
        QTest::addColumn<int>("choice");
        QTest::addColumn<int>("offered");
        QTest::addColumn<QString>("tree");
        QTest::addColumn<int>("lifted");
        QTest::newRow("menu, after the selected item") << 0 << true << 0 << 3 << "A\nX\n\tY\n\t\tZ\nB" << 0;
        QTest::newRow("menu, as its subitems") << 0 << true << 1 << 3 << "A\n\tX\n\t\tY\n\t\t\tZ\nB" << 0;
        QTest::newRow("menu, at the end of the top level") << 0 << true << 2 << 3 << "A\nB\nX\n\tY\n\t\tZ" << 0;
        QTest::newRow("menu, nothing selected: the end, unasked") << 0 << false << 0 << 0 << "A\nB\nX\n\tY\n\t\tZ" << 0;
        QTest::newRow("tabs: one level, no subitems offered") << 2 << true << 0 << 2 << "A\nX\nY\nZ\nB" << 2;
        QTest::newRow("tab menu: two levels") << 3 << true << 2 << 3 << "A\nB\nX\n\tY\n\tZ" << 1;
        QTest::newRow("cancelled: nothing changes") << 0 << true << -1 << 3 << "A\nB" << 0;
    }
    void placeImported_whereTheUserSays()
    {
        QFETCH(int, menuType);
        QFETCH(bool, selectFirst);
        QFETCH(int, choice);
        QFETCH(int, offered);
        QFETCH(QString, tree);
        QFETCH(int, lifted);
        ScriptedDialogs dialogs;
        Project project;
        project.MenuType = menuType;
        QItemSelectionModel selection(&project.items());
        ItemEdits edits(project, selection);
        project.items().insertLeveled({}, 0, readOutline(QStringLiteral("A\nB")));
        if (selectFirst)
            selection.setCurrentIndex(project.items().index(0, 0), QItemSelectionModel::ClearAndSelect);
        dialogs.choices.enqueue(choice);
        const QList<LeveledItem> imported = readOutline(QStringLiteral("X\n\tY\n\t\tZ"));
        QCOMPARE(placeImportedItems(edits, project, imported), choice >= 0);
        // A question only where there is a choice.
        QCOMPARE(dialogs.offered.size(), offered > 0 ? 1 : 0);
        if (offered > 0) {
            QCOMPARE(dialogs.offered.first().size(), offered);
            // The end of the top level is the choice made for the user.
            QCOMPARE(dialogs.offered.first().last(), QStringLiteral("At the end of the top level"));
        }
        QList<LeveledItem> all;
        project.items().walk([&all](const QModelIndex &, const TItem &item, int level) { all.append({level, item}); });
        QCOMPARE(writeOutline(all), tree);
        const QStringList messages = dialogs.textsOf(QStringLiteral("message"));
        QCOMPARE(messages.size(), lifted > 0 ? 1 : 0);
        if (lifted > 0) {
            QVERIFY2(messages.first().contains(QStringLiteral("has 3 levels")), qPrintable(messages.first()));
            QVERIFY2(messages.first().contains(QStringLiteral(": %1 of its items").arg(lifted)), qPrintable(messages.first()));
            QVERIFY(messages.first().contains(project.menuType().name));
        }
        QCOMPARE(project.Modified(), choice >= 0);
    }

    void paste_htmlFromABrowser_becomesItems_plainTextStaysAnOutline()
    {
        Project project;
        QItemSelectionModel selection(&project.items());
        ItemEdits edits(project, selection);
        QMimeData copied;
        copied.setHtml(QStringLiteral("<ul><li><a href=\"/a\">A</a><ul><li><a href=\"/b\">B</a></li></ul></li></ul>"));
        copied.setText(QStringLiteral("A\nB"));
        edits.Paste(&copied);
        QCOMPARE(project.items().count(), 2);
        QCOMPARE(project.items().record(project.items().index(0, 0, project.items().index(0, 0)))->Params[1],
                 QStringLiteral("/b"));
        QVERIFY(project.Modified());
        QMimeData words;
        words.setHtml(QStringLiteral("<p>C</p>"));
        words.setText(QStringLiteral("C"));
        edits.Paste(&words);
        QCOMPARE(project.items().count(), 3);
    }

    void importFile_throughTheWindow_andItsFailures()
    {
        AppFixture app;
        app.createWindows();
        app.chooseMenuType(0);
        QVERIFY(app.waitForParameterPage());
        windows().project.items().clear();
        const QString page = app.folder() + QStringLiteral("site.html");
        QFile f(page);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("<nav><ul><li><a href=\"index.html\">Start</a></li><li><a href=\"faq.html\">FAQ</a></li></ul></nav>");
        f.close();
        app.dialogs.files.enqueue(page);
        app.dialogs.choices.enqueue(0);
        windows().main->itemPanel->chooseNavigationToImport();
        QCOMPARE(windows().project.items().count(), 2);
        QVERIFY(windows().project.Modified());

        QVERIFY(!windows().main->itemPanel->importNavigation(app.folder()));
        QVERIFY(!windows().main->itemPanel->importNavigation(app.folder() + QStringLiteral("missing.html")));
        QCOMPARE(app.dialogs.textsOf(QStringLiteral("error")).size(), 2);
        const QString empty = app.folder() + QStringLiteral("empty.html");
        QFile e(empty);
        QVERIFY(e.open(QIODevice::WriteOnly));
        e.write("<p>nothing</p>");
        e.close();
        QVERIFY(!windows().main->itemPanel->importNavigation(empty));
        QCOMPARE(app.dialogs.textsOf(QStringLiteral("message")),
                 QStringList{QStringLiteral("No navigation links were found in the file:\r") + empty});
        QCOMPARE(windows().project.items().count(), 2);

        const QString index = app.folder() + QStringLiteral("sitemap.xml");
        QFile x(index);
        QVERIFY(x.open(QIODevice::WriteOnly));
        x.write("<sitemapindex xmlns=\"http://www.sitemaps.org/schemas/sitemap/0.9\"><sitemap><loc>https://ex.com/s1.xml"
                "</loc></sitemap></sitemapindex>");
        x.close();
        QVERIFY(!windows().main->itemPanel->importNavigation(index));
        QCOMPARE(app.dialogs.textsOf(QStringLiteral("message")).last(),
                 index + QStringLiteral(" is a sitemap index, not a sitemap; import one of the sitemaps it lists:\r"
                                        "https://ex.com/s1.xml"));
        QCOMPARE(windows().project.items().count(), 2);
    }
};

PLIVEX_TEST_MAIN(NavImportTest)
#include "navimport_test.moc"
