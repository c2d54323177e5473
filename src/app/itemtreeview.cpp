#include "app/itemtreeview.h"

#include <QDropEvent>
#include <QHeaderView>
#include <QMouseEvent>

#include <utility>
#include <QStyledItemDelegate>

namespace {

class RowDelegate : public QStyledItemDelegate
{
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    QSize sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const override
    {
        QSize s = QStyledItemDelegate::sizeHint(option, index);
        s.setHeight(17);
        return s;
    }
};

} // namespace

ItemTreeView::ItemTreeView(QWidget *parent)
    : QTreeView(parent)
{
    setHeaderHidden(true);
    setUniformRowHeights(true);
    setItemDelegate(new RowDelegate(this));
    setIndentation(20);
    setRootIsDecorated(true);
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    setEditTriggers(QAbstractItemView::EditKeyPressed | QAbstractItemView::SelectedClicked);
    setDragEnabled(true);
    setAcceptDrops(true);
    setDropIndicatorShown(true);
    setDragDropMode(QAbstractItemView::DragDrop);
    setDefaultDropAction(Qt::MoveAction);
    // A collapsed item hovered while dragging opens.
    setAutoExpandDelay(600);
    setContextMenuPolicy(Qt::CustomContextMenu);
    setAccessibleName(tr("Menu Items"));
}

Placement ItemTreeView::placementAt(const QPoint &pos, QModelIndex *target) const
{
    const QModelIndex index = indexAt(pos);
    if (target)
        *target = index;
    if (!index.isValid())
        return Placement::Nowhere;
    const QRect rect = visualRect(index);
    // The same bands as the drop mark the view draws: a few pixels at the top
    // and bottom insert beside the item, the middle drops into it.
    const int margin = qBound(2, qRound(qreal(rect.height()) / 5.5), 12);
    if (pos.y() - rect.top() < margin)
        return Placement::Before;
    if (rect.bottom() - pos.y() < margin)
        return Placement::After;
    return Placement::Into;
}

void ItemTreeView::mousePressEvent(QMouseEvent *event)
{
    const QModelIndex index = indexAt(event->position().toPoint());
    m_clickInSelection = event->button() == Qt::LeftButton && event->modifiers() == Qt::NoModifier &&
                         index.isValid() && selectionModel()->isSelected(index) &&
                         selectionModel()->selectedRows().size() > 1;
    QTreeView::mousePressEvent(event);
}

void ItemTreeView::mouseReleaseEvent(QMouseEvent *event)
{
    const bool inSelection = std::exchange(m_clickInSelection, false);
    const QModelIndex index = indexAt(event->position().toPoint());
    if (inSelection && index.isValid() && event->button() == Qt::LeftButton && state() != DraggingState) {
        // As in file managers: the click selects that item alone. It starts
        // no rename, which would edit one item while several looked chosen.
        selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
        setState(NoState);
        event->accept();
        return;
    }
    QTreeView::mouseReleaseEvent(event);
}

void ItemTreeView::dragEnterEvent(QDragEnterEvent *event)
{
    // Nothing from outside the tree can be dropped.
    if (event->source() != this) {
        event->ignore();
        return;
    }
    QTreeView::dragEnterEvent(event);
}

void ItemTreeView::dragMoveEvent(QDragMoveEvent *event)
{
    if (event->source() != this) {
        event->ignore();
        return;
    }
    QTreeView::dragMoveEvent(event);
    if (!event->isAccepted())
        event->accept(); // the drop mark shows where; a drop on empty space does nothing
}

void ItemTreeView::dropEvent(QDropEvent *event)
{
    if (event->source() != this) {
        event->ignore();
        return;
    }
    QModelIndex target;
    const QPoint pos = event->position().toPoint();
    const Placement placement = placementAt(pos, &target);
    const bool copy = event->modifiers() == Qt::ControlModifier;
    // The drop is carried out here; answering "copy" keeps the view from
    // removing the dragged rows after a move it did not make.
    event->setDropAction(Qt::CopyAction);
    event->accept();
    stopAutoScroll();
    setState(NoState);
    viewport()->update();
    if (onDrop)
        onDrop(target, placement, copy);
}
