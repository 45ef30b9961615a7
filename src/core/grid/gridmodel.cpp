#include "core/grid/gridmodel.h"

#include "core/dataset.h"
#include "core/grid/displayformat.h"

namespace {
Qt::Alignment toQt(int alignment)
{
    switch (alignment) {
    case TGridColumn::AlignCenter:
        return Qt::AlignHCenter | Qt::AlignVCenter;
    case TGridColumn::AlignRight:
        return Qt::AlignRight | Qt::AlignVCenter;
    default:
        return Qt::AlignLeft | Qt::AlignVCenter;
    }
}
} // namespace

TGridModel::TGridModel(QObject* parent) : QAbstractTableModel(parent) {}

void TGridModel::setDataSet(TDataSet* set)
{
    if (set == m_set)
        return;
    beginResetModel();
    if (m_set)
        disconnect(m_set, nullptr, this, nullptr);
    m_set = set;
    if (m_set) {
        connect(m_set, &TDataSet::aboutToReset, this, &TGridModel::onAboutToReset);
        connect(m_set, &TDataSet::reset, this, &TGridModel::onReset);
        connect(m_set, &TDataSet::valueChanged, this, &TGridModel::onValueChanged);
        connect(m_set, &QObject::destroyed, this, [this]() {
            beginResetModel();
            m_sums.clear();
            remap();
            endResetModel();
        });
    }
    m_sums.clear();
    remap();
    endResetModel();
    emit footerChanged();
}

void TGridModel::setColumns(const QVector<TGridColumn>& columns)
{
    beginResetModel();
    m_columns = columns;
    remap();
    endResetModel();
    emit footerChanged();
}

void TGridModel::setColumn(int col, const TGridColumn& column)
{
    if (col < 0 || col >= m_columns.size())
        return;
    const bool sameField = m_columns.at(col).fieldName.compare(column.fieldName, Qt::CaseInsensitive) == 0;
    m_columns[col] = column;
    if (!sameField)
        remap();
    emit headerDataChanged(Qt::Horizontal, col, col);
    if (rowCount() > 0)
        emit dataChanged(index(0, col), index(rowCount() - 1, col));
    emit footerChanged();
}

void TGridModel::setColumnWidth(int col, int width)
{
    if (col >= 0 && col < m_columns.size() && width > 0)
        m_columns[col].width = width;
}

void TGridModel::setColumnVisible(int col, bool visible)
{
    if (col >= 0 && col < m_columns.size())
        m_columns[col].visible = visible;
}

int TGridModel::findColumn(const QString& fieldName) const
{
    for (int i = 0; i < m_columns.size(); ++i)
        if (m_columns.at(i).fieldName.compare(fieldName, Qt::CaseInsensitive) == 0)
            return i;
    return -1;
}

int TGridModel::fieldColumn(int col) const
{
    return m_fieldCols.value(col, -1);
}

void TGridModel::setDisplayText(const QString& fieldName, DisplayTextFn fn)
{
    if (fn)
        m_displayText.insert(fieldName.toLower(), std::move(fn));
    else
        m_displayText.remove(fieldName.toLower());
    remap();
    if (rowCount() > 0 && columnCount() > 0)
        emit dataChanged(index(0, 0), index(rowCount() - 1, columnCount() - 1));
}

void TGridModel::setRowColors(RowColorsFn fn)
{
    m_rowColors = std::move(fn);
    if (rowCount() > 0 && columnCount() > 0)
        emit dataChanged(index(0, 0), index(rowCount() - 1, columnCount() - 1),
                         {Qt::ForegroundRole, Qt::BackgroundRole});
}

void TGridModel::setEditable(bool editable)
{
    m_editable = editable;
}

void TGridModel::remap()
{
    m_fieldCols.resize(m_columns.size());
    m_colDisplay.resize(m_columns.size());
    for (int i = 0; i < m_columns.size(); ++i) {
        const QString& field = m_columns.at(i).fieldName;
        m_fieldCols[i] = m_set ? m_set->fieldIndex(field) : -1;
        m_colDisplay[i] = m_displayText.value(field.toLower());
    }
}

void TGridModel::onAboutToReset()
{
    if (m_resetting)
        return;
    m_resetting = true;
    beginResetModel();
}

void TGridModel::onReset()
{
    if (!m_resetting)
        beginResetModel();
    m_resetting = false;
    m_sums.clear();
    remap();
    endResetModel();
    emit footerChanged();
}

void TGridModel::onValueChanged(int row, int col)
{
    m_sums.remove(col);
    for (int i = 0; i < m_fieldCols.size(); ++i)
        if (m_fieldCols.at(i) == col)
            emit dataChanged(index(row, i), index(row, i));
    emit footerChanged();
}

QString TGridModel::cellText(int row, int col) const
{
    if (!m_set || col < 0 || col >= m_columns.size())
        return {};
    const int fc = m_fieldCols.at(col);
    const QVariant v = fc >= 0 ? m_set->value(row, fc) : QVariant();
    if (const DisplayTextFn& fn = m_colDisplay.at(col))
        return fn(v, row);
    return displayformat::formatValue(v, m_columns.at(col).displayFormat);
}

double TGridModel::columnSum(int col) const
{
    const int fc = fieldColumn(col);
    if (!m_set || fc < 0)
        return 0;
    auto it = m_sums.constFind(fc);
    if (it != m_sums.constEnd())
        return it.value();
    // Every summed footer at once: one reading of a result not yet in memory.
    QVector<int> wanted{fc};
    for (int i = 0; i < m_columns.size(); ++i) {
        const int other = m_fieldCols.at(i);
        if (m_columns.at(i).footerType == TGridColumn::FooterSum && other >= 0 && !m_sums.contains(other) &&
            !wanted.contains(other))
            wanted << other;
    }
    const QVector<double> sums = m_set->sums(wanted);
    for (int i = 0; i < wanted.size(); ++i)
        m_sums.insert(wanted.at(i), sums.value(i));
    return sums.value(0);
}

QString TGridModel::footerText(int col) const
{
    if (col < 0 || col >= m_columns.size())
        return {};
    const TGridColumn& c = m_columns.at(col);
    switch (c.footerType) {
    case TGridColumn::FooterText:
        return c.footerValue;
    case TGridColumn::FooterSum:
        return displayformat::formatNumber(columnSum(col), c.footerFormat);
    default:
        return {};
    }
}

int TGridModel::rowCount(const QModelIndex& parent) const
{
    if (parent.isValid() || !m_set)
        return 0;
    return m_set->recordCount();
}

int TGridModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(m_columns.size());
}

QVariant TGridModel::data(const QModelIndex& index, int role) const
{
    if (!checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid) || !m_set)
        return {};
    const int row = index.row();
    const int col = index.column();
    switch (role) {
    case Qt::DisplayRole:
        return cellText(row, col);
    case Qt::EditRole: {
        const int fc = m_fieldCols.at(col);
        return fc >= 0 ? m_set->value(row, fc) : QVariant();
    }
    case Qt::TextAlignmentRole:
        return QVariant::fromValue(toQt(m_columns.at(col).alignment));
    case Qt::ForegroundRole:
    case Qt::BackgroundRole: {
        if (!m_rowColors)
            return {};
        const TRowColors colors = m_rowColors(row);
        const QColor& c = role == Qt::ForegroundRole ? colors.text : colors.background;
        return c.isValid() ? QVariant(c) : QVariant();
    }
    default:
        return {};
    }
}

QVariant TGridModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || section < 0 || section >= m_columns.size())
        return QAbstractTableModel::headerData(section, orientation, role);
    switch (role) {
    case Qt::DisplayRole:
        return m_columns.at(section).title;
    case Qt::TextAlignmentRole:
        return QVariant::fromValue(Qt::Alignment(Qt::AlignCenter));
    case Qt::InitialSortOrderRole:
        return QVariant::fromValue(static_cast<int>(Qt::AscendingOrder));
    default:
        return {};
    }
}

Qt::ItemFlags TGridModel::flags(const QModelIndex& index) const
{
    if (!index.isValid())
        return Qt::NoItemFlags;
    Qt::ItemFlags f = Qt::ItemIsSelectable | Qt::ItemIsEnabled | Qt::ItemNeverHasChildren;
    if (m_editable && !m_columns.at(index.column()).readOnly && m_fieldCols.at(index.column()) >= 0)
        f |= Qt::ItemIsEditable;
    return f;
}

bool TGridModel::setData(const QModelIndex& index, const QVariant& value, int role)
{
    if (role != Qt::EditRole || !(flags(index) & Qt::ItemIsEditable) || !m_set)
        return false;
    // The data set announces the change (valueChanged), which updates the view.
    m_set->setValue(index.row(), m_fieldCols.at(index.column()), value);
    return true;
}
