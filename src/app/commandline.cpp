#include "app/commandline.h"

#include "project/menutypes.h"

CommandLine parseCommandLine(const QStringList &arguments)
{
    CommandLine cl;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString &a = arguments.at(i);
        if (a == QLatin1String("--help") || a == QLatin1String("-h")) {
            cl.help = true;
        } else if (a == QLatin1String("--version") || a == QLatin1String("-v")) {
            cl.version = true;
        } else if (a == QLatin1String("--type") || a.startsWith(QLatin1String("--type="))) {
            QString value;
            if (a.startsWith(QLatin1String("--type=")))
                value = a.mid(7);
            else if (i + 1 < arguments.size())
                value = arguments.at(++i);
            cl.menuType = menuTypeFromText(value);
            if (cl.menuType < 0)
                cl.error = QStringLiteral("unknown menu type \"%1\"; use 0 to 3 or one of: "
                                          "ostrel-menu, tree-menu, tabs, tab-menu")
                               .arg(value);
        } else if (a == QLatin1String("--")) {
            if (i + 1 < arguments.size() && cl.file.isEmpty())
                cl.file = arguments.at(++i);
        } else if (a.startsWith(QLatin1Char('-')) && a.size() > 1) {
            // Qt's own options (-platform, -style, ...) are Qt's business.
            continue;
        } else if (cl.file.isEmpty()) {
            cl.file = a;
        } else {
            cl.error = QStringLiteral("only one data file can be opened at a time");
        }
    }
    return cl;
}

QString commandLineHelp()
{
    return QStringLiteral(
        "Usage: plivex [--type N] [FILE]\n"
        "Quorna Ostrel Plivex: the editor of website menu data files.\n"
        "\n"
        "  FILE          a menu data file (.js) to open at start\n"
        "  --type N      start with menu type N without asking: 0 or ostrel-menu,\n"
        "                1 or tree-menu, 2 or tabs, 3 or tab-menu\n"
        "  -h, --help    show this help and exit\n"
        "  -v, --version show the version and exit\n");
}
