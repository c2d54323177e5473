#pragma once

#include <QIcon>

// The program's own icon, at every size the build drew it, for the windows'
// frames and task switchers. Empty when the build left the pictures out.
QIcon programIcon();
