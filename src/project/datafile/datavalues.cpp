#include "project/datafile/datavalues.h"

namespace {

// untranslated: what JavaScript itself makes of an object as a text
const QString kObjectText = QStringLiteral("[object Object]");

bool isSpace(QChar c)
{
    return c == u' ' || c == u'\t' || c == u'\n' || c == u'\r';
}

qsizetype skipSpace(QStringView s, qsizetype i)
{
    while (i < s.size() && isSpace(s[i]))
        ++i;
    return i;
}

// Just past the string whose opening quote is at i; `escaped` is set when
// it holds an escape.
qsizetype stringEnd(QStringView s, qsizetype i, bool *escaped = nullptr)
{
    const char16_t *p = s.utf16();
    const qsizetype n = s.size();
    for (++i; i < n; ++i) {
        const char16_t c = p[i];
        if (c == u'\\') {
            ++i;
            if (escaped)
                *escaped = true;
        } else if (c == u'"') {
            return i + 1;
        }
    }
    return n;
}

// Just past the value that starts at i. Brackets are counted, not followed,
// so no depth costs more than its length.
qsizetype valueEnd(QStringView s, qsizetype i)
{
    qsizetype depth = 0;
    while (i < s.size()) {
        const QChar c = s[i];
        if (c == u'"') {
            i = stringEnd(s, i);
            if (depth == 0)
                return i;
            continue;
        }
        if (c == u'[' || c == u'{') {
            ++depth;
        } else if (c == u']' || c == u'}') {
            if (depth == 0)
                return i;
            if (--depth == 0)
                return i + 1;
        } else if (depth == 0 && (c == u',' || c == u':' || isSpace(c))) {
            return i;
        }
        ++i;
    }
    return i;
}

// The text of a JSON string, quotes included; `plain` when it is known to
// hold no escape.
QString unquoted(QStringView s, bool plain = false)
{
    if (s.size() < 2)
        return {};
    const QStringView inner = s.mid(1, s.size() - 2);
    if (plain || !inner.contains(u'\\'))
        return inner.toString();
    QString out;
    out.reserve(inner.size());
    for (qsizetype i = 0; i < inner.size(); ++i) {
        const QChar c = inner[i];
        if (c != u'\\') {
            out += c;
            continue;
        }
        if (++i >= inner.size())
            break;
        switch (inner[i].unicode()) {
        case u'b': out += u'\b'; break;
        case u'f': out += u'\f'; break;
        case u'n': out += u'\n'; break;
        case u'r': out += u'\r'; break;
        case u't': out += u'\t'; break;
        case u'u': {
            bool ok = false;
            const ushort unit = inner.mid(i + 1, 4).toUShort(&ok, 16);
            if (ok && i + 4 < inner.size()) {
                out += QChar(unit);
                i += 4;
            }
            break;
        }
        default: out += inner[i]; break; // " \ /
        }
    }
    return out;
}

// Elements of an array or members of an object: `takeName` says which.
template <typename Take>
void walkContainer(QStringView json, QChar open, QChar close, Take take)
{
    qsizetype i = skipSpace(json, 0);
    if (i >= json.size() || json[i] != open)
        return;
    i = skipSpace(json, i + 1);
    while (i < json.size() && json[i] != close) {
        const qsizetype next = take(i);
        if (next <= i)
            return;
        i = skipSpace(json, next);
        if (i >= json.size() || json[i] != u',')
            return;
        i = skipSpace(json, i + 1);
    }
}

} // namespace

QList<std::pair<QString, QStringView>> JsonObjectMembers(QStringView json)
{
    QList<std::pair<QString, QStringView>> out;
    walkContainer(json, u'{', u'}', [&](qsizetype i) -> qsizetype {
        if (json[i] != u'"')
            return i;
        const qsizetype nameEnd = stringEnd(json, i);
        const qsizetype colon = skipSpace(json, nameEnd);
        if (colon >= json.size() || json[colon] != u':')
            return i;
        const qsizetype start = skipSpace(json, colon + 1);
        const qsizetype end = valueEnd(json, start);
        if (end == start)
            return i;
        out.append({unquoted(json.mid(i, nameEnd - i)), json.mid(start, end - start)});
        return end;
    });
    return out;
}

QList<QStringView> JsonArrayElements(QStringView json)
{
    QList<QStringView> out;
    walkContainer(json, u'[', u']', [&](qsizetype i) -> qsizetype {
        const qsizetype end = valueEnd(json, i);
        if (end > i)
            out.append(json.mid(i, end - i));
        return end;
    });
    return out;
}

QString JsonValueText(QStringView json)
{
    json = json.trimmed();
    if (json.isEmpty() || json == u"null")
        return {};
    const QChar first = json[0];
    if (first == u'"')
        return unquoted(json);
    if (first == u'{')
        return kObjectText;
    if (first != u'[')
        return json.toString();
    // Joined at every depth: the brackets go, every comma between elements
    // stays, and null elements are empty.
    QString out;
    qsizetype i = 0;
    while (i < json.size()) {
        const QChar c = json[i];
        if (c == u'[' || c == u']' || isSpace(c)) {
            ++i;
            continue;
        }
        if (c == u',') {
            out += c;
            ++i;
            continue;
        }
        const qsizetype end = valueEnd(json, i);
        if (end <= i) {
            ++i;
            continue;
        }
        const QStringView value = json.mid(i, end - i);
        if (c == u'"')
            out += unquoted(value);
        else if (c == u'{')
            out += kObjectText;
        else if (value != u"null")
            out += value;
        i = end;
    }
    return out;
}

QStringList JsonArrayTexts(QStringView json)
{
    QStringList out;
    walkContainer(json, u'[', u']', [&](qsizetype i) -> qsizetype {
        // Strings, by far the most common, in one pass.
        if (json[i] == u'"') {
            bool escaped = false;
            const qsizetype end = stringEnd(json, i, &escaped);
            out.append(unquoted(json.mid(i, end - i), !escaped));
            return end;
        }
        const qsizetype end = valueEnd(json, i);
        if (end > i)
            out.append(JsonValueText(json.mid(i, end - i)));
        return end;
    });
    return out;
}
