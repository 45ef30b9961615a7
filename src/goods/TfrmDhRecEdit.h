#pragma once

#include "goods/billstore.h"

#include <QDialog>
#include <QHash>

class QComboBox;
class QDateEdit;
class QLineEdit;
class QPushButton;
class TDataSet;
class TDBGrid;
class TFrmMain;
class TMoneyEdit;
namespace goodsui {
class TBillCellDelegate;
}

// Points redemption bill "商品兑换记录 - 新增/修改".
class TfrmDhRecEdit : public QDialog
{
    Q_OBJECT
public:
    TfrmDhRecEdit(TFrmMain* main, bool edit, const QString& billCode, QWidget* parent = nullptr);

    bool confirm();
    void addLine();
    void deleteLine();
    void pickGifts();
    bool lookupGift(int row);
    // Total points of the lines; false (with its message) when a new bill
    // needs more points than the member has.
    bool computeTotals();
    bool stockShort(int row) const;
    void printBill();
    void designBill();
    QVariant reportVariable(const QString& name) const;
    static QStringList reportVariables();

    TDataSet* lines() const { return m_lines; }
    TDBGrid* grid() const { return m_grid; }
    goodsui::TBillCellDelegate* cellDelegate() const { return m_delegate; }
    QLineEdit* numberBox() const { return m_edtCode; }
    QDateEdit* dateBox() const { return m_dtDate; }
    QComboBox* clerkBox() const { return m_cmbClerk; }
    QLineEdit* memoBox() const { return m_edtMemo; }
    TMoneyEdit* totalBox() const { return m_edtTotal; }
    QPushButton* designButton() const { return m_btnDesign; }

protected:
    void reject() override;

private:
    void onValueChanged(int row, int col);
    QVector<QVariantList> rows() const;
    void setRows(const QVector<QVariantList>& rows, int current);
    bool blankLine(int row) const;
    void fillLine(int row, const QString& code, const QString& name, double points);
    bool keyPressed(class QKeyEvent* e, QWidget* target);

    TFrmMain* m_main;
    bool m_edit;
    int m_billId = 0;
    QString m_oldCode;
    int m_memberId = 0;
    QString m_cardNo;
    QString m_memberName;
    double m_memberPoints = 0;
    TDataSet* m_lines;
    TDBGrid* m_grid;
    goodsui::TBillCellDelegate* m_delegate;
    QDateEdit* m_dtDate;
    QLineEdit* m_edtCode;
    QComboBox* m_cmbClerk;
    QLineEdit* m_edtMemo;
    TMoneyEdit* m_edtTotal;
    QPushButton* m_btnOk;
    QPushButton* m_btnCancel;
    QPushButton* m_btnAdd;
    QPushButton* m_btnDel;
    QPushButton* m_btnDesign;
    mutable QHash<QString, double> m_stock;
    bool m_updating = false;
    bool m_leaving = false;
};
