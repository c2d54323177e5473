#pragma once

#include <QString>

// Reading what a data text says about itself without running it. A data file
// is someone else's script: a name inside a string or a comment ("Call
// qrn_init() after the menu") says nothing, so these look only at code.

// The text with the contents of every string literal and comment replaced by
// spaces, character for character, so positions in it are positions in the
// text. Quotes and comment marks stay. Regular expression literals are taken
// as code: data files written by the program have none.
QString CodeOfDataText(const QString &text);

// The menu type the text names in its own type statement (`var
// menuType="ostrel-menu";`, `tabsType="tab-menu"` ...); the last such
// statement counts, as when the script runs. -1 when it names none, or a
// value no type has.
int MenuTypeNamedIn(const QString &text);

// The menu type whose start function is called in a statement of the text,
// when it is not `currentType` (the Tabs and the Tab Menu share theirs); -1
// when none is.
int OtherMenuTypeIn(const QString &text, int currentType);
