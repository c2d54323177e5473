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

QString filledScript(const QString &resourcePath, const QList<std::pair<QString, QString>> &values)
{
    QString script = resourceText(resourcePath);
    qsizetype start = 0;
    while (QStringView(script).mid(start).startsWith(QLatin1String("//"))) {
        const qsizetype end = script.indexOf(QLatin1Char('\n'), start);
        start = end < 0 ? script.size() : end + 1;
    }
    QString filled;
    filled.reserve(script.size() + 64);
    qsizetype from = start;
    for (const auto &[placeholder, value] : values) {
        const QString quoted = QLatin1Char('\'') + placeholder + QLatin1Char('\'');
        const qsizetype at = script.indexOf(quoted, from);
        if (at < 0) {
            qWarning("%s has no placeholder %s", qPrintable(resourcePath), qPrintable(placeholder));
            continue;
        }
        filled += QStringView(script).mid(from, at - from);
        filled += value;
        from = at + quoted.size();
    }
    filled += QStringView(script).mid(from);
    return filled;
}