#include "project/model/styleedits.h"

#include "page/page.h"
#include "project/platform/dialogs.h"
#include "project/model/project.h"
#include "project/model/stylelist.h"

#include <QItemSelectionModel>

namespace {

// What the questions call the styles of a kind.
QString kindOfStyles(int kind)
{
    return kind == 0 ? StyleEdits::tr("item styles") : StyleEdits::tr("submenu styles");
}

// The item parameter holding references of a kind, or -1.
int refParam(const Project &project, int kind)
{
    return project.menuType().styleRefParam.at(static_cast<size_t>(kind));
}

// A style reference as the program writes it: decimal digits only. Anything
// else was typed or stored by someone else and is not ours to interpret.
bool refNumber(const QString &ref, int &value)
{
    if (ref.isEmpty() || ref.size() > 9)
        return false;
    for (const QChar c : ref)
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return false;
    value = ref.toInt();
    return true;
}

// Rewrites every reference of a kind that is a number through `map`;
// `map` answers the new number, or -1 to empty the reference.
template<typename Map>
void rewriteRefs(Project &project, int kind, Map map)
{
    const int f = refParam(project, kind);
    if (f < 0)
        return;
    ItemTree &tree = project.items();
    tree.walk([&](const QModelIndex &index, const TItem &, int) {
        QString &ref = tree.record(index)->Params[static_cast<size_t>(f)];
        if (ref.isEmpty())
            return;
        int v = 0;
        if (!refNumber(ref, v))
            return; // kept as the user or the file gave it
        const int to = map(v);
        ref = to < 0 ? QString() : QString::number(to);
    });
}

} // namespace

int styleUsage(const Project &project, int kind, int position)
{
    const int f = refParam(project, kind);
    if (f < 0)
        return 0;
    int used = 0;
    project.items().walk([&](const QModelIndex &, const TItem &item, int) {
        int v = 0;
        if (refNumber(item.Params[static_cast<size_t>(f)], v) && v == position)
            ++used;
    });
    return used;
}

void ClearStyleRefsFrom(Project &project, int kind, int count)
{
    rewriteRefs(project, kind, [count](int v) { return v < count ? v : -1; });
}

void RenumberStyleRefs(Project &project, int kind, int position)
{
    if (position < 0) {
        const int f = refParam(project, kind);
        if (f < 0)
            return;
        ItemTree &tree = project.items();
        tree.walk([&](const QModelIndex &index, const TItem &, int) {
            tree.record(index)->Params[static_cast<size_t>(f)].clear();
        });
        return;
    }
    rewriteRefs(project, kind, [position](int v) { return v == position ? -1 : v > position ? v - 1 : v; });
}

void MoveStyleRefs(Project &project, int kind, int from, int to)
{
    rewriteRefs(project, kind, [from, to](int v) {
        if (v == from)
            return to;
        if (from < to && v > from && v <= to)
            return v - 1;
        if (to < from && v >= to && v < from)
            return v + 1;
        return v;
    });
}

StyleEdits::StyleEdits(Project &project, std::array<StyleList *, 2> lists,
                       std::array<QItemSelectionModel *, 2> selections, std::array<Page *, 2> pages, Links links,
                       QObject *parent)
    : QObject(parent)
    , m_project(project)
    , m_lists(lists)
    , m_selections(selections)
    , m_pages(pages)
    , m_links(std::move(links))
{
    // Whatever the name box shows from here on replaces what was typed.
    connect(this, &StyleEdits::nameShown, this, [this] { m_typedName.clear(); });
    for (int kind = 0; kind < 2; ++kind) {
        connect(m_selections[kind], &QItemSelectionModel::selectionChanged, this,
                [this, kind] { selectionChanged(kind); });
        connect(m_lists[kind], &StyleList::renamed, this, [this, kind](int row) {
            if (kind == m_kind && row == selectedPosition())
                emit nameShown(m_project.styles(kind).at(row).Name);
            namesChanged();
            m_project.MarkModified(tr("Rename Style"));
        });
    }
}

int StyleEdits::selectedPosition() const
{
    const QModelIndexList rows = m_selections[m_kind]->selectedRows();
    return rows.isEmpty() ? -1 : rows.first().row();
}

TStyle *StyleEdits::currentStyle() const
{
    const int p = selectedPosition();
    return p < 0 ? nullptr : &m_project.styles(m_kind)[p];
}

void StyleEdits::switchKind(int kind)
{
    m_kind = kind;
    m_selections[kind]->clear();
    emit nameShown(QString());
}

void StyleEdits::clear()
{
    for (int kind = 0; kind < 2; ++kind)
        m_lists[kind]->removeAll();
    switchKind(0);
}

void StyleEdits::AddStyle(int kind, const QString &name, const QString &paramsList, const QString &stylesArray)
{
    m_selections[kind]->clear();
    m_lists[kind]->append({name, paramsList, stylesArray});
}

void StyleEdits::selectionChanged(int kind)
{
    if (m_project.LoadingData || kind != m_kind)
        return;
    TStyle *style = currentStyle();
    if (!style) {
        emit nameShown(QString());
        return;
    }
    emit nameShown(style->Name);
    Page *page = m_pages[kind];
    page->call(QStringLiteral("qrn_resetParams"), {kOmitted});
    page->call(QStringLiteral("qrn_loadParams"), {style->ParamsList});
}

void StyleEdits::select(int row)
{
    QItemSelectionModel *selection = m_selections[m_kind];
    const QModelIndex index = m_lists[m_kind]->index(row);
    selection->clear();
    selection->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect);
}

void StyleEdits::namesChanged()
{
    if (m_links.SetIndividualStyles)
        m_links.SetIndividualStyles(m_kind);
}

void StyleEdits::Add()
{
    const QString typed = m_typedName.trimmed();
    const QString name = typed.isEmpty() ? tr("New Individual Style") : typed;
    const int row = m_lists[m_kind]->append({name, QString(), QString()});
    select(row);
    // The new style takes the page's defaults at once, so the data file never
    // gets an empty entry for it.
    Page *page = m_pages[m_kind];
    TStyle &style = m_project.styles(m_kind)[row];
    style.ParamsList = page->callText(QStringLiteral("qrn_getParamsList"), {QString()});
    style.StylesArray = page->callText(QStringLiteral("qrn_getStylesArray"), {QString()});
    namesChanged();
    m_project.MarkModified(tr("Add Style"));
}

void StyleEdits::Duplicate()
{
    const TStyle *source = currentStyle();
    if (source) {
        const TStyle copy = *source;
        m_selections[m_kind]->clear();
        select(m_lists[m_kind]->append(copy));
        m_project.MarkModified(tr("Duplicate Style"));
    }
    namesChanged();
}

void StyleEdits::DeleteSelected()
{
    if (m_project.styles(m_kind).isEmpty())
        return;
    //: %1 is "item styles" or "submenu styles"
    if (dialogs().askYesNo(tr("Do you want to delete the selected %1?").arg(kindOfStyles(m_kind))) !=
        Dialogs::Answer::Yes)
        return;
    const int p = selectedPosition();
    m_selections[m_kind]->clear();
    m_lists[m_kind]->removeAt(p);
    emit nameShown(QString());
    if (p != -1)
        RenumberStyleRefs(m_project, m_kind, p);
    m_lists[m_kind]->refreshCounts();
    namesChanged();
    if (m_links.SendItemParams)
        m_links.SendItemParams();
    m_project.MarkModified(tr("Delete Style"));
}

void StyleEdits::DeleteAll()
{
    if (m_project.styles(m_kind).isEmpty())
        return;
    // The items stay: only the styles of the shown kind go.
    //: %1 is "item styles" or "submenu styles"
    if (dialogs().askYesNo(tr("Do you want to delete all %1?").arg(kindOfStyles(m_kind))) !=
        Dialogs::Answer::Yes)
        return;
    m_lists[m_kind]->removeAll();
    emit nameShown(QString());
    RenumberStyleRefs(m_project, m_kind, -1);
    namesChanged();
    if (m_links.SendItemParams)
        m_links.SendItemParams();
    m_project.MarkModified(tr("Delete All Styles"));
}

void StyleEdits::moveSelected(int step)
{
    const int from = selectedPosition();
    const int to = from + step;
    if (from < 0 || to < 0 || to >= m_project.styles(m_kind).size())
        return;
    m_lists[m_kind]->move(from, to);
    MoveStyleRefs(m_project, m_kind, from, to);
    namesChanged();
    if (m_links.SendItemParams)
        m_links.SendItemParams();
    m_project.MarkModified(tr("Move Style"));
}

void StyleEdits::MoveUp()
{
    moveSelected(-1);
}

void StyleEdits::MoveDown()
{
    moveSelected(1);
}

void StyleEdits::Rename(const QString &name)
{
    const int p = selectedPosition();
    if (p < 0) {
        m_typedName = name;
        return;
    }
    // The list reports the rename, which offers the names again.
    m_lists[m_kind]->setData(m_lists[m_kind]->index(p), name);
}

void StyleEdits::StatusTextChange(Page *view, const QString &text)
{
    // A style page's change is the style's, never the menu's: it is kept
    // here or nowhere. Its value names the field.
    const QString changedMark = QStringLiteral("@modified:");
    if (!text.startsWith(changedMark)) {
        // The pickers: the page reports the value it takes as a change.
        if (m_links.pageCommand)
            m_links.pageCommand(view, text);
        return;
    }
    view->setStatus(QString());
    keepPageValues(view, text.mid(changedMark.size()));
}

void StyleEdits::keepPageValues(Page *view, const QString &field)
{
    TStyle *style = currentStyle();
    // The page's fields are disabled while no style is shown, so this is a
    // late report from a style no longer shown.
    if (!style || view != m_pages[m_kind])
        return;
    m_project.beginChange(QStringLiteral("style %1 %2 %3").arg(m_kind).arg(selectedPosition()).arg(field));
    style->ParamsList = view->callText(QStringLiteral("qrn_getParamsList"), {QString()});
    style->StylesArray = view->callText(QStringLiteral("qrn_getStylesArray"), {QString()});
    m_project.MarkModified(tr("Style Change"));
}

void StyleEdits::takePageEdits()
{
    Page *view = m_pages[m_kind];
    // The style is read back whole: once, however many fields were taken.
    const QString fields = view->callText(QStringLiteral("qrn_takeEdits"), {kOmitted});
    if (!fields.isEmpty())
        keepPageValues(view, fields);
}

void StyleEdits::Close()
{
    m_pages[m_kind]->call(QStringLiteral("qrn_resetParams"), {kOmitted});
    m_selections[m_kind]->clear();
    emit nameShown(QString());
}

QList<Page *> StyleEdits::typePages() const
{
    QList<Page *> pages;
    // A type without submenu styles has no submenu style page loaded.
    const int kinds = m_project.menuType().hasSubmenuStyles ? 2 : 1;
    for (int kind = 0; kind < kinds; ++kind)
        if (m_pages.at(size_t(kind)))
            pages << m_pages.at(size_t(kind));
    return pages;
}

void StyleEdits::showNoStyle()
{
    for (Page *page : typePages())
        page->call(QStringLiteral("qrn_resetParams"), {kOmitted});
    emit nameShown(QString());
}

void StyleEdits::showMenuValues()
{
    if (!m_links.menuValues)
        return;
    const QString values = m_links.menuValues();
    for (Page *page : typePages())
        page->call(QStringLiteral("qrn_setMenuValues"), {values});
}
