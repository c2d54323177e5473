#include "project/platform/dialogs.h"
#include "support/scripteddialogs.h"
#include "page/pageerror.h"
#include "support/testmain.h"

#include <QTimer>

class ApplicationTest : public QObject
{
    Q_OBJECT

private slots:
    // The user reads what happened in plain words; the page and the function
    // go to the debug output.
    void exceptionInEventHandler_isReportedAndProgramGoesOn()
    {
        ScriptedDialogs dialogs;
        bool laterEventRan = false;
        const QString plain = QStringLiteral("An internal error stopped what you did last (TypeError).");
        QTimer::singleShot(0, this, [plain] {
            throw PageError(QStringLiteral("qrn_getKeysList"), QStringLiteral("params.html"), plain,
                            QStringLiteral("TypeError in the page function qrn_getKeysList: x"));
        });
        QTimer::singleShot(0, this, [] { throw std::runtime_error("disk full"); });
        QTimer::singleShot(0, this, [&] { laterEventRan = true; });
        QTest::ignoreMessage(QtWarningMsg, "Page call failed: params.html: qrn_getKeysList: TypeError in the page "
                                           "function qrn_getKeysList: x");
        QTRY_VERIFY(laterEventRan);
        QCOMPARE(dialogs.textsOf(QStringLiteral("error")), QStringList({plain, QStringLiteral("disk full")}));
    }

    void qtFileFilter_convertsPairs_data()
    {
        QTest::addColumn<QString>("filter");
        QTest::addColumn<QString>("expected");
        // Qt separates patterns by spaces; "*.*" would hide files without an
        // extension.
        QTest::newRow("open project") << "JavaScript files (*.js)|*.js|All files (*.*)|*.*"
                                      << "JavaScript files (*.js);;All files (*)";
        QTest::newRow("images")
            << "GIF, JPEG Files (*.gif;*.jpg;*.jpeg)|*.gif;*.jpg;*.jpeg|PNG Files (*.png)|*.png|All Files (*.*)|*.*"
            << "GIF, JPEG Files (*.gif *.jpg *.jpeg);;PNG Files (*.png);;All Files (*)";
        QTest::newRow("links") << "HTML Files (*.htm;*.html)|*.htm;*.html|All Files (*.*)|*.*"
                               << "HTML Files (*.htm *.html);;All Files (*)";
        QTest::newRow("description without patterns") << "Scripts|*.js;*.mjs" << "Scripts (*.js *.mjs)";
        QTest::newRow("pattern missing") << "Scripts (*.js)" << "";
        QTest::newRow("empty") << "" << "";
    }
    void qtFileFilter_convertsPairs()
    {
        QFETCH(QString, filter);
        QFETCH(QString, expected);
        QCOMPARE(qtFileFilter(filter), expected);
    }

    void shownText_turnsCarriageReturnsIntoLineBreaks()
    {
        QCOMPARE(shownText(QStringLiteral("Can't open the file:\r/a b.js")), QStringLiteral("Can't open the file:\n/a b.js"));
        QCOMPARE(shownText(QStringLiteral("a\r\nb\r")), QStringLiteral("a\nb\n"));
    }

    void scriptedDialogs_unscriptedQuestionsAnswerAsEscape()
    {
        ScriptedDialogs dialogs;
        QCOMPARE(dialogs.askYesNo(QStringLiteral("Do you want to delete selected items?")), Dialogs::Answer::No);
        QCOMPARE(dialogs.askYesNoCancel(QStringLiteral("Do you want to save changes?")), Dialogs::Answer::Cancel);
        QVERIFY(dialogs.openFile({}).isEmpty());
        QVERIFY(!dialogs.chooseColor(Qt::red).has_value());
        QCOMPARE(dialogs.asked.size(), 4);
        // The seam installed by the test is the one the program uses.
        QCOMPARE(&::dialogs(), static_cast<Dialogs *>(&dialogs));
    }
};

PLIVEX_TEST_MAIN(ApplicationTest)
#include "application_test.moc"
