#include "preview/previewform.h"

#include "page/pagekeyfilter.h"
#include "page/webpage.h"
#include "project/project.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QFile>
#include <QHBoxLayout>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

TfrmPreview::TfrmPreview(Project &project, QWidget *parent)
    : QWidget(parent, Qt::Tool | Qt::WindowStaysOnTopHint)
    , m_project(project)
{
    setWindowTitle(QStringLiteral("Preview"));
    // Below the item parameters window, beside the main window.
    setGeometry(606, 330, 334, 236);
    setMinimumSize(200, 100);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    auto *strip = new QHBoxLayout;
    strip->setContentsMargins(4, 2, 4, 2);
    cbAutoUpdate = new QCheckBox(QStringLiteral("Auto Update"), this);
    cbAutoUpdate->setChecked(true);
    spdUpdatePreview = new QPushButton(QStringLiteral("Update"), this);
    strip->addWidget(cbAutoUpdate);
    strip->addStretch();
    strip->addWidget(spdUpdatePreview);
    layout->addLayout(strip);
    auto *page = new WebPage(this);
    page->setRefreshAllowed(true);
    page->setKeyFilter(PageKeyFilter);
    layout->addWidget(page->widget(), 1);
    wbPreview = page;

    timerUpdate = new QTimer(this);
    timerUpdate->setInterval(1000);
    timerUpdate->setSingleShot(true);
    // The countdown may end while a page call waits; the update follows it.
    connect(timerUpdate, &QTimer::timeout, this, [this] {
        WebPage::runWhenNoCallWaits(this, [this] {
            if (cbAutoUpdate->isChecked())
                spdUpdatePreviewClick();
        });
    });
    connect(spdUpdatePreview, &QPushButton::clicked, this, &TfrmPreview::spdUpdatePreviewClick);
    LoadPreviewTemplate();
}

void TfrmPreview::LoadPreviewTemplate()
{
    QFile file(m_project.ProgramFolder + pagePath(m_project.MenuType, QStringLiteral("preview.html")));
    if (file.open(QIODevice::ReadOnly))
        PreviewTemplate = QString::fromUtf8(file.readAll());
}

void TfrmPreview::BuildPreview()
{
    // The page is built from the data text once the data file writer and
    // the engines are in place; until then the view stays empty.
    ++BuildCount;
}

void TfrmPreview::spdUpdatePreviewClick()
{
    stopCountdown();
    BuildPreview();
}

void TfrmPreview::restartCountdown()
{
    timerUpdate->stop();
    if (cbAutoUpdate->isChecked())
        timerUpdate->start();
}

void TfrmPreview::stopCountdown()
{
    timerUpdate->stop();
}

void TfrmPreview::closeEvent(QCloseEvent *event)
{
    event->accept();
    emit closedByUser();
}
