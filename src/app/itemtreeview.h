#pragma once

#include "project/model/itemtree.h"

#include <QTreeView>
#include <functional>

// The view of the item tree: one column, 17-pixel rows, 20-pixel indent,
// multi-selection, in-place editing, and drag and drop within itself only.
// What a drop does is the owner's business (`onDrop`).
class ItemTreeView : public QTreeView
{
    Q_OBJECT

public:
    explicit ItemTreeView(QWidget *parent = nullptr);

    // target, placement, copy (only Ctrl held)
    std::function<void(const QModelIndex &, Placement, bool)> onDrop;

    // Where a drop at `pos` would go, as the drop mark shows it.
    Placement placementAt(const QPoint &pos, QModelIndex *target) const;

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dragMoveEvent(QDragMoveEvent *event) override;
    void dropEvent(QDropEvent *event) override;

private:
    // The press was a plain click on an item of a multi-selection.
    bool m_clickInSelection = false;
};
