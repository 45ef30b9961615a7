#pragma once

#include <QHash>
#include <QMainWindow>

class QAction;
class QButtonGroup;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QMenu;
class QRadioButton;
class QSplitter;
class QTabWidget;
class QTableWidget;
class QTimer;
class QToolBar;
class QToolButton;
class QTreeWidget;
class QTreeWidgetItem;
class QWidget;
class TDataSet;
class TDBGrid;

// The main window: the member browser with the current member's bills, and
// every command of the program.
class TFrmMain : public QMainWindow
{
    Q_OBJECT
public:
    explicit TFrmMain(QWidget* parent = nullptr);
    ~TFrmMain() override;

    // Work done once when the window is first shown after the login.
    void firstShow();
    bool firstShowDone() const { return m_firstShowDone; }

    // Member list and bills.
    void RefreshMemberList();
    void OpenDetailQueries(bool all);
    void FillItemList(int type);
    void refreshAll();                 // "刷新"
    void setDetailPage(int page);      // 1 consumption, 2 redemption
    int detailPage() const { return m_page; }
    void setAdvancedSearch(bool down); // "高级查找(F5)"
    // Re-reads the member list and moves to the card number (after an edit).
    void refreshAndLocate(const QString& hycode);
    // Re-reads the current member's bills and moves to the bill number.
    void refreshBills(const QString& billCode);

    // Rights of the operator: shows or hides every command.
    void ApplyRights(const QString& operatorName);
    void setOperatorPanel(const QString& name);

    // "连接网络数据库": chooses the database folder for the next start.
    void connectNetworkDatabase();

    // Parts the dialogs and tests reach.
    TDataSet* memberSet() const { return m_qryMember; }
    TDataSet* billSet() const { return m_qryXiaofei; }
    TDataSet* billLineSet() const { return m_qryXiaofeiMX; }
    TDataSet* redeemSet() const { return m_qryDuihuan; }
    TDataSet* redeemLineSet() const { return m_qryDuihuanMX; }
    TDBGrid* memberGrid() const { return m_gridMember; }
    TDBGrid* billGrid() const { return m_gridXiaofei; }
    TDBGrid* billLineGrid() const { return m_gridXiaofeiMX; }
    TDBGrid* redeemGrid() const { return m_gridDuihuan; }
    TDBGrid* redeemLineGrid() const { return m_gridDuihuanMX; }
    QLabel* countLabel() const { return m_lblCount; }
    QComboBox* searchFieldBox() const { return m_cbSearch; }
    QLineEdit* valueBox() const { return m_edtValue; }
    QComboBox* listTypeBox() const { return m_cbListType; }
    QTableWidget* itemList() const { return m_lstItems; }
    QTreeWidget* classTree() const { return m_tvClass; }
    QRadioButton* statusButton(int index) const; // 0 全部, 1 到期, 2 正常
    QLabel* statusPanel(int index) const;
    QCheckBox* detailCheck() const { return m_chkDetail; }
    QAction* clearImportAction() const { return m_actClearImport; }
    QAction* command(const QString& name) const { return m_commands.value(name); }
    QMenu* menu(const QString& title) const { return m_menus.value(title); }
    QToolButton* advancedButton() const { return m_btnAdvanced; }

    // Status-bar clock text of a moment.
    static QString clockText(const QDateTime& now);

    // The grid that "显示字段选择", "保存当前网格" and "导出" of the bill pages
    // work on, with its layout key and sheet name (nullptr with no page).
    TDBGrid* focusedBillGrid(QString* key = nullptr, QString* sheet = nullptr) const;

    // Commands whose work the window does itself.
    void cmdEditMember();
    void cmdDeleteMember();
    void cmdReportLoss();
    void cmdCancelLoss();
    void cmdReplaceCard();
    void cmdTransfer();
    void cmdMemberReturn();
    void cmdTopUp();
    void cmdSortMembers();
    void cmdChooseMemberColumns();
    void cmdSaveMemberGrid();
    void cmdExportMembers();
    void cmdChangeClass();
    void cmdCompact();
    void cmdClearImportRows();
    void cmdBillNew();
    void cmdBillEdit();
    void cmdBillDelete();
    void cmdBillSort();
    void cmdBillChooseColumns();
    void cmdBillSaveGrid();
    void cmdBillExport();
    void cmdChangeOperator();
    void cmdPrintMembers(const QString& templateName);
    void cmdReportDesign();

signals:
    // After a later window changed data the list depends on.
    void memberListRefreshed();

protected:
    void showEvent(QShowEvent* e) override;
    void closeEvent(QCloseEvent* e) override;

private:
    void buildActions();
    void buildMenus();
    void buildToolBar();
    void buildCentral();
    void buildStatusBar();
    QAction* addCommand(const QString& name, const QString& text, const QString& code);
    void setupGrids();
    void updateClock();
    void onMemberRowChanged();
    void onBillRowChanged();
    void onRedeemRowChanged();
    void onItemClicked(int row);
    void applyDetailFlag();
    void loadLayouts();
    bool currentMemberUsable(const QString& refusal, int kind);
    QVariant member(const QString& field) const;
    void openLater(const QString& what);
    void openFile(const QString& name);
    void startTool(const QStringList& candidates, const QString& what);

    // Data.
    TDataSet* m_qryMember = nullptr;
    TDataSet* m_qryXiaofei = nullptr;
    TDataSet* m_qryXiaofeiMX = nullptr;
    TDataSet* m_qryDuihuan = nullptr;
    TDataSet* m_qryDuihuanMX = nullptr;
    QString m_memberSql;
    QVariantList m_memberParams;

    // Widgets.
    TDBGrid* m_gridMember = nullptr;
    TDBGrid* m_gridXiaofei = nullptr;
    TDBGrid* m_gridXiaofeiMX = nullptr;
    TDBGrid* m_gridDuihuan = nullptr;
    TDBGrid* m_gridDuihuanMX = nullptr;
    QToolBar* m_toolBar = nullptr;
    QWidget* m_navPanel = nullptr;
    QComboBox* m_cbSearch = nullptr;
    QLineEdit* m_edtValue = nullptr;
    QToolButton* m_btnNav = nullptr;
    QToolButton* m_btnAdvanced = nullptr;
    QToolButton* m_btnFind = nullptr;
    QToolButton* m_btnOther = nullptr;
    QToolButton* m_btnTopUp = nullptr;
    QTabWidget* m_navTabs = nullptr;
    QComboBox* m_cbListType = nullptr;
    QTableWidget* m_lstItems = nullptr;
    QTreeWidget* m_tvClass = nullptr;
    QRadioButton* m_rbAll = nullptr;
    QRadioButton* m_rbExpired = nullptr;
    QRadioButton* m_rbNormal = nullptr;
    QLabel* m_lblCount = nullptr;
    QListWidget* m_lstDetail = nullptr;
    QTabWidget* m_pcDetail = nullptr;
    QCheckBox* m_chkDetail = nullptr;
    QMenu* m_otherMenu = nullptr;
    QAction* m_actClearImport = nullptr;
    QAction* m_actViewToolBar = nullptr;
    QAction* m_actViewNav = nullptr;
    QAction* m_actViewStatus = nullptr;
    QList<QLabel*> m_panels;
    QTimer* m_clock = nullptr;
    QHash<QString, QAction*> m_commands;   // by object name
    QHash<QString, QString> m_codes;       // object name -> permission code
    QHash<QString, QMenu*> m_menus;
    QList<QAction*> m_billActions;

    int m_page = 0;
    int m_listType = 0;
    bool m_advanced = false;
    bool m_firstShowDone = false;
    bool m_handlersConnected = false;
};

extern TFrmMain* FrmMain;
