#include "project/platform/shell.h"

#include "project/platform/dialogs.h"

#include <QClipboard>
#include <QDesktopServices>
#include <QCoreApplication>
#include <QFileInfo>
#include <QGuiApplication>
#include <QProcess>
#include <QStandardPaths>

namespace {

struct ShellText { Q_DECLARE_TR_FUNCTIONS(Shell) };

} // namespace

bool openWithDesktop(const QUrl &target)
{
    // The desktop's opener says whether a browser took the address; asked
    // through QDesktopServices, a browser that fails at once goes unheard.
    if (startWatchedOpener(QStringLiteral("xdg-open"), {target.toString(QUrl::FullyEncoded)}, target))
        return true;
    return QDesktopServices::openUrl(target);
}

void offerAddressToCopy(const QUrl &target)
{
    const QString address = target.isLocalFile() ? target.toLocalFile() : target.toString();
    const QString text = ShellText::tr("No web browser could be started to open:\r%1\r\r"
                                       "Copy the address to the clipboard, to paste it into a browser yourself?")
                             .arg(address);
    if (dialogs().askYesNo(text) == Dialogs::Answer::Yes)
        QGuiApplication::clipboard()->setText(target.toString());
}

bool openInBrowser(const QUrl &target)
{
    if (dialogs().openWithShell(target))
        return true;
    offerAddressToCopy(target);
    return false;
}

bool startWatchedOpener(const QString &program, const QStringList &arguments, const QUrl &target)
{
    if (QStandardPaths::findExecutable(program).isEmpty() && !QFileInfo(program).isExecutable())
        return false;
    // Owned by the application, not by the caller: a browser the opener
    // hands over to may run for as long as the user likes, and is never
    // ended with a window of ours.
    auto *opener = new QProcess(QCoreApplication::instance());
    opener->setProgram(program);
    opener->setArguments(arguments);
    opener->setStandardInputFile(QProcess::nullDevice());
    opener->setStandardOutputFile(QProcess::nullDevice());
    QObject::connect(opener, &QProcess::finished, opener, [opener, target](int code, QProcess::ExitStatus status) {
        opener->deleteLater();
        if (status != QProcess::NormalExit || code != 0) {
            qDebug("plivex: %s ended with %d opening %s", qPrintable(opener->program()), code,
                   qPrintable(target.toString()));
            offerAddressToCopy(target);
        }
    });
    opener->start();
    if (!opener->waitForStarted(5000)) {
        opener->deleteLater();
        return false;
    }
    return true;
}
