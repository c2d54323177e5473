#pragma once

#include <QDateTime>
#include <QString>

// The last recorded state of a modified project, kept on disk so a crash or
// a killed session loses nothing. One per user, in the user's data folder.
class RecoveryFile
{
public:
    struct Contents
    {
        QString dataText;
        int menuType = 0;
        QString fileName; // the project's data file, empty if never saved
        QDateTime written;
    };

    // `folder`: where the file lives; by default the user's data folder.
    explicit RecoveryFile(const QString &folder = {});

    // Replaces the file in one step; false (and the old file kept) on failure.
    bool write(const Contents &contents, QString *error = nullptr) const;
    // The stored project, if there is a readable one.
    bool read(Contents &contents) const;
    bool exists() const;
    void remove() const;
    QString path() const { return m_path; }

private:
    QString m_path;
};
