// A window whose texts the translation check must find, beside texts it must
// let pass. Each bad text holds the word "Refused", each good one "Passed".
#include "windows/form.h"

Form::Form(QWidget *parent)
    : QDialog(parent)
{
    setWindowTitle(QStringLiteral("Refused title"));
    auto *label = new QLabel(QStringLiteral("Refused"), this);
    label->setToolTip(QStringLiteral("Refused tip: %1").arg(1));
    auto *button = new QPushButton(tr("Passed as translated"), this);
    button->setObjectName(QStringLiteral("passedObjectName"));
    qWarning() << "Passed log line for developers";
}

QString Form::question(int count) const
{
    if (count == 0)
        return QStringLiteral("Do you want to delete the Refused items?");
    return tr("Do you want to delete %1 Passed items?").arg(count);
}

QString Form::script(const QString &name) const
{
    // The page runs this as it is.
    return QStringLiteral("(function(){return window.%1 ? document.title : 'Passed';})()").arg(name);
}

QString Form::dataFileHeader() const
{
    // untranslated: the data file's own header, read by people of every language
    return QStringLiteral("   Passed data file header written by the program")
        + QStringLiteral("\n   and Passed continued on the next line");
}
