#pragma once

#include "goods/billstore.h"

#include <QDialog>

class QGroupBox;
class QLabel;
class TMoneyEdit;

// Payment window "收费窗口" of a new consumption or return bill. Cash mode
// takes the customer's payment and shows the change; card-balance mode (for
// stored-value cards) takes what the payment does not cover from the card.
// The window only settles the figures: the bill writes them with its own
// save, so that a failed save leaves no payment behind.
class TFrmFKman : public QDialog
{
    Q_OBJECT
public:
    TFrmFKman(double amount, bool cardMode, double balance, QWidget* parent = nullptr);

    bool cardMode() const { return m_cardMode; }
    // "确定": settles the payment and closes confirmed; false when refused.
    bool confirm();
    billstore::Payment payment() const { return m_payment; }

    TMoneyEdit* amountBox() const { return m_edtAmount; }
    TMoneyEdit* paymentBox() const { return m_edtPayment; }
    TMoneyEdit* changeBox() const { return m_edtChange; }
    QLabel* changeLabel() const { return m_lblChange; }
    QGroupBox* cardGroup() const { return m_grpCard; }

private:
    void paymentChanged();

    double m_amount;
    bool m_cardMode;
    double m_balance;
    billstore::Payment m_payment;
    TMoneyEdit* m_edtAmount;
    TMoneyEdit* m_edtPayment;
    TMoneyEdit* m_edtChange;
    TMoneyEdit* m_edtBalance;
    QLabel* m_lblChange;
    QGroupBox* m_grpCard;
};
