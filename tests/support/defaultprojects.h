#pragma once

#include <QList>
#include <QString>

// The default project of each menu type is described in
// tests/pages_tools/default_projects.json and written by the program's own
// writer from the real pages: make_defaults writes the files, a test checks
// that the files are current.

// The text of the type's default project; empty, with `error` set, when the
// description does not fit the pages.
QString buildDefaultProject(int type, QString *error);

// The shipped themes are described the same way, in
// tests/pages_tools/themes.json (written from their palettes by
// tests/pages_tools/themes.mjs): parameters and styles, no items.
struct BuiltTheme
{
    QString name;
    QString path; // from the runtime folder: "themes/<type folder>/<name>.js"
    QString text;
};
// Every theme of the type; empty, with `error` set, when one does not fit
// the pages.
QList<BuiltTheme> buildThemes(int type, QString *error);
// The description file.
QString defaultProjectsDescription();
