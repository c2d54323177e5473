// The site a menu lives in, and its links that lead to no file of it: the
// site folder found from the data file, and the marks on the items, which
// follow the folder links are read from.

#include "app/linkfoldersettings.h"
#include "project/model/item.h"
#include "project/model/project.h"
#include "project/site/sitelinks.h"
#include "support/testfiles.h"
#include "support/testmain.h"

#include <QColor>
#include <QDir>
#include <QSignalSpy>
#include <QTemporaryDir>

namespace {

// Writes each file (with its folders) under `root`.
bool makeFiles(const QString &root, const QStringList &files)
{
    for (const QString &file : files) {
        const QString path = root + file;
        if (!QDir().mkpath(QFileInfo(path).absolutePath()) || !writeTestFile(path, "x"))
            return false;
    }
    return true;
}

TItem itemLinking(const QString &text, const QString &link, const QString &icon = {})
{
    TItem item;
    item.Params[0] = text;
    item.Params[1] = link;
    item.Params[4] = icon;
    return item;
}

} // namespace

class SiteLinksTest : public QObject
{
    Q_OBJECT

private slots:
    void siteFolder_isTheNearestFolderWithAnIndexPage_data()
    {
        QTest::addColumn<QStringList>("files");
        QTest::addColumn<QString>("dataFile");
        QTest::addColumn<QString>("above"); // siteFolderAbove; siteFolderOf is the data file's folder without one
        QTest::newRow("the data file's own folder") << QStringList{"site/index.html"} << "site/nav.js" << "site/";
        QTest::newRow("two folders up") << QStringList{"site/index.html"} << "site/js/menu/nav.js" << "site/";
        QTest::newRow("the nearest of two") << QStringList{"site/index.html", "site/blog/index.html"}
                                            << "site/blog/js/nav.js" << "site/blog/";
        QTest::newRow("a folder named index.html is no page") << QStringList{"site/index.html/x"} << "site/nav.js"
                                                              << "";
        QTest::newRow("none") << QStringList{"site/home.html"} << "site/js/nav.js" << "";
    }
    void siteFolder_isTheNearestFolderWithAnIndexPage()
    {
        QFETCH(QStringList, files);
        QFETCH(QString, dataFile);
        QFETCH(QString, above);
        QTemporaryDir dir;
        const QString root = dir.path() + QLatin1Char('/');
        QVERIFY(makeFiles(root, files));
        const QString data = root + dataFile;
        QCOMPARE(siteFolderAbove(data), above.isEmpty() ? QString() : root + above);
        QCOMPARE(siteFolderOf(data), above.isEmpty() ? QFileInfo(data).absolutePath() + QLatin1Char('/') : root + above);
    }

    void siteFileOf_readsAddressesAsAServerWould_data()
    {
        QTest::addColumn<QString>("address");
        QTest::addColumn<QString>("file"); // under /links/ and the site /site/; empty: nothing to check
        QTest::newRow("relative") << "a/b.html" << "/links/a/b.html";
        QTest::newRow("up") << "../img/c.png" << "/img/c.png";
        QTest::newRow("from the root") << "/about.html" << "/site/about.html";
        QTest::newRow("query and fragment") << "a.html?x=1#top" << "/links/a.html";
        QTest::newRow("percent-encoded space") << "my%20page.html" << "/links/my page.html";
        QTest::newRow("backslashes") << "img\\a.png" << "/links/img/a.png";
        QTest::newRow("spaces around") << "  a.html " << "/links/a.html";
        QTest::newRow("another site") << "https://other.test/a.html" << "";
        QTest::newRow("no scheme, a host") << "//cdn.test/a.png" << "";
        QTest::newRow("mail") << "mailto:a@b.test" << "";
        QTest::newRow("telephone") << "tel:+44123" << "";
        QTest::newRow("a picture inline") << "data:image/png;base64,AAAA" << "";
        QTest::newRow("script") << "javascript:void(0)" << "";
        QTest::newRow("a place in the page") << "#top" << "";
        QTest::newRow("a query of the page") << "?page=2" << "";
        QTest::newRow("a full path of this machine") << "/home/ann/a.html" << "";
        QTest::newRow("nothing") << "" << "";
    }
    void siteFileOf_readsAddressesAsAServerWould()
    {
        QFETCH(QString, address);
        QFETCH(QString, file);
        QCOMPARE(siteFileOf(address, QStringLiteral("/links/"), QStringLiteral("/site/")), file);
    }

    void commonFolder_isTheDeepestHoldingBoth_butNeverAWholeDisk_data()
    {
        QTest::addColumn<QString>("a");
        QTest::addColumn<QString>("b");
        QTest::addColumn<QString>("common");
        QTest::newRow("siblings") << "/www/site/js/nav.js" << "/www/site/classes/hatha.html" << "/www/site/";
        QTest::newRow("one above the other") << "/www/site/nav.js" << "/www/site/a/b/c.html" << "/www/site/";
        QTest::newRow("a name that only starts alike") << "/www/site/nav.js" << "/www/site2/a.html" << "/www/";
        QTest::newRow("only the root") << "/www/nav.js" << "/srv/a.html" << "";
    }
    void commonFolder_isTheDeepestHoldingBoth_butNeverAWholeDisk()
    {
        QFETCH(QString, a);
        QFETCH(QString, b);
        QFETCH(QString, common);
        QCOMPARE(commonFolder(a, b), common);
    }

    void siteChoices_followTheFile_andAreKeptInTheSettings()
    {
        QTemporaryDir dir;
        const QString site = dir.path() + QStringLiteral("/site/");
        QVERIFY(makeFiles(site, {"index.html", "js/nav.js", "pages/a.html"}));
        const QString data = site + QStringLiteral("js/nav.js");
        SiteChoices choices;
        QCOMPARE(choices.siteFolderFor(data), site);
        // The folder found is no choice; another one is.
        choices.chooseSiteFolder(data, site);
        QVERIFY(choices.entries().isEmpty());
        choices.chooseSiteFolder(data, dir.path());
        QCOMPARE(choices.siteFolderFor(data), dir.path() + QLatin1Char('/'));
        choices.choosePreviewPage(data, site + QStringLiteral("pages/a.html"));
        QCOMPARE(choices.previewPageFor(data), site + QStringLiteral("pages/a.html"));

        // Through the settings file and back.
        const QString ini = dir.path() + QStringLiteral("/plivex.ini");
        QVERIFY(writeSiteChoices(ini, choices));
        SiteChoices read;
        readSiteChoices(ini, read);
        QCOMPARE(read.siteFolderFor(data), dir.path() + QLatin1Char('/'));
        QCOMPARE(read.previewPageFor(data), site + QStringLiteral("pages/a.html"));

        // Saved under another name, the choices go with the project.
        const QString copy = site + QStringLiteral("js/copy.js");
        read.saved(data, copy);
        QCOMPARE(read.previewPageFor(copy), site + QStringLiteral("pages/a.html"));
        // Back to the sample page and the folder found: nothing is left to keep.
        read.choosePreviewPage(copy, {});
        read.chooseSiteFolder(copy, {});
        read.choosePreviewPage(data, {});
        read.chooseSiteFolder(data, {});
        QVERIFY(read.entries().isEmpty());
        QVERIFY(writeSiteChoices(ini, read));
        SiteChoices empty;
        readSiteChoices(ini, empty);
        QVERIFY(empty.entries().isEmpty());
    }

    void items_areMarkedWhileTheirLinksLeadNowhere_andTheMarksFollowTheFolders()
    {
        QTemporaryDir dir;
        const QString site = dir.path() + QStringLiteral("/site/");
        QVERIFY(makeFiles(site, {"index.html", "classes/hatha.html", "img/a.png", "js/local.html"}));
        Project project;
        project.CurrentFileName = site + QStringLiteral("js/nav.js");
        project.setAddressFields({{1, QStringLiteral("Link")}, {4, QStringLiteral("Icon")}});
        ItemTree &tree = project.items();
        const QModelIndex good = tree.append({}, itemLinking(QStringLiteral("Hatha"), QStringLiteral("../classes/hatha.html"),
                                                             QStringLiteral("../img/a.png")));
        const QModelIndex gone = tree.append(good, itemLinking(QStringLiteral("Yoga"), QStringLiteral("../classes/yoga.html"),
                                                               QStringLiteral("../img/none.png")));
        const QModelIndex local = tree.append({}, itemLinking(QStringLiteral("Here"), QStringLiteral("local.html")));
        const QModelIndex away = tree.append({}, itemLinking(QStringLiteral("Away"), QStringLiteral("https://x.test/"),
                                                             QStringLiteral("/home/ann/a.png")));
        auto marked = [&](const QModelIndex &index) { return tree.data(index, Qt::ForegroundRole).isValid(); };

        project.setLinksFromDataFile(true);
        QVERIFY(!marked(good));
        QCOMPARE(tree.data(good, Qt::ToolTipRole).toString(), QString());
        QVERIFY(marked(gone));
        QCOMPARE(tree.data(gone, Qt::ToolTipRole).toString(),
                 QStringLiteral("Link: no such file: %1classes/yoga.html\nIcon: no such file: %1img/none.png").arg(site));
        QVERIFY(!marked(local));
        QCOMPARE(tree.data(away, Qt::ToolTipRole).toString(), QStringLiteral("Icon: a full path of this computer"));

        // Read against pages in the site's root: what was right is wrong now.
        QSignalSpy changes(&tree, &QAbstractItemModel::dataChanged);
        project.linkFolders.choose(project.CurrentFileName, site);
        project.setLinksFromDataFile(false);
        QVERIFY(changes.count() >= 2); // both levels of the tree
        QVERIFY(marked(good));
        QVERIFY(marked(local));
        project.items().setField(good, 1, QStringLiteral("classes/hatha.html"));
        project.items().setField(good, 4, QStringLiteral("img/a.png"));
        QVERIFY(!marked(good));

        // A project without a file lies in no site: nothing is marked.
        project.CurrentFileName.clear();
        project.linksMoved();
        QVERIFY(!marked(gone));
        QCOMPARE(tree.data(gone, Qt::ForegroundRole).value<QColor>(), QColor());
    }
};

PLIVEX_TEST_MAIN(SiteLinksTest)
#include "sitelinks_test.moc"
