#pragma once

class QKeyEvent;

// Decides whether a key on its way to a hosted page is taken from the page
// and handed to the hosting window (true) or left to the page (false): Ctrl
// with any character key but Z, C, X, V and A, Ctrl+Tab and Ctrl+Shift+Tab,
// and first presses of F1 and F5.
bool PageKeyFilter(const QKeyEvent &event);

// PageKeyFilter for a page inside a dialog: Escape goes to the dialog too,
// so that it closes the window from anywhere in it; no page uses Escape.
bool DialogPageKeyFilter(const QKeyEvent &event);
