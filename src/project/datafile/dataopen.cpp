#include "project/datafile/dataopen.h"

#include "page/page.h"
#include "project/datafile/datatextscan.h"
#include "project/datafile/datasave.h"
#include "project/datafile/datavalues.h"
#include "project/platform/dialogs.h"
#include "project/model/project.h"
#include "project/platform/textfile.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QScopeGuard>

#include <climits>
#include <future>

namespace {

struct DataOpenText { Q_DECLARE_TR_FUNCTIONS(DataOpen) };

// A data file can declare an array of any length; more elements than this
// are not read.
constexpr int kMaxElements = kMaxApartArrayLength;

// A name the values are kept under: the reader hands back no other.
bool isDataName(const QString &name)
{
    static const QRegularExpression pattern(QStringLiteral("^[A-Za-z_$][A-Za-z0-9_$]*$"));
    return pattern.match(name).hasMatch();
}

QString sizeText(qint64 bytes)
{
    return DataOpenText::tr("%1 MB").arg(QString::number(static_cast<double>(bytes) / (1024.0 * 1024.0), 'f', 1));
}

// Reads the file's bytes; false after the error box.
bool readBytes(const QString &path, QByteArray &bytes)
{
    const QString cannot = DataOpenText::tr("Can't open the file:\r%1").arg(path);
    CappedRead read = readCapped(path, kMaxDataFileSize);
    switch (read.failure) {
    case CappedRead::Failure::None:
        bytes = std::move(read.bytes);
        return true;
    case CappedRead::Failure::Folder:
        dialogs().showError(cannot + DataOpenText::tr("\rIt is a folder."));
        return false;
    case CappedRead::Failure::TooLarge:
        dialogs().showError(cannot + DataOpenText::tr("\rThe file is %1; data files over %2 are not read.")
                                         .arg(sizeText(read.size), sizeText(kMaxDataFileSize)));
        return false;
    case CappedRead::Failure::Missing:
    case CappedRead::Failure::Unreadable:
        break;
    }
    dialogs().showError(cannot);
    return false;
}

// An entry of an item or style list that is no item or style.
struct BadEntry
{
    int index;
    QString problem; // "is undefined", "holds a list where a text belongs"
    // A list that holds a list: its own "]" is probably what was lost.
    bool nested = false;
};

// What is wrong with a list entry, as JSON text, for an item or a style:
// empty when it is a list of texts (numbers and flags pass as their text).
QString entryProblem(QStringView element)
{
    if (element.isEmpty())
        return DataOpenText::tr("is undefined");
    switch (element.front().unicode()) {
    case '[':
        // Most items hold no bracket at all: no second walk over them.
        if (element.indexOf(u'[', 1) < 0 && !element.contains(u'{'))
            return {};
        for (const QStringView part : JsonArrayElements(element))
            if (part.startsWith(u'[') || part.startsWith(u'{'))
                return DataOpenText::tr("holds a list where a text belongs");
        return {};
    case 'n': return DataOpenText::tr("is undefined");
    case '"': return DataOpenText::tr("is a text");
    case '{': return DataOpenText::tr("is an object");
    case 't':
    case 'f': return DataOpenText::tr("is true or false");
    default: return DataOpenText::tr("is a number");
    }
}

// One line per bad entry of the list `name`, with where it stands in the
// text when the list is written out as a literal there.
void describeBadEntries(const QString &text, const QString &name, const QString &noun, const QList<BadEntry> &bad,
                        qsizetype length, QStringList &findings)
{
    if (bad.isEmpty())
        return;
    QList<ListEntryPlace> places = ListEntryPlacesIn(text, name);
    // Places fit the entries only when the literal is the list the script left.
    if (places.size() != length)
        places.clear();
    for (const BadEntry &entry : bad) {
        const QString what = DataOpenText::tr("%1 entry %2 %3").arg(name).arg(entry.index).arg(entry.problem);
        if (entry.index >= places.size()) {
            findings << DataOpenText::tr("%1, not %2").arg(what, noun);
            continue;
        }
        const ListEntryPlace &place = places.at(entry.index);
        if (place.joinedAfterLine > 0)
            findings << DataOpenText::tr("after line %1: a comma is probably missing (%2)").arg(place.joinedAfterLine).arg(what);
        else if (place.hole)
            findings << DataOpenText::tr("line %1: two commas in a row leave a hole (%2)").arg(place.line).arg(what);
        else if (entry.nested)
            findings << DataOpenText::tr("line %1: %2: a \"]\" is probably missing").arg(place.line).arg(what);
        else
            findings << DataOpenText::tr("line %1: %2, not %3").arg(place.line).arg(what, noun);
    }
}

// LoadingData for the time of the load; Modified false after it, however it ends.
class LoadingScope
{
public:
    explicit LoadingScope(Project &project)
        : m_project(project)
    {
        m_project.LoadingData = true;
    }
    ~LoadingScope()
    {
        m_project.LoadingData = false;
        m_project.setModified(false);
    }

private:
    Project &m_project;
};

// The items of a text's item array, with their places in the tree, made
// without the project: it may run beside the page calls of the read.
struct LoadedItems
{
    QList<LeveledItem> items;
    QList<int> marks; // each item's level marks, in file order
    qint64 count = 0; // the array's whole length, beyond what was handed over
    QList<BadEntry> badEntries;
};

// An element that is no array is no item; it is left out and reported.
LoadedItems ParseLoadedItems(const QString &itemsJson, qint64 itemCount)
{
    LoadedItems loaded;
    const QList<QStringView> elements = JsonArrayElements(itemsJson);
    loaded.count = qMax<qint64>(itemCount, elements.size());
    loaded.items.reserve(elements.size());
    loaded.marks.reserve(elements.size());
    for (qsizetype k = 0; k < elements.size(); ++k) {
        const QStringView element = elements.at(k);
        const QString problem = entryProblem(element);
        if (!problem.isEmpty()) {
            loaded.badEntries.append({static_cast<int>(k), problem, element.startsWith(u'[')});
            if (!element.startsWith(u'['))
                continue;
        }
        QStringList params = JsonArrayTexts(element);
        LeveledItem leveled;
        for (qsizetype p = 0; p < params.size() && p < TItem::kParamCount; ++p)
            leveled.item.Params[static_cast<size_t>(p)] = std::move(params[p]);
        loaded.marks << TakeLevelMarks(leveled.item.Params[0]);
        loaded.items << std::move(leveled);
    }
    const QList<int> depths = PlaceLoadedLevels(loaded.marks);
    for (qsizetype k = 0; k < loaded.items.size(); ++k)
        loaded.items[k].level = depths.at(k);
    return loaded;
}

// Replaces the tree with the loaded items.
void RebuildItemTree(Project &project, const LoadedItems &loaded)
{
    ItemTree &tree = project.items();
    if (loaded.count > kMaxElements)
        dialogs().showError(DataOpenText::tr("The data file holds %1 menu items; only the first %2 are read.")
                                .arg(loaded.count)
                                .arg(kMaxElements));
    tree.clear();
    if (loaded.items.isEmpty())
        return;
    const QModelIndexList added = tree.insertLeveled({}, 0, loaded.items);
    // A parent opens when a second subitem of the same level follows another.
    const QList<int> &marks = loaded.marks;
    for (qsizetype k = 1; k < added.size() && k < marks.size(); ++k)
        if (marks.at(k) > 0 && marks.at(k) == marks.at(k - 1) && loaded.items.at(k).level > 0)
            emit tree.expandRequested(added.at(k).parent());
}

// Keeps the item and style arrays of the reader's values and answers the
// rest, the parameters, as the JSON object the parameter page takes. The
// page shows none of the arrays, and the largest part of a file need not
// cross to it.
QString keepArrays(const QString &values, const MenuType &type, EvaluatedText &kept)
{
    QString shown = QStringLiteral("{");
    const QString styleArrays[2] = {type.styleArrayName, type.submenuStyleArrayName};
    for (const auto &[name, value] : JsonObjectMembers(values)) {
        if (name == type.itemArrayName) {
            kept.items = value.toString();
            continue;
        }
        if (name == QLatin1String("@lengths")) {
            for (const auto &[array, length] : JsonObjectMembers(value))
                if (array == type.itemArrayName)
                    kept.itemCount = static_cast<qint64>(length.toDouble());
            continue;
        }
        bool style = false;
        for (size_t kind = 0; kind < 2; ++kind) {
            if (styleArrays[kind].isEmpty())
                continue;
            if (name == styleArrays[kind]) {
                kept.styles[kind] = value.toString();
                style = true;
            } else if (name == styleArrays[kind] + QLatin1String("Names")) {
                kept.styleNames[kind] = value.toString();
                style = true;
            }
        }
        // The reader asks only for names; anything else is no value.
        if (style || !isDataName(name))
            continue;
        if (shown.size() > 1)
            shown += QLatin1Char(',');
        shown += QLatin1Char('"') + name + QStringLiteral("\":");
        shown += value;
    }
    return shown + QLatin1Char('}');
}

// The names of a kind's styles as the item parameters page takes them.
QString styleNames(const Project &project, int kind)
{
    QStringList names;
    for (const TStyle &s : project.styles(kind))
        names << s.Name;
    return names.join(QLatin1Char('\r'));
}

// Adds the styles the text defined. A style is an array of "key=value"
// entries; an element that is no array, or an empty one, is no style.
std::array<QList<BadEntry>, 2> ReadStyles(Project &project, const EvaluatedText &values, const AddStyleFunction &addStyle)
{
    std::array<QList<BadEntry>, 2> bad;
    for (int kind = 0; kind <= 1; ++kind) {
        const QList<QStringView> styles = JsonArrayElements(values.styles.at(kind));
        const QList<QStringView> names = JsonArrayElements(values.styleNames.at(kind));
        for (qsizetype k = 0; k < styles.size() && k < kMaxElements; ++k) {
            const QString problem = entryProblem(styles.at(k));
            if (!problem.isEmpty())
                bad.at(static_cast<size_t>(kind)).append({static_cast<int>(k), problem, styles.at(k).startsWith(u'[')});
            if (!styles.at(k).startsWith(u'['))
                continue;
            QString list;
            for (const QString &entry : JsonArrayTexts(styles.at(k))) {
                if (!list.isEmpty())
                    list += QLatin1Char(',');
                list += scriptStringLiteral(entry);
            }
            if (list.isEmpty())
                continue;
            QString name = k < names.size() ? JsonValueText(names.at(k)) : QString();
            // The name only the editor shows: the menu itself never reads it.
            if (name.isEmpty())
                name = DataOpenText::tr("Individual Style");
            const QString stylesArray = QLatin1Char('[') + list + QLatin1Char(']');
            if (addStyle)
                addStyle(kind, name, StyleParamsToDeclarations(list), stylesArray);
            else
                AddStyle(project, kind, name, StyleParamsToDeclarations(list), stylesArray);
        }
    }
    return bad;
}

} // namespace

QString DataTextFromBytes(const QByteArray &bytes)
{
    const qsizetype eof = bytes.indexOf('\x1A');
    const QString decoded = decodeText(eof < 0 ? bytes : bytes.left(eof));
    QString text;
    text.reserve(decoded.size() + decoded.size() / 16 + 2);
    qsizetype start = 0;
    while (start < decoded.size()) {
        qsizetype end = decoded.indexOf(QLatin1Char('\n'), start);
        if (end < 0)
            end = decoded.size();
        text += QStringLiteral("\r\n");
        // A line's CRs go; the pieces between them are taken whole.
        QStringView line = QStringView(decoded).mid(start, end - start);
        for (qsizetype cr = line.indexOf(QLatin1Char('\r')); cr >= 0; cr = line.indexOf(QLatin1Char('\r'))) {
            text += line.first(cr);
            line = line.sliced(cr + 1);
        }
        text += line;
        start = end + 1;
    }
    return text;
}

QString CommentOutStartCall(QString text, int currentType)
{
    const MenuType &type = menuTypes().at(static_cast<size_t>(currentType));
    QStringList names{QRegularExpression::escape(type.initFunctionName)};
    if (!type.frameInitFunctionName.isEmpty())
        names << QRegularExpression::escape(type.frameInitFunctionName);
    const QRegularExpression call(
        QStringLiteral("(?<![\\w$.])(?:%1)(?![\\w$])(?=\\s*\\()").arg(names.join(QLatin1Char('|'))));
    const QString code = CodeOfDataText(text);
    QList<qsizetype> starts;
    for (auto it = call.globalMatch(code); it.hasNext();)
        starts << it.next().capturedStart();
    // From the end, so earlier positions stay where they were.
    for (auto at = starts.crbegin(); at != starts.crend(); ++at)
        text.insert(*at, QStringLiteral("//"));
    return text;
}

QStringList StartFunctionNames()
{
    QStringList names;
    for (const MenuType &type : menuTypes())
        for (const QString &name : {type.initFunctionName, type.frameInitFunctionName})
            if (!name.isEmpty() && !names.contains(name))
                names << name;
    return names;
}

int TakeLevelMarks(QString &text)
{
    // Marks count only at the very start: "Sales|Support" is a text.
    qsizetype n = 0;
    while (n < text.size() && text.at(n) == QLatin1Char('|'))
        ++n;
    text.remove(0, n);
    return static_cast<int>(qMin<qsizetype>(n, INT_MAX));
}

QList<int> PlaceLoadedLevels(const QList<int> &marks)
{
    QList<int> depths;
    depths.reserve(marks.size());
    QList<int> branch; // the marks of the last item at each depth on the current branch
    for (const int m : marks) {
        while (!branch.isEmpty() && (m == 0 || branch.last() >= m))
            branch.removeLast();
        depths << static_cast<int>(branch.size());
        branch << m;
    }
    return depths;
}

QString StyleParamsToDeclarations(const QString &list)
{
    QString text = list;
    text.replace(QStringLiteral("\","), QStringLiteral("\r"));
    text.remove(QLatin1Char('"'));
    // The list comes from a file: the script made of it declares names and
    // strings and nothing else, whatever the list holds.
    static const QRegularExpression identifier(QStringLiteral("^[A-Za-z_$][A-Za-z0-9_$]*$"));
    QString out;
    for (const QString &entry : text.split(QLatin1Char('\r'), Qt::SkipEmptyParts)) {
        const qsizetype eq = entry.indexOf(QLatin1Char('='));
        const QString name = eq < 0 ? entry : entry.left(eq);
        if (!identifier.match(name).hasMatch())
            continue;
        QString value = eq < 0 ? entry : entry.mid(eq + 1);
        // Escapes such as \x22 stay escapes; only a backslash that would
        // take the closing quote is doubled.
        QStringList pieces = value.split(QLatin1Char(','));
        for (QString &piece : pieces) {
            qsizetype slashes = 0;
            while (slashes < piece.size() && piece.at(piece.size() - 1 - slashes) == QLatin1Char('\\'))
                ++slashes;
            if (slashes % 2)
                piece += QLatin1Char('\\');
        }
        if (pieces.size() > 1)
            value = QStringLiteral("[\"") + pieces.join(QStringLiteral("\",\"")) + QStringLiteral("\"]");
        else
            value = QLatin1Char('"') + pieces.first() + QLatin1Char('"');
        out += QStringLiteral("var ") + name + QLatin1Char('=') + value + QLatin1Char(';');
    }
    return out;
}

void AddStyle(Project &project, int kind, const QString &name, const QString &paramsList, const QString &stylesArray)
{
    project.styles(kind).append({name, paramsList, stylesArray});
}

void SetIndividualStyles(const Project &project, Page &itemParams, int kind)
{
    itemParams.call(QStringLiteral("qrn_setIndividualStyles"), {kind, styleNames(project, kind)});
}

bool ReadDataFile(Project &project, Page &params, Page &itemParams, const QString &path,
                  const AddStyleFunction &addStyle, DataRead *read)
{
    QByteArray bytes;
    if (!readBytes(path, bytes))
        return false;
    const QString text = DataTextFromBytes(bytes);
    bytes.clear();
    DataRead result = ReadDataText(project, params, itemParams, text, addStyle);
    if (read)
        *read = std::move(result);
    return true;
}

DataRead ReadDataText(Project &project, Page &params, Page &itemParams, QString text, const AddStyleFunction &addStyle)
{
    DataRead result;
    bool &complete = result.complete;
    // The text's own errors arrive as the page's script errors, before the
    // call that caused them returns.
    int scriptErrors = 0;
    const QMetaObject::Connection counting =
        QObject::connect(&params, &Page::scriptError, &params, [&scriptErrors] { ++scriptErrors; });
    const auto disconnect = qScopeGuard([&counting] { QObject::disconnect(counting); });

    if (OtherMenuTypeIn(text, project.MenuType) >= 0)
        dialogs().showError(DataOpenText::tr("Perhaps, this data file is for another menu type than you have selected.\r"
                                             "You can change menu type from (File/Select menu type...).\r"));
    const MenuType &type = project.menuType();

    {
        LoadingScope loading(project);
        EvaluatedText values;
        LoadedItems loaded;
        try {
            QString shown;
            EvaluatedText read = EvaluateApart(params, type, text, shown);
            // The items are made ready while the page takes the parameters.
            std::future<LoadedItems> parsing =
                std::async(std::launch::async, ParseLoadedItems, read.items, read.itemCount);
            try {
                params.call(QStringLiteral("qrn_loadValues"), {shown});
            } catch (const PageError &) {
                parsing.wait();
                throw;
            }
            loaded = parsing.get();
            values = std::move(read);
            // The text's own errors came as script errors. A text that had
            // to be stopped (an endless loop) is said so here.
            if (!values.stopped.isEmpty()) {
                complete = false;
                dialogs().showError(DataOpenText::tr("There is the error in the data file.\rThe menu won't be loaded "
                                                     "correctly.\r------------------------------------\r") +
                                    values.stopped);
            }
            RebuildItemTree(project, loaded);
            // An error that left no item behind stopped the text before its
            // item array.
            if (scriptErrors > 0 && project.items().rowCount() == 0)
                complete = false;
        } catch (const PageError &e) {
            // A page that failed takes nothing in: the tree and the styles
            // stay as they were.
            complete = false;
            result.pageFailure = e.message.isEmpty() ? DataOpenText::tr("a page of the editor failed") : e.message;
            result.pageFailureDetail = e.debugText();
        }
        // A text that handed back an item list defines one; only the others
        // are looked at for an assignment (one that failed before it ran).
        result.definesMenu = !values.items.isEmpty() || AssignsName(text, type.itemArrayName);
        const std::array<QList<BadEntry>, 2> badStyles = ReadStyles(project, values, addStyle);
        // Damage is looked for only once the reader found some: a whole
        // file costs nothing more to read.
        result.findings << values.findings;
        describeBadEntries(text, type.itemArrayName, DataOpenText::tr("an item"), loaded.badEntries,
                           qMin<qint64>(loaded.count, kMaxElements), result.findings);
        const QString styleArrays[2] = {type.styleArrayName, type.submenuStyleArrayName};
        for (size_t kind = 0; kind < 2; ++kind)
            describeBadEntries(text, styleArrays[kind], DataOpenText::tr("a style"), badStyles.at(kind),
                               JsonArrayElements(values.styles.at(kind)).size(), result.findings);
        if (!result.findings.isEmpty())
            complete = false;
        text.clear();
        try {
            // Both lists in one round trip.
            itemParams.callBatch(QStringLiteral("qrn_setIndividualStyles"),
                                 {{0, styleNames(project, 0)}, {1, styleNames(project, 1)}});
        } catch (const PageError &e) {
            complete = false;
            if (result.pageFailure.isEmpty()) {
                result.pageFailure = e.message;
                result.pageFailureDetail = e.debugText();
            }
        }
    }
    return result;
}

EvaluatedText EvaluateApart(Page &params, const MenuType &type, const QString &text, QString &shown)
{
    const PageArgs arrays{type.itemArrayName, type.styleArrayName, type.submenuStyleArrayName};
    const QStringList names = params.callText(QStringLiteral("qrn_getDataNames"), arrays).split(QLatin1Char('\r'), Qt::SkipEmptyParts);
    // The reader puts CR LF in front of every line; without the first one,
    // line N of the script is line N of the file, as its errors say.
    const QStringView script = text.startsWith(QLatin1String("\r\n")) ? QStringView(text).mid(2) : QStringView(text);
    EvaluatedText result;
    QString values;
    try {
        values = params.evaluateApart(script.toString(), names, StartFunctionNames());
    } catch (const PageError &e) {
        // The page forgets the previous project all the same.
        result.stopped = e.message;
    }
    shown = keepArrays(values, type, result);
    for (const JoinedDeclaration &joined : JoinedDeclarationsIn(text, names))
        result.findings << DataOpenText::tr("line %1: %2 is declared without a value: an \"=\" is probably missing "
                                            "after %3")
                               .arg(joined.line)
                               .arg(joined.declared, joined.name);
    return result;
}

EvaluatedText EvaluateDataText(Page &params, const MenuType &type, const QString &text)
{
    QString shown;
    EvaluatedText result = EvaluateApart(params, type, text, shown);
    params.call(QStringLiteral("qrn_loadValues"), {shown});
    return result;
}
