#include "project/model/project.h"

#include "project/site/linkpaths.h"
#include "project/site/sitelinks.h"

Project::Project(QObject *parent)
    : QObject(parent)
{
    m_items.setMarker([this](const TItem &item) { return linkProblemsOf(item); }, {});
    connect(&m_items, &QAbstractItemModel::rowsAboutToBeRemoved, this, &Project::forgetRemovedCurrentItem);
    connect(&m_items, &QAbstractItemModel::modelAboutToBeReset, this, [this] { CurrentItem = nullptr; });
}

const MenuType &Project::menuType() const
{
    return menuTypes().at(static_cast<size_t>(MenuType));
}

QString Project::linksFolder() const
{
    if (m_linksFromDataFile && !CurrentFileName.isEmpty())
        return LinkFolders::ownFolder(CurrentFileName);
    return linkFolders.folderFor(CurrentFileName);
}

void Project::setLinksFromDataFile(bool fromDataFile)
{
    if (m_linksFromDataFile == fromDataFile)
        return;
    m_linksFromDataFile = fromDataFile;
    emit linkBaseChanged();
    linksMoved();
}

QString Project::siteFolder() const
{
    if (CurrentFileName.isEmpty())
        return {};
    if (m_siteOf.first != CurrentFileName)
        m_siteOf = {CurrentFileName, siteChoices.siteFolderFor(CurrentFileName)};
    return m_siteOf.second;
}

QString Project::linkProblemsOf(const TItem &item) const
{
    const QString site = siteFolder();
    if (site.isEmpty())
        return {};
    const QString links = linksFolder();
    QStringList problems;
    for (const auto &[field, label] : m_addressFields) {
        const QString &value = item.Params[static_cast<size_t>(field)];
        if (value.isEmpty())
            continue;
        const QString problem =
            isLocalAbsolutePath(value) ? tr("a full path of this computer") : linkProblem(value, links, site);
        if (!problem.isEmpty())
            problems << label + QStringLiteral(": ") + problem;
    }
    return problems.join(QLatin1Char('\n'));
}

void Project::setAddressFields(const QList<QPair<int, QString>> &fields)
{
    m_addressFields = fields;
    QList<int> numbers;
    for (const auto &field : fields)
        numbers << field.first;
    m_items.setMarker([this](const TItem &item) { return linkProblemsOf(item); }, numbers);
    linksMoved();
}

void Project::linksMoved()
{
    m_siteOf = {};
    m_items.marksChanged();
}

void Project::setModified(bool modified)
{
    if (m_modified == modified)
        return;
    m_modified = modified;
    emit modifiedChanged(modified);
}

void Project::MarkModified(const QString &change)
{
    if (!change.isEmpty())
        m_change = change;
    setModified(true);
    emit marked();
}

QString Project::takeChange()
{
    QString change = pendingChange();
    m_change.clear();
    return change;
}

QString Project::pendingChange() const
{
    return m_change.isEmpty() ? tr("Parameter Change") : m_change;
}

void Project::beginChange(const QString &subject)
{
    emit changeBeginning(subject);
}

TItem Project::newItemRecord()
{
    ++ItemCounter;
    TItem record;
    record.Params[0] = tr("Item %1").arg(ItemCounter);
    return record;
}

void Project::forgetRemovedCurrentItem(const QModelIndex &parent, int first, int last)
{
    if (!CurrentItem)
        return;
    const QModelIndex current = m_items.indexOf(CurrentItem);
    for (int r = first; r <= last; ++r) {
        const QModelIndex removed = m_items.index(r, 0, parent);
        if (removed == current || m_items.isAncestor(removed, current)) {
            CurrentItem = nullptr;
            return;
        }
    }
}
