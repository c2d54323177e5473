#pragma once

// The program entry: command line, application, windows in their order,
// settings, the menu type choice, then the message loop.
int runProgram(int argc, char **argv);
