#include "project/lifecycle/recoveryoffer.h"

#include "project/platform/dialogs.h"
#include "project/model/menutypes.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QLocale>

namespace {

struct RecoveryOfferText
{
    Q_DECLARE_TR_FUNCTIONS(RecoveryOffer)
};

} // namespace

std::optional<RecoveryFile> offerRecovery(RecoveryFile::Contents &contents, const QString &folder)
{
    for (const RecoveryFile &file : RecoveryFile::leftBehind(folder)) {
        RecoveryFile::Contents found;
        // A file that cannot be read is no project to offer; it stays for a
        // later version or for the user to look at.
        if (!file.read(found))
            continue;
        const QString when = QLocale().toString(found.written.toLocalTime(), QLocale::ShortFormat);
        // Several menus may have been left behind: each says which it is.
        const bool known = found.menuType >= 0 && found.menuType < kMenuTypeCount;
        const QString type = known ? menuTypes().at(static_cast<size_t>(found.menuType)).name : QString();
        const QString question =
            found.fileName.isEmpty()
                ? RecoveryOfferText::tr("Restore the unsaved menu%1 from %2?\r(It was never saved to a file.)")
                      .arg(type.isEmpty() ? QString() : QStringLiteral(" (%1)").arg(type), when)
                : RecoveryOfferText::tr("Restore the unsaved changes to %1%2 from %3?\r%4")
                      .arg(QFileInfo(found.fileName).fileName(),
                           type.isEmpty() ? QString() : QStringLiteral(" (%1)").arg(type), when, found.fileName);
        if (dialogs().askYesNo(question) == Dialogs::Answer::Yes) {
            contents = found;
            return file;
        }
        file.remove();
    }
    return std::nullopt;
}
