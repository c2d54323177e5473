#include "project/platform/tempfolder.h"
#include "project/platform/textfile.h"
#include "support/testmain.h"

#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <sys/stat.h>

class TextFileTest : public QObject
{
    Q_OBJECT

private slots:
    void decodeText_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("text");
        QTest::newRow("ascii") << QByteArray("var a=1;\r\n") << QStringLiteral("var a=1;\r\n");
        QTest::newRow("utf-8") << QByteArray("Men\xC3\xBC \xE2\x82\xAC") << QStringLiteral("Menü €");
        QTest::newRow("utf-8 with byte-order mark") << QByteArray("\xEF\xBB\xBFx") << QStringLiteral("x");
        QTest::newRow("windows-1252") << QByteArray("Men\xFC \x80 \x93q\x94 \x81") << QStringLiteral("Menü € “q” \u0081");
        QTest::newRow("truncated utf-8 is single-byte") << QByteArray("ab\xC3") << QStringLiteral("abÃ");
        QTest::newRow("empty") << QByteArray() << QString();
    }
    void decodeText()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, text);
        QCOMPARE(::decodeText(bytes), text);
    }

    void encodeText_isUtf8WithoutByteOrderMark()
    {
        QCOMPARE(encodeText(QStringLiteral("ü")), QByteArray("\xC3\xBC"));
        QCOMPARE(::decodeText(encodeText(QStringLiteral("\"</script>\" 中"))), QStringLiteral("\"</script>\" 中"));
    }

    void writeFileSafely_replacesOrReportsWhy()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("menu.js"));
        QVERIFY(writeFileSafely(path, "old"));
        QVERIFY(writeFileSafely(path, "new"));
        QFile f(path);
        QVERIFY(f.open(QIODevice::ReadOnly));
        QCOMPARE(f.readAll(), QByteArray("new"));
        QString error;
        QVERIFY(!writeFileSafely(dir.filePath(QStringLiteral("no/such/folder/menu.js")), "x", &error));
        QVERIFY(!error.isEmpty());
    }

    void writeFileSafely_writesInPlaceWhereTheFolderTakesNoNewFiles()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("menu.js"));
        QVERIFY(writeFileSafely(path, "old"));
        const QFile::Permissions open = QFile::permissions(dir.path());
        QVERIFY(QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::ExeOwner));
        struct Restore
        {
            QString folder;
            QFile::Permissions permissions;
            ~Restore() { QFile::setPermissions(folder, permissions); }
        } restore{dir.path(), open};
        QFile probe(dir.filePath(QStringLiteral("probe")));
        if (probe.open(QIODevice::WriteOnly))
            QSKIP("This user may write into any folder (root): a read-only folder cannot be made here.");

        QString error;
        QVERIFY2(writeFileSafely(path, "new", &error), qPrintable(error));
        QFile f(path);
        QVERIFY(f.open(QIODevice::ReadOnly));
        QCOMPARE(f.readAll(), QByteArray("new"));
        // A new file still cannot be made there, and says so.
        QVERIFY(!writeFileSafely(dir.filePath(QStringLiteral("other.js")), "x", &error));
        QVERIFY(!error.isEmpty());
    }

    void readCapped_readsWholeFilesUpToTheLimit_andSaysWhyNot()
    {
        QTemporaryDir dir;
        const QString exact = dir.filePath(QStringLiteral("exact.js"));
        const QString over = dir.filePath(QStringLiteral("over.js"));
        {
            QFile f(exact);
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write(QByteArray(64, 'a'));
        }
        {
            QFile f(over);
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write(QByteArray(65, 'a'));
        }
        const CappedRead whole = readCapped(exact, 64);
        QVERIFY(whole.ok());
        QCOMPARE(whole.bytes, QByteArray(64, 'a'));
        const CappedRead large = readCapped(over, 64);
        QCOMPARE(large.failure, CappedRead::Failure::TooLarge);
        QCOMPARE(large.size, 65);
        QVERIFY(large.bytes.isEmpty());
        QCOMPARE(readCapped(over, 64 << 20).bytes.size(), 65);
        QCOMPARE(readCapped(over, 1 << 20).reason(), QString());
        QCOMPARE(readCapped(over, 3).reason(), QStringLiteral("files over 0 MB are not read"));
        QCOMPARE(readCapped(dir.filePath(QStringLiteral("none.js")), 64).reason(), QStringLiteral("no such file"));
        QCOMPARE(readCapped(dir.path(), 64).reason(), QStringLiteral("it is a folder"));
        // A pipe would keep the read waiting for a writer that never comes.
        const QString pipe = dir.filePath(QStringLiteral("pipe.js"));
        QCOMPARE(::mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
        const CappedRead fromPipe = readCapped(pipe, 64);
        QCOMPARE(fromPipe.failure, CappedRead::Failure::Unreadable);
        QCOMPARE(fromPipe.reason(), QStringLiteral("it is not a regular file"));
    }

    void previewTempFolder_isPrivateAndStable()
    {
        const QString folder = previewTempFolder();
        QVERIFY(folder.endsWith(QLatin1Char('/')));
        QCOMPARE(previewTempFolder(), folder);
        const QFileInfo info(folder);
        QVERIFY(info.isDir());
        QCOMPARE(info.permissions() & (QFile::ReadGroup | QFile::WriteGroup | QFile::ExeGroup | QFile::ReadOther |
                                       QFile::WriteOther | QFile::ExeOther),
                 QFile::Permissions());
    }
};

PLIVEX_TEST_MAIN(TextFileTest)
#include "textfile_test.moc"
