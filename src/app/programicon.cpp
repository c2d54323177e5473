#include "app/programicon.h"

#include <QDir>

QIcon programIcon()
{
    QIcon icon;
    // The build draws the pictures from one SVG and links them in, so the
    // icon needs neither the program's folder nor an icon theme.
    const QDir pictures(QStringLiteral(":/icons"));
    for (const QString &name : pictures.entryList({QStringLiteral("plivex-*.png")}, QDir::Files))
        icon.addFile(pictures.filePath(name));
    return icon;
}
