#pragma once

#include "project/style.h"

#include <QDialog>
#include <QList>

class Page;
class Project;
class QPushButton;

// The individual styles window: item styles and submenu styles, each edited
// through its style page.
class TfrmItemStyles : public QDialog
{
    Q_OBJECT

public:
    explicit TfrmItemStyles(Project &project, QWidget *parent = nullptr);

    // Makes the editor fit the current menu type and empties both lists.
    void ResetStyles();
    void AddStyle(int kind, const QString &name, const QString &paramsList, const QString &stylesArray);

    Page *wbItemStyles = nullptr;
    Page *wbSmStyles = nullptr;
    QPushButton *spdShowItemStyles = nullptr;
    QPushButton *spdShowSmStyles = nullptr;
    int CurrentKind = 0;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    void switchKind(int kind);

    Project &m_project;
};
