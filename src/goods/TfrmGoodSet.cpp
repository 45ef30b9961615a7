#include "goods/TfrmGoodSet.h"

#include "app/commands.h"
#include "core/dataset.h"
#include "core/dmdata.h"
#include "core/grid/dbgrid.h"
#include "core/grid/gridlayout.h"
#include "core/support.h"
#include "goods/TDLGaddSet1.h"
#include "goods/TDLGgoodJTH.h"
#include "goods/TfrmGoodEdit.h"
#include "goods/goodsui.h"
#include "report/reportprint.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QSplitter>
#include <QStatusBar>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

namespace {
QString escapeLike(const QString& text)
{
    QString out;
    for (QChar c : text) {
        if (c == QLatin1Char('\\') || c == QLatin1Char('%') || c == QLatin1Char('_'))
            out += QLatin1Char('\\');
        out += c;
    }
    return out;
}

QToolButton* toolButton(QToolBar* bar, const QString& name, const QString& text)
{
    auto* b = new QToolButton(bar);
    b->setObjectName(name);
    b->setText(text);
    b->setToolButtonStyle(Qt::ToolButtonTextOnly);
    bar->addWidget(b);
    return b;
}
} // namespace

QString TfrmGoodSet::containsPattern(const QString& text)
{
    return QLatin1Char('%') + escapeLike(text) + QLatin1Char('%');
}

QString TfrmGoodSet::startsPattern(const QString& text)
{
    return escapeLike(text) + QLatin1Char('%');
}

TfrmGoodSet::TfrmGoodSet(QWidget* parent)
    : QDialog(parent), m_goods(new TDataSet(this)), m_categories(new TDataSet(this)),
      m_gifts(new TDataSet(this))
{
    setObjectName(QStringLiteral("frmGoodSet"));
    setWindowTitle(QStringLiteral("商品资料管理"));
    auto* lay = new QVBoxLayout(this);

    // Filter bar.
    auto* filter = new QHBoxLayout;
    filter->addWidget(new QLabel(QStringLiteral("按类别过滤："), this));
    m_cmbType = new goodsui::TRefillCombo(this, QStringLiteral("cmbType"), &goodsui::categoryNames);
    m_cmbType->setMinimumWidth(140);
    filter->addWidget(m_cmbType);
    filter->addWidget(new QLabel(QStringLiteral("请输入商品的编号、名称或产地："), this));
    m_edtSearch = new QLineEdit(this);
    m_edtSearch->setObjectName(QStringLiteral("edtSearch"));
    filter->addWidget(m_edtSearch, 1);
    m_btnQuery = new QPushButton(QStringLiteral("查询(F8)"), this);
    m_btnQuery->setObjectName(QStringLiteral("btnQuery"));
    filter->addWidget(m_btnQuery);
    lay->addLayout(filter);

    // Tool bar.
    auto* bar = new QToolBar(QStringLiteral("商品资料日常管理"), this);
    bar->setObjectName(QStringLiteral("tbGoods"));
    bar->addWidget(new QLabel(QStringLiteral("商品资料日常管理  "), bar));
    m_btnJTH = toolButton(bar, QStringLiteral("btnJTH"), QStringLiteral("商品进退货(F5)"));
    m_btnAdd = toolButton(bar, QStringLiteral("btnAdd"), QStringLiteral("添加商品(F2)"));
    m_btnEdit = toolButton(bar, QStringLiteral("btnEdit"), QStringLiteral("修改商品(F3)"));
    m_btnDelete = toolButton(bar, QStringLiteral("btnDelete"), QStringLiteral("删除商品(F4)"));
    auto* btnPrint = toolButton(bar, QStringLiteral("btnPrint"), QStringLiteral("打印(&P)"));
    auto* btnDesign = toolButton(bar, QStringLiteral("btnDesign"), QStringLiteral("设置(&S)"));
    auto* btnExport = toolButton(bar, QStringLiteral("btnExport"), QStringLiteral("导出(&E)"));
    lay->addWidget(bar);

    // Goods grid.
    m_grid = new TDBGrid(this);
    m_grid->setObjectName(QStringLiteral("DBGridEh1"));
    m_grid->setMultiSelect(true);
    m_grid->setDataSet(m_goods);
    const QString money = goodsui::moneyFormat();
    m_grid->setColumns({
        TGridColumn::make(QStringLiteral("F_code"), QStringLiteral("编号"), 80),
        TGridColumn::make(QStringLiteral("F_name"), QStringLiteral("名称"), 120),
        TGridColumn::make(QStringLiteral("F_type"), QStringLiteral("类别"), 80),
        TGridColumn::make(QStringLiteral("F_spec"), QStringLiteral("规格"), 60),
        TGridColumn::make(QStringLiteral("F_unit"), QStringLiteral("单位"), 40, TGridColumn::AlignCenter),
        TGridColumn::make(QStringLiteral("F_address"), QStringLiteral("产地"), 80),
        TGridColumn::make(QStringLiteral("F_price1"), QStringLiteral("预售单价"), 80, TGridColumn::AlignRight,
                          money),
        TGridColumn::make(QStringLiteral("F_price2"), QStringLiteral("进货单价"), 80, TGridColumn::AlignRight,
                          money),
        TGridColumn::make(QStringLiteral("F_amount"), QStringLiteral("库存数量"), 70, TGridColumn::AlignRight,
                          goodsui::amountFormat()),
        TGridColumn::make(QStringLiteral("F_rate"), QStringLiteral("最低折扣"), 60, TGridColumn::AlignRight,
                          QStringLiteral("0.00##")),
        TGridColumn::make(QStringLiteral("F_mem"), QStringLiteral("备注"), 120),
    });
    m_grid->setContextMenuPolicy(Qt::ActionsContextMenu);
    const auto addMenu = [this](const QString& name, const QString& text, void (TfrmGoodSet::*fn)()) {
        auto* a = new QAction(text, m_grid);
        a->setObjectName(name);
        connect(a, &QAction::triggered, this, fn);
        m_grid->addAction(a);
    };
    addMenu(QStringLiteral("pmJTH"), QStringLiteral("商品进退货(F5)"), &TfrmGoodSet::stockMove);
    addMenu(QStringLiteral("pmAdd"), QStringLiteral("添加商品(F2)"), &TfrmGoodSet::addGoods);
    addMenu(QStringLiteral("pmEdit"), QStringLiteral("修改商品(F3)"), &TfrmGoodSet::editGoods);
    addMenu(QStringLiteral("pmDelete"), QStringLiteral("删除商品(F4)"), &TfrmGoodSet::deleteGoods);
    addMenu(QStringLiteral("pmColumns"), QStringLiteral("显示字段列表"), &TfrmGoodSet::chooseColumns);
    addMenu(QStringLiteral("pmSaveGrid"), QStringLiteral("保存当前设置"), &TfrmGoodSet::saveLayout);

    // Categories and gifts.
    auto* bottom = new QHBoxLayout;
    const auto listBox = [this](const QString& title, const QString& prefix, TDBGrid*& grid, TDataSet* set,
                                void (TfrmGoodSet::*add)(), void (TfrmGoodSet::*edit)(),
                                void (TfrmGoodSet::*del)()) {
        auto* box = new QGroupBox(title, this);
        auto* v = new QVBoxLayout(box);
        auto* buttons = new QHBoxLayout;
        const auto button = [&](const QString& name, const QString& text, void (TfrmGoodSet::*fn)()) {
            auto* b = new QPushButton(text, box);
            b->setObjectName(prefix + name);
            connect(b, &QPushButton::clicked, this, fn);
            buttons->addWidget(b);
        };
        button(QStringLiteral("Add"), QStringLiteral("新增"), add);
        button(QStringLiteral("Edit"), QStringLiteral("修改"), edit);
        button(QStringLiteral("Delete"), QStringLiteral("删除"), del);
        buttons->addStretch();
        v->addLayout(buttons);
        grid = new TDBGrid(box);
        grid->setDataSet(set);
        v->addWidget(grid);
        connect(grid, &TDBGrid::rowDoubleClicked, this, [this, edit](int) { (this->*edit)(); });
        return box;
    };
    bottom->addWidget(listBox(QStringLiteral("商品类别设置"), QStringLiteral("btnLB"), m_gridLB, m_categories,
                              &TfrmGoodSet::addCategory, &TfrmGoodSet::editCategory,
                              &TfrmGoodSet::deleteCategory));
    bottom->addWidget(listBox(QStringLiteral("兑换商品设置"), QStringLiteral("btnDH"), m_gridDH, m_gifts,
                              &TfrmGoodSet::addGift, &TfrmGoodSet::editGift, &TfrmGoodSet::deleteGift));
    m_gridLB->setObjectName(QStringLiteral("DBGridLB"));
    m_gridDH->setObjectName(QStringLiteral("DBGridDH"));
    m_gridLB->setColumns({TGridColumn::make(QStringLiteral("F_code"), QStringLiteral("类别编号"), 90),
                          TGridColumn::make(QStringLiteral("F_name"), QStringLiteral("类别名称"), 160)});
    m_gridDH->setColumns({TGridColumn::make(QStringLiteral("F_code"), QStringLiteral("编号"), 80),
                          TGridColumn::make(QStringLiteral("F_name"), QStringLiteral("名称"), 120),
                          TGridColumn::make(QStringLiteral("F_Amount"), QStringLiteral("库存数量"), 70,
                                            TGridColumn::AlignRight, goodsui::amountFormat()),
                          TGridColumn::make(QStringLiteral("F_jifen"), QStringLiteral("兑换积分"), 70,
                                            TGridColumn::AlignRight, goodsui::amountFormat())});

    auto* split = new QSplitter(Qt::Vertical, this);
    split->addWidget(m_grid);
    auto* bottomWidget = new QWidget(split);
    bottomWidget->setLayout(bottom);
    split->addWidget(bottomWidget);
    split->setStretchFactor(0, 3);
    split->setStretchFactor(1, 2);
    lay->addWidget(split, 1);

    auto* status = new QStatusBar(this);
    status->setObjectName(QStringLiteral("StatusBar1"));
    status->setSizeGripEnabled(false);
    for (int i = 0; i < 3; ++i) {
        auto* l = new QLabel(this);
        l->setObjectName(QStringLiteral("statusPanel%1").arg(i));
        m_panels << l;
        status->addWidget(l, i == 2 ? 1 : 0);
    }
    lay->addWidget(status);

    connect(m_cmbType, &QComboBox::currentTextChanged, this, [this] { queryGoods(); });
    connect(m_edtSearch, &QLineEdit::textChanged, this, [this] { queryGoods(); });
    connect(m_btnQuery, &QPushButton::clicked, this, [this] { queryGoods(); });
    connect(m_btnJTH, &QToolButton::clicked, this, &TfrmGoodSet::stockMove);
    connect(m_btnAdd, &QToolButton::clicked, this, &TfrmGoodSet::addGoods);
    connect(m_btnEdit, &QToolButton::clicked, this, &TfrmGoodSet::editGoods);
    connect(m_btnDelete, &QToolButton::clicked, this, &TfrmGoodSet::deleteGoods);
    connect(btnPrint, &QToolButton::clicked, this, &TfrmGoodSet::printList);
    connect(btnDesign, &QToolButton::clicked, this, &TfrmGoodSet::designList);
    connect(btnExport, &QToolButton::clicked, this, &TfrmGoodSet::exportList);
    connect(m_grid, &TDBGrid::rowDoubleClicked, this, [this](int) { editGoods(); });

    new goodsui::KeyPreview(this, [this](QKeyEvent* e, QWidget*) { return handleKey(e); });

    // Lists are ready before the window is shown.
    queryGoods();
    LoadGridLayout(m_grid, QStringLiteral("goodsetlist"));
    openCategories();
    openGifts();
    updateCount();
}

QLabel* TfrmGoodSet::statusPanel(int index) const
{
    return m_panels.value(index);
}

void TfrmGoodSet::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    m_shown = true;
}

void TfrmGoodSet::updateCount()
{
    m_panels[2]->setText(QStringLiteral("记录数：") + QString::number(m_goods->recordCount()));
}

void TfrmGoodSet::queryGoods(const QString& locateCode)
{
    QString sql = QStringLiteral("select * from t_goods where (1=1) ");
    QVariantList params;
    const QString type = m_cmbType->currentText().trimmed();
    if (!type.isEmpty()) {
        sql += QStringLiteral("and F_type like ? escape '\\' ");
        params << startsPattern(type);
    }
    const QString text = m_edtSearch->text().trimmed();
    if (!text.isEmpty()) {
        sql +=
            QStringLiteral("and (F_code like ? escape '\\' or F_name like ? escape '\\' or F_address like ? "
                           "escape '\\') ");
        const QString p = containsPattern(text);
        params << p << p << p;
    }
    sql += QStringLiteral("order by F_code");
    dmData->OpenQuery(sql, *m_goods, params);
    if (!locateCode.isEmpty())
        m_goods->locate(QStringLiteral("F_code"), locateCode);
}

void TfrmGoodSet::openCategories(const QString& locateCode)
{
    dmData->OpenQuery(QStringLiteral("select * from T_goodLB order by F_code"), *m_categories);
    if (!locateCode.isEmpty())
        m_categories->locate(QStringLiteral("F_code"), locateCode);
}

void TfrmGoodSet::openGifts(const QString& locateCode)
{
    dmData->OpenQuery(QStringLiteral("select * from T_goodDH order by F_code"), *m_gifts);
    if (!locateCode.isEmpty())
        m_gifts->locate(QStringLiteral("F_code"), locateCode);
}

bool TfrmGoodSet::handleKey(QKeyEvent* event)
{
    if (event->modifiers() != Qt::NoModifier)
        return false;
    const auto press = [this](QAbstractButton* b, void (TfrmGoodSet::*fn)()) {
        if (b->isEnabled())
            (this->*fn)();
        return true;
    };
    switch (event->key()) {
    case Qt::Key_F2:
        return press(m_btnAdd, &TfrmGoodSet::addGoods);
    case Qt::Key_F3:
        return press(m_btnEdit, &TfrmGoodSet::editGoods);
    case Qt::Key_F4:
        return press(m_btnDelete, &TfrmGoodSet::deleteGoods);
    case Qt::Key_F5:
        return press(m_btnJTH, &TfrmGoodSet::stockMove);
    case Qt::Key_F8:
        if (m_btnQuery->isEnabled())
            queryGoods();
        return true;
    default:
        return false;
    }
}

void TfrmGoodSet::reject()
{
    if (goodsui::confirmLeave(this))
        QDialog::reject();
}

void TfrmGoodSet::addGoods()
{
    TfrmGoodEdit dlg(
        TfrmGoodEdit::New, m_goods,
        [this](const QString& code) {
            queryGoods(code);
            updateCount();
        },
        this);
    commands::execDialog(dlg);
    updateCount();
}

void TfrmGoodSet::editGoods()
{
    if (m_goods->isEmpty()) {
        ShowMess(QStringLiteral("此表为空，没有记录需要修改！"), mkError);
        return;
    }
    TfrmGoodEdit dlg(
        TfrmGoodEdit::Edit, m_goods, [this](const QString& code) { queryGoods(code); }, this);
    commands::execDialog(dlg);
}

void TfrmGoodSet::deleteGoods()
{
    if (m_goods->isEmpty())
        return;
    const QString name = m_goods->field(QStringLiteral("F_name")).toString();
    if (ShowMess(QStringLiteral("真的要删除当前商品\"") + name + QStringLiteral("\"？"), mkQuestion) == maNo)
        return;
    if (dmData->DeleteById(QStringLiteral("t_goods"), m_goods->field(QStringLiteral("F_ID")))) {
        const int row = m_goods->currentRow();
        queryGoods();
        m_goods->setCurrentRow(row);
        updateCount();
    }
}

void TfrmGoodSet::stockMove()
{
    if (m_goods->isEmpty()) {
        ShowMess(QStringLiteral("商品列表为空，请选择进货的商品！"), mkError);
        return;
    }
    if (m_goods->field(QStringLiteral("F_type")).toString() == QStringLiteral("服务类")) {
        ShowMess(QStringLiteral("服务类商品不能进货！"), mkInformation);
        return;
    }
    TDLGgoodJTH dlg(m_goods, this);
    commands::execDialog(dlg);
}

void TfrmGoodSet::printList()
{
    PrintReport(QStringLiteral("frGoodList"), m_goods, this);
}

void TfrmGoodSet::designList()
{
    DesignReport(QStringLiteral("frGoodList"), m_goods, this);
}

void TfrmGoodSet::exportList()
{
    dmData->ExportGridToExcel(m_grid->exportTable(), QStringLiteral("商品资料统计列表"), true);
}

void TfrmGoodSet::chooseColumns()
{
    ChooseGridColumns(m_grid);
}

void TfrmGoodSet::saveLayout()
{
    ConfirmSaveGridLayout(m_grid, QStringLiteral("goodsetlist"));
}

void TfrmGoodSet::addCategory()
{
    TDLGaddSet1 dlg(
        TDLGaddSet1::NewCategory, m_categories, [this](const QString& c) { openCategories(c); }, this);
    commands::execDialog(dlg);
}

void TfrmGoodSet::editCategory()
{
    if (m_categories->isEmpty())
        return;
    if (m_categories->field(QStringLiteral("F_code")).toString() == QLatin1String("000000")) {
        ShowMess(QStringLiteral("服务类为系统默认类别，不能修改！"), mkInformation);
        return;
    }
    TDLGaddSet1 dlg(
        TDLGaddSet1::EditCategory, m_categories, [this](const QString& c) { openCategories(c); }, this);
    commands::execDialog(dlg);
}

void TfrmGoodSet::deleteCategory()
{
    if (m_categories->isEmpty())
        return;
    if (m_categories->field(QStringLiteral("F_code")).toString() == QLatin1String("000000")) {
        ShowMess(QStringLiteral("服务类为系统默认类别，不能删除！"), mkInformation);
        return;
    }
    const QString name = m_categories->field(QStringLiteral("F_name")).toString();
    if (ShowMess(QStringLiteral("真的要删除当前商品类别 ") + name + QStringLiteral("吗？"), mkQuestion) ==
        maNo)
        return;
    if (dmData->DeleteById(QStringLiteral("T_goodLB"), m_categories->field(QStringLiteral("F_ID")))) {
        const int row = m_categories->currentRow();
        openCategories();
        m_categories->setCurrentRow(row);
    }
}

void TfrmGoodSet::addGift()
{
    TDLGaddSet1 dlg(
        TDLGaddSet1::NewGift, m_gifts, [this](const QString& c) { openGifts(c); }, this);
    commands::execDialog(dlg);
}

void TfrmGoodSet::editGift()
{
    if (m_gifts->isEmpty()) {
        ShowMess(QStringLiteral("没有记录需要修改，请选择商品记录！"), mkInformation);
        return;
    }
    TDLGaddSet1 dlg(
        TDLGaddSet1::EditGift, m_gifts, [this](const QString& c) { openGifts(c); }, this);
    commands::execDialog(dlg);
}

void TfrmGoodSet::deleteGift()
{
    if (m_gifts->isEmpty()) {
        ShowMess(QStringLiteral("没有兑换商品资料，删除失败！"), mkInformation);
        return;
    }
    const QString name = m_gifts->field(QStringLiteral("F_name")).toString();
    if (ShowMess(QStringLiteral("真的要删除当前兑换商品 ") + name + QStringLiteral("吗？"), mkQuestion) ==
        maNo)
        return;
    if (dmData->DeleteById(QStringLiteral("T_goodDH"), m_gifts->field(QStringLiteral("F_ID")))) {
        const int row = m_gifts->currentRow();
        openGifts();
        m_gifts->setCurrentRow(row);
    }
}
