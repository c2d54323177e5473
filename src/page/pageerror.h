#pragma once

#include <QString>
#include <stdexcept>

// The one error a page call raises: a missing function, an exception thrown
// inside it, a page without a document, or a page that did not answer in time.
// The application's general error report shows `message`.
class PageError : public std::runtime_error
{
public:
    PageError(const QString &function, const QString &page, const QString &message);

    QString function;
    QString page;
    QString message;
};
