#include "goods/TDlgGoodXz.h"

#include "app/commands.h"
#include "core/dataset.h"
#include "core/dmdata.h"
#include "core/grid/dbgrid.h"
#include "core/grid/gridlayout.h"
#include "goods/TfrmGoodEdit.h"
#include "goods/TfrmGoodSet.h"
#include "goods/goodsui.h"

#include <QAction>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {
void addPopup(TDBGrid* grid, QDialog* owner, const QString& key)
{
    grid->setContextMenuPolicy(Qt::ActionsContextMenu);
    auto* cols = new QAction(QStringLiteral("显示字段列表"), grid);
    cols->setObjectName(QStringLiteral("pmColumns"));
    QObject::connect(cols, &QAction::triggered, owner, [grid] { ChooseGridColumns(grid); });
    auto* save = new QAction(QStringLiteral("保存当前设置"), grid);
    save->setObjectName(QStringLiteral("pmSaveGrid"));
    QObject::connect(save, &QAction::triggered, owner, [grid, key] { ConfirmSaveGridLayout(grid, key); });
    grid->addAction(cols);
    grid->addAction(save);
}

QPushButton* button(QWidget* parent, const QString& name, const QString& text)
{
    auto* b = new QPushButton(text, parent);
    b->setObjectName(name);
    b->setAutoDefault(false);
    return b;
}

void remember(const QString& code)
{
    dmData->ExecSql(QStringLiteral("insert into tempCode(F_code) values(?)"), {code});
}

struct Picker
{
    QLineEdit* search;
    QPushButton* query;
    TDBGrid* grid;
    QPushButton* add;
};

// What both pickers show: the search box and "查询" closing the filter row,
// the list with its pop-up menu, and "确定", "新增商品", "关闭" below it.
// "确定" and a double click pick; "关闭" closes.
Picker buildPicker(QDialog* dlg, QVBoxLayout* lay, QHBoxLayout* filter, TDataSet* set,
                   const QVector<TGridColumn>& columns, const QString& layoutKey, std::function<void()> pick)
{
    Picker p;
    filter->addWidget(new QLabel(QStringLiteral("请输入商品的编号、名称或产地："), dlg));
    p.search = new QLineEdit(dlg);
    p.search->setObjectName(QStringLiteral("edtSearch"));
    filter->addWidget(p.search, 1);
    p.query = button(dlg, QStringLiteral("btnQuery"), QStringLiteral("查询"));
    filter->addWidget(p.query);
    lay->addLayout(filter);
    p.grid = new TDBGrid(dlg);
    p.grid->setObjectName(QStringLiteral("DBGridEh1"));
    p.grid->setDataSet(set);
    p.grid->setColumns(columns);
    addPopup(p.grid, dlg, layoutKey);
    lay->addWidget(p.grid, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    auto* ok = button(dlg, QStringLiteral("btnOk"), QStringLiteral("确定"));
    p.add = button(dlg, QStringLiteral("btnNew"), QStringLiteral("新增商品"));
    auto* close = button(dlg, QStringLiteral("btnClose"), QStringLiteral("关闭"));
    buttons->addWidget(ok);
    buttons->addWidget(p.add);
    buttons->addWidget(close);
    lay->addLayout(buttons);
    QObject::connect(ok, &QPushButton::clicked, dlg, pick);
    QObject::connect(close, &QPushButton::clicked, dlg, &QDialog::reject);
    QObject::connect(p.grid, &TDBGrid::rowDoubleClicked, dlg, [pick](int) { pick(); });
    return p;
}

// Hands the current row to the bill and keeps the article out of the list;
// false when there is no current row.
bool pickCurrent(const TDataSet* set, const TDlgGoodXz::PickFn& fn)
{
    if (set->isEmpty() || set->currentRow() < 0)
        return false;
    const QString code = set->field(QStringLiteral("F_code")).toString();
    if (fn)
        fn(*set);
    remember(code);
    return true;
}
} // namespace

// ---------------------------------------------------------------- goods

TDlgGoodXz::TDlgGoodXz(PickFn pickFn, QWidget* parent)
    : QDialog(parent), m_pick(std::move(pickFn)), m_set(new TDataSet(this))
{
    setObjectName(QStringLiteral("DlgGoodXz"));
    setWindowTitle(QStringLiteral("货品选择"));
    resize(780, 460);
    auto* lay = new QVBoxLayout(this);
    auto* filter = new QHBoxLayout;
    filter->addWidget(new QLabel(QStringLiteral("按类别过滤："), this));
    m_cmbType = new goodsui::TRefillCombo(this, QStringLiteral("cmbType"), &goodsui::categoryNames);
    filter->addWidget(m_cmbType);
    const QString money = goodsui::moneyFormat();
    const Picker p = buildPicker(
        this, lay, filter, m_set,
        {
            TGridColumn::make(QStringLiteral("F_code"), QStringLiteral("编号"), 80),
            TGridColumn::make(QStringLiteral("F_name"), QStringLiteral("名称"), 120),
            TGridColumn::make(QStringLiteral("F_type"), QStringLiteral("类别"), 80),
            TGridColumn::make(QStringLiteral("F_spec"), QStringLiteral("规格"), 60),
            TGridColumn::make(QStringLiteral("F_unit"), QStringLiteral("单位"), 40, TGridColumn::AlignCenter),
            TGridColumn::make(QStringLiteral("F_address"), QStringLiteral("产地"), 80),
            TGridColumn::make(QStringLiteral("F_price1"), QStringLiteral("预售单价"), 80,
                              TGridColumn::AlignRight, money),
            TGridColumn::make(QStringLiteral("F_amount"), QStringLiteral("库存数量"), 70,
                              TGridColumn::AlignRight, goodsui::amountFormat()),
            TGridColumn::make(QStringLiteral("F_rate"), QStringLiteral("最低折扣"), 60,
                              TGridColumn::AlignRight, QStringLiteral("0.00##")),
            TGridColumn::make(QStringLiteral("F_mem"), QStringLiteral("备注"), 120),
        },
        QStringLiteral("dlggoodxz"), [this] { pick(); });
    m_edtSearch = p.search;
    m_grid = p.grid;
    connect(p.query, &QPushButton::clicked, this, [this] { query(); });
    connect(p.add, &QPushButton::clicked, this, &TDlgGoodXz::newGoods);

    dmData->ExecSql(QStringLiteral("delete from tempCode"));
    query();
    LoadGridLayout(m_grid, QStringLiteral("dlggoodxz"));
}

void TDlgGoodXz::query(const QString& locateCode)
{
    QString sql = QStringLiteral("select * from t_goods where not(F_code in (select F_code from tempCode "
                                 "where F_code is not null)) ");
    QVariantList params;
    const QString type = m_cmbType->currentText().trimmed();
    if (!type.isEmpty()) {
        sql += QStringLiteral("and F_type like ? escape '\\' ");
        params << TfrmGoodSet::startsPattern(type);
    }
    const QString text = m_edtSearch->text().trimmed();
    if (!text.isEmpty()) {
        sql +=
            QStringLiteral("and (F_code like ? escape '\\' or F_name like ? escape '\\' or F_address like ? "
                           "escape '\\') ");
        const QString p = TfrmGoodSet::containsPattern(text);
        params << p << p << p;
    }
    sql += QStringLiteral(" order by F_code");
    const int row = m_set->currentRow();
    dmData->OpenQuery(sql, *m_set, params);
    if (!locateCode.isEmpty())
        m_set->locate(QStringLiteral("F_code"), locateCode);
    else if (row > 0)
        m_set->setCurrentRow(row);
}

void TDlgGoodXz::pick()
{
    if (pickCurrent(m_set, m_pick))
        query();
}

void TDlgGoodXz::newGoods()
{
    TfrmGoodEdit dlg(
        TfrmGoodEdit::NewFromPicker, m_set, [this](const QString& code) { query(code); }, this);
    commands::execDialog(dlg);
}

// ---------------------------------------------------------------- gifts

TDLGgoodDHxz::TDLGgoodDHxz(PickFn pickFn, QWidget* parent)
    : QDialog(parent), m_pick(std::move(pickFn)), m_set(new TDataSet(this))
{
    setObjectName(QStringLiteral("DLGgoodDHxz"));
    setWindowTitle(QStringLiteral("兑换商品选择"));
    resize(560, 420);
    auto* lay = new QVBoxLayout(this);
    auto* filter = new QHBoxLayout;
    const Picker p = buildPicker(
        this, lay, filter, m_set,
        {
            TGridColumn::make(QStringLiteral("F_code"), QStringLiteral("编号"), 80),
            TGridColumn::make(QStringLiteral("F_name"), QStringLiteral("名称"), 140),
            TGridColumn::make(QStringLiteral("F_amount"), QStringLiteral("库存数量"), 80,
                              TGridColumn::AlignRight, goodsui::amountFormat(), TGridColumn::FooterSum),
            TGridColumn::make(QStringLiteral("F_jifen"), QStringLiteral("兑换积分"), 80,
                              TGridColumn::AlignRight, goodsui::amountFormat(), TGridColumn::FooterSum),
        },
        QStringLiteral("dlggooddhxz"), [this] { pick(); });
    m_edtSearch = p.search;
    m_grid = p.grid;
    connect(p.query, &QPushButton::clicked, this, &TDLGgoodDHxz::query);

    dmData->ExecSql(QStringLiteral("delete from tempCode"));
    query();
}

void TDLGgoodDHxz::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (!m_layoutLoaded) {
        m_layoutLoaded = true;
        LoadGridLayout(m_grid, QStringLiteral("dlggooddhxz"));
    }
}

void TDLGgoodDHxz::query()
{
    QString sql = QStringLiteral("select * from T_goodDH where not(F_code in (select F_code from tempCode "
                                 "where F_code is not null)) ");
    QVariantList params;
    const QString text = m_edtSearch->text().trimmed();
    if (!text.isEmpty()) {
        sql += QStringLiteral("and (F_code like ? escape '\\' or F_name like ? escape '\\') ");
        const QString p = TfrmGoodSet::containsPattern(text);
        params << p << p;
    }
    sql += QStringLiteral(" order by F_code");
    dmData->OpenQuery(sql, *m_set, params);
}

void TDLGgoodDHxz::pick()
{
    if (pickCurrent(m_set, m_pick))
        query();
}
