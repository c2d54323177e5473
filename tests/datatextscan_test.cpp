// What a data text says of itself, read without running it: names inside
// strings and comments say nothing.

#include "project/datatextscan.h"
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
};

PLIVEX_TEST_MAIN(DataTextScanTest)
#include "datatextscan_test.moc"
