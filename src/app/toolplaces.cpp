#include "app/toolplaces.h"

#include <algorithm>

namespace {

// Window frames are not known before a window is first shown: leave room for
// a usual border and title bar.
constexpr int kBorder = 8;
constexpr int kTitle = 30;
constexpr int kGap = 4;

} // namespace

std::optional<ToolPlaces> toolPlacesBeside(const QRect &main, const QSize &itemParams, const QSize &preview,
                                           const QRect &screen)
{
    const int x = main.right() + 1 + kBorder + kGap + kBorder;
    const int widest = std::max(itemParams.width(), preview.width());
    if (x + widest + kBorder - 1 > screen.right())
        return std::nullopt;
    const int itemY = std::max(main.top(), screen.top() + kTitle);
    const int previewY = itemY + itemParams.height() + kBorder + kGap + kTitle;
    if (previewY + preview.height() + kBorder - 1 > screen.bottom())
        return std::nullopt;
    return ToolPlaces{{x, itemY}, {x, previewY}};
}
