#pragma once

#include <QByteArray>
#include <QString>
#include <array>

// The record of one menu item: its eleven parameters. Params[0] is the item's
// text; "-" makes a separator.
struct TItem
{
    static constexpr int kParamCount = 11;
    std::array<QString, kParamCount> Params;

    bool operator==(const TItem &other) const = default;
};

// The item record stream: for each parameter in order, a 4-byte signed
// little-endian length and that many bytes of text (UTF-8), no terminator.
// A record of empty texts is 44 zero bytes.
void writeItemRecord(QByteArray &out, const TItem &item);
// Reads one record from `data` at `pos`, advancing `pos`; false (and `pos`
// unchanged) when the data ends early or a length is impossible.
bool readItemRecord(const QByteArray &data, qsizetype &pos, TItem &item);
