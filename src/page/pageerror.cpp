#include "page/pageerror.h"

PageError::PageError(const QString &function, const QString &page, const QString &message)
    : std::runtime_error(message.toStdString())
    , function(function)
    , page(page)
    , message(message)
{
}
