#pragma once

#include <QString>

// The text of a file built into the program (":/page/..."), as UTF-8. The
// pages' own scripts live in such files; one that is missing is a fault of
// the build, and gives an empty text.
QString resourceText(const QString &path);
