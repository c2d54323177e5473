#pragma once

#include <functional>

#include "controls/newedit.h"
#include "controls/newpanel.h"
#include "controls/newspd.h"

#include <QDialog>
#include <QTimer>

class PageGate;

class Page;
class Project;
class QLabel;

// The save-project window: asks for the data file's name, shows how to put
// the saved menu into a web page, and saves the project.
class TfrmSaveProject : public QDialog
{
    Q_OBJECT

public:
    TfrmSaveProject(PageGate &gate, Project &project, QWidget *parent = nullptr);

    // The pages the writer asks: the parameter page and the item parameters page.
    void setPages(Page *params, Page *itemParams);
    // Runs before every write: the pages hand over typing not reported yet.
    void setBeforeWrite(std::function<void()> beforeWrite) { m_beforeWrite = std::move(beforeWrite); }

    // The save operation on `name`, the Save button's and Enter's alike:
    // it asks the write decision first. True when the file was written.
    bool SaveProject(const QString &name);
    // Saves to the project's current file without showing the window, once
    // the write decision said so.
    bool SaveToCurrentFile();

    void spdSaveClick();
    void spdCancelClick();
    // "...": the save dialog; the chosen path replaces the box's text.
    void newSpd1Click();

    // The install help page for the current menu type.
    QString InstallHelpHtml() const;

    QLabel *Label4 = nullptr;
    TnewEdit *eFileName = nullptr;
    TnewSpd *newSpd1 = nullptr;
    TnewPanel *newPanel1 = nullptr;
    Page *wbInstallHelp = nullptr;
    TnewSpd *spdSave = nullptr;
    TnewSpd *spdCancel = nullptr;

signals:
    // The project was saved to `path` (the caption and recent files follow).
    void saved(const QString &path);

protected:
    void showEvent(QShowEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    void showInstallHelp();
    // Writes the project to `name`; the decision was taken before.
    bool writeProject(const QString &name);
    std::function<void()> m_beforeWrite;

    Project &m_project;
    QTimer m_helpUpdate;
    Page *m_params = nullptr;
    Page *m_itemParams = nullptr;
};
