// The manual page and `plivex --help` name the same options, and the page
// reads without complaints from man. The options are compared by name, so
// either text can be reworded; an option added to one and not the other fails.

#include "support/testfiles.h"
#include "support/testmain.h"
#include "support/webharness.h"

#include <QProcess>
#include <QRegularExpression>
#include <QSet>

namespace {

const QString kManualPage = QStringLiteral(PLIVEX_SOURCE_DIR "packaging/plivex.1");

// Every "-x" or "--name" that stands as a word of its own.
QSet<QString> optionsIn(const QString &text)
{
    static const QRegularExpression option(QStringLiteral("(?<![\\w-])(--?[a-z][a-z-]*)"));
    QSet<QString> found;
    for (const auto &match : option.globalMatch(text))
        found.insert(match.captured(1));
    return found;
}

// The words of a roff page as man shows them: escaped dashes become dashes,
// font changes go.
QString roffText(QString roff)
{
    roff.replace(QStringLiteral("\\-"), QStringLiteral("-"));
    roff.remove(QRegularExpression(QStringLiteral("\\\\f(\\[[A-Z]*\\]|[A-Z])")));
    return roff;
}

QString helpText()
{
    QProcess p;
    p.start(harness::runtimeDir() + QStringLiteral("plivex"), {QStringLiteral("--help")});
    if (!p.waitForFinished(60000) || p.exitCode() != 0)
        return {};
    return QString::fromLocal8Bit(p.readAllStandardOutput());
}

} // namespace

class ManPageTest : public QObject
{
    Q_OBJECT

private slots:
    void manualPage_namesTheOptionsOfHelp()
    {
        const QString help = helpText();
        QVERIFY2(!help.isEmpty(), "plivex --help printed nothing");
        const QByteArray page = readTestFile(kManualPage);
        QVERIFY2(!page.isEmpty(), qPrintable(kManualPage));

        const QSet<QString> inHelp = optionsIn(help);
        const QSet<QString> inPage = optionsIn(roffText(QString::fromUtf8(page)));
        // The program has options, and the comparison sees them.
        QVERIFY(inHelp.contains(QStringLiteral("--check")));
        QStringList missing = (inHelp - inPage).values();
        QStringList extra = (inPage - inHelp).values();
        missing.sort();
        extra.sort();
        QVERIFY2(missing.isEmpty(), qPrintable(QStringLiteral("not in plivex.1: ") + missing.join(' ')));
        QVERIFY2(extra.isEmpty(), qPrintable(QStringLiteral("not in --help: ") + extra.join(' ')));
    }

    void manualPage_hasItsSections()
    {
        const QString page = QString::fromUtf8(readTestFile(kManualPage));
        for (const char *section : {"NAME", "SYNOPSIS", "DESCRIPTION", "OPTIONS", "EXIT STATUS", "FILES", "EXAMPLES"})
            QVERIFY2(page.contains(QStringLiteral(".SH %1\n").arg(QLatin1String(section))), section);
    }

    void manualPage_rendersWithoutWarnings()
    {
        QProcess man;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("MANWIDTH"), QStringLiteral("80"));
        man.setProcessEnvironment(env);
        man.start(QStringLiteral("man"), {QStringLiteral("--warnings"), QStringLiteral("-l"), kManualPage});
        QVERIFY2(man.waitForFinished(60000), "man did not run");
        QCOMPARE(man.exitCode(), 0);
        const QString warnings = QString::fromLocal8Bit(man.readAllStandardError());
        QVERIFY2(warnings.isEmpty(), qPrintable(warnings));
        QVERIFY(QString::fromLocal8Bit(man.readAllStandardOutput()).contains(QStringLiteral("--preview")));
    }
};

PLIVEX_TEST_MAIN(ManPageTest)
#include "manpage_test.moc"
