#pragma once

#include <QString>
#include <QStringList>
#include <array>

// One menu type: its name, its folder of pages and default project, its
// engine files and the script names its data files use. Every unit that
// depends on the menu type reads this one table.
struct MenuType
{
    QString name;
    QString folder;
    QStringList engineFiles;
    bool hasSubmenuStyles;
    // Script names of the data file (the data file's "MenuTypeNames").
    QString itemArrayName;
    QString initFunctionName;
    QString styleArrayName;
    QString submenuStyleArrayName; // empty: the type has no submenu styles
    // The variable by which a data file names its type; its value is `folder`.
    QString typeVariableName;
    // How many levels of items the type shows; 0: any number.
    int maxLevels;
    // Which item parameter holds the item's style number of each kind
    // (0 item styles, 1 submenu styles); -1: the type has none of that kind.
    std::array<int, 2> styleRefParam;
    // The start function for a menu whose submenus open in another frame;
    // empty: the type's engine has none.
    QString frameInitFunctionName;
    // Which item parameter holds the item's state ("current", "disabled").
    int stateParam;
    // Which item parameter names the page element a tab shows; -1: none.
    int contentIdParam;
};

inline constexpr int kMenuTypeCount = 4;

const std::array<MenuType, kMenuTypeCount> &menuTypes();

// Paths relative to the program folder.
QString pagePath(int type, const QString &file); // "data/<folder>/<file>"
QString defaultProjectPath(int type);            // "default_scripts/<folder>/default.js"
inline const QString kToolbarPage = QStringLiteral("data/toolbar/toolbar.html");

// A type given on the command line: its number or its folder name; -1 if none.
int menuTypeFromText(const QString &text);
