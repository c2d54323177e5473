#pragma once

#include "editors/style.h"

#include <QDialog>
#include <QList>

class Page;
class QPushButton;

// The individual styles window: item styles and submenu styles, each edited
// through its style page.
class TfrmItemStyles : public QDialog
{
    Q_OBJECT

public:
    explicit TfrmItemStyles(QWidget *parent = nullptr);

    // Makes the editor fit the current menu type and empties both lists.
    void ResetStyles();
    void AddStyle(int kind, const QString &name, const QString &paramsList, const QString &stylesArray);
    // The list of a kind: 0 item styles, 1 submenu styles.
    QList<TStyle> &styles(int kind) { return kind == 0 ? ItemStyles : SubmenuStyles; }

    Page *wbItemStyles = nullptr;
    Page *wbSmStyles = nullptr;
    QPushButton *spdShowItemStyles = nullptr;
    QPushButton *spdShowSmStyles = nullptr;
    QList<TStyle> ItemStyles;
    QList<TStyle> SubmenuStyles;
    int CurrentKind = 0;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    void switchKind(int kind);
};

extern TfrmItemStyles *frmItemStyles;
