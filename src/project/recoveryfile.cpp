#include "project/recoveryfile.h"

#include "project/menutypes.h"
#include "project/textfile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

namespace {
// The first line holds what the data text cannot: "plivex-recovery 1",
// the menu type, the time written and the project's file name.
const QByteArray kMagic = "plivex-recovery 1";
} // namespace

RecoveryFile::RecoveryFile(const QString &folder)
{
    const QString dir = folder.isEmpty() ? QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) : folder;
    m_path = QDir(dir).filePath(QStringLiteral("recovery.js"));
}

bool RecoveryFile::write(const Contents &contents, QString *error) const
{
    QDir().mkpath(QFileInfo(m_path).absolutePath());
    QByteArray bytes = kMagic + '\t' + QByteArray::number(contents.menuType) + '\t' +
                       contents.written.toUTC().toString(Qt::ISODateWithMs).toUtf8() + '\t' +
                       contents.fileName.toUtf8().toPercentEncoding() + '\n';
    bytes += encodeText(contents.dataText);
    return writeFileSafely(m_path, bytes, error);
}

bool RecoveryFile::read(Contents &contents) const
{
    QFile file(m_path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    const QByteArray all = file.readAll();
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
}
