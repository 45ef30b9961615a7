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
#include "report/reportprint.h"

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
    : QDialog(parent ? parent : main), m_main(main), m_edit(edit)
{
    setObjectName(QStringLiteral("frmXsRecEdit1"));
    setWindowTitle(edit ? QStringLiteral("会员消费记录 - 修改") : QStringLiteral("会员消费记录 - 新增"));
    auto* lay = new QVBoxLayout(this);
    auto* grpMember = new QGroupBox(QStringLiteral(" 会员信息 "), this);
    grpMember->setObjectName(QStringLiteral("grpMember"));
    auto* mg = new QGridLayout(grpMember);
    TDataSet* m = main ? main->memberSet() : nullptr;
    const auto f = [m](const char* name) {
        return m && m->currentRow() >= 0 ? m->field(QLatin1String(name)) : QVariant();
    };
    m_memberId = f("F_ID").toInt();
    m_cardNo = f("F_hycode").toString();
    m_memberName = f("F_name").toString();
    m_remaining = f("F_beginJE").toDouble();
    const QString twoPlaces = QStringLiteral(",0.##;-,0.##");
    const struct
    {
        const char* label;
        const char* name;
        QString text;
    } rows[] = {
        {"会员卡号：", "edtHYcode", m_cardNo},
        {"会员姓名：", "edtHYname", m_memberName},
        {"会员级别：", "edtJibie", f("F_jibie").toString()},
        {"折", "edtRate", QString::number(calc::roundTo(f("F_rate").toDouble(), 2))},
        {"会员积分：", "edtHyJF", displayformat::formatNumber(f("F_hyJF").toDouble(), twoPlaces)},
        {"消费次数：", "edtHyXF", displayformat::formatNumber(f("F_hyXF").toDouble(), twoPlaces)},
        {"剩余次数：", "edtRemaining", displayformat::formatNumber(m_remaining, twoPlaces)},
    };
    int i = 0;
    for (const auto& r : rows) {
        auto* e = new QLineEdit(r.text, grpMember);
        e->setObjectName(QLatin1String(r.name));
        e->setReadOnly(true);
        e->setFocusPolicy(Qt::NoFocus);
        const bool suffix = QString::fromUtf8(r.label) == QStringLiteral("折");
        if (!suffix)
            mg->addWidget(new QLabel(QString::fromUtf8(r.label), grpMember), i / 4, (i % 4) * 2);
        mg->addWidget(e, i / 4, (i % 4) * 2 + (suffix ? 0 : 1));
        if (suffix)
            mg->addWidget(new QLabel(QString::fromUtf8(r.label), grpMember), i / 4, (i % 4) * 2 + 1);
        ++i;
    }
    lay->addWidget(grpMember);

    auto* grpBill = new QGroupBox(QStringLiteral(" 消费折扣 "), this);
    grpBill->setObjectName(QStringLiteral("grpBill"));
    auto* bg = new QGridLayout(grpBill);
    m_dtDate = new QDateEdit(grpBill);
    m_dtDate->setObjectName(QStringLiteral("dtpDate"));
    m_dtDate->setCalendarPopup(true);
    m_dtDate->setDisplayFormat(QStringLiteral("yyyy-MM-dd"));
    m_edtCode = new QLineEdit(grpBill);
    m_edtCode->setObjectName(QStringLiteral("edtCode"));
    m_edtCode->setMaxLength(50);
    m_cmbClerk = new goodsui::TRefillCombo(grpBill, QStringLiteral("cmbClerk"), &goodsui::clerkNames);
    m_edtMemo = new QLineEdit(grpBill);
    m_edtMemo->setObjectName(QStringLiteral("edtMemo"));
    m_edtMemo->setMaxLength(255);
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

    auto* buttons = new QHBoxLayout;
    auto* btnPrint = new QPushButton(QStringLiteral("单据打印"), this);
    btnPrint->setObjectName(QStringLiteral("btnPrint"));
    m_btnDesign = new QPushButton(QStringLiteral("单据设置"), this);
    m_btnDesign->setObjectName(QStringLiteral("btnDesign"));
    m_btnOk = new QPushButton(QStringLiteral("确定"), this);
    m_btnOk->setObjectName(QStringLiteral("btnOk"));
    m_btnCancel = new QPushButton(QStringLiteral("取消"), this);
    m_btnCancel->setObjectName(QStringLiteral("btnCancel"));
    for (QPushButton* b : {btnPrint, m_btnDesign, m_btnOk, m_btnCancel})
        b->setAutoDefault(false);
    buttons->addWidget(btnPrint);
    buttons->addWidget(m_btnDesign);
    buttons->addStretch();
    buttons->addWidget(m_btnOk);
    buttons->addWidget(m_btnCancel);
    lay->addLayout(buttons);
    m_btnDesign->setVisible(dmData->CurrentOperator.trimmed().toLower() == QLatin1String("admin"));
    connect(btnPrint, &QPushButton::clicked, this, &TfrmXsRecEdit1::printBill);
    connect(m_btnDesign, &QPushButton::clicked, this, &TfrmXsRecEdit1::designBill);
    connect(m_btnOk, &QPushButton::clicked, this, [this] { confirm(); });
    connect(m_btnCancel, &QPushButton::clicked, this, [this] {
        m_leaving = true;
        QDialog::reject();
    });
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

void TfrmXsRecEdit1::reject()
{
    if (m_leaving || goodsui::confirmLeave(this))
        QDialog::reject();
}

bool TfrmXsRecEdit1::confirm()
{
    const double uses = m_edtUses->value();
    if (!(uses > 0)) {
        ShowMess(QStringLiteral("会员消费次数必须大于0！"), mkInformation);
        m_edtUses->setFocus();
        return false;
    }
    billstore::Header h;
    h.kind = billstore::CountCard;
    h.id = m_billId;
    h.date = m_dtDate->date();
    h.memberId = m_memberId;
    h.cardNo = m_cardNo;
    h.empName = m_cmbClerk->currentText().trimmed();
    h.operName = dmData->CurrentOperator;
    h.mem = m_edtMemo->text();
    h.total = uses;
    h.points = m_edtPoints->value();
    billstore::Result r;
    if (m_edit) {
        h.code = m_edtCode->text().trimmed();
        r = billstore::saveEditedBill(h, m_oldCode);
        if (r == billstore::Result::NumberTaken) {
            ShowMess(QStringLiteral("单号 \"") + h.code + QStringLiteral("\" 已经存在，请重新输入！"),
                     mkInformation);
            m_edtCode->setFocus();
            return false;
        }
    } else {
        if (dmData->QueryInt(QStringLiteral("Select F_ID From depotM Where F_Code = ? "),
                             {m_edtCode->text().trimmed()}) > 0)
            m_edtCode->setText(dmData->NextBillCode(QStringLiteral("XF")));
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
    m_edtCode->setText(h.code);
    if (m_main) {
        m_main->refreshAndLocate(m_cardNo);
        m_main->refreshBills(h.code);
    }
    m_leaving = true;
    accept();
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
    if (name == QLatin1String("sMemHyCode"))
        return m_cardNo;
    if (name == QLatin1String("sMemCode"))
        return m_edtCode->text();
    if (name == QLatin1String("sMemName"))
        return m_memberName;
    if (name == QLatin1String("sMemdate"))
        return m_dtDate->date().toString(QStringLiteral("yyyy-MM-dd"));
    if (name == QLatin1String("sMemEmpName"))
        return m_cmbClerk->currentText();
    if (name == QLatin1String("sMemOperName"))
        return dmData->CurrentOperator;
    if (name == QLatin1String("sMemJF"))
        return displayformat::formatNumber(m_edtPoints->value(), QStringLiteral(",0.##;-,0.##"));
    if (name == QLatin1String("sMemmemo1"))
        return m_edtMemo->text();
    if (name == QLatin1String("sMemTotalPrice"))
        return displayformat::formatNumber(m_edtUses->value(), QStringLiteral("￥,0.00;-￥,0.00"));
    return {};
}

void TfrmXsRecEdit1::printBill()
{
    report::TReport r(QStringLiteral("frXsRecEdit1"));
    r.setVariableSource([this](const QString& name) { return reportVariable(name); });
    r.showPreview(this);
}

void TfrmXsRecEdit1::designBill()
{
    report::TReport r(QStringLiteral("frXsRecEdit1"));
    r.declareVariables(reportVariables());
    r.design(this);
}
