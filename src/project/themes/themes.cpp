#include "project/themes/themes.h"

#include "page/page.h"
#include "page/pagearg.h"
#include "project/datafile/dataopen.h"
#include "project/datafile/datasave.h"
#include "project/model/menutypes.h"
#include "project/model/project.h"
#include "project/model/styleedits.h"
#include "project/platform/textfile.h"
#include "project/themes/themesample.h"

#include <QCoreApplication>
#include <QDir>
#include <QRegularExpression>
#include <QStandardPaths>
#include <algorithm>

namespace {

struct ThemesText { Q_DECLARE_TR_FUNCTIONS(Themes) };

// Looked up each time, not kept from start-up: the translation is installed
// after the program's constants are made.
QString ownMark()
{
    //: Follows the name of a theme the user saved, in every list of themes.
    return ThemesText::tr(" (yours)");
}

} // namespace

QString themeNameOfFile(const QString &fileName, bool own)
{
    QString name = fileName;
    if (name.endsWith(QLatin1String(".js"), Qt::CaseInsensitive))
        name.chop(3);
    name.replace(QLatin1Char('-'), QLatin1Char(' '));
    // Earlier releases kept every theme in lower case: those read with a
    // capital, as they were shown then.
    const bool typedCase = own && name != name.toLower();
    if (!name.isEmpty() && !typedCase)
        name[0] = name[0].toUpper();
    return name;
}

QString themeLabel(const Theme &theme)
{
    return theme.own ? theme.name + ownMark() : theme.name;
}

QString themeFileNameOf(const QString &name, bool keepCase)
{
    QString file;
    for (const QChar c : keepCase ? name.trimmed() : name.trimmed().toLower()) {
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
        out << Theme{themeNameOfFile(file, own), dir.filePath(file), own};
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
    // A script written for the English program names the mark in English;
    // it goes on working where the program speaks another language.
    // untranslated: the English mark, taken as well as the translated one
    const QString english = QStringLiteral(" (yours)");
    const QString mark = name.endsWith(ownMark()) ? ownMark() : english;
    const bool ownOnly = name.endsWith(mark);
    const QString bare = ownOnly ? name.chopped(mark.size()) : name;
    const QString file = themeFileNameOf(bare);
    for (const Theme &t : themes) {
        if (ownOnly && !t.own)
            continue;
        if (t.name.compare(bare, Qt::CaseInsensitive) == 0 || (!file.isEmpty() && themeFileNameOf(t.name) == file))
            return &t;
    }
    return nullptr;
}

bool ApplyTheme(Project &project, Page &params, Page &itemParams, const QString &themeText,
                const ReadProjectText &read)
{
    const ReadProjectText readProject = read ? read : [&](const QString &text) {
        project.ItemStyles.clear();
        project.SubmenuStyles.clear();
        // Line breaks as the reader gives them to the page from a file.
        return ReadDataText(project, params, itemParams, DataTextFromBytes(encodeText(text))).complete;
    };
    const QString before = BuildDataText(project, params, itemParams);
    // What links are read against belongs to the site, not to a look: the
    // project's own declaration goes after the theme's and wins.
    static const QRegularExpression linkBase(QStringLiteral("^var [A-Za-z]+LinkBase=[^\\r\\n]*"),
                                             QRegularExpression::MultilineOption);
    const QRegularExpressionMatch keptBase = linkBase.match(before);
    const QString themed = themedDataText(themeText, project.MenuType,
                                          (keptBase.hasMatch() ? keptBase.captured(0) + QStringLiteral("\r\n") : QString()) +
                                              itemArrayOf(before, project.menuType()));
    if (!readProject(themed)) {
        readProject(before);
        return false;
    }
    ClearStyleRefsFrom(project, 0, project.ItemStyles.size());
    ClearStyleRefsFrom(project, 1, project.SubmenuStyles.size());
    return true;
}
