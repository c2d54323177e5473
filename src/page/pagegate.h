#pragma once

#include "page/waitcursor.h"

#include <QList>
#include <QObject>
#include <QPointer>
#include <exception>
#include <functional>

class QWebEngineProfile;
class WebPage;

// What the pages of one run of the program share. A call to a page waits in
// a nested event loop, in which timers fire and other pages report; a
// handler run there would make calls inside the call. So while any call
// waits, no page's reports are delivered and held work waits, and the call
// that ends last hands both on. Whoever makes the pages (the editor's
// windows, the command line's project, a test) owns one gate and gives it
// to every page it makes; pages of two gates must not be used in one run.
class PageGate : public QObject
{
public:
    // Where an exception thrown by a handler of a page's signals goes: the
    // program's general error report. Without one it is logged.
    using ErrorReporter = std::function<void(const std::exception &)>;
    explicit PageGate(ErrorReporter reportHandlerError = {});

    // Number of calls waiting for an answer, over all the gate's pages.
    // Timer-driven work checks this so that it does not start calls inside
    // another call.
    int callsInProgress() const { return m_callsInProgress; }
    // Runs `work` now when no call waits, otherwise from the event loop once
    // the last waiting call has ended, however it ended. Dropped when
    // `context` is destroyed first.
    void runWhenNoCallWaits(QObject *context, std::function<void()> work);
    void reportHandlerError(const std::exception &error) const;

private:
    friend class WebPage;

    struct HeldWork
    {
        QPointer<QObject> context;
        std::function<void()> work;
    };
    // A page, and how it is told to deliver the reports it held.
    struct Member
    {
        QPointer<QObject> page;
        std::function<void()> deliverHeldReports;
    };

    void add(QObject *page, std::function<void()> deliverHeldReports);
    void remove(QObject *page);
    void callStarted();
    void callEnded();

    ErrorReporter m_reportHandlerError;
    int m_callsInProgress = 0;
    // Every page alive, so the call that ends last can hand on what waited.
    QList<Member> m_pages;
    QList<HeldWork> m_heldWork;
    WaitCursor m_waitCursor;
    // The web profiles of the gate's pages, made on first use. They are the
    // gate's children: whoever keeps the gate past its pages keeps them too.
    QWebEngineProfile *m_offlineProfile = nullptr;
    QWebEngineProfile *m_isolatedProfile = nullptr;
};
