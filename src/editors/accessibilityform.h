#pragma once

#include "project/checks/auditreport.h"
#include "project/checks/contrastcheck.h"
#include "project/checks/valuecheck.h"

#include <QDialog>
#include <functional>

class PageGate;

class Page;
class Project;
class QLabel;
class QListWidget;
class QListWidgetItem;
class QTimer;
class TnewSpd;

// The accessibility list of the project being edited: the values the menu
// cannot use and the colour pairs under their contrast minimum, kept up to
// date while the user edits, and what the audit of the rendered menu found,
// run when the window opens and on request. Activating a finding selects the
// item it names, or else puts the focus in its parameter.
class TfrmAccessibility : public QDialog
{
    Q_OBJECT

public:
    // Selects the item at a place in file order (from 0).
    using SelectItem = std::function<void(int number)>;
    // Shows a menu-wide parameter in the parameter page and focuses it.
    using FocusParam = std::function<void(const QString &name)>;

    TfrmAccessibility(PageGate &gate, Project &project, Page &params, SelectItem selectItem, FocusParam focusParam, RunAudit runAudit,
                      QWidget *parent = nullptr);

    QLabel *lblSummary = nullptr;
    QListWidget *lbFindings = nullptr;
    QLabel *lblAudit = nullptr;
    TnewSpd *spdRunAudit = nullptr;
    TnewSpd *spdClose = nullptr;

    // Measures the project again and fills the list.
    void refresh();
    // Renders the menu and audits it again; the list shows the findings once
    // the audit is done.
    void runAudit();
    bool auditRunning() const { return m_auditRunning; }

protected:
    void showEvent(QShowEvent *event) override;

private:
    void fill();
    void auditDone(const AuditReport &report);
    void activate(QListWidgetItem *item);

    PageGate &m_gate;
    Project &m_project;
    Page &m_params;
    SelectItem m_selectItem;
    FocusParam m_focusParam;
    RunAudit m_runAudit;
    QTimer *m_later = nullptr;
    QList<BadValue> m_bad;
    QList<ContrastFinding> m_low;
    AuditReport m_audit;
    bool m_auditRunning = false;
};
