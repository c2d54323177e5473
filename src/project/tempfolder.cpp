#include "project/tempfolder.h"

#include <QDir>
#include <QTemporaryDir>

QString previewTempFolder()
{
    static QTemporaryDir folder(QDir::tempPath() + QStringLiteral("/plivex-XXXXXX"));
    if (!folder.isValid())
        return QDir::tempPath() + QLatin1Char('/');
    return folder.path() + QLatin1Char('/');
}
