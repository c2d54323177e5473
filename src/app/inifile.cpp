#include "app/inifile.h"

#include "project/platform/textfile.h"

#include <QFile>
#include <QSaveFile>

namespace {
// Section and key names compare as on the platform this format comes from:
// without regard to case.
bool sameName(const QString &a, const QString &b)
{
    return a.compare(b, Qt::CaseInsensitive) == 0;
}
} // namespace

bool IniFile::load(const QString &path)
{
    m_sections.clear();
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    // A settings file is a few hundred bytes; anything huge is not ours.
    if (file.size() > (1 << 20))
        return false;
    const QString text = decodeText(file.readAll());
    Section *current = nullptr;
    for (QString line : text.split(QLatin1Char('\n'))) {
        line = line.trimmed();
        if (line.isEmpty() || line.startsWith(QLatin1Char(';')))
            continue;
        if (line.startsWith(QLatin1Char('[')) && line.endsWith(QLatin1Char(']'))) {
            const QString name = line.mid(1, line.size() - 2).trimmed();
            current = section(name);
            if (!current) {
                m_sections.append({name, {}});
                current = &m_sections.last();
            }
            continue;
        }
        const qsizetype eq = line.indexOf(QLatin1Char('='));
        if (!current || eq <= 0)
            continue;
        const QString key = line.left(eq).trimmed();
        const QString value = line.mid(eq + 1);
        bool replaced = false;
        for (auto &entry : current->entries)
            if (sameName(entry.first, key)) {
                entry.second = value;
                replaced = true;
            }
        if (!replaced)
            current->entries.append({key, value});
    }
    return true;
}

QString IniFile::text() const
{
    QString out;
    for (const Section &s : m_sections) {
        if (!out.isEmpty())
            out += QLatin1Char('\n');
        out += QLatin1Char('[') + s.name + QStringLiteral("]\n");
        for (const auto &entry : s.entries)
            out += entry.first + QLatin1Char('=') + entry.second + QLatin1Char('\n');
    }
    return out;
}

bool IniFile::save(const QString &path) const
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    file.write(text().toUtf8());
    return file.commit();
}

IniFile::Section *IniFile::section(const QString &name)
{
    for (Section &s : m_sections)
        if (sameName(s.name, name))
            return &s;
    return nullptr;
}

const IniFile::Section *IniFile::section(const QString &name) const
{
    for (const Section &s : m_sections)
        if (sameName(s.name, name))
            return &s;
    return nullptr;
}

bool IniFile::contains(const QString &sectionName, const QString &key) const
{
    if (const Section *s = section(sectionName))
        for (const auto &entry : s->entries)
            if (sameName(entry.first, key))
                return true;
    return false;
}

QString IniFile::readString(const QString &sectionName, const QString &key, const QString &fallback) const
{
    if (const Section *s = section(sectionName))
        for (const auto &entry : s->entries)
            if (sameName(entry.first, key))
                return entry.second;
    return fallback;
}

int IniFile::readInteger(const QString &sectionName, const QString &key, int fallback) const
{
    bool ok = false;
    const int value = readString(sectionName, key).trimmed().toInt(&ok);
    return ok ? value : fallback;
}

void IniFile::writeString(const QString &sectionName, const QString &key, const QString &value)
{
    Section *s = section(sectionName);
    if (!s) {
        m_sections.append({sectionName, {}});
        s = &m_sections.last();
    }
    for (auto &entry : s->entries)
        if (sameName(entry.first, key)) {
            entry.second = value;
            return;
        }
    s->entries.append({key, value});
}

void IniFile::writeInteger(const QString &sectionName, const QString &key, int value)
{
    writeString(sectionName, key, QString::number(value));
}
