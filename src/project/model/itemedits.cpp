#include "project/model/itemedits.h"

#include "page/page.h"
#include "project/platform/dialogs.h"
#include "project/import/navimport.h"
#include "project/model/outline.h"
#include "project/model/project.h"

#include <QItemSelectionModel>
#include <algorithm>
#include <QMimeData>
#include <QtEndian>

ItemEdits::ItemEdits(Project &project, QItemSelectionModel &selection, QObject *parent)
    : QObject(parent)
    , m_project(project)
    , m_selection(selection)
{
    connect(&m_selection, &QItemSelectionModel::selectionChanged, this, &ItemEdits::SelectionChanged);
    connect(&m_selection, &QItemSelectionModel::currentChanged, this, &ItemEdits::SelectionChanged);
    connect(&m_project.items(), &ItemTree::textEdited, this, &ItemEdits::TextEdited);
}

int ItemEdits::maxLevels() const
{
    return m_project.menuType().maxLevels;
}

QModelIndexList ItemEdits::selectedItems() const
{
    return m_selection.selectedRows();
}

void ItemEdits::select(const QModelIndexList &items, const QModelIndex &current)
{
    // Runs of neighbouring siblings go in as one range each: a selection of
    // thousands of single rows is slow to build and to paint.
    QItemSelection selection;
    for (qsizetype k = 0; k < items.size();) {
        qsizetype j = k + 1;
        while (j < items.size() && items[j].parent() == items[k].parent() && items[j].row() == items[j - 1].row() + 1)
            ++j;
        selection.append(QItemSelectionRange(items[k], items[j - 1]));
        k = j;
    }
    // The item page hears of the new current item once focus and selection
    // are both in place: a page call runs the event loop, where a change
    // waiting to be recorded would be recorded with a selection half made.
    m_selecting = true;
    m_selection.setCurrentIndex(current, QItemSelectionModel::NoUpdate);
    m_selection.select(selection, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    m_selecting = false;
    SelectionChanged();
}

void ItemEdits::SendItemParams()
{
    if (!m_itemParams)
        return;
    // Without an item the arguments are left out: the page then empties its
    // fields and disables them, so nothing is typed where it would be lost.
    PageArgs args;
    for (int i = 0; i < TItem::kParamCount; ++i)
        args << (m_project.CurrentItem ? PageArg(m_project.CurrentItem->Params[static_cast<size_t>(i)]) : kOmitted);
    m_itemParams->call(QStringLiteral("qrn_setItemParams"), args);
}

void ItemEdits::ShowCurrentItemAfresh()
{
    m_project.CurrentItem = m_selection.hasSelection() ? m_project.items().record(m_selection.currentIndex()) : nullptr;
    SendItemParams();
}

void ItemEdits::SelectionChanged()
{
    if (m_selecting)
        return;
    TItem *current = nullptr;
    if (m_selection.hasSelection())
        current = m_project.items().record(m_selection.currentIndex());
    if (current == m_project.CurrentItem)
        return;
    m_project.CurrentItem = current;
    SendItemParams();
}

void ItemEdits::TextEdited(const QModelIndex &index)
{
    Q_UNUSED(index);
    SendItemParams();
    m_project.MarkModified(tr("Rename Item"));
}

void ItemEdits::SetField(int field, const QString &value)
{
    ItemTree &tree = m_project.items();
    const QModelIndexList items = selectedItems();
    const auto differs = [&](const QModelIndex &index) {
        const TItem *item = tree.record(index);
        return item && field >= 0 && field < TItem::kParamCount && item->Params[size_t(field)] != value;
    };
    if (!std::any_of(items.begin(), items.end(), differs)) {
        // No item takes it: the page shows what the items hold again (no
        // fields at all without a selected item) rather than an edit that
        // went nowhere.
        if (items.isEmpty())
            SendItemParams();
        return;
    }
    // Typing in one field of the same items is one undo step; another field
    // or other items are another.
    QString subject = QStringLiteral("field %1 of").arg(field);
    for (const QModelIndex &index : items) {
        subject += QLatin1Char(' ');
        for (QModelIndex i = index; i.isValid(); i = i.parent())
            subject += QString::number(i.row()) + QLatin1Char('.');
    }
    m_project.beginChange(subject);
    for (const QModelIndex &index : items)
        tree.setField(index, field, value);
    m_project.MarkModified();
}

void ItemEdits::AddItem()
{
    ItemTree &tree = m_project.items();
    const QModelIndex focused = m_selection.currentIndex();
    const QModelIndex parent = focused.isValid() ? focused.parent() : QModelIndex();
    const QModelIndex added = tree.append(parent, m_project.newItemRecord());
    m_project.MarkModified(tr("Add Item"));
    if (parent.isValid())
        emit tree.expandRequested(parent);
    // The selection change makes it the current item and shows it.
    select({added}, added);
}

void ItemEdits::AddSubitem()
{
    ItemTree &tree = m_project.items();
    const QModelIndexList selected = tree.topMost(selectedItems());
    const int limit = maxLevels();
    auto roomBelow = [&](const QModelIndex &i) { return limit <= 0 || tree.level(i) + 1 < limit; };
    if (selected.size() == 1) {
        const QModelIndex focused = m_selection.currentIndex();
        if (!focused.isValid() || !roomBelow(focused))
            return;
        tree.append(focused, m_project.newItemRecord());
        m_project.MarkModified(tr("Add Subitem"));
        emit tree.expandRequested(focused);
        return;
    }
    // Several: one new subitem under each, where the menu type has room.
    QList<QPersistentModelIndex> parents;
    for (const QModelIndex &i : selectedItems())
        parents << QPersistentModelIndex(i);
    std::sort(parents.begin(), parents.end(), [&tree, order = tree.displayOrder()](const auto &a, const auto &b) {
        return order.indexOf(a) < order.indexOf(b);
    });
    bool added = false;
    for (const QPersistentModelIndex &p : parents) {
        if (!roomBelow(p))
            continue;
        tree.append(p, m_project.newItemRecord());
        added = true;
    }
    if (added)
        m_project.MarkModified(tr("Add Subitem"));
}

void ItemEdits::DeleteSelected()
{
    if (dialogs().askYesNo(tr("Do you want to delete selected items?")) != Dialogs::Answer::Yes)
        return;
    // Announced before the rows go: the selection moves with them, and Undo
    // must put back the one the user deleted.
    m_project.beginChange(QString());
    m_project.items().remove(selectedItems());
    m_project.CurrentItem = nullptr;
    SendItemParams();
    m_project.MarkModified(tr("Delete Items"));
}

void ItemEdits::DeleteAll()
{
    if (dialogs().askYesNo(tr("Do you want to delete all items?")) != Dialogs::Answer::Yes)
        return;
    const bool hadItems = m_project.items().count() > 0;
    if (hadItems)
        m_project.beginChange(QString());
    m_project.items().clear();
    m_project.CurrentItem = nullptr;
    SendItemParams();
    // Removing items is a change like any other: unmarked, it would be lost
    // without a question on close.
    if (hadItems)
        m_project.MarkModified(tr("Delete All Items"));
}

void ItemEdits::Drop(const QModelIndex &target, Placement placement, bool copy)
{
    ItemTree &tree = m_project.items();
    const QModelIndexList items = selectedItems();
    m_project.beginChange(QString());
    if (copy)
        tree.copy(items, target, placement, maxLevels());
    else
        tree.move(items, target, placement, maxLevels());
    SendItemParams();
    m_project.MarkModified(copy ? tr("Copy Items") : tr("Move Items"));
}

void ItemEdits::MoveUp()
{
    if (!m_selection.hasSelection())
        return;
    m_project.items().moveUp(selectedItems());
    m_project.MarkModified(tr("Move Items"));
}

void ItemEdits::MoveDown()
{
    if (!m_selection.hasSelection())
        return;
    m_project.items().moveDown(selectedItems());
    m_project.MarkModified(tr("Move Items"));
}

void ItemEdits::Indent()
{
    if (!m_selection.hasSelection())
        return;
    m_project.items().indent(selectedItems(), maxLevels());
    m_project.MarkModified(tr("Indent Items"));
}

void ItemEdits::Outdent()
{
    if (!m_selection.hasSelection())
        return;
    m_project.items().outdent(selectedItems());
    m_project.MarkModified(tr("Outdent Items"));
}

void ItemEdits::SelectAll()
{
    const QModelIndexList all = m_project.items().displayOrder();
    if (all.isEmpty())
        return;
    const QModelIndex current = m_selection.currentIndex().isValid() ? m_selection.currentIndex() : all.first();
    select(all, current);
}

QMimeData *ItemEdits::Copy() const
{
    const ItemTree &tree = m_project.items();
    const QModelIndexList items = selectedItems();
    QMimeData *mime = tree.mimeData(items);
    mime->setText(writeOutline(tree.subtrees(items)));
    return mime;
}

QMimeData *ItemEdits::Cut()
{
    QMimeData *mime = Copy();
    if (!m_selection.hasSelection())
        return mime;
    m_project.beginChange(QString());
    m_project.items().remove(selectedItems());
    m_project.CurrentItem = nullptr;
    SendItemParams();
    m_project.MarkModified(tr("Cut Items"));
    return mime;
}

namespace {

// The program's own clipboard form; empty when the bytes are not a whole
// list of level and record pairs.
QList<LeveledItem> readOwnForm(const QByteArray &bytes)
{
    QList<LeveledItem> out;
    qsizetype pos = 0;
    while (pos < bytes.size()) {
        if (bytes.size() - pos < 4)
            return {};
        LeveledItem li;
        li.level = qFromLittleEndian<qint32>(bytes.constData() + pos);
        pos += 4;
        if (li.level < 0 || !readItemRecord(bytes, pos, li.item))
            return {};
        out << std::move(li);
    }
    return out;
}

} // namespace

void ItemEdits::Paste(const QMimeData *data)
{
    if (!data)
        return;
    QList<LeveledItem> items;
    if (data->hasFormat(ItemTree::kMimeType))
        items = readOwnForm(data->data(ItemTree::kMimeType));
    // What a browser copies from a page: its lists and links.
    if (items.isEmpty() && data->hasHtml())
        items = navimport::fromFragment(data->html(), m_project.menuType().stateParam);
    if (items.isEmpty() && data->hasText())
        items = readOutline(data->text());
    Insert(items);
}

bool ItemEdits::canInsertChildren() const
{
    const QModelIndex focused = m_selection.currentIndex();
    const int limit = maxLevels();
    return focused.isValid() && (limit <= 0 || m_project.items().level(focused) + 1 < limit);
}

int ItemEdits::Insert(const QList<LeveledItem> &items, Place place)
{
    if (items.isEmpty())
        return 0;
    // The inserted items become selected before the change is marked.
    m_project.beginChange(QString());
    ItemTree &tree = m_project.items();
    const QModelIndex focused = m_selection.currentIndex();
    if (place == Place::ChildrenOfFocused && !canInsertChildren())
        place = Place::AfterFocused;
    if (place == Place::AfterFocused && !focused.isValid())
        place = Place::EndOfTopLevel;
    QModelIndex parent;
    int row = tree.rowCount();
    if (place == Place::AfterFocused) {
        parent = focused.parent();
        row = focused.row() + 1;
    } else if (place == Place::ChildrenOfFocused) {
        parent = focused;
        row = tree.rowCount(focused);
    }
    int lifted = 0;
    const QModelIndexList added = tree.insertLeveled(parent, row, items, maxLevels(), &lifted);
    QModelIndexList tops;
    for (const QModelIndex &i : added)
        if (i.parent() == parent)
            tops << i;
    if (parent.isValid())
        emit tree.expandRequested(parent);
    select(tops, tops.value(0));
    m_project.MarkModified(tr("Paste Items"));
    return lifted;
}
