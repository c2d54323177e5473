#include "app/audit.h"

#include "app/consoleoutput.h"

#include "page/page.h"
#include "page/pagearg.h"
#include "page/pageerror.h"
#include "page/webpage.h"
#include "preview/previewpage.h"
#include "project/contrastcheck.h"
#include "project/project.h"
#include "project/textfile.h"

#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <QTimer>


namespace {

// A menu of thousands of items opened one submenu at a time takes a while;
// a page that never finishes must not hold a build for ever.
constexpr int kAuditTimeLimitMs = 300000;

QString readAll(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

// The hover and current-page pairs under their minimum, which no rendered
// page shows.
int reportStateContrast(const Project &project, Page &params)
{
    int found = 0;
    for (const ContrastFinding &f : FindLowContrast(project, params)) {
        if (f.state.isEmpty())
            continue;
        printOutputLine(QStringLiteral("contrast-states: ") + contrastFindingPlace(f) + QStringLiteral(": ") +
                              describeContrastFinding(f));
        ++found;
    }
    return found;
}

} // namespace

int auditMenu(const Project &project, Page &params, const QString &dataFile)
{
    int findings = reportStateContrast(project, params);

    QTemporaryDir folder;
    QString error;
    const QString pagePath = folder.path() + QStringLiteral("/audit.html");
    if (!folder.isValid() || !exportPreview(project.ProgramFolder, project.MenuType, dataFile, pagePath, &error)) {
        printErrorLine(QStringLiteral("can't render the menu: ") + error);
        return 2;
    }
    const QString axe = readAll(project.ProgramFolder + QStringLiteral("axe.min.js"));
    const QString checks = readAll(project.ProgramFolder + QStringLiteral("data/common/checks.js"));
    const QString audit = readAll(project.ProgramFolder + QStringLiteral("data/common/audit.js"));
    if (axe.isEmpty() || checks.isEmpty() || audit.isEmpty()) {
        printErrorLine(QStringLiteral("can't find the audit scripts beside the program: ") + project.ProgramFolder +
                              QStringLiteral("axe.min.js"));
        return 2;
    }
    WebPage page;
    page.loadFile(pagePath);
    QString result;
    try {
        page.callText(QStringLiteral("eval"), {axe + QStringLiteral("\n;''")});
        page.callText(QStringLiteral("eval"), {checks + QStringLiteral("\n;''")});
        page.callText(QStringLiteral("eval"), {audit + QStringLiteral("\n;''")});
        page.callText(QStringLiteral("qrn_audit"), {kOmitted});
        QElapsedTimer clock;
        clock.start();
        while (result.isEmpty() && clock.elapsed() < kAuditTimeLimitMs) {
            QEventLoop wait;
            QTimer::singleShot(100, &wait, &QEventLoop::quit);
            wait.exec();
            result = page.callText(QStringLiteral("eval"), {QStringLiteral("window.qrnAuditResult||''")});
        }
    } catch (const PageError &e) {
        printErrorLine(QStringLiteral("can't audit the menu: ") + e.message);
        return 2;
    }
    const QJsonObject answer = QJsonDocument::fromJson(result.toUtf8()).object();
    if (result.isEmpty() || answer.contains(QStringLiteral("error"))) {
        printErrorLine(QStringLiteral("can't audit the menu: ") +
                              (result.isEmpty() ? QStringLiteral("it did not finish in time") : answer.value(QStringLiteral("error")).toString()));
        return 2;
    }
    for (const QJsonValue &v : answer.value(QStringLiteral("findings")).toArray()) {
        const QJsonArray f = v.toArray();
        const int item = f.at(1).toInt(-1);
        const QString where = item >= 0 ? QStringLiteral("item %1 \"%2\"").arg(item).arg(f.at(2).toString())
                                        : f.at(2).toString();
        printOutputLine(QStringLiteral("%1: %2: %3").arg(f.at(0).toString(), where, f.at(3).toString()));
        ++findings;
    }
    return findings > 0 ? 1 : 0;
}
