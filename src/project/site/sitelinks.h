#pragma once

#include "project/checks/localpaths.h"

#include <QString>

class Page;
class Project;

// A menu lives in a site: the folder a web server serves, whose pages show
// the menu. The editor finds the links and pictures that lead to no file of
// it before the visitors do. Nothing is fetched: addresses of other sites,
// mail addresses and places in the page itself are left alone.

// The nearest folder at or above the data file's own that holds an
// "index.html", ending with "/"; empty when there is none.
QString siteFolderAbove(const QString &dataFile);
// The site folder of a data file: that folder, else the data file's own.
QString siteFolderOf(const QString &dataFile);

// The deepest folder that holds both files, ending with "/"; empty when that
// would be the root of a drive or of the file system, which is no site.
QString commonFolder(const QString &fileA, const QString &fileB);

// How an address is read: on its own (a scheme such as https:, mailto: or
// data:, a host "//cdn...", only a fragment or query), as a full path of this
// machine, from the site's root ("/about.html"), or from a folder (the page's
// or the data file's).
enum class AddressKind { Own, Local, FromRoot, FromFolder, Empty };
AddressKind addressKind(const QString &address);

// The file of the site `address` names: a relative address read from
// `linksFolder`, a root-relative one ("/about.html") from `siteFolder`,
// without its query and fragment, percent-decoded. Empty for an address that
// names no file of the site to check: empty, a scheme of its own (https:,
// mailto:, tel:, data:, javascript:), a host ("//cdn..."), only a fragment
// or query, or a full path of this machine (reported on its own).
QString siteFileOf(const QString &address, const QString &linksFolder, const QString &siteFolder);

// What is wrong with `address` for a visitor: empty when nothing is, else
// "no such file" or "outside the site folder", with the file.
QString linkProblem(const QString &address, const QString &linksFolder, const QString &siteFolder);

// The menu's links and pictures with a problem (see linkProblem), read from
// the project's links folder; `problem` says which.
// A failing page call throws PageError.
QList<LocalPath> FindBrokenLinks(const Project &project, Page &params, const QString &siteFolder);
