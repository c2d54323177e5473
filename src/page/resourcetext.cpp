#include "page/resourcetext.h"

#include <QFile>

QString resourceText(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        qWarning("%s is not built into the program", qPrintable(path));
        return {};
    }
    return QString::fromUtf8(file.readAll());
}
