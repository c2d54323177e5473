#pragma once

#include <QString>

// The change from `before` to `after` as a unified diff ("--- a", "+++ b",
// one "@@" hunk with three lines of context), lines joined by "\n"; empty
// when the texts are the same. The hunk spans from the first changed line to
// the last, which is exact for a change made in one place, as writing a
// block into a page is.
QString unifiedDiff(const QString &before, const QString &after, const QString &beforeLabel,
                    const QString &afterLabel);
