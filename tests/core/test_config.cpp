#include "core/config.h"

#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

class TestConfig : public QObject
{
    Q_OBJECT
private slots:
    void sectionsAndKeysIgnoreCase()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("Config.ini"));
        {
            IniConfig c(path);
            QVERIFY(c.writeString(QStringLiteral("Config"), QStringLiteral("CurOperName"), QStringLiteral("张三")));
            QVERIFY(c.writeString(QStringLiteral("config"), QStringLiteral("ds"), QStringLiteral(" /srv/x/ ")));
            QVERIFY(c.writeBool(QStringLiteral("set"), QStringLiteral("detailflag"), false));
        }
        IniConfig c(path);
        QCOMPARE(c.readString(QStringLiteral("CONFIG"), QStringLiteral("curopername")), QStringLiteral("张三"));
        QCOMPARE(c.readString(QStringLiteral("config"), QStringLiteral("DS")), QStringLiteral(" /srv/x/ "));
        QCOMPARE(c.readBool(QStringLiteral("Set"), QStringLiteral("DetailFlag"), true), false);
        // "Config" and "config" are one section in the file.
        QFile f(path);
        QVERIFY(f.open(QIODevice::ReadOnly));
        const QString text = QString::fromUtf8(f.readAll());
        QCOMPARE(text.count(QStringLiteral("onfig]"), Qt::CaseInsensitive), 1);
    }

    void junkValuesGiveDefaults()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("Config.ini"));
        QFile f(path);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("garbage line without equals\n[config]\nibak=abc\nds\n=novalue\n[set]\ndetailflag=maybe\n"
                "awokeday1=12x\nawokeflag=1\n[broken\n\xff\xfe\x00junk=1\n");
        f.close();
        IniConfig c(path);
        QCOMPARE(c.readInteger(QStringLiteral("config"), QStringLiteral("ibak"), 0), 0);
        QCOMPARE(c.readString(QStringLiteral("config"), QStringLiteral("ds")), QString());
        QCOMPARE(c.readBool(QStringLiteral("set"), QStringLiteral("detailflag"), true), true);
        QCOMPARE(c.readInteger(QStringLiteral("set"), QStringLiteral("awokeday1"), 0), 0);
        QCOMPARE(c.readBool(QStringLiteral("set"), QStringLiteral("awokeflag"), false), true);
    }

    void missingFileGivesDefaultsAndIsCreatedByFirstWrite()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("Config.ini"));
        IniConfig c(path);
        QCOMPARE(c.readInteger(QStringLiteral("config"), QStringLiteral("ibak"), 0), 0);
        QCOMPARE(c.readBool(QStringLiteral("set"), QStringLiteral("detailflag"), true), true);
        QVERIFY(!QFile::exists(path));
        QVERIFY(c.writeInteger(QStringLiteral("config"), QStringLiteral("ibak"), 2));
        QVERIFY(QFile::exists(path));
        QCOMPARE(IniConfig(path).readInteger(QStringLiteral("config"), QStringLiteral("ibak"), 0), 2);
    }

    void valueWithLineBreakStaysOneEntry()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("Config.ini"));
        IniConfig c(path);
        c.writeString(QStringLiteral("config"), QStringLiteral("CurOperName"), QStringLiteral("a\n[set]\ndetailflag=0"));
        IniConfig back(path);
        QCOMPARE(back.readBool(QStringLiteral("set"), QStringLiteral("detailflag"), true), true);
    }
};

QTEST_GUILESS_MAIN(TestConfig)
#include "test_config.moc"
