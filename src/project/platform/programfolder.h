#pragma once

#include <QString>

// The folder of the program file, ending with "/": every page, default
// project, help file and the portable settings file are found from here.
QString programFolder();

// True for a file the program ships (its default projects and themes, under
// `folder`): the editor reads them and never writes over them, so that they
// stay what every new project starts from.
bool isShippedFile(const QString &path, const QString &folder = programFolder());
