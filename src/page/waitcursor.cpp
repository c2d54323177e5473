#include "page/waitcursor.h"

#include <QCoreApplication>
#include <QCursor>
#include <QGuiApplication>
#include <QTimer>

WaitCursor::WaitCursor() = default;

WaitCursor::~WaitCursor()
{
    callsEnded();
}

void WaitCursor::callsStarted()
{
    // A program without windows has no pointer to change.
    if (!qobject_cast<QGuiApplication *>(QCoreApplication::instance()))
        return;
    if (!m_timer) {
        m_timer = std::make_unique<QTimer>();
        m_timer->setSingleShot(true);
        m_timer->setInterval(kShowAfterMs);
        QObject::connect(m_timer.get(), &QTimer::timeout, m_timer.get(), [this] {
            if (m_shown)
                return;
            m_shown = true;
            QGuiApplication::setOverrideCursor(Qt::BusyCursor);
        });
    }
    if (!m_shown)
        m_timer->start();
}

void WaitCursor::callsEnded()
{
    if (m_timer)
        m_timer->stop();
    if (m_shown) {
        m_shown = false;
        QGuiApplication::restoreOverrideCursor();
    }
}
