#pragma once

// Shared by the tests of the hosted pages: the menu type table with the
// parameters the tests use, and page helpers.

#include "page/pagearg.h"
#include "project/dataopen.h"
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

// Hands a data text to the parameter page as the program's reader does.
inline void loadDataText(Page &params, const MenuType &t, const QString &fileText)
{
    const QString text = CommentOutStartCall(DataTextFromBytes(fileText.toUtf8()), t.index);
    params.callText(QStringLiteral("qrn_loadParams"), {text, t.itemArray, t.styleArray, t.smStyleArray});
}

inline QString styleParamsToDeclarations(const QString &list)
{
    return StyleParamsToDeclarations(list);
}

} // namespace pagestest
