#pragma once

#include <QString>
#include <QWidget>

class PageGate;

class ItemEdits;
class Page;
class PageCommandChannel;
class Project;
class QLabel;
class TnewSpd;
struct ScriptError;

// The tool window that hosts the item parameters page. It holds no item data:
// the item tree sends the current item into the page, and the page's edits
// come back as "item" page commands, which it registers with the channel and
// which write every selected item through the item edits.
class TfrmItemParams : public QWidget
{
    Q_OBJECT

public:
    TfrmItemParams(PageGate &gate, Project &project, PageCommandChannel &channel, ItemEdits &edits, QWidget *parent = nullptr);
    ~TfrmItemParams() override;

    // Offers the names of the styles of a kind to the item parameters page.
    void SetIndividualStyles(int kind);
    // "item" and a field number 0 to 10: the page's value of that field goes
    // into every selected item. Any other number is refused and reported; no
    // item changes then.
    void ApplyItemCommand(const QString &command);
    // Puts the keyboard in the page, at the item's text when an item is shown.
    void focusFirstField();

    // Shows the folder the current project's links are made relative to.
    void showLinksFolder();
    // "Change...": the user picks the links folder of the current project.
    void changeLinksFolder();
    // Says what is wrong with the shown item's links and pictures, if anything.
    void showLinkProblems();

    void wbItemParamsStatusTextChange(const QString &text);
    void wbItemParamsScriptError(const ScriptError &error);

    Page *wbItemParams = nullptr;
    // Shown while several items are selected: the page's edits go to all.
    QLabel *lblSeveralSelected = nullptr;
    // The shown item's links and pictures that lead to no file of the site.
    QLabel *lblLinkProblems = nullptr;
    // "Links relative to: FOLDER" and its "Change..." button.
    QLabel *lblLinksFolder = nullptr;
    TnewSpd *spdLinksFolder = nullptr;
    // The value answered to the page's last command.
    QString CommandSlot;

signals:
    // The window was closed by its frame.
    void closedByUser();

protected:
    void closeEvent(QCloseEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    void showSelectionCount();

    Project &m_project;
    PageCommandChannel &m_channel;
    ItemEdits &m_edits;
    bool m_linkProblemsDue = false;
};
