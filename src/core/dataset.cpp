#include "core/dataset.h"

#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QRegularExpression>
#include <QTimer>
#include <limits>
#include <algorithm>
#include <numeric>

namespace {
const QVariant& nullVariant()
{
    static const QVariant v;
    return v;
}

bool isNumber(const QVariant& v)
{
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
}

// Orders two stored values: nulls first, numbers as numbers, the rest as text.
int compareValues(const QVariant& a, const QVariant& b)
{
    const bool an = a.isNull() || !a.isValid();
    const bool bn = b.isNull() || !b.isValid();
    if (an || bn)
        return an == bn ? 0 : (an ? -1 : 1);
    if (isNumber(a) && isNumber(b)) {
        const double x = a.toDouble(), y = b.toDouble();
        return x < y ? -1 : (x > y ? 1 : 0);
    }
    return QString::compare(a.toString(), b.toString(), Qt::CaseInsensitive);
}
} // namespace

namespace {
// Rows read by open() before counting the rest, rows read per step when more
// are asked for, and per step while the program is idle.
constexpr int kFirstRows = 512;
constexpr int kStepRows = 1024;
constexpr int kIdleRows = 4000;

bool startsWithWord(const QString& s, qsizetype i, QLatin1String word)
{
    if (s.mid(i, word.size()).compare(word, Qt::CaseInsensitive) != 0)
        return false;
    const qsizetype end = i + word.size();
    const auto isWordChar = [](QChar c) { return c.isLetterOrNumber() || c == QLatin1Char('_'); };
    return (i == 0 || !isWordChar(s.at(i - 1))) && (end >= s.size() || !isWordChar(s.at(end)));
}
} // namespace

TDataSet::TDataSet(QObject* parent) : QObject(parent) {}

TDataSet::~TDataSet() = default;

void TDataSet::clearRows()
{
    m_cursor.reset();
    m_fields.clear();
    m_cells.clear();
    m_order.clear();
    m_loaded = 0;
    m_expected = -1;
    m_dbSums.clear();
    m_current = -1;
    m_open = false;
    ++m_generation;
}

bool TDataSet::open(const QSqlDatabase& db, const QString& sql, const QVariantList& params, QString* error)
{
    emit aboutToReset();
    clearRows();
    m_db = db;
    m_sql = sql;
    m_params = params;

    auto q = std::make_unique<QSqlQuery>(db);
    q->setForwardOnly(true);
    bool ok = q->prepare(sql);
    if (ok) {
        for (const QVariant& p : params)
            q->addBindValue(p);
        ok = q->exec();
    }
    if (!ok) {
        if (error)
            *error = q->lastError().text();
        emit reset();
        emit currentRowChanged(m_current);
        return false;
    }
    const QSqlRecord rec = q->record();
    const int n = rec.count();
    m_fields.reserve(n);
    for (int i = 0; i < n; ++i)
        m_fields << rec.fieldName(i);
    if (n > 0)
        m_cursor = std::move(q);
    fetchTo(kFirstRows - 1);
    if (m_cursor) {
        // More rows follow: count them and read them later, unless a sort
        // needs them all now.
        if (m_sortExpr.isEmpty()) {
            QSqlQuery c(db);
            if (c.prepare(QStringLiteral("select count(*) from (") + unorderedSql() + QStringLiteral(") as mm_count"))) {
                for (const QVariant& p : params)
                    c.addBindValue(p);
                if (c.exec() && c.next() && c.value(0).toInt() >= m_loaded) {
                    m_expected = c.value(0).toInt();
                    m_cells.reserve(static_cast<qsizetype>(m_expected) * n);
                }
            }
        }
        if (m_expected < 0)
            fetchTo(-1);
    }
    const int rows = m_expected >= 0 ? m_expected : m_loaded;
    m_order.resize(rows);
    std::iota(m_order.begin(), m_order.end(), 0);
    m_open = true;
    applySort();
    m_current = rows > 0 ? 0 : -1;
    if (m_cursor)
        QTimer::singleShot(0, this, [this, gen = m_generation]() {
            if (gen == m_generation)
                fetchSlice();
        });
    emit reset();
    emit currentRowChanged(m_current);
    return true;
}

void TDataSet::fetchTo(int loadRow) const
{
    if (!m_cursor)
        return;
    const int n = static_cast<int>(m_fields.size());
    const int target = loadRow < 0 ? std::numeric_limits<int>::max() : std::max(loadRow + 1, m_loaded + kStepRows);
    while (m_loaded < target && (m_expected < 0 || m_loaded < m_expected)) {
        if (!m_cursor->next()) {
            finishCursor();
            break;
        }
        for (int i = 0; i < n; ++i)
            m_cells.append(m_cursor->value(i));
        ++m_loaded;
    }
    if (m_cursor && m_expected >= 0 && m_loaded >= m_expected)
        finishCursor();
}

void TDataSet::finishCursor() const
{
    m_cursor.reset();
    if (m_expected < 0 || m_loaded >= m_expected)
        return;
    // Fewer rows came than were counted (rows deleted meanwhile, connection
    // closed): the missing rows read as empty until they are dropped, which
    // cannot happen while a caller is still reading them.
    const int real = m_loaded;
    m_cells.resize(static_cast<qsizetype>(m_expected) * m_fields.size());
    m_loaded = m_expected;
    auto* self = const_cast<TDataSet*>(this);
    QTimer::singleShot(0, self, [self, real, gen = m_generation]() {
        if (gen != self->m_generation)
            return;
        emit self->aboutToReset();
        self->m_order.removeIf([real](int r) { return r >= real; });
        self->m_cells.resize(static_cast<qsizetype>(real) * self->m_fields.size());
        self->m_loaded = self->m_expected = real;
        if (self->m_current >= self->recordCount())
            self->m_current = self->recordCount() - 1;
        emit self->reset();
        emit self->currentRowChanged(self->m_current);
    });
}

void TDataSet::fetchSlice()
{
    if (!m_cursor)
        return;
    fetchTo(m_loaded + kIdleRows - 1);
    if (m_cursor)
        QTimer::singleShot(0, this, [this, gen = m_generation]() {
            if (gen == m_generation)
                fetchSlice();
        });
}

void TDataSet::fetchAll() const
{
    fetchTo(-1);
}

QString TDataSet::unorderedSql() const
{
    QString s = m_sql.trimmed();
    while (s.endsWith(QLatin1Char(';')))
        s.chop(1);
    qsizetype last = -1;
    int depth = 0;
    QChar quote;
    for (qsizetype i = 0; i < s.size(); ++i) {
        const QChar c = s.at(i);
        if (!quote.isNull()) {
            if (c == quote)
                quote = QChar();
        } else if (c == QLatin1Char('\'') || c == QLatin1Char('"')) {
            quote = c;
        } else if (c == QLatin1Char('(')) {
            ++depth;
        } else if (c == QLatin1Char(')')) {
            --depth;
        } else if (depth == 0 && startsWithWord(s, i, QLatin1String("order"))) {
            qsizetype j = i + 5;
            while (j < s.size() && s.at(j).isSpace())
                ++j;
            if (startsWithWord(s, j, QLatin1String("by")))
                last = i;
        }
    }
    if (last < 0)
        return s;
    // Only a plain final ORDER BY is left out; one with values or limits stays.
    const QString tail = s.mid(last);
    static const QRegularExpression plain(QStringLiteral("^order\\s+by\\s+[\\w\\s,.\"]+$"),
                                          QRegularExpression::CaseInsensitiveOption);
    static const QRegularExpression limits(QStringLiteral("\\b(limit|offset|fetch|collate)\\b"),
                                           QRegularExpression::CaseInsensitiveOption);
    if (!plain.match(tail).hasMatch() || limits.match(tail).hasMatch())
        return s;
    return s.left(last);
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
    clearRows();
    emit reset();
    emit currentRowChanged(m_current);
}

void TDataSet::setRows(const QStringList& fields, const QVector<QVariantList>& rows)
{
    emit aboutToReset();
    clearRows();
    m_fields = fields;
    m_cells.reserve(rows.size() * fields.size());
    for (const QVariantList& r : rows)
        for (int i = 0; i < fields.size(); ++i)
            m_cells.append(r.value(i));
    m_loaded = m_expected = static_cast<int>(rows.size());
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
    const int loadRow = m_order.at(row);
    if (loadRow >= m_loaded)
        fetchTo(loadRow);
    if (loadRow >= m_loaded)
        return nullVariant();
    return m_cells.at(static_cast<qsizetype>(loadRow) * m_fields.size() + col);
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
    fetchAll(); // sums come from the rows in memory from now on
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
    fetchAll();
    // Sort keys are read once per row: numbers as numbers, texts folded for
    // a comparison without regard to case (the order of compareValues).
    const int width = static_cast<int>(m_fields.size());
    const qsizetype rows = m_loaded;
    struct KeyData
    {
        QVector<char> kind; // 0 null, 1 number, 2 text
        QVector<double> num;
        QVector<QString> text;
    };
    QVector<KeyData> data(keys.size());
    for (int k = 0; k < keys.size(); ++k) {
        KeyData& d = data[k];
        d.kind.resize(rows);
        d.num.resize(rows);
        bool anyText = false;
        for (qsizetype r = 0; r < rows; ++r) {
            const QVariant& v = m_cells.at(r * width + keys.at(k).col);
            if (v.isNull() || !v.isValid()) {
                d.kind[r] = 0;
            } else if (isNumber(v)) {
                d.kind[r] = 1;
                d.num[r] = v.toDouble();
            } else {
                d.kind[r] = 2;
                anyText = true;
            }
        }
        if (anyText) { // texts, and numbers compared with texts, as folded text
            d.text.resize(rows);
            for (qsizetype r = 0; r < rows; ++r)
                if (d.kind.at(r) != 0)
                    d.text[r] = m_cells.at(r * width + keys.at(k).col).toString().toCaseFolded();
        }
    }
    std::stable_sort(m_order.begin(), m_order.end(), [&](int a, int b) {
        for (int k = 0; k < keys.size(); ++k) {
            const KeyData& d = data.at(k);
            const char ka = d.kind.at(a), kb = d.kind.at(b);
            int c;
            if (ka == 0 || kb == 0)
                c = ka == kb ? 0 : (ka == 0 ? -1 : 1);
            else if (ka == 1 && kb == 1)
                c = d.num.at(a) < d.num.at(b) ? -1 : (d.num.at(a) > d.num.at(b) ? 1 : 0);
            else
                c = d.text.at(a).compare(d.text.at(b));
            if (c != 0)
                return keys.at(k).desc ? c > 0 : c < 0;
        }
        return false;
    });
}

double TDataSet::sum(int col) const
{
    return sums({col}).value(0);
}

QVector<double> TDataSet::sums(const QVector<int>& cols) const
{
    QVector<double> out(cols.size(), 0.0);
    if (m_cursor) {
        // Rows remain unread: one statement sums the columns not yet known.
        QStringList terms;
        QVector<int> asked;
        for (int col : cols)
            if (col >= 0 && col < m_fields.size() && !m_dbSums.contains(col) && !asked.contains(col)) {
                QString name = m_fields.at(col);
                name.replace(QLatin1Char('"'), QLatin1String("\"\""));
                terms << QStringLiteral("total(\"") + name + QStringLiteral("\")");
                asked << col;
            }
        if (!terms.isEmpty()) {
            QSqlQuery q(m_db);
            bool ok = q.prepare(QStringLiteral("select ") + terms.join(QLatin1Char(',')) + QStringLiteral(" from (") +
                                unorderedSql() + QStringLiteral(") as mm_sum"));
            if (ok) {
                for (const QVariant& p : m_params)
                    q.addBindValue(p);
                ok = q.exec() && q.next();
            }
            if (ok)
                for (int i = 0; i < asked.size(); ++i)
                    m_dbSums.insert(asked.at(i), q.value(i).toDouble());
            else
                fetchAll();
        }
        if (m_cursor) {
            for (int i = 0; i < cols.size(); ++i)
                out[i] = m_dbSums.value(cols.at(i));
            return out;
        }
    }
    const int rows = recordCount();
    for (int i = 0; i < cols.size(); ++i) {
        const int col = cols.at(i);
        if (col < 0 || col >= m_fields.size())
            continue;
        double s = 0;
        for (int r = 0; r < rows; ++r)
            s += cell(r, col).toDouble();
        out[i] = s;
    }
    return out;
}
