#include "project/checks/localpaths.h"

#include "page/page.h"
#include "page/pagearg.h"
#include "project/platform/dialogs.h"
#include "project/model/item.h"
#include "project/site/linkpaths.h"
#include "project/model/project.h"

#include <QCoreApplication>
#include <QJsonArray>
#include <QJsonDocument>

namespace {

struct LocalPathsText
{
    Q_DECLARE_TR_FUNCTIONS(LocalPaths)
};

// Enough lines to see what is meant; the rest are counted.
constexpr int kShownInQuestion = 12;

// Deep menus are named by their last levels.
constexpr qsizetype kShownLevels = 5;
constexpr qsizetype kShownValue = 120;

QString shortened(const QString &text, qsizetype size)
{
    return text.size() > size ? text.left(size - 3) + QStringLiteral("...") : text;
}

QString itemPath(const QStringList &texts)
{
    const QStringList shown = texts.size() > kShownLevels ? texts.mid(texts.size() - kShownLevels) : texts;
    return (texts.size() > kShownLevels ? QStringLiteral("... > ") : QString()) +
           shortened(shown.join(QStringLiteral(" > ")), 4 * kShownValue);
}

void takeAnswer(const QString &json, const QString &where, const std::function<bool(const QString &)> &keep,
                QList<LocalPath> &out)
{
    for (const QJsonValue &entry : QJsonDocument::fromJson(json.toUtf8()).array()) {
        const QJsonArray a = entry.toArray();
        if (a.size() == 2 && keep(a.at(1).toString()))
            out.append({where, a.at(0).toString(), a.at(1).toString(), {}});
    }
}

} // namespace

QList<QPair<int, QString>> AddressItemFields(Page &params)
{
    QList<QPair<int, QString>> fields;
    const QString answer = params.callText(QStringLiteral("qrn_getPathItemFields"), {kOmitted});
    for (const QJsonValue &entry : QJsonDocument::fromJson(answer.toUtf8()).array()) {
        const QJsonArray a = entry.toArray();
        const int field = a.at(0).toInt(-1);
        if (a.size() == 2 && field >= 0 && field < TItem::kParamCount)
            fields.append({field, a.at(1).toString()});
    }
    return fields;
}

QList<LocalPath> FindLocalPaths(const Project &project, Page &params)
{
    return FindAddresses(project, params, isLocalAbsolutePath);
}

QList<LocalPath> FindAddresses(const Project &project, Page &params,
                               const std::function<bool(const QString &value)> &keep)
{
    QList<LocalPath> out;
    // The parameters and every style in one round trip: a save makes it.
    QList<PageArgs> asked{{kOmitted}};
    QStringList wheres{QString()};
    for (int kind = 0; kind < 2; ++kind) {
        const QList<TStyle> &styles = project.styles(kind);
        for (qsizetype i = 0; i < styles.size(); ++i) {
            asked << PageArgs{kind, styles.at(i).StylesArray};
            wheres << describeStyle(kind, i, styles.at(i).Name);
        }
    }
    const QVariantList answers = params.callBatch(QStringLiteral("qrn_getPathValues"), asked);
    for (qsizetype i = 0; i < answers.size() && i < wheres.size(); ++i)
        takeAnswer(answers.at(i).toString(), wheres.at(i), keep, out);
    const QList<QPair<int, QString>> fields = AddressItemFields(params);
    QStringList path; // the texts of the item's ancestors and its own
    project.items().walk([&](const QModelIndex &, const TItem &item, int level) {
        path.resize(level);
        path << item.Params[0];
        for (const auto &[field, label] : fields) {
            const QString &value = item.Params[static_cast<size_t>(field)];
            if (!value.isEmpty() && keep(value))
                out.append({LocalPathsText::tr("item %1").arg(itemPath(path)), label, value, {}});
        }
    });
    return out;
}

QString describeLocalPath(const LocalPath &found)
{
    return (found.where.isEmpty() ? QString() : found.where + QStringLiteral(": ")) + found.name + QStringLiteral(" = \"") +
           shortened(found.value, kShownValue) + QLatin1Char('"') +
           (found.problem.isEmpty() ? QString() : QStringLiteral(" (") + found.problem + QLatin1Char(')'));
}

bool confirmLocalPaths(const Project &project, Page &params)
{
    const QList<LocalPath> found = FindLocalPaths(project, params);
    if (found.isEmpty())
        return true;
    QString text = LocalPathsText::tr("These links and pictures name files of this computer by their full path; "
                                      "on the web site they will not be found:");
    for (qsizetype i = 0; i < found.size() && i < kShownInQuestion; ++i)
        text += QLatin1Char('\r') + describeLocalPath(found.at(i));
    if (found.size() > kShownInQuestion)
        text += LocalPathsText::tr("\rand %1 more").arg(found.size() - kShownInQuestion);
    text += LocalPathsText::tr("\rPick them again relative to the links folder (Item Parameters window) to fix "
                               "them.\rSave all the same?");
    return dialogs().askNoYes(text) == Dialogs::Answer::Yes;
}
