// A unit in a folder of its role is checked like any other.
PreviewForm *g_preview;
