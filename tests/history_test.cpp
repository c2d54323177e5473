#include "project/history.h"
#include "project/recoveryfile.h"
#include "support/testmain.h"

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <csignal>
#include <unistd.h>

namespace {

HistoryState state(const QString &text, const QString &change = {})
{
    HistoryState s;
    s.dataText = text;
    s.change = change;
    return s;
}

} // namespace

class HistoryTest : public QObject
{
    Q_OBJECT

private slots:
    void undoRedo_walkTheStatesAndNameTheChanges()
    {
        History h;
        h.reset(state("base"), true);
        QVERIFY(!h.canUndo());
        QVERIFY(h.record(state("one", "Add Item")));
        QVERIFY(h.record(state("two", "Move Items")));
        QVERIFY(!h.record(state("two", "Nothing")));
        QCOMPARE(h.count(), 3);
        QCOMPARE(h.undoChange(), QStringLiteral("Move Items"));
        QCOMPARE(h.undo()->dataText, QStringLiteral("one"));
        QCOMPARE(h.undoChange(), QStringLiteral("Add Item"));
        QCOMPARE(h.redoChange(), QStringLiteral("Move Items"));
        QCOMPARE(h.undo()->dataText, QStringLiteral("base"));
        QVERIFY(h.currentIsSaved());
        QCOMPARE(h.undo(), nullptr);
        QCOMPARE(h.redo()->dataText, QStringLiteral("one"));
        QVERIFY(!h.currentIsSaved());
    }

    void record_afterUndo_dropsTheRedo_andASavedStateAheadIsForgotten()
    {
        History h;
        h.reset(state("base"), false);
        h.record(state("one"));
        h.markSaved();
        h.undo();
        QVERIFY(h.canRedo());
        h.record(state("other", "Parameter Change"));
        QVERIFY(!h.canRedo());
        QCOMPARE(h.count(), 2);
        h.undo();
        h.redo();
        QVERIFY(!h.currentIsSaved());
    }

    void limits_keepTheNewestStatesAndBytes()
    {
        History h;
        h.reset(state("s0"), true);
        for (int i = 1; i <= 150; ++i)
            h.record(state(QStringLiteral("s%1").arg(i)));
        QCOMPARE(h.count(), History::kMaxStates);
        int undone = 0;
        while (h.undo())
            ++undone;
        QCOMPARE(undone, History::kMaxStates - 1);
        QCOMPARE(h.current()->dataText, QStringLiteral("s51"));
        QVERIFY(!h.currentIsSaved()); // the saved state went with the oldest

        History big;
        const QString tenMb(5 * 1024 * 1024, QLatin1Char('x')); // 10 MB as UTF-16
        big.reset(state(tenMb + "0"), false);
        for (int i = 1; i <= 10; ++i)
            big.record(state(tenMb + QString::number(i)));
        QVERIFY(big.bytes() <= History::kMaxBytes);
        QCOMPARE(big.count(), 6);
    }

    void recoveryFile_roundTripsAndRefusesGarbage()
    {
        QTemporaryDir dir;
        RecoveryFile file(dir.path());
        QVERIFY(!file.exists());
        RecoveryFile::Contents in;
        in.dataText = QStringLiteral("var menuItems=[\"Ж\\\"\"];\r\nqrn_init();");
        in.menuType = 3;
        in.fileName = QStringLiteral("/home/a b/menu\tx.js");
        in.written = QDateTime(QDate(2026, 12, 7), QTime(10, 20, 30, 400), Qt::UTC);
        QVERIFY(file.write(in));
        RecoveryFile::Contents out;
        QVERIFY(file.read(out));
        QCOMPARE(out.dataText, in.dataText);
        QCOMPARE(out.menuType, 3);
        QCOMPARE(out.fileName, in.fileName);
        QCOMPARE(out.written, in.written);

        QFile f(file.path());
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("var x=1;\nno header");
        f.close();
        QVERIFY(!file.read(out));
        file.remove();
        QVERIFY(!file.exists());
    }

    // Run as a child process by the test below: writes and dies at once.
    void childWritesThenIsKilled()
    {
        const QString folder = qEnvironmentVariable("PLIVEX_RECOVERY_CHILD");
        if (folder.isEmpty())
            QSKIP("runs only as the child of recoveryFile_killedProcess_leavesARestorableFile");
        RecoveryFile::Contents c;
        c.dataText = QStringLiteral("var menuItems=[];");
        c.menuType = 1;
        c.written = QDateTime::currentDateTimeUtc();
        RecoveryFile(folder).write(c);
        ::kill(::getpid(), SIGKILL);
    }

    void recoveryFile_killedProcess_leavesARestorableFile()
    {
        QTemporaryDir dir;
        QProcess child;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("PLIVEX_RECOVERY_CHILD"), dir.path());
        child.setProcessEnvironment(env);
        child.start(QCoreApplication::applicationFilePath(), {QStringLiteral("childWritesThenIsKilled")});
        QVERIFY(child.waitForFinished(30000));
        QCOMPARE(child.exitStatus(), QProcess::CrashExit);
        RecoveryFile::Contents c;
        QVERIFY(RecoveryFile(dir.path()).read(c));
        QCOMPARE(c.menuType, 1);
        QCOMPARE(c.dataText, QStringLiteral("var menuItems=[];"));
    }
};

PLIVEX_TEST_MAIN(HistoryTest)
#include "history_test.moc"
