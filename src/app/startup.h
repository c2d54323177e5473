#pragma once

// The program entry: command line, application, windows in their order,
// settings, the menu type choice, then the message loop.
int runProgram(int argc, char **argv);

// Creates the eight windows once, in their order, with the main window first;
// and destroys them at the end.
void createWindows();
void destroyWindows();
