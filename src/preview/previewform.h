#pragma once

#include <QPointF>
#include <QHash>
#include <QPointer>
#include <QWidget>
#include <functional>

class PageGate;

class Page;
class Project;
class WebPage;
struct ScriptError;
class QCheckBox;
class QComboBox;
class QTimer;
class TnewPanel;
class TnewSpd;

// The tool window that shows the menu working: a page assembled from the
// preview template, the project's data text and the menu type's engines,
// written to the program's private temporary folder and loaded.
class TfrmPreview : public QWidget
{
    Q_OBJECT

public:
    static constexpr int kHangLimitMs = 30000;

    // `dataText` gives the data text of the current project, the same text
    // that saving writes; it may throw PageError.
    TfrmPreview(PageGate &gate, Project &project, std::function<QString()> dataText, QWidget *parent = nullptr);

    // Takes the current menu type's template, if it has one.
    void LoadPreviewTemplate();
    // Rebuilds the preview page now. False when no page was written (the
    // engine file is missing, the page could not be written): the view keeps
    // its page. Asked for while a rebuild runs, it runs once right after.
    bool BuildPreview();
    // "Update": stops the countdown and rebuilds once no page call waits.
    void spdUpdatePreviewClick();
    // Restarts the one-second countdown after a change (if Auto Update is on).
    void restartCountdown();
    void stopCountdown();
    // "Open in Browser": writes the page and hands it to the default browser;
    // a page of the site is handed over as it is on disk.
    void spdOpenInBrowserClick();
    // "Page...": the menu is previewed in a page of the project's site the
    // user picks, remembered for the project's file; "Sample" goes back to
    // the program's sample page.
    void chooseSitePage();
    void showSamplePage();
    // The site page the project is previewed in; empty for the sample page.
    QString sitePage() const;
    // The width the page is laid out at, scaled to the window; 0 fits the
    // page to the window.
    void setPageWidth(int width);
    int pageWidth() const { return m_pageWidth; }
    // Where the page is written: the program's private temporary folder;
    // empty when that folder could not be made.
    static QString previewFileName();

    Page *wbPreview = nullptr;
    QCheckBox *cbAutoUpdate = nullptr;
    TnewPanel *newPanel1 = nullptr; // the top band
    TnewSpd *spdUpdatePreview = nullptr;
    QComboBox *cbWidth = nullptr;
    TnewSpd *spdOpenInBrowser = nullptr;
    TnewSpd *spdSitePage = nullptr;
    TnewSpd *spdSamplePage = nullptr;
    QTimer *timerUpdate = nullptr;
    QString PreviewTemplate;
    // Pages written since the window was made.
    int BuildCount = 0;

    // The widths offered, 0 for "Fit".
    static const QList<int> &pageWidths();

signals:
    void closedByUser();
    // The page of the last rebuild has loaded: its menu stands.
    void pageReady();

protected:
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void requestRebuild();
    void timerUpdateTimer();
    void wbPreviewDocumentComplete();
    void wbPreviewScriptError(const ScriptError &error);
    void giveFocusBack();
    bool buildInSitePage(const QString &page, const QString &dataText);
    void layoutView();

    Project &m_project;
    std::function<QString()> m_dataText;
    WebPage *m_web = nullptr;
    QWidget *m_stage = nullptr;
    int m_pageWidth = 0;
    double m_zoom = 1.0;
    QPointer<QWidget> m_focus;
    QPointF m_scroll;
    bool m_restoreScroll = false;
    bool m_building = false;
    bool m_rebuildAfter = false;
    bool m_rebuildQueued = false;
    bool m_countdownEnded = false;
};
