#pragma once

#include "page/page.h"

#include <QCoreApplication>
#include <QList>
#include <QString>
#include <QStringList>
#include <memory>

class PageGate;
class WebPage;

// Where someone else's script is run: a page of its own, with an opaque
// origin (a data: document), no file or network access, no frames of the
// program's pages around it and no report channel. The script runs in a
// fresh document each time, so nothing it declares or leaves running
// outlives its read.
class ReaderPage
{
    Q_DECLARE_TR_FUNCTIONS(ReaderPage)

public:
    struct Result
    {
        QString values; // one JSON object: name -> value
        QList<ScriptError> errors;
    };

    explicit ReaderPage(PageGate &gate);
    ~ReaderPage();

    void setTimeLimit(int ms);
    // Runs the script and answers the values of `names` it defined; the
    // functions named in `doNothing` are there for it to call. Throws
    // PageError when the script does not end within the time limit (its
    // page is stopped and made again) or the page fails.
    Result read(const QString &script, const QStringList &names, const QStringList &doNothing = {});

    // The reader's document, for measuring it against a bare page.
    static QString document();

private:
    std::unique_ptr<WebPage> m_page;
};
