#include "app/settingsplace.h"

#include <QFileInfo>
#include <QStandardPaths>

QString settingsFilePath(const QString &programFolder)
{
    const QFileInfo folder(programFolder);
    // The folder of an installed copy can be writable (root, or a package
    // unpacked into a private root); it still belongs to the system.
    if (folder.isDir() && folder.isWritable() && !QFileInfo::exists(programFolder + kInstalledCopyMarker))
        return programFolder + QStringLiteral("plivex.ini");
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
           QStringLiteral("/plivex/plivex.ini");
}
