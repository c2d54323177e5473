#include "project/model/menutypes.h"

const std::array<MenuType, kMenuTypeCount> &menuTypes()
{
    // untranslated: the types' names are product names, the same in every language
    static const std::array<MenuType, kMenuTypeCount> types = {{
        {QStringLiteral("Ostrel Menu"), QStringLiteral("ostrel-menu"), {QStringLiteral("qrnmenu.js")}, true,
         QStringLiteral("menuItems"), QStringLiteral("qrn_init"), QStringLiteral("itemStyles"),
         QStringLiteral("menuStyles"), QStringLiteral("menuType"), 0, {6, 7},
         QStringLiteral("qrn_initFrame"), 8, -1},
        {QStringLiteral("Ostrel Tree Menu"), QStringLiteral("tree-menu"),
         {QStringLiteral("qrntmenu.js"), QStringLiteral("qrntmenu_add.js"), QStringLiteral("qrntmenu_ss.js")}, true,
         QStringLiteral("tmenuItems"), QStringLiteral("qrn_tmenuInit"), QStringLiteral("tstyles"),
         QStringLiteral("tXPStyles"), QStringLiteral("tmenuType"), 0, {7, 8}, QString(), 9, -1},
        {QStringLiteral("Ostrel Tabs"), QStringLiteral("tabs"), {QStringLiteral("qrntabs.js")}, false,
         QStringLiteral("bmenuItems"), QStringLiteral("qrn_tabsInit"), QStringLiteral("bstyles"), QString(), QStringLiteral("tabsType"), 1, {6, -1}, QString(), 7, 9},
        {QStringLiteral("Ostrel Tab Menu"), QStringLiteral("tab-menu"), {QStringLiteral("qrntabmenu.js")}, false,
         QStringLiteral("bmenuItems"), QStringLiteral("qrn_tabsInit"), QStringLiteral("bstyles"), QString(), QStringLiteral("tabsType"), 2, {7, -1}, QString(), 6, 9},
    }};
    return types;
}

QString pagePath(int type, const QString &file)
{
    return QStringLiteral("data/%1/%2").arg(menuTypes().at(static_cast<size_t>(type)).folder, file);
}

QString defaultProjectPath(int type)
{
    return QStringLiteral("default_scripts/%1/default.js").arg(menuTypes().at(static_cast<size_t>(type)).folder);
}

int menuTypeFromText(const QString &text)
{
    bool isNumber = false;
    const int n = text.toInt(&isNumber);
    if (isNumber)
        return n >= 0 && n < kMenuTypeCount ? n : -1;
    for (int i = 0; i < kMenuTypeCount; ++i)
        if (menuTypes().at(static_cast<size_t>(i)).folder == text)
            return i;
    return -1;
}
