// File > Add to Page...: what the user is asked and shown before anything is
// written, and that the answer decides what is written.

#include "project/site/addtopages.h"
#include "project/model/project.h"
#include "support/fakepage.h"
#include "support/scripteddialogs.h"
#include "support/testfiles.h"
#include "support/testmain.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

namespace {

const QByteArray kPage = "<!DOCTYPE html>\n<html><head><title>P</title></head>\n<body>\n<p>x</p>\n</body></html>\n";

// A saved menu in site/js/ with two items, its links read against the data
// file, and the program's engine in a program folder of its own.
struct Site
{
    QTemporaryDir dir;
    Project project;
    FakePage params;
    int saves = 0;
    bool saveSucceeds = true;
    bool mustSaveFirst = false;

    Site()
    {
        QDir(dir.path()).mkpath(QStringLiteral("site/js"));
        QDir(dir.path()).mkpath(QStringLiteral("site/classes"));
        QDir(dir.path()).mkpath(QStringLiteral("program"));
        writeTestFile(path(QStringLiteral("program/qrnmenu.js")), "engine");
        writeTestFile(path(QStringLiteral("site/js/nav.js")), "saved");
        writeTestFile(path(QStringLiteral("site/index.html")), kPage);
        writeTestFile(path(QStringLiteral("site/classes/hatha.html")), kPage);
        project.ProgramFolder = path(QStringLiteral("program/"));
        project.CurrentFileName = path(QStringLiteral("site/js/nav.js"));
        TItem home;
        home.Params[0] = QStringLiteral("Home");
        home.Params[1] = QStringLiteral("../index.html");
        TItem hatha;
        hatha.Params[0] = QStringLiteral("Hatha");
        hatha.Params[1] = QStringLiteral("../classes/hatha.html");
        project.items().append(project.items().append({}, home), hatha);
        project.setModified(false);
        params.completeLoad();
        params.setAnswer(QStringLiteral("qrn_getLinkBase"), QStringLiteral("data"));
    }
    QString path(const QString &relative) const { return dir.filePath(relative); }
    QString pages() const
    {
        return path(QStringLiteral("site/index.html")) + QLatin1Char('\n') + path(QStringLiteral("site/classes/hatha.html"));
    }
    bool run()
    {
        return addMenuToPages(project, params, mustSaveFirst, [this] {
            ++saves;
            if (saveSucceeds)
                project.setModified(false);
            return saveSucceeds;
        });
    }
};

} // namespace

class AddToPagesTest : public QObject
{
    Q_OBJECT

private slots:
    void pagesPicked_showTheChangeFirst_andAreWrittenOnYes()
    {
        Site site;
        ScriptedDialogs dialogs;
        dialogs.files << site.pages();
        dialogs.answers << Dialogs::Answer::Yes;
        QVERIFY(site.run());
        QCOMPARE(site.saves, 0);
        // The pages are picked in the site folder.
        QCOMPARE(dialogs.fileRequests.value(0).startPath, site.path(QStringLiteral("site/")));
        const QStringList asked = dialogs.textsOf(QStringLiteral("write"));
        QCOMPARE(asked.size(), 1);
        QCOMPARE(asked.first(), QStringLiteral("Add the menu to these pages?\r"
                                               "index.html: the menu goes at the start of its body.\r"
                                               "classes/hatha.html: the menu goes at the start of its body.\r"
                                               "js/qrnmenu.js: copied from the program beside the data file.\r"
                                               "Each page as it was is kept beside it, its name ending in \"~\"."));
        const QString diff = dialogs.changesShown.first();
        QVERIFY(diff.contains(QStringLiteral("+++ %1").arg(site.path(QStringLiteral("site/classes/hatha.html")))));
        QVERIFY(diff.contains(QStringLiteral("+    <li><a href=\"hatha.html\">Hatha</a></li>")));
        const QByteArray written = readTestFile(site.path(QStringLiteral("site/classes/hatha.html")));
        QVERIFY(written.contains("<script src=\"../js/qrnmenu.js\"></script>\n<script src=\"../js/nav.js\"></script>"));
        QVERIFY(written.contains("<a href=\"../index.html\">Home</a>"));
        QCOMPARE(readTestFile(site.path(QStringLiteral("site/index.html~"))), kPage);
        QCOMPARE(readTestFile(site.path(QStringLiteral("site/js/qrnmenu.js"))), QByteArray("engine"));

        // Again: nothing to write, and the user is told so.
        dialogs.files << site.pages();
        QVERIFY(!site.run());
        QCOMPARE(dialogs.textsOf(QStringLiteral("write")).size(), 1);
        QCOMPARE(dialogs.textsOf(QStringLiteral("message")).value(0),
                 QStringLiteral("index.html: up to date.\rclasses/hatha.html: up to date."));
    }

    void noAnswer_writesNothing_data()
    {
        QTest::addColumn<QString>("picked");
        QTest::addColumn<QList<Dialogs::Answer>>("answers");
        QTest::addColumn<bool>("modified");
        QTest::newRow("the change declined") << QStringLiteral("pages") << QList<Dialogs::Answer>{Dialogs::Answer::No} << false;
        QTest::newRow("no page picked") << QString() << QList<Dialogs::Answer>() << false;
        QTest::newRow("unsaved changes kept unsaved")
            << QStringLiteral("pages") << QList<Dialogs::Answer>{Dialogs::Answer::No} << true;
        QTest::newRow("a default project not saved as the user's own")
            << QStringLiteral("default") << QList<Dialogs::Answer>{Dialogs::Answer::No} << true;
    }
    void noAnswer_writesNothing()
    {
        QFETCH(QString, picked);
        QFETCH(QList<Dialogs::Answer>, answers);
        QFETCH(bool, modified);
        Site site;
        if (picked == QLatin1String("default"))
            site.mustSaveFirst = true;
        else
            site.project.setModified(modified);
        ScriptedDialogs dialogs;
        dialogs.files << (picked.isEmpty() ? QString() : site.pages());
        for (Dialogs::Answer a : answers)
            dialogs.answers << a;
        QVERIFY(!site.run());
        QCOMPARE(readTestFile(site.path(QStringLiteral("site/index.html"))), kPage);
        QVERIFY(!QFileInfo::exists(site.path(QStringLiteral("site/index.html~"))));
        QVERIFY(!QFileInfo::exists(site.path(QStringLiteral("site/js/qrnmenu.js"))));
        QCOMPARE(site.saves, 0);
        // Changes not saved: no page is even asked for.
        QCOMPARE(dialogs.fileRequests.isEmpty(), modified);
    }

    void unsavedChanges_areSavedFirst_whenTheUserAgrees()
    {
        Site site;
        site.project.setModified(true);
        ScriptedDialogs dialogs;
        dialogs.answers << Dialogs::Answer::Yes << Dialogs::Answer::Yes;
        dialogs.files << site.pages();
        QVERIFY(site.run());
        QCOMPARE(site.saves, 1);
        QCOMPARE(dialogs.textsOf(QStringLiteral("yesNo")),
                 QStringList{QStringLiteral("Pages load the menu from its saved data file.\rSave the menu now?")});

        // A save that fails goes no further.
        Site unsaved;
        unsaved.project.setModified(true);
        unsaved.saveSucceeds = false;
        ScriptedDialogs again;
        again.answers << Dialogs::Answer::Yes;
        QVERIFY(!unsaved.run());
        QVERIFY(again.fileRequests.isEmpty());
    }

    void pagesThatCannotTakeTheBlock_areNamed_andTheOthersWritten()
    {
        Site site;
        const QString noBody = site.path(QStringLiteral("site/nobody.html"));
        writeTestFile(noBody, "<html><p>x</p></html>");
        ScriptedDialogs dialogs;
        dialogs.files << noBody + QLatin1Char('\n') + site.path(QStringLiteral("site/index.html"));
        dialogs.answers << Dialogs::Answer::Yes;
        QVERIFY(site.run());
        const QString asked = dialogs.textsOf(QStringLiteral("write")).value(0);
        QVERIFY2(asked.contains(QStringLiteral("nobody.html: left as it is: it has no <body> tag.")), qPrintable(asked));
        QCOMPARE(readTestFile(noBody), QByteArray("<html><p>x</p></html>"));
        QVERIFY(readTestFile(site.path(QStringLiteral("site/index.html"))).contains("<noscript>"));

        // Only such pages: an error, and nothing to agree to.
        ScriptedDialogs only;
        only.files << noBody;
        QVERIFY(!site.run());
        QVERIFY(only.textsOf(QStringLiteral("write")).isEmpty());
        QVERIFY(only.textsOf(QStringLiteral("error")).value(0).startsWith(QStringLiteral("No page was changed.\r")));
    }
};

PLIVEX_TEST_MAIN(AddToPagesTest)
#include "addtopages_test.moc"
