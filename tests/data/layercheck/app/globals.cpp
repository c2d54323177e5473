#include "app/globals.h"

namespace {
Tfrm *g_main = nullptr;
// A pointer to constant text is data.
const char *const kName = "name";
}

Tfrm *mainWindowOf(int id)
{
    static Page *lastPage;
    return id == 0 ? g_main : nullptr;
}
