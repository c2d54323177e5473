#include "project/history/history.h"

namespace {
qint64 sizeOf(const HistoryState &s)
{
    return s.dataText.size() * qint64(sizeof(QChar));
}
} // namespace

void History::reset(const HistoryState &base, bool saved)
{
    m_states = {base};
    m_states.first().change.clear();
    m_current = 0;
    m_saved = saved ? 0 : -1;
    m_bytes = sizeOf(base);
}

bool History::record(const HistoryState &state)
{
    if (m_current >= 0 && m_states.at(m_current).dataText == state.dataText)
        return false;
    // What could have been redone is gone once something new happens.
    while (m_states.size() > m_current + 1) {
        m_bytes -= sizeOf(m_states.last());
        m_states.removeLast();
    }
    if (m_saved > m_current)
        m_saved = -1;
    m_states.append(state);
    m_bytes += sizeOf(state);
    m_current = m_states.size() - 1;
    while (m_states.size() > 1 && (m_states.size() > kMaxStates || m_bytes > kMaxBytes))
        dropOldest();
    return true;
}

bool History::mergeIntoCurrent(const HistoryState &state)
{
    if (m_current <= 0 || m_current + 1 != m_states.size() || m_saved == m_current)
        return false;
    HistoryState &top = m_states[m_current];
    m_bytes -= sizeOf(top);
    if (m_states.at(m_current - 1).dataText == state.dataText) {
        m_states.removeLast();
        --m_current;
        return true;
    }
    HistoryState merged = state;
    merged.change = top.change;
    merged.selectedBefore = top.selectedBefore;
    merged.focusedBefore = top.focusedBefore;
    top = merged;
    m_bytes += sizeOf(top);
    return true;
}

void History::dropOldest()
{
    m_bytes -= sizeOf(m_states.first());
    m_states.removeFirst();
    --m_current;
    m_saved = m_saved > 0 ? m_saved - 1 : -1;
}

QString History::undoChange() const
{
    return canUndo() ? m_states.at(m_current).change : QString();
}

QString History::redoChange() const
{
    return canRedo() ? m_states.at(m_current + 1).change : QString();
}

const HistoryState *History::undo()
{
    if (!canUndo())
        return nullptr;
    --m_current;
    return &m_states.at(m_current);
}

const HistoryState *History::redo()
{
    if (!canRedo())
        return nullptr;
    ++m_current;
    return &m_states.at(m_current);
}

const HistoryState *History::current() const
{
    return m_current >= 0 ? &m_states.at(m_current) : nullptr;
}
