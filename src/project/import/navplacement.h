#pragma once

#include "project/model/itemtree.h"

#include <QList>

class ItemEdits;
class Project;

// Putting imported navigation into the item tree: the user says where (after
// the selected item at its level, as its subitems, or at the end of the top
// level, which is preferred; with nothing selected they go there unasked),
// and is told when the menu type could not keep all the levels. False when
// the user cancelled: the tree is as it was.
bool placeImportedItems(ItemEdits &edits, const Project &project, const QList<LeveledItem> &items);

// How many levels items given with levels span: 1 for a flat list.
int levelsSpanned(const QList<LeveledItem> &items);
