#pragma once

#include <QString>

struct CommandLine;

// --check and --convert: a data file read (and written) through the same
// reader, writer and pages as in the editor, without a window. Reports go to
// standard output (counts) and standard error (errors). Answers the exit
// code: 0 clean, 1 script error or file of another menu type, 2 a file that
// cannot be read or written. Needs the application object.
int runSiteBuild(const CommandLine &commandLine);

// The menu type a data text's start call names: 0, 1 or 2 (the Ostrel Tabs
// and the Ostrel Tab Menu share theirs); 0 when there is none.
int menuTypeOfStartCall(const QString &text);
