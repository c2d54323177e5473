#pragma once

#include <QString>

// The default project of each menu type is described in
// tests/pages_tools/default_projects.json and written by the program's own
// writer from the real pages: make_defaults writes the files, a test checks
// that the files are current.

// The text of the type's default project; empty, with `error` set, when the
// description does not fit the pages.
QString buildDefaultProject(int type, QString *error);
// The description file.
QString defaultProjectsDescription();
