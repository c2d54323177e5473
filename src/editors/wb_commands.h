#pragma once

#include <QColor>
#include <QString>
#include <functional>

class Page;

// The texts of the page command channel: a hosted page asks the program for
// something by setting its status text to "@name:value".

struct PageCommand
{
    QString name;
    QString value;
};

// True when the view holds a document and the text starts with "@".
bool IsPageCommand(const Page *view, const QString &text);
// Name and value of a status text; only the leading "@" marks the command,
// an "@" inside the value is kept.
PageCommand SplitPageCommand(const QString &text);

// Two hexadecimal characters as 0 to 255; a character that is no hexadecimal
// digit counts 0.
int HexPairValue(QChar high, QChar low);
// "RRGGBB" (without "#"); longer texts use their first six digits, shorter ones
// count as if padded with "0" in front.
QColor HexToColor(const QString &text);
// Six upper-case hexadecimal digits, red, green, blue.
QString ColorToHex(const QColor &color);

// The file picker's filter for "image" or "url".
QString PickFileFilter(const QString &kind);
