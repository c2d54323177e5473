#include "app/startup.h"

#include "app/application.h"
#include "app/main.h"
#include "controls/backgroundtile.h"
#include "editors/fontform.h"
#include "editors/itemparamsform.h"
#include "editors/itemstylesform.h"
#include "preview/aboutform.h"
#include "preview/menutypeform.h"
#include "preview/previewform.h"
#include "project/saveprojectform.h"

#include <QtGlobal>

#include <cstdio>
#include <unistd.h>

namespace {

bool hasDisplay()
{
    return !qEnvironmentVariableIsEmpty("DISPLAY") || !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") ||
           !qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM");
}

} // namespace

int runProgram(int argc, char **argv)
{
    if (!hasDisplay()) {
        std::fprintf(stderr, "plivex: no display found (DISPLAY is not set); to run without a screen, "
                             "start it under Xvfb: xvfb-run -a %s\n", argv[0]);
        return 1;
    }
    // Chromium will not run its sandbox for root; the editor only shows
    // local pages, so run without it there rather than not at all.
    if (::geteuid() == 0 && qEnvironmentVariableIsEmpty("QTWEBENGINE_DISABLE_SANDBOX"))
        qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);

    Application app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("plivex"));
    QCoreApplication::setApplicationVersion(QStringLiteral(PLIVEX_VERSION));
    QGuiApplication::setQuitOnLastWindowClosed(false);

    backgroundTile();
    new Tfrm;
    frmMenuType = new TfrmMenuType(frm);
    frmFont = new TfrmFont(frm);
    frmAbout = new TfrmAbout(frm);
    frmItemParams = new TfrmItemParams(frm);
    frmPreview = new TfrmPreview(frm);
    frmSaveProject = new TfrmSaveProject(frm);
    frmItemStyles = new TfrmItemStyles(frm);
    frmItemStyles->ResetStyles();
    frmAbout->setBackgroundImage(frmMenuType->BackgroundImage);

    frm->ReadSettings();
    frm->EnableMainMenu(false);
    frmMenuType->exec();
    frm->EnableMainMenu(true);
    frmItemParams->show();
    frmPreview->show();
    frm->show();
    const int result = app.exec();
    delete frm;
    return result;
}
