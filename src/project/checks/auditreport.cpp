#include "project/checks/auditreport.h"

#include <QCoreApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace {

struct AuditReportText
{
    Q_DECLARE_TR_FUNCTIONS(AuditReport)
};

} // namespace

AuditReport readAuditAnswer(const QString &json)
{
    AuditReport report;
    if (json.isEmpty()) {
        report.error = AuditReportText::tr("it did not finish in time");
        return report;
    }
    const QJsonDocument doc = QJsonDocument::fromJson(json.toUtf8());
    const QJsonObject answer = doc.object();
    if (!doc.isObject() || answer.contains(QStringLiteral("error"))) {
        report.error = doc.isObject() ? answer.value(QStringLiteral("error")).toString()
                                      : AuditReportText::tr("its answer could not be read");
        return report;
    }
    for (const QJsonValue &v : answer.value(QStringLiteral("findings")).toArray()) {
        const QJsonArray a = v.toArray();
        if (a.size() < 4)
            continue;
        report.findings.append({a.at(0).toString(), a.at(1).toInt(-1), a.at(2).toString(), a.at(3).toString()});
    }
    return report;
}

QString auditFindingPlace(const AuditFinding &f)
{
    return f.item >= 0 ? AuditReportText::tr("item %1 \"%2\"").arg(f.item).arg(f.place) : f.place;
}

QString describeAuditFinding(const AuditFinding &f)
{
    return QStringLiteral("%1: %2: %3").arg(f.rule, auditFindingPlace(f), f.detail);
}
