#include "project/platform/tempfolder.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>

namespace {

QString makeFolder()
{
    // Qt answers a temporary folder that does not exist (TMPDIR pointing
    // nowhere) with an empty path, which would put the folder at the root.
    const QString shared = QDir::tempPath();
    if (shared.isEmpty() || !QFileInfo(shared).isDir())
        return QString();
    static QTemporaryDir folder(shared + QStringLiteral("/plivex-XXXXXX"));
    return folder.isValid() ? folder.path() + QLatin1Char('/') : QString();
}

} // namespace

QString previewTempFolder()
{
    static const QString folder = makeFolder();
    return folder;
}
