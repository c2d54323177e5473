// The preview window over a program folder of the test's own, with small
// engines that write the menu's item texts into the page, and a data text the
// test sets.

#include "app/commandline.h"
#include "controls/newspd.h"
#include "preview/previewform.h"
#include "preview/previewpage.h"
#include "project/model/menutypes.h"
#include "project/model/project.h"
#include "project/platform/tempfolder.h"
#include "support/scripteddialogs.h"
#include "support/testmain.h"
#include "support/webharness.h"

#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QProcess>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTimer>
#include <QWebEnginePage>
#include <QWebEngineView>

namespace {


// Writes the item texts of the data where the data's script stands.
const char kEngine[] = "window.qrn_init = window.qrn_tmenuInit = window.qrn_tabsInit = function () {\n"
                       "  var n = document.createElement('nav'); n.id = 'menu';\n"
                       "  n.textContent = (window.menuItems || []).map(function (i) { return i[0]; }).join('|');\n"
                       "  var s = document.currentScript; s.parentNode.insertBefore(n, s);\n"
                       "};\n";

QString menuData(const QStringList &items)
{
    QStringList rows;
    for (const QString &i : items)
        rows << QStringLiteral("[\"%1\"]").arg(i);
    return QStringLiteral("var menuItems=[%1];\r\nqrn_init();").arg(rows.join(QLatin1Char(',')));
}

void writeFile(const QString &path, const QByteArray &bytes)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

QByteArray readFile(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// Evaluates a script in the page and waits for its result.
QVariant evaluate(Page *page, const QString &script)
{
    bool done = false;
    QVariant result;
    static_cast<WebPage *>(page)->view()->page()->runJavaScript(script, [&](const QVariant &v) {
        result = v;
        done = true;
    });
    harness::waitUntil([&] { return done; });
    return result;
}

QString menuText(Page *page)
{
    return evaluate(page, QStringLiteral("(function(){var n=document.getElementById('menu');"
                                         "return n?n.textContent:null;})()"))
        .toString();
}

} // namespace

class PreviewTest : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;
    ScriptedDialogs *m_dialogs = nullptr;
    Project *m_project = nullptr;
    TfrmPreview *m_preview = nullptr;
    QString m_data;
    std::function<void()> m_duringDataText;

    QString folder() const { return m_dir.path() + QLatin1Char('/'); }

    // Rebuilds and waits until the new page stands.
    bool rebuilt()
    {
        QSignalSpy ready(m_preview, &TfrmPreview::pageReady);
        if (!m_preview->BuildPreview())
            return false;
        return harness::waitUntil([&] { return !ready.isEmpty(); });
    }

private slots:
    void initTestCase()
    {
        for (const char *engine : {"qrnmenu.js", "qrntmenu.js", "qrntmenu_add.js", "qrntabs.js"})
            writeFile(folder() + QLatin1String(engine), kEngine);
        writeFile(folder() + QStringLiteral("data/ostrel-menu/preview.html"),
                  "<html><head><meta charset=\"utf-8\"><base href=\"@BASE\"><script src=\"@ENGINE\"></script>"
                  "</head>\n<body><div style=\"height:3000px\"><script>@DATA</script></div></body></html>\n");
    }

    void init()
    {
        m_dialogs = new ScriptedDialogs;
        m_project = new Project;
        m_project->ProgramFolder = folder();
        m_project->ProjectFolder = folder() + QStringLiteral("site/");
        m_data = menuData({QStringLiteral("Home"), QStringLiteral("News")});
        m_duringDataText = nullptr;
        m_preview = new TfrmPreview(harness::gate(), *m_project, [this] {
            if (m_duringDataText)
                m_duringDataText();
            return m_data;
        });
        connect(m_project, &Project::marked, m_preview, &TfrmPreview::restartCountdown);
        m_preview->resize(700, 500);
        m_preview->show();
    }

    void cleanup()
    {
        delete m_preview;
        delete m_project;
        delete m_dialogs;
    }

    void assemblePreview_placeholders_data()
    {
        QTest::addColumn<QString>("page");
        QTest::addColumn<QString>("data");
        QTest::addColumn<QString>("expected");
        QTest::newRow("each once") << "@ENGINE|@2_ENGINE|@3_ENGINE|@DATA|@BASE"
                                   << "D" << "E1|E2|E3|D|B";
        QTest::newRow("any case") << "@engine @2_Engine @3_eNGINE @data @Base" << "D" << "E1 E2 E3 D B";
        QTest::newRow("every occurrence") << "@DATA-@data" << "D" << "D-D";
        QTest::newRow("base inside the data") << "<script>@DATA</script>" << "p='@BASE/a.gif'"
                                              << "<script>p='B/a.gif'</script>";
        QTest::newRow("engine inside the data stays") << "@DATA" << "s='@ENGINE'" << "s='@ENGINE'";
        QTest::newRow("no placeholders") << "<p>plain</p>" << "D" << "<p>plain</p>";
    }
    void assemblePreview_placeholders()
    {
        QFETCH(QString, page);
        QFETCH(QString, data);
        QFETCH(QString, expected);
        QCOMPARE(assemblePreview(page, {"E1", "E2", "E3", data, "B"}), expected);
    }

    void builtInTemplate_hasItsLinesAndPlaceholders()
    {
        const QString t = builtInPreviewTemplate();
        QCOMPARE(t.split(QStringLiteral("\r\n")).size(), 29);
        QVERIFY(!t.contains(QRegularExpression(QStringLiteral("[^\\r]\\n"))));
        for (const char *p : {"href=\"@BASE\"", "src=\"@ENGINE\"", ">@DATA</script>", "charset=utf-8"})
            QCOMPARE(t.count(QLatin1String(p)), 1);
        QVERIFY(t.endsWith(QStringLiteral("</body>\r\n</HTML>")));
    }

    void fileAddress_keepsOddFolderNamesWhole_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("expected");
        QTest::newRow("plain") << "/srv/site/" << "file:///srv/site/";
        QTest::newRow("space, hash, percent") << "/my site/#1 100%/" << "file:///my%20site/%231%20100%25/";
        QTest::newRow("quote and ampersand") << "/a\"b&c/" << "file:///a%22b%26c/";
        QTest::newRow("relative") << "../site/" << "../site/";
        QTest::newRow("same folder") << "" << "./";
        QTest::newRow("colon in first segment") << "a:b/x.js" << "./a:b/x.js";
    }
    void fileAddress_keepsOddFolderNamesWhole()
    {
        QFETCH(QString, path);
        QFETCH(QString, expected);
        QCOMPARE(fileAddress(path), expected);
    }

    void loadPreviewTemplate_typeWithoutTemplate_keepsTheLastOne()
    {
        const QString own = m_preview->PreviewTemplate;
        QVERIFY(own.startsWith(QStringLiteral("<html><head><meta charset=\"utf-8\">")));
        QVERIFY(own.endsWith(QStringLiteral("</html>\r\n")));
        m_project->MenuType = 2;
        m_preview->LoadPreviewTemplate();
        QCOMPARE(m_preview->PreviewTemplate, own);

        Project fresh;
        fresh.ProgramFolder = folder();
        fresh.MenuType = 3;
        TfrmPreview other(harness::gate(), fresh, {});
        QCOMPARE(other.PreviewTemplate, builtInPreviewTemplate());
    }

    void shippedTemplates_showTheMenuWithinARealisticPage_data()
    {
        QTest::addColumn<int>("type");
        for (int type = 0; type < kMenuTypeCount; ++type)
            QTest::addRow("%s", qPrintable(menuTypes().at(size_t(type)).folder)) << type;
    }
    void shippedTemplates_showTheMenuWithinARealisticPage()
    {
        QFETCH(int, type);
        const auto shipped = readPreviewTemplate(harness::runtimeDir() + pagePath(type, QStringLiteral("preview.html")));
        QVERIFY(shipped);
        QVERIFY(shipped->contains(QStringLiteral("charset=\"utf-8\"")));
        const QStringList engines = previewEngineNames(type);
        for (int i = 0; i < 3; ++i)
            QCOMPARE(shipped->contains(QStringList{"@ENGINE", "@2_ENGINE", "@3_ENGINE"}.at(i)), !engines.at(i).isEmpty());
        m_preview->PreviewTemplate = *shipped;
        m_project->MenuType = type;
        // Other tests rely on the last type's engine being missing.
        const bool had = QFileInfo::exists(folder() + engines.first());
        writeFile(folder() + engines.first(), kEngine);
        const bool built = rebuilt();
        if (!had)
            QFile::remove(folder() + engines.first());
        QVERIFY(built);
        QCOMPARE(menuText(m_preview->wbPreview), QStringLiteral("Home|News"));
        // A header above the menu and text below it, as on a web site.
        QVERIFY(evaluate(m_preview->wbPreview, "document.querySelector('header h1').getBoundingClientRect().bottom <= "
                                               "document.getElementById('menu').getBoundingClientRect().top")
                    .toBool());
        QVERIFY(evaluate(m_preview->wbPreview, "document.querySelector('main').textContent.length > 200").toBool());
        QVERIFY(m_dialogs->asked.isEmpty());
    }

    void shippedTabTemplates_holdAPanelForEachContentId_data()
    {
        QTest::addColumn<int>("type");
        QTest::addRow("tabs") << 2;
        QTest::addRow("tab menu") << 3;
    }
    void shippedTabTemplates_holdAPanelForEachContentId()
    {
        QFETCH(int, type);
        const auto shipped = readPreviewTemplate(harness::runtimeDir() + pagePath(type, QStringLiteral("preview.html")));
        QVERIFY(shipped);
        m_preview->PreviewTemplate = *shipped;
        m_project->MenuType = type;
        // The real engine, taken away again after: other tests rely on the
        // last type's engine being missing and on the others being the stub.
        const QString engine = previewEngineNames(type).first();
        const bool had = QFileInfo::exists(folder() + engine);
        writeFile(folder() + engine, readFile(harness::runtimeDir() + engine));
        m_data = QStringLiteral("var bmenuItems=[[\"Overview\",\"\",\"\",\"\",\"\",\"\",\"\",\"\",\"\",\"panel-overview\",\"\"],"
                                "[\"<b>Specs</b>\",\"\",\"\",\"\",\"\",\"\",\"\",\"\",\"\",\"panel-specs\",\"\"],"
                                "[\"Shop\",\"shop.html\"]];qrn_tabsInit();");
        const bool built = rebuilt();
        Page *page = m_preview->wbPreview;
        const auto shown = [&] {
            return evaluate(page, "[].map.call(document.querySelectorAll('.preview-panel'),function(p){"
                                  "return p.id+(p.hidden?'':'*')+':'+p.querySelector('h2').textContent}).join(',')")
                .toString();
        };
        const QString first = shown();
        evaluate(page, "document.querySelector('[aria-controls~=panel-specs]').click()");
        const QString second = shown();
        if (had)
            writeFile(folder() + engine, kEngine);
        else
            QFile::remove(folder() + engine);
        QVERIFY(built);
        QCOMPARE(first, QStringLiteral("panel-overview*:Overview,panel-specs:Specs"));
        QCOMPARE(second, QStringLiteral("panel-overview:Overview,panel-specs*:Specs"));
        QVERIFY(m_dialogs->asked.isEmpty());
    }

    void buildPreview_writesTheAssembledPageAndShowsIt()
    {
        m_data = menuData({QStringLiteral("Über uns"), QStringLiteral("Café")});
        QVERIFY(rebuilt());
        const QString path = TfrmPreview::previewFileName();
        const QString page = QString::fromUtf8(readFile(path));
        QVERIFY(page.contains(QStringLiteral("src=\"%1\"").arg(QUrl::fromLocalFile(folder() + "qrnmenu.js").toString())));
        QVERIFY(page.contains(QStringLiteral("href=\"%1site/\"").arg(QUrl::fromLocalFile(folder()).toString())));
        QVERIFY(page.contains(m_data));
        QCOMPARE(menuText(m_preview->wbPreview), QStringLiteral("Über uns|Café"));
        QCOMPARE(m_preview->BuildCount, 1);
        QVERIFY(m_dialogs->asked.isEmpty());
    }

    void buildPreview_typeWithoutAddOnEngines_givesTheProgramFolder()
    {
        m_project->MenuType = 2;
        m_preview->PreviewTemplate = QStringLiteral("[@2_ENGINE][@3_ENGINE]<script src=\"@ENGINE\"></script>");
        QVERIFY(m_preview->BuildPreview());
        const QString programFolder = QUrl::fromLocalFile(folder()).toString();
        // After the script that gives each rebuild fresh storage: this
        // template has no head, so that script comes first.
        const QString page = QString::fromUtf8(readFile(TfrmPreview::previewFileName()));
        QVERIFY(page.section(QStringLiteral("</script>"), 1).startsWith(QStringLiteral("[%1][%1]").arg(programFolder)));
    }

    void buildPreview_engineMissing_saysWhereAndKeepsThePage()
    {
        QVERIFY(rebuilt());
        const QByteArray before = readFile(TfrmPreview::previewFileName());
        m_project->MenuType = 3; // no qrntabmenu.js in this folder
        m_data = menuData({QStringLiteral("Changed")});
        QVERIFY(!m_preview->BuildPreview());
        QCOMPARE(m_dialogs->textsOf(QStringLiteral("error")),
                 QStringList{QStringLiteral("Can't find the menu engine file:\r%1qrntabmenu.js\r\rYou can download this "
                                            "file from https://plivex.quorna.example/")
                                 .arg(folder())});
        QCOMPARE(readFile(TfrmPreview::previewFileName()), before);
        QCOMPARE(m_preview->BuildCount, 1);
        QCOMPARE(menuText(m_preview->wbPreview), QStringLiteral("Home|News"));
    }

    void buildPreview_pageCannotBeWritten_saysSoAndKeepsThePage()
    {
        QVERIFY(rebuilt());
        const QString path = TfrmPreview::previewFileName();
        QCOMPARE(QFileInfo(path).absolutePath() + QLatin1Char('/'), previewTempFolder());
        QVERIFY(QFileInfo(path).absolutePath() != QFileInfo(QDir::tempPath()).absoluteFilePath());
        QVERIFY(QFile::remove(path));
        QVERIFY(QDir().mkdir(path)); // a folder where the page should go
        m_data = menuData({QStringLiteral("Changed")});
        const bool built = m_preview->BuildPreview();
        QDir().rmdir(path);
        QVERIFY(!built);
        const QStringList errors = m_dialogs->textsOf(QStringLiteral("error"));
        QCOMPARE(errors.size(), 1);
        QVERIFY(errors.first().startsWith(QStringLiteral("Can't write the file: \r") + path));
        QCOMPARE(menuText(m_preview->wbPreview), QStringLiteral("Home|News"));
    }

    void previewFile_noPrivateFolder_nothingInTheSharedFolder()
    {
        // The folder is made once per process: ask a child with nowhere to make it.
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("TMPDIR"), folder() + QStringLiteral("no-such-folder"));
        env.insert(QStringLiteral("PLIVEX_PREVIEW_CHILD"), QStringLiteral("1"));
        QProcess child;
        child.setProcessEnvironment(env);
        child.start(QCoreApplication::applicationFilePath(), {});
        QVERIFY(child.waitForFinished(60000));
        QCOMPARE(child.readAllStandardOutput().trimmed(), QByteArray("file: []"));
    }

    void rebuild_startsWithFreshStorage_aReloadKeepsIt()
    {
        // The data counts its visits in the page's storage, as the engines
        // keep what a visitor opened or chose.
        m_data = QStringLiteral("var s=sessionStorage,l=localStorage;s.setItem('visits',(+s.getItem('visits')||0)+1);"
                                "l.setItem('visits',(+l.getItem('visits')||0)+1);");
        Page *page = m_preview->wbPreview;
        const auto visits = [&] {
            return evaluate(page, "sessionStorage.getItem('visits')+','+localStorage.getItem('visits')").toString();
        };
        for (int build = 1; build <= 3; ++build) {
            QVERIFY(rebuilt());
            QCOMPARE(visits(), QStringLiteral("1,1"));
        }
        // The same build loaded again is a second visit.
        auto *view = static_cast<WebPage *>(page)->view();
        QSignalSpy loaded(view->page(), &QWebEnginePage::loadFinished);
        view->page()->triggerAction(QWebEnginePage::Reload);
        QVERIFY(harness::waitUntil([&] { return !loaded.isEmpty(); }));
        QCOMPARE(visits(), QStringLiteral("2,2"));
        QVERIFY(m_dialogs->asked.isEmpty());
    }

    void withFreshStorage_scriptComesFirstInTheHead_data()
    {
        QTest::addColumn<QString>("page");
        QTest::addColumn<QString>("before");
        QTest::addRow("head") << "<html><head><title>T</title>" << "<html><head>";
        QTest::addRow("head with attributes, any case") << "<HTML><HEAD lang=\"en\"><title>T</title>" << "<HTML><HEAD lang=\"en\">";
        QTest::addRow("no head") << "<p>Text" << "";
        QTest::addRow("header is no head") << "<header>x</header><head>" << "<header>x</header><head>";
    }
    void withFreshStorage_scriptComesFirstInTheHead()
    {
        QFETCH(QString, page);
        QFETCH(QString, before);
        const QString out = withFreshStorage(page, 7);
        QVERIFY2(out.startsWith(before + QStringLiteral("<script>")), qPrintable(out));
        QVERIFY(out.contains(QStringLiteral("'7'")));
        QCOMPARE(out.size() - out.indexOf(QStringLiteral("</script>")) - 9, page.size() - before.size());
    }

    void scriptError_replacesTheBodyWithTheMessage()
    {
        m_data = QStringLiteral("var menuItems=[];\r\nthrow new Error('<b>bad</b> value');");
        QVERIFY(rebuilt());
        Page *page = m_preview->wbPreview;
        QVERIFY(harness::waitUntil([&] { return menuText(page).isEmpty() && evaluate(page, "document.body.textContent")
                                                                             .toString()
                                                                             .contains("Error message:"); }));
        QCOMPARE(evaluate(page, "document.body.textContent").toString(),
                 QStringLiteral("One or more parameters are incorrect.Please, check values.Error message: "
                                "Error: <b>bad</b> value"));
        QCOMPARE(evaluate(page, "document.querySelectorAll('span br, span hr, span font').length").toInt(), 3);
        QCOMPARE(evaluate(page, "document.querySelector('span').getAttribute('style')").toString(),
                 QStringLiteral("font:normal 10px Verdana,Tahoma;"));
        QVERIFY(m_dialogs->asked.isEmpty());
    }

    void countdown_burstOfChanges_rebuildsOnceAtTheEnd()
    {
        m_preview->timerUpdate->setInterval(30);
        QSignalSpy ready(m_preview, &TfrmPreview::pageReady);
        for (int i = 0; i < 5; ++i)
            m_project->MarkModified();
        QCOMPARE(m_preview->BuildCount, 0);
        QVERIFY(harness::waitUntil([&] { return !ready.isEmpty(); }));
        QCOMPARE(m_preview->BuildCount, 1);
        QVERIFY(!m_preview->timerUpdate->isActive());
    }

    void update_duringCountdown_givesOneRebuild()
    {
        m_project->MarkModified();
        QVERIFY(m_preview->timerUpdate->isActive());
        m_preview->spdUpdatePreview->click();
        QCOMPARE(m_preview->BuildCount, 1);
        QVERIFY(!m_preview->timerUpdate->isActive());
    }

    void countdownEnding_duringAPageCall_rebuildsAfterTheCall()
    {
        auto side = harness::openPage(harness::testDataDir() + QStringLiteral("binding.html"));
        m_preview->timerUpdate->setInterval(1);
        m_project->MarkModified();
        QCOMPARE(side->callInt(QStringLiteral("spin"), {200}), 200);
        QCOMPARE(m_preview->BuildCount, 0);
        QVERIFY(harness::waitUntil([&] { return m_preview->BuildCount == 1; }));

        // Stopped while it waited for the call: no rebuild.
        m_project->MarkModified();
        QCOMPARE(side->callInt(QStringLiteral("spin"), {200}), 200);
        m_preview->stopCountdown();
        QCOMPARE(side->callInt(QStringLiteral("add"), {1, 1}), 2);
        QCOMPARE(m_preview->BuildCount, 1);
    }

    void rebuildAskedDuringARebuild_runsOnceRightAfter()
    {
        int asked = 0;
        m_duringDataText = [&] {
            if (asked++ == 0) {
                m_preview->spdUpdatePreviewClick();
                m_preview->spdUpdatePreviewClick();
            }
        };
        QVERIFY(m_preview->BuildPreview());
        QCOMPARE(m_preview->BuildCount, 1);
        QSignalSpy ready(m_preview, &TfrmPreview::pageReady);
        QVERIFY(harness::waitUntil([&] { return m_preview->BuildCount == 2 && ready.size() >= 1; }));
        QCOMPARE(asked, 2);
    }

    void rebuild_givesTheFocusBack()
    {
        QLineEdit elsewhere;
        elsewhere.show();
        elsewhere.activateWindow();
        elsewhere.setFocus();
        QVERIFY(harness::waitUntil([&] { return elsewhere.hasFocus(); }));
        QVERIFY(rebuilt());
        QVERIFY(elsewhere.hasFocus());
    }

    void rebuild_keepsTheScrollPosition()
    {
        QVERIFY(rebuilt());
        auto *view = static_cast<WebPage *>(m_preview->wbPreview)->view();
        evaluate(m_preview->wbPreview, QStringLiteral("window.scrollTo(0, 700)"));
        QVERIFY(harness::waitUntil([&] { return view->page()->scrollPosition().y() == 700; }));
        QVERIFY(rebuilt());
        QVERIFY(harness::waitUntil([&] { return evaluate(m_preview->wbPreview, "window.scrollY").toInt() == 700; }));
    }

    void pageWidth_laysThePageOutAtThatWidth_data()
    {
        QTest::addColumn<int>("width");
        QTest::addColumn<int>("expected"); // 0: the window's width
        for (const int w : TfrmPreview::pageWidths())
            QTest::addRow("%d", w) << w << w;
    }
    void pageWidth_laysThePageOutAtThatWidth()
    {
        QFETCH(int, width);
        QFETCH(int, expected);
        QVERIFY(rebuilt());
        m_preview->setPageWidth(width);
        const int want = expected ? expected : m_preview->wbPreview->widget()->width();
        auto innerWidth = [&] { return evaluate(m_preview->wbPreview, "window.innerWidth").toInt(); };
        QVERIFY2(harness::waitUntil([&] { return qAbs(innerWidth() - want) <= 2; }),
                 qPrintable(QStringLiteral("%1 instead of %2").arg(innerWidth()).arg(want)));
        // Kept across rebuilds, and never wider than the window.
        QVERIFY(rebuilt());
        QVERIFY(qAbs(innerWidth() - want) <= 2);
        QVERIFY(m_preview->wbPreview->widget()->width() <= 700);
    }

    void openInBrowser_writesThePageAndHandsItOver()
    {
        m_data = menuData({QStringLiteral("For the browser")});
        m_preview->spdOpenInBrowser->click();
        QCOMPARE(m_dialogs->shellOpened, QList<QUrl>{QUrl::fromLocalFile(TfrmPreview::previewFileName())});
        QVERIFY(readFile(TfrmPreview::previewFileName()).contains("For the browser"));

        m_project->MenuType = 3; // engine missing: nothing is opened
        m_preview->spdOpenInBrowser->click();
        QCOMPARE(m_dialogs->shellOpened.size(), 1);
        QCOMPARE(m_dialogs->textsOf(QStringLiteral("error")).size(), 1);
    }

    void commandLine_preview_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("out");
        QTest::addColumn<int>("type");
        QTest::addColumn<bool>("error");
        QTest::newRow("file and page") << QStringList{"--preview", "m.js", "p.html"} << "m.js" << "p.html" << -1 << false;
        QTest::newRow("with a type") << QStringList{"m.js", "--preview", "--type", "tabs", "p.html"} << "m.js"
                                     << "p.html" << 2 << false;
        QTest::newRow("page missing") << QStringList{"--preview", "m.js"} << "m.js" << "" << -1 << true;
        QTest::newRow("a file too many") << QStringList{"--preview", "m.js", "p.html", "x.js"} << "m.js" << "p.html"
                                         << -1 << true;
    }
    void commandLine_preview()
    {
        QFETCH(QStringList, args);
        QFETCH(QString, file);
        QFETCH(QString, out);
        QFETCH(int, type);
        QFETCH(bool, error);
        const CommandLine cl = parseCommandLine(args);
        QCOMPARE(cl.mode, CommandLine::Mode::Preview);
        QCOMPARE(cl.file, file);
        QCOMPARE(cl.output, out);
        QCOMPARE(cl.menuType, type);
        QCOMPARE(!cl.error.isEmpty(), error);
    }

    void exportPreview_pageWithEnginesBesideItWorksAnywhere()
    {
        QTemporaryDir work;
        const QString site = work.path() + QStringLiteral("/my site/");
        const QString out = work.path() + QStringLiteral("/out #1/menu.html");
        // A tree menu: its add-on engine goes beside the page too.
        writeFile(site + QStringLiteral("menu.js"),
                  "var menuItems=[[\"Branch\"],[\"Leaf\"]];\r\nqrn_tmenuInit();");
        QString error;
        QVERIFY2(exportPreview(folder(), 1, site + QStringLiteral("menu.js"), out, &error), qPrintable(error));
        const QString outFolder = QFileInfo(out).absolutePath() + QLatin1Char('/');
        QCOMPARE(readFile(outFolder + QStringLiteral("qrntmenu.js")), QByteArray(kEngine));
        QCOMPARE(readFile(outFolder + QStringLiteral("qrntmenu_add.js")), QByteArray(kEngine));
        const QString page = QString::fromUtf8(readFile(out));
        QVERIFY(page.contains(QStringLiteral("<base href=\"../my%20site/\">")));
        QVERIFY(page.contains(QStringLiteral("src=\"../out%20%231/qrntmenu.js\"")));
        QVERIFY(!page.contains(work.path()));

        // Moved elsewhere together, the page still finds its engine.
        QTemporaryDir moved;
        QVERIFY(QDir().rename(work.path() + QStringLiteral("/my site"), moved.path() + QStringLiteral("/my site")));
        QVERIFY(QDir().rename(work.path() + QStringLiteral("/out #1"), moved.path() + QStringLiteral("/out #1")));
        auto view = harness::openPage(moved.path() + QStringLiteral("/out #1/menu.html"));
        QCOMPARE(menuText(view.get()), QStringLiteral("Branch|Leaf"));

        QVERIFY(!exportPreview(folder(), 3, moved.path() + QStringLiteral("/my site/menu.js"), out, &error));
        QVERIFY(error.contains(QStringLiteral("qrntabmenu.js")));
        QVERIFY(!exportPreview(folder(), 0, work.path() + QStringLiteral("/none.js"), out, &error));
    }
};

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsSet("PLIVEX_PREVIEW_CHILD")) {
        QCoreApplication app(argc, argv);
        std::printf("file: [%s]\n", qPrintable(TfrmPreview::previewFileName()));
        return 0;
    }
    prepareTestEnvironment();
    Application app(argc, argv);
    app.setAttribute(Qt::AA_Use96Dpi, true);
    PreviewTest tc;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&tc, argc, argv);
}

#include "preview_test.moc"
