#pragma once

#include <QList>
#include <QString>
#include <functional>

class Page;
class Project;

// A link or picture of the menu, where it stands: one that names a file of
// this machine by its full path, or one whose file is missing.
struct LocalPath
{
    // "" for the menu-wide parameters, "item style 0 \"Shop\"", or the
    // item's path: "item Products > Cakes".
    QString where;
    QString name; // the parameter or item field
    QString value;
    QString problem; // what is wrong with it, where that is not plain
};

// Every address (link or picture) of the menu-wide parameters, of the
// individual styles and of the items, in that order, for which `keep` is
// true; the parameter page says which parameters and fields hold addresses.
// A failing page call throws PageError.
QList<LocalPath> FindAddresses(const Project &project, Page &params,
                               const std::function<bool(const QString &value)> &keep);

// The item fields that hold an address, by number, with their labels.
// A failing page call throws PageError.
QList<QPair<int, QString>> AddressItemFields(Page &params);

// Every local full path among the addresses (see FindAddresses).
QList<LocalPath> FindLocalPaths(const Project &project, Page &params);

// One line for a report: "item Products > Cakes: link = "/home/ann/cakes.html"",
// and the problem in brackets where there is one.
QString describeLocalPath(const LocalPath &found);

// Asks, through the dialog seam, whether a project with local full paths may
// be written all the same; true when there are none or the user said Yes.
bool confirmLocalPaths(const Project &project, Page &params);
