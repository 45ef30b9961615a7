#pragma once

#include <QString>
#include <QStringList>
#include <QVector>

// Config.ini: sections and keys matched without regard to letter case; every
// write reaches the file at once. A missing file or key gives the default.
class IniConfig
{
public:
    explicit IniConfig(QString path);

    QString path() const { return m_path; }

    QString readString(const QString& section, const QString& key, const QString& def = {}) const;
    int readInteger(const QString& section, const QString& key, int def = 0) const;
    bool readBool(const QString& section, const QString& key, bool def = false) const;

    // False when the file cannot be written (the value is still kept for this run).
    bool writeString(const QString& section, const QString& key, const QString& value);
    bool writeInteger(const QString& section, const QString& key, int value);
    bool writeBool(const QString& section, const QString& key, bool value);

    void reload();

private:
    struct Entry
    {
        QString key;
        QString value;
    };
    struct Section
    {
        QString name;
        QVector<Entry> entries;
    };

    const Entry* find(const QString& section, const QString& key) const;
    bool save() const;

    QString m_path;
    QVector<Section> m_sections;
};

// Program folder (with trailing "/"), the configuration file and the default
// database folder. Tests point the program folder at a temporary one.
namespace appenv {
QString programDir();
void setProgramDir(const QString& dir);
QString configPath();
IniConfig& config();
void resetConfig();
} // namespace appenv
