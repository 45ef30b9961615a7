#pragma once

#include "goods/TBillWindow.h"

class QComboBox;
class QDateEdit;
class QLineEdit;
class QPushButton;
class TFrmMain;
class TMoneyEdit;

// Count-card visit "会员消费记录 - 新增/修改": a bill header of kind 4 that
// takes a number of uses off the card.
class TfrmXsRecEdit1 : public TBillWindow
{
    Q_OBJECT
public:
    TfrmXsRecEdit1(TFrmMain* main, bool edit, const QString& billCode, QWidget* parent = nullptr);

    bool confirm() override; // "确定"
    void printBill() override;
    void designBill() override;
    QVariant reportVariable(const QString& name) const override;
    static QStringList reportVariables();

    TMoneyEdit* pointsBox() const { return m_edtPoints; }
    TMoneyEdit* usesBox() const { return m_edtUses; }

private:
    double m_remaining = 0;
    TMoneyEdit* m_edtPoints;
    TMoneyEdit* m_edtUses;
};
