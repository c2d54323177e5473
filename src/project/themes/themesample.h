#pragma once

#include <QString>

struct MenuType;

// The texts that put a project's items and a theme's look together: the
// gallery's thumbnails, the applied theme and the user's own saved themes
// are all data texts of the program's own writer, taken apart and put back
// together here. No page is needed: the program's writer lays the item
// array out one item a line.

// The item array's declaration of `dataText` (a text the writer wrote) with
// its first `maxItems` items (all when negative), ready to follow any other
// data text of the type; an empty array when the text has none.
QString itemArrayOf(const QString &dataText, const MenuType &type, int maxItems = -1);

// A data text with the look of `themeText` and the items of `itemArray`
// (see itemArrayOf): the theme's own start call is turned into a comment,
// so the engine starts once, after the items are declared.
QString themedDataText(const QString &themeText, int type, const QString &itemArray);

// What a theme file of the project holds: `dataText` with its items left
// out. Everything else, the parameters and the styles, stays as written.
// Empty when the text has no item array laid out as the writer does.
QString themeTextOf(const QString &dataText, const MenuType &type);
