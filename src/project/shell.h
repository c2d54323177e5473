#pragma once

#include <QUrl>

// Asks the desktop to open a document, a web address or a "mailto:" address
// with the user's default handler. Tests put in their own function to see
// what would have been opened.
extern bool (*openWithShell)(const QUrl &target);
