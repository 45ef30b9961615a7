#pragma once

#include <QDialog>
#include <functional>

class QLabel;
class QLineEdit;
class TDataSet;
class TMoneyEdit;

// Category and gift editor: "商品类别设置" and "兑换商品设置", new or modify.
class TDLGaddSet1 : public QDialog
{
    Q_OBJECT
public:
    enum Mode
    {
        NewCategory = 0,
        EditCategory = 1,
        NewGift = 2,
        EditGift = 3
    };
    TDLGaddSet1(Mode mode, TDataSet* list, std::function<void(const QString& code)> reopen,
                QWidget* parent = nullptr);

    bool save();
    QLineEdit* codeBox() const { return m_edtCode; }
    QLineEdit* nameBox() const { return m_edtName; }
    TMoneyEdit* amountBox() const { return m_edtAmount; }
    TMoneyEdit* pointsBox() const { return m_edtJifen; }

private:
    bool gift() const { return m_mode == NewGift || m_mode == EditGift; }
    bool editing() const { return m_mode == EditCategory || m_mode == EditGift; }

    Mode m_mode;
    TDataSet* m_list;
    std::function<void(const QString&)> m_reopen;
    int m_id = 0;
    QLineEdit* m_edtCode;
    QLineEdit* m_edtName;
    TMoneyEdit* m_edtAmount;
    TMoneyEdit* m_edtJifen;
};
