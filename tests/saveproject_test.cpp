// The save and open flow through the program's windows, with real pages and
// the dialog seam: the save-project window's paths, Save, Save As, Open and
// the default project.

#include "app/installhelp.h"
#include "app/itemtreepanel.h"
#include "app/mainwindow.h"
#include "app/recentfilesmenu.h"
#include "app/windowsettings.h"
#include "app/saveprojectform.h"
#include "app/programwindows.h"
#include "app/startup.h"
#include "editors/itemparamsform.h"
#include "editors/itemstylesform.h"
#include "page/webpage.h"
#include "project/model/itemedits.h"
#include "project/model/menutypes.h"
#include "preview/menutypeform.h"
#include "project/lifecycle/projectcontroller.h"
#include "project/model/project.h"
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

#include <unistd.h>

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

// The roads to a write of a data file, and the states a file can be in.
enum class Road { SaveButton, EnterInWindow, Picker, SaveCommand, BeforeNew, BeforeOpen, BeforeRecent, BeforeTypeChange, BeforeQuit };
enum class FileState { New, Own, OwnReadInPart, OwnNoMenu, Other, ProgramsOwn, ReadOnlyFolder };

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

Q_DECLARE_METATYPE(Road)
Q_DECLARE_METATYPE(FileState)

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

        // Save As shows the current name: the project's own file, read whole,
        // is written again without a question.
        QString shownName;
        QVERIFY(whileSaveWindowShown([&] {
            shownName = windows().saveProject->eFileName->text();
            windows().saveProject->spdSave->click();
        }, [] { windows().main->SaveAs1Click(); }));
        QCOMPARE(shownName, path);
        QVERIFY(s.app.dialogs.asked.isEmpty());

        // Another existing file: the button and Enter ask alike, No by
        // default, and No keeps the file byte for byte.
        const QString existing = s.app.folder() + QStringLiteral("tabs.js");
        writeTestFile(existing, "keep me");
        const QString question = QStringLiteral("The file already exists:\r") + existing +
                                 QStringLiteral("\rDo you want to overwrite it?");
        QVERIFY(whileSaveWindowShown([&] {
            typeName(existing);
            windows().saveProject->spdSave->click();
            QVERIFY(windows().saveProject->isVisible());
            pressEnter();
            QVERIFY(windows().saveProject->isVisible());
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
        }, [] { windows().main->SaveAs1Click(); }));
        QCOMPARE(s.app.dialogs.textsOf(QStringLiteral("noYes")), (QStringList{question, question}));
        QCOMPARE(readTestFile(existing), QByteArray("keep me"));
        QCOMPARE(windows().project.CurrentFileName, path);

        // Yes writes it, and it becomes the project's file.
        s.app.dialogs.answers.enqueue(Dialogs::Answer::Yes);
        QVERIFY(whileSaveWindowShown([&] {
            typeName(existing);
            pressEnter();
        }, [] { windows().main->SaveAs1Click(); }));
        QVERIFY(readTestFile(existing).endsWith("qrn_init();"));
        QCOMPARE(windows().project.CurrentFileName, existing);

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
        QCOMPARE(shownName, existing);
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
        QVERIFY2(s.app.dialogs.textsOf(QStringLiteral("error")).isEmpty(),
                 qPrintable(s.app.dialogs.textsOf(QStringLiteral("error")).join(QLatin1Char('\n'))));
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
        const MenuType &menuType = menuTypes().at(size_t(type));
        for (const bool inFlow : {true, false}) {
            const QString html = installHelpHtml(menuType, QStringLiteral("/home/ann/site/shop.js"), inFlow);
            QString expected;
            for (const QString &file : scripts)
                expected += QStringLiteral("&lt;script src=&quot;your_dir/%1&quot;&gt;&lt;/script&gt;\n").arg(file);
            QVERIFY2(html.contains(expected), qPrintable(html));
            QVERIFY(!html.contains(QStringLiteral("language=")));
            QVERIFY(!html.contains(QStringLiteral("text/javascript")));
            QVERIFY(!html.contains(QStringLiteral("data.js")));
            // The road that writes the lines comes before the lines.
            QVERIFY(html.indexOf(QStringLiteral("Add to Page...")) < html.indexOf(expected));
            QVERIFY(html.contains(QStringLiteral("plivex --install shop.js *.html")));
            // Only the position the menu has.
            QCOMPARE(html.contains(QStringLiteral("where the menu is to appear")), inFlow);
            QCOMPARE(html.contains(QStringLiteral("at the start of the BODY")), !inFlow);
            QCOMPARE(html.contains(QStringLiteral("Content Panels")), menuType.contentIdParam >= 0);
            QCOMPARE(html.contains(QStringLiteral("Cross-frame")), frames);
            QCOMPARE(html.contains(QStringLiteral("initFrame")), frames);
            // The links for visitors without scripts go into the BODY only:
            // a snippet said to go into the HEAD holds nothing else than
            // scripts and comments.
            static const QRegularExpression headSnippet(QStringLiteral("HEAD element[^<]*</p><pre class=\"code\">([^<]*)</pre>"));
            for (auto it = headSnippet.globalMatch(html); it.hasNext();) {
                const QString snippet = it.next().captured(1);
                for (const QString &line : snippet.split(QStringLiteral("\n"), Qt::SkipEmptyParts))
                    QVERIFY2(line.startsWith(QStringLiteral("&lt;script ")) || line.startsWith(QStringLiteral("&lt;!--")),
                             qPrintable(line));
            }
            // The other types' engines are not the user's business here.
            for (int other = 0; other < kMenuTypeCount; ++other)
                if (other != type && menuTypes().at(size_t(other)).engineFiles != menuType.engineFiles)
                    QVERIFY2(!html.contains(menuTypes().at(size_t(other)).engineFiles.first() + QLatin1Char('"')),
                             qPrintable(menuTypes().at(size_t(other)).name));
        }
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
        ItemTree &items = windows().project.items();
        const QModelIndex first = items.index(0, 0);
        const QString text = items.record(first)->Params[0];
        items.record(first)->Params[1] = QStringLiteral("/home/ann/site/index.html");
        items.record(first)->Params[4] = QStringLiteral("file:///C:/pics/home.gif");

        // Unanswered, the question says No: nothing is written.
        QVERIFY(!windows().saveProject->SaveProject(path));
        QVERIFY(!QFileInfo::exists(path));
        const QStringList asked = s.app.dialogs.textsOf(QStringLiteral("noYes"));
        QCOMPARE(asked.size(), 1);
        QVERIFY2(asked.constFirst().contains(QStringLiteral("item %1: Link = \"/home/ann/site/index.html\"").arg(text)),
                 qPrintable(asked.constFirst()));
        QVERIFY2(asked.constFirst().contains(QStringLiteral("Icon = \"file:///C:/pics/home.gif\"")),
                 qPrintable(asked.constFirst()));

        s.app.dialogs.answers.enqueue(Dialogs::Answer::Yes);
        QVERIFY(windows().saveProject->SaveProject(path));
        QVERIFY(readTestFile(path).contains("/home/ann/site/index.html"));

        // Relative links ask nothing.
        items.record(first)->Params[1] = QStringLiteral("../site/index.html");
        items.record(first)->Params[4] = QString();
        QVERIFY(windows().saveProject->SaveProject(path));
        QCOMPARE(s.app.dialogs.textsOf(QStringLiteral("noYes")).size(), 2);
    }
    // Every road to a write against every state of the file it would write:
    // each question is left unanswered (No), and the file is either written
    // as it should be (new, the project's own read whole) or left byte for
    // byte after a question or a refusal. The save window never proposes a
    // file it would lose.
    void everyRoadToAWrite_asksOrLeavesTheFileByteForByte_data()
    {
        QTest::addColumn<Road>("road");
        QTest::addColumn<FileState>("state");
        const std::pair<Road, const char *> roads[] = {
            {Road::SaveButton, "Save button"}, {Road::EnterInWindow, "Enter"}, {Road::Picker, "file picker"},
            {Road::SaveCommand, "Save"}, {Road::BeforeNew, "before New"}, {Road::BeforeOpen, "before Open"},
            {Road::BeforeRecent, "before a recent file"}, {Road::BeforeTypeChange, "before a type change"},
            {Road::BeforeQuit, "before quitting"}};
        const std::pair<FileState, const char *> states[] = {
            {FileState::New, "new"}, {FileState::Own, "own"}, {FileState::OwnReadInPart, "own read in part"},
            {FileState::OwnNoMenu, "own, no menu"}, {FileState::Other, "another file"},
            {FileState::ProgramsOwn, "the program's own"}, {FileState::ReadOnlyFolder, "read-only folder"}};
        for (const auto &[road, roadName] : roads)
            for (const auto &[state, stateName] : states)
                QTest::addRow("%s, %s", roadName, stateName) << road << state;
    }
    void everyRoadToAWrite_asksOrLeavesTheFileByteForByte()
    {
        QFETCH(Road, road);
        QFETCH(FileState, state);
        Started s;
        ProjectController &controller = *windows().main->controller;
        const QString folder = s.app.folder();
        // A data file of the program's own writer, to open and to damage.
        const QString good = folder + QStringLiteral("good.js");
        QVERIFY(windows().saveProject->SaveProject(good));
        const QByteArray goodBytes = readTestFile(good);

        QString target = folder + QStringLiteral("menu.js");
        switch (state) {
        case FileState::New: controller.newProject(); break;
        case FileState::Own:
            QVERIFY(writeTestFile(target, goodBytes));
            QVERIFY(controller.open(target));
            break;
        case FileState::OwnReadInPart: {
            QByteArray damaged = goodBytes;
            const qsizetype items = damaged.indexOf("var menuItems");
            const qsizetype comma = damaged.indexOf("],\r\n[", items);
            QVERIFY(items > 0 && comma > items);
            damaged.remove(comma + 1, 1);
            QVERIFY(writeTestFile(target, damaged));
            QVERIFY(controller.open(target));
            QVERIFY(controller.readIncomplete());
            break;
        }
        case FileState::OwnNoMenu:
            QVERIFY(writeTestFile(target, "console.log(1);\n"));
            QVERIFY(controller.open(target));
            QVERIFY(controller.readIncomplete());
            break;
        case FileState::Other:
            QVERIFY(writeTestFile(target, "keep me"));
            controller.newProject();
            break;
        case FileState::ProgramsOwn:
            target = windows().project.ProgramFolder + defaultProjectPath(0);
            QVERIFY(controller.open(target));
            break;
        case FileState::ReadOnlyFolder:
            target = folder + QStringLiteral("locked/menu.js");
            // Root writes into a read-only folder; into a file, nobody does.
            if (::geteuid() == 0) {
                QVERIFY(writeTestFile(folder + QStringLiteral("locked"), "a file, not a folder"));
            } else {
                QVERIFY(QDir(folder).mkdir(QStringLiteral("locked")));
                QVERIFY(QFile::setPermissions(folder + QStringLiteral("locked"), QFile::ReadOwner | QFile::ExeOwner));
            }
            controller.newProject();
            break;
        }
        const bool existed = QFileInfo::exists(target);
        const QByteArray before = existed ? readTestFile(target) : QByteArray();
        windows().project.setModified(true);
        s.app.dialogs.asked.clear();
        s.app.dialogs.answers.clear();

        const bool commandRoad = road != Road::SaveButton && road != Road::EnterInWindow && road != Road::Picker;
        if (commandRoad && road != Road::SaveCommand)
            s.app.dialogs.answers.enqueue(Dialogs::Answer::Yes); // "Do you want to save changes?"
        // A road that goes on after the save opens nothing more here.
        s.app.dialogs.files.enqueue(QString());
        QTimer typeWindowCloser;
        QObject::connect(&typeWindowCloser, &QTimer::timeout, [] {
            if (windows().menuType->isVisible())
                windows().menuType->spdCancelClick();
        });
        typeWindowCloser.start(20);

        QString proposed = QStringLiteral("(not shown)");
        auto inWindow = [&] {
            proposed = windows().saveProject->eFileName->text();
            // The preview's rebuild after the project was replaced may still
            // raise the main window; the keys go to the save window.
            QTRY_VERIFY_WITH_TIMEOUT((windows().saveProject->activateWindow(),
                                      QApplication::activeWindow() == windows().saveProject), 10000);
            if (road == Road::Picker) {
                s.app.dialogs.files.prepend(target);
                windows().saveProject->newSpd1->click();
            } else {
                typeName(target);
            }
            if (road == Road::SaveButton)
                windows().saveProject->spdSave->click();
            else
                pressEnter();
        };
        auto start = [&] {
            switch (road) {
            case Road::SaveButton:
            case Road::EnterInWindow:
            case Road::Picker: windows().main->SaveAs1Click(); break;
            case Road::SaveCommand: windows().main->Save1Click(); break;
            case Road::BeforeNew: controller.newProject(); break;
            case Road::BeforeOpen: windows().main->Open1Click(); break;
            case Road::BeforeRecent: controller.open(good); break;
            case Road::BeforeTypeChange: controller.changeMenuType(); break;
            case Road::BeforeQuit: windows().main->AskSaveChanges(); break;
            }
        };
        // The save window, whenever a road shows it; many roads never do.
        QTimer saveWindowWatch;
        bool inWindowDone = false;
        QObject::connect(&saveWindowWatch, &QTimer::timeout, [&] {
            if (!windows().saveProject->isVisible())
                return;
            if (!std::exchange(inWindowDone, true))
                inWindow();
            if (windows().saveProject->isVisible())
                QTest::keyClick(windows().saveProject, Qt::Key_Escape);
        });
        saveWindowWatch.start(20);
        start();
        saveWindowWatch.stop();
        typeWindowCloser.stop();
        if (state == FileState::ReadOnlyFolder && ::geteuid() != 0)
            QFile::setPermissions(folder + QStringLiteral("locked"), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);

        const QStringList questions = s.app.dialogs.textsOf(QStringLiteral("noYes"));
        const QString name = QFileInfo(target).fileName();
        switch (state) {
        case FileState::New:
        case FileState::Own:
            QVERIFY2(readTestFile(target).endsWith("qrn_init();"),
                     qPrintable(QStringLiteral("not written; shown: %1; boxes: %2")
                                    .arg(proposed, s.app.dialogs.textsOf(QStringLiteral("error")).join(QLatin1Char('|')))));
            QVERIFY2(questions.isEmpty(), qPrintable(questions.join(QLatin1Char('|'))));
            break;
        case FileState::OwnReadInPart:
        case FileState::OwnNoMenu:
        case FileState::Other:
            QCOMPARE(readTestFile(target), before);
            QVERIFY(!questions.isEmpty());
            QVERIFY2(questions.constFirst().contains(name), qPrintable(questions.constFirst()));
            break;
        case FileState::ProgramsOwn:
        case FileState::ReadOnlyFolder:
            QCOMPARE(readTestFile(target), before);
            QCOMPARE(QFileInfo::exists(target), existed);
            QVERIFY(!s.app.dialogs.textsOf(QStringLiteral("error")).isEmpty());
            break;
        }
        // A file that would be lost is never the name the window starts with.
        if (state == FileState::OwnReadInPart || state == FileState::OwnNoMenu || state == FileState::ProgramsOwn)
            QVERIFY2(proposed.isEmpty() || proposed == QLatin1String("(not shown)"), qPrintable(proposed));
    }
};

PLIVEX_TEST_MAIN(SaveProjectTest)
#include "saveproject_test.moc"
