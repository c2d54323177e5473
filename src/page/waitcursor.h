#pragma once

#include <memory>

class QTimer;

// Once calls have held the user's input back long enough to notice, the
// pointer says so until the last of them ends.
class WaitCursor
{
public:
    static constexpr int kShowAfterMs = 250;

    WaitCursor();
    ~WaitCursor();
    WaitCursor(const WaitCursor &) = delete;
    WaitCursor &operator=(const WaitCursor &) = delete;

    void callsStarted();
    void callsEnded();

private:
    std::unique_ptr<QTimer> m_timer; // made on the first call in a program with windows
    bool m_shown = false;
};
