#include "core/grid/dbgrid.h"

#include "core/dataset.h"

#include <QHeaderView>
#include <QItemSelection>
#include <QPainter>
#include <QScrollBar>
#include <QStyleOption>
#include <set>

// The footer row under the grid: one cell per shown column, aligned with the
// titles and following their widths and the horizontal scrolling.
class TGridFooter : public QWidget
{
public:
    TGridFooter(TDBGrid* grid, TGridModel* model) : QWidget(grid), m_grid(grid), m_model(model)
    {
        setObjectName(QStringLiteral("gridFooter"));
    }

    int rowHeight() const { return fontMetrics().height() + 8; }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter p(this);
        p.fillRect(rect(), palette().button());
        const QHeaderView* header = m_grid->horizontalHeader();
        p.setPen(palette().mid().color());
        p.drawLine(0, 0, width(), 0);
        for (int v = 0; v < header->count(); ++v) {
            const int col = header->logicalIndex(v);
            if (header->isSectionHidden(col))
                continue;
            const int x = header->sectionViewportPosition(col);
            const int w = header->sectionSize(col);
            if (x + w < 0 || x > width())
                continue;
            const QRect cell(x, 1, w, height() - 1);
            p.setPen(palette().mid().color());
            p.drawLine(cell.topRight(), cell.bottomRight());
            const QString text = m_model->footerText(col);
            if (text.isEmpty())
                continue;
            Qt::Alignment align = Qt::AlignVCenter;
            switch (m_model->column(col).footerAlignment) {
            case TGridColumn::AlignCenter:
                align |= Qt::AlignHCenter;
                break;
            case TGridColumn::AlignRight:
                align |= Qt::AlignRight;
                break;
            default:
                align |= Qt::AlignLeft;
                break;
            }
            p.setPen(palette().buttonText().color());
            p.drawText(cell.adjusted(3, 0, -3, 0), static_cast<int>(align),
                       fontMetrics().elidedText(text, Qt::ElideRight, cell.width() - 6));
        }
    }

private:
    TDBGrid* m_grid;
    TGridModel* m_model;
};

TDBGrid::TDBGrid(QWidget* parent)
    : QTableView(parent), m_model(new TGridModel(this)), m_footer(new TGridFooter(this, m_model))
{
    setModel(m_model);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setAlternatingRowColors(false);
    setWordWrap(false);
    setCornerButtonEnabled(false);
    verticalHeader()->hide();
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
    horizontalHeader()->setSectionsMovable(true);
    horizontalHeader()->setSectionsClickable(true);
    horizontalHeader()->setHighlightSections(false);
    horizontalHeader()->setDefaultAlignment(Qt::AlignCenter);
    horizontalHeader()->setSortIndicatorShown(false);
    horizontalHeader()->setStretchLastSection(false);
    m_footer->hide();

    connect(horizontalHeader(), &QHeaderView::sectionClicked, this, &TDBGrid::clickTitle);
    connect(horizontalHeader(), &QHeaderView::sectionResized, this, [this](int col, int, int size) {
        m_model->setColumnWidth(col, size);
        m_footer->update();
    });
    connect(horizontalHeader(), &QHeaderView::sectionMoved, m_footer, qOverload<>(&QWidget::update));
    connect(horizontalScrollBar(), &QScrollBar::valueChanged, m_footer, qOverload<>(&QWidget::update));
    connect(m_model, &TGridModel::footerChanged, m_footer, qOverload<>(&QWidget::update));
    connect(m_model, &QAbstractItemModel::modelReset, this, [this]() {
        applyColumnLook();
        if (TDataSet* set = dataSet())
            onDataSetRowChanged(set->currentRow());
    });
    connect(this, &QAbstractItemView::doubleClicked, this, [this](const QModelIndex& index) {
        if (index.isValid())
            emit rowDoubleClicked(index.row());
    });
}

TDBGrid::~TDBGrid() = default;

void TDBGrid::setDataSet(TDataSet* set)
{
    if (TDataSet* old = dataSet())
        disconnect(old, nullptr, this, nullptr);
    m_model->setDataSet(set);
    if (set)
        connect(set, &TDataSet::currentRowChanged, this, &TDBGrid::onDataSetRowChanged);
}

TDataSet* TDBGrid::dataSet() const
{
    return m_model->dataSet();
}

void TDBGrid::setColumns(const QVector<TGridColumn>& columns)
{
    m_sortColumn = -1;
    horizontalHeader()->setSortIndicatorShown(false);
    m_model->setColumns(columns); // the reset applies widths and visibility
}

void TDBGrid::applyColumnLook()
{
    QHeaderView* header = horizontalHeader();
    const QVector<TGridColumn> cols = m_model->columns();
    for (int i = 0; i < cols.size(); ++i) {
        setColumnHidden(i, !cols.at(i).visible);
        if (cols.at(i).visible)
            header->resizeSection(i, cols.at(i).width);
    }
    if (m_sortColumn >= 0 && m_sortColumn < cols.size()) {
        header->setSortIndicatorShown(true);
        header->setSortIndicator(m_sortColumn, m_sortOrder);
    }
    updateFooter();
}

QVector<TGridColumn> TDBGrid::columns() const
{
    QVector<TGridColumn> out;
    const QHeaderView* header = horizontalHeader();
    const int n = m_model->columnCount();
    out.reserve(n);
    for (int v = 0; v < n; ++v) {
        const int col = header->logicalIndex(v);
        out << column(col < 0 ? v : col);
    }
    return out;
}

int TDBGrid::gridColumnCount() const
{
    return m_model->columnCount();
}

TGridColumn TDBGrid::column(int col) const
{
    if (col < 0 || col >= m_model->columnCount())
        return {};
    TGridColumn c = m_model->column(col);
    c.visible = !isColumnHidden(col);
    return c;
}

void TDBGrid::setColumn(int col, const TGridColumn& column)
{
    if (col < 0 || col >= m_model->columnCount())
        return;
    m_model->setColumn(col, column);
    setColumnHidden(col, !column.visible);
    if (column.visible)
        horizontalHeader()->resizeSection(col, column.width);
    updateFooter();
}

int TDBGrid::findColumn(const QString& fieldName) const
{
    return m_model->findColumn(fieldName);
}

void TDBGrid::setColumnVisible(int col, bool visible)
{
    if (col < 0 || col >= m_model->columnCount())
        return;
    m_model->setColumnVisible(col, visible);
    setColumnHidden(col, !visible);
    if (visible)
        horizontalHeader()->resizeSection(col, m_model->column(col).width);
    m_footer->update();
}

void TDBGrid::setDisplayText(const QString& fieldName, TGridModel::DisplayTextFn fn)
{
    m_model->setDisplayText(fieldName, std::move(fn));
}

void TDBGrid::setRowColors(TGridModel::RowColorsFn fn)
{
    m_model->setRowColors(std::move(fn));
}

void TDBGrid::setReadOnly(bool readOnly)
{
    m_model->setEditable(!readOnly);
    setEditTriggers(readOnly ? QAbstractItemView::NoEditTriggers
                             : QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                                   QAbstractItemView::AnyKeyPressed);
}

void TDBGrid::setMultiSelect(bool multi)
{
    setSelectionMode(multi ? QAbstractItemView::ExtendedSelection : QAbstractItemView::SingleSelection);
}

bool TDBGrid::isMultiSelect() const
{
    return selectionMode() == QAbstractItemView::ExtendedSelection;
}

QList<int> TDBGrid::selectedRows() const
{
    std::set<int> rows;
    const QItemSelection sel = selectionModel()->selection();
    for (const QItemSelectionRange& r : sel)
        for (int row = r.top(); row <= r.bottom(); ++row)
            rows.insert(row);
    return QList<int>(rows.begin(), rows.end());
}

void TDBGrid::selectRows(const QList<int>& rows)
{
    QItemSelection sel;
    const int last = m_model->columnCount() - 1;
    if (last < 0)
        return;
    for (int row : rows)
        if (row >= 0 && row < m_model->rowCount())
            sel.select(m_model->index(row, 0), m_model->index(row, last));
    selectionModel()->select(sel, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
}

void TDBGrid::setFooterVisible(bool visible)
{
    m_footerForced = visible;
    updateFooter();
}

bool TDBGrid::isFooterVisible() const
{
    if (m_footerForced)
        return *m_footerForced;
    for (const TGridColumn& c : m_model->columns())
        if (c.footerType == TGridColumn::FooterText || c.footerType == TGridColumn::FooterSum)
            return true;
    return false;
}

QWidget* TDBGrid::footer() const
{
    return m_footer;
}

void TDBGrid::updateFooter()
{
    const bool show = isFooterVisible();
    if (show != m_footer->isVisibleTo(this)) {
        m_footer->setVisible(show);
        updateGeometries();
    }
    m_footer->update();
}

void TDBGrid::updateGeometries()
{
    QTableView::updateGeometries();
    // The table sets its margins for the titles; the footer takes the bottom.
    const bool show = m_footer && !m_footer->isHidden();
    QMargins m = viewportMargins();
    const int bottom = show ? m_footer->rowHeight() : 0;
    if (m.bottom() != bottom) {
        m.setBottom(bottom);
        setViewportMargins(m);
    }
    if (show) {
        const QRect vg = viewport()->geometry();
        m_footer->setGeometry(vg.left(), vg.bottom() + 1, vg.width(), bottom);
    }
}

void TDBGrid::setSortPredicate(SortPredicate predicate)
{
    m_sortPredicate = std::move(predicate);
}

void TDBGrid::clickTitle(int col)
{
    if (col < 0 || col >= m_model->columnCount())
        return;
    m_sortOrder = (col == m_sortColumn && m_sortOrder == Qt::AscendingOrder) ? Qt::DescendingOrder
                                                                             : Qt::AscendingOrder;
    m_sortColumn = col;
    horizontalHeader()->setSortIndicatorShown(true);
    horizontalHeader()->setSortIndicator(col, m_sortOrder);
    TDataSet* set = dataSet();
    const TGridColumn& c = m_model->column(col);
    if (!set || !set->isOpen() || set->fieldIndex(c.fieldName) < 0)
        return;
    if (m_sortPredicate && !m_sortPredicate(c))
        return;
    set->sort(c.fieldName + (m_sortOrder == Qt::AscendingOrder ? QStringLiteral(" ASC") : QStringLiteral(" DESC")));
    horizontalHeader()->setSortIndicator(col, m_sortOrder); // the reset may have cleared it
}

void TDBGrid::clearSortMark()
{
    m_sortColumn = -1;
    horizontalHeader()->setSortIndicatorShown(false);
}

void TDBGrid::applySortExpression(const QString& expression)
{
    clearSortMark();
    if (TDataSet* set = dataSet(); set && set->isOpen() && !expression.isEmpty())
        set->sort(expression);
}

ExportTable TDBGrid::exportTable() const
{
    ExportTable t;
    const QHeaderView* header = horizontalHeader();
    const int n = m_model->columnCount();
    QVector<int> order;
    for (int v = 0; v < n; ++v) {
        const int col = header->logicalIndex(v);
        order << (col < 0 ? v : col);
    }
    for (int col : order) {
        t.titles << m_model->column(col).title;
        t.formats << m_model->column(col).displayFormat;
    }
    const TDataSet* set = dataSet();
    const int rows = set ? set->recordCount() : 0;
    t.rows.reserve(rows);
    // Coded columns give the text the operator sees; the others their values,
    // which the export formats itself.
    for (int r = 0; r < rows; ++r) {
        QVariantList line;
        line.reserve(order.size());
        for (int col : order) {
            const int fc = m_model->fieldColumn(col);
            if (m_model->hasDisplayText(col))
                line << m_model->cellText(r, col);
            else
                line << (fc >= 0 ? set->value(r, fc) : QVariant());
        }
        t.rows << line;
    }
    return t;
}

void TDBGrid::currentChanged(const QModelIndex& current, const QModelIndex& previous)
{
    QTableView::currentChanged(current, previous);
    TDataSet* set = dataSet();
    if (m_syncing || !set || !current.isValid() || current.row() == set->currentRow())
        return;
    m_syncing = true;
    set->setCurrentRow(current.row());
    m_syncing = false;
}

int TDBGrid::firstVisibleColumn() const
{
    const QHeaderView* header = horizontalHeader();
    for (int v = 0; v < header->count(); ++v) {
        const int col = header->logicalIndex(v);
        if (!header->isSectionHidden(col))
            return col;
    }
    return 0;
}

void TDBGrid::onDataSetRowChanged(int row)
{
    if (m_syncing || !selectionModel())
        return;
    m_syncing = true;
    if (row < 0 || row >= m_model->rowCount() || m_model->columnCount() == 0) {
        selectionModel()->clearCurrentIndex();
    } else if (currentIndex().row() != row) {
        const int col = currentIndex().isValid() ? currentIndex().column() : firstVisibleColumn();
        const QModelIndex idx = m_model->index(row, col);
        selectionModel()->setCurrentIndex(idx, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
        scrollTo(idx);
    }
    m_syncing = false;
}
