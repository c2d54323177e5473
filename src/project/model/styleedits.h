#pragma once

#include "project/model/style.h"

#include <QList>
#include <QObject>
#include <array>
#include <functional>

class Page;
class Project;
class QItemSelectionModel;
class StyleList;

// How many items refer to the style at `position` of its kind.
int styleUsage(const Project &project, int kind, int position);
// Keeps the items' references of a kind right after the style at `position`
// was deleted (-1: all were): references to it are emptied, later ones move
// down by one. A reference that is not a number is left as it is.
void RenumberStyleRefs(Project &project, int kind, int position);
// Empties the items' references of a kind to styles at `count` or later,
// after the style list was replaced by one of `count` styles.
void ClearStyleRefsFrom(Project &project, int kind, int count);
// Moves a style within its list; every reference follows its style.
void MoveStyleRefs(Project &project, int kind, int from, int to);

// What the user does in the individual styles window, on the project's two
// style lists and their style pages. The window wires its controls here;
// tests call it without a window.
class StyleEdits : public QObject
{
    Q_OBJECT

public:
    // What the styles window calls elsewhere.
    struct Links
    {
        // Offer the names of a kind to the item parameters page.
        std::function<void(int kind)> SetIndividualStyles;
        // Show the current item again in the item parameters page.
        std::function<void()> SendItemParams;
        // Carries out a page command (a picker) sent by a style page as its
        // status text; the page reports the value it takes as a change.
        std::function<bool(Page *view, const QString &statusText)> pageCommand;
        // The menu-wide values as the parameter page holds them, one JSON
        // object of name and value.
        std::function<QString()> menuValues;
    };

    StyleEdits(Project &project, std::array<StyleList *, 2> lists, std::array<QItemSelectionModel *, 2> selections,
               std::array<Page *, 2> pages, Links links, QObject *parent = nullptr);

    int currentKind() const { return m_kind; }
    // The selected style of the shown list, or -1.
    int selectedPosition() const;
    TStyle *currentStyle() const;

    void switchKind(int kind);
    // Empties both lists and shows the item styles.
    void clear();
    // A style appended as stored, for the data file reader: nothing selected,
    // nothing sent to a page.
    void AddStyle(int kind, const QString &name, const QString &paramsList, const QString &stylesArray);

    void Add();
    void Duplicate();
    void DeleteSelected();
    void DeleteAll();
    void MoveUp();
    void MoveDown();
    // The name box changed by the user: renames the selected style, or,
    // with none selected, names the style Add makes next.
    void Rename(const QString &name);
    // A style page's status text.
    void StatusTextChange(Page *view, const QString &text);
    // The shown page's typing not reported yet goes into the style now.
    void takePageEdits();
    // Closing the window: the page back to its defaults, nothing selected.
    void Close();
    // The pages show no style, their fields empty and disabled.
    void showNoStyle();
    // Gives the style pages the menu-wide values, so that what a style
    // leaves empty shows, and is measured, as the engine will draw it.
    void showMenuValues();

signals:
    // The name box shows this text (empty without a current style).
    void nameShown(const QString &name);

private:
    void selectionChanged(int kind);
    void select(int row);
    void namesChanged();
    void moveSelected(int step);
    void keepPageValues(Page *view, const QString &field);
    // The style pages the current menu type loads.
    QList<Page *> typePages() const;

    Project &m_project;
    std::array<StyleList *, 2> m_lists;
    std::array<QItemSelectionModel *, 2> m_selections;
    std::array<Page *, 2> m_pages;
    Links m_links;
    int m_kind = 0;
    // Typed into the name box while no style was selected.
    QString m_typedName;
};
