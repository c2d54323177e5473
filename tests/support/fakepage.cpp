#include "support/fakepage.h"

#include <QFileInfo>
#include <QTimer>

FakePage::FakePage(QObject *parent, const QString &name)
    : Page(parent)
    , m_name(name)
{
}

void FakePage::startLoad()
{
    m_hasDocument = false;
    const int generation = ++m_loadGeneration;
    if (autoComplete)
        QTimer::singleShot(0, this, [this, generation] {
            if (generation == m_loadGeneration && !m_hasDocument)
                completeLoad();
        });
}

void FakePage::loadFile(const QString &path)
{
    loadedPath = path;
    loadedUrl = QUrl::fromLocalFile(path);
    m_name = QFileInfo(path).fileName();
    startLoad();
}

void FakePage::loadHtml(const QString &html, const QUrl &baseUrl)
{
    loadedPath = html;
    loadedUrl = baseUrl;
    startLoad();
}

void FakePage::loadUrl(const QUrl &url)
{
    loadAbout(url.toString());
}

void FakePage::loadAbout(const QString &url)
{
    loadedPath.clear();
    loadedUrl = QUrl(url);
    startLoad();
}

void FakePage::completeLoad()
{
    m_hasDocument = true;
    emit documentComplete();
}

QVariant FakePage::call(const QString &function, const PageArgs &args)
{
    calls.append({function, args});
    if (!m_hasDocument)
        throw PageError(function, m_name, QStringLiteral("The page \"%1\" holds no document.").arg(m_name));
    if (m_failures.contains(function))
        throw PageError(function, m_name, m_failures.value(function));
    auto queued = m_queued.find(function);
    if (queued != m_queued.end() && !queued->isEmpty())
        return queued->dequeue();
    if (m_handlers.contains(function))
        return m_handlers.value(function)(args);
    if (m_standing.contains(function))
        return m_standing.value(function);
    throw PageError(function, m_name, QStringLiteral("The page has no function %1.").arg(function));
}

QString FakePage::evaluateApart(const QString &script, const QStringList &names, const QStringList &)
{
    return resultText(call(kEvaluateApart, {script, names.join(QLatin1Char('\r'))}));
}

QVariantList FakePage::callBatch(const QString &function, const QList<PageArgs> &argLists)
{
    QVariantList out;
    out.reserve(argLists.size());
    for (const PageArgs &args : argLists)
        out << call(function, args);
    return out;
}

QVariant FakePage::value(const QString &name)
{
    if (!m_values.contains(name))
        throw PageError(name, m_name, QStringLiteral("The page has no value %1.").arg(name));
    return m_values.value(name);
}

void FakePage::setStatus(const QString &text)
{
    statusesSet << text;
}

void FakePage::queueAnswer(const QString &function, const QVariant &result)
{
    m_queued[function].enqueue(result);
}

void FakePage::setAnswer(const QString &function, const QVariant &result)
{
    m_standing.insert(function, result);
}

void FakePage::setHandler(const QString &function, Handler handler)
{
    m_handlers.insert(function, std::move(handler));
}

void FakePage::setFailure(const QString &function, const QString &message)
{
    if (message.isNull())
        m_failures.remove(function);
    else
        m_failures.insert(function, message);
}

void FakePage::setWindowValue(const QString &name, const QVariant &value)
{
    m_values.insert(name, value);
}

QList<FakePage::Call> FakePage::callsTo(const QString &function) const
{
    QList<Call> out;
    for (const Call &c : calls)
        if (c.function == function)
            out << c;
    return out;
}
