#pragma once

class TnewSpd;

// The colour schemes of the program's buttons.
enum class SpdScheme {
    Blue,   // adding, duplicating, confirming, saving, browsing
    Orange, // deleting and cancelling
    Green,  // expand and collapse all, updating the preview
    Cyan,   // the two style list tabs
};

// Gives `button` the scheme's colours, font, frame and height.
void applyScheme(TnewSpd *button, SpdScheme scheme);
// The small bold "+" and "-" buttons beside the item tree.
void applyExpandScheme(TnewSpd *button);
