#include "app/sitebuild.h"

#include "app/audit.h"
#include "app/commandline.h"
#include "page/webpage.h"
#include "project/dataopen.h"
#include "project/datasave.h"
#include "project/dialogs.h"
#include "project/programfolder.h"
#include "project/project.h"
#include "project/textfile.h"
#include "project/valuecheck.h"
#include "project/navimport.h"

#include <QFile>
#include <QFileInfo>

#include <cstdio>

namespace {

void printLine(FILE *stream, const QString &text)
{
    std::fputs(text.toLocal8Bit().constData(), stream);
    std::fputc('\n', stream);
    std::fflush(stream);
}

// Message boxes become lines on standard error; questions are answered No.
class ConsoleDialogs : public Dialogs
{
public:
    Answer askYesNo(const QString &text) override
    {
        // Said, so that what the No stopped is not a mystery.
        printLine(stderr, QStringLiteral("plivex: ") + oneLine(text) + QStringLiteral(" No"));
        return Answer::No;
    }
    Answer askYesNoCancel(const QString &) override { return Answer::Cancel; }
    void showError(const QString &text) override
    {
        ++errors;
        printLine(stderr, QStringLiteral("plivex: ") + oneLine(text));
    }
    void showMessage(const QString &text) override { printLine(stderr, QStringLiteral("plivex: ") + oneLine(text)); }
    QString openFile(const FileRequest &) override { return {}; }
    QString saveFile(const FileRequest &) override { return {}; }
    std::optional<QColor> chooseColor(const QColor &) override { return std::nullopt; }

    int errors = 0;

private:
    static QString oneLine(QString text)
    {
        text.replace(QLatin1Char('\r'), QLatin1Char(' '));
        return text.simplified();
    }
};

} // namespace

int menuTypeOfStartCall(const QString &text)
{
    for (const int type : {1, 2, 0})
        if (text.contains(menuTypes().at(static_cast<size_t>(type)).initFunctionName))
            return type;
    return 0;
}

int runSiteBuild(const CommandLine &cl)
{
    ConsoleDialogs console;
    Dialogs *previous = setDialogs(&console);
    struct Restore
    {
        Dialogs *previous;
        ~Restore() { setDialogs(previous); }
    } restore{previous};

    int type = cl.menuType;
    if (type < 0 && cl.mode == CommandLine::Mode::Import) {
        type = 0;
    } else if (type < 0) {
        QFile file(cl.file);
        if (file.open(QIODevice::ReadOnly))
            type = menuTypeOfStartCall(QString::fromLatin1(file.read(kMaxDataFileSize)));
        else
            type = 0; // the reader says why it cannot read the file
    }
    Project project;
    project.MenuType = type;
    project.ProgramFolder = programFolder();
    for (const QString &page : {QStringLiteral("params.html"), QStringLiteral("itemparams.html")})
        if (!QFileInfo::exists(project.ProgramFolder + pagePath(type, page))) {
            printLine(stderr, QStringLiteral("plivex: Can't open the file: ") + project.ProgramFolder + pagePath(type, page));
            return 2;
        }
    WebPage params;
    WebPage itemParams;
    params.loadFile(project.ProgramFolder + pagePath(type, QStringLiteral("params.html")));
    itemParams.loadFile(project.ProgramFolder + pagePath(type, QStringLiteral("itemparams.html")));

    int scriptErrors = 0;
    QObject::connect(&params, &Page::scriptError, &params, [&](const ScriptError &e) {
        // Only errors of the file itself; the pages are ours.
        if (!project.LoadingData)
            return;
        ++scriptErrors;
        printLine(stderr, QStringLiteral("%1:%2:%3: %4: %5").arg(cl.file).arg(e.line).arg(e.column).arg(e.code, e.message));
    });

    try {
        if (cl.mode == CommandLine::Mode::Import) {
            QFile file(cl.file);
            if (QFileInfo(cl.file).isDir() || !file.open(QIODevice::ReadOnly) || file.size() > kMaxDataFileSize) {
                printLine(stderr, QStringLiteral("plivex: Can't open the file: ") + cl.file);
                return 2;
            }
            const QList<LeveledItem> items = navimport::fromFile(decodeText(file.readAll()));
            if (items.isEmpty()) {
                printLine(stderr, QStringLiteral("plivex: No navigation links were found in the file: ") + cl.file);
                return 1;
            }
            params.call(QStringLiteral("qrn_reCreateParams"), {kOmitted});
            project.items().insertLeveled({}, 0, items, project.menuType().maxLevels);
            printLine(stdout, QStringLiteral("items: %1").arg(project.items().count()));
            return WriteDataFile(project, params, itemParams, cl.output) ? 0 : 2;
        }
        if (!ReadDataFile(project, params, itemParams, cl.file))
            return 2;
        printLine(stdout, QStringLiteral("items: %1").arg(project.items().count()));
        printLine(stdout, QStringLiteral("item styles: %1").arg(project.ItemStyles.size()));
        printLine(stdout, QStringLiteral("submenu styles: %1").arg(project.SubmenuStyles.size()));
        const QList<BadValue> badValues = FindBadValues(project, params);
        for (const BadValue &bad : badValues)
            printLine(stderr, cl.file + QStringLiteral(": bad value: ") + describeBadValue(bad));
        scriptErrors += static_cast<int>(badValues.size());
        if (cl.mode == CommandLine::Mode::Audit)
            if (const int audit = auditMenu(project, params, cl.file))
                return audit;
        if (cl.mode == CommandLine::Mode::Convert && !WriteDataFile(project, params, itemParams, cl.output))
            return 2;
    } catch (const PageError &e) {
        printLine(stderr, QStringLiteral("plivex: ") + e.message);
        return 2;
    }
    return scriptErrors > 0 || console.errors > 0 ? 1 : 0;
}
