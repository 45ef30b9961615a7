#pragma once

#include "goods/TBillWindow.h"

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
class TfrmXsRecEdit : public TBillWindow
{
    Q_OBJECT
public:
    // kind: billstore::Consumption or billstore::Return (new bills); an
    // edited bill keeps the kind it was saved with.
    TfrmXsRecEdit(TFrmMain* main, int kind, bool edit, const QString& billCode, QWidget* parent = nullptr);

    int kind() const { return m_kind; }

    // Buttons and commands.
    bool confirm() override; // "确定"
    void addLine();          // "增行"
    void deleteLine();       // "删行"
    void pickGoods();        // the ellipsis button of the name cell
    void printBill() override;
    void designBill() override;
    // The goods code typed into a line, as Enter in the code cell reads it.
    bool lookupGoods(int row);
    // Totals and points (step of the save and the printing).
    void computeTotals();
    // Whether the line's quantity is drawn in red (stock short).
    bool stockShort(int row) const;
    // Answers the report's variables.
    QVariant reportVariable(const QString& name) const override;
    static QStringList reportVariables();

    TDataSet* lines() const { return m_lines; }
    TDBGrid* grid() const { return m_grid; }
    goodsui::TBillCellDelegate* cellDelegate() const { return m_delegate; }
    QComboBox* ratioBox() const { return m_cmbRatio; }
    TMoneyEdit* totalBox() const { return m_edtTotal; }
    TMoneyEdit* pointsBox() const { return m_edtPoints; }
    QLabel* balanceLabel() const { return m_lblBalance; }

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

    int m_kind;
    int m_cardType = 0;
    double m_memberRate = 1;
    double m_balance = 0;
    TDataSet* m_lines;
    TDBGrid* m_grid;
    goodsui::TBillCellDelegate* m_delegate;
    QComboBox* m_cmbRatio;
    TMoneyEdit* m_edtTotal;
    TMoneyEdit* m_edtPoints;
    QLabel* m_lblBalance;
    QPushButton* m_btnAdd;
    QPushButton* m_btnDel;
    mutable QHash<QString, double> m_stock; // goods code -> stock, while drawing
    bool m_updating = false;
};
