#pragma once

#include "project/model/itemtree.h"

#include <QList>
#include <QString>

// Items as an indented outline of plain text: one line per item with its
// text, one tab per level below the shallowest item.
QString writeOutline(const QList<LeveledItem> &items);
// Reads an outline: tabs, or runs of two or four spaces, as levels; blank
// lines skipped. Levels are relative (the shallowest line is 0); jumps are
// left for the tree to clamp.
QList<LeveledItem> readOutline(const QString &text);
