#include "project/lifecycle/typepages.h"

#include "project/datafile/loadpage.h"
#include "project/platform/dialogs.h"
#include "project/model/menutypes.h"

#include <QFileInfo>
#include <QList>
#include <utility>

TypePages::TypePages(Views views)
    : m_views(views)
{
}

namespace {

// The type's page files, by the view they go into.
QList<std::pair<Page *TypePages::Views::*, QString>> pageFiles(int type)
{
    QList<std::pair<Page *TypePages::Views::*, QString>> files{
        {&TypePages::Views::params, QStringLiteral("params.html")},
        {&TypePages::Views::itemParams, QStringLiteral("itemparams.html")},
        {&TypePages::Views::itemStyles, QStringLiteral("itemstyles.html")}};
    if (menuTypes().at(size_t(type)).hasSubmenuStyles)
        files.append({&TypePages::Views::submenuStyles, QStringLiteral("smstyles.html")});
    return files;
}

} // namespace

QString TypePages::missingFile(const QString &programFolder, int type) const
{
    for (const auto &[view, file] : pageFiles(type)) {
        const QString path = programFolder + pagePath(type, file);
        if (m_views.*view && !QFileInfo(path).isFile())
            return path;
    }
    return {};
}

bool TypePages::load(const QString &programFolder, int type) const
{
    for (const auto &[view, file] : pageFiles(type)) {
        Page *page = m_views.*view;
        if (page && !LoadPage(page, programFolder + pagePath(type, file)))
            return false;
    }
    return !dialogs().programEnding();
}
