#pragma once

#include "project/model/itemtree.h"

#include <QList>
#include <QString>
#include <functional>

// The item tree a model walk expects, kept apart from the program's: plain
// nested lists, changed by the walk's own reading of each command, so that
// the program's tree is checked against it after every step. Items are
// named by row paths from the top ({2, 0}: the first subitem of the third
// item).
using ItemPath = QList<int>;

class WalkTree
{
public:
    struct Node
    {
        TItem item;
        QList<Node> children;
    };

    // `maxLevels`: how many levels the menu type allows; 0: any.
    explicit WalkTree(int maxLevels = 0)
        : m_maxLevels(maxLevels)
    {
    }
    bool operator==(const WalkTree &other) const;

    // Every item in display order with its level.
    QList<LeveledItem> flat() const;
    // The paths of every item in display order.
    QList<ItemPath> paths() const;
    static WalkTree fromFlat(const QList<LeveledItem> &items, int maxLevels);

    bool contains(const ItemPath &path) const;
    const TItem &item(const ItemPath &path) const;
    int level(const ItemPath &path) const { return int(path.size()) - 1; }
    // Levels of subitems below the item (0: none).
    int height(const ItemPath &path) const;
    bool roomBelow(const ItemPath &path) const;

    // Each answers where the item stands afterwards (the selection follows
    // it); an empty path for Add Item below nothing is the top level.
    ItemPath addItem(const ItemPath &focused, const TItem &record);
    ItemPath addSubitem(const ItemPath &focused, const TItem &record);
    void remove(const ItemPath &path);
    ItemPath moveUp(const ItemPath &path);
    ItemPath moveDown(const ItemPath &path);
    ItemPath indent(const ItemPath &path);
    ItemPath outdent(const ItemPath &path);
    void setField(const ItemPath &path, int field, const QString &value);
    // Gives one field of every item the value `map` makes of it.
    void rewriteField(int field, const std::function<QString(const QString &)> &map);
    // Items with levels relative to 0 as the last subitems of `parent` (the
    // top level for an empty path) from `row` on; deeper levels than the
    // type allows go up to the deepest allowed, counted in `lifted`.
    // Answers the paths of the inserted items of the first level.
    QList<ItemPath> insert(const ItemPath &parent, int row, const QList<LeveledItem> &items, int *lifted = nullptr);
    int rowCount(const ItemPath &parent) const;

private:
    QList<Node> &childrenOf(const ItemPath &parent);
    const QList<Node> &childrenOf(const ItemPath &parent) const;
    Node &node(const ItemPath &path);
    const Node &node(const ItemPath &path) const;
    static int heightOf(const Node &n);

    QList<Node> m_top;
    int m_maxLevels = 0;
};

// "2.0" for {2, 0}; "-" for no item.
QString pathText(const ItemPath &path);
ItemPath pathFromText(const QString &text);
