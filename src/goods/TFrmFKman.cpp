#include "goods/TFrmFKman.h"

#include "core/billcalc.h"
#include "core/support.h"
#include "goods/goodsui.h"
#include "members/TMoneyEdit.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

TFrmFKman::TFrmFKman(double amount, bool cardMode, double balance, QWidget* parent)
    : QDialog(parent), m_amount(amount), m_cardMode(cardMode), m_balance(balance)
{
    setObjectName(QStringLiteral("FrmFKman"));
    setWindowTitle(QStringLiteral("收费窗口"));
    auto* lay = new QVBoxLayout(this);
    auto* heading =
        new QLabel(cardMode ? QStringLiteral("储值卡支付窗口") : QStringLiteral("现金支付窗口"), this);
    heading->setObjectName(QStringLiteral("lblHeading"));
    QFont f = heading->font();
    f.setBold(true);
    f.setPointSizeF(f.pointSizeF() * 1.4);
    heading->setFont(f);
    lay->addWidget(heading);

    m_grpCard = new QGroupBox(this);
    m_grpCard->setObjectName(QStringLiteral("grpCard"));
    auto* cardLay = new QHBoxLayout(m_grpCard);
    cardLay->addWidget(new QLabel(QStringLiteral("卡中金额："), m_grpCard));
    m_edtBalance = goodsui::moneyEdit(m_grpCard, QStringLiteral("edtBalance"), 4, true);
    m_edtBalance->setReadOnly(true);
    m_edtBalance->setFocusPolicy(Qt::NoFocus);
    m_edtBalance->setValue(balance);
    cardLay->addWidget(m_edtBalance);
    m_grpCard->setVisible(cardMode);
    lay->addWidget(m_grpCard);

    auto* form = new QGridLayout;
    m_edtAmount = goodsui::moneyEdit(this, QStringLiteral("edtAmount"), 4, true);
    m_edtAmount->setReadOnly(true);
    m_edtAmount->setFocusPolicy(Qt::NoFocus);
    m_edtAmount->setValue(amount);
    m_edtPayment = goodsui::moneyEdit(this, QStringLiteral("edtPayment"), 4, true);
    m_edtPayment->setAllowNegative(false);
    m_edtChange = goodsui::moneyEdit(this, QStringLiteral("edtChange"), 4, true);
    m_lblChange = new QLabel(cardMode ? QStringLiteral("消费后余额：") : QStringLiteral("找零金额："), this);
    m_lblChange->setObjectName(QStringLiteral("lblChange"));
    form->addWidget(new QLabel(QStringLiteral("消费金额："), this), 0, 0);
    form->addWidget(m_edtAmount, 0, 1);
    form->addWidget(new QLabel(QStringLiteral("客户付款："), this), 1, 0);
    form->addWidget(m_edtPayment, 1, 1);
    form->addWidget(m_lblChange, 2, 0);
    form->addWidget(m_edtChange, 2, 1);
    lay->addLayout(form);
    if (cardMode) {
        // What the card is left with when nothing is paid in cash.
        m_edtChange->setReadOnly(true);
        m_edtChange->setFocusPolicy(Qt::NoFocus);
        m_edtChange->setValue(billcalc::cardPayment(balance, 0, amount).balanceAfter);
    }

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    auto* ok = new QPushButton(QStringLiteral("确定"), this);
    ok->setObjectName(QStringLiteral("btnOk"));
    ok->setDefault(true);
    auto* close = new QPushButton(QStringLiteral("关闭"), this);
    close->setObjectName(QStringLiteral("btnClose"));
    close->setAutoDefault(false);
    buttons->addWidget(ok);
    buttons->addWidget(close);
    lay->addLayout(buttons);
    connect(m_edtPayment, &TMoneyEdit::valueChanged, this, &TFrmFKman::paymentChanged);
    connect(m_edtPayment, &QLineEdit::textEdited, this, &TFrmFKman::paymentChanged);
    connect(ok, &QPushButton::clicked, this, [this] { confirm(); });
    connect(close, &QPushButton::clicked, this, &QDialog::reject);
    m_edtPayment->setFocus();
}

void TFrmFKman::paymentChanged()
{
    const double pay = m_edtPayment->value();
    if (m_cardMode)
        m_edtChange->setValue(billcalc::cardPayment(m_balance, pay, m_amount).balanceAfter);
    else
        m_edtChange->setValue(billcalc::change(pay, m_amount));
}

bool TFrmFKman::confirm()
{
    const double pay = m_edtPayment->value();
    if (m_cardMode) {
        const billcalc::CardPayment p = billcalc::cardPayment(m_balance, pay, m_amount);
        if (!p.enough) {
            ShowMess(QStringLiteral("卡内余额不足，请充值后再使用，谢谢！！"), mkInformation);
            return false;
        }
        m_payment = {p.cash, p.fromCard};
    } else {
        m_payment = {billcalc::cashRecorded(pay, m_edtChange->value()), 0};
    }
    accept();
    return true;
}
