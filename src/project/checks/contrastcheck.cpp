#include "project/checks/contrastcheck.h"

#include "page/page.h"
#include "page/pagearg.h"
#include "project/model/project.h"

#include <QCoreApplication>
#include <QJsonArray>
#include <QJsonDocument>

namespace {

struct ContrastCheckText
{
    Q_DECLARE_TR_FUNCTIONS(ContrastCheck)
};

void takeAnswer(const QString &json, int style, const QString &styleName, const QList<NamedItem> &items,
                QList<ContrastFinding> &out)
{
    for (const QJsonValue &v : QJsonDocument::fromJson(json.toUtf8()).array()) {
        const QJsonArray a = v.toArray();
        if (a.size() < 7)
            continue;
        ContrastFinding f;
        f.pair = a.at(0).toString();
        f.param = a.at(1).toString();
        f.text = a.at(2).toString();
        f.back = a.at(3).toString();
        f.ratio = a.at(4).toString();
        f.minimum = a.at(5).toString();
        f.state = a.at(6).toString();
        f.style = style;
        f.styleName = styleName;
        f.items = items;
        out.append(f);
    }
}

} // namespace

QList<NamedItem> itemsWithStyle(const Project &project, int index)
{
    const int field = project.menuType().styleRefParam[0];
    QList<NamedItem> out;
    int n = 0;
    project.items().walk([&](const QModelIndex &, const TItem &item, int) {
        if (field >= 0 && item.Params[static_cast<size_t>(field)] == QString::number(index))
            out.append({n, item.Params[0]});
        ++n;
    });
    return out;
}

QList<ContrastFinding> FindLowContrast(const Project &project, Page &params)
{
    QList<ContrastFinding> out;
    takeAnswer(params.callText(QStringLiteral("qrn_getLowContrast"), {kOmitted}), -1, QString(), {}, out);
    for (qsizetype i = 0; i < project.ItemStyles.size(); ++i) {
        const int index = static_cast<int>(i);
        const QString json = params.callText(QStringLiteral("qrn_getLowContrast"), {0, project.ItemStyles.at(i).StylesArray});
        QList<ContrastFinding> mine;
        takeAnswer(json, index, project.ItemStyles.at(i).Name, itemsWithStyle(project, index), mine);
        // What the menu's own values already bring is reported once, there.
        for (const ContrastFinding &f : mine) {
            const bool inherited = std::any_of(out.cbegin(), out.cend(), [&](const ContrastFinding &m) {
                return m.style < 0 && m.pair == f.pair && m.text == f.text && m.back == f.back;
            });
            if (!inherited)
                out.append(f);
        }
    }
    return out;
}

QString contrastFindingPlace(const ContrastFinding &f)
{
    if (f.style < 0)
        return ContrastCheckText::tr("parameter");
    QString place = ContrastCheckText::tr("item style %1 \"%2\"").arg(f.style).arg(f.styleName);
    QStringList items;
    for (const NamedItem &item : f.items)
        items << ContrastCheckText::tr("item %1 \"%2\"").arg(item.number).arg(item.text);
    if (!items.isEmpty())
        place = ContrastCheckText::tr("%1 of %2").arg(place, items.join(QStringLiteral(", ")));
    return place;
}

QString describeContrastFinding(const ContrastFinding &f)
{
    return ContrastCheckText::tr("%1 (%2): %3 on %4, contrast %5, needs %6")
        .arg(f.param, f.pair, f.text, f.back, f.ratio, f.minimum);
}
