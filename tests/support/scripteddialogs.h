#pragma once

#include "project/platform/dialogs.h"

#include <QQueue>
#include <QStringList>

// The dialog seam for tests: answers come from queues filled by the test,
// every text asked is recorded exactly as the program composed it. A dialog
// that nobody scripted answers as Escape would (No, Cancel, nothing chosen)
// and is recorded all the same, so a test can check it was not expected.
class ScriptedDialogs : public Dialogs
{
public:
    struct Asked
    {
        QString kind; // "yesNo", "noYes", "yesNoCancel", "error", "message", "open", "save", "color", "text", "folder", "choice", "write"
        QString text; // message text, or the file dialog's title
    };

    ScriptedDialogs();  // installs itself
    ~ScriptedDialogs() override; // puts back the previous seam

    Answer askYesNo(const QString &text) override;
    Answer askNoYes(const QString &text) override;
    Answer askYesNoCancel(const QString &text) override;
    void showError(const QString &text) override;
    void showMessage(const QString &text) override;
    QString openFile(const FileRequest &request) override;
    // One entry of `files`, its paths separated by "\n"; "" cancels.
    QStringList openFiles(const FileRequest &request) override;
    // Kind "write"; the details are kept in `changesShown`.
    Answer askToWrite(const QString &text, const QString &details) override;
    QString saveFile(const FileRequest &request) override;
    std::optional<QColor> chooseColor(const QColor &initial) override;
    std::optional<QString> askText(const QString &text, const QString &initial) override;
    QString chooseFolder(const QString &title, const QString &startFolder) override;
    // Answers from `choices` (-1 cancels); unscripted, cancels. The choices
    // offered are kept in `offered`.
    int askChoice(const QString &text, const QStringList &options, int preferred) override;
    // Records what would have been opened; answers as `noBrowser` says.
    bool openWithShell(const QUrl &target) override;
    // Records the exit code; the program goes on.
    void endProgram(int exitCode) override;

    QQueue<Answer> answers;
    QQueue<QString> files;                  // "" = cancelled; folders too
    QQueue<std::optional<QColor>> colors;   // nullopt = cancelled
    QQueue<std::optional<QString>> texts;   // nullopt = cancelled
    QQueue<int> choices;
    QList<QStringList> offered;

    QList<Asked> asked;
    QList<FileRequest> fileRequests;
    QStringList changesShown;
    QList<QColor> colorRequests;
    QList<int> endedWith;    // exit codes the program tried to end with
    QList<QUrl> shellOpened; // what was handed to the desktop to open
    bool noBrowser = false;  // the desktop starts nothing
    QStringList textsOf(const QString &kind) const;

private:
    Dialogs *m_previous;
};
