#pragma once

#include "project/site/navlist.h"
#include "project/site/pageplacement.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

class Page;
class Project;

// Putting a saved menu into pages of its site: the engine and data scripts
// and the menu as plain links for visitors without JavaScript, in one
// marked block per page (see placeBlock). The engines are expected beside
// the data file; the links of the list are written as each page reads them.

// What every page's block is made from, read from the project once.
struct MenuInstall
{
    int type = 0;
    QString dataFile;               // full path of the saved data file
    bool linksFromDataFile = false; // the menu reads relative links against its data file
    QList<NavEntry> entries;        // the items, links as the menu holds them
};

// The project's menu, saved as `dataFile`. A failing page call throws
// PageError.
MenuInstall readMenuInstall(const Project &project, Page &params, const QString &dataFile);

// The block for the page at `pagePath`.
PageBlock pageBlockFor(const MenuInstall &menu, const QString &pagePath);

// One page's planned change. A page that cannot be read or written has
// `fileError` ("can't read PAGE: why"); one the block cannot be placed in
// safely is Refused.
struct PageInstall
{
    QString path;
    QByteArray before;
    PagePlacement placement;
    QString fileError;
};

PageInstall planPageInstall(const MenuInstall &menu, const QString &pagePath);

// The planned change as a unified diff, labelled with the page's path.
QString pageInstallDiff(const PageInstall &plan);

// Writes a Changed plan: the page as it was goes to "PAGE~", then the page
// is replaced in one step. Fails, writing nothing, when the page changed
// since it was planned.
bool writePageInstall(const PageInstall &plan, QString *error);

// The engine files the pages load that are not beside the data file.
QStringList missingEngineFiles(const MenuInstall &menu);
// Copies them there from the program folder; existing files are kept.
bool copyMissingEngineFiles(const MenuInstall &menu, const QString &programFolder, QString *error);
