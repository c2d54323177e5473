// The one decision before a data file is written: what each file is to the
// project, and what is asked on each road, with No as every answer's default.

#include "project/model/project.h"
#include "project/lifecycle/writedecision.h"
#include "support/scripteddialogs.h"
#include "support/testfiles.h"
#include "support/testmain.h"

#include <QDir>
#include <QTemporaryDir>
#include <QtTest>

Q_DECLARE_METATYPE(Project::FileRead)
Q_DECLARE_METATYPE(WriteRoad)
Q_DECLARE_METATYPE(WriteAnswer)

namespace {

// A program folder with a shipped default project, and a site beside it.
struct Place
{
    QTemporaryDir dir;
    Project project;
    QString program() const { return dir.filePath(QStringLiteral("program/")); }
    QString site(const QString &name) const { return dir.filePath(QStringLiteral("site/") + name); }
    Place()
    {
        QDir(dir.path()).mkpath(QStringLiteral("program/default_scripts/ostrel-menu"));
        QDir(dir.path()).mkpath(QStringLiteral("site/sub"));
        writeTestFile(program() + QStringLiteral("default_scripts/ostrel-menu/default.js"), "shipped");
        writeTestFile(site(QStringLiteral("menu.js")), "own");
        writeTestFile(site(QStringLiteral("tabs.js")), "other");
        project.ProgramFolder = program();
        project.CurrentFileName = site(QStringLiteral("menu.js"));
    }
};

} // namespace

class WriteDecisionTest : public QObject
{
    Q_OBJECT

private slots:
    // `path` is relative to the site folder ("@program" for the shipped
    // default project); `asked` the kind of box shown, empty for none.
    void everyFileState_onEachRoad_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<Project::FileRead>("read");
        QTest::addColumn<WriteRoad>("road");
        QTest::addColumn<Dialogs::Answer>("answer");
        QTest::addColumn<WriteAnswer>("decided");
        QTest::addColumn<QString>("asked");
        using R = Project::FileRead;
        using D = Dialogs::Answer;
        const WriteRoad roads[] = {WriteRoad::Command, WriteRoad::Window};
        for (const WriteRoad road : roads) {
            const bool window = road == WriteRoad::Window;
            const char *r = window ? "window: " : "command: ";
            const WriteAnswer refused = window ? WriteAnswer::Stop : WriteAnswer::AnotherName;
            QTest::addRow("%snew file", r) << "new.js" << R::Whole << road << D::No << WriteAnswer::Write << "";
            QTest::addRow("%sown file read whole", r) << "menu.js" << R::Whole << road << D::No << WriteAnswer::Write << "";
            QTest::addRow("%sown file by a relative name", r)
                << "sub/../menu.js" << R::Whole << road << D::No << WriteAnswer::Write << "";
            QTest::addRow("%sown file read in part, No", r) << "menu.js" << R::Incomplete << road << D::No << refused << "noYes";
            QTest::addRow("%sown file read in part, Yes", r)
                << "menu.js" << R::Incomplete << road << D::Yes << WriteAnswer::Write << "noYes";
            QTest::addRow("%sown file no menu, No", r) << "menu.js" << R::NotAMenu << road << D::No << refused << "noYes";
            QTest::addRow("%sown file no menu, Yes", r) << "menu.js" << R::NotAMenu << road << D::Yes << WriteAnswer::Write << "noYes";
            QTest::addRow("%sother file, No", r) << "tabs.js" << R::Whole << road << D::No << refused << "noYes";
            QTest::addRow("%sother file, Yes", r) << "tabs.js" << R::Whole << road << D::Yes << WriteAnswer::Write << "noYes";
            QTest::addRow("%sother file while own is in part", r)
                << "tabs.js" << R::Incomplete << road << D::No << refused << "noYes";
            QTest::addRow("%sprogram's own, even after Yes", r) << "@program" << R::Whole << road << D::Yes << refused << "error";
            QTest::addRow("%sa folder", r) << "sub" << R::Whole << road << D::Yes << WriteAnswer::Stop << "error";
        }
    }
    void everyFileState_onEachRoad()
    {
        QFETCH(QString, path);
        QFETCH(Project::FileRead, read);
        QFETCH(WriteRoad, road);
        QFETCH(Dialogs::Answer, answer);
        QFETCH(WriteAnswer, decided);
        QFETCH(QString, asked);
        Place place;
        ScriptedDialogs boxes;
        place.project.currentFileRead = read;
        const QString target = path == QLatin1String("@program")
                                   ? place.program() + QStringLiteral("default_scripts/ostrel-menu/default.js")
                                   : place.site(path);
        boxes.answers.enqueue(answer);
        QCOMPARE(decideWrite(place.project, target, road), decided);
        QCOMPARE(boxes.asked.size(), asked.isEmpty() ? 0 : 1);
        if (!asked.isEmpty()) {
            QCOMPARE(boxes.asked.constFirst().kind, asked);
            // On the command's road No leads to another name, and says so.
            QCOMPARE(boxes.asked.constFirst().text.contains(QStringLiteral("(No: save it under another name.)")),
                     road == WriteRoad::Command && asked == QLatin1String("noYes"));
        }
    }

    void saveWindow_neverProposesAFileItWouldLose_data()
    {
        QTest::addColumn<Project::FileRead>("read");
        QTest::addColumn<bool>("shipped");
        QTest::addColumn<bool>("proposed");
        QTest::newRow("read whole") << Project::FileRead::Whole << false << true;
        QTest::newRow("read in part") << Project::FileRead::Incomplete << false << false;
        QTest::newRow("no menu") << Project::FileRead::NotAMenu << false << false;
        QTest::newRow("the program's own") << Project::FileRead::Whole << true << false;
    }
    void saveWindow_neverProposesAFileItWouldLose()
    {
        QFETCH(Project::FileRead, read);
        QFETCH(bool, shipped);
        QFETCH(bool, proposed);
        Place place;
        place.project.currentFileRead = read;
        if (shipped)
            place.project.CurrentFileName = place.program() + QStringLiteral("default_scripts/ostrel-menu/default.js");
        QCOMPARE(mayProposeCurrentFile(place.project), proposed);
        place.project.CurrentFileName.clear();
        QVERIFY(!mayProposeCurrentFile(place.project));
    }
};

PLIVEX_TEST_MAIN(WriteDecisionTest)
#include "writedecision_test.moc"
