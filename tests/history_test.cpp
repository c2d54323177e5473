#include "project/history/history.h"
#include "project/model/itemedits.h"
#include "project/model/outline.h"
#include "project/model/project.h"
#include "project/history/projecthistory.h"
#include "project/lifecycle/recoveryfile.h"
#include "project/lifecycle/recoveryoffer.h"
#include "support/scripteddialogs.h"
#include "support/testmain.h"

#include <QItemSelectionModel>

#include <QDir>
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

QString outlineOf(const Project &p)
{
    QList<LeveledItem> all;
    p.items().walk([&all](const QModelIndex &, const TItem &item, int level) { all.append({level, item}); });
    return writeOutline(all);
}

// Every field of every item, one line per item: an undo of any field shows.
QString fieldsOf(const Project &p)
{
    QStringList lines;
    p.items().walk([&lines](const QModelIndex &, const TItem &item, int level) {
        QStringList line{QString::number(level)};
        for (const QString &f : item.Params)
            line << f;
        lines << line.join(QLatin1Char('\t'));
    });
    return lines.join(QLatin1Char('\n'));
}

QList<LeveledItem> readFields(const QString &text)
{
    QList<LeveledItem> items;
    for (const QString &line : text.split(QLatin1Char('\n'), Qt::SkipEmptyParts)) {
        const QStringList parts = line.split(QLatin1Char('\t'));
        LeveledItem i;
        i.level = parts.value(0).toInt();
        for (int f = 0; f < TItem::kParamCount; ++f)
            i.item.Params[size_t(f)] = parts.value(f + 1);
        items << i;
    }
    return items;
}

// A project whose data text is its items as an outline (or as `write`
// gives them), so undo can be tested through every item operation without
// the pages.
struct Undoable
{
    using Write = QString (*)(const Project &);
    using Read = QList<LeveledItem> (*)(const QString &);
    explicit Undoable(Write write = outlineOf, Read read = readOutline)
        : history(project, selection,
                  {[this, write] { return write(project); },
                   [this, read](const QString &text) {
                       project.items().clear();
                       project.items().insertLeveled({}, 0, read(text));
                       return true;
                   }},
                  RecoveryFile(dir.path()))
    {
    }
    ScriptedDialogs dialogs;
    QTemporaryDir dir;
    Project project;
    QItemSelectionModel selection{&project.items()};
    ItemEdits edits{project, selection};
    ProjectHistory history;
};

// Items A and B whose every field is in the data text.
struct FieldUndoable : Undoable
{
    FieldUndoable()
        : Undoable(fieldsOf, readFields)
    {
        project.items().insertLeveled({}, 0, readOutline(QStringLiteral("A\nB")));
        history.reset();
    }
    void select(int row)
    {
        selection.setCurrentIndex(project.items().index(row, 0), QItemSelectionModel::ClearAndSelect);
    }
    QString field(int row, int field) const
    {
        return project.items().record(project.items().index(row, 0))->Params[size_t(field)];
    }
};

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

    void projectHistory_undoRedoOfItemEdits_restoreTextSelectionAndModified()
    {
        Undoable u;
        u.project.items().insertLeveled({}, 0, readOutline(QStringLiteral("A\nB\nC")));
        u.history.reset();
        QVERIFY(!u.history.canUndo());
        u.selection.setCurrentIndex(u.project.items().index(2, 0), QItemSelectionModel::ClearAndSelect);
        u.edits.MoveUp();
        QVERIFY(u.history.hasPendingRecord());
        QCOMPARE(u.history.undoText(), QStringLiteral("Undo Move Items"));
        u.history.flush();
        u.edits.Indent();
        u.history.flush();
        QCOMPARE(outlineOf(u.project), QStringLiteral("A\n\tC\nB"));
        QVERIFY(u.history.recovery().exists());

        QVERIFY(u.history.Undo());
        QCOMPARE(outlineOf(u.project), QStringLiteral("A\nC\nB"));
        QCOMPARE(u.selection.currentIndex(), u.project.items().index(1, 0));
        QVERIFY(u.selection.isSelected(u.project.items().index(1, 0)));
        QVERIFY(u.project.Modified());
        QCOMPARE(u.history.redoText(), QStringLiteral("Redo Indent Items"));
        QVERIFY(u.history.Undo());
        QCOMPARE(outlineOf(u.project), QStringLiteral("A\nB\nC"));
        // Back at the state on disk: nothing to save, nothing to recover.
        QVERIFY(!u.project.Modified());
        QVERIFY(!u.history.recovery().exists());
        QVERIFY(u.history.Redo());
        QCOMPARE(outlineOf(u.project), QStringLiteral("A\nC\nB"));

        // A new change drops what could have been redone.
        u.edits.AddItem();
        u.history.flush();
        QVERIFY(!u.history.canRedo());
        QCOMPARE(u.history.undoText(), QStringLiteral("Undo Add Item"));
    }

    // Each field the user changes is a step of its own, even within the
    // quiet time; typing on in one field stays one step.
    void projectHistory_fieldEdits_oneStepPerFieldAndItems()
    {
        FieldUndoable u;
        u.select(0);
        u.edits.SetField(0, QStringLiteral("Ab"));
        u.edits.SetField(0, QStringLiteral("Abc"));
        u.edits.SetField(1, QStringLiteral("a.html"));
        u.select(1);
        u.edits.SetField(1, QStringLiteral("b.html"));
        u.history.flush();
        QCOMPARE(u.history.history().count(), 4);

        QVERIFY(u.history.Undo());
        QCOMPARE(u.field(1, 1), QString());
        QCOMPARE(u.field(0, 1), QStringLiteral("a.html"));
        QVERIFY(u.history.Undo());
        QCOMPARE(u.field(0, 1), QString());
        QCOMPARE(u.field(0, 0), QStringLiteral("Abc"));
        QVERIFY(u.history.Undo());
        QCOMPARE(u.field(0, 0), QStringLiteral("A"));
        QVERIFY(!u.history.canUndo());
    }

    // What the user does, one event at a time, against the steps Undo then
    // walks back. "0=x": field 0 of the selected item becomes x; "add",
    // "down": commands; "rename=x": the tree's own rename; "pause": longer
    // than typing on; "undo", then the first item is selected again.
    void projectHistory_eachCommandIsOneStep_typingOnMerges_data()
    {
        QTest::addColumn<QString>("actions");
        QTest::addColumn<QStringList>("undoNames");
        QTest::addColumn<QString>("firstField");
        const QString p = QStringLiteral("Parameter Change");
        QTest::newRow("typing on in one field") << "0=Ab 0=Abc 0=Abcd" << QStringList{p} << "A";
        QTest::newRow("a pause parts the typing") << "0=Ab pause 0=Abc" << QStringList{p, p} << "A";
        QTest::newRow("another field parts the typing") << "0=Ab 1=x 0=Abc" << QStringList{p, p, p} << "A";
        QTest::newRow("link, add, rename: three steps")
            << "1=x.html add rename=Fresh" << QStringList{"Rename Item", "Add Item", p} << "A";
        QTest::newRow("typing back to the start is no step") << "0=Ab 0=A" << QStringList{} << "A";
        QTest::newRow("commands never merge") << "down add add" << QStringList{"Add Item", "Add Item", "Move Items"}
                                              << "A";
        QTest::newRow("typing after an undo is a new step") << "0=Ab undo 0=Ac" << QStringList{p} << "A";
        QTest::newRow("the same text again is no change") << "0=A 1=" << QStringList{} << "A";
    }

    void projectHistory_eachCommandIsOneStep_typingOnMerges()
    {
        QFETCH(QString, actions);
        QFETCH(QStringList, undoNames);
        QFETCH(QString, firstField);
        FieldUndoable u;
        u.select(0);
        for (const QString &action : actions.split(QLatin1Char(' '))) {
            const QString value = action.section(QLatin1Char('='), 1);
            if (action == QLatin1String("add"))
                u.edits.AddItem();
            else if (action == QLatin1String("down"))
                u.edits.MoveDown();
            else if (action == QLatin1String("pause"))
                u.history.mergeWindow.stop();
            else if (action == QLatin1String("undo")) {
                QVERIFY(u.history.Undo());
                u.select(0);
            }
            else if (action.startsWith(QLatin1String("rename=")))
                u.project.items().setData(u.selection.currentIndex(), value);
            else
                u.edits.SetField(action.section(QLatin1Char('='), 0, 0).toInt(), value);
            // Each action is an event of its own, as the user's are.
            QTRY_VERIFY(!u.history.hasPendingRecord());
        }
        QCOMPARE(u.project.Modified(), !undoNames.isEmpty());
        QStringList names;
        while (u.history.canUndo()) {
            names << u.history.undoText().mid(5);
            QVERIFY(u.history.Undo());
        }
        QCOMPARE(names, undoNames);
        QCOMPARE(u.field(0, 0), firstField);
        // Redo is there after every undo, and walks forward the same steps.
        for (qsizetype k = names.size() - 1; k >= 0; --k) {
            QCOMPARE(u.history.redoText(), QStringLiteral("Redo ") + names.at(k));
            QVERIFY(u.history.Redo());
        }
        QVERIFY(!u.history.canRedo());
    }

    // A named change between two edits of one field parts them.
    void projectHistory_fieldEditAfterAnotherChange_isAStepOfItsOwn()
    {
        FieldUndoable u;
        u.select(0);
        u.edits.SetField(0, QStringLiteral("A1"));
        u.edits.MoveDown();
        u.select(1);
        u.edits.SetField(0, QStringLiteral("A2"));
        u.history.flush();
        QVERIFY(u.history.Undo());
        QCOMPARE(u.field(1, 0), QStringLiteral("A1"));
        QCOMPARE(u.history.redoText(), QStringLiteral("Redo Parameter Change"));
    }

    void projectHistory_savedAndDiscarded_removeTheRecoveryFile()
    {
        Undoable u;
        u.history.reset();
        u.edits.AddItem();
        u.history.flush();
        RecoveryFile::Contents c;
        QVERIFY(u.history.recovery().read(c));
        QCOMPARE(c.dataText, QStringLiteral("Item 1"));
        u.history.saved();
        QVERIFY(!u.history.recovery().exists());
        u.edits.AddItem();
        u.history.flush();
        QVERIFY(u.history.recovery().exists());
        u.history.discarded();
        QVERIFY(!u.history.recovery().exists());
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
        c.fileName = QStringLiteral("/srv/site/js/nav.js");
        c.written = QDateTime::currentDateTimeUtc();
        const RecoveryFile own(folder);
        own.write(c);
        ::kill(::getpid(), SIGKILL);
    }

    // Run as a child process: writes, says so, and runs until its input ends.
    void childWritesThenRuns()
    {
        const QString folder = qEnvironmentVariable("PLIVEX_RECOVERY_RUNNING_CHILD");
        if (folder.isEmpty())
            QSKIP("runs only as the child of recoveryFile_ofARunningInstance_isNeitherOfferedNorRemoved");
        RecoveryFile::Contents c;
        c.dataText = QStringLiteral("var menuItems=[[\"live\"]];");
        c.written = QDateTime::currentDateTimeUtc();
        RecoveryFile own(folder);
        QVERIFY(own.write(c));
        QFile out;
        QVERIFY(out.open(stdout, QIODevice::WriteOnly));
        out.write("written\n");
        out.flush();
        QFile in;
        QVERIFY(in.open(stdin, QIODevice::ReadOnly));
        in.readAll();
    }

    void recoveryFile_ofARunningInstance_isNeitherOfferedNorRemoved()
    {
        QTemporaryDir dir;
        ScriptedDialogs dialogs;
        QProcess child;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("PLIVEX_RECOVERY_RUNNING_CHILD"), dir.path());
        child.setProcessEnvironment(env);
        child.start(QCoreApplication::applicationFilePath(), {QStringLiteral("childWritesThenRuns")});
        QVERIFY(child.waitForStarted());
        while (!child.readAllStandardOutput().contains("written"))
            QVERIFY(child.waitForReadyRead(30000));

        QVERIFY(RecoveryFile::leftBehind(dir.path()).isEmpty());
        RecoveryFile::Contents c;
        QVERIFY(!offerRecovery(c, dir.path()));
        QVERIFY(dialogs.asked.isEmpty());
        QCOMPARE(QDir(dir.path()).entryList({QStringLiteral("recovery-*.js")}, QDir::Files).size(), 1);

        // It ends without removing its file (as an instance that was not
        // told to save): now the file is offered, and a No removes it.
        child.closeWriteChannel();
        QVERIFY(child.waitForFinished(30000));
        dialogs.answers.enqueue(Dialogs::Answer::No);
        QVERIFY(!offerRecovery(c, dir.path()));
        QCOMPARE(dialogs.textsOf(QStringLiteral("yesNo")).size(), 1);
        QVERIFY(QDir(dir.path()).entryList({QStringLiteral("recovery*")}, QDir::Files).isEmpty());
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
        // Its lock is left behind with it, stale: the file is offered.
        QVERIFY(!QDir(dir.path()).entryList({QStringLiteral("recovery-*.js.lock")}, QDir::Files).isEmpty());
        ScriptedDialogs dialogs;
        dialogs.answers.enqueue(Dialogs::Answer::Yes);
        RecoveryFile::Contents c;
        const std::optional<RecoveryFile> left = offerRecovery(c, dir.path());
        QVERIFY(left);
        // The question names the file the menu belonged to, and its type.
        const QString asked = dialogs.textsOf(QStringLiteral("yesNo")).value(0);
        QVERIFY2(asked.startsWith(QStringLiteral("Restore the unsaved changes to nav.js (Ostrel Tree Menu) from ")) &&
                     asked.contains(QStringLiteral("\r/srv/site/js/nav.js")),
                 qPrintable(asked));
        QCOMPARE(c.menuType, 1);
        QCOMPARE(c.fileName, QStringLiteral("/srv/site/js/nav.js"));
        QCOMPARE(c.dataText, QStringLiteral("var menuItems=[];"));
        // Taken, it stays until saved or let go, and no one else offers it.
        QVERIFY(left->exists());
        QVERIFY(RecoveryFile::leftBehind(dir.path()).isEmpty());
    }
};

PLIVEX_TEST_MAIN(HistoryTest)
#include "history_test.moc"
