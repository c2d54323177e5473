// The page command channel with the program's real windows and pages: the
// toolbar, the swatches and pickers of every page of every menu type, and
// edits in the item parameters page reaching the item tree.

#include "app/itemtreeview.h"
#include "app/itemtreepanel.h"
#include "app/mainwindow.h"
#include "app/recentfilesmenu.h"
#include "app/windowsettings.h"
#include "app/saveprojectform.h"
#include "app/programwindows.h"
#include "app/startup.h"
#include "controls/newedit.h"
#include "controls/newspd.h"
#include "editors/fontform.h"
#include "editors/itemparamsform.h"
#include "editors/itemstylesform.h"
#include "editors/wb_commands.h"
#include "page/webpage.h"
#include "preview/menutypeform.h"
#include "project/model/itemedits.h"
#include "project/model/project.h"
#include "support/walkpages.h"
#include "support/appfixture.h"
#include "project/model/menutypes.h"
#include "support/testmain.h"
#include "support/webharness.h"

#include <QDir>
#include <QItemSelectionModel>
#include <QLabel>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTimer>
#include <QWebEngineView>

namespace {

QString runJs(Page *page, const QString &code)
{
    return page->callText(QStringLiteral("eval"), {code});
}

// Runs `step` once `window` shows, from the nested loop that shows it.
void whenShown(QWidget *window, std::function<void()> step)
{
    auto *timer = new QTimer(window);
    timer->setInterval(20);
    QObject::connect(timer, &QTimer::timeout, window, [timer, window, step] {
        if (!window->isVisible())
            return;
        timer->stop();
        timer->deleteLater();
        step();
    });
    timer->start();
}

QModelIndex addItem(const QString &text)
{
    TItem record;
    record.Params[0] = text;
    return windows().project.items().append({}, record);
}

void select(const QModelIndexList &items, const QModelIndex &current)
{
    QItemSelectionModel *s = windows().main->itemPanel->vtItems->selectionModel();
    s->setCurrentIndex(current, QItemSelectionModel::NoUpdate);
    QItemSelection selection;
    for (const QModelIndex &i : items)
        selection.select(i, i);
    s->select(selection, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
}

// Script that finds the first control of a kind and its field's input.
const QString kFind = QStringLiteral(
    "function pick(kind){var b=kind==='color'?document.querySelector('button.swatch'):"
    "Array.prototype.filter.call(document.querySelectorAll('button.pick'),function(x){"
    "return kind==='font'?x.textContent==='Aa':x.title.indexOf(kind==='image'?'picture':'page')>=0;})[0];"
    "return b;}"
    "function fieldOf(b){return b.parentNode.querySelector('input');}");

} // namespace

class PageCommandsTest : public QObject
{
    Q_OBJECT

private slots:
    void toolbarButtons_runTheirMenuCommands()
    {
        AppFixture app;
        app.createWindows();
        app.chooseMenuType(0);
        QVERIFY(app.waitForParameterPage());
        QVERIFY(harness::waitForDocument(*windows().main->wbToolbar));
        const QList<QPair<QString, QAction *>> buttons = {
            {QStringLiteral("newProject"), windows().main->NewProject},  {QStringLiteral("openProject"), windows().main->miOpen},
            {QStringLiteral("saveProject"), windows().main->miSave},     {QStringLiteral("saveProjectAs"), windows().main->miSaveAs},
            {QStringLiteral("menuType"), windows().main->miSelectMenuType}, {QStringLiteral("help"), windows().main->Help},
            {QStringLiteral("undo"), windows().main->miUndo}, {QStringLiteral("redo"), windows().main->miRedo}};
        // A change, so there is something to undo (questions about it are
        // left unanswered, which cancels them).
        windows().main->itemPanel->itemEdits->AddItem();
        for (const auto &[command, action] : buttons) {
            QSignalSpy triggered(action, &QAction::triggered);
            if (action == windows().main->miSelectMenuType)
                whenShown(windows().menuType, [] { windows().menuType->spdCancelClick(); });
            // A project without a file asks for a name first.
            if (action == windows().main->miSave || action == windows().main->miSaveAs)
                whenShown(windows().saveProject, [] { windows().saveProject->reject(); });
            runJs(windows().main->wbToolbar,
                  QStringLiteral("document.querySelector('[data-command=\"%1\"]').click(),''").arg(command));
            QVERIFY2(harness::waitUntil([&] { return triggered.count() == 1; }), qPrintable(command));
            QVERIFY(windows().channel.idle());
        }
        QCOMPARE(app.dialogs.shellOpened.size(), 1);
    }

    void swatchesAndPickers_ofEveryPage_answerTheirPage_data()
    {
        QTest::addColumn<int>("type");
        QTest::addColumn<QString>("view");
        for (int t = 0; t < kMenuTypeCount; ++t)
            for (const QString v : {"params", "itemstyles", "smstyles", "itemparams"})
                if (menuTypes().at(size_t(t)).hasSubmenuStyles || v != QLatin1String("smstyles"))
                    QTest::addRow("%s %s", qPrintable(menuTypes().at(size_t(t)).folder), qPrintable(v)) << t << v;
    }
    void swatchesAndPickers_ofEveryPage_answerTheirPage()
    {
        QFETCH(int, type);
        QFETCH(QString, view);
        AppFixture app;
        app.createWindows();
        app.chooseMenuType(type);
        QVERIFY(app.waitForParameterPage());
        windows().project.linkFolders.choose({}, app.folder());
        Page *page = view == QLatin1String("params")       ? windows().main->wb
                     : view == QLatin1String("itemstyles") ? windows().itemStyles->wbItemStyles
                     : view == QLatin1String("smstyles")   ? windows().itemStyles->wbSmStyles
                                                           : windows().itemParams->wbItemParams;
        QVERIFY(harness::waitForDocument(*page));
        const bool itemPage = view == QLatin1String("itemparams");
        const int styleKind = view == QLatin1String("itemstyles") ? 0 : view == QLatin1String("smstyles") ? 1 : -1;
        QModelIndex a, b;
        if (itemPage) {
            a = addItem(QStringLiteral("A"));
            b = addItem(QStringLiteral("B"));
            select({a, b}, a);
        }
        if (styleKind >= 0) {
            // A style page takes values only for a style it shows.
            windows().itemStyles->edits->switchKind(styleKind);
            windows().itemStyles->edits->Add();
        }
        runJs(page, kFind + QStringLiteral("window.__pick=pick;window.__fieldOf=fieldOf;''"));
        auto click = [page](const QString &kind) {
            return runJs(page, QStringLiteral("(function(){var b=__pick('%1');if(!b)return 'none';"
                                              "b.click();return 'clicked';})()")
                                   .arg(kind));
        };
        auto field = [page](const QString &kind) {
            return runJs(page, QStringLiteral("__fieldOf(__pick('%1')).value").arg(kind));
        };
        struct Case
        {
            QString kind;
            QString answer;
        };
        const QList<Case> cases = {{QStringLiteral("color"), QStringLiteral("#12ABEF")},
                                   {QStringLiteral("font"), QStringLiteral("bold 12px \"My Font\"")},
                                   {QStringLiteral("image"), QStringLiteral("images/logo.gif")},
                                   {QStringLiteral("page"), QStringLiteral("pages/about.html")}};
        int answered = 0;
        for (const Case &c : cases) {
            if (runJs(page, QStringLiteral("String(!!__pick('%1'))").arg(c.kind)) != QLatin1String("true"))
                continue;
            if (c.kind == QLatin1String("color"))
                app.dialogs.colors.enqueue(QColor(0x12, 0xab, 0xef));
            else if (c.kind == QLatin1String("font"))
                whenShown(windows().font, [&c] {
                    windows().font->eNewValue->setText(c.answer);
                    windows().font->spdApply->click();
                });
            else
                app.dialogs.files.enqueue(app.folder() + c.answer);
            const QString styleBefore = styleKind >= 0 ? windows().project.styles(styleKind).last().StylesArray : QString();
            QCOMPARE(click(c.kind), QStringLiteral("clicked"));
            ++answered;
            QVERIFY2(harness::waitUntil([&] { return field(c.kind) == c.answer; }),
                     qPrintable(c.kind + QStringLiteral(": ") + field(c.kind)));
            if (itemPage) {
                // The page hands the answer on to the selected items.
                const int n = runJs(page, QStringLiteral("String(Plivex.page.fields.indexOf(Plivex.page.fields."
                                                         "filter(function(f){return f.input===__fieldOf(__pick('%1'))"
                                                         "})[0]))")
                                              .arg(c.kind))
                                  .toInt();
                QVERIFY(harness::waitUntil([&] {
                    return windows().project.items().record(a)->Params[size_t(n)] == c.answer &&
                           windows().project.items().record(b)->Params[size_t(n)] == c.answer;
                }));
            }
            if (styleKind >= 0) {
                // The answer is the style's, as the page reports it.
                QVERIFY(harness::waitUntil([&] {
                    return windows().project.styles(styleKind).last().StylesArray != styleBefore;
                }));
            }
            QVERIFY(windows().channel.idle());
        }
        QVERIFY2(answered >= 2, "every page has a swatch and a picker");
        QVERIFY(windows().project.Modified());
        QCOMPARE(app.dialogs.textsOf(QStringLiteral("error")), QStringList());
    }

    void itemPage_typedText_reachesEverySelectedItem()
    {
        AppFixture app;
        app.createWindows();
        app.chooseMenuType(0);
        QVERIFY(app.waitForParameterPage());
        Page *page = windows().itemParams->wbItemParams;
        QVERIFY(harness::waitForDocument(*page));
        const QModelIndex a = addItem(QStringLiteral("A"));
        const QModelIndex b = addItem(QStringLiteral("B"));
        const QModelIndex c = addItem(QStringLiteral("C"));
        select({a, c}, c);
        windows().itemParams->show();
        windows().itemParams->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(windows().itemParams));
        auto *webView = static_cast<WebPage *>(page)->view();
        QTRY_VERIFY(webView->focusProxy() != nullptr);
        webView->focusProxy()->setFocus();
        runJs(page, QStringLiteral("var e=document.querySelector('[data-name=\"text\"] input');e.focus();e.select();''"));
        QTRY_VERIFY(webView->focusProxy()->hasFocus());

        QTest::keyClicks(webView->focusProxy(), QStringLiteral("Home"));
        QTest::keyClick(webView->focusProxy(), Qt::Key_Return);

        QVERIFY(harness::waitUntil([&] {
            return windows().project.items().record(a)->Params[0] == QLatin1String("Home") &&
                   windows().project.items().record(c)->Params[0] == QLatin1String("Home");
        }));
        QCOMPARE(windows().project.items().record(b)->Params[0], QStringLiteral("B"));
        QCOMPARE(windows().project.items().data(a).toString(), QStringLiteral("Home"));
        QVERIFY(windows().project.Modified());
    }

    void itemPage_withoutSelection_fieldsDisabled()
    {
        AppFixture app;
        app.createWindows();
        app.chooseMenuType(1);
        QVERIFY(app.waitForParameterPage());
        Page *page = windows().itemParams->wbItemParams;
        QVERIFY(harness::waitForDocument(*page));
        const QString disabled = QStringLiteral("String(document.querySelector('fieldset.items').disabled)");
        QCOMPARE(runJs(page, disabled), QStringLiteral("true"));
        const QModelIndex a = addItem(QStringLiteral("A"));
        select({a}, a);
        QCOMPARE(runJs(page, disabled), QStringLiteral("false"));
        QCOMPARE(runJs(page, QStringLiteral("document.querySelector('[data-name=\"text\"] input').value")),
                 QStringLiteral("A"));
        windows().main->itemPanel->vtItems->selectionModel()->clearSelection();
        QCOMPARE(runJs(page, disabled), QStringLiteral("true"));
        QCOMPARE(runJs(page, QStringLiteral("document.querySelector('[data-name=\"text\"] input').value")), QString());

        // A new project takes the items away without a selection change.
        const QModelIndex b = addItem(QStringLiteral("B"));
        select({b}, b);
        QCOMPARE(runJs(page, disabled), QStringLiteral("false"));
        windows().main->NewProjectExecute();
        QCOMPARE(runJs(page, disabled), QStringLiteral("true"));
        QCOMPARE(runJs(page, QStringLiteral("document.querySelector('[data-name=\"text\"] input').value")), QString());
    }

    void changedParameter_thenNew_asksToSave()
    {
        AppFixture app;
        app.createWindows();
        app.chooseMenuType(2);
        QVERIFY(app.waitForParameterPage());
        QVERIFY(!windows().project.Modified());
        runJs(windows().main->wb, QStringLiteral("var e=document.querySelector('main input[type=text]');e.value='x';"
                                      "e.dispatchEvent(new Event('change'));''"));
        QVERIFY(harness::waitUntil([] { return windows().project.Modified(); }));
        app.dialogs.answers.enqueue(Dialogs::Answer::Cancel);
        windows().main->NewProject->trigger();
        QCOMPARE(app.dialogs.textsOf(QStringLiteral("yesNoCancel")),
                 QStringList{QStringLiteral("Do you want to save changes?")});
        QVERIFY(windows().project.Modified());
    }

    void itemPageScriptError_isReported()
    {
        AppFixture app;
        app.createWindows();
        Page *page = windows().itemParams->wbItemParams;
        page->loadHtml(QStringLiteral("<script>\nsetTimeout(function(){ missing(); }, 0);\n</script>"),
                       QUrl::fromLocalFile(app.folder()));
        QVERIFY(harness::waitUntil([&] { return !app.dialogs.textsOf(QStringLiteral("error")).isEmpty(); }));
        QVERIFY2(app.dialogs.textsOf(QStringLiteral("error")).first().startsWith(
                     QStringLiteral("Line: 2\rChar: 24\rCode: ReferenceError\rMessage: ")),
                 qPrintable(app.dialogs.textsOf(QStringLiteral("error")).first()));
    }

    void itemParamsWindow_showsWhichReadingOfLinksHolds_andPicksFollowIt()
    {
        AppFixture app;
        app.createWindows();
        app.chooseMenuType(0);
        QVERIFY(app.waitForParameterPage());
        TfrmItemParams *form = windows().itemParams;
        Project &project = windows().project;
        const QString data = app.folder() + QStringLiteral("site/menus/data.js");
        QVERIFY(QDir().mkpath(app.folder() + QStringLiteral("site/menus")));
        project.CurrentFileName = data;
        Page *page = windows().main->wb;
        QVERIFY(harness::waitForDocument(*page));
        QString slot;

        // A new project reads its links against the data file: no folder to
        // choose, and picks are relative to the data file's folder.
        QVERIFY(harness::waitUntil([&] { return project.linksFromDataFile(); }));
        form->showLinksFolder();
        QVERIFY(form->lblLinksFolder->text().startsWith(QStringLiteral("Links relative to the data file: ")));
        QVERIFY(form->lblLinksFolder->toolTip().startsWith(app.folder() + QStringLiteral("site/menus/\n")));
        QVERIFY(form->spdLinksFolder->isHidden());
        // The position is followed the same way (the install help shows it).
        QVERIFY(project.menuInFlow());
        QCOMPARE(walkpages::typeInto(*page, QString(), QStringLiteral("menuPosition"), QStringLiteral("absolute")), QString());
        QVERIFY(harness::waitUntil([&] { return !project.menuInFlow(); }));
        project.linkFolders.choose(data, app.folder() + QStringLiteral("site"));
        app.dialogs.files.enqueue(app.folder() + QStringLiteral("site/img/logo.gif"));
        windows().channel.dispatch(page, QStringLiteral("@image:"), slot);
        QCOMPARE(slot, QStringLiteral("../img/logo.gif"));

        // Read against the page: the label says so at once, and the folder
        // the user chose holds.
        QCOMPARE(walkpages::typeInto(*page, QString(), QStringLiteral("menuLinkBase"), QStringLiteral("page")), QString());
        QVERIFY(harness::waitUntil([&] { return !project.linksFromDataFile(); }));
        QVERIFY(form->lblLinksFolder->text().startsWith(QStringLiteral("Links relative to pages in: ")));
        QVERIFY(form->lblLinksFolder->toolTip().startsWith(app.folder() + QStringLiteral("site/\n")));
        QVERIFY(!form->spdLinksFolder->isHidden());
        project.linkFolders.choose(data, app.folder() + QStringLiteral("site/menus"));
        form->showLinksFolder();

        // Cancelled: nothing changes.
        form->spdLinksFolder->click();
        QCOMPARE(project.linksFolder(), app.folder() + QStringLiteral("site/menus/"));
        app.dialogs.files.enqueue(app.folder() + QStringLiteral("site"));
        form->spdLinksFolder->click();
        QCOMPARE(app.dialogs.fileRequests.constLast().startPath, app.folder() + QStringLiteral("site/menus/"));
        QVERIFY(form->lblLinksFolder->toolTip().startsWith(app.folder() + QStringLiteral("site/\n")));
        QCOMPARE(project.linkFolders.folderFor(data), app.folder() + QStringLiteral("site/"));

        app.dialogs.files.enqueue(app.folder() + QStringLiteral("site/img/logo.gif"));
        windows().channel.dispatch(page, QStringLiteral("@image:"), slot);
        QCOMPARE(slot, QStringLiteral("img/logo.gif"));
    }
};

PLIVEX_TEST_MAIN(PageCommandsTest)
#include "pagecommands_test.moc"
