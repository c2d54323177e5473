#pragma once

#include <QString>

struct MenuType;

// The install help page of the save window: how to put the menu saved as
// `dataFile` (a name or a path; empty before one is given) into a web page,
// with the engine files of `type`, and across frames only where the type's
// engine can start that way.
QString installHelpHtml(const MenuType &type, const QString &dataFile);
