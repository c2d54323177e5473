#pragma once

#include <QList>
#include <QPair>
#include <QString>

// The folder each data file's links are relative to: the site folder the
// pages that show the menu are in. By default it is the data file's own
// folder, and only a folder the user chose otherwise is kept. A project
// without a file uses the folder chosen last, if any. Kept outside the data
// file, whose layout the engines read.
class LinkFolders
{
public:
    // The folder for `dataFile`, ending with "/"; empty for a project
    // without a file when no folder was chosen yet.
    QString folderFor(const QString &dataFile) const;
    // True when the user chose the folder of `dataFile`.
    bool isChosen(const QString &dataFile) const;
    // The user chose `folder` for `dataFile` (empty: a project without a
    // file). The data file's own folder brings back the default.
    void choose(const QString &dataFile, const QString &folder);
    // `dataFile` was opened or saved: a project without a file goes on with
    // its folder.
    void used(const QString &dataFile);
    // A project was saved from `oldFile` (empty: it had none) to `newFile`:
    // a folder chosen for it, or the one it used without a file, goes with
    // it, unless it is the new file's own folder anyway.
    void saved(const QString &oldFile, const QString &newFile);

    // The chosen folders as (data file, folder) pairs, the latest first,
    // for the settings file; the folder chosen last has an empty data file.
    QList<QPair<QString, QString>> entries() const;
    void setEntries(const QList<QPair<QString, QString>> &entries);

    // Older choices beyond this many are forgotten.
    static constexpr int kMaxKept = 100;

    // The folder `dataFile` lies in, ending with "/".
    static QString ownFolder(const QString &dataFile);

private:
    static QString normalFolder(const QString &folder);
    static QString key(const QString &dataFile);

    QList<QPair<QString, QString>> m_chosen; // key, folder; the latest first
    QString m_last;
};
