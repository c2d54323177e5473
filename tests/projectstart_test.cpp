// The roads into a project as a user takes them: a start with or without a
// file, a project a crash left behind, a file of another menu type, and a
// file that could not be read to its end.

#include "app/main.h"
#include "controls/newspd.h"
#include "app/saveprojectform.h"
#include "app/startup.h"
#include "preview/menutypeform.h"
#include "project/dataopen.h"
#include "project/menutypes.h"
#include "project/project.h"
#include "project/projectcontroller.h"
#include "project/projecthistory.h"
#include "project/recoveryoffer.h"
#include "support/appfixture.h"
#include "support/testmain.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QTimer>

namespace {

QString writeFile(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    if (f.open(QIODevice::WriteOnly))
        f.write(bytes);
    return path;
}

QByteArray readFile(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

QStringList itemTexts()
{
    QStringList out;
    project->items().walk([&out](const QModelIndex &, const TItem &item, int) { out << item.Params[0]; });
    return out;
}

// An Ostrel Menu data file of three items, one of them a subitem.
QByteArray threeItems()
{
    return "var menuType=\"ostrel-menu\";\n"
           "var menuItems=[[\"One\",\"one.html\"],[\"|Two\",\"two.html\"],[\"Three\",\"three.html\"]];\n";
}

CommandLine startWith(int type, const QString &file = {})
{
    CommandLine cl;
    cl.menuType = type;
    cl.file = file;
    return cl;
}

// Removes what earlier tests of this program left in the recovery folder.
void clearRecoveryFolder(const QString &folder)
{
    QDir dir(folder);
    for (const QString &name : dir.entryList({QStringLiteral("recovery*")}, QDir::Files))
        dir.remove(name);
}

// The menu type window, should it come up, is noted and closed by Apply.
struct MenuTypeWindowWatch
{
    bool shown = false;
    void arm()
    {
        QTimer::singleShot(0, frmMenuType, [this] {
            shown = frmMenuType->isVisible();
            if (shown)
                frmMenuType->spdApplyClick();
        });
    }
};

} // namespace

class ProjectStartTest : public QObject
{
    Q_OBJECT

private slots:
    void start_withAFile_loadsExactlyThatFilesItems_data()
    {
        QTest::addColumn<int>("type");
        QTest::newRow("--type 0") << 0;
        QTest::newRow("type from the file") << -1;
    }
    void start_withAFile_loadsExactlyThatFilesItems()
    {
        QFETCH(int, type);
        AppFixture app;
        app.createWindows();
        const QString path = writeFile(app.folder() + QStringLiteral("menu.js"), threeItems());
        MenuTypeWindowWatch watch;
        watch.arm();
        startProject(startWith(type, path));
        QVERIFY(app.waitForParameterPage());
        QVERIFY(!watch.shown);
        QCOMPARE(itemTexts(), QStringList({QStringLiteral("One"), QStringLiteral("Two"), QStringLiteral("Three")}));
        QCOMPARE(project->CurrentFileName, path);
        QVERIFY(!project->Modified());
        QCOMPARE(frm->windowTitle(), QStringLiteral("Quorna Ostrel Plivex - menu.js"));
        // Saving writes those three items back, and nothing else.
        QVERIFY(frm->controller->save());
        QVERIFY(app.dialogs.asked.isEmpty());
        frm->controller->open(path);
        QCOMPARE(project->items().count(), 3);
    }

    void start_withoutTypeWithAFileNamingItsType_startsInThatType()
    {
        AppFixture app;
        app.createWindows();
        const QString path = app.folder() + QStringLiteral("tabs.js");
        QVERIFY(QFile::copy(app.folder() + defaultProjectPath(2), path));
        MenuTypeWindowWatch watch;
        watch.arm();
        startProject(startWith(-1, path));
        QVERIFY(!watch.shown);
        QCOMPARE(project->MenuType, 2);
        QCOMPARE(frm->lblMenuName->text(), QStringLiteral("Ostrel Tabs"));
        QCOMPARE(project->CurrentFileName, path);
        QVERIFY(project->items().count() > 0);
        QVERIFY(app.dialogs.asked.isEmpty());
    }

    void open_aFileOfAnotherType_offersToSwitchAfterTheQuestionAboutChanges_data()
    {
        QTest::addColumn<bool>("switchType");
        QTest::newRow("Yes: switches and opens") << true;
        QTest::newRow("No: leaves things as they are") << false;
    }
    void open_aFileOfAnotherType_offersToSwitchAfterTheQuestionAboutChanges()
    {
        QFETCH(bool, switchType);
        AppFixture app;
        app.createWindows();
        app.chooseMenuType(0);
        QVERIFY(app.waitForParameterPage());
        const QString path = app.folder() + QStringLiteral("tabs.js");
        QVERIFY(QFile::copy(app.folder() + defaultProjectPath(2), path));
        frm->spdAddItem->click();
        const QStringList before = itemTexts();
        QVERIFY(project->Modified());

        app.dialogs.answers.enqueue(Dialogs::Answer::No); // let the changes go
        app.dialogs.answers.enqueue(switchType ? Dialogs::Answer::Yes : Dialogs::Answer::No);
        QCOMPARE(frm->controller->open(path), switchType);

        QCOMPARE(app.dialogs.textsOf(QStringLiteral("yesNoCancel")),
                 QStringList{QStringLiteral("Do you want to save changes?")});
        const QStringList asked = app.dialogs.textsOf(QStringLiteral("yesNo"));
        QCOMPARE(asked.size(), 1);
        QVERIFY2(asked.first().contains(QStringLiteral("Ostrel Tabs")), qPrintable(asked.first()));
        if (switchType) {
            QCOMPARE(project->MenuType, 2);
            QCOMPARE(project->CurrentFileName, path);
            QVERIFY(project->items().count() > 0);
            QVERIFY(!project->Modified());
        } else {
            QCOMPARE(project->MenuType, 0);
            QVERIFY(project->CurrentFileName.isEmpty());
            QCOMPARE(itemTexts(), before);
            // The changes are still unsaved: closing asks about them again.
            QVERIFY(project->Modified());
        }
    }

    void recovery_offeredAtEveryStart_onlyOnceItsInstanceHasEnded()
    {
        AppFixture app;
        app.createWindows();
        app.chooseMenuType(0);
        QVERIFY(app.waitForParameterPage());
        const QString folder = QFileInfo(frm->history->recovery().path()).absolutePath();
        clearRecoveryFolder(folder);
        frm->spdAddItem->click();
        frm->spdAddItem->click();
        frm->history->flush();
        const QString left = frm->history->recovery().path();
        const QStringList items = itemTexts();
        QVERIFY(QFile::exists(left));

        // Another instance starting meanwhile neither offers nor removes it.
        RecoveryFile::Contents contents;
        QVERIFY(!offerRecovery(contents, folder));
        QVERIFY(QFile::exists(left));
        QVERIFY(app.dialogs.asked.isEmpty());

        // The instance ends without saving; the next one starts with a file
        // and is offered the project all the same.
        destroyWindows();
        QVERIFY(QFile::exists(left));
        app.createWindows();
        const QString path = writeFile(app.folder() + QStringLiteral("menu.js"), threeItems());
        app.dialogs.answers.enqueue(Dialogs::Answer::Yes);    // restore
        app.dialogs.answers.enqueue(Dialogs::Answer::Cancel); // keep it rather than open the file
        startProject(startWith(0, path));
        QVERIFY(app.dialogs.textsOf(QStringLiteral("yesNo")).first().startsWith(
            QStringLiteral("Restore the unsaved menu from ")));
        QCOMPARE(itemTexts(), items);
        QVERIFY(project->Modified());
        // The restored project stays in its file until saved or let go.
        QCOMPARE(frm->history->recovery().path(), left);
        QVERIFY(QFile::exists(left));

        // Declined at the next start, the file goes.
        destroyWindows();
        app.createWindows();
        app.dialogs.answers.enqueue(Dialogs::Answer::No);
        startProject(startWith(0));
        QVERIFY(!QFile::exists(left));
        QVERIFY(!project->Modified());
        QVERIFY(project->items().count() > 0);
    }

    void incompleteRead_opensMarked_andTheFirstSaveOverItAsksWithNoLeadingToSaveAs_data()
    {
        QTest::addColumn<QByteArray>("text");
        QTest::newRow("a script that never ends")
            << QByteArray("var menuItems=[[\"A\"],[\"B\"]];\nwhile (true) {}\n");
        QTest::newRow("a script error before the item array")
            << QByteArray("undefinedFunction();\nvar menuItems=[[\"A\"],[\"B\"]];\n");
    }
    void incompleteRead_opensMarked_andTheFirstSaveOverItAsksWithNoLeadingToSaveAs()
    {
        QFETCH(QByteArray, text);
        AppFixture app;
        app.createWindows();
        app.chooseMenuType(0);
        QVERIFY(app.waitForParameterPage());
        const QString path = writeFile(app.folder() + QStringLiteral("part.js"), text);
        const int limit = std::exchange(dataTextTimeLimitMs, 2000);
        frm->controller->open(path);
        dataTextTimeLimitMs = limit;

        QCOMPARE(project->CurrentFileName, path);
        QVERIFY(frm->controller->readIncomplete());
        QCOMPARE(frm->windowTitle(), QStringLiteral("Quorna Ostrel Plivex - part.js (read incompletely)"));

        // Save: No, the default, leads to Save As (cancelled here).
        bool saveWindowShown = false;
        QTimer::singleShot(0, frmSaveProject, [&] {
            saveWindowShown = frmSaveProject->isVisible();
            frmSaveProject->reject();
        });
        frm->miSave->trigger();
        QCOMPARE(app.dialogs.textsOf(QStringLiteral("noYes")).size(), 1);
        QVERIFY(saveWindowShown);
        QCOMPARE(readFile(path), text);

        // Yes overwrites; the file then holds the whole project.
        app.dialogs.answers.enqueue(Dialogs::Answer::Yes);
        frm->miSave->trigger();
        QVERIFY(readFile(path) != text);
        QVERIFY(!frm->controller->readIncomplete());
        QCOMPARE(frm->windowTitle(), QStringLiteral("Quorna Ostrel Plivex - part.js"));
        QCOMPARE(app.dialogs.textsOf(QStringLiteral("noYes")).size(), 2);
        // Only the first save asks.
        frm->miSave->trigger();
        QCOMPARE(app.dialogs.textsOf(QStringLiteral("noYes")).size(), 2);
    }

    void completeRead_savesWithoutAsking()
    {
        AppFixture app;
        app.createWindows();
        app.chooseMenuType(0);
        QVERIFY(app.waitForParameterPage());
        const QString path = writeFile(app.folder() + QStringLiteral("menu.js"), threeItems());
        frm->controller->open(path);
        QVERIFY(!frm->controller->readIncomplete());
        frm->miSave->trigger();
        QVERIFY(app.dialogs.asked.isEmpty());
        QVERIFY(readFile(path).contains("\"Three\""));
    }
};

PLIVEX_TEST_MAIN(ProjectStartTest)
#include "projectstart_test.moc"
