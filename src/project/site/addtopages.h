#pragma once

#include <functional>

class Page;
class Project;

// File > Add to Page...: the user picks pages of the site, sees the change
// to each as a diff, and only then is anything written (see pageinstall.h).
// The pages load the data file as it is saved, so a project that
// `mustSaveFirst` (changes, no file of its own, a file read only in part) is
// saved first, through `save`, once the user agrees. True when pages were
// written. A failing page call throws PageError.
bool addMenuToPages(const Project &project, Page &params, bool mustSaveFirst, const std::function<bool()> &save);
