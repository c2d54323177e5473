#include "support/scripteddialogs.h"
#include "support/testfiles.h"
#include "support/testmain.h"
#include "support/webharness.h"

#include <QAction>
#include <QApplication>
#include <QCursor>
#include <QDateTime>
#include <QDragEnterEvent>
#include <QElapsedTimer>
#include <QMimeData>
#include <QTcpServer>
#include <QTemporaryDir>
#include <QSignalSpy>
#include <QTimer>
#include <QVBoxLayout>
#include <QWebEngineLoadingInfo>
#include <QWebEnginePage>
#include <QWebEngineView>

#include <csignal>
#include <optional>

using harness::openPage;
using harness::testDataDir;

namespace {

qint64 rendererOf(WebPage &page)
{
    return page.view()->page()->renderProcessPid();
}

// HTML whose script runs forever when it is loaded within `ms` from now, and
// loads normally after that: a load that hangs once, then recovers.
QString hangsWhileLoadingFor(int ms)
{
    return QStringLiteral("<script>if (Date.now() < %1) for (;;) {}\nfunction add(a, b) { return a + b; }</script>")
        .arg(QDateTime::currentMSecsSinceEpoch() + ms);
}

} // namespace

class WebPageTest : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<WebPage> m_page;
    QTemporaryDir m_dir;
    QString bindingPage() const { return testDataDir() + QStringLiteral("binding.html"); }

private slots:
    void init()
    {
        m_page = openPage(bindingPage());
        QVERIFY(m_page->hasDocument());
    }
    void cleanup() { m_page.reset(); }

    void call_argumentKinds_reachFunctionAsGiven_data()
    {
        QTest::addColumn<PageArgs>("args");
        QTest::addColumn<QString>("expected");
        QTest::newRow("integers") << PageArgs{1, -7, 0} << "number|1|number|-7|number";
        QTest::newRow("texts") << PageArgs{QStringLiteral("a\"b"), QStringLiteral("x\\y\r\nz")}
                               << "string|a\"b|string|x\\y\r\nz|undefined";
        QTest::newRow("omitted") << PageArgs{kOmitted} << "undefined|undefined|undefined|undefined|undefined";
        QTest::newRow("mixed") << PageArgs{3, kOmitted, QStringLiteral("</script>é€")}
                               << "number|3|undefined|undefined|string";
        QTest::newRow("empty text") << PageArgs{QString()} << "string||undefined|undefined|undefined";
        // The call's script is filled from a template: what looks like its
        // placeholders arrives as text.
        QTest::newRow("placeholder texts") << PageArgs{QStringLiteral("'@KIND'"), QStringLiteral("'@ARGS'"), QStringLiteral("@FUNCTION")}
                                           << "string|'@KIND'|string|'@ARGS'|string";
    }
    void call_argumentKinds_reachFunctionAsGiven()
    {
        QFETCH(PageArgs, args);
        QFETCH(QString, expected);
        QCOMPARE(m_page->callText(QStringLiteral("describe"), args), expected);
    }

    void call_results_convertToTextAndInteger()
    {
        QCOMPARE(m_page->callInt(QStringLiteral("add"), {2, 3}), 5);
        QCOMPARE(m_page->callText(QStringLiteral("add"), {2, 3}), QStringLiteral("5"));
        QCOMPARE(m_page->callText(QStringLiteral("add"), {QStringLiteral("2"), 3}), QStringLiteral("23"));
        QCOMPARE(m_page->callInt(QStringLiteral("add"), {QStringLiteral("2"), 3}), 23);
        QCOMPARE(m_page->callText(QStringLiteral("halfOf"), {3}), QStringLiteral("1.5"));
        QCOMPARE(m_page->callText(QStringLiteral("nothing")), QString());
        QVERIFY_THROWS_EXCEPTION(PageError, m_page->callInt(QStringLiteral("halfOf"), {3}));
        QVERIFY_THROWS_EXCEPTION(PageError, m_page->callInt(QStringLiteral("nothing")));
        const QString odd = QStringLiteral("line1\r\nline2 \"q\" \\ </script> ü 中 \U0001F600");
        QCOMPARE(m_page->callText(QStringLiteral("echo"), {odd}), odd);
    }

    void call_failures_throwPageErrorNamingTheFunction_data()
    {
        QTest::addColumn<QString>("function");
        QTest::addColumn<QString>("fragment");
        QTest::newRow("missing") << "noSuchFunction" << "has no function noSuchFunction";
        QTest::newRow("not a function") << "itemParamsCnt" << "has no function itemParamsCnt";
        QTest::newRow("throws an Error") << "thrower" << "TypeError in the page function thrower";
        QTest::newRow("throws a text") << "stringThrower" << "plain text";
    }
    void call_failures_throwPageErrorNamingTheFunction()
    {
        QFETCH(QString, function);
        QFETCH(QString, fragment);
        try {
            m_page->call(function, {});
            QFAIL("no PageError");
        } catch (const PageError &e) {
            QCOMPARE(e.function, function);
            QCOMPARE(e.page, QStringLiteral("binding.html"));
            QVERIFY2(e.detail.contains(fragment), qPrintable(e.detail));
            // The user is told in words of their own; the names are for us.
            QVERIFY2(!e.message.contains(function) && !e.message.contains(e.page), qPrintable(e.message));
        }
        // The page goes on answering.
        QCOMPARE(m_page->callInt(QStringLiteral("add"), {1, 1}), 2);
    }

    void call_endlessLoop_timesOutThenPageAnswersAgain()
    {
        const QString before = m_page->callText(QStringLiteral("stamp"));
        m_page->setCallTimeout(1500);
        try {
            m_page->call(QStringLiteral("endless"), {});
            QFAIL("no PageError");
        } catch (const PageError &e) {
            QVERIFY2(e.detail.contains(QStringLiteral("did not answer")), qPrintable(e.detail));
            QVERIFY2(e.message.contains(QStringLiteral("stopped answering")), qPrintable(e.message));
            QVERIFY2(!e.message.contains(QStringLiteral("endless")), qPrintable(e.message));
        }
        // The next call waits for the document to come back, then answers.
        m_page->setCallTimeout(30000);
        QCOMPARE(m_page->callInt(QStringLiteral("add"), {20, 22}), 42);
        QVERIFY(m_page->callText(QStringLiteral("stamp")) != before);
    }

    void call_endlessLoop_otherViewsGoOnAnswering()
    {
        auto other = openPage(bindingPage());
        m_page->setCallTimeout(1500);
        QVERIFY_THROWS_EXCEPTION(PageError, m_page->call(QStringLiteral("endless"), {}));
        // Whether or not the two views shared the ended renderer, both answer.
        QCOMPARE(other->callInt(QStringLiteral("add"), {1, 2}), 3);
        QCOMPARE(m_page->callInt(QStringLiteral("add"), {3, 4}), 7);
    }

    void call_rendererEndsDuringCall_failsAtOnceAndTheRestartedRendererServes()
    {
        m_page->setCallTimeout(8000);
        const qint64 first = rendererOf(*m_page);
        QVERIFY(first > 0);
        QTimer::singleShot(200, this, [first] { ::kill(static_cast<pid_t>(first), SIGKILL); });
        QElapsedTimer elapsed;
        elapsed.start();
        try {
            m_page->call(QStringLiteral("endless"), {});
            QFAIL("no PageError");
        } catch (const PageError &e) {
            QVERIFY2(elapsed.elapsed() < 4000, qPrintable(QString::number(elapsed.elapsed())));
            QVERIFY2(e.detail.contains(QStringLiteral("renderer ended during the call")), qPrintable(e.detail));
            QVERIFY2(e.message.contains(QStringLiteral("stopped working")), qPrintable(e.message));
        }
        QCOMPARE(m_page->callInt(QStringLiteral("add"), {1, 2}), 3);
        const qint64 restarted = rendererOf(*m_page);
        QVERIFY(restarted > 0 && restarted != first);
        // Past the failed call's deadline, the new renderer still serves.
        QVERIFY(!harness::waitUntil([&] { return rendererOf(*m_page) != restarted; }, 8000 - elapsed.elapsed() + 500));
        QCOMPARE(m_page->callInt(QStringLiteral("add"), {2, 2}), 4);
    }

    // A renderer kept from running (here stopped, as a very busy machine
    // would) is not hung: its call is given longer than the limit and
    // answers once it runs again. One that never runs again is taken as
    // hung at three limits.
    void call_rendererKeptFromRunning_isGivenLongerThenEnded()
    {
        m_page->setHangLimit(0);
        m_page->setCallTimeout(1000);
        const qint64 renderer = rendererOf(*m_page);
        ::kill(static_cast<pid_t>(renderer), SIGSTOP);
        QTimer::singleShot(1800, this, [renderer] { ::kill(static_cast<pid_t>(renderer), SIGCONT); });
        QCOMPARE(m_page->callInt(QStringLiteral("add"), {1, 2}), 3);
        QCOMPARE(rendererOf(*m_page), renderer);

        ::kill(static_cast<pid_t>(renderer), SIGSTOP);
        QElapsedTimer waited;
        waited.start();
        try {
            m_page->call(QStringLiteral("add"), {1, 2});
            QFAIL("no PageError");
        } catch (const PageError &e) {
            QVERIFY2(waited.elapsed() >= 3000, qPrintable(QString::number(waited.elapsed())));
            QVERIFY2(e.detail.contains(QStringLiteral("did not answer")), qPrintable(e.detail));
        }
        QCOMPARE(m_page->callInt(QStringLiteral("add"), {2, 2}), 4);
        QVERIFY(rendererOf(*m_page) != renderer);
    }

    // Without the hang watch, the call's own load limit ends the hung load.
    void call_pageHangsWhileLoading_isRecoveredForTheNextCall()
    {
        m_page->setHangLimit(0);
        m_page->setCallTimeout(2000);
        m_page->loadHtml(hangsWhileLoadingFor(5000), QUrl::fromLocalFile(testDataDir()));
        try {
            m_page->call(QStringLiteral("add"), {1, 2});
            QFAIL("no PageError");
        } catch (const PageError &e) {
            QVERIFY2(e.detail.contains(QStringLiteral("did not finish loading")), qPrintable(e.detail));
            QVERIFY2(e.message.contains(QStringLiteral("started again")), qPrintable(e.message));
        }
        QCOMPARE(m_page->callInt(QStringLiteral("add"), {1, 2}), 3);
    }

    // The hang watch ends a page that hangs with no call waiting, and loads
    // it again: the next call finds it answering.
    void hangWatch_endsAHungPageInTheBackground()
    {
        m_page->setHangLimit(500);
        QSignalSpy ended(m_page.get(), &Page::rendererEnded);
        const qint64 hung = rendererOf(*m_page);
        m_page->view()->page()->runJavaScript(QStringLiteral("for (;;) {}"));
        QVERIFY(harness::waitUntil([&] { return ended.count() == 1; }));
        QVERIFY(rendererOf(*m_page) != hung);
        QCOMPARE(m_page->callInt(QStringLiteral("add"), {1, 2}), 3);
    }

    // A page busy for less than the hang limit is left alone, though the
    // call waiting for it shows the busy pointer meanwhile.
    void hangWatch_leavesABusyPageAlone_whileTheCallShowsItWaits()
    {
        m_page->setHangLimit(3000);
        QSignalSpy ended(m_page.get(), &Page::rendererEnded);
        const qint64 renderer = rendererOf(*m_page);
        bool busyShown = false;
        QTimer check;
        connect(&check, &QTimer::timeout, this, [&] {
            if (QGuiApplication::overrideCursor() && QGuiApplication::overrideCursor()->shape() == Qt::BusyCursor)
                busyShown = true;
        });
        check.start(20);
        QCOMPARE(m_page->callInt(QStringLiteral("spin"), {1000}), 1000);
        check.stop();
        QVERIFY(busyShown);
        QVERIFY(!QGuiApplication::overrideCursor());
        QCOMPARE(rendererOf(*m_page), renderer);
        QCOMPARE(ended.count(), 0);
    }

    void call_afterQuit_failsAtOnceWithoutEndingAnyRenderer()
    {
        auto loading = openPage(bindingPage());
        const QString before = m_page->callText(QStringLiteral("stamp"));
        const qint64 renderer = rendererOf(*m_page);
        QStringList failures;
        qint64 took = -1;
        QTimer::singleShot(0, this, [&] {
            QElapsedTimer elapsed;
            elapsed.start();
            QTimer::singleShot(100, qApp, [] { QCoreApplication::exit(0); });
            for (const auto &call : std::initializer_list<std::function<void()>>{
                     [&] { m_page->call(QStringLiteral("spin"), {3000}); }, // quit arrives while it waits
                     [&] { m_page->call(QStringLiteral("add"), {1, 2}); },  // after the quit
                     [&] {
                         loading->loadFile(bindingPage());
                         loading->call(QStringLiteral("add"), {1, 2});
                     }}) {
                try {
                    call();
                    failures << QStringLiteral("answered");
                } catch (const PageError &e) {
                    failures << e.message;
                }
            }
            took = elapsed.elapsed();
        });
        QCoreApplication::exec();
        QCOMPARE(failures.size(), 3);
        for (const QString &f : std::as_const(failures))
            QVERIFY2(f.contains(QStringLiteral("program is closing")), qPrintable(f));
        QVERIFY2(took < 2500, qPrintable(QString::number(took)));
        QCOMPARE(rendererOf(*m_page), renderer);
        QCOMPARE(m_page->callText(QStringLiteral("stamp")), before);
    }

    void reports_ofOtherPages_arriveOnceAFailedCallEnds_data()
    {
        QTest::addColumn<bool>("closeThePage");
        QTest::newRow("load never finishes") << false;
        QTest::newRow("page closed during the call") << true;
    }
    void reports_ofOtherPages_arriveOnceAFailedCallEnds()
    {
        QFETCH(bool, closeThePage);
        QSignalSpy statuses(m_page.get(), &Page::statusTextChanged);
        auto failing = openPage(bindingPage());
        // Reported while the other page's call waits.
        m_page->view()->page()->runJavaScript(QStringLiteral("setTimeout(function () { statuses(5); }, 100)"));
        if (closeThePage) {
            QTimer::singleShot(300, this, [&] { failing.reset(); });
            QVERIFY_THROWS_EXCEPTION(PageError, failing->call(QStringLiteral("spin"), {1500}));
        } else {
            failing->setCallTimeout(1500);
            failing->loadHtml(hangsWhileLoadingFor(60000), QUrl::fromLocalFile(testDataDir()));
            QVERIFY_THROWS_EXCEPTION(PageError, failing->call(QStringLiteral("add"), {1, 2}));
        }
        // The gate counts the call out even when its page went during it.
        QCOMPARE(harness::gate().callsInProgress(), 0);
        QVERIFY(harness::waitUntil([&] { return statuses.count() == 5; }));
    }

    void runWhenNoCallWaits_timerFiringDuringACall_runsItsWorkAfterTheCall()
    {
        QList<int> callsWaitingAtRun;
        QTimer timer;
        timer.setSingleShot(true);
        connect(&timer, &QTimer::timeout, this, [&] {
            harness::gate().runWhenNoCallWaits(this, [&] { callsWaitingAtRun << harness::gate().callsInProgress(); });
        });
        timer.start(50);
        QCOMPARE(m_page->callInt(QStringLiteral("spin"), {400}), 400);
        QVERIFY(!timer.isActive());
        QVERIFY(callsWaitingAtRun.isEmpty());
        QVERIFY(harness::waitUntil([&] { return !callsWaitingAtRun.isEmpty(); }));
        QCOMPARE(callsWaitingAtRun, QList<int>{0});

        // With no call waiting it runs at once; work whose context went is dropped.
        harness::gate().runWhenNoCallWaits(this, [&] { callsWaitingAtRun << -1; });
        QCOMPARE(callsWaitingAtRun, QList<int>({0, -1}));
        auto context = std::make_unique<QObject>();
        QTimer::singleShot(50, this, [&] {
            harness::gate().runWhenNoCallWaits(context.get(), [&] { callsWaitingAtRun << -2; });
            context.reset();
        });
        QCOMPARE(m_page->callInt(QStringLiteral("spin"), {400}), 400);
        QVERIFY(!context);
        QCOMPARE(m_page->callInt(QStringLiteral("add"), {1, 1}), 2);
        QCOMPARE(callsWaitingAtRun, QList<int>({0, -1}));
    }

    void call_beforeAnyDocument_throws()
    {
        WebPage empty(harness::gate());
        QVERIFY(!empty.hasDocument());
        QVERIFY_THROWS_EXCEPTION(PageError, empty.call(QStringLiteral("add"), {1, 2}));
    }

    void call_rightAfterLoad_isAnsweredByTheNewDocument()
    {
        const QString before = m_page->callText(QStringLiteral("stamp"));
        m_page->loadFile(bindingPage());
        QVERIFY(!m_page->hasDocument());
        QVERIFY(m_page->callText(QStringLiteral("stamp")) != before);
    }

    // The finish of the document a new load replaces arrives from the event
    // loop, possibly after the new load was asked for; what a call then
    // leaves in the new document must stay there.
    void lateFinishOfTheReplacedDocument_isNotTakenForTheNewOne_data()
    {
        QTest::addColumn<int>("next");
        // Whether the replaced document's start comes late too, so that the
        // program sees a start and a finish before the engine has begun
        // the new load.
        QTest::addColumn<bool>("withStart");
        QTest::newRow("another file") << 0 << false;
        QTest::newRow("text") << 1 << false;
        QTest::newRow("the same file again") << 2 << false;
        QTest::newRow("another file, start and finish") << 0 << true;
        QTest::newRow("the same file again, start and finish") << 2 << true;
    }
    void lateFinishOfTheReplacedDocument_isNotTakenForTheNewOne()
    {
        QFETCH(int, next);
        QFETCH(bool, withStart);
        QWebEnginePage *engine = m_page->view()->page();
        std::optional<QWebEngineLoadingInfo> replacedStart, replacedFinish;
        auto keep = connect(engine, &QWebEnginePage::loadingChanged, this, [&](const QWebEngineLoadingInfo &info) {
            if (info.status() == QWebEngineLoadingInfo::LoadSucceededStatus)
                replacedFinish = info;
            else if (info.status() == QWebEngineLoadingInfo::LoadStartedStatus)
                replacedStart = info;
        });
        m_page->loadFile(bindingPage());
        QVERIFY(QTest::qWaitFor([&] { return replacedFinish.has_value(); }));
        disconnect(keep);
        QVERIFY(harness::waitForDocument(*m_page));
        const QString getter = QStringLiteral("<p>The next document</p>");
        if (next == 1)
            m_page->loadHtml(getter, QUrl(QStringLiteral("about:blank")));
        else if (next == 0) {
            const QString path = m_dir.filePath(QStringLiteral("page.html"));
            QVERIFY(writeTestFile(path, getter.toUtf8()));
            m_page->loadFile(path);
        }
        else
            m_page->loadFile(bindingPage());
        if (withStart)
            emit engine->loadingChanged(*replacedStart);
        emit engine->loadingChanged(*replacedFinish);
        QVERIFY(!m_page->hasDocument());
        m_page->call(QStringLiteral("eval"), {QStringLiteral("window.mark='kept'")});
        QCOMPARE(m_page->callText(QStringLiteral("eval"), {QStringLiteral("String(window.mark)")}), QStringLiteral("kept"));
    }

    void loadHtmlAndAbout_giveDocuments()
    {
        QSignalSpy complete(m_page.get(), &Page::documentComplete);
        m_page->loadHtml(QStringLiteral("<script>function hello(){return 'hi';}</script>"),
                         QUrl::fromLocalFile(testDataDir()));
        QCOMPARE(m_page->callText(QStringLiteral("hello")), QStringLiteral("hi"));
        QTRY_COMPARE(complete.count(), 1);
        m_page->loadAbout(QStringLiteral("about:blank"));
        QVERIFY(harness::waitForDocument(*m_page));
        QVERIFY_THROWS_EXCEPTION(PageError, m_page->call(QStringLiteral("hello"), {}));
        QTRY_COMPARE(complete.count(), 2);
    }

    void value_readsWindowValues()
    {
        QCOMPARE(m_page->value(QStringLiteral("itemParamsCnt")).toInt(), 11);
        QVERIFY_THROWS_EXCEPTION(PageError, m_page->value(QStringLiteral("noSuchValue")));
    }

    void callBatch_answersEveryListInOrder()
    {
        QList<PageArgs> lists;
        for (int i = 0; i < 1000; ++i)
            lists << PageArgs{QStringLiteral("item %1 \"x\"").arg(i)};
        const QStringList results = m_page->callBatchText(QStringLiteral("echo"), lists);
        QCOMPARE(results.size(), 1000);
        QCOMPARE(results.first(), QStringLiteral("item 0 \"x\""));
        QCOMPARE(results.last(), QStringLiteral("item 999 \"x\""));
        QVERIFY(m_page->callBatch(QStringLiteral("echo"), {}).isEmpty());
    }

    void callBatch_failingElement_failsTheBatch()
    {
        QVERIFY_THROWS_EXCEPTION(PageError, m_page->callBatch(QStringLiteral("noSuchFunction"), {{1}}));
        try {
            m_page->callBatch(QStringLiteral("thrower"), {{1}, {2}});
            QFAIL("no PageError");
        } catch (const PageError &e) {
            QVERIFY2(e.detail.contains(QStringLiteral("bad thing")), qPrintable(e.detail));
        }
    }

    void status_setDuringCall_arrivesInOrderBeforeTheResult()
    {
        QStringList seen;
        bool resultSeen = false;
        connect(m_page.get(), &Page::statusTextChanged, this, [&](const QString &t) {
            QVERIFY(!resultSeen);
            seen << t;
        });
        QCOMPARE(m_page->callInt(QStringLiteral("statuses"), {40}), 40);
        resultSeen = true;
        QCOMPARE(seen.size(), 40);
        QCOMPARE(seen.first(), QStringLiteral("@s:0"));
        QCOMPARE(seen.last(), QStringLiteral("@s:39"));
    }

    void status_setByPageLater_arrivesFromEventLoopInOrder()
    {
        QSignalSpy spy(m_page.get(), &Page::statusTextChanged);
        m_page->callInt(QStringLiteral("statusesLater"), {25});
        QTRY_COMPARE(spy.count(), 25);
        for (int i = 0; i < 25; ++i)
            QCOMPARE(spy.at(i).at(0).toString(), QStringLiteral("@l:%1").arg(i));
    }

    void status_handlerThatFails_isReportedAndTheRestStillArrive()
    {
        ScriptedDialogs dialogs;
        QStringList seen;
        connect(m_page.get(), &Page::statusTextChanged, this, [&](const QString &t) {
            seen << t;
            if (seen.size() == 1)
                throw PageError(QStringLiteral("qrn_setValue"), QStringLiteral("binding.html"), QStringLiteral("boom"));
        });
        // The call's own result survives a failing handler of what it caused.
        QCOMPARE(m_page->callInt(QStringLiteral("statuses"), {3}), 3);
        QCOMPARE(seen, QStringList({QStringLiteral("@s:0"), QStringLiteral("@s:1"), QStringLiteral("@s:2")}));
        QCOMPARE(dialogs.textsOf(QStringLiteral("error")), QStringList{QStringLiteral("boom")});
    }

    void status_ofAnotherPage_waitsUntilNoCallIsWaiting()
    {
        auto other = openPage(bindingPage());
        QList<int> callsWaitingAtDelivery;
        connect(other.get(), &Page::statusTextChanged, this,
                [&](const QString &) { callsWaitingAtDelivery << harness::gate().callsInProgress(); });
        other->callInt(QStringLiteral("statusesLater"), {5});
        QCOMPARE(m_page->callInt(QStringLiteral("spin"), {400}), 400);
        QVERIFY(harness::waitUntil([&] { return callsWaitingAtDelivery.size() == 5; }));
        QCOMPARE(callsWaitingAtDelivery, QList<int>({0, 0, 0, 0, 0}));
    }

    void status_setByProgram_isReadByThePage()
    {
        m_page->setStatus(QStringLiteral("@x:1"));
        QCOMPARE(m_page->value(QStringLiteral("status")).toString(), QStringLiteral("@x:1"));
        m_page->setStatus(QString());
        QCOMPARE(m_page->value(QStringLiteral("status")).toString(), QString());
    }

    void status_setByProgram_isNotReportedBack()
    {
        // A handler that clears the status, as the command channel does.
        QStringList seen;
        connect(m_page.get(), &Page::statusTextChanged, this, [&](const QString &t) {
            seen << t;
            if (!t.isEmpty())
                m_page->setStatus(QString());
        });
        m_page->setStatus(QStringLiteral("@x:1"));
        m_page->setStatus(QString());
        QCOMPARE(m_page->callInt(QStringLiteral("statuses"), {2}), 2);
        QCOMPARE(m_page->callInt(QStringLiteral("add"), {1, 1}), 2);
        QCOMPARE(seen, QStringList({QStringLiteral("@s:0"), QStringLiteral("@s:1")}));
    }

    void scriptError_reportsLineColumnAndName()
    {
        QSignalSpy spy(m_page.get(), &Page::scriptError);
        m_page->callText(QStringLiteral("deferredError"));
        QTRY_COMPARE(spy.count(), 1);
        const auto e = spy.at(0).at(0).value<ScriptError>();
        QCOMPARE(e.line, 27);
        QCOMPARE(e.column, 5);
        QCOMPARE(e.code, QStringLiteral("ReferenceError"));
        QVERIFY2(e.message.contains(QStringLiteral("undefinedFunctionName")), qPrintable(e.message));
    }

    void networkRequests_neverLeaveTheProgram()
    {
        QTcpServer server;
        QVERIFY(server.listen(QHostAddress::LocalHost));
        const QString url = QStringLiteral("http://127.0.0.1:%1").arg(server.serverPort());
        m_page->callText(QStringLiteral("fetchFrom"), {url});
        QVERIFY(harness::waitUntil([&] { return !m_page->value(QStringLiteral("fetchResult")).toString().isEmpty(); }));
        QCOMPARE(m_page->value(QStringLiteral("fetchResult")).toString(), QStringLiteral("blocked"));
        QVERIFY(!server.hasPendingConnections());
    }

    void droppedFiles_areRefused()
    {
        m_page->view()->show();
        QVERIFY(harness::waitUntil([&] { return m_page->view()->focusProxy() != nullptr; }));
        auto *mime = new QMimeData;
        mime->setUrls({QUrl::fromLocalFile(bindingPage())});
        for (QWidget *target : {static_cast<QWidget *>(m_page->view()), m_page->view()->focusProxy()}) {
            QDragEnterEvent enter(QPoint(10, 10), Qt::CopyAction, mime, Qt::LeftButton, Qt::NoModifier);
            QApplication::sendEvent(target, &enter);
            QVERIFY2(!enter.isAccepted(), target->metaObject()->className());
        }
        delete mime;
    }

    void newWindowRequests_areRefused()
    {
        QCOMPARE(m_page->callText(QStringLiteral("openWindow")), QStringLiteral("refused"));
    }

    void refresh_refusedUnlessAllowed()
    {
        const QString before = m_page->callText(QStringLiteral("stamp"));
        QSignalSpy refused(m_page.get(), &WebPage::navigationRefused);
        m_page->callText(QStringLiteral("reloadSoon"));
        QTRY_COMPARE(refused.count(), 1);
        m_page->view()->page()->triggerAction(QWebEnginePage::Reload);
        QTRY_COMPARE(refused.count(), 2);
        QCOMPARE(m_page->callText(QStringLiteral("stamp")), before);

        // The preview's view lets the page reload itself.
        m_page->setRefreshAllowed(true);
        QSignalSpy complete(m_page.get(), &Page::documentComplete);
        m_page->callText(QStringLiteral("reloadSoon"));
        QTRY_COMPARE(complete.count(), 1);
        QVERIFY(m_page->callText(QStringLiteral("stamp")) != before);
        QCOMPARE(refused.count(), 2);
    }

    // The web profiles belong to the gate: the pages of another gate keep
    // their storage apart, and a gate that ends after its pages takes its
    // profiles with it.
    void gates_keepTheirPagesStorageApart()
    {
        const auto run = [](WebPage &page, const QString &script) {
            QVariant answer;
            bool answered = false;
            page.view()->page()->runJavaScript(script, [&](const QVariant &v) {
                answer = v;
                answered = true;
            });
            return harness::waitUntil([&] { return answered; }) ? answer : QVariant(QStringLiteral("no answer"));
        };
        const QString write = QStringLiteral("localStorage.setItem('kept', 'yes'); 1");
        const QString read = QStringLiteral("String(localStorage.getItem('kept'))");
        const QUrl base = m_page->view()->url();
        QCOMPARE(run(*m_page, write).toInt(), 1);
        {
            PageGate own;
            WebPage other(own);
            QVERIFY(other.siteScheme() && other.siteScheme() != m_page->siteScheme());
            other.loadHtml(QStringLiteral("<!DOCTYPE html><title>another gate</title>"), base);
            QVERIFY(harness::waitForDocument(other));
            QCOMPARE(run(other, read).toString(), QStringLiteral("null"));
            // A page of the same gate shares the storage.
            WebPage same(harness::gate());
            same.loadHtml(QStringLiteral("<!DOCTYPE html><title>the same gate</title>"), base);
            QVERIFY(harness::waitForDocument(same));
            QCOMPARE(run(same, read).toString(), QStringLiteral("yes"));
        }
        QCOMPARE(run(*m_page, read).toString(), QStringLiteral("yes"));
    }

    void keyFilter_windowKeysReachShortcutsPageKeysStayInPage()
    {
        QWidget window;
        auto *layout = new QVBoxLayout(&window);
        m_page->view()->setParent(&window);
        layout->addWidget(m_page->view());
        int saves = 0, copies = 0;
        auto *save = new QAction(&window);
        save->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_S));
        connect(save, &QAction::triggered, this, [&] { ++saves; });
        auto *copy = new QAction(&window);
        copy->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_C));
        connect(copy, &QAction::triggered, this, [&] { ++copies; });
        window.addAction(save);
        window.addAction(copy);
        m_page->setKeyFilter([](const QKeyEvent &e) {
            return (e.modifiers() & Qt::ControlModifier) && e.key() != Qt::Key_C;
        });
        window.resize(600, 400);
        window.show();
        window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        QTRY_VERIFY(m_page->view()->focusProxy() != nullptr);
        QWidget *proxy = m_page->view()->focusProxy();
        proxy->setFocus();
        QTRY_VERIFY(proxy->hasFocus());

        QTest::keyClick(proxy, Qt::Key_S, Qt::ControlModifier);
        QCOMPARE(saves, 1);
        QTest::keyClick(proxy, Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(copies, 0);
        QTest::keyClick(proxy, Qt::Key_Q);
        QTRY_VERIFY(m_page->callText(QStringLiteral("keys")).contains(QStringLiteral("q")));
        const QString keys = m_page->callText(QStringLiteral("keys"));
        QVERIFY2(keys.contains(QStringLiteral("Ctrl+c")), qPrintable(keys));
        QVERIFY2(!keys.contains(QStringLiteral("Ctrl+s")), qPrintable(keys));
        m_page->view()->setParent(nullptr);
    }
};

PLIVEX_TEST_MAIN(WebPageTest)
#include "webpage_test.moc"
