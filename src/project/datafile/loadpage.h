#pragma once

#include <QString>

class Page;

// Loads `path` into `view`. A missing file is reported and ends the program
// (through the dialog seam's endProgram); the answer is then false.
bool LoadPage(Page *view, const QString &path);
