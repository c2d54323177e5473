#pragma once

#include <QObject>
#include <QStringList>

class QMenu;

// File > Recent files: the list, newest first, and its submenu.
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

    QMenu *m_menu;
    QStringList m_files;
};
