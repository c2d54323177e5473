#include "project/programfolder.h"

#include <QCoreApplication>

namespace {
QString g_folder;
}

QString programFolder()
{
    if (g_folder.isEmpty())
        return QCoreApplication::applicationDirPath() + QLatin1Char('/');
    return g_folder;
}

void setProgramFolder(const QString &folder)
{
    g_folder = folder.isEmpty() || folder.endsWith(QLatin1Char('/')) ? folder : folder + QLatin1Char('/');
}
