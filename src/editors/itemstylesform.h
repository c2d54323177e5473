#pragma once

#include "project/model/styleedits.h"

#include <QDialog>

class PageGate;

class Page;
class Project;
class QLabel;
class QListView;
class StyleList;
class TnewEdit;
class TnewPanel;
class TnewSpd;

// The individual styles window: item styles and submenu styles, each listed
// by name and edited through its style page.
class TfrmItemStyles : public QDialog
{
    Q_OBJECT

public:
    TfrmItemStyles(PageGate &gate, Project &project, StyleEdits::Links links, QWidget *parent = nullptr);

    // Both lists empty, the pages showing no style.
    void ResetStyles();
    // The window as the current menu type has it (its pages are loading):
    // the submenu styles only where the type has them, both lists empty.
    void fitMenuType();
    // A stored style, appended as it is (the data file reader's way in).
    void AddStyle(int kind, const QString &name, const QString &paramsList, const QString &stylesArray);

    int exec() override;
    void reject() override;

    Page *wbItemStyles = nullptr;
    Page *wbSmStyles = nullptr;
    TnewSpd *spdShowItemStyles = nullptr;
    TnewSpd *spdShowSmStyles = nullptr;
    QListView *vtItemStyles = nullptr;
    QListView *vtSmStyles = nullptr;
    TnewEdit *eStyleName = nullptr;
    TnewPanel *newPanel2 = nullptr; // around the style lists
    TnewPanel *newPanel3 = nullptr; // holds the style name box and the style buttons
    TnewSpd *spdAdd = nullptr;
    TnewSpd *spdDuplicate = nullptr;
    TnewSpd *spdDelete = nullptr;
    TnewSpd *spdDeleteAll = nullptr;
    TnewSpd *spdMoveUp = nullptr;
    TnewSpd *spdMoveDown = nullptr;
    TnewSpd *spdApply = nullptr;
    StyleEdits *edits = nullptr;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    void switchKind(int kind);
    QListView *list(int kind) const { return kind == 0 ? vtItemStyles : vtSmStyles; }
    Page *page(int kind) const { return kind == 0 ? wbItemStyles : wbSmStyles; }

    Project &m_project;
    StyleList *m_lists[2] = {};
};
