#pragma once

#include <QString>

// The application title: the main window's caption while the project has no
// file, and the caption of every message box.
// untranslated: the product's name, also written into the pages it marks
inline const QString kAppTitle = QStringLiteral("Quorna Ostrel Plivex");

// The product's web site, named in the header of every data file and in the
// about box. The default projects carry the same address.
inline const QString kProductWebSite = QStringLiteral("https://plivex.quorna.example/");

// The version as the windows show it ("v1.4.0"): the about box and the menu
// type window say the same.
inline QString versionText()
{
    return QStringLiteral("v") + QStringLiteral(PLIVEX_VERSION);
}
