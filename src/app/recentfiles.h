#pragma once

#include <QStringList>

inline constexpr int kMaxRecentFiles = 10;

// Puts `path` on top of the recent files: an entry already there (exact,
// case-sensitive) moves up; a new one pushes the oldest out of a full list.
void addRecentFile(QStringList &recentFiles, const QString &path);

// The text of a recent file's menu entry: the path, then the menu type the
// file names, if any. "&" in a path stays a character, not a mnemonic.
QString recentFileLabel(const QString &path, const QString &typeName);
