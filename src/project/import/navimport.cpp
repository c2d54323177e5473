#include "project/import/navimport.h"

#include <QCoreApplication>
#include <QHash>
#include <QRegularExpression>
#include <QSet>
#include <QUrl>
#include <QXmlStreamReader>
#include <memory>
#include <vector>

namespace navimport {
namespace {

struct NavImportText { Q_DECLARE_TR_FUNCTIONS(NavImport) };

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
    // How many of the open elements down to this one are of the kinds the
    // import reads (lists, items, links, nav, details, summary, button), and
    // how many of any other kind.
    int knownDepth = 0;
    int otherDepth = 0;
    // The li a new li would close, and the link a new link would close: the
    // nearest open one, not beyond a list (nor, for the link, an li).
    Element *openItem = nullptr;
    Element *openLink = nullptr;

    bool is(QLatin1StringView n) const { return name == n; }
    bool isList() const { return name == QLatin1String("ul") || name == QLatin1String("ol") || name == QLatin1String("menu"); }
    bool isKnown() const
    {
        static const QSet<QString> known = {"ul", "ol", "menu", "li", "a", "nav", "details", "summary", "button"};
        return known.contains(name);
    }
};

// Elements nested deeper than this are not opened: what they hold joins the
// element at the limit, so links keep coming whatever the input's depth, and
// no walk over the tree goes deeper. The kinds the import reads count apart
// from the rest, so a navigation below a thousand open spans keeps its shape.
constexpr int kMaxDepth = 512;

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
        // References are short: looking further would make a text of
        // ampersands quadratic.
        const qsizetype semi = QStringView(s).mid(i + 1, 10).indexOf(QLatin1Char(';'));
        if (semi < 0) {
            out += s[i];
            continue;
        }
        const QString name = s.mid(i + 1, semi);
        bool ok = false;
        char32_t code = 0;
        if (name.startsWith(QLatin1String("#x")) || name.startsWith(QLatin1String("#X")))
            code = name.mid(2).toUInt(&ok, 16);
        else if (name.startsWith(QLatin1Char('#')))
            code = name.mid(1).toUInt(&ok, 10);
        if (ok && code > 0 && code <= 0x10FFFF) {
            out += QString::fromUcs4(&code, 1);
            i += semi + 1;
        } else if (named.contains(name)) {
            out += named.value(name);
            i += semi + 1;
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
    // How many elements of each name are open: an end tag with nothing to
    // close costs nothing, and each element is closed once, so the reader
    // stays linear in the input.
    QHash<QString, int> open;
    // One copy of each name, shared by its elements.
    QSet<QString> names;

    auto closeTo = [&cur, &open](Element *e) {
        for (; cur != e; cur = cur->parent)
            --open[cur->name];
    };
    // An end tag closes the nearest open element of its name and everything
    // left open inside it; one with nothing to close is ignored.
    auto close = [&cur, &open, &closeTo](const QString &name) {
        if (open.value(name) <= 0)
            return;
        Element *e = cur;
        while (e->name != name)
            e = e->parent;
        closeTo(e->parent);
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
        e->name = *names.insert(html.mid(i + 1, j - i - 1).toLower());
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
        if (name == QLatin1String("li") && cur->openItem)
            closeTo(cur->openItem->parent);
        else if (name == QLatin1String("a") && cur->openLink)
            closeTo(cur->openLink->parent);
        e->parent = cur;
        const bool known = e->isKnown();
        e->knownDepth = cur->knownDepth + (known ? 1 : 0);
        e->otherDepth = cur->otherDepth + (known ? 0 : 1);
        const bool isItem = name == QLatin1String("li");
        e->openItem = isItem ? e.get() : e->isList() ? nullptr : cur->openItem;
        e->openLink = name == QLatin1String("a") ? e.get() : (isItem || e->isList()) ? nullptr : cur->openLink;
        Element *raw = e.get();
        cur->children.push_back(std::move(e));
        if (name == QLatin1String("script") || name == QLatin1String("style")) {
            // Their text is not the page's content.
            const qsizetype end = html.indexOf(QLatin1String("</") + name, i, Qt::CaseInsensitive);
            const qsizetype close = end < 0 ? -1 : html.indexOf(QLatin1Char('>'), end);
            i = close < 0 ? n : close + 1;
            continue;
        }
        // Items and links are always opened, so what they hold stays theirs:
        // each closes the open one of its kind before it, so past the limit
        // they add a level or two, never more.
        const bool deepEnough = name != QLatin1String("a") && name != QLatin1String("li") &&
                                (known ? raw->knownDepth : raw->otherDepth) > kMaxDepth;
        if (!selfClosing && !voidElements().contains(name) && !deepEnough) {
            cur = raw;
            ++open[name];
        }
    }
    return root;
}

QString textOf(const Element *e, bool skipLists)
{
    QString out;
    std::vector<const Element *> stack{e};
    while (!stack.empty()) {
        const Element *x = stack.back();
        stack.pop_back();
        if (x->name.isEmpty()) {
            out += x->text;
            continue;
        }
        if (x != e && x->is(QLatin1String("br")))
            out += QLatin1Char(' ');
        for (auto it = x->children.rbegin(); it != x->children.rend(); ++it)
            if (!skipLists || !(*it)->isList())
                stack.push_back(it->get());
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

// Every element inside `e`, in document order; `visit` answers whether to
// go into the one it was given.
template<typename Visit>
void forEachElement(const Element *e, Visit visit)
{
    std::vector<const Element *> stack;
    auto pushChildren = [&stack](const Element *x) {
        for (auto it = x->children.rbegin(); it != x->children.rend(); ++it)
            if (!(*it)->name.isEmpty())
                stack.push_back(it->get());
    };
    pushChildren(e);
    while (!stack.empty()) {
        const Element *x = stack.back();
        stack.pop_back();
        if (visit(x))
            pushChildren(x);
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

// Whether the page marks the link, or the list item around it, as the page
// being shown: aria-current (other than "false"), or an "active" or "current"
// class.
bool markedCurrent(const Element *e)
{
    if (!e)
        return false;
    const auto current = e->attrs.constFind(QStringLiteral("aria-current"));
    if (current != e->attrs.constEnd() && current->trimmed().compare(QLatin1String("false"), Qt::CaseInsensitive) != 0)
        return true;
    static const QRegularExpression kSpaces(QStringLiteral("\\s+"));
    const QStringList classes = e->attrs.value(QStringLiteral("class")).split(kSpaces, Qt::SkipEmptyParts);
    return classes.contains(QLatin1String("active"), Qt::CaseInsensitive) ||
           classes.contains(QLatin1String("current"), Qt::CaseInsensitive);
}

LeveledItem itemFor(const Element *label, const Element *listItem, int level, const QString &fallbackText,
                    int stateParam)
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
    if (stateParam >= 0 && stateParam < TItem::kParamCount && (markedCurrent(label) || markedCurrent(listItem)))
        li.item.Params[size_t(stateParam)] = QStringLiteral("current");
    return li;
}

void walkList(const Element *list, int level, int stateParam, QList<LeveledItem> &out);

void walkItem(const Element *li, int level, int stateParam, QList<LeveledItem> &out)
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
                walkList(x, level, stateParam, out);
                return false;
            }
            return true;
        });
        return;
    }
    out << itemFor(label, li, level, ownText, stateParam);
    forEachElement(li, [&](const Element *x) {
        if (x->isList()) {
            walkList(x, level + 1, stateParam, out);
            return false;
        }
        return true;
    });
}

void walkList(const Element *list, int level, int stateParam, QList<LeveledItem> &out)
{
    // Items are the list's li elements, also where an author wrapped them.
    forEachElement(list, [&](const Element *x) {
        if (x->is(QLatin1String("li"))) {
            walkItem(x, level, stateParam, out);
            return false;
        }
        return !x->isList();
    });
}

// Items from an element's lists, or from its links when it has no list.
QList<LeveledItem> itemsIn(const Element *scope, int stateParam)
{
    QList<LeveledItem> out;
    forEachElement(scope, [&out, stateParam](const Element *x) {
        if (x->isList()) {
            walkList(x, 0, stateParam, out);
            return false;
        }
        return true;
    });
    if (!out.isEmpty())
        return out;
    forEachElement(scope, [&out, stateParam](const Element *x) {
        if (x->is(QLatin1String("a")) && x->attrs.contains(QStringLiteral("href"))) {
            out << itemFor(x, nullptr, 0, QString(), stateParam);
            return false;
        }
        return true;
    });
    return out;
}

} // namespace

QList<LeveledItem> fromFragment(const QString &html, int stateParam)
{
    const auto root = parseHtml(html);
    return itemsIn(root.get(), stateParam);
}

QList<LeveledItem> fromPage(const QString &html, int stateParam)
{
    const auto root = parseHtml(html);
    const Element *best = nullptr;
    int bestLinks = 0;
    forEachElement(root.get(), [&](const Element *x) {
        if (!x->is(QLatin1String("nav")))
            return true;
        const int links = linkCount(x);
        if (links > bestLinks) {
            best = x;
            bestLinks = links;
        }
        return false; // a nav inside has no more links than this one
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
            walkList(best, 0, stateParam, out);
            return out;
        }
        return {};
    }
    return itemsIn(best, stateParam);
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

namespace {

const QString kSitemapNamespace = QStringLiteral("http://www.sitemaps.org/schemas/sitemap/0.9");

// The addresses of a sitemap file: the loc of each url of a urlset, or the
// loc of each sitemap of a sitemap index, in the sitemap namespace only (an
// image's or a video's loc is no page). `isIndex` tells which the file is.
QStringList sitemapAddresses(const QString &xml, bool *isIndex)
{
    QStringList out;
    QXmlStreamReader reader(xml);
    bool index = false;
    // Each open element's place: 1 the root, 2 an entry under it, 0 other.
    std::vector<char> places;
    while (!reader.atEnd()) {
        reader.readNext();
        if (reader.isEndElement()) {
            if (!places.empty())
                places.pop_back();
            continue;
        }
        if (!reader.isStartElement())
            continue;
        const bool ours = reader.namespaceUri() == kSitemapNamespace;
        const QStringView name = reader.name();
        char place = 0;
        if (places.empty()) {
            index = ours && name == QLatin1String("sitemapindex");
            place = ours && (index || name == QLatin1String("urlset")) ? 1 : 0;
        } else if (places.back() == 1 && ours && name == (index ? QLatin1String("sitemap") : QLatin1String("url"))) {
            place = 2;
        } else if (places.back() == 2 && ours && name == QLatin1String("loc")) {
            const QString address = reader.readElementText(QXmlStreamReader::IncludeChildElements).trimmed();
            if (!address.isEmpty() && QUrl(address).isValid())
                out << address;
            continue; // its end has been read
        }
        places.push_back(place);
    }
    if (isIndex)
        *isIndex = index;
    return out;
}

// A page's name without its extension: "outdoor.html" and the folder
// "outdoor" are one item.
QString pageKey(const QString &segment)
{
    static const QRegularExpression extension(QStringLiteral("\\.(html?|php|aspx?|jsp|cfm|shtml)$"),
                                              QRegularExpression::CaseInsensitiveOption);
    QString key = segment;
    key.remove(extension);
    return key;
}

bool isFolderPage(const QString &segment)
{
    static const QRegularExpression page(QStringLiteral("^(index|default)\\.(html?|php|aspx?|jsp|cfm|shtml)$"),
                                         QRegularExpression::CaseInsensitiveOption);
    return page.match(segment).hasMatch();
}

} // namespace

bool isSitemapIndex(const QString &text, QStringList *sitemaps)
{
    if (!text.contains(QLatin1String("sitemapindex")))
        return false;
    bool index = false;
    const QStringList listed = sitemapAddresses(text, &index);
    if (index && sitemaps)
        *sitemaps = listed;
    return index;
}

QString sitemapIndexMessage(const QString &path, const QStringList &sitemaps)
{
    QString text = NavImportText::tr("%1 is a sitemap index, not a sitemap; import one of the sitemaps it lists").arg(path);
    if (sitemaps.isEmpty())
        return text + NavImportText::tr(" (it lists none).");
    constexpr int kShown = 10;
    text += QStringLiteral(":\r") + sitemaps.mid(0, kShown).join(QLatin1Char('\r'));
    if (sitemaps.size() > kShown)
        text += NavImportText::tr("\r... and %1 more.").arg(sitemaps.size() - kShown);
    return text;
}

QList<LeveledItem> fromSitemap(const QString &xml)
{
    struct Node
    {
        QString segment;
        QString url;
        std::vector<std::unique_ptr<Node>> children;
        QHash<QString, Node *> byKey;
    };
    Node root;
    QString homeUrl;
    bool index = false;
    const QStringList addresses = sitemapAddresses(xml, &index);
    if (index)
        return {};
    for (const QString &address : addresses) {
        QStringList segments = QUrl(address).path().split(QLatin1Char('/'), Qt::SkipEmptyParts);
        if (!segments.isEmpty() && isFolderPage(segments.last()))
            segments.removeLast();
        if (segments.isEmpty()) {
            if (homeUrl.isEmpty())
                homeUrl = address;
            continue;
        }
        Node *n = &root;
        for (const QString &seg : std::as_const(segments)) {
            const QString key = pageKey(seg);
            Node *next = n->byKey.value(key);
            if (!next) {
                n->children.push_back(std::make_unique<Node>());
                next = n->children.back().get();
                next->segment = seg;
                n->byKey.insert(key, next);
            }
            n = next;
        }
        if (n->url.isEmpty())
            n->url = address;
    }
    QList<LeveledItem> out;
    if (!homeUrl.isEmpty()) {
        LeveledItem home;
        // untranslated: an item of the menu on the site, whose language need not be the editor's
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

QList<LeveledItem> fromFile(const QString &text, int stateParam)
{
    if (text.contains(QLatin1String("<urlset")) || text.contains(QLatin1String("<sitemapindex")))
        return fromSitemap(text);
    return fromPage(text, stateParam);
}

} // namespace navimport
