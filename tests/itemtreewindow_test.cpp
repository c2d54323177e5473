#include "app/itemtreeview.h"
#include "app/itemtreepanel.h"
#include "app/mainwindow.h"
#include "app/recentfilesmenu.h"
#include "app/windowsettings.h"
#include "app/programwindows.h"
#include "app/startup.h"
#include "controls/newspd.h"
#include "editors/itemparamsform.h"
#include "project/model/itemedits.h"
#include "project/model/outline.h"
#include "project/model/project.h"
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
    windows().project.items().walk([&all](const QModelIndex &, const TItem &item, int level) { all.append({level, item}); });
    return writeOutline(all);
}

QModelIndex find(const QString &text)
{
    QModelIndex found;
    windows().project.items().walk([&](const QModelIndex &i, const TItem &item, int) {
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
    windows().main->show();
    QVERIFY(QTest::qWaitForWindowExposed(windows().main));
    windows().project.items().clear();
    if (!outline.isEmpty())
        windows().project.items().insertLeveled({}, 0, readOutline(outline));
    windows().main->itemPanel->vtItems->expandAll();
    windows().main->activateWindow();
    windows().main->itemPanel->vtItems->setFocus();
    QVERIFY(QTest::qWaitFor([] { return QApplication::focusWidget() == windows().main->itemPanel->vtItems; }));
    windows().project.setModified(false);
}

// Keys go where the user's keyboard sends them: the widget with the focus.
void press(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    QTest::keyClick(QApplication::focusWidget(), Qt::Key(key), modifiers);
}

void click(const QString &text, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    const QRect r = windows().main->itemPanel->vtItems->visualRect(find(text));
    QTest::mouseClick(windows().main->itemPanel->vtItems->viewport(), Qt::LeftButton, modifiers, r.center());
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
        QCOMPARE(windows().main->itemPanel->lblItemCount->text(), QStringLiteral("0"));
        windows().main->itemPanel->spdAddItem->click();
        QCOMPARE(shape(), QStringLiteral("Item 1"));
        QCOMPARE(windows().main->itemPanel->lblItemCount->text(), QStringLiteral("1"));
        windows().main->itemPanel->spdAddSubitem->click();
        QCOMPARE(shape(), QStringLiteral("Item 1\n\tItem 2"));
        QVERIFY(windows().main->itemPanel->vtItems->isExpanded(find("Item 1")));
        QCOMPARE(windows().main->itemPanel->lblItemCount->text(), QStringLiteral("2"));
        // The new item is shown in the real item parameters page.
        QVERIFY(windows().project.Modified());
        QCOMPARE(windows().project.CurrentItem, windows().project.items().record(find("Item 1")));
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
        QVERIFY(windows().main->itemPanel->vtItems->isExpanded(find("A")));
        press(Qt::Key_Left, Qt::AltModifier);
        QCOMPARE(shape(), QStringLiteral("A\nB\nC"));
        press(Qt::Key_Insert);
        QCOMPARE(shape(), QStringLiteral("A\nB\nC\nItem 1"));
        press(Qt::Key_Insert, Qt::AltModifier);
        QCOMPARE(shape(), QStringLiteral("A\nB\nC\nItem 1\n\tItem 2"));
        QVERIFY(windows().project.Modified());

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
        QCOMPARE(windows().main->itemPanel->vtItems->selectionModel()->selectedRows().size(), 3);
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
        QTRY_COMPARE(windows().project.items().record(windows().project.items().index(0, 0))->Params[0], QStringLiteral("-"));
        QCOMPARE(windows().project.items().index(0, 0).data().toString(), QStringLiteral("<separator>"));
        QVERIFY(windows().project.Modified());
    }

    void popupMenu_holdsThePartsEntriesWithTheirKeys()
    {
        AppFixture app;
        openWithItems(app, {});
        QStringList entries;
        for (const QAction *a : windows().main->itemPanel->pmItems->actions())
            entries << (a->isSeparator() ? QStringLiteral("-") : a->text() + QLatin1Char('|') +
                                                                    a->shortcut().toString(QKeySequence::PortableText));
        QCOMPARE(entries.mid(0, 8), QStringList({"Add Item|Ins", "Add Subitem|Alt+Ins", "-", "Delete Selected|Del",
                                                 "Delete All|", "-", "Expand All|", "Collapse All|"}));
        QVERIFY(entries.contains(QStringLiteral("Paste|Ctrl+V")));
        windows().main->command(QStringLiteral("addItem"))->trigger();
        windows().main->command(QStringLiteral("collapseAll"))->trigger();
        QCOMPARE(windows().project.items().count(), 1);
    }

    void deleteAll_button_asksAndEmptiesThePageEvenAfterNo()
    {
        AppFixture app;
        openWithItems(app, QStringLiteral("A\nB"));
        app.dialogs.answers.enqueue(Dialogs::Answer::No);
        windows().main->itemPanel->spdDeleteAll->click();
        QCOMPARE(shape(), QStringLiteral("A\nB"));
        app.dialogs.answers.enqueue(Dialogs::Answer::Yes);
        windows().main->itemPanel->spdDeleteAll->click();
        QCOMPARE(windows().project.items().count(), 0);
        QCOMPARE(windows().main->itemPanel->lblItemCount->text(), QStringLiteral("0"));
        QCOMPARE(app.dialogs.textsOf(QStringLiteral("yesNo")),
                 QStringList({"Do you want to delete all items?", "Do you want to delete all items?"}));
    }

    void drop_bandsOfARow_andDropOnEmptySpace()
    {
        AppFixture app;
        openWithItems(app, QStringLiteral("A\nB\nC"));
        ItemTreeView *view = windows().main->itemPanel->vtItems;
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
        QVERIFY(windows().project.Modified());
    }

    void clickOnAnItemOfAMultiSelection_selectsItAlone_andTheItemWindowSaysWhenSeveralAreSelected()
    {
        AppFixture app;
        openWithItems(app, QStringLiteral("A\nB\nC"));
        click(QStringLiteral("A"));
        QVERIFY(windows().itemParams->lblSeveralSelected->isHidden());
        click(QStringLiteral("C"), Qt::ShiftModifier);
        QCOMPARE(windows().main->itemPanel->vtItems->selectionModel()->selectedRows().size(), 3);
        QVERIFY(!windows().itemParams->lblSeveralSelected->isHidden());
        QCOMPARE(windows().itemParams->lblSeveralSelected->text(),
                 QStringLiteral("3 items selected: changes go to all of them."));
        QCOMPARE(windows().itemParams->windowTitle(), QStringLiteral("Item Parameters - 3 items"));

        click(QStringLiteral("B"));
        const QModelIndexList selected = windows().main->itemPanel->vtItems->selectionModel()->selectedRows();
        QCOMPARE(selected.size(), 1);
        QCOMPARE(selected.first(), find(QStringLiteral("B")));
        QCOMPARE(windows().main->itemPanel->vtItems->currentIndex(), find(QStringLiteral("B")));
        QVERIFY(windows().itemParams->lblSeveralSelected->isHidden());
        QCOMPARE(windows().itemParams->windowTitle(), QStringLiteral("Item Parameters"));
        // A second click on the one selected item still renames, as before.
        click(QStringLiteral("B"));
        QTRY_VERIFY(qobject_cast<QLineEdit *>(QApplication::focusWidget()));
    }
};

PLIVEX_TEST_MAIN(ItemTreeWindowTest)
#include "itemtreewindow_test.moc"
