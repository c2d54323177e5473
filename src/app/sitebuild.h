#pragma once

#include <QString>

struct CommandLine;

// --check, --convert, --preview and --import: a file read (and written)
// through the same reader, writer and pages as in the editor, without a
// window. Counts go to standard output, findings and failures to standard
// error, one line each. Answers the exit code: 0 clean, 1 a finding (a
// script error, a file of another menu type than --type, no menu, nothing
// to import; for --check also a link or picture by a full local path), 2 a file that cannot be read or written. Output is written
// only from a complete read without findings; otherwise it is left as it
// was. Needs the application object. The program's pages, engines, default
// projects and themes are read from `programFolder`.
int runSiteBuild(const CommandLine &commandLine, const QString &programFolder);

// The menu type a data text is for: the type its type statement names,
// otherwise the type whose start function it calls; -1 when it says neither.
int menuTypeOfDataText(const QString &text);

// Whether the text's code assigns the item array of the menu type (strings
// and comments do not count): the least a data file of that type holds.
bool definesMenu(const QString &text, int type);
