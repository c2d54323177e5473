#pragma once

#include <QUrl>

// Asks the desktop to open a document, a web address or a "mailto:" address
// with the user's default handler; what the windows' dialog seam does.
bool openWithDesktop(const QUrl &target);

// Opens `target` through the dialog seam's openWithShell. When nothing could be started the user
// is told so through the dialog seam and may have the address copied to the
// clipboard to paste into a browser; false then.
bool openInBrowser(const QUrl &target);

// Tells the user that `target` could not be opened in a browser and offers
// its address for the clipboard.
void offerAddressToCopy(const QUrl &target);

// Starts `program` with `arguments` to open `target`, and watches it: an
// opener that fails (a browser that exits at once with an error, none
// found) is reported as offerAddressToCopy does, once it has ended. False
// when it could not be started at all (nothing is reported then).
bool startWatchedOpener(const QString &program, const QStringList &arguments, const QUrl &target);
