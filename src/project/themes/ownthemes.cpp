#include "project/themes/ownthemes.h"

#include "project/platform/dialogs.h"
#include "project/platform/textfile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

OwnThemes::OwnThemes(int type, QString programFolder, QString dataFolder)
    : m_type(type)
    , m_programFolder(std::move(programFolder))
    , m_dataFolder(std::move(dataFolder))
{
}

QList<Theme> OwnThemes::list() const
{
    return listThemes(m_type, m_programFolder, m_dataFolder);
}

QString OwnThemes::nameProblem(const QString &name) const
{
    if (themeFileNameOf(name).isEmpty())
        return tr("A theme's name needs at least one letter or digit.");
    for (const Theme &t : list())
        if (!t.own && themeFileNameOf(t.name) == themeFileNameOf(name))
            return tr("\"%1\" is the name of a theme that comes with the program.\rPlease choose another name.")
                .arg(t.name);
    return {};
}

std::optional<QString> OwnThemes::askName(const QString &question, const QString &initial) const
{
    QString name = initial;
    for (;;) {
        const std::optional<QString> answer = dialogs().askText(question, name);
        if (!answer)
            return std::nullopt;
        name = answer->trimmed();
        const QString problem = nameProblem(name);
        if (problem.isEmpty())
            return name;
        dialogs().showError(problem);
    }
}

std::optional<Theme> OwnThemes::saveAs(const QString &themeText, const QString &suggested) const
{
    if (themeText.isEmpty()) {
        dialogs().showError(tr("The project's look could not be taken apart from its items."));
        return std::nullopt;
    }
    const std::optional<QString> name = askName(tr("Save the project's look as a theme named:"), suggested);
    if (!name)
        return std::nullopt;
    const QString folder = ownThemeFolder(m_type, m_dataFolder);
    const QString path = QDir(folder).filePath(themeFileNameOf(*name, true));
    const std::optional<Theme> same = ownNamed(*name);
    if (same && dialogs().askNoYes(tr("You have a theme named \"%1\" already.\rDo you want to replace it?")
                                       .arg(same->name)) != Dialogs::Answer::Yes)
        return std::nullopt;
    QString reason;
    if (!QDir().mkpath(folder) || !writeFileSafely(path, encodeText(themeText), &reason)) {
        dialogs().showError(tr("Can't write the file: \r%1\r%2").arg(path, reason));
        return std::nullopt;
    }
    // The name as now typed replaces the old one's letter case.
    if (same && same->path != path)
        QFile::remove(same->path);
    return Theme{themeNameOfFile(QFileInfo(path).fileName(), true), path, true};
}

std::optional<Theme> OwnThemes::ownNamed(const QString &name) const
{
    for (const Theme &t : list())
        if (t.own && themeFileNameOf(t.name) == themeFileNameOf(name))
            return t;
    return std::nullopt;
}

std::optional<Theme> OwnThemes::rename(const Theme &theme) const
{
    if (!theme.own)
        return std::nullopt;
    const std::optional<QString> name = askName(tr("New name of the theme \"%1\":").arg(theme.name), theme.name);
    if (!name)
        return std::nullopt;
    const QString path = QFileInfo(theme.path).dir().filePath(themeFileNameOf(*name, true));
    if (path == theme.path)
        return theme;
    // Another theme of that name; the same one in another letter case is a rename.
    const std::optional<Theme> same = ownNamed(*name);
    if (same && same->path != theme.path) {
        dialogs().showError(tr("You have a theme named \"%1\" already.").arg(same->name));
        return std::nullopt;
    }
    if (!QFile::rename(theme.path, path)) {
        dialogs().showError(tr("Can't rename the file: \r%1").arg(theme.path));
        return std::nullopt;
    }
    return Theme{themeNameOfFile(QFileInfo(path).fileName(), true), path, true};
}

bool OwnThemes::remove(const Theme &theme) const
{
    if (!theme.own)
        return false;
    if (dialogs().askNoYes(tr("Delete your theme \"%1\"?").arg(theme.name)) != Dialogs::Answer::Yes)
        return false;
    if (!QFile::remove(theme.path)) {
        dialogs().showError(tr("Can't delete the file: \r%1").arg(theme.path));
        return false;
    }
    return true;
}
