#pragma once

#include <QCoreApplication>
#include <QHash>
#include <QList>
#include <QPair>
#include <QString>
#include <functional>

class Page;
class Project;

// One page command as its handler sees it.
struct PageCommandCall
{
    QString name;
    // The value as the page sent it; the handler leaves the answer here.
    QString value;
    // Cleared by a handler whose command the page expects no answer to.
    bool answer = true;
};

// The page command channel. A hosted page asks the program for something by
// setting its status text to "@name:value"; the view hands the text to the
// channel, which runs the handler registered for the name and answers the
// page through "qrn_setValue". Start-up makes one for the run and hands it to
// every window whose pages send commands; those register their own commands.
class PageCommandChannel
{
    Q_DECLARE_TR_FUNCTIONS(PageCommandChannel)

public:
    using Handler = std::function<void(PageCommandCall &call)>;
    // Whether other pages' commands are taken while the handler runs.
    enum class WhileRunning { Busy, Free };

    // Colours, file pickers, "modified" and "showHint" are the channel's own.
    explicit PageCommandChannel(Project &project);

    void addHandler(const QString &name, Handler handler, WhileRunning channel = WhileRunning::Busy);
    // For every name that starts with `prefix` and has no handler of its own.
    void addPrefixHandler(const QString &prefix, Handler handler);
    void removeHandler(const QString &name);
    // "@command:<id>" runs a command of the command table a page may ask for;
    // any other id is ignored. The channel is free while it runs, as a
    // project command may open windows and load pages.
    void setProjectCommandRunner(std::function<void(const QString &id)> run);

    // No command is being handled. Status texts that arrive while one runs
    // its dialogs are dropped, not queued.
    bool idle() const { return m_idle; }
    // The value of the command being handled, as its handler has left it.
    const QString &currentValue() const { return m_value; }

    // What every view's status-text handler does: while the channel is idle,
    // a status text that is a page command is carried out. `slot` receives
    // the answered value. True when the command changed the value.
    bool statusTextChanged(Page *view, const QString &text, QString &slot);
    // Carries out one page command from `view` and answers the page. The
    // channel is idle again when this returns or throws.
    bool dispatch(Page *view, const QString &text, QString &slot);

private:
    struct Entry
    {
        Handler handler;
        WhileRunning channel = WhileRunning::Busy;
    };
    const Entry *find(const QString &name) const;
    void chooseColor(PageCommandCall &call);
    void pickFile(PageCommandCall &call);

    Project &m_project;
    QHash<QString, Entry> m_handlers;
    QList<QPair<QString, Entry>> m_prefixHandlers;
    bool m_idle = true;
    QString m_value;
    // The picker is one dialog for the whole run: it opens at the file picked last.
    QString m_lastPicked;
};
