#include "app/translations.h"
#include "support/testmain.h"

#include <QCoreApplication>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

namespace {

// Makes plivex_<language>.qm in `folder` the way a translator would: a .ts
// file with one translated text, compiled by lrelease.
bool writeTranslation(const QString &folder, const QString &language, const QString &text)
{
    const QString ts = folder + QStringLiteral("/plivex_%1.ts").arg(language);
    QFile file(ts);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    file.write(QStringLiteral("<?xml version=\"1.0\" encoding=\"utf-8\"?>\n"
                              "<!DOCTYPE TS><TS version=\"2.1\" language=\"%1\"><context><name>MainWindow</name>"
                              "<message><source>&amp;File</source><translation>%2</translation></message>"
                              "</context></TS>\n")
                   .arg(language, text)
                   .toUtf8());
    file.close();
    QProcess lrelease;
    lrelease.start(QStringLiteral(PLIVEX_LRELEASE), {QStringLiteral("-silent"), ts});
    return lrelease.waitForFinished(60000) && lrelease.exitCode() == 0 &&
           QFile::exists(folder + QStringLiteral("/plivex_%1.qm").arg(language));
}

QString fileMenu()
{
    return QCoreApplication::translate("MainWindow", "&File");
}

} // namespace

class TranslationsTest : public QObject
{
    Q_OBJECT

private slots:
    void locale_picksItsLanguageOrStaysEnglish_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("shown");
        QTest::newRow("German") << "de_DE" << "&Datei";
        QTest::newRow("Swiss German falls back to German") << "de_CH" << "&Datei";
        QTest::newRow("Austrian German falls back to German") << "de_AT" << "&Datei";
        QTest::newRow("French has no file") << "fr_FR" << "&File";
        QTest::newRow("English is the source") << "en_US" << "&File";
    }

    void locale_picksItsLanguageOrStaysEnglish()
    {
        QFETCH(QString, locale);
        QFETCH(QString, shown);
        QTemporaryDir dir;
        QVERIFY(writeTranslation(dir.path(), QStringLiteral("de"), QStringLiteral("&amp;Datei")));

        Translations translations(*QCoreApplication::instance(), dir.path(), QLocale(locale));
        QCOMPARE(fileMenu(), shown);
        // Without the program's own file, Qt's texts stay English too.
        if (shown == QLatin1String("&File"))
            QCOMPARE(translations.installedFiles(), QStringList());
        else
            QVERIFY(translations.installedFiles().first().startsWith(dir.path()));
    }

    void ending_givesTheEnglishTextsBack()
    {
        QTemporaryDir dir;
        QVERIFY(writeTranslation(dir.path(), QStringLiteral("de"), QStringLiteral("&amp;Datei")));
        {
            Translations translations(*QCoreApplication::instance(), dir.path(), QLocale(QStringLiteral("de_DE")));
            QCOMPARE(fileMenu(), QStringLiteral("&Datei"));
        }
        QCOMPARE(fileMenu(), QStringLiteral("&File"));
    }

    void missingOrDamagedFolder_staysEnglish()
    {
        QTemporaryDir dir;
        QFile damaged(dir.filePath(QStringLiteral("plivex_de.qm")));
        QVERIFY(damaged.open(QIODevice::WriteOnly));
        damaged.write("not a translation file");
        damaged.close();
        for (const QString &folder : {dir.path(), dir.filePath(QStringLiteral("missing"))}) {
            Translations translations(*QCoreApplication::instance(), folder, QLocale(QStringLiteral("de_DE")));
            QCOMPARE(fileMenu(), QStringLiteral("&File"));
            QCOMPARE(translations.installedFiles(), QStringList());
        }
    }
};

PLIVEX_TEST_MAIN(TranslationsTest)
#include "translations_test.moc"
