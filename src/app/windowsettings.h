#pragma once

#include <QCoreApplication>
#include <QRect>
#include <QString>

class QWidget;
class RecentFilesMenu;

// A settings value that stands for "not set".
inline constexpr int kNotSet = -2147483647;

// Puts a window at a stored place. Positions at or beyond the desktop's right
// or bottom edge less 20 pixels are ignored, sizes are kept within the
// desktop, and a window that would lie off every screen is brought back.
void PlaceWindow(QWidget *window, int x, int y, int w, int h);

// What the program keeps between runs: where its three windows stood and the
// recent files, in "plivex.ini".
class WindowSettings
{
    Q_DECLARE_TR_FUNCTIONS(WindowSettings)

public:
    WindowSettings(QWidget &main, QWidget &itemParams, QWidget &preview, RecentFilesMenu &recentFiles,
                   QString programFolder);

    // Beside the program when that folder is writable, otherwise in the
    // user's configuration folder.
    QString fileName() const;
    // Without a settings file the tool windows go beside the main window.
    void read();
    // Says so when the file cannot be written.
    void write();

private:
    void placeToolWindowsBeside();

    QWidget &m_main;
    QWidget &m_itemParams;
    QWidget &m_preview;
    RecentFilesMenu &m_recentFiles;
    QString m_programFolder;
};
