#pragma once

#include <QList>
#include <QString>

// What the user chose about a data file's site, kept outside the data file:
// the site folder, where the one found (see siteFolderOf) is not the right
// one, and the page of the site the preview shows the menu in. The settings
// file keeps them between runs.
class SiteChoices
{
public:
    struct Entry
    {
        QString dataFile;
        QString siteFolder; // empty: the one found
        QString page;       // empty: the program's sample page
    };

    // The site folder of `dataFile`, ending with "/"; empty without a file.
    QString siteFolderFor(const QString &dataFile) const;
    // The folder found from the file, or given back, is no choice.
    void chooseSiteFolder(const QString &dataFile, const QString &folder);
    // The page the preview shows `dataFile`'s menu in; empty for the sample.
    QString previewPageFor(const QString &dataFile) const;
    void choosePreviewPage(const QString &dataFile, const QString &page);
    // The project was saved from `oldFile` to `newFile`: its choices go with it.
    void saved(const QString &oldFile, const QString &newFile);

    // The latest first, for the settings file.
    QList<Entry> entries() const { return m_entries; }
    void setEntries(const QList<Entry> &entries);

    // Older choices beyond this many are forgotten.
    static constexpr int kMaxKept = 100;

private:
    static QString key(const QString &dataFile);
    const Entry *find(const QString &dataFile) const;
    Entry &entryFor(const QString &dataFile);
    void tidy();

    QList<Entry> m_entries;
};
