// The roads into a project as a user takes them: a start with or without a
// file, a project a crash left behind, a file of another menu type, and a
// file that could not be read to its end.

#include "app/itemtreepanel.h"
#include "app/mainwindow.h"
#include "app/recentfilesmenu.h"
#include "app/windowsettings.h"
#include "controls/newspd.h"
#include "app/saveprojectform.h"
#include "app/programwindows.h"
#include "app/startup.h"
#include "page/page.h"
#include "preview/menutypeform.h"
#include "preview/previewform.h"
#include "preview/previewpage.h"
#include "editors/itemstylesform.h"
#include "editors/itemparamsform.h"
#include "project/datafile/dataopen.h"
#include "project/model/menutypes.h"
#include "project/model/project.h"
#include "project/lifecycle/projectcontroller.h"
#include "project/history/projecthistory.h"
#include "project/lifecycle/recoveryoffer.h"
#include "support/appfixture.h"
#include "support/webharness.h"
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
    windows().project.items().walk([&out](const QModelIndex &, const TItem &item, int) { out << item.Params[0]; });
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
        QTimer::singleShot(0, windows().menuType, [this] {
            shown = windows().menuType->isVisible();
            if (shown)
                windows().menuType->spdApplyClick();
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
        startProject(windows(), startWith(type, path));
        QVERIFY(app.waitForParameterPage());
        QVERIFY(!watch.shown);
        QCOMPARE(itemTexts(), QStringList({QStringLiteral("One"), QStringLiteral("Two"), QStringLiteral("Three")}));
        QCOMPARE(windows().project.CurrentFileName, path);
        QVERIFY(!windows().project.Modified());
        QCOMPARE(windows().main->windowTitle(), mainWindowCaption(QStringLiteral("menu.js"), windows().project.menuType().name, false));
        // Saving writes those three items back, and nothing else.
        QVERIFY(windows().main->controller->save());
        QVERIFY(app.dialogs.asked.isEmpty());
        windows().main->controller->open(path);
        QCOMPARE(windows().project.items().count(), 3);
    }

    void open_aFileThatCannotBeRead_leavesAnEmptyProjectWithDefaultParameters()
    {
        AppFixture app;
        app.createWindows();
        const QString path = writeFile(app.folder() + QStringLiteral("menu.js"),
                                       threeItems() + "var menuItemHeight=\"31px\";\n");
        startProject(windows(), startWith(0, path));
        QVERIFY(app.waitForParameterPage());
        Page &params = *windows().main->wb;
        QVERIFY(params.callText(QStringLiteral("qrn_getParamsList"), {QString()}).contains(QStringLiteral("31px")));
        // A folder by the name of a data file: the reader refuses it unread.
        const QString folder = app.folder() + QStringLiteral("folder.js");
        QVERIFY(QDir().mkpath(folder));
        windows().main->controller->open(folder);
        QVERIFY(app.dialogs.textsOf(QStringLiteral("error")).join(QString()).contains(QStringLiteral("It is a folder")));
        QCOMPARE(windows().project.items().count(), 0);
        QVERIFY(windows().project.CurrentFileName.isEmpty());
        // The previous file's values went with its items.
        QVERIFY(!params.callText(QStringLiteral("qrn_getParamsList"), {QString()}).contains(QStringLiteral("31px")));
    }

    void start_withoutTypeWithAFileNamingItsType_startsInThatType()
    {
        AppFixture app;
        app.createWindows();
        const QString path = app.folder() + QStringLiteral("tabs.js");
        QVERIFY(QFile::copy(app.folder() + defaultProjectPath(2), path));
        MenuTypeWindowWatch watch;
        watch.arm();
        startProject(windows(), startWith(-1, path));
        QVERIFY(!watch.shown);
        QCOMPARE(windows().project.MenuType, 2);
        QCOMPARE(windows().main->lblMenuName->text(), QStringLiteral("Ostrel Tabs"));
        QCOMPARE(windows().project.CurrentFileName, path);
        QVERIFY(windows().project.items().count() > 0);
        QVERIFY(app.dialogs.asked.isEmpty());
    }

    // Every road to another menu type ends in the same state: the type's
    // pages in every view, and every window fitted to it.
    void everyRoadToAType_loadsItsPagesAndFitsTheWindows_data()
    {
        QTest::addColumn<QString>("road");
        QTest::addColumn<int>("type");
        QTest::newRow("start-up with --type") << QStringLiteral("--type") << 3;
        QTest::newRow("start-up through the window") << QStringLiteral("window at start-up") << 2;
        QTest::newRow("start-up with a file of the type") << QStringLiteral("file at start-up") << 1;
        QTest::newRow("Select Menu Type") << QStringLiteral("menu") << 3;
        QTest::newRow("Open of another type's file") << QStringLiteral("open") << 2;
        QTest::newRow("Select Menu Type, to a type without submenu styles and back")
            << QStringLiteral("menu twice") << 0;
    }
    void everyRoadToAType_loadsItsPagesAndFitsTheWindows()
    {
        QFETCH(QString, road);
        QFETCH(int, type);
        AppFixture app;
        app.createWindows();
        const QString typeFile = app.folder() + QStringLiteral("other.js");
        QVERIFY(QFile::copy(app.folder() + defaultProjectPath(type), typeFile));
        const auto applyInWindow = [](int chosen) {
            QTimer::singleShot(0, windows().menuType, [chosen] {
                windows().menuType->cbMenu0Click(chosen);
                windows().menuType->spdApplyClick();
            });
        };
        if (road == QLatin1String("--type")) {
            startProject(windows(), startWith(type));
        } else if (road == QLatin1String("window at start-up")) {
            applyInWindow(type);
            startProject(windows(), startWith(-1));
        } else if (road == QLatin1String("file at start-up")) {
            startProject(windows(), startWith(-1, typeFile));
        } else if (road == QLatin1String("open")) {
            app.chooseMenuType(0);
            app.dialogs.answers.enqueue(Dialogs::Answer::Yes);
            QVERIFY(windows().main->controller->open(typeFile));
        } else {
            app.chooseMenuType(road == QLatin1String("menu") ? 0 : 2);
            if (road == QLatin1String("menu twice")) {
                applyInWindow(2);
                windows().main->Selectmenutype1Click();
            }
            applyInWindow(type);
            windows().main->Selectmenutype1Click();
        }

        const MenuType &expected = menuTypes().at(size_t(type));
        QCOMPARE(windows().project.MenuType, type);
        QCOMPARE(windows().main->lblMenuName->text(), expected.name);
        const QList<std::pair<Page *, QString>> pages{
            {windows().main->wb, QStringLiteral("params.html")},
            {windows().itemParams->wbItemParams, QStringLiteral("itemparams.html")},
            {windows().itemStyles->wbItemStyles, QStringLiteral("itemstyles.html")},
        };
        for (const auto &[page, file] : pages)
            QVERIFY2(harness::loadedPagePath(page).endsWith(pagePath(type, file)), qPrintable(harness::loadedPagePath(page)));
        QCOMPARE(windows().itemStyles->spdShowSmStyles->isHidden(), !expected.hasSubmenuStyles);
        if (expected.hasSubmenuStyles)
            QVERIFY(harness::loadedPagePath(windows().itemStyles->wbSmStyles).endsWith(pagePath(type, QStringLiteral("smstyles.html"))));
        QCOMPARE(windows().preview->PreviewTemplate,
                 readPreviewTemplate(app.folder() + pagePath(type, QStringLiteral("preview.html"))).value_or(QString()));
        // The type's first project is read into its own pages.
        QVERIFY(windows().project.items().count() > 0);
        QVERIFY(!windows().project.Modified());
        QVERIFY(app.waitForParameterPage());
        QCOMPARE(windows().main->wb->callText(QStringLiteral("qrn_getKeysList"), {QString()}).isEmpty(), false);
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
        windows().main->itemPanel->spdAddItem->click();
        const QStringList before = itemTexts();
        QVERIFY(windows().project.Modified());

        app.dialogs.answers.enqueue(Dialogs::Answer::No); // let the changes go
        app.dialogs.answers.enqueue(switchType ? Dialogs::Answer::Yes : Dialogs::Answer::No);
        QCOMPARE(windows().main->controller->open(path), switchType);

        QCOMPARE(app.dialogs.textsOf(QStringLiteral("yesNoCancel")),
                 QStringList{QStringLiteral("Do you want to save changes?")});
        const QStringList asked = app.dialogs.textsOf(QStringLiteral("yesNo"));
        QCOMPARE(asked.size(), 1);
        QVERIFY2(asked.first().contains(QStringLiteral("Ostrel Tabs")), qPrintable(asked.first()));
        if (switchType) {
            QCOMPARE(windows().project.MenuType, 2);
            QCOMPARE(windows().project.CurrentFileName, path);
            QVERIFY(windows().project.items().count() > 0);
            QVERIFY(!windows().project.Modified());
        } else {
            QCOMPARE(windows().project.MenuType, 0);
            QVERIFY(windows().project.CurrentFileName.isEmpty());
            QCOMPARE(itemTexts(), before);
            // The changes are still unsaved: closing asks about them again.
            QVERIFY(windows().project.Modified());
        }
    }

    void recovery_offeredAtEveryStart_onlyOnceItsInstanceHasEnded()
    {
        AppFixture app;
        app.createWindows();
        app.chooseMenuType(0);
        QVERIFY(app.waitForParameterPage());
        const QString folder = QFileInfo(windows().main->history->recovery().path()).absolutePath();
        clearRecoveryFolder(folder);
        windows().main->itemPanel->spdAddItem->click();
        windows().main->itemPanel->spdAddItem->click();
        windows().main->history->flush();
        const QString left = windows().main->history->recovery().path();
        const QStringList items = itemTexts();
        QVERIFY(QFile::exists(left));

        // Another instance starting meanwhile neither offers nor removes it.
        RecoveryFile::Contents contents;
        QVERIFY(!offerRecovery(contents, folder));
        QVERIFY(QFile::exists(left));
        QVERIFY(app.dialogs.asked.isEmpty());

        // The instance ends without saving; the next one starts with a file
        // and is offered the project all the same.
        app.destroyWindows();
        QVERIFY(QFile::exists(left));
        app.createWindows();
        const QString path = writeFile(app.folder() + QStringLiteral("menu.js"), threeItems());
        app.dialogs.answers.enqueue(Dialogs::Answer::Yes);    // restore
        app.dialogs.answers.enqueue(Dialogs::Answer::Cancel); // keep it rather than open the file
        startProject(windows(), startWith(0, path));
        QVERIFY(app.dialogs.textsOf(QStringLiteral("yesNo")).first().startsWith(
            QStringLiteral("Restore the unsaved menu (Ostrel Menu) from ")));
        QCOMPARE(itemTexts(), items);
        QVERIFY(windows().project.Modified());
        // The restored project stays in its file until saved or let go.
        QCOMPARE(windows().main->history->recovery().path(), left);
        QVERIFY(QFile::exists(left));

        // Declined at the next start, the file goes.
        app.destroyWindows();
        app.createWindows();
        app.dialogs.answers.enqueue(Dialogs::Answer::No);
        startProject(windows(), startWith(0));
        QVERIFY(!QFile::exists(left));
        QVERIFY(!windows().project.Modified());
        QVERIFY(windows().project.items().count() > 0);
    }

    void incompleteRead_opensMarked_andTheFirstSaveOverItAsksWithNoLeadingToSaveAs_data()
    {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<QString>("said"); // what a box said of the file
        QTest::newRow("a script that never ends")
            << QByteArray("var menuItems=[[\"A\"],[\"B\"]];\nwhile (true) {}\n") << QStringLiteral("did not end");
        QTest::newRow("a script error before the item array")
            << QByteArray("undefinedFunction();\nvar menuItems=[[\"A\"],[\"B\"]];\n") << QStringLiteral("undefinedFunction");
        QTest::newRow("a comma lost between two items")
            << QByteArray("var menuItems=[\n[\"A\"],\n[\"B\"]\n[\"C\"],\n[\"D\"],\n];\n")
            << QStringLiteral("part.js is damaged; the rest of it was read:\rafter line 3: a comma is probably missing");
        QTest::newRow("a script that is no menu")
            << QByteArray("console.log(1);\n") << QStringLiteral("part.js is not a menu data file of the Ostrel Menu");
    }
    void incompleteRead_opensMarked_andTheFirstSaveOverItAsksWithNoLeadingToSaveAs()
    {
        QFETCH(QByteArray, text);
        QFETCH(QString, said);
        AppFixture app;
        app.createWindows();
        app.chooseMenuType(0);
        QVERIFY(app.waitForParameterPage());
        const QString path = writeFile(app.folder() + QStringLiteral("part.js"), text);
        windows().main->wb->setApartTimeLimit(2000);
        windows().main->controller->open(path);
        const QStringList errors = app.dialogs.textsOf(QStringLiteral("error"));
        QVERIFY2(errors.join(QLatin1Char('|')).contains(said), qPrintable(errors.join(QLatin1Char('|'))));

        QCOMPARE(windows().project.CurrentFileName, path);
        QVERIFY(windows().main->controller->readIncomplete());
        QCOMPARE(windows().main->windowTitle(), mainWindowCaption(QStringLiteral("part.js"), windows().project.menuType().name, true));

        // Save: No, the default, leads to Save As (cancelled here).
        bool saveWindowShown = false;
        QTimer::singleShot(0, windows().saveProject, [&] {
            saveWindowShown = windows().saveProject->isVisible();
            windows().saveProject->reject();
        });
        windows().main->miSave->trigger();
        QCOMPARE(app.dialogs.textsOf(QStringLiteral("noYes")).size(), 1);
        QVERIFY(saveWindowShown);
        QCOMPARE(readFile(path), text);

        // Yes overwrites; the file then holds the whole project.
        app.dialogs.answers.enqueue(Dialogs::Answer::Yes);
        windows().main->miSave->trigger();
        QVERIFY(readFile(path) != text);
        QVERIFY(!windows().main->controller->readIncomplete());
        QCOMPARE(windows().main->windowTitle(), mainWindowCaption(QStringLiteral("part.js"), windows().project.menuType().name, false));
        QCOMPARE(app.dialogs.textsOf(QStringLiteral("noYes")).size(), 2);
        // Only the first save asks.
        windows().main->miSave->trigger();
        QCOMPARE(app.dialogs.textsOf(QStringLiteral("noYes")).size(), 2);
    }

    void completeRead_savesWithoutAsking()
    {
        AppFixture app;
        app.createWindows();
        app.chooseMenuType(0);
        QVERIFY(app.waitForParameterPage());
        const QString path = writeFile(app.folder() + QStringLiteral("menu.js"), threeItems());
        windows().main->controller->open(path);
        QVERIFY(!windows().main->controller->readIncomplete());
        windows().main->miSave->trigger();
        QVERIFY(app.dialogs.asked.isEmpty());
        QVERIFY(readFile(path).contains("\"Three\""));
    }
};

PLIVEX_TEST_MAIN(ProjectStartTest)
#include "projectstart_test.moc"
