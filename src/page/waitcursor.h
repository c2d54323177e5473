#pragma once

#include <QPointer>
#include <QTimer>

// Once calls have held the user's input back long enough to notice, the
// pointer says so until the last of them ends.
class WaitCursor
{
public:
    static constexpr int kShowAfterMs = 250;

    WaitCursor() = default;
    ~WaitCursor();
    WaitCursor(const WaitCursor &) = delete;
    WaitCursor &operator=(const WaitCursor &) = delete;

    void callsStarted();
    void callsEnded();

private:
    QPointer<QTimer> m_timer;
    bool m_shown = false;
};
