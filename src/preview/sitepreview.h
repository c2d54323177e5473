#pragma once

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QPair>
#include <QString>

// The menu previewed in a page of the user's own site: the page is served as
// it is from the site folder (see SiteScheme), except for what the preview
// puts in place of the site's files: the project's live data text at the
// data file's address, and the program's engines at the addresses the page
// loads them from. No widgets: the window only hands the plan to its page.
struct SitePreview
{
    QString pagePath; // the page, from the site folder
    // Paths from the site folder, and what is served there instead.
    QHash<QString, QByteArray> overrides;
    // The page loads no data script of this project (or no engine): the
    // preview adds them, with a note that says where they go.
    bool scriptsAdded = false;
    // Not empty: no preview can be made, for this reason.
    QString error;
};

// Plans the preview of `pageFile` in the site `siteFolder`, for the data
// file `dataFile` (both inside the site) whose text is now `data`, with the
// type's engines as (file name, text). The page is read here, at most
// kMaxPageSize bytes of it.
SitePreview planSitePreview(const QString &siteFolder, const QString &pageFile, const QString &dataFile,
                            const QByteArray &data, const QList<QPair<QString, QByteArray>> &engines);

inline constexpr qint64 kMaxPageSize = 16 * 1024 * 1024;
