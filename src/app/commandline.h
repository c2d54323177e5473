#pragma once

#include <QString>
#include <QStringList>

// What the program was asked for on its command line.
struct CommandLine
{
    bool help = false;
    bool version = false;
    int menuType = -1; // --type N: the type to start with, without asking
    QString file;      // a data file to open once start-up has finished
    QString error;     // not empty: the arguments could not be understood
};

// Reads the arguments that follow the program name.
CommandLine parseCommandLine(const QStringList &arguments);
QString commandLineHelp();
