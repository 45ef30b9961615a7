#pragma once

#include <QComboBox>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QStyledItemDelegate>
#include <functional>

class QAction;
class QKeyEvent;
class QWidget;
class TMoneyEdit;
class TDBGrid;

// Small pieces shared by the goods and bill windows.
namespace goodsui {

// Display formats of the windows.
QString moneyFormat();  // "￥,0.00##;-￥,0.00##"
QString amountFormat(); // ",0.####;-,0.####"

// The question "真的要退 "<caption>" 操作界面吗？"; true on yes.
bool confirmLeave(QWidget* window);

// A money (4 places) or calculator (2 places) edit box.
TMoneyEdit* moneyEdit(QWidget* parent, const QString& name, int decimals, bool currency);

// Lets a window see key presses before any of its controls (including grid
// cell editors). The handler returns true when it took the key.
class KeyPreview : public QObject
{
public:
    using Handler = std::function<bool(QKeyEvent* event, QWidget* target)>;
    KeyPreview(QWidget* window, Handler handler);
    ~KeyPreview() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QPointer<QWidget> m_window;
    Handler m_handler;
};

// Enter moves the focus on, as Tab does.
void focusNext(QWidget* window);

// Return or Enter (of the keypad too) without other modifiers.
bool isEnter(const QKeyEvent* e);

// An editable drop-down that refills its items each time it takes the focus.
class TRefillCombo : public QComboBox
{
public:
    TRefillCombo(QWidget* parent, const QString& name, std::function<QStringList()> items);
    void refill();

protected:
    void focusInEvent(QFocusEvent* event) override;

private:
    std::function<QStringList()> m_items;
};

// Items of the shared lists.
QStringList categoryNames(); // goods categories
QStringList clerkNames();    // sales clerks (t_code 'empname')
QStringList unitNames();     // units (t_code 'unit')
QStringList pointRatios();   // points ratios (t_code 'xiaofeijifen')

// Cell editors of the bill grids: numbers with a fixed number of decimals in
// the number columns, plain text elsewhere; texts are limited to the width of
// the stored column. post() finishes the edit in progress.
class TBillCellDelegate : public QStyledItemDelegate
{
public:
    explicit TBillCellDelegate(TDBGrid* grid);
    // Decimals of a numeric field; fields not named are text.
    void setNumberField(const QString& field, int decimals, bool allowNegative);
    // A text field whose editor carries a small "..." button.
    void setEllipsis(const QString& field, std::function<void()> fn);
    // Colour of a cell's text (invalid: the grid's own).
    void setTextColor(std::function<QColor(int row, const QString& field)> fn) { m_color = std::move(fn); }
    void post();
    QWidget* editor() const { return m_editor; }

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                          const QModelIndex& index) const override;
    void setEditorData(QWidget* editor, const QModelIndex& index) const override;
    void setModelData(QWidget* editor, QAbstractItemModel* model, const QModelIndex& index) const override;
    void destroyEditor(QWidget* editor, const QModelIndex& index) const override;

protected:
    void initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const override;

private:
    QString fieldOf(const QModelIndex& index) const;
    TDBGrid* m_grid;
    struct Number
    {
        int decimals = 2;
        bool negative = false;
    };
    QHash<QString, Number> m_numbers; // lower-case field -> format
    std::function<QColor(int, const QString&)> m_color;
    QHash<QString, std::function<void()>> m_ellipsis;
    mutable QPointer<QWidget> m_editor;
};

// Enter in a bill grid: the edit in progress is posted, a goods code typed
// into the "F_GoodCode" cell is looked up (lookup(row)), and the cursor moves
// on to the next shown cell, as Tab.
void gridEnter(TDBGrid* grid, TBillCellDelegate* delegate, const std::function<void(int row)>& lookup);

// The pop-up menu of a bill grid: "增行", "删行", "显示字段选择" and
// "保存当前网格" (under the grid layout key).
struct LineMenu
{
    QAction* add;
    QAction* del;
};
LineMenu lineMenu(TDBGrid* grid, const QString& layoutKey, std::function<void()> addLine,
                  std::function<void()> deleteLine);

} // namespace goodsui
