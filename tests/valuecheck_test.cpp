// Values a menu cannot use, on their way into and out of a data file: the
// writer asks before it writes one, and plivex --check names each one.

#include "pages_common.h"
#include "project/datafile/dataopen.h"
#include "project/datafile/datasave.h"
#include "project/model/project.h"
#include "project/checks/valuecheck.h"
#include "support/scripteddialogs.h"
#include "support/plivexrun.h"
#include "support/testfiles.h"
#include "support/testmain.h"

#include <QTemporaryDir>

namespace {

const pagestest::PageType &menuType()
{
    return pagestest::pageTypes().at(0);
}

QByteArray defaultMenu()
{
    return readTestFile(harness::runtimeDir() + QStringLiteral("default_scripts/ostrel-menu/default.js"));
}

// The default Ostrel Menu with a text colour of "banana", a stacking order
// past 32 bits and an item style whose font has no size.
QByteArray badMenu()
{
    QByteArray text = defaultMenu();
    text.replace("var menuItemTextColor=\"#1F2D3D\";", "var menuItemTextColor=\"banana\";");
    text.replace("var menuZIndex=1000;", "var menuZIndex=99999999999;");
    text.replace("[\"menuItemTextColor=#B8420F\",", "[\"menuItemFont=Verdana\",\"menuItemTextColor=#B8420F\",");
    return text;
}

struct Editor
{
    Project project;
    std::unique_ptr<WebPage> params = pagestest::openTypePage(menuType(), QStringLiteral("params.html"));
    std::unique_ptr<WebPage> itemParams = pagestest::openTypePage(menuType(), QStringLiteral("itemparams.html"));

    bool open(const QString &path) { return ReadDataFile(project, *params, *itemParams, path); }
};

} // namespace

class ValueCheckTest : public QObject
{
    Q_OBJECT

private slots:
    void findBadValues_namesEveryOne_withWhereItStands()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("bad.js"));
        QVERIFY(writeTestFile(path, badMenu()));
        Editor e;
        QVERIFY(e.open(path));
        QStringList lines;
        for (const BadValue &b : FindBadValues(e.project, *e.params))
            lines << describeBadValue(b);
        lines.sort();
        QCOMPARE(lines.size(), 3);
        QVERIFY2(lines.at(0).startsWith(QStringLiteral("item style 1 \"Highlighted\": menuItemFont = \"Verdana\": ")), qPrintable(lines.at(0)));
        QVERIFY2(lines.at(1).startsWith(QStringLiteral("menuItemTextColor = \"banana\": not a colour")), qPrintable(lines.at(1)));
        QVERIFY2(lines.at(2).startsWith(QStringLiteral("menuZIndex = \"99999999999\": out of range")), qPrintable(lines.at(2)));
    }

    void writer_withABadValue_asksFirst_andNoLeavesTheFileAsItWas()
    {
        QTemporaryDir dir;
        const QString source = dir.filePath(QStringLiteral("bad.js"));
        const QString target = dir.filePath(QStringLiteral("out.js"));
        QVERIFY(writeTestFile(source, badMenu()));
        QVERIFY(writeTestFile(target, "user's own"));
        Editor e;
        QVERIFY(e.open(source));

        ScriptedDialogs dialogs;
        dialogs.answers.enqueue(Dialogs::Answer::No);
        QVERIFY(!WriteDataFile(e.project, *e.params, *e.itemParams, target));
        QCOMPARE(readTestFile(target), QByteArray("user's own"));
        QCOMPARE(dialogs.asked.size(), 1);
        QCOMPARE(dialogs.asked.at(0).kind, QStringLiteral("yesNo"));
        const QString question = dialogs.asked.at(0).text;
        QVERIFY2(question.contains(QStringLiteral("\rmenuItemTextColor = \"banana\": not a colour")), qPrintable(question));
        QVERIFY2(question.endsWith(QStringLiteral("\rSave them all the same?")), qPrintable(question));

        dialogs.answers.enqueue(Dialogs::Answer::Yes);
        QVERIFY(WriteDataFile(e.project, *e.params, *e.itemParams, target));
        QVERIFY(readTestFile(target).contains("var menuItemTextColor=\"banana\";"));
    }

    void writer_withGoodValues_asksNothing()
    {
        QTemporaryDir dir;
        const QString source = dir.filePath(QStringLiteral("good.js"));
        QVERIFY(writeTestFile(source, defaultMenu()));
        Editor e;
        QVERIFY(e.open(source));
        ScriptedDialogs dialogs;
        QVERIFY(WriteDataFile(e.project, *e.params, *e.itemParams, dir.filePath(QStringLiteral("out.js"))));
        QVERIFY(dialogs.asked.isEmpty());
    }

    void checkCommand_reportsEachBadValue_andExitsOne()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("bad.js"));
        QVERIFY(writeTestFile(path, badMenu()));
        const PlivexRun r = runPlivex({QStringLiteral("--check"), path});
        QCOMPARE(r.exitCode, 1);
        QCOMPARE(r.out, QStringLiteral("items: 18\nitem styles: 2\nsubmenu styles: 1\n"));
        QVERIFY2(r.err.contains(path + QStringLiteral(": bad value: menuItemTextColor = \"banana\": not a colour")), qPrintable(r.err));
        QVERIFY2(r.err.contains(path + QStringLiteral(": bad value: menuZIndex = \"99999999999\": out of range")), qPrintable(r.err));
        QVERIFY2(r.err.contains(path + QStringLiteral(": bad value: item style 1 \"Highlighted\": menuItemFont = \"Verdana\"")),
                 qPrintable(r.err));
        // The file is read, never written.
        QCOMPARE(readTestFile(path), badMenu());
    }

    // An item's fields are checked like the menu's: named with the item's
    // place and text on the command line, asked about before writing.
    void itemValues_areReportedWithTheirItem_andAskedAboutBeforeWriting()
    {
        QByteArray text = defaultMenu();
        const QByteArray home = "[\"Home\", \"index.html\", \"\", \"Back to the start page\", \"\", \"\", \"\", \"\", \"current\", \"\", \"\"]";
        QVERIFY(text.contains(home));
        text.replace(home, "[\"Home\", \"index.html\", \"\", \"Back to the start page\", \"\", \"\", \"7\", \"\", \"bogus\", \"\", \"\"]");
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("items.js"));
        QVERIFY(writeTestFile(path, text));

        const PlivexRun r = runPlivex({QStringLiteral("--check"), path});
        QCOMPARE(r.exitCode, 1);
        QVERIFY2(r.err.contains(path + QStringLiteral(": bad value: item 0 \"Home\": itemStyle = \"7\": no such style; the styles are 0 to 1")),
                 qPrintable(r.err));
        QVERIFY2(r.err.contains(path + QStringLiteral(": bad value: item 0 \"Home\": state = \"bogus\": not one of")), qPrintable(r.err));
        QCOMPARE(r.err.count(QStringLiteral("bad value")), 2);

        Editor e;
        QVERIFY(e.open(path));
        const QList<BadValue> bad = FindBadValues(e.project, *e.params);
        QCOMPARE(bad.size(), 2);
        QCOMPARE(bad.at(0).item, 0);
        ScriptedDialogs dialogs;
        dialogs.answers.enqueue(Dialogs::Answer::No);
        const QString target = dir.filePath(QStringLiteral("out.js"));
        QVERIFY(!WriteDataFile(e.project, *e.params, *e.itemParams, target));
        QVERIFY(!QFile::exists(target));
        QVERIFY2(dialogs.asked.at(0).text.contains(QStringLiteral("\ritem 0 \"Home\": state = \"bogus\"")), qPrintable(dialogs.asked.at(0).text));
    }

    // One bad value on many items is one value for the page to check, and
    // still a finding for each item, in file order and field order.
    void aRepeatedBadItemValue_isReportedForEveryItemInFileOrder()
    {
        QByteArray text = defaultMenu();
        const auto setItem = [&text](const QByteArray &from, const QByteArray &to) {
            QVERIFY(text.contains(from));
            text.replace(from, to);
        };
        setItem("[\"Home\", \"index.html\", \"\", \"Back to the start page\", \"\", \"\", \"\", \"\", \"current\"",
                "[\"Home\", \"index.html\", \"\", \"Back to the start page\", \"\", \"\", \"\", \"\", \"bogus\"");
        setItem("[\"Products\", \"products.html\", \"\", \"\", \"\", \"\", \"\", \"0\", \"\"",
                "[\"Products\", \"products.html\", \"\", \"\", \"\", \"\", \"7\", \"0\", \"bogus\"");
        setItem("[\"||Web tools\", \"products/webtools.html\", \"\", \"\", \"\", \"\", \"\", \"\", \"\"",
                "[\"||Web tools\", \"products/webtools.html\", \"\", \"\", \"\", \"\", \"\", \"\", \"bogus\"");
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("repeated.js"));
        QVERIFY(writeTestFile(path, text));
        Editor e;
        QVERIFY(e.open(path));
        QStringList found;
        for (const BadValue &b : FindBadValues(e.project, *e.params))
            found << QStringLiteral("%1 %2=%3").arg(b.item).arg(b.name, b.value);
        QCOMPARE(found, QStringList({QStringLiteral("0 state=bogus"), QStringLiteral("1 itemStyle=7"),
                                     QStringLiteral("1 state=bogus"), QStringLiteral("4 state=bogus")}));
    }

    // A bad value is a finding like a script error: nothing is written, and
    // the lines say why.
    void convertCommand_withBadValues_writesNothing()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("bad.js"));
        const QString out = dir.filePath(QStringLiteral("out.js"));
        QVERIFY(writeTestFile(path, badMenu()));
        QVERIFY(writeTestFile(out, "user's own"));
        const PlivexRun r = runPlivex({QStringLiteral("--convert"), path, out});
        QCOMPARE(r.exitCode, 1);
        QVERIFY2(r.err.contains(path + QStringLiteral(": bad value: ")), qPrintable(r.err));
        QCOMPARE(readTestFile(out), QByteArray("user's own"));
    }
};

PLIVEX_TEST_MAIN(ValueCheckTest)
#include "valuecheck_test.moc"
