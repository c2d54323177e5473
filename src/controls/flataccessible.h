#pragma once

// Makes screen readers see the flat buttons as push buttons and the choice
// boxes as check boxes (or option buttons when drawn round), with their
// captions as names. Safe to call often.
void installFlatAccessibility();
