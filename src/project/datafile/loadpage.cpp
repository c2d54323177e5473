#include "project/datafile/loadpage.h"

#include "page/page.h"
#include "project/platform/dialogs.h"

#include <QCoreApplication>
#include <QFileInfo>

namespace {

struct LoadPageText { Q_DECLARE_TR_FUNCTIONS(LoadPage) };

} // namespace

bool LoadPage(Page *view, const QString &path)
{
    if (!QFileInfo(path).isFile()) {
        dialogs().showError(LoadPageText::tr("Can't open the file:\r%1").arg(path));
        dialogs().endProgram(1);
        return false;
    }
    view->loadFile(path);
    return true;
}
