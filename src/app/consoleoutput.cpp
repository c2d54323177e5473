#include "app/consoleoutput.h"

#include <cstdio>
#include <fcntl.h>
#include <unistd.h>

namespace {

struct Streams
{
    FILE *out = stdout;
    FILE *err = stderr;
};

Streams &streams()
{
    static Streams s;
    return s;
}

FILE *keptCopy(int fd, FILE *fallback)
{
    const int copy = ::dup(fd);
    if (copy < 0)
        return fallback;
    ::fcntl(copy, F_SETFD, FD_CLOEXEC); // not for the web engine's processes
    FILE *stream = ::fdopen(copy, "w");
    return stream ? stream : fallback;
}

void writeLine(FILE *stream, const QString &text)
{
    std::fputs(text.toLocal8Bit().constData(), stream);
    std::fputc('\n', stream);
    std::fflush(stream);
}

} // namespace

void keepOnlyOwnOutput()
{
    if (qEnvironmentVariableIsSet("PLIVEX_DEBUG"))
        return;
    const int null = ::open("/dev/null", O_WRONLY | O_CLOEXEC);
    if (null < 0)
        return;
    std::fflush(stdout);
    std::fflush(stderr);
    Streams &s = streams();
    s.out = keptCopy(STDOUT_FILENO, stdout);
    s.err = keptCopy(STDERR_FILENO, stderr);
    if (s.out != stdout)
        ::dup2(null, STDOUT_FILENO);
    if (s.err != stderr)
        ::dup2(null, STDERR_FILENO);
    ::close(null);
}

void printOutputLine(const QString &line)
{
    writeLine(streams().out, line);
}

void printErrorLine(const QString &text)
{
    // untranslated: the program's name, which leads its lines as a compiler's does
    writeLine(streams().err, QStringLiteral("plivex: ") + text);
}

void printLocatedError(const QString &line)
{
    writeLine(streams().err, line);
}

QString asOneLine(QString text)
{
    text.replace(QLatin1Char('\r'), QLatin1Char(' '));
    return text.simplified();
}
