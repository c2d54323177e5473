#pragma once

#include <QString>
#include <QStringList>
#include <optional>

class Page;

// What a model walk does in the program's pages as a user would: the form
// rows are found by the names the pages give them, and a change is made
// through the control and its "change" event, so the page reports it in its
// own way.
namespace walkpages {

Page &paramsPage();
Page &itemPage();
Page &stylePage();

// A text as a script string literal.
QString jsString(const QString &text);
QString eval(Page &page, const QString &script);

// The control of a form row, by the row's name, as a script expression;
// `scope` narrows the rows (the item page's are in its fieldset).
QString rowControl(const QString &scope, const QString &name);
// The names of the shown rows of a page whose control is of `selector`.
QStringList rowsWith(Page &page, const QString &selector);
// Moves a list to its next choice or flips a check box, as a click would;
// empty, or what is missing.
QString flipControl(Page &page, const QString &scope, const QString &name);
// Sets the control's value, as typing and leaving the field would; empty,
// or what is missing.
QString typeInto(Page &page, const QString &scope, const QString &name, const QString &value);
// The fields the item page shows, in their numbers' order; empty while it
// shows no item.
QStringList shownItemFields(int count);
// The values of a list row other than the chosen one; none for a row that
// is no list.
std::optional<QStringList> otherChoices(Page &page, const QString &scope, const QString &name);

} // namespace walkpages
