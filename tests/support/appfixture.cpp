#include "support/appfixture.h"

#include "app/mainwindow.h"
#include "project/datafile/loadpage.h"
#include "project/platform/programfolder.h"
#include "project/platform/shell.h"
#include "app/programwindows.h"
#include "editors/itemparamsform.h"
#include "preview/menutypeform.h"
#include "project/model/menutypes.h"
#include "project/lifecycle/projectcontroller.h"
#include "support/webharness.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTest>
#include <QTimer>

namespace {
AppFixture *g_fixture = nullptr;
}

AppFixture::AppFixture(const QStringList &leaveOut)
{
    g_fixture = this;
    const QString runtime = harness::runtimeDir();
    QDir target(m_dir.path());
    // Link each runtime file's folder at the deepest level a test may leave
    // out: data/<type>, data/toolbar, default_scripts, help, themes.
    for (const QString &sub : QDir(runtime + QStringLiteral("data")).entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        const QString rel = QStringLiteral("data/") + sub;
        if (leaveOut.contains(rel))
            continue;
        target.mkpath(QStringLiteral("data"));
        QFile::link(runtime + rel, folder() + rel);
    }
    for (const QString &rel : {QStringLiteral("default_scripts"), QStringLiteral("help"), QStringLiteral("themes")})
        if (!leaveOut.contains(rel))
            QFile::link(runtime + rel, folder() + rel);
    // The engines beside the program. One that is not staged (not built yet)
    // is stood in for by a script that writes the item texts where the data
    // file stands, so the preview has a menu to show.
    for (const MenuType &type : menuTypes())
        for (const QString &engine : type.engineFiles) {
            if (leaveOut.contains(engine) || QFileInfo::exists(folder() + engine))
                continue;
            if (QFileInfo::exists(runtime + engine)) {
                QFile::link(runtime + engine, folder() + engine);
                continue;
            }
            QFile stand(folder() + engine);
            if (stand.open(QIODevice::WriteOnly))
                stand.write(QByteArrayLiteral(
                    "window.qrn_init = window.qrn_tmenuInit = window.qrn_tabsInit = function () {\n"
                    "  var items = window.menuItems || window.tmenuItems || window.bmenuItems || [];\n"
                    "  var n = document.createElement('nav');\n"
                    "  n.textContent = items.map(function (i) { return i[0]; }).join('|');\n"
                    "  var s = document.currentScript; s.parentNode.insertBefore(n, s);\n"
                    "};\n"));
        }
}

AppFixture::~AppFixture()
{
    m_windows.reset();
    g_fixture = nullptr;
}

ProgramWindows &AppFixture::createWindows()
{
    m_windows.reset();
    m_windows = std::make_unique<ProgramWindows>(folder());
    return *m_windows;
}

ProgramWindows &windows()
{
    return g_fixture->windows();
}

void AppFixture::destroyWindows()
{
    m_windows.reset();
}

void AppFixture::chooseMenuType(int type)
{
    if (windows().main->controller->setMenuType(type))
        windows().main->controller->loadDefault();
}

bool AppFixture::waitForParameterPage()
{
    return harness::waitUntil([this] { return windows().main->wb->hasDocument(); });
}

void AppFixture::writeSettings(const QByteArray &text) const
{
    QFile f(settingsPath());
    if (f.open(QIODevice::WriteOnly))
        f.write(text);
}
