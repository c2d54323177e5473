#include "app/main.h"
#include "app/startup.h"
#include "editors/itemparamsform.h"
#include "editors/itemstylesform.h"
#include "project/datasave.h"
#include "controls/newspd.h"
#include "project/itemedits.h"
#include "project/project.h"
#include "project/projecthistory.h"
#include "app/itemtreeview.h"
#include "support/appfixture.h"
#include "support/testmain.h"
#include "support/webharness.h"

#include <QAction>
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
    QVERIFY(frm->history->history().count() == 1);
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
        const int items = project->items().count();
        const QString saved = frm->history->history().current()->dataText;
        QVERIFY(!frm->miUndo->isEnabled());

        frm->spdAddItem->click();
        QCOMPARE(frm->miUndo->text(), QStringLiteral("Undo Add Item"));
        QVERIFY(frm->miUndo->isEnabled());
        frm->miUndo->trigger();
        QCOMPARE(project->items().count(), items);
        QCOMPARE(frm->history->history().current()->dataText, saved);
        QVERIFY(!project->Modified());
        QCOMPARE(frm->miRedo->text(), QStringLiteral("Redo Add Item"));

        frm->miRedo->trigger();
        QCOMPARE(project->items().count(), items + 1);
        QVERIFY(project->Modified());
        QVERIFY(frm->history->recovery().exists());
        // The data text read back is the one recorded: nothing new to record.
        QVERIFY(!frm->history->canRedo());
        QCOMPARE(frm->history->history().count(), 2);
    }

    void undo_ofAStyleChange_restoresTheExactDataText()
    {
        AppFixture app;
        openDefaultProject(app);
        const QString before = frm->history->history().current()->dataText;
        const int styles = project->ItemStyles.size();
        frmItemStyles->edits->Add();
        QCOMPARE(frm->miUndo->text(), QStringLiteral("Undo Add Style"));
        frm->history->flush();
        QVERIFY(frm->history->history().current()->dataText != before);
        frm->miUndo->trigger();
        QCOMPARE(project->ItemStyles.size(), styles);
        QCOMPARE(BuildDataText(*project, *frm->wb, *frmItemParams->wbItemParams), before);
        frm->miRedo->trigger();
        QCOMPARE(project->ItemStyles.size(), styles + 1);
        QCOMPARE(project->ItemStyles.last().Name, QStringLiteral("New Individual Style"));
    }

    void editMenu_isOffWhileTheMainMenuIs()
    {
        AppFixture app;
        openDefaultProject(app);
        frm->EnableMainMenu(false);
        QVERIFY(!frm->miEdit->menuAction()->isEnabled());
        QVERIFY(!frm->miUndo->isEnabled());
        frm->EnableMainMenu(true);
        QVERIFY(frm->miEdit->menuAction()->isEnabled());
    }

    void newProject_discardingChanges_removesTheRecoveryFile()
    {
        AppFixture app;
        openDefaultProject(app);
        frm->spdAddItem->click();
        frm->history->flush();
        QVERIFY(frm->history->recovery().exists());
        app.dialogs.answers.enqueue(Dialogs::Answer::No);
        frm->NewProjectExecute();
        QVERIFY(!frm->history->recovery().exists());
        QVERIFY(!frm->history->canUndo());
    }

    void undo_keepsTheItemCounter_newItemsNeverRepeatANumber()
    {
        AppFixture app;
        openDefaultProject(app);
        QStringList added;
        auto addOne = [&added] {
            frm->spdAddItem->click();
            added << project->items().record(frm->vtItems->currentIndex())->Params[0];
            frm->history->flush();
        };
        addOne();
        addOne();
        frm->miUndo->trigger();
        frm->miUndo->trigger();
        addOne();
        QCOMPARE(added.size(), 3);
        QCOMPARE(QSet<QString>(added.begin(), added.end()).size(), 3);
    }

    void undo_whenThePageFailsToReadTheState_keepsTreeAndHistoryUsable()
    {
        AppFixture app;
        openDefaultProject(app);
        frm->spdAddItem->click();
        frm->history->flush();
        const int items = project->items().count();
        const int states = frm->history->history().count();
        // The parameter page can no longer read a data text.
        frm->wb->call(QStringLiteral("eval"),
                      {QStringLiteral("window.qrn_loadValues = function () { throw new Error('broken'); };")});

        QVERIFY(!frm->history->Undo());
        QCOMPARE(project->items().count(), items);
        QCOMPARE(app.dialogs.textsOf(QStringLiteral("error")).size(), 1);
        // Still at the newest state, and still recording.
        QVERIFY(frm->miUndo->isEnabled());
        QVERIFY(!frm->history->canRedo());
        frm->spdAddItem->click();
        QVERIFY(frm->history->quietTime.isActive());
        frm->history->flush();
        QCOMPARE(frm->history->history().count(), states + 1);
    }
};

PLIVEX_TEST_MAIN(UndoTest)
#include "undo_test.moc"
