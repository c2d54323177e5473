#pragma once

#include "page/webpage.h"

#include <QString>
#include <memory>

// Helpers for tests of real pages in a headless Qt WebEngine view.
namespace harness {

// The folder with the program's staged runtime files, ending with "/".
QString runtimeDir();
// The folder with the test programs' own pages and files, ending with "/".
QString testDataDir();

// Waits until the page holds a document; false after `ms`.
bool waitForDocument(Page &page, int ms = 30000);

// A shown view with `path` loaded and complete; fails the test otherwise.
std::unique_ptr<WebPage> openPage(const QString &path);

} // namespace harness
