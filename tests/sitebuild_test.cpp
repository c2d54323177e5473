// The command line for site builds: plivex --check and --convert run as a
// build pipeline runs them, without a display, and answer through their
// output and exit code.

#include "app/commandline.h"
#include "app/sitebuild.h"
#include "project/lifecycle/recoveryfile.h"
#include "project/platform/programfolder.h"
#include "support/testfiles.h"
#include "support/testmain.h"
#include "support/webharness.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QStandardPaths>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QProcess>
#include <QTemporaryDir>

#include <cstdio>
#include <fcntl.h>
#include <unistd.h>

namespace {

struct Run
{
    int exitCode = -1;
    QString out;
    QString err;
};

Run plivex(const QStringList &args)
{
    QProcess p;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const char *name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
        env.remove(QString::fromLatin1(name));
    p.setProcessEnvironment(env);
    p.start(harness::runtimeDir() + QStringLiteral("plivex"), args);
    Run r;
    if (!p.waitForFinished(120000))
        return r;
    r.exitCode = p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
    r.out = QString::fromLocal8Bit(p.readAllStandardOutput());
    r.err = QString::fromLocal8Bit(p.readAllStandardError());
    return r;
}

QString defaultProject(const QString &folder)
{
    return harness::runtimeDir() + QStringLiteral("default_scripts/") + folder + QStringLiteral("/default.js");
}

// The line (1 for the first) the byte at `at` stands on.
int lineAt(const QByteArray &text, qsizetype at)
{
    return static_cast<int>(text.first(at).count('\n')) + 1;
}

// Where each row of the item list `name` starts (its "["), as the writer
// lays the list out: one row a line between "var NAME = [" and "];".
QList<qsizetype> itemRows(const QByteArray &text, const QByteArray &name)
{
    QList<qsizetype> rows;
    const qsizetype open = text.indexOf("var " + name + " = [");
    if (open < 0)
        return rows;
    const qsizetype close = text.indexOf("\r\n];", open);
    for (qsizetype at = text.indexOf("\r\n[", open); at >= 0 && at < close; at = text.indexOf("\r\n[", at + 2))
        rows << at + 2;
    return rows;
}

// The text with the declaration of `name` given `value` as a string;
// empty when the text declares no `name`.
QByteArray withParameter(QByteArray text, const QByteArray &name, const QByteArray &value)
{
    const qsizetype at = text.indexOf("\r\nvar " + name + "=");
    const qsizetype end = at < 0 ? -1 : text.indexOf("\r\n", at + 2);
    if (end < 0)
        return {};
    return text.replace(at + 2, end - at - 2, "var " + name + "=\"" + value + "\";");
}

// The texts of the double-quoted literals in `code`, with the escapes the
// writer makes (\xNN, \uNNNN) resolved; a backslash before anything else
// stands for that character.
QStringList scriptTexts(const QByteArray &code)
{
    QStringList texts;
    const QString s = QString::fromUtf8(code);
    for (qsizetype i = s.indexOf(QLatin1Char('"')); i >= 0; i = s.indexOf(QLatin1Char('"'), i + 1)) {
        QString text;
        for (++i; i < s.size() && s.at(i) != QLatin1Char('"'); ++i) {
            if (s.at(i) != QLatin1Char('\\') || i + 1 >= s.size()) {
                text += s.at(i);
                continue;
            }
            const QChar kind = s.at(++i);
            const int digits = kind == QLatin1Char('x') ? 2 : kind == QLatin1Char('u') ? 4 : 0;
            if (digits > 0) {
                text += QChar(s.mid(i + 1, digits).toUShort(nullptr, 16));
                i += digits;
            } else {
                text += kind;
            }
        }
        texts << text;
    }
    return texts;
}

// A copy of the folder `from` and everything in it, as files of its own.
bool copyFolder(const QString &from, const QString &to)
{
    QDirIterator it(from, QDir::Files | QDir::NoDotAndDotDot, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString file = it.next();
        const QString target = to + file.mid(from.size());
        if (!QDir().mkpath(QFileInfo(target).absolutePath()) || !QFile::copy(file, target))
            return false;
    }
    return true;
}

// What the process writes to one of its standard outputs while this lives
// goes to `path` instead: the in-process site build writes its lines there.
class OutputToFile
{
public:
    OutputToFile(FILE *stream, const QString &path)
        : m_stream(stream)
        , m_path(path)
    {
        std::fflush(m_stream);
        m_saved = ::dup(::fileno(m_stream));
        const int file = ::open(QFile::encodeName(path).constData(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600);
        if (m_saved >= 0 && file >= 0)
            ::dup2(file, ::fileno(m_stream));
        if (file >= 0)
            ::close(file);
    }
    ~OutputToFile() { restore(); }
    OutputToFile(const OutputToFile &) = delete;
    OutputToFile &operator=(const OutputToFile &) = delete;

    // The output back where it was; what was written meanwhile.
    QString take()
    {
        restore();
        return QString::fromLocal8Bit(readTestFile(m_path));
    }

private:
    void restore()
    {
        if (m_saved < 0)
            return;
        std::fflush(m_stream);
        ::dup2(m_saved, ::fileno(m_stream));
        ::close(m_saved);
        m_saved = -1;
    }

    FILE *m_stream;
    QString m_path;
    int m_saved = -1;
};

} // namespace

class SiteBuildTest : public QObject
{
    Q_OBJECT

private slots:
    void check_outputAndExitCodes_data()
    {
        QTest::addColumn<QByteArray>("contents"); // empty: the file does not exist
        QTest::addColumn<QStringList>("options");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("out");
        QTest::addColumn<QString>("errPattern"); // %1: the file's path
        const QByteArray menu = readTestFile(defaultProject(QStringLiteral("ostrel-menu")));
        const QByteArray tree = readTestFile(defaultProject(QStringLiteral("tree-menu")));
        QTest::newRow("clean, type from the start call")
            << menu << QStringList() << 0 << QStringLiteral("items: 18\nitem styles: 2\nsubmenu styles: 1\n") << QString();
        QTest::newRow("tree menu by its start call")
            << tree << QStringList() << 0 << QStringLiteral("items: 13\nitem styles: 2\nsubmenu styles: 1\n") << QString();
        QTest::newRow("script error at its line")
            << QByteArray("var menuItems=[[\"A\"],];\nvar x = ;\nqrn_init();") << QStringList() << 1
            << QStringLiteral("items: 0\nitem styles: 0\nsubmenu styles: 0\n")
            << QStringLiteral("^%1:2:9: SyntaxError: Unexpected token");
        QTest::newRow("links and pictures by local paths, by the item's path")
            << QByteArray("var menuItems=[\n[\"Shop\", \"/about.html\", \"\", \"\", \"\", \"\", \"\", \"\", \"\", \"\", \"\"],\n"
                          "[\"|Cakes\", \"/home/ann/site/cakes.html\", \"\", \"\", \"C:\\\\pics\\\\cake.gif\", \"\", \"\", \"\", "
                          "\"\", \"\", \"\"]];\nqrn_init();")
            << QStringList() << 1 << QStringLiteral("items: 2\nitem styles: 0\nsubmenu styles: 0\n")
            << QStringLiteral("^%1: local path: item Shop > Cakes: Link = \"/home/ann/site/cakes\\.html\"\n"
                              "%1: local path: item Shop > Cakes: Icon = \"C:.pics.cake\\.gif\"$");
        QTest::newRow("a link from the site's root is no local path")
            << QByteArray("var menuItems=[[\"Shop\", \"/about.html\", \"\", \"\", \"/images/shop.gif\", \"\", \"\", \"\", "
                          "\"\", \"\", \"\"]];\nqrn_init();")
            << QStringList() << 0 << QStringLiteral("items: 1\nitem styles: 0\nsubmenu styles: 0\n") << QString();
        QTest::newRow("another menu type")
            << tree << QStringList{QStringLiteral("--type"), QStringLiteral("0")} << 1 << QString()
            << QStringLiteral("^plivex: %1: a data file of the Ostrel Tree Menu, but --type names the Ostrel Menu");
    }
    void check_outputAndExitCodes()
    {
        QFETCH(QByteArray, contents);
        QFETCH(QStringList, options);
        QFETCH(int, exitCode);
        QFETCH(QString, out);
        QFETCH(QString, errPattern);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("data.js"));
        if (!contents.isEmpty())
            writeTestFile(path, contents);
        const Run r = plivex(QStringList{QStringLiteral("--check"), path} + options);
        QCOMPARE(r.exitCode, exitCode);
        QCOMPARE(r.out, out);
        if (errPattern.isEmpty()) {
            QVERIFY2(!r.err.contains(QStringLiteral("plivex:")) && !r.err.contains(path), qPrintable(r.err));
        } else {
            const QRegularExpression re(errPattern.arg(QRegularExpression::escape(path)),
                                        QRegularExpression::MultilineOption);
            QVERIFY2(re.match(r.err).hasMatch(), qPrintable(r.err));
        }
    }

    // A small site: index.html, classes/hatha.html, "classes/my page.html",
    // img/a.svg, the data file in js/, and a file beside the site.
    void checkSite_reportsEachBrokenLinkByItsPath_data()
    {
        QTest::addColumn<QString>("base");     // the menu's LinkBase; empty: none declared
        QTest::addColumn<QStringList>("links"); // one item per link
        QTest::addColumn<QStringList>("options");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("errPattern"); // %1: the file, %2: the site folder
        QTest::addColumn<int>("errLines");       // one per broken link; the links that work are not named
        QTest::newRow("every kind of working link")
            << QStringLiteral("data")
            << QStringList{"../classes/hatha.html", "/classes/hatha.html", "../classes/", "../classes/my%20page.html",
                           "../classes/hatha.html?week=2#tue", "https://other.test/none.html", "mailto:desk@studio.test",
                           "tel:+441234", "#top", "?page=2", "//cdn.test/x.js", ""}
            << QStringList() << 0 << QString() << 0;
        QTest::newRow("a deleted target, by the item's path")
            << QStringLiteral("data") << QStringList{"../classes/hatha.html", "../classes/yoga.html"} << QStringList() << 1
            << QStringLiteral("^%1: broken link: item Link 1: Link = \"../classes/yoga.html\" "
                              "\\(no such file: %2classes/yoga.html\\)$")
            << 1;
        QTest::newRow("outside the site folder")
            << QStringLiteral("data") << QStringList{"../../beside.html"} << QStringList() << 1
            << QStringLiteral("^%1: broken link: item Link 0: Link = \"../../beside.html\" \\(outside the site folder: ") << 1;
        QTest::newRow("read against the page: from the data file's folder")
            << QString() << QStringList{"../classes/hatha.html", "classes/hatha.html"} << QStringList() << 1
            << QStringLiteral("^%1: broken link: item Link 1: Link = \"classes/hatha.html\" "
                              "\\(no such file: %2js/classes/hatha.html\\)$")
            << 1;
        QTest::newRow("--site narrows the site")
            << QStringLiteral("data") << QStringList{"../classes/hatha.html"}
            << QStringList{QStringLiteral("--site"), QStringLiteral("@SITE@js")} << 1
            << QStringLiteral("^%1: broken link: item Link 0: .*outside the site folder") << 2;
        QTest::newRow("--site that is no folder")
            << QStringLiteral("data") << QStringList{"../classes/hatha.html"}
            << QStringList{QStringLiteral("--site"), QStringLiteral("@SITE@missing")} << 2
            << QStringLiteral("^plivex: .*missing: no such folder \\(--site\\)$") << 1;
    }
    void checkSite_reportsEachBrokenLinkByItsPath()
    {
        QFETCH(QString, base);
        QFETCH(QStringList, links);
        QFETCH(QStringList, options);
        QFETCH(int, exitCode);
        QFETCH(QString, errPattern);
        QFETCH(int, errLines);
        QTemporaryDir dir;
        const QString site = dir.filePath(QStringLiteral("site/"));
        for (const char *folder : {"classes", "img", "js"})
            QVERIFY(QDir().mkpath(site + QLatin1String(folder)));
        for (const char *file : {"index.html", "classes/hatha.html", "classes/my page.html", "img/a.svg"})
            QVERIFY(writeTestFile(site + QLatin1String(file), "x"));
        QVERIFY(writeTestFile(dir.filePath(QStringLiteral("beside.html")), "x"));
        QByteArray text = base.isEmpty() ? QByteArray() : "var menuLinkBase=\"" + base.toUtf8() + "\";\n";
        text += "var menuItems=[\n";
        for (qsizetype i = 0; i < links.size(); ++i)
            text += "[\"Link " + QByteArray::number(i) + "\", \"" + links.at(i).toUtf8() +
                    "\", \"\", \"\", \"../img/a.svg\", \"\", \"\", \"\", \"\", \"\", \"\"],\n";
        text += "];\nqrn_init();";
        const QString path = site + QStringLiteral("js/nav.js");
        QVERIFY(writeTestFile(path, text));
        options.replaceInStrings(QStringLiteral("@SITE@"), site);
        const Run r = plivex(QStringList{QStringLiteral("--check"), path} + options);
        QVERIFY2(r.exitCode == exitCode, qPrintable(r.err));
        if (errPattern.isEmpty()) {
            QCOMPARE(r.err, QString());
        } else {
            const QRegularExpression re(errPattern.arg(QRegularExpression::escape(path), QRegularExpression::escape(site)),
                                        QRegularExpression::MultilineOption);
            QVERIFY2(re.match(r.err).hasMatch(), qPrintable(r.err));
        }
        QVERIFY2(r.err.count(QLatin1Char('\n')) == errLines, qPrintable(r.err));
    }

    void convert_writesTheFileAsTheEditorSavesIt()
    {
        QTemporaryDir dir;
        const QByteArray saved = readTestFile(defaultProject(QStringLiteral("tab-menu")));
        // The same menu with LF line ends and a comment: normalised on the way.
        QByteArray messy = saved;
        messy.replace("\r\n", "\n");
        messy.prepend("// edited by hand\n");
        const QString in = dir.filePath(QStringLiteral("in.js"));
        const QString out = dir.filePath(QStringLiteral("out.js"));
        writeTestFile(in, messy);
        Run r = plivex({QStringLiteral("--convert"), in, out, QStringLiteral("--type"), QStringLiteral("tab-menu")});
        QCOMPARE(r.exitCode, 0);
        QCOMPARE(readTestFile(out), saved);
        QCOMPARE(readTestFile(in), messy);

        // In place.
        r = plivex({QStringLiteral("--convert"), in, in, QStringLiteral("--type=3")});
        QCOMPARE(r.exitCode, 0);
        QCOMPARE(readTestFile(in), saved);

        // An output that cannot be written.
        r = plivex({QStringLiteral("--convert"), in, dir.filePath(QStringLiteral("no/such/out.js"))});
        QCOMPARE(r.exitCode, 2);
        QCOMPARE(r.err, QStringLiteral("plivex: can't write %1: the folder %2 does not exist\n")
                            .arg(dir.filePath(QStringLiteral("no/such/out.js")), dir.filePath(QStringLiteral("no/such"))));

        // A Tab Menu file without --type is read as what it says it is.
        r = plivex({QStringLiteral("--convert"), in, out});
        QCOMPARE(r.exitCode, 0);
        QCOMPARE(readTestFile(out), saved);
    }

    // Every option against every input it must refuse: the exit code, one
    // line with the same wording whichever option met the fault, nothing
    // else on either stream, and every file as it was.
    void everyOption_refusesBadInput_andLeavesTheFiles_data()
    {
        QTest::addColumn<QByteArray>("contents");
        QTest::addColumn<int>("kind"); // 0 a file, 1 missing, 2 a folder
        QTest::addColumn<QStringList>("options");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("errPattern"); // %1: the input's path
        const QByteArray menu = readTestFile(defaultProject(QStringLiteral("ostrel-menu")));
        QByteArray random(6000, 0);
        QRandomGenerator gen(23);
        for (char &c : random)
            c = static_cast<char>(gen.bounded(256));
        QByteArray missingComma = menu;
        missingComma.replace(missingComma.indexOf("\",\"", missingComma.indexOf("var menuItems")), 3, "\" \"");
        const QString noMenu = QStringLiteral("^plivex: %1: not a menu data file of the Ostrel Menu: it defines no menuItems$");
        QTest::newRow("missing file") << QByteArray() << 1 << QStringList() << 2
                                      << QStringLiteral("^plivex: can't read %1: no such file$");
        QTest::newRow("a folder") << QByteArray() << 2 << QStringList() << 2
                                  << QStringLiteral("^plivex: can't read %1: it is a folder$");
        QTest::newRow("empty file") << QByteArray() << 0 << QStringList() << 1 << noMenu;
        QTest::newRow("random bytes") << random << 0 << QStringList() << 1 << noMenu;
        QTest::newRow("an engine file") << readTestFile(harness::runtimeDir() + QStringLiteral("qrnmenu.js")) << 0
                                        << QStringList() << 1 << noMenu;
        QTest::newRow("a script without a menu") << QByteArray("var menuType=\"ostrel-menu\"; // menuItems=[]\nvar x=1;")
                                                 << 0 << QStringList() << 1 << noMenu;
        QTest::newRow("one missing comma") << missingComma << 0 << QStringList() << 1
                                           << QStringLiteral("^%1:\\d+:\\d+: SyntaxError: [^:]+$");
        QTest::newRow("Tabs file, --type tab-menu")
            << readTestFile(defaultProject(QStringLiteral("tabs"))) << 0 << QStringList{QStringLiteral("--type=3")} << 1
            << QStringLiteral("^plivex: %1: a data file of the Ostrel Tabs, but --type names the Ostrel Tab Menu; "
                              "leave --type out to read it as the file says$");
        QTest::newRow("Tab Menu file, --type tabs")
            << readTestFile(defaultProject(QStringLiteral("tab-menu"))) << 0 << QStringList{QStringLiteral("--type=2")} << 1
            << QStringLiteral("^plivex: %1: a data file of the Ostrel Tab Menu, but --type names the Ostrel Tabs; ");
        QTest::newRow("Ostrel Menu file, --type tree-menu")
            << menu << 0 << QStringList{QStringLiteral("--type"), QStringLiteral("tree-menu")} << 1
            << QStringLiteral("^plivex: %1: a data file of the Ostrel Menu, but --type names the Ostrel Tree Menu; ");
    }
    void everyOption_refusesBadInput_andLeavesTheFiles()
    {
        QFETCH(QByteArray, contents);
        QFETCH(int, kind);
        QFETCH(QStringList, options);
        QFETCH(int, exitCode);
        QFETCH(QString, errPattern);
        const QByteArray old("// the output a build made before\n");
        for (const QString &option : {QStringLiteral("--check"), QStringLiteral("--convert"), QStringLiteral("--convert in place"),
                                      QStringLiteral("--preview"), QStringLiteral("--theme Dark")}) {
            QTemporaryDir dir;
            const QString in = dir.filePath(QStringLiteral("in.js"));
            if (kind == 0)
                writeTestFile(in, contents);
            else if (kind == 2)
                QVERIFY(QDir().mkpath(in));
            QVERIFY(QDir().mkpath(dir.filePath(QStringLiteral("site"))));
            const QString out = dir.filePath(option == QLatin1String("--preview") ? QStringLiteral("site/page.html")
                                                                                 : QStringLiteral("site/out.js"));
            writeTestFile(out, old);
            QStringList args{option.section(QLatin1Char(' '), 0, 0), in};
            if (option == QLatin1String("--theme Dark"))
                args.insert(1, QStringLiteral("Dark"));
            if (option == QLatin1String("--convert in place"))
                args << in;
            else if (option != QLatin1String("--check"))
                args << out;
            const Run r = plivex(args + options);
            const QString what = option + QStringLiteral(": ") + r.err;
            QVERIFY2(r.exitCode == exitCode, qPrintable(what + QString::number(r.exitCode)));
            const QStringList lines = r.err.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
            QVERIFY2(lines.size() == 1, qPrintable(what));
            const QRegularExpression re(errPattern.arg(QRegularExpression::escape(in)));
            QVERIFY2(re.match(lines.first()).hasMatch(), qPrintable(what));
            for (const QString &line : r.out.split(QLatin1Char('\n'), Qt::SkipEmptyParts))
                QVERIFY2(QRegularExpression(QStringLiteral("^(items|item styles|submenu styles): \\d+$")).match(line).hasMatch(),
                         qPrintable(option + QStringLiteral(": ") + r.out));
            if (kind == 0)
                QCOMPARE(readTestFile(in), contents);
            QCOMPARE(readTestFile(out), old);
            QCOMPARE(QDir(dir.filePath(QStringLiteral("site"))).entryList(QDir::Files | QDir::NoDotAndDotDot).size(), 1);
        }
    }

    // A comma lost between two item rows, a comma too many and a lost "="
    // in each type's default project: the script still runs, so only the
    // reader's own look at the lists and declarations finds the damage. It
    // is a finding at its line, and nothing is written over the file.
    void damagedProject_isAFindingAtItsLine_andLeftAsItWas_data()
    {
        QTest::addColumn<QByteArray>("contents");
        QTest::addColumn<QString>("finding"); // the one line after "FILE: "
        struct Type
        {
            const char *folder;
            QByteArray items;   // the item list's name
            QByteArray zIndex;  // a parameter declared as a plain number
        };
        for (const Type &type : {Type{"ostrel-menu", "menuItems", "menuZIndex"}, Type{"tree-menu", "tmenuItems", "tmenuZIndex"},
                                 Type{"tabs", "bmenuItems", "tabsZIndex"}, Type{"tab-menu", "bmenuItems", "tabsZIndex"}}) {
            const QByteArray project = readTestFile(defaultProject(QString::fromLatin1(type.folder)));
            const QList<qsizetype> rows = itemRows(project, type.items);
            QVERIFY2(rows.size() > 4, type.folder);
            const QString items = QString::fromLatin1(type.items);

            // "[...]\r\n[...]": the second row indexes the first, which
            // leaves one entry that is undefined where two items were.
            const int joined = 2;
            QByteArray noComma = project;
            const qsizetype comma = noComma.indexOf("],\r\n", rows.at(joined)) + 1;
            QVERIFY(comma > 0 && comma < rows.at(joined + 1));
            noComma.remove(comma, 1);
            QTest::addRow("%s: comma lost between two item rows", type.folder)
                << noComma
                << QStringLiteral("after line %1: a comma is probably missing (%2 entry %3 is undefined)")
                       .arg(lineAt(noComma, comma))
                       .arg(items)
                       .arg(joined);

            // "],," at the end of a row: a hole where the next entry starts.
            const int before = 3;
            QByteArray hole = project;
            const qsizetype end = hole.indexOf("],\r\n", rows.at(before)) + 2;
            QVERIFY(end > 1 && end < rows.at(before + 1));
            hole.insert(end, ',');
            QTest::addRow("%s: two commas after an item row", type.folder)
                << hole
                << QStringLiteral("line %1: two commas in a row leave a hole (%2 entry %3 is undefined)")
                       .arg(lineAt(hole, end))
                       .arg(items)
                       .arg(before + 1);

            // "var tabsZIndex1000;" declares a new name and leaves the
            // parameter out.
            QByteArray noEquals = project;
            const qsizetype declared = noEquals.indexOf("\r\nvar " + type.zIndex + "=") + 2;
            QVERIFY(declared > 1);
            const qsizetype equals = declared + 4 + type.zIndex.size();
            noEquals.remove(equals, 1);
            QVERIFY2(noEquals.mid(equals).startsWith("1000;"), type.folder);
            QTest::addRow("%s: \"=\" lost in a number's declaration", type.folder)
                << noEquals
                << QStringLiteral("line %1: %2 is declared without a value: an \"=\" is probably missing after %3")
                       .arg(lineAt(noEquals, declared))
                       .arg(QString::fromLatin1(type.zIndex + "1000"), QString::fromLatin1(type.zIndex));
        }
    }
    void damagedProject_isAFindingAtItsLine_andLeftAsItWas()
    {
        QFETCH(QByteArray, contents);
        QFETCH(QString, finding);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("data.js"));
        QVERIFY(writeTestFile(path, contents));
        const QString expected = path + QStringLiteral(": ") + finding + QLatin1Char('\n');

        Run r = plivex({QStringLiteral("--check"), path});
        QVERIFY2(r.exitCode == 1, qPrintable(QString::number(r.exitCode) + QLatin1Char(' ') + r.err));
        QCOMPARE(r.err, expected);

        r = plivex({QStringLiteral("--convert"), path, path});
        QVERIFY2(r.exitCode == 1, qPrintable(QString::number(r.exitCode) + QLatin1Char(' ') + r.err));
        QCOMPARE(r.err, expected);
        QCOMPARE(readTestFile(path), contents);
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::NoDotAndDotDot), QStringList{QStringLiteral("data.js")});
    }

    // The names of the start functions are only texts inside an item's
    // fields and a comment: the reader runs the file as written, and every
    // field comes back with the same text.
    void convert_keepsStartFunctionNamesInItemTexts_data()
    {
        QTest::addColumn<QString>("folder");
        QTest::addColumn<QByteArray>("items");
        QTest::addColumn<QByteArray>("startCall");
        QTest::newRow("ostrel-menu") << QStringLiteral("ostrel-menu") << QByteArray("menuItems") << QByteArray("qrn_init();");
        QTest::newRow("tree-menu") << QStringLiteral("tree-menu") << QByteArray("tmenuItems") << QByteArray("qrn_tmenuInit();");
        QTest::newRow("tabs") << QStringLiteral("tabs") << QByteArray("bmenuItems") << QByteArray("qrn_tabsInit();");
        QTest::newRow("tab-menu") << QStringLiteral("tab-menu") << QByteArray("bmenuItems") << QByteArray("qrn_tabsInit();");
    }
    void convert_keepsStartFunctionNamesInItemTexts()
    {
        QFETCH(QString, folder);
        QFETCH(QByteArray, items);
        QFETCH(QByteArray, startCall);
        const QByteArray row("[\"qrn_init(); qrn_tabsInit();\", \"javascript:qrn_init(); qrn_tmenuInit(); qrn_initFrame();\", "
                             "\"\", \"qrn_tabsInit()\", \"\", \"\", \"\", \"\", \"\", \"\", \"\"],");
        QCOMPARE(scriptTexts(row).size(), 11);
        // The project as the writer lays it out, with the row in front.
        QByteArray saved = readTestFile(defaultProject(folder));
        const QList<qsizetype> projectRows = itemRows(saved, items);
        QVERIFY(projectRows.size() > 1);
        saved.replace(projectRows.at(0), projectRows.at(1) - 2 - projectRows.at(0), row);
        const QList<qsizetype> rows = itemRows(saved, items);
        QCOMPARE(rows.size(), projectRows.size());
        // The same with a comment on the start call.
        QByteArray input = saved;
        const qsizetype call = input.lastIndexOf(startCall);
        QVERIFY(call > input.indexOf("\r\n];", rows.at(0)));
        input.insert(call, "// qrn_init() starts the menu\r\n");

        QTemporaryDir dir;
        const QString in = dir.filePath(QStringLiteral("in.js"));
        const QString out = dir.filePath(QStringLiteral("out.js"));
        QVERIFY(writeTestFile(in, input));
        Run r = plivex({QStringLiteral("--convert"), in, out});
        QVERIFY2(r.exitCode == 0, qPrintable(r.err));
        QCOMPARE(r.err, QString());
        const QByteArray written = readTestFile(out);
        const QList<qsizetype> writtenRows = itemRows(written, items);
        QCOMPARE(writtenRows.size(), rows.size());
        const QByteArray writtenRow = written.mid(writtenRows.at(0), writtenRows.at(1) - 2 - writtenRows.at(0));
        QCOMPARE(scriptTexts(writtenRow), scriptTexts(row));
        // Everything else as the editor saves it.
        QCOMPARE(written.first(writtenRows.at(0)), saved.first(rows.at(0)));
        QCOMPARE(written.mid(writtenRows.at(1)), saved.mid(rows.at(1)));

        // The written file reads back to itself.
        r = plivex({QStringLiteral("--convert"), out, out});
        QVERIFY2(r.exitCode == 0, qPrintable(r.err));
        QCOMPARE(readTestFile(out), written);
    }

    // Colours and sizes are what the browser's CSS takes, beyond the
    // forms a pattern would know; a value CSS refuses is a finding that
    // names the parameter.
    void check_judgesColoursAndSizesAsCssDoes_data()
    {
        QTest::addColumn<QByteArray>("parameter");
        QTest::addColumn<QByteArray>("value");
        QTest::addColumn<int>("exitCode");
        const struct
        {
            const char *parameter;
            const char *value;
            int exitCode;
        } rows[] = {
            {"menuBackColor", "transparent", 0},
            {"menuItemTextColor", "white", 0},
            {"menuSubBackColor", "rgba(0,0,0,.5)", 0},
            {"menuItemHoverBackColor", "#1f2d3d80", 0},
            {"menuItemCurrentBackColor", "hsl(210 30% 20%)", 0},
            {"menuArrowColor", "currentColor", 0},
            {"menuBorderColor", "var(--x)", 0},
            {"menuWidth", "calc(100% - 2px)", 0},
            {"menuItemWidth", "min(10em, 30vw)", 0},
            {"menuSubWidth", "max(120px, 10rem)", 0},
            {"menuItemPadding", "clamp(4px, 1vw, 12px)", 0},
            {"menuRadius", "0.5rem", 0},
            {"menuItemHeight", "5vw", 0},
            {"menuBackColor", "#12345G", 1},
            {"menuWidth", "12pz", 1},
        };
        for (const auto &row : rows)
            QTest::addRow("%s=%s", row.parameter, row.value)
                << QByteArray(row.parameter) << QByteArray(row.value) << row.exitCode;
    }
    void check_judgesColoursAndSizesAsCssDoes()
    {
        QFETCH(QByteArray, parameter);
        QFETCH(QByteArray, value);
        QFETCH(int, exitCode);
        const QByteArray contents = withParameter(readTestFile(defaultProject(QStringLiteral("ostrel-menu"))), parameter, value);
        QVERIFY(!contents.isEmpty());
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("data.js"));
        QVERIFY(writeTestFile(path, contents));
        const Run r = plivex({QStringLiteral("--check"), path});
        QVERIFY2(r.exitCode == exitCode, qPrintable(QString::number(r.exitCode) + QLatin1Char(' ') + r.err));
        if (exitCode == 0) {
            QCOMPARE(r.err, QString());
        } else {
            const QString bad = QStringLiteral("%1: bad value: %2 = \"%3\": ")
                                    .arg(path, QString::fromLatin1(parameter), QString::fromLatin1(value));
            QVERIFY2(r.err.startsWith(bad) && r.err.count(QLatin1Char('\n')) == 1, qPrintable(r.err));
        }
    }

    // A page of the program that fails while it reads says nothing about
    // the file: exit 2, one line, and no output. Run in this process over a
    // program folder whose parameter page fails when it is given the
    // values; the same folder with the page as shipped reads the file.
    void pageFailingDuringTheRead_isExit2_andWritesNothing()
    {
        QTemporaryDir dir;
        const QString intact = dir.filePath(QStringLiteral("intact/"));
        const QString broken = dir.filePath(QStringLiteral("broken/"));
        for (const QString &folder : {intact, broken})
            QVERIFY(copyFolder(harness::runtimeDir() + QStringLiteral("data"), folder + QStringLiteral("data")));
        const QString page = broken + QStringLiteral("data/ostrel-menu/params.html");
        QByteArray html = readTestFile(page);
        QVERIFY(html.count("</body>") == 1);
        html.replace("</body>", "<script>window.qrn_loadValues = function () { throw new Error('values refused'); };</script>\n"
                                "</body>");
        QVERIFY(writeTestFile(page, html));

        const QByteArray menu = readTestFile(defaultProject(QStringLiteral("ostrel-menu")));
        const QString good = dir.filePath(QStringLiteral("good.js"));
        QVERIFY(writeTestFile(good, menu));
        // The test's own messages share the outputs: only the build's lines count.
        auto countLines = [](const QString &text) {
            static const QRegularExpression count(QStringLiteral("^(items|item styles|submenu styles): \\d+$"));
            QStringList lines;
            for (const QString &line : text.split(QLatin1Char('\n'), Qt::SkipEmptyParts))
                if (count.match(line).hasMatch())
                    lines << line;
            return lines;
        };
        QString stdOut;
        QString err;
        QString programFolder;
        auto run = [&](CommandLine::Mode mode, const QString &output) {
            CommandLine cl;
            cl.mode = mode;
            cl.file = good;
            cl.output = output;
            OutputToFile outCapture(stdout, dir.filePath(QStringLiteral("stdout.txt")));
            OutputToFile errCapture(stderr, dir.filePath(QStringLiteral("stderr.txt")));
            const int code = runSiteBuild(cl, programFolder);
            err = errCapture.take();
            stdOut = outCapture.take();
            return code;
        };
        {
            programFolder = intact;
            const QString out = dir.filePath(QStringLiteral("intact.js"));
            QCOMPARE(run(CommandLine::Mode::Convert, out), 0);
            QCOMPARE(countLines(stdOut), (QStringList{QStringLiteral("items: 18"), QStringLiteral("item styles: 2"),
                                                      QStringLiteral("submenu styles: 1")}));
            QCOMPARE(readTestFile(out), menu);
        }
        programFolder = broken;
        const QRegularExpression failed(
            QStringLiteral("^plivex: %1: the read failed in the program's page: .*qrn_loadValues.*values refused")
                .arg(QRegularExpression::escape(good)));
        auto ownLines = [](const QString &text) {
            QStringList lines;
            for (const QString &line : text.split(QLatin1Char('\n'), Qt::SkipEmptyParts))
                if (line.startsWith(QLatin1String("plivex:")) || line.contains(QLatin1String("good.js")))
                    lines << line;
            return lines;
        };
        const QString out = dir.filePath(QStringLiteral("out.js"));
        for (const auto &[mode, output] : {std::pair{CommandLine::Mode::Convert, out},
                                           std::pair{CommandLine::Mode::Convert, good},
                                           std::pair{CommandLine::Mode::Check, QString()}}) {
            const QString what = output.isEmpty() ? QStringLiteral("--check") : QStringLiteral("--convert to ") + output;
            QVERIFY2(run(mode, output) == 2, qPrintable(what));
            const QStringList lines = ownLines(err);
            QVERIFY2(lines.size() == 1 && failed.match(lines.first()).hasMatch(), qPrintable(what + QStringLiteral(": ") + err));
            QVERIFY2(countLines(stdOut).isEmpty(), qPrintable(what + QStringLiteral(": ") + stdOut));
            QVERIFY2(!QFileInfo::exists(out), qPrintable(what));
            QCOMPARE(readTestFile(good), menu);
        }
    }

    void theme_givesTheFileTheThemesLookAndKeepsItsItems()
    {
        QTemporaryDir dir;
        const QString in = dir.filePath(QStringLiteral("in.js"));
        const QString out = dir.filePath(QStringLiteral("out.js"));
        const QByteArray menu = readTestFile(defaultProject(QStringLiteral("ostrel-menu")));
        writeTestFile(in, menu);
        // Where the program keeps its recovery files.
        const QString programData =
            QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + QStringLiteral("/plivex");
        const qsizetype recoveriesBefore = RecoveryFile::leftBehind(programData).size();
        Run r = plivex({QStringLiteral("--theme"), QStringLiteral("high contrast"), in, out});
        QCOMPARE(r.exitCode, 0);
        QCOMPARE(r.err, QString());
        // The themed project went through the project's history as in the
        // editor, and left the editor nothing to offer back.
        QCOMPARE(RecoveryFile::leftBehind(programData).size(), recoveriesBefore);
        const QByteArray themed = readTestFile(out);
        QVERIFY(themed.contains("var menuBackColor=\"#000000\";"));
        QVERIFY(!menu.contains("var menuBackColor=\"#000000\";"));
        QCOMPARE(themed.mid(themed.indexOf("var menuItems")), menu.mid(menu.indexOf("var menuItems")));
        QCOMPARE(readTestFile(in), menu);

        // A theme the type does not have: one line, and the output as it was.
        r = plivex({QStringLiteral("--theme"), QStringLiteral("Bakery"), in, out});
        QCOMPARE(r.exitCode, 1);
        QCOMPARE(r.err, QStringLiteral("plivex: no theme \"Bakery\" for the Ostrel Menu; plivex --list-themes --type 0 lists them\n"));
        QCOMPARE(readTestFile(out), themed);
    }

    void listThemes_namesEachTypesThemes()
    {
        Run r = plivex({QStringLiteral("--list-themes"), QStringLiteral("--type"), QStringLiteral("tabs")});
        QCOMPARE(r.exitCode, 0);
        const QStringList names = r.out.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
        QVERIFY2(names.size() >= 8, qPrintable(r.out));
        QVERIFY(names.contains(QStringLiteral("High contrast")));
        r = plivex({QStringLiteral("--list-themes")});
        QCOMPARE(r.exitCode, 0);
        const QStringList all = r.out.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
        QCOMPARE(all.size(), 4 * names.size());
        QVERIFY(all.contains(QStringLiteral("tab-menu: High contrast")));
    }

    // A user's own theme is listed as the Themes window shows it, in the
    // letter case it was named in, and the line names it back to --theme.
    void listThemes_ownThemesAsTheWindowShowsThem_andTakenBackByTheme()
    {
        QTemporaryDir data;
        const QByteArray before = qgetenv("XDG_DATA_HOME");
        qputenv("XDG_DATA_HOME", QFile::encodeName(data.path()));
        const QString folder = data.filePath(QStringLiteral("plivex/themes/ostrel-menu"));
        QVERIFY(QDir().mkpath(folder));
        QVERIFY(QFile::copy(harness::runtimeDir() + QStringLiteral("themes/ostrel-menu/dark.js"),
                            folder + QStringLiteral("/Smile-Dental.js")));
        Run r = plivex({QStringLiteral("--list-themes"), QStringLiteral("--type"), QStringLiteral("0")});
        const QStringList names = r.out.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
        QVERIFY2(names.contains(QStringLiteral("Smile Dental (yours)")), qPrintable(r.out));

        const QString in = data.filePath(QStringLiteral("in.js"));
        const QString out = data.filePath(QStringLiteral("out.js"));
        writeTestFile(in, readTestFile(defaultProject(QStringLiteral("ostrel-menu"))));
        r = plivex({QStringLiteral("--theme"), QStringLiteral("Smile Dental (yours)"), in, out});
        qputenv("XDG_DATA_HOME", before);
        QCOMPARE(r.exitCode, 0);
        QCOMPARE(r.err, QString());
        QVERIFY(readTestFile(out).contains("var menuBackColor="));
    }

    void preview_writesThePageOnlyWhereItsFolderIs()
    {
        QTemporaryDir dir;
        const QString in = dir.filePath(QStringLiteral("menu.js"));
        writeTestFile(in, readTestFile(defaultProject(QStringLiteral("tree-menu"))));
        const QString page = dir.filePath(QStringLiteral("site/page.html"));
        QVERIFY(QDir().mkpath(dir.filePath(QStringLiteral("site"))));
        Run r = plivex({QStringLiteral("--preview"), in, page});
        QVERIFY2(r.exitCode == 0, qPrintable(r.err));
        QVERIFY2(r.err.isEmpty() && r.out.isEmpty(), qPrintable(r.err + r.out));
        QVERIFY(readTestFile(page).contains("qrntmenu.js"));
        QVERIFY(QFileInfo::exists(dir.filePath(QStringLiteral("site/qrntmenu.js"))));

        const QString nowhere = dir.filePath(QStringLiteral("nonexistent/x.html"));
        r = plivex({QStringLiteral("--preview"), in, nowhere});
        QCOMPARE(r.exitCode, 2);
        QCOMPARE(r.err, QStringLiteral("plivex: can't write %1: the folder %2 does not exist\n")
                            .arg(nowhere, dir.filePath(QStringLiteral("nonexistent"))));
        QVERIFY(!QFileInfo::exists(dir.filePath(QStringLiteral("nonexistent"))));
    }

    // Each row installs into "page.html" (as given; missing when empty)
    // beside a good page, "good.html", which is written unless the row says
    // otherwise.
    void install_writesThePagesItCan_andNamesTheRest_data()
    {
        QTest::addColumn<QByteArray>("page");
        QTest::addColumn<bool>("readOnly");
        QTest::addColumn<QStringList>("extra");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("error");
        QTest::addColumn<bool>("goodWritten");
        const QByteArray plain = "<!DOCTYPE html>\n<html><head><title>P</title></head>\n<body>\n<p>x</p>\n</body></html>\n";
        const QByteArray block = "<!-- Quorna Ostrel Menu \"nav.js\": begin --><!-- Quorna Ostrel Menu \"nav.js\": end -->";
        QTest::newRow("two pages") << plain << false << QStringList() << 0 << QString() << true;
        QTest::newRow("a page without a body") << QByteArray("<html><p>x</p></html>") << false << QStringList() << 1
                                               << QStringLiteral("^plivex: %1: the menu can't be placed in it safely: it has "
                                                                 "no <body> tag; it was left as it was$")
                                               << true;
        QTest::newRow("a page with two blocks") << "<body>" + block + block << false << QStringList() << 1
                                                << QStringLiteral("^plivex: %1: .*it holds 2 blocks of nav.js; delete all but one") << true;
        QTest::newRow("a page that loads the data file itself")
            << "<script src=\"js/nav.js\"></script>" + plain << false << QStringList() << 1
            << QStringLiteral("^plivex: %1: .*loads nav.js already, outside a block") << true;
        QTest::newRow("a read-only page") << plain << true << QStringList() << 2
                                          << QStringLiteral("^plivex: can't write %1: it is read-only$") << true;
        QTest::newRow("a missing page") << QByteArray() << false << QStringList() << 2
                                        << QStringLiteral("^plivex: can't read %1: no such file$") << true;
        QTest::newRow("a dry run") << plain << false << QStringList{QStringLiteral("--dry-run")} << 0 << QString() << false;
    }
    void install_writesThePagesItCan_andNamesTheRest()
    {
        QFETCH(QByteArray, page);
        QFETCH(bool, readOnly);
        QFETCH(QStringList, extra);
        QFETCH(int, exitCode);
        QFETCH(QString, error);
        QFETCH(bool, goodWritten);
        QTemporaryDir dir;
        QVERIFY(QDir(dir.path()).mkpath(QStringLiteral("js")));
        const QString data = dir.filePath(QStringLiteral("js/nav.js"));
        writeTestFile(data, readTestFile(defaultProject(QStringLiteral("ostrel-menu"))));
        const QString pagePath = dir.filePath(QStringLiteral("page.html"));
        const QString good = dir.filePath(QStringLiteral("good.html"));
        const QByteArray goodBefore = "<html><body><h1>Good</h1></body></html>";
        writeTestFile(good, goodBefore);
        if (!page.isNull())
            writeTestFile(pagePath, page);
        if (readOnly)
            QFile::setPermissions(pagePath, QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther);

        const Run r = plivex(QStringList{QStringLiteral("--install"), data, pagePath, good} + extra);
        QVERIFY2(r.exitCode == exitCode, qPrintable(r.err + r.out));
        if (error.isEmpty())
            QVERIFY2(r.err.isEmpty(), qPrintable(r.err));
        else
            QVERIFY2(QRegularExpression(error.arg(QRegularExpression::escape(pagePath)), QRegularExpression::MultilineOption)
                         .match(r.err).hasMatch(),
                     qPrintable(r.err));
        const bool pageWritten = exitCode == 0 && extra.isEmpty();
        if (!page.isNull()) {
            QCOMPARE(readTestFile(pagePath) == page, !pageWritten);
            QCOMPARE(QFileInfo::exists(pagePath + QLatin1Char('~')), pageWritten);
        }
        QCOMPARE(readTestFile(good) != goodBefore, goodWritten);
        if (goodWritten) {
            QCOMPARE(readTestFile(good + QLatin1Char('~')), goodBefore);
            QVERIFY(readTestFile(good).contains("<script src=\"js/qrnmenu.js\"></script>\n<script src=\"js/nav.js\"></script>"));
            QVERIFY(r.out.contains(QStringLiteral("%1: menu written").arg(good)));
        }
        // The engine is copied only when a page is written that loads it.
        QCOMPARE(QFileInfo::exists(dir.filePath(QStringLiteral("js/qrnmenu.js"))), goodWritten);
        if (!extra.isEmpty()) {
            QVERIFY2(r.out.contains(QStringLiteral("--- %1\n+++ %1\n@@ ").arg(good)), qPrintable(r.out));
            QVERIFY(r.out.contains(QStringLiteral("+<script src=\"js/nav.js\"></script>")));
            QVERIFY(r.out.contains(QStringLiteral("js/qrnmenu.js: would be copied from the program")));
        }
    }

    void install_aDataFileWithAFinding_writesNoPage()
    {
        QTemporaryDir dir;
        const QString data = dir.filePath(QStringLiteral("nav.js"));
        QByteArray text = readTestFile(defaultProject(QStringLiteral("ostrel-menu")));
        text.replace("var menuItems = [", "var menuItems = [ oops");
        writeTestFile(data, text);
        const QString page = dir.filePath(QStringLiteral("index.html"));
        writeTestFile(page, "<body></body>");
        const Run r = plivex({QStringLiteral("--install"), data, page});
        QCOMPARE(r.exitCode, 1);
        QCOMPARE(readTestFile(page), QByteArray("<body></body>"));
        QVERIFY(!QFileInfo::exists(dir.filePath(QStringLiteral("qrnmenu.js"))));
    }

    void import_refusesWhatHoldsNoNavigation_data()
    {
        QTest::addColumn<QByteArray>("contents");
        QTest::addColumn<int>("kind"); // 0 a file, 1 missing, 2 a folder
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("errPattern");
        QTest::newRow("missing file") << QByteArray() << 1 << 2 << QStringLiteral("^plivex: can't read %1: no such file$");
        QTest::newRow("a folder") << QByteArray() << 2 << 2 << QStringLiteral("^plivex: can't read %1: it is a folder$");
        QTest::newRow("empty file") << QByteArray() << 0 << 1 << QStringLiteral("^plivex: %1: no navigation links were found$");
        QTest::newRow("a page without links") << QByteArray("<p>No links here</p>") << 0 << 1
                                              << QStringLiteral("^plivex: %1: no navigation links were found$");
        QTest::newRow("a sitemap index")
            << QByteArray("<?xml version=\"1.0\"?><sitemapindex xmlns=\"http://www.sitemaps.org/schemas/sitemap/0.9\">"
                          "<sitemap><loc>https://ex.com/a.xml</loc></sitemap><sitemap><loc>https://ex.com/b.xml</loc>"
                          "</sitemap></sitemapindex>")
            << 0 << 1
            << QStringLiteral("^plivex: %1 is a sitemap index, not a sitemap; import one of the sitemaps it lists: "
                              "https://ex.com/a.xml https://ex.com/b.xml$");
        QTest::newRow("twenty thousand nested lists")
            << (QByteArray("<ul><li>").repeated(20000)) << 0 << 1 << QStringLiteral("^plivex: %1: no navigation links were found$");
    }
    void import_refusesWhatHoldsNoNavigation()
    {
        QFETCH(QByteArray, contents);
        QFETCH(int, kind);
        QFETCH(int, exitCode);
        QFETCH(QString, errPattern);
        QTemporaryDir dir;
        const QString in = dir.filePath(QStringLiteral("site.html"));
        if (kind == 0)
            writeTestFile(in, contents);
        else if (kind == 2)
            QVERIFY(QDir().mkpath(in));
        const QString out = dir.filePath(QStringLiteral("menu.js"));
        writeTestFile(out, "old");
        const Run r = plivex({QStringLiteral("--import"), in, out});
        QCOMPARE(r.exitCode, exitCode);
        QVERIFY2(QRegularExpression(errPattern.arg(QRegularExpression::escape(in))).match(r.err.trimmed()).hasMatch() &&
                     r.err.count(QLatin1Char('\n')) == 1,
                 qPrintable(r.err));
        QVERIFY(r.out.isEmpty());
        QCOMPARE(readTestFile(out), QByteArray("old"));
    }

    void import_writesTheTypesDefaultsWithThePagesNavigation()
    {
        QTemporaryDir dir;
        const QString page = dir.filePath(QStringLiteral("site.html"));
        const QString out = dir.filePath(QStringLiteral("menu.js"));
        writeTestFile(page, "<html><body><nav><ul><li><a href=\"/\">Home</a></li><li><a href=\"/shop\" aria-current=\"page\">Shop</a>"
                            "<ul><li><a href=\"/shop/new\" target=\"_blank\">New</a></li></ul></li></ul></nav></body></html>");
        Run r = plivex({QStringLiteral("--import"), page, out, QStringLiteral("--type"), QStringLiteral("tabs")});
        QCOMPARE(r.exitCode, 0);
        // The Ostrel Tabs have one level: the subitem is brought up.
        QCOMPARE(r.out.trimmed(), QStringLiteral("items: 3"));
        r = plivex({QStringLiteral("--check"), out, QStringLiteral("--type=2")});
        QCOMPARE(r.exitCode, 0);
        QVERIFY2(r.out.contains(QStringLiteral("items: 3")), qPrintable(r.out));
        const QByteArray written = readTestFile(out);
        QVERIFY(written.contains("\"/shop/new\""));
        QVERIFY(written.contains("qrn_tabsInit"));
        // The page's current item is current in the menu too.
        const qsizetype shop = written.indexOf("[\"Shop\"");
        QVERIFY(shop >= 0);
        QVERIFY2(written.mid(shop, written.indexOf(']', shop) - shop).contains("\"current\""), written.constData());
    }

    void usageErrors_exitWithTheUsage_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<QString>("error");
        QTest::newRow("unknown option") << QStringList{QStringLiteral("--bogus")} << QStringLiteral("unknown option --bogus");
        QTest::newRow("missing type value") << QStringList{QStringLiteral("--check"), QStringLiteral("a.js"), QStringLiteral("--type")}
                                            << QStringLiteral("--type needs a value");
        QTest::newRow("convert without output") << QStringList{QStringLiteral("--convert"), QStringLiteral("a.js")}
                                                << QStringLiteral("--convert needs an input and an output file");
        QTest::newRow("theme without a name") << QStringList{QStringLiteral("--theme")} << QStringLiteral("--theme needs the name of a theme");
        QTest::newRow("theme without output") << QStringList{QStringLiteral("--theme"), QStringLiteral("Dark"), QStringLiteral("a.js")}
                                              << QStringLiteral("--theme needs a theme name, an input and an output file");
        QTest::newRow("themes listed of a file") << QStringList{QStringLiteral("--list-themes"), QStringLiteral("a.js")}
                                                 << QStringLiteral("--list-themes takes no file");
        QTest::newRow("site without a folder") << QStringList{QStringLiteral("--check"), QStringLiteral("a.js"), QStringLiteral("--site")}
                                               << QStringLiteral("--site needs a folder");
        QTest::newRow("site without a check") << QStringList{QStringLiteral("--convert"), QStringLiteral("a.js"), QStringLiteral("b.js"),
                                                             QStringLiteral("--site"), QStringLiteral("web")}
                                              << QStringLiteral("--site goes with --check");
        QTest::newRow("install without a page") << QStringList{QStringLiteral("--install"), QStringLiteral("a.js")}
                                                << QStringLiteral("--install needs a data file and at least one page");
        QTest::newRow("dry run without install") << QStringList{QStringLiteral("--check"), QStringLiteral("a.js"), QStringLiteral("--dry-run")}
                                                 << QStringLiteral("--dry-run goes with --install");
    }
    void usageErrors_exitWithTheUsage()
    {
        QFETCH(QStringList, args);
        QFETCH(QString, error);
        const Run r = plivex(args);
        QCOMPARE(r.exitCode, 2);
        QVERIFY2(r.err.startsWith(QStringLiteral("plivex: ") + error + QStringLiteral("\nUsage: plivex")), qPrintable(r.err));
    }

    void help_listsTheSiteBuildOptions()
    {
        const Run r = plivex({QStringLiteral("--help")});
        QCOMPARE(r.exitCode, 0);
        QVERIFY(r.out.contains(QStringLiteral("--check FILE")));
        QVERIFY(r.out.contains(QStringLiteral("--convert IN OUT")));
        QVERIFY(r.out.contains(QStringLiteral("--install DATA.js PAGE.html...")));
    }
};

PLIVEX_TEST_MAIN(SiteBuildTest)
#include "sitebuild_test.moc"
