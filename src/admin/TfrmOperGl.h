#pragma once

#include <QDialog>

class QCheckBox;
class QPlainTextEdit;
class TDBGrid;
class TDataSet;

// "操作员权限管理": the operators with their descriptions; adds, edits and
// deletes operators. The built-in administrator is protected.
class TfrmOperGl : public QDialog
{
    Q_OBJECT
public:
    explicit TfrmOperGl(QWidget* parent = nullptr);

    TDBGrid* grid() const { return m_grid; }
    TDataSet* list() const { return m_list; }
    QCheckBox* showDisabledBox() const { return m_chkShowDisabled; }
    QPlainTextEdit* descriptionBox() const { return m_memDescription; }

    // Reopens the list and moves to the operator's name (first row if empty).
    void openList(const QString& name = QString());

    void addOperator();    // "新增"
    void editOperator();   // "修改"
    void deleteOperator(); // "删除"

private:
    QString currentName() const;

    TDataSet* m_list;
    TDBGrid* m_grid;
    QPlainTextEdit* m_memDescription;
    QCheckBox* m_chkShowDisabled;
};
