#include "goods/TfrmXsRecEdit1.h"

#include "app/TFrmMain.h"
#include "core/billcalc.h"
#include "core/calc.h"
#include "core/dataset.h"
#include "core/dmdata.h"
#include "core/grid/displayformat.h"
#include "core/support.h"
#include "goods/billstore.h"
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

TfrmXsRecEdit1::TfrmXsRecEdit1(TFrmMain* main, bool edit, const QString& billCode, QWidget* parent)
    : TBillWindow(main, edit, parent)
{
    setObjectName(QStringLiteral("frmXsRecEdit1"));
    setWindowTitle(edit ? QStringLiteral("会员消费记录 - 修改") : QStringLiteral("会员消费记录 - 新增"));
    auto* lay = new QVBoxLayout(this);
    TDataSet* m = main ? main->memberSet() : nullptr;
    const auto f = [m](const char* name) {
        return m && m->currentRow() >= 0 ? m->field(QLatin1String(name)) : QVariant();
    };
    m_memberId = f("F_ID").toInt();
    m_cardNo = f("F_hycode").toString();
    m_memberName = f("F_name").toString();
    m_remaining = f("F_beginJE").toDouble();
    const QString twoPlaces = QStringLiteral(",0.##;-,0.##");
    auto* grpMember = memberGroup({
        {QStringLiteral("会员卡号："), QStringLiteral("edtHYcode"), m_cardNo},
        {QStringLiteral("会员姓名："), QStringLiteral("edtHYname"), m_memberName},
        {QStringLiteral("会员级别："), QStringLiteral("edtJibie"), f("F_jibie").toString()},
        {QStringLiteral("折"), QStringLiteral("edtRate"),
         QString::number(calc::roundTo(f("F_rate").toDouble(), 2))},
        {QStringLiteral("会员积分："), QStringLiteral("edtHyJF"),
         displayformat::formatNumber(f("F_hyJF").toDouble(), twoPlaces)},
        {QStringLiteral("消费次数："), QStringLiteral("edtHyXF"),
         displayformat::formatNumber(f("F_hyXF").toDouble(), twoPlaces)},
        {QStringLiteral("剩余次数："), QStringLiteral("edtRemaining"),
         displayformat::formatNumber(m_remaining, twoPlaces)},
    });
    lay->addWidget(grpMember);

    auto* grpBill = new QGroupBox(QStringLiteral(" 消费折扣 "), this);
    grpBill->setObjectName(QStringLiteral("grpBill"));
    auto* bg = new QGridLayout(grpBill);
    makeDateAndNumber(grpBill);
    makeClerkAndMemo(grpBill);
    m_edtPoints = goodsui::moneyEdit(grpBill, QStringLiteral("edtPoints"), 2, false);
    m_edtUses = goodsui::moneyEdit(grpBill, QStringLiteral("edtUses"), 2, false);
    m_edtUses->setAllowNegative(false);
    bg->addWidget(new QLabel(QStringLiteral("消费日期："), grpBill), 0, 0);
    bg->addWidget(m_dtDate, 0, 1);
    bg->addWidget(new QLabel(QStringLiteral("消费单号："), grpBill), 0, 2);
    bg->addWidget(m_edtCode, 0, 3);
    bg->addWidget(new QLabel(QStringLiteral("营 业 员："), grpBill), 1, 0);
    bg->addWidget(m_cmbClerk, 1, 1);
    bg->addWidget(new QLabel(QStringLiteral("备注信息："), grpBill), 1, 2);
    bg->addWidget(m_edtMemo, 1, 3);
    bg->addWidget(new QLabel(QStringLiteral("增加积分："), grpBill), 2, 0);
    bg->addWidget(m_edtPoints, 2, 1);
    auto* usesRow = new QHBoxLayout;
    usesRow->addWidget(new QLabel(QStringLiteral("本次消费"), grpBill));
    usesRow->addWidget(m_edtUses);
    usesRow->addWidget(new QLabel(QStringLiteral("次"), grpBill));
    bg->addLayout(usesRow, 2, 2, 1, 2);
    lay->addWidget(grpBill);

    addButtonRow(lay, QStringLiteral("单据设置"), QStringLiteral("单据打印"), true);
    new goodsui::KeyPreview(this, [this](QKeyEvent* e, QWidget*) {
        if (e->key() == Qt::Key_S && e->modifiers() == Qt::ControlModifier) {
            if (m_btnOk->isEnabled())
                confirm();
            return true;
        }
        if (e->key() == Qt::Key_Escape) {
            if (m_btnCancel->isEnabled())
                m_btnCancel->click();
            return true;
        }
        if ((e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter) && e->modifiers() == Qt::NoModifier) {
            goodsui::focusNext(this);
            return true;
        }
        return false;
    });

    if (edit) {
        QSqlQuery q(dmData->ADOcnn());
        q.prepare(QStringLiteral("select F_ID,F_date,F_code,F_mem,F_empName,F_totalprice,F_hyJF from depotM "
                                 "where F_code = ?"));
        q.addBindValue(billCode);
        if (q.exec() && q.next()) {
            m_billId = q.value(0).toInt();
            m_dtDate->setDate(dates::fromValue(q.value(1)));
            m_edtCode->setText(q.value(2).toString());
            m_edtMemo->setText(q.value(3).toString());
            m_cmbClerk->setEditText(q.value(4).toString());
            m_edtUses->setValue(q.value(5).toDouble());
            m_edtPoints->setValue(q.value(6).toDouble());
        }
        m_oldCode = m_edtCode->text();
        m_edtUses->setReadOnly(true);
        m_edtUses->setFocusPolicy(Qt::NoFocus);
    } else {
        m_dtDate->setDate(QDate::currentDate());
        m_edtCode->setText(billCode);
        m_cmbClerk->setEditText(dmData->CurrentOperator);
        m_edtUses->setValue(0);
        m_edtPoints->setValue(0);
    }
}

bool TfrmXsRecEdit1::confirm()
{
    const double uses = m_edtUses->value();
    if (!(uses > 0)) {
        ShowMess(QStringLiteral("会员消费次数必须大于0！"), mkInformation);
        m_edtUses->setFocus();
        return false;
    }
    billstore::Header h = header(billstore::CountCard);
    h.total = uses;
    h.points = m_edtPoints->value();
    billstore::Result r;
    if (m_edit) {
        r = saveEdited(h);
        if (r == billstore::Result::NumberTaken)
            return false;
    } else {
        renumberIfTaken(QStringLiteral("XF"));
        // The remaining count as it stands now, not as the browser read it.
        const double remaining =
            dmData->QueryFloat(QStringLiteral("select F_beginJE from t_member where F_ID = ?"), {m_memberId});
        if (uses > remaining && ShowMess(QStringLiteral("当前客户消费已经超过消费次数 ") +
                                             QString::number(billcalc::excessUses(uses, remaining)) +
                                             QStringLiteral(" 次，真的继续吗？"),
                                         mkQuestion) != maYes)
            return false;
        h.code = m_edtCode->text().trimmed();
        r = billstore::saveNewVisit(h);
        if (r == billstore::Result::NumbersUsedUp) {
            ShowMess(QStringLiteral("今天的单据编号已经用完，无法保存！"), mkError);
            return false;
        }
    }
    if (r != billstore::Result::Saved) {
        ShowMess(QStringLiteral("保存失败，请检测数据库连接！"), mkError);
        return false;
    }
    saved(h.code, {});
    return true;
}

QStringList TfrmXsRecEdit1::reportVariables()
{
    return {QStringLiteral("sMemHyCode"), QStringLiteral("sMemCode"),    QStringLiteral("sMemName"),
            QStringLiteral("sMemdate"),   QStringLiteral("sMemEmpName"), QStringLiteral("sMemOperName"),
            QStringLiteral("sMemJF"),     QStringLiteral("sMemmemo1"),   QStringLiteral("sMemTotalPrice")};
}

QVariant TfrmXsRecEdit1::reportVariable(const QString& name) const
{
    if (name == QLatin1String("sMemJF"))
        return displayformat::formatNumber(m_edtPoints->value(), QStringLiteral(",0.##;-,0.##"));
    if (name == QLatin1String("sMemTotalPrice"))
        return displayformat::formatNumber(m_edtUses->value(), QStringLiteral("￥,0.00;-￥,0.00"));
    return commonVariable(name);
}

void TfrmXsRecEdit1::printBill()
{
    previewReport(QStringLiteral("frXsRecEdit1"), nullptr);
}

void TfrmXsRecEdit1::designBill()
{
    designReport(QStringLiteral("frXsRecEdit1"), nullptr, reportVariables());
}
