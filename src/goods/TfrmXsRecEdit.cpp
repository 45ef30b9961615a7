#include "goods/TfrmXsRecEdit.h"

#include "app/TFrmMain.h"
#include "app/commands.h"
#include "core/billcalc.h"
#include "core/calc.h"
#include "core/dataset.h"
#include "core/dmdata.h"
#include "core/grid/dbgrid.h"
#include "core/grid/displayformat.h"
#include "core/grid/gridlayout.h"
#include "core/support.h"
#include "goods/TDlgGoodXz.h"
#include "goods/TFrmFKman.h"
#include "goods/goodsui.h"
#include "members/TMoneyEdit.h"

#include <QComboBox>
#include <QDateEdit>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSqlQuery>
#include <QVBoxLayout>

namespace {
const QStringList& lineFields()
{
    static const QStringList fields{
        QStringLiteral("F_ID"),         QStringLiteral("F_Code"),     QStringLiteral("F_empID"),
        QStringLiteral("F_GoodCode"),   QStringLiteral("F_GoodName"), QStringLiteral("F_Type"),
        QStringLiteral("F_Spec"),       QStringLiteral("F_Unit"),     QStringLiteral("F_Address"),
        QStringLiteral("F_Amount"),     QStringLiteral("F_Price"),    QStringLiteral("F_Rate"),
        QStringLiteral("F_TotalPrice"), QStringLiteral("F_Mem")};
    return fields;
}
} // namespace

TfrmXsRecEdit::TfrmXsRecEdit(TFrmMain* main, int kind, bool edit, const QString& billCode, QWidget* parent)
    : TBillWindow(main, edit, parent), m_kind(kind), m_lines(new TDataSet(this))
{
    setObjectName(QStringLiteral("frmXsRecEdit"));
    setWindowTitle(edit ? QStringLiteral("会员消费记录 - 修改") : QStringLiteral("会员消费记录 - 新增"));
    auto* lay = new QVBoxLayout(this);

    // Member group (filled in by loadMember()).
    auto* grpMember = memberGroup({
        {QStringLiteral("会员卡号："), QStringLiteral("edtHYcode"), {}},
        {QStringLiteral("会员姓名："), QStringLiteral("edtHYname"), {}},
        {QStringLiteral("会员级别："), QStringLiteral("edtJibie"), {}},
        {QStringLiteral("折"), QStringLiteral("edtRate"), {}},
        {QStringLiteral("会员积分："), QStringLiteral("edtHyJF"), {}},
        {QStringLiteral("累计消费："), QStringLiteral("edtHyXF"), {}},
        {QStringLiteral("卡内余额："), QStringLiteral("edtBalance"), {}, &m_lblBalance},
    });
    m_lblBalance->setObjectName(QStringLiteral("lblBalance"));
    lay->addWidget(grpMember);

    // Bill group.
    auto* grpBill = new QGroupBox(QStringLiteral(" 消费折扣 "), this);
    grpBill->setObjectName(QStringLiteral("grpBill"));
    auto* bg = new QGridLayout(grpBill);
    makeDateAndNumber(grpBill);
    m_cmbRatio = new goodsui::TRefillCombo(grpBill, QStringLiteral("cmbRatio"), &goodsui::pointRatios);
    makeClerkAndMemo(grpBill);
    m_edtTotal = goodsui::moneyEdit(grpBill, QStringLiteral("edtTotal"), 4, true);
    m_edtTotal->setReadOnly(true);
    m_edtTotal->setFocusPolicy(Qt::NoFocus);
    m_edtPoints = goodsui::moneyEdit(grpBill, QStringLiteral("edtPoints"), 2, false);
    m_edtPoints->setReadOnly(true);
    m_edtPoints->setFocusPolicy(Qt::NoFocus);
    bg->addWidget(new QLabel(QStringLiteral("消费日期："), grpBill), 0, 0);
    bg->addWidget(m_dtDate, 0, 1);
    bg->addWidget(new QLabel(QStringLiteral("消费单号："), grpBill), 0, 2);
    bg->addWidget(m_edtCode, 0, 3);
    bg->addWidget(new QLabel(QStringLiteral("消    费："), grpBill), 0, 4);
    auto* ratioRow = new QHBoxLayout;
    ratioRow->addWidget(m_cmbRatio);
    ratioRow->addWidget(new QLabel(QStringLiteral("元积1分"), grpBill));
    bg->addLayout(ratioRow, 0, 5);
    bg->addWidget(new QLabel(QStringLiteral("营 业 员："), grpBill), 1, 0);
    bg->addWidget(m_cmbClerk, 1, 1);
    bg->addWidget(new QLabel(QStringLiteral("备注信息："), grpBill), 1, 2);
    bg->addWidget(m_edtMemo, 1, 3, 1, 3);
    bg->addWidget(new QLabel(QStringLiteral("消费金额："), grpBill), 2, 0);
    bg->addWidget(m_edtTotal, 2, 1);
    bg->addWidget(new QLabel(QStringLiteral("增加积分："), grpBill), 2, 2);
    bg->addWidget(m_edtPoints, 2, 3);
    m_btnAdd = new QPushButton(QStringLiteral("增行"), grpBill);
    m_btnAdd->setObjectName(QStringLiteral("btnAddLine"));
    m_btnDel = new QPushButton(QStringLiteral("删行"), grpBill);
    m_btnDel->setObjectName(QStringLiteral("btnDelLine"));
    for (QPushButton* b : {m_btnAdd, m_btnDel}) {
        b->setAutoDefault(false);
        b->setFocusPolicy(Qt::ClickFocus);
    }
    bg->addWidget(m_btnAdd, 2, 4);
    bg->addWidget(m_btnDel, 2, 5);
    lay->addWidget(grpBill);

    // Lines.
    m_grid = new TDBGrid(this);
    m_grid->setObjectName(QStringLiteral("DBGridEh1"));
    m_grid->setDataSet(m_lines);
    const QString money = goodsui::moneyFormat();
    const QString amount = goodsui::amountFormat();
    m_grid->setColumns({
        TGridColumn::make(QStringLiteral("F_GoodCode"), QStringLiteral("编号"), 80, TGridColumn::AlignLeft,
                          {}, TGridColumn::FooterText, QStringLiteral("合计")),
        TGridColumn::make(QStringLiteral("F_GoodName"), QStringLiteral("名称"), 120),
        TGridColumn::make(QStringLiteral("F_Type"), QStringLiteral("类型"), 70),
        TGridColumn::make(QStringLiteral("F_Spec"), QStringLiteral("规格"), 60),
        TGridColumn::make(QStringLiteral("F_Unit"), QStringLiteral("单位"), 40, TGridColumn::AlignCenter),
        TGridColumn::make(QStringLiteral("F_Address"), QStringLiteral("产地"), 70),
        TGridColumn::make(QStringLiteral("F_Amount"), QStringLiteral("数量"), 60, TGridColumn::AlignRight,
                          amount, TGridColumn::FooterSum),
        TGridColumn::make(QStringLiteral("F_Price"), QStringLiteral("单价"), 80, TGridColumn::AlignRight,
                          money),
        TGridColumn::make(QStringLiteral("F_Rate"), QStringLiteral("折扣"), 50, TGridColumn::AlignRight,
                          amount),
        TGridColumn::make(QStringLiteral("F_TotalPrice"), QStringLiteral("折后金额"), 90,
                          TGridColumn::AlignRight, money, TGridColumn::FooterSum),
        TGridColumn::make(QStringLiteral("F_Mem"), QStringLiteral("备注"), 100),
    });
    m_delegate = new goodsui::TBillCellDelegate(m_grid);
    m_delegate->setNumberField(QStringLiteral("F_Amount"), 4, true);
    m_delegate->setNumberField(QStringLiteral("F_Price"), 4, false);
    m_delegate->setNumberField(QStringLiteral("F_Rate"), 4, false);
    m_delegate->setNumberField(QStringLiteral("F_TotalPrice"), 4, true);
    m_delegate->setTextColor([this](int row, const QString& field) {
        return field.compare(QLatin1String("F_Amount"), Qt::CaseInsensitive) == 0 && stockShort(row)
                   ? QColor(Qt::red)
                   : QColor();
    });
    if (!edit)
        m_delegate->setEllipsis(QStringLiteral("F_GoodName"), [this] { pickGoods(); });
    const goodsui::LineMenu menu = goodsui::lineMenu(
        m_grid, QStringLiteral("xsrecedit"), [this] { addLine(); }, [this] { deleteLine(); });
    lay->addWidget(m_grid, 1);
    auto* warn =
        new QLabel(QStringLiteral("数量显示成红色时，证明当前库存不足，完成此订单后，库存为负！！"), this);
    warn->setObjectName(QStringLiteral("lblStockWarning"));
    warn->setStyleSheet(QStringLiteral("color: red;"));
    lay->addWidget(warn);

    addButtonRow(lay, QStringLiteral("打印设置"), QStringLiteral("打印单据"), false);

    connect(m_btnAdd, &QPushButton::clicked, this, &TfrmXsRecEdit::addLine);
    connect(m_btnDel, &QPushButton::clicked, this, &TfrmXsRecEdit::deleteLine);
    connect(m_lines, &TDataSet::valueChanged, this, &TfrmXsRecEdit::onValueChanged);
    connect(m_lines, &TDataSet::reset, this, [this] { m_stock.clear(); });
    connect(m_cmbRatio, &QComboBox::currentTextChanged, this, [this] { computeTotals(); });
    new goodsui::KeyPreview(this, [this](QKeyEvent* e, QWidget* target) { return keyPressed(e, target); });

    loadMember();
    LoadGridLayout(m_grid, QStringLiteral("xsrecedit"));
    if (edit) {
        loadBill(billCode);
        m_btnAdd->setEnabled(false);
        m_btnDel->setEnabled(false);
        menu.add->setEnabled(false);
        menu.del->setEnabled(false);
        m_grid->setReadOnly(true);
    } else {
        m_dtDate->setDate(QDate::currentDate());
        m_edtCode->setText(billCode);
        m_cmbClerk->setEditText(dmData->CurrentOperator);
        m_edtTotal->setValue(0);
        m_edtPoints->setValue(0);
        m_grid->setReadOnly(false);
        setRows({}, -1);
        addLine();
    }
}

void TfrmXsRecEdit::loadMember()
{
    TDataSet* m = m_main ? m_main->memberSet() : nullptr;
    if (!m || m->currentRow() < 0)
        return;
    const auto f = [m](const char* name) { return m->field(QLatin1String(name)); };
    m_memberId = f("F_ID").toInt();
    m_cardNo = f("F_hycode").toString();
    m_memberName = f("F_name").toString();
    m_cardType = f("F_IFnew").toInt();
    m_memberRate =
        calc::roundTo(f("F_rate").isNull() ? 1.0 : f("F_rate").toDouble(), billcalc::kPointDecimals);
    m_balance = f("F_beginJE").toDouble();
    const auto set = [this](const char* name, const QString& text) {
        findChild<QLineEdit*>(QLatin1String(name))->setText(text);
    };
    set("edtHYcode", m_cardNo);
    set("edtHYname", m_memberName);
    set("edtJibie", f("F_jibie").toString());
    set("edtRate", QString::number(m_memberRate));
    set("edtHyJF", displayformat::formatNumber(f("F_hyJF").toDouble(), QStringLiteral(",0.##;-,0.##")));
    set("edtHyXF", displayformat::formatNumber(f("F_hyXF").toDouble(), goodsui::moneyFormat()));
    if (m_cardType != 0) {
        set("edtBalance", displayformat::formatNumber(m_balance, goodsui::moneyFormat()));
    } else {
        m_lblBalance->setText(QStringLiteral("初始消费："));
        set("edtBalance", displayformat::formatNumber(f("F_beginXF").toDouble(), goodsui::moneyFormat()));
    }
}

void TfrmXsRecEdit::loadBill(const QString& billCode)
{
    QSqlQuery q(dmData->ADOcnn());
    q.prepare(QStringLiteral("select F_ID,F_date,F_code,F_JFtype,F_mem,F_empName,F_totalprice,F_hyJF,F_flag "
                             "from depotM where F_code = ?"));
    q.addBindValue(billCode);
    if (q.exec() && q.next()) {
        m_billId = q.value(0).toInt();
        m_dtDate->setDate(dates::fromValue(q.value(1)));
        m_edtCode->setText(q.value(2).toString());
        m_cmbRatio->blockSignals(true);
        m_cmbRatio->setEditText(q.value(3).toString());
        m_cmbRatio->blockSignals(false);
        m_edtMemo->setText(q.value(4).toString());
        m_cmbClerk->setEditText(q.value(5).toString());
        m_edtTotal->setValue(q.value(6).toDouble());
        m_edtPoints->setValue(q.value(7).toDouble());
        m_kind = q.value(8).toInt();
    }
    m_oldCode = m_edtCode->text();
    dmData->OpenQuery(QStringLiteral("select * from depotD where F_code = ? order by F_ID"), *m_lines,
                      {billCode});
}

QVector<QVariantList> TfrmXsRecEdit::rows() const
{
    QVector<QVariantList> out;
    for (int r = 0; r < m_lines->recordCount(); ++r) {
        QVariantList row;
        for (const QString& f : lineFields())
            row << m_lines->value(r, f);
        out << row;
    }
    return out;
}

void TfrmXsRecEdit::setRows(const QVector<QVariantList>& rows, int current)
{
    m_lines->setRows(lineFields(), rows);
    m_lines->setCurrentRow(current);
    computeTotals();
}

bool TfrmXsRecEdit::blankLine(int row) const
{
    const auto text = [&](const char* f) {
        return m_lines->value(row, QLatin1String(f)).toString().trimmed();
    };
    return text("F_GoodCode").isEmpty() && text("F_GoodName").isEmpty() &&
           m_lines->value(row, QStringLiteral("F_Amount")).toDouble() == 0 &&
           m_lines->value(row, QStringLiteral("F_TotalPrice")).toDouble() == 0;
}

void TfrmXsRecEdit::addLine()
{
    if (m_edit)
        return;
    m_delegate->post();
    QVector<QVariantList> r = rows();
    QVariantList blank;
    for (const QString& f : lineFields())
        blank << (f == QLatin1String("F_Rate") ? QVariant(1.0) : QVariant());
    r << blank;
    setRows(r, static_cast<int>(r.size()) - 1);
    m_grid->setFocus();
    m_grid->setCurrentIndex(m_grid->model()->index(
        m_lines->currentRow(), std::max(0, m_grid->findColumn(QStringLiteral("F_GoodCode")))));
}

void TfrmXsRecEdit::deleteLine()
{
    if (m_edit || m_lines->currentRow() < 0)
        return;
    m_delegate->post();
    const int row = m_lines->currentRow();
    const QString name = m_lines->value(row, QStringLiteral("F_GoodName")).toString();
    if (ShowMess(QStringLiteral("真的要删除产品名称为 “") + name + QStringLiteral("”吗？"), mkQuestion) !=
        maYes)
        return;
    QVector<QVariantList> r = rows();
    r.removeAt(row);
    setRows(r, std::min(row, static_cast<int>(r.size()) - 1));
}

void TfrmXsRecEdit::fillLine(int row, const QVariantMap& g)
{
    m_updating = true;
    const double price =
        calc::roundTo(g.value(QStringLiteral("F_price1")).toDouble(), billcalc::kMoneyDecimals);
    const double rate = billcalc::lineRate(m_memberRate, g.value(QStringLiteral("F_rate")).toDouble());
    m_lines->setValue(row, QStringLiteral("F_GoodCode"), g.value(QStringLiteral("F_code")));
    m_lines->setValue(row, QStringLiteral("F_GoodName"), g.value(QStringLiteral("F_name")));
    m_lines->setValue(row, QStringLiteral("F_Type"), g.value(QStringLiteral("F_type")));
    m_lines->setValue(row, QStringLiteral("F_Spec"), g.value(QStringLiteral("F_spec")));
    m_lines->setValue(row, QStringLiteral("F_Unit"), g.value(QStringLiteral("F_unit")));
    m_lines->setValue(row, QStringLiteral("F_Address"), g.value(QStringLiteral("F_address")));
    m_lines->setValue(row, QStringLiteral("F_Price"), price);
    m_lines->setValue(row, QStringLiteral("F_Amount"), 1.0);
    m_lines->setValue(row, QStringLiteral("F_Rate"), rate);
    m_lines->setValue(row, QStringLiteral("F_TotalPrice"), billcalc::lineTotal(price, 1.0, rate));
    m_updating = false;
    m_stock.clear();
    computeTotals();
}

bool TfrmXsRecEdit::lookupGoods(int row)
{
    if (row < 0 || row >= m_lines->recordCount())
        return false;
    const QString code = m_lines->value(row, QStringLiteral("F_GoodCode")).toString().trimmed();
    if (code.isEmpty())
        return false;
    QSqlQuery q(dmData->ADOcnn());
    q.prepare(
        QStringLiteral("select F_code,f_name,f_type,f_spec,f_unit,F_price1,F_address,F_rate from t_goods "
                       "where f_code = ?"));
    q.addBindValue(code);
    if (!q.exec() || !q.next()) {
        ShowMess(QStringLiteral("商品 \"") + code + QStringLiteral("\" 不存在，请检查输入？"), mkInformation);
        return false;
    }
    QVariantMap g;
    for (const char* f :
         {"F_code", "F_name", "F_type", "F_spec", "F_unit", "F_price1", "F_address", "F_rate"})
        g.insert(QLatin1String(f), q.value(QLatin1String(f)));
    fillLine(row, g);
    return true;
}

void TfrmXsRecEdit::pickGoods()
{
    if (m_edit)
        return;
    m_delegate->post();
    TDlgGoodXz picker(
        [this](const TDataSet& list) {
            QVariantMap g;
            for (const char* f :
                 {"F_code", "F_name", "F_type", "F_spec", "F_unit", "F_price1", "F_address", "F_rate"})
                g.insert(QLatin1String(f), list.field(QLatin1String(f)));
            // The first pick fills an empty last line; later picks append.
            int row = m_lines->recordCount() - 1;
            if (row < 0 || !blankLine(row)) {
                addLine();
                row = m_lines->recordCount() - 1;
            }
            m_lines->setCurrentRow(row);
            fillLine(row, g);
        },
        this);
    commands::execDialog(picker);
}

void TfrmXsRecEdit::onValueChanged(int row, int col)
{
    if (m_updating)
        return;
    const QString field = m_lines->fieldName(col);
    if (field == QLatin1String("F_GoodCode"))
        m_stock.remove(m_lines->value(row, col).toString());
    if (field == QLatin1String("F_Amount") || field == QLatin1String("F_Price") ||
        field == QLatin1String("F_Rate")) {
        m_updating = true;
        m_lines->setValue(row, QStringLiteral("F_TotalPrice"),
                          billcalc::lineTotal(m_lines->value(row, QStringLiteral("F_Price")).toDouble(),
                                              m_lines->value(row, QStringLiteral("F_Amount")).toDouble(),
                                              m_lines->value(row, QStringLiteral("F_Rate")).toDouble()));
        m_updating = false;
    }
    if (field == QLatin1String("F_Amount") || field == QLatin1String("F_Price") ||
        field == QLatin1String("F_Rate") || field == QLatin1String("F_TotalPrice"))
        computeTotals();
}

bool TfrmXsRecEdit::stockShort(int row) const
{
    const QString code = m_lines->value(row, QStringLiteral("F_GoodCode")).toString();
    if (code.trimmed().isEmpty() || m_edit)
        return false;
    auto it = m_stock.find(code);
    if (it == m_stock.end())
        it = m_stock.insert(
            code,
            dmData->QueryFloat(QStringLiteral("select F_amount from T_goods where F_code = ?"), {code}));
    return it.value() - m_lines->value(row, QStringLiteral("F_Amount")).toDouble() < 0;
}

void TfrmXsRecEdit::computeTotals()
{
    QVector<double> totals;
    for (int r = 0; r < m_lines->recordCount(); ++r)
        totals << m_lines->value(r, QStringLiteral("F_TotalPrice")).toDouble();
    const double total = billcalc::billTotal(totals);
    m_edtTotal->setValue(total);
    m_edtPoints->setValue(billcalc::billPoints(m_cmbRatio->currentText(), total, m_edtPoints->value()));
}

bool TfrmXsRecEdit::collectLines(QVector<billstore::Line>& out)
{
    out.clear();
    const auto refuse = [this](int row, const QString& text, const char* field) {
        ShowMess(text, mkInformation);
        m_grid->setFocus();
        const int col = std::max(0, m_grid->findColumn(QLatin1String(field)));
        m_grid->setCurrentIndex(m_grid->model()->index(row, col));
        return false;
    };
    for (int r = 0; r < m_lines->recordCount(); ++r) {
        if (blankLine(r))
            continue;
        const auto text = [&](const char* f) { return m_lines->value(r, QLatin1String(f)).toString(); };
        const auto num = [&](const char* f) { return m_lines->value(r, QLatin1String(f)).toDouble(); };
        billstore::Line l;
        l.goodCode = text("F_GoodCode").trimmed();
        l.goodName = text("F_GoodName");
        l.type = text("F_Type");
        l.spec = text("F_Spec");
        l.unit = text("F_Unit");
        l.address = text("F_Address");
        l.mem = text("F_Mem");
        l.amount = num("F_Amount");
        l.price = num("F_Price");
        l.rate = num("F_Rate");
        l.total = num("F_TotalPrice");
        const QString lineNo = QString::number(r + 1);
        if (l.goodCode.isEmpty())
            return refuse(r, QStringLiteral("第 ") + lineNo + QStringLiteral(" 行的商品编号不能为空！"),
                          "F_GoodCode");
        if (dmData->QueryInt(QStringLiteral("select count(*) from t_goods where F_code = ?"), {l.goodCode}) ==
            0)
            return refuse(r,
                          QStringLiteral("商品 \"") + l.goodCode + QStringLiteral("\" 不存在，请检查输入？"),
                          "F_GoodCode");
        if (!billcalc::figureInRange(l.amount) || !billcalc::figureInRange(l.price) ||
            !billcalc::figureInRange(l.rate) || !billcalc::figureInRange(l.total))
            return refuse(r,
                          QStringLiteral("第 ") + lineNo +
                              QStringLiteral(" 行的数量、单价、折扣或金额超出允许范围，请检查输入！"),
                          "F_Amount");
        out << l;
    }
    return true;
}

bool TfrmXsRecEdit::confirm()
{
    m_delegate->post();
    billstore::Header h = header(m_kind);

    if (m_edit) {
        computeTotals();
        h.ratio = billcalc::storedRatio(m_cmbRatio->currentText());
        h.total = m_edtTotal->value();
        h.points = m_edtPoints->value();
        const billstore::Result r = saveEdited(h);
        if (r == billstore::Result::NumberTaken)
            return false;
        if (r != billstore::Result::Saved) {
            ShowMess(QStringLiteral("保存失败，请检测数据库连接！"), mkError);
            return false;
        }
        saved(h.code, QStringLiteral("修改会员 \"") + m_cardNo + QStringLiteral("\" 的消费单号为 \"") +
                          h.code + QStringLiteral("\" 的消费记录！"));
        return true;
    }

    QVector<billstore::Line> lines;
    if (!collectLines(lines))
        return false;
    computeTotals();
    if (!(m_edtTotal->value() > 0)) {
        ShowMess(QStringLiteral("消费金额为0，此单据不能成交，谢谢！！"), mkWarning);
        return false;
    }
    renumberIfTaken(billstore::prefixOf(m_kind));

    const bool cardMode = m_kind == billstore::Consumption && m_cardType == 1;
    const double balance =
        dmData->QueryFloat(QStringLiteral("select F_beginJE from t_member where F_ID = ?"), {m_memberId});
    TFrmFKman pay(m_edtTotal->value(), cardMode, balance, this);
    if (commands::execDialog(pay) != QDialog::Accepted)
        return false;

    computeTotals();
    h.code = m_edtCode->text().trimmed();
    h.ratio = billcalc::storedRatio(m_cmbRatio->currentText());
    h.total = m_edtTotal->value();
    h.points = m_edtPoints->value();
    const billstore::Result r = billstore::saveNewSale(h, lines, pay.payment());
    switch (r) {
    case billstore::Result::Saved:
        break;
    case billstore::Result::CardShort:
        ShowMess(QStringLiteral("卡内余额不足，请充值后再使用，谢谢！！"), mkInformation);
        return false;
    case billstore::Result::NumbersUsedUp:
        ShowMess(QStringLiteral("今天的单据编号已经用完，无法保存！"), mkError);
        return false;
    default:
        ShowMess(QStringLiteral("保存失败，请检测数据库连接！"), mkError);
        return false;
    }
    saved(h.code, QStringLiteral("新增会员 \"") + m_cardNo + QStringLiteral("\" 的消费记录！"));
    return true;
}

bool TfrmXsRecEdit::keyPressed(QKeyEvent* e, QWidget* target)
{
    if (saveOrCancelKey(e))
        return true;
    if (!goodsui::isEnter(e))
        return false;
    if (target == m_grid || m_grid->isAncestorOf(target)) {
        goodsui::gridEnter(m_grid, m_delegate, [this](int row) { lookupGoods(row); });
        return true;
    }
    goodsui::focusNext(this);
    return true;
}

QStringList TfrmXsRecEdit::reportVariables()
{
    return {QStringLiteral("sMemHyCode"),    QStringLiteral("sMemCode"),    QStringLiteral("sMemName"),
            QStringLiteral("sMemdate"),      QStringLiteral("sMemEmpName"), QStringLiteral("sMemOperName"),
            QStringLiteral("sMemRate"),      QStringLiteral("sMemDaxie"),   QStringLiteral("sMemmemo1"),
            QStringLiteral("sMemTotalPrice")};
}

QVariant TfrmXsRecEdit::reportVariable(const QString& name) const
{
    if (name == QLatin1String("sMemRate"))
        return displayformat::formatNumber(m_memberRate, QStringLiteral(",0.##;-,0.##"));
    if (name == QLatin1String("sMemDaxie"))
        return QString(MoneyToCapitals(m_edtTotal->value()) + QStringLiteral("(金额大写)"));
    if (name == QLatin1String("sMemTotalPrice"))
        return displayformat::formatNumber(m_edtTotal->value(), QStringLiteral("￥,0.00;-￥,0.00"));
    return commonVariable(name);
}

void TfrmXsRecEdit::printBill()
{
    m_delegate->post();
    if (m_lines->isEmpty())
        return;
    computeTotals();
    previewReport(QStringLiteral("frXsRecEdit"), m_lines);
}

void TfrmXsRecEdit::designBill()
{
    m_delegate->post();
    if (m_lines->isEmpty())
        return;
    designReport(QStringLiteral("frXsRecEdit"), m_lines, reportVariables());
}
