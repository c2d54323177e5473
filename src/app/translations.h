#pragma once

#include <QList>
#include <QLocale>
#include <QString>
#include <QTranslator>

#include <memory>

class QCoreApplication;

// The program's texts in the user's language. The English texts are the
// source; a language shows in translation when its file lies in the program's
// translations folder (plivex_<language>.qm, made by lrelease from what
// lupdate extracts), and Qt's own texts (the buttons of a message box) follow
// from Qt's translations. A language without a file stays English.
class Translations
{
public:
    // Installs the translations for `locale`'s languages found in `folder`
    // into `app`; they stay installed while this object lives.
    Translations(QCoreApplication &app, const QString &folder, const QLocale &locale = QLocale());
    ~Translations();
    Translations(const Translations &) = delete;
    Translations &operator=(const Translations &) = delete;

    // The files that were installed, for a test or a report.
    QStringList installedFiles() const { return m_files; }

    // The folder beside the program that holds the program's translations.
    static QString folderBeside(const QString &programFolder);

private:
    QCoreApplication &m_app;
    QList<std::shared_ptr<QTranslator>> m_translators;
    QStringList m_files;
};
