#include "project/site/pageplacement.h"

#include "project/model/product.h"

#include <QCoreApplication>
#include <QList>
#include <QRegularExpression>

namespace {

struct PagePlacementText { Q_DECLARE_TR_FUNCTIONS(PagePlacement) };

struct Span
{
    qsizetype start = 0;
    qsizetype end = 0; // one past the last character
};

struct Comment : Span
{
    QString text;
};

struct StartTag : Span
{
    QString name;
    QString src;  // a script's
    bool href = false; // has an href (a <base> that moves every address)
};

// What the scan of a page found: its comments and start tags outside raw
// text (a "<body" inside a script or a comment is not the body).
struct PageScan
{
    QList<Comment> comments;
    QList<StartTag> tags;
    QString error;
};

bool isLetter(QChar c)
{
    return (c >= QLatin1Char('a') && c <= QLatin1Char('z')) || (c >= QLatin1Char('A') && c <= QLatin1Char('Z'));
}

bool isSpace(QChar c)
{
    return c == QLatin1Char(' ') || c == QLatin1Char('\t') || c == QLatin1Char('\n') || c == QLatin1Char('\r') ||
           c == QLatin1Char('\f');
}

// Reads the attributes of a start tag from `i` (after its name) to its ">";
// answers the position after it, or -1 when the tag never ends.
qsizetype readAttributes(const QString &text, qsizetype i, StartTag &tag)
{
    const qsizetype n = text.size();
    while (i < n) {
        while (i < n && (isSpace(text[i]) || text[i] == QLatin1Char('/')))
            ++i;
        if (i >= n)
            return -1;
        if (text[i] == QLatin1Char('>'))
            return i + 1;
        const qsizetype nameStart = i;
        while (i < n && !isSpace(text[i]) && text[i] != QLatin1Char('=') && text[i] != QLatin1Char('>') &&
               text[i] != QLatin1Char('/'))
            ++i;
        const QString name = text.mid(nameStart, i - nameStart).toLower();
        while (i < n && isSpace(text[i]))
            ++i;
        if (i >= n || text[i] != QLatin1Char('='))
            continue;
        ++i;
        while (i < n && isSpace(text[i]))
            ++i;
        QString value;
        if (i < n && (text[i] == QLatin1Char('"') || text[i] == QLatin1Char('\''))) {
            const qsizetype close = text.indexOf(text[i], i + 1);
            if (close < 0)
                return -1;
            value = text.mid(i + 1, close - i - 1);
            i = close + 1;
        } else {
            const qsizetype valueStart = i;
            while (i < n && !isSpace(text[i]) && text[i] != QLatin1Char('>'))
                ++i;
            value = text.mid(valueStart, i - valueStart);
        }
        if (name == QLatin1String("src"))
            tag.src = value.trimmed();
        else if (name == QLatin1String("href"))
            tag.href = true;
    }
    return -1;
}

PageScan scanPage(const QString &text)
{
    static const QStringList rawText = {QStringLiteral("script"),  QStringLiteral("style"),
                                        QStringLiteral("textarea"), QStringLiteral("title"),
                                        QStringLiteral("xmp"),      QStringLiteral("iframe"),
                                        QStringLiteral("noembed"), QStringLiteral("noframes")};
    PageScan scan;
    const qsizetype n = text.size();
    qsizetype i = 0;
    while ((i = text.indexOf(QLatin1Char('<'), i)) >= 0) {
        if (text.mid(i, 4) == QLatin1String("<!--")) {
            // "<!-->" and "<!--->" end at once.
            qsizetype close = text.mid(i + 4, 2) == QLatin1String("->")   ? i + 4
                              : text.mid(i + 4, 1) == QLatin1String(">") ? i + 3
                                                                          : text.indexOf(QLatin1String("-->"), i + 4);
            if (close < 0) {
                scan.error = PagePlacementText::tr("a comment in it never ends");
                return scan;
            }
            Comment comment;
            comment.start = i;
            comment.end = close + 3;
            comment.text = text.mid(i + 4, qMax<qsizetype>(0, close - i - 4));
            scan.comments << comment;
            i = comment.end;
        } else if (i + 1 < n && (text[i + 1] == QLatin1Char('!') || text[i + 1] == QLatin1Char('?') ||
                                 (text[i + 1] == QLatin1Char('/') && i + 2 < n && isLetter(text[i + 2])))) {
            const qsizetype close = text.indexOf(QLatin1Char('>'), i);
            i = close < 0 ? n : close + 1;
        } else if (i + 1 < n && isLetter(text[i + 1])) {
            StartTag tag;
            tag.start = i;
            qsizetype j = i + 1;
            while (j < n && !isSpace(text[j]) && text[j] != QLatin1Char('>') && text[j] != QLatin1Char('/'))
                ++j;
            tag.name = text.mid(i + 1, j - i - 1).toLower();
            const qsizetype after = readAttributes(text, j, tag);
            if (after < 0) {
                scan.error = PagePlacementText::tr("a <%1> tag in it never ends").arg(tag.name);
                return scan;
            }
            tag.end = after;
            scan.tags << tag;
            i = after;
            if (rawText.contains(tag.name)) {
                // The element's text runs to its own end tag, whatever it holds.
                const QRegularExpression endTag(QStringLiteral("</%1[\\s/>]").arg(tag.name),
                                                QRegularExpression::CaseInsensitiveOption);
                const QRegularExpressionMatch m = endTag.match(text, i);
                i = m.hasMatch() ? m.capturedStart() : n;
            }
        } else {
            ++i;
        }
    }
    return scan;
}

// The file an address names, by its last segment: what a script element
// loads, to compare with the block's data file.
QString lastSegment(QString address)
{
    address = address.section(QLatin1Char('#'), 0, 0).section(QLatin1Char('?'), 0, 0);
    return address.section(QLatin1Char('/'), -1);
}

// The blank text before `pos` on its line, when nothing else stands there.
QString indentBefore(const QString &text, qsizetype pos)
{
    qsizetype start = pos;
    while (start > 0 && (text[start - 1] == QLatin1Char(' ') || text[start - 1] == QLatin1Char('\t')))
        --start;
    if (start > 0 && text[start - 1] != QLatin1Char('\n'))
        return {};
    return text.mid(start, pos - start);
}

// The blank text that starts the line after `pos`, when `pos` ends a line.
QString indentAfter(const QString &text, qsizetype pos)
{
    qsizetype i = pos;
    if (i < text.size() && text[i] == QLatin1Char('\r'))
        ++i;
    if (i >= text.size() || text[i] != QLatin1Char('\n'))
        return {};
    const qsizetype start = ++i;
    while (i < text.size() && (text[i] == QLatin1Char(' ') || text[i] == QLatin1Char('\t')))
        ++i;
    return text.mid(start, i - start);
}

PagePlacement refused(const QString &reason)
{
    PagePlacement placement;
    placement.reason = reason;
    return placement;
}

} // namespace

QString blockBeginComment(const PageBlock &block)
{
    // untranslated: a comment written into the page, which finds the block again by it
    return QStringLiteral(" %1 \"%2\": begin. %3 writes this block again each time the menu is added to the page. ")
        .arg(block.menu, block.key, kAppTitle);
}

QString blockEndComment(const PageBlock &block)
{
    // untranslated: written into the page, as the begin comment
    return QStringLiteral(" %1 \"%2\": end ").arg(block.menu, block.key);
}

PagePlacement placeBlock(const QByteArray &page, const PageBlock &block)
{
    if (page.startsWith("\xFE\xFF") || page.startsWith("\xFF\xFE") || page.contains('\0'))
        return refused(PagePlacementText::tr("it is not a text page in an ASCII-based encoding"));
    // One character per byte: every byte outside the block is written back
    // as it was read.
    const QString text = QString::fromLatin1(page);
    const PageScan scan = scanPage(text);
    if (!scan.error.isEmpty())
        return refused(scan.error);

    static const QRegularExpression marker(QStringLiteral("^\\s*Quorna [^\"]* \"([^\"]*)\": (begin|end)\\b"));
    QList<Comment> begins;
    QList<Comment> ends;
    for (const Comment &comment : scan.comments) {
        const QRegularExpressionMatch m = marker.match(comment.text);
        if (!m.hasMatch() || m.captured(1) != block.key)
            continue;
        (m.captured(2) == QLatin1String("begin") ? begins : ends) << comment;
    }
    if (begins.size() > 1)
        return refused(PagePlacementText::tr("it holds %1 blocks of %2; delete all but one").arg(begins.size()).arg(block.key));
    if (begins.size() != ends.size() || (!begins.isEmpty() && ends.first().start < begins.first().end))
        return refused(PagePlacementText::tr("the block of %1 in it has lost its begin or end comment").arg(block.key));

    const QString newline = text.contains(QLatin1String("\r\n")) ? QStringLiteral("\r\n") : QStringLiteral("\n");
    Span replaced;
    QString indent;
    if (!begins.isEmpty()) {
        replaced = {begins.first().start, ends.first().end};
        indent = indentBefore(text, replaced.start);
    } else {
        const StartTag *body = nullptr;
        for (const StartTag &tag : scan.tags) {
            if (tag.name == QLatin1String("frameset"))
                return refused(PagePlacementText::tr("it is a frameset; add the menu to the page of a frame"));
            if (tag.name == QLatin1String("body") && !body)
                body = &tag;
        }
        if (!body)
            return refused(PagePlacementText::tr("it has no <body> tag"));
        replaced = {body->end, body->end};
        indent = indentAfter(text, body->end);
    }
    // A data script outside the block would start the menu a second time,
    // and a base address would lead the block's relative addresses elsewhere.
    for (const StartTag &tag : scan.tags) {
        if (tag.name == QLatin1String("base") && tag.href)
            return refused(PagePlacementText::tr("its <base> element changes what the menu's addresses lead to"));
        const bool inBlock = tag.start >= replaced.start && tag.end <= replaced.end;
        if (tag.name == QLatin1String("script") && !inBlock &&
            lastSegment(tag.src).compare(block.key, Qt::CaseInsensitive) == 0)
            return refused(PagePlacementText::tr("it loads %1 already, outside a block of %2; take out that script "
                                                 "element first")
                               .arg(block.key, kAppTitle));
    }

    QStringList lines;
    lines << QStringLiteral("<!--") + blockBeginComment(block) + QStringLiteral("-->");
    lines << block.lines.split(QLatin1Char('\n'));
    lines << QStringLiteral("<!--") + blockEndComment(block) + QStringLiteral("-->");
    QString blockText = lines.join(newline + indent);
    if (begins.isEmpty())
        blockText = newline + indent + blockText;

    const QString result = text.left(replaced.start) + blockText + text.mid(replaced.end);
    PagePlacement placement;
    placement.blockFound = !begins.isEmpty();
    placement.page = result.toLatin1();
    placement.outcome = placement.page == page ? PagePlacement::Outcome::Unchanged : PagePlacement::Outcome::Changed;
    if (placement.outcome == PagePlacement::Outcome::Unchanged)
        placement.page.clear();
    return placement;
}
