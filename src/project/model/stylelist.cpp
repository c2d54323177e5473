#include "project/model/stylelist.h"

#include "project/model/project.h"
#include "project/model/styleedits.h"

StyleList::StyleList(Project &project, int kind, QObject *parent)
    : QAbstractListModel(parent)
    , m_project(project)
    , m_kind(kind)
{
}

int StyleList::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(m_project.styles(m_kind).size());
}

QVariant StyleList::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= rowCount())
        return {};
    const QString &name = m_project.styles(m_kind).at(index.row()).Name;
    switch (role) {
    case Qt::DisplayRole: {
        const int used = styleUsage(m_project, m_kind, index.row());
        //: A style's name and how many items use it; %3 is "item" or "items"
        return used == 0 ? name : tr("%1   (%2 %3)").arg(name).arg(used).arg(used == 1 ? tr("item") : tr("items"));
    }
    case Qt::EditRole: return name;
    case Qt::ToolTipRole: return tr("Style %1").arg(index.row());
    default: return {};
    }
}

bool StyleList::setData(const QModelIndex &index, const QVariant &value, int role)
{
    if (!index.isValid() || role != Qt::EditRole || index.row() >= rowCount())
        return false;
    QString &name = m_project.styles(m_kind)[index.row()].Name;
    if (name == value.toString())
        return false;
    name = value.toString();
    emit dataChanged(index, index);
    emit renamed(index.row());
    return true;
}

Qt::ItemFlags StyleList::flags(const QModelIndex &index) const
{
    if (!index.isValid())
        return Qt::NoItemFlags;
    return Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsEditable;
}

int StyleList::append(const TStyle &style)
{
    const int row = rowCount();
    beginInsertRows({}, row, row);
    m_project.styles(m_kind).append(style);
    endInsertRows();
    return row;
}

void StyleList::removeAt(int row)
{
    if (row < 0 || row >= rowCount())
        return;
    beginRemoveRows({}, row, row);
    m_project.styles(m_kind).removeAt(row);
    endRemoveRows();
}

void StyleList::removeAll()
{
    beginResetModel();
    m_project.styles(m_kind).clear();
    endResetModel();
}

void StyleList::move(int from, int to)
{
    if (from == to || from < 0 || to < 0 || from >= rowCount() || to >= rowCount())
        return;
    beginMoveRows({}, from, from, {}, to > from ? to + 1 : to);
    m_project.styles(m_kind).move(from, to);
    endMoveRows();
}

void StyleList::refreshCounts()
{
    if (rowCount() > 0)
        emit dataChanged(index(0), index(rowCount() - 1), {Qt::DisplayRole});
}
