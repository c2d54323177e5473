#pragma once

#include "support/scripteddialogs.h"

#include <QStringList>
#include <QTemporaryDir>
#include <QUrl>
#include <memory>

struct ProgramWindows;

// The program's windows over a program folder of the test's own: a temporary
// folder whose data, default projects and help are links to the staged
// runtime files, so the settings file the windows write lands there.
class AppFixture
{
public:
    // `leaveOut`: runtime paths (relative, e.g. "data/tabs", "qrnmenu.js")
    // not to provide.
    explicit AppFixture(const QStringList &leaveOut = {});
    ~AppFixture();

    // Creates the nine windows as the program does.
    ProgramWindows &createWindows();
    // The windows createWindows made; they go with the fixture, or earlier
    // through destroyWindows.
    ProgramWindows &windows() const { return *m_windows; }
    void destroyWindows();
    // Gives the project a menu type and loads its default project, as
    // start-up does once a type is chosen.
    void chooseMenuType(int type);
    // Waits until the parameter page has loaded.
    bool waitForParameterPage();

    QString folder() const { return m_dir.path() + QLatin1Char('/'); }
    QString settingsPath() const { return folder() + QStringLiteral("plivex.ini"); }
    void writeSettings(const QByteArray &text) const;

    ScriptedDialogs dialogs;

private:
    QTemporaryDir m_dir;
    std::unique_ptr<ProgramWindows> m_windows;
};

// The windows of the fixture of the running test.
ProgramWindows &windows();
