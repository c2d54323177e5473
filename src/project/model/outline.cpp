#include "project/model/outline.h"

#include <QStringList>
#include <algorithm>

QString writeOutline(const QList<LeveledItem> &items)
{
    QStringList lines;
    lines.reserve(items.size());
    for (const LeveledItem &li : items)
        lines << QString(li.level, QLatin1Char('\t')) + li.item.Params[0];
    return lines.join(QLatin1Char('\n'));
}

namespace {

struct Indent
{
    int tabs = 0;
    int spaces = 0;
    qsizetype length = 0;
};

Indent indentOf(const QString &line)
{
    Indent in;
    for (const QChar c : line) {
        if (c == QLatin1Char('\t'))
            ++in.tabs;
        else if (c == QLatin1Char(' '))
            ++in.spaces;
        else
            break;
        ++in.length;
    }
    return in;
}

} // namespace

QList<LeveledItem> readOutline(const QString &text)
{
    QStringList lines = text.split(QLatin1Char('\n'));
    QList<Indent> indents;
    QStringList texts;
    // Spaces count in runs of four when every spaced line is indented by a
    // multiple of four, otherwise in runs of two.
    bool allFours = true;
    for (QString &line : lines) {
        if (line.endsWith(QLatin1Char('\r')))
            line.chop(1);
        if (line.trimmed().isEmpty())
            continue;
        const Indent in = indentOf(line);
        if (in.spaces % 4 != 0)
            allFours = false;
        indents << in;
        texts << line.mid(in.length);
    }
    const int unit = allFours ? 4 : 2;
    QList<LeveledItem> out;
    out.reserve(texts.size());
    int shallowest = INT_MAX;
    for (qsizetype i = 0; i < texts.size(); ++i) {
        LeveledItem li;
        li.level = indents[i].tabs + indents[i].spaces / unit;
        li.item.Params[0] = texts[i];
        shallowest = std::min(shallowest, li.level);
        out << std::move(li);
    }
    for (LeveledItem &li : out)
        li.level -= shallowest;
    return out;
}
