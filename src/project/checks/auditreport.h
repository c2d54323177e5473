#pragma once

#include <QList>
#include <QString>
#include <functional>

// One finding of the rendered menu's audit: the rule it breaks, the item it
// stands on (its place in file order, counted from 0, and its text) or, for
// what is no item, the element, and the values.
struct AuditFinding
{
    QString rule;
    int item = -1;
    QString place; // the item's text, or the element when item is -1
    QString detail;
};

// What an audit came to: its findings, or why it could not be run.
struct AuditReport
{
    QString error;
    QList<AuditFinding> findings;
};

// The answer the audit page leaves, { findings: [[rule, item, text, detail],
// ...] } or { error: text }; an empty answer is an audit that did not finish.
AuditReport readAuditAnswer(const QString &json);

// "item 3 "Shop"", or the element of a finding on no item.
QString auditFindingPlace(const AuditFinding &f);
// "color-contrast: item 3 "Shop": #FFFFFF on #FFFF00, contrast 1.07:1, needs 4.5:1"
QString describeAuditFinding(const AuditFinding &f);

// Starts an audit of the menu as it stands and hands its report to `done`
// once it is there (at once when it cannot be started).
using AuditDone = std::function<void(const AuditReport &report)>;
using RunAudit = std::function<void(AuditDone done)>;
