// Links relative to the site: picked files become links from the project's
// links folder, local full paths are recognised wherever they come from, and
// the folder chosen for a data file is remembered outside it. File dialogs
// never open in the program's folder, whose default projects and themes are
// never written over.

#include "app/linkfoldersettings.h"
#include "project/platform/dialogs.h"
#include "project/site/linkfolders.h"
#include "project/site/linkpaths.h"
#include "project/platform/programfolder.h"
#include "support/testfiles.h"
#include "support/testmain.h"

#include <QDir>
#include <QTemporaryDir>

class LinkFoldersTest : public QObject
{
    Q_OBJECT

private slots:
    void linkRelativeTo_data()
    {
        QTest::addColumn<QString>("picked");
        QTest::addColumn<QString>("folder");
        QTest::addColumn<QString>("link");
        QTest::newRow("inside") << "/site/img/a.gif" << "/site/" << "img/a.gif";
        QTest::newRow("folder without its slash") << "/site/img/a.gif" << "/site" << "img/a.gif";
        QTest::newRow("beside, one up") << "/site/img/a.gif" << "/site/pages/" << "../img/a.gif";
        QTest::newRow("two up and down") << "/site/img/a.gif" << "/site/pages/en/" << "../../img/a.gif";
        QTest::newRow("nothing in common but the root") << "/pics/a.gif" << "/site/pages/" << "../../pics/a.gif";
        QTest::newRow("a name that only starts like the folder") << "/site2/a.html" << "/site/" << "../site2/a.html";
        QTest::newRow("a file named like a folder of the way")
            << "/site/pages" << "/site/pages/en/" << "../../pages";
        QTest::newRow("dots in the picked path") << "/site/pages/../img/./a.gif" << "/site/" << "img/a.gif";
        QTest::newRow("spaces kept") << "/my site/about us.html" << "/my site/" << "about us.html";
        QTest::newRow("spaces up") << "/my site/img/a b.png" << "/my site/en pages/" << "../img/a b.png";
        QTest::newRow("drive, backslashes") << "C:\\Web\\img\\a.gif" << "C:\\Web\\pages\\" << "../img/a.gif";
        QTest::newRow("drive letters differ in case") << "c:/Web/a.gif" << "C:/web/" << "a.gif";
        QTest::newRow("another drive stays whole") << "D:\\pics\\a.gif" << "C:\\Web\\" << "D:/pics/a.gif";
        QTest::newRow("file URL") << "file:///site/img/a%20b.gif" << "/site/pages/" << "../img/a b.gif";
        QTest::newRow("file URL with a drive") << "file:///C:/Web/img/a.gif" << "C:/Web/" << "img/a.gif";
        QTest::newRow("no folder yet") << "/site/img/a.gif" << "" << "/site/img/a.gif";
    }
    void linkRelativeTo()
    {
        QFETCH(QString, picked);
        QFETCH(QString, folder);
        QFETCH(QString, link);
        QCOMPARE(::linkRelativeTo(picked, folder), link);
    }

    void isLocalAbsolutePath_data()
    {
        QTest::addColumn<QString>("value");
        QTest::addColumn<bool>("local");
        QTest::newRow("home") << "/home/ann/site/a.html" << true;
        QTest::newRow("mac home") << "/Users/ann/a.gif" << true;
        QTest::newRow("temporary") << "/tmp/a.gif" << true;
        QTest::newRow("tilde") << "~/site/a.html" << true;
        QTest::newRow("drive") << "C:\\Web\\a.html" << true;
        QTest::newRow("drive, slashes") << "d:/Web/a.html" << true;
        QTest::newRow("share") << "\\\\server\\web\\a.html" << true;
        QTest::newRow("file URL") << "file:///home/ann/a.html" << true;
        QTest::newRow("file URL in capitals") << " FILE:///C:/a.html" << true;
        QTest::newRow("site root link") << "/about.html" << false;
        QTest::newRow("site folder link") << "/products/a.html" << false;
        QTest::newRow("a site folder named home, no file") << "/home" << false;
        QTest::newRow("relative") << "img/a.gif" << false;
        QTest::newRow("up") << "../img/a.gif" << false;
        QTest::newRow("web") << "https://example.com/home/a.html" << false;
        QTest::newRow("without scheme") << "//cdn.example.com/tmp/a.gif" << false;
        QTest::newRow("mail") << "mailto:ann@example.com" << false;
        QTest::newRow("script") << "javascript:void(0)" << false;
        QTest::newRow("empty") << "" << false;
    }
    void isLocalAbsolutePath()
    {
        QFETCH(QString, value);
        QFETCH(bool, local);
        QCOMPARE(::isLocalAbsolutePath(value), local);
    }

    void linkFolders_defaultToTheDataFilesFolder_andKeepAChoice()
    {
        LinkFolders folders;
        QCOMPARE(folders.folderFor(QStringLiteral("/site/menu/data.js")), QStringLiteral("/site/menu/"));
        QCOMPARE(folders.folderFor(QString()), QString());
        QVERIFY(!folders.isChosen(QStringLiteral("/site/menu/data.js")));

        folders.choose(QStringLiteral("/site/menu/data.js"), QStringLiteral("/site"));
        QCOMPARE(folders.folderFor(QStringLiteral("/site/menu/data.js")), QStringLiteral("/site/"));
        QVERIFY(folders.isChosen(QStringLiteral("/site/menu/data.js")));
        QCOMPARE(folders.folderFor(QStringLiteral("/site/menu/other.js")), QStringLiteral("/site/menu/"));
        // A project without a file goes on with the folder chosen last.
        QCOMPARE(folders.folderFor(QString()), QStringLiteral("/site/"));

        // Choosing the file's own folder is the default again: nothing kept.
        folders.choose(QStringLiteral("/site/menu/data.js"), QStringLiteral("/site/menu/"));
        QVERIFY(!folders.isChosen(QStringLiteral("/site/menu/data.js")));
        QCOMPARE(folders.entries(), (QList<QPair<QString, QString>>{{QString(), QStringLiteral("/site/menu/")}}));
    }

    void linkFolders_followAProjectThatIsSavedElsewhere()
    {
        LinkFolders folders;
        folders.used(QStringLiteral("/site/data.js"));
        // A new project's links were picked relative to /site/: saved in a
        // subfolder, they still are.
        folders.saved(QString(), QStringLiteral("/site/menus/new.js"));
        QCOMPARE(folders.folderFor(QStringLiteral("/site/menus/new.js")), QStringLiteral("/site/"));
        // Saved beside the folder: the default, nothing to keep.
        folders.saved(QStringLiteral("/site/menus/new.js"), QStringLiteral("/site/copy.js"));
        QVERIFY(!folders.isChosen(QStringLiteral("/site/copy.js")));
        QCOMPARE(folders.folderFor(QString()), QStringLiteral("/site/"));

        // A file's own folder does not follow it: a copy saved elsewhere
        // starts from its own, as an opened default project does.
        folders.saved(QStringLiteral("/program/defaults/default.js"), QStringLiteral("/site/menus/b.js"));
        QVERIFY(!folders.isChosen(QStringLiteral("/site/menus/b.js")));
        QCOMPARE(folders.folderFor(QStringLiteral("/site/menus/b.js")), QStringLiteral("/site/menus/"));

        LinkFolders fresh;
        fresh.saved(QString(), QStringLiteral("/a/data.js"));
        QVERIFY(!fresh.isChosen(QStringLiteral("/a/data.js")));
        QCOMPARE(fresh.folderFor(QStringLiteral("/a/data.js")), QStringLiteral("/a/"));
    }

    void linkFolders_surviveTheSettingsFile_andStayBounded()
    {
        QTemporaryDir dir;
        const QString ini = dir.filePath(QStringLiteral("plivex.ini"));
        QVERIFY(writeTestFile(ini, "[Recent Files]\nfile0=/site/data.js\n"));
        LinkFolders folders;
        for (int i = 0; i < LinkFolders::kMaxKept + 5; ++i)
            folders.choose(QStringLiteral("/files/%1/data.js").arg(i), QStringLiteral("/site %1/").arg(i));
        QVERIFY(writeLinkFolders(ini, folders));

        LinkFolders read;
        readLinkFolders(ini, read);
        QCOMPARE(read.entries(), folders.entries());
        QCOMPARE(read.entries().size(), LinkFolders::kMaxKept + 1);
        QCOMPARE(read.folderFor(QStringLiteral("/files/104/data.js")), QStringLiteral("/site 104/"));
        // The oldest choices went.
        QCOMPARE(read.folderFor(QStringLiteral("/files/0/data.js")), QStringLiteral("/files/0/"));
        QVERIFY(readTestFile(ini).contains("file0=/site/data.js"));

        // A shorter list leaves no older entries behind.
        LinkFolders one;
        one.choose(QStringLiteral("/x/data.js"), QStringLiteral("/y/"));
        QVERIFY(writeLinkFolders(ini, one));
        LinkFolders again;
        readLinkFolders(ini, again);
        QCOMPARE(again.entries(), one.entries());
    }

    void fileDialogStartPath_data()
    {
        QTest::addColumn<QString>("wanted");
        QTest::addColumn<QString>("last");
        QTest::addColumn<QString>("start");
        QTest::newRow("a user's folder") << "/home/ann/site/" << "/home/ann/last" << "/home/ann/site";
        QTest::newRow("a user's file") << "/home/ann/site/data.js" << "" << "/home/ann/site/data.js";
        QTest::newRow("nothing: the last folder") << "" << "/home/ann/last" << "/home/ann/last";
        QTest::newRow("nothing, nothing before: documents") << "" << "" << "/home/ann/Documents";
        QTest::newRow("the program's folder") << "/opt/plivex/" << "" << "/home/ann/Documents";
        QTest::newRow("a default project: its name elsewhere")
            << "/opt/plivex/default_scripts/tabs/default.js" << "/home/ann/last" << "/home/ann/last/default.js";
        QTest::newRow("a last folder in the program's folder")
            << "" << "/opt/plivex/themes" << "/home/ann/Documents";
    }
    void fileDialogStartPath()
    {
        QFETCH(QString, wanted);
        QFETCH(QString, last);
        QFETCH(QString, start);
        QCOMPARE(::fileDialogStartPath(wanted, last, QStringLiteral("/opt/plivex/"), QStringLiteral("/home/ann/Documents")),
                 start);
    }

    void shippedFiles_areTheDefaultProjectsAndThemes()
    {
        QTemporaryDir dir;
        const QString program = dir.path() + QStringLiteral("/program/");
        QVERIFY(QDir().mkpath(program + QStringLiteral("default_scripts/tabs")));
        QVERIFY(QDir().mkpath(program + QStringLiteral("themes/tabs")));
        QVERIFY(writeTestFile(program + QStringLiteral("default_scripts/tabs/default.js"), "var x;"));
        QVERIFY(QFile::link(program, dir.filePath(QStringLiteral("through-a-link"))));
        const QList<QPair<QString, bool>> cases = {
            {program + QStringLiteral("default_scripts/tabs/default.js"), true},
            {program + QStringLiteral("themes/tabs/Dark.js"), true},
            {dir.filePath(QStringLiteral("through-a-link/default_scripts/tabs/default.js")), true},
            {program + QStringLiteral("default_scripts_mine/data.js"), false},
            {program + QStringLiteral("data.js"), false},
            {dir.filePath(QStringLiteral("data.js")), false},
            {QString(), false}};
        for (const auto &[path, shipped] : cases)
            QVERIFY2(isShippedFile(path, program) == shipped, qPrintable(path));
    }
};

PLIVEX_TEST_MAIN(LinkFoldersTest)
#include "linkfolders_test.moc"
