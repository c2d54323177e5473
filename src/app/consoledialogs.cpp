#include "app/consoledialogs.h"

#include "app/consoleoutput.h"

void ConsoleDialogs::showError(const QString &text)
{
    ++errors;
    showMessage(text);
}

void ConsoleDialogs::showMessage(const QString &text)
{
    printErrorLine((subject.isEmpty() ? QString() : subject + QStringLiteral(": ")) + asOneLine(text));
}
