#pragma once

#include "project/platform/dialogs.h"

// The dialog seam of a run without windows: message boxes become lines on
// standard error, each after `subject` (the file being read); every question
// is answered No.
class ConsoleDialogs : public Dialogs
{
public:
    Answer askYesNo(const QString &) override { return Answer::No; }
    Answer askYesNoCancel(const QString &) override { return Answer::Cancel; }
    void showError(const QString &text) override;
    void showMessage(const QString &text) override;
    QString openFile(const FileRequest &) override { return {}; }
    QString saveFile(const FileRequest &) override { return {}; }
    std::optional<QColor> chooseColor(const QColor &) override { return std::nullopt; }

    QString subject;
    int errors = 0;
};
