#pragma once

#include <QString>

class Page;
class Project;

// The menu data file writer. The pages give the texts of the parameter
// values; the layout around them is fixed here.

// The whole data file as one text: header, the parameter page's key block,
// the style names, its parameter declarations, the style arrays, the item
// array and the start call (no line end after it). The items are written
// here, each value as scriptStringLiteral writes it; the item parameters
// page is not asked (the parameter stays for the callers). A failing page
// call throws PageError.
QString BuildDataText(const Project &project, Page &params, Page &itemParams);

// Builds the text, then replaces the file at `path` in one step, so a failure
// never leaves an existing file emptied or half written. False after showing
// "Can't write the file: \r" and the path, or when the project holds values
// the menu cannot use, or links to files of this computer by their full path,
// and the user chose not to write them.
bool WriteDataFile(const Project &project, Page &params, Page &itemParams, const QString &path);

// A style name as a script string. Written as printable ASCII with every
// quote, backslash, angle bracket and non-ASCII character escaped, and "_"
// escaped after "qrn", so the reader's start-call replacement cannot reach
// into a name.
QString scriptStringLiteral(const QString &text);
