#pragma once

#include "project/model/item.h"

#include <QAbstractItemModel>
#include <QList>
#include <functional>
#include <memory>
#include <vector>

// Where moved, copied or pasted items go relative to a target item.
enum class Placement { Before, Into, After, Nowhere };

// One item with its level, as copies and the clipboard carry it.
struct LeveledItem
{
    int level = 0;
    TItem item;
};

// The menu item tree: an ordered tree of items under an invisible root, one
// TItem record per item, owned here. The view shows it; the item operations,
// the data file writer and reader and the styles editor work on it directly.
//
// Structural changes go through begin/end move, insert and remove, so a view's
// selection and every persistent index follow the items they point at.
class ItemTree : public QAbstractItemModel
{
    Q_OBJECT

public:
    // The clipboard and drag form of items: per item a 4-byte little-endian
    // level, then its record in the item record stream.
    static const QString kMimeType;

    explicit ItemTree(QObject *parent = nullptr);
    ~ItemTree() override;

    QModelIndex index(int row, int column, const QModelIndex &parent = {}) const override;
    QModelIndex parent(const QModelIndex &child) const override;
    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    bool setData(const QModelIndex &index, const QVariant &value, int role = Qt::EditRole) override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;
    Qt::DropActions supportedDragActions() const override;
    Qt::DropActions supportedDropActions() const override;
    QStringList mimeTypes() const override;
    QMimeData *mimeData(const QModelIndexList &indexes) const override;

    TItem *record(const QModelIndex &index) const;
    // Writes one field of the item's record; a change of the text (field 0)
    // is signalled to the views.
    void setField(const QModelIndex &index, int field, const QString &value);
    QModelIndex indexOf(const TItem *record) const;
    // 0 for a top-level item.
    int level(const QModelIndex &index) const;
    // Levels of subitems below the item: 0 for an item without subitems.
    int height(const QModelIndex &index) const;
    // All items at all levels.
    int count() const { return m_count; }
    bool isAncestor(const QModelIndex &ancestor, const QModelIndex &item) const;

    // What is wrong with an item for a visitor (a link that leads nowhere),
    // shown as a mark on it; empty when nothing is.
    using Marker = std::function<QString(const TItem &item)>;
    // `fields` are those the marks depend on: a change of one repaints.
    void setMarker(Marker marker, QList<int> fields)
    {
        m_marker = std::move(marker);
        m_markedFields = std::move(fields);
    }
    // The marks are read again: something they depend on beside the items
    // (a folder, the file) changed.
    void marksChanged();

    // Every item in display order: parent before its subitems, siblings in order.
    void walk(const std::function<void(const QModelIndex &, const TItem &, int level)> &visit) const;
    QModelIndexList displayOrder() const;
    // The given items less those with an ancestor among them, in display order.
    QModelIndexList topMost(const QModelIndexList &items) const;
    // Items with all their subitems, levels relative to the shallowest.
    QList<LeveledItem> subtrees(const QModelIndexList &items) const;

    QModelIndex append(const QModelIndex &parent, const TItem &record);
    // Removes each item with its subitems; answers how many items went.
    int remove(const QModelIndexList &items);
    void clear();

    // Moves or copies the items (with their subitems) relative to `target`.
    // Several items keep their order in every placement. A move into the item
    // itself or one of its subitems, or past `maxLevels` (0: no limit), is
    // refused, and the remaining items stay where they are. Answers the
    // placed items (the copies, for a copy).
    QModelIndexList move(const QModelIndexList &items, const QModelIndex &target, Placement placement,
                         int maxLevels = 0);
    QModelIndexList copy(const QModelIndexList &items, const QModelIndex &target, Placement placement,
                         int maxLevels = 0);

    // Inserts items given with levels under `parent` from `row` on, in one
    // update. A level deeper than the one before by more than one, or beyond
    // `maxLevels` counted from the parent's level, is clamped. Answers the
    // inserted items in display order; `lifted` counts up the items that
    // went higher than given for `maxLevels`.
    QModelIndexList insertLeveled(const QModelIndex &parent, int row, const QList<LeveledItem> &items,
                                  int maxLevels = 0, int *lifted = nullptr);

    // Keyboard moves; each answers the moved items (for the selection).
    QModelIndexList moveUp(const QModelIndexList &items);
    QModelIndexList moveDown(const QModelIndexList &items);
    // Becomes the last subitem of the previous sibling.
    QModelIndexList indent(const QModelIndexList &items, int maxLevels = 0);
    // Becomes the next sibling of the parent.
    QModelIndexList outdent(const QModelIndexList &items);

signals:
    // An in-place edit committed a changed text.
    void textEdited(const QModelIndex &index);
    // The item's subitems should be shown (Add Item, indent).
    void expandRequested(const QModelIndex &index);
    // The tree begins or ends an update of its structure.
    void updating();

private:
    struct Node;

    Node *node(const QModelIndex &index) const;
    QModelIndex indexOfNode(const Node *n) const;
    static int nodeHeight(const Node *n);
    static int nodeCount(const Node *n);
    static void renumber(Node *parent, int from);
    std::unique_ptr<Node> takeNode(Node *n);
    void insertNode(Node *parent, int row, std::unique_ptr<Node> n);
    std::unique_ptr<Node> copyOf(const Node *n) const;
    bool moveNode(Node *n, Node *newParent, int row);
    void beginRelayout();
    // Runs `moves` on the top-most of `items` as one layout change; answers
    // the same items where they are afterwards.
    template<typename Moves>
    QModelIndexList relayout(const QModelIndexList &items, Moves moves);
    void endRelayout();
    bool destinationFor(const Node *target, Placement placement, const Node *anchor, Node *&parent, int &row) const;
    bool fitsLevels(const Node *parent, const Node *n, int maxLevels) const;
    int nodeLevel(const Node *n) const;
    void changed();

    std::unique_ptr<Node> m_root;
    int m_count = 0;
    QModelIndexList m_relayoutFrom;
    Marker m_marker;
    QList<int> m_markedFields;
};
