#include "page/webpage.h"

#include "page/sitescheme.h"

#include "page/pagegate.h"
#include "page/readerpage.h"
#include "page/resourcetext.h"

#include <QAction>
#include <QContextMenuEvent>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>
#include <QMenu>
#include <QRandomGenerator>
#include <QTimer>
#include <QWebEngineLoadingInfo>
#include <QWebEnginePage>
#include <QWebEngineProfile>
#include <QWebEngineScript>
#include <QWebEngineScriptCollection>
#include <QWebEngineSettings>
#include <QWebEngineUrlRequestInterceptor>
#include <QWebEngineView>

#include <QDeadlineTimer>

#include <csignal>
#include <sys/types.h>
#include <unistd.h>

namespace {

struct WebPageText
{
    Q_DECLARE_TR_FUNCTIONS(WebPage)
};

// Console messages that carry our own reports start with this mark, then the
// secret of the load and a colon.
const QString kReportMark = QStringLiteral("\x01plivex:");

// How soon a document still loading after a finish is asked again, in ms.
constexpr int kSettlePollMs = 10;

// The hooks each hosted document starts with: scripts/hooks.js.
const QString kHookName = QStringLiteral("plivex-hooks");

QString newSecret()
{
    quint64 words[2];
    QRandomGenerator::system()->fillRange(words);
    return QString::number(words[0], 36) + QString::number(words[1], 36);
}

// An isolated page reaches nothing: its one document comes from the
// program as a data: address, and every request it makes is refused.
class NothingInterceptor : public QWebEngineUrlRequestInterceptor
{
public:
    using QWebEngineUrlRequestInterceptor::QWebEngineUrlRequestInterceptor;
    void interceptRequest(QWebEngineUrlRequestInfo &info) override
    {
        if (info.requestUrl().scheme() != QLatin1String("data") ||
            info.resourceType() != QWebEngineUrlRequestInfo::ResourceTypeMainFrame)
            info.block(true);
    }
};

class OfflineInterceptor : public QWebEngineUrlRequestInterceptor
{
public:
    using QWebEngineUrlRequestInterceptor::QWebEngineUrlRequestInterceptor;
    void interceptRequest(QWebEngineUrlRequestInfo &info) override
    {
        static const QStringList allowed = {QStringLiteral("file"), QStringLiteral("data"), QStringLiteral("blob"),
                                            QStringLiteral("about"), QStringLiteral("qrc"),
                                            QString::fromLatin1(SiteScheme::kName)};
        // A page of the user's site runs the site's own scripts: it reaches
        // its site and nothing else.
        static const QStringList allowedToSite = {QStringLiteral("data"), QStringLiteral("blob"),
                                                  QString::fromLatin1(SiteScheme::kName)};
        const bool fromSite = SiteScheme::isSiteUrl(info.firstPartyUrl()) || SiteScheme::isSiteUrl(info.initiator());
        if (!(fromSite ? allowedToSite : allowed).contains(info.requestUrl().scheme()))
            info.block(true);
    }
};

// What a user is told when a page fails them; the page and the function go
// to the debug output.
QString doItAgainText()
{
    return WebPageText::tr("What you did last may not have been carried out: please check it, "
                           "and do it again if needed.");
}

// The processor time a renderer has used, in ms; -1 where it cannot be
// read.
qint64 cpuMsOf(qint64 pid)
{
    if (pid <= 0)
        return -1;
    QFile stat(QStringLiteral("/proc/%1/stat").arg(pid));
    if (!stat.open(QIODevice::ReadOnly))
        return -1;
    const QByteArray line = stat.readAll();
    // The name in parentheses may hold spaces; the fields after it start
    // with the state, and the user and system times are the 12th and 13th.
    const QList<QByteArray> fields = line.mid(line.lastIndexOf(')') + 2).split(' ');
    if (fields.size() < 13)
        return -1;
    static const long ticks = ::sysconf(_SC_CLK_TCK);
    if (ticks <= 0)
        return -1;
    return (fields.at(11).toLongLong() + fields.at(12).toLongLong()) * 1000 / ticks;
}

// Whether a renderer that has left a call or probe unanswered for `waitedMs`,
// past the limit, is hung. One that ran for a good part of the wait is
// running a script that does not end; one that hardly ran was kept from
// running by a busy machine and is given longer, up to three limits, after
// which it is taken as hung whatever the cause. Where the time cannot be
// read, the limit holds.
bool isHung(qint64 pid, qint64 cpuBeforeMs, qint64 waitedMs, int limitMs)
{
    if (waitedMs >= 3LL * limitMs)
        return true;
    const qint64 cpuNow = cpuMsOf(pid);
    if (cpuBeforeMs < 0 || cpuNow < 0)
        return true;
    return (cpuNow - cpuBeforeMs) * 10 >= waitedMs * 3;
}

QString hungText()
{
    return WebPageText::tr("A part of the editor stopped answering and was started again. ") + doItAgainText();
}
// A nested loop that tells whether it was ended by one of ours. Told to quit,
// the application ends every loop, and a loop started afterwards returns at
// once: neither is an answer or a time-out.
class CallLoop
{
public:
    void quit()
    {
        m_ours = true;
        m_loop.quit();
    }
    // False when the application is quitting.
    bool exec()
    {
        m_ours = false;
        m_loop.exec(QEventLoop::ExcludeUserInputEvents);
        return m_ours;
    }

private:
    QEventLoop m_loop;
    bool m_ours = false;
};

} // namespace

struct WebPage::Call
{
    bool sent = false; // the script went to the renderer
    bool done = false;
    bool rendererEnded = false;
    QVariant result;
    CallLoop *loop = nullptr;
};

struct WebPage::Event
{
    enum Kind { Status, Error, Complete } kind;
    QString text;
    ScriptError error;
};

class HostedWebEnginePage : public QWebEnginePage
{
public:
    HostedWebEnginePage(QWebEngineProfile *profile, WebPage *owner)
        : QWebEnginePage(profile, owner)
        , m_owner(owner)
    {
    }

protected:
    void javaScriptConsoleMessage(JavaScriptConsoleMessageLevel, const QString &message, int,
                                  const QString &) override
    {
        m_owner->onConsoleMessage(message);
    }
    bool acceptNavigationRequest(const QUrl &url, NavigationType type, bool isMainFrame) override
    {
        return m_owner->acceptNavigation(url, type, isMainFrame);
    }
    // No page ever opens a window or a dialog of its own.
    QWebEnginePage *createWindow(WebWindowType) override { return nullptr; }
    void javaScriptAlert(const QUrl &, const QString &) override {}
    bool javaScriptConfirm(const QUrl &, const QString &) override { return false; }
    bool javaScriptPrompt(const QUrl &, const QString &, const QString &, QString *) override { return false; }

private:
    WebPage *m_owner;
};

QWebEngineProfile *WebPage::offlineProfile(PageGate &gate)
{
    QWebEngineProfile *&profile = gate.m_offlineProfile;
    if (!profile) {
        profile = new QWebEngineProfile(&gate); // no storage name: off the record
        profile->setHttpCacheType(QWebEngineProfile::NoCache);
        profile->setPersistentCookiesPolicy(QWebEngineProfile::NoPersistentCookies);
        profile->setUrlRequestInterceptor(new OfflineInterceptor(profile));
        profile->installUrlSchemeHandler(SiteScheme::kName, new SiteScheme(profile));
        QWebEngineSettings *s = profile->settings();
        s->setAttribute(QWebEngineSettings::LocalContentCanAccessFileUrls, true);
        s->setAttribute(QWebEngineSettings::LocalContentCanAccessRemoteUrls, false);
        s->setAttribute(QWebEngineSettings::JavascriptCanOpenWindows, false);
        s->setAttribute(QWebEngineSettings::ErrorPageEnabled, false);
        s->setAttribute(QWebEngineSettings::FocusOnNavigationEnabled, false);
        s->setAttribute(QWebEngineSettings::AutoLoadImages, true);
        s->setAttribute(QWebEngineSettings::PlaybackRequiresUserGesture, false);
    }
    return profile;
}

QWebEngineProfile *WebPage::isolatedProfile(PageGate &gate)
{
    QWebEngineProfile *&profile = gate.m_isolatedProfile;
    if (!profile) {
        profile = new QWebEngineProfile(&gate);
        profile->setHttpCacheType(QWebEngineProfile::NoCache);
        profile->setPersistentCookiesPolicy(QWebEngineProfile::NoPersistentCookies);
        profile->setUrlRequestInterceptor(new NothingInterceptor(profile));
        QWebEngineSettings *s = profile->settings();
        s->setAttribute(QWebEngineSettings::LocalContentCanAccessFileUrls, false);
        s->setAttribute(QWebEngineSettings::LocalContentCanAccessRemoteUrls, false);
        s->setAttribute(QWebEngineSettings::LocalStorageEnabled, false);
        s->setAttribute(QWebEngineSettings::JavascriptCanOpenWindows, false);
        s->setAttribute(QWebEngineSettings::JavascriptCanAccessClipboard, false);
        s->setAttribute(QWebEngineSettings::ErrorPageEnabled, false);
        s->setAttribute(QWebEngineSettings::AutoLoadImages, false);
        s->setAttribute(QWebEngineSettings::PluginsEnabled, false);
        s->setAttribute(QWebEngineSettings::WebGLEnabled, false);
        s->setAttribute(QWebEngineSettings::FocusOnNavigationEnabled, false);
    }
    return profile;
}

SiteScheme *WebPage::siteScheme() const
{
    return offlineProfile(m_gate)->findChild<SiteScheme *>(QString(), Qt::FindDirectChildrenOnly);
}

WebPage::WebPage(PageGate &gate, QWidget *parentWidget, Kind kind)
    : Page(parentWidget)
    , m_gate(gate)
    , m_kind(kind)
    , m_pending(std::make_unique<QList<Event>>())
{
    m_gate.add(this, [this] { scheduleDelivery(); });
    m_view = new QWebEngineView(parentWidget);
    m_page = new HostedWebEnginePage(kind == Kind::Hosted ? offlineProfile(m_gate) : isolatedProfile(m_gate), this);
    m_view->setPage(m_page);
    m_view->setAcceptDrops(false);

    // Starts and finishes, each delivered from the event loop, possibly
    // after the program asked for the next load.
    connect(m_page, &QWebEnginePage::loadingChanged, this, &WebPage::onLoadingChanged);
    connect(m_page, &QWebEnginePage::renderProcessTerminated, this,
            [this](QWebEnginePage::RenderProcessTerminationStatus status, int) {
                onRenderProcessTerminated(static_cast<int>(status));
            });
    // The view can go before this object when its parent window is destroyed.
    connect(m_view, &QObject::destroyed, this, [this] { m_view = nullptr; });

    setContextMenuEnabled(true);
    m_view->installEventFilter(this);
    installKeyFilter();

    // A reader page runs someone else's script under a time limit of its
    // own; only the editor's hosted pages are watched.
    if (kind == Kind::Hosted) {
        m_probes = new QTimer(this);
        connect(m_probes, &QTimer::timeout, this, &WebPage::probe);
        setHangLimit(kAnswerLimitMs);
    }
}

void WebPage::setHangLimit(int ms)
{
    m_hangLimitMs = ms;
    m_probeWaiting = false;
    if (!m_probes)
        return;
    if (ms <= 0)
        m_probes->stop();
    else
        m_probes->start(qBound(50, ms / 4, 1250));
}

void WebPage::probe()
{
    const qint64 pid = m_page->renderProcessPid();
    if (pid <= 0)
        return;
    if (m_probeWaiting) {
        if (m_probeSent.elapsed() < m_hangLimitMs || !isHung(pid, m_probeCpu, m_probeSent.elapsed(), m_hangLimitMs))
            return;
        m_probeWaiting = false;
        qWarning("%s: left a probe unanswered for %lld ms; its renderer is ended and the page loaded again",
                 qUtf8Printable(pageName()), static_cast<long long>(m_probeSent.elapsed()));
        recoverFromHang(pid);
        return;
    }
    m_probeWaiting = true;
    m_probeSent.start();
    m_probeCpu = cpuMsOf(pid);
    const quint64 id = ++m_probeId;
    // untranslated: JavaScript run in the page
    m_page->runJavaScript(QStringLiteral("0"), QWebEngineScript::ApplicationWorld,
                          [self = QPointer<WebPage>(this), id](const QVariant &) {
                              if (self && self->m_probeId == id)
                                  self->m_probeWaiting = false;
                          });
}

WebPage::~WebPage()
{
    m_gate.remove(this);
    // Calls still waiting for this page get no answer.
    for (Call *call : std::as_const(m_calls))
        if (call->loop)
            call->loop->quit();
    // A renderer ending now is this page going, not one to bring back.
    disconnect(m_page, nullptr, this, nullptr);
    if (m_view) {
        m_view->removeEventFilter(this);
        if (m_filteredProxy)
            m_filteredProxy->removeEventFilter(this);
        // The view must let go of the page before the page (our child) goes.
        m_view->setPage(nullptr);
        if (!m_view->parent())
            delete m_view;
    }
}

QString WebPage::pageName() const
{
    switch (m_lastKind) {
    case LoadKind::File: return QFileInfo(m_lastWhat).fileName();
    case LoadKind::About: return m_lastWhat;
    case LoadKind::Url: return QUrl(m_lastWhat).fileName();
    case LoadKind::Html: return tr("HTML text");
    case LoadKind::None: break;
    }
    return tr("empty view");
}

void WebPage::installReportScript()
{
    // A new secret for each document: what an earlier one knew is worthless.
    for (const QWebEngineScript &old : m_page->scripts().find(kHookName))
        m_page->scripts().remove(old);
    if (m_kind != Kind::Hosted)
        return;
    m_reportPrefix = kReportMark + newSecret() + QLatin1Char(':');
    QWebEngineScript hook;
    hook.setName(kHookName);
    hook.setSourceCode(resourceText(QStringLiteral(":/page/hooks.js")).replace(QStringLiteral("'@MARK'"), jsStringLiteral(m_reportPrefix)));
    hook.setInjectionPoint(QWebEngineScript::DocumentCreation);
    hook.setWorldId(QWebEngineScript::MainWorld);
    // Frames are documents of their own, whoever wrote them: they get no
    // way to the program.
    hook.setRunsOnSubFrames(false);
    m_page->scripts().insert(hook);
}

void WebPage::startLoad(LoadKind kind, const QString &what, const QUrl &url)
{
    installReportScript();
    m_lastKind = kind;
    m_lastWhat = what;
    m_lastUrl = url;
    m_hasDocument = false;
    m_loading = true;
    m_programLoadPending = true;
    // A load asked for while the engine is loading joins that load: no start
    // of its own comes, and the one finish ends both.
    m_ownStartPending = !m_page->isLoading();
    ++m_loadSerial;
    // The document being replaced is marked, in a world of the program's
    // own, so that a finish it still reports, whatever its address, is told
    // from the new document's (see settleLoad).
    // untranslated: JavaScript run in the page
    m_page->runJavaScript(QStringLiteral("window.plivexReplaced=true"), QWebEngineScript::ApplicationWorld);
    if (kind == LoadKind::Html)
        m_page->setHtml(what, url);
    else
        m_page->load(url);
}

void WebPage::loadFile(const QString &path)
{
    startLoad(LoadKind::File, path, QUrl::fromLocalFile(QFileInfo(path).absoluteFilePath()));
}

void WebPage::loadHtml(const QString &html, const QUrl &baseUrl)
{
    startLoad(LoadKind::Html, html, baseUrl);
}

void WebPage::loadUrl(const QUrl &url)
{
    startLoad(LoadKind::Url, url.toString(), url);
}

void WebPage::loadAbout(const QString &url)
{
    startLoad(LoadKind::About, url, QUrl(url));
}

void WebPage::reloadLastDocument()
{
    if (m_lastKind == LoadKind::None)
        return;
    startLoad(m_lastKind, m_lastWhat, m_lastUrl);
}

bool WebPage::hasDocument() const
{
    return m_hasDocument && !m_loading;
}

void WebPage::onLoadingChanged(const QWebEngineLoadingInfo &info)
{
    if (info.status() == QWebEngineLoadingInfo::LoadStartedStatus)
        onLoadStarted();
    else
        onLoadFinished(info.status() == QWebEngineLoadingInfo::LoadSucceededStatus);
}

void WebPage::onLoadStarted()
{
    m_loading = true;
    m_ownStartPending = false;
    // A load drops the answers still owed.
    m_probeWaiting = false;
}

void WebPage::onLoadFinished(bool ok)
{
    // Starts and finishes are delivered from the event loop. A finish that
    // comes while the load the program asked for has yet to start, or while
    // the engine is loading again, is the end of the document being
    // replaced, whatever its address: taking it for the new one would let a
    // call run in the old document and its result vanish with it.
    if (m_ownStartPending || m_page->isLoading())
        return;
    if (!ok) {
        finishLoad(false);
        return;
    }
    settleLoad(m_loadSerial);
}

// A finish is not always the end of the load the program asked for last:
// the engine may report the replaced document's finish after the new load
// was asked for, even when both have the same address; and a load asked for
// while another was under way may end with a single finish that comes while
// the new document is still loading, and none after it. So the document
// itself is asked: until it is unmarked and whole, calls wait, and it is
// asked again.
void WebPage::settleLoad(quint64 serial)
{
    // untranslated: JavaScript run in the page
    m_page->runJavaScript(QStringLiteral("!window.plivexReplaced&&document.readyState==='complete'"),
                          QWebEngineScript::ApplicationWorld, [self = QPointer<WebPage>(this), serial](const QVariant &whole) {
                              if (!self || self->m_loadSerial != serial || !self->m_loading)
                                  return;
                              if (whole.toBool())
                                  self->finishLoad(true);
                              else
                                  QTimer::singleShot(kSettlePollMs, self, [self, serial] { self->settleLoad(serial); });
                          });
}

void WebPage::finishLoad(bool ok)
{
    m_loading = false;
    // A refused or aborted navigation also reports a failed load; the
    // document shown before stays. Only a load the program started replaces it.
    if (ok)
        m_hasDocument = true;
    else if (m_programLoadPending)
        m_hasDocument = false;
    m_programLoadPending = false;
    emit loadSettled();
    if (m_recovering) {
        m_recovering = false;
        if (!ok)
            return;
    }
    if (ok)
        enqueue({Event::Complete, {}, {}});
}

void WebPage::onRenderProcessTerminated(int status)
{
    m_probeWaiting = false;
    // Calls waiting for the renderer's answer will get none: they fail at
    // once. Calls waiting for a load wait for the load below.
    for (Call *call : std::as_const(m_calls)) {
        if (!call->sent)
            continue;
        call->rendererEnded = true;
        if (call->loop)
            call->loop->quit();
    }
    // A renderer that ended (ended by us after a hang, crashed, or ended
    // while serving another view) takes the document with it: load it again.
    m_hasDocument = false;
    if (m_lastKind == LoadKind::None)
        return;
    m_recovering = true;
    m_loading = true; // calls wait until the document is back
    // Loading again from inside the termination signal is refused by
    // Chromium; do it from the event loop.
    QTimer::singleShot(0, this, [this] { reloadLastDocument(); });
    if (status != QWebEnginePage::NormalTerminationStatus)
        emit rendererEnded();
}

bool WebPage::acceptNavigation(const QUrl &url, int type, bool isMainFrame)
{
    if (m_kind == Kind::Isolated)
        return isMainFrame && type == QWebEnginePage::NavigationTypeTyped;
    if (!isMainFrame)
        return true;
    // Loads the program starts itself come as typed navigations; a user has
    // no address bar to type into.
    if (type == QWebEnginePage::NavigationTypeTyped)
        return true;
    if (m_refreshAllowed && (type == QWebEnginePage::NavigationTypeReload || url == m_page->url())) {
        return true;
    }
    // Reloads (F5, location.reload(), meta refresh), links and script
    // navigations of the main frame: the program alone decides what is shown.
    QMetaObject::invokeMethod(this, [this, url] { emit navigationRefused(url); }, Qt::QueuedConnection);
    return false;
}

void WebPage::onConsoleMessage(const QString &message)
{
    if (m_reportPrefix.isEmpty() || !message.startsWith(m_reportPrefix))
        return;
    const QStringView rest = QStringView(message).mid(m_reportPrefix.size());
    if (rest.startsWith(u"status:")) {
        enqueue({Event::Status, rest.mid(7).toString(), {}});
    } else if (rest.startsWith(u"error:")) {
        const QJsonObject o = QJsonDocument::fromJson(rest.mid(6).toUtf8()).object();
        ScriptError e;
        e.line = o.value(QStringLiteral("line")).toInt();
        e.column = o.value(QStringLiteral("column")).toInt();
        e.code = o.value(QStringLiteral("code")).toString();
        e.message = o.value(QStringLiteral("message")).toString();
        enqueue({Event::Error, {}, tidied(e)});
    }
}

void WebPage::enqueue(Event event)
{
    m_pending->append(std::move(event));
    // Never deliver from inside the console message handler: a call made
    // there would wait forever. While any page call waits, nothing is
    // delivered; the call that ends last hands the events on.
    if (m_gate.callsInProgress() == 0)
        scheduleDelivery();
}

void WebPage::scheduleDelivery()
{
    if (m_deliveryScheduled || m_pending->isEmpty())
        return;
    m_deliveryScheduled = true;
    QTimer::singleShot(0, this, [this] {
        m_deliveryScheduled = false;
        if (m_gate.callsInProgress() == 0)
            deliverPending();
    });
}

void WebPage::deliverPending()
{
    // A handler may make calls of its own, which deliver what is left; the
    // loop then finds the queue empty. A handler that fails is reported and
    // does not hold back the events after it.
    QPointer<WebPage> self(this);
    while (self && !m_pending->isEmpty()) {
        const Event e = m_pending->takeFirst();
        try {
            switch (e.kind) {
            case Event::Status: emit statusTextChanged(e.text); break;
            case Event::Error: emit scriptError(e.error); break;
            case Event::Complete: emit documentComplete(); break;
            }
        } catch (const std::exception &error) {
            m_gate.reportHandlerError(error);
        }
    }
}

// Counts a call as waiting for as long as it runs, whatever way it ends, and
// lets the page tell it when its renderer ends.
class WebPage::CallScope
{
public:
    CallScope(WebPage *page, Call *call)
        : m_page(page)
        , m_gate(page->m_gate)
        , m_call(call)
    {
        m_page->m_calls.append(call);
        m_gate.callStarted();
    }
    ~CallScope()
    {
        if (m_page)
            m_page->m_calls.removeOne(m_call);
        // The page may have gone during the call; its gate outlives it.
        m_gate.callEnded();
    }

private:
    QPointer<WebPage> m_page;
    PageGate &m_gate;
    Call *m_call;
};

PageError WebPage::restarted(PageError error) const
{
    error.restartAnnounced = restartAnnounced();
    return error;
}

PageError WebPage::programEnding(const QString &function) const
{
    return PageError(function, pageName(), tr("The program is closing; what you did last was not finished."),
                     tr("the program is ending; the call was abandoned"));
}

PageError WebPage::closedDuringCall(const QString &function, const QString &name)
{
    return PageError(function, name, tr("The window closed before what you did last was finished."),
                     tr("the page was closed during the call"));
}

void WebPage::waitForLoad(const QString &function, const QDeadlineTimer &deadline, Call &call)
{
    if (!m_loading)
        return;
    QPointer<WebPage> self(this);
    const QString name = pageName();
    CallLoop loop;
    QTimer timer;
    timer.setSingleShot(true);
    bool timedOut = false;
    connect(&timer, &QTimer::timeout, &timer, [&] {
        timedOut = true;
        loop.quit();
    });
    connect(m_page, &QWebEnginePage::loadingChanged, &timer, [&] { loop.quit(); });
    connect(this, &WebPage::loadSettled, &timer, [&] { loop.quit(); });
    timer.start(static_cast<int>(qMax<qint64>(0, deadline.remainingTime())));
    call.loop = &loop;
    bool ending = false;
    while (self && m_loading && !timedOut && !ending)
        ending = !loop.exec();
    call.loop = nullptr;
    if (!self)
        throw closedDuringCall(function, name);
    if (!m_loading)
        return;
    if (ending)
        throw programEnding(function);
    // A page that hangs while loading would make every later call wait as
    // long again.
    recoverFromHang(m_page->renderProcessPid());
    throw restarted(PageError(function, name, hungText(),
                              tr("did not finish loading within %1 s; the page was stopped and loaded again")
                                  .arg(loadTimeout(callTimeout()) / 1000.0)));
}

QVariantMap WebPage::evaluate(const QString &function, const QString &script)
{
    if (!m_view)
        throw closedDuringCall(function, pageName());
    const QString name = pageName();
    QPointer<WebPage> self(this);
    auto state = std::make_shared<Call>();
    qint64 renderer = 0;
    qint64 waitedMs = 0;
    bool ending = false;
    {
        CallScope scope(this, state.get());
        waitForLoad(function, QDeadlineTimer(loadTimeout(callTimeout())), *state);
        if (!m_hasDocument)
            throw PageError(function, name,
                            tr("A part of the editor is not ready. Please try again in a moment."),
                            tr("the page holds no document"));
        const int limit = callTimeout();
        renderer = m_page->renderProcessPid();
        const qint64 cpuBefore = cpuMsOf(renderer);
        // The callback may come after a time-out, when this frame is gone: it
        // holds only a weak reference to the call's state.
        std::weak_ptr<Call> weak = state;
        state->sent = true;
        m_page->runJavaScript(script, QWebEngineScript::MainWorld, [weak](const QVariant &v) {
            if (auto s = weak.lock()) {
                s->done = true;
                s->result = v;
                if (s->loop)
                    s->loop->quit();
            }
        });
        if (!state->done) {
            CallLoop loop;
            QTimer timer;
            timer.setSingleShot(true);
            // A coarse timer may end the wait before the time limit is up.
            timer.setTimerType(Qt::PreciseTimer);
            connect(&timer, &QTimer::timeout, &timer, [&loop] { loop.quit(); });
            state->loop = &loop;
            QElapsedTimer waited;
            waited.start();
            int next = limit;
            for (;;) {
                timer.start(qMax(1, next));
                ending = !loop.exec();
                if (!self || ending || state->done || state->rendererEnded)
                    break;
                waitedMs = waited.elapsed();
                if (waitedMs < limit) {
                    next = static_cast<int>(limit - waitedMs);
                    continue;
                }
                if (isHung(renderer, cpuBefore, waitedMs, limit))
                    break;
                // Starved by a busy machine: look again a little later.
                next = qMax(50, limit / 4);
            }
            state->loop = nullptr;
        }
    }
    if (!self)
        throw closedDuringCall(function, name);

    if (!state->done) {
        if (state->rendererEnded)
            throw restarted(PageError(function, name,
                                      tr("A part of the editor stopped working and is being started again. ")
                                          + doItAgainText(),
                                      tr("the renderer ended during the call; the page is being loaded again")));
        // Quitting is not a hang: nothing is ended.
        if (ending)
            throw programEnding(function);
        recoverFromHang(renderer);
        flushAfterCall();
        throw restarted(PageError(function, name, hungText(),
                                  tr("did not answer within %1 s; the page was stopped and loaded again")
                                      .arg(waitedMs / 1000.0)));
    }

    // What the page reported while it ran belongs before the call's result.
    flushAfterCall();
    if (!self)
        throw closedDuringCall(function, name);

    const QVariantMap r = state->result.toMap();
    if (r.value(QStringLiteral("ok")).toBool())
        return r;
    if (r.isEmpty())
        throw PageError(function, name, internalErrorText(tr("no answer")), tr("gave no answer"));
    const QString errorName = r.value(QStringLiteral("name")).toString();
    const QString message = r.value(QStringLiteral("message")).toString();
    throw PageError(function, name, internalErrorText(errorName),
                    tr("%1 in the page function %2: %3").arg(errorName, function, message));
}

void WebPage::flushAfterCall()
{
    // This page's own reports come now, before the call's result; the last
    // call's end has scheduled the other pages'.
    if (m_gate.callsInProgress() == 0)
        deliverPending();
}

void WebPage::recoverFromHang(qint64 hungRenderer)
{
    const qint64 pid = m_page->renderProcessPid();
    // A renderer that has ended since is being replaced already; the new
    // one did not hang.
    if (hungRenderer > 0 && pid != hungRenderer)
        return;
    m_hasDocument = false;
    m_loading = true; // calls wait until the document is back
    m_recovering = true;
    if (pid > 0 && pid != static_cast<qint64>(::getpid())) {
        ::kill(static_cast<pid_t>(pid), SIGKILL);
    } else {
        // Single-process mode: the renderer is this program; it cannot be
        // ended, so only try to load the document again.
        QTimer::singleShot(0, this, [this] { reloadLastDocument(); });
    }
}

namespace {

QString callScript(const QString &function, const QString &kind, const QString &args)
{
    return filledScript(QStringLiteral(":/page/call.js"),
                        {{QStringLiteral("@FUNCTION"), jsStringLiteral(function)},
                         {QStringLiteral("@KIND"), jsStringLiteral(kind)},
                         {QStringLiteral("@ARGS"), args}});
}

} // namespace

QVariant WebPage::call(const QString &function, const PageArgs &args)
{
    const QString script =
        callScript(function, QStringLiteral("one"), QLatin1Char('[') + pageArgsToScript(args) + QLatin1Char(']'));
    return evaluate(function, script).value(QStringLiteral("value"));
}

QVariantList WebPage::callBatch(const QString &function, const QList<PageArgs> &argLists)
{
    if (argLists.isEmpty())
        return {};
    QString lists;
    lists.reserve(argLists.size() * 24);
    lists += QLatin1Char('[');
    for (qsizetype i = 0; i < argLists.size(); ++i) {
        if (i)
            lists += QLatin1Char(',');
        lists += QLatin1Char('[') + pageArgsToScript(argLists[i]) + QLatin1Char(']');
    }
    lists += QLatin1Char(']');
    const QString script = callScript(function, QStringLiteral("batch"), lists);
    const QVariantList values = evaluate(function, script).value(QStringLiteral("values")).toList();
    if (values.size() != argLists.size())
        throw PageError(function, pageName(), internalErrorText(tr("an answer cut short")),
                        tr("the page answered %1 of %2 calls").arg(values.size()).arg(argLists.size()));
    return values;
}

QVariant WebPage::value(const QString &name)
{
    const QString script = filledScript(QStringLiteral(":/page/value.js"), {{QStringLiteral("@NAME"), jsStringLiteral(name)}});
    return evaluate(name, script).value(QStringLiteral("value"));
}

void WebPage::setStatus(const QString &text)
{
    evaluate(QStringLiteral("status"),
             filledScript(QStringLiteral(":/page/status.js"), {{QStringLiteral("@TEXT"), jsStringLiteral(text)}}));
}

QString WebPage::evaluateApart(const QString &script, const QStringList &names, const QStringList &doNothing)
{
    if (!m_reader)
        m_reader = std::make_unique<ReaderPage>(m_gate);
    m_reader->setTimeLimit(apartTimeLimit());
    const ReaderPage::Result result = m_reader->read(script, names, doNothing);
    for (const ScriptError &e : result.errors)
        enqueue({Event::Error, {}, e});
    flushAfterCall();
    return result.values;
}

void WebPage::setRefreshAllowed(bool allowed)
{
    m_refreshAllowed = allowed;
}

void WebPage::setContextMenuEnabled(bool enabled)
{
    if (!m_view)
        return;
    disconnect(m_view, &QWidget::customContextMenuRequested, this, nullptr);
    if (enabled) {
        m_view->setContextMenuPolicy(Qt::CustomContextMenu);
        connect(m_view, &QWidget::customContextMenuRequested, this, &WebPage::showContextMenu);
    } else {
        m_view->setContextMenuPolicy(Qt::NoContextMenu);
    }
}

void WebPage::showContextMenu(const QPoint &pos)
{
    // Only editing actions: the engine's own menu offers reload, back and
    // "view source", none of which belong in an editor's page.
    QMenu menu;
    for (const auto a : {QWebEnginePage::Undo, QWebEnginePage::Redo, QWebEnginePage::Cut, QWebEnginePage::Copy,
                         QWebEnginePage::Paste, QWebEnginePage::SelectAll}) {
        if (a == QWebEnginePage::Cut || a == QWebEnginePage::SelectAll)
            menu.addSeparator();
        menu.addAction(m_page->action(a));
    }
    menu.exec(m_view->mapToGlobal(pos));
}

void WebPage::setKeyFilter(KeyFilter filter)
{
    m_keyFilter = std::move(filter);
    installKeyFilter();
}

void WebPage::installKeyFilter()
{
    if (!m_view)
        return;
    QWidget *proxy = m_view->focusProxy();
    if (proxy == m_filteredProxy)
        return;
    if (m_filteredProxy)
        m_filteredProxy->removeEventFilter(this);
    m_filteredProxy = proxy;
    if (proxy)
        proxy->installEventFilter(this);
}

bool WebPage::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_view) {
        // The widget that takes the keys is replaced when a renderer starts.
        if (event->type() == QEvent::ChildAdded || event->type() == QEvent::ChildRemoved)
            QTimer::singleShot(0, this, [this] { installKeyFilter(); });
        return false;
    }
    if (watched != m_filteredProxy || !m_keyFilter)
        return false;
    if (event->type() != QEvent::ShortcutOverride && event->type() != QEvent::KeyPress)
        return false;
    auto *key = static_cast<QKeyEvent *>(event);
    const bool forWindow = m_keyFilter(*key);
    if (event->type() == QEvent::ShortcutOverride) {
        if (forWindow) {
            event->ignore(); // the window's shortcut takes it
            return true;
        }
        if (key->modifiers() & Qt::ControlModifier) {
            event->accept(); // the page keeps it, whatever the window binds
            return true;
        }
        return false;
    }
    // A key for the window that no shortcut took never reaches the page; the
    // window's own key handling sees it instead (a dialog's Escape, say),
    // as it would for any other control. The web view hands on no key the
    // page leaves alone, so it goes to the view's holder and up from there.
    if (forWindow && m_view->parentWidget()) {
        QKeyEvent copy(key->type(), key->key(), key->modifiers(), key->text(), key->isAutoRepeat(), key->count());
        QCoreApplication::sendEvent(m_view->parentWidget(), &copy);
    }
    return forWindow;
}

QWidget *WebPage::widget() const
{
    return m_view;
}
