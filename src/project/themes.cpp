#include "project/themes.h"

#include "page/page.h"
#include "page/pagearg.h"
#include "project/dataopen.h"
#include "project/menutypes.h"
#include "project/project.h"
#include "project/projectcontroller.h"
#include "project/styleedits.h"

#include <QDir>
#include <QStandardPaths>
#include <algorithm>

QString themeNameOfFile(const QString &fileName)
{
    QString name = fileName;
    if (name.endsWith(QLatin1String(".js"), Qt::CaseInsensitive))
        name.chop(3);
    name.replace(QLatin1Char('-'), QLatin1Char(' '));
    if (!name.isEmpty())
        name[0] = name[0].toUpper();
    return name;
}

QString themeFileNameOf(const QString &name)
{
    QString file;
    for (const QChar c : name.trimmed().toLower()) {
        if (c.isLetterOrNumber())
            file += c;
        else if (!file.isEmpty() && !file.endsWith(QLatin1Char('-')))
            file += QLatin1Char('-'); // spaces and punctuation: one dash
    }
    while (file.endsWith(QLatin1Char('-')))
        file.chop(1);
    return file.isEmpty() ? QString() : file + QStringLiteral(".js");
}

QString ownThemeFolder(int type, const QString &dataFolder)
{
    const QString base = dataFolder.isEmpty() ? QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) : dataFolder;
    return QDir(base).filePath(QStringLiteral("themes/") + menuTypes().at(static_cast<size_t>(type)).folder);
}

namespace {

QList<Theme> themesIn(const QString &folder, bool own)
{
    QList<Theme> out;
    const QDir dir(folder);
    for (const QString &file : dir.entryList({QStringLiteral("*.js")}, QDir::Files | QDir::Readable))
        out << Theme{themeNameOfFile(file), dir.filePath(file), own};
    std::sort(out.begin(), out.end(),
              [](const Theme &a, const Theme &b) { return a.name.compare(b.name, Qt::CaseInsensitive) < 0; });
    return out;
}

} // namespace

QList<Theme> listThemes(int type, const QString &programFolder, const QString &dataFolder)
{
    const QString shipped = programFolder + QStringLiteral("themes/") + menuTypes().at(static_cast<size_t>(type)).folder;
    return themesIn(shipped, false) + themesIn(ownThemeFolder(type, dataFolder), true);
}

const Theme *findTheme(const QList<Theme> &themes, const QString &name)
{
    const QString file = themeFileNameOf(name);
    for (const Theme &t : themes)
        if (t.name.compare(name, Qt::CaseInsensitive) == 0 || (!file.isEmpty() && themeFileNameOf(t.name) == file))
            return &t;
    return nullptr;
}

bool ApplyTheme(Project &project, Page &params, Page &itemParams, const QString &themeText)
{
    // The theme is read like any data file, into a project of its own, so
    // that nothing in it reaches the user's items.
    Project look;
    look.MenuType = project.MenuType;
    look.ProgramFolder = project.ProgramFolder;
    look.ProjectFolder = project.ProjectFolder;
    const QString before = params.callText(QStringLiteral("qrn_getParamsList"), {QString()});
    if (!ProjectController::readDataText(look, params, itemParams, themeText)) {
        // Put the user's parameters back as they were.
        params.call(QStringLiteral("qrn_reCreateParams"), {kOmitted});
        EvaluateDataText(params, project.menuType(), before);
        return false;
    }
    project.ItemStyles = look.ItemStyles;
    project.SubmenuStyles = look.SubmenuStyles;
    ClearStyleRefsFrom(project, 0, project.ItemStyles.size());
    ClearStyleRefsFrom(project, 1, project.SubmenuStyles.size());
    return true;
}
