#include "support/modelwalk.h"

#include "app/itemtreepanel.h"
#include "app/itemtreeview.h"
#include "app/mainwindow.h"
#include "app/programwindows.h"
#include "controls/newspd.h"
#include "editors/itemparamsform.h"
#include "editors/itemstylesform.h"
#include "page/page.h"
#include "project/datafile/dataopen.h"
#include "project/datafile/datasave.h"
#include "project/history/history.h"
#include "project/import/navimport.h"
#include "project/lifecycle/projectcontroller.h"
#include "project/history/projecthistory.h"
#include "project/themes/themes.h"
#include "support/appfixture.h"
#include "support/walkpages.h"
#include "support/webharness.h"

#include <QAction>
#include <QFile>
#include <QFileInfo>
#include <QItemSelectionModel>
#include <QJsonArray>
#include <QJsonDocument>
#include <QLineEdit>
#include <QListView>
#include <QTest>

using namespace walkpages;

namespace {

QItemSelectionModel &treeSelection()
{
    return *windows().main->itemPanel->vtItems->selectionModel();
}

QItemSelectionModel &styleSelection()
{
    return *windows().itemStyles->vtItemStyles->selectionModel();
}

QModelIndex indexAt(const ItemPath &path)
{
    QModelIndex i;
    for (int row : path)
        i = windows().project.items().index(row, 0, i);
    return i;
}

ItemPath pathOf(QModelIndex index)
{
    ItemPath path;
    for (; index.isValid(); index = index.parent())
        path.prepend(index.row());
    return path;
}

QString itemLine(const LeveledItem &li)
{
    QStringList fields;
    for (const QString &f : li.item.Params)
        fields << f;
    return QString::number(li.level) + QLatin1Char(' ') + fields.join(QLatin1Char('|'));
}

QString pathsText(const QList<ItemPath> &paths)
{
    QStringList parts;
    for (const ItemPath &p : paths)
        parts << pathText(p);
    return QLatin1Char('[') + parts.join(QLatin1Char(' ')) + QLatin1Char(']');
}

// Where a removed item's focus goes: the selection model puts it on the
// sibling above, else on the one below, else nowhere.
ItemPath focusAfterRemoving(const WalkTree &before, const ItemPath &removed)
{
    const ItemPath parent = removed.mid(0, removed.size() - 1);
    if (removed.last() > 0)
        return parent + ItemPath{removed.last() - 1};
    if (removed.last() + 1 < before.rowCount(parent))
        return removed;
    return {};
}

} // namespace

ModelWalk::ModelWalk(AppFixture &app, const QString &file, quint64 seed)
    : m_app(app)
    , m_file(file)
    , m_seed(seed)
    , m_random(seed)
    , m_tree(windows().project.menuType().maxLevels)
{
    QObject::connect(&windows().project, &Project::marked, [this] { ++m_marks; });
}

QString ModelWalk::report() const
{
    QStringList lines;
    lines << QStringLiteral("model walk seed %1, %2 steps; failed at the last:").arg(m_seed).arg(m_steps.size());
    for (const QString &s : m_steps)
        lines << QStringLiteral("  ") + s;
    lines << QStringLiteral("failure: ") + m_failure;
    lines << QStringLiteral("again: WALK_TYPE=%1 WALK_STEPS='%2' modelwalk_test replay")
                 .arg(windows().project.MenuType)
                 .arg(m_steps.join(QLatin1Char(',')));
    return lines.join(QLatin1Char('\n'));
}

bool ModelWalk::fail(const QString &why)
{
    if (m_failure.isEmpty())
        m_failure = m_doing.isEmpty() ? why : m_doing + QStringLiteral(": ") + why;
    return false;
}

QString ModelWalk::dataText() const
{
    return BuildDataText(windows().project, paramsPage(), itemPage());
}

QList<ItemPath> ModelWalk::programSelection() const
{
    QList<ItemPath> paths;
    const QModelIndexList rows = treeSelection().selectedRows();
    for (const QModelIndex &i : windows().project.items().displayOrder())
        if (rows.contains(i))
            paths << pathOf(i);
    return paths;
}

ItemPath ModelWalk::programCurrent() const
{
    return pathOf(treeSelection().currentIndex());
}

void ModelWalk::rewriteStyleRefs(int kind, const std::function<int(int)> &map)
{
    if (m_styleField[kind] < 0)
        return;
    m_tree.rewriteField(m_styleField[kind], [&map](const QString &ref) {
        bool number = false;
        const int v = ref.toInt(&number);
        if (ref.isEmpty() || !number || v < 0)
            return ref;
        const int to = map(v);
        return to < 0 ? QString() : QString::number(to);
    });
}

QString ModelWalk::fresh(const QString &prefix)
{
    return prefix + QString::number(++m_serial);
}

bool ModelWalk::start()
{
    windows().main->show();
    // The styles window is open beside the others, as while a user edits
    // styles: its page is then asked for typing before undo and save.
    windows().itemStyles->show();
    for (int kind = 0; kind < 2; ++kind)
        m_styleField[kind] = eval(itemPage(), QStringLiteral("Plivex.types[document.body.getAttribute('data-type')]"
                                                             ".itemFields.map(function (f) { return f.styleKind; })"
                                                             ".indexOf(%1)")
                                                  .arg(kind))
                                 .toInt();
    if (!WriteDataFile(windows().project, paramsPage(), itemPage(), m_file))
        return fail(QStringLiteral("the walk's file could not be written"));
    if (!open())
        return false;
    QFile f(m_file);
    if (!f.open(QIODevice::ReadOnly))
        return fail(QStringLiteral("the walk's file could not be read"));
    m_roundFile = f.readAll();
    return true;
}

bool ModelWalk::open()
{
    if (!windows().main->controller->open(m_file))
        return fail(QStringLiteral("opening the walk's file failed"));
    if (m_history.isEmpty()) {
        // The walk begins from the project as the program read it; every
        // later open must give back the tree the file was written from.
        QList<LeveledItem> items;
        windows().project.items().walk(
            [&items](const QModelIndex &, const TItem &item, int level) { items.append({level, item}); });
        m_tree = WalkTree::fromFlat(items, windows().project.menuType().maxLevels);
    }
    m_selected.clear();
    m_current.clear();
    // A project read from a file counts its new items from 1 again.
    m_addedTexts.clear();
    m_history = {Snapshot{m_tree, dataText(), {}, {}, {}, {}}};
    m_cursor = 0;
    m_dropped = false;
    m_sinceRound = 0;
    return checkTree() && checkSelection() && checkItemPage() && checkText(m_history.first().text)
        && checkHistory();
}

QString ModelWalk::choose()
{
    if (m_sinceRound >= m_roundLength)
        return QStringLiteral("round");
    const QList<ItemPath> all = m_tree.paths();
    auto randomPath = [&] { return all.isEmpty() ? ItemPath{} : all.at(m_random.bounded(all.size())); };
    auto select = [&] { return QStringLiteral("select ") + pathText(randomPath()); };
    // Item commands act on one selected item; after an import the walk
    // picks one first.
    if (m_selected.size() > 1)
        return select();
    const bool selected = !m_selected.isEmpty();
    const bool crowded = all.size() > 40;
    const int styles = int(windows().project.ItemStyles.size());

    struct Choice
    {
        int weight;
        std::function<QString()> make;
    };
    const QList<Choice> choices = {
        {14, select},
        {1, [] { return QStringLiteral("select -"); }},
        {crowded ? 0 : 8, [] { return QStringLiteral("addItem"); }},
        {crowded || !selected ? 0 : 5, [] { return QStringLiteral("addSubitem"); }},
        {selected ? (all.size() > 3 ? 5 : 1) : 0, [] { return QStringLiteral("delete"); }},
        {selected ? 6 : 0, [] { return QStringLiteral("moveUp"); }},
        {selected ? 6 : 0, [] { return QStringLiteral("moveDown"); }},
        {selected ? 5 : 0, [] { return QStringLiteral("indent"); }},
        {selected ? 5 : 0, [] { return QStringLiteral("outdent"); }},
        {selected ? 5 : 0, [&] { return QStringLiteral("rename ") + fresh(QStringLiteral("Renamed ")); }},
        {selected ? 10 : 0,
         [&] {
             const QStringList rows = itemFieldRows();
             for (;;) {
                 const QString row = rows.at(m_random.bounded(rows.size()));
                 if (const std::optional<QString> value = randomItemFieldValue(row))
                     return QStringLiteral("field %1 %2").arg(row, *value);
             }
         }},
        {6,
         [&] {
             const QStringList rows = parameterRows();
             return QStringLiteral("param ") + rows.at(m_random.bounded(rows.size()));
         }},
        {2, [] { return QStringLiteral("styleAdd"); }},
        {styles > 0 ? 4 : 0,
         [&] {
             const QStringList rows = styleRows();
             return QStringLiteral("styleEdit %1 %2").arg(m_random.bounded(styles)).arg(rows.at(m_random.bounded(rows.size())));
         }},
        {styles > 0 ? 1 : 0, [&] { return QStringLiteral("styleDelete %1").arg(m_random.bounded(styles)); }},
        {2,
         [&] {
             const QList<Theme> themes = listThemes(windows().project.MenuType, windows().project.ProgramFolder);
             return QStringLiteral("theme ") + themes.at(m_random.bounded(themes.size())).name;
         }},
        {crowded ? 0 : 2,
         [&] {
             QStringList places{QStringLiteral("end")};
             if (!m_current.isEmpty()) {
                 places << QStringLiteral("after");
                 if (m_tree.roomBelow(m_current))
                     places << QStringLiteral("sub");
             }
             QStringList items;
             int level = 0;
             const int n = 1 + m_random.bounded(4);
             for (int k = 0; k < n; ++k) {
                 level = k == 0 ? 0 : m_random.bounded(level + 2);
                 items << QStringLiteral("%1:%2").arg(level).arg(fresh(QStringLiteral("Page")));
             }
             return QStringLiteral("import %1 %2").arg(places.at(m_random.bounded(places.size())), items.join(';'));
         }},
        {8, [] { return QStringLiteral("undo"); }},
        {5, [] { return QStringLiteral("redo"); }},
    };
    int total = 0;
    for (const Choice &c : choices)
        total += c.weight;
    int pick = m_random.bounded(total);
    for (const Choice &c : choices) {
        if (pick < c.weight)
            return c.make();
        pick -= c.weight;
    }
    return QStringLiteral("undo");
}

bool ModelWalk::walk(int count, int roundLength)
{
    m_roundLength = roundLength;
    if (!start())
        return false;
    for (int k = 0; k < count; ++k)
        if (!run(choose()))
            return false;
    return run(QStringLiteral("round"));
}

bool ModelWalk::replay(const QStringList &steps)
{
    if (!start())
        return false;
    for (const QString &step : steps)
        if (!run(step))
            return false;
    return true;
}

bool ModelWalk::run(const QString &step)
{
    m_steps << step;
    const qsizetype space = step.indexOf(QLatin1Char(' '));
    const QString name = space < 0 ? step : step.left(space);
    const QString rest = space < 0 ? QString() : step.mid(space + 1);
    ++m_counts[name];
    ++m_sinceRound;
    const qsizetype asked = m_app.dialogs.asked.size();
    m_stepSelected = m_selected;
    m_stepCurrent = m_current;
    m_doing.clear();
    m_expectedMessage.clear();
    bool ran = false;
    QElapsedTimer timer;
    timer.start();
    try {
        ran = runCommand(name, rest);
    } catch (const PageError &e) {
        ran = fail(QStringLiteral("a page failed: ") + e.message + QStringLiteral(" (") + e.debugText() + QLatin1Char(')'));
    }
    m_msByKind[name] += timer.elapsed();
    // A question the step did not script was answered by nobody.
    const bool leftOver = !m_app.dialogs.answers.isEmpty() || !m_app.dialogs.files.isEmpty()
        || !m_app.dialogs.choices.isEmpty();
    m_app.dialogs.answers.clear();
    m_app.dialogs.files.clear();
    m_app.dialogs.choices.clear();
    if (!ran)
        return false;
    if (leftOver)
        return fail(QStringLiteral("a question the step expects was not asked"));
    QStringList unexpected;
    for (qsizetype k = asked; k < m_app.dialogs.asked.size(); ++k) {
        const ScriptedDialogs::Asked &a = m_app.dialogs.asked[k];
        if (a.kind == QLatin1String("message") && !m_expectedMessage.isEmpty() && a.text.contains(m_expectedMessage)) {
            m_expectedMessage.clear();
            continue;
        }
        if (a.kind != QLatin1String("yesNo") && a.kind != QLatin1String("open") && a.kind != QLatin1String("choice"))
            unexpected << a.kind + QStringLiteral(": ") + a.text;
    }
    if (!m_expectedMessage.isEmpty())
        unexpected << QStringLiteral("no message that") + m_expectedMessage;
    if (!unexpected.isEmpty())
        return fail(QStringLiteral("the program said: ") + unexpected.join(QStringLiteral("; ")));
    return true;
}

bool ModelWalk::runCommand(const QString &name, const QString &rest)
{
    if (name == QLatin1String("select"))
        return selectPath(pathFromText(rest));
    if (name == QLatin1String("addItem") || name == QLatin1String("addSubitem"))
        return addItem(name == QLatin1String("addSubitem"));
    if (name == QLatin1String("delete"))
        return deleteSelected();
    if (name == QLatin1String("moveUp") || name == QLatin1String("moveDown") || name == QLatin1String("indent")
        || name == QLatin1String("outdent")) {
        windows().main->command(name)->trigger();
        if (!m_selected.isEmpty()) {
            const ItemPath moved = name == QLatin1String("moveUp")     ? m_tree.moveUp(m_current)
                                   : name == QLatin1String("moveDown") ? m_tree.moveDown(m_current)
                                   : name == QLatin1String("indent")   ? m_tree.indent(m_current)
                                                                       : m_tree.outdent(m_current);
            m_selected = {moved};
            m_current = moved;
        }
        return check(Change::May);
    }
    if (name == QLatin1String("rename"))
        return rename(rest);
    if (name == QLatin1String("field")) {
        const qsizetype space = rest.indexOf(QLatin1Char(' '));
        return typeItemField(rest.left(space), rest.mid(space + 1));
    }
    if (name == QLatin1String("param"))
        return changeParameter(rest);
    if (name == QLatin1String("styleAdd"))
        return addStyle();
    if (name == QLatin1String("styleEdit")) {
        const qsizetype space = rest.indexOf(QLatin1Char(' '));
        return editStyle(rest.left(space).toInt(), rest.mid(space + 1));
    }
    if (name == QLatin1String("styleDelete"))
        return deleteStyle(rest.toInt());
    if (name == QLatin1String("theme"))
        return applyTheme(rest);
    if (name == QLatin1String("import")) {
        const qsizetype space = rest.indexOf(QLatin1Char(' '));
        return importNavigation(rest.left(space), rest.mid(space + 1));
    }
    if (name == QLatin1String("undo") || name == QLatin1String("redo"))
        return undoOrRedo(name == QLatin1String("undo"));
    if (name == QLatin1String("round"))
        return round();
    return fail(QStringLiteral("no such step: ") + name);
}

// ---- the commands ---------------------------------------------------------

bool ModelWalk::selectPath(const ItemPath &path)
{
    if (path.isEmpty()) {
        treeSelection().clear();
        m_selected.clear();
        m_current.clear();
    } else {
        if (!m_tree.contains(path))
            return fail(QStringLiteral("the walk has no item ") + pathText(path));
        treeSelection().setCurrentIndex(indexAt(path), QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
        m_selected = {path};
        m_current = path;
    }
    return check(Change::None);
}

bool ModelWalk::addItem(bool subitem)
{
    const int before = windows().project.items().count();
    windows().main->command(subitem ? QStringLiteral("addSubitem") : QStringLiteral("addItem"))->trigger();
    // Where the new item is expected; its text is the program's to choose.
    ItemPath expected;
    if (subitem) {
        if (m_selected.isEmpty() || !m_tree.roomBelow(m_current))
            return check(Change::None);
        expected = m_current + ItemPath{m_tree.rowCount(m_current)};
    } else {
        const ItemPath parent = m_current.mid(0, std::max<qsizetype>(0, m_current.size() - 1));
        expected = parent + ItemPath{m_tree.rowCount(parent)};
    }
    if (windows().project.items().count() != before + 1)
        return fail(QStringLiteral("no item was added"));
    const QModelIndex added = indexAt(expected);
    if (!added.isValid())
        return fail(QStringLiteral("no item at ") + pathText(expected));
    const TItem record = *windows().project.items().record(added);
    TItem blank;
    blank.Params[0] = record.Params[0];
    if (record != blank || record.Params[0].isEmpty() || m_addedTexts.contains(record.Params[0]))
        return fail(QStringLiteral("the item at %1 is no new item: %2").arg(pathText(expected), itemLine({0, record})));
    m_addedTexts.insert(record.Params[0]);
    if (subitem) {
        m_tree.addSubitem(m_current, record);
    } else {
        m_current = m_tree.addItem(m_current, record);
        m_selected = {m_current};
    }
    return check(Change::Must);
}

bool ModelWalk::deleteSelected()
{
    m_app.dialogs.answers.enqueue(Dialogs::Answer::Yes);
    const WalkTree before = m_tree;
    windows().main->command(QStringLiteral("deleteItem"))->trigger();
    if (!m_selected.isEmpty()) {
        m_tree.remove(m_current);
        m_current = focusAfterRemoving(before, m_current);
        m_selected.clear();
    }
    return check(m_stepSelected.isEmpty() ? Change::None : Change::Must);
}

bool ModelWalk::rename(const QString &text)
{
    ItemTreeView *view = windows().main->itemPanel->vtItems;
    windows().main->command(QStringLiteral("rename"))->trigger();
    auto *editor = qobject_cast<QLineEdit *>(view->indexWidget(view->currentIndex()));
    if (!editor)
        return fail(QStringLiteral("Rename opened no editor"));
    editor->selectAll();
    QTest::keyClicks(editor, text);
    QTest::keyClick(editor, Qt::Key_Return);
    m_tree.setField(m_current, 0, text);
    return check(Change::Must);
}

bool ModelWalk::waitForMark(int after, const QString &what)
{
    if (!harness::waitUntil([this, after] { return m_marks >= after; }))
        return fail(what + QStringLiteral(" was never reported to the program"));
    return true;
}

bool ModelWalk::typeItemField(const QString &name, const QString &value)
{
    const int marks = m_marks + 1;
    const QStringList before = shownItemFields(TItem::kParamCount);
    const QString done = typeInto(itemPage(), QStringLiteral("fieldset "), name, value);
    if (!done.isEmpty())
        return fail(QStringLiteral("the item page has %1 for %2").arg(done, name));
    // The field's number is that of the one value the typing changed.
    const QStringList after = shownItemFields(TItem::kParamCount);
    QList<int> changed;
    for (int f = 0; f < std::min(before.size(), after.size()); ++f)
        if (before[f] != after[f])
            changed << f;
    if (changed.size() != 1 || after[changed.first()] != value)
        return fail(QStringLiteral("typing into %1 changed the item page's fields %2").arg(name, after.join(QLatin1Char('|'))));
    if (!waitForMark(marks, QStringLiteral("the typing")))
        return false;
    m_tree.setField(m_current, changed.first(), value);
    return check(Change::Must);
}

bool ModelWalk::changeParameter(const QString &name)
{
    const int marks = m_marks + 1;
    const QString done = flipControl(paramsPage(), QString(), name);
    if (!done.isEmpty())
        return fail(QStringLiteral("the parameter page has %1 for %2").arg(done, name));
    return waitForMark(marks, QStringLiteral("the parameter change")) && check(Change::Must);
}

bool ModelWalk::addStyle()
{
    windows().itemStyles->spdAdd->click();
    return check(Change::Must);
}

bool ModelWalk::editStyle(int row, const QString &name)
{
    styleSelection().setCurrentIndex(windows().itemStyles->vtItemStyles->model()->index(row, 0),
                                     QItemSelectionModel::ClearAndSelect);
    const int marks = m_marks + 1;
    const QString done = flipControl(stylePage(), QString(), name);
    if (!done.isEmpty())
        return fail(QStringLiteral("the style page has %1 for %2").arg(done, name));
    return waitForMark(marks, QStringLiteral("the style change")) && check(Change::Must);
}

bool ModelWalk::deleteStyle(int row)
{
    styleSelection().setCurrentIndex(windows().itemStyles->vtItemStyles->model()->index(row, 0),
                                     QItemSelectionModel::ClearAndSelect);
    m_app.dialogs.answers.enqueue(Dialogs::Answer::Yes);
    windows().itemStyles->spdDelete->click();
    // References to the deleted style go, later ones move down.
    rewriteStyleRefs(0, [row](int v) { return v == row ? -1 : v > row ? v - 1 : v; });
    return check(Change::Must);
}

bool ModelWalk::applyTheme(const QString &name)
{
    const QList<Theme> themes = listThemes(windows().project.MenuType, windows().project.ProgramFolder);
    const Theme *theme = findTheme(themes, name);
    if (!theme)
        return fail(QStringLiteral("no theme ") + name);
    QFile file(theme->path);
    if (!file.open(QIODevice::ReadOnly))
        return fail(QStringLiteral("the theme cannot be read: ") + theme->path);
    // The Themes window hands the theme's text to the controller as this.
    if (!windows().main->controller->applyTheme(DataTextFromBytes(file.readAll())))
        return fail(QStringLiteral("the theme was not applied"));
    // References to styles the theme does not have go.
    for (int kind = 0; kind < 2; ++kind) {
        const int count = int(windows().project.styles(kind).size());
        rewriteStyleRefs(kind, [count](int v) { return v < count ? v : -1; });
    }
    // The project is read back whole: nothing is selected afterwards.
    m_selected.clear();
    m_current.clear();
    return check(Change::May);
}

bool ModelWalk::importNavigation(const QString &place, const QString &items)
{
    QList<LeveledItem> imported;
    QString html;
    int open = 0;
    for (const QString &entry : items.split(QLatin1Char(';'))) {
        const int level = entry.section(QLatin1Char(':'), 0, 0).toInt();
        const QString text = entry.section(QLatin1Char(':'), 1);
        LeveledItem li;
        li.level = level;
        li.item.Params[navimport::kText] = text;
        li.item.Params[navimport::kLink] = text.toLower() + QStringLiteral(".html");
        imported << li;
        if (level >= open) {
            html += QStringLiteral("<ul>");
            ++open;
        }
        for (; open > level + 1; --open)
            html += QStringLiteral("</li></ul>");
        html += QStringLiteral("<li><a href=\"%1\">%2</a>").arg(li.item.Params[navimport::kLink], text);
    }
    for (; open > 0; --open)
        html += QStringLiteral("</li></ul>");
    const QString page = QFileInfo(m_file).absolutePath() + QStringLiteral("/nav.html");
    QFile f(page);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return fail(QStringLiteral("nav.html cannot be written"));
    f.write(QStringLiteral("<!DOCTYPE html><nav>%1</nav>").arg(html).toUtf8());
    f.close();

    m_app.dialogs.files.enqueue(page);
    ItemPath parent;
    int row = m_tree.rowCount({});
    if (!m_current.isEmpty()) {
        // The choices offered: after the focused item, as its subitems where
        // the type has room, at the end of the top level.
        const bool sub = m_tree.roomBelow(m_current);
        const int end = sub ? 2 : 1;
        if (place == QLatin1String("after")) {
            m_app.dialogs.choices.enqueue(0);
            parent = m_current.mid(0, m_current.size() - 1);
            row = m_current.last() + 1;
        } else if (place == QLatin1String("sub") && sub) {
            m_app.dialogs.choices.enqueue(1);
            parent = m_current;
            row = m_tree.rowCount(m_current);
        } else {
            m_app.dialogs.choices.enqueue(end);
        }
    }
    windows().main->miImportNavigation->trigger();
    int lifted = 0;
    m_selected = m_tree.insert(parent, row, imported, &lifted);
    // Items placed higher than the page had them are the user's to know of.
    if (lifted > 0)
        m_expectedMessage = QStringLiteral(": %1 of its items were moved up").arg(lifted);
    m_current = m_selected.value(0);
    return check(Change::Must);
}

bool ModelWalk::undoOrRedo(bool undo)
{
    QAction *action = undo ? windows().main->miUndo : windows().main->miRedo;
    const bool can = undo ? m_cursor > 0 : m_cursor + 1 < m_history.size();
    if (action->isEnabled() != can)
        return fail(QStringLiteral("%1 is %2").arg(action->text(), action->isEnabled() ? "on" : "off"));
    if (!can)
        return true;
    const QString said = action->text();
    action->trigger();
    m_doing = said;
    const Snapshot &from = m_history[m_cursor];
    m_cursor += undo ? -1 : 1;
    const Snapshot &to = m_history[m_cursor];
    m_tree = to.tree;
    // An undo puts the user back where the undone change was made, a redo
    // where it ended.
    m_selected = undo ? from.selectedBefore : to.selectedAfter;
    m_current = undo ? from.currentBefore : to.currentAfter;
    return check(Change::None);
}

// ---- the round: save, undo all, redo all, open ---------------------------

bool ModelWalk::save(QByteArray &bytes)
{
    windows().main->miSave->trigger();
    if (windows().project.Modified())
        return fail(QStringLiteral("Save left the project marked changed"));
    QFile f(m_file);
    if (!f.open(QIODevice::ReadOnly))
        return fail(QStringLiteral("the saved file cannot be read"));
    bytes = f.readAll();
    return checkText(DataTextFromBytes(bytes));
}

bool ModelWalk::round()
{
    QByteArray last;
    if (!save(last))
        return false;
    const qsizetype lastState = m_cursor;
    while (m_cursor > 0)
        if (!undoOrRedo(true))
            return false;
    if (windows().main->miUndo->isEnabled())
        return fail(QStringLiteral("Undo is still on after undoing every change"));
    QByteArray first;
    if (!save(first))
        return false;
    // States dropped for the history's limits are beyond reach: then the
    // oldest kept state, whose text undoOrRedo compared, is the first.
    if (!m_dropped && first != m_roundFile)
        return fail(QStringLiteral("undoing every change does not give back the round's first file"));
    while (m_cursor < lastState)
        if (!undoOrRedo(false))
            return false;
    QByteArray redone;
    if (!save(redone))
        return false;
    if (redone != last)
        return fail(QStringLiteral("redoing every change does not give back the round's last file"));
    // Changes undone before the round are redone too; the file the next
    // round begins with is the newest state.
    while (m_cursor + 1 < m_history.size())
        if (!undoOrRedo(false))
            return false;
    if (!save(m_roundFile))
        return false;
    return open();
}

// ---- the checks -----------------------------------------------------------

bool ModelWalk::check(Change change)
{
    QElapsedTimer timer;
    timer.start();
    ProjectHistory &history = *windows().main->history;
    history.flush();
    // Every step is a state of its own: typing on in a field would merge.
    history.mergeWindow.stop();
    const QString text = dataText();
    const bool changed = text != m_history[m_cursor].text;
    bool ok = true;
    if (changed && change == Change::None)
        ok = fail(QStringLiteral("the data text is not the one recorded for this state"));
    else if (!changed && change == Change::Must)
        ok = fail(QStringLiteral("the change did not reach the data text"));
    if (ok && changed) {
        Snapshot s{m_tree, text, m_stepSelected, m_selected, m_stepCurrent, m_current};
        m_history.resize(m_cursor + 1);
        m_history << s;
        ++m_cursor;
        ++m_changes;
        while (m_history.size() > History::kMaxStates) {
            m_history.removeFirst();
            --m_cursor;
            m_dropped = true;
        }
    }
    // A state's text was read back against its tree when it was made: one
    // that comes back with that tree needs no second reading.
    const bool known = !changed && m_tree == m_history[m_cursor].tree;
    ok = ok && checkTree() && checkSelection() && checkItemPage() && (known || checkText(text)) && checkHistory();
    m_checkMs += timer.elapsed();
    return ok;
}

bool ModelWalk::checkTree()
{
    QList<LeveledItem> program;
    windows().project.items().walk(
        [&program](const QModelIndex &, const TItem &item, int level) { program.append({level, item}); });
    const QList<LeveledItem> expected = m_tree.flat();
    for (qsizetype k = 0; k < std::max(program.size(), expected.size()); ++k) {
        const QString p = k < program.size() ? itemLine(program[k]) : QStringLiteral("(none)");
        const QString e = k < expected.size() ? itemLine(expected[k]) : QStringLiteral("(none)");
        if (p != e)
            return fail(QStringLiteral("item %1 of the tree is %2, expected %3").arg(k).arg(p, e));
    }
    return true;
}

bool ModelWalk::checkSelection()
{
    const QList<ItemPath> selected = programSelection();
    const ItemPath current = programCurrent();
    if (selected != m_selected || current != m_current)
        return fail(QStringLiteral("selected %1 focused %2, expected %3 focused %4")
                        .arg(pathsText(selected), pathText(current), pathsText(m_selected), pathText(m_current)));
    const TItem *shown = windows().project.CurrentItem;
    const TItem *expected = m_selected.isEmpty() ? nullptr : windows().project.items().record(indexAt(m_current));
    if (shown != expected)
        return fail(QStringLiteral("the current item is not the focused selected one"));
    return true;
}

bool ModelWalk::checkItemPage()
{
    const QStringList shown = shownItemFields(TItem::kParamCount);
    QStringList expected;
    if (!m_selected.isEmpty())
        for (const QString &f : m_tree.item(m_current).Params)
            expected << f;
    const auto listed = [](const QStringList &fields) {
        return fields.isEmpty() ? QStringLiteral("(no item)") : fields.join(QLatin1Char('|'));
    };
    if (shown != expected)
        return fail(QStringLiteral("the item page shows %1, expected %2").arg(listed(shown), listed(expected)));
    return true;
}

bool ModelWalk::checkText(const QString &text)
{
    if (text == m_checkedText)
        return true;
    const MenuType &type = windows().project.menuType();
    QString shown;
    const EvaluatedText read = EvaluateApart(paramsPage(), type, text, shown);
    if (!read.stopped.isEmpty())
        return fail(QStringLiteral("the data text did not run: ") + read.stopped);
    const QJsonArray items = QJsonDocument::fromJson(read.items.toUtf8()).array();
    const QList<LeveledItem> expected = m_tree.flat();
    if (items.size() != expected.size())
        return fail(QStringLiteral("the data text holds %1 items, the tree %2").arg(items.size()).arg(expected.size()));
    for (qsizetype k = 0; k < items.size(); ++k) {
        const QJsonArray entry = items[k].toArray();
        LeveledItem li;
        QString first = entry.at(0).toString();
        while (first.startsWith(QLatin1Char('|'))) {
            first.remove(0, 1);
            ++li.level;
        }
        li.item.Params[0] = first;
        for (int f = 1; f < TItem::kParamCount; ++f)
            li.item.Params[size_t(f)] = entry.at(f).toString();
        if (itemLine(li) != itemLine(expected[k]))
            return fail(QStringLiteral("item %1 of the data text is %2, of the tree %3")
                            .arg(k)
                            .arg(itemLine(li), itemLine(expected[k])));
    }
    for (int kind = 0; kind < 2; ++kind) {
        QStringList written;
        for (const QJsonValue &v : QJsonDocument::fromJson(read.styleNames[size_t(kind)].toUtf8()).array())
            written << v.toString();
        QStringList held;
        for (const TStyle &s : windows().project.styles(kind))
            held << s.Name;
        if (written != held)
            return fail(QStringLiteral("the data text names the styles %1, the project %2")
                            .arg(written.join(QLatin1Char(',')), held.join(QLatin1Char(','))));
    }
    m_checkedText = text;
    return true;
}

bool ModelWalk::checkHistory()
{
    const History &h = windows().main->history->history();
    if (!h.current() || h.current()->dataText != m_history[m_cursor].text)
        return fail(QStringLiteral("the history's current state is not the project's"));
    if (h.count() != m_history.size() || h.canUndo() != (m_cursor > 0)
        || h.canRedo() != (m_cursor + 1 < m_history.size()))
        return fail(QStringLiteral("the history holds %1 states, expected %2").arg(h.count()).arg(m_history.size()));
    return true;
}

// ---- what the pages offer -------------------------------------------------

QStringList ModelWalk::itemFieldRows() const
{
    return rowsWith(itemPage(), QStringLiteral("select, input"));
}

QStringList ModelWalk::parameterRows() const
{
    return rowsWith(paramsPage(), QStringLiteral("select:not(.unit), input[type=checkbox]"));
}

QStringList ModelWalk::styleRows() const
{
    return rowsWith(stylePage(), QStringLiteral("select:not(.unit)"));
}

std::optional<QString> ModelWalk::randomItemFieldValue(const QString &row)
{
    const std::optional<QStringList> others = otherChoices(itemPage(), QStringLiteral("fieldset "), row);
    if (!others)
        return fresh(row);
    // A list with nothing else to choose gives no step.
    if (others->isEmpty())
        return std::nullopt;
    return others->at(m_random.bounded(others->size()));
}
