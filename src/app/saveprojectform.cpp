#include "app/saveprojectform.h"

#include "controls/backgroundtile.h"
#include "project/dialogs.h"

#include <QPaintEvent>
#include <QPainter>

TfrmSaveProject::TfrmSaveProject(QWidget *parent)
    : QDialog(parent)
{
    setWindowTitle(QStringLiteral("Save Project"));
}

bool TfrmSaveProject::SaveToCurrentFile()
{
    // The data file writer is not part of this build yet: say so rather than
    // pretend the project was saved.
    dialogs().showError(QStringLiteral("Can't save the project:\rthe data file writer is not available yet."));
    return false;
}

void TfrmSaveProject::paintEvent(QPaintEvent *event)
{
    QPainter p(this);
    paintBackgroundTile(p, event->rect());
}
