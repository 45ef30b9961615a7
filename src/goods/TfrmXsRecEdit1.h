#pragma once

#include <QDialog>

class QComboBox;
class QDateEdit;
class QLineEdit;
class QPushButton;
class TFrmMain;
class TMoneyEdit;

// Count-card visit "会员消费记录 - 新增/修改": a bill header of kind 4 that
// takes a number of uses off the card.
class TfrmXsRecEdit1 : public QDialog
{
    Q_OBJECT
public:
    TfrmXsRecEdit1(TFrmMain* main, bool edit, const QString& billCode, QWidget* parent = nullptr);

    bool confirm(); // "确定"
    void printBill();
    void designBill();
    QVariant reportVariable(const QString& name) const;
    static QStringList reportVariables();

    QLineEdit* numberBox() const { return m_edtCode; }
    QDateEdit* dateBox() const { return m_dtDate; }
    QComboBox* clerkBox() const { return m_cmbClerk; }
    QLineEdit* memoBox() const { return m_edtMemo; }
    TMoneyEdit* pointsBox() const { return m_edtPoints; }
    TMoneyEdit* usesBox() const { return m_edtUses; }
    QPushButton* designButton() const { return m_btnDesign; }

protected:
    void reject() override;

private:
    TFrmMain* m_main;
    bool m_edit;
    int m_billId = 0;
    QString m_oldCode;
    int m_memberId = 0;
    QString m_cardNo;
    QString m_memberName;
    double m_remaining = 0;
    QDateEdit* m_dtDate;
    QLineEdit* m_edtCode;
    QComboBox* m_cmbClerk;
    QLineEdit* m_edtMemo;
    TMoneyEdit* m_edtPoints;
    TMoneyEdit* m_edtUses;
    QPushButton* m_btnOk;
    QPushButton* m_btnCancel;
    QPushButton* m_btnDesign;
    bool m_leaving = false;
};
