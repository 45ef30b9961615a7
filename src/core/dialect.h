#pragma once

#include <QDate>
#include <QDateTime>
#include <QString>
#include <QVariant>

class QSqlDatabase;

// The pieces of SQL that differ between the embedded database and a server.
// Everything else the program writes is plain SQL with bound values.
class Dialect
{
public:
    enum Kind { SQLite, PostgreSQL };

    explicit Dialect(Kind kind = SQLite) : m_kind(kind) {}
    static Dialect forDatabase(const QSqlDatabase& db);

    Kind kind() const { return m_kind; }

    // Today's date as an expression of type date ("yyyy-MM-dd" text on SQLite).
    QString today() const;
    // expr plus a number of days; both arguments are SQL expressions.
    QString addDays(const QString& dateExpr, const QString& daysExpr) const;
    // Day of month and month (1..12) of a date expression, as integers.
    QString dayOf(const QString& dateExpr) const;
    QString monthOf(const QString& dateExpr) const;
    // Whole days from a to b (b - a).
    QString daysBetween(const QString& a, const QString& b) const;
    // Substring, 1-based, and length of a text.
    QString mid(const QString& expr, int start, int length) const;
    QString length(const QString& expr) const;
    // "select ... " + limit(n) restricts to the first n rows.
    QString limit(int n) const;
    QString trueLiteral() const;
    QString falseLiteral() const;
    // Statement that starts a writing transaction which takes the write lock
    // at once, so that a read-then-write inside it cannot lose another
    // copy's change.
    QString beginWrite() const;

    // Values for date and date-time columns.
    QVariant dateValue(const QDate& d) const;
    QVariant dateTimeValue(const QDateTime& dt) const;

private:
    Kind m_kind;
};

// Date conventions shared by every window.
namespace dates {
// No date set: written when a date is not given.
QDate noDate();             // 1900-08-14
QDate noDateBound();        // 1901-08-14: earlier dates count as no date
QDate neverExpires();       // 3000-08-14
QString text(const QDate& d);               // "yyyy-MM-dd"
QString stampText(const QDateTime& dt);     // "yyyy-MM-dd hh:mm:ss"
// Reads a stored date (text, date or date-time) back; invalid when empty.
QDate fromValue(const QVariant& v);
// Grid text of a stored date: empty when it sorts before 1901-08-14.
QString displayText(const QVariant& v);
} // namespace dates
