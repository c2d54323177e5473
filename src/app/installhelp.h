#pragma once

#include <QString>

struct MenuType;

// The install help page of the save window: how to put the menu saved as
// `dataFile` (a name or a path; empty before one is given) into a web page,
// with the engine files of `type`. Add to Page first, then the lines to
// write by hand, for the menu's position (`inFlow`: where the lines stand;
// otherwise at X and Y), the content panels of tabs, and frames only where
// the type's engine can start that way. Every snippet is valid HTML where
// the help says to put it.
QString installHelpHtml(const MenuType &type, const QString &dataFile, bool inFlow);
