// Random user commands through the real windows and pages, checked step by
// step against what the walk expects (see support/modelwalk.h). The fixed
// seed runs here; bench_modelwalk runs long walks from any seed.

#include "app/programwindows.h"
#include "project/model/project.h"
#include "support/appfixture.h"
#include "support/modelwalk.h"
#include "support/testmain.h"
#include "support/webharness.h"

#include <cstdio>

namespace {

// The default project of a type, the windows made as start-up makes them.
void openDefaultProject(AppFixture &app, int type)
{
    app.createWindows();
    app.chooseMenuType(type);
    QVERIFY(app.waitForParameterPage());
}

} // namespace

class ModelWalkTest : public QObject
{
    Q_OBJECT

private slots:
    void walk_fixedSeed_treePageAndFileAgree_undoAndRedoGiveBackTheFiles()
    {
        AppFixture app;
        openDefaultProject(app, 0);
        ModelWalk walk(app, app.folder() + QStringLiteral("walk.js"), 20261208);
        const int steps = 600;
        const bool passed = walk.walk(steps, 50);
        // The whole report is longer than a test message may be.
        if (!passed)
            std::fprintf(stderr, "%s\n", qPrintable(walk.report()));
        QVERIFY2(passed, qPrintable(walk.failure()));
        // The walk went through every kind of step, and most of its
        // commands changed the project.
        for (const char *kind : {"select", "addItem", "addSubitem", "delete", "moveUp", "moveDown", "indent", "outdent",
                                 "rename", "field", "param", "styleAdd", "styleEdit", "styleDelete", "theme", "import",
                                 "undo", "redo", "round"})
            QVERIFY2(walk.counts().value(QString::fromLatin1(kind)) > 0, kind);
        QVERIFY2(walk.changes() > steps / 3, qPrintable(QString::number(walk.changes())));
    }

    // Walks the fixed seed once led to, each the shortest that failed.
    void replay_data()
    {
        QTest::addColumn<int>("type");
        QTest::addColumn<QStringList>("steps");
        // Removing rows moved the selection before the change was marked,
        // and that moved selection was taken for where the change began.
        QTest::newRow("undo of a delete selects the item again") << 0 << QStringList{"select 0", "delete", "undo"};
        // A page call made while the focus had moved and the selection not
        // yet ran the event loop, where the change was recorded half made.
        QTest::newRow("redo of a second added item selects it")
            << 0 << QStringList{"addItem", "addItem", "undo", "undo", "redo", "redo"};
        // Redo went off while the change waited to be recorded, and stayed
        // off when the change came to nothing.
        QTest::newRow("a move that changes nothing leaves redo on")
            << 0 << QStringList{"addItem", "addSubitem", "undo", "outdent", "redo"};
        // A walk's report names its steps this way, to be run again alone
        // (WALK_TYPE: the menu type it ran in).
        if (qEnvironmentVariableIsSet("WALK_STEPS"))
            QTest::newRow("WALK_STEPS") << qEnvironmentVariableIntValue("WALK_TYPE")
                                        << qEnvironmentVariable("WALK_STEPS").split(QLatin1Char(','));
    }
    void replay()
    {
        QFETCH(int, type);
        QFETCH(QStringList, steps);
        AppFixture app;
        openDefaultProject(app, type);
        ModelWalk walk(app, app.folder() + QStringLiteral("walk.js"), 0);
        const bool passed = walk.replay(steps);
        if (!passed)
            std::fprintf(stderr, "%s\n", qPrintable(walk.report()));
        QVERIFY2(passed, qPrintable(walk.failure()));
    }
};

PLIVEX_TEST_MAIN(ModelWalkTest)
#include "modelwalk_test.moc"
