#pragma once

#include <QDialog>
#include <QVariant>
#include <QVector>

class QAction;
class QLabel;
class QStatusBar;
class QTabBar;
class QToolBar;
class TDBGrid;
class TDataSet;
class TCodeDelegate;

// "选项设置": the shop's own drop-down lists (nations, level names, points
// ratios, sales clerks, units), one page per kind of t_code. Changes are
// kept in the window and written only by "保存".
class TFrmCodeMan : public QDialog
{
    Q_OBJECT
public:
    explicit TFrmCodeMan(QWidget* parent = nullptr);

    struct Page
    {
        QString caption; // as on the page button
        QString kind;    // t_code.F_type
    };
    static const QVector<Page>& pages();

    int currentPage() const { return m_page; }
    void setPage(int page);
    QString kind() const;
    bool editing() const { return m_editing; }

    // The grid of the page (the points grid on " 消费积分 ") and the cached list.
    TDBGrid* grid() const;
    TDataSet* list() const { return m_list; }
    QAction* command(const QString& objectName) const;
    QTabBar* pageBar() const { return m_tabs; }
    QLabel* statusPanel(int index) const;

    // The tool-bar commands.
    void addRow();     // "新增"; Down on the last row adds more while editing
    void editRows();   // "修改"
    void deleteRow();  // "删除"
    bool save();       // "保存"
    void cancelEdit(); // "取消"
    void printList();  // "打印"
    void refresh();    // "刷新"

protected:
    void keyPressEvent(QKeyEvent* e) override;
    bool eventFilter(QObject* obj, QEvent* e) override;

private:
    void openList();
    void appendRow();
    void setEditing(bool on);
    void commitEditor();
    QString valueField() const;
    QString valueText(int row) const;
    QString rowProblem() const;

    struct Row
    {
        QVariant id;
        QString name;
        QString linkName;
        QVariant rate;
    };

    TDataSet* m_list;
    QVector<Row> m_loaded; // the rows as read, to find what changed
    TDBGrid* m_grid;       // value column F_Name
    TDBGrid* m_rateGrid;   // value column F_rate
    TCodeDelegate* m_delegate;
    TCodeDelegate* m_rateDelegate;
    QToolBar* m_toolBar;
    QTabBar* m_tabs;
    QStatusBar* m_status;
    QList<QLabel*> m_panels;
    int m_page = 0;
    bool m_editing = false;
};
