#pragma once

#include <QList>
#include <QString>

// The menu as a plain nested list of links, for visitors without JavaScript
// and for crawlers that read only the page's HTML: written inside a
// <noscript> in the page's body, with the items' texts and links.

struct NavEntry
{
    int level = 0;    // 0 for a top item; one more for each submenu
    QString text;     // the item's text, HTML allowed as in the menu
    QString href;     // the address as the page reads it; empty: no link
    QString target;   // empty: the same window
    QString title;    // the tooltip
};

// "<nav ...><ul>...</ul></nav>" lines joined by `newline`, only ASCII: every
// other character is written as a character reference, so the list reads
// the same in a page of any ASCII-based encoding. Separators ("-") and
// entries without text or link are left out; a link shown only by a picture
// is named by its tooltip, else by its address; a level deeper than the one before by
// more than one is taken as one deeper.
QString navListHtml(const QList<NavEntry> &entries, const QString &label, const QString &newline);

// The visible text of item HTML: tags taken out, character references read,
// white space folded.
QString plainItemText(const QString &html);

// `text` escaped for HTML text or a double-quoted attribute, characters
// outside ASCII written as "&#N;".
QString asciiHtml(const QString &text);
