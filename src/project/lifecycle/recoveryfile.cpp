#include "project/lifecycle/recoveryfile.h"

#include "project/datafile/dataopen.h"
#include "project/model/menutypes.h"
#include "project/platform/textfile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QStandardPaths>

namespace {
// The first line holds what the data text cannot: "plivex-recovery 1",
// the menu type, the time written and the project's file name.
const QByteArray kMagic = "plivex-recovery 1";

QString folderOrDefault(const QString &folder)
{
    return folder.isEmpty() ? QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) : folder;
}

std::shared_ptr<QLockFile> lockFor(const QString &path)
{
    auto lock = std::make_shared<QLockFile>(path + QStringLiteral(".lock"));
    // Only an owner that no longer runs makes a lock stale, never its age:
    // an instance may run for days.
    lock->setStaleLockTime(0);
    return lock;
}

} // namespace

RecoveryFile::RecoveryFile(const QString &folder)
{
    // The process id keeps running instances apart; the time keeps this one
    // from a file a crashed instance with the same id left.
    const QString name = QStringLiteral("recovery-%1-%2.js")
                             .arg(QCoreApplication::applicationPid())
                             .arg(QDateTime::currentDateTimeUtc().toString(QStringLiteral("yyyyMMddhhmmsszzz")));
    m_path = QDir(folderOrDefault(folder)).filePath(name);
    m_lock = lockFor(m_path);
}

RecoveryFile::RecoveryFile(const QString &path, std::shared_ptr<QLockFile> lock)
    : m_path(path)
    , m_lock(std::move(lock))
{
}

QList<RecoveryFile> RecoveryFile::leftBehind(const QString &folder)
{
    const QDir dir(folderOrDefault(folder));
    QList<RecoveryFile> out;
    // "recovery.js" is the one file earlier versions kept per user.
    for (const QFileInfo &info : dir.entryInfoList({QStringLiteral("recovery*.js")}, QDir::Files, QDir::Time)) {
        std::shared_ptr<QLockFile> lock = lockFor(info.absoluteFilePath());
        if (lock->tryLock(0))
            out << RecoveryFile(info.absoluteFilePath(), std::move(lock));
    }
    return out;
}

bool RecoveryFile::hold() const
{
    if (m_lock->isLocked())
        return true;
    QDir().mkpath(QFileInfo(m_path).absolutePath());
    return m_lock->tryLock(0);
}

bool RecoveryFile::write(const Contents &contents, QString *error) const
{
    if (!hold()) {
        if (error)
            *error = tr("Another running instance holds the file %1.").arg(m_path);
        return false;
    }
    QByteArray bytes = kMagic + '\t' + QByteArray::number(contents.menuType) + '\t' +
                       contents.written.toUTC().toString(Qt::ISODateWithMs).toUtf8() + '\t' +
                       contents.fileName.toUtf8().toPercentEncoding() + '\n';
    bytes += encodeText(contents.dataText);
    return writeFileSafely(m_path, bytes, error);
}

bool RecoveryFile::read(Contents &contents) const
{
    // The project's text and one line about it: no more than a data file.
    const CappedRead read = readCapped(m_path, kMaxDataFileSize + 4096);
    if (!read.ok())
        return false;
    const QByteArray &all = read.bytes;
    const qsizetype eol = all.indexOf('\n');
    if (eol < 0)
        return false;
    const QList<QByteArray> head = all.left(eol).split('\t');
    if (head.size() != 4 || head.at(0) != kMagic)
        return false;
    bool ok = false;
    const int type = head.at(1).toInt(&ok);
    const QDateTime written = QDateTime::fromString(QString::fromUtf8(head.at(2)), Qt::ISODateWithMs);
    if (!ok || type < 0 || type >= kMenuTypeCount || !written.isValid())
        return false;
    contents.menuType = type;
    contents.written = written;
    contents.fileName = QString::fromUtf8(QByteArray::fromPercentEncoding(head.at(3)));
    contents.dataText = decodeText(all.mid(eol + 1));
    return true;
}

bool RecoveryFile::exists() const
{
    return QFileInfo::exists(m_path);
}

void RecoveryFile::remove() const
{
    QFile::remove(m_path);
    if (m_lock->isLocked())
        m_lock->unlock();
}
