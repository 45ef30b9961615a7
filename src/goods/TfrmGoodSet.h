#pragma once

#include <QDialog>

class QComboBox;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;
class QToolButton;
class TDataSet;
class TDBGrid;

// Goods catalogue "商品资料管理": goods with their filters, the goods
// categories and the gifts that members obtain for points.
class TfrmGoodSet : public QDialog
{
    Q_OBJECT
public:
    explicit TfrmGoodSet(QWidget* parent = nullptr);

    TDataSet* goodsSet() const { return m_goods; }
    TDataSet* categorySet() const { return m_categories; }
    TDataSet* giftSet() const { return m_gifts; }
    TDBGrid* goodsGrid() const { return m_grid; }
    TDBGrid* categoryGrid() const { return m_gridLB; }
    TDBGrid* giftGrid() const { return m_gridDH; }
    QLabel* statusPanel(int index) const;

    // Goods list by the filters; categories; gifts. Each may move to a code.
    void queryGoods(const QString& locateCode = QString());
    void openCategories(const QString& locateCode = QString());
    void openGifts(const QString& locateCode = QString());

    // Tool bar and list commands.
    void addGoods();
    void editGoods();
    void deleteGoods();
    void stockMove();
    void printList();
    void designList();
    void exportList();
    void chooseColumns();
    void saveLayout();
    void addCategory();
    void editCategory();
    void deleteCategory();
    void addGift();
    void editGift();
    void deleteGift();

    // The LIKE pattern matching a typed text anywhere (wildcards typed by the
    // operator are taken as characters).
    static QString containsPattern(const QString& text);
    static QString startsPattern(const QString& text);

protected:
    void showEvent(QShowEvent* event) override;
    void reject() override;

private:
    bool handleKey(QKeyEvent* event);
    void updateCount();

    TDataSet* m_goods;
    TDataSet* m_categories;
    TDataSet* m_gifts;
    QComboBox* m_cmbType = nullptr;
    QLineEdit* m_edtSearch = nullptr;
    QPushButton* m_btnQuery = nullptr;
    QToolButton* m_btnJTH = nullptr;
    QToolButton* m_btnAdd = nullptr;
    QToolButton* m_btnEdit = nullptr;
    QToolButton* m_btnDelete = nullptr;
    TDBGrid* m_grid = nullptr;
    TDBGrid* m_gridLB = nullptr;
    TDBGrid* m_gridDH = nullptr;
    QList<QLabel*> m_panels;
    bool m_shown = false;
    bool m_leaving = false;
};
