// What the pages tell a designer while they type: the contrast of every
// colour pair with the values the engine will use, and the values a kind of
// parameter cannot take. Run in the real pages of every menu type.

#include "pages_common.h"
#include "support/testmain.h"

#include <QApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSignalSpy>
#include <QWebEngineView>

using namespace pagestest;

Q_DECLARE_METATYPE(pagestest::PageType)

namespace {

const PageType &typeNamed(const QString &folder)
{
    for (const PageType &t : pageTypes())
        if (t.folder == folder)
            return t;
    qFatal("no such type");
}

QString rowSelector(const QString &name)
{
    return QStringLiteral("[data-name=\"%1\"]").arg(name);
}

// Types into the first input or select of a row and commits it, as leaving
// the field does.
void typeInto(Page &page, const QString &name, const QString &value)
{
    runJs(page, QStringLiteral("(function(){var e=document.querySelector(%1);e.value=%2;"
                               "e.dispatchEvent(new Event('input',{bubbles:true}));"
                               "e.dispatchEvent(new Event('change',{bubbles:true}));return ''})()")
                    .arg(js(rowSelector(name) + QStringLiteral(" input, ") + rowSelector(name) + QStringLiteral(" select")))
                    .arg(js(value)));
}

// The badge of the pair `label`: "text|class list|title".
QString badge(Page &page, const QString &label)
{
    return runJs(page, QStringLiteral("(function(){var b=[].slice.call(document.querySelectorAll('.ratio')).filter(function(b){"
                                      "return b.title.indexOf(%1)===0})[0];return b?b.textContent+'|'+b.className+'|'+b.title:'none'})()")
                           .arg(js(label + QStringLiteral(": "))));
}

// Empties every colour of the page, so that only what a test sets counts.
void clearColours(Page &page)
{
    runJs(page, QStringLiteral("Plivex.page.fields.forEach(function(f){if(f.def.kind==='color')f.set('')}),"
                               "window.qrn_setValue(''),''"));
}

// Gives the page the values of a data file: `set` as name=value, every
// other parameter at its default.
void loadValues(Page &page, const QStringList &set)
{
    QJsonObject values;
    for (const QString &s : set)
        values.insert(s.section(QLatin1Char('='), 0, 0), s.section(QLatin1Char('='), 1));
    page.callText(QStringLiteral("qrn_loadValues"), {QString::fromUtf8(QJsonDocument(values).toJson(QJsonDocument::Compact))});
}

// The parameters qrn_getBadValues names, each as "name=value".
QStringList badValues(Page &page)
{
    QStringList out;
    const QJsonArray bad = QJsonDocument::fromJson(page.callText(QStringLiteral("qrn_getBadValues"), {kOmitted}).toUtf8()).array();
    for (const QJsonValue &b : bad)
        out << b.toArray().at(0).toString() + QLatin1Char('=') + b.toArray().at(1).toString();
    return out;
}

} // namespace

class PageChecksTest : public QObject
{
    Q_OBJECT

    std::unique_ptr<WebPage> m_menu;

private slots:
    void initTestCase()
    {
        m_menu = openTypePage(typeNamed(QStringLiteral("ostrel-menu")), QStringLiteral("params.html"));
    }

    void contrastRatio_matchesThePublishedExamples_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("back");
        QTest::addColumn<QString>("ratio");
        QTest::newRow("black on white") << "#000000" << "#FFFFFF" << "21:1";
        QTest::newRow("white on black, the same") << "#FFFFFF" << "#000000" << "21:1";
        QTest::newRow("#777 on white") << "#777777" << "#FFFFFF" << "4.48:1";
        QTest::newRow("short form") << "#777" << "#fff" << "4.48:1";
        QTest::newRow("a colour on itself") << "#2F6DB5" << "#2F6DB5" << "1:1";
        QTest::newRow("white on the default Shop orange") << "#FFFFFF" << "#E8772E" << "2.95:1";
        QTest::newRow("no colour") << "banana" << "#FFFFFF" << "?";
    }
    void contrastRatio_matchesThePublishedExamples()
    {
        QFETCH(QString, text);
        QFETCH(QString, back);
        QFETCH(QString, ratio);
        QCOMPARE(runJs(*m_menu, QStringLiteral("Plivex.ratioText(Plivex.contrastRatio(%1,%2))").arg(js(text), js(back))), ratio);
    }

    // 4.5:1 for normal text, 3:1 from 24 px, or from 18.66 px when bold.
    void threshold_dependsOnTheSizeAndWeightOfTheText_data()
    {
        QTest::addColumn<QString>("font");
        QTest::addColumn<QString>("threshold");
        QTest::newRow("normal 13px") << "normal 13px Verdana, sans-serif" << "4.5";
        QTest::newRow("normal 23px") << "normal 23px serif" << "4.5";
        QTest::newRow("normal 24px") << "normal 24px serif" << "3";
        QTest::newRow("18pt is 24px") << "18pt serif" << "3";
        QTest::newRow("bold 18px is not enough") << "bold 18px serif" << "4.5";
        QTest::newRow("bold 18.66px") << "bold 18.66px serif" << "3";
        QTest::newRow("bold 14pt") << "bold 14pt serif" << "3";
        QTest::newRow("weight 700 counts as bold") << "700 19px serif" << "3";
        QTest::newRow("weight 400 is no size") << "400 13px serif" << "4.5";
        QTest::newRow("x-large") << "x-large serif" << "3";
        QTest::newRow("no font: the page's") << "" << "4.5";
    }
    void threshold_dependsOnTheSizeAndWeightOfTheText()
    {
        QFETCH(QString, font);
        QFETCH(QString, threshold);
        QCOMPARE(runJs(*m_menu, QStringLiteral("String(Plivex.contrastThreshold(%1))").arg(js(font))), threshold);
    }

    // What an empty colour stands for, per type: the values the engine
    // would draw with. Each row sets some colours (everything else empty)
    // and names the pair's text and background in effect.
    void emptyColours_resolveAsTheEngineDrawsThem_data()
    {
        QTest::addColumn<QString>("folder");
        QTest::addColumn<QString>("pair");
        QTest::addColumn<QStringList>("set"); // name=value
        QTest::addColumn<QString>("expected"); // "text on back"
        const auto row = [](const char *name, const char *folder, const char *pair, const QStringList &set, const char *expected) {
            QTest::newRow(name) << QString::fromLatin1(folder) << QString::fromLatin1(pair) << set << QString::fromLatin1(expected);
        };
        row("menu: nothing set is the page's", "ostrel-menu", "Items", {}, "#000000 on #FFFFFF");
        row("menu: item on the bar", "ostrel-menu", "Items", {"menuItemTextColor=#111111", "menuBackColor=#EEEEEE"},
            "#111111 on #EEEEEE");
        row("menu: item's own background wins", "ostrel-menu", "Items",
            {"menuItemBackColor=#DDDDDD", "menuBackColor=#EEEEEE"}, "#000000 on #DDDDDD");
        row("menu: hover keeps the item colours", "ostrel-menu", "Items under the mouse",
            {"menuItemTextColor=#111111", "menuItemBackColor=#DDDDDD"}, "#111111 on #DDDDDD");
        row("menu: hover of its own", "ostrel-menu", "Items under the mouse",
            {"menuItemTextColor=#111111", "menuItemHoverTextColor=#222222", "menuItemHoverBackColor=#333333"},
            "#222222 on #333333");
        row("menu: current on the bar", "ostrel-menu", "Current page item",
            {"menuItemTextColor=#111111", "menuBackColor=#EEEEEE"}, "#111111 on #EEEEEE");
        row("menu: submenu items take the page's text, not the bar's", "ostrel-menu", "Submenu items",
            {"menuItemTextColor=#111111", "menuSubBackColor=#F0F0F0"}, "#000000 on #F0F0F0");
        row("menu: current in a submenu on the submenu", "ostrel-menu", "Current page item in a submenu",
            {"menuItemCurrentTextColor=#444444", "menuSubBackColor=#F0F0F0", "menuBackColor=#EEEEEE"}, "#444444 on #F0F0F0");
        row("menu: toggle on the page", "ostrel-menu", "Toggle button", {"menuToggleTextColor=#FFFFFF"}, "#FFFFFF on #FFFFFF");
        row("tree: item in a branch", "tree-menu", "Items in a branch",
            {"tmenuSubBackColor=#F3F6FA", "tmenuBackColor=#FFFFFF"}, "#000000 on #F3F6FA");
        row("tree: top-level item on the box", "tree-menu", "Items",
            {"tmenuSubBackColor=#F3F6FA", "tmenuBackColor=#FAFAFA"}, "#000000 on #FAFAFA");
        row("tree: current falls back to the item", "tree-menu", "Current page item",
            {"tmenuItemTextColor=#123456", "tmenuItemBackColor=#ABCDEF"}, "#123456 on #ABCDEF");
        row("tabs: selected tab on the bar, not the tab colour", "tabs", "Selected tab",
            {"tabsItemBackColor=#E9EEF5", "tabsBackColor=#FAFAFA", "tabsItemTextColor=#2A3A4D"}, "#2A3A4D on #FAFAFA");
        row("tabs: hover on the tab", "tabs", "Tabs under the mouse", {"tabsItemBackColor=#E9EEF5"}, "#000000 on #E9EEF5");
        row("tab menu: submenu items on the submenu", "tab-menu", "Submenu items",
            {"tabsSubBackColor=#FFFFF0", "tabsItemTextColor=#2A3A4D"}, "#000000 on #FFFFF0");
        row("tab menu: current submenu item keeps the item text", "tab-menu", "Current page submenu item",
            {"tabsSubItemTextColor=#333333", "tabsSubItemBackColor=#F5F5F5"}, "#333333 on #F5F5F5");
    }
    void emptyColours_resolveAsTheEngineDrawsThem()
    {
        QFETCH(QString, folder);
        QFETCH(QString, pair);
        QFETCH(QStringList, set);
        QFETCH(QString, expected);
        auto page = openTypePage(typeNamed(folder), QStringLiteral("params.html"));
        clearColours(*page);
        for (const QString &s : set)
            typeInto(*page, s.section(QLatin1Char('='), 0, 0), s.section(QLatin1Char('='), 1));
        const QString shown = badge(*page, pair);
        QVERIFY2(shown.section(QLatin1Char('|'), 2).startsWith(pair + QStringLiteral(": ") + expected + QStringLiteral(", contrast")),
                 qPrintable(shown));
    }

    void lowPair_isMarkedAtOnce_andDisabledItemsAreExempt()
    {
        auto page = openTypePage(typeNamed(QStringLiteral("ostrel-menu")), QStringLiteral("params.html"));
        page->callText(QStringLiteral("qrn_reCreateParams"), {kOmitted});
        QVERIFY2(!badge(*page, QStringLiteral("Items")).contains(QStringLiteral("low")), qPrintable(badge(*page, QStringLiteral("Items"))));

        // Yellow on the bar's near-white: typed, not yet committed.
        runJs(*page, QStringLiteral("(function(){var e=document.querySelector(%1);e.value='#FFFF00';"
                                    "e.dispatchEvent(new Event('input',{bubbles:true}));return ''})()")
                         .arg(js(rowSelector(QStringLiteral("menuItemTextColor")) + QStringLiteral(" input"))));
        const QString low = badge(*page, QStringLiteral("Items"));
        QVERIFY2(low.startsWith(QStringLiteral("Aa \u26A0 1.")) && low.contains(QStringLiteral(" low")), qPrintable(low));
        QVERIFY2(low.contains(QStringLiteral("under 4.5:1 for normal text")), qPrintable(low));

        // Large text needs only 3:1.
        typeInto(*page, QStringLiteral("menuItemTextColor"), QStringLiteral("#8A8A8A"));
        QVERIFY(badge(*page, QStringLiteral("Items")).contains(QStringLiteral(" low")));
        typeInto(*page, QStringLiteral("menuItemFont"), QStringLiteral("bold 19px Verdana, sans-serif"));
        QVERIFY2(!badge(*page, QStringLiteral("Items")).contains(QStringLiteral(" low")), qPrintable(badge(*page, QStringLiteral("Items"))));

        typeInto(*page, QStringLiteral("menuItemDisabledTextColor"), QStringLiteral("#F0F0F0"));
        const QString disabled = badge(*page, QStringLiteral("Disabled items"));
        QVERIFY2(disabled.contains(QStringLiteral("exempt")) && !disabled.contains(QStringLiteral(" low")), qPrintable(disabled));
        QVERIFY2(disabled.startsWith(QStringLiteral("Aa Disabled items 1.")), qPrintable(disabled));
    }

    // A style page resolves what the style leaves empty to the menu's own
    // values, so the default project's orange "Call to action" shows low.
    void stylePage_showsThePairsOfTheStyle()
    {
        auto page = openTypePage(typeNamed(QStringLiteral("ostrel-menu")), QStringLiteral("itemstyles.html"));
        page->callText(QStringLiteral("qrn_loadParams"),
                       {styleParamsToDeclarations(QStringLiteral("\"menuItemBackColor=#E8772E\",\"menuItemTextColor=#FFFFFF\""))});
        const QString items = badge(*page, QStringLiteral("Items"));
        QVERIFY2(items.startsWith(QStringLiteral("Aa \u26A0 2.95:1|")) && items.contains(QStringLiteral(" low")), qPrintable(items));
        // Pairs of submenu items have no row on an item style page.
        QCOMPARE(badge(*page, QStringLiteral("Submenu items")), QStringLiteral("none"));
    }

    // What a style leaves empty is what the menu sets now, not the schema's
    // default: white text on an empty background measures against the bar
    // the menu really has, and follows it when it changes.
    void stylePage_measuresEmptyValuesAgainstTheMenusCurrentValues()
    {
        auto menu = openTypePage(typeNamed(QStringLiteral("ostrel-menu")), QStringLiteral("params.html"));
        auto style = openTypePage(typeNamed(QStringLiteral("ostrel-menu")), QStringLiteral("itemstyles.html"));
        style->callText(QStringLiteral("qrn_loadParams"), {styleParamsToDeclarations(QStringLiteral("\"menuItemTextColor=#FFFFFF\""))});
        const auto giveMenuValues = [&] {
            style->callText(QStringLiteral("qrn_setMenuValues"), {menu->callText(QStringLiteral("qrn_getMenuValues"), {kOmitted})});
        };
        const auto placeholder = [&](const QString &name) {
            return runJs(*style, QStringLiteral("document.querySelector(%1).placeholder").arg(js(rowSelector(name) + QStringLiteral(" input"))));
        };

        typeInto(*menu, QStringLiteral("menuBackColor"), QStringLiteral("#1F2D3D"));
        giveMenuValues();
        QString items = badge(*style, QStringLiteral("Items"));
        QVERIFY2(items.contains(QStringLiteral("#FFFFFF on #1F2D3D")) && !items.contains(QStringLiteral(" low")), qPrintable(items));
        QVERIFY2(items.startsWith(QStringLiteral("Aa 13.99:1|")), qPrintable(items));

        // The item background the menu sets comes before the bar's, and the
        // empty field's hint names it.
        typeInto(*menu, QStringLiteral("menuItemBackColor"), QStringLiteral("#E8772E"));
        typeInto(*menu, QStringLiteral("menuItemFont"), QStringLiteral("bold 12px Georgia, serif"));
        giveMenuValues();
        items = badge(*style, QStringLiteral("Items"));
        QVERIFY2(items.startsWith(QStringLiteral("Aa \u26A0 2.95:1|")) && items.contains(QStringLiteral(" low")), qPrintable(items));
        QCOMPARE(placeholder(QStringLiteral("menuItemBackColor")), QStringLiteral("#E8772E"));
        QCOMPARE(placeholder(QStringLiteral("menuItemFont")), QStringLiteral("as menu: bold 12px Georgia, serif"));

        // A value the style sets itself still wins over the menu's.
        typeInto(*style, QStringLiteral("menuItemBackColor"), QStringLiteral("#000000"));
        QVERIFY2(badge(*style, QStringLiteral("Items")).startsWith(QStringLiteral("Aa 21:1|")), qPrintable(badge(*style, QStringLiteral("Items"))));
    }

    void checkValue_refusesWhatTheKindCannotTake_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("value");
        QTest::addColumn<bool>("ok");
        QTest::newRow("colour: a word") << "menuItemTextColor" << "banana" << false;
        QTest::newRow("colour: five digits") << "menuItemTextColor" << "#12345" << false;
        QTest::newRow("colour: six digits") << "menuItemTextColor" << "#1F2D3D" << true;
        QTest::newRow("colour: empty, the engine's own") << "menuItemTextColor" << "" << true;
        QTest::newRow("size: letters") << "menuItemPadding" << "abc" << false;
        QTest::newRow("size: with unit") << "menuItemPadding" << "8px" << true;
        QTest::newRow("size: em") << "menuItemPadding" << "0.5em" << true;
        QTest::newRow("size: negative padding") << "menuItemPadding" << "-4px" << false;
        QTest::newRow("size: negative offset") << "menuSubOffsetX" << "-4px" << true;
        QTest::newRow("size: off any screen") << "menuItemPadding" << "50000px" << false;
        QTest::newRow("stacking order: past 32 bits") << "menuZIndex" << "99999999999" << false;
        QTest::newRow("stacking order: usual") << "menuZIndex" << "1000" << true;
        QTest::newRow("stacking order: a fraction") << "menuZIndex" << "1.5" << false;
        QTest::newRow("opacity over 100") << "menuSubOpacity" << "120" << false;
        QTest::newRow("delay: negative") << "menuShowDelay" << "-1" << false;
        QTest::newRow("choice: unknown") << "menuOrientation" << "diagonal" << false;
        QTest::newRow("choice: known") << "menuOrientation" << "vertical" << true;
        QTest::newRow("font: stack with a generic family") << "menuItemFont" << "bold 13px Verdana, \"DejaVu Sans\", sans-serif" << true;
        QTest::newRow("font: a word") << "menuItemFont" << "banana" << false;
        QTest::newRow("font: no family") << "menuItemFont" << "normal 13px" << false;
        QTest::newRow("font: size without unit") << "menuItemFont" << "normal 13 Verdana" << false;
        QTest::newRow("flag: a word") << "menuArrows" << "maybe" << false;
    }
    void checkValue_refusesWhatTheKindCannotTake()
    {
        QFETCH(QString, name);
        QFETCH(QString, value);
        QFETCH(bool, ok);
        const QString problem = runJs(*m_menu, QStringLiteral("Plivex.checkValue(Plivex.page.byName[%1].def,%2)").arg(js(name), js(value)));
        QVERIFY2(problem.isEmpty() == ok, qPrintable(name + QStringLiteral(": ") + problem));
    }

    // A value is good when the browser's CSS takes it for what the engine
    // writes it as. Each row is read from a data file, so it goes through
    // the page's own fields to the check the program asks.
    void cssValues_areGoodWhereCssTakesThem_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("value");
        QTest::addColumn<bool>("ok");
        const auto row = [](const char *what, const char *name, const char *value, bool ok) {
            QTest::newRow(what) << QString::fromLatin1(name) << QString::fromLatin1(value) << ok;
        };
        row("colour: a name", "menuBackColor", "white", true);
        row("colour: transparent", "menuBackColor", "transparent", true);
        row("colour: currentColor", "menuBackColor", "currentColor", true);
        row("colour: rgb()", "menuBackColor", "rgb(31, 45, 61)", true);
        row("colour: rgba() with a bare fraction", "menuBackColor", "rgba(0,0,0,.5)", true);
        row("colour: hsl() with commas", "menuBackColor", "hsl(210, 30%, 20%)", true);
        row("colour: hsl() with spaces", "menuBackColor", "hsl(210 30% 20%)", true);
        row("colour: hsl() with spaces and alpha", "menuBackColor", "hsl(210 30% 20% / 0.4)", true);
        row("colour: #RGB", "menuBackColor", "#1F3", true);
        row("colour: #RGBA", "menuBackColor", "#1F38", true);
        row("colour: #RRGGBB in lower case", "menuBackColor", "#1f2d3d", true);
        row("colour: #RRGGBBAA", "menuBackColor", "#1f2d3d80", true);
        row("colour: var()", "menuBackColor", "var(--brand)", true);
        row("colour: var() with a fallback", "menuBackColor", "var(--brand, #1F2D3D)", true);
        row("colour: a bad hex digit", "menuBackColor", "#12345G", false);
        row("colour: a word", "menuBackColor", "banana", false);
        row("colour: a size", "menuBackColor", "12px", false);
        row("colour: two colours", "menuBackColor", "red blue", false);
        row("colour: inherit goes inside the engine's shorthands", "menuBackColor", "inherit", false);
        row("colour: var() with more after it", "menuBackColor", "var(--brand) red", false);
        row("colour: a rule of its own", "menuBackColor", "red;color:blue", false);
        row("size: calc()", "menuWidth", "calc(100% - 2px)", true);
        row("size: min()", "menuWidth", "min(600px, 90vw)", true);
        row("size: max()", "menuWidth", "max(20em, 30%)", true);
        row("size: clamp()", "menuWidth", "clamp(200px, 50%, 800px)", true);
        row("size: var()", "menuWidth", "var(--bar-width)", true);
        row("size: rem", "menuWidth", "12rem", true);
        row("size: vw", "menuWidth", "80vw", true);
        row("size: px", "menuWidth", "640px", true);
        row("size: an unknown unit", "menuWidth", "12pz", false);
        row("size: a word", "menuWidth", "banana", false);
        row("size: auto is no size", "menuWidth", "auto", false);
        row("size: a colour", "menuWidth", "#FFF", false);
        row("size: var() with more after it", "menuWidth", "var(--w) 2px", false);
        row("size: calc() that CSS refuses", "menuWidth", "calc(100% -2px)", false);
        row("size: over the range", "menuWidth", "50000px", false);
        row("size: a math function has no range", "menuWidth", "calc(50000px - 1px)", true);
        row("offset: negative", "menuSubOffsetX", "-4px", true);
        row("offset: negative calc()", "menuSubOffsetX", "calc(-1em - 2px)", true);
        row("offset: negative rem", "menuSubOffsetX", "-0.5rem", true);
        row("offset: auto is no offset", "menuSubOffsetX", "auto", false);
        row("padding: negative stays out of range", "menuItemPadding", "-4px", false);
        row("font: a system font", "menuItemFont", "caption", true);
        row("font: a stretch and a line height", "menuItemFont", "italic condensed 600 16px/1.4 \"Open Sans\", sans-serif", true);
        row("font: a word", "menuItemFont", "banana", false);
        row("font: no family", "menuItemFont", "bold 13px", false);
    }
    void cssValues_areGoodWhereCssTakesThem()
    {
        QFETCH(QString, name);
        QFETCH(QString, value);
        QFETCH(bool, ok);
        auto page = openTypePage(typeNamed(QStringLiteral("ostrel-menu")), QStringLiteral("params.html"));
        loadValues(*page, {name + QLatin1Char('=') + value});
        const QStringList bad = badValues(*page);
        QCOMPARE(bad, ok ? QStringList() : QStringList{name + QLatin1Char('=') + value});
        // The row says the same while the value stands in its field.
        const QString marks = runJs(*page, QStringLiteral("(function(){var r=document.querySelector(%1);"
                                                          "return r.className+'|'+r.querySelector('input').className})()")
                                               .arg(js(rowSelector(name))));
        QCOMPARE(marks.section(QLatin1Char('|'), 0, 0).contains(QStringLiteral("invalid")), !ok);
        QCOMPARE(marks.section(QLatin1Char('|'), 1).split(QLatin1Char(' ')).contains(QStringLiteral("bad")), !ok);
    }

    // The problem a colour is reported with names more than one way to
    // write a colour.
    void badColour_isExplainedWithTheFormsCssTakes()
    {
        const QString problem = runJs(*m_menu, QStringLiteral("Plivex.checkValue(Plivex.page.byName.menuItemTextColor.def,'#12345G')"));
        QVERIFY2(problem.startsWith(QStringLiteral("not a colour")), qPrintable(problem));
        for (const char *form : {"#RRGGBB", "rgb()", "hsl()", "name"})
            QVERIFY2(problem.contains(QLatin1String(form)), qPrintable(problem));
    }

    // The bar collapses by comparing the window's width with this number,
    // so it takes a number with px or em only; a size the engine only
    // hands to CSS takes every form.
    void collapseWidth_takesOnlyANumberTheEngineCompares_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("value");
        QTest::addColumn<QString>("problem"); // empty: good; else a part of the problem
        QTest::newRow("px") << "menuCollapseWidth" << "640px" << "";
        QTest::newRow("em") << "menuCollapseWidth" << "40em" << "";
        QTest::newRow("zero, never collapses") << "menuCollapseWidth" << "0px" << "";
        QTest::newRow("calc()") << "menuCollapseWidth" << "calc(600px + 2em)" << "calc() and var() cannot be used";
        QTest::newRow("var()") << "menuCollapseWidth" << "var(--narrow)" << "calc() and var() cannot be used";
        QTest::newRow("a percentage means nothing to a window") << "menuCollapseWidth" << "50%" << "px or em";
        QTest::newRow("a unit it does not offer") << "menuCollapseWidth" << "30rem" << "px or em";
        QTest::newRow("still no unknown unit") << "menuCollapseWidth" << "12pz" << "not a size";
        QTest::newRow("the bar's width takes calc()") << "menuWidth" << "calc(600px + 2em)" << "";
    }
    void collapseWidth_takesOnlyANumberTheEngineCompares()
    {
        QFETCH(QString, name);
        QFETCH(QString, value);
        QFETCH(QString, problem);
        const QString found = runJs(*m_menu, QStringLiteral("Plivex.checkValue(Plivex.page.byName[%1].def,%2)").arg(js(name), js(value)));
        if (problem.isEmpty())
            QVERIFY2(found.isEmpty(), qPrintable(found));
        else
            QVERIFY2(found.contains(problem), qPrintable(found));
    }

    // Colours with alpha are measured as seen: the background laid over
    // what is beneath it (the next background of its chain, at last the
    // white page), the text laid over that. Expected ratios worked out by
    // hand from the WCAG formula: half-black on white is grey 127.5, whose
    // luminance is ((0.5 + 0.055) / 1.055)^2.4 = 0.2140, so black on it is
    // 0.2640 / 0.05 = 5.28 and it on white 1.05 / 0.2640 = 3.98; half-white
    // over that grey is 191.25, luminance 0.5225, 0.5725 / 0.2640 = 2.17.
    void contrast_laysAlphaOverWhatIsBeneath_data()
    {
        QTest::addColumn<QStringList>("set"); // name=value; every other colour empty
        QTest::addColumn<QString>("ratio");
        QTest::newRow("half-black text on white") << QStringList{"menuItemTextColor=rgba(0,0,0,.5)", "menuItemBackColor=#FFFFFF"}
                                                  << "3.98:1";
        QTest::newRow("the same in hsl() with spaces")
            << QStringList{"menuItemTextColor=hsl(0 0% 0% / 50%)", "menuItemBackColor=white"} << "3.98:1";
        QTest::newRow("half-black background over the page") << QStringList{"menuItemBackColor=rgba(0,0,0,.5)"} << "5.28:1";
        QTest::newRow("half-white background over a black bar")
            << QStringList{"menuItemBackColor=rgba(255,255,255,.5)", "menuBackColor=#000000"} << "5.28:1";
        QTest::newRow("transparent item shows the bar")
            << QStringList{"menuItemTextColor=#FFFFFF", "menuItemBackColor=transparent", "menuBackColor=#1F2D3D"} << "13.99:1";
        QTest::newRow("half-white text on a half-black background")
            << QStringList{"menuItemTextColor=rgba(255,255,255,.5)", "menuItemBackColor=rgba(0,0,0,.5)"} << "2.17:1";
        QTest::newRow("var() measured by its fallback")
            << QStringList{"menuItemTextColor=var(--ink, #777)", "menuItemBackColor=#FFFFFF"} << "4.48:1";
        QTest::newRow("an opaque background hides an unknown bar")
            << QStringList{"menuItemBackColor=#FFFFFF", "menuBackColor=var(--bar)"} << "21:1";
    }
    void contrast_laysAlphaOverWhatIsBeneath()
    {
        QFETCH(QStringList, set);
        QFETCH(QString, ratio);
        clearColours(*m_menu);
        for (const QString &s : set)
            typeInto(*m_menu, s.section(QLatin1Char('='), 0, 0), s.section(QLatin1Char('='), 1));
        const QString shown = badge(*m_menu, QStringLiteral("Items"));
        QVERIFY2(shown.startsWith(QStringLiteral("Aa ") + ratio + QLatin1Char('|')) ||
                     shown.startsWith(QStringLiteral("Aa \u26A0 ") + ratio + QLatin1Char('|')),
                 qPrintable(shown));
    }

    // A colour the page decides (var() without a fallback, currentColor)
    // leaves its pair unjudged: no ratio, not low, and not a bad value.
    void contrast_ofAColourThePageDecides_cannotBeJudged_data()
    {
        QTest::addColumn<QStringList>("set");
        QTest::newRow("text var()") << QStringList{"menuItemTextColor=var(--ink)", "menuItemBackColor=#FFFFFF"};
        QTest::newRow("text currentColor") << QStringList{"menuItemTextColor=currentColor", "menuItemBackColor=#FFFFFF"};
        QTest::newRow("background var()") << QStringList{"menuItemTextColor=#FFFF00", "menuItemBackColor=var(--paper)"};
        QTest::newRow("var() inside rgb()") << QStringList{"menuItemTextColor=rgb(var(--r) 0 0)", "menuItemBackColor=#FFFFFF"};
        QTest::newRow("half-clear background over a var() bar")
            << QStringList{"menuItemTextColor=#FFFF00", "menuItemBackColor=rgba(255,255,255,.5)", "menuBackColor=var(--bar)"};
    }
    void contrast_ofAColourThePageDecides_cannotBeJudged()
    {
        QFETCH(QStringList, set);
        auto page = openTypePage(typeNamed(QStringLiteral("ostrel-menu")), QStringLiteral("params.html"));
        clearColours(*page);
        for (const QString &s : set)
            typeInto(*page, s.section(QLatin1Char('='), 0, 0), s.section(QLatin1Char('='), 1));
        const QString shown = badge(*page, QStringLiteral("Items"));
        QVERIFY2(shown.startsWith(QStringLiteral("Aa cannot judge|")), qPrintable(shown));
        QVERIFY2(!shown.section(QLatin1Char('|'), 1, 1).split(QLatin1Char(' ')).contains(QStringLiteral("low")), qPrintable(shown));
        const QString low = page->callText(QStringLiteral("qrn_getLowContrast"), {kOmitted});
        QVERIFY2(!low.contains(QStringLiteral("\"Items\"")), qPrintable(low));
        QCOMPARE(badValues(*page), QStringList());
    }

    // A colour field keeps what was typed: any length, names and functions
    // as written; only hex digits are put in capitals, with their "#". The
    // colour dialog, which knows #RRGGBB only, opens at the colour's hex,
    // or at the default where the colour does not resolve; cancelled, it
    // leaves the text as it was.
    void colourField_keepsAColourAsTyped_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("kept");
        QTest::addColumn<QString>("dialog"); // what the swatch asks the dialog with
        QTest::newRow("rgba()") << "rgba(18,171,86,.5)" << "rgba(18,171,86,.5)" << "#12ab56";
        QTest::newRow("a name") << "white" << "white" << "#ffffff";
        QTest::newRow("a custom property minds its case") << "var(--Brand)" << "var(--Brand)" << "#2f6db5";
        QTest::newRow("hex with alpha in capitals") << "#1f2d3d80" << "#1F2D3D80" << "#1f2d3d";
        QTest::newRow("short hex in capitals") << "#abc" << "#ABC" << "#aabbcc";
        QTest::newRow("six digits get their #") << "1f2d3d" << "#1F2D3D" << "#1F2D3D";
    }
    void colourField_keepsAColourAsTyped()
    {
        QFETCH(QString, typed);
        QFETCH(QString, kept);
        QFETCH(QString, dialog);
        auto page = openTypePage(typeNamed(QStringLiteral("ostrel-menu")), QStringLiteral("params.html"));
        typeInto(*page, QStringLiteral("menuToggleBackColor"), typed);
        const QString get = QStringLiteral("Plivex.page.byName.menuToggleBackColor.get()");
        QCOMPARE(runJs(*page, get), kept);
        // The swatch shows every colour that resolves.
        const QString swatch = rowSelector(QStringLiteral("menuToggleBackColor")) + QStringLiteral(" .swatch");
        QCOMPARE(runJs(*page, QStringLiteral("document.querySelector(%1).style.backgroundColor").arg(js(swatch))).isEmpty(),
                 kept.startsWith(QStringLiteral("var(")));

        QSignalSpy status(page.get(), &Page::statusTextChanged);
        runJs(*page, QStringLiteral("document.querySelector(%1).click(),''").arg(js(swatch)));
        QTRY_COMPARE(status.count(), 1);
        QCOMPARE(status.at(0).at(0).toString(), QStringLiteral("@color:") + dialog);
        page->callText(QStringLiteral("qrn_setValue"), {dialog});
        QCOMPARE(runJs(*page, get), kept);
    }

    void typedBadValue_isMarkedOnItsRow_andReportedByThePage()
    {
        auto page = openTypePage(typeNamed(QStringLiteral("ostrel-menu")), QStringLiteral("params.html"));
        page->callText(QStringLiteral("qrn_reCreateParams"), {kOmitted});
        QCOMPARE(page->callText(QStringLiteral("qrn_getBadValues"), {kOmitted}), QStringLiteral("[]"));
        typeInto(*page, QStringLiteral("menuItemTextColor"), QStringLiteral("banana"));
        typeInto(*page, QStringLiteral("menuOrientation"), QStringLiteral("vertical"));
        QCOMPARE(runJs(*page, QStringLiteral("document.querySelector(%1).className").arg(js(rowSelector(QStringLiteral("menuItemTextColor"))))),
                 QStringLiteral("row invalid"));
        const QString bad = page->callText(QStringLiteral("qrn_getBadValues"), {kOmitted});
        QVERIFY2(bad.startsWith(QStringLiteral("[[\"menuItemTextColor\",\"banana\",\"not a colour")), qPrintable(bad));
        QCOMPARE(bad.count(QStringLiteral("[\"")), 1);

        // A style's entries, as the writer holds them.
        const QString style = page->callText(QStringLiteral("qrn_getBadValues"),
                                             {0, QStringLiteral("[\"menuZIndex=99999999999\",\"menuItemFont=bold 13px Verdana\\x2C sans-serif\"]")});
        QVERIFY2(style.startsWith(QStringLiteral("[[\"menuZIndex\",\"99999999999\",\"out of range")), qPrintable(style));
        QCOMPARE(style.count(QStringLiteral("[\"")), 1);
    }

    // The writer and --check find links and pictures by the page's own
    // description: every field and parameter of those kinds, and only those.
    void addresses_areTheLinkAndPictureFieldsAndParameters()
    {
        auto page = openTypePage(typeNamed(QStringLiteral("tree-menu")), QStringLiteral("params.html"));
        page->callText(QStringLiteral("qrn_reCreateParams"), {kOmitted});
        QCOMPARE(page->callText(QStringLiteral("qrn_getPathItemFields"), {kOmitted}),
                 QStringLiteral("[[1,\"Link\"],[4,\"Icon\"],[5,\"Hover icon\"],[6,\"Open icon\"]]"));
        QCOMPARE(page->callText(QStringLiteral("qrn_getPathValues"), {kOmitted}), QStringLiteral("[]"));

        auto menu = openTypePage(typeNamed(QStringLiteral("ostrel-menu")), QStringLiteral("params.html"));
        menu->callText(QStringLiteral("qrn_reCreateParams"), {kOmitted});
        typeInto(*menu, QStringLiteral("menuArrowImage"), QStringLiteral("/home/ann/arrow.gif"));
        typeInto(*menu, QStringLiteral("menuItemTextColor"), QStringLiteral("/home/ann/not-an-address"));
        QCOMPARE(menu->callText(QStringLiteral("qrn_getPathValues"), {kOmitted}),
                 QStringLiteral("[[\"menuArrowImage\",\"/home/ann/arrow.gif\"]]"));
        QCOMPARE(menu->callText(QStringLiteral("qrn_getPathValues"),
                                {0, QStringLiteral("[\"menuArrowImage=C:\\\\a.gif\",\"menuItemFont=bold 13px Verdana\"]")}),
                 QStringLiteral("[[\"menuArrowImage\",\"C:\\\\a.gif\"]]"));
    }

    // An item's style that names no style of the project, or a state the
    // engine does not know, is marked on the item page.
    void itemPage_marksAMissingStyleAndAnUnknownState()
    {
        auto page = openTypePage(typeNamed(QStringLiteral("ostrel-menu")), QStringLiteral("itemparams.html"));
        page->callText(QStringLiteral("qrn_setIndividualStyles"), {0, QStringLiteral("Call to action\rHighlighted")});
        const auto invalid = [&](const QString &name) {
            return runJs(*page, QStringLiteral("document.querySelector(%1).getAttribute('aria-invalid')")
                                    .arg(js(rowSelector(name) + QStringLiteral(" select"))));
        };
        const auto show = [&](const QString &style, const QString &state) {
            page->callText(QStringLiteral("qrn_setItemParams"), {QStringLiteral("Home"), QString(), QString(), QString(), QString(),
                                                                 QString(), style, QString(), state, QString(), QString()});
        };
        show(QStringLiteral("1"), QStringLiteral("current"));
        QCOMPARE(invalid(QStringLiteral("itemStyle")), QStringLiteral("false"));
        QCOMPARE(invalid(QStringLiteral("state")), QStringLiteral("false"));
        show(QStringLiteral("2"), QStringLiteral("bogus"));
        QCOMPARE(invalid(QStringLiteral("itemStyle")), QStringLiteral("true"));
        QCOMPARE(invalid(QStringLiteral("state")), QStringLiteral("true"));
    }

    // Letters typed into a number field would leave it empty: the field keeps
    // its value and says why.
    void lettersInASizeField_keepTheValueAndAreMarked()
    {
        auto page = openTypePage(typeNamed(QStringLiteral("ostrel-menu")), QStringLiteral("params.html"));
        page->callText(QStringLiteral("qrn_reCreateParams"), {kOmitted});
        runJs(*page, QStringLiteral("document.querySelectorAll('details').forEach(function(d){d.open=true}),"
                                    "document.querySelector(%1).focus(),document.querySelector(%1).select(),''")
                         .arg(js(rowSelector(QStringLiteral("menuItemPadding")) + QStringLiteral(" input"))));
        page->view()->activateWindow();
        QWidget *proxy = page->view()->focusProxy();
        QVERIFY(proxy);
        proxy->setFocus();
        QVERIFY(harness::waitUntil([&] { return proxy->hasFocus(); }));
        QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("abc"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QVERIFY(harness::waitUntil([&] {
            return runJs(*page, QStringLiteral("document.activeElement===document.querySelector(%1)?'':'left'")
                                    .arg(js(rowSelector(QStringLiteral("menuItemPadding")) + QStringLiteral(" input")))) == QStringLiteral("left");
        }));
        QCOMPARE(runJs(*page, QStringLiteral("Plivex.page.byName.menuItemPadding.get()")), QStringLiteral("8px"));
        QVERIFY(runJs(*page, QStringLiteral("document.querySelector(%1).className").arg(js(rowSelector(QStringLiteral("menuItemPadding")))))
                    .contains(QStringLiteral("invalid")));
    }
};

PLIVEX_TEST_MAIN(PageChecksTest)
#include "pagechecks_test.moc"
