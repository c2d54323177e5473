#pragma once

#include <QString>
#include <QStringList>

// The built program run as a build pipeline runs it: no display, its exit
// code and both outputs.
struct PlivexRun
{
    int exitCode = -1; // -1: it crashed or did not end within the time
    QString out;
    QString err;
};

PlivexRun runPlivex(const QStringList &args, int timeoutMs = 300000);
