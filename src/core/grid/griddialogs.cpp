#include "core/grid/griddialogs.h"

#include "core/grid/dbgrid.h"
#include "core/grid/gridlayout.h"
#include "core/support.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTableWidget>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

griddialogs::SortHook& sortHook()
{
    static griddialogs::SortHook h;
    return h;
}
griddialogs::ColumnsHook& columnsHook()
{
    static griddialogs::ColumnsHook h;
    return h;
}
griddialogs::CaptionHook& captionHook()
{
    static griddialogs::CaptionHook h;
    return h;
}
griddialogs::ValueHook& valueHook()
{
    static griddialogs::ValueHook h;
    return h;
}
griddialogs::ClassPicker& classPicker()
{
    static griddialogs::ClassPicker h;
    return h;
}

template <typename T> T replaceHook(T& slot, T hook)
{
    T old = std::move(slot);
    slot = std::move(hook);
    return old;
}

// "确定" (default) and "取消" in a row at the right.
QHBoxLayout* okCancelRow(QDialog* dialog)
{
    auto* row = new QHBoxLayout;
    row->addStretch();
    auto* ok = new QPushButton(QStringLiteral("确定"), dialog);
    ok->setObjectName(QStringLiteral("btnOk"));
    ok->setDefault(true);
    auto* cancel = new QPushButton(QStringLiteral("取消"), dialog);
    cancel->setObjectName(QStringLiteral("btnCancel"));
    QObject::connect(ok, &QPushButton::clicked, dialog, &QDialog::accept);
    QObject::connect(cancel, &QPushButton::clicked, dialog, &QDialog::reject);
    row->addWidget(ok);
    row->addWidget(cancel);
    return row;
}

} // namespace

// ---------------------------------------------------------------- columns

TFrmGridColumns::TFrmGridColumns(const QVector<TGridColumn>& columns, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint), m_list(new QListWidget(this))
{
    setObjectName(QStringLiteral("FrmGridColumns"));
    setWindowTitle(QStringLiteral("字段列表"));
    m_list->setObjectName(QStringLiteral("lstColumns"));
    for (const TGridColumn& c : columns) {
        auto* item = new QListWidgetItem(c.title, m_list);
        item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable);
        item->setCheckState(c.visible ? Qt::Checked : Qt::Unchecked);
    }
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_list);
    layout->addLayout(okCancelRow(this));
    resize(240, 360);
}

QVector<bool> TFrmGridColumns::visibleColumns() const
{
    QVector<bool> out;
    for (int i = 0; i < m_list->count(); ++i)
        out << (m_list->item(i)->checkState() == Qt::Checked);
    return out;
}

// ---------------------------------------------------------------- sort

TFrmSortDialog::TFrmSortDialog(const QVector<TGridColumn>& columns, QWidget* parent)
    : QDialog(parent), m_columns(columns), m_table(new QTableWidget(this))
{
    setObjectName(QStringLiteral("FrmSortDialog"));
    setWindowTitle(QStringLiteral("排序对话框"));
    for (const TGridColumn& c : columns)
        m_entries << gridsort::Entry{c.title, gridsort::None};

    m_table->setObjectName(QStringLiteral("tblSort"));
    m_table->setColumnCount(2);
    m_table->setHorizontalHeaderLabels({QStringLiteral("字段名称"), QStringLiteral("排序方式")});
    m_table->verticalHeader()->hide();
    m_table->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_table->setSelectionMode(QAbstractItemView::SingleSelection);
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_table->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);
    connect(m_table, &QTableWidget::cellDoubleClicked, this, [this](int row, int) { stepDirection(row); });

    auto* hint = new QLabel(QStringLiteral("提示：双击空白处切换排序方式（升降无），单击上下移动键调整优先顺序"), this);
    hint->setObjectName(QStringLiteral("lblHint"));
    hint->setWordWrap(true);
    auto* up = new QPushButton(QStringLiteral("上移"), this);
    up->setObjectName(QStringLiteral("btnUp"));
    auto* down = new QPushButton(QStringLiteral("下移"), this);
    down->setObjectName(QStringLiteral("btnDown"));
    connect(up, &QPushButton::clicked, this, &TFrmSortDialog::moveUp);
    connect(down, &QPushButton::clicked, this, &TFrmSortDialog::moveDown);

    auto* side = new QVBoxLayout;
    side->addWidget(up);
    side->addWidget(down);
    side->addStretch();
    auto* body = new QHBoxLayout;
    body->addWidget(m_table);
    body->addLayout(side);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(body);
    layout->addWidget(hint);
    layout->addLayout(okCancelRow(this));
    resize(360, 420);
    showEntries(0);
}

void TFrmSortDialog::showEntries(int currentRow)
{
    m_table->setRowCount(static_cast<int>(m_entries.size()));
    for (int r = 0; r < m_entries.size(); ++r) {
        m_table->setItem(r, 0, new QTableWidgetItem(m_entries.at(r).title));
        m_table->setItem(r, 1, new QTableWidgetItem(gridsort::directionText(m_entries.at(r).direction)));
    }
    if (currentRow >= 0 && currentRow < m_entries.size())
        m_table->setCurrentCell(currentRow, 0);
}

void TFrmSortDialog::stepDirection(int row)
{
    if (row < 0 || row >= m_entries.size())
        return;
    m_entries[row].direction = gridsort::nextDirection(m_entries.at(row).direction);
    m_table->item(row, 1)->setText(gridsort::directionText(m_entries.at(row).direction));
}

void TFrmSortDialog::moveUp()
{
    const int row = m_table->currentRow();
    if (row <= 0 || row >= m_entries.size())
        return;
    m_entries.swapItemsAt(row, row - 1);
    showEntries(row - 1);
}

void TFrmSortDialog::moveDown()
{
    const int row = m_table->currentRow();
    if (row < 0 || row + 1 >= m_entries.size())
        return;
    m_entries.swapItemsAt(row, row + 1);
    showEntries(row + 1);
}

QString TFrmSortDialog::expression() const
{
    return gridsort::expression(m_columns, m_entries);
}

// ---------------------------------------------------------------- caption

TFrmCaptionInput::TFrmCaptionInput(const QString& title, bool classPicker, QWidget* parent)
    : QDialog(parent), m_edit(new QLineEdit(this)), m_pick(new QToolButton(this))
{
    setObjectName(QStringLiteral("FrmCaptionInput"));
    setWindowTitle(title);
    auto* label = new QLabel(QStringLiteral("节点名称"), this);
    label->setObjectName(QStringLiteral("lblCaption"));
    label->setBuddy(m_edit);
    m_edit->setObjectName(QStringLiteral("edtCaption"));
    m_pick->setObjectName(QStringLiteral("btnPickClass"));
    m_pick->setText(QStringLiteral("..."));
    m_pick->setVisible(classPicker);
    connect(m_pick, &QToolButton::clicked, this, &TFrmCaptionInput::pickClass);

    auto* box = new QHBoxLayout;
    box->addWidget(label);
    box->addWidget(m_edit, 1);
    box->addWidget(m_pick);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(box);
    layout->addLayout(okCancelRow(this));
    resize(320, 100);
}

QString TFrmCaptionInput::text() const
{
    return m_edit->text();
}

void TFrmCaptionInput::setText(const QString& text)
{
    m_edit->setText(text);
}

void TFrmCaptionInput::accept()
{
    if (m_edit->text().trimmed().isEmpty()) {
        ShowMess(QStringLiteral("部门名称不能为空！"), mkInformation);
        m_edit->setFocus();
        return;
    }
    QDialog::accept();
}

void TFrmCaptionInput::pickClass()
{
    if (!classPicker())
        return;
    const QString likeCode = classPicker()(this, m_edit->text());
    if (!likeCode.isEmpty())
        m_edit->setText(likeCode);
}

// ---------------------------------------------------------------- value

TFrmValueInput::TFrmValueInput(QWidget* parent) : QDialog(parent), m_edit(new QLineEdit(this))
{
    setObjectName(QStringLiteral("FrmValueInput"));
    setWindowTitle(QStringLiteral("批量修改当前列"));
    auto* label = new QLabel(QStringLiteral("请输入要填写的字段值："), this);
    label->setObjectName(QStringLiteral("lblValue"));
    label->setBuddy(m_edit);
    m_edit->setObjectName(QStringLiteral("edtValue"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(label);
    layout->addWidget(m_edit);
    layout->addLayout(okCancelRow(this));
    resize(300, 110);
}

QString TFrmValueInput::text() const
{
    return m_edit->text();
}

// ---------------------------------------------------------------- ways in

namespace griddialogs {

QString SortGridDialog(TDBGrid* grid)
{
    if (!grid)
        return {};
    const QVector<TGridColumn> columns = grid->columns();
    if (sortHook())
        return sortHook()(columns);
    TFrmSortDialog dlg(columns, grid->window());
    return dlg.exec() == QDialog::Accepted ? dlg.expression() : QString();
}

SortHook setSortHook(SortHook hook)
{
    return replaceHook(sortHook(), std::move(hook));
}

std::optional<QVector<bool>> ChooseColumns(TDBGrid* grid)
{
    if (!grid)
        return std::nullopt;
    const QVector<TGridColumn> columns = grid->columns();
    if (columnsHook())
        return columnsHook()(columns);
    TFrmGridColumns dlg(columns, grid->window());
    if (dlg.exec() != QDialog::Accepted)
        return std::nullopt;
    return dlg.visibleColumns();
}

ColumnsHook setColumnsHook(ColumnsHook hook)
{
    return replaceHook(columnsHook(), std::move(hook));
}

QString InputCaption(QWidget* parent, const QString& title, bool classPicker, const QString& text)
{
    if (captionHook())
        return captionHook()(title, classPicker, text);
    TFrmCaptionInput dlg(title, classPicker, parent);
    dlg.setText(text);
    return dlg.exec() == QDialog::Accepted ? dlg.text() : QString();
}

CaptionHook setCaptionHook(CaptionHook hook)
{
    return replaceHook(captionHook(), std::move(hook));
}

QString InputFieldValue(QWidget* parent)
{
    if (valueHook())
        return valueHook()();
    TFrmValueInput dlg(parent);
    return dlg.exec() == QDialog::Accepted ? dlg.text() : QString();
}

ValueHook setValueHook(ValueHook hook)
{
    return replaceHook(valueHook(), std::move(hook));
}

ClassPicker setClassPicker(ClassPicker picker)
{
    return replaceHook(classPicker(), std::move(picker));
}

} // namespace griddialogs

bool ChooseGridColumns(TDBGrid* grid)
{
    const std::optional<QVector<bool>> choice = griddialogs::ChooseColumns(grid);
    if (!choice)
        return false;
    // The choice comes in grid order, which may differ from the column numbers.
    const QVector<TGridColumn> shown = grid->columns();
    for (int i = 0; i < shown.size() && i < choice->size(); ++i) {
        const int col = grid->horizontalHeader()->logicalIndex(i);
        grid->setColumnVisible(col < 0 ? i : col, choice->at(i));
    }
    return true;
}
