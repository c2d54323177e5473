#include "project/platform/programfolder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

QString programFolder()
{
    return QCoreApplication::applicationDirPath() + QLatin1Char('/');
}

namespace {

// Links resolved, so that a path through a link still counts as the target.
QString realPath(const QString &path)
{
    const QFileInfo info(path);
    const QString canonical = info.canonicalFilePath();
    if (!canonical.isEmpty())
        return canonical;
    // A file not written yet: its folder may exist.
    const QString folder = QFileInfo(info.absolutePath()).canonicalFilePath();
    return folder.isEmpty() ? QDir::cleanPath(info.absoluteFilePath()) : folder + QLatin1Char('/') + info.fileName();
}

} // namespace

bool isShippedFile(const QString &path, const QString &folder)
{
    if (path.trimmed().isEmpty() || folder.isEmpty())
        return false;
    const QString file = realPath(path);
    for (const QString &shipped : {QStringLiteral("default_scripts"), QStringLiteral("themes")}) {
        const QString root = realPath(QDir(folder).filePath(shipped));
        if (file.startsWith(root + QLatin1Char('/')))
            return true;
    }
    return false;
}
