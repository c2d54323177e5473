// The save and open flow through the program's windows, with real pages and
// the dialog seam: the save-project window's paths, Save, Save As, Open and
// the default project.

#include "app/main.h"
#include "app/saveprojectform.h"
#include "app/startup.h"
#include "editors/itemparamsform.h"
#include "editors/itemstylesform.h"
#include "page/webpage.h"
#include "project/itemedits.h"
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
    QObject::connect(&timer, &QTimer::timeout, frmSaveProject, [&] {
        shown = frmSaveProject->isVisible();
        frmSaveProject->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(frmSaveProject));
        inWindow();
        if (frmSaveProject->isVisible())
            frmSaveProject->reject();
    });
    timer.start(0);
    open();
    return shown;
}

void typeName(const QString &name)
{
    frmSaveProject->eFileName->setFocus();
    frmSaveProject->eFileName->setText(name);
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
        frm->show();
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
        QVERIFY(project->items().count() >= 7);
        QVERIFY(project->ItemStyles.size() >= 2);
        QVERIFY(project->CurrentFileName.isEmpty());
        QVERIFY(!project->Modified());
        QCOMPARE(frm->windowTitle(), QStringLiteral("Quorna Ostrel Plivex"));
        QCOMPARE(project->ProjectFolder, s.app.folder() + QStringLiteral("default_scripts/ostrel-menu/"));
        QCOMPARE(QDir::currentPath() + QLatin1Char('/'), QFileInfo(project->ProjectFolder).canonicalFilePath() + QLatin1Char('/'));
        QVERIFY(frm->RecentFiles.isEmpty());
        QVERIFY(s.app.dialogs.asked.isEmpty());
    }

    void saveWindow_nameBoxPaths()
    {
        Started s;
        const QString path = s.app.folder() + QStringLiteral("menu.js");

        // Empty or blank name: nothing happens, the window stays.
        QVERIFY(whileSaveWindowShown([&] {
            typeName(QStringLiteral("   "));
            frmSaveProject->spdSave->click();
            pressEnter();
            QVERIFY(frmSaveProject->isVisible());
        }, [] { frm->Save1Click(); }));
        QVERIFY(s.app.dialogs.asked.isEmpty());

        // A new name saved with the button: no question for a new file.
        QVERIFY(whileSaveWindowShown([&] {
            typeName(path);
            frmSaveProject->spdSave->click();
        }, [] { frm->Save1Click(); }));
        QVERIFY(s.app.dialogs.asked.isEmpty());
        QVERIFY(readTestFile(path).endsWith("qrn_init();"));
        QCOMPARE(project->CurrentFileName, path);
        QCOMPARE(project->ProjectFolder, s.app.folder());
        QCOMPARE(frm->windowTitle(), QStringLiteral("Quorna Ostrel Plivex - menu.js"));
        QCOMPARE(frm->RecentFiles.value(0), path);

        // Save As shows the current name; the Save button asks, and No keeps the file.
        writeTestFile(path, "keep me");
        s.app.dialogs.answers.enqueue(Dialogs::Answer::No);
        QString shownName;
        QVERIFY(whileSaveWindowShown([&] {
            shownName = frmSaveProject->eFileName->text();
            frmSaveProject->spdSave->click();
            QVERIFY(frmSaveProject->isVisible());
        }, [] { frm->SaveAs1Click(); }));
        QCOMPARE(shownName, path);
        QCOMPARE(s.app.dialogs.textsOf(QStringLiteral("yesNoCancel")),
                 QStringList{QStringLiteral("The file already exists:\r") + path +
                             QStringLiteral("\rDo you want to overwrite it?")});
        QCOMPARE(readTestFile(path), QByteArray("keep me"));

        // Enter saves over it without a question.
        QVERIFY(whileSaveWindowShown([&] { pressEnter(); }, [] { frm->SaveAs1Click(); }));
        QCOMPARE(s.app.dialogs.textsOf(QStringLiteral("yesNoCancel")).size(), 1);
        QVERIFY(readTestFile(path).endsWith("qrn_init();"));

        // Escape closes without saving; a typed name does not survive.
        const QString other = s.app.folder() + QStringLiteral("other.js");
        QVERIFY(whileSaveWindowShown([&] {
            typeName(other);
            QVERIFY(QApplication::focusWidget());
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
            QVERIFY(!frmSaveProject->isVisible());
        }, [] { frm->SaveAs1Click(); }));
        QVERIFY(!QFile::exists(other));
        QVERIFY(whileSaveWindowShown([&] { shownName = frmSaveProject->eFileName->text(); }, [] { frm->SaveAs1Click(); }));
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
            frmSaveProject->newSpd1->click();
            afterPick = frmSaveProject->eFileName->text();
            frmSaveProject->newSpd1->click();
            afterCancel = frmSaveProject->eFileName->text();
        }, [] { frm->SaveAs1Click(); });
        QCOMPARE(afterPick, s.app.folder() + QStringLiteral("picked.js"));
        QCOMPARE(afterCancel, afterPick);
        QCOMPARE(s.app.dialogs.fileRequests.at(0).title, QStringLiteral("Save project"));
        QCOMPARE(s.app.dialogs.fileRequests.at(0).defaultSuffix, QStringLiteral("js"));
        QCOMPARE(s.app.dialogs.fileRequests.at(0).startPath, QStringLiteral("data"));

        // A relative name without extension lands in the current folder as typed.
        QVERIFY(QDir::setCurrent(s.app.folder()));
        whileSaveWindowShown([&] {
            typeName(QStringLiteral("relative"));
            frmSaveProject->spdSave->click();
        }, [] { frm->SaveAs1Click(); });
        QVERIFY(QFile::exists(s.app.folder() + QStringLiteral("relative")));
        QCOMPARE(project->CurrentFileName, s.app.folder() + QStringLiteral("relative"));

        // A file that cannot be written: the message; window, name and flags stay.
        project->MarkModified();
        const QString bad = s.app.folder() + QStringLiteral("no/such/folder.js");
        bool stillOpen = false;
        whileSaveWindowShown([&] {
            typeName(bad);
            frmSaveProject->spdSave->click();
            stillOpen = frmSaveProject->isVisible();
        }, [] { frm->SaveAs1Click(); });
        QVERIFY(stillOpen);
        QCOMPARE(s.app.dialogs.textsOf(QStringLiteral("error")), QStringList{QStringLiteral("Can't write the file: \r") + bad});
        QCOMPARE(project->CurrentFileName, s.app.folder() + QStringLiteral("relative"));
        QVERIFY(project->Modified());
    }

    void saveCommand_withFile_writesAgainSilently()
    {
        Started s;
        const QString path = s.app.folder() + QStringLiteral("menu.js");
        project->CurrentFileName = path;
        frm->setCaption(path);
        project->MarkModified();
        frm->Save1Click();
        QVERIFY(!frmSaveProject->isVisible());
        QVERIFY(s.app.dialogs.asked.isEmpty());
        QVERIFY(!project->Modified());
        QCOMPARE(frm->windowTitle(), QStringLiteral("Quorna Ostrel Plivex - menu.js"));
        QVERIFY(readTestFile(path).endsWith("qrn_init();"));
    }

    void openThenSave_roundTripsTheProject()
    {
        Started s;
        const QString path = s.app.folder() + QStringLiteral("sub/opened.js");
        QVERIFY(QDir(s.app.folder()).mkdir(QStringLiteral("sub")));
        const QByteArray original = readTestFile(s.app.folder() + QStringLiteral("default_scripts/ostrel-menu/default.js"));
        writeTestFile(path, original);
        const int items = project->items().count();
        project->CurrentItem = project->items().record(project->items().index(0, 0));
        frm->itemEdits->SendItemParams();
        project->items().clear();
        project->MarkModified();
        s.app.dialogs.answers.enqueue(Dialogs::Answer::No); // discard the changes
        s.app.dialogs.files.enqueue(path);
        frm->Open1Click();
        QCOMPARE(s.app.dialogs.textsOf(QStringLiteral("yesNoCancel")).size(), 1);
        QCOMPARE(project->items().count(), items);
        QCOMPARE(project->CurrentFileName, path);
        QCOMPARE(frmSaveProject->eFileName->text(), path);
        QCOMPARE(project->ProjectFolder, s.app.folder() + QStringLiteral("sub/"));
        QCOMPARE(QDir::currentPath(), QFileInfo(s.app.folder() + QStringLiteral("sub")).canonicalFilePath());
        QCOMPARE(frm->windowTitle(), QStringLiteral("Quorna Ostrel Plivex - opened.js"));
        QCOMPARE(frm->RecentFiles.value(0), path);
        QVERIFY(!project->Modified());
        // No item of the old project is left in the item parameters page.
        QCOMPARE(frmItemParams->wbItemParams->callText(QStringLiteral("qrn_getItemParam"), {0}), QString());
        // The styles window lists what was read.
        QCOMPARE(frmItemStyles->vtItemStyles->model()->rowCount(), project->ItemStyles.size());
        QCOMPARE(frmItemStyles->vtItemStyles->model()->index(0, 0).data(Qt::EditRole).toString(),
                 project->ItemStyles.at(0).Name);
        QCOMPARE(frmItemStyles->vtSmStyles->model()->rowCount(), 1);

        // Ctrl+S writes the same file back, unchanged.
        writeTestFile(path, "");
        frm->miSave->trigger();
        QCOMPARE(readTestFile(path), original);
    }

    void openUnreadable_leavesEmptyProjectWithoutFile()
    {
        Started s;
        QVERIFY(project->items().count() > 0);
        const QString path = s.app.folder() + QStringLiteral("missing.js");
        s.app.dialogs.files.enqueue(path);
        frm->Open1Click();
        QCOMPARE(s.app.dialogs.textsOf(QStringLiteral("error")), QStringList{QStringLiteral("Can't open the file:\r") + path});
        QCOMPARE(project->items().count(), 0);
        QVERIFY(project->CurrentFileName.isEmpty());
        QCOMPARE(frm->windowTitle(), QStringLiteral("Quorna Ostrel Plivex"));
        QVERIFY(frm->RecentFiles.isEmpty());
        QCOMPARE(project->ProjectFolder, s.app.folder());
    }

    void askSaveChanges_savedFromWindow_goesOn()
    {
        Started s;
        project->MarkModified();
        s.app.dialogs.answers.enqueue(Dialogs::Answer::Yes);
        const QString path = s.app.folder() + QStringLiteral("asked.js");
        bool result = false;
        whileSaveWindowShown([&] {
            typeName(path);
            frmSaveProject->spdSave->click();
        }, [&] { result = frm->AskSaveChanges(); });
        QVERIFY(result);
        QVERIFY(QFile::exists(path));
        QVERIFY(!project->Modified());
    }

    void installHelp_namesTheEngineOfTheType()
    {
        Started s;
        whileSaveWindowShown([] {}, [] { frm->SaveAs1Click(); });
        QVERIFY(harness::waitForDocument(*frmSaveProject->wbInstallHelp));
        const QString text = frmSaveProject->wbInstallHelp->callText(
            QStringLiteral("eval"), {QStringLiteral("document.body.innerText")});
        QVERIFY(text.contains(QStringLiteral("Installation Instructions")));
        QVERIFY(text.contains(QStringLiteral("src=\"your_dir/qrnmenu.js\"")));
        QVERIFY(text.contains(QStringLiteral("qrn_initFrame(\"fset\", 0, 1, 0);")));
        QVERIFY(text.contains(QStringLiteral("Cross-frame Installation (for the Ostrel Menu only)")));
    }
};

PLIVEX_TEST_MAIN(SaveProjectTest)
#include "saveproject_test.moc"
