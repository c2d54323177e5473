#include "page/pageerror.h"

#include <QCoreApplication>

namespace {

struct PageErrorText
{
    Q_DECLARE_TR_FUNCTIONS(PageError)
};

} // namespace

PageError::PageError(const QString &function, const QString &page, const QString &message, const QString &detail)
    : std::runtime_error(message.toStdString())
    , function(function)
    , page(page)
    , message(message)
    , detail(detail.isEmpty() ? message : detail)
{
}

QString PageError::debugText() const
{
    return QStringLiteral("%1: %2: %3").arg(page, function, detail);
}

void debugPageFailure(const QString &detail)
{
    qWarning("Page call failed: %s", qUtf8Printable(detail));
}

QString internalErrorText(const QString &what)
{
    return PageErrorText::tr("An internal error stopped what you did last (%1).").arg(what);
}
