// What the program prints when it starts. The start is checked in a child
// process of this test program, which sets up its logging as the program does
// and then brings up the web engine.

#include "app/startup.h"
#include "support/testmain.h"
#include "support/webharness.h"

#include <QProcess>
#include <QProcessEnvironment>

namespace {

const char kChildVariable[] = "PLIVEX_STARTUP_CHILD";

int runChild(int argc, char **argv)
{
    setUpWebEngine();
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    Application app(argc, argv);
    auto page = harness::openPage(harness::testDataDir() + QStringLiteral("binding.html"));
    const int sum = page->callInt(QStringLiteral("add"), {1, 2});
    qWarning("child: a real warning");
    return sum == 3 ? 0 : 1;
}

} // namespace

class StartupTest : public QObject
{
    Q_OBJECT

private slots:
    void start_engineChatter_onlyWithPlivexDebug_data()
    {
        QTest::addColumn<bool>("debug");
        QTest::newRow("quiet") << false;
        QTest::newRow("PLIVEX_DEBUG set") << true;
    }
    void start_engineChatter_onlyWithPlivexDebug()
    {
        QFETCH(bool, debug);
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QString::fromLatin1(kChildVariable), QStringLiteral("1"));
        env.insert(QStringLiteral("QTWEBENGINE_CHROMIUM_FLAGS"), QStringLiteral("--no-sandbox --disable-gpu"));
        env.insert(QStringLiteral("QTWEBENGINE_DISABLE_SANDBOX"), QStringLiteral("1"));
        env.remove(QStringLiteral("QT_LOGGING_RULES"));
        if (debug)
            env.insert(QStringLiteral("PLIVEX_DEBUG"), QStringLiteral("1"));
        else
            env.remove(QStringLiteral("PLIVEX_DEBUG"));
        QProcess child;
        child.setProcessEnvironment(env);
        child.start(QCoreApplication::applicationFilePath(), {});
        QVERIFY(child.waitForFinished(120000));
        const QString err = QString::fromLocal8Bit(child.readAllStandardError());
        QCOMPARE(child.exitCode(), 0);
        QVERIFY2(err.contains(QStringLiteral("child: a real warning")), qPrintable(err));
        QVERIFY2(err.contains(QStringLiteral("qt.webenginecontext")) == debug, qPrintable(err));
        QVERIFY2(err.contains(QStringLiteral("Sandboxing disabled")) == debug, qPrintable(err));
    }
};

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsSet(kChildVariable))
        return runChild(argc, argv);
    prepareTestEnvironment();
    Application app(argc, argv);
    StartupTest tc;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&tc, argc, argv);
}

#include "startup_test.moc"
