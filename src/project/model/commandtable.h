#pragma once

#include <QKeySequence>
#include <QList>
#include <QString>

// The program's commands: what each is called, its keys, where it appears
// and when it can run. The main menu, the item tree's popup menu, the state
// of both and the project commands of the pages are all made from this one
// table.
struct Command
{
    enum Place {
        MainMenu = 1,    // under `menu` in the menu bar, keys work in every window
        TreePopup = 2,   // in the item tree's popup menu, keys work while the tree has the focus
        PageCommand = 4, // a page may ask for it by its id ("@saveProject")
    };
    // When the command can run, beyond its menu being on.
    enum class Enabled { Always, CanUndo, CanRedo };

    QString id;
    // The main menu's title ("&File"), null for a command of the tree's popup
    // menu alone. A command of the tree's popup menu with a title is listed
    // there as well, its keys still the tree's.
    // The title and the text are English, marked for translation in the
    // "Command" context: a menu or action translates them when it is made, and
    // the English title names the menu's object whatever the language.
    const char *menu = nullptr;
    const char *text = nullptr;
    QList<QKeySequence> keys;
    int places = MainMenu;
    bool separatorBefore = false;
    bool checkable = false;
    Enabled enabled = Enabled::Always;
};

// In menu order; a main menu's entries follow one another.
const QList<Command> &commandTable();
// The command of that id, or null.
const Command *findCommand(const QString &id);
// A page may ask for the command with this id.
bool isPageCommand(const QString &id);

// The id of the place in the File menu where the recent files open as a
// submenu; it has no command of its own.
inline const QString kRecentFilesId = QStringLiteral("recentFiles");
