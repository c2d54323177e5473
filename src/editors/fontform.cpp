#include "editors/fontform.h"

TfrmFont *frmFont = nullptr;

TfrmFont::TfrmFont(QWidget *parent)
    : QDialog(parent)
{
    setWindowTitle(QStringLiteral("Font"));
}
