// The command line for site builds: plivex --check and --convert run as a
// build pipeline runs them, without a display, and answer through their
// output and exit code.

#include "support/testfiles.h"
#include "support/testmain.h"
#include "support/webharness.h"

#include <QFile>
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
            << QStringLiteral("^%1:2:9: SyntaxError: .*Unexpected token");
        QTest::newRow("another menu type")
            << tree << QStringList{QStringLiteral("--type"), QStringLiteral("0")} << 1
            << QStringLiteral("items: 0\nitem styles: 0\nsubmenu styles: 0\n")
            << QStringLiteral("^plivex: Perhaps, this data file is for another menu type");
        QTest::newRow("missing file") << QByteArray() << QStringList() << 2 << QString()
                                      << QStringLiteral("^plivex: Can't open the file: %1$");
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
        QVERIFY2(r.err.contains(QStringLiteral("plivex: Can't write the file:")), qPrintable(r.err));
    }

    void import_writesTheTypesDefaultsWithThePagesNavigation()
    {
        QTemporaryDir dir;
        const QString page = dir.filePath(QStringLiteral("site.html"));
        const QString out = dir.filePath(QStringLiteral("menu.js"));
        writeTestFile(page, "<html><body><nav><ul><li><a href=\"/\">Home</a></li><li><a href=\"/shop\">Shop</a>"
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

        writeTestFile(page, "<p>No links here</p>");
        r = plivex({QStringLiteral("--import"), page, out});
        QCOMPARE(r.exitCode, 1);
        QVERIFY2(r.err.contains(QStringLiteral("No navigation links were found")), qPrintable(r.err));
        r = plivex({QStringLiteral("--import"), dir.filePath(QStringLiteral("missing.html")), out});
        QCOMPARE(r.exitCode, 2);
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
