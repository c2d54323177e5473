#pragma once

#include "page/pagearg.h"
#include "page/pageerror.h"

#include <QKeyEvent>
#include <QObject>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <QMetaType>
#include <functional>

class QWidget;

// The most elements of one array Page::evaluateApart hands back.
inline constexpr int kMaxApartArrayLength = 200000;

// A script error reported by a hosted page. The platform has no numeric error
// codes, so `code` is the error's name ("SyntaxError", "TypeError", ...).
struct ScriptError
{
    int line = 0;
    int column = 0;
    QString code;
    QString message;
};

Q_DECLARE_METATYPE(ScriptError)

// The error with its message as the engine words it for the console
// ("Uncaught TypeError: x is not a function") cut to what the code does not
// say already ("x is not a function").
ScriptError tidied(ScriptError error);

// A script error as the program reports it: "Line: ...\rChar: ...\rCode:
// ...\rMessage: ...".
QString scriptErrorText(const ScriptError &error);

// One hosted HTML page as the program's logic sees it. Every window and
// operation talks to its pages through this interface only; `WebPage` is the
// real one over Qt WebEngine, `FakePage` serves unit tests.
//
// Calls are synchronous: they return the function's result or throw
// PageError. Status texts, document completion and script errors arrive as
// signals from the event loop, never while a call waits for a page.
class Page : public QObject
{
    Q_OBJECT

public:
    using KeyFilter = std::function<bool(const QKeyEvent &)>;

    explicit Page(QObject *parent = nullptr);
    ~Page() override;

    // A short name for error texts ("params.html", "about:blank").
    virtual QString pageName() const = 0;

    // Loads a local file. The load completes later (documentComplete).
    virtual void loadFile(const QString &path) = 0;
    // Loads an HTML text; relative addresses in it resolve against baseUrl.
    virtual void loadHtml(const QString &html, const QUrl &baseUrl) = 0;
    // Loads an "about:" document such as "about:blank".
    virtual void loadAbout(const QString &url) = 0;
    // Loads a page of the user's site (see SiteScheme).
    virtual void loadUrl(const QUrl &url) = 0;
    virtual bool hasDocument() const = 0;

    // Calls window[function](args...) and returns its result as the page gave
    // it (text, number, boolean, or a null QVariant for undefined/null).
    virtual QVariant call(const QString &function, const PageArgs &args) = 0;
    // Calls the same function once per argument list, in one round trip;
    // results in order. Fails as a whole on the first failing call.
    virtual QVariantList callBatch(const QString &function, const QList<PageArgs> &argLists) = 0;
    // Reads window[name].
    virtual QVariant value(const QString &name) = 0;
    // Sets window.status of the page.
    virtual void setStatus(const QString &text) = 0;
    // Runs `script`, someone else's code, where it reaches nothing: not this
    // page, no file, no network and no way to the program. Answers the
    // values of `names` the script defined (with var, let or const) as the
    // text of one JSON object; a name it left undefined is missing. An array
    // longer than kMaxApartArrayLength comes cut to that length, and its
    // whole length is given under "@lengths" (an object of name and length,
    // always present; no script can define that name). Its script
    // errors are reported as this page's own, before the call returns. A
    // script that does not end within apartTimeLimit() is stopped, and the
    // call throws PageError. Functions named in `doNothing` are defined
    // before the script runs as functions that do nothing, so the script
    // can call them as written (a menu's start call) and start nothing.
    virtual QString evaluateApart(const QString &script, const QStringList &names,
                                  const QStringList &doNothing = {}) = 0;

    QString callText(const QString &function, const PageArgs &args = {});
    int callInt(const QString &function, const PageArgs &args = {});
    QStringList callBatchText(const QString &function, const QList<PageArgs> &argLists);

    // Per view: may the page reload itself, show a context menu; which keys
    // are taken from the page for the hosting window (true = window's).
    virtual void setRefreshAllowed(bool allowed) = 0;
    virtual void setContextMenuEnabled(bool enabled) = 0;
    virtual void setKeyFilter(KeyFilter filter) = 0;

    // The widget that shows the page; null for a page without a view.
    virtual QWidget *widget() const = 0;

    // How long the window waits for a page's answer before it takes the page
    // as hung. The editor's own pages answer in milliseconds; waiting longer
    // only keeps the user's input held back for nothing.
    static constexpr int kAnswerLimitMs = 5000;

    // Whether whoever owns the page tells the user when it is started again
    // (and what became of the project): the calls that failed because of it
    // then need not say so as well.
    void setRestartAnnounced(bool announced) { m_restartAnnounced = announced; }
    bool restartAnnounced() const { return m_restartAnnounced; }

    // Time limit for one call or batch, in milliseconds (kAnswerLimitMs
    // unless set).
    void setCallTimeout(int ms) { m_callTimeoutMs = ms; }
    int callTimeout() const { return m_callTimeoutMs; }

    // How long a script run by evaluateApart may take, in milliseconds: a
    // big data file takes longer to run than a page takes to answer.
    static constexpr int kApartLimitMs = 10000;
    void setApartTimeLimit(int ms) { m_apartLimitMs = ms; }
    int apartTimeLimit() const { return m_apartLimitMs; }

    // The text of a result: numbers without a fraction are written as
    // integers, null gives the empty text.
    static QString resultText(const QVariant &v);

signals:
    void statusTextChanged(const QString &text);
    void documentComplete();
    void scriptError(const ScriptError &error);
    // The page's renderer ended other than by the page closing (a crash, or
    // ended after a hang). The page loads its last document again by itself;
    // whoever filled it with more than that fills it again.
    void rendererEnded();

private:
    int m_callTimeoutMs = kAnswerLimitMs;
    int m_apartLimitMs = kApartLimitMs;
    bool m_restartAnnounced = false;
};
