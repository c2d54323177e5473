#include "app/rendererwatch.h"

#include "page/webpage.h"

#include <QWebEnginePage>
#include <QWebEngineView>

void watchRenderer(Page *page, QObject *context, std::function<void()> ended)
{
    auto *web = dynamic_cast<WebPage *>(page);
    if (!web || !web->view())
        return;
    QObject::connect(web->view()->page(), &QWebEnginePage::renderProcessTerminated, context,
                     [ended = std::move(ended)](QWebEnginePage::RenderProcessTerminationStatus status, int) {
                         if (status != QWebEnginePage::NormalTerminationStatus)
                             ended();
                     });
}
