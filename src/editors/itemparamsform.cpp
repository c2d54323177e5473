#include "editors/itemparamsform.h"

#include "page/pagekeyfilter.h"
#include "page/webpage.h"
#include "project/dataopen.h"
#include "project/project.h"

#include <QCloseEvent>
#include <QVBoxLayout>

TfrmItemParams::TfrmItemParams(Project &project, QWidget *parent)
    : QWidget(parent, Qt::Tool | Qt::WindowStaysOnTopHint)
    , m_project(project)
{
    setWindowTitle(QStringLiteral("Item Parameters"));
    setGeometry(606, 40, 250, 258);
    setMinimumSize(200, 240);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    auto *page = new WebPage(this);
    page->setKeyFilter(PageKeyFilter);
    page->setContextMenuEnabled(false);
    layout->addWidget(page->widget());
    wbItemParams = page;
}

void TfrmItemParams::SetIndividualStyles(int kind)
{
    ::SetIndividualStyles(m_project, *wbItemParams, kind);
}

void TfrmItemParams::closeEvent(QCloseEvent *event)
{
    event->accept();
    emit closedByUser();
}
