#include "project/dialogs.h"

#include <QStringList>
#include <QtGlobal>

namespace {
Dialogs *g_dialogs = nullptr;
}

Dialogs::~Dialogs() = default;

Dialogs::Answer Dialogs::askNoYes(const QString &text)
{
    return askYesNo(text);
}

int Dialogs::askChoice(const QString &, const QStringList &choices, int preferred)
{
    return preferred >= 0 && preferred < choices.size() ? preferred : -1;
}

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
    // Pairs of description and patterns. Qt takes the patterns from the
    // parentheses, separated by spaces, and "*.*" would miss files without
    // an extension: the description's patterns are replaced by the pair's.
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        QString description = parts[i];
        const qsizetype open = description.lastIndexOf(QLatin1Char('('));
        if (open >= 0 && description.endsWith(QLatin1Char(')')))
            description = description.left(open).trimmed();
        QStringList patterns = parts[i + 1].split(QLatin1Char(';'), Qt::SkipEmptyParts);
        for (QString &p : patterns)
            if (p == QLatin1String("*.*"))
                p = QStringLiteral("*");
        if (description.isEmpty() || patterns.isEmpty())
            continue;
        out << description + QStringLiteral(" (") + patterns.join(QLatin1Char(' ')) + QLatin1Char(')');
    }
    return out.join(QStringLiteral(";;"));
}

QString shownText(const QString &text)
{
    QString out = text;
    out.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    out.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return out;
}
