#include "project/platform/textfile.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStringDecoder>

namespace {

struct TextFileText { Q_DECLARE_TR_FUNCTIONS(TextFile) };

// Windows-1252 differs from Latin-1 only in 0x80..0x9F; the five unused
// codes keep their Latin-1 (C1 control) values.
constexpr char16_t kCp1252High[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

QString decodeWindows1252(const QByteArray &bytes)
{
    QString out(bytes.size(), Qt::Uninitialized);
    QChar *d = out.data();
    for (const char c : bytes) {
        const auto b = static_cast<unsigned char>(c);
        *d++ = QChar(b >= 0x80 && b <= 0x9F ? kCp1252High[b - 0x80] : char16_t(b));
    }
    return out;
}

} // namespace

QString decodeText(const QByteArray &bytes)
{
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = utf8.decode(bytes);
    if (utf8.hasError())
        return decodeWindows1252(bytes);
    if (text.startsWith(QChar(0xFEFF)))
        text.remove(0, 1);
    return text;
}

QByteArray encodeText(const QString &text)
{
    return text.toUtf8();
}

bool writeFileSafely(const QString &path, const QByteArray &bytes, QString *error)
{
    QSaveFile file(path);
    // A folder the user may not add files to can still hold a file they may
    // change: then the file is written in place, without the spare copy.
    file.setDirectWriteFallback(true);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit()) {
        if (error)
            *error = file.errorString();
        file.cancelWriting();
        return false;
    }
    return true;
}

bool copyFileSafely(const QString &from, const QString &to, QString *error)
{
    if (QFileInfo(from).canonicalFilePath() == QFileInfo(to).canonicalFilePath())
        return true;
    QFile source(from);
    if (!source.open(QIODevice::ReadOnly)) {
        *error = TextFileText::tr("can't read %1: %2").arg(from, source.errorString());
        return false;
    }
    QString reason;
    if (!writeFileSafely(to, source.readAll(), &reason)) {
        *error = TextFileText::tr("can't write %1: %2").arg(to, reason);
        return false;
    }
    return true;
}

QString CappedRead::reason() const
{
    switch (failure) {
    case Failure::None: return {};
    case Failure::Missing: return tr("no such file");
    case Failure::Folder: return tr("it is a folder");
    case Failure::TooLarge: return tr("files over %1 MB are not read").arg(limit >> 20);
    case Failure::Unreadable: return systemError;
    }
    return {};
}

CappedRead readCapped(const QString &path, qint64 limit)
{
    CappedRead read;
    read.limit = limit;
    const QFileInfo info(path);
    if (info.isDir()) {
        read.failure = CappedRead::Failure::Folder;
        return read;
    }
    if (!info.exists()) {
        read.failure = CappedRead::Failure::Missing;
        return read;
    }
    // A pipe or a device would keep the read waiting or never end it.
    if (!info.isFile()) {
        read.failure = CappedRead::Failure::Unreadable;
        read.systemError = CappedRead::tr("it is not a regular file");
        return read;
    }
    if (info.size() > limit) {
        read.failure = CappedRead::Failure::TooLarge;
        read.size = info.size();
        return read;
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        read.failure = CappedRead::Failure::Unreadable;
        read.systemError = file.errorString();
        return read;
    }
    // One byte past the limit tells a file that grew since its size was read.
    read.bytes = file.read(limit + 1);
    if (file.error() != QFileDevice::NoError) {
        read.failure = CappedRead::Failure::Unreadable;
        read.systemError = file.errorString();
        read.bytes.clear();
    } else if (read.bytes.size() > limit) {
        read.failure = CappedRead::Failure::TooLarge;
        read.size = read.bytes.size();
        read.bytes.clear();
    }
    return read;
}
