#pragma once

#include <QDialog>
#include <functional>

class QComboBox;
class QLineEdit;
class TDataSet;
class TDBGrid;

// Goods picker "货品选择" of the consumption bill, and gift picker
// "兑换商品选择" of the redemption bill. Each pick hands the current row to
// the bill and leaves the article out of the list while the picker is open.
class TDlgGoodXz : public QDialog
{
    Q_OBJECT
public:
    using PickFn = std::function<void(const TDataSet& list)>;
    explicit TDlgGoodXz(PickFn pick, QWidget* parent = nullptr);

    void query(const QString& locateCode = QString());
    void pick();
    void newGoods();
    TDataSet* list() const { return m_set; }
    TDBGrid* grid() const { return m_grid; }
    QComboBox* typeBox() const { return m_cmbType; }
    QLineEdit* searchBox() const { return m_edtSearch; }

private:
    PickFn m_pick;
    TDataSet* m_set;
    TDBGrid* m_grid;
    QComboBox* m_cmbType;
    QLineEdit* m_edtSearch;
};

class TDLGgoodDHxz : public QDialog
{
    Q_OBJECT
public:
    using PickFn = std::function<void(const TDataSet& list)>;
    explicit TDLGgoodDHxz(PickFn pick, QWidget* parent = nullptr);

    void query();
    void pick();
    TDataSet* list() const { return m_set; }
    TDBGrid* grid() const { return m_grid; }
    QLineEdit* searchBox() const { return m_edtSearch; }

protected:
    void showEvent(QShowEvent* event) override;

private:
    PickFn m_pick;
    TDataSet* m_set;
    TDBGrid* m_grid;
    QLineEdit* m_edtSearch;
    bool m_layoutLoaded = false;
};
