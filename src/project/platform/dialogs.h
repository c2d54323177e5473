#pragma once

#include <QColor>
#include <QString>
#include <QStringList>
#include <QUrl>
#include <optional>

class QWidget;

// The one way the program shows a message box or a common dialog, hands a
// document to the desktop, or ends itself. Windows call `dialogs()`; the
// application installs `WidgetDialogs`, tests install `ScriptedDialogs` and
// answer by script.
//
// Texts are passed exactly as the program composes them, lines separated by
// "\r"; only the shown box turns "\r" into a line break.
class Dialogs
{
public:
    enum class Answer { Ok, Yes, No, Cancel };

    // A file dialog. `filter` uses the "Text (*.a)|*.a|All (*.*)|*.*" form.
    struct FileRequest
    {
        QString title;
        QString filter;
        QString defaultSuffix; // without the dot
        QString startPath;     // folder or file to open at
    };

    virtual ~Dialogs();

    // Question sign, Yes and No; Yes is the default, Escape answers No.
    virtual Answer askYesNo(const QString &text) = 0;
    // The same with No as the default: for questions whose Yes loses data.
    // A seam without boxes answers as to askYesNo.
    virtual Answer askNoYes(const QString &text);
    // Question sign, Yes, No and Cancel; Escape or closing answers Cancel.
    virtual Answer askYesNoCancel(const QString &text) = 0;
    // Error sign and one OK button.
    virtual void showError(const QString &text) = 0;
    // A plain message with one OK button.
    virtual void showMessage(const QString &text) = 0;
    // Full path of the chosen file, or empty when cancelled.
    virtual QString openFile(const FileRequest &request) = 0;
    // The name of a file to write; whether an existing one may be written
    // over is for the write decision to ask. Empty when cancelled.
    virtual QString saveFile(const FileRequest &request) = 0;
    virtual std::optional<QColor> chooseColor(const QColor &initial) = 0;
    // A line of text, `initial` offered; nothing when cancelled. A seam
    // without boxes answers nothing.
    virtual std::optional<QString> askText(const QString &text, const QString &initial);
    // A folder; empty when cancelled. A seam without boxes chooses none.
    virtual QString chooseFolder(const QString &title, const QString &startFolder);
    // Full paths of the chosen files, none when cancelled. A seam without
    // boxes answers as to openFile.
    virtual QStringList openFiles(const FileRequest &request);
    // A change to files shown before it is made: `text` says what will be
    // written, `details` (monospaced, scrolling) shows it line by line.
    // Yes writes; No is the default and Escape. A seam without boxes
    // answers as to askNoYes.
    virtual Answer askToWrite(const QString &text, const QString &details);
    // One choice among several, shown as option buttons with OK and Cancel;
    // `preferred` is chosen at first. The chosen index, or -1 when cancelled.
    // A seam without boxes answers `preferred`.
    virtual int askChoice(const QString &text, const QStringList &choices, int preferred);

    // Asks the desktop to open a document, a web address or a "mailto:"
    // address with the user's default handler; false when nothing could be
    // started. A seam without a desktop starts nothing.
    virtual bool openWithShell(const QUrl &target);
    // Ends the program when it cannot go on (a missing page file): every
    // event loop is left, the nested ones of open dialogs included, and
    // programEnding() answers true from then on, for start-up to check
    // between its steps.
    virtual void endProgram(int exitCode);
    bool programEnding() const { return m_ending; }

private:
    bool m_ending = false;
};

// The installed seam. Never null once the application has started.
Dialogs &dialogs();
// Installs a seam (not owned) and returns the previous one.
Dialogs *setDialogs(Dialogs *seam);

// Where a file dialog opens. `wanted` is the folder the program proposes, or
// a file whose name it proposes (relative: to the current folder). An empty
// one, and one in `programFolder`, where a default project could be written
// over, give `lastFolder` (the folder a file dialog chose last), else
// `documents`; a proposed file name is kept.
QString fileDialogStartPath(const QString &wanted, const QString &lastFolder, const QString &programFolder,
                            const QString &documents);

// Converts "Text (*.a)|*.a|All (*.*)|*.*" into Qt's "Text (*.a);;All (*.*)".
QString qtFileFilter(const QString &filter);
// "\r" line breaks as the shown box needs them.
QString shownText(const QString &text);
