#pragma once

#include "page/pagegate.h"
#include "page/webpage.h"

#include <QString>
#include <functional>
#include <memory>

// Helpers for tests of real pages in a headless Qt WebEngine view.
namespace harness {

// The folder with the program's staged runtime files, ending with "/".
QString runtimeDir();
// The folder with the test programs' own pages and files, ending with "/".
QString testDataDir();

// The gate of the pages a test makes, as the program's windows share one.
// It goes with the application.
PageGate &gate();

// Waits in a real event loop until `done` answers true; false after `ms`.
// Qt WebEngine does its browser-side work through the event loop: QTest's
// qWaitFor and QTRY_* sleep between rounds and make every page load take
// seconds, so waits for pages go through here.
bool waitUntil(const std::function<bool()> &done, int ms = 30000);

// Waits until the page holds a document; false after `ms`.
bool waitForDocument(Page &page, int ms = 30000);

// A shown view with `path` loaded and complete; fails the test otherwise.
std::unique_ptr<WebPage> openPage(const QString &path);

// The file a page of the program's views shows (or is loading).
QString loadedPagePath(Page *page);

} // namespace harness
