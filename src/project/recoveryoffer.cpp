#include "project/recoveryoffer.h"

#include "project/dialogs.h"

#include <QLocale>

std::optional<RecoveryFile> offerRecovery(RecoveryFile::Contents &contents, const QString &folder)
{
    for (const RecoveryFile &file : RecoveryFile::leftBehind(folder)) {
        RecoveryFile::Contents found;
        // A file that cannot be read is no project to offer; it stays for a
        // later version or for the user to look at.
        if (!file.read(found))
            continue;
        const QString when = QLocale().toString(found.written.toLocalTime(), QLocale::ShortFormat);
        if (dialogs().askYesNo(QStringLiteral("Restore the unsaved menu from %1?").arg(when)) == Dialogs::Answer::Yes) {
            contents = found;
            return file;
        }
        file.remove();
    }
    return std::nullopt;
}
