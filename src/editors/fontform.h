#pragma once

#include <QDialog>

class TfrmFont : public QDialog
{
    Q_OBJECT

public:
    explicit TfrmFont(QWidget *parent = nullptr);
};

