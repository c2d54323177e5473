#pragma once

#include <QList>
#include <QString>
#include <QStringList>

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

// Whether the text's code assigns the list `name` (`var menuItems = ...`):
// a script that does not is no menu data file of that list's type.
bool AssignsName(const QString &text, const QString &name);

// The file's line (1 for the first) at `position` of a text the reader made
// (every line preceded by CR LF) or of a plain text.
int LineOfPosition(const QString &text, qsizetype position);

// Where the entries of the list literal last assigned to `name` stand, in
// the order the script builds them: entries are what lies between the
// list's top-level commas, so `[a][b]` (a comma lost) is one entry, as it
// is one element when the script runs. Empty when the list is not written
// as a literal.
struct ListEntryPlace
{
    int line = 0;        // the line the entry starts on
    bool hole = false;   // nothing between two commas
    // `[...][...]`: the line where the first list closed; 0 when the entry
    // is no such pair.
    int joinedAfterLine = 0;
};
QList<ListEntryPlace> ListEntryPlacesIn(const QString &text, const QString &name);

// A declaration without a value whose name is one of `names` followed by
// what looks like a value (`var menuZIndex1000;`, `var menuArrowsfalse;`):
// a lost "=" joined a name and its value.
struct JoinedDeclaration
{
    int line = 0;
    QString declared; // "menuZIndex1000"
    QString name;     // "menuZIndex"
};
QList<JoinedDeclaration> JoinedDeclarationsIn(const QString &text, const QStringList &names);
