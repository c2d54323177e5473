#include "project/themes/themesample.h"

#include "project/datafile/dataopen.h"
#include "project/model/menutypes.h"

#include <QStringList>

namespace {

const QString kNl = QStringLiteral("\r\n");

QString arrayHead(const MenuType &type)
{
    return QStringLiteral("var ") + type.itemArrayName + QStringLiteral(" = [");
}

} // namespace

namespace {

// The item array of a text the writer wrote: where its declaration starts,
// where it ends (after its closing "];" line), and its item lines.
struct ItemArray
{
    qsizetype begin = -1;
    qsizetype end = -1;
    QStringList lines;
};

ItemArray findItemArray(const QString &dataText, const MenuType &type, int maxItems)
{
    ItemArray found;
    found.begin = dataText.lastIndexOf(arrayHead(type));
    if (found.begin < 0)
        return found;
    qsizetype at = dataText.indexOf(QLatin1Char('\n'), found.begin);
    while (at >= 0) {
        const qsizetype next = dataText.indexOf(QLatin1Char('\n'), at + 1);
        const QStringView line = QStringView(dataText).mid(at + 1, next < 0 ? -1 : next - at - 1).trimmed();
        if (line.startsWith(QLatin1Char('[')) && line.endsWith(QLatin1String("],"))) {
            if (maxItems < 0 || found.lines.size() < maxItems)
                found.lines << line.toString();
        } else if (line.startsWith(QLatin1String("];"))) {
            found.end = next < 0 ? dataText.size() : next + 1;
            break;
        } else if (!line.isEmpty()) {
            break; // not the writer's layout: no end to cut at
        }
        at = next;
    }
    return found;
}

} // namespace

QString itemArrayOf(const QString &dataText, const MenuType &type, int maxItems)
{
    const ItemArray found = findItemArray(dataText, type, maxItems);
    QString out = arrayHead(type) + kNl + kNl;
    for (const QString &line : found.lines)
        out += line + kNl;
    return out + QStringLiteral("];") + kNl;
}

QString themedDataText(const QString &themeText, int type, const QString &itemArray)
{
    return CommentOutStartCall(themeText, type) + kNl + kNl + itemArray + kNl +
           menuTypes().at(static_cast<size_t>(type)).initFunctionName + QStringLiteral("();");
}

QString themeTextOf(const QString &dataText, const MenuType &type)
{
    const ItemArray found = findItemArray(dataText, type, 0);
    if (found.begin < 0 || found.end < 0)
        return {};
    return dataText.left(found.begin) + arrayHead(type) + kNl + kNl + QStringLiteral("];") + kNl +
           dataText.mid(found.end);
}
