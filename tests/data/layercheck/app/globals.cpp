#include "app/globals.h"

namespace {
MainWindow *g_main = nullptr;
// A pointer to constant text is data.
const char *const kName = "name";
}

MainWindow *mainWindowOf(int id)
{
    static Page *lastPage;
    return id == 0 ? g_main : nullptr;
}
