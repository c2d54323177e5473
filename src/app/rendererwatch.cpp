#include "app/rendererwatch.h"

#include "page/webpage.h"

#include <QWebEnginePage>
#include <QWebEngineView>

#include <csignal>
#include <sys/types.h>

RendererWatch::RendererWatch(Page *page, std::function<void()> ended, QObject *parent)
    : QObject(parent)
    , m_ended(std::move(ended))
{
    auto *web = dynamic_cast<WebPage *>(page);
    if (!web || !web->view())
        return;
    m_page = web->view()->page();
    connect(m_page, &QWebEnginePage::renderProcessTerminated, this,
            [this](QWebEnginePage::RenderProcessTerminationStatus status, int) {
                m_waiting = false;
                if (status != QWebEnginePage::NormalTerminationStatus && m_ended)
                    m_ended();
            });
    // A load drops the answers still owed.
    connect(m_page, &QWebEnginePage::loadStarted, this, [this] { m_waiting = false; });
    connect(&m_probes, &QTimer::timeout, this, &RendererWatch::probe);
    setHangLimit(kHangLimitMs);
}

void RendererWatch::setHangLimit(int ms)
{
    m_hangLimitMs = ms;
    m_waiting = false;
    if (!m_page)
        return;
    m_probes.start(qBound(50, ms / 4, 5000));
}

void RendererWatch::probe()
{
    if (!m_page || m_page->renderProcessPid() <= 0)
        return;
    if (m_waiting) {
        if (m_sent.elapsed() < m_hangLimitMs)
            return;
        m_waiting = false;
        ::kill(static_cast<pid_t>(m_page->renderProcessPid()), SIGKILL);
        return;
    }
    m_waiting = true;
    m_sent.start();
    const quint64 id = ++m_probe;
    m_page->runJavaScript(QStringLiteral("0"), [watch = QPointer<RendererWatch>(this), id](const QVariant &) {
        if (watch && watch->m_probe == id)
            watch->m_waiting = false;
    });
}
