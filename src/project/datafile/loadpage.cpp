#include "project/datafile/loadpage.h"

#include "page/page.h"
#include "project/platform/dialogs.h"

#include <QCoreApplication>
#include <QFileInfo>

namespace {

bool g_ending = false;

// Leaves every event loop, the nested ones of open dialogs included; start-up
// checks programEnding() between its steps.
void exitProgram(int exitCode)
{
    g_ending = true;
    QCoreApplication::exit(exitCode);
}

} // namespace

void (*endProgram)(int exitCode) = exitProgram;

bool programEnding()
{
    return g_ending;
}

bool LoadPage(Page *view, const QString &path)
{
    if (!QFileInfo(path).isFile()) {
        dialogs().showError(QStringLiteral("Can't open the file:\r%1").arg(path));
        endProgram(1);
        return false;
    }
    view->loadFile(path);
    return true;
}
