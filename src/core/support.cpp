#include "core/support.h"

#include <QByteArray>
#include <QFile>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QUuid>
#include <cstdio>

namespace {

ShowMessHandler& handler()
{
    static ShowMessHandler h;
    return h;
}

// Key stream of the password transform; the stored form is hex text so that it
// survives any text column.
const QByteArray& passKey()
{
    static const QByteArray key = QByteArrayLiteral("Lx7#kQ2!mRw9@pZ4");
    return key;
}

} // namespace

int ShowMess(const QString& text, int kind)
{
    if (handler())
        return handler()(text, kind);
    std::fprintf(stderr, "[%d] %s\n", kind, qPrintable(text));
    return kind == mkQuestion ? maNo : maYes;
}

ShowMessHandler setShowMessHandler(ShowMessHandler h)
{
    ShowMessHandler old = std::move(handler());
    handler() = std::move(h);
    return old;
}

bool CompactDatabase(const QString& path, const QString& /*password*/)
{
    if (!QFile::exists(path))
        return false;
    const QString conn = QStringLiteral("compact-") + QUuid::createUuid().toString(QUuid::WithoutBraces);
    bool ok = false;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), conn);
        db.setDatabaseName(path);
        db.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=10000"));
        if (db.open()) {
            QSqlQuery q(db);
            ok = q.exec(QStringLiteral("PRAGMA integrity_check")) && q.next() &&
                 q.value(0).toString() == QLatin1String("ok");
            ok = ok && q.exec(QStringLiteral("VACUUM"));
            ok = ok && q.exec(QStringLiteral("PRAGMA wal_checkpoint(TRUNCATE)"));
            q.finish();
            db.close();
        }
    }
    QSqlDatabase::removeDatabase(conn);
    return ok;
}

QString SavePass(const QString& plain)
{
    if (plain.isEmpty())
        return {};
    QByteArray bytes = plain.toUtf8();
    const QByteArray& key = passKey();
    for (qsizetype i = 0; i < bytes.size(); ++i)
        bytes[i] = static_cast<char>(bytes[i] ^ key[i % key.size()] ^ static_cast<char>(i * 31));
    return QString::fromLatin1(bytes.toHex());
}

QString GetPass(const QString& stored)
{
    if (stored.isEmpty())
        return {};
    QByteArray bytes = QByteArray::fromHex(stored.toLatin1());
    const QByteArray& key = passKey();
    for (qsizetype i = 0; i < bytes.size(); ++i)
        bytes[i] = static_cast<char>(bytes[i] ^ key[i % key.size()] ^ static_cast<char>(i * 31));
    return QString::fromUtf8(bytes);
}
