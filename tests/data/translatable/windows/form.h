#pragma once
#include <QDialog>

class Form : public QDialog
{
    Q_OBJECT
public:
    explicit Form(QWidget *parent = nullptr);
    QString question(int count) const;
    QString script(const QString &name) const;
    QString dataFileHeader() const;
};
