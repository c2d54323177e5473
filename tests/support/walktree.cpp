#include "support/walktree.h"

#include <algorithm>

QList<LeveledItem> WalkTree::flat() const
{
    QList<LeveledItem> out;
    const std::function<void(const QList<Node> &, int)> visit = [&](const QList<Node> &nodes, int level) {
        for (const Node &n : nodes) {
            out.append({level, n.item});
            visit(n.children, level + 1);
        }
    };
    visit(m_top, 0);
    return out;
}

bool WalkTree::operator==(const WalkTree &other) const
{
    const QList<LeveledItem> mine = flat();
    const QList<LeveledItem> theirs = other.flat();
    return std::equal(mine.begin(), mine.end(), theirs.begin(), theirs.end(),
                      [](const LeveledItem &a, const LeveledItem &b) { return a.level == b.level && a.item == b.item; });
}

QList<ItemPath> WalkTree::paths() const
{
    QList<ItemPath> out;
    const std::function<void(const QList<Node> &, const ItemPath &)> visit = [&](const QList<Node> &nodes,
                                                                                  const ItemPath &above) {
        for (int r = 0; r < nodes.size(); ++r) {
            out.append(above + ItemPath{r});
            visit(nodes[r].children, above + ItemPath{r});
        }
    };
    visit(m_top, {});
    return out;
}

WalkTree WalkTree::fromFlat(const QList<LeveledItem> &items, int maxLevels)
{
    WalkTree tree(maxLevels);
    ItemPath last;
    for (const LeveledItem &li : items) {
        ItemPath parent = last.mid(0, std::min<qsizetype>(li.level, last.size()));
        QList<Node> &siblings = tree.childrenOf(parent);
        siblings.append(Node{li.item, {}});
        last = parent + ItemPath{int(siblings.size()) - 1};
    }
    return tree;
}

QList<WalkTree::Node> &WalkTree::childrenOf(const ItemPath &parent)
{
    return parent.isEmpty() ? m_top : node(parent).children;
}

const QList<WalkTree::Node> &WalkTree::childrenOf(const ItemPath &parent) const
{
    return parent.isEmpty() ? m_top : node(parent).children;
}

WalkTree::Node &WalkTree::node(const ItemPath &path)
{
    Node *n = &m_top[path.first()];
    for (qsizetype k = 1; k < path.size(); ++k)
        n = &n->children[path[k]];
    return *n;
}

const WalkTree::Node &WalkTree::node(const ItemPath &path) const
{
    return const_cast<WalkTree *>(this)->node(path);
}

bool WalkTree::contains(const ItemPath &path) const
{
    if (path.isEmpty())
        return false;
    const QList<Node> *level = &m_top;
    for (int row : path) {
        if (row < 0 || row >= level->size())
            return false;
        level = &(*level)[row].children;
    }
    return true;
}

const TItem &WalkTree::item(const ItemPath &path) const
{
    return node(path).item;
}

int WalkTree::heightOf(const Node &n)
{
    int h = 0;
    for (const Node &c : n.children)
        h = std::max(h, heightOf(c) + 1);
    return h;
}

int WalkTree::height(const ItemPath &path) const
{
    return heightOf(node(path));
}

bool WalkTree::roomBelow(const ItemPath &path) const
{
    return m_maxLevels <= 0 || level(path) + 1 < m_maxLevels;
}

int WalkTree::rowCount(const ItemPath &parent) const
{
    return int(childrenOf(parent).size());
}

ItemPath WalkTree::addItem(const ItemPath &focused, const TItem &record)
{
    // A new item goes last among the focused item's siblings, not right
    // after it.
    const ItemPath parent = focused.mid(0, std::max<qsizetype>(0, focused.size() - 1));
    QList<Node> &siblings = childrenOf(parent);
    siblings.append(Node{record, {}});
    return parent + ItemPath{int(siblings.size()) - 1};
}

ItemPath WalkTree::addSubitem(const ItemPath &focused, const TItem &record)
{
    if (!contains(focused) || !roomBelow(focused))
        return focused;
    node(focused).children.append(Node{record, {}});
    return focused;
}

void WalkTree::remove(const ItemPath &path)
{
    childrenOf(path.mid(0, path.size() - 1)).removeAt(path.last());
}

ItemPath WalkTree::moveUp(const ItemPath &path)
{
    if (path.last() == 0)
        return path;
    QList<Node> &siblings = childrenOf(path.mid(0, path.size() - 1));
    siblings.swapItemsAt(path.last(), path.last() - 1);
    ItemPath moved = path;
    --moved.last();
    return moved;
}

ItemPath WalkTree::moveDown(const ItemPath &path)
{
    QList<Node> &siblings = childrenOf(path.mid(0, path.size() - 1));
    if (path.last() + 1 >= siblings.size())
        return path;
    siblings.swapItemsAt(path.last(), path.last() + 1);
    ItemPath moved = path;
    ++moved.last();
    return moved;
}

ItemPath WalkTree::indent(const ItemPath &path)
{
    if (path.last() == 0)
        return path;
    ItemPath previous = path;
    --previous.last();
    // The whole branch must still fit below its new parent.
    if (m_maxLevels > 0 && level(previous) + 1 + height(path) >= m_maxLevels)
        return path;
    Node taken = node(path);
    remove(path);
    QList<Node> &under = node(previous).children;
    under.append(taken);
    return previous + ItemPath{int(under.size()) - 1};
}

ItemPath WalkTree::outdent(const ItemPath &path)
{
    if (path.size() < 2)
        return path;
    const ItemPath parent = path.mid(0, path.size() - 1);
    Node taken = node(path);
    remove(path);
    const ItemPath grand = parent.mid(0, parent.size() - 1);
    childrenOf(grand).insert(parent.last() + 1, taken);
    return grand + ItemPath{parent.last() + 1};
}

void WalkTree::setField(const ItemPath &path, int field, const QString &value)
{
    node(path).item.Params[size_t(field)] = value;
}

void WalkTree::rewriteField(int field, const std::function<QString(const QString &)> &map)
{
    const std::function<void(QList<Node> &)> visit = [&](QList<Node> &nodes) {
        for (Node &n : nodes) {
            n.item.Params[size_t(field)] = map(n.item.Params[size_t(field)]);
            visit(n.children);
        }
    };
    visit(m_top);
}

QList<ItemPath> WalkTree::insert(const ItemPath &parent, int row, const QList<LeveledItem> &items, int *lifted)
{
    if (lifted)
        *lifted = 0;
    const int deepest = m_maxLevels > 0 ? m_maxLevels - 1 - int(parent.size()) : INT_MAX;
    QList<ItemPath> tops;
    ItemPath last; // relative to `parent`, its first row absolute
    int previousLevel = -1;
    for (const LeveledItem &li : items) {
        const int lvl = std::min({li.level, previousLevel + 1, deepest});
        previousLevel = lvl;
        if (lifted && lvl < li.level)
            ++*lifted;
        if (lvl == 0) {
            childrenOf(parent).insert(row, Node{li.item, {}});
            last = {row};
            tops.append(parent + last);
            ++row;
            continue;
        }
        const ItemPath under = parent + last.mid(0, lvl);
        QList<Node> &siblings = childrenOf(under);
        siblings.append(Node{li.item, {}});
        last = last.mid(0, lvl) + ItemPath{int(siblings.size()) - 1};
    }
    return tops;
}

QString pathText(const ItemPath &path)
{
    if (path.isEmpty())
        return QStringLiteral("-");
    QStringList parts;
    for (int r : path)
        parts << QString::number(r);
    return parts.join(QLatin1Char('.'));
}

ItemPath pathFromText(const QString &text)
{
    ItemPath path;
    if (text == QLatin1String("-"))
        return path;
    for (const QString &part : text.split(QLatin1Char('.')))
        path << part.toInt();
    return path;
}
