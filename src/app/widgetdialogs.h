#pragma once

#include "project/platform/dialogs.h"

#include <QCoreApplication>

// The dialogs as the user sees them: Qt's message boxes and file and colour
// dialogs, owned by the active window.
class WidgetDialogs : public Dialogs
{
    Q_DECLARE_TR_FUNCTIONS(WidgetDialogs)

public:
    Answer askYesNo(const QString &text) override;
    Answer askNoYes(const QString &text) override;
    Answer askYesNoCancel(const QString &text) override;
    void showError(const QString &text) override;
    void showMessage(const QString &text) override;
    QString openFile(const FileRequest &request) override;
    QStringList openFiles(const FileRequest &request) override;
    Answer askToWrite(const QString &text, const QString &details) override;
    bool openWithShell(const QUrl &target) override;
    QString saveFile(const FileRequest &request) override;
    std::optional<QColor> chooseColor(const QColor &initial) override;
    int askChoice(const QString &text, const QStringList &choices, int preferred) override;
    std::optional<QString> askText(const QString &text, const QString &initial) override;
    QString chooseFolder(const QString &title, const QString &startFolder) override;

private:
    // The folder the next file dialog may open at (see fileDialogStartPath).
    QString startPath(const QString &wanted) const;
    void chosen(const QString &path);
    // The files an open dialog of QFileDialog::FileMode `fileMode` chose.
    QStringList pickExisting(const FileRequest &request, int fileMode);

    QString m_lastFolder;
};
