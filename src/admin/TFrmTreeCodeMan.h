#pragma once

#include <QDialog>

class QAction;
class QLabel;
class QMenu;
class QPushButton;
class QStatusBar;
class QTreeWidget;
class QTreeWidgetItem;

// Editor of a classification tree ("memtype" member classes, "goodtype"
// goods classes): adds classes beside or below the selected one, renames
// and deletes them. In pick mode it also returns the chosen class's path.
class TFrmTreeCodeMan : public QDialog
{
    Q_OBJECT
public:
    TFrmTreeCodeMan(const QString& kind, bool pickMode, QWidget* parent = nullptr);

    QString kind() const { return m_kind; }
    bool pickMode() const { return m_pickMode; }
    QTreeWidget* tree() const { return m_tree; }

    // Selects and expands the class with this path (pick mode on show).
    bool selectPath(const QString& path);
    // Selects the node with this code ("000" the root); false when none.
    bool selectCode(const QString& code);
    // Path of the selected class (after "确定" in pick mode).
    QString chosenPath() const;

    // The commands of the window.
    void addSibling();  // "添加同类(&A)"
    void addChild();    // "添加子类(&C)"
    void renameNode();  // "修    改"
    void deleteNode();  // "删除(包含子类)"
    void confirmPick(); // "确定" in pick mode

protected:
    void keyPressEvent(QKeyEvent* e) override;

private:
    void reload();
    void updateStatus();
    QTreeWidgetItem* selected() const;
    void setNodePath(QTreeWidgetItem* node, const QString& path);
    QString askName(const QString& title, const QString& preset);

    QString m_kind;
    bool m_pickMode;
    QTreeWidget* m_tree;
    QMenu* m_popup;
    QAction* m_actSibling;
    QAction* m_actChild;
    QAction* m_actEdit;
    QAction* m_actDelete;
    QPushButton* m_btnOk = nullptr;
    QPushButton* m_btnCancel = nullptr;
    QStatusBar* m_status;
    QLabel* m_statusText;
};
