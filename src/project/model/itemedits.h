#pragma once

#include "project/model/itemtree.h"

#include <QObject>

class Page;
class Project;
class QItemSelectionModel;
class QMimeData;

// What the user does to the item tree: the buttons, keys, popup menu and
// drops of the tree, on the project's items and the view's selection. The
// window wires its controls to these; tests call them without a window.
class ItemEdits : public QObject
{
    Q_OBJECT

public:
    ItemEdits(Project &project, QItemSelectionModel &selection, QObject *parent = nullptr);

    // The item parameters page that shows the current item (may be null).
    void setItemParamsPage(Page *page) { m_itemParams = page; }

    // Shows the parameters of CurrentItem in the item parameters page; without
    // one the page disables its fields.
    void SendItemParams();

    void AddItem();
    void AddSubitem();
    void DeleteSelected();
    void DeleteAll();
    // A drop of the selected items on `target`; copies when `copy`.
    void Drop(const QModelIndex &target, Placement placement, bool copy);

    void MoveUp();
    void MoveDown();
    void Indent();
    void Outdent();
    void SelectAll();
    // The selected items with their subitems in the program's own form and
    // as a plain-text outline. The caller owns the answer.
    QMimeData *Copy() const;
    // Copy, then remove without a question.
    QMimeData *Cut();
    // Inserts after the focused item at its level, or at the end: the
    // program's own items, a page's lists and links, or an outline of text.
    void Paste(const QMimeData *data);
    // Where inserted items go.
    enum class Place {
        AfterFocused,      // after the focused item at its level, or at the end
        ChildrenOfFocused, // as the last subitems of the focused item
        EndOfTopLevel,
    };
    // Whether the menu type allows subitems below the focused item.
    bool canInsertChildren() const;
    // Inserts items given with levels; they become selected. Answers how many
    // of them had to go up a level or more because the menu type allows no
    // deeper level there.
    int Insert(const QList<LeveledItem> &items, Place place = Place::AfterFocused);

    // The selection or the focused item changed.
    void SelectionChanged();
    // The project was read anew (undo, redo, open, a theme, a recovery): the
    // page shows the selected item afresh, or no item, never one that is
    // gone, where typing would reach nothing.
    void ShowCurrentItemAfresh();
    // An in-place edit committed a changed text.
    void TextEdited(const QModelIndex &index);

    // One field of every selected item, from the item parameters page.
    void SetField(int field, const QString &value);
    // The view's selection the edits act on.
    QItemSelectionModel &selection() const { return m_selection; }

    // How many levels the menu type allows; 0: any.
    int maxLevels() const;

private:
    QModelIndexList selectedItems() const;
    void select(const QModelIndexList &items, const QModelIndex &current);

    Project &m_project;
    QItemSelectionModel &m_selection;
    Page *m_itemParams = nullptr;
    // select() is setting the focus and the selection: the page waits.
    bool m_selecting = false;
};
