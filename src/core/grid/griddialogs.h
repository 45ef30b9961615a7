#pragma once

#include "core/grid/gridcolumn.h"

#include <QDialog>
#include <functional>
#include <optional>

class QLineEdit;
class QListWidget;
class QPushButton;
class QTableWidget;
class QToolButton;
class TDBGrid;

// Column chooser "字段列表": the titles of all columns in grid order as a
// check list, ticked for the visible ones.
class TFrmGridColumns : public QDialog
{
    Q_OBJECT
public:
    explicit TFrmGridColumns(const QVector<TGridColumn>& columns, QWidget* parent = nullptr);
    // Tick state per column after the operator's choice.
    QVector<bool> visibleColumns() const;
    QListWidget* list() const { return m_list; }

private:
    QListWidget* m_list;
};

// Sort dialog "排序对话框": one row per grid column with its title and a
// direction; a double-click steps the direction, "上移"/"下移" change the
// priority.
class TFrmSortDialog : public QDialog
{
    Q_OBJECT
public:
    explicit TFrmSortDialog(const QVector<TGridColumn>& columns, QWidget* parent = nullptr);

    QVector<gridsort::Entry> entries() const { return m_entries; }
    void stepDirection(int row);
    void moveUp();
    void moveDown();
    // The sort expression of the rows as they stand.
    QString expression() const;
    QTableWidget* table() const { return m_table; }

private:
    void showEntries(int currentRow);

    QVector<TGridColumn> m_columns;
    QVector<gridsort::Entry> m_entries;
    QTableWidget* m_table;
};

// Caption entry: one box "节点名称"; "确定" refuses a blank box with
// "部门名称不能为空！". Optionally a button beside the box picks a member class
// and puts its like-code into the box.
class TFrmCaptionInput : public QDialog
{
    Q_OBJECT
public:
    TFrmCaptionInput(const QString& title, bool classPicker, QWidget* parent = nullptr);
    QString text() const;
    void setText(const QString& text);
    void accept() override;

private:
    void pickClass();
    QLineEdit* m_edit;
    QToolButton* m_pick;
};

// Value entry "批量修改当前列": one box "请输入要填写的字段值：".
class TFrmValueInput : public QDialog
{
    Q_OBJECT
public:
    explicit TFrmValueInput(QWidget* parent = nullptr);
    QString text() const;

private:
    QLineEdit* m_edit;
};

// The ways in. Each opens its dialog modally unless a hook is installed
// (tests of the windows that use them); setters return the previous hook.
namespace griddialogs {

// Sort expression such as "f_hycode ASC,f_name DESC,"; empty when cancelled.
QString SortGridDialog(TDBGrid* grid);
using SortHook = std::function<QString(const QVector<TGridColumn>& columns)>;
SortHook setSortHook(SortHook hook);

// The choice of visible columns (one flag per column in grid order), or none when cancelled.
std::optional<QVector<bool>> ChooseColumns(TDBGrid* grid);
using ColumnsHook = std::function<std::optional<QVector<bool>>(const QVector<TGridColumn>& columns)>;
ColumnsHook setColumnsHook(ColumnsHook hook);

// The entered caption, or empty text when cancelled.
QString InputCaption(QWidget* parent, const QString& title, bool classPicker, const QString& text = QString());
using CaptionHook = std::function<QString(const QString& title, bool classPicker, const QString& text)>;
CaptionHook setCaptionHook(CaptionHook hook);

// The entered value, or empty text when cancelled.
QString InputFieldValue(QWidget* parent);
using ValueHook = std::function<QString()>;
ValueHook setValueHook(ValueHook hook);

// The member class picker behind the caption dialog's small button: given
// the box's text, returns the picked class's like-code, or empty text.
// Without a picker installed the button does nothing.
using ClassPicker = std::function<QString(QWidget* parent, const QString& text)>;
ClassPicker setClassPicker(ClassPicker picker);

} // namespace griddialogs
