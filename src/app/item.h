#pragma once

#include <QString>
#include <array>

// The record of one menu item: its eleven parameters. Params[0] is the item's
// text; "-" makes a separator.
struct TItem
{
    static constexpr int kParamCount = 11;
    std::array<QString, kParamCount> Params;
};
