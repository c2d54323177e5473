#include "project/site/addtopages.h"

#include "project/platform/dialogs.h"
#include "project/site/pageinstall.h"
#include "project/model/project.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace {

struct AddToPagesText { Q_DECLARE_TR_FUNCTIONS(AddToPages) };

// A page as the user knows it: from the site folder when it lies inside.
QString shownPath(const QString &path, const QString &siteFolder)
{
    if (!siteFolder.isEmpty() && path.startsWith(siteFolder))
        return path.mid(siteFolder.size());
    return QDir::toNativeSeparators(path);
}

} // namespace

bool addMenuToPages(const Project &project, Page &params, bool mustSaveFirst, const std::function<bool()> &save)
{
    if (mustSaveFirst || project.CurrentFileName.isEmpty() || project.Modified()) {
        if (dialogs().askYesNo(AddToPagesText::tr("Pages load the menu from its saved data file.\rSave the menu now?")) !=
                Dialogs::Answer::Yes ||
            !save() || project.CurrentFileName.isEmpty() || project.Modified())
            return false;
    }
    const QString site = project.siteFolder();
    const QStringList pages = dialogs().openFiles(
        {AddToPagesText::tr("Add to Page"),
         //: Description and patterns in turn, split by "|": only the descriptions change.
         AddToPagesText::tr("Web pages (*.html;*.htm)|*.html;*.htm|All files (*.*)|*.*"),
         QString(), site});
    if (pages.isEmpty())
        return false;

    const MenuInstall menu = readMenuInstall(project, params, project.CurrentFileName);
    QList<PageInstall> changed;
    QStringList lines;
    QStringList diffs;
    bool trouble = false;
    for (const QString &page : pages) {
        PageInstall plan = planPageInstall(menu, page);
        const QString name = shownPath(plan.path, site);
        if (!plan.fileError.isEmpty()) {
            lines << plan.fileError;
            trouble = true;
        } else if (plan.placement.outcome == PagePlacement::Outcome::Refused) {
            lines << AddToPagesText::tr("%1: left as it is: %2.").arg(name, plan.placement.reason);
            trouble = true;
        } else if (plan.placement.outcome == PagePlacement::Outcome::Unchanged) {
            lines << AddToPagesText::tr("%1: up to date.").arg(name);
        } else {
            lines << (plan.placement.blockFound ? AddToPagesText::tr("%1: its menu block is written again.")
                                                : AddToPagesText::tr("%1: the menu goes at the start of its body."))
                         .arg(name);
            diffs << pageInstallDiff(plan);
            changed << plan;
        }
    }
    if (changed.isEmpty()) {
        if (trouble)
            dialogs().showError(AddToPagesText::tr("No page was changed.\r") + lines.join(QLatin1Char('\r')));
        else
            dialogs().showMessage(lines.join(QLatin1Char('\r')));
        return false;
    }
    const QStringList engines = missingEngineFiles(menu);
    for (const QString &engine : engines)
        lines << AddToPagesText::tr("%1: copied from the program beside the data file.").arg(shownPath(engine, site));
    if (dialogs().askToWrite(AddToPagesText::tr("Add the menu to these pages?\r") + lines.join(QLatin1Char('\r')) +
                                 AddToPagesText::tr("\rEach page as it was is kept beside it, its name ending in \"~\"."),
                             diffs.join(QLatin1Char('\n'))) != Dialogs::Answer::Yes)
        return false;

    QString error;
    if (!copyMissingEngineFiles(menu, project.ProgramFolder, &error)) {
        dialogs().showError(AddToPagesText::tr("No page was changed.\r") + error);
        return false;
    }
    QStringList failed;
    for (const PageInstall &plan : changed)
        if (!writePageInstall(plan, &error))
            failed << QStringLiteral("%1: %2").arg(shownPath(plan.path, site), error);
    if (!failed.isEmpty()) {
        dialogs().showError(AddToPagesText::tr("These pages could not be written; they are as they were:\r") +
                            failed.join(QLatin1Char('\r')));
        return failed.size() < changed.size();
    }
    return true;
}
