#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QPointer>
#include <QTimer>
#include <functional>

class Page;
class QWebEnginePage;

// Watches the renderer behind a web page: `ended` runs when it ends other
// than by the page closing (a crash, a kill, lack of memory). A renderer that
// leaves a probe unanswered beyond the hang limit is taken as hung and ended,
// which then counts as its end. A page without a renderer of its own (a
// substitute in tests) is not watched.
class RendererWatch : public QObject
{
    Q_OBJECT

public:
    // Longer than any call the program waits for: a page that is only busy
    // has answered or failed its call by then.
    static constexpr int kHangLimitMs = 45000;

    RendererWatch(Page *page, std::function<void()> ended, QObject *parent = nullptr);

    void setHangLimit(int ms);

private:
    void probe();

    QPointer<QWebEnginePage> m_page;
    std::function<void()> m_ended;
    QTimer m_probes;
    QElapsedTimer m_sent;
    bool m_waiting = false;
    quint64 m_probe = 0;
    int m_hangLimitMs = kHangLimitMs;
};
