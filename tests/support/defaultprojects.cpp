#include "support/defaultprojects.h"

#include "page/webpage.h"
#include "project/datafile/dataopen.h"
#include "project/datafile/datasave.h"
#include "project/model/menutypes.h"
#include "project/model/project.h"
#include "support/webharness.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

QString defaultProjectsDescription()
{
    return harness::testDataDir() + QStringLiteral("../pages_tools/default_projects.json");
}

namespace {

QString declarations(const QJsonObject &values)
{
    QString out;
    for (auto it = values.begin(); it != values.end(); ++it)
        out += QStringLiteral("var ") + it.key() + QLatin1Char('=') + scriptStringLiteral(it.value().toString()) +
               QStringLiteral(";\r\n");
    return out;
}

bool readStyles(Page &stylePage, const QJsonArray &list, QList<TStyle> &styles, QString *error)
{
    for (const QJsonValue &v : list) {
        const QString name = v.toArray().at(0).toString();
        const QJsonObject values = v.toArray().at(1).toObject();
        stylePage.call(QStringLiteral("qrn_resetParams"), {kOmitted});
        stylePage.call(QStringLiteral("qrn_loadParams"), {declarations(values)});
        const TStyle style{name, stylePage.callText(QStringLiteral("qrn_getParamsList"), {QString()}),
                           stylePage.callText(QStringLiteral("qrn_getStylesArray"), {QString()})};
        for (auto it = values.begin(); it != values.end(); ++it)
            if (!style.StylesArray.contains(QLatin1Char('"') + it.key() + QLatin1Char('='))) {
                *error = QStringLiteral("%1: %2 is no parameter of this style page").arg(name, it.key());
                return false;
            }
        styles << style;
    }
    return true;
}


QJsonValue descriptionOf(const QString &fileName, int type, QString *error)
{
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly)) {
        *error = QStringLiteral("cannot read ") + file.fileName();
        return {};
    }
    return QJsonDocument::fromJson(file.readAll()).object().value(menuTypes().at(static_cast<size_t>(type)).folder);
}

// Data texts written by the program from descriptions: { params: {name:
// value}, itemStyles: [[name, {name: value}]], submenuStyles: [...], items:
// [[level, {field key: value}]] }. The type's pages are opened once for all
// the texts of a type, as the editor keeps its own: every build starts from
// the pages' reset, so no description sees what the one before it set.
class ProjectBuilder
{
public:
    explicit ProjectBuilder(int type)
        : m_type(type)
        , m_menuType(menuTypes().at(static_cast<size_t>(type)))
        , m_params(openTypePage(type, QStringLiteral("params.html")))
        , m_itemParams(openTypePage(type, QStringLiteral("itemparams.html")))
        , m_itemStyles(openTypePage(type, QStringLiteral("itemstyles.html")))
    {
        if (m_menuType.hasSubmenuStyles)
            m_submenuStyles = openTypePage(type, QStringLiteral("smstyles.html"));
    }

    QString build(const QJsonObject &description, QString *error)
    {
        Project project;
        project.MenuType = m_type;
        m_params->call(QStringLiteral("qrn_reCreateParams"), {kOmitted});
        const QString paramText = declarations(description.value(QStringLiteral("params")).toObject());
        if (!paramText.isEmpty())
            EvaluateDataText(*m_params, m_menuType, paramText);

        if (!readStyles(*m_itemStyles, description.value(QStringLiteral("itemStyles")).toArray(), project.ItemStyles,
                        error))
            return {};
        if (m_submenuStyles && !readStyles(*m_submenuStyles, description.value(QStringLiteral("submenuStyles")).toArray(),
                                           project.SubmenuStyles, error))
            return {};

        // The item fields of the type, by key, in parameter order.
        const QStringList keys = m_itemParams
                                     ->callText(QStringLiteral("eval"),
                                                {QStringLiteral("Plivex.page.type.itemFields.map(function(f){return "
                                                                "f.key||'';}).join(',')")})
                                     .split(QLatin1Char(','));
        QList<LeveledItem> items;
        for (const QJsonValue &v : description.value(QStringLiteral("items")).toArray()) {
            LeveledItem li;
            li.level = v.toArray().at(0).toInt();
            const QJsonObject fields = v.toArray().at(1).toObject();
            for (auto it = fields.begin(); it != fields.end(); ++it) {
                const qsizetype n = keys.indexOf(it.key());
                if (n < 0 || n >= TItem::kParamCount) {
                    *error = QStringLiteral("%1: no item field %2").arg(m_menuType.folder, it.key());
                    return {};
                }
                li.item.Params[static_cast<size_t>(n)] = it.value().toString();
            }
            items << li;
        }
        project.items().insertLeveled({}, 0, items);
        return BuildDataText(project, *m_params, *m_itemParams);
    }

private:
    static std::unique_ptr<WebPage> openTypePage(int type, const QString &name)
    {
        return harness::openPage(harness::runtimeDir() + pagePath(type, name));
    }

    int m_type;
    const MenuType &m_menuType;
    std::unique_ptr<WebPage> m_params, m_itemParams, m_itemStyles, m_submenuStyles;
};

} // namespace

QString buildDefaultProject(int type, QString *error)
{
    const QJsonValue description = descriptionOf(defaultProjectsDescription(), type, error);
    return description.isObject() ? ProjectBuilder(type).build(description.toObject(), error) : QString();
}

QList<BuiltTheme> buildThemes(int type, QString *error)
{
    const QJsonValue list = descriptionOf(harness::testDataDir() + QStringLiteral("../pages_tools/themes.json"), type, error);
    QList<BuiltTheme> out;
    ProjectBuilder builder(type);
    for (const QJsonValue &v : list.toArray()) {
        const QString name = v.toObject().value(QStringLiteral("name")).toString();
        const QString text = builder.build(v.toObject(), error);
        if (text.isEmpty())
            return {};
        const QString file = name.toLower().replace(QLatin1Char(' '), QLatin1Char('-')) + QStringLiteral(".js");
        out << BuiltTheme{name, QStringLiteral("themes/%1/%2").arg(menuTypes().at(static_cast<size_t>(type)).folder, file), text};
    }
    if (out.isEmpty() && error->isEmpty())
        *error = QStringLiteral("no themes described for ") + menuTypes().at(static_cast<size_t>(type)).folder;
    return out;
}
