#include "page/page.h"

#include <QCoreApplication>

#include <cmath>

namespace {

struct PageText
{
    Q_DECLARE_TR_FUNCTIONS(Page)
};

} // namespace

Page::Page(QObject *parent)
    : QObject(parent)
{
}

Page::~Page() = default;

ScriptError tidied(ScriptError error)
{
    // untranslated: the engine's own wording, as the page reports it
    if (error.message.startsWith(QLatin1String("Uncaught ")))
        error.message.remove(0, 9);
    if (error.message.startsWith(error.code + QLatin1String(": ")))
        error.message.remove(0, error.code.size() + 2);
    return error;
}

QString Page::resultText(const QVariant &v)
{
    if (!v.isValid() || v.isNull())
        return {};
    if (v.typeId() == QMetaType::Double) {
        const double d = v.toDouble();
        if (std::isfinite(d) && d == std::trunc(d) && std::fabs(d) < 1e15)
            return QString::number(static_cast<qint64>(d));
    }
    return v.toString();
}

QString Page::callText(const QString &function, const PageArgs &args)
{
    return resultText(call(function, args));
}

int Page::callInt(const QString &function, const PageArgs &args)
{
    const QVariant v = call(function, args);
    bool ok = false;
    int n = 0;
    if (v.typeId() == QMetaType::Double) {
        const double d = v.toDouble();
        ok = std::isfinite(d) && d == std::trunc(d) && std::fabs(d) <= 2147483647.0;
        n = ok ? static_cast<int>(d) : 0;
    } else if (v.isValid() && !v.isNull()) {
        n = v.toString().trimmed().toInt(&ok);
    }
    if (!ok)
        throw PageError(function, pageName(), internalErrorText(tr("not a whole number")),
                        tr("did not return a whole number (it returned \"%1\")").arg(resultText(v)));
    return n;
}

QStringList Page::callBatchText(const QString &function, const QList<PageArgs> &argLists)
{
    QStringList out;
    const QVariantList results = callBatch(function, argLists);
    out.reserve(results.size());
    for (const QVariant &v : results)
        out << resultText(v);
    return out;
}

QString scriptErrorText(const ScriptError &e)
{
    return PageText::tr("Line: %1\rChar: %2\rCode: %3\rMessage: %4")
        .arg(QString::number(e.line), QString::number(e.column), e.code, e.message);
}
