#include "app/recentfiles.h"

void addRecentFile(QStringList &recentFiles, const QString &path)
{
    const qsizetype at = recentFiles.indexOf(path);
    if (at >= 0) {
        recentFiles.move(at, 0);
        return;
    }
    if (recentFiles.size() >= kMaxRecentFiles)
        recentFiles.resize(kMaxRecentFiles - 1);
    recentFiles.prepend(path);
}

QString recentFileLabel(const QString &path, const QString &typeName)
{
    QString label = QString(path).replace(QLatin1Char('&'), QStringLiteral("&&"));
    if (!typeName.isEmpty())
        label += QStringLiteral("  (%1)").arg(typeName);
    return label;
}
