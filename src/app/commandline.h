#pragma once

#include <QString>
#include <QStringList>

// What the program was asked for on its command line.
struct CommandLine
{
    enum class Mode { Editor, Check, Convert, Preview, Import, Audit, Theme, ListThemes, Install };

    bool help = false;
    bool version = false;
    Mode mode = Mode::Editor;
    int menuType = -1; // --type N: the type to start with, without asking
    QString file;      // a data file to open once start-up has finished; the input of the other modes
    QString output;    // --convert's and --theme's output; --preview's page
    QString theme;     // --theme's theme name
    QString site;      // --check's site folder (--site DIR); empty: found from the file
    QStringList pages; // --install's pages
    bool dryRun = false; // --install --dry-run: print the change, write nothing
    QString error;     // not empty: the arguments could not be understood
};

// Reads the arguments that follow the program name (Qt's own options taken out).
CommandLine parseCommandLine(const QStringList &arguments);
QString commandLineHelp();
