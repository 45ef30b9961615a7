#pragma once

#include <QDialog>

class QLabel;
class QLineEdit;
class QRadioButton;
class TDataSet;
class TMoneyEdit;

// Stock in and return "商品进 (退) 货" for the goods window's current article.
class TDLGgoodJTH : public QDialog
{
    Q_OBJECT
public:
    explicit TDLGgoodJTH(TDataSet* goods, QWidget* parent = nullptr);

    // "确定": checks, records the movement; true when recorded.
    bool save();
    void setReturn(bool ret);

    QRadioButton* stockInButton() const { return m_rbIn; }
    QRadioButton* returnButton() const { return m_rbOut; }
    TMoneyEdit* quantityBox() const { return m_edtAmount; }
    QLabel* quantityLabel() const { return m_lblAmount; }
    QLineEdit* memoBox() const { return m_edtMemo; }

protected:
    void reject() override;

private:
    TDataSet* m_goods;
    int m_row;
    QRadioButton* m_rbIn;
    QRadioButton* m_rbOut;
    QLabel* m_lblAmount;
    TMoneyEdit* m_edtAmount;
    QLineEdit* m_edtMemo;
    bool m_leaving = false;
};
