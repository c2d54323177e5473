#pragma once

#include "project/model/itemtree.h"

#include <QList>
#include <QString>

// Turning a site's existing navigation into menu items. Every menu type keeps
// the item's text, link, target and tooltip in its first four parameters.
namespace navimport {

inline constexpr int kText = 0;
inline constexpr int kLink = 1;
inline constexpr int kTarget = 2;
inline constexpr int kTooltip = 3;

// An HTML fragment as a browser copies it: nested lists become levels
// (ul/ol/li, details/summary, a button with aria-haspopup beside its list),
// each link an item; a fragment without lists gives one item per link.
// A link the page marks as the page being shown (aria-current, an "active"
// or "current" class on it or its li) gets the state "current" in item
// parameter `stateParam` (the menu type's; -1 leaves it out).
QList<LeveledItem> fromFragment(const QString &html, int stateParam = -1);
// A whole page: the nav element with the most links, or the list with the
// most links when the page has no nav.
QList<LeveledItem> fromPage(const QString &html, int stateParam = -1);
// A sitemap.xml: the addresses of its url entries as a tree by their path
// segments, each item named from its last segment ("about-us" gives "About
// us"). A page and the folder of the same name ("outdoor.html",
// "outdoor/roses.html") are one item with the page's link, and a folder's
// index page is the folder's link. A sitemap index gives nothing.
QList<LeveledItem> fromSitemap(const QString &xml);
// Whether the text is a sitemap index, which lists sitemaps, not pages;
// `sitemaps` receives their addresses.
bool isSitemapIndex(const QString &text, QStringList *sitemaps = nullptr);
// What to tell the user who imports the sitemap index at `path`; lines
// separated by CR.
QString sitemapIndexMessage(const QString &path, const QStringList &sitemaps);
// A file's text, by what it holds: a sitemap or a page.
QList<LeveledItem> fromFile(const QString &text, int stateParam = -1);

// "about-us.html" -> "About us".
QString nameFromSegment(const QString &segment);

} // namespace navimport
