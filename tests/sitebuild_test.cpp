// The command line for site builds: plivex --check and --convert run as a
// build pipeline runs them, without a display, and answer through their
// output and exit code.

#include "support/testfiles.h"
#include "support/testmain.h"
#include "support/webharness.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QProcess>
#include <QTemporaryDir>

namespace {

struct Run
{
    int exitCode = -1;
    QString out;
    QString err;
};

Run plivex(const QStringList &args)
{
    QProcess p;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const char *name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
        env.remove(QString::fromLatin1(name));
    p.setProcessEnvironment(env);
    p.start(harness::runtimeDir() + QStringLiteral("plivex"), args);
    Run r;
    if (!p.waitForFinished(120000))
        return r;
    r.exitCode = p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
    r.out = QString::fromLocal8Bit(p.readAllStandardOutput());
    r.err = QString::fromLocal8Bit(p.readAllStandardError());
    return r;
}

QString defaultProject(const QString &folder)
{
    return harness::runtimeDir() + QStringLiteral("default_scripts/") + folder + QStringLiteral("/default.js");
}

} // namespace

class SiteBuildTest : public QObject
{
    Q_OBJECT

private slots:
    void check_outputAndExitCodes_data()
    {
        QTest::addColumn<QByteArray>("contents"); // empty: the file does not exist
        QTest::addColumn<QStringList>("options");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("out");
        QTest::addColumn<QString>("errPattern"); // %1: the file's path
        const QByteArray menu = readTestFile(defaultProject(QStringLiteral("ostrel-menu")));
        const QByteArray tree = readTestFile(defaultProject(QStringLiteral("tree-menu")));
        QTest::newRow("clean, type from the start call")
            << menu << QStringList() << 0 << QStringLiteral("items: 18\nitem styles: 2\nsubmenu styles: 1\n") << QString();
        QTest::newRow("tree menu by its start call")
            << tree << QStringList() << 0 << QStringLiteral("items: 13\nitem styles: 2\nsubmenu styles: 1\n") << QString();
        QTest::newRow("script error at its line")
            << QByteArray("var menuItems=[[\"A\"],];\nvar x = ;\nqrn_init();") << QStringList() << 1
            << QStringLiteral("items: 0\nitem styles: 0\nsubmenu styles: 0\n")
            << QStringLiteral("^%1:2:9: SyntaxError: Unexpected token");
        QTest::newRow("links and pictures by local paths, by the item's path")
            << QByteArray("var menuItems=[\n[\"Shop\", \"/about.html\", \"\", \"\", \"\", \"\", \"\", \"\", \"\", \"\", \"\"],\n"
                          "[\"|Cakes\", \"/home/ann/site/cakes.html\", \"\", \"\", \"C:\\\\pics\\\\cake.gif\", \"\", \"\", \"\", "
                          "\"\", \"\", \"\"]];\nqrn_init();")
            << QStringList() << 1 << QStringLiteral("items: 2\nitem styles: 0\nsubmenu styles: 0\n")
            << QStringLiteral("^%1: local path: item Shop > Cakes: Link = \"/home/ann/site/cakes\\.html\"\n"
                              "%1: local path: item Shop > Cakes: Icon = \"C:.pics.cake\\.gif\"$");
        QTest::newRow("a link from the site's root is no local path")
            << QByteArray("var menuItems=[[\"Shop\", \"/about.html\", \"\", \"\", \"/images/shop.gif\", \"\", \"\", \"\", "
                          "\"\", \"\", \"\"]];\nqrn_init();")
            << QStringList() << 0 << QStringLiteral("items: 1\nitem styles: 0\nsubmenu styles: 0\n") << QString();
        QTest::newRow("another menu type")
            << tree << QStringList{QStringLiteral("--type"), QStringLiteral("0")} << 1 << QString()
            << QStringLiteral("^plivex: %1: a data file of the Ostrel Tree Menu, but --type names the Ostrel Menu");
    }
    void check_outputAndExitCodes()
    {
        QFETCH(QByteArray, contents);
        QFETCH(QStringList, options);
        QFETCH(int, exitCode);
        QFETCH(QString, out);
        QFETCH(QString, errPattern);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("data.js"));
        if (!contents.isEmpty())
            writeTestFile(path, contents);
        const Run r = plivex(QStringList{QStringLiteral("--check"), path} + options);
        QCOMPARE(r.exitCode, exitCode);
        QCOMPARE(r.out, out);
        if (errPattern.isEmpty()) {
            QVERIFY2(!r.err.contains(QStringLiteral("plivex:")) && !r.err.contains(path), qPrintable(r.err));
        } else {
            const QRegularExpression re(errPattern.arg(QRegularExpression::escape(path)),
                                        QRegularExpression::MultilineOption);
            QVERIFY2(re.match(r.err).hasMatch(), qPrintable(r.err));
        }
    }

    void convert_writesTheFileAsTheEditorSavesIt()
    {
        QTemporaryDir dir;
        const QByteArray saved = readTestFile(defaultProject(QStringLiteral("tab-menu")));
        // The same menu with LF line ends and a comment: normalised on the way.
        QByteArray messy = saved;
        messy.replace("\r\n", "\n");
        messy.prepend("// edited by hand\n");
        const QString in = dir.filePath(QStringLiteral("in.js"));
        const QString out = dir.filePath(QStringLiteral("out.js"));
        writeTestFile(in, messy);
        Run r = plivex({QStringLiteral("--convert"), in, out, QStringLiteral("--type"), QStringLiteral("tab-menu")});
        QCOMPARE(r.exitCode, 0);
        QCOMPARE(readTestFile(out), saved);
        QCOMPARE(readTestFile(in), messy);

        // In place.
        r = plivex({QStringLiteral("--convert"), in, in, QStringLiteral("--type=3")});
        QCOMPARE(r.exitCode, 0);
        QCOMPARE(readTestFile(in), saved);

        // An output that cannot be written.
        r = plivex({QStringLiteral("--convert"), in, dir.filePath(QStringLiteral("no/such/out.js"))});
        QCOMPARE(r.exitCode, 2);
        QCOMPARE(r.err, QStringLiteral("plivex: can't write %1: the folder %2 does not exist\n")
                            .arg(dir.filePath(QStringLiteral("no/such/out.js")), dir.filePath(QStringLiteral("no/such"))));

        // A Tab Menu file without --type is read as what it says it is.
        r = plivex({QStringLiteral("--convert"), in, out});
        QCOMPARE(r.exitCode, 0);
        QCOMPARE(readTestFile(out), saved);
    }

    // Every option against every input it must refuse: the exit code, one
    // line with the same wording whichever option met the fault, nothing
    // else on either stream, and every file as it was.
    void everyOption_refusesBadInput_andLeavesTheFiles_data()
    {
        QTest::addColumn<QByteArray>("contents");
        QTest::addColumn<int>("kind"); // 0 a file, 1 missing, 2 a folder
        QTest::addColumn<QStringList>("options");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("errPattern"); // %1: the input's path
        const QByteArray menu = readTestFile(defaultProject(QStringLiteral("ostrel-menu")));
        QByteArray random(6000, 0);
        QRandomGenerator gen(23);
        for (char &c : random)
            c = static_cast<char>(gen.bounded(256));
        QByteArray missingComma = menu;
        missingComma.replace(missingComma.indexOf("\",\"", missingComma.indexOf("var menuItems")), 3, "\" \"");
        const QString noMenu = QStringLiteral("^plivex: %1: not a menu data file of the Ostrel Menu: it defines no menuItems$");
        QTest::newRow("missing file") << QByteArray() << 1 << QStringList() << 2
                                      << QStringLiteral("^plivex: can't read %1: no such file$");
        QTest::newRow("a folder") << QByteArray() << 2 << QStringList() << 2
                                  << QStringLiteral("^plivex: can't read %1: it is a folder$");
        QTest::newRow("empty file") << QByteArray() << 0 << QStringList() << 1 << noMenu;
        QTest::newRow("random bytes") << random << 0 << QStringList() << 1 << noMenu;
        QTest::newRow("an engine file") << readTestFile(harness::runtimeDir() + QStringLiteral("qrnmenu.js")) << 0
                                        << QStringList() << 1 << noMenu;
        QTest::newRow("a script without a menu") << QByteArray("var menuType=\"ostrel-menu\"; // menuItems=[]\nvar x=1;")
                                                 << 0 << QStringList() << 1 << noMenu;
        QTest::newRow("one missing comma") << missingComma << 0 << QStringList() << 1
                                           << QStringLiteral("^%1:\\d+:\\d+: SyntaxError: [^:]+$");
        QTest::newRow("Tabs file, --type tab-menu")
            << readTestFile(defaultProject(QStringLiteral("tabs"))) << 0 << QStringList{QStringLiteral("--type=3")} << 1
            << QStringLiteral("^plivex: %1: a data file of the Ostrel Tabs, but --type names the Ostrel Tab Menu; "
                              "leave --type out to read it as the file says$");
        QTest::newRow("Tab Menu file, --type tabs")
            << readTestFile(defaultProject(QStringLiteral("tab-menu"))) << 0 << QStringList{QStringLiteral("--type=2")} << 1
            << QStringLiteral("^plivex: %1: a data file of the Ostrel Tab Menu, but --type names the Ostrel Tabs; ");
        QTest::newRow("Ostrel Menu file, --type tree-menu")
            << menu << 0 << QStringList{QStringLiteral("--type"), QStringLiteral("tree-menu")} << 1
            << QStringLiteral("^plivex: %1: a data file of the Ostrel Menu, but --type names the Ostrel Tree Menu; ");
    }
    void everyOption_refusesBadInput_andLeavesTheFiles()
    {
        QFETCH(QByteArray, contents);
        QFETCH(int, kind);
        QFETCH(QStringList, options);
        QFETCH(int, exitCode);
        QFETCH(QString, errPattern);
        const QByteArray old("// the output a build made before\n");
        for (const QString &option : {QStringLiteral("--check"), QStringLiteral("--convert"), QStringLiteral("--convert in place"),
                                      QStringLiteral("--preview"), QStringLiteral("--theme Dark")}) {
            QTemporaryDir dir;
            const QString in = dir.filePath(QStringLiteral("in.js"));
            if (kind == 0)
                writeTestFile(in, contents);
            else if (kind == 2)
                QVERIFY(QDir().mkpath(in));
            QVERIFY(QDir().mkpath(dir.filePath(QStringLiteral("site"))));
            const QString out = dir.filePath(option == QLatin1String("--preview") ? QStringLiteral("site/page.html")
                                                                                 : QStringLiteral("site/out.js"));
            writeTestFile(out, old);
            QStringList args{option.section(QLatin1Char(' '), 0, 0), in};
            if (option == QLatin1String("--theme Dark"))
                args.insert(1, QStringLiteral("Dark"));
            if (option == QLatin1String("--convert in place"))
                args << in;
            else if (option != QLatin1String("--check"))
                args << out;
            const Run r = plivex(args + options);
            const QString what = option + QStringLiteral(": ") + r.err;
            QVERIFY2(r.exitCode == exitCode, qPrintable(what + QString::number(r.exitCode)));
            const QStringList lines = r.err.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
            QVERIFY2(lines.size() == 1, qPrintable(what));
            const QRegularExpression re(errPattern.arg(QRegularExpression::escape(in)));
            QVERIFY2(re.match(lines.first()).hasMatch(), qPrintable(what));
            for (const QString &line : r.out.split(QLatin1Char('\n'), Qt::SkipEmptyParts))
                QVERIFY2(QRegularExpression(QStringLiteral("^(items|item styles|submenu styles): \\d+$")).match(line).hasMatch(),
                         qPrintable(option + QStringLiteral(": ") + r.out));
            if (kind == 0)
                QCOMPARE(readTestFile(in), contents);
            QCOMPARE(readTestFile(out), old);
            QCOMPARE(QDir(dir.filePath(QStringLiteral("site"))).entryList(QDir::Files | QDir::NoDotAndDotDot).size(), 1);
        }
    }

    void theme_givesTheFileTheThemesLookAndKeepsItsItems()
    {
        QTemporaryDir dir;
        const QString in = dir.filePath(QStringLiteral("in.js"));
        const QString out = dir.filePath(QStringLiteral("out.js"));
        const QByteArray menu = readTestFile(defaultProject(QStringLiteral("ostrel-menu")));
        writeTestFile(in, menu);
        Run r = plivex({QStringLiteral("--theme"), QStringLiteral("high contrast"), in, out});
        QCOMPARE(r.exitCode, 0);
        QCOMPARE(r.err, QString());
        const QByteArray themed = readTestFile(out);
        QVERIFY(themed.contains("var menuBackColor=\"#000000\";"));
        QVERIFY(!menu.contains("var menuBackColor=\"#000000\";"));
        QCOMPARE(themed.mid(themed.indexOf("var menuItems")), menu.mid(menu.indexOf("var menuItems")));
        QCOMPARE(readTestFile(in), menu);

        // A theme the type does not have: one line, and the output as it was.
        r = plivex({QStringLiteral("--theme"), QStringLiteral("Bakery"), in, out});
        QCOMPARE(r.exitCode, 1);
        QCOMPARE(r.err, QStringLiteral("plivex: no theme \"Bakery\" for the Ostrel Menu; plivex --list-themes --type 0 lists them\n"));
        QCOMPARE(readTestFile(out), themed);
    }

    void listThemes_namesEachTypesThemes()
    {
        Run r = plivex({QStringLiteral("--list-themes"), QStringLiteral("--type"), QStringLiteral("tabs")});
        QCOMPARE(r.exitCode, 0);
        const QStringList names = r.out.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
        QVERIFY2(names.size() >= 8, qPrintable(r.out));
        QVERIFY(names.contains(QStringLiteral("High contrast")));
        r = plivex({QStringLiteral("--list-themes")});
        QCOMPARE(r.exitCode, 0);
        const QStringList all = r.out.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
        QCOMPARE(all.size(), 4 * names.size());
        QVERIFY(all.contains(QStringLiteral("tab-menu: High contrast")));
    }

    void preview_writesThePageOnlyWhereItsFolderIs()
    {
        QTemporaryDir dir;
        const QString in = dir.filePath(QStringLiteral("menu.js"));
        writeTestFile(in, readTestFile(defaultProject(QStringLiteral("tree-menu"))));
        const QString page = dir.filePath(QStringLiteral("site/page.html"));
        QVERIFY(QDir().mkpath(dir.filePath(QStringLiteral("site"))));
        Run r = plivex({QStringLiteral("--preview"), in, page});
        QVERIFY2(r.exitCode == 0, qPrintable(r.err));
        QVERIFY2(r.err.isEmpty() && r.out.isEmpty(), qPrintable(r.err + r.out));
        QVERIFY(readTestFile(page).contains("qrntmenu.js"));
        QVERIFY(QFileInfo::exists(dir.filePath(QStringLiteral("site/qrntmenu.js"))));

        const QString nowhere = dir.filePath(QStringLiteral("nonexistent/x.html"));
        r = plivex({QStringLiteral("--preview"), in, nowhere});
        QCOMPARE(r.exitCode, 2);
        QCOMPARE(r.err, QStringLiteral("plivex: can't write %1: the folder %2 does not exist\n")
                            .arg(nowhere, dir.filePath(QStringLiteral("nonexistent"))));
        QVERIFY(!QFileInfo::exists(dir.filePath(QStringLiteral("nonexistent"))));
    }

    void import_refusesWhatHoldsNoNavigation_data()
    {
        QTest::addColumn<QByteArray>("contents");
        QTest::addColumn<int>("kind"); // 0 a file, 1 missing, 2 a folder
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("errPattern");
        QTest::newRow("missing file") << QByteArray() << 1 << 2 << QStringLiteral("^plivex: can't read %1: no such file$");
        QTest::newRow("a folder") << QByteArray() << 2 << 2 << QStringLiteral("^plivex: can't read %1: it is a folder$");
        QTest::newRow("empty file") << QByteArray() << 0 << 1 << QStringLiteral("^plivex: %1: no navigation links were found$");
        QTest::newRow("a page without links") << QByteArray("<p>No links here</p>") << 0 << 1
                                              << QStringLiteral("^plivex: %1: no navigation links were found$");
        QTest::newRow("a sitemap index")
            << QByteArray("<?xml version=\"1.0\"?><sitemapindex xmlns=\"http://www.sitemaps.org/schemas/sitemap/0.9\">"
                          "<sitemap><loc>https://ex.com/a.xml</loc></sitemap><sitemap><loc>https://ex.com/b.xml</loc>"
                          "</sitemap></sitemapindex>")
            << 0 << 1
            << QStringLiteral("^plivex: %1 is a sitemap index, not a sitemap; import one of the sitemaps it lists: "
                              "https://ex.com/a.xml https://ex.com/b.xml$");
        QTest::newRow("twenty thousand nested lists")
            << (QByteArray("<ul><li>").repeated(20000)) << 0 << 1 << QStringLiteral("^plivex: %1: no navigation links were found$");
    }
    void import_refusesWhatHoldsNoNavigation()
    {
        QFETCH(QByteArray, contents);
        QFETCH(int, kind);
        QFETCH(int, exitCode);
        QFETCH(QString, errPattern);
        QTemporaryDir dir;
        const QString in = dir.filePath(QStringLiteral("site.html"));
        if (kind == 0)
            writeTestFile(in, contents);
        else if (kind == 2)
            QVERIFY(QDir().mkpath(in));
        const QString out = dir.filePath(QStringLiteral("menu.js"));
        writeTestFile(out, "old");
        const Run r = plivex({QStringLiteral("--import"), in, out});
        QCOMPARE(r.exitCode, exitCode);
        QVERIFY2(QRegularExpression(errPattern.arg(QRegularExpression::escape(in))).match(r.err.trimmed()).hasMatch() &&
                     r.err.count(QLatin1Char('\n')) == 1,
                 qPrintable(r.err));
        QVERIFY(r.out.isEmpty());
        QCOMPARE(readTestFile(out), QByteArray("old"));
    }

    void import_writesTheTypesDefaultsWithThePagesNavigation()
    {
        QTemporaryDir dir;
        const QString page = dir.filePath(QStringLiteral("site.html"));
        const QString out = dir.filePath(QStringLiteral("menu.js"));
        writeTestFile(page, "<html><body><nav><ul><li><a href=\"/\">Home</a></li><li><a href=\"/shop\" aria-current=\"page\">Shop</a>"
                            "<ul><li><a href=\"/shop/new\" target=\"_blank\">New</a></li></ul></li></ul></nav></body></html>");
        Run r = plivex({QStringLiteral("--import"), page, out, QStringLiteral("--type"), QStringLiteral("tabs")});
        QCOMPARE(r.exitCode, 0);
        // The Ostrel Tabs have one level: the subitem is brought up.
        QCOMPARE(r.out.trimmed(), QStringLiteral("items: 3"));
        r = plivex({QStringLiteral("--check"), out, QStringLiteral("--type=2")});
        QCOMPARE(r.exitCode, 0);
        QVERIFY2(r.out.contains(QStringLiteral("items: 3")), qPrintable(r.out));
        const QByteArray written = readTestFile(out);
        QVERIFY(written.contains("\"/shop/new\""));
        QVERIFY(written.contains("qrn_tabsInit"));
        // The page's current item is current in the menu too.
        const qsizetype shop = written.indexOf("[\"Shop\"");
        QVERIFY(shop >= 0);
        QVERIFY2(written.mid(shop, written.indexOf(']', shop) - shop).contains("\"current\""), written.constData());
    }

    void usageErrors_exitWithTheUsage_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<QString>("error");
        QTest::newRow("unknown option") << QStringList{QStringLiteral("--bogus")} << QStringLiteral("unknown option --bogus");
        QTest::newRow("missing type value") << QStringList{QStringLiteral("--check"), QStringLiteral("a.js"), QStringLiteral("--type")}
                                            << QStringLiteral("--type needs a value");
        QTest::newRow("convert without output") << QStringList{QStringLiteral("--convert"), QStringLiteral("a.js")}
                                                << QStringLiteral("--convert needs an input and an output file");
        QTest::newRow("theme without a name") << QStringList{QStringLiteral("--theme")} << QStringLiteral("--theme needs the name of a theme");
        QTest::newRow("theme without output") << QStringList{QStringLiteral("--theme"), QStringLiteral("Dark"), QStringLiteral("a.js")}
                                              << QStringLiteral("--theme needs a theme name, an input and an output file");
        QTest::newRow("themes listed of a file") << QStringList{QStringLiteral("--list-themes"), QStringLiteral("a.js")}
                                                 << QStringLiteral("--list-themes takes no file");
    }
    void usageErrors_exitWithTheUsage()
    {
        QFETCH(QStringList, args);
        QFETCH(QString, error);
        const Run r = plivex(args);
        QCOMPARE(r.exitCode, 2);
        QVERIFY2(r.err.startsWith(QStringLiteral("plivex: ") + error + QStringLiteral("\nUsage: plivex")), qPrintable(r.err));
    }

    void help_listsTheSiteBuildOptions()
    {
        const Run r = plivex({QStringLiteral("--help")});
        QCOMPARE(r.exitCode, 0);
        QVERIFY(r.out.contains(QStringLiteral("--check FILE")));
        QVERIFY(r.out.contains(QStringLiteral("--convert IN OUT")));
    }
};

PLIVEX_TEST_MAIN(SiteBuildTest)
#include "sitebuild_test.moc"
