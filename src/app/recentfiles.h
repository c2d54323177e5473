#pragma once

#include <QStringList>

inline constexpr int kMaxRecentFiles = 10;

// Puts `path` on top of the recent files: an entry already there (exact,
// case-sensitive) moves up; a new one pushes the oldest out of a full list.
void addRecentFile(QStringList &recentFiles, const QString &path);
