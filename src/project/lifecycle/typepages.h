#pragma once

#include <QString>

class Page;

// The pages that edit a project of one menu type: the menu parameters, the
// item parameters and the two style pages. Loading them for a type is the
// one way a type's pages come into the editor; it knows the pages, not the
// windows that show them.
class TypePages
{
public:
    struct Views
    {
        Page *params = nullptr;
        Page *itemParams = nullptr;
        Page *itemStyles = nullptr;
        Page *submenuStyles = nullptr; // loaded only for types that have submenu styles
    };

    explicit TypePages(Views views);

    // The first page file of the type, of the views given, that is missing
    // from the program folder; empty when all are there.
    QString missingFile(const QString &programFolder, int type) const;

    // Starts loading the pages of `type` from the program folder (calls to
    // them wait for their documents). False when a page file is missing:
    // that was reported and the program is ending.
    bool load(const QString &programFolder, int type) const;

private:
    Views m_views;
};
