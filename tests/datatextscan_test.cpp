// What a data text says of itself, read without running it: names inside
// strings and comments say nothing.

#include "project/datafile/datatextscan.h"
#include "support/testmain.h"

#include <QtTest>

class DataTextScanTest : public QObject
{
    Q_OBJECT

private slots:
    void codeOfDataText_blanksStringsAndComments_keepingPositions_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("code");
        QTest::newRow("double quotes") << QStringLiteral("a=\"x;y\";") << QStringLiteral("a=\"   \";");
        QTest::newRow("escaped quote") << QStringLiteral("a='it\\'s';b") << QStringLiteral("a='     ';b");
        QTest::newRow("line comment") << QStringLiteral("a;// qrn_init()\r\nb") << QStringLiteral("a;//           \r\nb");
        QTest::newRow("block comment") << QStringLiteral("/* \"x */y") << QStringLiteral("/*    */y");
        QTest::newRow("unclosed string ends at the line")
            << QStringLiteral("a=\"open\r\nqrn_init();") << QStringLiteral("a=\"    \r\nqrn_init();");
        QTest::newRow("template over lines") << QStringLiteral("a=`x\ny`;b") << QStringLiteral("a=` \n `;b");
        QTest::newRow("unclosed comment") << QStringLiteral("a/* b") << QStringLiteral("a/*  ");
    }
    void codeOfDataText_blanksStringsAndComments_keepingPositions()
    {
        QFETCH(QString, text);
        QFETCH(QString, code);
        QCOMPARE(CodeOfDataText(text), code);
    }

    void menuTypeNamedIn_readsOnlyTheTypeStatement_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("type");
        QTest::newRow("ostrel menu") << QStringLiteral("var menuDataVersion=1;\r\nvar menuType=\"ostrel-menu\";") << 0;
        QTest::newRow("tree menu") << QStringLiteral("var tmenuType=\"tree-menu\";") << 1;
        QTest::newRow("tabs") << QStringLiteral("var tabsType=\"tabs\";") << 2;
        QTest::newRow("tab menu, single quotes, let") << QStringLiteral("let tabsType='tab-menu'") << 3;
        QTest::newRow("no statement") << QStringLiteral("var menuItems=[];") << -1;
        QTest::newRow("value of no type") << QStringLiteral("var menuType=\"tabs\";") << -1;
        QTest::newRow("inside a string")
            << QStringLiteral("var menuItems=[[\"var tabsType='tabs';\"]];var menuType=\"ostrel-menu\";") << 0;
        QTest::newRow("inside a comment only") << QStringLiteral("// var tabsType=\"tab-menu\";\r\nvar x=1;") << -1;
        QTest::newRow("last statement counts")
            << QStringLiteral("var tabsType=\"tabs\";\r\ntabsType=\"tab-menu\";") << 3;
        QTest::newRow("property, not a statement") << QStringLiteral("o.tabsType=\"tabs\";") << -1;
        QTest::newRow("longer name") << QStringLiteral("var xmenuType=\"ostrel-menu\";") << -1;
    }
    void menuTypeNamedIn_readsOnlyTheTypeStatement()
    {
        QFETCH(QString, text);
        QFETCH(int, type);
        QCOMPARE(MenuTypeNamedIn(text), type);
    }

    void otherMenuTypeIn_countsOnlyCallsThatStandAsStatements_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("current");
        QTest::addColumn<int>("other");
        QTest::newRow("call of another type") << QStringLiteral("x;\r\nqrn_tmenuInit();") << 0 << 1;
        QTest::newRow("cross-frame call is the menu's") << QStringLiteral("qrn_initFrame(\"f\",0,1,0);") << 1 << 0;
        QTest::newRow("in an item text") << QStringLiteral("var tmenuItems=[[\"Call qrn_init() here\"]];") << 1 << -1;
        QTest::newRow("in a comment") << QStringLiteral("/* qrn_tabsInit(); */") << 0 << -1;
        QTest::newRow("named, not called") << QStringLiteral("var f=qrn_init;") << 1 << -1;
        QTest::newRow("a method of the same name") << QStringLiteral("page.qrn_init();") << 1 << -1;
        QTest::newRow("after a block") << QStringLiteral("if(a){}qrn_tabsInit();") << 1 << 2;
    }
    void otherMenuTypeIn_countsOnlyCallsThatStandAsStatements()
    {
        QFETCH(QString, text);
        QFETCH(int, current);
        QFETCH(int, other);
        QCOMPARE(OtherMenuTypeIn(text, current), other);
    }

    // Each entry as "line", "hole@line" or "line+joined" (the line where the
    // first list of a lost comma's pair closed).
    void listEntryPlaces_followTheScriptsOwnElements_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QStringList>("places");
        // A text as the reader makes it: a line break before the first line.
        const QString head = QStringLiteral("\r\nvar menuItems = [\r\n");
        QTest::newRow("written list, last comma ends it")
            << head + QStringLiteral("[\"A\", \"a,]\"],\r\n[\"B\"],\r\n];") << QStringList{"2", "3"};
        QTest::newRow("lost comma joins two items")
            << head + QStringLiteral("[\"A\"],\r\n[\"B\"]\r\n[\"C\"],\r\n[\"D\"],\r\n];") << QStringList{"2", "3+3", "5"};
        QTest::newRow("index on one line") << head + QStringLiteral("[\"A\"][\"B\"],\r\n];") << QStringList{"2+2"};
        QTest::newRow("hole") << head + QStringLiteral("[\"A\"],\r\n,\r\n[\"B\"],\r\n];") << QStringList{"2", "hole@3", "4"};
        QTest::newRow("brackets in strings and comments")
            << head + QStringLiteral("[\"][\"], // ],[\r\n/* [ */ [\"x\"],\r\n];") << QStringList{"2", "3"};
        QTest::newRow("nested lists are one entry") << head + QStringLiteral("[[1,2],[3]],\r\n5,\r\n];") << QStringList{"2", "3"};
        QTest::newRow("last assignment counts")
            << QStringLiteral("menuItems=[1];\r\nmenuItems = [\r\n2,3];") << QStringList{"3", "3"};
        QTest::newRow("no literal") << QStringLiteral("var menuItems = make();") << QStringList{};
        QTest::newRow("name in a string") << QStringLiteral("var t=\"menuItems=[1,2]\";") << QStringList{};
    }
    void listEntryPlaces_followTheScriptsOwnElements()
    {
        QFETCH(QString, text);
        QFETCH(QStringList, places);
        QStringList got;
        for (const ListEntryPlace &p : ListEntryPlacesIn(text, QStringLiteral("menuItems")))
            got << (p.hole ? QStringLiteral("hole@%1").arg(p.line)
                           : p.joinedAfterLine ? QStringLiteral("%1+%2").arg(p.line).arg(p.joinedAfterLine)
                                               : QString::number(p.line));
        QCOMPARE(got, places);
    }

    void joinedDeclarations_areNamesThatSwallowedTheirValue_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QStringList>("found");
        QTest::newRow("lost equals sign") << QStringLiteral("\r\nvar menuZIndex=5;\r\nvar menuZIndex1000;")
                                          << QStringList{"2:menuZIndex1000:menuZIndex"};
        QTest::newRow("flag") << QStringLiteral("var menuArrowsfalse\r\n;") << QStringList{"1:menuArrowsfalse:menuArrows"};
        QTest::newRow("value on the next line") << QStringLiteral("var menuZIndex1\r\n= 2;") << QStringList{};
        QTest::newRow("unknown names pass") << QStringLiteral("var helper;") << QStringList{};
        QTest::newRow("a longer name of its own passes")
            << QStringLiteral("var menuZIndexShown;\r\nvar menuArrowsOn, x = 1;") << QStringList{};
        QTest::newRow("the name itself passes") << QStringLiteral("var menuZIndex;") << QStringList{};
        QTest::newRow("in a string") << QStringLiteral("var t=\"var menuZIndex9;\";") << QStringList{};
        QTest::newRow("loop variable") << QStringLiteral("for (var menuArrowsK in x) {}") << QStringList{};
    }
    void joinedDeclarations_areNamesThatSwallowedTheirValue()
    {
        QFETCH(QString, text);
        QFETCH(QStringList, found);
        QStringList got;
        for (const JoinedDeclaration &j : JoinedDeclarationsIn(text, {QStringLiteral("menuZIndex"), QStringLiteral("menuArrows")}))
            got << QStringLiteral("%1:%2:%3").arg(j.line).arg(j.declared, j.name);
        QCOMPARE(got, found);
    }
};

PLIVEX_TEST_MAIN(DataTextScanTest)
#include "datatextscan_test.moc"
