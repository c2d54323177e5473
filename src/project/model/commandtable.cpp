#include "project/model/commandtable.h"

namespace {

QList<Command> makeTable()
{
    using K = QKeySequence;
    const QString file = QStringLiteral("&File");
    const QString edit = QStringLiteral("&Edit");
    const QString view = QStringLiteral("&View");
    const QString help = QStringLiteral("&Help");
    const int mainAndPage = Command::MainMenu | Command::PageCommand;
    auto cmd = [](const QString &id, const QString &menu, const QString &text, QList<QKeySequence> keys, int places,
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
    auto popup = [&cmd, &edit](const QString &id, const QString &text, QList<QKeySequence> keys,
                               bool separatorBefore = false) {
        return cmd(id, edit, text, std::move(keys), Command::TreePopup, separatorBefore);
    };
    auto popupOnly = [&cmd](const QString &id, const QString &text, bool separatorBefore = false) {
        return cmd(id, QString(), text, {}, Command::TreePopup, separatorBefore);
    };

    QList<Command> t;
    // "&" marks each caption's mnemonic letter (Alt+F opens File).
    t << cmd(QStringLiteral("newProject"), file, QStringLiteral("&New"), {K(Qt::CTRL | Qt::Key_N)}, mainAndPage)
      << cmd(QStringLiteral("openProject"), file, QStringLiteral("&Open..."), {K(Qt::CTRL | Qt::Key_O)}, mainAndPage)
      << cmd(QStringLiteral("saveProject"), file, QStringLiteral("&Save"), {K(Qt::CTRL | Qt::Key_S)}, mainAndPage)
      << cmd(QStringLiteral("saveProjectAs"), file, QStringLiteral("Save &As..."),
             {K(Qt::CTRL | Qt::SHIFT | Qt::Key_S)}, mainAndPage)
      << cmd(QStringLiteral("saveAsTheme"), file, QStringLiteral("Save as &Theme..."), {}, Command::MainMenu)
      << cmd(QStringLiteral("importNavigation"), file, QStringLiteral("&Import Navigation..."), {}, Command::MainMenu)
      << cmd(QStringLiteral("addToPage"), file, QStringLiteral("Add to &Page..."), {}, Command::MainMenu)
      << cmd(QStringLiteral("menuType"), file, QStringLiteral("Select &Menu Type..."), {K(Qt::CTRL | Qt::Key_M)},
             mainAndPage, true)
      << cmd(kRecentFilesId, file, QStringLiteral("&Recent files"), {}, Command::MainMenu, true)
      << cmd(QStringLiteral("exit"), file, QStringLiteral("E&xit"), {K(Qt::CTRL | Qt::Key_Q)}, Command::MainMenu, true);
    Command undo = cmd(QStringLiteral("undo"), edit, QStringLiteral("Undo"), {K(Qt::CTRL | Qt::Key_Z)}, mainAndPage);
    undo.enabled = Command::Enabled::CanUndo;
    Command redo = cmd(QStringLiteral("redo"), edit, QStringLiteral("Redo"),
                       {K(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), K(Qt::CTRL | Qt::Key_Y)}, mainAndPage);
    redo.enabled = Command::Enabled::CanRedo;
    t << undo << redo;
    Command itemParams =
        cmd(QStringLiteral("itemParams"), view, QStringLiteral("&Item Parameters"), {K(Qt::Key_F7)}, Command::MainMenu);
    itemParams.checkable = true;
    Command preview = cmd(QStringLiteral("preview"), view, QStringLiteral("&Preview"), {K(Qt::Key_F8)}, Command::MainMenu);
    preview.checkable = true;
    t << itemParams << preview
      << cmd(QStringLiteral("updatePreview"), view, QStringLiteral("&Update Preview"), {K(Qt::Key_F5)},
             Command::MainMenu, true)
      << cmd(QStringLiteral("previewInPage"), view, QStringLiteral("Preview in Pa&ge..."), {}, Command::MainMenu)
      << cmd(QStringLiteral("themes"), view, QStringLiteral("&Themes..."), {}, Command::MainMenu)
      << cmd(QStringLiteral("checkAccessibility"), view, QStringLiteral("Check &Accessibility..."), {},
             Command::MainMenu)
      << cmd(QStringLiteral("nextWindow"), view, QStringLiteral("&Next Window"),
             {K(Qt::Key_F6), K(Qt::CTRL | Qt::Key_Tab)}, Command::MainMenu, true)
      << cmd(QStringLiteral("previousWindow"), view, QStringLiteral("P&revious Window"),
             {K(Qt::SHIFT | Qt::Key_F6), K(Qt::CTRL | Qt::SHIFT | Qt::Key_Tab)}, Command::MainMenu)
      << cmd(QStringLiteral("help"), help, QStringLiteral("&Help"), {K(Qt::Key_F1)}, mainAndPage)
      << cmd(QStringLiteral("about"), help, QStringLiteral("&About"), {}, Command::MainMenu, true);

    t << popup(QStringLiteral("addItem"), QStringLiteral("Add Item"), {K(Qt::Key_Insert)})
      << popup(QStringLiteral("addSubitem"), QStringLiteral("Add Subitem"), {K(Qt::ALT | Qt::Key_Insert)})
      << popup(QStringLiteral("deleteItem"), QStringLiteral("Delete Selected"), {K(Qt::Key_Delete)}, true)
      << popup(QStringLiteral("deleteAll"), QStringLiteral("Delete All"), {})
      << popupOnly(QStringLiteral("expandAll"), QStringLiteral("Expand All"), true)
      << popupOnly(QStringLiteral("collapseAll"), QStringLiteral("Collapse All"))
      << popup(QStringLiteral("rename"), QStringLiteral("Rename"), {K(Qt::Key_F2)}, true)
      << popup(QStringLiteral("moveUp"), QStringLiteral("Move Up"), {K(Qt::ALT | Qt::Key_Up)})
      << popup(QStringLiteral("moveDown"), QStringLiteral("Move Down"), {K(Qt::ALT | Qt::Key_Down)})
      << popup(QStringLiteral("indent"), QStringLiteral("Indent"), {K(Qt::ALT | Qt::Key_Right)})
      << popup(QStringLiteral("outdent"), QStringLiteral("Outdent"), {K(Qt::ALT | Qt::Key_Left)})
      << popup(QStringLiteral("cut"), QStringLiteral("Cut"), {K(Qt::CTRL | Qt::Key_X)}, true)
      << popup(QStringLiteral("copy"), QStringLiteral("Copy"), {K(Qt::CTRL | Qt::Key_C)})
      << popup(QStringLiteral("paste"), QStringLiteral("Paste"), {K(Qt::CTRL | Qt::Key_V)})
      << popup(QStringLiteral("selectAll"), QStringLiteral("Select All"), {K(Qt::CTRL | Qt::Key_A)});
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
