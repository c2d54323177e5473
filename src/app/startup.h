#pragma once

#include "app/commandline.h"

class Project;
class Tfrm;
class TfrmAbout;
class TfrmFont;
class TfrmItemParams;
class TfrmItemStyles;
class TfrmMenuType;
class TfrmPreview;
class TfrmSaveProject;

// The program entry: command line, application, windows in their order,
// settings, the menu type choice, then the message loop.
int runProgram(int argc, char **argv);

// Keeps the web engine's set-up chatter off stderr unless PLIVEX_DEBUG is
// set: Chromium logs only fatal errors, Qt's informational messages are off.
// Warnings and errors still reach stderr. Runs before the application object.
void quietEngineLogging();

// Creates the project and the eight windows once, in their order, with the
// main window first, and wires them together; destroys them at the end.
void createWindows();
void destroyWindows();

// The first project of the session, in its menu type: a project left
// behind by a crash when the user takes it, else the named file, else the
// default project. The type comes from --type, the recovered project, the
// file's own type statement, or the menu type window, in that order.
void startProject(const CommandLine &cl);

// What start-up made. Only start-up and tests reach the windows this way;
// the windows get what they need through their constructors.
extern Project *project;
extern Tfrm *frm;
extern TfrmMenuType *frmMenuType;
extern TfrmFont *frmFont;
extern TfrmAbout *frmAbout;
extern TfrmItemParams *frmItemParams;
extern TfrmPreview *frmPreview;
extern TfrmSaveProject *frmSaveProject;
extern TfrmItemStyles *frmItemStyles;
