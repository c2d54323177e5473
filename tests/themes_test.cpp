// Themes are found by name among the shipped ones and the user's own, and a
// name and its file name turn into each other.

#include "project/model/menutypes.h"
#include "project/themes/ownthemes.h"
#include "project/themes/themes.h"
#include "project/themes/themesample.h"
#include "support/scripteddialogs.h"
#include "support/testfiles.h"
#include "support/testmain.h"

#include <QDir>
#include <QTemporaryDir>

class ThemesTest : public QObject
{
    Q_OBJECT

private slots:
    void names_andFileNames_turnIntoEachOther_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("nameAgain");
        QTest::newRow("one word") << "Dark" << "dark.js" << "Dark";
        QTest::newRow("two words") << "Flat colour" << "flat-colour.js" << "Flat colour";
        QTest::newRow("spaces and signs run together") << "  My  own: look! " << "my-own-look.js" << "My own look";
        QTest::newRow("letters beyond ASCII") << "Café" << "café.js" << "Café";
        QTest::newRow("nothing to name a file by") << "?!" << "" << "";
        QTest::newRow("no path can be named") << "../../etc/passwd" << "etc-passwd.js" << "Etc passwd";
    }
    void names_andFileNames_turnIntoEachOther()
    {
        QFETCH(QString, name);
        QFETCH(QString, file);
        QFETCH(QString, nameAgain);
        QCOMPARE(themeFileNameOf(name), file);
        QCOMPARE(themeNameOfFile(file), nameAgain);
    }

    void listThemes_shippedFirstThenOwn_eachByName_onlyOfTheirType()
    {
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        const QString program = dir.filePath(QStringLiteral("program/"));
        const QString data = dir.filePath(QStringLiteral("data"));
        for (const char *file : {"program/themes/ostrel-menu/soft-shadow.js", "program/themes/ostrel-menu/dark.js",
                                 "program/themes/tabs/pill.js", "program/themes/ostrel-menu/notes.txt",
                                 "data/themes/ostrel-menu/dark.js", "data/themes/ostrel-menu/bakery.js"}) {
            QVERIFY(QDir().mkpath(QFileInfo(dir.filePath(QLatin1String(file))).path()));
            QVERIFY(writeTestFile(dir.filePath(QLatin1String(file)), "var menuItems=[];"));
        }
        QStringList seen;
        const QList<Theme> themes = listThemes(0, program, data);
        for (const Theme &t : themes)
            seen << themeLabel(t);
        QCOMPARE(seen, QStringList({"Dark", "Soft shadow", "Bakery (yours)", "Dark (yours)"}));
        // Each label names its own theme back.
        for (const Theme &t : themes)
            QCOMPARE(findTheme(themes, themeLabel(t))->path, t.path);
        QCOMPARE(themes.at(2).path, dir.filePath(QStringLiteral("data/themes/ostrel-menu/bakery.js")));

        // Found by name in any letter case, or as its file is named; the
        // shipped one first where the user saved one of the same name.
        QCOMPARE(findTheme(themes, QStringLiteral("soft SHADOW"))->path,
                 dir.filePath(QStringLiteral("program/themes/ostrel-menu/soft-shadow.js")));
        QCOMPARE(findTheme(themes, QStringLiteral("soft-shadow"))->name, QStringLiteral("Soft shadow"));
        QVERIFY(!findTheme(themes, QStringLiteral("dark"))->own);
        QVERIFY(!findTheme(themes, QStringLiteral("Pill")));
        QVERIFY(!findTheme(themes, QString()));

        // A type without a folder of themes has none.
        QVERIFY(listThemes(1, program, data).isEmpty());
    }

    void itemArray_takesTheFirstItemsAsWritten_fromAnyDataTextOfTheWriter_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("max");
        QTest::addColumn<QString>("expected");
        const QString head = QStringLiteral("var menuType=\"ostrel-menu\";\r\nvar menuItems = [\r\n\r\n");
        const QString three = QStringLiteral("[\"Home\", \"a\"],\r\n[\"|Sub\", \"b\"],\r\n[\"Last\", \"\"],\r\n");
        const QString tail = QStringLiteral("];\r\n\r\nqrn_init();");
        const QString empty = QStringLiteral("var menuItems = [\r\n\r\n];\r\n");
        QTest::newRow("all") << head + three + tail << -1
                             << QStringLiteral("var menuItems = [\r\n\r\n") + three + QStringLiteral("];\r\n");
        QTest::newRow("the first two, levels kept")
            << head + three + tail << 2
            << QStringLiteral("var menuItems = [\r\n\r\n[\"Home\", \"a\"],\r\n[\"|Sub\", \"b\"],\r\n];\r\n");
        QTest::newRow("no items") << head + tail << 12 << empty;
        QTest::newRow("no item array at all") << QStringLiteral("var x=1;") << 12 << empty;
        // A line that is no item of the writer's ends the array.
        QTest::newRow("a stranger's line ends it")
            << head + QStringLiteral("[\"Home\", \"a\"],\r\nalert(1);\r\n[\"x\"],\r\n") + tail << -1
            << QStringLiteral("var menuItems = [\r\n\r\n[\"Home\", \"a\"],\r\n];\r\n");
    }
    void itemArray_takesTheFirstItemsAsWritten_fromAnyDataTextOfTheWriter()
    {
        QFETCH(QString, text);
        QFETCH(int, max);
        QFETCH(QString, expected);
        QCOMPARE(itemArrayOf(text, menuTypes().at(0), max), expected);
    }

    void themedText_startsTheEngineOnce_afterTheItems_andThemeTextLeavesTheItemsOut()
    {
        const QString theme = QStringLiteral("var menuBackColor=\"#000\";\r\nvar menuItems = [\r\n\r\n];\r\n\r\nqrn_init();");
        const QString items = QStringLiteral("var menuItems = [\r\n\r\n[\"Home\"],\r\n];\r\n");
        const QString themed = themedDataText(theme, 0, items);
        QCOMPARE(themed.count(QStringLiteral("qrn_init();")) - themed.count(QStringLiteral("//qrn_init();")), 1);
        QVERIFY(themed.endsWith(QStringLiteral("qrn_init();")));
        QVERIFY(themed.indexOf(QStringLiteral("[\"Home\"]")) > themed.indexOf(QStringLiteral("#000")));

        const QString project = QStringLiteral("var menuBackColor=\"#000\";\r\nvar itemStyles = [\r\n    [\"a=1\"],\r\n];"
                                               "\r\n\r\nvar menuItems = [\r\n\r\n[\"Home\", \"index.html\"],\r\n];\r\n\r\nqrn_init();");
        const QString look = themeTextOf(project, menuTypes().at(0));
        QCOMPARE(look, QStringLiteral("var menuBackColor=\"#000\";\r\nvar itemStyles = [\r\n    [\"a=1\"],\r\n];"
                                      "\r\n\r\nvar menuItems = [\r\n\r\n];\r\n\r\nqrn_init();"));
        // A text not laid out by the writer is not cut at a guess.
        QCOMPARE(themeTextOf(QStringLiteral("var menuItems = [[\"Home\"]];"), menuTypes().at(0)), QString());
    }

    void ownThemes_namesClashingWithShippedOnes_orWithoutLetters_areRefused_ownOnesReplacedOnlyWhenAsked()
    {
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        const QString program = dir.filePath(QStringLiteral("program/"));
        const QString data = dir.filePath(QStringLiteral("data"));
        QVERIFY(QDir().mkpath(program + QStringLiteral("themes/tabs")));
        QVERIFY(writeTestFile(program + QStringLiteral("themes/tabs/soft-shadow.js"), "var bmenuItems=[];"));
        ScriptedDialogs dialogs;
        const OwnThemes own(2, program, data);
        QVERIFY(!own.nameProblem(QStringLiteral("Soft  Shadow!")).isEmpty());
        QVERIFY(!own.nameProblem(QStringLiteral(" ")).isEmpty());
        QVERIFY(own.nameProblem(QStringLiteral("Shadowy")).isEmpty());

        dialogs.texts << QStringLiteral("soft shadow") << QStringLiteral("Mine");
        const std::optional<Theme> saved = own.saveAs(QStringLiteral("var a=1;"));
        QVERIFY(saved);
        QCOMPARE(saved->name, QStringLiteral("Mine"));
        QVERIFY(saved->own);
        QCOMPARE(dialogs.textsOf(QStringLiteral("error")).size(), 1);
        QCOMPARE(readTestFile(data + QStringLiteral("/themes/tabs/Mine.js")), QByteArray("var a=1;"));

        // Cancelled, or No to replacing: the file stays as it was.
        QVERIFY(!own.saveAs(QStringLiteral("var a=2;")));
        dialogs.texts << QStringLiteral("MINE");
        dialogs.answers << Dialogs::Answer::No;
        QVERIFY(!own.saveAs(QStringLiteral("var a=2;")));
        QCOMPARE(readTestFile(data + QStringLiteral("/themes/tabs/Mine.js")), QByteArray("var a=1;"));
        // Yes replaces it, under the name as now typed: one theme, not two.
        dialogs.texts << QStringLiteral("Smile Dental");
        QCOMPARE(own.saveAs(QStringLiteral("var a=3;"))->name, QStringLiteral("Smile Dental"));
        dialogs.texts << QStringLiteral("MINE");
        dialogs.answers << Dialogs::Answer::Yes;
        QCOMPARE(own.saveAs(QStringLiteral("var a=2;"))->name, QStringLiteral("MINE"));
        QCOMPARE(readTestFile(data + QStringLiteral("/themes/tabs/MINE.js")), QByteArray("var a=2;"));
        QVERIFY(!QFileInfo::exists(data + QStringLiteral("/themes/tabs/Mine.js")));
        QStringList listed;
        for (const Theme &t : own.list())
            listed << themeLabel(t);
        QCOMPARE(listed, (QStringList{"Soft shadow", "MINE (yours)", "Smile Dental (yours)"}));

        // Renamed in another letter case, it stays one theme; onto another's name, it is refused.
        const Theme mine = *findTheme(own.list(), QStringLiteral("mine (yours)"));
        dialogs.texts << QStringLiteral("Mine");
        QCOMPARE(own.rename(mine)->name, QStringLiteral("Mine"));
        dialogs.texts << QStringLiteral("smile dental");
        QVERIFY(!own.rename(*findTheme(own.list(), QStringLiteral("Mine"))));
        QVERIFY(dialogs.textsOf(QStringLiteral("error")).last().contains(QStringLiteral("\"Smile Dental\" already")));

        // A shipped theme is neither renamed nor deleted, and nothing is asked.
        const Theme shipped = own.list().first();
        QVERIFY(!shipped.own);
        const int asked = int(dialogs.asked.size());
        QVERIFY(!own.rename(shipped));
        QVERIFY(!own.remove(shipped));
        QCOMPARE(int(dialogs.asked.size()), asked);
        QVERIFY(QFileInfo::exists(shipped.path));
    }

    void ownThemeFolder_liesInTheDataFolderByType()
    {
        QCOMPARE(ownThemeFolder(3, QStringLiteral("/x/plivex")), QStringLiteral("/x/plivex/themes/tab-menu"));
    }
};

PLIVEX_TEST_MAIN(ThemesTest)
#include "themes_test.moc"
