#pragma once

class Tfrm;

extern Tfrm *frm;
// A function that answers a pointer is no global.
Tfrm *mainWindowOf(int id);
