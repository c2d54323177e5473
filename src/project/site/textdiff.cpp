#include "project/site/textdiff.h"

#include <QStringList>

namespace {

// Lines without their ends; "\r\n" and "\n" both end a line.
QStringList linesOf(const QString &text)
{
    QStringList lines = text.split(QLatin1Char('\n'));
    // A last line break ends the last line; it starts no empty one.
    if (lines.size() > 1 && lines.last().isEmpty())
        lines.removeLast();
    for (QString &line : lines)
        if (line.endsWith(QLatin1Char('\r')))
            line.chop(1);
    return lines;
}

// "start,count" as the hunk header counts lines: from 1, and for no lines
// the line before.
QString range(qsizetype start, qsizetype count)
{
    return QStringLiteral("%1,%2").arg(count == 0 ? start : start + 1).arg(count);
}

} // namespace

QString unifiedDiff(const QString &before, const QString &after, const QString &beforeLabel,
                    const QString &afterLabel)
{
    if (before == after)
        return {};
    const QStringList a = linesOf(before);
    const QStringList b = linesOf(after);
    qsizetype head = 0;
    while (head < a.size() && head < b.size() && a[head] == b[head])
        ++head;
    qsizetype tail = 0;
    while (tail < a.size() - head && tail < b.size() - head && a[a.size() - 1 - tail] == b[b.size() - 1 - tail])
        ++tail;
    constexpr qsizetype kContext = 3;
    const qsizetype from = qMax<qsizetype>(0, head - kContext);
    const qsizetype aEnd = qMin(a.size(), a.size() - tail + kContext);
    const qsizetype bEnd = qMin(b.size(), b.size() - tail + kContext);

    QStringList out;
    out << QStringLiteral("--- ") + beforeLabel << QStringLiteral("+++ ") + afterLabel;
    out << QStringLiteral("@@ -%1 +%2 @@").arg(range(from, aEnd - from), range(from, bEnd - from));
    for (qsizetype i = from; i < head; ++i)
        out << QStringLiteral(" ") + a[i];
    for (qsizetype i = head; i < a.size() - tail; ++i)
        out << QStringLiteral("-") + a[i];
    for (qsizetype i = head; i < b.size() - tail; ++i)
        out << QStringLiteral("+") + b[i];
    for (qsizetype i = a.size() - tail; i < aEnd; ++i)
        out << QStringLiteral(" ") + a[i];
    return out.join(QLatin1Char('\n'));
}
