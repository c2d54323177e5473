#pragma once

#include <QCoreApplication>
#include <QString>

// One individual style. Its number is its position in its list; items hold
// that number in one of their parameters.
struct TStyle
{
    QString Name;
    QString ParamsList;  // the style's parameter script, as the style page gives it
    QString StylesArray; // the style's entry for the data file, an array literal
};

// How a report names a style: item style 1 "Shop" (kind 0), submenu style 0
// "Open" (kind 1).
inline QString describeStyle(int kind, qsizetype index, const QString &name)
{
    return (kind == 0 ? QCoreApplication::translate("Style", "item style %1 \"%2\"")
                      : QCoreApplication::translate("Style", "submenu style %1 \"%2\""))
        .arg(index)
        .arg(name);
}
