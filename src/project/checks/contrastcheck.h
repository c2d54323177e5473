#pragma once

#include <QList>
#include <QString>

class Page;
class Project;

// An item of the tree named as a report names it: its place in file order,
// counted from 0, and its text.
struct NamedItem
{
    int number = -1;
    QString text;
};

// A colour pair under its contrast minimum, as the parameter page measures
// it with the values in effect: of the menu-wide parameters (style -1) or of
// an item style, with the items that use that style.
struct ContrastFinding
{
    QString pair;    // "Items under the mouse"
    QString param;   // the parameter the pair's colour comes from
    QString text;    // the colour as the file gives it (any CSS colour)
    QString back;
    QString ratio;   // "3.2:1"
    QString minimum; // "4.5:1"
    QString state;   // "hover", "current" or "" (seen without the mouse)
    int style = -1;
    QString styleName;
    QList<NamedItem> items;
};

// The pairs under their minimum; a failing page call throws PageError.
QList<ContrastFinding> FindLowContrast(const Project &project, Page &params);

// Where a finding stands: "parameter" or "item style 0 "Shop" of item 17 "Shop"".
QString contrastFindingPlace(const ContrastFinding &f);
// "menuItemHoverTextColor (Items under the mouse): #FFFFFF on #FFCC99, contrast 1.48:1, needs 4.5:1"
QString describeContrastFinding(const ContrastFinding &f);

// The items whose item style is `index`, in file order.
QList<NamedItem> itemsWithStyle(const Project &project, int index);
