// Commands of the main window whose work the window does itself.
#include "app/TFrmLogin.h"
#include "app/TFrmMain.h"
#include "app/commands.h"
#include "core/config.h"
#include "core/dataset.h"
#include "core/dmdata.h"
#include "core/grid/dbgrid.h"
#include "core/grid/griddialogs.h"
#include "core/grid/gridlayout.h"
#include "core/support.h"
#include "members/TDLGhyPSD.h"

#include <QAction>
#include <QDesktopServices>
#include <QFileInfo>
#include <QLabel>
#include <QProcess>
#include <QStandardPaths>
#include <QUrl>

namespace {
const QString kCardLost = QStringLiteral("不可用");
const QString kCardUsable = QStringLiteral("可  用");
QString quoted(const QString& s)
{
    return QLatin1Char('"') + s + QLatin1Char('"');
}
} // namespace

bool TFrmMain::currentMemberUsable(const QString& refusal, int kind)
{
    if (member(QStringLiteral("F_HYstatus")).toString() == kCardLost) {
        ShowMess(refusal, kind);
        return false;
    }
    return true;
}

void TFrmMain::openLater(const QString& what)
{
    commands::notAvailable(what);
}

void TFrmMain::cmdChangeOperator()
{
    if (ShowLogin(TFrmLogin::ChangeOperator, this))
        RefreshMemberList();
}

void TFrmMain::cmdEditMember()
{
    if (m_qryMember->isEmpty()) {
        ShowMess(QStringLiteral("此表为空，没有员工档案需要修改！"), mkError);
        return;
    }
    const int type = member(QStringLiteral("F_IFnew")).toInt();
    if (type == 1 || type == 2) {
        if (!TDLGhyPSD::Execute(type, this))
            return;
    } else if (type != 0) {
        return;
    }
    commands::openMemberEditor(this, true);
}

void TFrmMain::cmdDeleteMember()
{
    if (m_qryMember->isEmpty())
        return;
    const QString name = member(QStringLiteral("F_name")).toString();
    if (ShowMess(QStringLiteral("删除当前会员，将删除当前会员所有相关资料，\r真的要删除当前会员") + name +
                     QStringLiteral("吗？"),
                 mkQuestion) != maYes)
        return;
    const QVariant id = member(QStringLiteral("F_ID"));
    const QString card = member(QStringLiteral("F_hycode")).toString();
    bool ok = false;
    {
        TransactionGuard tx(*dmData);
        QSqlQuery q(dmData->ADOcnn());
        const auto run = [&q, &id](const QString& sql) { return execBound(q, sql, {id}, "member deletion"); };
        ok = tx.active() && run(QStringLiteral("delete from t_member where F_ID = ? ")) &&
             run(QStringLiteral("delete from depotD where F_empID = ? ")) &&
             run(QStringLiteral("delete from depotM where F_empID = ? ")) && tx.commit();
    }
    if (!ok) {
        ShowMess(QStringLiteral("操作失败，请检查连接..."), mkError);
        return;
    }
    RefreshMemberList();
    dmData->WriteLog(QStringLiteral("删除会员卡 ") + quoted(card) + QStringLiteral(" 的资料！"));
}

namespace {
// Sets the card status of the current member in the database and the list.
bool setCardStatus(TDataSet* set, const QString& status)
{
    const QVariant id = set->field(QStringLiteral("F_ID"));
    if (!dmData->ExecSql(QStringLiteral("update t_member set F_HYstatus = ? where F_ID = ?"), {status, id}))
        return false;
    set->setValue(set->currentRow(), QStringLiteral("F_HYstatus"), status);
    return true;
}
} // namespace

void TFrmMain::cmdReportLoss()
{
    if (m_qryMember->isEmpty())
        return;
    if (member(QStringLiteral("F_HYstatus")).toString() == kCardLost) {
        ShowMess(QStringLiteral("此会员卡已经挂失！"), mkInformation);
        return;
    }
    const QString card = member(QStringLiteral("F_hycode")).toString();
    const int type = member(QStringLiteral("F_IFnew")).toInt();
    bool confirmed = false;
    if (type == 0)
        confirmed = ShowMess(QStringLiteral("真的要挂失会员卡号为 ") + quoted(card) + QStringLiteral(" 的卡吗？"),
                             mkQuestion) == maYes;
    else if (type == 1 || type == 2)
        confirmed = TDLGhyPSD1::Execute(type, this);
    if (confirmed && setCardStatus(m_qryMember, kCardLost))
        dmData->WriteLog(QStringLiteral("会员卡 ") + quoted(card) + QStringLiteral(" 挂失！"));
}

void TFrmMain::cmdCancelLoss()
{
    if (m_qryMember->isEmpty())
        return;
    if (member(QStringLiteral("F_HYstatus")).toString() == kCardUsable) {
        ShowMess(QStringLiteral("此会员卡没有挂失！"), mkInformation);
        return;
    }
    const QString card = member(QStringLiteral("F_hycode")).toString();
    const int type = member(QStringLiteral("F_IFnew")).toInt();
    bool confirmed = false;
    if (type == 0)
        confirmed = ShowMess(QStringLiteral("真的要取消会员卡号为 ") + quoted(card) + QStringLiteral(" 的挂失吗？"),
                             mkQuestion) == maYes;
    else if (type == 1 || type == 2)
        confirmed = TDLGhyPSD1::Execute(type, this);
    if (confirmed && setCardStatus(m_qryMember, kCardUsable))
        dmData->WriteLog(QStringLiteral("会员卡 ") + quoted(card) + QStringLiteral(" 启用！"));
}

void TFrmMain::cmdReplaceCard()
{
    if (m_qryMember->isEmpty())
        return;
    if (!currentMemberUsable(QStringLiteral("会员卡不可用，不能换卡！"), mkWarning))
        return;
    const QString oldCard = member(QStringLiteral("F_hycode")).toString();
    if (commands::openCardReplacement(this, member(QStringLiteral("F_IFnew")).toInt()))
        dmData->WriteLog(QStringLiteral("会员卡号 ") + quoted(oldCard) + QStringLiteral(" 改变卡号为 ") +
                         quoted(member(QStringLiteral("F_hycode")).toString()) + QStringLiteral(" 成功！"));
}

void TFrmMain::cmdTransfer()
{
    if (m_qryMember->isEmpty())
        return;
    if (!currentMemberUsable(QStringLiteral("会员卡不可用，不能续费！"), mkWarning))
        return;
    const QString card = member(QStringLiteral("F_hycode")).toString();
    const int type = member(QStringLiteral("F_IFnew")).toInt();
    if (type == 0) {
        ShowMess(QStringLiteral("卡号： ") + card + QStringLiteral(" 为折扣卡，不能转帐！"), mkInformation);
        return;
    }
    if (type == 2) {
        ShowMess(QStringLiteral("卡号： ") + card + QStringLiteral(" 为计次卡，不能转帐！"), mkInformation);
        return;
    }
    if (type != 1 || !TDLGhyPSD::Execute(1, this))
        return;
    if (commands::openTransfer(this))
        dmData->WriteLog(QStringLiteral("会员卡 ") + quoted(card) + QStringLiteral(" 转帐成功！"));
}

void TFrmMain::cmdMemberReturn()
{
    if (!currentMemberUsable(QStringLiteral("会员卡不可用，不能续费！"), mkWarning))
        return;
    if (m_qryMember->isEmpty()) {
        ShowMess(QStringLiteral("请先选择要增加“退货记录”的会员！"), mkInformation);
        m_gridMember->setFocus();
        return;
    }
    if (member(QStringLiteral("F_IFnew")).toInt() == 2)
        return;
    commands::openBill(this, commands::BillKind::Return, false, dmData->NextBillCode(QStringLiteral("XF")));
}

void TFrmMain::cmdTopUp()
{
    if (m_qryMember->isEmpty())
        return;
    if (!currentMemberUsable(QStringLiteral("会员卡不可用，不能续费！"), mkWarning))
        return;
    const int type = member(QStringLiteral("F_IFnew")).toInt();
    if (type == 0) {
        ShowMess(QStringLiteral("会员卡为折扣卡，不能续费！"), mkWarning);
        return;
    }
    if (type != 1 && type != 2)
        return;
    const QString card = member(QStringLiteral("F_hycode")).toString();
    if (commands::openTopUp(this, type))
        dmData->WriteLog(QStringLiteral("会员卡 ") + quoted(card) + QStringLiteral(" 续费！"));
}

void TFrmMain::cmdSortMembers()
{
    const QString expr = griddialogs::SortGridDialog(m_gridMember);
    if (!expr.isEmpty())
        m_gridMember->applySortExpression(expr);
}

void TFrmMain::cmdChooseMemberColumns()
{
    ChooseGridColumns(m_gridMember);
}

void TFrmMain::cmdSaveMemberGrid()
{
    if (ShowMess(QStringLiteral("真的要保存当前网格设置吗？"), mkQuestion) == maYes)
        SaveGridLayout(m_gridMember, QStringLiteral("memmain"));
}

void TFrmMain::cmdExportMembers()
{
    dmData->ExportGridToExcel(m_gridMember->exportTable(), QStringLiteral("会员档案信息"), true);
}

void TFrmMain::cmdChangeClass()
{
    if (ShowMess(QStringLiteral("真的要改变当前所选会员的类型吗？"), mkQuestion) != maYes)
        return;
    const QString text = griddialogs::InputCaption(this, QStringLiteral("类型名称"), true);
    if (text.isEmpty())
        return;
    const QList<int> rows = m_gridMember->selectedRows();
    if (rows.isEmpty()) {
        ShowMess(QStringLiteral("请选择需要更改会员类型的会员资料！"), mkInformation);
        return;
    }
    for (int row : rows) {
        m_qryMember->setCurrentRow(row);
        const QVariant id = m_qryMember->value(row, QStringLiteral("F_ID"));
        QSqlQuery q(dmData->ADOcnn());
        if (execBound(q, QStringLiteral("update t_member set F_type = ? where F_ID = ?"), {text, id},
                      "class change")) // a row that fails is left as it was
            m_qryMember->setValue(row, QStringLiteral("F_type"), text);
    }
}

void TFrmMain::cmdCompact()
{
    const QString file = dmData->databaseFile();
    m_qryMember->close();
    m_qryXiaofei->close();
    m_qryXiaofeiMX->close();
    m_qryDuihuan->close();
    m_qryDuihuanMX->close();
    m_lblCount->setText(QStringLiteral("会员总数： 0 个"));
    dmData->closeConnection();
    if (CompactDatabase(file, QStringLiteral("pelowandri")))
        ShowMess(QStringLiteral("压缩数据库成功！"), mkInformation);
    else
        ShowMess(QStringLiteral("压缩数据库失败！"), mkError);
    QString err;
    if (!dmData->openFile(file, &err))
        ShowMess(QStringLiteral("数据库重新连接失败，请重新启动程序！"), mkError);
}

void TFrmMain::cmdClearImportRows()
{
    dmData->ExecSql(QStringLiteral("update T_member set F_toDate = ? where (F_toDate is null) "),
                    {dmData->dialect().dateValue(dates::neverExpires())});
    dmData->ExecSql(QStringLiteral("delete from T_member where ((F_HYcode is null) and (F_name is null)) "));
    dmData->ExecSql(QStringLiteral("delete from t_goods where  ((F_code is Null) and (F_name is Null)) "));
    ShowMess(QStringLiteral("清空导入空行成功！"), mkInformation);
}

// ---------------------------------------------------------------- bill pages

void TFrmMain::cmdBillNew()
{
    if (!currentMemberUsable(QStringLiteral("会员卡不可用！"), mkWarning))
        return;
    if (m_page == 1) {
        if (m_qryMember->isEmpty()) {
            ShowMess(QStringLiteral("请先选择要增加“消费记录”的会员！"), mkInformation);
            m_gridMember->setFocus();
            return;
        }
        const bool countCard = member(QStringLiteral("F_IFnew")).toInt() == 2;
        commands::openBill(this, countCard ? commands::BillKind::CountCard : commands::BillKind::Consumption, false,
                           dmData->NextBillCode(QStringLiteral("XF")));
    } else if (m_page == 2) {
        if (m_qryMember->isEmpty()) {
            ShowMess(QStringLiteral("请先选择要增加“兑换记录”的会员！"), mkInformation);
            m_gridMember->setFocus();
            return;
        }
        commands::openBill(this, commands::BillKind::Redemption, false, dmData->NextBillCode(QStringLiteral("DH")));
    } else {
        ShowMess(QStringLiteral("请选择相关项目！"), mkInformation);
    }
}

void TFrmMain::cmdBillEdit()
{
    if (!currentMemberUsable(QStringLiteral("会员卡不可用！"), mkWarning))
        return;
    if (!commands::canDo(QStringLiteral("202")))
        return;
    if (m_page == 1) {
        if (m_qryXiaofei->isEmpty()) {
            ShowMess(QStringLiteral("此表为空，没有消费记录需要修改！"), mkError);
            return;
        }
        const bool countCard = member(QStringLiteral("F_IFnew")).toInt() == 2;
        commands::openBill(this, countCard ? commands::BillKind::CountCard : commands::BillKind::Consumption, true,
                           m_qryXiaofei->field(QStringLiteral("F_code")).toString());
    } else if (m_page == 2) {
        if (m_qryDuihuan->isEmpty()) {
            ShowMess(QStringLiteral("此表为空，没有兑换记录需要修改！"), mkError);
            return;
        }
        commands::openBill(this, commands::BillKind::Redemption, true,
                           m_qryDuihuan->field(QStringLiteral("F_code")).toString());
    } else {
        ShowMess(QStringLiteral("请点击一下需要相关的表格。"), mkInformation);
    }
}

void TFrmMain::cmdBillDelete()
{
    if (!currentMemberUsable(QStringLiteral("会员卡不可用！"), mkWarning))
        return;
    if (m_page == 1) {
        if (!m_qryXiaofei->isEmpty())
            commands::deleteBill(this, false, m_qryXiaofei->field(QStringLiteral("F_code")).toString());
    } else if (m_page == 2) {
        if (!m_qryDuihuan->isEmpty())
            commands::deleteBill(this, true, m_qryDuihuan->field(QStringLiteral("F_code")).toString());
    } else {
        ShowMess(QStringLiteral("请选择相关的项目！"), mkInformation);
    }
}

void TFrmMain::cmdBillSort()
{
    TDBGrid* grid = m_page == 1 ? m_gridXiaofei : (m_page == 2 ? m_gridDuihuan : nullptr);
    if (!grid)
        return;
    const QString expr = griddialogs::SortGridDialog(grid);
    if (!expr.isEmpty())
        grid->applySortExpression(expr);
}

TDBGrid* TFrmMain::focusedBillGrid(QString* key, QString* sheet) const
{
    const auto pick = [&](TDBGrid* g, const char* k, const char* s) {
        if (key)
            *key = QLatin1String(k);
        if (sheet)
            *sheet = QString::fromUtf8(s);
        return g;
    };
    const auto hasFocus = [](TDBGrid* g) {
        QWidget* f = g->window()->focusWidget();
        return f && (f == g || g->isAncestorOf(f));
    };
    if (m_page == 1)
        return hasFocus(m_gridXiaofei) ? pick(m_gridXiaofei, "xiaofeitotal", "会员消费记录列表")
                                       : pick(m_gridXiaofeiMX, "xiaofeimingxi", "会员消费记录明细");
    if (m_page == 2)
        return hasFocus(m_gridDuihuan) ? pick(m_gridDuihuan, "duihuantotal", "商品兑换记录列表")
                                       : pick(m_gridDuihuanMX, "duihuanmingxi", "商品兑换记录明细");
    return nullptr;
}

void TFrmMain::cmdBillChooseColumns()
{
    if (TDBGrid* g = focusedBillGrid())
        ChooseGridColumns(g);
    else
        ShowMess(QStringLiteral("请选择相关的项目！"), mkInformation);
}

void TFrmMain::cmdBillSaveGrid()
{
    QString key;
    TDBGrid* g = focusedBillGrid(&key);
    if (!g) {
        ShowMess(QStringLiteral("请点击一下相关的表格。"), mkInformation);
        return;
    }
    if (ShowMess(QStringLiteral("真的要保存当前网格设置吗？"), mkQuestion) == maYes)
        SaveGridLayout(g, key);
}

void TFrmMain::cmdBillExport()
{
    QString sheet;
    if (TDBGrid* g = focusedBillGrid(nullptr, &sheet))
        dmData->ExportGridToExcel(g->exportTable(), sheet, true);
}

// ---------------------------------------------------------------- printing

void TFrmMain::cmdPrintMembers(const QString& templateName)
{
    if (m_qryMember->isEmpty())
        return;
    OpenDetailQueries(true);
    commands::printMembers(this, templateName);
}

void TFrmMain::cmdReportDesign()
{
    OpenDetailQueries(true);
    commands::openReportManager(this);
}

// ---------------------------------------------------------------- tools and help

void TFrmMain::openFile(const QString& name)
{
    const QString path = appenv::programDir() + name;
    if (!QFileInfo::exists(path)) {
        ShowMess(QStringLiteral("文件 ") + name + QStringLiteral(" 不存在！"), mkInformation);
        return;
    }
    if (!TdmData::openWithDesktop(path))
        ShowMess(QStringLiteral("系统中没有可以打开 ") + name + QStringLiteral(" 的程序！"), mkInformation);
}

void TFrmMain::startTool(const QStringList& candidates, const QString& what)
{
    for (const QString& c : candidates) {
        const QString exe = QStandardPaths::findExecutable(c);
        if (!exe.isEmpty() && commands::startProgram(exe))
            return;
    }
    ShowMess(QStringLiteral("系统中没有找到") + what + QStringLiteral("程序，请先安装！"), mkInformation);
}
