#include "project/platform/dialogs.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStringList>
#include <QtGlobal>

namespace {
Dialogs *g_dialogs = nullptr;

bool isIn(const QString &path, const QString &folder)
{
    if (folder.isEmpty())
        return false;
    const QString f = QDir::cleanPath(QFileInfo(folder).absoluteFilePath());
    const QString p = QDir::cleanPath(QFileInfo(path).absoluteFilePath());
    return p == f || p.startsWith(f + QLatin1Char('/'));
}

} // namespace

Dialogs::~Dialogs() = default;

bool Dialogs::openWithShell(const QUrl &)
{
    return false;
}

void Dialogs::endProgram(int exitCode)
{
    m_ending = true;
    QCoreApplication::exit(exitCode);
}

Dialogs::Answer Dialogs::askNoYes(const QString &text)
{
    return askYesNo(text);
}

std::optional<QString> Dialogs::askText(const QString &, const QString &)
{
    return std::nullopt;
}

QString Dialogs::chooseFolder(const QString &, const QString &)
{
    return {};
}

QStringList Dialogs::openFiles(const FileRequest &request)
{
    const QString file = openFile(request);
    return file.isEmpty() ? QStringList() : QStringList{file};
}

Dialogs::Answer Dialogs::askToWrite(const QString &text, const QString &)
{
    return askNoYes(text);
}

int Dialogs::askChoice(const QString &, const QStringList &choices, int preferred)
{
    return preferred >= 0 && preferred < choices.size() ? preferred : -1;
}

Dialogs &dialogs()
{
    // The application installs the real boxes before any window exists; a
    // dialog asked for before that is a fault of start-up, not a user error.
    if (!g_dialogs)
        qFatal("No dialog seam installed");
    return *g_dialogs;
}

Dialogs *setDialogs(Dialogs *seam)
{
    Dialogs *previous = g_dialogs;
    g_dialogs = seam;
    return previous;
}

QString fileDialogStartPath(const QString &wanted, const QString &lastFolder, const QString &programFolder,
                            const QString &documents)
{
    const QString trimmed = wanted.trimmed();
    if (!trimmed.isEmpty() && !isIn(trimmed, programFolder))
        return QDir::cleanPath(QFileInfo(trimmed).absoluteFilePath());
    const QString folder = !lastFolder.isEmpty() && !isIn(lastFolder, programFolder) ? lastFolder : documents;
    // A folder proposes no name; a file that does not exist yet does.
    const QFileInfo info(trimmed);
    if (trimmed.isEmpty() || info.isDir() || trimmed.endsWith(QLatin1Char('/')))
        return folder;
    return QDir(folder).filePath(info.fileName());
}

QString qtFileFilter(const QString &filter)
{
    const QStringList parts = filter.split(QLatin1Char('|'));
    QStringList out;
    // Pairs of description and patterns. Qt takes the patterns from the
    // parentheses, separated by spaces, and "*.*" would miss files without
    // an extension: the description's patterns are replaced by the pair's.
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        QString description = parts[i];
        const qsizetype open = description.lastIndexOf(QLatin1Char('('));
        if (open >= 0 && description.endsWith(QLatin1Char(')')))
            description = description.left(open).trimmed();
        QStringList patterns = parts[i + 1].split(QLatin1Char(';'), Qt::SkipEmptyParts);
        for (QString &p : patterns)
            if (p == QLatin1String("*.*"))
                p = QStringLiteral("*");
        if (description.isEmpty() || patterns.isEmpty())
            continue;
        out << description + QStringLiteral(" (") + patterns.join(QLatin1Char(' ')) + QLatin1Char(')');
    }
    return out.join(QStringLiteral(";;"));
}

QString shownText(const QString &text)
{
    QString out = text;
    out.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    out.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return out;
}
