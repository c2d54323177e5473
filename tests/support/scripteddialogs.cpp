#include "support/scripteddialogs.h"

ScriptedDialogs::ScriptedDialogs()
    : m_previous(setDialogs(this))
{
}

ScriptedDialogs::~ScriptedDialogs()
{
    setDialogs(m_previous);
}

Dialogs::Answer ScriptedDialogs::askYesNo(const QString &text)
{
    asked.append({QStringLiteral("yesNo"), text});
    return answers.isEmpty() ? Answer::No : answers.dequeue();
}

Dialogs::Answer ScriptedDialogs::askNoYes(const QString &text)
{
    asked.append({QStringLiteral("noYes"), text});
    return answers.isEmpty() ? Answer::No : answers.dequeue();
}

Dialogs::Answer ScriptedDialogs::askYesNoCancel(const QString &text)
{
    asked.append({QStringLiteral("yesNoCancel"), text});
    return answers.isEmpty() ? Answer::Cancel : answers.dequeue();
}

void ScriptedDialogs::showError(const QString &text)
{
    asked.append({QStringLiteral("error"), text});
}

void ScriptedDialogs::showMessage(const QString &text)
{
    asked.append({QStringLiteral("message"), text});
}

QString ScriptedDialogs::openFile(const FileRequest &request)
{
    asked.append({QStringLiteral("open"), request.title});
    fileRequests.append(request);
    return files.isEmpty() ? QString() : files.dequeue();
}

QString ScriptedDialogs::saveFile(const FileRequest &request)
{
    asked.append({QStringLiteral("save"), request.title});
    fileRequests.append(request);
    return files.isEmpty() ? QString() : files.dequeue();
}

QString ScriptedDialogs::chooseFolder(const QString &title, const QString &startFolder)
{
    asked.append({QStringLiteral("folder"), title});
    fileRequests.append({title, QString(), QString(), startFolder});
    return files.isEmpty() ? QString() : files.dequeue();
}

std::optional<QColor> ScriptedDialogs::chooseColor(const QColor &initial)
{
    asked.append({QStringLiteral("color"), initial.name()});
    colorRequests.append(initial);
    return colors.isEmpty() ? std::nullopt : colors.dequeue();
}

QStringList ScriptedDialogs::textsOf(const QString &kind) const
{
    QStringList out;
    for (const Asked &a : asked)
        if (a.kind == kind)
            out << a.text;
    return out;
}

std::optional<QString> ScriptedDialogs::askText(const QString &text, const QString &)
{
    asked.append({QStringLiteral("text"), text});
    return texts.isEmpty() ? std::nullopt : texts.dequeue();
}

QStringList ScriptedDialogs::openFiles(const FileRequest &request)
{
    const QString chosen = openFile(request);
    return chosen.isEmpty() ? QStringList() : chosen.split(QLatin1Char('\n'));
}

Dialogs::Answer ScriptedDialogs::askToWrite(const QString &text, const QString &details)
{
    asked.append({QStringLiteral("write"), text});
    changesShown << details;
    return answers.isEmpty() ? Answer::No : answers.dequeue();
}

int ScriptedDialogs::askChoice(const QString &text, const QStringList &options, int)
{
    asked.append({QStringLiteral("choice"), text});
    offered.append(options);
    return choices.isEmpty() ? -1 : choices.dequeue();
}

bool ScriptedDialogs::openWithShell(const QUrl &target)
{
    shellOpened << target;
    return !noBrowser;
}

void ScriptedDialogs::endProgram(int exitCode)
{
    endedWith << exitCode;
}
