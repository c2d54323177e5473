#include "project/shell.h"

#include <QDesktopServices>

namespace {
bool openWithDesktop(const QUrl &target)
{
    return QDesktopServices::openUrl(target);
}
} // namespace

bool (*openWithShell)(const QUrl &target) = openWithDesktop;
