#pragma once

#include "project/checks/auditreport.h"

#include <QElapsedTimer>
#include <QObject>
#include <QTemporaryDir>
#include <QTimer>
#include <memory>

class PageGate;

class Project;
class WebPage;

// The accessibility audit of a rendered menu: the menu drawn by its engine in
// a hidden page of the program's web engine, then checked with axe-core
// (WCAG 2.1 A and AA) closed and with each submenu or panel opened in turn.
// It runs while the event loop turns; finished() says when its report is
// there, whether it could be run or not.
class MenuAudit : public QObject
{
    Q_OBJECT

public:
    explicit MenuAudit(PageGate &gate, QObject *parent = nullptr);
    ~MenuAudit() override;

    // The menu of the data file `dataFile` of menu type `type`.
    void start(const QString &programFolder, int type, const QString &dataFile);
    // The menu of a data text, as the project being edited would be saved.
    void startText(const QString &programFolder, int type, const QString &dataText);

    bool running() const { return m_running; }
    const AuditReport &report() const { return m_report; }

signals:
    void finished();

private:
    void poll();
    void finish(const QString &error);

    PageGate &m_gate;
    std::unique_ptr<WebPage> m_page;
    std::unique_ptr<QTemporaryDir> m_folder;     // the rendered page and its engines
    std::unique_ptr<QTemporaryDir> m_dataFolder; // a data text written for the page
    QTimer m_poll;
    QElapsedTimer m_clock;
    AuditReport m_report;
    bool m_running = false;
};

// Runs the audit of a data file to its end; for the command line.
AuditReport auditDataFile(PageGate &gate, const QString &programFolder, int type, const QString &dataFile);

// What the accessibility window runs: every call audits the text
// `dataText()` gives of the project's menu type (a failing page call is
// reported as the audit's error), on an audit `owner` keeps; a new call ends
// one still running.
RunAudit projectAuditRunner(QObject *owner, PageGate &gate, const Project &project, std::function<QString()> dataText);
