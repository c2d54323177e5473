#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <QStringView>
#include <utility>

// The values a data text defined come from the reader as one JSON object
// text that JSON.stringify wrote. The reader of a file only takes them
// apart: each value stays its JSON text until it is needed, so an item
// array of any size or depth is walked once, without a document and
// without recursion, and the parameter page is handed only what it shows.

// The members of a JSON object text: each name and its value's JSON text,
// in order. A text that is no object gives none.
QList<std::pair<QString, QStringView>> JsonObjectMembers(QStringView json);
// The elements of a JSON array text as their JSON texts. A text that is no
// array gives none.
QList<QStringView> JsonArrayElements(QStringView json);
// A JSON value as JavaScript's String() writes the value it stands for:
// a string as itself, null as nothing, a number or a boolean as written,
// an array as its elements joined by commas at every depth, an object as
// "[object Object]".
QString JsonValueText(QStringView json);
// The texts (as JsonValueText) of the elements of a JSON array text.
QStringList JsonArrayTexts(QStringView json);
