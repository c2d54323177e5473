#include "app/translations.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>

Translations::Translations(QCoreApplication &app, const QString &folder, const QLocale &locale)
    : m_app(app)
{
    // QTranslator::load walks the locale's UI languages in order and takes
    // the first file it finds, so "de-CH" falls back to plivex_de.qm.
    const QList<std::pair<QString, QString>> sources = {
        // untranslated: file names and Qt's translations folder
        {QStringLiteral("plivex"), folder},
        {QStringLiteral("qtbase"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)},
    };
    for (const auto &[name, path] : sources) {
        auto translator = std::make_shared<QTranslator>();
        // Qt's buttons in a language the program does not speak would make
        // a window of two languages: without the program's file, none.
        if (!translator->load(locale, name, QStringLiteral("_"), path))
            break;
        if (!m_app.installTranslator(translator.get()))
            continue;
        m_files << translator->filePath();
        m_translators << translator;
    }
}

Translations::~Translations()
{
    for (const auto &translator : m_translators)
        m_app.removeTranslator(translator.get());
}

QString Translations::folderBeside(const QString &programFolder)
{
    return QDir(programFolder).filePath(QStringLiteral("translations"));
}
