#include "app/TFrmMain.h"
#include "core/config.h"
#include "core/database.h"
#include "core/dmdata.h"
#include "core/product.h"
#include "core/support.h"
#include "testenv.h"

#include <QAction>
#include <QCheckBox>
#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QSqlQuery>
#include <QtTest>
#include <unistd.h>

namespace {
QByteArray fileHash(const QString& path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    return QCryptographicHash::hash(f.readAll(), QCryptographicHash::Sha256);
}

// Answers the "连接网络数据库" dialog from a list and records what it was asked.
struct ChooserScript
{
    QStringList answers;
    QStringList titles;
    ChooserScript()
    {
        TdmData::setChooseDatabaseHandler([this](const QString& title, const QString&) {
            titles << title;
            return answers.isEmpty() ? QString() : answers.takeFirst();
        });
    }
    ~ChooserScript() { TdmData::setChooseDatabaseHandler(nullptr); }
};
} // namespace

class TestStartup : public QObject
{
    Q_OBJECT
private slots:
    void firstStartCreatesTheDatabase()
    {
        TestEnv env(false);
        ChooserScript chooser;
        QVERIFY(env.dm().ConnectDatabase());
        QVERIFY(env.dm().connected());
        QVERIFY(chooser.titles.isEmpty());
        QCOMPARE(QDir::cleanPath(env.dm().databaseFile()), QDir::cleanPath(env.dbFile()));
        QCOMPARE(env.dm().QueryInt(QStringLiteral("select count(*) from OperList where F_Name = 'admin'")), 1);
        QVERIFY(!QFile::exists(env.dbFile() + QStringLiteral(".new")));
    }

    void folderWithoutDatabaseAsksAndUsesTheChosenFolder()
    {
        TestEnv env(false);
        QTemporaryDir other;
        QVERIFY(database::createInitial(other.filePath(QStringLiteral("member.mdb"))));
        QFile::copy(other.filePath(QStringLiteral("member.mdb")), other.filePath(QStringLiteral("other.mdb")));
        QTemporaryDir empty;
        appenv::config().writeString(QStringLiteral("config"), QStringLiteral("ds"), empty.path() + QLatin1Char('/'));

        ChooserScript chooser;
        chooser.answers << other.filePath(QStringLiteral("other.mdb"));
        QVERIFY(env.dm().ConnectDatabase());
        QCOMPARE(chooser.titles, QStringList{QStringLiteral("连接网络数据库")});
        QCOMPARE(appenv::config().readString(QStringLiteral("config"), QStringLiteral("ds")),
                 other.path() + QLatin1Char('/'));
        QCOMPARE(QFileInfo(env.dm().databaseFile()).fileName(), QStringLiteral("member.mdb"));
        QCOMPARE(QDir::cleanPath(QFileInfo(env.dm().databaseFile()).absolutePath()), QDir::cleanPath(other.path()));
        // Nothing was created in the folder of the configuration.
        QVERIFY(QDir(empty.path()).entryList(QDir::Files).isEmpty());
    }

    void blanksAroundTheFolderAreKept()
    {
        TestEnv env(false);
        QTemporaryDir good;
        QVERIFY(database::createInitial(good.filePath(QStringLiteral("member.mdb"))));
        // The trimmed folder holds a database, the untrimmed one does not.
        appenv::config().writeString(QStringLiteral("config"), QStringLiteral("ds"),
                                     good.path() + QStringLiteral("/ "));
        ChooserScript chooser;
        QVERIFY(!env.dm().ConnectDatabase());
        QCOMPARE(chooser.titles.size(), 1);
    }

    void cancelledRetryEndsWithoutConnection()
    {
        TestEnv env(false);
        QTemporaryDir empty;
        appenv::config().writeString(QStringLiteral("config"), QStringLiteral("ds"), empty.path());
        ChooserScript chooser;
        QVERIFY(!env.dm().ConnectDatabase());
        QVERIFY(!env.dm().connected());
        QCOMPARE(chooser.titles.size(), 1);
    }

    void badFilesLeadToTheRetryDialogAndStayUntouched_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::newRow("text file") << QStringLiteral("text");
        QTest::newRow("empty file") << QStringLiteral("empty");
        QTest::newRow("damaged database") << QStringLiteral("damaged");
        QTest::newRow("foreign database") << QStringLiteral("foreign");
    }
    void badFilesLeadToTheRetryDialogAndStayUntouched()
    {
        QFETCH(QString, kind);
        TestEnv env(false);
        QDir().mkpath(env.dir() + QStringLiteral("data"));
        const QString file = env.dbFile();
        if (kind == QLatin1String("text")) {
            QFile f(file);
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write(QByteArray("this is not a database\n").repeated(300));
        } else if (kind == QLatin1String("empty")) {
            QFile f(file);
            QVERIFY(f.open(QIODevice::WriteOnly));
        } else if (kind == QLatin1String("damaged")) {
            QVERIFY(database::createInitial(file));
            QFile f(file);
            QVERIFY(f.open(QIODevice::ReadWrite));
            const qint64 size = f.size();
            f.seek(size / 2);
            f.write(QByteArray(4096, '\xA5'));
            f.resize(size - 1000);
        } else {
            QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("foreign"));
            db.setDatabaseName(file);
            QVERIFY(db.open());
            QSqlQuery(db).exec(QStringLiteral("create table x(a)"));
            db.close();
            db = QSqlDatabase();
            QSqlDatabase::removeDatabase(QStringLiteral("foreign"));
        }
        const QByteArray before = fileHash(file);
        ChooserScript chooser;
        QVERIFY(!env.dm().ConnectDatabase());
        QCOMPARE(chooser.titles.size(), 1);
        QCOMPARE(fileHash(file), before);
        QVERIFY(QFile::exists(file));
    }

    void dataFolderThatCannotBeWrittenIsReported()
    {
        TestEnv env(false);
        // "data" is a file, so no database can be made in it.
        QFile blocker(env.dir() + QStringLiteral("data"));
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        blocker.close();
        ChooserScript chooser;
        QVERIFY(!env.dm().ConnectDatabase());
        QCOMPARE(env.mess().messages.size(), 1);
        QCOMPARE(env.mess().messages.first().kind, int(mkError));
        QVERIFY(env.mess().last().contains(QStringLiteral("可以写入")));
        QCOMPARE(chooser.titles.size(), 1);
    }

    void readOnlyDatabaseIsReported()
    {
        if (geteuid() == 0)
            QSKIP("file permissions do not bind the superuser");
        TestEnv env(false);
        QVERIFY(database::createInitial(env.dbFile()));
        QFile::setPermissions(env.dbFile(), QFile::ReadOwner | QFile::ReadUser);
        ChooserScript chooser;
        QVERIFY(!env.dm().ConnectDatabase());
        QVERIFY(env.mess().last().contains(QStringLiteral("只读")));
        QFile::setPermissions(env.dbFile(), QFile::ReadOwner | QFile::WriteOwner);
    }

    void firstShowWork()
    {
        TestEnv env;
        appenv::config().writeInteger(QStringLiteral("config"), QStringLiteral("ibak"), 1);
        appenv::config().writeBool(QStringLiteral("set"), QStringLiteral("detailflag"), false);
        env.exec(QStringLiteral("update SysInfo set F_BakPath = ?"), {QString(env.dir() + QStringLiteral("bak"))});
        env.dm().CurrentOperator = QStringLiteral("Admin");
        TFrmMain main;
        main.show();
        QVERIFY(main.firstShowDone());
        QCOMPARE(main.windowTitle(), QStringLiteral("澜岫会员管理软件 v2.30(企业版)"));
        QVERIFY(main.statusPanel(4)->text().startsWith(QLatin1Char(' ')));
        QCOMPARE(main.statusPanel(4)->text().size(), 20);
        QVERIFY(!main.detailCheck()->isChecked());
        QVERIFY(main.clearImportAction()->isVisible());
        // ibak = 1: today's backup was made (the folder question answered yes).
        QVERIFY(QFileInfo::exists(env.dm().backupTarget(env.dir() + QStringLiteral("bak"))));
        main.hide();
    }

    void clearImportHiddenForOtherOperators()
    {
        TestEnv env;
        env.dm().CurrentOperator = QStringLiteral("张三");
        TFrmMain main;
        main.show();
        QVERIFY(!main.clearImportAction()->isVisible());
        main.hide();
    }

    void closingAsksFirst()
    {
        TestEnv env;
        TFrmMain main;
        main.show();
        main.detailCheck()->setChecked(false);
        env.mess().answers = {maNo};
        QVERIFY(!main.close());
        QVERIFY(main.isVisible());
        QCOMPARE(env.mess().last(), QStringLiteral("真的要退出“澜岫会员管理软件 ”软件吗？"));
        QVERIFY(appenv::config().readString(QStringLiteral("set"), QStringLiteral("detailflag")).isEmpty());
        env.mess().answers = {maYes};
        QVERIFY(main.close());
        QCOMPARE(appenv::config().readString(QStringLiteral("set"), QStringLiteral("detailflag")), QStringLiteral("0"));
    }

    void connectNetworkDatabaseCommandOnlyWritesTheFolder()
    {
        TestEnv env;
        TFrmMain main;
        ChooserScript chooser;
        chooser.answers << QStringLiteral("/srv/shop/any.mdb");
        const QString before = env.dm().databaseFile();
        main.connectNetworkDatabase();
        QCOMPARE(appenv::config().readString(QStringLiteral("config"), QStringLiteral("ds")), QStringLiteral("/srv/shop/"));
        QVERIFY(env.dm().connected());
        QCOMPARE(env.dm().databaseFile(), before);
    }
};

QTEST_MAIN(TestStartup)
#include "test_startup.moc"
