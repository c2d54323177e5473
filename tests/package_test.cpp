// The Debian package, made by cpack as scripts/package makes it, unpacked
// with dpkg-deb into a private root and run from there as an installed copy:
// what its control data asks of the system, its files, lintian and the
// desktop's validators, its command line on every default project, and the
// editor on this test's display, where it leaves the screenshot the AppStream
// data shows and keeps its settings in the user's configuration folder.
// The test runs on a display of its own (ctest starts it under xvfb-run).

#include "app/settingsplace.h"
#include "project/model/menutypes.h"
#include "support/testfiles.h"
#include "support/testmain.h"
#include "support/webharness.h"

#include <QDir>
#include <QDirIterator>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QImage>
#include <QPixmap>
#include <QProcess>
#include <QRegularExpression>
#include <QScreen>
#include <QTemporaryDir>
#include <QXmlStreamReader>

namespace {

struct Run
{
    int exitCode = -1;
    QString out;
    QString err;
};

Run run(const QString &program, const QStringList &args, const QProcessEnvironment &env = {}, int ms = 300000)
{
    QProcess p;
    if (!env.isEmpty())
        p.setProcessEnvironment(env);
    p.start(program, args);
    Run r;
    if (!p.waitForFinished(ms)) {
        p.kill();
        p.waitForFinished();
        r.err = program + QStringLiteral(" did not finish");
        return r;
    }
    r.exitCode = p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
    r.out = QString::fromLocal8Bit(p.readAllStandardOutput());
    r.err = QString::fromLocal8Bit(p.readAllStandardError());
    return r;
}

QString report(const Run &r)
{
    return QStringLiteral("exit %1\n%2%3").arg(r.exitCode).arg(r.out, r.err);
}

// The first value of `key` in a desktop entry.
QString desktopValue(const QString &entry, const QString &key)
{
    const QRegularExpression line(QStringLiteral("^%1=(.*)$").arg(key), QRegularExpression::MultilineOption);
    return line.match(entry).captured(1).trimmed();
}

struct Metainfo
{
    QString launchable;
    QString icon;
    QString newestRelease;
};

Metainfo readMetainfo(const QByteArray &xml)
{
    Metainfo info;
    QXmlStreamReader reader(xml);
    while (!reader.atEnd()) {
        if (reader.readNext() != QXmlStreamReader::StartElement)
            continue;
        if (reader.name() == QLatin1String("launchable"))
            info.launchable = reader.readElementText();
        else if (reader.name() == QLatin1String("icon"))
            info.icon = reader.readElementText();
        else if (reader.name() == QLatin1String("release") && info.newestRelease.isEmpty())
            info.newestRelease = reader.attributes().value(QLatin1String("version")).toString();
    }
    return info;
}

// The X windows the process `pid` shows.
QStringList windowsOf(qint64 pid)
{
    const Run r = run(QStringLiteral("xdotool"),
                      {QStringLiteral("search"), QStringLiteral("--onlyvisible"), QStringLiteral("--pid"),
                       QString::number(pid)},
                      {}, 10000);
    return r.out.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
}

QRect windowRect(const QString &window)
{
    const Run r = run(QStringLiteral("xdotool"), {QStringLiteral("getwindowgeometry"), QStringLiteral("--shell"), window},
                      {}, 10000);
    auto value = [&r](const char *name) {
        return QRegularExpression(QStringLiteral("^%1=(\\d+)$").arg(QLatin1String(name)),
                                  QRegularExpression::MultilineOption)
            .match(r.out)
            .captured(1)
            .toInt();
    };
    return {value("X"), value("Y"), value("WIDTH"), value("HEIGHT")};
}

} // namespace

class PackageTest : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    QString m_deb;
    QString m_root;

    QString installed(const QString &path) const { return m_root + path; }
    QString program() const { return installed(QStringLiteral("/usr/bin/plivex")); }
    QString programFolder() const { return installed(QStringLiteral("/usr/lib/plivex/")); }

private slots:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        const QString out = m_dir.filePath(QStringLiteral("out"));
        const Run cpack = run(QStringLiteral("cpack"), {QStringLiteral("--config"),
                                                        QStringLiteral(PLIVEX_BUILD_DIR "CPackConfig.cmake"),
                                                        QStringLiteral("-G"), QStringLiteral("DEB"), QStringLiteral("-B"), out});
        QVERIFY2(cpack.exitCode == 0, qPrintable(report(cpack)));
        m_deb = out + QStringLiteral("/plivex_" PLIVEX_VERSION "_amd64.deb");
        QVERIFY2(QFileInfo(m_deb).isFile(), qPrintable(m_deb));
        m_root = m_dir.filePath(QStringLiteral("root"));
        const Run unpack = run(QStringLiteral("dpkg-deb"), {QStringLiteral("-x"), m_deb, m_root});
        QVERIFY2(unpack.exitCode == 0, qPrintable(report(unpack)));
    }

    void control_namesTheLibrariesAndTheWebEngineData()
    {
        const Run fields = run(QStringLiteral("dpkg-deb"), {QStringLiteral("-f"), m_deb, QStringLiteral("Version"),
                                                            QStringLiteral("Architecture"), QStringLiteral("Depends")});
        QCOMPARE(fields.exitCode, 0);
        QVERIFY2(fields.out.contains(QStringLiteral("Version: " PLIVEX_VERSION "\n")), qPrintable(fields.out));
        QVERIFY2(fields.out.contains(QStringLiteral("Architecture: amd64\n")), qPrintable(fields.out));
        // From the binary's own links, then what the web engine opens as files.
        for (const char *package : {"libc6", "libqt6widgets6", "libqt6webenginewidgets6", "libqt6webenginecore6-bin",
                                    "libqt6webengine6-data"})
            QVERIFY2(QRegularExpression(QStringLiteral("[ ,]%1( |,|\\n|$)").arg(QLatin1String(package)))
                         .match(fields.out)
                         .hasMatch(),
                     package);
    }

    void layout_programUnderUsrLibWithALinkOnThePath()
    {
        const QFileInfo link(program());
        QVERIFY(link.isSymLink());
        QCOMPARE(link.symLinkTarget(), programFolder() + QStringLiteral("plivex"));
        QVERIFY(QFileInfo(programFolder() + QStringLiteral("plivex")).isExecutable());
        for (int type = 0; type < kMenuTypeCount; ++type) {
            QVERIFY(QFileInfo::exists(programFolder() + defaultProjectPath(type)));
            QVERIFY(QFileInfo::exists(programFolder() + pagePath(type, QStringLiteral("params.html"))));
            for (const QString &engine : menuTypes().at(static_cast<size_t>(type)).engineFiles)
                QVERIFY2(QFileInfo::exists(programFolder() + engine), qPrintable(engine));
        }
        QVERIFY(QFileInfo::exists(programFolder() + QStringLiteral("help/index.html")));
        QVERIFY(QFileInfo::exists(programFolder() + kInstalledCopyMarker));
        for (const char *doc : {"/usr/share/man/man1/plivex.1.gz", "/usr/share/doc/plivex/copyright",
                                "/usr/share/doc/plivex/changelog.gz"})
            QVERIFY2(QFileInfo::exists(installed(QLatin1String(doc))), doc);
    }

    void icons_arePicturesOfTheirFoldersSize()
    {
        const QString theme = installed(QStringLiteral("/usr/share/icons/hicolor/"));
        QVERIFY(QFileInfo::exists(theme + QStringLiteral("scalable/apps/plivex.svg")));
        QStringList sizes;
        for (QDirIterator it(theme, {QStringLiteral("plivex.png")}, QDir::Files, QDirIterator::Subdirectories);
             it.hasNext();) {
            const QString path = it.next();
            const QString folder = QFileInfo(path).dir().absolutePath().section(QLatin1Char('/'), -2, -2);
            const QImage picture(path);
            QVERIFY2(!picture.isNull(), qPrintable(path));
            QCOMPARE(QStringLiteral("%1x%2").arg(picture.width()).arg(picture.height()), folder);
            sizes << folder;
        }
        QVERIFY2(sizes.contains(QStringLiteral("16x16")) && sizes.contains(QStringLiteral("256x256")),
                 qPrintable(sizes.join(' ')));
    }

    void metadata_passesTheValidatorsAndAgrees()
    {
        const QString desktopFile = installed(QStringLiteral("/usr/share/applications/plivex.desktop"));
        const QString metainfoFile = installed(QStringLiteral("/usr/share/metainfo/example.quorna.Plivex.metainfo.xml"));
        const Run desktop = run(QStringLiteral("desktop-file-validate"), {desktopFile});
        QVERIFY2(desktop.exitCode == 0 && desktop.out.isEmpty(), qPrintable(report(desktop)));
        const Run appstream =
            run(QStringLiteral("appstreamcli"), {QStringLiteral("validate"), QStringLiteral("--no-net"), metainfoFile});
        QVERIFY2(appstream.exitCode == 0, qPrintable(report(appstream)));

        const QString entry = QString::fromUtf8(readTestFile(desktopFile));
        const Metainfo info = readMetainfo(readTestFile(metainfoFile));
        QCOMPARE(info.launchable, QStringLiteral("plivex.desktop"));
        QCOMPARE(info.icon, desktopValue(entry, QStringLiteral("Icon")));
        QVERIFY(QFileInfo::exists(
            installed(QStringLiteral("/usr/share/icons/hicolor/256x256/apps/%1.png").arg(info.icon))));
        QCOMPARE(desktopValue(entry, QStringLiteral("Exec")).section(QLatin1Char(' '), 0, 0),
                 QFileInfo(program()).fileName());
        // A release that is not the newest entry would show users an old version.
        QCOMPARE(info.newestRelease, QStringLiteral(PLIVEX_VERSION));
        const Run changelog = run(QStringLiteral("zcat"), {installed(QStringLiteral("/usr/share/doc/plivex/changelog.gz"))});
        QVERIFY2(changelog.out.startsWith(QStringLiteral("plivex (" PLIVEX_VERSION ") ")), qPrintable(report(changelog)));
    }

    void lintian_findsNoErrorsOrWarnings()
    {
        const Run lintian = run(QStringLiteral("lintian"), {QStringLiteral("--fail-on"), QStringLiteral("error,warning"), m_deb});
        QVERIFY2(lintian.exitCode == 0, qPrintable(report(lintian)));
    }

    void installedCopy_commandLine()
    {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.remove(QStringLiteral("DISPLAY"));
        env.remove(QStringLiteral("QT_QPA_PLATFORM"));
        const Run version = run(program(), {QStringLiteral("--version")}, env);
        QCOMPARE(version.exitCode, 0);
        QCOMPARE(version.out.trimmed(), QStringLiteral("plivex " PLIVEX_VERSION));

        for (int type = 0; type < kMenuTypeCount; ++type) {
            const QString project = programFolder() + defaultProjectPath(type);
            const QString typeArg = QString::number(type);
            const Run check = run(program(), {QStringLiteral("--check"), project, QStringLiteral("--type"), typeArg}, env);
            QVERIFY2(check.exitCode == 0, qPrintable(project + QLatin1Char('\n') + report(check)));

            // The site build names a folder that exists; --preview makes none.
            const QString page = m_dir.filePath(QStringLiteral("preview%1/index.html").arg(type));
            QVERIFY(QDir().mkpath(QFileInfo(page).path()));
            const Run preview = run(
                program(), {QStringLiteral("--preview"), project, page, QStringLiteral("--type"), typeArg}, env);
            QVERIFY2(preview.exitCode == 0, qPrintable(project + QLatin1Char('\n') + report(preview)));
            QVERIFY(readTestFile(page).contains("<html"));
            const QString engine = menuTypes().at(static_cast<size_t>(type)).engineFiles.value(0);
            QVERIFY2(QFileInfo::exists(QFileInfo(page).dir().filePath(engine)), qPrintable(engine));
        }
        QVERIFY(!QFileInfo::exists(programFolder() + QStringLiteral("plivex.ini")));
    }

    void installedCopy_editorShowsTheMenuAndKeepsSettingsInUserConfig()
    {
        QVERIFY2(QGuiApplication::platformName() == QLatin1String("xcb"),
                 "needs a display of its own: run it under xvfb-run with QT_QPA_PLATFORM=xcb");
        const QString config = m_dir.filePath(QStringLiteral("config"));
        const QString menu = m_dir.filePath(QStringLiteral("work/menu.js"));
        QVERIFY(QDir().mkpath(QFileInfo(menu).absolutePath()));
        QVERIFY(QFile::copy(programFolder() + defaultProjectPath(0), menu));

        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("XDG_CONFIG_HOME"), config);
        env.insert(QStringLiteral("XDG_DATA_HOME"), m_dir.filePath(QStringLiteral("data")));
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
        QProcess editor;
        editor.setProcessEnvironment(env);
        editor.setProcessChannelMode(QProcess::ForwardedChannels);
        editor.start(program(), {QStringLiteral("--type"), QStringLiteral("0"), menu});
        QVERIFY(editor.waitForStarted());
        struct EndIt
        {
            QProcess &p;
            ~EndIt()
            {
                if (p.state() != QProcess::NotRunning) {
                    p.kill();
                    p.waitForFinished();
                }
            }
        } endIt{editor};

        // The main window and the two tool windows beside it, drawn and still
        // for three seconds: the default project's menu stands in the preview,
        // whose update follows a second after the project has loaded.
        QRect shown;
        QImage last;
        QElapsedTimer still;
        still.start();
        const bool settled = harness::waitUntil(
            [&] {
                const QStringList windows = windowsOf(editor.processId());
                if (windows.size() < 3)
                    return false;
                QRect all;
                for (const QString &w : windows)
                    all |= windowRect(w);
                const QImage now =
                    QGuiApplication::primaryScreen()->grabWindow(0, all.x(), all.y(), all.width(), all.height()).toImage();
                if (all != shown || now != last)
                    still.restart();
                shown = all;
                last = now;
                return still.hasExpired(3000);
            },
            120000);
        QVERIFY2(settled, "the editor's windows did not come up and settle");
        const QString screenshot = QStringLiteral(PLIVEX_BUILD_DIR "screenshots/main-window.png");
        QVERIFY(QDir().mkpath(QFileInfo(screenshot).absolutePath()));
        QVERIFY2(last.save(screenshot), qPrintable(screenshot));

        // Ctrl+Q, as a user closes it, so that it writes its settings.
        const Run main = run(QStringLiteral("xdotool"), {QStringLiteral("search"), QStringLiteral("--onlyvisible"),
                                                         QStringLiteral("--name"), QStringLiteral("Plivex")},
                             {}, 10000);
        const QString mainWindow = main.out.section(QLatin1Char('\n'), 0, 0);
        QVERIFY2(!mainWindow.isEmpty(), "no main window");
        QCOMPARE(run(QStringLiteral("xdotool"), {QStringLiteral("windowfocus"), QStringLiteral("--sync"), mainWindow}, {}, 10000)
                     .exitCode,
                 0);
        QCOMPARE(run(QStringLiteral("xdotool"), {QStringLiteral("key"), QStringLiteral("ctrl+q")}, {}, 10000).exitCode, 0);
        QVERIFY2(editor.waitForFinished(60000), "the editor did not end on Ctrl+Q");
        QCOMPARE(editor.exitCode(), 0);

        const QString settings = config + QStringLiteral("/plivex/plivex.ini");
        const QByteArray written = readTestFile(settings);
        QVERIFY2(written.contains("[Positions]"), qPrintable(settings));
        QVERIFY2(written.contains(QFileInfo(menu).fileName().toUtf8()), written.constData());
        QVERIFY(!QFileInfo::exists(programFolder() + QStringLiteral("plivex.ini")));
    }
};

PLIVEX_TEST_MAIN(PackageTest)
#include "package_test.moc"
