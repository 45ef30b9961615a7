#include "app/commands.h"

#include "app/TFrmAbout.h"
#include "app/TFrmCompany.h"
#include "app/TFrmMain.h"
#include "core/dmdata.h"
#include "core/support.h"
#include "core/ui_support.h"

#include <QAction>
#include <QDialog>
#include <QProcess>

namespace commands {

namespace {
ExecHook& hook()
{
    static ExecHook h;
    return h;
}
} // namespace

ExecHook setExecHook(ExecHook h)
{
    ExecHook old = std::move(hook());
    hook() = std::move(h);
    return old;
}

int execDialog(QDialog& dialog)
{
    if (hook())
        return hook()(dialog);
    return dialog.exec();
}

namespace {
StartHook& startHook()
{
    static StartHook h;
    return h;
}
} // namespace

StartHook setStartHook(StartHook h)
{
    StartHook old = std::move(startHook());
    startHook() = std::move(h);
    return old;
}

bool startProgram(const QString& program)
{
    if (startHook())
        return startHook()(program);
    return QProcess::startDetached(program, {});
}

void openMemberEditor(TFrmMain*, bool edit)
{
    notAvailable(edit ? QStringLiteral("修改") : QStringLiteral("新增"));
}

bool openTopUp(TFrmMain*, int)
{
    notAvailable(QStringLiteral("会员续费"));
    return false;
}

bool openCardReplacement(TFrmMain*, int)
{
    notAvailable(QStringLiteral("会员换卡"));
    return false;
}

bool openTransfer(TFrmMain*)
{
    notAvailable(QStringLiteral("会员卡转帐"));
    return false;
}

void openBill(TFrmMain*, BillKind kind, bool, const QString&)
{
    notAvailable(kind == BillKind::Redemption ? QStringLiteral("商品兑换") : QStringLiteral("消费记录"));
}

void deleteBill(TFrmMain*, bool redemption, const QString&)
{
    notAvailable(redemption ? QStringLiteral("删除兑换记录") : QStringLiteral("删除消费记录"));
}

void printMembers(TFrmMain*, const QString&)
{
    notAvailable(QStringLiteral("打印"));
}

void openReportManager(TFrmMain*)
{
    notAvailable(QStringLiteral("报表设计"));
}

void notAvailable(const QString& what)
{
    ShowMess(QStringLiteral("“") + what + QStringLiteral("”功能在当前版本中尚未提供。"), mkInformation);
}

bool canDo(const QString& code)
{
    if (!dmData)
        return false;
    return dmData->CurrentOperator.trimmed().toLower() == QLatin1String("admin") || dmData->HasRight(code);
}

void openReminders(TFrmMain* /*main*/)
{
    // The reminders window comes with the reminders of card expiry and birthdays.
}

QString memberQuery(TFrmMain* /*main*/)
{
    // Until the member query dialog exists the search acts as cancelled.
    return {};
}

void wireSubsystemCommands(TFrmMain* main)
{
    const auto wire = [main](const char* name, std::function<void()> fn) {
        QObject::connect(main->command(QLatin1String(name)), &QAction::triggered, main, std::move(fn));
    };
    wire("act101", [main] {
        TFrmCompany dlg(main);
        execDialog(dlg);
    });
    wire("act201", [main] { openMemberEditor(main, false); });
    wire("actAbout", [main] {
        TFrmAbout dlg(main);
        execDialog(dlg);
    });

    // Windows of the subsystems that this version does not have yet.
    struct Later
    {
        const char* name;
        const char* what;
    };
    static const Later later[] = {
        {"act103", "用户权限"},         {"act104", "选项..."},          {"act105", "会员类型"},
        {"act106", "商品类型"},         {"act107", "会员卡设置"},       {"act108", "工作日志"},
        {"act109", "交班统计"},         {"act207", "商品资料管理"},
        {"act208", "更改所选会员分类"}, {"act307", "导出会员手机号码"}, {"act308", "导出会员电子信箱"},
        {"act401", "统计"},             {"act402", "会员提醒"},         {"act403", "会员消费汇总统计"},
        {"act404", "会员消费明细统计"}, {"act405", "会员充值统计"},     {"act406", "会员消费跟踪"},
        {"act407", "兑换商品统计"},     {"act408", "商品库存统计"},     {"act409", "商品进退货表"},
        {"act410", "商品消费统计"},     {"act411", "消费统计图表"},     {"act501", "导入会员资料"},
        {"act506", "导入商品资料"},     {"act502", "系统数据清理"},     {"act503", "数据备份恢复"},
        {"actIdentity", "身份查询"},
    };
    for (const Later& l : later) {
        const QString what = QString::fromUtf8(l.what);
        wire(l.name, [what] { notAvailable(what); });
    }
}

} // namespace commands
