#pragma once

#include <QList>
#include <QPair>
#include <QString>

// An initialisation file of bracketed sections and key=value lines, read and
// written as plain text so section names keep their exact spelling ("Recent
// Files" with its space). Sections and keys it does not touch are written
// back with the values they were read with; comments are not kept.
class IniFile
{
public:
    // Reads `path`; a missing or unreadable file gives an empty file.
    bool load(const QString &path);
    // Writes the whole file safely: the old file stays intact on failure.
    bool save(const QString &path) const;

    bool contains(const QString &section, const QString &key) const;
    QString readString(const QString &section, const QString &key, const QString &fallback = {}) const;
    // A value that is no decimal integer (in range) gives `fallback`.
    int readInteger(const QString &section, const QString &key, int fallback) const;
    void writeString(const QString &section, const QString &key, const QString &value);
    void writeInteger(const QString &section, const QString &key, int value);

    QString text() const;

private:
    struct Section
    {
        QString name;
        QList<QPair<QString, QString>> entries;
    };
    Section *section(const QString &name);
    const Section *section(const QString &name) const;

    QList<Section> m_sections;
};
