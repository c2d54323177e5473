#pragma once

#include <QWidget>

class Page;
class Project;

// The tool window that hosts the item parameters page.
class TfrmItemParams : public QWidget
{
    Q_OBJECT

public:
    explicit TfrmItemParams(Project &project, QWidget *parent = nullptr);

    // Offers the names of the styles of a kind to the item parameters page.
    void SetIndividualStyles(int kind);

    Page *wbItemParams = nullptr;

signals:
    // The window was closed by its frame.
    void closedByUser();

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    Project &m_project;
};
