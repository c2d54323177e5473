#include "project/site/linkfolders.h"

#include <QDir>
#include <QFileInfo>

#include <algorithm>

QString LinkFolders::normalFolder(const QString &folder)
{
    if (folder.trimmed().isEmpty())
        return {};
    const QString clean = QDir::cleanPath(QDir::fromNativeSeparators(QFileInfo(folder).absoluteFilePath()));
    return clean.endsWith(QLatin1Char('/')) ? clean : clean + QLatin1Char('/');
}

QString LinkFolders::ownFolder(const QString &dataFile)
{
    return normalFolder(QFileInfo(dataFile).absolutePath());
}

QString LinkFolders::key(const QString &dataFile)
{
    return QDir::cleanPath(QDir::fromNativeSeparators(QFileInfo(dataFile).absoluteFilePath()));
}

QString LinkFolders::folderFor(const QString &dataFile) const
{
    if (dataFile.isEmpty())
        return m_last;
    const QString k = key(dataFile);
    for (const auto &[file, folder] : m_chosen)
        if (file == k)
            return folder;
    return ownFolder(dataFile);
}

bool LinkFolders::isChosen(const QString &dataFile) const
{
    if (dataFile.isEmpty())
        return !m_last.isEmpty();
    const QString k = key(dataFile);
    return std::any_of(m_chosen.begin(), m_chosen.end(), [&k](const auto &entry) { return entry.first == k; });
}

void LinkFolders::choose(const QString &dataFile, const QString &folder)
{
    const QString chosen = normalFolder(folder);
    if (chosen.isEmpty())
        return;
    m_last = chosen;
    if (dataFile.isEmpty())
        return;
    const QString k = key(dataFile);
    m_chosen.removeIf([&k](const auto &entry) { return entry.first == k; });
    if (chosen != ownFolder(dataFile))
        m_chosen.prepend({k, chosen});
    while (m_chosen.size() > kMaxKept)
        m_chosen.removeLast();
}

void LinkFolders::used(const QString &dataFile)
{
    if (!dataFile.isEmpty())
        m_last = folderFor(dataFile);
}

void LinkFolders::saved(const QString &oldFile, const QString &newFile)
{
    if (newFile.isEmpty() || (!oldFile.isEmpty() && key(oldFile) == key(newFile)))
        return;
    // A folder the user chose, or the one a project without a file used,
    // is the site the links were picked for: a new default would leave them
    // pointing elsewhere. A file's own folder stays its own.
    const QString folder = folderFor(oldFile);
    if (!folder.isEmpty() && (oldFile.isEmpty() || isChosen(oldFile)))
        choose(newFile, folder);
    used(newFile);
}

QList<QPair<QString, QString>> LinkFolders::entries() const
{
    QList<QPair<QString, QString>> out;
    if (!m_last.isEmpty())
        out.append({QString(), m_last});
    out.append(m_chosen);
    return out;
}

void LinkFolders::setEntries(const QList<QPair<QString, QString>> &entries)
{
    m_chosen.clear();
    m_last.clear();
    for (const auto &[file, folder] : entries) {
        const QString f = normalFolder(folder);
        if (f.isEmpty())
            continue;
        if (file.isEmpty()) {
            m_last = f;
        } else if (m_chosen.size() < kMaxKept) {
            m_chosen.append({key(file), f});
        }
    }
}
