#include "project/site/sitechoices.h"

#include "project/site/sitelinks.h"

#include <QDir>
#include <QFileInfo>

QString SiteChoices::key(const QString &dataFile)
{
    return QDir::cleanPath(QDir::fromNativeSeparators(QFileInfo(dataFile).absoluteFilePath()));
}

const SiteChoices::Entry *SiteChoices::find(const QString &dataFile) const
{
    const QString k = key(dataFile);
    for (const Entry &entry : m_entries)
        if (entry.dataFile == k)
            return &entry;
    return nullptr;
}

SiteChoices::Entry &SiteChoices::entryFor(const QString &dataFile)
{
    const QString k = key(dataFile);
    Entry kept{k, {}, {}};
    for (qsizetype i = 0; i < m_entries.size(); ++i)
        if (m_entries.at(i).dataFile == k) {
            kept = m_entries.takeAt(i);
            break;
        }
    m_entries.prepend(kept);
    return m_entries.first();
}

void SiteChoices::tidy()
{
    m_entries.removeIf([](const Entry &e) { return e.dataFile.isEmpty() || (e.siteFolder.isEmpty() && e.page.isEmpty()); });
    while (m_entries.size() > kMaxKept)
        m_entries.removeLast();
}

QString SiteChoices::siteFolderFor(const QString &dataFile) const
{
    if (dataFile.isEmpty())
        return {};
    const Entry *entry = find(dataFile);
    return entry && !entry->siteFolder.isEmpty() ? entry->siteFolder : siteFolderOf(dataFile);
}

void SiteChoices::chooseSiteFolder(const QString &dataFile, const QString &folder)
{
    if (dataFile.isEmpty())
        return;
    QString chosen = folder.isEmpty() ? QString() : QDir::cleanPath(QFileInfo(folder).absoluteFilePath());
    if (!chosen.isEmpty() && !chosen.endsWith(QLatin1Char('/')))
        chosen += QLatin1Char('/');
    entryFor(dataFile).siteFolder = chosen == siteFolderOf(dataFile) ? QString() : chosen;
    tidy();
}

QString SiteChoices::previewPageFor(const QString &dataFile) const
{
    const Entry *entry = dataFile.isEmpty() ? nullptr : find(dataFile);
    return entry ? entry->page : QString();
}

void SiteChoices::choosePreviewPage(const QString &dataFile, const QString &page)
{
    if (dataFile.isEmpty())
        return;
    entryFor(dataFile).page = page.isEmpty() ? QString() : QDir::cleanPath(QFileInfo(page).absoluteFilePath());
    tidy();
}

void SiteChoices::saved(const QString &oldFile, const QString &newFile)
{
    if (oldFile.isEmpty() || newFile.isEmpty() || key(oldFile) == key(newFile))
        return;
    const Entry *old = find(oldFile);
    if (!old)
        return;
    const Entry moved = *old;
    Entry &now = entryFor(newFile);
    now.siteFolder = moved.siteFolder;
    now.page = moved.page;
    tidy();
}

void SiteChoices::setEntries(const QList<Entry> &entries)
{
    m_entries.clear();
    for (const Entry &entry : entries)
        if (!entry.dataFile.isEmpty() && !find(entry.dataFile))
            m_entries.append({key(entry.dataFile), entry.siteFolder, entry.page});
    tidy();
}
