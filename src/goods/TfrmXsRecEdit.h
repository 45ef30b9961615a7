#pragma once

#include "goods/billstore.h"

#include <QDialog>
#include <QHash>

class QComboBox;
class QDateEdit;
class QLabel;
class QLineEdit;
class QPushButton;
class TDataSet;
class TDBGrid;
class TFrmMain;
class TMoneyEdit;
namespace goodsui {
class TBillCellDelegate;
}

// Consumption and member-return bill "会员消费记录 - 新增/修改".
class TfrmXsRecEdit : public QDialog
{
    Q_OBJECT
public:
    // kind: billstore::Consumption or billstore::Return (new bills); an
    // edited bill keeps the kind it was saved with.
    TfrmXsRecEdit(TFrmMain* main, int kind, bool edit, const QString& billCode, QWidget* parent = nullptr);

    bool editMode() const { return m_edit; }
    int kind() const { return m_kind; }

    // Buttons and commands.
    bool confirm();    // "确定"
    void addLine();    // "增行"
    void deleteLine(); // "删行"
    void pickGoods();  // the ellipsis button of the name cell
    void printBill();  // "打印单据"
    void designBill(); // "打印设置"
    // The goods code typed into a line, as Enter in the code cell reads it.
    bool lookupGoods(int row);
    // Totals and points (step of the save and the printing).
    void computeTotals();
    // Whether the line's quantity is drawn in red (stock short).
    bool stockShort(int row) const;
    // Answers the report's variables.
    QVariant reportVariable(const QString& name) const;
    static QStringList reportVariables();

    TDataSet* lines() const { return m_lines; }
    TDBGrid* grid() const { return m_grid; }
    goodsui::TBillCellDelegate* cellDelegate() const { return m_delegate; }
    QLineEdit* numberBox() const { return m_edtCode; }
    QComboBox* ratioBox() const { return m_cmbRatio; }
    QComboBox* clerkBox() const { return m_cmbClerk; }
    QLineEdit* memoBox() const { return m_edtMemo; }
    QDateEdit* dateBox() const { return m_dtDate; }
    TMoneyEdit* totalBox() const { return m_edtTotal; }
    TMoneyEdit* pointsBox() const { return m_edtPoints; }
    QLabel* balanceLabel() const { return m_lblBalance; }
    QPushButton* designButton() const { return m_btnDesign; }

protected:
    void reject() override;

private:
    void loadMember();
    void loadBill(const QString& billCode);
    void onValueChanged(int row, int col);
    void setRows(const QVector<QVariantList>& rows, int current);
    QVector<QVariantList> rows() const;
    bool blankLine(int row) const;
    void fillLine(int row, const QVariantMap& goods);
    bool keyPressed(class QKeyEvent* e, QWidget* target);
    // Lines to save: blank lines left out; false (with a message) when a line is wrong.
    bool collectLines(QVector<billstore::Line>& out);

    TFrmMain* m_main;
    int m_kind;
    bool m_edit;
    int m_billId = 0;
    QString m_oldCode;
    int m_memberId = 0;
    QString m_cardNo;
    QString m_memberName;
    int m_cardType = 0;
    double m_memberRate = 1;
    double m_balance = 0;
    TDataSet* m_lines;
    TDBGrid* m_grid;
    goodsui::TBillCellDelegate* m_delegate;
    QDateEdit* m_dtDate;
    QLineEdit* m_edtCode;
    QComboBox* m_cmbRatio;
    QComboBox* m_cmbClerk;
    QLineEdit* m_edtMemo;
    TMoneyEdit* m_edtTotal;
    TMoneyEdit* m_edtPoints;
    QLabel* m_lblBalance;
    QPushButton* m_btnOk;
    QPushButton* m_btnCancel;
    QPushButton* m_btnAdd;
    QPushButton* m_btnDel;
    QPushButton* m_btnDesign;
    mutable QHash<QString, double> m_stock; // goods code -> stock, while drawing
    bool m_updating = false;
    bool m_leaving = false;
};
