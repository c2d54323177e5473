#include "preview/previewform.h"

#include "controls/newpanel.h"
#include "controls/newspd.h"
#include "controls/spdschemes.h"
#include "page/pagearg.h"
#include "page/pagekeyfilter.h"
#include "page/resourcetext.h"
#include "page/pagegate.h"
#include "page/webpage.h"
#include "page/sitescheme.h"
#include "preview/previewpage.h"
#include "preview/sitepreview.h"
#include "project/platform/dialogs.h"
#include "project/model/product.h"
#include "project/model/project.h"
#include "project/platform/shell.h"
#include "project/site/sitelinks.h"
#include "project/platform/tempfolder.h"
#include "project/platform/textfile.h"

#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QTimer>
#include <QVBoxLayout>
#include <QWebEnginePage>
#include <QWebEngineView>

namespace {

// Qt WebEngine zooms no further out than this.
constexpr double kMinZoom = 0.25;

} // namespace

const QList<int> &TfrmPreview::pageWidths()
{
    static const QList<int> widths = {0, 1280, 1024, 768, 375};
    return widths;
}

TfrmPreview::TfrmPreview(PageGate &gate, Project &project, std::function<QString()> dataText, QWidget *parent)
    : QWidget(parent, Qt::Tool | Qt::WindowStaysOnTopHint)
    , m_project(project)
    , m_dataText(std::move(dataText))
{
    setWindowTitle(tr("Preview"));
    // Below the item parameters window, beside the main window.
    setGeometry(606, 330, 440, 236);
    setMinimumSize(200, 100);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    newPanel1 = new TnewPanel(this);
    newPanel1->setBevelBorder(bbBottom);
    newPanel1->setColors(QColor(0xEF, 0xEF, 0xEF), QColor(0xC0, 0xC0, 0xC0));
    auto *strip = new QHBoxLayout(newPanel1);
    strip->setContentsMargins(3, 3, 3, 3);
    strip->setSpacing(2);
    cbAutoUpdate = new QCheckBox(tr("Auto Update"), newPanel1);
    cbAutoUpdate->setChecked(true);
    // The band fits the window's designed width of 440 pixels: the widths go
    // without their unit.
    cbWidth = new QComboBox(newPanel1);
    cbWidth->setToolTip(tr("Page width in pixels"));
    cbWidth->setAccessibleName(tr("Page width"));
    cbWidth->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    for (const int width : pageWidths())
        cbWidth->addItem(width ? QString::number(width) : tr("Fit"), width);
    spdOpenInBrowser = new TnewSpd(tr("Open in Browser"), newPanel1);
    applyScheme(spdOpenInBrowser, SpdScheme::Blue);
    spdOpenInBrowser->setToolTip(tr("Open the preview page in the default web browser"));
    spdOpenInBrowser->setMinimumWidth(spdOpenInBrowser->sizeHint().width());
    spdSitePage = new TnewSpd(tr("Page..."), newPanel1);
    applyScheme(spdSitePage, SpdScheme::Blue);
    spdSitePage->setToolTip(tr("Preview in Page: the menu in a page of your site"));
    spdSitePage->setMinimumWidth(spdSitePage->sizeHint().width());
    spdSamplePage = new TnewSpd(tr("Sample"), newPanel1);
    applyScheme(spdSamplePage, SpdScheme::Blue);
    spdSamplePage->setToolTip(tr("Preview the menu in the program's sample page again"));
    spdSamplePage->setMinimumWidth(spdSamplePage->sizeHint().width());
    spdSamplePage->hide();
    spdUpdatePreview = new TnewSpd(tr("Update"), newPanel1);
    applyScheme(spdUpdatePreview, SpdScheme::Green);
    spdUpdatePreview->setFixedWidth(75);
    strip->addWidget(cbAutoUpdate);
    strip->addWidget(cbWidth);
    strip->addStretch();
    strip->addWidget(spdSitePage);
    strip->addWidget(spdSamplePage);
    strip->addWidget(spdOpenInBrowser);
    strip->addWidget(spdUpdatePreview);
    layout->addWidget(newPanel1);

    // The stage holds the view at the chosen width; the grey around it is
    // what lies beyond a narrow page.
    m_stage = new QWidget(this);
    m_stage->setAutoFillBackground(true);
    QPalette stagePalette = m_stage->palette();
    stagePalette.setColor(QPalette::Window, QColor(0x80, 0x80, 0x80));
    m_stage->setPalette(stagePalette);
    m_stage->installEventFilter(this);
    layout->addWidget(m_stage, 1);
    m_web = new WebPage(gate, m_stage);
    m_web->setRefreshAllowed(true);
    m_web->setKeyFilter(PageKeyFilter);
    // The preview builds the user's whole menu as it loads, and nothing
    // waits for it: a very large menu may keep it busy for seconds, which
    // the editor's own pages never are. Only one that runs this long is
    // taken as hung, or it would be ended before it ever stood.
    m_web->setHangLimit(kHangLimitMs);
    wbPreview = m_web;
    // The page sends no page commands: its status texts are not listened to.
    connect(wbPreview, &Page::documentComplete, this, &TfrmPreview::wbPreviewDocumentComplete);
    connect(wbPreview, &Page::scriptError, this, &TfrmPreview::wbPreviewScriptError);

    timerUpdate = new QTimer(this);
    timerUpdate->setInterval(1000);
    timerUpdate->setSingleShot(true);
    connect(timerUpdate, &QTimer::timeout, this, &TfrmPreview::timerUpdateTimer);
    connect(spdUpdatePreview, &TnewSpd::clicked, this, &TfrmPreview::spdUpdatePreviewClick);
    connect(spdOpenInBrowser, &TnewSpd::clicked, this, &TfrmPreview::spdOpenInBrowserClick);
    connect(spdSitePage, &TnewSpd::clicked, this, &TfrmPreview::chooseSitePage);
    connect(spdSamplePage, &TnewSpd::clicked, this, &TfrmPreview::showSamplePage);
    connect(cbWidth, &QComboBox::activated, this, [this](int index) { setPageWidth(cbWidth->itemData(index).toInt()); });

    PreviewTemplate = builtInPreviewTemplate();
    LoadPreviewTemplate();
}

void TfrmPreview::LoadPreviewTemplate()
{
    if (const auto text = readPreviewTemplate(m_project.ProgramFolder + pagePath(m_project.MenuType, QStringLiteral("preview.html"))))
        PreviewTemplate = *text;
}

QString TfrmPreview::previewFileName()
{
    const QString folder = previewTempFolder();
    return folder.isEmpty() ? QString() : folder + QStringLiteral("qrn_preview.html");
}

bool TfrmPreview::BuildPreview()
{
    if (m_building) {
        m_rebuildAfter = true;
        return false;
    }
    m_building = true;
    // However the rebuild ends (the data text may throw), a rebuild asked for
    // meanwhile follows once.
    struct Finish
    {
        TfrmPreview *w;
        ~Finish()
        {
            w->m_building = false;
            if (std::exchange(w->m_rebuildAfter, false))
                QTimer::singleShot(0, w, [w = w] { w->requestRebuild(); });
        }
    } finish{this};

    const QString page = sitePage();
    spdSamplePage->setVisible(!page.isEmpty());
    if (!page.isEmpty())
        return buildInSitePage(page, m_dataText ? m_dataText() : QString());

    const QString folder = m_project.ProgramFolder;
    const QStringList engines = previewEngineNames(m_project.MenuType);
    const QString engine = folder + engines.at(0);
    if (!QFileInfo(engine).isFile()) {
        dialogs().showError(tr("Can't find the menu engine file:\r%1\r\rYou can download this file from %2")
                                .arg(engine, kProductWebSite));
        return false;
    }
    PreviewFill fill;
    fill.engine = fileAddress(engine);
    fill.engine2 = fileAddress(folder + engines.at(1));
    fill.engine3 = fileAddress(folder + engines.at(2));
    fill.data = m_dataText ? m_dataText() : QString();
    // Links and pictures show as the visitors' pages will read them: from
    // the links folder (the data file's own, or the pages' folder chosen).
    const QString links = m_project.linksFolder();
    fill.base = fileAddress(links.isEmpty() ? m_project.ProjectFolder : links);
    const QString html = assemblePreview(withFreshStorage(PreviewTemplate, BuildCount + 1), fill);

    m_focus = QApplication::focusWidget();
    const QString path = previewFileName();
    if (path.isEmpty()) {
        dialogs().showError(tr("Can't write the file: \r%1\rNo private temporary folder could be made.")
                                .arg(QStringLiteral("qrn_preview.html")));
        return false;
    }
    QString reason;
    if (!writeFileSafely(path, encodeText(html), &reason)) {
        dialogs().showError(tr("Can't write the file: \r%1\r%2").arg(path, reason));
        return false;
    }
    ++BuildCount;
    // The new page opens where the old one was scrolled to.
    if (m_web->hasDocument()) {
        m_scroll = m_web->view()->page()->scrollPosition();
        m_restoreScroll = !m_scroll.isNull();
    }
    wbPreview->loadFile(path);
    giveFocusBack();
    return true;
}

void TfrmPreview::requestRebuild()
{
    if (m_building) {
        m_rebuildAfter = true;
        return;
    }
    if (m_rebuildQueued)
        return;
    m_rebuildQueued = true;
    // Never inside a page call's nested loop: the data text makes calls of
    // its own.
    m_web->gate().runWhenNoCallWaits(this, [this] {
        m_rebuildQueued = false;
        BuildPreview();
    });
}

void TfrmPreview::spdUpdatePreviewClick()
{
    stopCountdown();
    requestRebuild();
}

void TfrmPreview::timerUpdateTimer()
{
    m_countdownEnded = true;
    // The countdown may end while a page call waits; the update follows it,
    // unless the countdown was stopped or restarted meanwhile.
    m_web->gate().runWhenNoCallWaits(this, [this] {
        if (!std::exchange(m_countdownEnded, false))
            return;
        if (cbAutoUpdate->isChecked())
            spdUpdatePreviewClick();
    });
}

void TfrmPreview::restartCountdown()
{
    stopCountdown();
    if (cbAutoUpdate->isChecked())
        timerUpdate->start();
}

void TfrmPreview::stopCountdown()
{
    timerUpdate->stop();
    m_countdownEnded = false;
}

void TfrmPreview::spdOpenInBrowserClick()
{
    stopCountdown();
    if (!BuildPreview())
        return;
    const QString page = sitePage();
    openInBrowser(QUrl::fromLocalFile(page.isEmpty() ? previewFileName() : page));
}

QString TfrmPreview::sitePage() const
{
    if (m_project.CurrentFileName.isEmpty())
        return {};
    const QString page = m_project.siteChoices.previewPageFor(m_project.CurrentFileName);
    return QFileInfo(page).isFile() ? page : QString();
}

void TfrmPreview::chooseSitePage()
{
    if (m_project.CurrentFileName.isEmpty()) {
        dialogs().showMessage(tr("Save the project first: the menu is previewed in a page of the site its "
                                 "data file is in."));
        return;
    }
    Dialogs::FileRequest request;
    request.title = tr("Preview in Page");
    //: Pairs of a name and its patterns, parted by "|": translate the names, keep the patterns.
    request.filter = tr("HTML Files (*.htm;*.html)|*.htm;*.html|All Files (*.*)|*.*");
    request.startPath = sitePage().isEmpty() ? m_project.siteFolder() : sitePage();
    const QString page = QFileInfo(dialogs().openFile(request)).absoluteFilePath();
    if (page.isEmpty() || !QFileInfo(page).isFile())
        return;
    // A page outside the site folder found from the data file shows where
    // the site really begins: the folder that holds them both.
    const QString site = m_project.siteFolder();
    if (!page.startsWith(site)) {
        const QString common = commonFolder(page, m_project.CurrentFileName);
        if (common.isEmpty()) {
            dialogs().showError(tr("The page and the data file lie in no common folder, so they are in no "
                                   "one site:\r%1\r%2")
                                    .arg(QDir::toNativeSeparators(page),
                                         QDir::toNativeSeparators(m_project.CurrentFileName)));
            return;
        }
        if (dialogs().askNoYes(tr("The page is not in the site folder:\r%1\rMake %2 the site folder of this "
                                  "menu? Links and pictures are checked against it.")
                                   .arg(QDir::toNativeSeparators(site), QDir::toNativeSeparators(common))) !=
                Dialogs::Answer::Yes)
            return;
        m_project.siteChoices.chooseSiteFolder(m_project.CurrentFileName, common);
        m_project.linksMoved();
    }
    m_project.siteChoices.choosePreviewPage(m_project.CurrentFileName, page);
    stopCountdown();
    requestRebuild();
}

void TfrmPreview::showSamplePage()
{
    m_project.siteChoices.choosePreviewPage(m_project.CurrentFileName, {});
    stopCountdown();
    requestRebuild();
}

bool TfrmPreview::buildInSitePage(const QString &page, const QString &dataText)
{
    QList<QPair<QString, QByteArray>> engines;
    for (const QString &name : previewEngineNames(m_project.MenuType)) {
        if (name.isEmpty())
            continue;
        QFile file(m_project.ProgramFolder + name);
        if (!file.open(QIODevice::ReadOnly)) {
            dialogs().showError(tr("Can't find the menu engine file:\r%1\r\rYou can download this file from %2")
                                    .arg(file.fileName(), kProductWebSite));
            return false;
        }
        engines.append({name, file.readAll()});
    }
    const QString site = m_project.siteFolder();
    const SitePreview plan = planSitePreview(site, page, m_project.CurrentFileName, encodeText(dataText), engines);
    if (!plan.error.isEmpty()) {
        dialogs().showError(plan.error);
        return false;
    }
    SiteScheme *scheme = m_web->siteScheme();
    scheme->setRoot(site);
    scheme->clearOverrides();
    for (auto it = plan.overrides.cbegin(); it != plan.overrides.cend(); ++it)
        scheme->setOverride(it.key(), it.value());
    ++BuildCount;
    if (m_web->hasDocument()) {
        m_scroll = m_web->view()->page()->scrollPosition();
        m_restoreScroll = !m_scroll.isNull();
    }
    wbPreview->loadUrl(SiteScheme::urlOf(plan.pagePath));
    giveFocusBack();
    return true;
}

void TfrmPreview::wbPreviewDocumentComplete()
{
    layoutView();
    if (std::exchange(m_restoreScroll, false))
        // untranslated: JavaScript run in the page
        m_web->view()->page()->runJavaScript(
            QStringLiteral("window.scrollTo(%1,%2);").arg(m_scroll.x()).arg(m_scroll.y()));
    giveFocusBack();
    // A reload the page makes by itself leaves the focus where the user put it.
    m_focus.clear();
    emit pageReady();
}

void TfrmPreview::wbPreviewScriptError(const ScriptError &error)
{
    const QString body = QStringLiteral("<span style=\"font:normal 10px Verdana,Tahoma;\">") +
                         tr("One or more parameters are incorrect.\rPlease, check values.")
                             .replace(QLatin1Char('\r'), QStringLiteral("<br>")) +
                         QStringLiteral("<hr size=1 align=left color=#4D83CA width=200>") +
                         QStringLiteral("<font color=#AA0000>") + tr("Error message:") + QStringLiteral("</font> ") +
                         // The message may quote the page's source, angle brackets and all.
                         (error.code + QStringLiteral(": ") + error.message).toHtmlEscaped() + QStringLiteral("</span>");
    m_web->view()->page()->runJavaScript(resourceText(QStringLiteral(":/preview/showerror.js"))
                                             .replace(QStringLiteral("'@MESSAGE'"), jsStringLiteral(body)));
}

void TfrmPreview::giveFocusBack()
{
    if (!m_focus || QApplication::focusWidget() == m_focus)
        return;
    m_focus->setFocus(Qt::OtherFocusReason);
}

void TfrmPreview::setPageWidth(int width)
{
    m_pageWidth = qMax(0, width);
    const int index = cbWidth->findData(m_pageWidth);
    if (index >= 0)
        cbWidth->setCurrentIndex(index);
    layoutView();
}

void TfrmPreview::layoutView()
{
    QWidget *view = m_web->widget();
    if (!view)
        return;
    const int width = m_stage->width();
    const int height = m_stage->height();
    if (m_pageWidth <= 0 || m_pageWidth == width) {
        m_zoom = 1.0;
        view->setGeometry(0, 0, width, height);
    } else {
        // A narrower page stands in the middle at its own size; a wider one
        // is scaled down until it fits.
        m_zoom = qBound(kMinZoom, double(width) / m_pageWidth, 1.0);
        const int shown = qRound(m_pageWidth * m_zoom);
        view->setGeometry(qMax(0, (width - shown) / 2), 0, shown, height);
    }
    m_web->view()->setZoomFactor(m_zoom);
}

bool TfrmPreview::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_stage && event->type() == QEvent::Resize)
        layoutView();
    return QWidget::eventFilter(watched, event);
}

void TfrmPreview::closeEvent(QCloseEvent *event)
{
    event->accept();
    emit closedByUser();
}
