#pragma once

#include <functional>

class Page;
class QObject;

// Calls `ended` when the renderer behind a web page ends other than by the
// page closing (a crash, a kill, lack of memory). A page without a renderer
// of its own (a substitute in tests) is not watched.
void watchRenderer(Page *page, QObject *context, std::function<void()> ended);
