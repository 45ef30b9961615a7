#pragma once

#include "goods/TBillWindow.h"

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
class TfrmDhRecEdit : public TBillWindow
{
    Q_OBJECT
public:
    TfrmDhRecEdit(TFrmMain* main, bool edit, const QString& billCode, QWidget* parent = nullptr);

    bool confirm() override;
    void addLine();
    void deleteLine();
    void pickGifts();
    bool lookupGift(int row);
    // Total points of the lines; false (with its message) when a new bill
    // needs more points than the member has.
    bool computeTotals();
    bool stockShort(int row) const;
    void printBill() override;
    void designBill() override;
    QVariant reportVariable(const QString& name) const override;
    static QStringList reportVariables();

    TDataSet* lines() const { return m_lines; }
    TDBGrid* grid() const { return m_grid; }
    goodsui::TBillCellDelegate* cellDelegate() const { return m_delegate; }
    TMoneyEdit* totalBox() const { return m_edtTotal; }

private:
    void onValueChanged(int row, int col);
    QVector<QVariantList> rows() const;
    void setRows(const QVector<QVariantList>& rows, int current);
    bool blankLine(int row) const;
    void fillLine(int row, const QString& code, const QString& name, double points);
    bool keyPressed(class QKeyEvent* e, QWidget* target);

    double m_memberPoints = 0;
    TDataSet* m_lines;
    TDBGrid* m_grid;
    goodsui::TBillCellDelegate* m_delegate;
    TMoneyEdit* m_edtTotal;
    QPushButton* m_btnAdd;
    QPushButton* m_btnDel;
    mutable QHash<QString, double> m_stock;
    bool m_updating = false;
};
