#include "project/datafile/datatextscan.h"

#include "project/model/menutypes.h"

#include <QRegularExpression>

#include <algorithm>

namespace {

bool isIdentifierChar(QChar c)
{
    return c.isLetterOrNumber() || c == QLatin1Char('_') || c == QLatin1Char('$');
}

// True when `at` begins a statement: nothing but blanks since the start of
// the text, a line break, or the end of a statement or block.
bool startsStatement(const QString &code, qsizetype at)
{
    for (qsizetype i = at - 1; i >= 0; --i) {
        const QChar c = code.at(i);
        if (c == QLatin1Char('\n') || c == QLatin1Char('\r') || c == QLatin1Char(';') || c == QLatin1Char('{') ||
            c == QLatin1Char('}'))
            return true;
        if (!c.isSpace())
            return false;
    }
    return true;
}

// The string literal starting at `quote` in `text`, without escapes resolved
// (type names have none).
QString literalAt(const QString &text, qsizetype quote)
{
    const QChar q = text.at(quote);
    const qsizetype end = text.indexOf(q, quote + 1);
    return end < 0 ? QString() : text.mid(quote + 1, end - quote - 1);
}

} // namespace

QString CodeOfDataText(const QString &text)
{
    QString code = text;
    const qsizetype n = text.size();
    const QChar *in = text.constData();
    // One detach for the whole text, not one check per blanked character.
    QChar *out = code.data();
    qsizetype i = 0;
    auto blank = [out](qsizetype from, qsizetype to) {
        for (qsizetype k = from; k < to; ++k)
            if (out[k] != QLatin1Char('\n') && out[k] != QLatin1Char('\r'))
                out[k] = QLatin1Char(' ');
    };
    while (i < n) {
        const QChar c = in[i];
        if (c == QLatin1Char('/') && i + 1 < n && in[i + 1] == QLatin1Char('/')) {
            qsizetype end = i + 2;
            while (end < n && in[end] != QLatin1Char('\n') && in[end] != QLatin1Char('\r'))
                ++end;
            blank(i + 2, end);
            i = end;
        } else if (c == QLatin1Char('/') && i + 1 < n && in[i + 1] == QLatin1Char('*')) {
            qsizetype end = text.indexOf(QStringLiteral("*/"), i + 2);
            end = end < 0 ? n : end;
            blank(i + 2, end);
            i = end + 2;
        } else if (c == QLatin1Char('"') || c == QLatin1Char('\'') || c == QLatin1Char('`')) {
            qsizetype end = i + 1;
            while (end < n && in[end] != c) {
                // A plain string ends at a line break even when unclosed.
                if (c != QLatin1Char('`') && (in[end] == QLatin1Char('\n') || in[end] == QLatin1Char('\r')))
                    break;
                end += in[end] == QLatin1Char('\\') ? 2 : 1;
            }
            end = qMin(end, n);
            blank(i + 1, end);
            i = end + 1;
        } else {
            ++i;
        }
    }
    return code;
}

int MenuTypeNamedIn(const QString &text)
{
    static const QRegularExpression statement(
        QStringLiteral("(?:\\b(?:var|let|const)\\s+)?\\b(menuType|tmenuType|tabsType)\\s*=\\s*(?=[\"'])"));
    const QString code = CodeOfDataText(text);
    int named = -1;
    for (auto it = statement.globalMatch(code); it.hasNext();) {
        const QRegularExpressionMatch m = it.next();
        if (!startsStatement(code, m.capturedStart()))
            continue;
        const QString value = literalAt(text, m.capturedEnd());
        named = -1;
        for (int t = 0; t < kMenuTypeCount; ++t) {
            const MenuType &type = menuTypes().at(static_cast<size_t>(t));
            if (type.typeVariableName == m.captured(1) && type.folder == value)
                named = t;
        }
    }
    return named;
}

int OtherMenuTypeIn(const QString &text, int currentType)
{
    auto isTabs = [](int t) { return t == 2 || t == 3; };
    auto other = [&](int t) { return t != currentType && !(isTabs(t) && isTabs(currentType)); };
    // Most texts name no other type's start function anywhere: then none of
    // their code does either, and the code need not be told from the rest.
    bool named = false;
    for (int t = 0; t < kMenuTypeCount && !named; ++t)
        named = other(t) && text.contains(menuTypes().at(static_cast<size_t>(t)).initFunctionName);
    if (!named)
        return -1;
    const QString code = CodeOfDataText(text);
    for (int t = 0; t < kMenuTypeCount; ++t) {
        if (!other(t))
            continue;
        const QString &name = menuTypes().at(static_cast<size_t>(t)).initFunctionName;
        for (qsizetype at = code.indexOf(name); at >= 0; at = code.indexOf(name, at + 1)) {
            if (at > 0 && (isIdentifierChar(code.at(at - 1)) || code.at(at - 1) == QLatin1Char('.')))
                continue;
            // The start function and its relatives (qrn_initFrame) share the name's start.
            qsizetype end = at + name.size();
            while (end < code.size() && isIdentifierChar(code.at(end)))
                ++end;
            while (end < code.size() && code.at(end).isSpace())
                ++end;
            if (end < code.size() && code.at(end) == QLatin1Char('(') && startsStatement(code, at))
                return t;
        }
    }
    return -1;
}

bool AssignsName(const QString &text, const QString &name)
{
    const QRegularExpression assignment(
        QStringLiteral("(?<![\\w$.])%1\\s*=(?!=)").arg(QRegularExpression::escape(name)));
    return assignment.match(CodeOfDataText(text)).hasMatch();
}

int LineOfPosition(const QString &text, qsizetype position)
{
    const qsizetype end = qBound<qsizetype>(0, position, text.size());
    const int breaks = static_cast<int>(QStringView(text).first(end).count(QLatin1Char('\n')));
    // The reader's text puts a line break before the first line too.
    return text.startsWith(QLatin1String("\r\n")) ? breaks : breaks + 1;
}

QList<ListEntryPlace> ListEntryPlacesIn(const QString &text, const QString &name)
{
    QList<ListEntryPlace> places;
    const QString code = CodeOfDataText(text);
    const QRegularExpression assignment(
        QStringLiteral("(?<![\\w$.])%1\\s*=(?!=)\\s*\\[").arg(QRegularExpression::escape(name)));
    qsizetype open = -1;
    for (auto it = assignment.globalMatch(code); it.hasNext();)
        open = it.next().capturedEnd() - 1;
    if (open < 0)
        return places;
    // Lines are counted as the walk goes: one count over the text, however long.
    int line = LineOfPosition(text, open);
    int depth = 0;
    qsizetype entryStart = -1; // first character of the current entry that is code
    int entryLine = 0;
    int lastCloseLine = 0;     // a top-level list of this entry just closed
    ListEntryPlace current;
    auto endEntry = [&](bool last) {
        if (entryStart < 0) {
            // A last comma ends the list without an element after it.
            if (last)
                return;
            current.hole = true;
            current.line = line;
        } else {
            current.line = entryLine;
        }
        places << current;
        current = ListEntryPlace();
        entryStart = -1;
        lastCloseLine = 0;
    };
    for (qsizetype i = open + 1; i < code.size(); ++i) {
        const QChar c = code.at(i);
        if (c == QLatin1Char('\n')) {
            ++line;
            continue;
        }
        if (c.isSpace() || c == QLatin1Char('/') || c == QLatin1Char('*'))
            continue;
        if (depth == 0 && c == QLatin1Char(',')) {
            endEntry(false);
            continue;
        }
        if (depth == 0 && c == QLatin1Char(']')) {
            endEntry(true);
            break;
        }
        if (entryStart < 0) {
            entryStart = i;
            entryLine = line;
        }
        if (c == QLatin1Char('[') || c == QLatin1Char('(') || c == QLatin1Char('{')) {
            if (depth == 0 && c == QLatin1Char('[') && lastCloseLine > 0 && current.joinedAfterLine == 0)
                current.joinedAfterLine = lastCloseLine;
            ++depth;
        } else if (c == QLatin1Char(']') || c == QLatin1Char(')') || c == QLatin1Char('}')) {
            --depth;
            lastCloseLine = depth == 0 && c == QLatin1Char(']') ? line : 0;
        } else if (depth == 0) {
            lastCloseLine = 0;
        }
    }
    return places;
}

QList<JoinedDeclaration> JoinedDeclarationsIn(const QString &text, const QStringList &names)
{
    QList<JoinedDeclaration> found;
    // What follows the name must look like the value an "=" would have
    // given it: `var menuItemsShown;` is a name of its own.
    static const QRegularExpression value(QStringLiteral("^(?:\\d[\\d.]*|true|false|null)$"));
    // Candidates are looked for in the text as it is, with a plain search
    // that costs little on a file of thousands of items; only a text that
    // has one is told apart into code and strings.
    QString code;
    for (const QLatin1String keyword : {QLatin1String("var"), QLatin1String("let")}) {
        for (qsizetype at = text.indexOf(keyword); at >= 0; at = text.indexOf(keyword, at + 3)) {
            if (at > 0 && (isIdentifierChar(text.at(at - 1)) || text.at(at - 1) == QLatin1Char('.')))
                continue;
            qsizetype start = at + 3;
            if (start >= text.size() || !text.at(start).isSpace())
                continue;
            while (start < text.size() && text.at(start).isSpace())
                ++start;
            qsizetype end = start;
            while (end < text.size() && isIdentifierChar(text.at(end)))
                ++end;
            const QStringView declared = QStringView(text).mid(start, end - start);
            const auto prefix = std::find_if(names.cbegin(), names.cend(), [declared](const QString &name) {
                return declared.size() > name.size() && declared.startsWith(name) &&
                       value.match(declared.mid(name.size())).hasMatch();
            });
            if (prefix == names.cend())
                continue;
            if (code.isEmpty())
                code = CodeOfDataText(text);
            if (code.at(at) != text.at(at))
                continue; // inside a string or a comment
            // A value may follow on the next line; `for (var k in ...)` has none.
            qsizetype next = end;
            while (next < code.size() && code.at(next).isSpace())
                ++next;
            if (next < code.size() && code.at(next) != QLatin1Char(';') && code.at(next) != QLatin1Char(','))
                continue;
            found.append({LineOfPosition(text, start), declared.toString(), *prefix});
        }
    }
    std::sort(found.begin(), found.end(),
              [](const JoinedDeclaration &a, const JoinedDeclaration &b) { return a.line < b.line; });
    return found;
}
