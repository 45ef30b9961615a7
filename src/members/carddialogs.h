#pragma once

#include <QDialog>
#include <QVariant>

class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QStackedWidget;
class QWidget;
class TDataSet;
class TDBGrid;
class TMoneyEdit;

// Top-up "会员续费" of the main window's current member: mode 1 stored-value
// card (money), 2 count-card (uses).
class TDLGhyXuFei : public QDialog
{
    Q_OBJECT
public:
    TDLGhyXuFei(int mode, QWidget* parent = nullptr);

    // Opens the dialog on the current member; true when a top-up was made.
    static bool Execute(int mode, QWidget* parent = nullptr);

    // Recomputes the credit from the amount paid.
    void updateCredit();
    // "确定".
    bool confirm();

    TMoneyEdit* paidBox() const { return m_paid; }
    TMoneyEdit* creditBox() const { return m_credit; }
    TMoneyEdit* balanceBox() const { return m_balance; }

private:
    int m_mode;
    QVariant m_id;
    QString m_cardNo;
    QString m_modeName;
    int m_cardType = 0;
    TMoneyEdit* m_balance;
    TMoneyEdit* m_credit;
    TMoneyEdit* m_paid;
};

// Card replacement "会员换卡": a new card number (and for stored-value and
// count-cards a new password) for the current member.
class TDLGhyHuanKa : public QDialog
{
    Q_OBJECT
public:
    TDLGhyHuanKa(int cardType, QWidget* parent = nullptr);

    static bool Execute(int cardType, QWidget* parent = nullptr);

    bool confirm();

    QLineEdit* newCardBox() const;
    QLineEdit* oldPasswordBox() const { return m_oldPass; }
    QLineEdit* newPasswordBox() const { return m_newPass; }
    QLineEdit* confirmPasswordBox() const { return m_newPass2; }

private:
    int m_cardType;
    QVariant m_id;
    QLineEdit* m_newCard0;
    QLineEdit* m_newCard;
    QLineEdit* m_oldPass;
    QLineEdit* m_newPass;
    QLineEdit* m_newPass2;
};

// Balance transfer "会员转帐" from the current member's stored-value card to
// another stored-value card.
class TDLGhyZhuanZ : public QDialog
{
    Q_OBJECT
public:
    explicit TDLGhyZhuanZ(QWidget* parent = nullptr);

    static bool Execute(QWidget* parent = nullptr);

    // "查询(F2)" and Enter in the search box.
    void search();
    // Picker panel "确定" (or a double-click) and "取消".
    void pickCurrent();
    void cancelPick();
    void setWholeAmount(bool whole);
    bool confirm();

    QLineEdit* searchBox() const { return m_search; }
    QRadioButton* wholeButton() const { return m_rbAll; }
    QRadioButton* partButton() const { return m_rbPart; }
    TMoneyEdit* amountBox() const { return m_amount; }
    QWidget* pickerPanel() const { return m_picker; }
    TDBGrid* pickerGrid() const { return m_grid; }
    QString targetCard() const;

private:
    void fillTarget(int row);

    QVariant m_sourceId;
    QVariant m_targetId;
    double m_sourceBalance = 0;
    QLineEdit* m_search;
    QLineEdit* m_tCode;
    QLineEdit* m_tName;
    TMoneyEdit* m_tBalance;
    TMoneyEdit* m_tXF;
    QRadioButton* m_rbAll;
    QRadioButton* m_rbPart;
    TMoneyEdit* m_amount;
    QWidget* m_picker;
    TDBGrid* m_grid;
    TDataSet* m_found;
};
