#pragma once

#include "page/page.h"

#include <QElapsedTimer>
#include <QPointer>
#include <QUrl>
#include <functional>
#include <memory>

class QDeadlineTimer;
class QTimer;
class QWebEngineLoadingInfo;
class QWebEngineView;
class QWebEngineProfile;
class SiteScheme;
class HostedWebEnginePage;
class ReaderPage;
class PageGate;

// The real hosted page: a QWebEngineView whose page the program drives.
//
// Qt WebEngine only runs script asynchronously; a call waits for its answer in
// a nested event loop that delivers no user input, bounded by the call time
// limit, with a busy cursor once the wait is long enough to notice. A page
// that does not answer or finish loading in time has its renderer ended and
// its document loaded again, and the call throws PageError saying so. Apart
// from calls, a hosted page is probed in the background: one that leaves a
// probe unanswered beyond the hang limit is ended and loaded again before
// the user's next action has to wait for it. A call also fails at once when its renderer ends (the document is
// loaded again) and, without ending anything, once the application is quitting.
//
// Status texts and script errors are caught by a script injected at document
// creation into the main frame and arrive through console messages that carry
// a secret the program makes for each load; a line without it is no report,
// whoever printed it. No other frame has the script or its secret. They are
// queued and delivered
// from the event loop, never while any page call waits; what a page reports
// during a call to it is delivered just before that call returns (as it would
// be during the call itself).
class WebPage : public Page
{
    Q_OBJECT

public:
    // A hosted page reports status texts and script errors to the program;
    // an isolated one has no way to it at all (see ReaderPage).
    enum class Kind { Hosted, Isolated };

    // Every page of one run shares `gate`, which outlives them all.
    explicit WebPage(PageGate &gate, QWidget *parentWidget = nullptr, Kind kind = Kind::Hosted);
    ~WebPage() override;

    QString pageName() const override;

    void loadFile(const QString &path) override;
    void loadHtml(const QString &html, const QUrl &baseUrl) override;
    void loadAbout(const QString &url) override;
    void loadUrl(const QUrl &url) override;
    bool hasDocument() const override;

    QVariant call(const QString &function, const PageArgs &args) override;
    QVariantList callBatch(const QString &function, const QList<PageArgs> &argLists) override;
    QVariant value(const QString &name) override;
    void setStatus(const QString &text) override;
    QString evaluateApart(const QString &script, const QStringList &names, const QStringList &doNothing = {}) override;

    void setRefreshAllowed(bool allowed) override;
    void setContextMenuEnabled(bool enabled) override;
    void setKeyFilter(KeyFilter filter) override;

    QWidget *widget() const override;
    QWebEngineView *view() const { return m_view; }

    // How long a background probe may go unanswered before the renderer is
    // taken as hung (kAnswerLimitMs unless set).
    void setHangLimit(int ms);

    PageGate &gate() const { return m_gate; }

    // The profile every hosted view of `gate` uses: off the record, no
    // cache, and only local schemes reachable. Made on first use; the gate
    // keeps it.
    static QWebEngineProfile *offlineProfile(PageGate &gate);
    // The profile of isolated pages: off the record, and nothing reachable
    // but the document the program gives them.
    static QWebEngineProfile *isolatedProfile(PageGate &gate);
    // What serves the user's site to the hosted views of this page's gate.
    SiteScheme *siteScheme() const;

signals:
    // A main-frame navigation the program did not start was refused.
    void navigationRefused(const QUrl &url);
    // The load the program asked for has ended (see settleLoad).
    void loadSettled();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    friend class HostedWebEnginePage;
    friend class PageGate;

    struct Event;
    struct Call;
    class CallScope;
    enum class LoadKind { None, File, Html, About, Url };

    QVariantMap evaluate(const QString &function, const QString &script);
    void waitForLoad(const QString &function, const QDeadlineTimer &deadline, Call &call);
    void flushAfterCall();
    PageError programEnding(const QString &function) const;
    // A call's error for a page that was started again.
    PageError restarted(PageError error) const;
    static PageError closedDuringCall(const QString &function, const QString &name);
    // A call that finds the page loading waits for the load this long: a
    // load may take longer than a call on a busy machine, and one that hangs
    // is caught by the hang watch well before.
    static int loadTimeout(int callTimeout) { return 3 * callTimeout; }
    void startLoad(LoadKind kind, const QString &what, const QUrl &url);
    void reloadLastDocument();
    // Ends the renderer that hung (if it is still this page's) and loads
    // the document again.
    void recoverFromHang(qint64 hungRenderer);
    void installKeyFilter();
    void installReportScript();
    void showContextMenu(const QPoint &pos);

    void probe();
    void onConsoleMessage(const QString &message);
    void onLoadingChanged(const QWebEngineLoadingInfo &info);
    void onLoadStarted();
    void onLoadFinished(bool ok);
    // Asks the document whether it is the one the program loaded last,
    // loaded whole; finishes the load once it is.
    void settleLoad(quint64 serial);
    void finishLoad(bool ok);
    void onRenderProcessTerminated(int status);
    bool acceptNavigation(const QUrl &url, int type, bool isMainFrame);

    void enqueue(Event event);
    void deliverPending();
    void scheduleDelivery();

    PageGate &m_gate;
    Kind m_kind;
    QWebEngineView *m_view = nullptr;
    HostedWebEnginePage *m_page = nullptr;
    QString m_reportPrefix; // the report mark and this load's secret
    std::unique_ptr<ReaderPage> m_reader; // made for the first evaluateApart
    QPointer<QWidget> m_filteredProxy;
    KeyFilter m_keyFilter;
    bool m_refreshAllowed = false;
    bool m_loading = false;
    bool m_programLoadPending = false;
    // From a program load until its start arrives.
    bool m_ownStartPending = false;
    // Counts the program's loads: an answer about a document is for the
    // load it was asked for.
    quint64 m_loadSerial = 0;
    bool m_hasDocument = false;
    bool m_recovering = false;
    QList<Call *> m_calls; // the calls to this page that wait, innermost last
    bool m_deliveryScheduled = false;

    LoadKind m_lastKind = LoadKind::None;
    QString m_lastWhat;
    QUrl m_lastUrl;

    std::unique_ptr<QList<Event>> m_pending;

    QTimer *m_probes = nullptr;
    QElapsedTimer m_probeSent;
    qint64 m_probeCpu = -1; // the renderer's processor time when the probe went
    quint64 m_probeId = 0;
    bool m_probeWaiting = false;
    int m_hangLimitMs = kAnswerLimitMs;
};
