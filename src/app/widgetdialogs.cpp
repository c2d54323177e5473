#include "app/widgetdialogs.h"

#include "project/model/product.h"
#include "project/platform/programfolder.h"
#include "project/platform/shell.h"

#include <QApplication>
#include <QButtonGroup>
#include <QColorDialog>
#include <QDialog>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QFontDatabase>
#include <QInputDialog>
#include <QLabel>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QPointer>
#include <QRadioButton>
#include <QStandardPaths>
#include <QVBoxLayout>

namespace {

QWidget *owner()
{
    return QApplication::activeWindow();
}

QString boxTitle()
{
    return kAppTitle;
}

// Shows a dialog and gives the keyboard back to the widget that had it, so
// that keys go on where they were (Delete, Yes, then Ctrl+Z in the item
// tree). Without a window manager nothing else would reactivate the window.
int execKeepingFocus(QDialog &dialog)
{
    const QPointer<QWidget> focused = QApplication::focusWidget();
    const int result = dialog.exec();
    if (focused && focused->isVisible()) {
        focused->activateWindow();
        focused->setFocus(Qt::OtherFocusReason);
    }
    return result;
}

Dialogs::Answer ask(const QString &text, QMessageBox::StandardButtons buttons, QMessageBox::StandardButton escape,
                    QMessageBox::StandardButton defaultButton = QMessageBox::Yes)
{
    QMessageBox box(QMessageBox::Question, boxTitle(), shownText(text), buttons, owner());
    box.setDefaultButton(defaultButton);
    box.setEscapeButton(escape);
    switch (execKeepingFocus(box)) {
    case QMessageBox::Yes: return Dialogs::Answer::Yes;
    case QMessageBox::No: return Dialogs::Answer::No;
    default: return escape == QMessageBox::No ? Dialogs::Answer::No : Dialogs::Answer::Cancel;
    }
}

void configure(QFileDialog &dlg, const Dialogs::FileRequest &request, const QString &startPath)
{
    dlg.setWindowTitle(request.title);
    dlg.setNameFilter(qtFileFilter(request.filter));
    if (!request.defaultSuffix.isEmpty())
        dlg.setDefaultSuffix(request.defaultSuffix);
    if (!startPath.isEmpty()) {
        const QFileInfo info(startPath);
        if (info.isDir()) {
            dlg.setDirectory(info.absoluteFilePath());
        } else {
            dlg.setDirectory(info.absolutePath());
            dlg.selectFile(info.fileName());
        }
    }
}

} // namespace

Dialogs::Answer WidgetDialogs::askYesNo(const QString &text)
{
    return ask(text, QMessageBox::Yes | QMessageBox::No, QMessageBox::No);
}

Dialogs::Answer WidgetDialogs::askNoYes(const QString &text)
{
    return ask(text, QMessageBox::Yes | QMessageBox::No, QMessageBox::No, QMessageBox::No);
}

Dialogs::Answer WidgetDialogs::askYesNoCancel(const QString &text)
{
    return ask(text, QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, QMessageBox::Cancel);
}

void WidgetDialogs::showError(const QString &text)
{
    QMessageBox box(QMessageBox::Critical, boxTitle(), shownText(text), QMessageBox::Ok, owner());
    execKeepingFocus(box);
}

void WidgetDialogs::showMessage(const QString &text)
{
    QMessageBox box(QMessageBox::NoIcon, boxTitle(), shownText(text), QMessageBox::Ok, owner());
    execKeepingFocus(box);
}

QString WidgetDialogs::openFile(const FileRequest &request)
{
    return pickExisting(request, QFileDialog::ExistingFile).value(0);
}

QStringList WidgetDialogs::pickExisting(const FileRequest &request, int fileMode)
{
    QFileDialog dlg(owner());
    configure(dlg, request, startPath(request.startPath));
    dlg.setAcceptMode(QFileDialog::AcceptOpen);
    dlg.setFileMode(static_cast<QFileDialog::FileMode>(fileMode));
    if (execKeepingFocus(dlg) != QDialog::Accepted || dlg.selectedFiles().isEmpty())
        return {};
    chosen(dlg.selectedFiles().constFirst());
    return dlg.selectedFiles();
}

QString WidgetDialogs::saveFile(const FileRequest &request)
{
    QFileDialog dlg(owner());
    configure(dlg, request, startPath(request.startPath));
    dlg.setAcceptMode(QFileDialog::AcceptSave);
    dlg.setFileMode(QFileDialog::AnyFile);
    // The picker only names the file; whether an existing one may be
    // written over is asked once, when the project is written.
    dlg.setOption(QFileDialog::DontConfirmOverwrite, true);
    if (execKeepingFocus(dlg) != QDialog::Accepted || dlg.selectedFiles().isEmpty())
        return {};
    chosen(dlg.selectedFiles().constFirst());
    return dlg.selectedFiles().constFirst();
}

std::optional<QColor> WidgetDialogs::chooseColor(const QColor &initial)
{
    QColorDialog dlg(initial, owner());
    if (execKeepingFocus(dlg) != QDialog::Accepted)
        return std::nullopt;
    return dlg.selectedColor();
}

std::optional<QString> WidgetDialogs::askText(const QString &text, const QString &initial)
{
    QInputDialog dlg(owner());
    dlg.setWindowTitle(boxTitle());
    dlg.setLabelText(shownText(text));
    dlg.setTextValue(initial);
    if (execKeepingFocus(dlg) != QDialog::Accepted)
        return std::nullopt;
    return dlg.textValue();
}

QString WidgetDialogs::chooseFolder(const QString &title, const QString &startFolder)
{
    QFileDialog dlg(owner(), title);
    dlg.setFileMode(QFileDialog::Directory);
    dlg.setOption(QFileDialog::ShowDirsOnly, true);
    const QString start = startPath(startFolder);
    if (!start.isEmpty())
        dlg.setDirectory(start);
    if (execKeepingFocus(dlg) != QDialog::Accepted || dlg.selectedFiles().isEmpty())
        return {};
    return dlg.selectedFiles().constFirst();
}

QString WidgetDialogs::startPath(const QString &wanted) const
{
    // A fresh account may have no documents folder yet.
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return fileDialogStartPath(wanted, m_lastFolder, programFolder(),
                               QFileInfo(documents).isDir() ? documents : QDir::homePath());
}

void WidgetDialogs::chosen(const QString &path)
{
    m_lastFolder = QFileInfo(path).absolutePath();
}

QStringList WidgetDialogs::openFiles(const FileRequest &request)
{
    return pickExisting(request, QFileDialog::ExistingFiles);
}

Dialogs::Answer WidgetDialogs::askToWrite(const QString &text, const QString &details)
{
    QDialog dialog(owner());
    dialog.setWindowTitle(boxTitle());
    dialog.resize(760, 520);
    auto *layout = new QVBoxLayout(&dialog);
    auto *label = new QLabel(shownText(text), &dialog);
    label->setWordWrap(true);
    layout->addWidget(label);
    auto *change = new QPlainTextEdit(details, &dialog);
    change->setReadOnly(true);
    change->setLineWrapMode(QPlainTextEdit::NoWrap);
    change->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    change->setAccessibleName(tr("Changes"));
    layout->addWidget(change, 1);
    auto *buttons = new QDialogButtonBox(&dialog);
    QPushButton *write = buttons->addButton(tr("&Write"), QDialogButtonBox::AcceptRole);
    QPushButton *cancel = buttons->addButton(QDialogButtonBox::Cancel);
    // Nothing is written by a stray Enter: Cancel is the default.
    write->setAutoDefault(false);
    cancel->setDefault(true);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    layout->addWidget(buttons);
    cancel->setFocus();
    return execKeepingFocus(dialog) == QDialog::Accepted ? Answer::Yes : Answer::No;
}

int WidgetDialogs::askChoice(const QString &text, const QStringList &choices, int preferred)
{
    QDialog dialog(owner());
    dialog.setWindowTitle(boxTitle());
    auto *layout = new QVBoxLayout(&dialog);
    auto *label = new QLabel(shownText(text), &dialog);
    label->setWordWrap(true);
    layout->addWidget(label);
    auto *group = new QButtonGroup(&dialog);
    for (int i = 0; i < choices.size(); ++i) {
        auto *option = new QRadioButton(choices.at(i), &dialog);
        group->addButton(option, i);
        layout->addWidget(option);
        if (i == preferred) {
            option->setChecked(true);
            option->setFocus();
        }
    }
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    layout->addWidget(buttons);
    if (execKeepingFocus(dialog) != QDialog::Accepted)
        return -1;
    return group->checkedId();
}

bool WidgetDialogs::openWithShell(const QUrl &target)
{
    return openWithDesktop(target);
}
