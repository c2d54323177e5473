#pragma once

#include <QList>
#include <QMetaType>
#include <QString>
#include <variant>

// One argument of a page function: an integer, a text, or left out (the
// function then receives `undefined`).
struct PageOmitted
{
    bool operator==(const PageOmitted &) const = default;
};

using PageArg = std::variant<PageOmitted, int, QString>;
using PageArgs = QList<PageArg>;

Q_DECLARE_METATYPE(PageArgs)

inline const PageArg kOmitted = PageOmitted{};

// The argument list as JavaScript source text: "1,\"a\",undefined".
QString pageArgsToScript(const PageArgs &args);
// A text as a JavaScript string literal, safe inside any script.
QString jsStringLiteral(const QString &text);
