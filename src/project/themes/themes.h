#pragma once

#include <QList>
#include <QString>
#include <functional>

class Page;
class Project;

// A theme is a data file that carries a look, parameters and individual
// styles, and no items. The program ships some per menu type in
// "themes/<type folder>/" beside itself; the user's own are kept in the
// same layout in the user's data folder. A theme's name is its file's:
// "flat-colour.js" is "Flat colour".
struct Theme
{
    QString name;
    QString path;
    bool own = false; // the user's, not shipped
};

// A user's own theme keeps the letter case it was named in ("Smile
// Dental" is "Smile-Dental.js"); a shipped one, and a user's named all in
// lower case, is lower case on disk and reads with a capital. Names are
// told apart without regard to case.
QString themeNameOfFile(const QString &fileName, bool own = false);
QString themeFileNameOf(const QString &name, bool keepCase = false);
// How lists show a theme, the window and --list-themes alike: a user's own
// one is marked "(yours)". findTheme takes the mark back.
QString themeLabel(const Theme &theme);

// The folder of the user's own themes of a type; `dataFolder` empty: the
// user's data folder of this program.
QString ownThemeFolder(int type, const QString &dataFolder = {});

// The themes of a type, shipped ones first, each list by name. A user's
// theme of the same name as a shipped one stands beside it.
QList<Theme> listThemes(int type, const QString &programFolder, const QString &dataFolder = {});
// The theme named `name` (letter case aside; a label naming the user's own
// one of that name), or null.
const Theme *findTheme(const QList<Theme> &themes, const QString &name);

// Puts a whole data text, as the writer writes it, into the project and its
// pages; false when it could not be read completely.
using ReadProjectText = std::function<bool(const QString &text)>;

// Gives the project the look of a theme's data text: the project is read
// back from the theme's text followed by its own items, so the parameter
// page takes the theme's parameters and the project its individual styles,
// and the items keep everything except references to styles the theme does
// not have, which are emptied. `read` reads the text as an undo would (the
// styles window's lists take the styles); by default the project's own
// lists do. False, with the project read back as it was, when the theme's
// text could not be read completely. A failing page call throws PageError.
bool ApplyTheme(Project &project, Page &params, Page &itemParams, const QString &themeText,
                const ReadProjectText &read = {});
