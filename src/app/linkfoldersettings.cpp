#include "app/linkfoldersettings.h"

#include "app/inifile.h"
#include "project/site/linkfolders.h"
#include "project/site/sitechoices.h"

#include <QDir>
#include <QFileInfo>

namespace {
// untranslated: section names of the settings file
const QString kSection = QStringLiteral("Link Folders");
const QString kSitesSection = QStringLiteral("Sites");
}

void readLinkFolders(const QString &settingsFile, LinkFolders &folders)
{
    IniFile ini;
    ini.load(settingsFile);
    QList<QPair<QString, QString>> entries;
    // One more than is kept tells where the list ends, however it was edited.
    for (int n = 0; n <= LinkFolders::kMaxKept; ++n) {
        const QString folder = ini.readString(kSection, QStringLiteral("folder%1").arg(n));
        if (folder.isEmpty())
            break;
        entries.append({ini.readString(kSection, QStringLiteral("file%1").arg(n)), folder});
    }
    folders.setEntries(entries);
}

bool writeLinkFolders(const QString &settingsFile, const LinkFolders &folders)
{
    QDir().mkpath(QFileInfo(settingsFile).absolutePath());
    IniFile ini;
    ini.load(settingsFile);
    const QList<QPair<QString, QString>> entries = folders.entries();
    for (int n = 0; n <= LinkFolders::kMaxKept; ++n) {
        const bool kept = n < entries.size();
        // Entries past the end are emptied: a shorter list must not end in
        // an older one's leftovers.
        if (!kept && !ini.contains(kSection, QStringLiteral("folder%1").arg(n)))
            break;
        ini.writeString(kSection, QStringLiteral("file%1").arg(n), kept ? entries.at(n).first : QString());
        ini.writeString(kSection, QStringLiteral("folder%1").arg(n), kept ? entries.at(n).second : QString());
    }
    return ini.save(settingsFile);
}

void readSiteChoices(const QString &settingsFile, SiteChoices &choices)
{
    IniFile ini;
    ini.load(settingsFile);
    QList<SiteChoices::Entry> entries;
    for (int n = 0; n <= SiteChoices::kMaxKept; ++n) {
        const QString file = ini.readString(kSitesSection, QStringLiteral("file%1").arg(n));
        if (file.isEmpty())
            break;
        entries.append({file, ini.readString(kSitesSection, QStringLiteral("site%1").arg(n)),
                        ini.readString(kSitesSection, QStringLiteral("page%1").arg(n))});
    }
    choices.setEntries(entries);
}

bool writeSiteChoices(const QString &settingsFile, const SiteChoices &choices)
{
    QDir().mkpath(QFileInfo(settingsFile).absolutePath());
    IniFile ini;
    ini.load(settingsFile);
    const QList<SiteChoices::Entry> entries = choices.entries();
    for (int n = 0; n <= SiteChoices::kMaxKept; ++n) {
        const bool kept = n < entries.size();
        if (!kept && !ini.contains(kSitesSection, QStringLiteral("file%1").arg(n)))
            break;
        ini.writeString(kSitesSection, QStringLiteral("file%1").arg(n), kept ? entries.at(n).dataFile : QString());
        ini.writeString(kSitesSection, QStringLiteral("site%1").arg(n), kept ? entries.at(n).siteFolder : QString());
        ini.writeString(kSitesSection, QStringLiteral("page%1").arg(n), kept ? entries.at(n).page : QString());
    }
    return ini.save(settingsFile);
}
