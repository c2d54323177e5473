#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>
#include <optional>

// Where the item parameters and preview windows go on a first run: beside
// the main window, on its right, one above the other, so that neither covers
// the item tree and its buttons.
struct ToolPlaces
{
    QPoint itemParams;
    QPoint preview;
};

// `main` is the main window's place (without its frame); the sizes are the
// tool windows' own. No answer when the screen has no room beside it.
std::optional<ToolPlaces> toolPlacesBeside(const QRect &main, const QSize &itemParams, const QSize &preview,
                                           const QRect &screen);
