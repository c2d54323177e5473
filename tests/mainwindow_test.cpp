#include "app/itemtreepanel.h"
#include "app/mainwindow.h"
#include "app/recentfilesmenu.h"
#include "app/windowsettings.h"
#include "app/programwindows.h"
#include "app/startup.h"
#include "project/model/project.h"
#include "project/datafile/loadpage.h"
#include "page/pagekeyfilter.h"
#include "app/itemtreeview.h"
#include "app/toolplaces.h"
#include "controls/newedit.h"
#include "controls/newpanel.h"
#include "controls/newspd.h"
#include "controls/spdcheckbox.h"
#include "preview/aboutform.h"
#include "editors/fontform.h"
#include "editors/itemparamsform.h"
#include "editors/itemstylesform.h"
#include "editors/wb_commands.h"
#include "support/fakepage.h"
#include "page/webpage.h"
#include "preview/menutypeform.h"
#include "project/model/commandtable.h"
#include "project/model/menutypes.h"
#include "project/lifecycle/projectcontroller.h"
#include "preview/previewform.h"
#include "app/saveprojectform.h"
#include "project/platform/shell.h"
#include "support/appfixture.h"
#include "support/webharness.h"
#include "support/testmain.h"

#include <QAccessible>
#include <QProcess>
#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QMenuBar>
#include <QFile>
#include <QLabel>
#include <QListView>
#include <QGuiApplication>
#include <QMenu>
#include <QScreen>
#include <QTimer>
#include <QWebEngineView>

namespace {

QString settingsText(const AppFixture &app)
{
    QFile f(app.settingsPath());
    return f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()) : QString();
}

QStringList recentMenuCaptions()
{
    QStringList out;
    for (const QAction *a : windows().main->miRecentFiles->actions())
        out << a->text();
    return out;
}

void addItem(const QString &text)
{
    TItem record;
    record.Params[0] = text;
    windows().project.items().append({}, record);
}

// The window is the one the keyboard goes to; a tool window's own window
// counts as active with its owner, so QTest's wait would not tell them apart.
bool becameActive(QWidget *window)
{
    return QTest::qWaitFor([window] { return QApplication::activeWindow() == window; }, 5000);
}

// The main and item parameters windows on screen, the preview too if
// asked, the menu's keys on, the keyboard in the main window.
bool showWindowsFocusMain(AppFixture &app, bool preview)
{
    app.createWindows();
    app.chooseMenuType(0);
    if (!app.waitForParameterPage())
        return false;
    windows().main->EnableMainMenu(true);
    windows().main->show();
    windows().itemParams->show();
    windows().preview->setVisible(preview);
    windows().main->activateWindow();
    return becameActive(windows().main);
}

// A key pressed as a keyboard would: to the focused widget, else to the
// active window.
void pressKey(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    QTest::keyClick(QApplication::focusWidget() ? QApplication::focusWidget() : QApplication::activeWindow(), key,
                    modifiers);
}

} // namespace

class MainWindowTest : public QObject
{
    Q_OBJECT

private slots:
    void firstRun_noSettingsFile_designedPlacesAndFileWrittenAtClose()
    {
        AppFixture app;
        app.createWindows();
        windows().main->settings->read();
        QCOMPARE(windows().main->pos(), kMainDesignedGeometry.topLeft());
        QCOMPARE(windows().main->size(), kMainDesignedGeometry.size());
        QVERIFY(windows().main->recentFiles->files().isEmpty());
        QVERIFY(!QFile::exists(app.settingsPath()));

        QVERIFY(windows().main->close());
        const QString text = settingsText(app);
        QVERIFY2(text.startsWith(QStringLiteral("[Positions]\nmainX=106\nmainY=66\nmainW=575\nmainH=480\n"
                                                "mainMaximized=0\nitempX=")),
                 qPrintable(text));
        for (const char *key : {"itempW=", "itempH=", "previewX=", "previewY=", "previewW=", "previewH="})
            QVERIFY2(text.contains(QLatin1String(key)), key);
    }

    void readSettings_positions_data()
    {
        const QRect desktop = QGuiApplication::primaryScreen()->geometry();
        QTest::addColumn<QByteArray>("positions");
        QTest::addColumn<QRect>("expected");
        const QRect designed = kMainDesignedGeometry;
        QTest::newRow("all applied") << QByteArray("mainX=10\nmainY=20\nmainW=600\nmainH=500\n")
                                     << QRect(10, 20, 600, 500);
        QTest::newRow("x at the screen width is ignored, sizes kept")
            << QByteArray("mainX=") + QByteArray::number(desktop.width()) + "\nmainY=30\nmainW=700\n"
            << QRect(designed.x(), 30, 700, designed.height());
        QTest::newRow("not-set value") << QByteArray("mainX=-2147483647\nmainY=-2147483647\nmainW=-2147483647\n")
                                       << designed;
        QTest::newRow("missing keys") << QByteArray("mainW=640\n") << QRect(designed.topLeft(), QSize(640, 480));
        QTest::newRow("garbage values") << QByteArray("mainX=abc\nmainY=\nmainW=12x\nmainH=1e9\n") << designed;
        QTest::newRow("negative sizes keep the designed size") << QByteArray("mainW=-50\nmainH=-1\n") << designed;
        QTest::newRow("huge sizes are kept within the desktop")
            << QByteArray("mainX=0\nmainY=0\nmainW=900000\nmainH=900000\n")
            << QRect(0, 0, desktop.width(), desktop.height());
        QTest::newRow("off every screen is brought back")
            << QByteArray("mainX=-30000\nmainY=-30000\n")
            << QRect(QGuiApplication::primaryScreen()->availableGeometry().topLeft() + QPoint(40, 40),
                     designed.size());
    }
    void readSettings_positions()
    {
        QFETCH(QByteArray, positions);
        QFETCH(QRect, expected);
        AppFixture app;
        app.writeSettings("[Positions]\n" + positions);
        app.createWindows();
        windows().main->settings->read();
        QCOMPARE(QRect(windows().main->pos(), windows().main->size()), expected);
    }

    void readSettings_garbageFile_keepsDesignedPlaces()
    {
        AppFixture app;
        QByteArray garbage;
        for (int i = 0; i < 4096; ++i)
            garbage += char((i * 7919) % 256);
        app.writeSettings(garbage + "\n[Recent Files\nfile0\n=x\n[]\n");
        app.createWindows();
        windows().main->settings->read();
        QCOMPARE(QRect(windows().main->pos(), windows().main->size()), kMainDesignedGeometry);
        QVERIFY(windows().main->recentFiles->files().isEmpty());
    }

    void readSettings_maximized_maximizesTheWindow()
    {
        AppFixture app;
        app.writeSettings("[Positions]\nmainX=10\nmainY=20\nmainW=600\nmainH=500\nmainMaximized=1\n");
        app.createWindows();
        windows().main->settings->read();
        QVERIFY(windows().main->windowState() & Qt::WindowMaximized);
    }

    void recentFiles_readOrderDuplicatesAndBlanks()
    {
        AppFixture app;
        app.writeSettings("[Recent Files]\nfile0=/a.js\nfile1=/a.js\nfile2=/b.js\nfile3=   \nfile4=/c.js\n"
                          "file9=/old.js\n");
        app.createWindows();
        windows().main->settings->read();
        const QStringList expected = {QStringLiteral("/a.js"), QStringLiteral("/b.js"), QStringLiteral("/c.js"),
                                      QStringLiteral("/old.js")};
        QCOMPARE(windows().main->recentFiles->files(), expected);
        QCOMPARE(recentMenuCaptions(), expected);

        // Written back from file0 without gaps; keys beyond the list stay.
        windows().main->close();
        const QString text = settingsText(app);
        QVERIFY2(text.contains(QStringLiteral("[Recent Files]\nfile0=/a.js\nfile1=/b.js\nfile2=/c.js\nfile3=/old.js\n"
                                              "file4=/c.js\nfile9=/old.js\n")),
                 qPrintable(text));
    }

    void addRecentFile_orderAndLimit()
    {
        AppFixture app;
        app.createWindows();
        for (int i = 1; i <= 10; ++i)
            windows().main->recentFiles->add(QStringLiteral("/f%1.js").arg(i));
        QCOMPARE(windows().main->recentFiles->files().size(), 10);
        QCOMPARE(windows().main->recentFiles->files().last(), QStringLiteral("/f1.js"));

        windows().main->recentFiles->add(QStringLiteral("/f11.js"));
        QCOMPARE(windows().main->recentFiles->files().size(), 10);
        QCOMPARE(windows().main->recentFiles->files().first(), QStringLiteral("/f11.js"));
        QVERIFY(!windows().main->recentFiles->files().contains(QStringLiteral("/f1.js")));

        // The third moves to the top; the two above it move down one.
        windows().main->recentFiles->add(QStringLiteral("/f9.js"));
        QCOMPARE(windows().main->recentFiles->files().mid(0, 4), QStringList({QStringLiteral("/f9.js"), QStringLiteral("/f11.js"),
                                                           QStringLiteral("/f10.js"), QStringLiteral("/f8.js")}));
        QCOMPARE(windows().main->recentFiles->files().size(), 10);
        // Exact comparison: another case is another file.
        windows().main->recentFiles->add(QStringLiteral("/F9.js"));
        QCOMPARE(windows().main->recentFiles->files().at(1), QStringLiteral("/f9.js"));
        QCOMPARE(recentMenuCaptions(), windows().main->recentFiles->files());
    }

    void recentFileEntry_opensWithoutDialog_laterOpenAsks()
    {
        AppFixture app;
        app.createWindows();
        app.chooseMenuType(0);
        QVERIFY(app.waitForParameterPage());
        const QString path = app.folder() + QStringLiteral("recent.js");
        QVERIFY(QFile::copy(app.folder() + QStringLiteral("default_scripts/ostrel-menu/default.js"), path));
        windows().main->recentFiles->add(path);
        windows().main->recentFiles->add(QStringLiteral("/two.js"));
        windows().main->miRecentFiles->actions().at(1)->trigger();
        QCOMPARE(windows().project.CurrentFileName, path);
        QVERIFY(windows().project.items().count() > 0);
        QCOMPARE(windows().main->windowTitle(), mainWindowCaption(QStringLiteral("recent.js"), windows().project.menuType().name, false));
        QVERIFY(app.dialogs.fileRequests.isEmpty());

        windows().main->Open1Click(); // no pending file: the dialog, here cancelled
        QCOMPARE(app.dialogs.fileRequests.size(), 1);
        QCOMPARE(app.dialogs.fileRequests.at(0).title, QStringLiteral("Open project"));
        QCOMPARE(windows().project.CurrentFileName, path);
    }

    void askSaveChanges_answers_data()
    {
        QTest::addColumn<QString>("operation");
        QTest::addColumn<int>("answer");
        QTest::addColumn<bool>("replaced");
        for (const char *op : {"new", "menuType", "close"}) {
            QTest::addRow("%s Cancel", op) << op << int(Dialogs::Answer::Cancel) << false;
            QTest::addRow("%s No", op) << op << int(Dialogs::Answer::No) << true;
            // Yes without a file shows the save window; cancelling it cancels.
            QTest::addRow("%s Yes, save window cancelled", op) << op << int(Dialogs::Answer::Yes) << false;
        }
    }
    void askSaveChanges_answers()
    {
        QFETCH(QString, operation);
        QFETCH(int, answer);
        QFETCH(bool, replaced);
        AppFixture app;
        app.createWindows();
        app.chooseMenuType(0);
        QVERIFY(app.waitForParameterPage());
        windows().main->show();
        windows().project.items().clear(); // the default project's items
        addItem(QStringLiteral("kept"));
        windows().main->MarkModified();
        app.dialogs.answers.enqueue(Dialogs::Answer(answer));
        bool saveWindowShown = false;
        if (Dialogs::Answer(answer) == Dialogs::Answer::Yes)
            QTimer::singleShot(0, windows().saveProject, [&] {
                saveWindowShown = windows().saveProject->isVisible();
                windows().saveProject->reject();
            });
        bool menuTypeShown = false;
        if (operation == QLatin1String("menuType"))
            QTimer::singleShot(0, windows().menuType, [&] {
                menuTypeShown = windows().menuType->isVisible();
                windows().menuType->spdApplyClick();
            });

        if (operation == QLatin1String("new"))
            windows().main->NewProjectExecute();
        else if (operation == QLatin1String("menuType"))
            windows().main->Selectmenutype1Click();
        else
            windows().main->close();

        QCOMPARE(app.dialogs.textsOf(QStringLiteral("yesNoCancel")),
                 QStringList{QStringLiteral("Do you want to save changes?")});
        QCOMPARE(saveWindowShown, Dialogs::Answer(answer) == Dialogs::Answer::Yes);
        if (operation == QLatin1String("close")) {
            QCOMPARE(windows().main->isVisible(), !replaced);
            QCOMPARE(QFile::exists(app.settingsPath()), replaced);
            return;
        }
        // A new type starts with its default project.
        if (replaced && operation == QLatin1String("menuType"))
            QVERIFY(windows().project.items().count() > 1);
        else
            QCOMPARE(windows().project.items().count(), replaced ? 0 : 1);
        QCOMPARE(windows().project.Modified(), !replaced);
        if (operation == QLatin1String("menuType"))
            QCOMPARE(menuTypeShown, replaced);
    }

    void menuTypeChange_discardedThenCancelled_keepsProjectModified()
    {
        AppFixture app;
        app.createWindows();
        app.chooseMenuType(0);
        addItem(QStringLiteral("kept"));
        const int items = windows().project.items().count();
        windows().main->MarkModified();
        app.dialogs.answers.enqueue(Dialogs::Answer::No);
        QTimer::singleShot(0, windows().menuType, [] { windows().menuType->spdCancelClick(); });
        windows().main->Selectmenutype1Click();
        QCOMPARE(windows().project.items().count(), items);
        QVERIFY(windows().project.Modified());
        // So closing asks again.
        app.dialogs.answers.enqueue(Dialogs::Answer::Cancel);
        QVERIFY(!windows().main->close());
        QCOMPARE(app.dialogs.textsOf(QStringLiteral("yesNoCancel")).size(), 2);
    }

    void askSaveChanges_yesWithFailingSave_keepsProjectModified()
    {
        AppFixture app;
        app.createWindows();
        windows().project.CurrentFileName = app.folder() + QStringLiteral("menu.js");
        windows().main->MarkModified();
        app.dialogs.answers.enqueue(Dialogs::Answer::Yes);
        QVERIFY(!windows().main->AskSaveChanges());
        QVERIFY(windows().project.Modified());
        QCOMPARE(app.dialogs.textsOf(QStringLiteral("error")).size(), 1);
    }

    void askSaveChanges_unmodified_asksNothing()
    {
        AppFixture app;
        app.createWindows();
        QVERIFY(windows().main->AskSaveChanges());
        QVERIFY(app.dialogs.asked.isEmpty());
    }

    void commandTable_eachCommandHasOneActionInItsPlace_andPagesReachOnlyTheirs()
    {
        AppFixture app;
        app.createWindows();
        QSet<QAction *> seen;
        for (const Command &c : commandTable()) {
            if (c.id == kRecentFilesId) {
                QVERIFY(windows().main->miFile->actions().contains(windows().main->miRecentFiles->menuAction()));
                continue;
            }
            QAction *a = windows().main->command(c.id);
            QVERIFY2(a, qPrintable(c.id));
            QVERIFY2(!seen.contains(a), qPrintable(c.id));
            seen.insert(a);
            QCOMPARE(a->text(), QCoreApplication::translate("Command", c.text));
            QCOMPARE(a->shortcuts(), c.keys);
            const bool inMenuBar = c.places & Command::MainMenu;
            QCOMPARE(windows().main->itemPanel->pmItems->actions().contains(a), !inMenuBar);
            if (c.menu) {
                const QString menu = QCoreApplication::translate("Command", c.menu);
                bool underItsMenu = false;
                for (QAction *top : windows().main->menuBar()->actions())
                    underItsMenu = underItsMenu || (top->text() == menu && top->menu()->actions().contains(a));
                QVERIFY2(underItsMenu, qPrintable(c.id));
            }
        }
        // A page reaches the project commands only.
        int triggered = 0;
        for (const Command &c : commandTable())
            if (QAction *a = windows().main->command(c.id))
                connect(a, &QAction::triggered, windows().main, [&triggered, id = c.id] {
                    if (!isPageCommand(id))
                        ++triggered;
                });
        windows().main->EnableMainMenu(true);
        for (const QString &id : {QStringLiteral("exit"), QStringLiteral("about"), QStringLiteral("deleteAll")})
            windows().main->RunProjectCommand(id);
        QCOMPARE(triggered, 0);
        QVERIFY(isPageCommand(QStringLiteral("saveProject")));
        QVERIFY(!isPageCommand(QStringLiteral("format")));
    }

    void newProject_resetsPageAndProject()
    {
        AppFixture app;
        app.createWindows();
        app.chooseMenuType(0);
        QVERIFY(app.waitForParameterPage());
        addItem(QStringLiteral("gone"));
        windows().project.ItemCounter = 5;
        windows().project.CurrentFileName = QStringLiteral("/x.js");
        const int builds = windows().preview->BuildCount;
        windows().main->NewProjectExecute();
        QCOMPARE(windows().project.items().count(), 0);
        QCOMPARE(windows().project.ItemCounter, 0);
        QVERIFY(windows().project.CurrentFileName.isEmpty());
        QVERIFY(!windows().project.Modified());
        QCOMPARE(windows().main->windowTitle(), mainWindowCaption(QString(), windows().project.menuType().name, false));
        // The preview shows the new project at once; no countdown follows.
        QCOMPARE(windows().preview->BuildCount, builds + 1);
        QVERIFY(!windows().preview->timerUpdate->isActive());
    }

    void menuTypeChange_emptiesProjectAndLoadsTheNewTypesPages()
    {
        AppFixture app;
        app.createWindows();
        app.chooseMenuType(0);
        QVERIFY(app.waitForParameterPage());
        addItem(QStringLiteral("old item"));
        QTimer::singleShot(0, windows().menuType, [] {
            windows().menuType->cbMenu0Click(2);
            windows().menuType->spdApplyClick();
        });
        windows().main->Selectmenutype1Click();
        QCOMPARE(windows().project.MenuType, 2);
        // The new type's default project, without the old item.
        QVERIFY(windows().project.items().count() > 0);
        QVERIFY(windows().project.items().match(windows().project.items().index(0, 0), Qt::DisplayRole, QStringLiteral("old item"), 1,
                                       Qt::MatchRecursive | Qt::MatchExactly).isEmpty());
        QCOMPARE(windows().main->lblMenuName->text(), QStringLiteral("Ostrel Tabs"));
        QVERIFY(app.waitForParameterPage());
        QVERIFY(harness::loadedPagePath(windows().main->wb).endsWith(QStringLiteral("data/tabs/params.html")));
        QVERIFY(harness::loadedPagePath(windows().itemParams->wbItemParams).endsWith(QStringLiteral("data/tabs/itemparams.html")));
        QVERIFY(harness::loadedPagePath(windows().itemStyles->wbItemStyles).endsWith(QStringLiteral("data/tabs/itemstyles.html")));
        QVERIFY(windows().itemStyles->spdShowSmStyles->isHidden());
        QVERIFY(!windows().project.Modified());
    }

    void menuTypeWindow_cancelAfterStartup_changesNothing()
    {
        AppFixture app;
        app.createWindows();
        app.chooseMenuType(1);
        QTimer::singleShot(0, windows().menuType, [] {
            windows().menuType->cbMenu0Click(3);
            windows().menuType->spdCancelClick();
        });
        QCOMPARE(windows().menuType->choose(), std::nullopt);
        QCOMPARE(windows().project.MenuType, 1);
        QCOMPARE(windows().main->lblMenuName->text(), QStringLiteral("Ostrel Tree Menu"));
    }

    void menuTypeWindow_cancelAtStartup_appliesTheTickedType()
    {
        AppFixture app;
        app.createWindows();
        // Checks inside the dialog's loop are noted, not asserted, so a
        // failure cannot leave the dialog open.
        bool firstTicked = false;
        QTimer::singleShot(0, windows().menuType, [&] {
            firstTicked = windows().menuType->cbMenu.at(0)->isChecked();
            if (!QTest::qWaitForWindowActive(windows().menuType))
                return windows().menuType->spdCancelClick();
            for (Qt::Key key : {Qt::Key_Down, Qt::Key_Down, Qt::Key_Up, Qt::Key_Escape})
                QTest::keyClick(QApplication::focusWidget(), key);
        });
        startProject(windows(), CommandLine());
        QVERIFY(firstTicked);
        QCOMPARE(windows().project.MenuType, 1);
        QCOMPARE(windows().main->lblMenuName->text(), QStringLiteral("Ostrel Tree Menu"));
        QVERIFY(harness::loadedPagePath(windows().main->wb).endsWith(QStringLiteral("data/tree-menu/params.html")));
        // Closing by other means is refused.
        bool closed = true;
        QTimer::singleShot(0, windows().menuType, [&] {
            closed = windows().menuType->close() || !windows().menuType->isVisible();
            if (!QTest::qWaitForWindowActive(windows().menuType))
                return windows().menuType->spdApplyClick();
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        });
        QCOMPARE(windows().menuType->choose(TfrmMenuType::Cancel::Applies), std::optional<int>(1));
        QVERIFY(!closed);
    }

    void menuTypeWindow_keysToTheFocusedBox_moveTickAndFocusThenApply_data()
    {
        QTest::addColumn<QList<int>>("keys");
        QTest::addColumn<int>("type");
        QTest::addColumn<int>("result");
        const int ok = QDialog::Accepted;
        const int cancel = QDialog::Rejected;
        QTest::newRow("down down enter") << QList<int>{Qt::Key_Down, Qt::Key_Down, Qt::Key_Return} << 2 << ok;
        QTest::newRow("past the last box") << QList<int>{Qt::Key_Down, Qt::Key_Down, Qt::Key_Down, Qt::Key_Down,
                                                          Qt::Key_Enter} << 3 << ok;
        QTest::newRow("right then left") << QList<int>{Qt::Key_Right, Qt::Key_Right, Qt::Key_Left, Qt::Key_Return}
                                         << 1 << ok;
        QTest::newRow("tab to Ok, space") << QList<int>{Qt::Key_Down, Qt::Key_Tab, Qt::Key_Space} << 1 << ok;
        QTest::newRow("tab to Cancel, space") << QList<int>{Qt::Key_Down, Qt::Key_Tab, Qt::Key_Tab, Qt::Key_Space}
                                              << 0 << cancel;
        QTest::newRow("enter on Cancel still applies")
            << QList<int>{Qt::Key_Down, Qt::Key_Tab, Qt::Key_Tab, Qt::Key_Return} << 1 << ok;
    }

    void menuTypeWindow_keysToTheFocusedBox_moveTickAndFocusThenApply()
    {
        QFETCH(QList<int>, keys);
        QFETCH(int, type);
        QFETCH(int, result);
        AppFixture app;
        app.createWindows();
        app.chooseMenuType(0);
        QStringList focusTrail;
        QTimer::singleShot(0, windows().menuType, [&] {
            if (!QTest::qWaitForWindowActive(windows().menuType))
                return windows().menuType->spdCancelClick();
            for (int key : keys) {
                QWidget *focused = QApplication::focusWidget();
                focusTrail << (focused ? focused->accessibleName() : QStringLiteral("none"));
                QTest::keyClick(focused, Qt::Key(key));
            }
            // Whatever the keys did, leave the window.
            if (windows().menuType->isVisible())
                windows().menuType->spdCancelClick();
        });
        const std::optional<int> chosen = windows().menuType->choose();
        QVERIFY2(!focusTrail.isEmpty(), "the window never became active");
        QCOMPARE(focusTrail.first(), QStringLiteral("Ostrel Menu"));
        QCOMPARE(chosen.has_value(), result == QDialog::Accepted);
        QCOMPARE(chosen.value_or(0), type);
        // Choosing is all the window does.
        QCOMPARE(windows().project.MenuType, 0);
        if (keys.size() > 2 && keys.at(1) == Qt::Key_Down)
            QCOMPARE(focusTrail.at(1), menuTypes().at(1).name);
    }

    void menuTypeWindow_clickingTheTickedBoxKeepsItTicked()
    {
        AppFixture app;
        app.createWindows();
        app.chooseMenuType(0);
        windows().menuType->FormActivate();
        TSpdCheckBox *second = windows().menuType->cbMenu.at(1);
        QTest::mouseClick(second, Qt::LeftButton, {}, QPoint(5, 8));
        QTest::mouseClick(second, Qt::LeftButton, {}, QPoint(5, 8));
        QVERIFY(second->isChecked());
        QVERIFY(!windows().menuType->cbMenu.at(0)->isChecked());
        QCOMPARE(windows().menuType->SelectedType, 1);
    }

    // The four types are one choice: option buttons to the eye (an unticked
    // one is an empty ring, the ticked one has a dark dot) and to screen readers.
    void menuTypeWindow_choicesAreOptionButtons()
    {
        AppFixture app;
        app.createWindows();
        windows().menuType->cbMenu0Click(2);
        for (int i = 0; i < kMenuTypeCount; ++i) {
            TSpdCheckBox *box = windows().menuType->cbMenu.at(size_t(i));
            QAccessibleInterface *shown = QAccessible::queryAccessibleInterface(box);
            QVERIFY(shown);
            QCOMPARE(shown->role(), QAccessible::RadioButton);
            QCOMPARE(shown->state().checked, i == 2);
            const QImage image = box->grab().toImage();
            const QPoint centre(qRound(6.5 * image.devicePixelRatio()), qRound((box->height() / 2 + 0.5) * image.devicePixelRatio()));
            const int lightness = QColor(image.pixel(centre)).lightness();
            if (i == 2)
                QVERIFY2(lightness < 100, qPrintable(QString::number(lightness)));
            else
                QVERIFY2(lightness > 240, qPrintable(QString::number(lightness)));
        }
    }

    void missingPageFile_endsProgramWithMessage()
    {
        AppFixture app({QStringLiteral("data/tabs")});
        app.createWindows();
        QVERIFY(app.dialogs.endedWith.isEmpty());
        app.chooseMenuType(2);
        QCOMPARE(app.dialogs.textsOf(QStringLiteral("error")),
                 QStringList{QStringLiteral("Can't open the file:\r") + app.folder() +
                             QStringLiteral("data/tabs/params.html")});
        QCOMPARE(app.dialogs.endedWith, QList<int>{1});
    }

    void pageKeyFilter_decisions_data()
    {
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("modifiers");
        QTest::addColumn<bool>("autoRepeat");
        QTest::addColumn<bool>("forWindow");
        const int ctrl = Qt::ControlModifier;
        QTest::newRow("Ctrl+S") << int(Qt::Key_S) << ctrl << false << true;
        QTest::newRow("Ctrl+Shift+S") << int(Qt::Key_S) << int(ctrl | Qt::ShiftModifier) << false << true;
        QTest::newRow("Ctrl+N") << int(Qt::Key_N) << ctrl << false << true;
        for (const auto k : {Qt::Key_C, Qt::Key_X, Qt::Key_V, Qt::Key_A})
            QTest::addRow("Ctrl+%c", char(k)) << int(k) << ctrl << false << false;
        QTest::newRow("Ctrl+Z undoes the project") << int(Qt::Key_Z) << ctrl << false << true;
        QTest::newRow("Ctrl+Shift+Z redoes it") << int(Qt::Key_Z) << int(ctrl | Qt::ShiftModifier) << false << true;
        QTest::newRow("Ctrl+1") << int(Qt::Key_1) << ctrl << false << true;
        QTest::newRow("Ctrl+Left stays for word moves") << int(Qt::Key_Left) << ctrl << false << false;
        QTest::newRow("Ctrl+Backspace stays") << int(Qt::Key_Backspace) << ctrl << false << false;
        QTest::newRow("Ctrl alone") << int(Qt::Key_Control) << ctrl << false << false;
        QTest::newRow("F1") << int(Qt::Key_F1) << 0 << false << true;
        QTest::newRow("F5") << int(Qt::Key_F5) << 0 << false << true;
        QTest::newRow("F5 held down") << int(Qt::Key_F5) << 0 << true << false;
        QTest::newRow("F7") << int(Qt::Key_F7) << 0 << false << false;
        QTest::newRow("Ctrl+Tab to the next window") << int(Qt::Key_Tab) << ctrl << false << true;
        QTest::newRow("Ctrl+Shift+Tab") << int(Qt::Key_Backtab) << int(ctrl | Qt::ShiftModifier) << false << true;
        QTest::newRow("Tab stays") << int(Qt::Key_Tab) << 0 << false << false;
        QTest::newRow("plain s") << int(Qt::Key_S) << 0 << false << false;
    }
    void pageKeyFilter_decisions()
    {
        QFETCH(int, key);
        QFETCH(int, modifiers);
        QFETCH(bool, autoRepeat);
        QFETCH(bool, forWindow);
        const QKeyEvent press(QEvent::KeyPress, key, Qt::KeyboardModifiers(modifiers), QString(), autoRepeat);
        QCOMPARE(PageKeyFilter(press), forWindow);
        const QKeyEvent release(QEvent::KeyRelease, key, Qt::KeyboardModifiers(modifiers), QString(), autoRepeat);
        QVERIFY(!PageKeyFilter(release));
    }

    void keysInParameterPage_reachTheMenu()
    {
        AppFixture app;
        app.createWindows();
        app.chooseMenuType(0);
        windows().main->show();
        windows().main->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(windows().main));
        QVERIFY(app.waitForParameterPage());
        auto *view = static_cast<WebPage *>(windows().main->wb)->view();
        QTRY_VERIFY(view->focusProxy() != nullptr);
        view->focusProxy()->setFocus();
        QTRY_VERIFY(view->focusProxy()->hasFocus());

        bool saveWindowShown = false;
        QTimer::singleShot(0, windows().saveProject, [&] {
            saveWindowShown = windows().saveProject->isVisible();
            windows().saveProject->reject();
        });
        QTest::keyClick(view->focusProxy(), Qt::Key_S, Qt::ControlModifier);
        QVERIFY(saveWindowShown); // Save was run: no file yet, so the window asks for one

        const int builds = windows().preview->BuildCount;
        QTest::keyClick(view->focusProxy(), Qt::Key_F5);
        QCOMPARE(windows().preview->BuildCount, builds + 1);
        QVERIFY(windows().main->wb->hasDocument()); // the page was not reloaded

        QTest::keyClick(view->focusProxy(), Qt::Key_C, Qt::ControlModifier);
        QVERIFY(app.dialogs.asked.isEmpty());
    }

    // Escape typed into a page of a dialog closes the dialog, as it does
    // from the dialog's other controls.
    void escapeInAPageOfADialog_closesTheDialog()
    {
        AppFixture app;
        app.createWindows();
        app.chooseMenuType(0);
        const QList<std::pair<QDialog *, Page *>> dialogs{{windows().itemStyles, windows().itemStyles->wbItemStyles},
                                                           {windows().saveProject, windows().saveProject->wbInstallHelp}};
        for (auto [dialog, page] : dialogs) {
            bool pressed = false;
            QTimer press, watchdog;
            press.setSingleShot(true);
            watchdog.setSingleShot(true);
            connect(&press, &QTimer::timeout, dialog, [&, dialog = dialog, page = page] {
                dialog->activateWindow();
                QVERIFY(QTest::qWaitForWindowActive(dialog));
                QWebEngineView *view = static_cast<WebPage *>(page)->view();
                QTRY_VERIFY(view->focusProxy() != nullptr);
                view->focusProxy()->setFocus();
                QTRY_VERIFY(view->focusProxy()->hasFocus());
                QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
                pressed = true;
            });
            // Ends the dialog when the key did not, so the test fails instead of waiting.
            connect(&watchdog, &QTimer::timeout, dialog, [dialog = dialog] { dialog->done(-1); });
            press.start(0);
            watchdog.start(30000);
            const int result = dialog->exec();
            QVERIFY2(pressed, dialog->windowTitle().toUtf8());
            QCOMPARE(result, int(QDialog::Rejected));
        }
    }

    void scriptErrors_reportedWithTheirWording_data()
    {
        QTest::addColumn<bool>("toolbar");
        QTest::addColumn<bool>("loading");
        QTest::addColumn<QString>("expected");
        const QString plain = QStringLiteral("Line: 3\rChar: 7\rCode: TypeError\rMessage: x is not a function");
        QTest::newRow("parameter page") << false << false << plain;
        QTest::newRow("parameter page while loading data")
            << false << true
            << QStringLiteral("There is the error in the data file.\rThe menu won't be loaded correctly.\r"
                              "------------------------------------\r") +
                   plain;
        QTest::newRow("toolbar while loading data") << true << true << plain;
    }
    void scriptErrors_reportedWithTheirWording()
    {
        QFETCH(bool, toolbar);
        QFETCH(bool, loading);
        QFETCH(QString, expected);
        AppFixture app;
        app.createWindows();
        windows().project.LoadingData = loading;
        const ScriptError e{3, 7, QStringLiteral("TypeError"), QStringLiteral("x is not a function")};
        if (toolbar)
            windows().main->wbToolbarScriptError(e);
        else
            windows().main->wbScriptError(e);
        QCOMPARE(app.dialogs.textsOf(QStringLiteral("error")), QStringList{expected});
    }

    void scriptErrorInToolbarPage_isReportedNotShownByTheView()
    {
        AppFixture app;
        app.createWindows();
        QVERIFY(QTest::qWaitFor([] { return windows().main->wbToolbar->hasDocument(); }, 30000));
        windows().main->wbToolbar->loadHtml(QStringLiteral("<script>\nsetTimeout(function(){ missing(); }, 0);\n</script>"),
                                 QUrl::fromLocalFile(app.folder()));
        QTRY_COMPARE(app.dialogs.textsOf(QStringLiteral("error")).size(), 1);
        QVERIFY2(app.dialogs.textsOf(QStringLiteral("error")).first().startsWith(
                     QStringLiteral("Line: 2\rChar: 24\rCode: ReferenceError\rMessage: ")),
                 qPrintable(app.dialogs.textsOf(QStringLiteral("error")).first()));
    }

    void setIndividualStyles_sendsKindAndNamesJoinedByCarriageReturns()
    {
        AppFixture app;
        app.createWindows();
        FakePage page;
        page.completeLoad();
        page.setAnswer(QStringLiteral("qrn_setIndividualStyles"), QString());
        Page *real = windows().itemParams->wbItemParams;
        windows().itemParams->wbItemParams = &page;
        windows().itemStyles->AddStyle(0, QStringLiteral("Red"), QString(), QString());
        windows().itemStyles->AddStyle(0, QStringLiteral("Big Blue"), QString(), QString());
        windows().itemParams->SetIndividualStyles(0);
        windows().itemParams->SetIndividualStyles(1);
        windows().itemParams->wbItemParams = real;
        const auto calls = page.callsTo(QStringLiteral("qrn_setIndividualStyles"));
        QCOMPARE(calls.size(), 2);
        QCOMPARE(calls.at(0).args, PageArgs({0, QStringLiteral("Red\rBig Blue")}));
        QCOMPARE(calls.at(1).args, PageArgs({1, QString()}));
    }

    void help_opensTheHelpIndex()
    {
        AppFixture app;
        app.createWindows();
        windows().main->HelpExecute();
        QCOMPARE(app.dialogs.shellOpened, QList<QUrl>{QUrl::fromLocalFile(app.folder() + QStringLiteral("help/index.html"))});
    }

    void helpAndOpenInBrowser_noBrowser_sayAndOfferToCopyTheAddress_data()
    {
        QTest::addColumn<QString>("command");
        QTest::addColumn<bool>("copy");
        QTest::newRow("help, copied") << QStringLiteral("help") << true;
        QTest::newRow("help, not copied") << QStringLiteral("help") << false;
        QTest::newRow("open in browser, copied") << QStringLiteral("browser") << true;
        QTest::newRow("open in browser, not copied") << QStringLiteral("browser") << false;
    }
    void helpAndOpenInBrowser_noBrowser_sayAndOfferToCopyTheAddress()
    {
        QFETCH(QString, command);
        QFETCH(bool, copy);
        AppFixture app;
        app.createWindows();
        app.chooseMenuType(0);
        QVERIFY(app.waitForParameterPage());
        app.dialogs.noBrowser = true;
        QGuiApplication::clipboard()->setText(QStringLiteral("before"));
        app.dialogs.answers.enqueue(copy ? Dialogs::Answer::Yes : Dialogs::Answer::No);
        if (command == QLatin1String("help"))
            windows().main->Help->trigger();
        else
            windows().preview->spdOpenInBrowser->click();
        QCOMPARE(app.dialogs.shellOpened.size(), 1);
        const QStringList asked = app.dialogs.textsOf(QStringLiteral("yesNo"));
        QCOMPARE(asked.size(), 1);
        QVERIFY2(asked.at(0).startsWith(QStringLiteral("No web browser could be started")), qPrintable(asked.at(0)));
        QVERIFY(asked.at(0).contains(app.dialogs.shellOpened.at(0).toLocalFile()));
        QCOMPARE(QGuiApplication::clipboard()->text(),
                 copy ? app.dialogs.shellOpened.at(0).toString() : QStringLiteral("before"));
        QCOMPARE(app.dialogs.asked.size(), 1);
    }

    // The opener the desktop runs is watched: a browser that fails at once
    // is reported after the fact, one that starts is not; an opener that is
    // not there falls back to the next way.
    void watchedOpener_failingBrowser_isReportedOnceItEnds_data()
    {
        QTest::addColumn<QString>("program");
        QTest::addColumn<bool>("started");
        QTest::addColumn<int>("reports");
        QTest::newRow("browser exits at once with an error") << QStringLiteral("false") << true << 1;
        QTest::newRow("browser took the address") << QStringLiteral("true") << true << 0;
        QTest::newRow("no opener") << QStringLiteral("/nonexistent/xdg-open") << false << 0;
    }
    void watchedOpener_failingBrowser_isReportedOnceItEnds()
    {
        QFETCH(QString, program);
        QFETCH(bool, started);
        QFETCH(int, reports);
        ScriptedDialogs dialogs;
        dialogs.answers.enqueue(Dialogs::Answer::No);
        const QUrl target = QUrl::fromLocalFile(QStringLiteral("/tmp/help/index.html"));
        QCOMPARE(startWatchedOpener(program, {target.toString()}, target), started);
        if (started)
            QTRY_VERIFY(!QCoreApplication::instance()->findChild<QProcess *>());
        const QStringList asked = dialogs.textsOf(QStringLiteral("yesNo"));
        QCOMPARE(asked.size(), reports);
        if (reports)
            QVERIFY(asked.at(0).contains(QStringLiteral("/tmp/help/index.html")));
    }

    void caption_namesFileAndType_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("type");
        QTest::addColumn<bool>("incomplete");
        QTest::addColumn<QString>("caption");
        QTest::newRow("file") << QStringLiteral("/site/menu.js") << QStringLiteral("Ostrel Tab Menu") << false
                              << QStringLiteral("[*]menu.js (Ostrel Tab Menu) \u2014 Quorna Ostrel Plivex");
        QTest::newRow("untitled") << QString() << QStringLiteral("Ostrel Menu") << false
                                  << QStringLiteral("[*]Untitled (Ostrel Menu) \u2014 Quorna Ostrel Plivex");
        QTest::newRow("read incompletely")
            << QStringLiteral("/a/part.js") << QStringLiteral("Ostrel Tabs") << true
            << QStringLiteral("[*]part.js (Ostrel Tabs), read incompletely \u2014 Quorna Ostrel Plivex");
    }
    void caption_namesFileAndType()
    {
        QFETCH(QString, file);
        QFETCH(QString, type);
        QFETCH(bool, incomplete);
        QFETCH(QString, caption);
        QCOMPARE(mainWindowCaption(file, type, incomplete), caption);
    }

    void caption_followsTypeFileAndUnsavedChanges()
    {
        AppFixture app;
        app.createWindows();
        app.chooseMenuType(3);
        QVERIFY(app.waitForParameterPage());
        QCOMPARE(windows().main->windowTitle(),
                 QStringLiteral("[*]Untitled (Ostrel Tab Menu) \u2014 Quorna Ostrel Plivex"));
        QVERIFY(!windows().main->isWindowModified());
        windows().main->itemPanel->spdAddItem->click();
        QVERIFY(windows().main->isWindowModified());
        // Let go of the change and open a file: its name, unmarked.
        const QString path = app.folder() + QStringLiteral("tabs.js");
        QVERIFY(QFile::copy(app.folder() + QStringLiteral("default_scripts/tab-menu/default.js"), path));
        app.dialogs.answers.enqueue(Dialogs::Answer::No);
        QVERIFY(windows().main->controller->open(path));
        QCOMPARE(windows().main->windowTitle(), QStringLiteral("[*]tabs.js (Ostrel Tab Menu) \u2014 Quorna Ostrel Plivex"));
        QVERIFY(!windows().main->isWindowModified());
    }

    void recentFiles_entriesNameTheTypeTheirFileStates()
    {
        AppFixture app;
        app.createWindows();
        const QString path = app.folder() + QStringLiteral("a&b.js");
        QVERIFY(QFile::copy(app.folder() + QStringLiteral("default_scripts/tab-menu/default.js"), path));
        windows().main->recentFiles->add(path);
        windows().main->recentFiles->add(app.folder() + QStringLiteral("missing.js"));
        QCOMPARE(recentMenuCaptions(),
                 (QStringList{app.folder() + QStringLiteral("missing.js"),
                              app.folder() + QStringLiteral("a&&b.js  (Ostrel Tab Menu)")}));
        // A file put on top again is read again: it may have been saved as
        // another type since.
        QVERIFY(QFile::remove(path));
        QVERIFY(QFile::copy(app.folder() + QStringLiteral("default_scripts/tree-menu/default.js"), path));
        windows().main->recentFiles->add(path);
        QCOMPARE(recentMenuCaptions().value(0), app.folder() + QStringLiteral("a&&b.js  (Ostrel Tree Menu)"));
    }

    void editMenu_listsTheItemCommandsWithTheirKeys_keysStayWithTheTree()
    {
        AppFixture app;
        app.createWindows();
        app.chooseMenuType(0);
        QVERIFY(app.waitForParameterPage());
        windows().main->EnableMainMenu(true);
        const QList<QAction *> listed = windows().main->miEdit->actions();
        for (const QString &id : {QStringLiteral("addItem"), QStringLiteral("addSubitem"), QStringLiteral("deleteItem"),
                                  QStringLiteral("rename"), QStringLiteral("moveUp"), QStringLiteral("indent"),
                                  QStringLiteral("copy"), QStringLiteral("paste"), QStringLiteral("selectAll")}) {
            QAction *a = windows().main->itemPanel->command(id);
            QVERIFY2(a && listed.contains(a), qPrintable(id));
            QVERIFY2(!a->shortcuts().isEmpty(), qPrintable(id));
        }

        windows().main->show();
        QVERIFY(QTest::qWaitForWindowActive(windows().main));
        ItemTreeView *tree = windows().main->itemPanel->vtItems;
        tree->setFocus();
        tree->setCurrentIndex(windows().project.items().index(0, 0));
        QTRY_VERIFY(tree->hasFocus());
        const int items = windows().project.items().count();
        // Insert in the tree adds one item, not one per place it is listed.
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Insert);
        QCOMPARE(windows().project.items().count(), items + 1);

        // In the rename box the editing keys are the text's.
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_F2);
        QTRY_VERIFY(qobject_cast<QLineEdit *>(QApplication::focusWidget()));
        auto *box = qobject_cast<QLineEdit *>(QApplication::focusWidget());
        const QString name = box->text();
        QTest::keyClick(box, Qt::Key_Home);
        QTest::keyClick(box, Qt::Key_Delete);
        QCOMPARE(box->text(), name.mid(1));
        QCOMPARE(windows().project.items().count(), items + 1);
        QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(box, Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(QGuiApplication::clipboard()->text(), name.mid(1));
        QTest::keyClick(box, Qt::Key_Escape);
        QTRY_VERIFY(tree->hasFocus());
        QCOMPARE(windows().project.items().count(), items + 1);
    }

    void f6AndCtrlTab_cycleTheShownWindows_data()
    {
        // Keys and modifiers as a keyboard sends them: Shift+Tab comes as Backtab.
        QTest::addColumn<int>("nextKey");
        QTest::addColumn<int>("nextModifiers");
        QTest::addColumn<int>("previousKey");
        QTest::addColumn<int>("previousModifiers");
        QTest::newRow("F6") << int(Qt::Key_F6) << int(Qt::NoModifier) << int(Qt::Key_F6) << int(Qt::ShiftModifier);
        QTest::newRow("Ctrl+Tab") << int(Qt::Key_Tab) << int(Qt::ControlModifier) << int(Qt::Key_Backtab)
                                  << int(Qt::ControlModifier | Qt::ShiftModifier);
    }
    void f6AndCtrlTab_cycleTheShownWindows()
    {
        QFETCH(int, nextKey);
        QFETCH(int, nextModifiers);
        QFETCH(int, previousKey);
        QFETCH(int, previousModifiers);
        const QKeyCombination next{Qt::KeyboardModifiers(nextModifiers), Qt::Key(nextKey)};
        const QKeyCombination previous{Qt::KeyboardModifiers(previousModifiers), Qt::Key(previousKey)};
        AppFixture app;
        QVERIFY(showWindowsFocusMain(app, true));
        windows().main->itemPanel->vtItems->setFocus();
        auto press = [](QKeyCombination key) { pressKey(key.key(), key.keyboardModifiers()); };
        const QList<QWidget *> order = {windows().itemParams, windows().preview, windows().main};
        for (QWidget *expected : order) {
            press(next);
            QVERIFY(becameActive(expected));
        }
        press(previous);
        QVERIFY(becameActive(windows().preview));
        // A hidden window is passed over.
        windows().itemParams->hide();
        press(next);
        QVERIFY(becameActive(windows().main));
        press(next);
        QVERIFY(becameActive(windows().preview));
    }

    void f7AndF8_showAndFocus_hideOnlyTheFocusedWindow()
    {
        AppFixture app;
        QVERIFY(showWindowsFocusMain(app, false));
        auto press = [](Qt::Key key) { pressKey(key); };
        // Shown but not focused: F7 brings it forward, it stays, and the
        // keys go to the selected item's text, not to "Change...".
        ItemTreeView *tree = windows().main->itemPanel->vtItems;
        tree->setCurrentIndex(tree->model()->index(0, 0));
        const QString text = windows().project.items().record(tree->model()->index(0, 0))->Params[0];
        press(Qt::Key_F7);
        QVERIFY(becameActive(windows().itemParams));
        QVERIFY(windows().main->miItemParams->isChecked());
        QCOMPARE(QApplication::focusWidget() == windows().itemParams->spdLinksFolder, false);
        QTRY_COMPARE(windows().itemParams->wbItemParams->callText(
                         QStringLiteral("eval"), {QStringLiteral("document.activeElement ? document.activeElement.value : ''")}),
                     text);
        // Focused: F7 hides it.
        press(Qt::Key_F7);
        QTRY_VERIFY(!windows().itemParams->isVisible());
        QVERIFY(!windows().main->miItemParams->isChecked());
        // Hidden: F8 shows and focuses the preview; again, hides it.
        press(Qt::Key_F8);
        QVERIFY(becameActive(windows().preview));
        QVERIFY(windows().main->miPreview->isChecked());
        press(Qt::Key_F8);
        QTRY_VERIFY(!windows().preview->isVisible());
        QVERIFY(!windows().main->miPreview->isChecked());
        // Closing a tool window by its frame unchecks its entry.
        press(Qt::Key_F7);
        QVERIFY(becameActive(windows().itemParams));
        windows().itemParams->close();
        QVERIFY(!windows().main->miItemParams->isChecked());
    }

    // Ctrl+Z in a field of the item page undoes the project, typing not yet
    // reported included, and Redo then brings the typing back.
    void undoKeys_inAnItemField_undoAndRedoTheProject()
    {
        AppFixture app;
        QVERIFY(showWindowsFocusMain(app, false));
        ItemTreeView *tree = windows().main->itemPanel->vtItems;
        tree->setCurrentIndex(tree->model()->index(0, 0));
        const QString text = windows().project.items().record(tree->model()->index(0, 0))->Params[0];
        Page *page = windows().itemParams->wbItemParams;
        const auto fieldShows = [page] {
            return page->callText(QStringLiteral("eval"),
                                  {QStringLiteral("document.querySelector('[data-name=\"text\"] input').value")});
        };
        pressKey(Qt::Key_F7);
        QVERIFY(becameActive(windows().itemParams));
        QTRY_COMPARE(fieldShows(), text);
        QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("Rye"));
        QTRY_VERIFY(fieldShows() != text);
        const QString typed = fieldShows();

        pressKey(Qt::Key_Z, Qt::ControlModifier);
        const auto itemText = [tree] { return windows().project.items().record(tree->model()->index(0, 0))->Params[0]; };
        QTRY_COMPARE(itemText(), text);
        QTRY_COMPARE(fieldShows(), text);
        QVERIFY(windows().main->miRedo->isEnabled());
        QCOMPARE(windows().main->miRedo->text(), QStringLiteral("Redo Parameter Change"));

        pressKey(Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
        QTRY_COMPARE(itemText(), typed);
        QTRY_COMPARE(fieldShows(), typed);
        QVERIFY(!windows().main->miRedo->isEnabled());

        // The keys stayed in the field through both: typing goes on there.
        QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("!"));
        QTRY_COMPARE(fieldShows(), typed + QLatin1Char('!'));
    }

    void enableMainMenu_disablesEveryTopLevelEntryAndShortcut()
    {
        AppFixture app;
        app.createWindows();
        windows().main->EnableMainMenu(false);
        for (QMenu *m : {windows().main->miFile, windows().main->miView, windows().main->miHelp})
            QVERIFY(!m->menuAction()->isEnabled());
        QVERIFY(!windows().main->miSave->isEnabled());
        QVERIFY(!windows().main->miUpdatePreview->isEnabled());
        QVERIFY(!windows().main->About->isEnabled());
        windows().main->EnableMainMenu(true);
        QVERIFY(windows().main->miSave->isEnabled());
        for (QMenu *m : {windows().main->miFile, windows().main->miView, windows().main->miHelp})
            QVERIFY(m->menuAction()->isEnabled());
    }

    void mainMenu_mnemonics_uniquePerMenuAndAltOpensTheMenu()
    {
        AppFixture app;
        app.createWindows();
        windows().main->EnableMainMenu(true);
        QSet<QChar> onBar;
        for (const QAction *title : windows().main->menuBar()->actions()) {
            const QString text = title->text();
            QVERIFY2(text.count(QLatin1Char('&')) == 1, qPrintable(text));
            const QChar letter = text.at(text.indexOf(QLatin1Char('&')) + 1).toLower();
            QVERIFY2(!onBar.contains(letter), qPrintable(text));
            onBar.insert(letter);
        }
        QCOMPARE(onBar.size(), 4);
        for (QMenu *m : {windows().main->miFile, windows().main->miView, windows().main->miHelp}) {
            QSet<QChar> inMenu;
            for (const QAction *a : m->actions()) {
                if (a->isSeparator())
                    continue;
                const QString text = a->text();
                QVERIFY2(text.count(QLatin1Char('&')) == 1, qPrintable(text));
                const QChar letter = text.at(text.indexOf(QLatin1Char('&')) + 1).toLower();
                QVERIFY2(!inMenu.contains(letter), qPrintable(text));
                inMenu.insert(letter);
            }
        }
        QStringList shown;
        for (QMenu *m : {windows().main->miFile, windows().main->miView, windows().main->miHelp})
            shown << QString(m->title()).remove(QLatin1Char('&'));
        QCOMPARE(shown, (QStringList{QStringLiteral("File"), QStringLiteral("View"), QStringLiteral("Help")}));
        QCOMPARE(QString(windows().main->miSelectMenuType->text()).remove(QLatin1Char('&')), QStringLiteral("Select Menu Type..."));

        windows().main->show();
        QVERIFY(QTest::qWaitForWindowActive(windows().main));
        QTest::keyClick(QApplication::focusWidget() ? QApplication::focusWidget() : windows().main, Qt::Key_F, Qt::AltModifier);
        QTRY_COMPARE(QApplication::activePopupWidget(), static_cast<QWidget *>(windows().main->miFile));
        windows().main->miFile->close();
    }

    void flatControls_eachButtonHasItsSchemeAndEachPanelItsColours_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QColor>("overFrame");
        const QColor blue(0x77, 0xAA, 0xE3), orange(0xE4, 0xA5, 0x76), green(0x37, 0xA7, 0x23),
            cyan(0x18, 0xA3, 0xC5);
        QTest::newRow("Add Item") << "Add Item" << blue;
        QTest::newRow("Add Subitem") << "Add Subitem" << blue;
        QTest::newRow("Edit Individual Styles") << "Edit Individual Styles..." << blue;
        QTest::newRow("Delete Selected") << "Delete Selected" << orange;
        QTest::newRow("Delete All") << "Delete All" << orange;
        QTest::newRow("expand all") << "Expand All" << green;
        QTest::newRow("collapse all") << "Collapse All" << green;
        QTest::newRow("preview Update") << "preview:Update" << green;
        QTest::newRow("item styles tab") << "styles:Item Styles" << cyan;
        QTest::newRow("submenu styles tab") << "styles:Submenu Styles" << cyan;
        QTest::newRow("Add Style") << "styles:Add Style" << blue;
        QTest::newRow("Duplicate Style") << "styles:Duplicate Style" << blue;
        QTest::newRow("styles Delete Selected") << "styles:Delete Selected" << orange;
        QTest::newRow("Delete All Styles") << "styles:Delete All Styles" << orange;
        QTest::newRow("styles Ok") << "styles:Ok" << blue;
        QTest::newRow("menu type Ok") << "menuType:Ok" << blue;
        QTest::newRow("menu type Cancel") << "menuType:Cancel" << orange;
        QTest::newRow("about Ok") << "about:Ok" << blue;
        QTest::newRow("font unit") << "font:px" << blue;
        QTest::newRow("Assign font") << "font:Assign font" << blue;
        QTest::newRow("font Ok") << "font:Ok" << blue;
        QTest::newRow("font Cancel") << "font:Cancel" << orange;
        QTest::newRow("save Save") << "save:Save" << blue;
        QTest::newRow("save Cancel") << "save:Cancel" << orange;
        QTest::newRow("save browse") << "save:..." << blue;
    }

    void flatControls_eachButtonHasItsSchemeAndEachPanelItsColours()
    {
        QFETCH(QString, button);
        QFETCH(QColor, overFrame);
        AppFixture app;
        app.createWindows();
        // Every window is a child of the main window.
        const QHash<QString, QWidget *> byName{{QStringLiteral("preview"), windows().preview},
                                                {QStringLiteral("styles"), windows().itemStyles},
                                                {QStringLiteral("menuType"), windows().menuType},
                                                {QStringLiteral("about"), windows().about},
                                                {QStringLiteral("font"), windows().font},
                                                {QStringLiteral("save"), windows().saveProject}};
        QWidget *window = button.contains(QLatin1Char(':')) ? byName.value(button.section(QLatin1Char(':'), 0, 0))
                                                            : static_cast<QWidget *>(windows().main);
        const QString name = button.section(QLatin1Char(':'), -1);
        QList<TnewSpd *> found;
        for (TnewSpd *b : windows().main->findChildren<TnewSpd *>())
            if (b->window() == window && b->accessibleName() == name)
                found << b;
        QCOMPARE(found.size(), 1);
        const TMainParams &p = found.first()->mainParams();
        QCOMPARE(p.FrameColorOver, overFrame);
        QCOMPARE(p.FrameColorNormal, QColor(0xC0, 0xC0, 0xC0));
        const bool small = name.endsWith(QLatin1String(" All")) && name != QLatin1String("Delete All");
        QCOMPARE(found.first()->size().height(), name == QLatin1String("...") ? 19 : small ? 14 : 18);
        QCOMPARE(p.Font_Normal.bold, small);
        // Borderless windows have nothing to round the corners against.
        QCOMPARE(found.first()->cornersDraw(), window != windows().menuType && window != windows().about);
        // "Assign font" alone has a grey left-bottom corner when normal.
        QCOMPARE(p.Color_Left_Bottom_Normal, QColor(name == QLatin1String("Assign font") ? 0xE5E5E5 : 0xFFFFFF));
    }

    void flatPanels_mainWindowAndPreview_haveTheirSidesAndColours()
    {
        AppFixture app;
        app.createWindows();
        QCOMPARE(windows().main->itemPanel->buttonPanel->color(), QColor(0xF9, 0xF9, 0xF9));
        QCOMPARE(windows().main->itemPanel->buttonPanel->color1(), QColor(0xD4, 0xD4, 0xD4));
        QCOMPARE(windows().main->itemPanel->treeFrame->borderWidth(), 3);
        QCOMPARE(windows().main->itemPanel->treeFrame->color(), QColor(0xEF, 0xEF, 0xEF));
        QCOMPARE(windows().main->itemPanel->treeFrame->color2(), QColor(0xC0, 0xC0, 0xC0));
        QVERIFY(windows().main->itemPanel->treeFrame->isAncestorOf(windows().main->itemPanel->vtItems));
        QVERIFY(windows().main->itemPanel->buttonPanel->isAncestorOf(windows().main->itemPanel->spdDeleteAll));
        QCOMPARE(windows().main->itemPanel->hintPanel->caption(), QStringLiteral("   Use Ctrl key to select and copy items."));
        QCOMPARE(windows().main->itemPanel->hintPanel->bevelBorder(), TBevelBorders(bbLeft) | bbRight | bbBottom);
        QCOMPARE(windows().main->itemPanel->hintPanel->alignment(), Qt::AlignLeft);
        QCOMPARE(windows().preview->newPanel1->bevelBorder(), TBevelBorders(bbBottom));
        QCOMPARE(windows().preview->newPanel1->color1(), QColor(0xC0, 0xC0, 0xC0));
        QCOMPARE(windows().itemStyles->newPanel2->borderWidth(), 3);
        QVERIFY(windows().itemStyles->newPanel2->isAncestorOf(windows().itemStyles->vtItemStyles));
        QVERIFY(windows().itemStyles->newPanel3->isAncestorOf(windows().itemStyles->eStyleName));
        QVERIFY(windows().itemStyles->newPanel3->isAncestorOf(windows().itemStyles->spdDeleteAll));
        QCOMPARE(windows().itemStyles->eStyleName->borderColor(), QColor(0x80, 0x80, 0x80));
        QVERIFY(windows().itemStyles->eStyleName->isFlat());
        // The shown style list's tab is held down.
        QVERIFY(windows().itemStyles->spdShowItemStyles->isDown());
        QVERIFY(!windows().itemStyles->spdShowSmStyles->isDown());
        windows().itemStyles->spdShowSmStyles->click();
        QVERIFY(!windows().itemStyles->spdShowItemStyles->isDown());
        QVERIFY(windows().itemStyles->spdShowSmStyles->isDown());
    }

    void toolPlacesBeside_putsToolWindowsRightOfTheMainWindowWhenThereIsRoom_data()
    {
        QTest::addColumn<QRect>("screen");
        QTest::addColumn<bool>("placed");
        QTest::newRow("wide screen") << QRect(0, 0, 1600, 1000) << true;
        QTest::newRow("full HD, taskbar") << QRect(0, 0, 1920, 1040) << true;
        QTest::newRow("second screen on the right") << QRect(0, 0, 1280, 1024) << true;
        QTest::newRow("too narrow") << QRect(0, 0, 1024, 768) << false;
        QTest::newRow("too low") << QRect(0, 0, 1600, 560) << false;
    }

    void toolPlacesBeside_putsToolWindowsRightOfTheMainWindowWhenThereIsRoom()
    {
        QFETCH(QRect, screen);
        QFETCH(bool, placed);
        const QSize itemParams(250, 258);
        const QSize preview(334, 236);
        const auto places = toolPlacesBeside(kMainDesignedGeometry, itemParams, preview, screen);
        QCOMPARE(places.has_value(), placed);
        if (!placed)
            return;
        // Frames included, nothing covers the main window or leaves the screen,
        // and the two tool windows do not overlap.
        const QMargins frame(8, 30, 8, 8);
        const QRect mainFrame = kMainDesignedGeometry + frame;
        const QRect item = QRect(places->itemParams, itemParams) + frame;
        const QRect prev = QRect(places->preview, preview) + frame;
        for (const QRect &r : {item, prev}) {
            QVERIFY(!r.intersects(mainFrame));
            QVERIFY(screen.contains(r));
        }
        QVERIFY(!item.intersects(prev));
        QCOMPARE(places->itemParams.y(), kMainDesignedGeometry.y());
    }

    void firstRun_toolWindowsBesideTheMainWindow_storedPlacesStillWin()
    {
        AppFixture app;
        app.createWindows();
        const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
        const QPoint designedItemParams = windows().itemParams->pos();
        const QPoint designedPreview = windows().preview->pos();
        const auto places = toolPlacesBeside(windows().main->geometry(), windows().itemParams->size(), windows().preview->size(), screen);
        windows().main->settings->read();
        // A screen without room keeps the designed places.
        QCOMPARE(windows().itemParams->pos(), places ? places->itemParams : designedItemParams);
        QCOMPARE(windows().preview->pos(), places ? places->preview : designedPreview);
        app.writeSettings("[Positions]\nitempX=20\nitempY=30\npreviewX=40\npreviewY=50\n");
        windows().main->settings->read();
        QCOMPARE(windows().itemParams->pos(), QPoint(20, 30));
        QCOMPARE(windows().preview->pos(), QPoint(40, 50));
    }
};

PLIVEX_TEST_MAIN(MainWindowTest)
#include "mainwindow_test.moc"
