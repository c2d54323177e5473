#pragma once

#include "app/commandline.h"

struct ProgramWindows;

// The program entry: command line, application, windows in their order,
// settings, the menu type choice, then the message loop. The program's files
// are read from `programFolder`; empty, from the program file's own folder.
int runProgram(int argc, char **argv, const QString &programFolder = {});

// The web engine's flags and logging, before the application object: pages
// in hidden windows keep their timers. The engine's set-up chatter stays off
// stderr unless PLIVEX_DEBUG is set: Chromium logs only fatal errors, Qt's
// informational messages are off. Warnings and errors still reach stderr.
void setUpWebEngine();

// The first project of the session, in its menu type: a project left
// behind by a crash when the user takes it, else the named file, else the
// default project. The type comes from --type, the recovered project, the
// file's own type statement, or the menu type window, in that order.
void startProject(ProgramWindows &windows, const CommandLine &cl);
