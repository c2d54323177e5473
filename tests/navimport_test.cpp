#include "app/main.h"
#include "app/startup.h"
#include "project/itemedits.h"
#include "project/navimport.h"
#include "project/outline.h"
#include "project/project.h"
#include "support/appfixture.h"
#include "support/testmain.h"

#include <QFile>
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
        project->items().clear();
        const QString page = app.folder() + QStringLiteral("site.html");
        QFile f(page);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("<nav><ul><li><a href=\"index.html\">Start</a></li><li><a href=\"faq.html\">FAQ</a></li></ul></nav>");
        f.close();
        app.dialogs.files.enqueue(page);
        frm->miImportNavigationClick();
        QCOMPARE(project->items().count(), 2);
        QVERIFY(project->Modified());

        QVERIFY(!frm->ImportNavigation(app.folder()));
        QVERIFY(!frm->ImportNavigation(app.folder() + QStringLiteral("missing.html")));
        QCOMPARE(app.dialogs.textsOf(QStringLiteral("error")).size(), 2);
        const QString empty = app.folder() + QStringLiteral("empty.html");
        QFile e(empty);
        QVERIFY(e.open(QIODevice::WriteOnly));
        e.write("<p>nothing</p>");
        e.close();
        QVERIFY(!frm->ImportNavigation(empty));
        QCOMPARE(app.dialogs.textsOf(QStringLiteral("message")),
                 QStringList{QStringLiteral("No navigation links were found in the file:\r") + empty});
        QCOMPARE(project->items().count(), 2);
    }
};

PLIVEX_TEST_MAIN(NavImportTest)
#include "navimport_test.moc"
