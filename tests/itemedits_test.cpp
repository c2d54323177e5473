#include "project/model/itemedits.h"
#include "project/model/outline.h"
#include "project/model/project.h"
#include "support/fakepage.h"
#include "support/scripteddialogs.h"
#include "support/testmain.h"

#include <QItemSelectionModel>
#include <QMimeData>
#include <QSignalSpy>

namespace {

// A project with its selection and the item parameters page, as the main
// window holds them, without the window.
struct Editing
{
    explicit Editing(int menuType = 0)
    {
        project.MenuType = menuType;
        edits.setItemParamsPage(&page);
        page.setAnswer(QStringLiteral("qrn_setItemParams"), QVariant());
        page.autoComplete = false;
        page.loadFile(QStringLiteral("itemparams.html"));
        page.completeLoad();
    }

    QString shape() const
    {
        QList<LeveledItem> all;
        project.items().walk([&all](const QModelIndex &, const TItem &item, int level) { all.append({level, item}); });
        return writeOutline(all);
    }
    QModelIndex find(const QString &text) const
    {
        QModelIndex found;
        project.items().walk([&](const QModelIndex &i, const TItem &item, int) {
            if (item.Params[0] == text)
                found = i;
        });
        return found;
    }
    // Clicks: the last one named is the focused item.
    void select(const QStringList &texts)
    {
        selection.clearSelection();
        for (const QString &t : texts) {
            selection.setCurrentIndex(find(t), QItemSelectionModel::Select | QItemSelectionModel::Rows);
        }
    }
    void build(const QString &outline) { project.items().insertLeveled({}, 0, readOutline(outline)); }
    // The first text argument of every "qrn_setItemParams" call; "(none)"
    // when the arguments were left out for no item.
    QStringList shownTexts() const
    {
        QStringList out;
        for (const FakePage::Call &c : page.callsTo(QStringLiteral("qrn_setItemParams"))) {
            const PageArg first = c.args.value(0);
            out << (std::holds_alternative<QString>(first) ? std::get<QString>(first) : QStringLiteral("(none)"));
        }
        return out;
    }

    ScriptedDialogs dialogs;
    FakePage page{nullptr, QStringLiteral("itemparams.html")};
    Project project;
    QItemSelectionModel selection{&project.items()};
    ItemEdits edits{project, selection};
};

} // namespace

class ItemEditsTest : public QObject
{
    Q_OBJECT

private slots:
    void addItem_emptyTree_itemOneSelectedFocusedAndShown()
    {
        Editing e;
        e.edits.AddItem();
        QCOMPARE(e.shape(), QStringLiteral("Item 1"));
        QCOMPARE(e.selection.selectedRows(), QModelIndexList{e.find("Item 1")});
        QCOMPARE(e.selection.currentIndex(), e.find("Item 1"));
        QCOMPARE(e.project.CurrentItem, e.project.items().record(e.find("Item 1")));
        QVERIFY(e.project.Modified());
        const auto calls = e.page.callsTo(QStringLiteral("qrn_setItemParams"));
        QCOMPARE(calls.size(), 1);
        QCOMPARE(calls.first().args.size(), 11);
        QCOMPARE(e.shownTexts(), QStringList{"Item 1"});
    }

    void addItem_focusedSubitem_appendsAtTheEndOfItsLevel()
    {
        Editing e;
        e.build(QStringLiteral("A\n\tA1\n\tA2\nB"));
        e.select({"A1"});
        QSignalSpy expand(&e.project.items(), &ItemTree::expandRequested);
        e.edits.AddItem();
        QCOMPARE(e.shape(), QStringLiteral("A\n\tA1\n\tA2\n\tItem 1\nB"));
        QCOMPARE(expand.size(), 1);
        QCOMPARE(expand.first().first().toModelIndex(), e.find("A"));
    }

    void deleteAll_thenAdd_numberingContinues_andMarksModified()
    {
        Editing e;
        for (int i = 0; i < 3; ++i)
            e.edits.AddItem();
        e.project.setModified(false);
        e.dialogs.answers.enqueue(Dialogs::Answer::Yes);
        e.edits.DeleteAll();
        QCOMPARE(e.dialogs.textsOf(QStringLiteral("yesNo")), QStringList{"Do you want to delete all items?"});
        QCOMPARE(e.project.items().count(), 0);
        QCOMPARE(e.project.CurrentItem, nullptr);
        QVERIFY(e.project.Modified());
        QCOMPARE(e.shownTexts().last(), QStringLiteral("(none)"));
        e.edits.AddItem();
        QCOMPARE(e.shape(), QStringLiteral("Item 4"));
    }

    void deleteAll_emptyTree_leavesModifiedAsItWas()
    {
        Editing e;
        e.dialogs.answers.enqueue(Dialogs::Answer::Yes);
        e.edits.DeleteAll();
        QVERIFY(!e.project.Modified());
    }

    void deleteSelected_questionAnswers()
    {
        Editing e;
        e.build(QStringLiteral("A\n\tA1\nB\nC"));
        e.select({"A", "C"});
        e.project.setModified(false);
        e.dialogs.answers.enqueue(Dialogs::Answer::No);
        e.edits.DeleteSelected();
        QCOMPARE(e.shape(), QStringLiteral("A\n\tA1\nB\nC"));
        QVERIFY(!e.project.Modified());

        e.dialogs.answers.enqueue(Dialogs::Answer::Yes);
        e.edits.DeleteSelected();
        QCOMPARE(e.dialogs.textsOf(QStringLiteral("yesNo")),
                 QStringList({"Do you want to delete selected items?", "Do you want to delete selected items?"}));
        QCOMPARE(e.shape(), QStringLiteral("B"));
        QCOMPARE(e.project.CurrentItem, nullptr);
        QCOMPARE(e.shownTexts().last(), QStringLiteral("(none)"));
        QVERIFY(e.project.Modified());
    }

    void deleteSelected_nothingSelected_stillAsksAndMarksModified()
    {
        Editing e;
        e.build(QStringLiteral("A"));
        e.dialogs.answers.enqueue(Dialogs::Answer::Yes);
        e.edits.DeleteSelected();
        QCOMPARE(e.dialogs.asked.size(), 1);
        QCOMPARE(e.shape(), QStringLiteral("A"));
        QVERIFY(e.project.Modified());
    }

    void addSubitem_followsTheMenuTypesLevels_data()
    {
        QTest::addColumn<int>("type");
        QTest::addColumn<QStringList>("selected");
        QTest::addColumn<QString>("expected");
        const QString t = QStringLiteral("A\n\tA1\nB");
        QTest::newRow("menu, one item") << 0 << QStringList{"A1"} << "A\n\tA1\n\t\tItem 1\nB";
        QTest::newRow("tabs never") << 2 << QStringList{"B"} << t;
        QTest::newRow("tab menu on a top-level item") << 3 << QStringList{"B"} << t + "\n\tItem 1";
        QTest::newRow("tab menu not on a subitem") << 3 << QStringList{"A1"} << t;
        QTest::newRow("several: one under each in display order")
            << 0 << QStringList{"B", "A"} << "A\n\tA1\n\tItem 1\nB\n\tItem 2";
        QTest::newRow("several under the tab menu: only where a level is left")
            << 3 << QStringList{"A", "A1", "B"} << "A\n\tA1\n\tItem 1\nB\n\tItem 2";
    }
    void addSubitem_followsTheMenuTypesLevels()
    {
        QFETCH(int, type);
        QFETCH(QStringList, selected);
        QFETCH(QString, expected);
        Editing e(type);
        e.build(QStringLiteral("A\n\tA1\nB"));
        e.select(selected);
        const QModelIndexList before = e.selection.selectedRows();
        const QModelIndex focus = e.selection.currentIndex();
        e.edits.AddSubitem();
        QCOMPARE(e.shape(), expected);
        QCOMPARE(e.selection.selectedRows().size(), before.size());
        QCOMPARE(e.selection.currentIndex(), focus);
    }

    void drop_marksModifiedAndRefreshesThePage_evenWhenNothingMoves()
    {
        Editing e;
        e.build(QStringLiteral("A\nB"));
        e.select({"A"});
        const int shownBefore = e.shownTexts().size();
        e.edits.Drop({}, Placement::Nowhere, false);
        QCOMPARE(e.shape(), QStringLiteral("A\nB"));
        QVERIFY(e.project.Modified());
        QCOMPARE(e.shownTexts().size(), shownBefore + 1);
    }

    void drop_copyOfAParentWithTwoSubitems_addsThree()
    {
        Editing e;
        e.build(QStringLiteral("A\n\tA1\n\tA2\nB"));
        e.select({"A"});
        e.edits.Drop(e.find("B"), Placement::Into, true);
        QCOMPARE(e.project.items().count(), 7);
        QCOMPARE(e.shape(), QStringLiteral("A\n\tA1\n\tA2\nB\n\tA\n\t\tA1\n\t\tA2"));
    }

    void moves_keepTheSelectionOnTheMovedItems()
    {
        Editing e;
        e.build(QStringLiteral("A\nB\nC"));
        e.select({"B", "C"});
        e.edits.MoveUp();
        QCOMPARE(e.shape(), QStringLiteral("B\nC\nA"));
        QModelIndexList selected = e.selection.selectedRows();
        std::sort(selected.begin(), selected.end());
        QCOMPARE(selected, QModelIndexList({e.find("B"), e.find("C")}));
        QCOMPARE(e.selection.currentIndex(), e.find("C"));
        e.edits.Indent();
        QCOMPARE(e.shape(), QStringLiteral("B\n\tC\nA"));
        QVERIFY(e.selection.isSelected(e.find("C")));
    }

    void indent_underTabs_refused()
    {
        Editing e(2);
        e.build(QStringLiteral("A\nB"));
        e.select({"B"});
        e.edits.Indent();
        QCOMPARE(e.shape(), QStringLiteral("A\nB"));
    }

    void clipboard_copyThenPaste_afterTheFocusedItem_withEveryParameter()
    {
        Editing e;
        e.build(QStringLiteral("A\n\tA1\nB\nC"));
        e.project.items().record(e.find("A1"))->Params[1] = QStringLiteral("about.html");
        e.select({"A1", "A"}); // the subitem travels with its parent
        std::unique_ptr<QMimeData> mime(e.edits.Copy());
        QCOMPARE(mime->text(), QStringLiteral("A\n\tA1"));
        e.select({"B"});
        e.edits.Paste(mime.get());
        QCOMPARE(e.shape(), QStringLiteral("A\n\tA1\nB\nA\n\tA1\nC"));
        const QModelIndex pasted = e.project.items().index(2, 0);
        QCOMPARE(e.project.items().record(e.project.items().index(0, 0, pasted))->Params[1],
                 QStringLiteral("about.html"));
        QCOMPARE(e.selection.selectedRows(), QModelIndexList{pasted});
        QVERIFY(e.project.Modified());
    }

    void clipboard_cutRemovesWithoutAQuestion_pasteAtTheEndWithoutFocus()
    {
        Editing e;
        e.build(QStringLiteral("A\nB"));
        e.select({"A"});
        std::unique_ptr<QMimeData> mime(e.edits.Cut());
        QVERIFY(e.dialogs.asked.isEmpty());
        QCOMPARE(e.shape(), QStringLiteral("B"));
        e.selection.clear();
        e.edits.Paste(mime.get());
        QCOMPARE(e.shape(), QStringLiteral("B\nA"));
    }

    void clipboard_plainTextOutline_clampedToTheTypesLevels()
    {
        Editing e(3);
        e.build(QStringLiteral("A"));
        e.select({"A"});
        QMimeData text;
        text.setText(QStringLiteral("Home\n  Products\n    Tables\n    Chairs\n\n  Services\nContact"));
        e.edits.Paste(&text);
        QCOMPARE(e.shape(), QStringLiteral("A\nHome\n\tProducts\n\tTables\n\tChairs\n\tServices\nContact"));
    }

    void clipboard_damagedOwnForm_fallsBackToText()
    {
        Editing e;
        QMimeData mime;
        mime.setData(ItemTree::kMimeType, QByteArray("\x01\x02", 2));
        mime.setText(QStringLiteral("Typed"));
        e.edits.Paste(&mime);
        QCOMPARE(e.shape(), QStringLiteral("Typed"));
    }

    void paste_thousandsOfLines_isOneModelUpdate()
    {
        Editing e;
        QStringList lines;
        for (int i = 0; i < 3000; ++i)
            lines << (i % 3 ? QStringLiteral("\tSub %1").arg(i) : QStringLiteral("Top %1").arg(i));
        QMimeData text;
        text.setText(lines.join(QLatin1Char('\n')));
        QSignalSpy inserted(&e.project.items(), &QAbstractItemModel::rowsInserted);
        e.edits.Paste(&text);
        QCOMPARE(inserted.size(), 1);
        QCOMPARE(e.project.items().count(), 3000);
    }

    void selection_showsTheFocusedItem_andNoneWithoutSelection()
    {
        Editing e;
        e.build(QStringLiteral("A\nB"));
        e.select({"A", "B"});
        QCOMPARE(e.project.CurrentItem, e.project.items().record(e.find("B")));
        // Ctrl+click takes B out again: the page still shows the item clicked.
        e.selection.setCurrentIndex(e.find("B"), QItemSelectionModel::Deselect | QItemSelectionModel::Rows);
        QCOMPARE(e.project.CurrentItem, e.project.items().record(e.find("B")));
        e.selection.clearSelection();
        QCOMPARE(e.project.CurrentItem, nullptr);
        QCOMPARE(e.shownTexts(), QStringList({"A", "B", "(none)"}));
    }

    void rename_changedTextShowsAndMarks_unchangedTextDoesNothing()
    {
        Editing e;
        e.build(QStringLiteral("A"));
        e.select({"A"});
        const int shown = e.shownTexts().size();
        QVERIFY(!e.project.items().setData(e.find("A"), QStringLiteral("A")));
        QVERIFY(!e.project.Modified());
        QVERIFY(e.project.items().setData(e.find("A"), QStringLiteral("-")));
        QVERIFY(e.project.Modified());
        QCOMPARE(e.shownTexts().size(), shown + 1);
        QCOMPARE(e.shownTexts().last(), QStringLiteral("-"));
    }

    void currentItem_neverOutlivesItsItem()
    {
        Editing e;
        e.build(QStringLiteral("A\n\tA1\nB"));
        e.select({"A1"});
        QVERIFY(e.project.CurrentItem);
        e.project.items().remove({e.find("A")});
        QCOMPARE(e.project.CurrentItem, nullptr);
    }
};

PLIVEX_TEST_MAIN(ItemEditsTest)
#include "itemedits_test.moc"
