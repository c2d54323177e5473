#pragma once

#include <QByteArray>
#include <QCoreApplication>
#include <QString>

// Text files as this platform keeps them: UTF-8 without a byte-order mark.
// A file that is not valid UTF-8 was written by an older single-byte editor
// and is read as Windows-1252, so none of its characters are lost.
QString decodeText(const QByteArray &bytes);
QByteArray encodeText(const QString &text);

// Replaces the file at `path` with `bytes` in one step: on any failure the
// old file is left as it was. `error` receives the reason. Where the folder
// takes no new files but the file itself may be changed, the file is
// written in place instead (a failure half-way then leaves it short).
bool writeFileSafely(const QString &path, const QByteArray &bytes, QString *error = nullptr);

// Copies `from` over `to` with writeFileSafely; a file onto itself is left
// as it is. `error` receives "can't read FROM: why" or "can't write TO: why".
bool copyFileSafely(const QString &from, const QString &to, QString *error);

// A whole file of at most `limit` bytes, read once: what the program reads
// of files it did not write (data files, themes, web pages) is never
// unbounded, and a file that grows while it is read is still refused.
struct CappedRead
{
    Q_DECLARE_TR_FUNCTIONS(CappedRead)

public:
    enum class Failure { None, Missing, Folder, TooLarge, Unreadable };
    Failure failure = Failure::None;
    QByteArray bytes;
    qint64 size = 0;     // TooLarge: the file's size, as far as it was read
    QString systemError; // Unreadable: the system's reason
    qint64 limit = 0;

    bool ok() const { return failure == Failure::None; }
    // "no such file", "it is a folder", "files over N MB are not read", or
    // the system's reason.
    QString reason() const;
};
CappedRead readCapped(const QString &path, qint64 limit);
