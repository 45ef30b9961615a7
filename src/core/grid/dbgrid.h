#pragma once

#include "core/dmdata.h"
#include "core/grid/gridcolumn.h"
#include "core/grid/gridmodel.h"

#include <QTableView>
#include <functional>
#include <optional>

class TDataSet;
class TGridFooter;

// The data grid of every list: the rows of a data set under designed or
// stored columns, whole-row selection (optionally several rows), a footer
// row with sums or fixed texts, sort marks on the titles and row colours and
// display texts decided by the window. The grid's current row and the data
// set's current row follow each other.
//
// Column numbers are those of the column list as set (setColumns or a stored
// layout); the operator may drag columns into another order, which columns()
// reports.
class TDBGrid : public QTableView
{
    Q_OBJECT
public:
    explicit TDBGrid(QWidget* parent = nullptr);
    ~TDBGrid() override;

    void setDataSet(TDataSet* set);
    TDataSet* dataSet() const;
    TGridModel* gridModel() const { return m_model; }

    // Replaces all columns (the designed ones, or a stored layout) and clears
    // the sort mark.
    void setColumns(const QVector<TGridColumn>& columns);
    // The columns in the order shown, with their current widths and visibility.
    QVector<TGridColumn> columns() const;
    int gridColumnCount() const;
    TGridColumn column(int col) const;
    // Changes one column: title, format, footer, width, visibility ...
    void setColumn(int col, const TGridColumn& column);
    // First column of a field (any letter case), -1 if none.
    int findColumn(const QString& fieldName) const;
    void setColumnVisible(int col, bool visible);

    // Text of the cells of a coded field, e.g. F_IFnew 0 -> "折扣卡".
    void setDisplayText(const QString& fieldName, TGridModel::DisplayTextFn fn);
    // Colours of each row, decided when it is drawn.
    void setRowColors(TGridModel::RowColorsFn fn);

    // A read-only grid (the default) edits nothing; otherwise every column
    // that is not read-only can be edited in place.
    void setReadOnly(bool readOnly);
    bool isReadOnly() const { return !m_model->isEditable(); }

    // Several rows at once (Ctrl and Shift clicks) or one row.
    void setMultiSelect(bool multi);
    bool isMultiSelect() const;
    // Selected rows of the data set, ascending.
    QList<int> selectedRows() const;
    void selectRows(const QList<int>& rows);

    // The footer shows when a column has a footer, unless set here.
    void setFooterVisible(bool visible);
    bool isFooterVisible() const;
    QString footerText(int col) const { return m_model->footerText(col); }
    QWidget* footer() const;

    // Title clicks: each click on a title switches its sort mark between
    // ascending and descending (first click ascending) and sorts the loaded
    // rows by that column. Columns refused by the predicate get the mark but
    // are not sorted.
    using SortPredicate = std::function<bool(const TGridColumn& column)>;
    void setSortPredicate(SortPredicate predicate);
    void clickTitle(int col);
    int sortMarkColumn() const { return m_sortColumn; }
    Qt::SortOrder sortMarkOrder() const { return m_sortOrder; }
    void clearSortMark();
    // Sorts the rows by an expression of the sort dialog ("f_hycode ASC,f_name DESC,").
    void applySortExpression(const QString& expression);

    // The table of the spreadsheet export: titles, formats and rows of all
    // columns (hidden ones too) in the order shown; coded columns give their
    // display texts.
    ExportTable exportTable() const;

signals:
    void rowDoubleClicked(int row);

protected:
    void updateGeometries() override;
    void currentChanged(const QModelIndex& current, const QModelIndex& previous) override;

private:
    void onDataSetRowChanged(int row);
    void applyColumnLook();
    void updateFooter();
    int firstVisibleColumn() const;

    TGridModel* m_model;
    TGridFooter* m_footer;
    SortPredicate m_sortPredicate;
    std::optional<bool> m_footerForced;
    int m_sortColumn = -1;
    Qt::SortOrder m_sortOrder = Qt::AscendingOrder;
    bool m_syncing = false;
};
