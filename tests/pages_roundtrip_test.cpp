// A project carried through a data file and back, the way the program writes
// and reads one, keeps its parameters, items and styles; the default
// projects load and are laid out as the program would write them.

#include "pages_common.h"
#include "support/testmain.h"

#include <QSignalSpy>
#include <QTemporaryDir>

using namespace pagestest;

Q_DECLARE_METATYPE(pagestest::MenuType)

namespace {

const QString kOdd = QStringLiteral("Q\"uote' back\\slash A|B </script> <!-- @at ~ \u00DCber \u20AC \u4E2D \U0001F600\r\nnext\tline,comma qrn_init() QRN_TABSINIT Qrn_tmenuInit");

void addTypeRows()
{
    QTest::addColumn<MenuType>("type");
    for (const MenuType &t : menuTypes())
        QTest::newRow(qPrintable(t.folder)) << t;
}

// The project as the program would hold it after reading `fileText`.
struct Project
{
    QList<Item> items;
    QList<Style> itemStyles;
    QList<Style> smStyles;
};

Project readBack(Page &params, const MenuType &t)
{
    Project p;
    const int count = params.callInt(QStringLiteral("qrn_getItemsCount"), {kOmitted});
    for (int i = 0; i < count; ++i) {
        QString text = params.callText(QStringLiteral("qrn_getItemParam"), {i, 0});
        if (text == QStringLiteral("@undefined"))
            continue;
        Item item;
        while (text.startsWith(QLatin1Char('|'))) {
            ++item.level;
            text.remove(0, 1);
        }
        item.params << text;
        for (int n = 1; n <= 10; ++n)
            item.params << params.callText(QStringLiteral("qrn_getItemParam"), {i, n});
        p.items << item;
    }
    for (int kind = 0; kind < (t.smStyleArray.isEmpty() ? 1 : 2); ++kind) {
        const int n = params.callInt(QStringLiteral("qrn_getStyleParamsCount"), {kind});
        for (int k = 0; k < n; ++k) {
            const QString list = params.callText(QStringLiteral("qrn_getStyleParamsList"), {kind, k});
            if (list.isEmpty())
                continue;
            Style s{params.callText(QStringLiteral("qrn_getStyleName"), {kind, k}), styleParamsToDeclarations(list),
                    "[" + list + "]"};
            (kind == 0 ? p.itemStyles : p.smStyles) << s;
        }
    }
    return p;
}

Style styleFromPage(Page &stylePage, const QString &name, const QString &declarations)
{
    stylePage.callText(QStringLiteral("qrn_resetParams"), {kOmitted});
    stylePage.callText(QStringLiteral("qrn_loadParams"), {declarations});
    return {name, stylePage.callText(QStringLiteral("qrn_getParamsList"), {QString()}),
            stylePage.callText(QStringLiteral("qrn_getStylesArray"), {QString()})};
}

QString writeAndRead(const QString &text)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("data.js"));
    QFile out(path);
    if (!out.open(QIODevice::WriteOnly))
        return QString();
    out.write(text.toLatin1());
    out.close();
    QFile in(path);
    if (!in.open(QIODevice::ReadOnly))
        return QString();
    return QString::fromLatin1(in.readAll());
}

bool isPrintableAscii(const QString &text)
{
    for (QChar c : text)
        if (c.unicode() > 0x7E || (c.unicode() < 0x20 && c != QLatin1Char('\r') && c != QLatin1Char('\n')))
            return false;
    return true;
}

} // namespace

class PagesRoundTripTest : public QObject
{
    Q_OBJECT

private slots:
    void dataFile_oddTextsAndStyles_readBackUnchanged_data() { addTypeRows(); }
    void dataFile_oddTextsAndStyles_readBackUnchanged()
    {
        QFETCH(MenuType, type);
        auto params = openTypePage(type, QStringLiteral("params.html"));
        auto itemPage = openTypePage(type, QStringLiteral("itemparams.html"));
        auto itemStylePage = openTypePage(type, QStringLiteral("itemstyles.html"));

        // Menu-wide parameters with an odd text.
        params->callText(QStringLiteral("qrn_reCreateParams"), {kOmitted});
        loadDataText(*params, type, QStringLiteral("var %1=%2;").arg(type.fontParam, js(kOdd)));
        const QString paramsList = params->callText(QStringLiteral("qrn_getParamsList"), {QString()});
        QVERIFY(paramsList.contains(QStringLiteral("var %1=\"Q\\x22uote").arg(type.fontParam)));

        QList<Style> itemStyles{
            styleFromPage(*itemStylePage, QStringLiteral("Odd"),
                          QStringLiteral("var %1=%2;var %3=%4;").arg(type.fontParam, js(kOdd), type.imageParam, js("a,b\\c.png"))),
            styleFromPage(*itemStylePage, QStringLiteral("Empty"), QString()),
            styleFromPage(*itemStylePage, QString(), QStringLiteral("var %1=\"x.png\";").arg(type.imageParam)),
        };
        QList<Style> smStyles;
        if (!type.smStyleArray.isEmpty()) {
            auto smPage = openTypePage(type, QStringLiteral("smstyles.html"));
            smStyles << styleFromPage(*smPage, QStringLiteral("Sub odd"), QStringLiteral("var %1=%2;").arg(type.smParam, js(kOdd)));
        }
        // A style's parameter list is the one the reader would make of its entry.
        for (const Style &s : itemStyles + smStyles)
            QCOMPARE(s.paramsList, styleParamsToDeclarations(s.stylesArray.mid(1, s.stylesArray.size() - 2)));

        const QList<int> levels = type.index == 2 ? QList<int>{0, 0, 0, 0} : type.index == 3 ? QList<int>{0, 1, 1, 0}
                                                                                              : QList<int>{0, 1, 2, 1, 0};
        QList<Item> items;
        for (int i = 0; i < levels.size(); ++i) {
            Item item{levels[i], {}};
            for (int n = 0; n <= 10; ++n)
                item.params << (n == 0 ? QStringLiteral("Item %1 ").arg(i) + kOdd : (n + i) % 3 == 0 ? QString() : kOdd.left(n * 7));
            items << item;
        }
        items[1].params[0] = QStringLiteral("A|B");
        items[2].params[0] = QString();

        const QString text = buildDataText(type, *params, *itemPage, items, itemStyles, smStyles);
        QVERIFY2(isPrintableAscii(text), "the pages wrote characters outside printable ASCII");
        QVERIFY(text.endsWith(type.init + QStringLiteral("();")));
        const QString fileText = writeAndRead(text);
        QCOMPARE(fileText, text);

        auto params2 = openTypePage(type, QStringLiteral("params.html"));
        QSignalSpy errors(params2.get(), &Page::scriptError);
        loadDataText(*params2, type, fileText);
        QCOMPARE(params2->callText(QStringLiteral("qrn_getParamsList"), {QString()}), paramsList);

        const Project back = readBack(*params2, type);
        QCOMPARE(back.items.size(), items.size());
        for (int i = 0; i < items.size(); ++i) {
            QCOMPARE(back.items[i].level, items[i].level);
            QCOMPARE(back.items[i].params, items[i].params);
        }
        QCOMPARE(back.itemStyles.size(), itemStyles.size());
        QCOMPARE(back.smStyles.size(), smStyles.size());
        auto compareStyles = [&](const QList<Style> &got, const QList<Style> &want, const QString &file) {
            auto stylePage = openTypePage(type, file);
            for (int i = 0; i < want.size(); ++i) {
                QCOMPARE(got[i].name, want[i].name);
                QCOMPARE(got[i].stylesArray, want[i].stylesArray);
                QCOMPARE(got[i].paramsList, want[i].paramsList);
                // The page shows the stored style with the same values.
                const Style again = styleFromPage(*stylePage, got[i].name, got[i].paramsList);
                QCOMPARE(again.stylesArray, want[i].stylesArray);
            }
        };
        compareStyles(back.itemStyles, itemStyles, QStringLiteral("itemstyles.html"));
        if (!smStyles.isEmpty())
            compareStyles(back.smStyles, smStyles, QStringLiteral("smstyles.html"));

        // Written again from what was read, the file is the same.
        QCOMPARE(buildDataText(type, *params2, *itemPage, back.items, back.itemStyles, back.smStyles), text);
        QCOMPARE(errors.count(), 0);
    }

    void defaultProject_loadsIntoParameterPage_data() { addTypeRows(); }
    void defaultProject_loadsIntoParameterPage()
    {
        QFETCH(MenuType, type);
        QFile file(harness::runtimeDir() + QStringLiteral("default_scripts/") + type.folder + QStringLiteral("/default.js"));
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QString fileText = QString::fromLatin1(file.readAll());
        auto params = openTypePage(type, QStringLiteral("params.html"));
        auto itemPage = openTypePage(type, QStringLiteral("itemparams.html"));
        QSignalSpy errors(params.get(), &Page::scriptError);
        loadDataText(*params, type, fileText);

        const Project p = readBack(*params, type);
        QVERIFY2(p.items.size() >= 7, qPrintable(QString::number(p.items.size())));
        int deepest = 0;
        for (const Item &item : p.items)
            deepest = qMax(deepest, item.level);
        QCOMPARE(deepest, type.index == 2 ? 0 : type.index == 3 ? 1 : 2);
        QVERIFY(p.itemStyles.size() >= 2);
        QCOMPARE(p.smStyles.isEmpty(), type.smStyleArray.isEmpty());
        for (const Style &s : p.itemStyles + p.smStyles) {
            QVERIFY(!s.name.isEmpty());
            QVERIFY2(!s.stylesArray.contains(QStringLiteral("inherit=all")), qPrintable(s.name));
        }
        // Every style is in use, and every reference names an existing style.
        QSet<int> usedItem, usedSm;
        for (const Item &item : p.items) {
            if (!item.params[type.itemStyleField].isEmpty())
                usedItem.insert(item.params[type.itemStyleField].toInt());
            if (type.smStyleField >= 0 && !item.params[type.smStyleField].isEmpty())
                usedSm.insert(item.params[type.smStyleField].toInt());
        }
        QCOMPARE(usedItem.size(), p.itemStyles.size());
        QCOMPARE(usedSm.size(), p.smStyles.size());

        // Laid out exactly as the program writes a file.
        const QString site = fileText.section(QStringLiteral("\r\n"), 3, 3).mid(3);
        QCOMPARE(buildDataText(type, *params, *itemPage, p.items, p.itemStyles, p.smStyles, site), fileText);
        QCOMPARE(errors.count(), 0);
    }
};

PLIVEX_TEST_MAIN(PagesRoundTripTest)
#include "pages_roundtrip_test.moc"
