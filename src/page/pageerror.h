#pragma once

#include <QString>
#include <stdexcept>

// The one error a page call raises: a missing function, an exception thrown
// inside it, a page without a document, or a page that did not answer in time.
// The application's general error report shows `message`, which says what
// happened in the user's words, and writes `detail` (the page, the function
// and what went wrong inside) to the debug output.
class PageError : public std::runtime_error
{
public:
    // A message that is plain to the user already serves as its own detail.
    PageError(const QString &function, const QString &page, const QString &message, const QString &detail = {});

    QString function;
    QString page;
    QString message;
    QString detail;
    // The page was started again, and whoever owns it tells the user so and
    // what became of their work: this error need not be shown as well.
    bool restartAnnounced = false;

    // "page: function: detail", for the debug output.
    QString debugText() const;
};

// Writes a page failure's detail (debugText) to the debug output.
void debugPageFailure(const QString &detail);

// The user's words for a fault inside one of the editor's own pages; `what`
// is the fault as short as it can be said, with no names of ours in it
// ("TypeError").
QString internalErrorText(const QString &what);
