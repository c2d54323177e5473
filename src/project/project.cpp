#include "project/project.h"

Project::Project(QObject *parent)
    : QObject(parent)
{
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
    return m_change.isEmpty() ? QStringLiteral("Parameter Change") : m_change;
}

void Project::beginChange(const QString &subject)
{
    emit changeBeginning(subject);
}

TItem Project::newItemRecord()
{
    ++ItemCounter;
    TItem record;
    record.Params[0] = QStringLiteral("Item %1").arg(ItemCounter);
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
