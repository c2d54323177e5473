// plivex --audit: the menu of a data file rendered by its engine and checked
// for people who read it, as a build pipeline runs it.

#include "support/plivexrun.h"
#include "support/testfiles.h"
#include "support/testmain.h"
#include "support/webharness.h"

#include <QRegularExpression>
#include <QTemporaryDir>

namespace {

QString defaultProject(const QString &folder)
{
    return harness::runtimeDir() + QStringLiteral("default_scripts/") + folder + QStringLiteral("/default.js");
}

// The findings: the lines after the counts.
QStringList findings(const PlivexRun &r)
{
    QStringList lines = r.out.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    lines.removeIf([](const QString &l) { return l.contains(QLatin1String("styles: ")) || l.startsWith(QLatin1String("items: ")); });
    return lines;
}

} // namespace

class AuditTest : public QObject
{
    Q_OBJECT

private slots:
    void defaultProjects_passTheAudit_data()
    {
        QTest::addColumn<QString>("folder");
        QTest::addColumn<QStringList>("options");
        QTest::newRow("ostrel-menu") << "ostrel-menu" << QStringList();
        QTest::newRow("tree-menu") << "tree-menu" << QStringList();
        QTest::newRow("tabs") << "tabs" << QStringList();
        QTest::newRow("tab-menu") << "tab-menu" << QStringList{QStringLiteral("--type"), QStringLiteral("3")};
    }
    void defaultProjects_passTheAudit()
    {
        QFETCH(QString, folder);
        QFETCH(QStringList, options);
        const PlivexRun r = runPlivex(QStringList{QStringLiteral("--audit"), defaultProject(folder)} + options);
        QVERIFY2(r.exitCode == 0, qPrintable(r.out + r.err));
        QVERIFY2(findings(r).isEmpty(), qPrintable(r.out));
    }

    // Each row changes the default Ostrel Menu, names a finding it must
    // bring and a pattern every finding of it matches.
    void lowContrast_isFoundWhereAVisitorWouldMeetIt_data()
    {
        QTest::addColumn<QByteArrayList>("changes"); // from, to, from, to...
        QTest::addColumn<QString>("finding");
        QTest::addColumn<QString>("every"); // a pattern
        QTest::newRow("white on yellow item style, on the bar")
            << QByteArrayList{"\"menuItemBackColor=#B5500F\"", "\"menuItemBackColor=#FFFF00\""}
            << "color-contrast: item 17 \"Shop\": #FFFFFF on #FFFF00, contrast 1.07:1, needs 4.5:1" << "^color-contrast: item 17 ";
        // Only seen with the submenu open.
        QTest::newRow("pale submenu items")
            << QByteArrayList{"var menuSubItemTextColor=\"#1F2D3D\";", "var menuSubItemTextColor=\"#C8C8C8\";"}
            << "color-contrast: item 2 \"Software\": #C8C8C8 on #FBFCFE, contrast 1.63:1, needs 4.5:1" << "^color-contrast: item ";
        // Only seen under the mouse: no rendered page shows it.
        QTest::newRow("hover of an item style")
            << QByteArrayList{"\"menuItemHoverBackColor=#8F3F0C\"", "\"menuItemHoverBackColor=#FFCC99\""}
            << "contrast-states: item style 0 \"Call to action\" of item 17 \"Shop\": menuItemHoverTextColor "
               "(Items under the mouse): #FFFFFF on #FFCC99, contrast 1.46:1, needs 4.5:1"
            << "^contrast-states: item style 0 ";
        QTest::newRow("current page item of the menu")
            << QByteArrayList{"var menuItemCurrentTextColor=\"#17467F\";", "var menuItemCurrentTextColor=\"#C9D8EA\";"}
            << "contrast-states: parameter: menuItemCurrentTextColor (Current page item): #C9D8EA on #DCE8F7, "
               "contrast 1.17:1, needs 4.5:1"
            // The current item of the file shows it without the mouse too.
            << "^(contrast-states: parameter: menuItemCurrentTextColor |color-contrast: item 0 \"Home\")";
    }
    void lowContrast_isFoundWhereAVisitorWouldMeetIt()
    {
        QFETCH(QByteArrayList, changes);
        QFETCH(QString, finding);
        QFETCH(QString, every);
        QByteArray text = readTestFile(defaultProject(QStringLiteral("ostrel-menu")));
        for (qsizetype i = 0; i + 1 < changes.size(); i += 2) {
            QVERIFY2(text.contains(changes.at(i)), changes.at(i).constData());
            text.replace(changes.at(i), changes.at(i + 1));
        }
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("menu.js"));
        QVERIFY(writeTestFile(path, text));
        const PlivexRun r = runPlivex({QStringLiteral("--audit"), path});
        QCOMPARE(r.exitCode, 1);
        QVERIFY2(findings(r).contains(finding), qPrintable(r.out + r.err));
        const QRegularExpression pattern(every);
        for (const QString &f : findings(r))
            QVERIFY2(pattern.match(f).hasMatch(), qPrintable(f));
        QCOMPARE(readTestFile(path), text);
    }

    void unreadableFile_exitsTwo()
    {
        QTemporaryDir dir;
        const PlivexRun r = runPlivex({QStringLiteral("--audit"), dir.filePath(QStringLiteral("missing.js"))});
        QCOMPARE(r.exitCode, 2);
        QVERIFY2(r.err.contains(QStringLiteral("can't read")), qPrintable(r.err));
        QVERIFY(findings(r).isEmpty());
    }
};

PLIVEX_TEST_MAIN(AuditTest)
#include "audit_test.moc"
