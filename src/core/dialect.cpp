#include "core/dialect.h"

#include <QSqlDatabase>
#include <QSqlDriver>

Dialect Dialect::forDatabase(const QSqlDatabase& db)
{
    return Dialect(db.driverName() == QLatin1String("QPSQL") ? PostgreSQL : SQLite);
}

QString Dialect::today() const
{
    return m_kind == SQLite ? QStringLiteral("date('now','localtime')") : QStringLiteral("CURRENT_DATE");
}

QString Dialect::addDays(const QString& dateExpr, const QString& daysExpr) const
{
    if (m_kind == SQLite)
        return QStringLiteral("date(") + dateExpr + QStringLiteral(", (") + daysExpr +
               QStringLiteral(") || ' days')");
    return QStringLiteral("(CAST(") + dateExpr + QStringLiteral(" AS date) + (") + daysExpr +
           QStringLiteral(")::int)");
}

QString Dialect::dayOf(const QString& dateExpr) const
{
    if (m_kind == SQLite)
        return QStringLiteral("CAST(strftime('%d', ") + dateExpr + QStringLiteral(") AS INTEGER)");
    return QStringLiteral("CAST(EXTRACT(DAY FROM CAST(") + dateExpr + QStringLiteral(" AS date)) AS INTEGER)");
}

QString Dialect::monthOf(const QString& dateExpr) const
{
    if (m_kind == SQLite)
        return QStringLiteral("CAST(strftime('%m', ") + dateExpr + QStringLiteral(") AS INTEGER)");
    return QStringLiteral("CAST(EXTRACT(MONTH FROM CAST(") + dateExpr + QStringLiteral(" AS date)) AS INTEGER)");
}

QString Dialect::daysBetween(const QString& a, const QString& b) const
{
    if (m_kind == SQLite)
        return QStringLiteral("CAST(julianday(date(") + b + QStringLiteral(")) - julianday(date(") + a +
               QStringLiteral(")) AS INTEGER)");
    return QStringLiteral("(CAST(") + b + QStringLiteral(" AS date) - CAST(") + a + QStringLiteral(" AS date))");
}

QString Dialect::mid(const QString& expr, int start, int length) const
{
    return QStringLiteral("substr(") + expr + QLatin1Char(',') + QString::number(start) + QLatin1Char(',') +
           QString::number(length) + QLatin1Char(')');
}

QString Dialect::length(const QString& expr) const
{
    return QStringLiteral("length(") + expr + QLatin1Char(')');
}

QString Dialect::limit(int n) const
{
    return QStringLiteral(" LIMIT ") + QString::number(n);
}

QString Dialect::trueLiteral() const
{
    return m_kind == SQLite ? QStringLiteral("1") : QStringLiteral("true");
}

QString Dialect::falseLiteral() const
{
    return m_kind == SQLite ? QStringLiteral("0") : QStringLiteral("false");
}

QString Dialect::beginWrite() const
{
    return m_kind == SQLite ? QStringLiteral("BEGIN IMMEDIATE")
                            : QStringLiteral("BEGIN ISOLATION LEVEL SERIALIZABLE");
}

QVariant Dialect::dateValue(const QDate& d) const
{
    if (!d.isValid())
        return QVariant();
    if (m_kind == SQLite)
        return dates::text(d);
    return d;
}

QVariant Dialect::dateTimeValue(const QDateTime& dt) const
{
    if (!dt.isValid())
        return QVariant();
    if (m_kind == SQLite)
        return dates::stampText(dt);
    return dt;
}

namespace dates {
QDate noDate() { return QDate(1900, 8, 14); }
QDate noDateBound() { return QDate(1901, 8, 14); }
QDate neverExpires() { return QDate(3000, 8, 14); }
QString text(const QDate& d) { return d.isValid() ? d.toString(QStringLiteral("yyyy-MM-dd")) : QString(); }
QString stampText(const QDateTime& dt) { return dt.toString(QStringLiteral("yyyy-MM-dd hh:mm:ss")); }

QDate fromValue(const QVariant& v)
{
    if (!v.isValid() || v.isNull())
        return {};
    switch (v.typeId()) {
    case QMetaType::QDate:
        return v.toDate();
    case QMetaType::QDateTime:
        return v.toDateTime().date();
    default:
        break;
    }
    const QString s = v.toString().trimmed();
    if (s.size() < 8)
        return {};
    QDate d = QDate::fromString(s.left(10), QStringLiteral("yyyy-MM-dd"));
    if (!d.isValid())
        d = QDate::fromString(s.left(10), QStringLiteral("yyyy/MM/dd"));
    return d;
}

QString displayText(const QVariant& v)
{
    const QDate d = fromValue(v);
    if (!d.isValid() || d < noDateBound())
        return {};
    return text(d);
}
} // namespace dates
