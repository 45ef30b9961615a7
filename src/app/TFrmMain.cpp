#include "app/TFrmMain.h"

#include "app/TFrmLogin.h"
#include "app/TFrmPassword.h"
#include "app/commands.h"
#include "core/calc.h"
#include "core/config.h"
#include "core/dataset.h"
#include "core/dmdata.h"
#include "core/grid/dbgrid.h"
#include "core/grid/gridlayout.h"
#include "core/product.h"
#include "core/support.h"
#include "core/ui_support.h"

#include <QAction>
#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QDateTime>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QLocale>
#include <QMenu>
#include <QMenuBar>
#include <QRadioButton>
#include <QShortcut>
#include <QSplitter>
#include <QStatusBar>
#include <QStyle>
#include <QTabWidget>
#include <QTableWidget>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>
#include <QTreeWidget>
#include <QVBoxLayout>

TFrmMain* FrmMain = nullptr;

namespace {

const QString kCardLost = QStringLiteral("不可用");

// Columns of the member list: every column of t_member but the photo, which
// the windows that show it read by key.
const QString kMemberColumns = QStringLiteral(
    "F_ID,F_code,F_name,F_sex,F_movephone,F_homephone,F_birthday,F_type,F_typeID,F_unit,F_address,F_postcode,"
    "F_minzu,F_email,F_hycode,F_jibie,F_rate,F_IFnew,F_fromDate,F_toDate,F_OperName,F_hyJF,F_beginJF,F_hyXF,"
    "F_beginXF,F_mem,F_useFlag,F_SFZcode,F_hyJE,F_beginJE,F_YHtype,F_PSword,F_HYstatus,F_ZJname,F_ZJcode,"
    "F_imagePath,F_empID");

struct SearchField
{
    const char* title;
    const char* column; // empty: no condition
};
const SearchField kSearchFields[] = {
    {"---未选择---", ""}, {"姓名", "f_name"},        {"联系电话", "f_homePhone"}, {"手机", "f_movePhone"},
    {"单位名称", "f_unit"}, {"地址", "f_address"},   {"证件名称", "F_ZJname"},    {"证件号码", "F_ZJcode"},
    {"备注", "F_mem"},     {" ", ""},
};

QString cardTypeText(const QVariant& v)
{
    if (v.isNull())
        return {};
    switch (v.toInt()) {
    case 0:
        return QStringLiteral("折扣卡");
    case 1:
        return QStringLiteral("储值卡");
    case 2:
        return QStringLiteral("计次卡");
    case 3:
        return QStringLiteral("升级卡");
    default:
        return {};
    }
}

} // namespace

TFrmMain::TFrmMain(QWidget* parent) : QMainWindow(parent)
{
    setObjectName(QStringLiteral("FrmMain"));
    if (!FrmMain)
        FrmMain = this;
    m_qryMember = new TDataSet(this);
    m_qryXiaofei = new TDataSet(this);
    m_qryXiaofeiMX = new TDataSet(this);
    m_qryDuihuan = new TDataSet(this);
    m_qryDuihuanMX = new TDataSet(this);
    buildActions();
    buildMenus();
    buildToolBar();
    buildCentral();
    buildStatusBar();
    setupGrids();
    // The class tree is loaded when the window is made.
    if (dmData && dmData->connected())
        dmData->LoadCodeTree(m_tvClass, QStringLiteral("会员类型"), QStringLiteral("memtype"));
    resize(1100, 740);
}

TFrmMain::~TFrmMain()
{
    if (FrmMain == this)
        FrmMain = nullptr;
}

QAction* TFrmMain::addCommand(const QString& name, const QString& text, const QString& code)
{
    auto* a = new QAction(text, this);
    a->setObjectName(name);
    m_commands.insert(name, a);
    if (!code.isEmpty())
        m_codes.insert(name, code);
    return a;
}

void TFrmMain::buildActions()
{
    struct Cmd
    {
        const char* name;
        const char* text;
        const char* code;
    };
    static const Cmd cmds[] = {
        {"act101", "公司信息", "101"},         {"act102", "更改密码", "102"},
        {"act103", "用户权限", "103"},         {"act104", "选项...", "104"},
        {"act105", "会员类型", "105"},         {"act106", "商品类型", "106"},
        {"act107", "会员卡设置", "107"},       {"act108", "工作日志", "108"},
        {"act109", "交班统计", "109"},         {"actChangeOper", "开始交班", ""},
        {"actExit", "退出系统", ""},           {"act201", "新增", "201"},
        {"act202", "修改", "202"},             {"act203", "删除", "203"},
        {"act204", "排序...", "204"},          {"act205", "显示字段选择", "205"},
        {"act206", "保存当前网格", "206"},     {"act207", "商品资料管理", "207"},
        {"act208", "更改所选会员分类", "208"}, {"actTopUp", "会员续费(F3)", ""},
        {"act601", "会员卡挂失", "601"},       {"act602", "取消挂失", "602"},
        {"act603", "会员换卡", "603"},         {"act604", "会员卡转帐", "604"},
        {"act605", "会员退货", "605"},         {"act301", "导出", "301"},
        {"act302", "报表设计", "302"},         {"act303", "当前会员档案详表", "303"},
        {"act304", "当前会员统计列表", "304"}, {"act305", "当前会员信封打印", "305"},
        {"act306", "会员信封标签打印", "306"}, {"act307", "导出会员手机号码", "307"},
        {"act308", "导出会员电子信箱", "308"}, {"act401", "统计", "401"},
        {"act402", "会员提醒", "402"},         {"act403", "会员消费汇总统计", "403"},
        {"act404", "会员消费明细统计", "404"}, {"act405", "会员充值统计", "405"},
        {"act406", "会员消费跟踪", "406"},     {"act407", "兑换商品统计", "407"},
        {"act408", "商品库存统计", "408"},     {"act409", "商品进退货表", "409"},
        {"act410", "商品消费统计", "410"},     {"act411", "消费统计图表", "411"},
        {"act501", "导入会员资料", "501"},     {"act506", "导入商品资料", "506"},
        {"actClearImport", "清空导入空行", ""}, {"act502", "系统数据清理", "502"},
        {"act503", "数据备份恢复", "503"},     {"act504", "压缩修复数据库", "504"},
        {"act505", "连接网络数据库", "505"},   {"actRefresh", "刷新", ""},
        {"actClose", "关闭", ""},              {"actCalc", "计算器", ""},
        {"actNotepad", "笔记本", ""},          {"actIdentity", "身份查询", ""},
        {"actHelp", "帮助文件", ""},           {"actReadme", "自述文件", ""},
        {"actWhatsNew", "最新功能", ""},       {"actAbout", "关于我们", ""},
        {"actChangeClass", "批量更改会员类型", ""},
    };
    for (const Cmd& c : cmds)
        addCommand(QLatin1String(c.name), QString::fromUtf8(c.text), QLatin1String(c.code));
    m_actClearImport = command(QStringLiteral("actClearImport"));

    // Bill pages: their own actions, shown by the codes 201 to 206 and 301.
    static const Cmd bills[] = {
        {"actBillNew", "新增", "201"},       {"actBillEdit", "修改", "202"},  {"actBillDelete", "删除", "203"},
        {"actBillSort", "排序...", "204"},   {"actBillColumns", "显示字段选择", "205"},
        {"actBillSave", "保存当前网格", "206"}, {"actBillExport", "导出", "301"},
    };
    for (const Cmd& c : bills)
        m_billActions << addCommand(QLatin1String(c.name), QString::fromUtf8(c.text), QLatin1String(c.code));

    const auto on = [this](const char* name, auto fn) {
        connect(command(QLatin1String(name)), &QAction::triggered, this, fn);
    };
    on("actExit", &QWidget::close);
    on("actClose", &QWidget::close);
    on("act505", &TFrmMain::connectNetworkDatabase);
    on("actRefresh", &TFrmMain::refreshAll);
    on("actChangeOper", &TFrmMain::cmdChangeOperator);
    on("act202", &TFrmMain::cmdEditMember);
    on("act203", &TFrmMain::cmdDeleteMember);
    on("act204", &TFrmMain::cmdSortMembers);
    on("act205", &TFrmMain::cmdChooseMemberColumns);
    on("act206", &TFrmMain::cmdSaveMemberGrid);
    on("act301", &TFrmMain::cmdExportMembers);
    on("act601", &TFrmMain::cmdReportLoss);
    on("act602", &TFrmMain::cmdCancelLoss);
    on("act603", &TFrmMain::cmdReplaceCard);
    on("act604", &TFrmMain::cmdTransfer);
    on("act605", &TFrmMain::cmdMemberReturn);
    on("actTopUp", &TFrmMain::cmdTopUp);
    on("actChangeClass", &TFrmMain::cmdChangeClass);
    on("act504", &TFrmMain::cmdCompact);
    on("actClearImport", &TFrmMain::cmdClearImportRows);
    on("act302", &TFrmMain::cmdReportDesign);
    on("actBillNew", &TFrmMain::cmdBillNew);
    on("actBillEdit", &TFrmMain::cmdBillEdit);
    on("actBillDelete", &TFrmMain::cmdBillDelete);
    on("actBillSort", &TFrmMain::cmdBillSort);
    on("actBillColumns", &TFrmMain::cmdBillChooseColumns);
    on("actBillSave", &TFrmMain::cmdBillSaveGrid);
    on("actBillExport", &TFrmMain::cmdBillExport);
    connect(command(QStringLiteral("act303")), &QAction::triggered, this,
            [this] { cmdPrintMembers(QStringLiteral("frMemXianqing")); });
    connect(command(QStringLiteral("act304")), &QAction::triggered, this,
            [this] { cmdPrintMembers(QStringLiteral("frMemList")); });
    connect(command(QStringLiteral("act305")), &QAction::triggered, this,
            [this] { cmdPrintMembers(QStringLiteral("frMemXingFeng")); });
    connect(command(QStringLiteral("act306")), &QAction::triggered, this,
            [this] { cmdPrintMembers(QStringLiteral("frMemBiaoqian")); });
    connect(command(QStringLiteral("act102")), &QAction::triggered, this, [this] {
        TFrmPassword dlg(this);
        commands::execDialog(dlg);
    });
    connect(command(QStringLiteral("actCalc")), &QAction::triggered, this, [this] {
        startTool({QStringLiteral("gnome-calculator"), QStringLiteral("kcalc"), QStringLiteral("galculator"),
                   QStringLiteral("mate-calc"), QStringLiteral("qalculate-gtk"), QStringLiteral("xcalc")},
                  QStringLiteral("计算器"));
    });
    connect(command(QStringLiteral("actNotepad")), &QAction::triggered, this, [this] {
        startTool({QStringLiteral("gedit"), QStringLiteral("gnome-text-editor"), QStringLiteral("kate"),
                   QStringLiteral("kwrite"), QStringLiteral("mousepad"), QStringLiteral("pluma"),
                   QStringLiteral("xed"), QStringLiteral("leafpad"), QStringLiteral("featherpad")},
                  QStringLiteral("笔记本"));
    });
    connect(command(QStringLiteral("actHelp")), &QAction::triggered, this,
            [this] { openFile(QStringLiteral("help.html")); });
    connect(command(QStringLiteral("actReadme")), &QAction::triggered, this,
            [this] { openFile(QStringLiteral("readme.txt")); });
    connect(command(QStringLiteral("actWhatsNew")), &QAction::triggered, this,
            [this] { openFile(QStringLiteral("whatisnew.txt")); });
    // F3 belongs to "会员续费(F3)".
    command(QStringLiteral("actTopUp"))->setShortcut(QKeySequence(Qt::Key_F3));
    command(QStringLiteral("actTopUp"))->setShortcutContext(Qt::WindowShortcut);

    // Commands whose windows are wired by the subsystems.
    commands::wireSubsystemCommands(this);
}

void TFrmMain::buildMenus()
{
    const auto addMenu = [this](const QString& title, const char* name, const QStringList& entries) {
        QMenu* m = menuBar()->addMenu(title);
        m->setObjectName(QLatin1String(name));
        m_menus.insert(title, m);
        for (const QString& e : entries) {
            if (e.isEmpty())
                m->addSeparator();
            else
                m->addAction(command(e));
        }
        return m;
    };
    addMenu(QStringLiteral("文件"), "mnuFile",
            {QStringLiteral("act101"), QStringLiteral("act102"), QStringLiteral("act103"), QString(),
             QStringLiteral("act108"), QStringLiteral("act107"), QStringLiteral("act104"), QStringLiteral("act105"),
             QStringLiteral("act106"), QString(), QStringLiteral("act109"), QStringLiteral("actChangeOper"), QString(),
             QStringLiteral("actExit")});
    addMenu(QStringLiteral("编辑"), "mnuEdit",
            {QStringLiteral("act201"), QStringLiteral("act202"), QStringLiteral("act203"), QStringLiteral("act204"),
             QString(), QStringLiteral("actTopUp"), QStringLiteral("act601"), QStringLiteral("act602"),
             QStringLiteral("act603"), QStringLiteral("act604"), QStringLiteral("act605"), QString(),
             QStringLiteral("act207"), QStringLiteral("act208"), QString(), QStringLiteral("act205"),
             QStringLiteral("act206")});
    addMenu(QStringLiteral("输出"), "mnuOutput",
            {QStringLiteral("act301"), QStringLiteral("act302"), QString(), QStringLiteral("act303"),
             QStringLiteral("act304"), QStringLiteral("act305"), QStringLiteral("act306"), QString(),
             QStringLiteral("act307"), QStringLiteral("act308")});
    addMenu(QStringLiteral("统计"), "mnuStat",
            {QStringLiteral("act401"), QStringLiteral("act402"), QString(), QStringLiteral("act403"),
             QStringLiteral("act404"), QStringLiteral("act405"), QStringLiteral("act406"), QStringLiteral("act407"),
             QString(), QStringLiteral("act408"), QStringLiteral("act409"), QStringLiteral("act410"),
             QStringLiteral("act411")});
    addMenu(QStringLiteral("数据"), "mnuData",
            {QStringLiteral("act501"), QStringLiteral("act506"), QStringLiteral("actClearImport"), QString(),
             QStringLiteral("act502"), QStringLiteral("act503"), QStringLiteral("act504"), QString(),
             QStringLiteral("act505")});
    QMenu* view = addMenu(QStringLiteral("视图"), "mnuView", {});
    m_actViewToolBar = view->addAction(QStringLiteral("工具栏"));
    m_actViewNav = view->addAction(QStringLiteral("导航树"));
    m_actViewStatus = view->addAction(QStringLiteral("状态栏"));
    m_actViewToolBar->setObjectName(QStringLiteral("actViewToolBar"));
    m_actViewNav->setObjectName(QStringLiteral("actViewNav"));
    m_actViewStatus->setObjectName(QStringLiteral("actViewStatus"));
    for (QAction* a : {m_actViewToolBar, m_actViewNav, m_actViewStatus}) {
        a->setCheckable(true);
        a->setChecked(true);
    }
    addMenu(QStringLiteral("工具"), "mnuTools",
            {QStringLiteral("actCalc"), QStringLiteral("actNotepad"), QString(), QStringLiteral("actIdentity")});
    addMenu(QStringLiteral("帮助"), "mnuHelp",
            {QStringLiteral("actHelp"), QStringLiteral("actReadme"), QStringLiteral("actWhatsNew"), QString(),
             QStringLiteral("actAbout")});

    m_otherMenu = new QMenu(this);
    m_otherMenu->setObjectName(QStringLiteral("mnuOther"));
    for (const char* n : {"act601", "act602", "act603", "act604"})
        m_otherMenu->addAction(command(QLatin1String(n)));
}

void TFrmMain::buildToolBar()
{
    m_toolBar = addToolBar(QStringLiteral("工具栏"));
    m_toolBar->setObjectName(QStringLiteral("ToolBar1"));
    m_toolBar->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    m_toolBar->setMovable(false);

    auto* shift = new QToolButton(m_toolBar);
    shift->setObjectName(QStringLiteral("tbShift"));
    shift->setText(QStringLiteral("交班"));
    shift->setIcon(style()->standardIcon(QStyle::SP_BrowserReload));
    shift->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    auto* shiftMenu = new QMenu(shift);
    shiftMenu->addAction(command(QStringLiteral("act109")));
    shiftMenu->addAction(command(QStringLiteral("actChangeOper")));
    shiftMenu->addAction(command(QStringLiteral("actExit")));
    shift->setMenu(shiftMenu);
    shift->setPopupMode(QToolButton::InstantPopup);
    m_toolBar->addWidget(shift);

    const auto add = [this](const char* name, QStyle::StandardPixmap icon) {
        QAction* a = command(QLatin1String(name));
        a->setIcon(style()->standardIcon(icon));
        m_toolBar->addAction(a);
    };
    add("actRefresh", QStyle::SP_BrowserReload);
    m_toolBar->addSeparator();
    add("act207", QStyle::SP_DirIcon);
    add("act402", QStyle::SP_MessageBoxInformation);
    m_toolBar->addSeparator();
    add("act201", QStyle::SP_FileDialogNewFolder);
    add("act202", QStyle::SP_FileDialogDetailedView);
    add("act203", QStyle::SP_TrashIcon);
    add("act204", QStyle::SP_ArrowDown);
    m_toolBar->addSeparator();
    add("actClose", QStyle::SP_DialogCloseButton);
}

void TFrmMain::buildCentral()
{
    auto* central = new QWidget(this);
    auto* outer = new QVBoxLayout(central);
    outer->setContentsMargins(2, 2, 2, 2);

    // Search bar.
    auto* search = new QHBoxLayout;
    auto* lblSearch = new QLabel(QStringLiteral("搜索(&V)"), central);
    m_cbSearch = new QComboBox(central);
    m_cbSearch->setObjectName(QStringLiteral("cbSearchField"));
    for (const SearchField& f : kSearchFields)
        m_cbSearch->addItem(QString::fromUtf8(f.title));
    lblSearch->setBuddy(m_cbSearch);
    auto* lblValue = new QLabel(QStringLiteral("值(&V)"), central);
    m_edtValue = new QLineEdit(central);
    m_edtValue->setObjectName(QStringLiteral("edtValue"));
    m_edtValue->setMaxLength(100);
    lblValue->setBuddy(m_edtValue);
    m_btnNav = new QToolButton(central);
    m_btnNav->setObjectName(QStringLiteral("btnNav"));
    m_btnNav->setText(QStringLiteral("«"));
    m_btnAdvanced = new QToolButton(central);
    m_btnAdvanced->setObjectName(QStringLiteral("btnAdvanced"));
    m_btnAdvanced->setText(QStringLiteral("高级查找(F5)"));
    m_btnAdvanced->setCheckable(true);
    m_btnFind = new QToolButton(central);
    m_btnFind->setObjectName(QStringLiteral("btnFind"));
    m_btnFind->setText(QStringLiteral("查找(F2)"));
    m_btnOther = new QToolButton(central);
    m_btnOther->setObjectName(QStringLiteral("btnOther"));
    m_btnOther->setText(QStringLiteral("其他操作(F4)"));
    m_btnOther->setMenu(m_otherMenu);
    m_btnOther->setPopupMode(QToolButton::InstantPopup);
    m_btnTopUp = new QToolButton(central);
    m_btnTopUp->setObjectName(QStringLiteral("btnTopUp"));
    m_btnTopUp->setDefaultAction(command(QStringLiteral("actTopUp")));
    search->addWidget(lblSearch);
    search->addWidget(m_cbSearch);
    search->addWidget(lblValue);
    search->addWidget(m_edtValue, 1);
    search->addWidget(m_btnNav);
    search->addWidget(m_btnAdvanced);
    search->addWidget(m_btnFind);
    search->addWidget(m_btnOther);
    search->addWidget(m_btnTopUp);
    outer->addLayout(search);

    // Navigation panel.
    auto* split = new QSplitter(Qt::Horizontal, central);
    split->setObjectName(QStringLiteral("splitNav"));
    m_navPanel = new QWidget(split);
    m_navPanel->setObjectName(QStringLiteral("pnlNav"));
    auto* navLay = new QVBoxLayout(m_navPanel);
    navLay->setContentsMargins(0, 0, 0, 0);
    m_navTabs = new QTabWidget(m_navPanel);
    m_navTabs->setObjectName(QStringLiteral("pcNav"));
    m_navTabs->setTabPosition(QTabWidget::South);
    auto* itemsPage = new QWidget(m_navTabs);
    auto* itemsLay = new QVBoxLayout(itemsPage);
    itemsLay->setContentsMargins(2, 2, 2, 2);
    m_cbListType = new QComboBox(itemsPage);
    m_cbListType->setObjectName(QStringLiteral("cbListType"));
    m_cbListType->addItems({QStringLiteral("会员级别"), QStringLiteral("办卡类型"), QStringLiteral("会员状态"),
                            QStringLiteral("民    族")});
    m_lstItems = new QTableWidget(itemsPage);
    m_lstItems->setObjectName(QStringLiteral("lstItems"));
    m_lstItems->setColumnCount(2);
    m_lstItems->verticalHeader()->hide();
    m_lstItems->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_lstItems->setSelectionMode(QAbstractItemView::SingleSelection);
    m_lstItems->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_lstItems->horizontalHeader()->setStretchLastSection(true);
    m_lstItems->setColumnWidth(0, 36);
    itemsLay->addWidget(m_cbListType);
    itemsLay->addWidget(m_lstItems, 1);
    m_navTabs->addTab(itemsPage, QStringLiteral(" 项    目 "));
    m_tvClass = new QTreeWidget(m_navTabs);
    m_tvClass->setObjectName(QStringLiteral("tvClass"));
    m_tvClass->setHeaderHidden(true);
    m_tvClass->setItemsExpandable(false);
    m_tvClass->setRootIsDecorated(false);
    m_tvClass->setExpandsOnDoubleClick(false);
    m_navTabs->addTab(m_tvClass, QStringLiteral(" 行业类别  "));
    navLay->addWidget(m_navTabs, 1);
    auto* radios = new QHBoxLayout;
    m_rbAll = new QRadioButton(QStringLiteral("全部"), m_navPanel);
    m_rbAll->setObjectName(QStringLiteral("rbAll"));
    m_rbExpired = new QRadioButton(QStringLiteral("到期"), m_navPanel);
    m_rbExpired->setObjectName(QStringLiteral("rbExpired"));
    m_rbNormal = new QRadioButton(QStringLiteral("正常"), m_navPanel);
    m_rbNormal->setObjectName(QStringLiteral("rbNormal"));
    m_rbNormal->setChecked(true);
    radios->addWidget(m_rbAll);
    radios->addWidget(m_rbExpired);
    radios->addWidget(m_rbNormal);
    navLay->addLayout(radios);
    split->addWidget(m_navPanel);

    // Right: member grid above, bills below.
    auto* right = new QSplitter(Qt::Vertical, split);
    right->setObjectName(QStringLiteral("splitRight"));
    auto* memberTabs = new QTabWidget(right);
    memberTabs->setObjectName(QStringLiteral("pcMember"));
    auto* memberPage = new QWidget(memberTabs);
    auto* memberLay = new QVBoxLayout(memberPage);
    memberLay->setContentsMargins(0, 0, 0, 0);
    m_gridMember = new TDBGrid(memberPage);
    m_gridMember->setObjectName(QStringLiteral("DBGridEh1"));
    memberLay->addWidget(m_gridMember, 1);
    auto* countBar = new QHBoxLayout;
    countBar->addStretch();
    m_lblCount = new QLabel(QStringLiteral("会员总数： 0 个"), memberPage);
    m_lblCount->setObjectName(QStringLiteral("lblCount"));
    countBar->addWidget(m_lblCount);
    memberLay->addLayout(countBar);
    memberTabs->addTab(memberPage, QStringLiteral("会员信息"));

    auto* lower = new QWidget(right);
    auto* lowerLay = new QHBoxLayout(lower);
    lowerLay->setContentsMargins(0, 0, 0, 0);
    m_lstDetail = new QListWidget(lower);
    m_lstDetail->setObjectName(QStringLiteral("lstDetail"));
    m_lstDetail->addItems({QStringLiteral("消费记录"), QStringLiteral("商品兑换")});
    m_lstDetail->setMaximumWidth(90);
    lowerLay->addWidget(m_lstDetail);
    auto* billSide = new QVBoxLayout;
    auto* billBar = new QToolBar(lower);
    billBar->setObjectName(QStringLiteral("tbBills"));
    billBar->setToolButtonStyle(Qt::ToolButtonTextOnly);
    for (const char* n : {"actBillNew", "actBillEdit", "actBillDelete", "actBillSort", "actBillExport"})
        billBar->addAction(command(QLatin1String(n)));
    m_chkDetail = new QCheckBox(QStringLiteral("商品明细"), billBar);
    m_chkDetail->setObjectName(QStringLiteral("chkDetail"));
    m_chkDetail->setToolTip(QStringLiteral("展开显示消费明细(兑换商品明细)"));
    m_chkDetail->setChecked(true);
    billBar->addWidget(m_chkDetail);
    billSide->addWidget(billBar);
    m_pcDetail = new QTabWidget(lower);
    m_pcDetail->setObjectName(QStringLiteral("pcDetail"));
    m_pcDetail->setTabPosition(QTabWidget::South);
    const auto billPage = [this](TDBGrid*& bills, TDBGrid*& lines, const char* billName, const char* lineName) {
        auto* s = new QSplitter(Qt::Horizontal, m_pcDetail);
        bills = new TDBGrid(s);
        bills->setObjectName(QLatin1String(billName));
        lines = new TDBGrid(s);
        lines->setObjectName(QLatin1String(lineName));
        s->addWidget(bills);
        s->addWidget(lines);
        s->setStretchFactor(0, 1);
        s->setStretchFactor(1, 1);
        return s;
    };
    m_pcDetail->addTab(billPage(m_gridXiaofei, m_gridXiaofeiMX, "DBGridEh2", "DBGridEh3"),
                       QStringLiteral(" 消费记录 "));
    m_pcDetail->addTab(billPage(m_gridDuihuan, m_gridDuihuanMX, "DBGridEh4", "DBGridEh5"),
                       QStringLiteral(" 执行情况 "));
    billSide->addWidget(m_pcDetail, 1);
    lowerLay->addLayout(billSide, 1);
    right->addWidget(memberTabs);
    right->addWidget(lower);
    right->setStretchFactor(0, 3);
    right->setStretchFactor(1, 2);
    split->addWidget(right);
    split->setStretchFactor(0, 0);
    split->setStretchFactor(1, 1);
    split->setSizes({200, 900});
    outer->addWidget(split, 1);
    setCentralWidget(central);

    // Behaviour of the search bar and the navigation panel.
    connect(m_edtValue, &QLineEdit::textChanged, this, &TFrmMain::RefreshMemberList);
    connect(m_btnFind, &QToolButton::clicked, this, &TFrmMain::RefreshMemberList);
    connect(m_btnAdvanced, &QToolButton::clicked, this, &TFrmMain::setAdvancedSearch);
    connect(m_btnNav, &QToolButton::clicked, this, [this] { m_actViewNav->trigger(); });
    connect(m_cbListType, &QComboBox::activated, this, &TFrmMain::FillItemList);
    connect(m_lstItems, &QTableWidget::cellClicked, this, [this](int row, int) { onItemClicked(row); });
    connect(m_tvClass, &QTreeWidget::itemDoubleClicked, this, [this] { RefreshMemberList(); });
    for (QRadioButton* rb : {m_rbAll, m_rbExpired, m_rbNormal})
        connect(rb, &QRadioButton::clicked, this, &TFrmMain::RefreshMemberList);
    connect(m_lstDetail, &QListWidget::itemClicked, this,
            [this](QListWidgetItem* item) { setDetailPage(m_lstDetail->row(item) == 1 ? 2 : 1); });
    connect(m_chkDetail, &QCheckBox::toggled, this, &TFrmMain::applyDetailFlag);

    // Keys F2, F4 and F5 press their buttons when those are enabled.
    const auto key = [this](Qt::Key k, QToolButton* b, bool showMenu) {
        auto* sc = new QShortcut(QKeySequence(k), this);
        sc->setContext(Qt::WindowShortcut);
        connect(sc, &QShortcut::activated, this, [b, showMenu] {
            if (!b->isEnabled() || !b->isVisible())
                return;
            if (showMenu)
                b->showMenu();
            else
                b->click();
        });
    };
    key(Qt::Key_F2, m_btnFind, false);
    key(Qt::Key_F4, m_btnOther, true);
    key(Qt::Key_F5, m_btnAdvanced, false);

    // View menu.
    connect(m_actViewToolBar, &QAction::toggled, m_toolBar, &QWidget::setVisible);
    connect(m_actViewNav, &QAction::toggled, m_navPanel, &QWidget::setVisible);
    connect(m_actViewStatus, &QAction::toggled, this, [this](bool on) { statusBar()->setVisible(on); });
}

void TFrmMain::buildStatusBar()
{
    const QStringList texts{QStringLiteral(" 当前用户"), QString(), QStringLiteral(" 当前日期时间"), QString(),
                            product::name()};
    for (int i = 0; i < texts.size(); ++i) {
        auto* l = new QLabel(texts.at(i), this);
        l->setObjectName(QStringLiteral("stPanel%1").arg(i + 1));
        if (i == texts.size() - 1) {
            l->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
            statusBar()->addPermanentWidget(l, 1);
        } else {
            l->setMinimumWidth(i % 2 ? 140 : 70);
            statusBar()->addWidget(l);
        }
        m_panels << l;
    }
}

void TFrmMain::setupGrids()
{
    using C = TGridColumn;
    const QString money = QStringLiteral("￥,0.00##;-￥,0.00##");
    const QString number = QStringLiteral(",0.##;-,0.##");
    const QString date = QStringLiteral("yyyy-MM-dd");
    m_gridMember->setDataSet(m_qryMember);
    m_gridMember->setColumns({
        C::make(QStringLiteral("F_hycode"), QStringLiteral("会员卡号"), 90),
        C::make(QStringLiteral("F_name"), QStringLiteral("姓名"), 70, C::AlignLeft, {}, C::FooterText,
                QStringLiteral("合计")),
        C::make(QStringLiteral("F_sex"), QStringLiteral("性别"), 40, C::AlignCenter),
        C::make(QStringLiteral("F_movephone"), QStringLiteral("手机"), 95),
        C::make(QStringLiteral("F_homephone"), QStringLiteral("电话"), 90),
        C::make(QStringLiteral("F_birthday"), QStringLiteral("出生日期"), 80, C::AlignCenter, date),
        C::make(QStringLiteral("F_type"), QStringLiteral("会员分类"), 100),
        C::make(QStringLiteral("F_unit"), QStringLiteral("单位名称"), 120),
        C::make(QStringLiteral("F_address"), QStringLiteral("居住地址"), 150),
        C::make(QStringLiteral("F_postcode"), QStringLiteral("邮编电话"), 70),
        C::make(QStringLiteral("F_minzu"), QStringLiteral("民族"), 50, C::AlignCenter),
        C::make(QStringLiteral("F_email"), QStringLiteral("电子信箱"), 120),
        C::make(QStringLiteral("F_jibie"), QStringLiteral("会员级别"), 80),
        C::make(QStringLiteral("F_IFnew"), QStringLiteral("是否新卡"), 60, C::AlignCenter),
        C::make(QStringLiteral("F_fromDate"), QStringLiteral("办卡日期"), 80, C::AlignCenter, date),
        C::make(QStringLiteral("F_toDate"), QStringLiteral("到期日期"), 80, C::AlignCenter, date),
        C::make(QStringLiteral("F_price"), QStringLiteral("金额"), 70, C::AlignRight, money),
        C::make(QStringLiteral("F_OperName"), QStringLiteral("操作员"), 60),
        C::make(QStringLiteral("F_beginJE"), QStringLiteral("卡内余额/剩余次数"), 110, C::AlignRight, number, C::FooterSum),
        C::make(QStringLiteral("F_HYstatus"), QStringLiteral("会员状态"), 60, C::AlignCenter),
        C::make(QStringLiteral("F_hyJF"), QStringLiteral("会员积分"), 80, C::AlignRight, number, C::FooterSum),
        C::make(QStringLiteral("F_beginJF"), QStringLiteral("初始积分"), 80, C::AlignRight, number, C::FooterSum),
        C::make(QStringLiteral("F_mem"), QStringLiteral("其他积分"), 120),
    });
    m_gridMember->setMultiSelect(true);
    m_gridMember->gridModel()->setDisplayText(QStringLiteral("F_IFnew"),
                                              [](const QVariant& v, int) { return cardTypeText(v); });
    m_gridMember->gridModel()->setRowColors([this](int row) {
        TRowColors c;
        const QString status = m_qryMember->value(row, QStringLiteral("F_HYstatus")).toString();
        if (status == kCardLost) {
            c.text = Qt::red;
            c.background = QApplication::palette().color(QPalette::Button);
            return c;
        }
        const QString to = dates::text(dates::fromValue(m_qryMember->value(row, QStringLiteral("F_toDate"))));
        if (!to.isEmpty() && to <= dates::text(QDate::currentDate()) && to > QLatin1String("1901-08-14")) {
            c.text = Qt::blue;
            c.background = QColor(0xcc, 0xe8, 0xff);
        }
        return c;
    });
    // Remarks columns get the sort mark but keep their order.
    m_gridMember->setSortPredicate(
        [](const TGridColumn& col) { return !col.fieldName.contains(QLatin1String("mem"), Qt::CaseInsensitive); });

    m_gridXiaofei->setDataSet(m_qryXiaofei);
    m_gridXiaofei->setColumns({
        C::make(QStringLiteral("F_Code"), QStringLiteral("单号"), 110, C::AlignLeft, {}, C::FooterText,
                QStringLiteral("合计")),
        C::make(QStringLiteral("F_Date"), QStringLiteral("消费日期"), 130),
        C::make(QStringLiteral("F_empName"), QStringLiteral("营业员"), 60),
        C::make(QStringLiteral("F_hyJF"), QStringLiteral("积分"), 70, C::AlignRight, number, C::FooterSum),
        C::make(QStringLiteral("F_totalprice"), QStringLiteral("消费金额"), 90, C::AlignRight,
                QStringLiteral("￥,0.00;-￥,0.00"), C::FooterSum),
        C::make(QStringLiteral("F_mem"), QStringLiteral("备注"), 120),
    });
    m_gridXiaofei->gridModel()->setRowColors([this](int row) {
        TRowColors c;
        if (m_qryXiaofei->value(row, QStringLiteral("F_flag")).toInt() == 2) {
            c.text = Qt::red;
            c.background = QApplication::palette().color(QPalette::Button);
        }
        return c;
    });
    m_gridXiaofeiMX->setDataSet(m_qryXiaofeiMX);
    m_gridXiaofeiMX->setColumns({
        C::make(QStringLiteral("F_GoodCode"), QStringLiteral("编号"), 80, C::AlignLeft, {}, C::FooterText,
                QStringLiteral("合计")),
        C::make(QStringLiteral("F_GoodName"), QStringLiteral("名称"), 110),
        C::make(QStringLiteral("F_Type"), QStringLiteral("类型"), 70),
        C::make(QStringLiteral("F_Spec"), QStringLiteral("规格"), 60),
        C::make(QStringLiteral("F_Unit"), QStringLiteral("单位"), 40, C::AlignCenter),
        C::make(QStringLiteral("F_Address"), QStringLiteral("产地"), 70),
        C::make(QStringLiteral("F_Amount"), QStringLiteral("数量"), 60, C::AlignRight, number, C::FooterSum),
        C::make(QStringLiteral("F_Price"), QStringLiteral("单价"), 70, C::AlignRight, money),
        C::make(QStringLiteral("F_Rate"), QStringLiteral("折扣"), 50, C::AlignRight, QStringLiteral("0.00##")),
        C::make(QStringLiteral("F_TotalPrice"), QStringLiteral("金额"), 80, C::AlignRight, money, C::FooterSum),
        C::make(QStringLiteral("F_Mem"), QStringLiteral("备注"), 100),
    });
    m_gridDuihuan->setDataSet(m_qryDuihuan);
    m_gridDuihuan->setColumns({
        C::make(QStringLiteral("F_Code"), QStringLiteral("单号"), 110, C::AlignLeft, {}, C::FooterText,
                QStringLiteral("合计")),
        C::make(QStringLiteral("F_Date"), QStringLiteral("兑换日期"), 130),
        C::make(QStringLiteral("F_empName"), QStringLiteral("营业员"), 60),
        C::make(QStringLiteral("F_hyJF"), QStringLiteral("积分"), 70, C::AlignRight, number, C::FooterSum),
        C::make(QStringLiteral("F_mem"), QStringLiteral("备注"), 120),
    });
    m_gridDuihuanMX->setDataSet(m_qryDuihuanMX);
    m_gridDuihuanMX->setColumns({
        C::make(QStringLiteral("F_GoodCode"), QStringLiteral("编号"), 80, C::AlignLeft, {}, C::FooterText,
                QStringLiteral("合计")),
        C::make(QStringLiteral("F_GoodName"), QStringLiteral("名称"), 110),
        C::make(QStringLiteral("F_Amount"), QStringLiteral("数量"), 60, C::AlignRight, number, C::FooterSum),
        C::make(QStringLiteral("F_dhJF"), QStringLiteral("单位积分"), 70, C::AlignRight, number),
        C::make(QStringLiteral("F_totalJF"), QStringLiteral("积分合计"), 80, C::AlignRight, number, C::FooterSum),
        C::make(QStringLiteral("F_Mem"), QStringLiteral("备注"), 100),
    });
    for (TDBGrid* g : {m_gridMember, m_gridXiaofei, m_gridXiaofeiMX, m_gridDuihuan, m_gridDuihuanMX})
        g->setContextMenuPolicy(Qt::ActionsContextMenu);
    for (const char* n : {"act201", "act202", "act203", "act601", "act602", "act603", "act605", "act604", "act204",
                          "act301", "act205", "act206", "act307", "act308", "actChangeClass"})
        m_gridMember->addAction(command(QLatin1String(n)));
    for (TDBGrid* g : {m_gridXiaofei, m_gridXiaofeiMX, m_gridDuihuan, m_gridDuihuanMX})
        g->addActions(m_billActions);

    // The double-click edits only for operators who hold "修改".
    connect(m_gridMember, &TDBGrid::rowDoubleClicked, this, [this] {
        if (commands::canDo(QStringLiteral("202")))
            cmdEditMember();
    });
    for (TDBGrid* g : {m_gridXiaofei, m_gridXiaofeiMX, m_gridDuihuan, m_gridDuihuanMX})
        connect(g, &TDBGrid::rowDoubleClicked, this, &TFrmMain::cmdBillEdit);
}

QRadioButton* TFrmMain::statusButton(int index) const
{
    switch (index) {
    case 0:
        return m_rbAll;
    case 1:
        return m_rbExpired;
    default:
        return m_rbNormal;
    }
}

QLabel* TFrmMain::statusPanel(int index) const
{
    return m_panels.value(index - 1);
}

QString TFrmMain::clockText(const QDateTime& now)
{
    return QLatin1Char(' ') + now.toString(QStringLiteral("yyyy-MM-dd hh:mm:ss"));
}

void TFrmMain::updateClock()
{
    if (QLabel* l = statusPanel(4))
        l->setText(clockText(QDateTime::currentDateTime()));
}

void TFrmMain::setOperatorPanel(const QString& name)
{
    if (QLabel* l = statusPanel(2))
        l->setText(QLatin1Char(' ') + name);
}

void TFrmMain::showEvent(QShowEvent* e)
{
    QMainWindow::showEvent(e);
    if (!m_firstShowDone)
        firstShow();
}

void TFrmMain::firstShow()
{
    if (m_firstShowDone)
        return;
    m_firstShowDone = true;
    // Dates are written and compared as yyyy-MM-dd throughout the program.
    QLocale::setDefault(QLocale(QLocale::Chinese, QLocale::China));
    setWindowTitle(product::name() + product::version());
    updateClock();
    m_clock = new QTimer(this);
    m_clock->setInterval(1000);
    connect(m_clock, &QTimer::timeout, this, &TFrmMain::updateClock);
    m_clock->start();

    IniConfig& cfg = appenv::config();
    if (dmData && calc::backupDue(cfg.readInteger(QStringLiteral("config"), QStringLiteral("ibak"), 0),
                                  QDate::currentDate()))
        dmData->AutoBackup();

    // Member browser.
    RefreshMemberList();
    loadLayouts();
    m_lstDetail->setCurrentRow(0);
    setDetailPage(1);
    m_cbListType->setCurrentIndex(0);
    FillItemList(0);

    m_chkDetail->setChecked(cfg.readBool(QStringLiteral("set"), QStringLiteral("detailflag"), true));
    applyDetailFlag();
    if (cfg.readBool(QStringLiteral("set"), QStringLiteral("awokeflag"), false))
        commands::openReminders(this);

    if (!m_handlersConnected) {
        m_handlersConnected = true;
        connect(m_qryMember, &TDataSet::currentRowChanged, this, &TFrmMain::onMemberRowChanged);
        connect(m_qryXiaofei, &TDataSet::currentRowChanged, this, &TFrmMain::onBillRowChanged);
        connect(m_qryDuihuan, &TDataSet::currentRowChanged, this, &TFrmMain::onRedeemRowChanged);
        onMemberRowChanged();
    }
    const QString oper = dmData ? dmData->CurrentOperator : QString();
    m_actClearImport->setVisible(oper.toLower() == QLatin1String("admin"));
}

void TFrmMain::loadLayouts()
{
    LoadGridLayout(m_gridMember, QStringLiteral("memmain"));
    LoadGridLayout(m_gridXiaofei, QStringLiteral("xiaofeitotal"));
    LoadGridLayout(m_gridXiaofeiMX, QStringLiteral("xiaofeimingxi"));
    LoadGridLayout(m_gridDuihuan, QStringLiteral("duihuantotal"));
    LoadGridLayout(m_gridDuihuanMX, QStringLiteral("duihuanmingxi"));
}

void TFrmMain::applyDetailFlag()
{
    const bool on = m_chkDetail->isChecked();
    m_gridXiaofeiMX->setVisible(on);
    m_gridDuihuanMX->setVisible(on);
}

// ---------------------------------------------------------------- member list

void TFrmMain::RefreshMemberList()
{
    if (!dmData || !dmData->connected())
        return;
    if (m_advanced) {
        m_advanced = false;
        m_btnAdvanced->setChecked(false);
        m_btnAdvanced->setStyleSheet(QString());
    }
    QString sql = QStringLiteral("select ") + kMemberColumns + QStringLiteral(" from t_member where (1=1) ");
    QVariantList params;

    const int field = m_cbSearch->currentIndex();
    if (field > 0 && field < int(std::size(kSearchFields)) && *kSearchFields[field].column) {
        sql += QStringLiteral("and ") + QLatin1String(kSearchFields[field].column) + QStringLiteral(" like ? ");
        params << QString(QLatin1Char('%') + m_edtValue->text().trimmed() + QLatin1Char('%'));
    }
    if (QTreeWidgetItem* node = m_tvClass->currentItem(); node && node->parent()) {
        sql += QStringLiteral("and F_type like ? ");
        params << QString(node->data(0, Qt::UserRole).value<TreeNodeData>().likeCode + QLatin1Char('%'));
    }
    const QString today = dates::text(QDate::currentDate());
    const QString bound = QStringLiteral("1901-08-14");
    if (m_rbNormal->isChecked()) {
        sql += QStringLiteral("and (((f_toDate >= ?)and(f_toDate > ?))or(f_toDate < ?)) ");
        params << today << bound << bound;
    } else if (m_rbExpired->isChecked()) {
        sql += QStringLiteral("and (f_toDate > ? and f_toDate < ?) ");
        params << bound << today;
    }
    const int itemRow = m_lstItems->currentRow();
    if (itemRow > 0) {
        const QString name = m_lstItems->item(itemRow, 1) ? m_lstItems->item(itemRow, 1)->text() : QString();
        switch (m_listType) {
        case 0:
            sql += QStringLiteral("and F_jibie = ? ");
            params << name;
            break;
        case 1:
            sql += QStringLiteral("and F_IFnew = ? ");
            params << itemRow - 1;
            break;
        case 2:
            sql += QStringLiteral("and F_HYstatus = ? ");
            params << name;
            break;
        default:
            sql += QStringLiteral("and F_minZu = ? ");
            params << name;
            break;
        }
    }
    sql += QStringLiteral(" order by F_ID");
    m_memberSql = sql;
    m_memberParams = params;
    // A new list comes in the order of its statement; sorting by a title
    // applies to the rows loaded.
    m_gridMember->clearSortMark();
    m_qryMember->resetSort();
    dmData->OpenQuery(sql, *m_qryMember, params);
    OpenDetailQueries(false);
    m_lblCount->setText(QStringLiteral("会员总数： ") + QString::number(m_qryMember->recordCount()) +
                        QStringLiteral(" 个"));
    emit memberListRefreshed();
}

void TFrmMain::refreshAll()
{
    if (!dmData || !dmData->connected())
        return;
    if (m_memberSql.isEmpty()) {
        RefreshMemberList();
        return;
    }
    dmData->OpenQuery(m_memberSql, *m_qryMember, m_memberParams);
    if (m_qryXiaofei->isOpen()) {
        m_qryXiaofei->close();
        m_qryXiaofeiMX->close();
        const int page = m_page;
        m_page = 1;
        OpenDetailQueries(false);
        m_page = page;
    }
    m_lblCount->setText(QStringLiteral("会员总数： ") + QString::number(m_qryMember->recordCount()) +
                        QStringLiteral(" 个"));
}

void TFrmMain::refreshAndLocate(const QString& hycode)
{
    RefreshMemberList();
    if (!hycode.isEmpty())
        m_qryMember->locate(QStringLiteral("F_hycode"), hycode);
}

void TFrmMain::refreshBills(const QString& billCode)
{
    const bool wasOpen1 = m_qryXiaofei->isOpen();
    const bool wasOpen2 = m_qryDuihuan->isOpen();
    m_qryXiaofei->close();
    m_qryXiaofeiMX->close();
    m_qryDuihuan->close();
    m_qryDuihuanMX->close();
    const int page = m_page;
    if (wasOpen1 || page == 1) {
        m_page = 1;
        OpenDetailQueries(false);
    }
    if (wasOpen2 || page == 2) {
        m_page = 2;
        OpenDetailQueries(false);
    }
    m_page = page;
    if (!billCode.isEmpty()) {
        if (!m_qryXiaofei->locate(QStringLiteral("F_code"), billCode))
            m_qryDuihuan->locate(QStringLiteral("F_code"), billCode);
    }
}

void TFrmMain::setAdvancedSearch(bool down)
{
    if (down) {
        const QString sql = commands::memberQuery(this);
        if (!sql.isEmpty() && dmData) {
            m_advanced = true;
            m_btnAdvanced->setChecked(true);
            m_btnAdvanced->setStyleSheet(QStringLiteral("color: red;"));
            m_memberSql = sql;
            m_memberParams.clear();
            dmData->OpenQuery(sql, *m_qryMember);
            OpenDetailQueries(false);
            m_lblCount->setText(QStringLiteral("会员总数： ") + QString::number(m_qryMember->recordCount()) +
                                QStringLiteral(" 个"));
            return;
        }
        m_advanced = false;
        m_btnAdvanced->setChecked(false);
        m_btnAdvanced->setStyleSheet(QString());
        return;
    }
    m_btnAdvanced->setStyleSheet(QString());
    RefreshMemberList();
}

void TFrmMain::FillItemList(int type)
{
    m_listType = type;
    m_lstItems->blockSignals(true);
    m_lstItems->clearContents();
    m_lstItems->setRowCount(0);
    const QStringList titles{QStringLiteral("会员级别"), QStringLiteral("办卡类型"), QStringLiteral("会员状态"),
                             QStringLiteral("民    族")};
    m_lstItems->setHorizontalHeaderLabels({QString(), titles.value(type)});
    QStringList names;
    if (type == 1) {
        names = QStringList{QStringLiteral("1：折扣卡"), QStringLiteral("2：储值卡"), QStringLiteral("3：计次卡")};
    } else if (dmData && dmData->connected()) {
        QString sql;
        if (type == 0)
            sql = QStringLiteral("select F_name from T_jibie where (F_name <> '') order by F_code ");
        else if (type == 2)
            sql = QStringLiteral("select distinct F_HYstatus as F_name from t_member where (F_useFlag = ") +
                  dmData->dialect().falseLiteral() + QStringLiteral(")and(F_HYstatus <> '') group by F_HYstatus");
        else
            sql = QStringLiteral("select distinct F_name from t_code where (F_name <> '') and F_type = 'minzu'");
        bool ok = false;
        const QStringList all = dmData->comboItems(sql, {}, &ok);
        names = all;
    }
    m_lstItems->setRowCount(static_cast<int>(names.size()) + 1);
    m_lstItems->setItem(0, 0, new QTableWidgetItem(QStringLiteral("0")));
    m_lstItems->setItem(0, 1, new QTableWidgetItem(QStringLiteral("全部")));
    for (int i = 0; i < names.size(); ++i) {
        m_lstItems->setItem(i + 1, 0, new QTableWidgetItem(QString::number(i + 1)));
        m_lstItems->setItem(i + 1, 1, new QTableWidgetItem(names.at(i)));
    }
    m_lstItems->setCurrentCell(0, 1);
    m_lstItems->blockSignals(false);
}

void TFrmMain::onItemClicked(int row)
{
    m_lstItems->setCurrentCell(row, 1);
    RefreshMemberList();
}

void TFrmMain::setDetailPage(int page)
{
    m_page = page;
    m_pcDetail->setCurrentIndex(page == 2 ? 1 : 0);
    m_lstDetail->setCurrentRow(page == 2 ? 1 : 0);
    OpenDetailQueries(false);
}

void TFrmMain::OpenDetailQueries(bool all)
{
    if (!dmData || !dmData->connected())
        return;
    const QVariant id = member(QStringLiteral("F_ID"));
    const auto openBills = [&]() {
        if (m_qryXiaofei->isOpen())
            return;
        dmData->OpenQuery(
            QStringLiteral("select F_ID,F_code,F_date,F_editDate,F_empName,(F_totalprice * F_operFlag) as F_totalprice, "
                           "(F_hyJF * F_operFlag) as F_hyJF,F_mem,F_JFtype,F_flag,F_Operflag from depotM where "
                           "((F_empID = ?)and(F_flag = 1 or F_flag = 2 or F_flag = 4)) order by F_ID"),
            *m_qryXiaofei, {id.isValid() ? id : QVariant(-1)});
        onBillRowChanged();
    };
    const auto openRedeem = [&]() {
        if (m_qryDuihuan->isOpen())
            return;
        dmData->OpenQuery(QStringLiteral("select * from depotM where ((F_empID = ?)and(F_flag = 3)) order by F_ID"),
                          *m_qryDuihuan, {id.isValid() ? id : QVariant(-1)});
        onRedeemRowChanged();
    };
    if (all) {
        openBills();
        openRedeem();
    } else if (m_page == 1) {
        openBills();
    } else if (m_page == 2) {
        openRedeem();
    }
}

QVariant TFrmMain::member(const QString& field) const
{
    if (!m_qryMember->isOpen() || m_qryMember->currentRow() < 0)
        return {};
    return m_qryMember->field(field);
}

void TFrmMain::onMemberRowChanged()
{
    if (!dmData || !dmData->connected())
        return;
    // The count-card member's bills count uses, not money.
    const bool countCard = member(QStringLiteral("F_IFnew")).toInt() == 2 && !member(QStringLiteral("F_IFnew")).isNull();
    TGridModel* m = m_gridXiaofei->gridModel();
    const int col = m->findColumn(QStringLiteral("F_totalprice"));
    if (col >= 0) {
        TGridColumn c = m->column(col);
        c.title = countCard ? QStringLiteral("本次消费次数") : QStringLiteral("本次消费金额");
        c.displayFormat = countCard ? QStringLiteral(",0.##;-,0.##") : QStringLiteral("￥,0.00;-￥,0.00");
        c.footerFormat = c.displayFormat;
        m->setColumn(col, c);
    }
    const bool open1 = m_qryXiaofei->isOpen();
    const bool open2 = m_qryDuihuan->isOpen();
    m_qryXiaofei->close();
    m_qryXiaofeiMX->close();
    m_qryDuihuan->close();
    m_qryDuihuanMX->close();
    if (open1 || m_page == 1) {
        const int page = m_page;
        m_page = 1;
        OpenDetailQueries(false);
        m_page = page;
    }
    if (open2 || m_page == 2) {
        const int page = m_page;
        m_page = 2;
        OpenDetailQueries(false);
        m_page = page;
    }
}

void TFrmMain::onBillRowChanged()
{
    if (!dmData || !m_qryXiaofei->isOpen())
        return;
    const QVariant code = m_qryXiaofei->field(QStringLiteral("F_code"));
    dmData->OpenQuery(QStringLiteral("select * from depotD where F_code = ? order by F_ID"), *m_qryXiaofeiMX,
                      {code.isValid() ? code.toString() : QString()});
}

void TFrmMain::onRedeemRowChanged()
{
    if (!dmData || !m_qryDuihuan->isOpen())
        return;
    const QVariant code = m_qryDuihuan->field(QStringLiteral("F_code"));
    dmData->OpenQuery(QStringLiteral("select * from depotD where F_code = ? order by F_ID"), *m_qryDuihuanMX,
                      {code.isValid() ? code.toString() : QString()});
}

// ---------------------------------------------------------------- rights

void TFrmMain::ApplyRights(const QString& operatorName)
{
    const bool admin = operatorName.trimmed().toLower() == QLatin1String("admin");
    QHash<QString, bool> byCode;
    for (auto it = m_codes.cbegin(); it != m_codes.cend(); ++it) {
        if (it.key().startsWith(QLatin1String("actBill")))
            continue;
        if (!byCode.contains(it.value()))
            byCode.insert(it.value(), admin || (dmData && dmData->HasRight(it.value())));
        m_commands.value(it.key())->setVisible(byCode.value(it.value()));
    }
    if (admin)
        command(QStringLiteral("actTopUp"))->setVisible(true);
    for (QAction* a : std::as_const(m_billActions))
        a->setVisible(byCode.value(m_codes.value(a->objectName())));

    const auto anyIn = [&](int from, int to) {
        for (int c = from; c <= to; ++c)
            if (byCode.value(QString::number(c)))
                return true;
        return false;
    };
    const struct
    {
        const char* title;
        int from;
        int to;
        QStringList uncoded;
    } menus[] = {
        {"文件", 101, 109, {QStringLiteral("actChangeOper"), QStringLiteral("actExit")}},
        {"编辑", 201, 208, {}},
        {"输出", 301, 308, {}},
        {"统计", 401, 411, {}},
        {"数据", 501, 506, {QStringLiteral("actClearImport")}},
    };
    for (const auto& m : menus) {
        const bool shown = anyIn(m.from, m.to);
        QMenu* menu = m_menus.value(QString::fromUtf8(m.title));
        menu->menuAction()->setVisible(shown);
        if (!shown)
            for (const QString& n : m.uncoded)
                command(n)->setVisible(false);
        else
            for (const QString& n : m.uncoded)
                if (n != QLatin1String("actClearImport"))
                    command(n)->setVisible(true);
    }
    // The card commands of "其他操作(F4)" follow their own codes.
    m_btnOther->setEnabled(byCode.value(QStringLiteral("601")) || byCode.value(QStringLiteral("602")) ||
                           byCode.value(QStringLiteral("603")) || byCode.value(QStringLiteral("604")));
}

// ---------------------------------------------------------------- closing

void TFrmMain::connectNetworkDatabase()
{
    const QString chosen = TdmData::chooseDatabaseFile(appenv::programDir());
    if (chosen.isEmpty())
        return;
    appenv::config().writeString(QStringLiteral("config"), QStringLiteral("ds"),
                                 QFileInfo(chosen).absolutePath() + QLatin1Char('/'));
}

void TFrmMain::closeEvent(QCloseEvent* e)
{
    const QString question = QStringLiteral("真的要退出“") + product::name() + QStringLiteral("”软件吗？");
    if (ShowMess(question, mkQuestion) != maYes) {
        e->ignore();
        return;
    }
    m_qryMember->close();
    m_qryXiaofei->close();
    m_qryXiaofeiMX->close();
    m_qryDuihuan->close();
    m_qryDuihuanMX->close();
    appenv::config().writeBool(QStringLiteral("set"), QStringLiteral("detailflag"), m_chkDetail->isChecked());
    if (m_clock)
        m_clock->stop();
    e->accept();
}
