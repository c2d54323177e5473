// The preview among the program's windows: the main window's commands and
// keys that drive it, and the program's --preview command line.

#include "app/itemtreepanel.h"
#include "app/mainwindow.h"
#include "app/recentfilesmenu.h"
#include "app/windowsettings.h"
#include "app/programwindows.h"
#include "app/startup.h"
#include "controls/newspd.h"
#include "page/webpage.h"
#include "preview/previewform.h"
#include "app/itemtreeview.h"
#include "project/model/project.h"
#include "project/lifecycle/projectcontroller.h"
#include "project/history/projecthistory.h"
#include "support/appfixture.h"
#include "support/testmain.h"
#include "support/webharness.h"

#include <QAction>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QMenu>
#include <QProcess>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTimer>
#include <QWebEngineView>

namespace {

// The program itself, run without a display.
QProcess *runProgram(const QStringList &args)
{
    auto *p = new QProcess;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.remove(QStringLiteral("DISPLAY"));
    env.remove(QStringLiteral("WAYLAND_DISPLAY"));
    env.remove(QStringLiteral("QT_QPA_PLATFORM"));
    p->setProcessEnvironment(env);
    p->start(harness::runtimeDir() + QStringLiteral("plivex"), args);
    p->waitForFinished(60000);
    return p;
}

// The text the preview's page shows.
QString previewText()
{
    auto *page = static_cast<WebPage *>(windows().preview->wbPreview)->view()->page();
    QString text;
    bool done = false;
    page->runJavaScript(QStringLiteral("document.body ? document.body.textContent : ''"), [&](const QVariant &v) {
        text = v.toString();
        done = true;
    });
    harness::waitUntil([&] { return done; });
    return text;
}

// The windows over the first type's default project, the main window and
// the preview shown; the spy counts the preview's pages from the first on.
// Null when the project was not previewed.
std::unique_ptr<QSignalSpy> showPreviewedDefaultProject(AppFixture &app)
{
    app.createWindows();
    auto ready = std::make_unique<QSignalSpy>(windows().preview, &TfrmPreview::pageReady);
    app.chooseMenuType(0);
    if (!app.waitForParameterPage())
        return nullptr;
    windows().main->show();
    windows().preview->show();
    if (!harness::waitUntil([&] { return !ready->isEmpty(); }))
        return nullptr;
    return ready;
}

} // namespace

class PreviewWindowTest : public QObject
{
    Q_OBJECT

private slots:
    void countdown_followsMarkModified_andResetProjectStopsIt()
    {
        AppFixture app;
        app.createWindows();
        app.chooseMenuType(0);
        QVERIFY(app.waitForParameterPage());
        windows().project.MarkModified();
        QVERIFY(windows().preview->timerUpdate->isActive());
        windows().main->controller->reset();
        QVERIFY(!windows().preview->timerUpdate->isActive());

        // Unticked, a change starts no countdown; Update Preview still rebuilds.
        windows().preview->cbAutoUpdate->setChecked(false);
        windows().project.MarkModified();
        QVERIFY(!windows().preview->timerUpdate->isActive());
        const int builds = windows().preview->BuildCount;
        windows().main->miUpdatePreview->trigger();
        QCOMPARE(windows().preview->BuildCount, builds + 1);
        QVERIFY(app.dialogs.asked.isEmpty());
    }

    void f5_inThePreviewPage_rebuildsWithoutReloadingByItself()
    {
        AppFixture app;
        app.createWindows();
        app.chooseMenuType(0);
        QVERIFY(app.waitForParameterPage());
        windows().main->EnableMainMenu(true);
        windows().main->show();
        windows().preview->show();
        windows().preview->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(windows().preview));
        QSignalSpy ready(windows().preview, &TfrmPreview::pageReady);
        windows().preview->spdUpdatePreviewClick();
        QVERIFY(harness::waitUntil([&] { return !ready.isEmpty(); }));
        auto *view = static_cast<WebPage *>(windows().preview->wbPreview)->view();
        QVERIFY(harness::waitUntil([&] { return view->focusProxy() != nullptr; }));
        view->focusProxy()->setFocus();
        QVERIFY(harness::waitUntil([&] { return view->focusProxy()->hasFocus(); }));

        const int builds = windows().preview->BuildCount;
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_F5);
        QCOMPARE(windows().preview->BuildCount, builds + 1);
        QVERIFY(harness::waitUntil([&] { return ready.size() == 2; }));
        // The focus is back in the preview's page.
        QVERIFY(harness::waitUntil([&] { return view->focusProxy() && view->focusProxy()->hasFocus(); }));
        QVERIFY(app.dialogs.asked.isEmpty());
    }

    void newItem_showsInThePreviewMenuAfterTheCountdown()
    {
        AppFixture app;
        const std::unique_ptr<QSignalSpy> ready = showPreviewedDefaultProject(app);
        QVERIFY(ready);
        QVERIFY(windows().project.items().count() > 0);
        const auto pageText = [] { return previewText(); };
        const QString first = windows().project.items().index(0, 0).data().toString();
        QVERIFY2(pageText().contains(first), qPrintable(first));

        windows().main->itemPanel->vtItems->setFocus();
        windows().main->itemPanel->vtItems->setCurrentIndex(windows().project.items().index(0, 0));
        windows().main->itemPanel->spdAddItem->click();
        const QString added = windows().project.CurrentItem->Params[0];
        QVERIFY(added.startsWith(QStringLiteral("Item ")));
        QVERIFY(windows().preview->timerUpdate->isActive());
        QVERIFY(!pageText().contains(added));
        const int before = ready->size();
        QVERIFY(harness::waitUntil([&] { return ready->size() > before; }));
        QVERIFY2(pageText().contains(added), qPrintable(pageText()));
        QVERIFY(app.dialogs.asked.isEmpty());
    }

    void projectReplaced_previewShowsItAtOnceAndOnce_data()
    {
        QTest::addColumn<QString>("road");
        QTest::addColumn<bool>("autoUpdate");
        for (const char *road : {"open", "recent file", "new", "undo", "redo", "restore"})
            QTest::newRow(road) << QString::fromLatin1(road) << false;
        // The countdown a replacement starts must not build the page again.
        QTest::newRow("undo, auto update") << QStringLiteral("undo") << true;
        QTest::newRow("new, auto update") << QStringLiteral("new") << true;
    }
    void projectReplaced_previewShowsItAtOnceAndOnce()
    {
        QFETCH(QString, road);
        QFETCH(bool, autoUpdate);
        AppFixture app;
        const std::unique_ptr<QSignalSpy> ready = showPreviewedDefaultProject(app);
        QVERIFY(ready);
        // Without the countdown, only the replacement itself brings the
        // preview up to date.
        windows().preview->cbAutoUpdate->setChecked(autoUpdate);
        const QString first = windows().project.items().index(0, 0).data().toString();
        QVERIFY(previewText().contains(first));

        // The same project with its first item renamed.
        QFile original(app.folder() + QStringLiteral("default_scripts/ostrel-menu/default.js"));
        QVERIFY(original.open(QIODevice::ReadOnly));
        const QString quoted = QLatin1Char('"') + first + QLatin1Char('"');
        const QString text = QString::fromUtf8(original.readAll()).replace(quoted, QStringLiteral("\"Bakery\""));
        const QString path = app.folder() + QStringLiteral("bakery.js");
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(text.toUtf8());
        file.close();

        QString shown = QStringLiteral("Bakery");
        QString gone = first;
        if (road == QLatin1String("undo") || road == QLatin1String("redo")) {
            windows().main->itemPanel->vtItems->setCurrentIndex(windows().project.items().index(0, 0));
            windows().main->itemPanel->spdAddItem->click();
            const QString added = windows().project.CurrentItem->Params[0];
            windows().main->history->flush();
            windows().main->RefreshPreview1Click();
            QVERIFY(harness::waitUntil([&] { return previewText().contains(added); }));
            if (road == QLatin1String("redo")) {
                windows().main->miUndo->trigger();
                windows().main->RefreshPreview1Click();
                QVERIFY(harness::waitUntil([&] { return !previewText().contains(added); }));
                shown = added;
                gone.clear();
            } else {
                shown = first;
                gone = added;
            }
        }
        const int builds = windows().preview->BuildCount;
        const qsizetype pages = ready->size();
        if (road == QLatin1String("open")) {
            QVERIFY(windows().main->controller->open(path));
        } else if (road == QLatin1String("recent file")) {
            windows().main->recentFiles->add(path);
            windows().main->miRecentFiles->actions().at(0)->trigger();
        } else if (road == QLatin1String("new")) {
            windows().main->NewProjectExecute();
            shown.clear();
        } else if (road == QLatin1String("undo")) {
            windows().main->miUndo->trigger();
        } else if (road == QLatin1String("redo")) {
            windows().main->miRedo->trigger();
        } else {
            RecoveryFile::Contents contents;
            contents.dataText = text;
            windows().main->controller->restore(contents, RecoveryFile());
        }
        // A ready report of the rebuild before may come late: the page is
        // waited for until it shows the replacement.
        auto showsReplacement = [&] {
            const QString page = previewText();
            return (shown.isEmpty() || page.contains(shown)) && (gone.isEmpty() || !page.contains(gone));
        };
        QVERIFY(harness::waitUntil([&] { return ready->size() > pages && showsReplacement(); }));
        // One page for one replacement, though undo also marks the project.
        QCOMPARE(windows().preview->BuildCount, builds + 1);
        QVERIFY(!windows().preview->timerUpdate->isActive());
    }

    // "Page..." shows the menu in a page of the project's site with its
    // live items; a page outside the site asks to widen the site first, and
    // "Sample" goes back to the sample page.
    void sitePage_showsTheLiveMenuInTheUsersOwnPage()
    {
        AppFixture app;
        const std::unique_ptr<QSignalSpy> ready = showPreviewedDefaultProject(app);
        QVERIFY(ready);
        const QString site = app.folder() + QStringLiteral("site/");
        QVERIFY(QDir().mkpath(site + QStringLiteral("js")));
        QVERIFY(QDir().mkpath(app.folder() + QStringLiteral("elsewhere")));
        auto write = [](const QString &path, const QByteArray &text) {
            QFile file(path);
            return file.open(QIODevice::WriteOnly) && file.write(text) == text.size();
        };
        QVERIFY(write(site + QStringLiteral("index.html"),
                      "<!DOCTYPE html><html><head><script src=\"js/qrnmenu.js\"></script></head><body>"
                      "<h1>Lotus Yoga Studio</h1><script src=\"js/nav.js\"></script></body></html>"));
        QVERIFY(write(app.folder() + QStringLiteral("elsewhere/page.html"), "<body><h1>Elsewhere</h1></body>"));
        windows().project.CurrentFileName = site + QStringLiteral("js/nav.js");
        windows().project.linksMoved();
        windows().main->itemPanel->vtItems->setCurrentIndex(windows().project.items().index(0, 0));
        windows().main->itemPanel->spdAddItem->click();
        const QString added = windows().project.CurrentItem->Params[0];

        qsizetype pages = ready->size();
        app.dialogs.files.enqueue(site + QStringLiteral("index.html"));
        windows().preview->spdSitePage->click();
        QVERIFY(harness::waitUntil([&] { return ready->size() > pages && previewText().contains(QStringLiteral("Lotus")); }));
        QVERIFY(harness::waitUntil([&] { return previewText().contains(added); }));
        QVERIFY(!windows().preview->spdSamplePage->isHidden());
        QCOMPARE(windows().project.siteChoices.previewPageFor(windows().project.CurrentFileName),
                 site + QStringLiteral("index.html"));

        // Outside the site: No keeps the page shown and the site as it was.
        app.dialogs.files.enqueue(app.folder() + QStringLiteral("elsewhere/page.html"));
        app.dialogs.answers.enqueue(Dialogs::Answer::No);
        windows().preview->spdSitePage->click();
        QCOMPARE(app.dialogs.textsOf(QStringLiteral("noYes")).size(), 1);
        QVERIFY(app.dialogs.textsOf(QStringLiteral("noYes")).first().contains(QDir::toNativeSeparators(app.folder())));
        QCOMPARE(windows().project.siteFolder(), site);
        QCOMPARE(windows().project.siteChoices.previewPageFor(windows().project.CurrentFileName),
                 site + QStringLiteral("index.html"));

        pages = ready->size();
        windows().preview->spdSamplePage->click();
        QVERIFY(harness::waitUntil([&] { return ready->size() > pages && !previewText().contains(QStringLiteral("Lotus")); }));
        QVERIFY(windows().preview->spdSamplePage->isHidden());
    }

    void previewCommandLine_withoutDisplay_explainsWhatItNeeds()
    {
        std::unique_ptr<QProcess> p(runProgram({QStringLiteral("--preview"), QStringLiteral("menu.js")}));
        QCOMPARE(p->exitCode(), 2);
        QVERIFY(p->readAllStandardError().contains("--preview needs a data file and the page to write"));

        QTemporaryDir dir;
        p.reset(runProgram({QStringLiteral("--preview"), dir.path() + QStringLiteral("/none.js"),
                            dir.path() + QStringLiteral("/out.html")}));
        QCOMPARE(p->exitCode(), 2);
        QVERIFY(p->readAllStandardError().startsWith("plivex: can't read " + dir.path().toUtf8()));
        QVERIFY(!QFileInfo::exists(dir.path() + QStringLiteral("/out.html")));

        // A default project: the page beside its engine shows the menu.
        const QString data = dir.path() + QStringLiteral("/site/menu.js");
        QVERIFY(QDir().mkpath(dir.path() + QStringLiteral("/site")));
        QVERIFY(QFile::copy(harness::runtimeDir() + QStringLiteral("default_scripts/ostrel-menu/default.js"), data));
        const QString out = dir.path() + QStringLiteral("/out/menu.html");
        QVERIFY(QDir().mkpath(dir.path() + QStringLiteral("/out")));
        p.reset(runProgram({QStringLiteral("--preview"), data, out}));
        QCOMPARE(p->exitCode(), 0);
        QVERIFY(QFileInfo::exists(dir.path() + QStringLiteral("/out/qrnmenu.js")));
        auto page = harness::openPage(out);
        bool done = false;
        QString text;
        static_cast<WebPage *>(page.get())->view()->page()->runJavaScript(
            QStringLiteral("(document.querySelector('nav')||{}).textContent||''"), [&](const QVariant &v) {
                text = v.toString();
                done = true;
            });
        QVERIFY(harness::waitUntil([&] { return done; }));
        QVERIFY2(text.contains(QStringLiteral("Home")), qPrintable(text));
    }
};

PLIVEX_TEST_MAIN(PreviewWindowTest)
#include "previewwindow_test.moc"
