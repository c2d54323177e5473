// Where plivex.ini is kept: beside a copy run from a folder of its own, in
// the user's configuration folder for an installed copy (whoever may write its
// folder) and for a copy that cannot write its folder.

#include "app/settingsplace.h"
#include "support/testfiles.h"
#include "support/testmain.h"

#include <QDir>
#include <QStandardPaths>
#include <QTemporaryDir>

class SettingsPlaceTest : public QObject
{
    Q_OBJECT

private slots:
    void settingsFile_followsTheKindOfCopy_data()
    {
        QTest::addColumn<bool>("folderExists");
        QTest::addColumn<bool>("installed");
        QTest::addColumn<bool>("besideProgram");
        QTest::newRow("a build or unpacked copy") << true << false << true;
        QTest::newRow("an installed copy in a writable folder") << true << true << false;
        QTest::newRow("a program folder that is gone") << false << false << false;
    }
    void settingsFile_followsTheKindOfCopy()
    {
        QFETCH(bool, folderExists);
        QFETCH(bool, installed);
        QFETCH(bool, besideProgram);
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        const QString program = dir.filePath(folderExists ? QStringLiteral("lib") : QStringLiteral("gone")) + QLatin1Char('/');
        if (folderExists)
            QVERIFY(QDir().mkpath(program));
        if (installed)
            QVERIFY(writeTestFile(program + kInstalledCopyMarker, "installed\n"));

        const QString path = settingsFilePath(program);
        const QString userConfig = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
        if (besideProgram) {
            QCOMPARE(path, program + QStringLiteral("plivex.ini"));
        } else {
            QCOMPARE(path, userConfig + QStringLiteral("/plivex/plivex.ini"));
            QVERIFY(!path.startsWith(program));
        }
    }

    void settingsFile_followsXdgConfigHome()
    {
        // The desktop's own setting of the folder wins over ~/.config.
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        const QString program = dir.filePath(QStringLiteral("lib")) + QLatin1Char('/');
        QVERIFY(QDir().mkpath(program));
        QVERIFY(writeTestFile(program + kInstalledCopyMarker, "installed\n"));
        const QByteArray saved = qgetenv("XDG_CONFIG_HOME");
        qputenv("XDG_CONFIG_HOME", dir.filePath(QStringLiteral("config")).toLocal8Bit());
        const QString path = settingsFilePath(program);
        if (saved.isNull())
            qunsetenv("XDG_CONFIG_HOME");
        else
            qputenv("XDG_CONFIG_HOME", saved);
        QCOMPARE(path, dir.filePath(QStringLiteral("config/plivex/plivex.ini")));
    }
};

PLIVEX_TEST_MAIN(SettingsPlaceTest)
#include "settingsplace_test.moc"
