#include "project/checks/valuecheck.h"

#include "page/page.h"
#include "page/pagearg.h"
#include "project/platform/dialogs.h"
#include "project/model/item.h"
#include "project/model/project.h"

#include <QCoreApplication>
#include <QHash>
#include <QJsonArray>
#include <QJsonDocument>

#include <algorithm>

namespace {

struct ValueCheckText
{
    Q_DECLARE_TR_FUNCTIONS(ValueCheck)
};

// The page answers [[name, value, problem], ...].
void takeAnswer(const QString &json, const QString &where, int kind, int style, QList<BadValue> &out)
{
    const QJsonArray list = QJsonDocument::fromJson(json.toUtf8()).array();
    for (const QJsonValue &entry : list) {
        const QJsonArray a = entry.toArray();
        if (a.size() == 3)
            out.append({where, kind, style, a.at(0).toString(), a.at(1).toString(), a.at(2).toString()});
    }
}

// Enough lines to see what is wrong; the rest are counted.
constexpr int kShownInQuestion = 12;

// The items' fields, checked by the page in one call however many there are;
// only the values the page can refuse make the trip, each distinct value of
// a field once: styles and states repeat over thousands of items.
void findBadItemValues(const Project &project, Page &params, QList<BadValue> &out)
{
    QList<int> checked;
    const QString fields = params.callText(QStringLiteral("qrn_getCheckedItemFields"), {kOmitted});
    for (const QString &n : fields.split(QLatin1Char(','), Qt::SkipEmptyParts)) {
        bool ok = false;
        const int field = n.toInt(&ok);
        if (ok && field >= 0 && field < TItem::kParamCount)
            checked << field;
    }
    struct Use
    {
        int item;
        int fieldPlace; // the field's place among the checked ones
    };
    QHash<QPair<int, QString>, qsizetype> distinct; // (field, value) -> its place in `values`
    QList<QList<Use>> usesOf;
    QJsonArray values;
    QStringList texts;
    project.items().walk([&](const QModelIndex &, const TItem &item, int) {
        const int itemPlace = static_cast<int>(texts.size());
        for (qsizetype c = 0; c < checked.size(); ++c) {
            const int field = checked.at(c);
            const QString &value = item.Params[static_cast<size_t>(field)];
            if (value.isEmpty())
                continue;
            const QPair<int, QString> key{field, value};
            auto it = distinct.constFind(key);
            if (it == distinct.cend()) {
                values.append(QJsonArray{static_cast<int>(usesOf.size()), field, value});
                it = distinct.insert(key, usesOf.size());
                usesOf.append(QList<Use>());
            }
            usesOf[it.value()].append(Use{itemPlace, static_cast<int>(c)});
        }
        texts << item.Params[0];
    });
    if (usesOf.isEmpty())
        return;
    const QString answer = params.callText(QStringLiteral("qrn_getBadItemValues"),
                                           {QString::fromUtf8(QJsonDocument(values).toJson(QJsonDocument::Compact)),
                                            static_cast<int>(project.ItemStyles.size()),
                                            static_cast<int>(project.SubmenuStyles.size())});
    struct Found
    {
        Use use;
        BadValue bad;
    };
    QList<Found> found;
    for (const QJsonValue &entry : QJsonDocument::fromJson(answer.toUtf8()).array()) {
        const QJsonArray a = entry.toArray();
        const int place = a.at(0).toInt(-1);
        if (a.size() != 4 || place < 0 || place >= usesOf.size())
            continue;
        for (const Use &use : usesOf.at(place))
            found.append({use, {ValueCheckText::tr("item %1 \"%2\"").arg(use.item).arg(texts.at(use.item)), -1, -1,
                                a.at(1).toString(), a.at(2).toString(), a.at(3).toString(), use.item}});
    }
    // In file order, and within an item in the order of its fields.
    std::stable_sort(found.begin(), found.end(), [](const Found &x, const Found &y) {
        return std::pair(x.use.item, x.use.fieldPlace) < std::pair(y.use.item, y.use.fieldPlace);
    });
    for (Found &f : found)
        out.append(std::move(f.bad));
}

} // namespace

QList<BadValue> FindBadValues(const Project &project, Page &params)
{
    QList<BadValue> out;
    // The parameters and every style in one round trip.
    QList<PageArgs> asked{{kOmitted}};
    struct Where
    {
        QString text;
        int kind;
        int style;
    };
    QList<Where> wheres{{QString(), -1, -1}};
    for (int kind = 0; kind < 2; ++kind) {
        const QList<TStyle> &styles = project.styles(kind);
        for (qsizetype i = 0; i < styles.size(); ++i) {
            asked << PageArgs{kind, styles.at(i).StylesArray};
            wheres.append({describeStyle(kind, i, styles.at(i).Name), kind, static_cast<int>(i)});
        }
    }
    const QVariantList answers = params.callBatch(QStringLiteral("qrn_getBadValues"), asked);
    for (qsizetype i = 0; i < answers.size() && i < wheres.size(); ++i)
        takeAnswer(answers.at(i).toString(), wheres.at(i).text, wheres.at(i).kind, wheres.at(i).style, out);
    findBadItemValues(project, params, out);
    return out;
}

QString describeBadValue(const BadValue &bad)
{
    QString value = bad.value;
    if (value.size() > 80)
        value = value.left(77) + QStringLiteral("...");
    return (bad.where.isEmpty() ? QString() : bad.where + QStringLiteral(": ")) + bad.name + QStringLiteral(" = \"") + value +
           QStringLiteral("\": ") + bad.problem;
}

bool confirmBadValues(const Project &project, Page &params)
{
    const QList<BadValue> bad = FindBadValues(project, params);
    if (bad.isEmpty())
        return true;
    QString text = ValueCheckText::tr("The menu cannot use these values:");
    for (qsizetype i = 0; i < bad.size() && i < kShownInQuestion; ++i)
        text += QLatin1Char('\r') + describeBadValue(bad.at(i));
    if (bad.size() > kShownInQuestion)
        text += ValueCheckText::tr("\rand %1 more").arg(bad.size() - kShownInQuestion);
    text += ValueCheckText::tr("\rSave them all the same?");
    return dialogs().askYesNo(text) == Dialogs::Answer::Yes;
}
