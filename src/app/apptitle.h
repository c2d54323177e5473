#pragma once

#include <QString>

// The application title: the main window's caption while the project has no
// file, and the caption of every message box.
inline const QString kAppTitle = QStringLiteral("Quorna Ostrel Plivex");
