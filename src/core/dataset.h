#pragma once

#include <QObject>
#include <QSqlDatabase>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <QHash>
#include <QVector>
#include <memory>

class QSqlQuery;

// A query result held in memory: counted, sorted and browsed without reading
// the database again. Grids show it, reports print it, windows read the
// current row from it.
//
// A large result is read in steps: open() reads the first rows and counts
// the rest, so recordCount() is exact at once; further rows are read when
// they are asked for, when the program is idle, or all at once by
// sort(), locate() and the like. Sums of a result not yet read are asked of
// the database.
class TDataSet : public QObject
{
    Q_OBJECT
public:
    explicit TDataSet(QObject* parent = nullptr);
    ~TDataSet() override;

    // Runs the statement with its bound values and loads every row.
    bool open(const QSqlDatabase& db, const QString& sql, const QVariantList& params = {},
              QString* error = nullptr);
    // Runs the last statement again, keeping the sort and, where it still
    // exists, the current row's key.
    bool requery(QString* error = nullptr);
    void close();
    // Fills the set from rows in hand (tests, computed lists).
    void setRows(const QStringList& fields, const QVector<QVariantList>& rows);

    bool isOpen() const { return m_open; }
    bool isEmpty() const { return recordCount() == 0; }
    int recordCount() const { return static_cast<int>(m_order.size()); }
    int fieldCount() const { return static_cast<int>(m_fields.size()); }
    QStringList fieldNames() const { return m_fields; }
    QString fieldName(int col) const { return m_fields.value(col); }
    // Column of a field name, matched without regard to letter case; -1 if none.
    int fieldIndex(const QString& name) const;
    QString sql() const { return m_sql; }
    QVariantList params() const { return m_params; }
    QSqlDatabase database() const { return m_db; }

    // Rows are counted in the current (sorted) order.
    QVariant value(int row, int col) const;
    QVariant value(int row, const QString& field) const;
    void setValue(int row, int col, const QVariant& v);
    void setValue(int row, const QString& field, const QVariant& v);

    // The current row (-1 when empty).
    int currentRow() const { return m_current; }
    void setCurrentRow(int row);
    QVariant field(const QString& name) const { return value(m_current, name); }
    // Moves to the first row whose field equals the value; false if none.
    bool locate(const QString& field, const QVariant& v);

    // Sorts in memory by an expression such as "f_hycode ASC,f_name DESC,"
    // (a trailing comma is allowed). Unknown fields are ignored.
    void sort(const QString& expr);
    QString sortExpression() const { return m_sortExpr; }
    // Forgets the sort before the next open, which then keeps the order of
    // the statement.
    void resetSort() { m_sortExpr.clear(); }

    // Sum of a numeric column over all rows.
    double sum(int col) const;
    // Sums of several columns at once (one reading of the database while
    // the result is not yet read in full).
    QVector<double> sums(const QVector<int>& cols) const;

    // True while rows of the result remain to be read.
    bool isFetching() const { return m_cursor != nullptr; }
    // Reads every remaining row now.
    void fetchAll() const;

signals:
    void aboutToReset();
    void reset();
    void currentRowChanged(int row);
    void valueChanged(int row, int col);

private:
    const QVariant& cell(int row, int col) const;
    void applySort();
    void clearRows();
    // Reads rows until `loadRow` is in memory (all when -1).
    void fetchTo(int loadRow) const;
    void finishCursor() const;
    void fetchSlice();
    // The statement without a final ORDER BY, for counting and summing.
    QString unorderedSql() const;

    QSqlDatabase m_db;
    QString m_sql;
    QVariantList m_params;
    QStringList m_fields;
    mutable QVector<QVariant> m_cells; // row-major, in load order, as far as read
    QVector<int> m_order;              // display order -> load row
    mutable std::unique_ptr<QSqlQuery> m_cursor; // rows still to read
    mutable int m_loaded = 0;                    // rows read
    mutable int m_expected = -1;                 // rows counted (-1 before counting)
    mutable QHash<int, double> m_dbSums;         // sums asked of the database
    quint64 m_generation = 0;                    // counts opens, for deferred work
    QString m_sortExpr;
    int m_current = -1;
    bool m_open = false;
};
