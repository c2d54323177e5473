#include "project/site/linkpaths.h"

#include <QDir>
#include <QRegularExpression>
#include <QStringList>
#include <QUrl>

namespace {

// The first folders of the file systems the editor runs on whose paths never
// name a page of a web site.
const QStringList kLocalRootFolders = {
    QStringLiteral("home"),  QStringLiteral("Users"), QStringLiteral("tmp"),     QStringLiteral("root"),
    QStringLiteral("mnt"),   QStringLiteral("media"), QStringLiteral("Volumes"), QStringLiteral("private"),
    QStringLiteral("var"),   QStringLiteral("usr"),   QStringLiteral("opt"),     QStringLiteral("etc"),
    QStringLiteral("srv"),   QStringLiteral("run"),   QStringLiteral("Library"), QStringLiteral("Applications")};

bool isDrivePath(const QString &path)
{
    static const QRegularExpression drive(QStringLiteral("^[A-Za-z]:[\\\\/]"));
    return drive.match(path).hasMatch();
}

// Drive letters compare without case; so do the names of such file systems.
Qt::CaseSensitivity caseOf(const QString &path)
{
    return isDrivePath(path) ? Qt::CaseInsensitive : Qt::CaseSensitive;
}

QStringList segments(const QString &path)
{
    return path.split(QLatin1Char('/'), Qt::SkipEmptyParts);
}

} // namespace

QString localPathOf(const QString &value)
{
    QString path = value.trimmed();
    if (path.startsWith(QLatin1String("file:"), Qt::CaseInsensitive)) {
        const QUrl url(path);
        path = url.isLocalFile() ? url.toLocalFile() : QUrl::fromPercentEncoding(path.mid(5).toUtf8());
        // "file:///C:/x" gives "/C:/x" on a machine without drives.
        if (path.size() > 3 && path.at(0) == QLatin1Char('/') && isDrivePath(path.mid(1)))
            path = path.mid(1);
    }
    path.replace(QLatin1Char('\\'), QLatin1Char('/'));
    return path;
}

bool isLocalAbsolutePath(const QString &value)
{
    const QString text = value.trimmed();
    if (text.startsWith(QLatin1String("file:"), Qt::CaseInsensitive) || isDrivePath(text) ||
        text.startsWith(QLatin1String("\\\\")) || text.startsWith(QLatin1String("~/")))
        return true;
    // "//host/x" is a link without scheme; a single "/" starts at the root.
    if (!text.startsWith(QLatin1Char('/')) || text.startsWith(QLatin1String("//")))
        return false;
    const QString first = text.mid(1).section(QLatin1Char('/'), 0, 0);
    return text.indexOf(QLatin1Char('/'), 1) > 0 && kLocalRootFolders.contains(first);
}

QString linkRelativeTo(const QString &picked, const QString &folder)
{
    const QString path = QDir::cleanPath(localPathOf(picked));
    const QString base = QDir::cleanPath(localPathOf(folder));
    if (folder.trimmed().isEmpty() || picked.trimmed().isEmpty())
        return localPathOf(picked);
    const bool absolute = path.startsWith(QLatin1Char('/')) || isDrivePath(path);
    if (!absolute)
        return path;
    const QStringList to = segments(path);
    const QStringList from = segments(base);
    const Qt::CaseSensitivity cs = caseOf(base);
    // Different roots (two drives, or a drive and "/") have no way between them.
    if (isDrivePath(path) != isDrivePath(base) || to.isEmpty() || from.isEmpty() ||
        (isDrivePath(path) && to.first().compare(from.first(), cs) != 0))
        return path;
    qsizetype common = 0;
    while (common < from.size() && common < to.size() - 1 && from.at(common).compare(to.at(common), cs) == 0)
        ++common;
    QStringList out;
    for (qsizetype i = common; i < from.size(); ++i)
        out << QStringLiteral("..");
    for (qsizetype i = common; i < to.size(); ++i)
        out << to.at(i);
    return out.join(QLatin1Char('/'));
}
