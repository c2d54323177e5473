#pragma once

// Shared by the tests of the hosted pages: the menu type table, page helpers,
// and the program's own data file layout and reader text preparation, so the
// tests can carry a project through a file exactly as the program does.

#include "page/pagearg.h"
#include "support/webharness.h"

#include <QFile>
#include <QRegularExpression>
#include <QSet>
#include <QStringList>
#include <QTest>

namespace pagestest {

struct MenuType
{
    int index;
    QString folder;
    QString itemArray;
    QString init;
    QString styleArray;
    QString smStyleArray; // empty: no submenu styles
    int itemStyleField;
    int smStyleField; // -1: none
    QString fontParam; // a free-text parameter that item styles may override
    QString imageParam; // a picture parameter that item styles may override
    QString smParam; // a text parameter that submenu styles may override
};

inline const QList<MenuType> &menuTypes()
{
    static const QList<MenuType> types{
        {0, "ostrel-menu", "menuItems", "qrn_init", "itemStyles", "menuStyles", 6, 7, "menuItemFont", "menuItemBackImage", "menuSubBackImage"},
        {1, "tree-menu", "tmenuItems", "qrn_tmenuInit", "tstyles", "tXPStyles", 7, 8, "tmenuItemFont", "tmenuItemBackImage", "tmenuExpandIcon"},
        {2, "tabs", "bmenuItems", "qrn_tabsInit", "bstyles", "", 6, -1, "tabsItemFont", "tabsItemBackImage", ""},
        {3, "tab-menu", "bmenuItems", "qrn_tabsInit", "bstyles", "", 7, -1, "tabsItemFont", "tabsItemBackImage", ""},
    };
    return types;
}

inline QString pagePath(const QString &folder, const QString &file)
{
    return harness::runtimeDir() + QStringLiteral("data/") + folder + QLatin1Char('/') + file;
}

inline std::unique_ptr<WebPage> openTypePage(const MenuType &t, const QString &file)
{
    return harness::openPage(pagePath(t.folder, file));
}

// Runs script text in the page's global scope and returns its value as text.
inline QString runJs(Page &page, const QString &code)
{
    return page.callText(QStringLiteral("eval"), {code});
}

inline QString js(const QString &text)
{
    return jsStringLiteral(text);
}

// One style as the program keeps it.
struct Style
{
    QString name;
    QString paramsList;
    QString stylesArray;
};

// Item: level and the eleven parameters.
struct Item
{
    int level = 0;
    QStringList params;
};

// The data text exactly as the program's writer builds it.
inline QString buildDataText(const MenuType &t, Page &params, Page &itemPage, const QList<Item> &items,
                             const QList<Style> &itemStyles, const QList<Style> &smStyles,
                             const QString &site = QStringLiteral("https://plivex.quorna.example/"))
{
    const QString nl = QStringLiteral("\r\n");
    QString out = "/*" + nl + "   Quorna Ostrel Menu data file" + nl + "   Created by Quorna Ostrel Plivex" + nl + "   " + site
                  + nl + "*/" + nl + nl;
    out += params.callText(QStringLiteral("qrn_getKeysList"), {kOmitted}) + nl;
    out += "// --- Ostrel Plivex style names ---" + nl;
    auto names = [&](const QString &array, const QList<Style> &list) {
        QString line = "var " + array + "Names=[";
        for (const Style &s : list)
            line += '"' + s.name + "\",";
        return line + "];" + nl;
    };
    out += names(t.styleArray, itemStyles);
    if (!t.smStyleArray.isEmpty())
        out += names(t.smStyleArray, smStyles);
    out += "// --- End of Ostrel Plivex style names ---" + nl;
    out += params.callText(QStringLiteral("qrn_getParamsList"), {QString()}) + nl;
    auto styleArray = [&](const QString &array, const QList<Style> &list) {
        if (list.isEmpty())
            return QString();
        QString text = "var " + array + " = [" + nl;
        for (const Style &s : list)
            text += "    " + s.stylesArray + "," + nl;
        return text + "];" + nl;
    };
    out += styleArray(t.styleArray, itemStyles);
    if (!t.smStyleArray.isEmpty())
        out += styleArray(t.smStyleArray, smStyles);
    out += nl + "var " + t.itemArray + " = [" + nl + nl;
    for (const Item &item : items) {
        PageArgs args{item.level, item.params.value(0), t.itemArray};
        for (int i = 1; i <= 10; ++i)
            args << item.params.value(i);
        out += itemPage.callText(QStringLiteral("qrn_getItemData"), args) + "," + nl;
    }
    out += "];" + nl + nl + t.init + "();";
    return out;
}

// The text the program's reader hands to qrn_loadParams: every line preceded
// by CR LF, and the start call turned into a comment.
inline QString readerText(const QString &fileText, const QString &init)
{
    QString text;
    QString normalised = fileText;
    normalised.replace(QStringLiteral("\r\n"), QStringLiteral("\n")).remove(QLatin1Char('\r'));
    const QStringList lines = normalised.split(QLatin1Char('\n'));
    for (const QString &line : lines)
        text += QStringLiteral("\r\n") + line;
    text.replace(init, QStringLiteral("//"), Qt::CaseInsensitive);
    return text;
}

// The declarations the program's reader builds from a style's entry list.
inline QString styleParamsToDeclarations(QString list)
{
    list.replace(QStringLiteral("\","), QStringLiteral("\r"));
    list.remove(QLatin1Char('"'));
    QString out;
    for (const QString &entry : list.split(QLatin1Char('\r'), Qt::SkipEmptyParts)) {
        const int eq = entry.indexOf(QLatin1Char('='));
        const QString name = eq < 0 ? entry : entry.left(eq);
        QString value = eq < 0 ? entry : entry.mid(eq + 1);
        if (value.contains(QLatin1Char(',')))
            value = "[\"" + value.replace(QLatin1Char(','), QStringLiteral("\",\"")) + "\"]";
        else
            value = '"' + value + '"';
        out += "var " + name + "=" + value + ";";
    }
    return out;
}

inline void loadDataText(Page &params, const MenuType &t, const QString &fileText)
{
    params.callText(QStringLiteral("qrn_loadParams"),
                    {readerText(fileText, t.init), t.itemArray, t.styleArray, t.smStyleArray});
}

} // namespace pagestest
