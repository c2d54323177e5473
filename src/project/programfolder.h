#pragma once

#include <QString>

// The folder of the program file, ending with "/": every page, default
// project, help file and the portable settings file are found from here.
QString programFolder();
// Tests run the program's windows against a folder of their own.
void setProgramFolder(const QString &folder);
