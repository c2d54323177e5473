#pragma once

#include "project/history/history.h"
#include "project/lifecycle/recoveryfile.h"

#include <QObject>
#include <QTimer>
#include <functional>
#include <optional>

class Project;
class QItemSelectionModel;

// Undo and redo for the whole project, and the recovery file. Each change the
// user makes is recorded as one step, with the selection, once the event
// that made it has been handled (so one command that changes several things
// is one step); Undo and Redo load a recorded text back. Only typing on in
// one field (changes of the same subject, each within the merge window of
// the last) goes into the step before it.
class ProjectHistory : public QObject
{
    Q_OBJECT

public:
    struct Access
    {
        // The project's data text as the writer builds it.
        std::function<QString()> dataText;
        // Loads a data text into the project; false when the project was
        // left as it was (the history then stays where it is).
        std::function<bool(const QString &)> loadText;
    };

    ProjectHistory(Project &project, QItemSelectionModel &selection, Access access, RecoveryFile recovery,
                   QObject *parent = nullptr);

    // Starts anew from the project as it is now (New, Open, type change).
    void reset();
    // Records a pending change now (before save, open, New...).
    void flush();
    // A change waits to be recorded at the end of the event that made it.
    bool hasPendingRecord() const { return m_pendingRecord.isActive(); }
    // The project was written to its file: the current state is the saved one.
    void saved();
    // The unsaved changes were let go: nothing to recover any more.
    void discarded();

    bool Undo();
    bool Redo();
    // Loads the state recorded last back into the project, as Undo loads
    // one; changes not recorded yet are dropped. False when there is none or
    // it could not be loaded.
    bool restoreLastRecorded();
    // "Undo Move Items", or "Undo" when there is nothing to undo.
    QString undoText() const;
    QString redoText() const;
    bool canUndo() const;
    bool canRedo() const;
    const History &history() const { return m_history; }
    RecoveryFile &recovery() { return m_recovery; }
    // Keeps the project in `file` from now on: a recovered project stays in
    // the file it came from until it is saved or let go.
    void adoptRecovery(RecoveryFile file);

    // How long after a change of a field another change of it still goes
    // into the same step; tests end it at will.
    QTimer mergeWindow;

signals:
    // What Undo and Redo can do has changed.
    void changed();

private:
    HistoryState capture(const QString &change, bool withText = true) const;
    void noteSelection();
    void record();
    // `selectionOf`: the state whose selection before its change is put
    // back; without it, `state`'s own selection.
    bool restore(const HistoryState *state, const HistoryState *selectionOf = nullptr);
    void keepRecovery();

    Project &m_project;
    QItemSelectionModel &m_selection;
    Access m_access;
    RecoveryFile m_recovery;
    History m_history;
    QTimer m_pendingRecord;
    // The subject of the change waiting to be recorded, and of the one
    // recorded last; empty for a command, which never merges.
    QString m_pendingSubject;
    QString m_recordedSubject;
    // The subject named by the change beginning now, until it is marked.
    std::optional<QString> m_announcedSubject;
    // The selection as the change waiting to be recorded began.
    QList<QList<int>> m_selectedBefore;
    QList<int> m_focusedBefore;
    bool m_restoring = false;
    bool m_started = false;
};
