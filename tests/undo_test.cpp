#include "app/itemtreepanel.h"
#include "app/mainwindow.h"
#include "app/recentfilesmenu.h"
#include "app/windowsettings.h"
#include "app/programwindows.h"
#include "app/startup.h"
#include "editors/itemparamsform.h"
#include "editors/itemstylesform.h"
#include "page/page.h"
#include "project/datafile/datasave.h"
#include "controls/newspd.h"
#include "project/model/itemedits.h"
#include "project/model/project.h"
#include "project/history/projecthistory.h"
#include "app/itemtreeview.h"
#include "support/appfixture.h"
#include "support/testmain.h"
#include "support/webharness.h"

#include <QAction>
#include <QItemSelectionModel>
#include <QSet>
#include <QMenu>
#include <QPushButton>

namespace {

// The main window with the Ostrel Menu's default project loaded.
void openDefaultProject(AppFixture &app)
{
    app.createWindows();
    app.chooseMenuType(0);
    QVERIFY(app.waitForParameterPage());
    QVERIFY(windows().main->history->history().count() == 1);
}

} // namespace

class UndoTest : public QObject
{
    Q_OBJECT

private slots:
    void editMenu_undoAndRedoAnItemEdit_throughThePages()
    {
        AppFixture app;
        openDefaultProject(app);
        const int items = windows().project.items().count();
        const QString saved = windows().main->history->history().current()->dataText;
        QVERIFY(!windows().main->miUndo->isEnabled());

        windows().main->itemPanel->spdAddItem->click();
        QCOMPARE(windows().main->miUndo->text(), QStringLiteral("Undo Add Item"));
        QVERIFY(windows().main->miUndo->isEnabled());
        windows().main->miUndo->trigger();
        QCOMPARE(windows().project.items().count(), items);
        QCOMPARE(windows().main->history->history().current()->dataText, saved);
        QVERIFY(!windows().project.Modified());
        QCOMPARE(windows().main->miRedo->text(), QStringLiteral("Redo Add Item"));

        windows().main->miRedo->trigger();
        QCOMPARE(windows().project.items().count(), items + 1);
        QVERIFY(windows().project.Modified());
        QVERIFY(windows().main->history->recovery().exists());
        // The data text read back is the one recorded: nothing new to record.
        QVERIFY(!windows().main->history->canRedo());
        QCOMPARE(windows().main->history->history().count(), 2);
    }

    // Text, then link, typed in the item parameters page within the quiet
    // time: two steps, undone one field at a time.
    void undo_textThenLink_takesBackOneFieldAtATime()
    {
        AppFixture app;
        openDefaultProject(app);
        ItemTreeView *tree = windows().main->itemPanel->vtItems;
        const QModelIndex first = windows().project.items().index(0, 0);
        tree->selectionModel()->setCurrentIndex(first, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
        const TItem before = *windows().project.items().record(first);
        Page *page = windows().itemParams->wbItemParams;
        const auto typeField = [page](const QString &name, const QString &value) {
            page->callText(QStringLiteral("eval"),
                           {QStringLiteral("document.querySelector('[data-name=\"%1\"] input').value='%2',''").arg(name, value)});
        };
        typeField(QStringLiteral("text"), QStringLiteral("Fresh bread"));
        windows().itemParams->ApplyItemCommand(QStringLiteral("item0"));
        typeField(QStringLiteral("link"), QStringLiteral("bread.html"));
        windows().itemParams->ApplyItemCommand(QStringLiteral("item1"));
        QVERIFY(windows().main->history->hasPendingRecord());
        // Undo loads the project anew: the item is found again each time.
        const auto field = [](int n) {
            const ItemTree &items = windows().project.items();
            return items.record(items.index(0, 0))->Params[size_t(n)];
        };
        QCOMPARE(field(1), QStringLiteral("bread.html"));

        windows().main->miUndo->trigger();
        QCOMPARE(field(1), before.Params[1]);
        QCOMPARE(field(0), QStringLiteral("Fresh bread"));
        windows().main->miUndo->trigger();
        QCOMPARE(field(0), before.Params[0]);
        QVERIFY(!windows().main->history->canUndo());
        windows().main->miRedo->trigger();
        QCOMPARE(field(0), QStringLiteral("Fresh bread"));
        QCOMPARE(field(1), before.Params[1]);
    }

    // After an undo or redo the item page shows the item selected where the
    // change was made, afresh, or no item with its fields disabled: never an
    // item that is gone, where typing would reach nothing.
    void undo_itemPageShowsTheProjectAsItIsNow()
    {
        AppFixture app;
        openDefaultProject(app);
        Page *page = windows().itemParams->wbItemParams;
        const auto pageShows = [page] {
            if (page->callText(QStringLiteral("eval"), {QStringLiteral("String(document.querySelector('fieldset').disabled)")})
                == QLatin1String("true"))
                return QStringLiteral("(no item)");
            return page->callText(QStringLiteral("qrn_getItemParam"), {0});
        };
        QCOMPARE(pageShows(), QStringLiteral("(no item)"));
        windows().main->itemPanel->spdAddItem->click();
        const QString added = windows().project.CurrentItem->Params[0];
        QTRY_COMPARE(pageShows(), added);

        windows().main->miUndo->trigger();
        QTRY_COMPARE(pageShows(), QStringLiteral("(no item)"));
        // A late report of the page goes nowhere and marks nothing.
        windows().itemParams->ApplyItemCommand(QStringLiteral("item0"));
        QVERIFY(!windows().project.Modified());
        QVERIFY(windows().main->history->canRedo());
        windows().main->miRedo->trigger();
        QTRY_COMPARE(pageShows(), added);

        const QModelIndex first = windows().project.items().index(0, 0);
        const QString text = windows().project.items().record(first)->Params[0];
        windows().main->itemPanel->vtItems->selectionModel()->setCurrentIndex(
            first, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
        page->callText(QStringLiteral("eval"),
                       {QStringLiteral("document.querySelector('[data-name=\"text\"] input').value='Fresh bread',''")});
        windows().itemParams->ApplyItemCommand(QStringLiteral("item0"));
        windows().main->miUndo->trigger();
        QTRY_COMPARE(pageShows(), text);
        QCOMPARE(windows().project.CurrentItem->Params[0], text);
    }

    void undo_ofAStyleChange_restoresTheExactDataText()
    {
        AppFixture app;
        openDefaultProject(app);
        const QString before = windows().main->history->history().current()->dataText;
        const int styles = windows().project.ItemStyles.size();
        windows().itemStyles->edits->Add();
        QCOMPARE(windows().main->miUndo->text(), QStringLiteral("Undo Add Style"));
        windows().main->history->flush();
        QVERIFY(windows().main->history->history().current()->dataText != before);
        windows().main->miUndo->trigger();
        QCOMPARE(windows().project.ItemStyles.size(), styles);
        QCOMPARE(BuildDataText(windows().project, *windows().main->wb, *windows().itemParams->wbItemParams), before);
        windows().main->miRedo->trigger();
        QCOMPARE(windows().project.ItemStyles.size(), styles + 1);
        QCOMPARE(windows().project.ItemStyles.last().Name, QStringLiteral("New Individual Style"));
    }

    void editMenu_isOffWhileTheMainMenuIs()
    {
        AppFixture app;
        openDefaultProject(app);
        windows().main->EnableMainMenu(false);
        QVERIFY(!windows().main->miEdit->menuAction()->isEnabled());
        QVERIFY(!windows().main->miUndo->isEnabled());
        windows().main->EnableMainMenu(true);
        QVERIFY(windows().main->miEdit->menuAction()->isEnabled());
    }

    void newProject_discardingChanges_removesTheRecoveryFile()
    {
        AppFixture app;
        openDefaultProject(app);
        windows().main->itemPanel->spdAddItem->click();
        windows().main->history->flush();
        QVERIFY(windows().main->history->recovery().exists());
        app.dialogs.answers.enqueue(Dialogs::Answer::No);
        windows().main->NewProjectExecute();
        QVERIFY(!windows().main->history->recovery().exists());
        QVERIFY(!windows().main->history->canUndo());
    }

    void undo_keepsTheItemCounter_newItemsNeverRepeatANumber()
    {
        AppFixture app;
        openDefaultProject(app);
        QStringList added;
        auto addOne = [&added] {
            windows().main->itemPanel->spdAddItem->click();
            added << windows().project.items().record(windows().main->itemPanel->vtItems->currentIndex())->Params[0];
            windows().main->history->flush();
        };
        addOne();
        addOne();
        windows().main->miUndo->trigger();
        windows().main->miUndo->trigger();
        addOne();
        QCOMPARE(added.size(), 3);
        QCOMPARE(QSet<QString>(added.begin(), added.end()).size(), 3);
    }

    void undo_whenThePageFailsToReadTheState_keepsTreeAndHistoryUsable()
    {
        AppFixture app;
        openDefaultProject(app);
        windows().main->itemPanel->spdAddItem->click();
        windows().main->history->flush();
        const int items = windows().project.items().count();
        const int states = windows().main->history->history().count();
        // The parameter page can no longer read a data text.
        windows().main->wb->call(QStringLiteral("eval"),
                      {QStringLiteral("window.qrn_loadValues = function () { throw new Error('broken'); };")});

        QVERIFY(!windows().main->history->Undo());
        QCOMPARE(windows().project.items().count(), items);
        QCOMPARE(app.dialogs.textsOf(QStringLiteral("error")).size(), 1);
        // Still at the newest state, and still recording.
        QVERIFY(windows().main->miUndo->isEnabled());
        QVERIFY(!windows().main->history->canRedo());
        windows().main->itemPanel->spdAddItem->click();
        windows().main->history->flush();
        QCOMPARE(windows().main->history->history().count(), states + 1);
    }
};

PLIVEX_TEST_MAIN(UndoTest)
#include "undo_test.moc"
