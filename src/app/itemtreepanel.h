#pragma once

#include <QList>
#include <QWidget>

class ItemEdits;
class ItemTreeView;
class Project;
class QAction;
class QLabel;
class QMenu;
class TnewPanel;
class TnewSpd;

// The main window's item tree with what belongs to it: the title and item
// count above it, the expand and collapse buttons, the hint below, the item
// buttons, and its popup menu with the keys that work while it has the focus.
class ItemTreePanel : public QWidget
{
    Q_OBJECT

public:
    ItemTreePanel(Project &project, QWidget *parent = nullptr);
    ~ItemTreePanel() override;

    // A command of the popup menu, by its id in the command table.
    QAction *command(const QString &id) const;
    void expandAll();
    void collapseAll();
    // File > Import Navigation: asks for a saved web page or a sitemap.xml.
    void chooseNavigationToImport();
    // Adds the navigation of a saved web page or a sitemap.xml as items where
    // the user says. False, after saying why, when it can't or was cancelled.
    bool importNavigation(const QString &path);

    QLabel *lblItemsTitle = nullptr;
    QLabel *lblItemCount = nullptr;
    TnewSpd *spdExpandAll = nullptr;
    TnewSpd *spdCollapseAll = nullptr;
    TnewPanel *treeFrame = nullptr;
    ItemTreeView *vtItems = nullptr;
    ItemEdits *itemEdits = nullptr;
    TnewPanel *hintPanel = nullptr;
    TnewPanel *buttonPanel = nullptr;
    TnewSpd *spdAddItem = nullptr;
    TnewSpd *spdAddSubitem = nullptr;
    TnewSpd *spdDeleteItem = nullptr;
    TnewSpd *spdDeleteAll = nullptr;
    TnewSpd *spdItemStyles = nullptr;
    QMenu *pmItems = nullptr;

signals:
    // "Edit Individual Styles..." was clicked.
    void itemStylesRequested();

private:
    void createPopup();
    void showCount();

    Project &m_project;
    QList<QAction *> m_commands;
};
