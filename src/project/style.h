#pragma once

#include <QString>

// One individual style. Its number is its position in its list; items hold
// that number in one of their parameters.
struct TStyle
{
    QString Name;
    QString ParamsList;  // the style's parameter script, as the style page gives it
    QString StylesArray; // the style's entry for the data file, an array literal
};
