#include "project/site/navlist.h"

#include <QTextDocumentFragment>

QString asciiHtml(const QString &text)
{
    QString out;
    out.reserve(text.size());
    for (const char32_t c : text.toUcs4()) {
        switch (c) {
        case U'&': out += QStringLiteral("&amp;"); break;
        case U'<': out += QStringLiteral("&lt;"); break;
        case U'>': out += QStringLiteral("&gt;"); break;
        case U'"': out += QStringLiteral("&quot;"); break;
        default:
            if (c >= 0x20 && c < 0x7F)
                out += QChar(static_cast<char16_t>(c));
            else if (c == U'\t' || c == U'\n' || c == U'\r')
                out += QLatin1Char(' ');
            // Control characters are not allowed in HTML text at all.
            else if (c >= 0xA0)
                out += QStringLiteral("&#%1;").arg(static_cast<uint>(c));
        }
    }
    return out;
}

QString plainItemText(const QString &html)
{
    // The menu reads item text as HTML; the list shows what a visitor reads.
    // A picture stands in the text as an object mark; it has no words.
    return QTextDocumentFragment::fromHtml(html).toPlainText().remove(QChar::ObjectReplacementCharacter).simplified();
}

QString navListHtml(const QList<NavEntry> &entries, const QString &label, const QString &newline)
{
    QStringList lines;
    lines << QStringLiteral("<nav aria-label=\"%1\">").arg(asciiHtml(label));
    int depth = -1; // levels of <ul> open, minus one
    bool itemOpen = false;
    for (const NavEntry &entry : entries) {
        if (entry.text.trimmed() == QLatin1String("-"))
            continue;
        // An item shown only by its picture is named by its tooltip, else by
        // its address: a link without a name is of no use in a list.
        QString text = plainItemText(entry.text);
        if (text.isEmpty() && !entry.href.isEmpty())
            text = entry.title.isEmpty() ? entry.href : plainItemText(entry.title);
        if (text.isEmpty())
            continue;
        const int level = qBound(0, entry.level, depth + 1);
        const QString indent(2 * (level + 1), QLatin1Char(' '));
        if (level > depth) {
            lines << indent.left(indent.size() - 2) + QStringLiteral("<ul>");
            depth = level;
        } else {
            lines.last() += QStringLiteral("</li>");
            while (depth > level) {
                lines << QString(2 * depth, QLatin1Char(' ')) + QStringLiteral("</ul></li>");
                --depth;
            }
        }
        QString item = asciiHtml(text);
        if (!entry.href.isEmpty()) {
            QString attrs = QStringLiteral(" href=\"%1\"").arg(asciiHtml(entry.href));
            if (!entry.target.isEmpty())
                attrs += QStringLiteral(" target=\"%1\"").arg(asciiHtml(entry.target));
            if (!entry.title.isEmpty())
                attrs += QStringLiteral(" title=\"%1\"").arg(asciiHtml(plainItemText(entry.title)));
            item = QStringLiteral("<a%1>%2</a>").arg(attrs, item);
        }
        lines << indent + QStringLiteral("<li>") + item;
        itemOpen = true;
    }
    if (itemOpen) {
        lines.last() += QStringLiteral("</li>");
        while (depth > 0) {
            lines << QString(2 * depth, QLatin1Char(' ')) + QStringLiteral("</ul></li>");
            --depth;
        }
        lines << QStringLiteral("</ul>");
    }
    lines << QStringLiteral("</nav>");
    return lines.join(newline);
}
