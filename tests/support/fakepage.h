#pragma once

#include "page/page.h"

#include <QHash>
#include <QQueue>

// A page without a view for unit tests: it records every call and answers
// from a script. A call nobody scripted fails with PageError, as a missing
// page function would, so a test never passes on an answer it did not give.
class FakePage : public Page
{
    Q_OBJECT

public:
    struct Call
    {
        QString function;
        PageArgs args;
    };
    using Handler = std::function<QVariant(const PageArgs &)>;

    explicit FakePage(QObject *parent = nullptr, const QString &name = QStringLiteral("fake.html"));

    QString pageName() const override { return m_name; }
    void loadFile(const QString &path) override;
    void loadHtml(const QString &html, const QUrl &baseUrl) override;
    void loadAbout(const QString &url) override;
    void loadUrl(const QUrl &url) override;
    bool hasDocument() const override { return m_hasDocument; }

    QVariant call(const QString &function, const PageArgs &args) override;
    QVariantList callBatch(const QString &function, const QList<PageArgs> &argLists) override;
    QVariant value(const QString &name) override;
    void setStatus(const QString &text) override;
    // Answered like a call of kEvaluateApart with the script and the names
    // joined by CR, so tests script it as any other function.
    QString evaluateApart(const QString &script, const QStringList &names, const QStringList &doNothing = {}) override;
    static inline const QString kEvaluateApart = QStringLiteral("(evaluate apart)");

    void setRefreshAllowed(bool allowed) override { refreshAllowed = allowed; }
    void setContextMenuEnabled(bool enabled) override { contextMenuEnabled = enabled; }
    void setKeyFilter(KeyFilter filter) override { keyFilter = std::move(filter); }
    QWidget *widget() const override { return nullptr; }

    // Script of answers. A queued answer is used once, before the standing one.
    void queueAnswer(const QString &function, const QVariant &result);
    void setAnswer(const QString &function, const QVariant &result);
    void setHandler(const QString &function, Handler handler);
    void setFailure(const QString &function, const QString &message);
    void setWindowValue(const QString &name, const QVariant &value);

    // Events as the page would send them.
    void sendStatus(const QString &text) { emit statusTextChanged(text); }
    void sendScriptError(const ScriptError &error) { emit scriptError(error); }
    // Finishes a pending load: the page holds a document and says so.
    void completeLoad();
    // Loads complete by themselves (from the event loop) unless turned off.
    bool autoComplete = true;

    QList<Call> calls;
    QList<Call> callsTo(const QString &function) const;
    QString loadedPath;
    QUrl loadedUrl;
    QStringList statusesSet;
    bool refreshAllowed = false;
    bool contextMenuEnabled = true;
    KeyFilter keyFilter;

private:
    void startLoad();

    QString m_name;
    bool m_hasDocument = false;
    int m_loadGeneration = 0;
    QHash<QString, QQueue<QVariant>> m_queued;
    QHash<QString, QVariant> m_standing;
    QHash<QString, Handler> m_handlers;
    QHash<QString, QString> m_failures;
    QHash<QString, QVariant> m_values;
};
