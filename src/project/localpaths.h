#pragma once

#include <QList>
#include <QString>

class Page;
class Project;

// A link or picture that names a file of this machine by its full path.
struct LocalPath
{
    // "" for the menu-wide parameters, "item style 0 \"Shop\"", or the
    // item's path: "item Products > Cakes".
    QString where;
    QString name; // the parameter or item field
    QString value;
};

// Every local full path among the addresses of the menu-wide parameters, of
// the individual styles and of the items, in that order; the parameter page
// says which parameters and fields hold addresses.
// A failing page call throws PageError.
QList<LocalPath> FindLocalPaths(const Project &project, Page &params);

// One line for a report: "item Products > Cakes: link = "/home/ann/cakes.html"".
QString describeLocalPath(const LocalPath &found);

// Asks, through the dialog seam, whether a project with local full paths may
// be written all the same; true when there are none or the user said Yes.
bool confirmLocalPaths(const Project &project, Page &params);
