#include "project/model/itemtree.h"

#include <QColor>
#include <QMimeData>
#include <QSet>
#include <QtEndian>
#include <algorithm>

const QString ItemTree::kMimeType = QStringLiteral("application/x-plivex-items");

struct ItemTree::Node
{
    TItem item;
    Node *parent = nullptr;
    int row = 0; // position among the siblings, kept current on every change
    std::vector<std::unique_ptr<Node>> children;
};

ItemTree::ItemTree(QObject *parent)
    : QAbstractItemModel(parent)
    , m_root(std::make_unique<Node>())
{
}

ItemTree::~ItemTree() = default;

ItemTree::Node *ItemTree::node(const QModelIndex &index) const
{
    return index.isValid() ? static_cast<Node *>(index.internalPointer()) : m_root.get();
}

QModelIndex ItemTree::indexOfNode(const Node *n) const
{
    if (!n || n == m_root.get())
        return {};
    return createIndex(n->row, 0, const_cast<Node *>(n));
}

QModelIndex ItemTree::index(int row, int column, const QModelIndex &parent) const
{
    const Node *p = node(parent);
    if (column != 0 || row < 0 || row >= static_cast<int>(p->children.size()))
        return {};
    return createIndex(row, 0, p->children[static_cast<size_t>(row)].get());
}

QModelIndex ItemTree::parent(const QModelIndex &child) const
{
    return child.isValid() ? indexOfNode(node(child)->parent) : QModelIndex();
}

int ItemTree::rowCount(const QModelIndex &parent) const
{
    if (parent.column() > 0)
        return 0;
    return static_cast<int>(node(parent)->children.size());
}

int ItemTree::columnCount(const QModelIndex &) const
{
    return 1;
}

QVariant ItemTree::data(const QModelIndex &index, int role) const
{
    if (!index.isValid())
        return {};
    const QString &text = node(index)->item.Params[0];
    switch (role) {
    case Qt::DisplayRole: return text == QLatin1String("-") ? tr("<separator>") : text;
    // The editor starts from the shown text, so a separator is edited as "<separator>".
    case Qt::EditRole: return text == QLatin1String("-") ? tr("<separator>") : text;
    case Qt::AccessibleTextRole: return text == QLatin1String("-") ? tr("separator") : text;
    case Qt::ToolTipRole:
    case Qt::AccessibleDescriptionRole:
        if (m_marker)
            return m_marker(node(index)->item);
        return {};
    case Qt::ForegroundRole:
        if (m_marker && !m_marker(node(index)->item).isEmpty())
            return QColor(0xB0, 0x1E, 0x1E);
        return {};
    default: return {};
    }
}

void ItemTree::marksChanged()
{
    if (!m_marker)
        return;
    // One change per list of siblings, at every level; no recursion, as a
    // menu may be deep.
    QList<QModelIndex> parents{QModelIndex()};
    while (!parents.isEmpty()) {
        const QModelIndex parent = parents.takeLast();
        const int rows = rowCount(parent);
        if (rows == 0)
            continue;
        emit dataChanged(index(0, 0, parent), index(rows - 1, 0, parent),
                         {Qt::ForegroundRole, Qt::ToolTipRole, Qt::AccessibleDescriptionRole});
        for (int row = 0; row < rows; ++row)
            parents.append(index(row, 0, parent));
    }
}

bool ItemTree::setData(const QModelIndex &index, const QVariant &value, int role)
{
    if (!index.isValid() || role != Qt::EditRole)
        return false;
    const QString text = value.toString();
    if (text == data(index, Qt::EditRole).toString())
        return false; // an edit that changed nothing is no edit
    node(index)->item.Params[0] = text;
    emit dataChanged(index, index);
    emit textEdited(index);
    return true;
}

void ItemTree::setField(const QModelIndex &index, int field, const QString &value)
{
    TItem *item = record(index);
    if (!item || field < 0 || field >= TItem::kParamCount)
        return;
    item->Params[static_cast<size_t>(field)] = value;
    if (field == 0)
        emit dataChanged(index, index, {Qt::DisplayRole, Qt::EditRole});
    else if (m_marker && m_markedFields.contains(field))
        emit dataChanged(index, index, {Qt::ForegroundRole, Qt::ToolTipRole, Qt::AccessibleDescriptionRole});
}

Qt::ItemFlags ItemTree::flags(const QModelIndex &index) const
{
    if (!index.isValid())
        return Qt::ItemIsDropEnabled;
    return Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsEditable | Qt::ItemIsDragEnabled |
           Qt::ItemIsDropEnabled;
}

Qt::DropActions ItemTree::supportedDragActions() const
{
    return Qt::MoveAction | Qt::CopyAction;
}

Qt::DropActions ItemTree::supportedDropActions() const
{
    return Qt::MoveAction | Qt::CopyAction;
}

QStringList ItemTree::mimeTypes() const
{
    return {kMimeType};
}

QMimeData *ItemTree::mimeData(const QModelIndexList &indexes) const
{
    QByteArray bytes;
    for (const LeveledItem &li : subtrees(indexes)) {
        char level[4];
        qToLittleEndian<qint32>(li.level, level);
        bytes.append(level, 4);
        writeItemRecord(bytes, li.item);
    }
    auto *mime = new QMimeData;
    mime->setData(kMimeType, bytes);
    return mime;
}

TItem *ItemTree::record(const QModelIndex &index) const
{
    return index.isValid() ? &node(index)->item : nullptr;
}

QModelIndex ItemTree::indexOf(const TItem *record) const
{
    QModelIndex found;
    if (!record)
        return found;
    walk([&](const QModelIndex &index, const TItem &item, int) {
        if (&item == record)
            found = index;
    });
    return found;
}

int ItemTree::nodeLevel(const Node *n) const
{
    int level = -1;
    for (; n && n != m_root.get(); n = n->parent)
        ++level;
    return level;
}

int ItemTree::level(const QModelIndex &index) const
{
    return index.isValid() ? nodeLevel(node(index)) : -1;
}

int ItemTree::nodeHeight(const Node *n)
{
    int h = 0;
    for (const auto &c : n->children)
        h = std::max(h, 1 + nodeHeight(c.get()));
    return h;
}

int ItemTree::nodeCount(const Node *n)
{
    int total = 1;
    for (const auto &c : n->children)
        total += nodeCount(c.get());
    return total;
}

int ItemTree::height(const QModelIndex &index) const
{
    return nodeHeight(node(index));
}

bool ItemTree::isAncestor(const QModelIndex &ancestor, const QModelIndex &item) const
{
    if (!ancestor.isValid() || !item.isValid())
        return false;
    const Node *a = node(ancestor);
    for (const Node *n = node(item)->parent; n; n = n->parent)
        if (n == a)
            return true;
    return false;
}

void ItemTree::walk(const std::function<void(const QModelIndex &, const TItem &, int)> &visit) const
{
    // Iterative, so a menu of any depth cannot exhaust the stack.
    std::vector<std::pair<const Node *, int>> stack;
    for (auto it = m_root->children.rbegin(); it != m_root->children.rend(); ++it)
        stack.emplace_back(it->get(), 0);
    while (!stack.empty()) {
        const auto [n, level] = stack.back();
        stack.pop_back();
        visit(createIndex(n->row, 0, const_cast<Node *>(n)), n->item, level);
        for (auto it = n->children.rbegin(); it != n->children.rend(); ++it)
            stack.emplace_back(it->get(), level + 1);
    }
}

QModelIndexList ItemTree::displayOrder() const
{
    QModelIndexList out;
    out.reserve(m_count);
    walk([&out](const QModelIndex &index, const TItem &, int) { out << index; });
    return out;
}

QModelIndexList ItemTree::topMost(const QModelIndexList &items) const
{
    QSet<const Node *> chosen;
    for (const QModelIndex &i : items)
        if (i.isValid() && i.model() == this)
            chosen.insert(node(i));
    QModelIndexList out;
    if (chosen.isEmpty())
        return out;
    walk([&](const QModelIndex &index, const TItem &, int) {
        const Node *n = node(index);
        if (!chosen.contains(n))
            return;
        for (const Node *p = n->parent; p; p = p->parent)
            if (chosen.contains(p))
                return;
        out << index;
    });
    return out;
}

QList<LeveledItem> ItemTree::subtrees(const QModelIndexList &items) const
{
    QList<LeveledItem> out;
    const QModelIndexList tops = topMost(items);
    int base = -1;
    for (const QModelIndex &i : tops)
        base = base < 0 ? level(i) : std::min(base, level(i));
    for (const QModelIndex &top : tops) {
        std::vector<std::pair<const Node *, int>> stack{{node(top), level(top) - base}};
        while (!stack.empty()) {
            const auto [n, lvl] = stack.back();
            stack.pop_back();
            out.append({lvl, n->item});
            for (auto it = n->children.rbegin(); it != n->children.rend(); ++it)
                stack.emplace_back(it->get(), lvl + 1);
        }
    }
    return out;
}

void ItemTree::renumber(Node *parent, int from)
{
    for (size_t r = static_cast<size_t>(std::max(0, from)); r < parent->children.size(); ++r)
        parent->children[r]->row = static_cast<int>(r);
}

std::unique_ptr<ItemTree::Node> ItemTree::takeNode(Node *n)
{
    Node *p = n->parent;
    auto it = p->children.begin() + n->row;
    std::unique_ptr<Node> taken = std::move(*it);
    p->children.erase(it);
    renumber(p, taken->row);
    taken->parent = nullptr;
    return taken;
}

void ItemTree::insertNode(Node *parent, int row, std::unique_ptr<Node> n)
{
    n->parent = parent;
    parent->children.insert(parent->children.begin() + row, std::move(n));
    renumber(parent, row);
}

void ItemTree::changed()
{
    emit updating();
}

QModelIndex ItemTree::append(const QModelIndex &parent, const TItem &record)
{
    Node *p = node(parent);
    const int row = static_cast<int>(p->children.size());
    beginInsertRows(parent, row, row);
    auto n = std::make_unique<Node>();
    n->item = record;
    insertNode(p, row, std::move(n));
    ++m_count;
    endInsertRows();
    changed();
    return index(row, 0, parent);
}

int ItemTree::remove(const QModelIndexList &items)
{
    // Persistent indexes: rows shift while earlier removals happen.
    QList<QPersistentModelIndex> tops;
    for (const QModelIndex &i : topMost(items))
        tops << QPersistentModelIndex(i);
    int removed = 0;
    // From the last in display order, so contiguous siblings go as one range
    // and earlier rows stay put.
    for (qsizetype k = tops.size() - 1; k >= 0;) {
        const QModelIndex last = tops[k];
        const QModelIndex parentIndex = last.parent();
        int first = last.row();
        qsizetype j = k - 1;
        while (j >= 0 && tops[j].parent() == parentIndex && tops[j].row() == first - 1) {
            first = tops[j].row();
            --j;
        }
        Node *p = node(parentIndex);
        beginRemoveRows(parentIndex, first, last.row());
        for (int r = first; r <= last.row(); ++r)
            removed += nodeCount(p->children[static_cast<size_t>(r)].get());
        p->children.erase(p->children.begin() + first, p->children.begin() + last.row() + 1);
        renumber(p, first);
        endRemoveRows();
        k = j;
    }
    m_count -= removed;
    if (removed)
        changed();
    return removed;
}

void ItemTree::clear()
{
    beginResetModel();
    m_root = std::make_unique<Node>();
    m_count = 0;
    endResetModel();
    changed();
}

std::unique_ptr<ItemTree::Node> ItemTree::copyOf(const Node *n) const
{
    // Each copy takes its record from its source through the item record
    // stream, the one form the program defines for copying a record.
    auto c = std::make_unique<Node>();
    QByteArray bytes;
    writeItemRecord(bytes, n->item);
    qsizetype pos = 0;
    readItemRecord(bytes, pos, c->item);
    int row = 0;
    for (const auto &child : n->children) {
        auto cc = copyOf(child.get());
        cc->parent = c.get();
        cc->row = row++;
        c->children.push_back(std::move(cc));
    }
    return c;
}

bool ItemTree::fitsLevels(const Node *parent, const Node *n, int maxLevels) const
{
    return maxLevels <= 0 || nodeLevel(parent) + 1 + nodeHeight(n) < maxLevels;
}

bool ItemTree::destinationFor(const Node *target, Placement placement, const Node *anchor, Node *&parent,
                              int &row) const
{
    switch (placement) {
    case Placement::Before:
        parent = target->parent;
        row = target->row;
        return true;
    case Placement::Into:
        parent = const_cast<Node *>(target);
        row = static_cast<int>(target->children.size());
        return true;
    case Placement::After:
        // After the target, then after each item placed before it, so the
        // items keep their order.
        parent = anchor->parent;
        row = anchor->row + 1;
        return true;
    case Placement::Nowhere: break;
    }
    return false;
}

bool ItemTree::moveNode(Node *n, Node *newParent, int row)
{
    for (const Node *p = newParent; p; p = p->parent)
        if (p == n)
            return false; // into itself or one of its own subitems
    Node *oldParent = n->parent;
    const int oldRow = n->row;
    if (oldParent == newParent && (row == oldRow || row == oldRow + 1))
        return true; // already there
    std::unique_ptr<Node> taken = takeNode(n);
    if (oldParent == newParent && row > oldRow)
        --row;
    insertNode(newParent, row, std::move(taken));
    return true;
}

// Moves are made as one layout change: a view lays the tree out once however
// many items move, and every persistent index (the selection's among them)
// follows its item, because nodes live on through a move.
void ItemTree::beginRelayout()
{
    emit layoutAboutToBeChanged();
    m_relayoutFrom = persistentIndexList();
}

void ItemTree::endRelayout()
{
    QModelIndexList to;
    to.reserve(m_relayoutFrom.size());
    for (const QModelIndex &i : std::as_const(m_relayoutFrom)) {
        Node *n = static_cast<Node *>(i.internalPointer());
        to << createIndex(n->row, i.column(), n);
    }
    changePersistentIndexList(m_relayoutFrom, to);
    m_relayoutFrom.clear();
    emit layoutChanged();
}

QModelIndexList ItemTree::move(const QModelIndexList &items, const QModelIndex &target, Placement placement,
                               int maxLevels)
{
    QModelIndexList placed;
    if (!target.isValid() || placement == Placement::Nowhere)
        return placed;
    QList<QPersistentModelIndex> tops;
    for (const QModelIndex &i : topMost(items))
        tops << QPersistentModelIndex(i);
    const QPersistentModelIndex targetIndex(target);
    const Node *anchor = node(target);
    QList<const Node *> placedNodes;
    beginRelayout();
    for (const QPersistentModelIndex &i : tops) {
        Node *n = node(i);
        const Node *t = node(targetIndex);
        if (n == t)
            break; // before, after or into itself
        Node *parent = nullptr;
        int row = 0;
        if (!destinationFor(t, placement, anchor, parent, row) || !fitsLevels(parent, n, maxLevels) ||
            !moveNode(n, parent, row))
            break;
        anchor = n;
        placedNodes << n;
    }
    endRelayout();
    for (const Node *n : placedNodes)
        placed << indexOfNode(n);
    changed();
    return placed;
}

QModelIndexList ItemTree::copy(const QModelIndexList &items, const QModelIndex &target, Placement placement,
                               int maxLevels)
{
    QModelIndexList placed;
    if (!target.isValid() || placement == Placement::Nowhere)
        return placed;
    const QModelIndexList tops = topMost(items);
    // Copies are made first, so copying an item into itself copies it as it was.
    std::vector<std::unique_ptr<Node>> copies;
    for (const QModelIndex &i : tops)
        copies.push_back(copyOf(node(i)));
    const Node *t = node(target);
    const Node *anchor = t;
    for (auto &c : copies) {
        Node *parent = nullptr;
        int row = 0;
        if (!destinationFor(t, placement, anchor, parent, row) || !fitsLevels(parent, c.get(), maxLevels))
            break;
        Node *raw = c.get();
        beginInsertRows(indexOfNode(parent), row, row);
        m_count += nodeCount(raw);
        insertNode(parent, row, std::move(c));
        endInsertRows();
        anchor = raw;
        placed << indexOfNode(raw);
    }
    changed();
    return placed;
}

QModelIndexList ItemTree::insertLeveled(const QModelIndex &parentIndex, int row, const QList<LeveledItem> &items,
                                        int maxLevels, int *lifted)
{
    if (items.isEmpty())
        return {};
    Node *parent = node(parentIndex);
    row = std::clamp(row, 0, static_cast<int>(parent->children.size()));
    const int baseLevel = nodeLevel(parent) + 1;
    // The deepest relative level allowed by the menu type.
    const int deepest = maxLevels > 0 ? std::max(0, maxLevels - 1 - baseLevel) : INT_MAX;
    int shallowest = INT_MAX;
    for (const LeveledItem &li : items)
        shallowest = std::min(shallowest, li.level);

    // Build the new subtrees off the model, then hand them over in one update.
    std::vector<std::unique_ptr<Node>> tops;
    std::vector<Node *> path; // path[k]: the last node placed at relative level k
    for (const LeveledItem &li : items) {
        const int wanted = std::min(li.level - shallowest, static_cast<int>(path.size()));
        const int lvl = std::min(wanted, deepest);
        if (lvl < wanted && lifted)
            ++*lifted;
        auto n = std::make_unique<Node>();
        n->item = li.item;
        Node *raw = n.get();
        if (lvl == 0) {
            tops.push_back(std::move(n));
        } else {
            Node *p = path[static_cast<size_t>(lvl - 1)];
            n->parent = p;
            n->row = static_cast<int>(p->children.size());
            p->children.push_back(std::move(n));
        }
        path.resize(static_cast<size_t>(lvl));
        path.push_back(raw);
    }
    const int count = static_cast<int>(tops.size());
    beginInsertRows(parentIndex, row, row + count - 1);
    for (auto &t : tops)
        t->parent = parent;
    parent->children.insert(parent->children.begin() + row, std::make_move_iterator(tops.begin()),
                            std::make_move_iterator(tops.end()));
    renumber(parent, row);
    m_count += static_cast<int>(items.size());
    endInsertRows();
    changed();

    QModelIndexList out;
    for (int r = row; r < row + count; ++r) {
        std::vector<const Node *> stack{parent->children[static_cast<size_t>(r)].get()};
        while (!stack.empty()) {
            const Node *n = stack.back();
            stack.pop_back();
            out << indexOfNode(n);
            for (auto it = n->children.rbegin(); it != n->children.rend(); ++it)
                stack.push_back(it->get());
        }
    }
    return out;
}

template<typename Moves>
QModelIndexList ItemTree::relayout(const QModelIndexList &items, Moves moves)
{
    std::vector<Node *> tops;
    for (const QModelIndex &i : topMost(items))
        tops.push_back(node(i));
    beginRelayout();
    moves(tops);
    endRelayout();
    changed();
    QModelIndexList out;
    for (const Node *n : tops)
        out << indexOfNode(n);
    return out;
}

QModelIndexList ItemTree::moveUp(const QModelIndexList &items)
{
    return relayout(items, [this](const std::vector<Node *> &tops) {
        // Per parent from the first row down: an item moves up unless it is
        // at the top or behind a selected item that could not move.
        QHash<const Node *, int> free;
        for (Node *n : tops) {
            if (n->row > free.value(n->parent, 0))
                moveNode(n, n->parent, n->row - 1);
            free[n->parent] = n->row + 1;
        }
    });
}

QModelIndexList ItemTree::moveDown(const QModelIndexList &items)
{
    return relayout(items, [this](const std::vector<Node *> &tops) {
        QHash<const Node *, int> free;
        for (auto it = tops.rbegin(); it != tops.rend(); ++it) {
            Node *n = *it;
            const int last = static_cast<int>(n->parent->children.size()) - 1;
            if (n->row < free.value(n->parent, last))
                moveNode(n, n->parent, n->row + 2);
            free[n->parent] = n->row - 1;
        }
    });
}

QModelIndexList ItemTree::indent(const QModelIndexList &items, int maxLevels)
{
    QList<const Node *> expand;
    QModelIndexList out = relayout(items, [&](const std::vector<Node *> &tops) {
        for (Node *n : tops) {
            if (n->row == 0)
                continue;
            Node *previous = n->parent->children[static_cast<size_t>(n->row - 1)].get();
            if (fitsLevels(previous, n, maxLevels) && moveNode(n, previous, static_cast<int>(previous->children.size())))
                expand << previous;
        }
    });
    for (const Node *p : expand)
        emit expandRequested(indexOfNode(p));
    return out;
}

QModelIndexList ItemTree::outdent(const QModelIndexList &items)
{
    return relayout(items, [this](const std::vector<Node *> &tops) {
        // From the last, so items that leave the same parent keep their order.
        for (auto it = tops.rbegin(); it != tops.rend(); ++it) {
            Node *n = *it;
            Node *p = n->parent;
            if (p != m_root.get())
                moveNode(n, p->parent, p->row + 1);
        }
    });
}
