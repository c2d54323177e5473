#include "app/commandline.h"
#include "app/inifile.h"
#include "support/testmain.h"

#include <QFile>
#include <QTemporaryDir>

class IniFileTest : public QObject
{
    Q_OBJECT

private slots:
    void save_keepsSectionNamesAndUntouchedLines()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("plivex.ini"));
        QFile f(path);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("[Recent Files]\r\nfile0=/a b/c.js\r\nfile7=/stale.js\r\n[Other]\r\nkeep=1\r\n");
        f.close();

        IniFile ini;
        QVERIFY(ini.load(path));
        QCOMPARE(ini.readString(QStringLiteral("recent files"), QStringLiteral("FILE0")), QStringLiteral("/a b/c.js"));
        ini.writeInteger(QStringLiteral("Positions"), QStringLiteral("mainX"), -20);
        ini.writeString(QStringLiteral("Recent Files"), QStringLiteral("file0"), QStringLiteral("/new.js"));
        QVERIFY(ini.save(path));

        QVERIFY(f.open(QIODevice::ReadOnly));
        QCOMPARE(QString::fromUtf8(f.readAll()),
                 QStringLiteral("[Recent Files]\nfile0=/new.js\nfile7=/stale.js\n\n[Other]\nkeep=1\n\n"
                                "[Positions]\nmainX=-20\n"));
    }

    void readInteger_badValues_giveTheFallback_data()
    {
        QTest::addColumn<QString>("value");
        QTest::addColumn<int>("expected");
        QTest::newRow("number") << "640" << 640;
        QTest::newRow("negative") << "-2147483647" << -2147483647;
        QTest::newRow("blanks around") << "  12 " << 12;
        QTest::newRow("text") << "wide" << -1;
        QTest::newRow("empty") << "" << -1;
        QTest::newRow("too big") << "99999999999" << -1;
        QTest::newRow("fraction") << "1.5" << -1;
    }
    void readInteger_badValues_giveTheFallback()
    {
        QFETCH(QString, value);
        QFETCH(int, expected);
        IniFile ini;
        ini.writeString(QStringLiteral("Positions"), QStringLiteral("mainW"), value);
        QCOMPARE(ini.readInteger(QStringLiteral("Positions"), QStringLiteral("mainW"), -1), expected);
    }

    void save_unwritableFolder_failsAndLeavesNothing()
    {
        IniFile ini;
        ini.writeInteger(QStringLiteral("Positions"), QStringLiteral("mainX"), 1);
        QVERIFY(!ini.save(QStringLiteral("/nonexistent-folder/plivex.ini")));
    }

    void commandLine_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<int>("type");
        QTest::addColumn<QString>("file");
        QTest::addColumn<bool>("error");
        QTest::newRow("nothing") << QStringList{} << -1 << "" << false;
        QTest::newRow("file") << QStringList{"menu.js"} << -1 << "menu.js" << false;
        QTest::newRow("type number") << QStringList{"--type", "2"} << 2 << "" << false;
        QTest::newRow("type folder") << QStringList{"--type=tree-menu", "a.js"} << 1 << "a.js" << false;
        QTest::newRow("type out of range") << QStringList{"--type", "4"} << -1 << "" << true;
        QTest::newRow("type missing") << QStringList{"--type"} << -1 << "" << true;
        QTest::newRow("two files") << QStringList{"a.js", "b.js"} << -1 << "a.js" << true;
        QTest::newRow("file after --") << QStringList{"--", "-odd.js"} << -1 << "-odd.js" << false;
        QTest::newRow("unknown option") << QStringList{"--bogus"} << -1 << "" << true;
        QTest::newRow("Qt's option with its value") << QStringList{"-platform", "offscreen", "a.js"} << -1 << "a.js" << false;
        QTest::newRow("check") << QStringList{"--check", "a.js", "--type", "tabs"} << 2 << "a.js" << false;
        QTest::newRow("check without file") << QStringList{"--check"} << -1 << "" << true;
        QTest::newRow("convert one file") << QStringList{"--convert", "a.js"} << -1 << "a.js" << true;
        QTest::newRow("type before an option") << QStringList{"--type", "--check", "a.js"} << -1 << "a.js" << true;
    }
    void commandLine()
    {
        QFETCH(QStringList, args);
        QFETCH(int, type);
        QFETCH(QString, file);
        QFETCH(bool, error);
        const CommandLine cl = parseCommandLine(args);
        QCOMPARE(cl.menuType, type);
        QCOMPARE(cl.file, file);
        QCOMPARE(!cl.error.isEmpty(), error);
    }
};

PLIVEX_TEST_MAIN(IniFileTest)
#include "inifile_test.moc"
