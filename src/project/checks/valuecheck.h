#pragma once

#include <QList>
#include <QString>

class Page;
class Project;

// A value the menu engine cannot use, found by the parameter page's own
// description of each parameter: where it stands ("" for the menu-wide
// parameters, else the style or the item), the parameter, the value and why.
struct BadValue
{
    QString where;
    int styleKind = -1; // 0 item style, 1 submenu style; -1 the menu-wide parameters
    int style = -1;
    QString name;
    QString value;
    QString problem;
    int item = -1; // an item's place in file order, for a value of an item
};

// Every bad value of the menu-wide parameters, of every individual style and
// of every item.
// A failing page call throws PageError.
QList<BadValue> FindBadValues(const Project &project, Page &params);

// One line for a report: "item style 1 "Shop": menuItemTextColor = "banana": not a colour".
QString describeBadValue(const BadValue &bad);

// Asks, through the dialog seam, whether a project with bad values may be
// written all the same; true when there are none or the user said Yes.
bool confirmBadValues(const Project &project, Page &params);
