#pragma once

#include <QList>
#include <QString>

#include <utility>

// The text of a file built into the program (":/page/..."), as UTF-8. The
// pages' own scripts live in such files; one that is missing is a fault of
// the build, and gives an empty text.
QString resourceText(const QString &path);

// A script of the program's own (a resource) with its placeholders filled:
// each quoted placeholder ('@NAME'), in the order the script holds them, is
// replaced by its value, which is JavaScript text. Values are put in one pass, so a value that holds a
// placeholder's text is never filled itself. The script's opening comment
// lines are left out: they are for its readers, not for the page.
QString filledScript(const QString &resourcePath, const QList<std::pair<QString, QString>> &values);
