#pragma once

#include "core/dataset.h"
#include "core/grid/gridcolumn.h"

#include <QAbstractTableModel>
#include <QColor>
#include <QHash>
#include <QPointer>
#include <functional>


// Colours of one grid row; an invalid colour keeps the grid's own.
struct TRowColors
{
    QColor text;
    QColor background;
};

// The rows of a data set under a list of columns. Columns hidden by the
// grid stay in the model; a column whose field the result lacks shows empty
// cells. Rows are the data set's rows in its current (sorted) order.
class TGridModel : public QAbstractTableModel
{
    Q_OBJECT
public:
    // Text shown for a stored value of one field (coded columns).
    using DisplayTextFn = std::function<QString(const QVariant& value, int row)>;
    // Colours of a row, asked whenever the row is drawn.
    using RowColorsFn = std::function<TRowColors(int row)>;

    explicit TGridModel(QObject* parent = nullptr);

    void setDataSet(TDataSet* set);
    TDataSet* dataSet() const { return m_set; }

    void setColumns(const QVector<TGridColumn>& columns);
    const QVector<TGridColumn>& columns() const { return m_columns; }
    const TGridColumn& column(int col) const { return m_columns.at(col); }
    // Changes one column in place (title, format, footer, ...).
    void setColumn(int col, const TGridColumn& column);
    // Records a width the operator gave a column (no change signals).
    void setColumnWidth(int col, int width);
    void setColumnVisible(int col, bool visible);
    // First column showing the field (any letter case); -1 if none.
    int findColumn(const QString& fieldName) const;
    // Column of the data set behind a grid column; -1 when the result lacks it.
    int fieldColumn(int col) const;

    void setDisplayText(const QString& fieldName, DisplayTextFn fn);
    bool hasDisplayText(int col) const { return static_cast<bool>(m_colDisplay.value(col)); }
    void setRowColors(RowColorsFn fn);
    void setEditable(bool editable);
    bool isEditable() const { return m_editable; }

    // The text a cell shows.
    QString cellText(int row, int col) const;
    // The text of a column's footer: fixed text, the formatted sum, or empty.
    QString footerText(int col) const;
    // Sum of the column's field over every row of the data set.
    double columnSum(int col) const;

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;

signals:
    // Footer texts may have changed (new rows, edited values, new columns).
    void footerChanged();

private:
    void remap();
    void onAboutToReset();
    void onReset();
    void onValueChanged(int row, int col);

    QPointer<TDataSet> m_set;
    QVector<TGridColumn> m_columns;
    QVector<int> m_fieldCols;
    QVector<DisplayTextFn> m_colDisplay; // per grid column, from m_displayText
    QHash<QString, DisplayTextFn> m_displayText; // by lower-case field name
    RowColorsFn m_rowColors;
    mutable QHash<int, double> m_sums; // by data set column
    bool m_editable = false;
    bool m_resetting = false;
};
