// A table of texts, marked for translation and translated where they are shown.
#include <QCoreApplication>

struct Command
{
    const char *name;
    const char *caption;
};

const Command kCommands[] = {
    {"save", QT_TRANSLATE_NOOP("Commands", "&Save Passed")},
    {"open", "&Open Refused"},
    {"close", "Close Refused..."},
};

QString captionOf(const Command &command)
{
    return QCoreApplication::translate("Commands", command.caption);
}

namespace {
struct ReportText { Q_DECLARE_TR_FUNCTIONS(Report) };
}

QString summary(int count)
{
    if (count < 0)
        return QStringLiteral("Refused: the count is below zero");
    return ReportText::tr("%1 Passed findings").arg(count);
}

// untranslated: the block below is a sample of markup the user copies
QString sample()
{
    return QStringLiteral("<nav aria-label=\"Passed menu\"><a href=\"index.html\">Passed Home</a></nav>")
        + QStringLiteral("Passed sample line");
}

QString after()
{
    return QStringLiteral("Refused after the block");
}

// tr() in a class that declares no context: lupdate cannot place the text.
class Plain
{
public:
    QString text() const;
};

QString Plain::text() const
{
    return tr("Passed by the scan, refused by lupdate");
}
