#pragma once

#include <QCoreApplication>
#include <QDateTime>
#include <QList>
#include <QString>
#include <memory>

class QLockFile;

// The last recorded state of a modified project, kept on disk so a crash or
// a killed session loses nothing. Each running instance has a file of its
// own, guarded by a lock file while the instance runs; a file whose lock is
// gone or stale was left by an instance that ended without saving.
class RecoveryFile
{
    Q_DECLARE_TR_FUNCTIONS(RecoveryFile)

public:
    struct Contents
    {
        QString dataText;
        int menuType = 0;
        QString fileName; // the project's data file, empty if never saved
        QDateTime written;
    };

    // A new file of this instance in `folder` (by default the user's data
    // folder); nothing is written or locked until the first write.
    explicit RecoveryFile(const QString &folder = {});

    // The files in `folder` whose instances no longer run, newest first.
    // Each comes locked by the returned object, so no other instance offers
    // it meanwhile; files of running instances are left alone.
    static QList<RecoveryFile> leftBehind(const QString &folder = {});

    // Replaces the file in one step; false (and the old file kept) on
    // failure, or when another running instance holds the file.
    bool write(const Contents &contents, QString *error = nullptr) const;
    // The stored project, if there is a readable one.
    bool read(Contents &contents) const;
    bool exists() const;
    // Removes the file and lets its lock go.
    void remove() const;
    QString path() const { return m_path; }

private:
    RecoveryFile(const QString &path, std::shared_ptr<QLockFile> lock);
    bool hold() const;

    QString m_path;
    // Shared by copies: the instance holds its file as long as any copy lives.
    std::shared_ptr<QLockFile> m_lock;
};
