#pragma once

#include <QList>
#include <QString>

// One recorded state of the project: its data text, which is all of it, with
// what the user had selected, so Undo puts the user back where they were.
struct HistoryState
{
    QString dataText;
    QList<QList<int>> selected; // row paths from the top of the tree
    QList<int> focused;         // empty: nothing focused
    QString change;             // what led to this state ("Move Items")
    // What was selected as the change began: an undo of it puts the user
    // back there, where the change was made.
    QList<QList<int>> selectedBefore;
    QList<int> focusedBefore;
};

// The undo history: states in order, a cursor on the one the project shows,
// and the state that was last saved. It keeps the last kMaxStates states and
// at most kMaxBytes of data text, dropping the oldest first.
class History
{
public:
    static constexpr int kMaxStates = 100;
    static constexpr qint64 kMaxBytes = 64LL * 1024 * 1024;

    // Starts anew from the project as it is (after New, Open, a type change).
    // `saved`: that state is the one on disk.
    void reset(const HistoryState &base, bool saved);
    // Records the state after a burst of changes; a state equal to the current
    // one is not recorded. Drops what could have been redone. True when recorded.
    bool record(const HistoryState &state);
    // Puts `state` in place of the current state, for typing on in the field
    // that made it: only when the current state is the newest, is not the
    // one on disk and is not the first. A state equal to the one before it
    // takes the current state away (the typing came back to where it
    // began). False when it cannot merge; nothing changed then.
    bool mergeIntoCurrent(const HistoryState &state);

    bool canUndo() const { return m_current > 0; }
    bool canRedo() const { return m_current + 1 < m_states.size(); }
    // The change Undo would take back, and the one Redo would make again.
    QString undoChange() const;
    QString redoChange() const;
    // Moves back or forward; the state to show, or null when there is none.
    const HistoryState *undo();
    const HistoryState *redo();

    const HistoryState *current() const;
    // The current state is the one on disk now.
    void markSaved() { m_saved = m_current; }
    bool currentIsSaved() const { return m_saved >= 0 && m_saved == m_current; }

    int count() const { return static_cast<int>(m_states.size()); }
    qint64 bytes() const { return m_bytes; }

private:
    void dropOldest();

    QList<HistoryState> m_states;
    qsizetype m_current = -1;
    qsizetype m_saved = -1;
    qint64 m_bytes = 0;
};
