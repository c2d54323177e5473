#include "app/recentfilesmenu.h"

#include "app/recentfiles.h"
#include "project/model/menutypes.h"
#include "project/lifecycle/projectcontroller.h"

#include <QMenu>

RecentFilesMenu::RecentFilesMenu(QMenu *menu, QObject *parent)
    : QObject(parent)
    , m_menu(menu)
{
    rebuild();
}

void RecentFilesMenu::add(const QString &path)
{
    m_types.remove(path);
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
        QAction *a = m_menu->addAction(recentFileLabel(path, typeNameOf(path)));
        connect(a, &QAction::triggered, this, [this, path] { emit chosen(path); });
    }
    m_menu->setEnabled(!m_files.isEmpty());
}

QString RecentFilesMenu::typeNameOf(const QString &path)
{
    auto known = m_types.constFind(path);
    if (known == m_types.cend())
        known = m_types.insert(path, MenuTypeNamedInFile(path));
    const int type = *known;
    return type < 0 ? QString() : menuTypes().at(static_cast<size_t>(type)).name;
}
