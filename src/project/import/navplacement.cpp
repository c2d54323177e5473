#include "project/import/navplacement.h"

#include "project/platform/dialogs.h"
#include "project/model/itemedits.h"
#include "project/model/project.h"

#include <QCoreApplication>
#include <QItemSelectionModel>
#include <algorithm>
#include <climits>

namespace {

struct NavPlacementText { Q_DECLARE_TR_FUNCTIONS(NavPlacement) };

} // namespace

int levelsSpanned(const QList<LeveledItem> &items)
{
    if (items.isEmpty())
        return 0;
    int shallowest = INT_MAX;
    int deepest = 0;
    for (const LeveledItem &li : items) {
        shallowest = std::min(shallowest, li.level);
        deepest = std::max(deepest, li.level);
    }
    return deepest - shallowest + 1;
}

bool placeImportedItems(ItemEdits &edits, const Project &project, const QList<LeveledItem> &items)
{
    QList<ItemEdits::Place> places;
    QStringList choices;
    if (edits.selection().currentIndex().isValid()) {
        places << ItemEdits::Place::AfterFocused;
        choices << NavPlacementText::tr("After the selected item, at its level");
        if (edits.canInsertChildren()) {
            places << ItemEdits::Place::ChildrenOfFocused;
            choices << NavPlacementText::tr("As subitems of the selected item");
        }
    }
    places << ItemEdits::Place::EndOfTopLevel;
    choices << NavPlacementText::tr("At the end of the top level");
    // With nothing selected there is one place only: no question then.
    const int chosen = choices.size() == 1
                           ? 0
                           : dialogs().askChoice(NavPlacementText::tr("Where do the %1 imported items go?").arg(items.size()),
                                                 choices, int(choices.size()) - 1);
    if (chosen < 0 || chosen >= places.size())
        return false;
    const int lifted = edits.Insert(items, places.at(chosen));
    if (lifted > 0) {
        const MenuType &type = project.menuType();
        dialogs().showMessage(
            NavPlacementText::tr("The imported navigation has %1 levels, more than %2 shows (%3) where they were "
                                 "placed: %4 of its items were moved up to the deepest level shown.")
                .arg(levelsSpanned(items))
                .arg(type.name)
                .arg(type.maxLevels == 1 ? NavPlacementText::tr("1 level")
                                         : NavPlacementText::tr("%1 levels").arg(type.maxLevels))
                .arg(lifted));
    }
    return true;
}
