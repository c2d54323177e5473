#include "page/pagegate.h"

#include <QTimer>
#include <utility>

PageGate::PageGate(ErrorReporter reportHandlerError)
    : m_reportHandlerError(std::move(reportHandlerError))
{
}

void PageGate::reportHandlerError(const std::exception &error) const
{
    if (m_reportHandlerError)
        m_reportHandlerError(error);
    else
        qWarning("Unreported error in a page event handler: %s", error.what());
}

void PageGate::runWhenNoCallWaits(QObject *context, std::function<void()> work)
{
    if (m_callsInProgress == 0)
        work();
    else
        m_heldWork.append({context, std::move(work)});
}

void PageGate::add(QObject *page, std::function<void()> deliverHeldReports)
{
    m_pages.append({page, std::move(deliverHeldReports)});
}

void PageGate::remove(QObject *page)
{
    m_pages.removeIf([page](const Member &member) { return member.page == page || !member.page; });
}

void PageGate::callStarted()
{
    if (++m_callsInProgress == 1)
        m_waitCursor.callsStarted();
}

void PageGate::callEnded()
{
    if (--m_callsInProgress > 0)
        return;
    // However the call ended, what waited for it goes on from the event
    // loop: the pages' reports first, then the held work, each of which
    // checks again in case another call is waiting by then.
    m_waitCursor.callsEnded();
    for (const Member &member : std::as_const(m_pages))
        if (member.page)
            member.deliverHeldReports();
    const QList<HeldWork> held = std::exchange(m_heldWork, {});
    for (const HeldWork &h : held)
        if (h.context)
            QTimer::singleShot(0, h.context, [gate = QPointer<PageGate>(this), context = h.context, work = h.work] {
                if (gate)
                    gate->runWhenNoCallWaits(context, work);
            });
}
