// The data file writer and reader over substitute pages: the file's layout,
// the reader's line rules, level placement and style conversion, and what
// the reader does with files it cannot use.

#include "project/datafile/dataopen.h"
#include "project/datafile/datatextscan.h"
#include "project/datafile/datasave.h"
#include "project/model/product.h"
#include "project/model/project.h"
#include "support/fakepage.h"
#include "support/scripteddialogs.h"
#include "support/testfiles.h"
#include "support/testmain.h"

#include <QDir>
#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>

#include <unistd.h>

namespace {

QString argText(const PageArg &a)
{
    if (std::holds_alternative<int>(a))
        return QString::number(std::get<int>(a));
    if (std::holds_alternative<QString>(a))
        return std::get<QString>(a);
    return QStringLiteral("<omitted>");
}

// Pages whose answers show what they were given.
struct WriterPages
{
    FakePage params;
    FakePage itemParams;
    WriterPages()
    {
        params.completeLoad();
        itemParams.completeLoad();
        params.setAnswer(QStringLiteral("qrn_getKeysList"), QStringLiteral("K"));
        params.setAnswer(QStringLiteral("qrn_getParamsList"), QStringLiteral("P"));
        params.setAnswer(QStringLiteral("qrn_getBadValues"), QStringLiteral("[]"));
        params.setAnswer(QStringLiteral("qrn_getCheckedItemFields"), QString());
        params.setAnswer(QStringLiteral("qrn_getBadItemValues"), QStringLiteral("[]"));
        params.setAnswer(QStringLiteral("qrn_getPathValues"), QStringLiteral("[]"));
        params.setAnswer(QStringLiteral("qrn_getPathItemFields"), QStringLiteral("[]"));
    }
};

QModelIndex add(Project &p, const QModelIndex &parent, const QString &text)
{
    TItem item;
    item.Params[0] = text;
    for (int i = 1; i < TItem::kParamCount; ++i)
        item.Params[static_cast<size_t>(i)] = QString::number(i);
    return p.items().append(parent, item);
}

QString header()
{
    return QStringLiteral("/*\r\n   Quorna Ostrel Menu data file\r\n   Created by Quorna Ostrel Plivex\r\n   ") + kProductWebSite +
           QStringLiteral("\r\n*/\r\n\r\n");
}

// Reader and parameter page answers for a loaded file: the values the
// reader hands back as JSON.
struct ReaderPages
{
    FakePage params;
    FakePage itemParams;
    QString values = QStringLiteral("{\"menuItems\":[]}");
    QString textGiven;
    QString namesGiven;
    QString valuesGiven;
    bool loadingDuringLoad = false;

    explicit ReaderPages(Project &project)
    {
        params.completeLoad();
        itemParams.completeLoad();
        params.setAnswer(QStringLiteral("qrn_getDataNames"), QStringLiteral("menuItems\ritemStyles"));
        params.setHandler(FakePage::kEvaluateApart, [this, &project](const PageArgs &a) {
            textGiven = argText(a.at(0));
            namesGiven = argText(a.at(1));
            loadingDuringLoad = project.LoadingData;
            return QVariant(values);
        });
        params.setHandler(QStringLiteral("qrn_loadValues"), [this](const PageArgs &a) {
            valuesGiven = argText(a.at(0));
            return QVariant(QString());
        });
        itemParams.setAnswer(QStringLiteral("qrn_setIndividualStyles"), QString());
    }
};

// The tree as "text/level" in display order.
QStringList outline(const Project &p)
{
    QStringList out;
    p.items().walk([&out](const QModelIndex &, const TItem &item, int level) {
        out << item.Params[0] + QLatin1Char('/') + QString::number(level);
    });
    return out;
}

} // namespace

class DataFilesTest : public QObject
{
    Q_OBJECT

private slots:
    void buildDataText_workedExample_layoutByteForByte()
    {
        Project p;
        WriterPages pages;
        const QModelIndex a = add(p, {}, QStringLiteral("A"));
        add(p, a, QStringLiteral("A1"));
        add(p, {}, QStringLiteral("B \"qrn_init\" <b>"));
        const QString params = QStringLiteral(", \"1\", \"2\", \"3\", \"4\", \"5\", \"6\", \"7\", \"8\", \"9\", \"10\"],\r\n");
        const QString expected = header() + QStringLiteral("K\r\n// --- Ostrel Plivex style names ---\r\n"
                                                           "var itemStylesNames=[];\r\nvar menuStylesNames=[];\r\n"
                                                           "// --- End of Ostrel Plivex style names ---\r\nP\r\n\r\n"
                                                           "var menuItems = [\r\n\r\n") +
                                 QStringLiteral("[\"A\"") + params + QStringLiteral("[\"|A1\"") + params +
                                 QStringLiteral("[\"B \\x22qrn\\x5Finit\\x22 \\x3Cb\\x3E\"") + params +
                                 QStringLiteral("];\r\n\r\nqrn_init();");
        QCOMPARE(BuildDataText(p, pages.params, pages.itemParams), expected);
        // The items are written here, without a page.
        QVERIFY(pages.itemParams.calls.isEmpty());
        QCOMPARE(pages.params.callsTo(QStringLiteral("qrn_getKeysList")).at(0).args, PageArgs{kOmitted});
    }

    void buildDataText_stylesPerMenuType_data()
    {
        QTest::addColumn<int>("type");
        QTest::addColumn<int>("itemStyles");
        QTest::addColumn<int>("smStyles");
        QTest::addColumn<QString>("expectedMiddle");
        const QString n1n2 = QStringLiteral("var itemStylesNames=[\"N1\",\"N2\",];\r\n");
        QTest::newRow("type 0, two item styles")
            << 0 << 2 << 0
            << n1n2 + QStringLiteral("var menuStylesNames=[];\r\n// --- End of Ostrel Plivex style names ---\r\nP\r\n"
                                     "var itemStyles = [\r\n    S1,\r\n    S2,\r\n];\r\n\r\nvar menuItems");
        QTest::newRow("type 0, submenu styles only")
            << 0 << 0 << 1
            << QStringLiteral("var itemStylesNames=[];\r\nvar menuStylesNames=[\"M1\",];\r\n// --- End of Ostrel Plivex "
                              "style names ---\r\nP\r\nvar menuStyles = [\r\n    T1,\r\n];\r\n\r\nvar menuItems");
        QTest::newRow("type 1, both")
            << 1 << 1 << 1
            << QStringLiteral("var tstylesNames=[\"N1\",];\r\nvar tXPStylesNames=[\"M1\",];\r\n// --- End of Ostrel "
                              "Plivex style names ---\r\nP\r\nvar tstyles = [\r\n    S1,\r\n];\r\nvar tXPStyles = [\r\n"
                              "    T1,\r\n];\r\n\r\nvar tmenuItems");
        for (int type : {2, 3})
            QTest::addRow("type %d ignores submenu styles", type)
                << type << 0 << 2
                << QStringLiteral("var bstylesNames=[];\r\n// --- End of Ostrel Plivex style names ---\r\nP\r\n\r\n"
                                  "var bmenuItems");
    }
    void buildDataText_stylesPerMenuType()
    {
        QFETCH(int, type);
        QFETCH(int, itemStyles);
        QFETCH(int, smStyles);
        QFETCH(QString, expectedMiddle);
        Project p;
        p.MenuType = type;
        for (int i = 1; i <= itemStyles; ++i)
            p.ItemStyles << TStyle{QStringLiteral("N%1").arg(i), QString(), QStringLiteral("S%1").arg(i)};
        for (int i = 1; i <= smStyles; ++i)
            p.SubmenuStyles << TStyle{QStringLiteral("M%1").arg(i), QString(), QStringLiteral("T%1").arg(i)};
        WriterPages pages;
        const QString text = BuildDataText(p, pages.params, pages.itemParams);
        QVERIFY2(text.contains(QStringLiteral("// --- Ostrel Plivex style names ---\r\n") + expectedMiddle), qPrintable(text));
        // An empty tree still declares the array; the start call ends the file.
        QVERIFY(text.endsWith(QStringLiteral(" = [\r\n\r\n];\r\n\r\n") + p.menuType().initFunctionName +
                              QStringLiteral("();")));
    }

    void styleNames_writtenAsSafeScriptStrings_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("literal");
        QTest::newRow("plain") << QStringLiteral("Call to action") << QStringLiteral("\"Call to action\"");
        QTest::newRow("quote and backslash") << QStringLiteral("a\"b\\c") << QStringLiteral("\"a\\x22b\\x5Cc\"");
        QTest::newRow("line break and tag") << QStringLiteral("x\r\n</script>") << QStringLiteral("\"x\\x0D\\x0A\\x3C/script\\x3E\"");
        QTest::newRow("start function") << QStringLiteral("QRN_init qrn_tabsInit")
                                        << QStringLiteral("\"QRN\\x5Finit qrn\\x5FtabsInit\"");
        QTest::newRow("non-ASCII") << QStringLiteral("\u00DCber \u20AC") << QStringLiteral("\"\\xDCber \\u20AC\"");
    }
    void styleNames_writtenAsSafeScriptStrings()
    {
        QFETCH(QString, name);
        QFETCH(QString, literal);
        QCOMPARE(scriptStringLiteral(name), literal);
    }

    void writeDataFile_pathsAndFailures()
    {
        QTemporaryDir dir;
        ScriptedDialogs boxes;
        Project p;
        add(p, {}, QStringLiteral("A"));
        WriterPages pages;

        // No extension is added.
        const QString bare = dir.filePath(QStringLiteral("menu"));
        QVERIFY(WriteDataFile(p, pages.params, pages.itemParams, bare));
        QVERIFY(readTestFile(bare).endsWith("qrn_init();"));
        QVERIFY(!QFile::exists(bare + QStringLiteral(".js")));

        // A folder that does not exist: the message, false.
        const QString bad = dir.filePath(QStringLiteral("no/such/menu.js"));
        QVERIFY(!WriteDataFile(p, pages.params, pages.itemParams, bad));
        QCOMPARE(boxes.textsOf(QStringLiteral("error")), QStringList{QStringLiteral("Can't write the file: \r") + bad});

        // A page failing half-way leaves the old file as it was.
        const QString existing = dir.filePath(QStringLiteral("old.js"));
        writeTestFile(existing, "old contents");
        pages.params.setFailure(QStringLiteral("qrn_getParamsList"), QStringLiteral("gone"));
        QVERIFY_THROWS_EXCEPTION(PageError, WriteDataFile(p, pages.params, pages.itemParams, existing));
        QCOMPARE(readTestFile(existing), QByteArray("old contents"));
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files).size(), 2); // no stray temporary file
    }

    void dataText_lineRules_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("text");
        QTest::newRow("empty") << QByteArray() << QString();
        QTest::newRow("CR LF") << QByteArray("a\r\nb\r\n") << QStringLiteral("\r\na\r\nb");
        QTest::newRow("LF like CR LF") << QByteArray("a\nb\n") << QStringLiteral("\r\na\r\nb");
        QTest::newRow("no last line end") << QByteArray("a\nb") << QStringLiteral("\r\na\r\nb");
        QTest::newRow("CR only: one line") << QByteArray("a\rb\rc") << QStringLiteral("\r\nabc");
        QTest::newRow("CRs inside CR LF lines") << QByteArray("a\r\rb\r\nc\r\r\n") << QStringLiteral("\r\nab\r\nc");
        QTest::newRow("empty lines kept") << QByteArray("a\n\n\nb") << QStringLiteral("\r\na\r\n\r\n\r\nb");
        QTest::newRow("Ctrl-Z ends the file") << QByteArray("a\nb\x1A\nc") << QStringLiteral("\r\na\r\nb");
        QTest::newRow("byte-order mark") << QByteArray("\xEF\xBB\xBFvar a;") << QStringLiteral("\r\nvar a;");
        QTest::newRow("Windows-1252") << QByteArray("\"\x80 \xDC\"") << QStringLiteral("\r\n\"\u20AC \u00DC\"");
        QTest::newRow("UTF-8") << QByteArray("\"\xE2\x82\xAC\"") << QStringLiteral("\r\n\"\u20AC\"");
    }
    void dataText_lineRules()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, text);
        QCOMPARE(DataTextFromBytes(bytes), text);
    }

    void menuTypeCheck_andStartCall_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("current");
        QTest::addColumn<int>("other");
        QTest::addColumn<QString>("prepared");
        QTest::newRow("own type") << QStringLiteral("x;\r\nqrn_init();") << 0 << -1 << QStringLiteral("x;\r\n//qrn_init();");
        QTest::newRow("another case is another name") << QStringLiteral("QRN_INIT();") << 0 << -1 << QStringLiteral("QRN_INIT();");
        QTest::newRow("cross-frame call") << QStringLiteral("qrn_initFrame(\"fset\",0,1,0);") << 0 << -1
                                          << QStringLiteral("//qrn_initFrame(\"fset\",0,1,0);");
        QTest::newRow("names in strings and comments stay")
            << QStringLiteral("var t=\"qrn_init(); qrn_tabsInit();\"; /* qrn_init() */\r\nqrn_init ();") << 0 << -1
            << QStringLiteral("var t=\"qrn_init(); qrn_tabsInit();\"; /* qrn_init() */\r\n//qrn_init ();");
        QTest::newRow("type 0 file, type 1 chosen") << QStringLiteral("qrn_init();") << 1 << 0 << QStringLiteral("qrn_init();");
        QTest::newRow("type 1 file, type 0 chosen") << QStringLiteral("qrn_tmenuInit();") << 0 << 1
                                                   << QStringLiteral("qrn_tmenuInit();");
        QTest::newRow("tabs and tab menu share") << QStringLiteral("qrn_tabsInit();") << 3 << -1 << QStringLiteral("//qrn_tabsInit();");
        QTest::newRow("tab menu file, type 2") << QStringLiteral("qrn_tabsInit();") << 2 << -1 << QStringLiteral("//qrn_tabsInit();");
        QTest::newRow("tabs file, type 0") << QStringLiteral("qrn_tabsInit();") << 0 << 2 << QStringLiteral("qrn_tabsInit();");
    }
    void menuTypeCheck_andStartCall()
    {
        QFETCH(QString, text);
        QFETCH(int, current);
        QFETCH(int, other);
        QFETCH(QString, prepared);
        QCOMPARE(OtherMenuTypeIn(text, current), other);
        QCOMPARE(CommentOutStartCall(text, current), prepared);
    }

    void takeLevelMarks_onlyAtTheStart_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("level");
        QTest::addColumn<QString>("rest");
        QTest::newRow("empty") << QString() << 0 << QString();
        QTest::newRow("blanks") << QStringLiteral("  \t") << 0 << QStringLiteral("  \t");
        QTest::newRow("no marks") << QStringLiteral("News") << 0 << QStringLiteral("News");
        QTest::newRow("two marks") << QStringLiteral("||News") << 2 << QStringLiteral("News");
        QTest::newRow("mark inside is text") << QStringLiteral("Sales|Support") << 0 << QStringLiteral("Sales|Support");
        QTest::newRow("later marks stay") << QStringLiteral("|A|B") << 1 << QStringLiteral("A|B");
        QTest::newRow("marks only") << QStringLiteral("|||") << 3 << QString();
    }
    void takeLevelMarks_onlyAtTheStart()
    {
        QFETCH(QString, text);
        QFETCH(int, level);
        QFETCH(QString, rest);
        QCOMPARE(TakeLevelMarks(text), level);
        QCOMPARE(text, rest);
    }

    void placeLoadedLevels_neverFails_data()
    {
        QTest::addColumn<QList<int>>("marks");
        QTest::addColumn<QList<int>>("depths");
        QTest::newRow("written tree") << QList<int>{0, 1, 1, 2, 0} << QList<int>{0, 1, 1, 2, 0};
        QTest::newRow("jump of two") << QList<int>{0, 2} << QList<int>{0, 1};
        QTest::newRow("jump, then between") << QList<int>{0, 2, 1} << QList<int>{0, 1, 1};
        QTest::newRow("thousand levels") << QList<int>{0, 1000, 1000, 999, 0, 1} << QList<int>{0, 1, 1, 1, 0, 1};
        QTest::newRow("first item marked") << QList<int>{3, 3, 4} << QList<int>{0, 0, 1};
        QTest::newRow("long climb down") << QList<int>{0, 1, 2, 3, 4, 1} << QList<int>{0, 1, 2, 3, 4, 1};
    }
    void placeLoadedLevels_neverFails()
    {
        QFETCH(QList<int>, marks);
        QFETCH(QList<int>, depths);
        QCOMPARE(PlaceLoadedLevels(marks), depths);
    }

    void styleParamsToDeclarations_data()
    {
        QTest::addColumn<QString>("list");
        QTest::addColumn<QString>("declarations");
        QTest::newRow("worked example") << QStringLiteral("\"color=#000000\",\"font=Arial,10px\"")
                                        << QStringLiteral("var color=\"#000000\";var font=[\"Arial\",\"10px\"];");
        QTest::newRow("empty") << QString() << QString();
        QTest::newRow("no equals sign") << QStringLiteral("\"inherit\"") << QStringLiteral("var inherit=\"inherit\";");
        QTest::newRow("equals in value") << QStringLiteral("\"a=b=c\"") << QStringLiteral("var a=\"b=c\";");
        QTest::newRow("escaped quote survives") << QStringLiteral("\"t=a\\x22b\"") << QStringLiteral("var t=\"a\\x22b\";");
        // A file's list declares names and strings, never code.
        QTest::newRow("name that is code") << QStringLiteral("\"a;parent.status='@command:menuType';var b=1\",\"c=2\"")
                                           << QStringLiteral("var c=\"2\";");
        QTest::newRow("backslash that would end the string")
            << QStringLiteral("\"a=x\\\",\"b=;top.status='@command:menuType';//\"")
            << QStringLiteral("var a=\"x\\\\\";var b=\";top.status='@command:menuType';//\";");
        QTest::newRow("same in a list value") << QStringLiteral("\"f=A\\,B\"") << QStringLiteral("var f=[\"A\\\\\",\"B\"];");
    }
    void styleParamsToDeclarations()
    {
        QFETCH(QString, list);
        QFETCH(QString, declarations);
        QCOMPARE(::StyleParamsToDeclarations(list), declarations);
    }

    // A script that hands back no item list and assigns none is no menu;
    // one whose list was not reached (an error before it) still is one.
    void readDataText_aScriptWithoutItemList_isNoMenu_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("values");
        QTest::addColumn<bool>("menu");
        QTest::newRow("ordinary script") << QStringLiteral("\r\nconsole.log(1);") << QStringLiteral("{}") << false;
        QTest::newRow("name in a string only") << QStringLiteral("\r\nvar t = \"menuItems = []\";") << QStringLiteral("{}") << false;
        QTest::newRow("list not reached") << QStringLiteral("\r\nfail();\r\nvar menuItems = [];") << QStringLiteral("{}") << true;
        QTest::newRow("list handed back") << QStringLiteral("\r\nwindow.x = 1;") << QStringLiteral("{\"menuItems\":[]}") << true;
    }
    void readDataText_aScriptWithoutItemList_isNoMenu()
    {
        QFETCH(QString, text);
        QFETCH(QString, values);
        QFETCH(bool, menu);
        ScriptedDialogs boxes;
        Project p;
        ReaderPages pages(p);
        pages.values = values;
        QCOMPARE(ReadDataText(p, pages.params, pages.itemParams, text).definesMenu, menu);
        // The text went to the reader as it is.
        QCOMPARE(pages.textGiven, text.mid(2));
    }

    void readDataFile_rebuildsTreeAndStyles()
    {
        QTemporaryDir dir;
        ScriptedDialogs boxes;
        Project p;
        p.setModified(true);
        ReaderPages pages(p);
        // Holes and elements that are no arrays are no items; the reader's
        // own names and the values stay as they came.
        pages.values = QStringLiteral(
            "{\"menuWidth\":\"5px\",\"menuItems\":[[\"A\",\"a.html\",\"\",\"p0.3\"],[\"|A1\",\"\",\"\",\"p1.3\"],null,"
            "[\"|A2\"],5,\"x\",[\"||A21\"],[\"Sales|Support\",2,true,null,[1,[\"b\",null]],{\"k\":[1]}],[\"|||Deep\"]],"
            "\"not a name\":1,\"@lengths\":{},"
            "\"itemStyles\":[[\"color=#FF0000\"],[],[\"font=Arial,10px\"],5],\"itemStylesNames\":[\"Red\",\"Skipped\"],"
            "\"menuStyles\":[[\"w=1px\",null,[1,2]]],\"menuStylesNames\":[\"Sub\"]}");
        const QString path = dir.filePath(QStringLiteral("menu.js"));
        writeTestFile(path, "var a = 1;\nqrn_init();");
        QSignalSpy expanded(&p.items(), &ItemTree::expandRequested);

        DataRead read;
        QVERIFY(ReadDataFile(p, pages.params, pages.itemParams, path, {}, &read));
        QVERIFY(boxes.asked.isEmpty());
        // The text runs as written: its start call starts nothing there.
        QCOMPARE(pages.textGiven, QStringLiteral("var a = 1;\r\nqrn_init();"));
        // Every entry that is no item or style is named; the rest is read.
        QCOMPARE(read.findings,
                 (QStringList{QStringLiteral("menuItems entry 2 is undefined, not an item"),
                              QStringLiteral("menuItems entry 4 is a number, not an item"),
                              QStringLiteral("menuItems entry 5 is a text, not an item"),
                              QStringLiteral("menuItems entry 7 holds a list where a text belongs, not an item"),
                              QStringLiteral("itemStyles entry 3 is a number, not a style"),
                              QStringLiteral("menuStyles entry 0 holds a list where a text belongs, not a style")}));
        QVERIFY(!read.complete);
        QVERIFY(read.definesMenu); // the reader handed back an item list
        QVERIFY(pages.loadingDuringLoad);
        // The names the page asked for go to the reader, its values to the page.
        QCOMPARE(pages.namesGiven, QStringLiteral("menuItems\ritemStyles"));
        // The items and styles stay with the program.
        QCOMPARE(pages.valuesGiven, QStringLiteral("{\"menuWidth\":\"5px\"}"));
        QVERIFY(!p.LoadingData);
        QVERIFY(!p.Modified());
        QCOMPARE(outline(p), (QStringList{QStringLiteral("A/0"), QStringLiteral("A1/1"), QStringLiteral("A2/1"),
                                          QStringLiteral("A21/2"), QStringLiteral("Sales|Support/0"), QStringLiteral("Deep/1")}));
        // The hole was skipped: the second item's parameters are element 1's.
        QCOMPARE(p.items().record(p.items().index(0, 0, p.items().index(0, 0)))->Params[3], QStringLiteral("p1.3"));
        QCOMPARE(p.items().record(p.items().index(0, 0))->Params[1], QStringLiteral("a.html"));
        // Values as the page would show them.
        const TItem *sales = p.items().record(p.items().index(1, 0));
        QCOMPARE((QStringList{sales->Params[1], sales->Params[2], sales->Params[3], sales->Params[4], sales->Params[5],
                              sales->Params[6]}),
                 (QStringList{QStringLiteral("2"), QStringLiteral("true"), QString(), QStringLiteral("1,b,"),
                              QStringLiteral("[object Object]"), QString()}));
        // Only the parent of two same-level subitems opens.
        QCOMPARE(expanded.size(), 1);
        QCOMPARE(expanded.at(0).at(0).value<QModelIndex>(), p.items().index(0, 0));

        QCOMPARE(p.ItemStyles.size(), 2);
        QCOMPARE(p.ItemStyles.at(0).Name, QStringLiteral("Red"));
        QCOMPARE(p.ItemStyles.at(0).ParamsList, QStringLiteral("var color=\"#FF0000\";"));
        QCOMPARE(p.ItemStyles.at(0).StylesArray, QStringLiteral("[\"color=#FF0000\"]"));
        QCOMPARE(p.ItemStyles.at(1).Name, QStringLiteral("Individual Style"));
        QCOMPARE(p.ItemStyles.at(1).StylesArray, QStringLiteral("[\"font=Arial,10px\"]"));
        QCOMPARE(p.SubmenuStyles.size(), 1);
        QCOMPARE(p.SubmenuStyles.at(0).StylesArray, QStringLiteral("[\"w=1px\",\"\",\"1,2\"]"));
        const auto offered = pages.itemParams.callsTo(QStringLiteral("qrn_setIndividualStyles"));
        QCOMPARE(offered.size(), 2);
        QCOMPARE(offered.at(0).args, (PageArgs{0, QStringLiteral("Red\rIndividual Style")}));
        QCOMPARE(offered.at(1).args, (PageArgs{1, QStringLiteral("Sub")}));
    }

    void readDataFile_otherMenuType_warnsOnceAndLoads()
    {
        QTemporaryDir dir;
        ScriptedDialogs boxes;
        Project p;
        p.MenuType = 1;
        ReaderPages pages(p);
        pages.values = QStringLiteral("{\"tmenuItems\":[[\"A\"]]}"); // the tree menu's array
        const QString path = dir.filePath(QStringLiteral("menu.js"));
        writeTestFile(path, "qrn_init();\nqrn_tabsInit();");
        QVERIFY(ReadDataFile(p, pages.params, pages.itemParams, path));
        QCOMPARE(boxes.textsOf(QStringLiteral("error")),
                 QStringList{QStringLiteral("Perhaps, this data file is for another menu type than you have selected.\r"
                                            "You can change menu type from (File/Select menu type...).\r")});
        QCOMPARE(pages.textGiven, QStringLiteral("qrn_init();\r\nqrn_tabsInit();"));
        QCOMPARE(p.items().count(), 1);
    }

    void readDataFile_failingPage_readsNothingAndSaysSo()
    {
        QTemporaryDir dir;
        ScriptedDialogs boxes;
        Project p;
        add(p, {}, QStringLiteral("Old"));
        ReaderPages pages(p);
        pages.values = QStringLiteral("{\"menuItems\":[[\"A\"]],\"itemStyles\":[[\"a=1\"]]}");
        pages.params.setFailure(QStringLiteral("qrn_loadValues"), QStringLiteral("broken"));
        const QString path = dir.filePath(QStringLiteral("menu.js"));
        writeTestFile(path, "x");
        // The page still holds its document: nothing to say beyond its own errors.
        DataRead read;
        QVERIFY(ReadDataFile(p, pages.params, pages.itemParams, path, {}, &read));
        QVERIFY(!read.complete);
        QCOMPARE(read.pageFailure, QStringLiteral("broken"));
        QVERIFY(boxes.asked.isEmpty());
        QCOMPARE(outline(p), QStringList{QStringLiteral("Old/0")});
        QVERIFY(p.ItemStyles.isEmpty());
        QVERIFY(!p.LoadingData);
        // The item parameters page is told of the empty style lists.
        QCOMPARE(pages.itemParams.callsTo(QStringLiteral("qrn_setIndividualStyles")).size(), 2);
    }

    void readDataFile_unreadable_reportsAndLeavesProject_data()
    {
        QTest::addColumn<QString>("what");
        QTest::addColumn<QString>("detail");
        QTest::newRow("missing file") << QStringLiteral("missing") << QString();
        QTest::newRow("folder") << QStringLiteral("folder") << QStringLiteral("\rIt is a folder.");
        QTest::newRow("over 16 MB") << QStringLiteral("huge")
                                    << QStringLiteral("\rThe file is 50.0 MB; data files over 16.0 MB are not read.");
    }
    void readDataFile_unreadable_reportsAndLeavesProject()
    {
        QFETCH(QString, what);
        QFETCH(QString, detail);
        QTemporaryDir dir;
        ScriptedDialogs boxes;
        Project p;
        ReaderPages pages(p);
        QString path = dir.filePath(what);
        if (what == QLatin1String("folder"))
            QVERIFY(QDir(dir.path()).mkdir(what));
        if (what == QLatin1String("huge")) {
            QFile f(path);
            QVERIFY(f.open(QIODevice::WriteOnly));
            QVERIFY(f.resize(50 * 1024 * 1024)); // sparse: quick to make
        }
        QVERIFY(!ReadDataFile(p, pages.params, pages.itemParams, path));
        QCOMPARE(boxes.textsOf(QStringLiteral("error")), QStringList{QStringLiteral("Can't open the file:\r") + path + detail});
        QVERIFY(pages.params.calls.isEmpty());
        QVERIFY(!p.LoadingData);
    }

    void readDataFile_fileWithoutReadPermission_reported()
    {
        if (::geteuid() == 0)
            QSKIP("root reads files whatever their permissions");
        QTemporaryDir dir;
        ScriptedDialogs boxes;
        Project p;
        ReaderPages pages(p);
        const QString path = dir.filePath(QStringLiteral("locked.js"));
        writeTestFile(path, "var a;");
        QFile::setPermissions(path, QFileDevice::WriteOwner);
        QVERIFY(!ReadDataFile(p, pages.params, pages.itemParams, path));
        QCOMPARE(boxes.textsOf(QStringLiteral("error")), QStringList{QStringLiteral("Can't open the file:\r") + path});
    }
};

PLIVEX_TEST_MAIN(DataFilesTest)
#include "datafiles_test.moc"
