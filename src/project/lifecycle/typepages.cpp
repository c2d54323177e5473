#include "project/lifecycle/typepages.h"

#include "project/datafile/loadpage.h"
#include "project/model/menutypes.h"

TypePages::TypePages(Views views)
    : m_views(views)
{
}

bool TypePages::load(const QString &programFolder, int type) const
{
    const auto loaded = [&](Page *view, const QString &file) {
        return !view || LoadPage(view, programFolder + pagePath(type, file));
    };
    if (!loaded(m_views.params, QStringLiteral("params.html")) || !loaded(m_views.itemParams, QStringLiteral("itemparams.html"))
        || !loaded(m_views.itemStyles, QStringLiteral("itemstyles.html")))
        return false;
    if (menuTypes().at(size_t(type)).hasSubmenuStyles && !loaded(m_views.submenuStyles, QStringLiteral("smstyles.html")))
        return false;
    return !programEnding();
}
