#include "app/windowsettings.h"

#include "app/inifile.h"
#include "app/recentfiles.h"
#include "app/recentfilesmenu.h"
#include "app/settingsplace.h"
#include "app/toolplaces.h"
#include "project/platform/dialogs.h"

#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

namespace {

// untranslated: section names of the settings file
const QString kPositions = QStringLiteral("Positions");
// untranslated: as above
const QString kRecentFiles = QStringLiteral("Recent Files");

// The desktop as the settings see it: the union of all screens.
QRect desktopGeometry()
{
    QRect all;
    for (const QScreen *s : QGuiApplication::screens())
        all |= s->geometry();
    return all.isValid() ? all : QRect(0, 0, 1024, 768);
}

} // namespace

void PlaceWindow(QWidget *window, int x, int y, int w, int h)
{
    const QRect desktop = desktopGeometry();
    QPoint pos = window->pos();
    if (x != kNotSet && x < desktop.right() + 1 - 20)
        pos.setX(x);
    if (y != kNotSet && y < desktop.bottom() + 1 - 20)
        pos.setY(y);
    QSize size = window->size();
    if (w != kNotSet && w > 0)
        size.setWidth(qMin(w, desktop.width()));
    if (h != kNotSet && h > 0)
        size.setHeight(qMin(h, desktop.height()));
    window->resize(size);
    const QRect placed(pos, window->size());
    bool visible = false;
    for (const QScreen *s : QGuiApplication::screens())
        visible = visible || s->availableGeometry().intersected(placed).width() >= 40;
    if (!visible)
        if (const QScreen *primary = QGuiApplication::primaryScreen())
            pos = primary->availableGeometry().topLeft() + QPoint(40, 40);
    window->move(pos);
}

WindowSettings::WindowSettings(QWidget &main, QWidget &itemParams, QWidget &preview, RecentFilesMenu &recentFiles,
                               QString programFolder)
    : m_main(main)
    , m_itemParams(itemParams)
    , m_preview(preview)
    , m_recentFiles(recentFiles)
    , m_programFolder(std::move(programFolder))
{
}

QString WindowSettings::fileName() const
{
    return settingsFilePath(m_programFolder);
}

void WindowSettings::placeToolWindowsBeside()
{
    const QScreen *screen = QGuiApplication::screenAt(m_main.geometry().center());
    if (!screen)
        screen = QGuiApplication::primaryScreen();
    if (!screen)
        return;
    const auto places =
        toolPlacesBeside(m_main.geometry(), m_itemParams.size(), m_preview.size(), screen->availableGeometry());
    if (!places)
        return; // no room: the designed places stay
    m_itemParams.move(places->itemParams);
    m_preview.move(places->preview);
}

void WindowSettings::read()
{
    const QString path = fileName();
    if (!QFileInfo::exists(path)) {
        placeToolWindowsBeside();
        return;
    }
    IniFile ini;
    ini.load(path);
    auto placeFrom = [&ini](QWidget *window, const QString &prefix) {
        const int w = ini.readInteger(kPositions, prefix + QStringLiteral("W"), kNotSet);
        const int h = ini.readInteger(kPositions, prefix + QStringLiteral("H"), kNotSet);
        const int y = ini.readInteger(kPositions, prefix + QStringLiteral("Y"), kNotSet);
        const int x = ini.readInteger(kPositions, prefix + QStringLiteral("X"), kNotSet);
        PlaceWindow(window, x, y, w, h);
    };
    placeFrom(&m_main, QStringLiteral("main"));
    if (ini.readInteger(kPositions, QStringLiteral("mainMaximized"), 0) == 1)
        m_main.setWindowState(m_main.windowState() | Qt::WindowMaximized);
    // Tool windows without stored places go beside the main window's place.
    placeToolWindowsBeside();
    placeFrom(&m_itemParams, QStringLiteral("itemp"));
    placeFrom(&m_preview, QStringLiteral("preview"));

    QStringList files;
    for (int n = 0; n < kMaxRecentFiles; ++n)
        files << ini.readString(kRecentFiles, QStringLiteral("file%1").arg(n));
    m_recentFiles.setFiles(files);
}

void WindowSettings::write()
{
    const QString path = fileName();
    QDir().mkpath(QFileInfo(path).absolutePath());
    IniFile ini;
    ini.load(path);
    auto store = [&ini](const QWidget &window, const QString &prefix, bool maximized) {
        // A maximised window keeps its normal place for when it is restored.
        const QRect g = maximized ? window.normalGeometry() : QRect(window.pos(), window.size());
        ini.writeInteger(kPositions, prefix + QStringLiteral("X"), g.x());
        ini.writeInteger(kPositions, prefix + QStringLiteral("Y"), g.y());
        ini.writeInteger(kPositions, prefix + QStringLiteral("W"), g.width());
        ini.writeInteger(kPositions, prefix + QStringLiteral("H"), g.height());
    };
    store(m_main, QStringLiteral("main"), m_main.isMaximized());
    ini.writeInteger(kPositions, QStringLiteral("mainMaximized"), m_main.isMaximized() ? 1 : 0);
    store(m_itemParams, QStringLiteral("itemp"), false);
    store(m_preview, QStringLiteral("preview"), false);
    const QStringList &files = m_recentFiles.files();
    for (int i = 0; i < files.size(); ++i)
        ini.writeString(kRecentFiles, QStringLiteral("file%1").arg(i), files.at(i));
    if (!ini.save(path))
        dialogs().showError(tr("Can't write the file: \r%1").arg(path));
}
