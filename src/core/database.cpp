#include "core/database.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSqlError>
#include <QSqlQuery>
#include <QUuid>

static void initCoreResources()
{
    Q_INIT_RESOURCE(core);
}

namespace database {

int schemaVersion()
{
    return 1;
}

namespace {

QStringList splitScript(const QString& text)
{
    QStringList out;
    QString current;
    const QStringList lines = text.split(QLatin1Char('\n'));
    for (const QString& raw : lines) {
        const QString line = raw.trimmed();
        if (line.isEmpty() || line.startsWith(QLatin1String("--")))
            continue;
        current += raw + QLatin1Char('\n');
        if (line.endsWith(QLatin1Char(';'))) {
            out << current.trimmed();
            current.clear();
        }
    }
    if (!current.trimmed().isEmpty())
        out << current.trimmed();
    return out;
}

// Steps that bring an older file up to the current version, each in its own
// transaction. Index i holds the step from version i+1 to i+2.
const QStringList& upgradeSteps()
{
    static const QStringList steps;
    return steps;
}

bool exec(QSqlDatabase& db, const QString& sql, QString* error)
{
    QSqlQuery q(db);
    if (q.exec(sql))
        return true;
    if (error)
        *error = q.lastError().text();
    return false;
}

} // namespace

bool runScript(QSqlDatabase& db, const QString& resourcePath, QString* error)
{
    initCoreResources();
    QFile f(resourcePath);
    if (!f.open(QIODevice::ReadOnly)) {
        if (error)
            *error = QStringLiteral("missing resource ") + resourcePath;
        return false;
    }
    const QStringList statements = splitScript(QString::fromUtf8(f.readAll()));
    for (const QString& s : statements)
        if (!exec(db, s, error))
            return false;
    return true;
}

bool createScratchTables(QSqlDatabase& db, QString* error)
{
    return runScript(db, QStringLiteral(":/db/scratch.sql"), error);
}

bool createInitial(const QString& filePath, QString* error)
{
    if (QFile::exists(filePath)) {
        if (error)
            *error = QStringLiteral("file exists");
        return false;
    }
    const QFileInfo fi(filePath);
    if (!QDir().mkpath(fi.absolutePath())) {
        if (error)
            *error = QStringLiteral("cannot create folder ") + fi.absolutePath();
        return false;
    }
    // Build beside the target and move it into place only when complete, so
    // that a failure never leaves a half-made database behind.
    const QString temp = filePath + QStringLiteral(".new");
    QFile::remove(temp);
    const QString conn = QStringLiteral("create-") + QUuid::createUuid().toString(QUuid::WithoutBraces);
    bool ok = false;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), conn);
        db.setDatabaseName(temp);
        if (db.open()) {
            ok = exec(db, QStringLiteral("BEGIN"), error) &&
                 runScript(db, QStringLiteral(":/db/schema.sql"), error) &&
                 runScript(db, QStringLiteral(":/db/initdata.sql"), error) &&
                 exec(db, QStringLiteral("COMMIT"), error);
            db.close();
        } else if (error) {
            *error = db.lastError().text();
        }
    }
    QSqlDatabase::removeDatabase(conn);
    if (ok && !QFile::rename(temp, filePath)) {
        ok = false;
        if (error)
            *error = QStringLiteral("cannot write ") + filePath;
    }
    if (!ok)
        QFile::remove(temp);
    return ok;
}

OpenResult open(const QString& connectionName, const QString& filePath)
{
    OpenResult result;
    const QFileInfo fi(filePath);
    if (!fi.exists() || !fi.isFile()) {
        result.status = OpenStatus::Missing;
        return result;
    }
    if (!fi.isReadable()) {
        result.status = OpenStatus::NotDatabase;
        result.detail = QStringLiteral("not readable");
        return result;
    }
    if (!fi.isWritable() || !QFileInfo(fi.absolutePath()).isWritable()) {
        result.status = OpenStatus::ReadOnly;
        return result;
    }

    bool ok = false;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connectionName);
        db.setDatabaseName(filePath);
        db.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=15000"));
        if (!db.open()) {
            result.status = OpenStatus::Failed;
            result.detail = db.lastError().text();
        } else {
            QSqlQuery q(db);
            QString err;
            // Reading the header and the catalogue fails on a file that is
            // not a database; quick_check finds damaged pages.
            if (!q.exec(QStringLiteral("PRAGMA quick_check")) || !q.next()) {
                err = q.lastError().text();
                result.status = err.contains(QLatin1String("locked"), Qt::CaseInsensitive)
                                    ? OpenStatus::Busy
                                    : OpenStatus::NotDatabase;
                result.detail = err;
            } else if (q.value(0).toString() != QLatin1String("ok")) {
                result.status = OpenStatus::NotDatabase;
                result.detail = q.value(0).toString();
            } else {
                q.finish();
                int tables = 0;
                if (q.exec(QStringLiteral("SELECT count(*) FROM sqlite_master WHERE type='table' AND lower(name) IN "
                                          "('t_member','depotm','depotd','operlist','cfg_grid','sysinfo')")) &&
                    q.next())
                    tables = q.value(0).toInt();
                q.finish();
                if (tables != 6) {
                    result.status = OpenStatus::NotDatabase;
                    result.detail = QStringLiteral("not a member database");
                } else {
                    exec(db, QStringLiteral("PRAGMA journal_mode=WAL"), nullptr);
                    exec(db, QStringLiteral("PRAGMA synchronous=NORMAL"), nullptr);
                    exec(db, QStringLiteral("PRAGMA foreign_keys=OFF"), nullptr);
                    int version = 0;
                    if (q.exec(QStringLiteral("SELECT max(F_version) FROM cfg_Schema")) && q.next())
                        version = q.value(0).toInt();
                    q.finish();
                    ok = true;
                    const QStringList& steps = upgradeSteps();
                    for (int v = std::max(version, 1); ok && v < schemaVersion(); ++v) {
                        const QString step = steps.value(v - 1);
                        ok = exec(db, QStringLiteral("BEGIN IMMEDIATE"), &err);
                        for (const QString& s : splitScript(step))
                            ok = ok && exec(db, s, &err);
                        ok = ok && exec(db,
                                        QStringLiteral("UPDATE cfg_Schema SET F_version = ") +
                                            QString::number(v + 1),
                                        &err);
                        ok = ok ? exec(db, QStringLiteral("COMMIT"), &err)
                                : (exec(db, QStringLiteral("ROLLBACK"), nullptr), false);
                    }
                    if (ok && version > schemaVersion()) {
                        ok = false;
                        err = QStringLiteral("database written by a newer program version");
                    }
                    ok = ok && createScratchTables(db, &err);
                    if (!ok) {
                        result.status = OpenStatus::Failed;
                        result.detail = err;
                    }
                }
            }
            if (!ok)
                db.close();
        }
    }
    if (!ok) {
        QSqlDatabase::removeDatabase(connectionName);
        return result;
    }
    result.status = OpenStatus::Ok;
    return result;
}

int columnWidth(const QSqlDatabase& db, const QString& table, const QString& column)
{
    QSqlQuery q(db);
    if (!q.exec(QStringLiteral("PRAGMA table_info(") + table + QLatin1Char(')')))
        return 0;
    static const QRegularExpression re(QStringLiteral("\\((\\d+)\\)"));
    while (q.next()) {
        if (q.value(1).toString().compare(column, Qt::CaseInsensitive) != 0)
            continue;
        const auto m = re.match(q.value(2).toString());
        return m.hasMatch() ? m.captured(1).toInt() : 0;
    }
    return 0;
}

} // namespace database
