#include "project/history/projecthistory.h"

#include "project/model/project.h"

#include <QDateTime>
#include <QItemSelectionModel>
#include <QScopeGuard>
#include <utility>

namespace {

QList<int> pathOf(const QModelIndex &index)
{
    QList<int> path;
    for (QModelIndex i = index; i.isValid(); i = i.parent())
        path.prepend(i.row());
    return path;
}

QModelIndex indexAt(const QAbstractItemModel &model, const QList<int> &path)
{
    QModelIndex i;
    for (int row : path) {
        i = model.index(row, 0, i);
        if (!i.isValid())
            return {};
    }
    return i;
}

} // namespace

ProjectHistory::ProjectHistory(Project &project, QItemSelectionModel &selection, Access access,
                               RecoveryFile recovery, QObject *parent)
    : QObject(parent)
    , m_project(project)
    , m_selection(selection)
    , m_access(std::move(access))
    , m_recovery(std::move(recovery))
{
    m_pendingRecord.setSingleShot(true);
    m_pendingRecord.setInterval(0);
    connect(&m_pendingRecord, &QTimer::timeout, this, &ProjectHistory::record);
    mergeWindow.setSingleShot(true);
    mergeWindow.setInterval(1000);
    connect(&m_project, &Project::changeBeginning, this, [this](const QString &subject) {
        if (m_restoring || !m_started)
            return;
        // The project is still as the change waiting to be recorded left it:
        // that state is the step the user will want back.
        flush();
        m_announcedSubject = subject;
    });
    connect(&m_project, &Project::marked, this, [this] {
        if (m_restoring || !m_started)
            return;
        const QString subject = std::exchange(m_announcedSubject, std::nullopt).value_or(QString());
        // Two changes in one event are one command, unless they name two
        // subjects: a field edit is never part of a command.
        if (m_pendingRecord.isActive() && subject != m_pendingSubject)
            m_pendingSubject.clear();
        else
            m_pendingSubject = subject;
        m_pendingRecord.start();
    });
    // The selection a change begins at is the one the user made before it:
    // a command has already moved the rows by the time it marks the change,
    // and one that announced itself may move the selection with them.
    const auto follow = [this] {
        if (!m_pendingRecord.isActive() && !m_restoring && !m_announcedSubject)
            noteSelection();
    };
    connect(&m_selection, &QItemSelectionModel::selectionChanged, this, follow);
    connect(&m_selection, &QItemSelectionModel::currentChanged, this, follow);
}

HistoryState ProjectHistory::capture(const QString &change, bool withText) const
{
    HistoryState state;
    if (withText)
        state.dataText = m_access.dataText();
    for (const QModelIndex &i : m_selection.selectedRows())
        state.selected << pathOf(i);
    state.focused = pathOf(m_selection.currentIndex());
    state.change = change;
    return state;
}

void ProjectHistory::noteSelection()
{
    const HistoryState now = capture(QString(), false);
    m_selectedBefore = now.selected;
    m_focusedBefore = now.focused;
}

void ProjectHistory::reset()
{
    m_pendingRecord.stop();
    mergeWindow.stop();
    m_recordedSubject.clear();
    m_announcedSubject.reset();
    m_history.reset(capture(QString()), !m_project.Modified());
    m_started = true;
    noteSelection();
    keepRecovery();
    emit changed();
}

void ProjectHistory::record()
{
    m_pendingRecord.stop();
    if (!m_started)
        return;
    const QString change = m_project.takeChange();
    HistoryState state = capture(change);
    state.selectedBefore = m_selectedBefore;
    state.focusedBefore = m_focusedBefore;
    const bool typingOn = !m_pendingSubject.isEmpty() && m_pendingSubject == m_recordedSubject
                          && mergeWindow.isActive();
    if (typingOn && m_history.mergeIntoCurrent(state)) {
        // Typing may have come back to the text on disk.
        m_project.setModified(!m_history.currentIsSaved());
    } else {
        m_history.record(state);
    }
    // Redo was off while the change waited; a change that came to nothing
    // new (a move at the edge) leaves it possible again.
    emit changed();
    m_recordedSubject = m_pendingSubject;
    noteSelection();
    if (m_recordedSubject.isEmpty())
        mergeWindow.stop();
    else
        mergeWindow.start();
    keepRecovery();
}

void ProjectHistory::flush()
{
    if (m_pendingRecord.isActive())
        record();
}

void ProjectHistory::saved()
{
    flush();
    m_history.markSaved();
    m_recovery.remove();
}

void ProjectHistory::discarded()
{
    m_pendingRecord.stop();
    m_recovery.remove();
}

void ProjectHistory::adoptRecovery(RecoveryFile file)
{
    if (file.path() != m_recovery.path())
        m_recovery.remove();
    m_recovery = std::move(file);
}

void ProjectHistory::keepRecovery()
{
    if (!m_project.Modified()) {
        m_recovery.remove();
        return;
    }
    RecoveryFile::Contents contents;
    contents.dataText = m_history.current()->dataText;
    contents.menuType = m_project.MenuType;
    contents.fileName = m_project.CurrentFileName;
    contents.written = QDateTime::currentDateTimeUtc();
    // A failure here costs only the safety net; the project itself is intact.
    m_recovery.write(contents);
}

bool ProjectHistory::restore(const HistoryState *state, const HistoryState *selectionOf)
{
    if (!state)
        return false;
    // However the load ends, changes are recorded again afterwards.
    m_restoring = true;
    const auto restored = qScopeGuard([this] { m_restoring = false; });
    const QString fileName = m_project.CurrentFileName;
    bool loaded = false;
    try {
        loaded = m_access.loadText(state->dataText);
    } catch (...) {
        m_project.CurrentFileName = fileName;
        throw;
    }
    m_project.CurrentFileName = fileName;
    if (!loaded)
        return false;
    const QList<QList<int>> &selected = selectionOf ? selectionOf->selectedBefore : state->selected;
    const QList<int> &focused = selectionOf ? selectionOf->focusedBefore : state->focused;
    QItemSelection selection;
    for (const QList<int> &path : selected) {
        const QModelIndex i = indexAt(m_project.items(), path);
        if (i.isValid())
            selection.select(i, i);
    }
    m_selection.setCurrentIndex(indexAt(m_project.items(), focused), QItemSelectionModel::NoUpdate);
    m_selection.select(selection, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    // The preview follows; the project is unchanged exactly when it is back
    // at the state on disk.
    m_project.MarkModified();
    m_project.takeChange();
    m_project.setModified(!m_history.currentIsSaved());
    // Typing after an undo is a step of its own, never part of the one undone.
    m_recordedSubject.clear();
    mergeWindow.stop();
    noteSelection();
    keepRecovery();
    emit changed();
    return true;
}

bool ProjectHistory::restoreLastRecorded()
{
    // A change still pending would be read from pages that are not back yet.
    m_pendingRecord.stop();
    m_project.takeChange();
    return restore(m_history.current());
}

bool ProjectHistory::Undo()
{
    flush();
    // Back where the undone change was made, not where the state before it
    // was left.
    const HistoryState *undone = m_history.current();
    const HistoryState *state = m_history.undo();
    if (restore(state, undone))
        return true;
    // The project was not replaced: the history stays where the project is.
    if (state)
        m_history.redo();
    emit changed();
    return false;
}

bool ProjectHistory::Redo()
{
    flush();
    const HistoryState *state = m_history.redo();
    if (restore(state))
        return true;
    if (state)
        m_history.undo();
    emit changed();
    return false;
}

bool ProjectHistory::canUndo() const
{
    return m_history.canUndo() || m_pendingRecord.isActive();
}

bool ProjectHistory::canRedo() const
{
    return m_history.canRedo() && !m_pendingRecord.isActive();
}

QString ProjectHistory::undoText() const
{
    if (m_pendingRecord.isActive())
        return tr("Undo %1").arg(m_project.pendingChange());
    return m_history.canUndo() ? tr("Undo %1").arg(m_history.undoChange()) : tr("Undo");
}

QString ProjectHistory::redoText() const
{
    return canRedo() ? tr("Redo %1").arg(m_history.redoChange()) : tr("Redo");
}
