// A page's renderer that ends under the editor: the page comes back and the
// project is put back into it from the last recorded state.
#include "app/itemtreepanel.h"
#include "app/mainwindow.h"
#include "app/saveprojectform.h"
#include "app/itemtreeview.h"
#include "app/programwindows.h"
#include "controls/newspd.h"
#include "editors/itemparamsform.h"
#include "page/webpage.h"
#include "project/datafile/datasave.h"
#include "project/history/history.h"
#include "project/lifecycle/projectcontroller.h"
#include "project/history/projecthistory.h"
#include "support/appfixture.h"
#include "support/testmain.h"
#include "support/webharness.h"

#include <QFile>
#include <QItemSelectionModel>
#include <QTimer>
#include <QWebEnginePage>
#include <QWebEngineView>

#include <csignal>
#include <sys/types.h>

namespace {

// The default project of the Ostrel Menu with one item added and recorded;
// answers the recorded data text.
QString recordedProjectWithAnAddedItem(AppFixture &app)
{
    app.createWindows();
    app.chooseMenuType(0);
    if (!app.waitForParameterPage())
        return {};
    windows().main->itemPanel->spdAddItem->click();
    windows().main->history->flush();
    return windows().main->history->history().current()->dataText;
}

// The rows of a test run for each page that holds part of the project.
void addPageRows()
{
    QTest::addColumn<QString>("page");
    QTest::newRow("parameter page") << "params";
    QTest::newRow("item page") << "itemParams";
}

Page *pageNamed(const QString &name)
{
    return name == QLatin1String("params") ? windows().main->wb : windows().itemParams->wbItemParams;
}

// The hang limit of every page of the main window.
void setHangLimits(int ms)
{
    for (Page *page : {windows().main->wb, windows().itemParams->wbItemParams, windows().main->wbToolbar})
        static_cast<WebPage *>(page)->setHangLimit(ms);
}

QString dataTextNow()
{
    return BuildDataText(windows().project, *windows().main->wb, *windows().itemParams->wbItemParams);
}

} // namespace

class RendererRecoveryTest : public QObject
{
    Q_OBJECT

private slots:
    void killedRenderer_pageComesBackWithTheRecordedProject_data() { addPageRows(); }
    void killedRenderer_pageComesBackWithTheRecordedProject()
    {
        QFETCH(QString, page);
        AppFixture app;
        const QString recorded = recordedProjectWithAnAddedItem(app);
        QVERIFY(!recorded.isEmpty());
        const int items = windows().project.items().count();
        const int counter = windows().project.ItemCounter;
        // Saved as it is: only the recovery may make it count as changed.
        windows().main->history->saved();
        windows().project.setModified(false);

        Page *target = pageNamed(page);
        QWebEnginePage *web = static_cast<WebPage *>(target)->view()->page();
        const qint64 pid = web->renderProcessPid();
        QVERIFY(pid > 0);
        QCOMPARE(::kill(static_cast<pid_t>(pid), SIGKILL), 0);

        QVERIFY(harness::waitUntil([&] { return !app.dialogs.textsOf(QStringLiteral("message")).isEmpty(); }));
        QVERIFY(windows().main->wb->hasDocument());
        QVERIFY(windows().itemParams->wbItemParams->hasDocument());
        QCOMPARE(windows().project.items().count(), items);
        QCOMPARE(windows().project.ItemCounter, counter);
        QCOMPARE(dataTextNow(), recorded);
        QVERIFY(windows().project.Modified());
        // Told once, though every page of that renderer ended with it.
        QCoreApplication::processEvents();
        QCOMPARE(app.dialogs.textsOf(QStringLiteral("message")).size(), 1);
        QVERIFY(app.dialogs.textsOf(QStringLiteral("error")).isEmpty());
        // The pages answer again: an edit is recorded and undone as before.
        windows().main->itemPanel->spdAddItem->click();
        QCOMPARE(windows().project.items().count(), items + 1);
        QVERIFY(windows().main->history->Undo());
        QCOMPARE(windows().project.items().count(), items);
    }

    void hungRenderer_isEndedAndThePageComesBackWithTheRecordedProject()
    {
        AppFixture app;
        const QString recorded = recordedProjectWithAnAddedItem(app);
        QVERIFY(!recorded.isEmpty());
        const int items = windows().project.items().count();
        setHangLimits(1000);
        QWebEnginePage *web = static_cast<WebPage *>(windows().main->wb)->view()->page();
        const qint64 hung = web->renderProcessPid();
        // A script that never ends: the page answers nothing from now on.
        web->runJavaScript(QStringLiteral("for (;;) {}"));

        QVERIFY(harness::waitUntil([&] { return !app.dialogs.textsOf(QStringLiteral("message")).isEmpty(); }));
        QVERIFY(web->renderProcessPid() != hung);
        QCOMPARE(windows().project.items().count(), items);
        QCOMPARE(dataTextNow(), recorded);
        QVERIFY(windows().project.Modified());
        QCOMPARE(app.dialogs.textsOf(QStringLiteral("message")).size(), 1);
    }

    // A pick that waited on the hung item page fails with it; the user is
    // told once, by the recovery, which says what became of the project.
    void callWaitingOnAHungPage_isToldOnceByTheRecovery()
    {
        AppFixture app;
        QVERIFY(!recordedProjectWithAnAddedItem(app).isEmpty());
        setHangLimits(60000);
        Page *itemPage = windows().itemParams->wbItemParams;
        itemPage->setCallTimeout(1000);
        static_cast<WebPage *>(itemPage)->view()->page()->runJavaScript(QStringLiteral("for (;;) {}"));
        ItemTreeView *tree = windows().main->itemPanel->vtItems;
        QTimer::singleShot(0, tree, [tree] {
            tree->selectionModel()->setCurrentIndex(windows().project.items().index(1, 0),
                                                    QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
        });
        QVERIFY(harness::waitUntil([&] { return !app.dialogs.textsOf(QStringLiteral("message")).isEmpty(); }));
        QCoreApplication::processEvents();
        QCOMPARE(app.dialogs.textsOf(QStringLiteral("message")).size(), 1);
        QVERIFY2(app.dialogs.textsOf(QStringLiteral("error")).isEmpty(),
                 qPrintable(app.dialogs.textsOf(QStringLiteral("error")).join(QLatin1Char('\n'))));
    }

    // After a hung page was recovered, the pages' reports reach the project
    // again: a text typed into the item page is saved, and quitting asks.
    void afterAHangRecovered_itemEditsAreStoredAndSaved_data() { addPageRows(); }
    void afterAHangRecovered_itemEditsAreStoredAndSaved()
    {
        QFETCH(QString, page);
        AppFixture app;
        QVERIFY(!recordedProjectWithAnAddedItem(app).isEmpty());
        setHangLimits(1000);
        Page *hung = pageNamed(page);
        static_cast<WebPage *>(hung)->view()->page()->runJavaScript(QStringLiteral("for (;;) {}"));
        QVERIFY(harness::waitUntil([&] { return !app.dialogs.textsOf(QStringLiteral("message")).isEmpty(); }));
        QVERIFY(windows().project.Modified());
        // A call that was waiting on the hung page may have been reported;
        // from here on nothing fails.
        const int errorsBefore = app.dialogs.textsOf(QStringLiteral("error")).size();

        ItemTreeView *tree = windows().main->itemPanel->vtItems;
        const QModelIndex first = windows().project.items().index(0, 0);
        tree->selectionModel()->setCurrentIndex(first, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
        Page *itemPage = windows().itemParams->wbItemParams;
        QVERIFY(harness::waitUntil([&] {
            return itemPage->callText(QStringLiteral("qrn_getItemParam"), {0})
                   == windows().project.items().record(first)->Params[0];
        }));
        // Typed as the user types: the page reports it on its own.
        itemPage->callText(QStringLiteral("eval"),
                           {QStringLiteral("(function(){var e=document.querySelector('[data-name=\"text\"] input');"
                                           "e.value='After the hang';e.dispatchEvent(new Event('change'));return ''})()")});
        QVERIFY(harness::waitUntil(
            [&] { return windows().project.items().record(first)->Params[0] == QLatin1String("After the hang"); }));

        const QString path = app.folder() + QStringLiteral("after.js");
        QVERIFY(windows().saveProject->SaveProject(path));
        QFile saved(path);
        QVERIFY(saved.open(QIODevice::ReadOnly));
        QVERIFY(saved.readAll().contains("After the hang"));
        QVERIFY(!windows().project.Modified());
        QCOMPARE(app.dialogs.textsOf(QStringLiteral("error")).size(), errorsBefore);
    }

    void busyPageWithinTheLimit_isLeftAlone()
    {
        AppFixture app;
        QVERIFY(!recordedProjectWithAnAddedItem(app).isEmpty());
        QWebEnginePage *web = static_cast<WebPage *>(windows().main->wb)->view()->page();
        const qint64 pid = web->renderProcessPid();
        setHangLimits(8000);
        // Busy for a second, then answering again.
        bool answered = false;
        web->runJavaScript(QStringLiteral("var end = Date.now() + 1000; while (Date.now() < end) {} 1"),
                           [&](const QVariant &) { answered = true; });
        QVERIFY(harness::waitUntil([&] { return answered; }));
        QCOMPARE(web->renderProcessPid(), pid);
        QVERIFY(app.dialogs.textsOf(QStringLiteral("message")).isEmpty());
    }

    void reportsBeforeTheRecoveryRan_makeOne_laterOnesAnother()
    {
        AppFixture app;
        const QString recorded = recordedProjectWithAnAddedItem(app);
        QVERIFY(!recorded.isEmpty());
        const int items = windows().project.items().count();
        // A command is recorded as soon as it is made: the recovery keeps it.
        windows().main->itemPanel->spdAddItem->click();
        windows().main->controller->pageRendererEnded();
        windows().main->controller->pageRendererEnded();
        QVERIFY(harness::waitUntil([&] { return !app.dialogs.textsOf(QStringLiteral("message")).isEmpty(); }));
        QCoreApplication::processEvents();
        QCOMPARE(app.dialogs.textsOf(QStringLiteral("message")).size(), 1);
        QCOMPARE(windows().project.items().count(), items + 1);
        const QString withTheCommand = dataTextNow();
        QVERIFY(withTheCommand != recorded);

        windows().main->controller->pageRendererEnded();
        QVERIFY(harness::waitUntil([&] { return app.dialogs.textsOf(QStringLiteral("message")).size() == 2; }));
        QCOMPARE(dataTextNow(), withTheCommand);
    }
};

PLIVEX_TEST_MAIN(RendererRecoveryTest)
#include "rendererrecovery_test.moc"
