#include "project/navimport.h"

#include <QHash>
#include <QRegularExpression>
#include <QSet>
#include <QUrl>
#include <QXmlStreamReader>
#include <memory>
#include <vector>

namespace navimport {
namespace {

// A forgiving HTML reader: enough of a document tree to find lists, links
// and their labels in what browsers copy and what sites serve, closing what
// authors leave open.
struct Element
{
    QString name; // lower case; empty for text
    QHash<QString, QString> attrs;
    QString text;
    Element *parent = nullptr;
    std::vector<std::unique_ptr<Element>> children;

    bool is(QLatin1StringView n) const { return name == n; }
    bool isList() const { return name == QLatin1String("ul") || name == QLatin1String("ol") || name == QLatin1String("menu"); }
};

const QSet<QString> &voidElements()
{
    static const QSet<QString> names = {"area", "base", "br", "col", "embed", "hr", "img", "input",
                                        "link", "meta", "source", "track", "wbr"};
    return names;
}

QString decodeEntities(const QString &s)
{
    if (!s.contains(QLatin1Char('&')))
        return s;
    static const QHash<QString, QString> named = {
        {"amp", "&"}, {"lt", "<"}, {"gt", ">"}, {"quot", "\""}, {"apos", "'"}, {"nbsp", QString(QChar(0xA0))},
        {"ndash", QString(QChar(0x2013))}, {"mdash", QString(QChar(0x2014))}, {"hellip", QString(QChar(0x2026))},
        {"copy", QString(QChar(0xA9))}, {"reg", QString(QChar(0xAE))}, {"raquo", QString(QChar(0xBB))},
        {"laquo", QString(QChar(0xAB))}, {"rsquo", QString(QChar(0x2019))}, {"lsquo", QString(QChar(0x2018))},
        {"rdquo", QString(QChar(0x201D))}, {"ldquo", QString(QChar(0x201C))}};
    QString out;
    out.reserve(s.size());
    for (qsizetype i = 0; i < s.size(); ++i) {
        if (s[i] != QLatin1Char('&')) {
            out += s[i];
            continue;
        }
        const qsizetype semi = s.indexOf(QLatin1Char(';'), i + 1);
        if (semi < 0 || semi - i > 10) {
            out += s[i];
            continue;
        }
        const QString name = s.mid(i + 1, semi - i - 1);
        bool ok = false;
        char32_t code = 0;
        if (name.startsWith(QLatin1String("#x")) || name.startsWith(QLatin1String("#X")))
            code = name.mid(2).toUInt(&ok, 16);
        else if (name.startsWith(QLatin1Char('#')))
            code = name.mid(1).toUInt(&ok, 10);
        if (ok && code > 0 && code <= 0x10FFFF) {
            out += QString::fromUcs4(&code, 1);
            i = semi;
        } else if (named.contains(name)) {
            out += named.value(name);
            i = semi;
        } else {
            out += s[i];
        }
    }
    return out;
}

std::unique_ptr<Element> parseHtml(const QString &html)
{
    auto root = std::make_unique<Element>();
    root->name = QStringLiteral("#root");
    Element *cur = root.get();
    const qsizetype n = html.size();
    qsizetype i = 0;

    // An end tag closes the nearest open element of its name and everything
    // left open inside it; one with nothing to close is ignored.
    auto close = [&cur](const QString &name) {
        for (Element *e = cur; e && e->parent; e = e->parent)
            if (e->name == name) {
                cur = e->parent;
                return;
            }
    };
    auto addText = [&cur](const QString &raw) {
        if (raw.isEmpty())
            return;
        auto t = std::make_unique<Element>();
        t->text = decodeEntities(raw);
        t->parent = cur;
        cur->children.push_back(std::move(t));
    };

    while (i < n) {
        if (html[i] != QLatin1Char('<')) {
            qsizetype next = html.indexOf(QLatin1Char('<'), i);
            if (next < 0)
                next = n;
            addText(html.mid(i, next - i));
            i = next;
            continue;
        }
        if (html.mid(i, 4) == QLatin1String("<!--")) {
            const qsizetype end = html.indexOf(QLatin1String("-->"), i + 4);
            i = end < 0 ? n : end + 3;
            continue;
        }
        const QChar c = i + 1 < n ? html[i + 1] : QChar();
        if (c == QLatin1Char('!') || c == QLatin1Char('?')) {
            const qsizetype end = html.indexOf(QLatin1Char('>'), i);
            i = end < 0 ? n : end + 1;
            continue;
        }
        if (c == QLatin1Char('/')) {
            qsizetype j = i + 2;
            while (j < n && (html[j].isLetterOrNumber() || html[j] == QLatin1Char('-')))
                ++j;
            const QString name = html.mid(i + 2, j - i - 2).toLower();
            const qsizetype end = html.indexOf(QLatin1Char('>'), j);
            i = end < 0 ? n : end + 1;
            if (!name.isEmpty())
                close(name);
            continue;
        }
        if (!c.isLetter()) {
            addText(QStringLiteral("<"));
            ++i;
            continue;
        }
        // A start tag with its attributes.
        qsizetype j = i + 1;
        while (j < n && (html[j].isLetterOrNumber() || html[j] == QLatin1Char('-') || html[j] == QLatin1Char(':')))
            ++j;
        auto e = std::make_unique<Element>();
        e->name = html.mid(i + 1, j - i - 1).toLower();
        bool selfClosing = false;
        while (j < n && html[j] != QLatin1Char('>')) {
            if (html[j].isSpace()) {
                ++j;
                continue;
            }
            if (html[j] == QLatin1Char('/')) {
                selfClosing = true;
                ++j;
                continue;
            }
            qsizetype k = j;
            while (k < n && !html[k].isSpace() && html[k] != QLatin1Char('=') && html[k] != QLatin1Char('>') &&
                   html[k] != QLatin1Char('/'))
                ++k;
            const QString attr = html.mid(j, k - j).toLower();
            QString value;
            j = k;
            while (j < n && html[j].isSpace())
                ++j;
            if (j < n && html[j] == QLatin1Char('=')) {
                ++j;
                while (j < n && html[j].isSpace())
                    ++j;
                if (j < n && (html[j] == QLatin1Char('"') || html[j] == QLatin1Char('\''))) {
                    const QChar quote = html[j];
                    const qsizetype end = html.indexOf(quote, j + 1);
                    value = html.mid(j + 1, (end < 0 ? n : end) - j - 1);
                    j = end < 0 ? n : end + 1;
                } else {
                    k = j;
                    while (k < n && !html[k].isSpace() && html[k] != QLatin1Char('>'))
                        ++k;
                    value = html.mid(j, k - j);
                    j = k;
                }
                selfClosing = false;
            }
            if (!attr.isEmpty())
                e->attrs.insert(attr, decodeEntities(value));
        }
        i = j < n ? j + 1 : n;
        const QString name = e->name;
        // A new item closes the one before it in the same list; a link
        // cannot hold another link.
        if (name == QLatin1String("li")) {
            for (Element *p = cur; p && p->parent && !p->isList(); p = p->parent)
                if (p->is(QLatin1String("li"))) {
                    cur = p->parent;
                    break;
                }
        } else if (name == QLatin1String("a")) {
            for (Element *p = cur; p && p->parent && !p->isList() && !p->is(QLatin1String("li")); p = p->parent)
                if (p->is(QLatin1String("a"))) {
                    cur = p->parent;
                    break;
                }
        }
        e->parent = cur;
        Element *raw = e.get();
        cur->children.push_back(std::move(e));
        if (name == QLatin1String("script") || name == QLatin1String("style")) {
            // Their text is not the page's content.
            const qsizetype end = html.indexOf(QLatin1String("</") + name, i, Qt::CaseInsensitive);
            const qsizetype close = end < 0 ? -1 : html.indexOf(QLatin1Char('>'), end);
            i = close < 0 ? n : close + 1;
            continue;
        }
        if (!selfClosing && !voidElements().contains(name))
            cur = raw;
    }
    return root;
}

QString textOf(const Element *e, bool skipLists)
{
    if (e->name.isEmpty())
        return e->text;
    QString out;
    for (const auto &c : e->children) {
        if (skipLists && c->isList())
            continue;
        if (c->is(QLatin1String("br")))
            out += QLatin1Char(' ');
        out += textOf(c.get(), skipLists);
    }
    return out;
}

QString clean(const QString &text)
{
    return text.simplified().replace(QChar(0xA0), QLatin1Char(' ')).simplified();
}

// Item texts are HTML in the data file: markup characters stay characters,
// and a "|" at the start is not taken for a level mark.
QString itemText(const QString &plain)
{
    QString t = plain.toHtmlEscaped();
    if (t.startsWith(QLatin1Char('|')))
        t = QStringLiteral("&#124;") + t.mid(1);
    return t;
}

template<typename Visit>
void forEachElement(const Element *e, Visit visit)
{
    for (const auto &c : e->children)
        if (!c->name.isEmpty()) {
            if (!visit(c.get()))
                continue; // not into this one
            forEachElement(c.get(), visit);
        }
}

int linkCount(const Element *e)
{
    int links = 0;
    forEachElement(e, [&links](const Element *x) {
        if (x->is(QLatin1String("a")) && x->attrs.contains(QStringLiteral("href")))
            ++links;
        return true;
    });
    return links;
}

LeveledItem itemFor(const Element *label, int level, const QString &fallbackText)
{
    LeveledItem li;
    li.level = level;
    QString text = label ? clean(textOf(label, true)) : QString();
    if (label && text.isEmpty()) {
        // An icon link: its picture's alternative text or the link's own label.
        text = label->attrs.value(QStringLiteral("aria-label"));
        forEachElement(label, [&text](const Element *x) {
            if (text.isEmpty() && x->is(QLatin1String("img")))
                text = x->attrs.value(QStringLiteral("alt"));
            return text.isEmpty();
        });
        text = clean(text);
    }
    if (text.isEmpty())
        text = clean(fallbackText);
    li.item.Params[kText] = itemText(text);
    if (label && label->is(QLatin1String("a"))) {
        li.item.Params[kLink] = label->attrs.value(QStringLiteral("href")).trimmed();
        li.item.Params[kTarget] = label->attrs.value(QStringLiteral("target")).trimmed();
    }
    if (label)
        li.item.Params[kTooltip] = clean(label->attrs.value(QStringLiteral("title")));
    return li;
}

void walkList(const Element *list, int level, QList<LeveledItem> &out);

void walkItem(const Element *li, int level, QList<LeveledItem> &out)
{
    // The label: the first link, summary or menu button of the item, outside
    // its nested lists.
    const Element *label = nullptr;
    forEachElement(li, [&label](const Element *x) {
        if (label || x->isList())
            return false;
        if (x->is(QLatin1String("a")) || x->is(QLatin1String("summary")) || x->is(QLatin1String("button"))) {
            label = x;
            return false;
        }
        return true;
    });
    const QString ownText = textOf(li, true);
    if (!label && clean(ownText).isEmpty()) {
        // A wrapper without a label of its own: its lists belong to this level.
        forEachElement(li, [&](const Element *x) {
            if (x->isList()) {
                walkList(x, level, out);
                return false;
            }
            return true;
        });
        return;
    }
    out << itemFor(label, level, ownText);
    forEachElement(li, [&](const Element *x) {
        if (x->isList()) {
            walkList(x, level + 1, out);
            return false;
        }
        return true;
    });
}

void walkList(const Element *list, int level, QList<LeveledItem> &out)
{
    // Items are the list's li elements, also where an author wrapped them.
    forEachElement(list, [&](const Element *x) {
        if (x->is(QLatin1String("li"))) {
            walkItem(x, level, out);
            return false;
        }
        return !x->isList();
    });
}

// Items from an element's lists, or from its links when it has no list.
QList<LeveledItem> itemsIn(const Element *scope)
{
    QList<LeveledItem> out;
    forEachElement(scope, [&out](const Element *x) {
        if (x->isList()) {
            walkList(x, 0, out);
            return false;
        }
        return true;
    });
    if (!out.isEmpty())
        return out;
    forEachElement(scope, [&out](const Element *x) {
        if (x->is(QLatin1String("a")) && x->attrs.contains(QStringLiteral("href"))) {
            out << itemFor(x, 0, QString());
            return false;
        }
        return true;
    });
    return out;
}

} // namespace

QList<LeveledItem> fromFragment(const QString &html)
{
    const auto root = parseHtml(html);
    return itemsIn(root.get());
}

QList<LeveledItem> fromPage(const QString &html)
{
    const auto root = parseHtml(html);
    const Element *best = nullptr;
    int bestLinks = 0;
    forEachElement(root.get(), [&](const Element *x) {
        if (x->is(QLatin1String("nav"))) {
            const int links = linkCount(x);
            if (links > bestLinks) {
                best = x;
                bestLinks = links;
            }
        }
        return true;
    });
    if (!best) {
        forEachElement(root.get(), [&](const Element *x) {
            if (!x->isList())
                return true;
            const int links = linkCount(x);
            if (links > bestLinks) {
                best = x;
                bestLinks = links;
            }
            return false; // a nested list is part of this one
        });
        if (best) {
            QList<LeveledItem> out;
            walkList(best, 0, out);
            return out;
        }
        return {};
    }
    return itemsIn(best);
}

QString nameFromSegment(const QString &segment)
{
    QString s = QUrl::fromPercentEncoding(segment.toUtf8());
    static const QRegularExpression extension(QStringLiteral("\\.(html?|php|aspx?|jsp|cfm|shtml)$"),
                                              QRegularExpression::CaseInsensitiveOption);
    s.remove(extension);
    s.replace(QLatin1Char('-'), QLatin1Char(' ')).replace(QLatin1Char('_'), QLatin1Char(' '));
    s.replace(QLatin1Char('+'), QLatin1Char(' '));
    s = s.simplified();
    if (!s.isEmpty())
        s[0] = s[0].toUpper();
    return s;
}

QList<LeveledItem> fromSitemap(const QString &xml)
{
    struct Node
    {
        QString segment;
        QString url;
        std::vector<std::unique_ptr<Node>> children;
    };
    Node root;
    QString homeUrl;
    QXmlStreamReader reader(xml);
    while (!reader.atEnd()) {
        reader.readNext();
        if (!reader.isStartElement() || reader.name() != QLatin1String("loc"))
            continue;
        const QString address = reader.readElementText().trimmed();
        const QUrl url(address);
        if (address.isEmpty() || !url.isValid())
            continue;
        const QStringList segments = url.path().split(QLatin1Char('/'), Qt::SkipEmptyParts);
        if (segments.isEmpty()) {
            if (homeUrl.isEmpty())
                homeUrl = address;
            continue;
        }
        Node *n = &root;
        for (const QString &seg : segments) {
            Node *next = nullptr;
            for (auto &c : n->children)
                if (c->segment == seg)
                    next = c.get();
            if (!next) {
                n->children.push_back(std::make_unique<Node>());
                next = n->children.back().get();
                next->segment = seg;
            }
            n = next;
        }
        if (n->url.isEmpty())
            n->url = address;
    }
    QList<LeveledItem> out;
    if (!homeUrl.isEmpty()) {
        LeveledItem home;
        home.item.Params[kText] = QStringLiteral("Home");
        home.item.Params[kLink] = homeUrl;
        out << home;
    }
    std::vector<std::pair<const Node *, int>> stack;
    for (auto it = root.children.rbegin(); it != root.children.rend(); ++it)
        stack.emplace_back(it->get(), 0);
    while (!stack.empty()) {
        const auto [n, level] = stack.back();
        stack.pop_back();
        LeveledItem li;
        li.level = level;
        li.item.Params[kText] = itemText(nameFromSegment(n->segment));
        li.item.Params[kLink] = n->url;
        out << li;
        for (auto it = n->children.rbegin(); it != n->children.rend(); ++it)
            stack.emplace_back(it->get(), level + 1);
    }
    return out;
}

QList<LeveledItem> fromFile(const QString &text)
{
    if (text.contains(QLatin1String("<urlset")) || text.contains(QLatin1String("<sitemapindex")))
        return fromSitemap(text);
    return fromPage(text);
}

} // namespace navimport
