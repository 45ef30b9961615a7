#include "core/config.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>
#include <QTextStream>
#include <memory>

IniConfig::IniConfig(QString path) : m_path(std::move(path))
{
    reload();
}

void IniConfig::reload()
{
    m_sections.clear();
    QFile f(m_path);
    if (!f.open(QIODevice::ReadOnly | QIODevice::Text))
        return;
    const QString text = QString::fromUtf8(f.readAll());
    Section* current = nullptr;
    const QStringList lines = text.split(QLatin1Char('\n'));
    for (const QString& raw : lines) {
        QString rawLine = raw;
        if (rawLine.endsWith(QLatin1Char('\r')))
            rawLine.chop(1);
        const QString line = rawLine.trimmed();
        if (line.isEmpty() || line.startsWith(QLatin1Char(';')) || line.startsWith(QLatin1Char('#')))
            continue;
        if (line.startsWith(QLatin1Char('[')) && line.endsWith(QLatin1Char(']'))) {
            const QString name = line.mid(1, line.size() - 2).trimmed();
            current = nullptr;
            for (Section& s : m_sections)
                if (s.name.compare(name, Qt::CaseInsensitive) == 0)
                    current = &s;
            if (!current) {
                m_sections.append(Section{name, {}});
                current = &m_sections.last();
            }
            continue;
        }
        const qsizetype eq = rawLine.indexOf(QLatin1Char('='));
        if (eq < 0 || rawLine.left(eq).trimmed().isEmpty() || !current)
            continue;
        const QString key = rawLine.left(eq).trimmed();
        const QString value = rawLine.mid(eq + 1); // values keep their blanks
        bool replaced = false;
        for (Entry& e : current->entries)
            if (e.key.compare(key, Qt::CaseInsensitive) == 0) {
                e.value = value;
                replaced = true;
            }
        if (!replaced)
            current->entries.append(Entry{key, value});
    }
}

const IniConfig::Entry* IniConfig::find(const QString& section, const QString& key) const
{
    for (const Section& s : m_sections) {
        if (s.name.compare(section, Qt::CaseInsensitive) != 0)
            continue;
        for (const Entry& e : s.entries)
            if (e.key.compare(key, Qt::CaseInsensitive) == 0)
                return &e;
    }
    return nullptr;
}

QString IniConfig::readString(const QString& section, const QString& key, const QString& def) const
{
    const Entry* e = find(section, key);
    return e ? e->value : def;
}

int IniConfig::readInteger(const QString& section, const QString& key, int def) const
{
    const Entry* e = find(section, key);
    if (!e)
        return def;
    bool ok = false;
    const QString v = e->value.trimmed();
    int n = v.toInt(&ok);
    if (!ok && v.startsWith(QLatin1String("0x"), Qt::CaseInsensitive))
        n = v.mid(2).toInt(&ok, 16);
    return ok ? n : def;
}

bool IniConfig::readBool(const QString& section, const QString& key, bool def) const
{
    const Entry* e = find(section, key);
    if (!e)
        return def;
    const QString v = e->value.trimmed();
    bool ok = false;
    const int n = v.toInt(&ok);
    if (ok)
        return n != 0;
    if (v.compare(QLatin1String("true"), Qt::CaseInsensitive) == 0)
        return true;
    if (v.compare(QLatin1String("false"), Qt::CaseInsensitive) == 0)
        return false;
    return def;
}

bool IniConfig::writeString(const QString& section, const QString& key, const QString& value)
{
    // A value cannot span lines in this format.
    QString clean = value;
    clean.replace(QLatin1Char('\r'), QLatin1Char(' ')).replace(QLatin1Char('\n'), QLatin1Char(' '));
    Section* sec = nullptr;
    for (Section& s : m_sections)
        if (s.name.compare(section, Qt::CaseInsensitive) == 0)
            sec = &s;
    if (!sec) {
        m_sections.append(Section{section, {}});
        sec = &m_sections.last();
    }
    bool found = false;
    for (Entry& e : sec->entries)
        if (e.key.compare(key, Qt::CaseInsensitive) == 0) {
            e.value = clean;
            found = true;
        }
    if (!found)
        sec->entries.append(Entry{key, clean});
    return save();
}

bool IniConfig::writeInteger(const QString& section, const QString& key, int value)
{
    return writeString(section, key, QString::number(value));
}

bool IniConfig::writeBool(const QString& section, const QString& key, bool value)
{
    return writeString(section, key, value ? QStringLiteral("1") : QStringLiteral("0"));
}

bool IniConfig::save() const
{
    QSaveFile f(m_path);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Text))
        return false;
    QString out;
    for (const Section& s : m_sections) {
        out += QLatin1Char('[') + s.name + QStringLiteral("]\n");
        for (const Entry& e : s.entries)
            out += e.key + QLatin1Char('=') + e.value + QLatin1Char('\n');
        out += QLatin1Char('\n');
    }
    f.write(out.toUtf8());
    return f.commit();
}

namespace appenv {
namespace {
QString& dirOverride()
{
    static QString d;
    return d;
}
std::unique_ptr<IniConfig>& configPtr()
{
    static std::unique_ptr<IniConfig> c;
    return c;
}
} // namespace

QString programDir()
{
    QString d = dirOverride().isEmpty() ? QCoreApplication::applicationDirPath() : dirOverride();
    if (!d.endsWith(QLatin1Char('/')))
        d += QLatin1Char('/');
    return d;
}

void setProgramDir(const QString& dir)
{
    dirOverride() = dir;
    resetConfig();
}

QString configPath()
{
    const QString beside = programDir() + QStringLiteral("Config.ini");
    const QFileInfo fi(beside);
    if (fi.exists() ? fi.isWritable() : QFileInfo(programDir()).isWritable())
        return beside;
    // The program folder is not writable (an installation owned by root):
    // keep the settings in the user's configuration folder, seeded from the
    // file beside the program.
    const QString userDir = QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation);
    QDir().mkpath(userDir);
    const QString user = userDir + QStringLiteral("/Config.ini");
    if (!QFile::exists(user) && fi.exists())
        QFile::copy(beside, user);
    return user;
}

IniConfig& config()
{
    if (!configPtr())
        configPtr() = std::make_unique<IniConfig>(configPath());
    return *configPtr();
}

void resetConfig()
{
    configPtr().reset();
}
} // namespace appenv
