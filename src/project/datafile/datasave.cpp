#include "project/datafile/datasave.h"

#include "page/page.h"
#include "project/platform/dialogs.h"
#include "project/checks/localpaths.h"
#include "project/model/product.h"
#include "project/model/project.h"
#include "project/platform/textfile.h"
#include "project/checks/valuecheck.h"

#include <QCoreApplication>

namespace {

struct DataSaveText { Q_DECLARE_TR_FUNCTIONS(DataSave) };

const QString kNl = QStringLiteral("\r\n");

QString hex(uint value, int width)
{
    return QStringLiteral("%1").arg(value, width, 16, QLatin1Char('0')).toUpper();
}

QString BuildStyleNamesLine(const QString &arrayName, const QList<TStyle> &styles)
{
    QString line = QStringLiteral("var ") + arrayName + QStringLiteral("Names=[");
    for (const TStyle &s : styles)
        line += scriptStringLiteral(s.Name) + QLatin1Char(',');
    return line + QStringLiteral("];") + kNl;
}

QString BuildStyleNamesBlock(const Project &project)
{
    const MenuType &type = project.menuType();
    // untranslated: comments written into the data file, alike in every file
    QString out = QStringLiteral("// --- Ostrel Plivex style names ---") + kNl;
    out += BuildStyleNamesLine(type.styleArrayName, project.ItemStyles);
    if (!type.submenuStyleArrayName.isEmpty())
        out += BuildStyleNamesLine(type.submenuStyleArrayName, project.SubmenuStyles);
    // untranslated: written into the data file
    return out + QStringLiteral("// --- End of Ostrel Plivex style names ---") + kNl;
}

QString BuildStyleArray(const QString &arrayName, const QList<TStyle> &styles)
{
    if (styles.isEmpty())
        return {};
    QString out = QStringLiteral("var ") + arrayName + QStringLiteral(" = [") + kNl;
    for (const TStyle &s : styles)
        out += QStringLiteral("    ") + s.StylesArray + QLatin1Char(',') + kNl;
    return out + QStringLiteral("];") + kNl;
}

// Appends `text` as a script string: see scriptStringLiteral.
void appendScriptString(QString &out, QStringView text)
{
    out += QLatin1Char('"');
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t c = text.at(i).unicode();
        // "qrn_" goes out as "qrn\x5F": earlier releases commented out the
        // start call by its name throughout the text, strings included, and
        // they still read what this one writes unchanged.
        const bool afterQrn = c == u'_' && i >= 3 && text.mid(i - 3, 3).compare(u"qrn", Qt::CaseInsensitive) == 0;
        if (c < 0x20 || c > 0x7E || c == u'"' || c == u'\\' || c == u'<' || c == u'>' || afterQrn)
            out += c < 0x100 ? QStringLiteral("\\x") + hex(c, 2) : QStringLiteral("\\u") + hex(c, 4);
        else
            out += QChar(c);
    }
    out += QLatin1Char('"');
}

// One element of the item array per item, in the tree's order: its level
// marks and text, then its ten parameters.
QString BuildItemLines(const Project &project)
{
    QString out;
    out.reserve(project.items().count() * 128);
    project.items().walk([&out](const QModelIndex &, const TItem &item, int level) {
        out += QLatin1Char('[');
        appendScriptString(out, QString(level, QLatin1Char('|')) + item.Params[0]);
        for (size_t i = 1; i < TItem::kParamCount; ++i) {
            out += QLatin1String(", ");
            appendScriptString(out, item.Params[i]);
        }
        out += QLatin1String("],\r\n");
    });
    return out;
}

} // namespace

QString scriptStringLiteral(const QString &text)
{
    QString out;
    out.reserve(text.size() + 2);
    appendScriptString(out, text);
    return out;
}

QString BuildDataText(const Project &project, Page &params, Page &)
{
    const MenuType &type = project.menuType();
    // untranslated: the data file's own header, the same whoever wrote it
    QString out = QStringLiteral("/*") + kNl + QStringLiteral("   Quorna Ostrel Menu data file") + kNl +
                  QStringLiteral("   Created by Quorna Ostrel Plivex") + kNl + QStringLiteral("   ") + kProductWebSite +
                  kNl + QStringLiteral("*/") + kNl + kNl;
    out += params.callText(QStringLiteral("qrn_getKeysList"), {kOmitted}) + kNl;
    out += BuildStyleNamesBlock(project);
    out += params.callText(QStringLiteral("qrn_getParamsList"), {QString()}) + kNl;
    out += BuildStyleArray(type.styleArrayName, project.ItemStyles);
    if (!type.submenuStyleArrayName.isEmpty())
        out += BuildStyleArray(type.submenuStyleArrayName, project.SubmenuStyles);
    out += kNl + QStringLiteral("var ") + type.itemArrayName + QStringLiteral(" = [") + kNl;
    out += kNl + BuildItemLines(project);
    out += QStringLiteral("];") + kNl + kNl;
    out += type.initFunctionName + QStringLiteral("();");
    return out;
}

bool WriteDataFile(const Project &project, Page &params, Page &itemParams, const QString &path)
{
    // The whole text first: a failing page call leaves the file untouched.
    const QByteArray bytes = encodeText(BuildDataText(project, params, itemParams));
    if (!confirmBadValues(project, params) || !confirmLocalPaths(project, params))
        return false;
    if (!writeFileSafely(path, bytes)) {
        dialogs().showError(DataSaveText::tr("Can't write the file: \r") + path);
        return false;
    }
    return true;
}
