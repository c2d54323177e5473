#include "preview/menuaudit.h"

#include "page/pagearg.h"
#include "page/pageerror.h"
#include "page/pagegate.h"
#include "page/webpage.h"
#include "preview/previewpage.h"
#include "project/model/project.h"
#include "project/platform/textfile.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QFile>

namespace {

// A menu of thousands of items opened one submenu at a time takes a while;
// a page that never finishes must not hold a build or the window for ever.
constexpr int kAuditTimeLimitMs = 300000;
constexpr int kPollMs = 100;

struct MenuAuditText
{
    Q_DECLARE_TR_FUNCTIONS(MenuAudit)
};

QString readAll(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

} // namespace

MenuAudit::MenuAudit(PageGate &gate, QObject *parent)
    : QObject(parent)
    , m_gate(gate)
{
    m_poll.setInterval(kPollMs);
    connect(&m_poll, &QTimer::timeout, this, &MenuAudit::poll);
}

MenuAudit::~MenuAudit() = default;

void MenuAudit::startText(const QString &programFolder, int type, const QString &dataText)
{
    auto folder = std::make_unique<QTemporaryDir>();
    const QString path = folder->filePath(QStringLiteral("menu.js"));
    if (!folder->isValid() || !writeFileSafely(path, encodeText(dataText))) {
        m_report = {tr("can't write the menu to a temporary folder"), {}};
        emit finished();
        return;
    }
    // The page's base address leads to the data file's folder, so it stays
    // until the next audit.
    m_dataFolder = std::move(folder);
    start(programFolder, type, path);
}

void MenuAudit::start(const QString &programFolder, int type, const QString &dataFile)
{
    m_poll.stop();
    m_page.reset();
    m_report = {};
    m_running = true;
    m_folder = std::make_unique<QTemporaryDir>();
    QString error;
    const QString pagePath = m_folder->filePath(QStringLiteral("audit.html"));
    if (!m_folder->isValid() || !exportPreview(programFolder, type, dataFile, pagePath, &error))
        return finish(tr("can't render the menu: ") + error);
    QStringList scripts;
    for (const QString &name : {QStringLiteral("axe.min.js"), QStringLiteral("data/common/checks.js"),
                                QStringLiteral("data/common/audit.js")}) {
        scripts << readAll(programFolder + name);
        if (scripts.last().isEmpty())
            return finish(tr("can't find the audit scripts beside the program: ") + programFolder + name);
    }
    m_page = std::make_unique<WebPage>(m_gate);
    m_page->loadFile(pagePath);
    try {
        // untranslated: JavaScript run in the page
        for (const QString &script : scripts)
            m_page->callText(QStringLiteral("eval"), {script + QStringLiteral("\n;''")});
        m_page->callText(QStringLiteral("qrn_audit"), {kOmitted});
    } catch (const PageError &e) {
        return finish(tr("can't audit the menu: ") + e.message);
    }
    m_clock.start();
    m_poll.start();
}

void MenuAudit::poll()
{
    // The timer fires again while a call waits; that call answers first.
    if (m_gate.callsInProgress() > 0)
        return;
    QString answer;
    try {
        // untranslated: JavaScript run in the page
        answer = m_page->callText(QStringLiteral("eval"), {QStringLiteral("window.qrnAuditResult||''")});
    } catch (const PageError &e) {
        return finish(tr("can't audit the menu: ") + e.message);
    }
    if (answer.isEmpty() && m_clock.elapsed() < kAuditTimeLimitMs)
        return;
    m_report = readAuditAnswer(answer);
    finish(m_report.error.isEmpty() ? QString() : tr("can't audit the menu: ") + m_report.error);
}

void MenuAudit::finish(const QString &error)
{
    m_poll.stop();
    if (!error.isEmpty())
        m_report = {error, {}};
    m_running = false;
    emit finished();
}

AuditReport auditDataFile(PageGate &gate, const QString &programFolder, int type, const QString &dataFile)
{
    MenuAudit audit(gate);
    QEventLoop wait;
    QObject::connect(&audit, &MenuAudit::finished, &wait, &QEventLoop::quit);
    audit.start(programFolder, type, dataFile);
    if (audit.running())
        wait.exec();
    return audit.report();
}

RunAudit projectAuditRunner(QObject *owner, PageGate &gate, const Project &project, std::function<QString()> dataText)
{
    auto *audit = new MenuAudit(gate, owner);
    return [audit, &project, dataText = std::move(dataText)](AuditDone done) {
        QObject::disconnect(audit, &MenuAudit::finished, nullptr, nullptr);
        QObject::connect(audit, &MenuAudit::finished, audit, [audit, done] { done(audit->report()); });
        QString text;
        try {
            text = dataText();
        } catch (const PageError &e) {
            done({MenuAuditText::tr("can't make the data text: ") + e.message, {}});
            return;
        }
        audit->startText(project.ProgramFolder, project.MenuType, text);
    };
}
