#pragma once

class MainWindow;

extern MainWindow *frm;
// A function that answers a pointer is no global.
MainWindow *mainWindowOf(int id);
