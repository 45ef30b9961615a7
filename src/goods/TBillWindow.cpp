#include "goods/TBillWindow.h"

#include "app/TFrmMain.h"
#include "core/dataset.h"
#include "core/dmdata.h"
#include "core/support.h"
#include "goods/goodsui.h"
#include "report/reportprint.h"

#include <QBoxLayout>
#include <QDateEdit>
#include <QFontMetrics>
#include <QGridLayout>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

TBillWindow::TBillWindow(TFrmMain* main, bool edit, QWidget* parent)
    : QDialog(parent ? parent : main), m_main(main), m_edit(edit)
{
}

void TBillWindow::reject()
{
    if (m_leaving || goodsui::confirmLeave(this))
        QDialog::reject();
}

QGroupBox* TBillWindow::memberGroup(const QVector<MemberBox>& boxes)
{
    auto* grp = new QGroupBox(QStringLiteral(" 会员信息 "), this);
    grp->setObjectName(QStringLiteral("grpMember"));
    auto* mg = new QGridLayout(grp);
    int i = 0;
    for (const MemberBox& b : boxes) {
        auto* e = new QLineEdit(b.text, grp);
        e->setObjectName(b.name);
        e->setReadOnly(true);
        e->setFocusPolicy(Qt::NoFocus);
        const bool suffix = b.label == QStringLiteral("折");
        auto* l = new QLabel(b.label, grp);
        if (b.labelOut)
            *b.labelOut = l;
        mg->addWidget(l, i / 4, (i % 4) * 2 + (suffix ? 1 : 0));
        mg->addWidget(e, i / 4, (i % 4) * 2 + (suffix ? 0 : 1));
        ++i;
    }
    return grp;
}

void TBillWindow::makeDateAndNumber(QWidget* parent)
{
    m_dtDate = new QDateEdit(parent);
    m_dtDate->setObjectName(QStringLiteral("dtpDate"));
    m_dtDate->setCalendarPopup(true);
    m_dtDate->setDisplayFormat(QStringLiteral("yyyy-MM-dd"));
    m_edtCode = new QLineEdit(parent);
    m_edtCode->setObjectName(QStringLiteral("edtCode"));
    m_edtCode->setMaxLength(50);
    // A whole bill number stays readable.
    m_edtCode->setMinimumWidth(m_edtCode->fontMetrics().horizontalAdvance(QStringLiteral("XF20240131001")) + 16);
}

void TBillWindow::makeClerkAndMemo(QWidget* parent)
{
    m_cmbClerk = new goodsui::TRefillCombo(parent, QStringLiteral("cmbClerk"), &goodsui::clerkNames);
    m_edtMemo = new QLineEdit(parent);
    m_edtMemo->setObjectName(QStringLiteral("edtMemo"));
    m_edtMemo->setMaxLength(255);
}

void TBillWindow::addButtonRow(QBoxLayout* lay, const QString& designText, const QString& printText,
                               bool printFirst)
{
    auto* buttons = new QHBoxLayout;
    // Made in the order they stand, which is also the tab order.
    QPushButton* btnPrint = nullptr;
    const auto makePrint = [&] {
        btnPrint = new QPushButton(printText, this);
        btnPrint->setObjectName(QStringLiteral("btnPrint"));
        buttons->addWidget(btnPrint);
    };
    const auto makeDesign = [&] {
        m_btnDesign = new QPushButton(designText, this);
        m_btnDesign->setObjectName(QStringLiteral("btnDesign"));
        buttons->addWidget(m_btnDesign);
    };
    if (printFirst) {
        makePrint();
        makeDesign();
    } else {
        makeDesign();
        makePrint();
    }
    m_btnOk = new QPushButton(QStringLiteral("确定"), this);
    m_btnOk->setObjectName(QStringLiteral("btnOk"));
    m_btnCancel = new QPushButton(QStringLiteral("取消"), this);
    m_btnCancel->setObjectName(QStringLiteral("btnCancel"));
    for (QPushButton* b : {btnPrint, m_btnDesign, m_btnOk, m_btnCancel})
        b->setAutoDefault(false);
    buttons->addStretch();
    buttons->addWidget(m_btnOk);
    buttons->addWidget(m_btnCancel);
    lay->addLayout(buttons);
    m_btnDesign->setVisible(dmData->CurrentOperator.trimmed().toLower() == QLatin1String("admin"));
    connect(btnPrint, &QPushButton::clicked, this, [this] { printBill(); });
    connect(m_btnDesign, &QPushButton::clicked, this, [this] { designBill(); });
    connect(m_btnOk, &QPushButton::clicked, this, [this] { confirm(); });
    connect(m_btnCancel, &QPushButton::clicked, this, [this] {
        m_leaving = true;
        QDialog::reject();
    });
}

bool TBillWindow::saveOrCancelKey(const QKeyEvent* e)
{
    if (e->key() == Qt::Key_S && e->modifiers() == Qt::ControlModifier) {
        if (m_btnOk->isEnabled())
            confirm();
        return true;
    }
    if (e->key() == Qt::Key_Escape && e->modifiers() == Qt::NoModifier) {
        if (m_btnCancel->isEnabled())
            m_btnCancel->click();
        return true;
    }
    return false;
}

billstore::Header TBillWindow::header(int kind) const
{
    billstore::Header h;
    h.kind = kind;
    h.id = m_billId;
    h.date = m_dtDate->date();
    h.memberId = m_memberId;
    h.cardNo = m_cardNo;
    h.empName = m_cmbClerk->currentText().trimmed();
    h.operName = dmData->CurrentOperator;
    h.mem = m_edtMemo->text();
    return h;
}

billstore::Result TBillWindow::saveEdited(billstore::Header& h)
{
    h.code = m_edtCode->text().trimmed();
    const billstore::Result r = billstore::saveEditedBill(h, m_oldCode);
    if (r == billstore::Result::NumberTaken) {
        ShowMess(QStringLiteral("单号 \"") + h.code + QStringLiteral("\" 已经存在，请重新输入！"),
                 mkInformation);
        m_edtCode->setFocus();
    }
    return r;
}

void TBillWindow::renumberIfTaken(const QString& prefix)
{
    if (dmData->QueryInt(QStringLiteral("Select F_ID From depotM Where F_Code = ? "),
                         {m_edtCode->text().trimmed()}) > 0)
        m_edtCode->setText(dmData->NextBillCode(prefix));
}

void TBillWindow::saved(const QString& code, const QString& logLine)
{
    m_edtCode->setText(code);
    if (m_main) {
        m_main->refreshAndLocate(m_cardNo);
        m_main->refreshBills(code);
    }
    if (!logLine.isEmpty())
        dmData->WriteLog(logLine);
    m_leaving = true;
    accept();
}

QVariant TBillWindow::commonVariable(const QString& name) const
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
    if (name == QLatin1String("sMemmemo1"))
        return m_edtMemo->text();
    return {};
}

void TBillWindow::previewReport(const QString& name, TDataSet* lines)
{
    report::TReport r(name);
    if (lines) {
        r.bind(QStringLiteral("frxDM"), lines);
        if (m_main)
            r.bind(QStringLiteral("frxDD"), m_main->memberSet());
    }
    r.setVariableSource([this](const QString& variable) { return reportVariable(variable); });
    r.showPreview(this);
}

void TBillWindow::designReport(const QString& name, TDataSet* lines, const QStringList& variables)
{
    report::TReport r(name);
    if (lines) {
        r.bind(QStringLiteral("frxDM"), lines);
        if (m_main)
            r.bind(QStringLiteral("frxDD"), m_main->memberSet());
    }
    r.declareVariables(variables);
    r.design(this);
}
