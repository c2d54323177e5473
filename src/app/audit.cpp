#include "app/audit.h"

#include "app/consoleoutput.h"

#include "preview/menuaudit.h"
#include "project/checks/contrastcheck.h"
#include "project/model/project.h"

namespace {

// The hover and current-page pairs under their minimum, which no rendered
// page shows.
int reportStateContrast(const Project &project, Page &params)
{
    int found = 0;
    for (const ContrastFinding &f : FindLowContrast(project, params)) {
        if (f.state.isEmpty())
            continue;
        // untranslated: a rule id, printed as axe-core's own rule ids are
        printOutputLine(QStringLiteral("contrast-states: ") + contrastFindingPlace(f) + QStringLiteral(": ") +
                        describeContrastFinding(f));
        ++found;
    }
    return found;
}

} // namespace

int auditMenu(PageGate &gate, const Project &project, Page &params, const QString &dataFile)
{
    const int states = reportStateContrast(project, params);
    const AuditReport report = auditDataFile(gate, project.ProgramFolder, project.MenuType, dataFile);
    if (!report.error.isEmpty()) {
        printErrorLine(report.error);
        return 2;
    }
    for (const AuditFinding &f : report.findings)
        printOutputLine(describeAuditFinding(f));
    return states + report.findings.size() > 0 ? 1 : 0;
}
