#include "preview/previewform.h"

#include "controls/newpanel.h"
#include "controls/newspd.h"
#include "controls/spdschemes.h"
#include "page/pagekeyfilter.h"
#include "page/webpage.h"
#include "project/project.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QFile>
#include <QHBoxLayout>
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
    layout->setSpacing(0);
    newPanel1 = new TnewPanel(this);
    newPanel1->setBevelBorder(bbBottom);
    newPanel1->setColor(QColor(0xEF, 0xEF, 0xEF));
    newPanel1->setColor1(QColor(0xC0, 0xC0, 0xC0));
    newPanel1->setColor2(QColor(0xC0, 0xC0, 0xC0));
    auto *strip = new QHBoxLayout(newPanel1);
    strip->setContentsMargins(4, 3, 4, 3);
    cbAutoUpdate = new QCheckBox(QStringLiteral("Auto Update"), newPanel1);
    cbAutoUpdate->setChecked(true);
    spdUpdatePreview = new TnewSpd(QStringLiteral("Update"), newPanel1);
    applyScheme(spdUpdatePreview, SpdScheme::Green);
    spdUpdatePreview->setFixedWidth(75);
    strip->addWidget(cbAutoUpdate);
    strip->addStretch();
    strip->addWidget(spdUpdatePreview);
    layout->addWidget(newPanel1);
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
    connect(spdUpdatePreview, &TnewSpd::clicked, this, &TfrmPreview::spdUpdatePreviewClick);
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
