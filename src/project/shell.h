#pragma once

#include <QUrl>

// Asks the desktop to open a document, a web address or a "mailto:" address
// with the user's default handler. Tests put in their own function to see
// what would have been opened.
extern bool (*openWithShell)(const QUrl &target);

// Opens `target` with openWithShell. When nothing could be started the user
// is told so through the dialog seam and may have the address copied to the
// clipboard to paste into a browser; false then.
bool openInBrowser(const QUrl &target);
