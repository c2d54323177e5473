#pragma once

#include <QString>

class Page;

// Loads `path` into `view`. A missing file is reported and ends the program
// (through endProgram); the answer is then false.
bool LoadPage(Page *view, const QString &path);

// How the program ends when it cannot go on (a missing page file). Tests put
// in their own to see that it happened.
extern void (*endProgram)(int exitCode);
// True once the program has been told to end.
bool programEnding();
