#include "core/dataset.h"

#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <algorithm>
#include <numeric>

namespace {
const QVariant& nullVariant()
{
    static const QVariant v;
    return v;
}

// Orders two stored values: nulls first, numbers as numbers, the rest as text.
int compareValues(const QVariant& a, const QVariant& b)
{
    const bool an = a.isNull() || !a.isValid();
    const bool bn = b.isNull() || !b.isValid();
    if (an || bn)
        return an == bn ? 0 : (an ? -1 : 1);
    const auto isNum = [](const QVariant& v) {
        switch (v.typeId()) {
        case QMetaType::Int:
        case QMetaType::LongLong:
        case QMetaType::UInt:
        case QMetaType::ULongLong:
        case QMetaType::Double:
        case QMetaType::Float:
        case QMetaType::Bool:
            return true;
        default:
            return false;
        }
    };
    if (isNum(a) && isNum(b)) {
        const double x = a.toDouble(), y = b.toDouble();
        return x < y ? -1 : (x > y ? 1 : 0);
    }
    return QString::compare(a.toString(), b.toString(), Qt::CaseInsensitive);
}
} // namespace

TDataSet::TDataSet(QObject* parent) : QObject(parent) {}

bool TDataSet::open(const QSqlDatabase& db, const QString& sql, const QVariantList& params, QString* error)
{
    emit aboutToReset();
    m_db = db;
    m_sql = sql;
    m_params = params;
    m_fields.clear();
    m_cells.clear();
    m_order.clear();
    m_current = -1;
    m_open = false;

    QSqlQuery q(db);
    q.setForwardOnly(true);
    bool ok = q.prepare(sql);
    if (ok) {
        for (const QVariant& p : params)
            q.addBindValue(p);
        ok = q.exec();
    }
    if (!ok) {
        if (error)
            *error = q.lastError().text();
        emit reset();
        emit currentRowChanged(m_current);
        return false;
    }
    const QSqlRecord rec = q.record();
    const int n = rec.count();
    m_fields.reserve(n);
    for (int i = 0; i < n; ++i)
        m_fields << rec.fieldName(i);
    while (q.next())
        for (int i = 0; i < n; ++i)
            m_cells.append(q.value(i));
    const int rows = n > 0 ? static_cast<int>(m_cells.size() / n) : 0;
    m_order.resize(rows);
    std::iota(m_order.begin(), m_order.end(), 0);
    m_open = true;
    applySort();
    m_current = rows > 0 ? 0 : -1;
    emit reset();
    emit currentRowChanged(m_current);
    return true;
}

bool TDataSet::requery(QString* error)
{
    const int keyCol = fieldIndex(QStringLiteral("F_ID"));
    const QVariant key = (keyCol >= 0 && m_current >= 0) ? value(m_current, keyCol) : QVariant();
    const QString sortExpr = m_sortExpr;
    if (!open(m_db, m_sql, m_params, error))
        return false;
    if (!sortExpr.isEmpty())
        sort(sortExpr);
    if (key.isValid())
        locate(QStringLiteral("F_ID"), key);
    return true;
}

void TDataSet::close()
{
    emit aboutToReset();
    m_fields.clear();
    m_cells.clear();
    m_order.clear();
    m_current = -1;
    m_open = false;
    emit reset();
    emit currentRowChanged(m_current);
}

void TDataSet::setRows(const QStringList& fields, const QVector<QVariantList>& rows)
{
    emit aboutToReset();
    m_fields = fields;
    m_cells.clear();
    m_cells.reserve(rows.size() * fields.size());
    for (const QVariantList& r : rows)
        for (int i = 0; i < fields.size(); ++i)
            m_cells.append(r.value(i));
    m_order.resize(rows.size());
    std::iota(m_order.begin(), m_order.end(), 0);
    m_open = true;
    applySort();
    m_current = rows.isEmpty() ? -1 : 0;
    emit reset();
    emit currentRowChanged(m_current);
}

int TDataSet::fieldIndex(const QString& name) const
{
    for (int i = 0; i < m_fields.size(); ++i)
        if (m_fields.at(i).compare(name, Qt::CaseInsensitive) == 0)
            return i;
    return -1;
}

const QVariant& TDataSet::cell(int row, int col) const
{
    if (row < 0 || row >= m_order.size() || col < 0 || col >= m_fields.size())
        return nullVariant();
    return m_cells.at(static_cast<qsizetype>(m_order.at(row)) * m_fields.size() + col);
}

QVariant TDataSet::value(int row, int col) const
{
    return cell(row, col);
}

QVariant TDataSet::value(int row, const QString& field) const
{
    return cell(row, fieldIndex(field));
}

void TDataSet::setValue(int row, int col, const QVariant& v)
{
    if (row < 0 || row >= m_order.size() || col < 0 || col >= m_fields.size())
        return;
    m_cells[static_cast<qsizetype>(m_order.at(row)) * m_fields.size() + col] = v;
    emit valueChanged(row, col);
}

void TDataSet::setValue(int row, const QString& field, const QVariant& v)
{
    setValue(row, fieldIndex(field), v);
}

void TDataSet::setCurrentRow(int row)
{
    if (row < -1 || row >= recordCount())
        row = recordCount() > 0 ? std::clamp(row, 0, recordCount() - 1) : -1;
    if (row == m_current)
        return;
    m_current = row;
    emit currentRowChanged(m_current);
}

bool TDataSet::locate(const QString& field, const QVariant& v)
{
    const int col = fieldIndex(field);
    if (col < 0)
        return false;
    for (int r = 0; r < recordCount(); ++r)
        if (compareValues(cell(r, col), v) == 0) {
            setCurrentRow(r);
            return true;
        }
    return false;
}

void TDataSet::sort(const QString& expr)
{
    emit aboutToReset();
    m_sortExpr = expr;
    applySort();
    if (m_current >= recordCount())
        m_current = recordCount() - 1;
    emit reset();
    emit currentRowChanged(m_current);
}

void TDataSet::applySort()
{
    std::iota(m_order.begin(), m_order.end(), 0);
    struct Key
    {
        int col;
        bool desc;
    };
    QVector<Key> keys;
    const QStringList parts = m_sortExpr.split(QLatin1Char(','), Qt::SkipEmptyParts);
    for (const QString& part : parts) {
        const QStringList words = part.simplified().split(QLatin1Char(' '), Qt::SkipEmptyParts);
        if (words.isEmpty())
            continue;
        const int col = fieldIndex(words.first());
        if (col < 0)
            continue;
        const bool desc = words.size() > 1 && words.at(1).compare(QLatin1String("DESC"), Qt::CaseInsensitive) == 0;
        keys.append(Key{col, desc});
    }
    if (keys.isEmpty())
        return;
    const int width = static_cast<int>(m_fields.size());
    std::stable_sort(m_order.begin(), m_order.end(), [&](int a, int b) {
        for (const Key& k : keys) {
            const int c = compareValues(m_cells.at(static_cast<qsizetype>(a) * width + k.col),
                                        m_cells.at(static_cast<qsizetype>(b) * width + k.col));
            if (c != 0)
                return k.desc ? c > 0 : c < 0;
        }
        return false;
    });
}

double TDataSet::sum(int col) const
{
    double s = 0;
    if (col < 0 || col >= m_fields.size())
        return s;
    for (int r = 0; r < recordCount(); ++r)
        s += cell(r, col).toDouble();
    return s;
}
