#pragma once

#include <QString>

// The file an installation lays beside the program to say that this copy is
// installed, whoever may write to its folder.
inline const QString kInstalledCopyMarker = QStringLiteral("installed.txt");

// Where "plivex.ini" is kept for the program in `programFolder` (ending with
// "/"). A copy run from a folder of its own (a build, an unpacked archive)
// keeps its settings beside itself, so they travel with it; an installed copy,
// and any copy whose folder it may not write, keeps them in the user's
// configuration folder.
QString settingsFilePath(const QString &programFolder);
