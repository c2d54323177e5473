#include "project/projecthistory.h"

#include "project/project.h"

#include <QDateTime>
#include <QItemSelectionModel>

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
    quietTime.setSingleShot(true);
    quietTime.setInterval(1000);
    connect(&quietTime, &QTimer::timeout, this, &ProjectHistory::record);
    connect(&m_project, &Project::changeBeginning, this, [this](const QString &subject) {
        if (m_restoring || !m_started)
            return;
        // The project is still as the pending burst left it: that state is
        // the step the user will want back.
        if (quietTime.isActive() && subject != m_burstSubject)
            record();
        m_burstSubject = subject;
        m_subjectNamed = true;
    });
    connect(&m_project, &Project::marked, this, [this] {
        if (m_restoring || !m_started)
            return;
        if (!m_subjectNamed)
            m_burstSubject.clear();
        m_subjectNamed = false;
        quietTime.start();
    });
}

HistoryState ProjectHistory::capture(const QString &change) const
{
    HistoryState state;
    state.dataText = m_access.dataText();
    for (const QModelIndex &i : m_selection.selectedRows())
        state.selected << pathOf(i);
    state.focused = pathOf(m_selection.currentIndex());
    state.change = change;
    return state;
}

void ProjectHistory::reset()
{
    quietTime.stop();
    m_burstSubject.clear();
    m_history.reset(capture(QString()), !m_project.Modified());
    m_started = true;
    keepRecovery();
    emit changed();
}

void ProjectHistory::record()
{
    quietTime.stop();
    if (!m_started)
        return;
    const QString change = m_project.takeChange();
    if (m_history.record(capture(change)))
        emit changed();
    keepRecovery();
}

void ProjectHistory::flush()
{
    if (quietTime.isActive())
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
    quietTime.stop();
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

bool ProjectHistory::restore(const HistoryState *state)
{
    if (!state)
        return false;
    // However the load ends, changes are recorded again afterwards.
    struct Restoring
    {
        bool &flag;
        explicit Restoring(bool &f) : flag(f) { flag = true; }
        ~Restoring() { flag = false; }
    } restoring(m_restoring);
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
    QItemSelection selection;
    for (const QList<int> &path : state->selected) {
        const QModelIndex i = indexAt(m_project.items(), path);
        if (i.isValid())
            selection.select(i, i);
    }
    m_selection.setCurrentIndex(indexAt(m_project.items(), state->focused), QItemSelectionModel::NoUpdate);
    m_selection.select(selection, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    // The preview follows; the project is unchanged exactly when it is back
    // at the state on disk.
    m_project.MarkModified();
    m_project.takeChange();
    m_project.setModified(!m_history.currentIsSaved());
    keepRecovery();
    emit changed();
    return true;
}

bool ProjectHistory::restoreLastRecorded()
{
    // A burst still pending would be read from pages that are not back yet.
    quietTime.stop();
    m_project.takeChange();
    return restore(m_history.current());
}

bool ProjectHistory::Undo()
{
    flush();
    const HistoryState *state = m_history.undo();
    if (restore(state))
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
    return m_history.canUndo() || quietTime.isActive();
}

bool ProjectHistory::canRedo() const
{
    return m_history.canRedo() && !quietTime.isActive();
}

QString ProjectHistory::undoText() const
{
    if (quietTime.isActive())
        return QStringLiteral("Undo ") + (m_project.pendingChange());
    return m_history.canUndo() ? QStringLiteral("Undo ") + m_history.undoChange() : QStringLiteral("Undo");
}

QString ProjectHistory::redoText() const
{
    return canRedo() ? QStringLiteral("Redo ") + m_history.redoChange() : QStringLiteral("Redo");
}
