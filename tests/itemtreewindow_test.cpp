#include "app/itemtreeview.h"
#include "app/main.h"
#include "app/startup.h"
#include "controls/newspd.h"
#include "editors/itemparamsform.h"
#include "project/itemedits.h"
#include "project/outline.h"
#include "project/project.h"
#include "support/appfixture.h"
#include "support/testmain.h"
#include "support/webharness.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>

namespace {

QString shape()
{
    QList<LeveledItem> all;
    project->items().walk([&all](const QModelIndex &, const TItem &item, int level) { all.append({level, item}); });
    return writeOutline(all);
}

QModelIndex find(const QString &text)
{
    QModelIndex found;
    project->items().walk([&](const QModelIndex &i, const TItem &item, int) {
        if (item.Params[0] == text)
            found = i;
    });
    return found;
}

// The main window up with the Ostrel Menu pages, an emptied tree that has the
// keyboard focus, and `outline` as its items.
void openWithItems(AppFixture &app, const QString &outline)
{
    app.createWindows();
    app.chooseMenuType(0);
    QVERIFY(app.waitForParameterPage());
    frm->show();
    QVERIFY(QTest::qWaitForWindowExposed(frm));
    project->items().clear();
    if (!outline.isEmpty())
        project->items().insertLeveled({}, 0, readOutline(outline));
    frm->vtItems->expandAll();
    frm->activateWindow();
    frm->vtItems->setFocus();
    QVERIFY(QTest::qWaitFor([] { return QApplication::focusWidget() == frm->vtItems; }));
    project->setModified(false);
}

// Keys go where the user's keyboard sends them: the widget with the focus.
void press(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    QTest::keyClick(QApplication::focusWidget(), Qt::Key(key), modifiers);
}

void click(const QString &text, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    const QRect r = frm->vtItems->visualRect(find(text));
    QTest::mouseClick(frm->vtItems->viewport(), Qt::LeftButton, modifiers, r.center());
}

} // namespace

class ItemTreeWindowTest : public QObject
{
    Q_OBJECT

private slots:
    void buttons_addItemAndSubitem_countLabelFollows()
    {
        AppFixture app;
        openWithItems(app, {});
        QCOMPARE(frm->lblMenuItems->text(), QStringLiteral("0"));
        frm->spdAddItem->click();
        QCOMPARE(shape(), QStringLiteral("Item 1"));
        QCOMPARE(frm->lblMenuItems->text(), QStringLiteral("1"));
        frm->spdAddSubitem->click();
        QCOMPARE(shape(), QStringLiteral("Item 1\n\tItem 2"));
        QVERIFY(frm->vtItems->isExpanded(find("Item 1")));
        QCOMPARE(frm->lblMenuItems->text(), QStringLiteral("2"));
        // The new item is shown in the real item parameters page.
        QVERIFY(project->Modified());
        QCOMPARE(project->CurrentItem, project->items().record(find("Item 1")));
    }

    void keys_inTheFocusedTree_editTheItems()
    {
        AppFixture app;
        openWithItems(app, QStringLiteral("A\nB\nC"));
        click(QStringLiteral("B"));
        press(Qt::Key_Up, Qt::AltModifier);
        QCOMPARE(shape(), QStringLiteral("B\nA\nC"));
        press(Qt::Key_Down, Qt::AltModifier);
        press(Qt::Key_Right, Qt::AltModifier);
        QCOMPARE(shape(), QStringLiteral("A\n\tB\nC"));
        QVERIFY(frm->vtItems->isExpanded(find("A")));
        press(Qt::Key_Left, Qt::AltModifier);
        QCOMPARE(shape(), QStringLiteral("A\nB\nC"));
        press(Qt::Key_Insert);
        QCOMPARE(shape(), QStringLiteral("A\nB\nC\nItem 1"));
        press(Qt::Key_Insert, Qt::AltModifier);
        QCOMPARE(shape(), QStringLiteral("A\nB\nC\nItem 1\n\tItem 2"));
        QVERIFY(project->Modified());

        app.dialogs.answers.enqueue(Dialogs::Answer::Yes);
        press(Qt::Key_Delete);
        QCOMPARE(app.dialogs.textsOf(QStringLiteral("yesNo")), QStringList{"Do you want to delete selected items?"});
        QCOMPARE(shape(), QStringLiteral("A\nB\nC"));
    }

    void keys_selectAllCopyPaste_throughTheSystemClipboard()
    {
        AppFixture app;
        openWithItems(app, QStringLiteral("A\n\tA1\nB"));
        click(QStringLiteral("B"));
        press(Qt::Key_A, Qt::ControlModifier);
        QCOMPARE(frm->vtItems->selectionModel()->selectedRows().size(), 3);
        press(Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("A\n\tA1\nB"));
        press(Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(shape(), QStringLiteral("A\n\tA1\nB\nA\n\tA1\nB"));
        press(Qt::Key_X, Qt::ControlModifier);
        QCOMPARE(shape(), QStringLiteral("A\n\tA1\nB"));
        QVERIFY(app.dialogs.asked.isEmpty());
    }

    void f2_renamesInPlace_separatorShownAndEditedAsShown()
    {
        AppFixture app;
        openWithItems(app, QStringLiteral("A"));
        click(QStringLiteral("A"));
        press(Qt::Key_F2);
        auto *editor = qobject_cast<QLineEdit *>(QApplication::focusWidget());
        QVERIFY(editor);
        QCOMPARE(editor->text(), QStringLiteral("A"));
        editor->selectAll();
        QTest::keyClicks(editor, QStringLiteral("-"));
        press(Qt::Key_Return);
        // The view commits the edit from the event loop.
        QTRY_COMPARE(project->items().record(project->items().index(0, 0))->Params[0], QStringLiteral("-"));
        QCOMPARE(project->items().index(0, 0).data().toString(), QStringLiteral("<separator>"));
        QVERIFY(project->Modified());
    }

    void popupMenu_holdsThePartsEntriesWithTheirKeys()
    {
        AppFixture app;
        openWithItems(app, {});
        QStringList entries;
        for (const QAction *a : frm->pmItems->actions())
            entries << (a->isSeparator() ? QStringLiteral("-") : a->text() + QLatin1Char('|') +
                                                                    a->shortcut().toString(QKeySequence::PortableText));
        QCOMPARE(entries.mid(0, 8), QStringList({"Add Item|Ins", "Add Subitem|Alt+Ins", "-", "Delete Selected|Del",
                                                 "Delete All|", "-", "Expand All|", "Collapse All|"}));
        QVERIFY(entries.contains(QStringLiteral("Paste|Ctrl+V")));
        frm->miAddItem->trigger();
        frm->miCollapseAll->trigger();
        QCOMPARE(project->items().count(), 1);
    }

    void deleteAll_button_asksAndEmptiesThePageEvenAfterNo()
    {
        AppFixture app;
        openWithItems(app, QStringLiteral("A\nB"));
        app.dialogs.answers.enqueue(Dialogs::Answer::No);
        frm->spdDeleteAll->click();
        QCOMPARE(shape(), QStringLiteral("A\nB"));
        app.dialogs.answers.enqueue(Dialogs::Answer::Yes);
        frm->spdDeleteAll->click();
        QCOMPARE(project->items().count(), 0);
        QCOMPARE(frm->lblMenuItems->text(), QStringLiteral("0"));
        QCOMPARE(app.dialogs.textsOf(QStringLiteral("yesNo")),
                 QStringList({"Do you want to delete all items?", "Do you want to delete all items?"}));
    }

    void drop_bandsOfARow_andDropOnEmptySpace()
    {
        AppFixture app;
        openWithItems(app, QStringLiteral("A\nB\nC"));
        ItemTreeView *view = frm->vtItems;
        const QRect b = view->visualRect(find("B"));
        QCOMPARE(b.height(), 17);
        QModelIndex target;
        QCOMPARE(view->placementAt(QPoint(b.center().x(), b.top() + 1), &target), Placement::Before);
        QCOMPARE(target, find("B"));
        QCOMPARE(view->placementAt(b.center(), nullptr), Placement::Into);
        QCOMPARE(view->placementAt(QPoint(b.center().x(), b.bottom() - 1), nullptr), Placement::After);
        const QPoint below(b.center().x(), view->visualRect(find("C")).bottom() + 30);
        QCOMPARE(view->placementAt(below, nullptr), Placement::Nowhere);

        click(QStringLiteral("A"));
        click(QStringLiteral("C"), Qt::ControlModifier);
        view->onDrop(find("B"), Placement::After, false);
        QCOMPARE(shape(), QStringLiteral("B\nA\nC"));
        view->onDrop(QModelIndex(), Placement::Nowhere, false);
        QCOMPARE(shape(), QStringLiteral("B\nA\nC"));
        QVERIFY(project->Modified());
    }

    void clickOnAnItemOfAMultiSelection_selectsItAlone_andTheItemWindowSaysWhenSeveralAreSelected()
    {
        AppFixture app;
        openWithItems(app, QStringLiteral("A\nB\nC"));
        click(QStringLiteral("A"));
        QVERIFY(frmItemParams->lblSeveralSelected->isHidden());
        click(QStringLiteral("C"), Qt::ShiftModifier);
        QCOMPARE(frm->vtItems->selectionModel()->selectedRows().size(), 3);
        QVERIFY(!frmItemParams->lblSeveralSelected->isHidden());
        QCOMPARE(frmItemParams->lblSeveralSelected->text(),
                 QStringLiteral("3 items selected: changes go to all of them."));
        QCOMPARE(frmItemParams->windowTitle(), QStringLiteral("Item Parameters - 3 items"));

        click(QStringLiteral("B"));
        const QModelIndexList selected = frm->vtItems->selectionModel()->selectedRows();
        QCOMPARE(selected.size(), 1);
        QCOMPARE(selected.first(), find(QStringLiteral("B")));
        QCOMPARE(frm->vtItems->currentIndex(), find(QStringLiteral("B")));
        QVERIFY(frmItemParams->lblSeveralSelected->isHidden());
        QCOMPARE(frmItemParams->windowTitle(), QStringLiteral("Item Parameters"));
        // A second click on the one selected item still renames, as before.
        click(QStringLiteral("B"));
        QTRY_VERIFY(qobject_cast<QLineEdit *>(QApplication::focusWidget()));
    }
};

PLIVEX_TEST_MAIN(ItemTreeWindowTest)
#include "itemtreewindow_test.moc"
