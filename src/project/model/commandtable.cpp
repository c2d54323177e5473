#include "project/model/commandtable.h"

namespace {

QList<Command> makeTable()
{
    using K = QKeySequence;
    // The texts are translated where the menus and actions are made: the
    // table is built once, possibly before a translator is installed.
    const char *file = QT_TRANSLATE_NOOP("Command", "&File");
    const char *edit = QT_TRANSLATE_NOOP("Command", "&Edit");
    const char *view = QT_TRANSLATE_NOOP("Command", "&View");
    const char *help = QT_TRANSLATE_NOOP("Command", "&Help");
    const int mainAndPage = Command::MainMenu | Command::PageCommand;
    auto cmd = [](const QString &id, const char *menu, const char *text, QList<QKeySequence> keys, int places,
                  bool separatorBefore = false) {
        Command c;
        c.id = id;
        c.menu = menu;
        c.text = text;
        c.keys = std::move(keys);
        c.places = places;
        c.separatorBefore = separatorBefore;
        return c;
    };
    // The item commands are listed in the Edit menu too; their keys stay
    // the tree's, so a text field keeps Ctrl+C and Delete.
    auto popup = [&cmd, &edit](const QString &id, const char *text, QList<QKeySequence> keys,
                               bool separatorBefore = false) {
        return cmd(id, edit, text, std::move(keys), Command::TreePopup, separatorBefore);
    };
    auto popupOnly = [&cmd](const QString &id, const char *text, bool separatorBefore = false) {
        return cmd(id, nullptr, text, {}, Command::TreePopup, separatorBefore);
    };

    QList<Command> t;
    // "&" marks each caption's mnemonic letter (Alt+F opens File).
    t << cmd(QStringLiteral("newProject"), file, QT_TRANSLATE_NOOP("Command", "&New"), {K(Qt::CTRL | Qt::Key_N)},
             mainAndPage)
      << cmd(QStringLiteral("openProject"), file, QT_TRANSLATE_NOOP("Command", "&Open..."),
             {K(Qt::CTRL | Qt::Key_O)}, mainAndPage)
      << cmd(QStringLiteral("saveProject"), file, QT_TRANSLATE_NOOP("Command", "&Save"), {K(Qt::CTRL | Qt::Key_S)},
             mainAndPage)
      << cmd(QStringLiteral("saveProjectAs"), file, QT_TRANSLATE_NOOP("Command", "Save &As..."),
             {K(Qt::CTRL | Qt::SHIFT | Qt::Key_S)}, mainAndPage)
      << cmd(QStringLiteral("saveAsTheme"), file, QT_TRANSLATE_NOOP("Command", "Save as &Theme..."), {},
             Command::MainMenu)
      << cmd(QStringLiteral("importNavigation"), file, QT_TRANSLATE_NOOP("Command", "&Import Navigation..."), {},
             Command::MainMenu)
      << cmd(QStringLiteral("addToPage"), file, QT_TRANSLATE_NOOP("Command", "Add to &Page..."), {}, Command::MainMenu)
      << cmd(QStringLiteral("menuType"), file, QT_TRANSLATE_NOOP("Command", "Select &Menu Type..."),
             {K(Qt::CTRL | Qt::Key_M)}, mainAndPage, true)
      << cmd(kRecentFilesId, file, QT_TRANSLATE_NOOP("Command", "&Recent files"), {}, Command::MainMenu, true)
      << cmd(QStringLiteral("exit"), file, QT_TRANSLATE_NOOP("Command", "E&xit"), {K(Qt::CTRL | Qt::Key_Q)},
             Command::MainMenu, true);
    Command undo =
        cmd(QStringLiteral("undo"), edit, QT_TRANSLATE_NOOP("Command", "Undo"), {K(Qt::CTRL | Qt::Key_Z)}, mainAndPage);
    undo.enabled = Command::Enabled::CanUndo;
    Command redo = cmd(QStringLiteral("redo"), edit, QT_TRANSLATE_NOOP("Command", "Redo"),
                       {K(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), K(Qt::CTRL | Qt::Key_Y)}, mainAndPage);
    redo.enabled = Command::Enabled::CanRedo;
    t << undo << redo;
    Command itemParams = cmd(QStringLiteral("itemParams"), view, QT_TRANSLATE_NOOP("Command", "&Item Parameters"),
                             {K(Qt::Key_F7)}, Command::MainMenu);
    itemParams.checkable = true;
    Command preview = cmd(QStringLiteral("preview"), view, QT_TRANSLATE_NOOP("Command", "&Preview"), {K(Qt::Key_F8)},
                          Command::MainMenu);
    preview.checkable = true;
    t << itemParams << preview
      << cmd(QStringLiteral("updatePreview"), view, QT_TRANSLATE_NOOP("Command", "&Update Preview"), {K(Qt::Key_F5)},
             Command::MainMenu, true)
      << cmd(QStringLiteral("previewInPage"), view, QT_TRANSLATE_NOOP("Command", "Preview in Pa&ge..."), {},
             Command::MainMenu)
      << cmd(QStringLiteral("themes"), view, QT_TRANSLATE_NOOP("Command", "&Themes..."), {}, Command::MainMenu)
      << cmd(QStringLiteral("checkAccessibility"), view, QT_TRANSLATE_NOOP("Command", "Check &Accessibility..."), {},
             Command::MainMenu)
      << cmd(QStringLiteral("nextWindow"), view, QT_TRANSLATE_NOOP("Command", "&Next Window"),
             {K(Qt::Key_F6), K(Qt::CTRL | Qt::Key_Tab)}, Command::MainMenu, true)
      << cmd(QStringLiteral("previousWindow"), view, QT_TRANSLATE_NOOP("Command", "P&revious Window"),
             {K(Qt::SHIFT | Qt::Key_F6), K(Qt::CTRL | Qt::SHIFT | Qt::Key_Tab)}, Command::MainMenu)
      << cmd(QStringLiteral("help"), help, QT_TRANSLATE_NOOP("Command", "&Help"), {K(Qt::Key_F1)}, mainAndPage)
      << cmd(QStringLiteral("about"), help, QT_TRANSLATE_NOOP("Command", "&About"), {}, Command::MainMenu, true);

    t << popup(QStringLiteral("addItem"), QT_TRANSLATE_NOOP("Command", "Add Item"), {K(Qt::Key_Insert)})
      << popup(QStringLiteral("addSubitem"), QT_TRANSLATE_NOOP("Command", "Add Subitem"), {K(Qt::ALT | Qt::Key_Insert)})
      << popup(QStringLiteral("deleteItem"), QT_TRANSLATE_NOOP("Command", "Delete Selected"), {K(Qt::Key_Delete)}, true)
      << popup(QStringLiteral("deleteAll"), QT_TRANSLATE_NOOP("Command", "Delete All"), {})
      << popupOnly(QStringLiteral("expandAll"), QT_TRANSLATE_NOOP("Command", "Expand All"), true)
      << popupOnly(QStringLiteral("collapseAll"), QT_TRANSLATE_NOOP("Command", "Collapse All"))
      << popup(QStringLiteral("rename"), QT_TRANSLATE_NOOP("Command", "Rename"), {K(Qt::Key_F2)}, true)
      << popup(QStringLiteral("moveUp"), QT_TRANSLATE_NOOP("Command", "Move Up"), {K(Qt::ALT | Qt::Key_Up)})
      << popup(QStringLiteral("moveDown"), QT_TRANSLATE_NOOP("Command", "Move Down"), {K(Qt::ALT | Qt::Key_Down)})
      << popup(QStringLiteral("indent"), QT_TRANSLATE_NOOP("Command", "Indent"), {K(Qt::ALT | Qt::Key_Right)})
      << popup(QStringLiteral("outdent"), QT_TRANSLATE_NOOP("Command", "Outdent"), {K(Qt::ALT | Qt::Key_Left)})
      << popup(QStringLiteral("cut"), QT_TRANSLATE_NOOP("Command", "Cut"), {K(Qt::CTRL | Qt::Key_X)}, true)
      << popup(QStringLiteral("copy"), QT_TRANSLATE_NOOP("Command", "Copy"), {K(Qt::CTRL | Qt::Key_C)})
      << popup(QStringLiteral("paste"), QT_TRANSLATE_NOOP("Command", "Paste"), {K(Qt::CTRL | Qt::Key_V)})
      << popup(QStringLiteral("selectAll"), QT_TRANSLATE_NOOP("Command", "Select All"), {K(Qt::CTRL | Qt::Key_A)});
    return t;
}

} // namespace

const QList<Command> &commandTable()
{
    static const QList<Command> table = makeTable();
    return table;
}

const Command *findCommand(const QString &id)
{
    for (const Command &c : commandTable())
        if (c.id == id)
            return &c;
    return nullptr;
}

bool isPageCommand(const QString &id)
{
    const Command *c = findCommand(id);
    return c && (c->places & Command::PageCommand);
}
