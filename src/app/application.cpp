#include "app/application.h"

#include "page/sitescheme.h"

#include "project/platform/dialogs.h"
#include "page/page.h"
#include "app/programicon.h"
#include "app/widgetdialogs.h"

namespace {

// What must be done before the application object exists.
int &beforeTheApplication(int &argc)
{
    SiteScheme::registerScheme();
    return argc;
}

} // namespace

Application::Application(int &argc, char **argv)
    : QApplication(beforeTheApplication(argc), argv)
    , m_boxes(std::make_unique<WidgetDialogs>())
{
    setDialogs(m_boxes.get());
    // Every window, dialogs included, shows it in its frame.
    setWindowIcon(programIcon());
}

Application::~Application()
{
    // A test may have put its own seam in; only ours is taken out. (Asking
    // dialogs() would end the program when no seam is installed.)
    Dialogs *current = setDialogs(nullptr);
    if (current != m_boxes.get())
        setDialogs(current);
}

bool Application::notify(QObject *receiver, QEvent *event)
{
    try {
        return QApplication::notify(receiver, event);
    } catch (const std::exception &e) {
        reportError(e);
    } catch (...) {
        dialogs().showError(tr("An unknown error occurred."));
    }
    return false;
}

void reportError(const std::exception &error)
{
    if (const auto *pageError = dynamic_cast<const PageError *>(&error)) {
        debugPageFailure(pageError->debugText());
        if (!pageError->restartAnnounced)
            dialogs().showError(pageError->message);
    } else {
        dialogs().showError(QString::fromLocal8Bit(error.what()));
    }
}
