#include "project/shell.h"

#include "project/dialogs.h"

#include <QClipboard>
#include <QDesktopServices>
#include <QGuiApplication>

namespace {
bool openWithDesktop(const QUrl &target)
{
    return QDesktopServices::openUrl(target);
}
} // namespace

bool (*openWithShell)(const QUrl &target) = openWithDesktop;

bool openInBrowser(const QUrl &target)
{
    if (openWithShell(target))
        return true;
    const QString address = target.isLocalFile() ? target.toLocalFile() : target.toString();
    const QString text = QStringLiteral("No web browser could be started to open:\r%1\r\r"
                                        "Copy the address to the clipboard, to paste it into a browser yourself?")
                             .arg(address);
    if (dialogs().askYesNo(text) == Dialogs::Answer::Yes)
        QGuiApplication::clipboard()->setText(target.toString());
    return false;
}
