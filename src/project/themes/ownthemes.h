#pragma once

#include "project/themes/themes.h"

#include <QCoreApplication>
#include <optional>

// The user's own themes of a menu type: saved from a project's look,
// renamed and deleted. Each step asks through the dialog seam and says so
// when it fails; a shipped theme is never written, renamed or deleted.
class OwnThemes
{
    Q_DECLARE_TR_FUNCTIONS(OwnThemes)

public:
    // `dataFolder` empty: the user's data folder of this program.
    OwnThemes(int type, QString programFolder, QString dataFolder = {});

    QList<Theme> list() const;

    // Asks for a name and writes `themeText` as the user's theme of that
    // name, asking first before it replaces one of the user's own. The
    // theme written, or nothing (cancelled, refused or not written).
    std::optional<Theme> saveAs(const QString &themeText, const QString &suggested = {}) const;
    // Asks for the new name; the theme as renamed, or nothing.
    std::optional<Theme> rename(const Theme &theme) const;
    // Asks first; true once the file is gone.
    bool remove(const Theme &theme) const;

    // Why `name` cannot name one of the user's themes; empty when it can.
    QString nameProblem(const QString &name) const;

private:
    std::optional<QString> askName(const QString &question, const QString &initial) const;
    // The user's theme of that name, letter case aside.
    std::optional<Theme> ownNamed(const QString &name) const;

    int m_type;
    QString m_programFolder;
    QString m_dataFolder;
};
