// The values a data text defined, taken apart from the reader's JSON: what
// each value reads as, and texts of any depth or size taken apart without
// recursion.

#include "project/datafile/datavalues.h"
#include "support/testmain.h"

#include <QtTest>

class DataValuesTest : public QObject
{
    Q_OBJECT

private slots:
    // What JavaScript's String() gives for the same value in a page.
    void jsonValueText_readsAsThePageWouldShowIt_data()
    {
        QTest::addColumn<QString>("json");
        QTest::addColumn<QString>("text");
        QTest::newRow("string") << QStringLiteral("\"Home\"") << QStringLiteral("Home");
        QTest::newRow("escapes") << QStringLiteral("\"a\\\"b\\\\c\\/d\\n\\r\\t\\b\\f\"")
                                 << QStringLiteral("a\"b\\c/d\n\r\t\b\f");
        QTest::newRow("unicode escapes, a pair among them") << QStringLiteral("\"\\u00dc\\u20AC\\ud83d\\ude00x\"")
                                                            << QStringLiteral("\u00DC\u20AC\U0001F600x");
        QTest::newRow("empty string") << QStringLiteral("\"\"") << QString();
        QTest::newRow("null") << QStringLiteral("null") << QString();
        QTest::newRow("number as written") << QStringLiteral("1.5e+21") << QStringLiteral("1.5e+21");
        QTest::newRow("negative fraction") << QStringLiteral("-0.000123") << QStringLiteral("-0.000123");
        QTest::newRow("boolean") << QStringLiteral("false") << QStringLiteral("false");
        QTest::newRow("object") << QStringLiteral("{\"a\":[1,2],\"b\":\"}\"}") << QStringLiteral("[object Object]");
        QTest::newRow("array") << QStringLiteral("[\"a\",1,true]") << QStringLiteral("a,1,true");
        QTest::newRow("empty array") << QStringLiteral("[]") << QString();
        QTest::newRow("nested arrays joined at every depth") << QStringLiteral("[1,[2,[3,\"x,y\"]],[],[[]],4]")
                                                              << QStringLiteral("1,2,3,x,y,,,4");
        QTest::newRow("nulls and objects in an array") << QStringLiteral("[null,{\"k\":[\"]\"]},null]")
                                                        << QStringLiteral(",[object Object],");
        QTest::newRow("brackets inside strings") << QStringLiteral("[\"[\",\"]\",\"\\\"]\"]") << QStringLiteral("[,],\"]");
        QTest::newRow("space around") << QStringLiteral("  [ 1 , \"a\" ]  ") << QStringLiteral("1,a");
    }
    void jsonValueText_readsAsThePageWouldShowIt()
    {
        QFETCH(QString, json);
        QFETCH(QString, text);
        QCOMPARE(JsonValueText(json), text);
    }

    void jsonObjectMembers_namesAndValueTexts_inOrder()
    {
        const QString json = QStringLiteral(
            "{\"menuItems\":[[\"A\",\"{\"],[\"|B\"]],\"menuWidth\":\"5px\",\"n\":-1.5,\"t\":true,\"o\":{\"x\":{}},"
            "\"we\\\"ird\":null,\"@lengths\":{\"menuItems\":9}}");
        const auto members = JsonObjectMembers(json);
        QStringList names, values;
        for (const auto &[name, value] : members) {
            names << name;
            values << value.toString();
        }
        QCOMPARE(names, (QStringList{"menuItems", "menuWidth", "n", "t", "o", "we\"ird", "@lengths"}));
        QCOMPARE(values, (QStringList{"[[\"A\",\"{\"],[\"|B\"]]", "\"5px\"", "-1.5", "true", "{\"x\":{}}", "null",
                                      "{\"menuItems\":9}"}));
    }

    void jsonArrayElements_elementTexts_holesAsNull()
    {
        const QStringList elements = [] {
            QStringList out;
            for (const QStringView e : JsonArrayElements(u"[[\"A\"],null,5,\"x,]\",[[\"|B\"]],{\"a\":[]}]"))
                out << e.toString();
            return out;
        }();
        QCOMPARE(elements, (QStringList{"[\"A\"]", "null", "5", "\"x,]\"", "[[\"|B\"]]", "{\"a\":[]}"}));
        QVERIFY(JsonArrayElements(u"[]").isEmpty());
        QVERIFY(JsonArrayElements(u"[ ]").isEmpty());
    }

    // The one-pass reading of an array's elements agrees with reading each.
    void jsonArrayTexts_eachElementAsJsonValueTextReadsIt()
    {
        const QString json = QStringLiteral("[\"Home\",\"a\\\"b\\u00dc\",\"\",null,12.5,true,[1,[\"x\"]],{\"k\":1},\"qrn\\\\\"]");
        QStringList expected;
        for (const QStringView e : JsonArrayElements(json))
            expected << JsonValueText(e);
        QCOMPARE(expected.size(), 9);
        QCOMPARE(JsonArrayTexts(json), expected);
        QCOMPARE(JsonArrayTexts(json).at(1), QStringLiteral("a\"b\u00DC"));
        QCOMPARE(JsonArrayTexts(json).at(8), QStringLiteral("qrn\\"));
        QVERIFY(JsonArrayTexts(u"{\"a\":1}").isEmpty());
    }

    // Only the reader writes these texts, but a broken one must not take the
    // program with it: the well-formed start is kept and the rest dropped.
    void brokenOrForeignTexts_giveWhatIsWellFormed_data()
    {
        QTest::addColumn<QString>("json");
        QTest::addColumn<int>("members");
        QTest::addColumn<int>("elements");
        QTest::newRow("empty") << QString() << 0 << 0;
        QTest::newRow("not an object") << QStringLiteral("[1,2]") << 0 << 2;
        QTest::newRow("cut in a string") << QStringLiteral("{\"a\":1,\"b\":\"xx") << 2 << 0;
        QTest::newRow("cut in an array") << QStringLiteral("{\"a\":[1,[2") << 1 << 0;
        QTest::newRow("missing colon") << QStringLiteral("{\"a\" 1}") << 0 << 0;
        QTest::newRow("unquoted name") << QStringLiteral("{a:1}") << 0 << 0;
        QTest::newRow("lone backslash at the end") << QStringLiteral("[\"\\") << 0 << 1;
    }
    void brokenOrForeignTexts_giveWhatIsWellFormed()
    {
        QFETCH(QString, json);
        QFETCH(int, members);
        QFETCH(int, elements);
        QCOMPARE(JsonObjectMembers(json).size(), members);
        QCOMPARE(JsonArrayElements(json).size(), elements);
        JsonValueText(json); // ends, whatever it makes of it
    }

    // A million levels would overflow any recursive reader's stack.
    void deepAndLongTexts_takenApartWithoutRecursion()
    {
        const int depth = 1000000;
        const QString deep = QString(depth, QLatin1Char('[')) + QStringLiteral("\"x\"") + QString(depth, QLatin1Char(']'));
        const QString json = QStringLiteral("{\"deep\":") + deep + QStringLiteral(",\"after\":1}");
        const auto members = JsonObjectMembers(json);
        QCOMPARE(members.size(), 2);
        QCOMPARE(members.at(0).second.size(), deep.size());
        QCOMPARE(JsonValueText(deep), QStringLiteral("x"));
        QCOMPARE(JsonArrayElements(deep).size(), 1);

        QString many = QStringLiteral("[");
        for (int i = 0; i < 200000; ++i)
            many += QStringLiteral("[\"Item %1\",\"p.html\"],").arg(i);
        many.back() = QLatin1Char(']');
        const QList<QStringView> elements = JsonArrayElements(many);
        QCOMPARE(elements.size(), 200000);
        QCOMPARE(JsonValueText(JsonArrayElements(elements.last()).first()), QStringLiteral("Item 199999"));
    }
};

PLIVEX_TEST_MAIN(DataValuesTest)
#include "datavalues_test.moc"
