// Themes are found by name among the shipped ones and the user's own, and a
// name and its file name turn into each other.

#include "project/menutypes.h"
#include "project/themes.h"
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
            seen << t.name + (t.own ? QStringLiteral(" (own)") : QString());
        QCOMPARE(seen, QStringList({"Dark", "Soft shadow", "Bakery (own)", "Dark (own)"}));
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

    void ownThemeFolder_liesInTheDataFolderByType()
    {
        QCOMPARE(ownThemeFolder(3, QStringLiteral("/x/plivex")), QStringLiteral("/x/plivex/themes/tab-menu"));
    }
};

PLIVEX_TEST_MAIN(ThemesTest)
#include "themes_test.moc"
