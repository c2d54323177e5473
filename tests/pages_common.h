#pragma once

// Shared by the tests of the hosted pages: the menu type table with the
// parameters the tests use, and page helpers.

#include "page/pagearg.h"
#include "project/datafile/dataopen.h"
#include "project/datafile/datavalues.h"
#include "project/model/menutypes.h"
#include "support/webharness.h"

#include <QFile>
#include <QRegularExpression>
#include <QSet>
#include <QStringList>
#include <QTest>

namespace pagestest {

struct PageType
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

// The script names come from the program's own menu type table; only the
// parameters the tests pick to exercise styles are chosen here.
inline const QList<PageType> &pageTypes()
{
    struct Chosen
    {
        const char *font, *image, *sm;
    };
    static const Chosen chosen[kMenuTypeCount]{
        {"menuItemFont", "menuItemBackImage", "menuSubBackImage"},
        {"tmenuItemFont", "tmenuItemBackImage", "tmenuExpandIcon"},
        {"tabsItemFont", "tabsItemBackImage", ""},
        {"tabsItemFont", "tabsItemBackImage", ""},
    };
    static const QList<PageType> types = [] {
        QList<PageType> list;
        for (int i = 0; i < kMenuTypeCount; ++i) {
            const ::MenuType &t = ::menuTypes()[static_cast<size_t>(i)];
            list.append({i, t.folder, t.itemArrayName, t.initFunctionName, t.styleArrayName, t.submenuStyleArrayName,
                         t.styleRefParam[0], t.styleRefParam[1], QString::fromLatin1(chosen[i].font),
                         QString::fromLatin1(chosen[i].image), QString::fromLatin1(chosen[i].sm)});
        }
        return list;
    }();
    return types;
}

inline QString pagePath(const QString &folder, const QString &file)
{
    return harness::runtimeDir() + QStringLiteral("data/") + folder + QLatin1Char('/') + file;
}

inline std::unique_ptr<WebPage> openTypePage(const PageType &t, const QString &file)
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
// Reads the text as the reader does; the page takes its values, the items
// come back.
inline EvaluatedText loadDataText(Page &params, const PageType &t, const QString &fileText)
{
    const QString text = CommentOutStartCall(DataTextFromBytes(fileText.toUtf8()), t.index);
    return EvaluateDataText(params, menuTypes().at(static_cast<size_t>(t.index)), text);
}

// The items a read handed back, as the texts of their elements.
inline QStringList itemElements(const EvaluatedText &read)
{
    QStringList out;
    for (const QStringView e : JsonArrayElements(read.items))
        out << e.toString();
    return out;
}

inline QString styleParamsToDeclarations(const QString &list)
{
    return StyleParamsToDeclarations(list);
}

} // namespace pagestest
