#include "app/pagekeyfilter.h"

#include <QKeyEvent>

bool PageKeyFilter(const QKeyEvent &event)
{
    if (event.type() != QEvent::KeyPress && event.type() != QEvent::ShortcutOverride)
        return false;
    const int key = event.key();
    if (event.modifiers() & Qt::ControlModifier) {
        switch (key) {
        case Qt::Key_Z:
        case Qt::Key_C:
        case Qt::Key_X:
        case Qt::Key_V:
        case Qt::Key_A:
            return false;
        case Qt::Key_Control:
            return false; // Ctrl alone is no shortcut yet
        default:
            return true;
        }
    }
    return (key == Qt::Key_F1 || key == Qt::Key_F5) && !event.isAutoRepeat();
}
