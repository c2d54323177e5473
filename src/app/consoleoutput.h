#pragma once

#include <QString>

// The site build's own lines. A build log holds only these: what Qt, the web
// engine's processes and the graphics back ends would print goes nowhere,
// unless PLIVEX_DEBUG is set in the environment.

// Sends the process's standard output and error (inherited by every process
// it starts) to the null device, keeping copies for the lines below. Call it
// before the application object exists.
void keepOnlyOwnOutput();

void printOutputLine(const QString &line);
// "plivex: " and the text on standard error.
void printErrorLine(const QString &text);
// A line that starts with its place, "FILE:LINE:COLUMN: ", as compilers
// write theirs.
void printLocatedError(const QString &line);
// A message box text as one line: its line breaks become spaces.
QString asOneLine(QString text);
