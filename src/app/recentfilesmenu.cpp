#include "app/recentfilesmenu.h"

#include "app/recentfiles.h"

#include <QMenu>

RecentFilesMenu::RecentFilesMenu(QMenu *menu, QObject *parent)
    : QObject(parent)
    , m_menu(menu)
{
    rebuild();
}

void RecentFilesMenu::add(const QString &path)
{
    addRecentFile(m_files, path);
    rebuild();
}

void RecentFilesMenu::setFiles(const QStringList &files)
{
    m_files.clear();
    // Oldest first, so that the newest ends on top.
    for (qsizetype n = files.size() - 1; n >= 0; --n)
        if (!files.at(n).trimmed().isEmpty())
            addRecentFile(m_files, files.at(n));
    rebuild();
}

void RecentFilesMenu::rebuild()
{
    m_menu->clear();
    for (const QString &path : m_files) {
        QAction *a = m_menu->addAction(path);
        connect(a, &QAction::triggered, this, [this, path] { emit chosen(path); });
    }
    m_menu->setEnabled(!m_files.isEmpty());
}
