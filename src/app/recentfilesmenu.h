#pragma once

#include <QHash>
#include <QObject>
#include <QStringList>

class QMenu;

// File > Recent files: the list, newest first, and its submenu. Each entry
// names the menu type its file states; a file is read for that once, and
// again only when it is put on top (it was opened or saved since).
class RecentFilesMenu : public QObject
{
    Q_OBJECT

public:
    explicit RecentFilesMenu(QMenu *menu, QObject *parent = nullptr);

    const QStringList &files() const { return m_files; }
    QMenu *menu() const { return m_menu; }
    // Puts `path` on top (see addRecentFile).
    void add(const QString &path);
    // The list as the settings keep it, newest first.
    void setFiles(const QStringList &files);

signals:
    void chosen(const QString &path);

private:
    void rebuild();
    QString typeNameOf(const QString &path);

    QMenu *m_menu;
    QStringList m_files;
    // The menu type each file names (-1: none, or unreadable), by path.
    QHash<QString, int> m_types;
};
