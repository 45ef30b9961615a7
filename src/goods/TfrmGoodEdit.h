#pragma once

#include <QDialog>
#include <functional>

class QCheckBox;
class QComboBox;
class QFrame;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QWidget;
class TDataSet;
class TMoneyEdit;

// Goods editor "商品资料 - 新增" / "商品资料 - 修改".
class TfrmGoodEdit : public QDialog
{
    Q_OBJECT
public:
    enum Mode
    {
        New = 0,
        Edit = 1,
        NewFromPicker = 2
    };
    // `list` is the goods list of the opener (its current row in mode Edit);
    // `reopen` reopens it positioned on a code after a save.
    TfrmGoodEdit(Mode mode, TDataSet* list, std::function<void(const QString& code)> reopen,
                 QWidget* parent = nullptr);

    Mode mode() const { return m_mode; }
    // "确定": checks, saves; true when saved.
    bool save();
    void clearFields();
    void loadFromList();
    void toggleHelp();
    void navigate(int step); // 0 first, 1 prior, 2 next, 3 last

    QComboBox* typeBox() const { return m_cmbType; }
    QLineEdit* codeBox() const { return m_edtCode; }
    QLineEdit* nameBox() const { return m_edtName; }
    QLineEdit* specBox() const { return m_edtSpec; }
    QLineEdit* addressBox() const { return m_edtAddress; }
    QComboBox* unitBox() const { return m_cmbUnit; }
    TMoneyEdit* price1Box() const { return m_edtPrice1; }
    TMoneyEdit* price2Box() const { return m_edtPrice2; }
    TMoneyEdit* amountBox() const { return m_edtAmount; }
    TMoneyEdit* rateBox() const { return m_edtRate; }
    QPlainTextEdit* memoBox() const { return m_memMem; }
    QCheckBox* continueBox() const { return m_chkContinue; }
    QFrame* helpPanel() const { return m_help; }
    QWidget* navigator() const { return m_nav; }

    static QString helpText();

protected:
    void reject() override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    Mode m_mode;
    TDataSet* m_list;
    std::function<void(const QString&)> m_reopen;
    int m_id = 0;
    QComboBox* m_cmbType;
    QLineEdit* m_edtCode;
    QLineEdit* m_edtName;
    QLineEdit* m_edtSpec;
    QLineEdit* m_edtAddress;
    QComboBox* m_cmbUnit;
    TMoneyEdit* m_edtPrice1;
    TMoneyEdit* m_edtPrice2;
    TMoneyEdit* m_edtAmount;
    TMoneyEdit* m_edtRate;
    QPlainTextEdit* m_memMem;
    QCheckBox* m_chkContinue;
    QFrame* m_help;
    QWidget* m_nav;
    bool m_leaving = false;
};
