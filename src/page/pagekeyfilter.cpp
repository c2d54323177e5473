#include "page/pagekeyfilter.h"

#include <QKeyEvent>

namespace {

// A key on its way in, before or as it is delivered; releases never count.
bool isPress(const QKeyEvent &event)
{
    return event.type() == QEvent::KeyPress || event.type() == QEvent::ShortcutOverride;
}

} // namespace

bool PageKeyFilter(const QKeyEvent &event)
{
    if (!isPress(event))
        return false;
    const int key = event.key();
    if (event.modifiers() & Qt::ControlModifier) {
        switch (key) {
        case Qt::Key_Z:
            // Undo and Redo are the project's, in a field too: a field's own
            // undo would be a new change that takes away what Redo could
            // bring back. The field's typing is taken into the project first.
            return true;
        case Qt::Key_C:
        case Qt::Key_X:
        case Qt::Key_V:
        case Qt::Key_A:
            return false;
        case Qt::Key_Tab:
        case Qt::Key_Backtab:
            // Ctrl+Tab moves between the program's windows, as F6 does.
            return true;
        default:
            // Ctrl with a character key is a shortcut; Ctrl with the arrows,
            // Home, End, Backspace or Delete moves or deletes by words in a
            // field and stays with it, as does Ctrl alone.
            return key < Qt::Key_Escape;
        }
    }
    return (key == Qt::Key_F1 || key == Qt::Key_F5) && !event.isAutoRepeat();
}

bool DialogPageKeyFilter(const QKeyEvent &event)
{
    return PageKeyFilter(event) || (event.key() == Qt::Key_Escape && isPress(event));
}
