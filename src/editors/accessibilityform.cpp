#include "editors/accessibilityform.h"

#include "controls/newspd.h"
#include "controls/spdschemes.h"
#include "page/page.h"
#include "page/pageerror.h"
#include "page/pagegate.h"
#include "page/webpage.h"
#include "project/model/project.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QTimer>
#include <QVBoxLayout>

namespace {

// What an entry leads to when activated.
constexpr int kItemRole = Qt::UserRole;  // an item's place, or -1
constexpr int kParamRole = Qt::UserRole + 1;

// Typing goes on for a moment; measuring after every key would slow it.
constexpr int kRefreshDelayMs = 300;

QListWidgetItem *addEntry(QListWidget *list, const QString &text, int item, const QString &param)
{
    auto *entry = new QListWidgetItem(text, list);
    entry->setData(kItemRole, item);
    entry->setData(kParamRole, param);
    return entry;
}

} // namespace

TfrmAccessibility::TfrmAccessibility(PageGate &gate, Project &project, Page &params, SelectItem selectItem, FocusParam focusParam,
                                     RunAudit runAudit, QWidget *parent)
    : QDialog(parent)
    , m_gate(gate)
    , m_project(project)
    , m_params(params)
    , m_selectItem(std::move(selectItem))
    , m_focusParam(std::move(focusParam))
    , m_runAudit(std::move(runAudit))
{
    setWindowTitle(tr("Check Accessibility"));
    setWindowFlag(Qt::Tool);
    resize(600, 380);
    auto *layout = new QVBoxLayout(this);
    lblSummary = new QLabel(this);
    lblSummary->setWordWrap(true);
    layout->addWidget(lblSummary);
    lbFindings = new QListWidget(this);
    lbFindings->setWordWrap(true);
    lbFindings->setAccessibleName(tr("Findings"));
    layout->addWidget(lbFindings, 1);
    auto *auditRow = new QHBoxLayout;
    lblAudit = new QLabel(this);
    lblAudit->setWordWrap(true);
    auditRow->addWidget(lblAudit, 1);
    spdRunAudit = new TnewSpd(tr("Run Again"), this);
    applyScheme(spdRunAudit, SpdScheme::Blue);
    spdRunAudit->setFixedWidth(90);
    spdRunAudit->setToolTip(tr("Render the menu and audit it again"));
    auditRow->addWidget(spdRunAudit);
    layout->addLayout(auditRow);
    auto *closeRow = new QHBoxLayout;
    auto *hint = new QLabel(tr("Double-click a finding, or press Enter on it, to go to its item or parameter."), this);
    hint->setWordWrap(true);
    closeRow->addWidget(hint, 1);
    // A tool window without a frame's close box on some desktops: the
    // window closes from within too.
    spdClose = new TnewSpd(tr("Close"), this);
    applyScheme(spdClose, SpdScheme::Orange);
    spdClose->setFixedWidth(90);
    closeRow->addWidget(spdClose);
    layout->addLayout(closeRow);

    connect(lbFindings, &QListWidget::itemActivated, this, &TfrmAccessibility::activate);
    connect(spdRunAudit, &TnewSpd::clicked, this, &TfrmAccessibility::runAudit);
    connect(spdClose, &TnewSpd::clicked, this, &QWidget::close);
    m_later = new QTimer(this);
    m_later->setSingleShot(true);
    m_later->setInterval(kRefreshDelayMs);
    connect(m_later, &QTimer::timeout, this, [this] {
        if (isVisible())
            refresh();
    });
    connect(&m_project, &Project::marked, m_later, qOverload<>(&QTimer::start));
}

void TfrmAccessibility::refresh()
{
    try {
        m_bad = FindBadValues(m_project, m_params);
        m_low = FindLowContrast(m_project, m_params);
    } catch (const PageError &e) {
        // The page is being loaded again; the next change measures anew.
        lblSummary->setText(tr("The parameter page could not be read: ") + e.message);
        return;
    }
    fill();
}

void TfrmAccessibility::fill()
{
    const int keep = lbFindings->currentRow();
    lbFindings->clear();
    for (const BadValue &b : m_bad) {
        int item = b.item;
        if (item < 0 && b.styleKind == 0) {
            const QList<NamedItem> users = itemsWithStyle(m_project, b.style);
            if (!users.isEmpty())
                item = users.first().number;
        }
        addEntry(lbFindings, tr("Value: ") + describeBadValue(b), item,
                 b.styleKind < 0 && b.item < 0 ? b.name : QString());
    }
    for (const ContrastFinding &f : m_low)
        addEntry(lbFindings, tr("Contrast: ") + contrastFindingPlace(f) + QStringLiteral(": ") + describeContrastFinding(f),
                 f.items.isEmpty() ? -1 : f.items.first().number, f.style < 0 ? f.param : QString());
    const int live = lbFindings->count();
    for (const AuditFinding &f : m_audit.findings)
        addEntry(lbFindings, tr("Audit: ") + describeAuditFinding(f), f.item, QString());
    lblSummary->setText(live == 0
                            ? tr("No value or contrast findings: every value can be used and every colour pair "
                                 "reaches its contrast minimum.")
                            : tr("%1 value or contrast finding(s): values the menu cannot use, and colour pairs "
                                 "under their contrast minimum (4.5:1, or 3:1 for large text; disabled items are "
                                 "exempt).")
                                  .arg(live));
    if (keep >= 0 && keep < lbFindings->count())
        lbFindings->setCurrentRow(keep);
}

void TfrmAccessibility::runAudit()
{
    if (m_auditRunning || !m_runAudit)
        return;
    m_auditRunning = true;
    spdRunAudit->setEnabled(false);
    lblAudit->setText(tr("Rendering the menu and auditing it (WCAG 2.1 A and AA)..."));
    m_runAudit([this](const AuditReport &report) { auditDone(report); });
}

void TfrmAccessibility::auditDone(const AuditReport &report)
{
    m_auditRunning = false;
    spdRunAudit->setEnabled(true);
    m_audit = report;
    if (!report.error.isEmpty())
        lblAudit->setText(tr("The audit of the rendered menu stopped: ") + report.error);
    else if (report.findings.isEmpty())
        lblAudit->setText(tr("The audit of the rendered menu (WCAG 2.1 A and AA) found nothing."));
    else
        lblAudit->setText(tr("The audit of the rendered menu (WCAG 2.1 A and AA) found %1 problem(s), listed "
                             "as \"Audit\". It ran on the menu as it was then: run it again after a change.")
                              .arg(report.findings.size()));
    fill();
}

void TfrmAccessibility::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    refresh();
    // The window shows first; the audit's findings join the list when done.
    QTimer::singleShot(0, this, [this] { m_gate.runWhenNoCallWaits(this, [this] { runAudit(); }); });
}

void TfrmAccessibility::activate(QListWidgetItem *item)
{
    const int number = item->data(kItemRole).toInt();
    const QString param = item->data(kParamRole).toString();
    if (number >= 0 && m_selectItem)
        m_selectItem(number);
    else if (!param.isEmpty() && m_focusParam)
        m_focusParam(param);
}
