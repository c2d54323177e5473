#include "project/valuecheck.h"

#include "page/page.h"
#include "page/pagearg.h"
#include "project/dialogs.h"
#include "project/item.h"
#include "project/project.h"

#include <QJsonArray>
#include <QJsonDocument>

namespace {

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
// only the values the page can refuse make the trip.
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
    QJsonArray values;
    QStringList texts;
    project.items().walk([&](const QModelIndex &, const TItem &item, int) {
        for (int field : checked)
            if (!item.Params[static_cast<size_t>(field)].isEmpty())
                values.append(QJsonArray{static_cast<int>(texts.size()), field, item.Params[static_cast<size_t>(field)]});
        texts << item.Params[0];
    });
    if (values.isEmpty())
        return;
    const QString answer = params.callText(QStringLiteral("qrn_getBadItemValues"),
                                           {QString::fromUtf8(QJsonDocument(values).toJson(QJsonDocument::Compact)),
                                            static_cast<int>(project.ItemStyles.size()),
                                            static_cast<int>(project.SubmenuStyles.size())});
    for (const QJsonValue &entry : QJsonDocument::fromJson(answer.toUtf8()).array()) {
        const QJsonArray a = entry.toArray();
        const int item = a.at(0).toInt(-1);
        if (a.size() != 4 || item < 0 || item >= texts.size())
            continue;
        out.append({QStringLiteral("item %1 \"%2\"").arg(item).arg(texts.at(item)), -1, -1, a.at(1).toString(),
                    a.at(2).toString(), a.at(3).toString(), item});
    }
}

} // namespace

QList<BadValue> FindBadValues(const Project &project, Page &params)
{
    QList<BadValue> out;
    takeAnswer(params.callText(QStringLiteral("qrn_getBadValues"), {kOmitted}), QString(), -1, -1, out);
    for (int kind = 0; kind < 2; ++kind) {
        const QList<TStyle> &styles = project.styles(kind);
        for (qsizetype i = 0; i < styles.size(); ++i) {
            const QString where = describeStyle(kind, i, styles.at(i).Name);
            takeAnswer(params.callText(QStringLiteral("qrn_getBadValues"), {kind, styles.at(i).StylesArray}), where, kind,
                        static_cast<int>(i), out);
        }
    }
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
    QString text = QStringLiteral("The menu cannot use these values:");
    for (qsizetype i = 0; i < bad.size() && i < kShownInQuestion; ++i)
        text += QLatin1Char('\r') + describeBadValue(bad.at(i));
    if (bad.size() > kShownInQuestion)
        text += QStringLiteral("\rand %1 more").arg(bad.size() - kShownInQuestion);
    text += QStringLiteral("\rSave them all the same?");
    return dialogs().askYesNo(text) == Dialogs::Answer::Yes;
}
