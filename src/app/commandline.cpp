#include "app/commandline.h"

#include "project/model/menutypes.h"

#include <QCoreApplication>

namespace {

struct CommandLineText
{
    Q_DECLARE_TR_FUNCTIONS(CommandLine)
};

// untranslated: Qt's own option names
const QStringList kQtOptionsWithValue = {
    QStringLiteral("-platform"), QStringLiteral("-platformpluginpath"), QStringLiteral("-platformtheme"),
    QStringLiteral("-plugin"), QStringLiteral("-qwindowgeometry"), QStringLiteral("-qwindowicon"),
    QStringLiteral("-qwindowtitle"), QStringLiteral("-style"), QStringLiteral("-stylesheet"), QStringLiteral("-display"),
    QStringLiteral("-geometry"), QStringLiteral("-session")};

} // namespace

CommandLine parseCommandLine(const QStringList &arguments)
{
    CommandLine cl;
    auto fail = [&cl](const QString &error) {
        if (cl.error.isEmpty())
            cl.error = error;
    };
    QStringList files;
    bool onlyFiles = false;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString &a = arguments.at(i);
        if (onlyFiles || !a.startsWith(QLatin1Char('-')) || a == QLatin1String("-")) {
            files << a;
        } else if (kQtOptionsWithValue.contains(a)) {
            ++i; // Qt's own, before Qt has taken it out
        } else if (a == QLatin1String("-reverse")) {
            continue;
        } else if (a == QLatin1String("--")) {
            onlyFiles = true;
        } else if (a == QLatin1String("--help") || a == QLatin1String("-h")) {
            cl.help = true;
        } else if (a == QLatin1String("--version") || a == QLatin1String("-v")) {
            cl.version = true;
        } else if (a == QLatin1String("--check")) {
            cl.mode = CommandLine::Mode::Check;
        } else if (a == QLatin1String("--audit")) {
            cl.mode = CommandLine::Mode::Audit;
        } else if (a == QLatin1String("--convert")) {
            cl.mode = CommandLine::Mode::Convert;
        } else if (a == QLatin1String("--import")) {
            cl.mode = CommandLine::Mode::Import;
        } else if (a == QLatin1String("--preview")) {
            cl.mode = CommandLine::Mode::Preview;
        } else if (a == QLatin1String("--install")) {
            cl.mode = CommandLine::Mode::Install;
        } else if (a == QLatin1String("--dry-run")) {
            cl.dryRun = true;
        } else if (a == QLatin1String("--list-themes")) {
            cl.mode = CommandLine::Mode::ListThemes;
        } else if (a == QLatin1String("--theme")) {
            cl.mode = CommandLine::Mode::Theme;
            if (i + 1 < arguments.size() && !arguments.at(i + 1).startsWith(QLatin1String("--")))
                cl.theme = arguments.at(++i);
            else
                fail(CommandLineText::tr("--theme needs the name of a theme"));
        } else if (a == QLatin1String("--site")) {
            if (i + 1 < arguments.size() && !arguments.at(i + 1).startsWith(QLatin1String("--")))
                cl.site = arguments.at(++i);
            else
                fail(CommandLineText::tr("--site needs a folder"));
        } else if (a == QLatin1String("--type") || a.startsWith(QLatin1String("--type="))) {
            QString value;
            if (a.startsWith(QLatin1String("--type=")))
                value = a.mid(7);
            else if (i + 1 < arguments.size() && !arguments.at(i + 1).startsWith(QLatin1String("--")))
                value = arguments.at(++i);
            else {
                fail(CommandLineText::tr("--type needs a value"));
                continue;
            }
            cl.menuType = menuTypeFromText(value);
            if (cl.menuType < 0)
                fail(CommandLineText::tr("unknown menu type \"%1\"; use 0 to 3 or one of: "
                                         "ostrel-menu, tree-menu, tabs, tab-menu")
                         .arg(value));
        } else {
            fail(CommandLineText::tr("unknown option %1").arg(a));
        }
    }
    if (!cl.site.isEmpty() && cl.mode != CommandLine::Mode::Check)
        fail(CommandLineText::tr("--site goes with --check"));
    if (cl.dryRun && cl.mode != CommandLine::Mode::Install)
        fail(CommandLineText::tr("--dry-run goes with --install"));
    switch (cl.mode) {
    case CommandLine::Mode::Editor:
        if (files.size() > 1)
            fail(CommandLineText::tr("only one data file can be opened at a time"));
        cl.file = files.value(0);
        break;
    case CommandLine::Mode::Check:
        if (files.size() != 1)
            fail(CommandLineText::tr("--check needs one data file"));
        cl.file = files.value(0);
        break;
    case CommandLine::Mode::Audit:
        if (files.size() != 1)
            fail(CommandLineText::tr("--audit needs one data file"));
        cl.file = files.value(0);
        break;
    case CommandLine::Mode::Convert:
        if (files.size() != 2)
            fail(CommandLineText::tr("--convert needs an input and an output file"));
        cl.file = files.value(0);
        cl.output = files.value(1);
        break;
    case CommandLine::Mode::Theme:
        if (files.size() != 2)
            fail(CommandLineText::tr("--theme needs a theme name, an input and an output file"));
        cl.file = files.value(0);
        cl.output = files.value(1);
        break;
    case CommandLine::Mode::ListThemes:
        if (!files.isEmpty())
            fail(CommandLineText::tr("--list-themes takes no file"));
        break;
    case CommandLine::Mode::Import:
        if (files.size() != 2)
            fail(CommandLineText::tr("--import needs a web page or sitemap and the data file to write"));
        cl.file = files.value(0);
        cl.output = files.value(1);
        break;
    case CommandLine::Mode::Install:
        if (files.size() < 2)
            fail(CommandLineText::tr("--install needs a data file and at least one page"));
        cl.file = files.value(0);
        cl.pages = files.mid(1);
        break;
    case CommandLine::Mode::Preview:
        if (files.size() != 2)
            fail(CommandLineText::tr("--preview needs a data file and the page to write"));
        cl.file = files.value(0);
        cl.output = files.value(1);
        break;
    }
    return cl;
}

QString commandLineHelp()
{
    return CommandLineText::tr(
        "Usage: plivex [--type N] [FILE]\n"
        "       plivex --check FILE [--site DIR] [--type N]\n"
        "       plivex --audit FILE [--type N]\n"
        "       plivex --convert IN OUT [--type N]\n"
        "       plivex --preview FILE OUT.html [--type N]\n"
        "       plivex --import PAGE.html|sitemap.xml OUT.js [--type N]\n"
        "       plivex --theme NAME IN OUT [--type N]\n"
        "       plivex --install DATA.js PAGE.html... [--dry-run] [--type N]\n"
        "       plivex --list-themes [--type N]\n"
        "Quorna Ostrel Plivex: the editor of website menu data files.\n"
        "\n"
        "  FILE          a menu data file (.js) to open at start\n"
        "  --type N      the menu type: 0 or ostrel-menu, 1 or tree-menu, 2 or tabs,\n"
        "                3 or tab-menu; the editor starts with it without asking\n"
        "  --check FILE  reads FILE as the editor does, prints the number of items and\n"
        "                styles and every script error as FILE:LINE:COLUMN: CODE: MESSAGE\n"
        "                and every value the menu cannot use as FILE: bad value: ...\n"
        "                and every link or picture named by a full path of this computer\n"
        "                (/home/..., C:\\..., file:...) as FILE: local path: ...\n"
        "                and every link or picture whose file is missing or outside the\n"
        "                site folder as FILE: broken link: ...; external addresses,\n"
        "                mailto:, tel: and #places are not checked\n"
        "  --site DIR    the site folder for --check: root-relative links (/about.html)\n"
        "                start there, and nothing outside it is on the site; by default\n"
        "                the nearest folder above FILE with an index.html; with neither,\n"
        "                links are not checked\n"
        "  --audit FILE  renders the menu of FILE with its engine, closed and with each\n"
        "                submenu opened, and checks it against WCAG 2.1 A and AA, the\n"
        "                hover and current-page colours included; one line per finding,\n"
        "                exit 0 when clean, 1 with findings, 2 when unreadable\n"
        "  --convert IN OUT\n"
        "                reads IN and writes OUT as the editor would save it (OUT may be IN)\n"
        "  --preview FILE OUT.html\n"
        "                writes the preview page of FILE to OUT.html, with the engine\n"
        "                files beside it\n"
        "  --import PAGE.html|sitemap.xml OUT.js\n"
        "                writes a data file of the type's default parameters whose\n"
        "                items are the page's navigation or the sitemap's addresses\n"
        "  --theme NAME IN OUT\n"
        "                reads IN, gives it the look of the theme NAME (its parameters and\n"
        "                individual styles; the items stay) and writes OUT\n"
        "  --install DATA.js PAGE.html...\n"
        "                puts the menu of DATA.js into each page: its engine and data\n"
        "                scripts and its links as a plain list for visitors without\n"
        "                JavaScript, in one marked block at the start of the body (or\n"
        "                where the page's block stands); keeps each page as it was in\n"
        "                PAGE.html~ and copies missing engine files beside DATA.js; exit 1\n"
        "                names the pages the block cannot be placed in safely (no body,\n"
        "                two blocks, the data script loaded elsewhere, a <base> address),\n"
        "                which are left as they were\n"
        "  --dry-run     with --install: prints each change as a diff, writes nothing\n"
        "  --list-themes the themes of each menu type, or of --type, one per line\n"
        "  -h, --help    show this help and exit\n"
        "  -v, --version show the version and exit\n"
        "\n"
        "--check, --convert, --theme, --preview, --import and --install need no display and\n"
        "print only their own lines (set PLIVEX_DEBUG to see the engine's as well). Without\n"
        "--type they read the type from the file (its menuType, tmenuType or tabsType\n"
        "statement, else its start call); a --type the file contradicts is a finding.\n"
        "--import makes an Ostrel Menu unless --type says otherwise. They exit with\n"
        "0 when the file is clean; 1 on a finding: a script error, a bad value or\n"
        "(--check) a local path or a broken link, a file of another type than --type, a file that\n"
        "defines no menu, nothing to import; 2 when a\n"
        "file cannot be read or written. OUT is written only after a clean read;\n"
        "otherwise it is left as it was.\n");
}
