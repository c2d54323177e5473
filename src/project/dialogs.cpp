#include "project/dialogs.h"

#include <QStringList>
#include <QtGlobal>

namespace {
Dialogs *g_dialogs = nullptr;
}

Dialogs::~Dialogs() = default;

Dialogs &dialogs()
{
    // The application installs the real boxes before any window exists; a
    // dialog asked for before that is a fault of start-up, not a user error.
    if (!g_dialogs)
        qFatal("No dialog seam installed");
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
