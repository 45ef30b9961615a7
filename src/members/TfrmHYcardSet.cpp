#include "members/TfrmHYcardSet.h"

#include "app/commands.h"
#include "core/cardcalc.h"
#include "core/dataset.h"
#include "core/dmdata.h"
#include "core/grid/dbgrid.h"
#include "core/grid/displayformat.h"
#include "core/grid/gridlayout.h"
#include "core/support.h"
#include "core/ui_support.h"
#include "members/TMoneyEdit.h"
#include "members/dialogkeys.h"

#include <QAction>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSqlError>
#include <QSqlQuery>
#include <QStackedWidget>
#include <QVBoxLayout>

namespace {

const QString kBuiltIn = QStringLiteral("0000");
const QString kMoneyFormat = QStringLiteral("￥,0.00##;-￥,0.00##");
const QString kSaveFailed = QStringLiteral("保存失败，请检测数据库连接！");

// The built-in row (code "0000") of either grid is neither changed nor
// deleted: false (after the refusal) on it, or when no row is current.
bool changeable(const TDataSet* set, const QString& refusal)
{
    if (set->currentRow() < 0)
        return false;
    if (set->field(QStringLiteral("F_code")).toString().trimmed() == kBuiltIn) {
        ShowMess(refusal, mkInformation);
        return false;
    }
    return true;
}

// Deletes the current row of a grid from its table once the operator agrees
// to the question (before + the row's name + after); true when deleted.
bool deleteCurrent(const TDataSet* set, const QString& refusal, const QString& before, const QString& after,
                   const QString& table)
{
    if (!changeable(set, refusal))
        return false;
    if (ShowMess(before + set->field(QStringLiteral("F_Name")).toString() + after, mkQuestion) == maNo)
        return false;
    return dmData->DeleteById(table, set->field(QStringLiteral("F_ID")));
}

QString plain(double v)
{
    return displayformat::formatNumber(v, QStringLiteral("0.####"));
}

// Runs one statement inside the caller's transaction.
bool runWrite(const QString& sql, const QVariantList& params)
{
    QSqlQuery q(dmData->ADOcnn());
    return execBound(q, sql, params, "card settings");
}

// Whether a row other than the edited one holds the value (new mode: any row).
bool usedElsewhere(const QString& sql, const QString& value, bool newMode, const QVariant& ownId)
{
    const int found = dmData->QueryInt(sql, {value});
    if (found == 0)
        return false;
    return newMode || found != ownId.toInt();
}

TMoneyEdit* numberBox(QWidget* parent, const QString& name, int decimals, const QString& format = QString())
{
    auto* e = new TMoneyEdit(parent, decimals);
    e->setObjectName(name);
    e->setDisplayFormat(format);
    return e;
}

QPushButton* button(QWidget* parent, const QString& name, const QString& text)
{
    auto* b = new QPushButton(text, parent);
    b->setObjectName(name);
    return b;
}

} // namespace

// ---------------------------------------------------------------- window

TfrmHYcardSet::TfrmHYcardSet(QWidget* parent)
    : QDialog(parent), m_levels(new TDataSet(this)), m_modes(new TDataSet(this))
{
    setObjectName(QStringLiteral("frmHYcardSet"));
    setWindowTitle(QStringLiteral("会员卡设置"));

    auto* lay = new QVBoxLayout(this);
    const auto section = [this, lay](const QString& title, TDBGrid* grid, const QString& suffix,
                                     void (TfrmHYcardSet::*add)(), void (TfrmHYcardSet::*edit)(),
                                     void (TfrmHYcardSet::*del)()) {
        auto* box = new QGroupBox(title, this);
        box->setObjectName(QStringLiteral("gb") + suffix);
        auto* v = new QVBoxLayout(box);
        auto* bar = new QHBoxLayout;
        auto* bAdd = button(box, QStringLiteral("btnAdd") + suffix, QStringLiteral("新增"));
        auto* bEdit = button(box, QStringLiteral("btnEdit") + suffix, QStringLiteral("修改"));
        auto* bDel = button(box, QStringLiteral("btnDelete") + suffix, QStringLiteral("删除"));
        for (QPushButton* b : {bAdd, bEdit, bDel}) {
            b->setAutoDefault(false);
            bar->addWidget(b);
        }
        bar->addStretch();
        connect(bAdd, &QPushButton::clicked, this, add);
        connect(bEdit, &QPushButton::clicked, this, edit);
        connect(bDel, &QPushButton::clicked, this, del);
        connect(grid, &TDBGrid::rowDoubleClicked, this, edit);
        grid->setParent(box);
        v->addLayout(bar);
        v->addWidget(grid, 1);
        lay->addWidget(box, 1);
    };

    m_grid1 = makeGrid(QStringLiteral("DBGridEh1"), QStringLiteral("hycardset1"));
    m_grid1->setDataSet(m_levels);
    m_grid1->setColumns(
        {TGridColumn::make(QStringLiteral("F_code"), QStringLiteral("编号"), 80),
         TGridColumn::make(QStringLiteral("F_name"), QStringLiteral("会员卡级别"), 140),
         TGridColumn::make(QStringLiteral("F_rate"), QStringLiteral("折扣率"), 80, TGridColumn::AlignRight),
         TGridColumn::make(QStringLiteral("F_begin"), QStringLiteral("积分区间(上)"), 100,
                           TGridColumn::AlignRight),
         TGridColumn::make(QStringLiteral("F_end"), QStringLiteral("积分区间(下)"), 100,
                           TGridColumn::AlignRight)});
    m_grid2 = makeGrid(QStringLiteral("DBGridEh2"), QStringLiteral("hycardset2"));
    m_grid2->setDataSet(m_modes);
    m_grid2->setColumns({TGridColumn::make(QStringLiteral("F_code"), QStringLiteral("编号"), 80),
                         TGridColumn::make(QStringLiteral("F_name"), QStringLiteral("名称"), 140),
                         TGridColumn::make(QStringLiteral("F_type"), QStringLiteral("优惠种类"), 110),
                         TGridColumn::make(QStringLiteral("F_memo1"), QStringLiteral("优惠说明"), 300)});
    m_grid2->setDisplayText(QStringLiteral("F_type"), [](const QVariant& v, int) {
        return v.isNull() ? QString() : kindText(v.toInt());
    });

    section(QStringLiteral("会员卡等级设置"), m_grid1, QStringLiteral("1"), &TfrmHYcardSet::addLevel,
            &TfrmHYcardSet::editLevel, &TfrmHYcardSet::deleteLevel);
    section(QStringLiteral("优惠方式及计次卡模式设置"), m_grid2, QStringLiteral("2"), &TfrmHYcardSet::addMode,
            &TfrmHYcardSet::editMode, &TfrmHYcardSet::deleteMode);

    auto* close = button(this, QStringLiteral("btnClose"), QStringLiteral("关闭"));
    close->setAutoDefault(false);
    connect(close, &QPushButton::clicked, this, &QDialog::accept);
    auto* bottom = new QHBoxLayout;
    bottom->addStretch();
    bottom->addWidget(close);
    lay->addLayout(bottom);

    reloadLevels();
    reloadModes();
    LoadGridLayout(m_grid1, QStringLiteral("hycardset1"));
    LoadGridLayout(m_grid2, QStringLiteral("hycardset2"));
}

TDBGrid* TfrmHYcardSet::makeGrid(const QString& name, const QString& layoutKey)
{
    auto* grid = new TDBGrid(this);
    grid->setObjectName(name);
    grid->setReadOnly(true);
    grid->setMultiSelect(false);
    grid->setFooterVisible(true);
    grid->setContextMenuPolicy(Qt::ActionsContextMenu);
    auto* choose = new QAction(QStringLiteral("显示字段列表"), grid);
    choose->setObjectName(name + QStringLiteral("_choose"));
    connect(choose, &QAction::triggered, grid, [grid] { ChooseGridColumns(grid); });
    auto* save = new QAction(QStringLiteral("保存当前设置"), grid);
    save->setObjectName(name + QStringLiteral("_save"));
    connect(save, &QAction::triggered, grid, [grid, layoutKey] { ConfirmSaveGridLayout(grid, layoutKey); });
    grid->addAction(choose);
    grid->addAction(save);
    return grid;
}

void TfrmHYcardSet::Execute(QWidget* parent)
{
    TfrmHYcardSet dlg(parent);
    DispFormPos(&dlg, 1);
    commands::execDialog(dlg);
}

QString TfrmHYcardSet::kindText(int kind)
{
    switch (kind) {
    case 0:
        return QStringLiteral("存款优惠");
    case 1:
        return QStringLiteral("消费金额转现金");
    case 2:
        return QStringLiteral("计次卡");
    default:
        return {};
    }
}

void TfrmHYcardSet::reloadLevels(const QString& locateCode)
{
    dmData->OpenQuery(QStringLiteral("select * from T_jibie order by F_code"), *m_levels);
    if (!locateCode.isEmpty())
        m_levels->locate(QStringLiteral("F_code"), locateCode);
}

void TfrmHYcardSet::reloadModes(const QString& locateCode)
{
    dmData->OpenQuery(QStringLiteral("select * from T_youhui order by F_code"), *m_modes);
    if (!locateCode.isEmpty())
        m_modes->locate(QStringLiteral("F_code"), locateCode);
}

void TfrmHYcardSet::addLevel()
{
    TDLGaddSet2 dlg(1, this);
    commands::execDialog(dlg);
}

void TfrmHYcardSet::editLevel()
{
    if (!changeable(m_levels, QStringLiteral("无卡用户等级为系统默认，不能修改！")))
        return;
    TDLGaddSet2 dlg(2, this);
    commands::execDialog(dlg);
}

void TfrmHYcardSet::deleteLevel()
{
    if (deleteCurrent(m_levels, QStringLiteral("无卡用户等级为系统默认，不能删除！"),
                      QStringLiteral("真的要删除当前会员卡等级 "), QStringLiteral("吗？"),
                      QStringLiteral("T_jibie")))
        reloadLevels();
}

void TfrmHYcardSet::addMode()
{
    TDLGaddSet3 dlg(3, this);
    commands::execDialog(dlg);
}

void TfrmHYcardSet::editMode()
{
    if (!changeable(m_modes, QStringLiteral("不优惠方式为系统默认，不能修改！")))
        return;
    TDLGaddSet3 dlg(4, this);
    commands::execDialog(dlg);
}

void TfrmHYcardSet::deleteMode()
{
    if (deleteCurrent(m_modes, QStringLiteral("不优惠方式为系统默认，不能删除！"),
                      QStringLiteral("真的要删除当前优惠方式 \""), QStringLiteral("\" 吗？"),
                      QStringLiteral("T_youhui")))
        reloadModes();
}

// ---------------------------------------------------------------- level editor

TDLGaddSet2::TDLGaddSet2(int mode, TfrmHYcardSet* owner) : QDialog(owner), m_mode(mode), m_owner(owner)
{
    setObjectName(QStringLiteral("DLGaddSet2"));
    setWindowTitle(mode == 2 ? QStringLiteral("会员等级设置 - 修改") : QStringLiteral("会员等级设置 - 新增"));
    m_code = new QLineEdit(this);
    m_code->setObjectName(QStringLiteral("edtCode"));
    m_code->setMaxLength(50);
    m_name = new QLineEdit(this);
    m_name->setObjectName(QStringLiteral("edtName"));
    m_name->setMaxLength(50);
    m_rate = numberBox(this, QStringLiteral("edtRate"), 4);
    m_rate->setAllowNegative(true);
    m_begin = numberBox(this, QStringLiteral("edtBegin"), 2);
    m_end = numberBox(this, QStringLiteral("edtEnd"), 2);

    auto* form = new QGridLayout;
    form->addWidget(new QLabel(QStringLiteral("编    号："), this), 0, 0);
    form->addWidget(m_code, 0, 1, 1, 3);
    form->addWidget(new QLabel(QStringLiteral("级    别："), this), 1, 0);
    form->addWidget(m_name, 1, 1, 1, 3);
    form->addWidget(new QLabel(QStringLiteral("折 扣 率："), this), 2, 0);
    form->addWidget(m_rate, 2, 1, 1, 3);
    form->addWidget(new QLabel(QStringLiteral("积分区间："), this), 3, 0);
    form->addWidget(m_begin, 3, 1);
    form->addWidget(new QLabel(QStringLiteral("至"), this), 3, 2);
    form->addWidget(m_end, 3, 3);

    auto* ok = button(this, QStringLiteral("btnOk"), QStringLiteral("确定"));
    auto* cancel = button(this, QStringLiteral("btnCancel"), QStringLiteral("取消"));
    ok->setAutoDefault(false);
    cancel->setAutoDefault(false);
    connect(ok, &QPushButton::clicked, this, &TDLGaddSet2::confirm);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    auto* lay = new QVBoxLayout(this);
    lay->addLayout(form);
    lay->addLayout(buttons);

    if (m_mode == 2) {
        TDataSet* set = owner->levelSet();
        m_id = set->field(QStringLiteral("F_ID"));
        m_code->setText(set->field(QStringLiteral("F_code")).toString());
        m_name->setText(set->field(QStringLiteral("F_name")).toString());
        m_rate->setValue(set->field(QStringLiteral("F_rate")).toDouble());
        m_begin->setValue(set->field(QStringLiteral("F_begin")).toDouble());
        m_end->setValue(set->field(QStringLiteral("F_end")).toDouble());
    }
    installEnterAsTab(this);
}

void TDLGaddSet2::confirm()
{
    const QString code = m_code->text().trimmed();
    const QString name = m_name->text().trimmed();
    if (code.isEmpty()) {
        ShowMess(QStringLiteral("编号不能为空！"), mkInformation);
        m_code->setFocus();
        return;
    }
    if (name.isEmpty()) {
        ShowMess(QStringLiteral("名称不能为空！"), mkInformation);
        m_name->setFocus();
        return;
    }
    if (m_rate->value() <= 0) {
        ShowMess(QStringLiteral("折扣率不能为0！"), mkInformation);
        m_rate->setFocus();
        return;
    }
    if (!cardcalc::levelIntervalValid(m_begin->value(), m_end->value())) {
        ShowMess(QStringLiteral("区间下限必须大于区间上限！"), mkInformation);
        m_begin->setFocus();
        return;
    }
    if (usedElsewhere(QStringLiteral("Select F_ID From T_jibie Where F_Code = ? "), code, m_mode != 2,
                      m_id)) {
        ShowMess(QStringLiteral("等级编号重复，请重新输入！"), mkInformation);
        m_code->setFocus();
        return;
    }
    bool ok = false;
    {
        TransactionGuard tx(*dmData);
        const QVariantList values{code, name, m_rate->value(), m_begin->value(), m_end->value()};
        if (tx.active()) {
            ok = m_mode == 2
                     ? runWrite(QStringLiteral("Update T_jibie Set F_code = ?,F_name = ?,F_rate = ?, "
                                               "F_begin = ?,F_end = ? Where F_ID = ?"),
                                QVariantList(values) << m_id)
                     : runWrite(QStringLiteral("Insert into T_jibie(F_code,F_name,F_rate,F_begin,F_end) "
                                               "Values(?,?,?,?,?) "),
                                values);
            ok = ok && tx.commit();
        }
    }
    if (!ok) {
        ShowMess(kSaveFailed, mkError);
        return;
    }
    m_owner->reloadLevels(code);
    accept();
}

// ---------------------------------------------------------------- mode editor

TDLGaddSet3::TDLGaddSet3(int mode, TfrmHYcardSet* owner) : QDialog(owner), m_mode(mode), m_owner(owner)
{
    setObjectName(QStringLiteral("DLGaddSet3"));
    setWindowTitle(mode == 4 ? QStringLiteral("优惠方式及计次卡模式设置 - 修改")
                             : QStringLiteral("优惠方式及计次卡模式设置 - 新增"));
    m_code = new QLineEdit(this);
    m_code->setObjectName(QStringLiteral("edtCode"));
    m_code->setMaxLength(50);
    m_name = new QLineEdit(this);
    m_name->setObjectName(QStringLiteral("edtName"));
    m_name->setMaxLength(50);
    m_kind = new QComboBox(this);
    m_kind->setObjectName(QStringLiteral("cbbType"));
    m_kind->addItems(
        {QStringLiteral("1：存款优惠"), QStringLiteral("2：消费金额转现金"), QStringLiteral("3：计次卡")});
    m_kind->setCurrentIndex(-1);

    m_panels = new QStackedWidget(this);
    m_panels->setObjectName(QStringLiteral("pcType"));
    m_factor = numberBox(this, QStringLiteral("edtRate"), 4);
    m_price1 = numberBox(this, QStringLiteral("edtPrice1"), 4, kMoneyFormat);
    m_price2 = numberBox(this, QStringLiteral("edtPrice2"), 4, kMoneyFormat);
    m_pkgPrice = numberBox(this, QStringLiteral("edtPkgPrice"), 4, kMoneyFormat);
    m_pkgCount = numberBox(this, QStringLiteral("edtPkgCount"), 4);

    auto* p0 = new QGroupBox(QStringLiteral("存款优惠"), m_panels);
    p0->setObjectName(QStringLiteral("pnlType0"));
    auto* l0 = new QHBoxLayout(p0);
    l0->addWidget(new QLabel(QStringLiteral("实际存款 = 所付金额 *"), p0));
    l0->addWidget(m_factor);
    auto* p1 = new QGroupBox(QStringLiteral("消费转现金"), m_panels);
    p1->setObjectName(QStringLiteral("pnlType1"));
    auto* l1 = new QGridLayout(p1);
    l1->addWidget(new QLabel(QStringLiteral("累计消费"), p1), 0, 0);
    l1->addWidget(m_price1, 0, 1);
    l1->addWidget(new QLabel(QStringLiteral("转换现金"), p1), 1, 0);
    l1->addWidget(m_price2, 1, 1);
    auto* p2 = new QGroupBox(QStringLiteral("计次卡模式"), m_panels);
    p2->setObjectName(QStringLiteral("pnlType2"));
    auto* l2 = new QHBoxLayout(p2);
    l2->addWidget(new QLabel(QStringLiteral("交费多少"), p2));
    l2->addWidget(m_pkgPrice);
    l2->addWidget(new QLabel(QStringLiteral("元，可消费"), p2));
    l2->addWidget(m_pkgCount);
    l2->addWidget(new QLabel(QStringLiteral("次"), p2));
    auto* empty = new QWidget(m_panels);
    m_panels->addWidget(p0);
    m_panels->addWidget(p1);
    m_panels->addWidget(p2);
    m_panels->addWidget(empty);
    connect(m_kind, &QComboBox::currentIndexChanged, this, &TDLGaddSet3::showKindPanel);

    auto* form = new QGridLayout;
    form->addWidget(new QLabel(QStringLiteral("编    号："), this), 0, 0);
    form->addWidget(m_code, 0, 1);
    form->addWidget(new QLabel(QStringLiteral("名    称："), this), 1, 0);
    form->addWidget(m_name, 1, 1);
    form->addWidget(new QLabel(QStringLiteral("优惠种类："), this), 2, 0);
    form->addWidget(m_kind, 2, 1);

    auto* ok = button(this, QStringLiteral("btnOk"), QStringLiteral("确定"));
    auto* cancel = button(this, QStringLiteral("btnCancel"), QStringLiteral("取消"));
    ok->setAutoDefault(false);
    cancel->setAutoDefault(false);
    connect(ok, &QPushButton::clicked, this, &TDLGaddSet3::confirm);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    auto* lay = new QVBoxLayout(this);
    lay->addLayout(form);
    lay->addWidget(m_panels);
    lay->addLayout(buttons);

    if (m_mode == 4) {
        TDataSet* set = owner->modeSet();
        m_id = set->field(QStringLiteral("F_ID"));
        m_code->setText(set->field(QStringLiteral("F_code")).toString());
        m_name->setText(set->field(QStringLiteral("F_name")).toString());
        const int kind = set->field(QStringLiteral("F_type")).toInt();
        m_kind->setCurrentIndex(kind >= 0 && kind <= 2 ? kind : -1);
        m_kind->setEnabled(false);
        const double rate = set->field(QStringLiteral("F_rate")).toDouble();
        const double price1 = set->field(QStringLiteral("F_price1")).toDouble();
        m_factor->setValue(rate);
        m_pkgCount->setValue(rate);
        m_price1->setValue(price1);
        m_pkgPrice->setValue(price1);
        m_price2->setValue(set->field(QStringLiteral("F_price2")).toDouble());
    }
    showKindPanel();
    installEnterAsTab(this);
}

void TDLGaddSet3::showKindPanel()
{
    const int kind = m_kind->currentIndex();
    m_panels->setCurrentIndex(kind >= 0 && kind <= 2 ? kind : 3);
}

void TDLGaddSet3::confirm()
{
    const QString code = m_code->text().trimmed();
    const QString name = m_name->text().trimmed();
    const int kind = m_kind->currentIndex();
    const auto refuse = [](const QString& text, QWidget* focus) {
        ShowMess(text, mkInformation);
        focus->setFocus();
    };
    if (code.isEmpty())
        return refuse(QStringLiteral("编号不能为空！"), m_code);
    if (name.isEmpty())
        return refuse(QStringLiteral("名称不能为空！"), m_name);
    if (kind < 0 || kind > 2)
        return refuse(QStringLiteral("优惠种类不能为空！"), m_kind);
    if (kind == 0 && m_factor->value() <= 0)
        return refuse(QStringLiteral("系数必须大于0！"), m_factor);
    if (kind == 1 && m_price1->value() <= 0)
        return refuse(QStringLiteral("累计消费必须大于0！"), m_price1);
    if (kind == 1 && m_price2->value() <= 0)
        return refuse(QStringLiteral("转换现金数必须大于0！"), m_price2);
    if (kind == 2 && m_pkgPrice->value() <= 0)
        return refuse(QStringLiteral("交费数必须大于0！"), m_pkgPrice);
    if (kind == 2 && m_pkgCount->value() <= 0)
        return refuse(QStringLiteral("可消费次数必须大于0！"), m_pkgCount);
    const bool newMode = m_mode != 4;
    if (usedElsewhere(QStringLiteral("Select F_ID From T_youhui Where F_Code = ? "), code, newMode, m_id))
        return refuse(QStringLiteral("优惠方式编号重复，请重新输入！"), m_code);
    if (usedElsewhere(QStringLiteral("Select F_ID From T_youhui Where F_name = ? "), name, newMode, m_id))
        return refuse(QStringLiteral("优惠方式名称重复，请重新输入！"), m_name);

    QString memo;
    if (kind == 0) {
        memo = cardcalc::promotionDescription(kind, plain(m_factor->value()));
    } else if (kind == 1) {
        memo = cardcalc::promotionDescription(kind, plain(m_price1->value()), plain(m_price2->value()));
    } else {
        memo = cardcalc::promotionDescription(kind, plain(m_pkgPrice->value()), plain(m_pkgCount->value()));
        m_factor->setValue(m_pkgCount->value());
        m_price1->setValue(m_pkgPrice->value());
    }

    bool ok = false;
    {
        TransactionGuard tx(*dmData);
        const QVariantList values{code, name, kind, m_factor->value(), m_price1->value(), m_price2->value(),
                                  memo};
        if (tx.active()) {
            ok = newMode
                     ? runWrite(QStringLiteral("Insert into T_youhui(F_code,F_name,F_type,F_rate,F_price1,"
                                               "F_price2,F_memo1) Values(?,?,?,?,?,?,?) "),
                                values)
                     : runWrite(
                           QStringLiteral("Update T_youhui Set F_code = ?,F_name = ?,F_type = ?, "
                                          "F_rate = ?,F_price1 = ?,F_price2 = ?,F_memo1 = ? Where F_ID = ?"),
                           QVariantList(values) << m_id);
            ok = ok && tx.commit();
        }
    }
    if (!ok) {
        ShowMess(kSaveFailed, mkError);
        return;
    }
    m_owner->reloadModes(code);
    accept();
}
