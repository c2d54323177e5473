#include "app/dialogs.h"

#include "app/widgetdialogs.h"

#include <QStringList>

namespace {
Dialogs *g_dialogs = nullptr;
}

Dialogs::~Dialogs() = default;

Dialogs &dialogs()
{
    if (!g_dialogs) {
        static WidgetDialogs fallback;
        g_dialogs = &fallback;
    }
    return *g_dialogs;
}

Dialogs *setDialogs(Dialogs *seam)
{
    Dialogs *previous = g_dialogs;
    g_dialogs = seam;
    return previous;
}

QString qtFileFilter(const QString &filter)
{
    const QStringList parts = filter.split(QLatin1Char('|'));
    QStringList out;
    // Pairs of description and pattern; the description already names them.
    for (qsizetype i = 0; i < parts.size(); i += 2)
        if (!parts[i].isEmpty())
            out << parts[i];
    return out.join(QStringLiteral(";;"));
}

QString shownText(const QString &text)
{
    QString out = text;
    out.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    out.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return out;
}
