#pragma once

#include <QByteArray>
#include <QString>

// Where the menu's block goes in a web page of the site, and the page with
// the block put there. The page is someone else's markup: it is read, never
// run, and its bytes outside the block are kept exactly, whatever its
// encoding (the block itself is ASCII).
//
// A block runs from its begin comment to its end comment, both naming the
// data file, so a page may hold the blocks of several menus. A page that
// has one is updated where the block stands (the user may have moved it to
// where the menu is to appear); otherwise the block goes at the start of
// the body.

struct PageBlock
{
    QString key;   // the data file's name: one block per data file and page
    QString menu;  // "Quorna Ostrel Menu", for the comments
    QString lines; // the block's content between its comments, "\n"-separated
};

struct PagePlacement
{
    enum class Outcome { Changed, Unchanged, Refused };
    Outcome outcome = Outcome::Refused;
    QByteArray page;  // the page with the block; Changed only
    QString reason;   // why it was refused
    bool blockFound = false; // the page had the block, which was written again
};

PagePlacement placeBlock(const QByteArray &page, const PageBlock &block);

// The begin and end comments of a block, without "<!--" and "-->".
QString blockBeginComment(const PageBlock &block);
QString blockEndComment(const PageBlock &block);
