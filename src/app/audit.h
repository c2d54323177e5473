#pragma once

#include <QString>

class Page;
class PageGate;
class Project;

// The accessibility audit of a read data file: the menu rendered by its
// engine (closed, then with each submenu opened in turn) and checked with
// axe-core against WCAG 2.1 A and AA, plus the contrast of the hover and
// current-page colours, which a rendered page does not show. Prints one line
// per finding: the rule, the item (number and text) or the parameter, the
// values. Answers 0 when clean, 1 with findings, 2 when the menu could not be
// rendered (after saying why on standard error).
// The audit's page joins `gate`, the gate of the pages it runs beside.
int auditMenu(PageGate &gate, const Project &project, Page &params, const QString &dataFile);
