#pragma once

#include <QDialog>

class QComboBox;
class QLineEdit;
class QPushButton;
class QStackedWidget;
class TDataSet;
class TDBGrid;
class TMoneyEdit;

// Card settings "会员卡设置": card levels (T_jibie) above, promotion modes
// (T_youhui) below, each with "新增", "修改", "删除".
class TfrmHYcardSet : public QDialog
{
    Q_OBJECT
public:
    explicit TfrmHYcardSet(QWidget* parent = nullptr);

    // Opens the window modally (placed with DispFormPos mode 1).
    static void Execute(QWidget* parent = nullptr);

    void reloadLevels(const QString& locateCode = QString());
    void reloadModes(const QString& locateCode = QString());

    // Grid commands.
    void addLevel();
    void editLevel();
    void deleteLevel();
    void addMode();
    void editMode();
    void deleteMode();

    TDBGrid* levelGrid() const { return m_grid1; }
    TDBGrid* modeGrid() const { return m_grid2; }
    TDataSet* levelSet() const { return m_levels; }
    TDataSet* modeSet() const { return m_modes; }

    // Text of a promotion kind in the mode grid.
    static QString kindText(int kind);

private:
    TDBGrid* makeGrid(const QString& name, const QString& layoutKey);

    TDataSet* m_levels;
    TDataSet* m_modes;
    TDBGrid* m_grid1 = nullptr;
    TDBGrid* m_grid2 = nullptr;
};

// Level editor: modes 1 new, 2 edit (the card settings window's current level).
class TDLGaddSet2 : public QDialog
{
    Q_OBJECT
public:
    TDLGaddSet2(int mode, TfrmHYcardSet* owner);

    // "确定": checks, saves in one transaction, reloads the owner's grid.
    void confirm();

    QLineEdit* codeBox() const { return m_code; }
    QLineEdit* nameBox() const { return m_name; }
    TMoneyEdit* rateBox() const { return m_rate; }
    TMoneyEdit* beginBox() const { return m_begin; }
    TMoneyEdit* endBox() const { return m_end; }

private:
    int m_mode;
    TfrmHYcardSet* m_owner;
    QVariant m_id;
    QLineEdit* m_code;
    QLineEdit* m_name;
    TMoneyEdit* m_rate;
    TMoneyEdit* m_begin;
    TMoneyEdit* m_end;
};

// Promotion mode editor: modes 3 new, 4 edit (the current mode).
class TDLGaddSet3 : public QDialog
{
    Q_OBJECT
public:
    TDLGaddSet3(int mode, TfrmHYcardSet* owner);

    void confirm();

    QLineEdit* codeBox() const { return m_code; }
    QLineEdit* nameBox() const { return m_name; }
    QComboBox* kindBox() const { return m_kind; }
    TMoneyEdit* factorBox() const { return m_factor; }    // kind 0
    TMoneyEdit* thresholdBox() const { return m_price1; } // kind 1
    TMoneyEdit* cashBox() const { return m_price2; }      // kind 1
    TMoneyEdit* priceBox() const { return m_pkgPrice; }   // kind 2
    TMoneyEdit* countBox() const { return m_pkgCount; }   // kind 2

private:
    void showKindPanel();

    int m_mode;
    TfrmHYcardSet* m_owner;
    QVariant m_id;
    QLineEdit* m_code;
    QLineEdit* m_name;
    QComboBox* m_kind;
    QStackedWidget* m_panels;
    TMoneyEdit* m_factor;
    TMoneyEdit* m_price1;
    TMoneyEdit* m_price2;
    TMoneyEdit* m_pkgPrice;
    TMoneyEdit* m_pkgCount;
};
