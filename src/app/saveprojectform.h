#pragma once

#include <QDialog>

// The window that asks for the data file's name and saves the project.
class TfrmSaveProject : public QDialog
{
    Q_OBJECT

public:
    explicit TfrmSaveProject(QWidget *parent = nullptr);

    // Writes the project to the main window's current file; false, after
    // reporting why, when nothing was written.
    bool SaveToCurrentFile();

protected:
    void paintEvent(QPaintEvent *event) override;
};

