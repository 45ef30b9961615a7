#include "goods/TfrmDhRecEdit.h"

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
#include "goods/goodsui.h"
#include "members/TMoneyEdit.h"

#include <QComboBox>
#include <QDateEdit>
#include <QGridLayout>
#include <QGroupBox>
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
        QStringLiteral("F_ID"),       QStringLiteral("F_Code"),     QStringLiteral("F_empID"),
        QStringLiteral("F_GoodCode"), QStringLiteral("F_GoodName"), QStringLiteral("F_Amount"),
        QStringLiteral("F_dhJF"),     QStringLiteral("F_totalJF"),  QStringLiteral("F_Mem")};
    return fields;
}
} // namespace

TfrmDhRecEdit::TfrmDhRecEdit(TFrmMain* main, bool edit, const QString& billCode, QWidget* parent)
    : TBillWindow(main, edit, parent), m_lines(new TDataSet(this))
{
    setObjectName(QStringLiteral("frmDhRecEdit"));
    setWindowTitle(edit ? QStringLiteral("商品兑换记录 - 修改") : QStringLiteral("商品兑换记录 - 新增"));
    auto* lay = new QVBoxLayout(this);

    TDataSet* m = main ? main->memberSet() : nullptr;
    const auto f = [m](const char* name) {
        return m && m->currentRow() >= 0 ? m->field(QLatin1String(name)) : QVariant();
    };
    m_memberId = f("F_ID").toInt();
    m_cardNo = f("F_hycode").toString();
    m_memberName = f("F_name").toString();
    m_memberPoints = calc::roundTo(f("F_hyJF").toDouble(), billcalc::kPointDecimals);
    const bool discountCard = f("F_IFnew").toInt() == 0;
    const QString money = goodsui::moneyFormat();
    auto* grpMember = memberGroup({
        {QStringLiteral("会员卡号："), QStringLiteral("edtHYcode"), m_cardNo},
        {QStringLiteral("会员姓名："), QStringLiteral("edtHYname"), m_memberName},
        {QStringLiteral("会员级别："), QStringLiteral("edtJibie"), f("F_jibie").toString()},
        {QStringLiteral("折"), QStringLiteral("edtRate"),
         QString::number(calc::roundTo(f("F_rate").toDouble(), 2))},
        {QStringLiteral("会员积分："), QStringLiteral("edtHyJF"),
         displayformat::formatNumber(m_memberPoints, QStringLiteral(",0.##;-,0.##"))},
        {QStringLiteral("累计消费："), QStringLiteral("edtHyXF"),
         displayformat::formatNumber(f("F_hyXF").toDouble(), money)},
        {discountCard ? QStringLiteral("初始消费：") : QStringLiteral("卡内余额："),
         QStringLiteral("edtBalance"),
         displayformat::formatNumber(discountCard ? f("F_beginXF").toDouble() : f("F_beginJE").toDouble(),
                                     money)},
    });
    lay->addWidget(grpMember);

    auto* grpBill = new QGroupBox(this);
    grpBill->setObjectName(QStringLiteral("grpBill"));
    auto* bg = new QGridLayout(grpBill);
    makeDateAndNumber(grpBill);
    makeClerkAndMemo(grpBill);
    m_edtTotal = goodsui::moneyEdit(grpBill, QStringLiteral("edtTotalJF"), 2, false);
    m_edtTotal->setReadOnly(true);
    m_edtTotal->setFocusPolicy(Qt::NoFocus);
    bg->addWidget(new QLabel(QStringLiteral("兑换日期："), grpBill), 0, 0);
    bg->addWidget(m_dtDate, 0, 1);
    bg->addWidget(new QLabel(QStringLiteral("兑换单号："), grpBill), 0, 2);
    bg->addWidget(m_edtCode, 0, 3);
    bg->addWidget(new QLabel(QStringLiteral("营 业 员："), grpBill), 1, 0);
    bg->addWidget(m_cmbClerk, 1, 1);
    bg->addWidget(new QLabel(QStringLiteral("备注信息："), grpBill), 1, 2);
    bg->addWidget(m_edtMemo, 1, 3);
    bg->addWidget(new QLabel(QStringLiteral("合计积分："), grpBill), 2, 0);
    bg->addWidget(m_edtTotal, 2, 1);
    m_btnAdd = new QPushButton(QStringLiteral("增行"), grpBill);
    m_btnAdd->setObjectName(QStringLiteral("btnAddLine"));
    m_btnDel = new QPushButton(QStringLiteral("删行"), grpBill);
    m_btnDel->setObjectName(QStringLiteral("btnDelLine"));
    for (QPushButton* b : {m_btnAdd, m_btnDel}) {
        b->setAutoDefault(false);
        b->setFocusPolicy(Qt::ClickFocus);
    }
    bg->addWidget(m_btnAdd, 2, 2);
    bg->addWidget(m_btnDel, 2, 3);
    lay->addWidget(grpBill);

    m_grid = new TDBGrid(this);
    m_grid->setObjectName(QStringLiteral("DBGridEh1"));
    m_grid->setDataSet(m_lines);
    const QString amount = goodsui::amountFormat();
    m_grid->setColumns({
        TGridColumn::make(QStringLiteral("F_GoodCode"), QStringLiteral("编号"), 90, TGridColumn::AlignLeft,
                          {}, TGridColumn::FooterText, QStringLiteral("合计")),
        TGridColumn::make(QStringLiteral("F_GoodName"), QStringLiteral("名称"), 140),
        TGridColumn::make(QStringLiteral("F_Amount"), QStringLiteral("兑换数量"), 70, TGridColumn::AlignRight,
                          amount, TGridColumn::FooterSum),
        TGridColumn::make(QStringLiteral("F_dhJF"), QStringLiteral("单位积分"), 70, TGridColumn::AlignRight,
                          amount, TGridColumn::FooterSum),
        TGridColumn::make(QStringLiteral("F_totalJF"), QStringLiteral("兑换积分"), 80,
                          TGridColumn::AlignRight, amount, TGridColumn::FooterSum),
        TGridColumn::make(QStringLiteral("F_Mem"), QStringLiteral("备注"), 120),
    });
    m_delegate = new goodsui::TBillCellDelegate(m_grid);
    m_delegate->setNumberField(QStringLiteral("F_Amount"), 4, false);
    m_delegate->setNumberField(QStringLiteral("F_dhJF"), 2, false);
    m_delegate->setNumberField(QStringLiteral("F_totalJF"), 2, false);
    m_delegate->setTextColor(
        [this](int row, const QString&) { return stockShort(row) ? QColor(Qt::red) : QColor(); });
    if (!edit) {
        m_delegate->setEllipsis(QStringLiteral("F_GoodCode"), [this] { pickGifts(); });
        m_delegate->setEllipsis(QStringLiteral("F_GoodName"), [this] { pickGifts(); });
    }
    const goodsui::LineMenu menu = goodsui::lineMenu(
        m_grid, QStringLiteral("dhrecedit"), [this] { addLine(); }, [this] { deleteLine(); });
    lay->addWidget(m_grid, 1);

    addButtonRow(lay, QStringLiteral("打印设置"), QStringLiteral("打印单据"), false);

    connect(m_btnAdd, &QPushButton::clicked, this, &TfrmDhRecEdit::addLine);
    connect(m_btnDel, &QPushButton::clicked, this, &TfrmDhRecEdit::deleteLine);
    connect(m_lines, &TDataSet::valueChanged, this, &TfrmDhRecEdit::onValueChanged);
    connect(m_lines, &TDataSet::reset, this, [this] { m_stock.clear(); });
    new goodsui::KeyPreview(this, [this](QKeyEvent* e, QWidget* target) { return keyPressed(e, target); });

    LoadGridLayout(m_grid, QStringLiteral("dhrecedit"));
    if (edit) {
        QSqlQuery q(dmData->ADOcnn());
        q.prepare(
            QStringLiteral("select F_ID,F_date,F_code,F_mem,F_empName,F_hyJF from depotM where F_code = ?"));
        q.addBindValue(billCode);
        if (q.exec() && q.next()) {
            m_billId = q.value(0).toInt();
            m_dtDate->setDate(dates::fromValue(q.value(1)));
            m_edtCode->setText(q.value(2).toString());
            m_edtMemo->setText(q.value(3).toString());
            m_cmbClerk->setEditText(q.value(4).toString());
            m_edtTotal->setValue(q.value(5).toDouble());
        }
        m_oldCode = m_edtCode->text();
        m_btnAdd->setEnabled(false);
        m_btnDel->setEnabled(false);
        menu.add->setEnabled(false);
        menu.del->setEnabled(false);
        m_grid->setReadOnly(true);
        dmData->OpenQuery(QStringLiteral("select * from depotD where F_code = ? order by F_ID"), *m_lines,
                          {billCode});
    } else {
        m_dtDate->setDate(QDate::currentDate());
        m_edtCode->setText(billCode);
        m_edtTotal->setValue(0);
        m_grid->setReadOnly(false);
        setRows({}, -1);
        addLine();
    }
}

QVector<QVariantList> TfrmDhRecEdit::rows() const
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

void TfrmDhRecEdit::setRows(const QVector<QVariantList>& rows, int current)
{
    m_lines->setRows(lineFields(), rows);
    m_lines->setCurrentRow(current);
}

bool TfrmDhRecEdit::blankLine(int row) const
{
    return m_lines->value(row, QStringLiteral("F_GoodCode")).toString().trimmed().isEmpty() &&
           m_lines->value(row, QStringLiteral("F_GoodName")).toString().trimmed().isEmpty() &&
           m_lines->value(row, QStringLiteral("F_totalJF")).toDouble() == 0;
}

void TfrmDhRecEdit::addLine()
{
    if (m_edit)
        return;
    m_delegate->post();
    QVector<QVariantList> r = rows();
    r << QVariantList(lineFields().size());
    setRows(r, static_cast<int>(r.size()) - 1);
    m_grid->setFocus();
    m_grid->setCurrentIndex(m_grid->model()->index(
        m_lines->currentRow(), std::max(0, m_grid->findColumn(QStringLiteral("F_GoodCode")))));
}

void TfrmDhRecEdit::deleteLine()
{
    if (m_edit || m_lines->currentRow() < 0)
        return;
    m_delegate->post();
    const int row = m_lines->currentRow();
    QVector<QVariantList> r = rows();
    r.removeAt(row);
    setRows(r, std::min(row, static_cast<int>(r.size()) - 1));
    computeTotals();
}

void TfrmDhRecEdit::fillLine(int row, const QString& code, const QString& name, double points)
{
    m_updating = true;
    m_lines->setValue(row, QStringLiteral("F_GoodCode"), code);
    m_lines->setValue(row, QStringLiteral("F_GoodName"), name);
    m_lines->setValue(row, QStringLiteral("F_Amount"), 1.0);
    m_lines->setValue(row, QStringLiteral("F_dhJF"), points);
    m_lines->setValue(row, QStringLiteral("F_totalJF"), billcalc::redemptionLinePoints(points, 1.0));
    m_updating = false;
    m_stock.clear();
}

bool TfrmDhRecEdit::lookupGift(int row)
{
    if (row < 0 || row >= m_lines->recordCount())
        return false;
    const QString code = m_lines->value(row, QStringLiteral("F_GoodCode")).toString().trimmed();
    if (code.isEmpty())
        return false;
    QSqlQuery q(dmData->ADOcnn());
    q.prepare(QStringLiteral("select F_code,f_name,F_amount,F_jiFen from T_goodDH where f_code = ?"));
    q.addBindValue(code);
    if (!q.exec() || !q.next()) {
        ShowMess(QStringLiteral("兑换商品 \"") + code + QStringLiteral("\" 不存在，请检查输入？"),
                 mkInformation);
        return false;
    }
    fillLine(row, q.value(0).toString(), q.value(1).toString(), q.value(3).toDouble());
    return true;
}

void TfrmDhRecEdit::pickGifts()
{
    if (m_edit)
        return;
    m_delegate->post();
    TDLGgoodDHxz picker(
        [this](const TDataSet& list) {
            int row = m_lines->recordCount() - 1;
            if (row < 0 || !blankLine(row)) {
                addLine();
                row = m_lines->recordCount() - 1;
            }
            m_lines->setCurrentRow(row);
            fillLine(row, list.field(QStringLiteral("F_code")).toString(),
                     list.field(QStringLiteral("F_name")).toString(),
                     list.field(QStringLiteral("F_jifen")).toDouble());
        },
        this);
    commands::execDialog(picker);
}

void TfrmDhRecEdit::onValueChanged(int row, int col)
{
    if (m_updating)
        return;
    const QString field = m_lines->fieldName(col);
    if (field == QLatin1String("F_GoodCode"))
        m_stock.clear();
    if (field == QLatin1String("F_Amount") || field == QLatin1String("F_dhJF")) {
        m_updating = true;
        m_lines->setValue(
            row, QStringLiteral("F_totalJF"),
            billcalc::redemptionLinePoints(m_lines->value(row, QStringLiteral("F_dhJF")).toDouble(),
                                           m_lines->value(row, QStringLiteral("F_Amount")).toDouble()));
        m_updating = false;
    }
}

bool TfrmDhRecEdit::stockShort(int row) const
{
    const QString code = m_lines->value(row, QStringLiteral("F_GoodCode")).toString();
    if (code.trimmed().isEmpty() || m_edit)
        return false;
    auto it = m_stock.find(code);
    if (it == m_stock.end())
        it = m_stock.insert(
            code,
            dmData->QueryFloat(QStringLiteral("select F_amount from T_goodDH where F_code = ?"), {code}));
    return it.value() - m_lines->value(row, QStringLiteral("F_Amount")).toDouble() < 0;
}

bool TfrmDhRecEdit::computeTotals()
{
    m_delegate->post();
    QVector<double> points;
    for (int r = 0; r < m_lines->recordCount(); ++r)
        points << m_lines->value(r, QStringLiteral("F_totalJF")).toDouble();
    const double total = billcalc::redemptionTotal(points);
    m_edtTotal->setValue(total);
    if (!m_edit && !billcalc::enoughPoints(m_memberPoints, total)) {
        ShowMess(QStringLiteral("当前会员积分不足，不可以兑换！"), mkInformation);
        return false;
    }
    return true;
}

bool TfrmDhRecEdit::confirm()
{
    m_delegate->post();
    const QString clerk = m_cmbClerk->currentText().trimmed();
    if (clerk.isEmpty()) {
        ShowMess(QStringLiteral("营业员不能为空，请选择营业员！"), mkInformation);
        m_cmbClerk->setFocus();
        return false;
    }
    billstore::Header h = header(billstore::Redemption);
    billstore::Result r;
    if (m_edit) {
        r = saveEdited(h);
        if (r == billstore::Result::NumberTaken)
            return false;
    } else {
        QVector<billstore::Line> lines;
        for (int row = 0; row < m_lines->recordCount(); ++row) {
            if (blankLine(row))
                continue;
            billstore::Line l;
            l.goodCode = m_lines->value(row, QStringLiteral("F_GoodCode")).toString().trimmed();
            l.goodName = m_lines->value(row, QStringLiteral("F_GoodName")).toString();
            l.amount = m_lines->value(row, QStringLiteral("F_Amount")).toDouble();
            l.dhJF = m_lines->value(row, QStringLiteral("F_dhJF")).toDouble();
            l.totalJF = m_lines->value(row, QStringLiteral("F_totalJF")).toDouble();
            l.mem = m_lines->value(row, QStringLiteral("F_Mem")).toString();
            l.rate = 0;
            const QString lineNo = QString::number(row + 1);
            QString error;
            if (l.goodCode.isEmpty())
                error = QStringLiteral("第 ") + lineNo + QStringLiteral(" 行的兑换商品编号不能为空！");
            else if (dmData->QueryInt(QStringLiteral("select count(*) from T_goodDH where F_code = ?"),
                                      {l.goodCode}) == 0)
                error =
                    QStringLiteral("兑换商品 \"") + l.goodCode + QStringLiteral("\" 不存在，请检查输入？");
            else if (!(l.amount > 0))
                error = QStringLiteral("对不起，兑换数量不能为零！");
            else if (!billcalc::figureInRange(l.amount) || !billcalc::figureInRange(l.totalJF))
                error = QStringLiteral("第 ") + lineNo +
                        QStringLiteral(" 行的兑换数量或积分超出允许范围，请检查输入！");
            if (!error.isEmpty()) {
                ShowMess(error, mkInformation);
                m_grid->setFocus();
                m_lines->setCurrentRow(row);
                return false;
            }
            lines << l;
        }
        if (lines.isEmpty()) {
            ShowMess(QStringLiteral("请添加兑换商品！"), mkInformation);
            return false;
        }
        renumberIfTaken(QStringLiteral("DH"));
        if (!computeTotals())
            return false;
        h.code = m_edtCode->text().trimmed();
        r = billstore::saveNewRedemption(h, lines);
        if (r == billstore::Result::PointsShort) {
            ShowMess(QStringLiteral("当前会员积分不足，不可以兑换！"), mkInformation);
            return false;
        }
        if (r == billstore::Result::NumbersUsedUp) {
            ShowMess(QStringLiteral("今天的单据编号已经用完，无法保存！"), mkError);
            return false;
        }
    }
    if (r != billstore::Result::Saved) {
        ShowMess(QStringLiteral("保存失败，请检测数据库连接！"), mkError);
        return false;
    }
    m_edtTotal->setValue(h.points);
    const QString logLine =
        m_edit ? QString(QStringLiteral("修改会员 \"") + m_cardNo + QStringLiteral("\" 的兑换单号为 \"") +
                         h.code + QStringLiteral("\" 的兑换记录！"))
               : QString(QStringLiteral("新增会员 \"") + m_cardNo + QStringLiteral("\" 的兑换记录！"));
    saved(h.code, logLine);
    return true;
}

bool TfrmDhRecEdit::keyPressed(QKeyEvent* e, QWidget* target)
{
    if (saveOrCancelKey(e))
        return true;
    if (!goodsui::isEnter(e))
        return false;
    if (target == m_grid || m_grid->isAncestorOf(target)) {
        goodsui::gridEnter(m_grid, m_delegate, [this](int row) { lookupGift(row); });
        return true;
    }
    goodsui::focusNext(this);
    return true;
}

QStringList TfrmDhRecEdit::reportVariables()
{
    return {QStringLiteral("sMemHyCode"), QStringLiteral("sMemCode"),    QStringLiteral("sMemName"),
            QStringLiteral("sMemdate"),   QStringLiteral("sMemEmpName"), QStringLiteral("sMemOperName"),
            QStringLiteral("sMemmemo1"),  QStringLiteral("sNemTotalJF")};
}

QVariant TfrmDhRecEdit::reportVariable(const QString& name) const
{
    if (name == QLatin1String("sNemTotalJF"))
        return displayformat::formatNumber(m_edtTotal->value(), QStringLiteral(",0.##;-,0.##"));
    return commonVariable(name);
}

void TfrmDhRecEdit::printBill()
{
    m_delegate->post();
    if (m_lines->isEmpty() || !computeTotals())
        return;
    previewReport(QStringLiteral("frDhbill"), m_lines);
}

void TfrmDhRecEdit::designBill()
{
    m_delegate->post();
    if (m_lines->isEmpty())
        return;
    designReport(QStringLiteral("frDhbill"), m_lines, reportVariables());
}
