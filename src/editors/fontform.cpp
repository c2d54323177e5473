#include "editors/fontform.h"


TfrmFont::TfrmFont(QWidget *parent)
    : QDialog(parent)
{
    setWindowTitle(QStringLiteral("Font"));
}
