// The save and open flow through the program's windows, with real pages and
// the dialog seam: the save-project window's paths, Save, Save As, Open and
// the default project.

#include "app/installhelp.h"
#include "app/itemtreepanel.h"
#include "app/main.h"
#include "app/recentfilesmenu.h"
#include "app/windowsettings.h"
#include "app/saveprojectform.h"
#include "app/programwindows.h"
#include "app/startup.h"
#include "editors/itemparamsform.h"
#include "editors/itemstylesform.h"
#include "page/webpage.h"
#include "project/itemedits.h"
#include "project/menutypes.h"
#include "project/projectcontroller.h"
#include "project/project.h"
#include "support/appfixture.h"
#include "support/testfiles.h"
#include "support/testmain.h"
#include "support/webharness.h"

#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QTimer>

namespace {

// Runs `inWindow` once the save-project window is shown modally, then
// closes it if it is still open; answers whether it was shown.
bool whileSaveWindowShown(const std::function<void()> &inWindow, const std::function<void()> &open)
{
    bool shown = false;
    // A timer of this frame: when `open` returns without ever showing the
    // window, the timer goes with the frame instead of firing later on
    // references that no longer exist.
    QTimer timer;
    timer.setSingleShot(true);
    QObject::connect(&timer, &QTimer::timeout, windows().saveProject, [&] {
        shown = windows().saveProject->isVisible();
        windows().saveProject->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(windows().saveProject));
        inWindow();
        if (windows().saveProject->isVisible())
            windows().saveProject->reject();
    });
    timer.start(0);
    open();
    return shown;
}

void typeName(const QString &name)
{
    windows().saveProject->eFileName->setFocus();
    windows().saveProject->eFileName->setText(name);
}

// Enter as the keyboard gives it: to the widget with the focus.
void pressEnter()
{
    QVERIFY(QApplication::focusWidget());
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
}

struct Started
{
    AppFixture app;
    Started()
    {
        app.createWindows();
        app.chooseMenuType(0);
        windows().main->show();
        app.waitForParameterPage();
    }
};

} // namespace

class SaveProjectTest : public QObject
{
    Q_OBJECT

private slots:
    void startup_loadsTheTypesDefaultProjectWithoutAFile()
    {
        Started s;
        QVERIFY(windows().project.items().count() >= 7);
        QVERIFY(windows().project.ItemStyles.size() >= 2);
        QVERIFY(windows().project.CurrentFileName.isEmpty());
        QVERIFY(!windows().project.Modified());
        QCOMPARE(windows().main->windowTitle(), mainWindowCaption(QString(), windows().project.menuType().name, false));
        QCOMPARE(windows().project.ProjectFolder, s.app.folder() + QStringLiteral("default_scripts/ostrel-menu/"));
        QCOMPARE(QDir::currentPath() + QLatin1Char('/'), QFileInfo(windows().project.ProjectFolder).canonicalFilePath() + QLatin1Char('/'));
        QVERIFY(windows().main->recentFiles->files().isEmpty());
        QVERIFY(s.app.dialogs.asked.isEmpty());
    }

    void saveWindow_nameBoxPaths()
    {
        Started s;
        const QString path = s.app.folder() + QStringLiteral("menu.js");

        // Empty or blank name: nothing happens, the window stays.
        QVERIFY(whileSaveWindowShown([&] {
            typeName(QStringLiteral("   "));
            windows().saveProject->spdSave->click();
            pressEnter();
            QVERIFY(windows().saveProject->isVisible());
        }, [] { windows().main->Save1Click(); }));
        QVERIFY(s.app.dialogs.asked.isEmpty());

        // A new name saved with the button: no question for a new file.
        QVERIFY(whileSaveWindowShown([&] {
            typeName(path);
            windows().saveProject->spdSave->click();
        }, [] { windows().main->Save1Click(); }));
        QVERIFY(s.app.dialogs.asked.isEmpty());
        QVERIFY(readTestFile(path).endsWith("qrn_init();"));
        QCOMPARE(windows().project.CurrentFileName, path);
        QCOMPARE(windows().project.ProjectFolder, s.app.folder());
        QCOMPARE(windows().main->windowTitle(), mainWindowCaption(QStringLiteral("menu.js"), windows().project.menuType().name, false));
        QCOMPARE(windows().main->recentFiles->files().value(0), path);

        // Save As shows the current name; the Save button asks, and No keeps the file.
        writeTestFile(path, "keep me");
        s.app.dialogs.answers.enqueue(Dialogs::Answer::No);
        QString shownName;
        QVERIFY(whileSaveWindowShown([&] {
            shownName = windows().saveProject->eFileName->text();
            windows().saveProject->spdSave->click();
            QVERIFY(windows().saveProject->isVisible());
        }, [] { windows().main->SaveAs1Click(); }));
        QCOMPARE(shownName, path);
        QCOMPARE(s.app.dialogs.textsOf(QStringLiteral("yesNoCancel")),
                 QStringList{QStringLiteral("The file already exists:\r") + path +
                             QStringLiteral("\rDo you want to overwrite it?")});
        QCOMPARE(readTestFile(path), QByteArray("keep me"));

        // Enter saves over it without a question.
        QVERIFY(whileSaveWindowShown([&] { pressEnter(); }, [] { windows().main->SaveAs1Click(); }));
        QCOMPARE(s.app.dialogs.textsOf(QStringLiteral("yesNoCancel")).size(), 1);
        QVERIFY(readTestFile(path).endsWith("qrn_init();"));

        // Escape closes without saving; a typed name does not survive.
        const QString other = s.app.folder() + QStringLiteral("other.js");
        QVERIFY(whileSaveWindowShown([&] {
            typeName(other);
            QVERIFY(QApplication::focusWidget());
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
            QVERIFY(!windows().saveProject->isVisible());
        }, [] { windows().main->SaveAs1Click(); }));
        QVERIFY(!QFile::exists(other));
        QVERIFY(whileSaveWindowShown([&] { shownName = windows().saveProject->eFileName->text(); }, [] { windows().main->SaveAs1Click(); }));
        QCOMPARE(shownName, path);
    }

    void saveWindow_dialogRelativeNamesAndWriteFailure()
    {
        Started s;
        // "..." puts the chosen path into the box; cancelling keeps the text.
        s.app.dialogs.files.enqueue(s.app.folder() + QStringLiteral("picked.js"));
        s.app.dialogs.files.enqueue(QString());
        QString afterPick, afterCancel;
        whileSaveWindowShown([&] {
            windows().saveProject->newSpd1->click();
            afterPick = windows().saveProject->eFileName->text();
            windows().saveProject->newSpd1->click();
            afterCancel = windows().saveProject->eFileName->text();
        }, [] { windows().main->SaveAs1Click(); });
        QCOMPARE(afterPick, s.app.folder() + QStringLiteral("picked.js"));
        QCOMPARE(afterCancel, afterPick);
        QCOMPARE(s.app.dialogs.fileRequests.at(0).title, QStringLiteral("Save project"));
        QCOMPARE(s.app.dialogs.fileRequests.at(0).defaultSuffix, QStringLiteral("js"));
        QCOMPARE(s.app.dialogs.fileRequests.at(0).startPath, QStringLiteral("data"));

        // A relative name without extension lands in the current folder as typed.
        QVERIFY(QDir::setCurrent(s.app.folder()));
        whileSaveWindowShown([&] {
            typeName(QStringLiteral("relative"));
            windows().saveProject->spdSave->click();
        }, [] { windows().main->SaveAs1Click(); });
        QVERIFY(QFile::exists(s.app.folder() + QStringLiteral("relative")));
        QCOMPARE(windows().project.CurrentFileName, s.app.folder() + QStringLiteral("relative"));

        // A file that cannot be written: the message; window, name and flags stay.
        windows().project.MarkModified();
        const QString bad = s.app.folder() + QStringLiteral("no/such/folder.js");
        bool stillOpen = false;
        whileSaveWindowShown([&] {
            typeName(bad);
            windows().saveProject->spdSave->click();
            stillOpen = windows().saveProject->isVisible();
        }, [] { windows().main->SaveAs1Click(); });
        QVERIFY(stillOpen);
        QCOMPARE(s.app.dialogs.textsOf(QStringLiteral("error")), QStringList{QStringLiteral("Can't write the file: \r") + bad});
        QCOMPARE(windows().project.CurrentFileName, s.app.folder() + QStringLiteral("relative"));
        QVERIFY(windows().project.Modified());
    }

    void saveCommand_withFile_writesAgainSilently()
    {
        Started s;
        const QString path = s.app.folder() + QStringLiteral("menu.js");
        windows().project.CurrentFileName = path;
        windows().main->setCaption(path);
        windows().project.MarkModified();
        windows().main->Save1Click();
        QVERIFY(!windows().saveProject->isVisible());
        QVERIFY(s.app.dialogs.asked.isEmpty());
        QVERIFY(!windows().project.Modified());
        QCOMPARE(windows().main->windowTitle(), mainWindowCaption(QStringLiteral("menu.js"), windows().project.menuType().name, false));
        QVERIFY(readTestFile(path).endsWith("qrn_init();"));
    }

    void openThenSave_roundTripsTheProject()
    {
        Started s;
        const QString path = s.app.folder() + QStringLiteral("sub/opened.js");
        QVERIFY(QDir(s.app.folder()).mkdir(QStringLiteral("sub")));
        const QByteArray original = readTestFile(s.app.folder() + QStringLiteral("default_scripts/ostrel-menu/default.js"));
        writeTestFile(path, original);
        const int items = windows().project.items().count();
        windows().project.CurrentItem = windows().project.items().record(windows().project.items().index(0, 0));
        windows().main->itemPanel->itemEdits->SendItemParams();
        windows().project.items().clear();
        windows().project.MarkModified();
        s.app.dialogs.answers.enqueue(Dialogs::Answer::No); // discard the changes
        s.app.dialogs.files.enqueue(path);
        windows().main->Open1Click();
        QCOMPARE(s.app.dialogs.textsOf(QStringLiteral("yesNoCancel")).size(), 1);
        QCOMPARE(windows().project.items().count(), items);
        QCOMPARE(windows().project.CurrentFileName, path);
        QCOMPARE(windows().saveProject->eFileName->text(), path);
        QCOMPARE(windows().project.ProjectFolder, s.app.folder() + QStringLiteral("sub/"));
        QCOMPARE(QDir::currentPath(), QFileInfo(s.app.folder() + QStringLiteral("sub")).canonicalFilePath());
        QCOMPARE(windows().main->windowTitle(), mainWindowCaption(QStringLiteral("opened.js"), windows().project.menuType().name, false));
        QCOMPARE(windows().main->recentFiles->files().value(0), path);
        QVERIFY(!windows().project.Modified());
        // No item of the old project is left in the item parameters page.
        QCOMPARE(windows().itemParams->wbItemParams->callText(QStringLiteral("qrn_getItemParam"), {0}), QString());
        // The styles window lists what was read.
        QCOMPARE(windows().itemStyles->vtItemStyles->model()->rowCount(), windows().project.ItemStyles.size());
        QCOMPARE(windows().itemStyles->vtItemStyles->model()->index(0, 0).data(Qt::EditRole).toString(),
                 windows().project.ItemStyles.at(0).Name);
        QCOMPARE(windows().itemStyles->vtSmStyles->model()->rowCount(), 1);

        // Ctrl+S writes the same file back, unchanged.
        writeTestFile(path, "");
        windows().main->miSave->trigger();
        QCOMPARE(readTestFile(path), original);
    }

    void openUnreadable_leavesEmptyProjectWithoutFile()
    {
        Started s;
        QVERIFY(windows().project.items().count() > 0);
        const QString path = s.app.folder() + QStringLiteral("missing.js");
        s.app.dialogs.files.enqueue(path);
        windows().main->Open1Click();
        QCOMPARE(s.app.dialogs.textsOf(QStringLiteral("error")), QStringList{QStringLiteral("Can't open the file:\r") + path});
        QCOMPARE(windows().project.items().count(), 0);
        QVERIFY(windows().project.CurrentFileName.isEmpty());
        QCOMPARE(windows().main->windowTitle(), mainWindowCaption(QString(), windows().project.menuType().name, false));
        QVERIFY(windows().main->recentFiles->files().isEmpty());
        QCOMPARE(windows().project.ProjectFolder, s.app.folder());
    }

    void askSaveChanges_savedFromWindow_goesOn()
    {
        Started s;
        windows().project.MarkModified();
        s.app.dialogs.answers.enqueue(Dialogs::Answer::Yes);
        const QString path = s.app.folder() + QStringLiteral("asked.js");
        bool result = false;
        whileSaveWindowShown([&] {
            typeName(path);
            windows().saveProject->spdSave->click();
        }, [&] { result = windows().main->AskSaveChanges(); });
        QVERIFY(result);
        QVERIFY(QFile::exists(path));
        QVERIFY(!windows().project.Modified());
    }

    void installHelp_namesTheEngineOfTheType()
    {
        Started s;
        whileSaveWindowShown([] {}, [] { windows().main->SaveAs1Click(); });
        QVERIFY(harness::waitForDocument(*windows().saveProject->wbInstallHelp));
        const QString text = windows().saveProject->wbInstallHelp->callText(
            QStringLiteral("eval"), {QStringLiteral("document.body.innerText")});
        QVERIFY(text.contains(QStringLiteral("Installation Instructions")));
        QVERIFY(text.contains(QStringLiteral("src=\"your_dir/qrnmenu.js\"")));
        QVERIFY(text.contains(QStringLiteral("qrn_initFrame(\"fset\", 0, 1, 0);")));
        QVERIFY(text.contains(QStringLiteral("Cross-frame Installation")));

        // A name chosen with "..." is the one the help names.
        s.app.dialogs.files.enqueue(s.app.folder() + QStringLiteral("shop menu.js"));
        whileSaveWindowShown([] {
            windows().saveProject->newSpd1->click();
            QVERIFY(harness::waitUntil([] {
                return windows().saveProject->wbInstallHelp->callText(QStringLiteral("eval"),
                                                                      {QStringLiteral("document.body.innerText")})
                    .contains(QStringLiteral("<script src=\"your_dir/shop menu.js\"></script>"));
            }));
        }, [] { windows().main->SaveAs1Click(); });
    }

    void installHelp_fitsTheTypeAndNamesTheUsersFile_data()
    {
        QTest::addColumn<int>("type");
        QTest::addColumn<QStringList>("scripts"); // in their order on the page
        QTest::addColumn<bool>("frames");
        QTest::newRow("Ostrel Menu") << 0 << QStringList{QStringLiteral("qrnmenu.js"), QStringLiteral("shop.js")} << true;
        QTest::newRow("Tree Menu")
            << 1
            << QStringList{QStringLiteral("qrntmenu.js"), QStringLiteral("qrntmenu_add.js"), QStringLiteral("qrntmenu_ss.js"),
                           QStringLiteral("shop.js")}
            << false;
        QTest::newRow("Tabs") << 2 << QStringList{QStringLiteral("qrntabs.js"), QStringLiteral("shop.js")} << false;
        QTest::newRow("Tab Menu") << 3 << QStringList{QStringLiteral("qrntabmenu.js"), QStringLiteral("shop.js")} << false;
    }
    void installHelp_fitsTheTypeAndNamesTheUsersFile()
    {
        QFETCH(int, type);
        QFETCH(QStringList, scripts);
        QFETCH(bool, frames);
        const QString html = installHelpHtml(menuTypes().at(size_t(type)), QStringLiteral("/home/ann/site/shop.js"));
        QString expected;
        for (const QString &file : scripts)
            expected += QStringLiteral("&lt;script src=&quot;your_dir/%1&quot;&gt;&lt;/script&gt;\n").arg(file);
        QVERIFY2(html.contains(expected), qPrintable(html));
        QVERIFY(!html.contains(QStringLiteral("language=")));
        QVERIFY(!html.contains(QStringLiteral("data.js")));
        QCOMPARE(html.contains(QStringLiteral("Cross-frame")), frames);
        QCOMPARE(html.contains(QStringLiteral("initFrame")), frames);
        // The other types' engines are not the user's business here.
        for (int other = 0; other < kMenuTypeCount; ++other)
            if (other != type && menuTypes().at(size_t(other)).engineFiles != menuTypes().at(size_t(type)).engineFiles)
                QVERIFY2(!html.contains(menuTypes().at(size_t(other)).engineFiles.first() + QLatin1Char('"')),
                         qPrintable(menuTypes().at(size_t(other)).name));
    }

    void defaultProject_isSavedUnderANewName_neverOverIt()
    {
        Started s;
        const QString shipped = s.app.folder() + QStringLiteral("default_scripts/ostrel-menu/default.js");
        const QByteArray before = readTestFile(shipped);
        QVERIFY(windows().main->controller->open(shipped));
        QCOMPARE(windows().project.CurrentFileName, shipped);
        windows().project.items().record(windows().project.items().index(0, 0))->Params[0] = QStringLiteral("Changed");
        windows().project.setModified(true);

        // Save asks for a name, proposing none; the shipped file's name is refused.
        QString proposed = QStringLiteral("not shown");
        QVERIFY(whileSaveWindowShown([&] {
            proposed = windows().saveProject->eFileName->text();
            typeName(shipped);
            windows().saveProject->spdSave->click();
            QVERIFY(windows().saveProject->isVisible());
        }, [] { windows().main->Save1Click(); }));
        QCOMPARE(proposed, QString());
        QCOMPARE(s.app.dialogs.textsOf(QStringLiteral("error")).size(), 1);
        QVERIFY(s.app.dialogs.textsOf(QStringLiteral("error")).constFirst().contains(QStringLiteral("belongs to the program")));
        QCOMPARE(readTestFile(shipped), before);
        QCOMPARE(windows().project.CurrentFileName, shipped);

        // Another name takes the project.
        const QString mine = s.app.folder() + QStringLiteral("mine.js");
        QVERIFY(whileSaveWindowShown([&] {
            typeName(mine);
            windows().saveProject->spdSave->click();
        }, [] { windows().main->Save1Click(); }));
        QCOMPARE(windows().project.CurrentFileName, mine);
        QVERIFY(readTestFile(mine).contains("Changed"));
        QCOMPARE(readTestFile(shipped), before);
    }

    void localPaths_areNamedBeforeSaving_andCancelLeavesTheFile()
    {
        Started s;
        const QString path = s.app.folder() + QStringLiteral("menu.js");
        QVERIFY(writeTestFile(path, "keep me"));
        ItemTree &items = windows().project.items();
        const QModelIndex first = items.index(0, 0);
        const QString text = items.record(first)->Params[0];
        items.record(first)->Params[1] = QStringLiteral("/home/ann/site/index.html");
        items.record(first)->Params[4] = QStringLiteral("file:///C:/pics/home.gif");

        // Unanswered, the question says No: nothing is written.
        QVERIFY(!windows().saveProject->SaveProject(path, false));
        QCOMPARE(readTestFile(path), QByteArray("keep me"));
        const QStringList asked = s.app.dialogs.textsOf(QStringLiteral("noYes"));
        QCOMPARE(asked.size(), 1);
        QVERIFY2(asked.constFirst().contains(QStringLiteral("item %1: Link = \"/home/ann/site/index.html\"").arg(text)),
                 qPrintable(asked.constFirst()));
        QVERIFY2(asked.constFirst().contains(QStringLiteral("Icon = \"file:///C:/pics/home.gif\"")),
                 qPrintable(asked.constFirst()));

        s.app.dialogs.answers.enqueue(Dialogs::Answer::Yes);
        QVERIFY(windows().saveProject->SaveProject(path, false));
        QVERIFY(readTestFile(path).contains("/home/ann/site/index.html"));

        // Relative links ask nothing.
        items.record(first)->Params[1] = QStringLiteral("../site/index.html");
        items.record(first)->Params[4] = QString();
        QVERIFY(windows().saveProject->SaveProject(path, false));
        QCOMPARE(s.app.dialogs.textsOf(QStringLiteral("noYes")).size(), 2);
    }
};

PLIVEX_TEST_MAIN(SaveProjectTest)
#include "saveproject_test.moc"
