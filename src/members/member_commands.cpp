// Commands of the main window that open the member and card windows.
#include "app/TFrmMain.h"
#include "app/commands.h"

#include <QAction>

namespace commands {

void wireMemberCommands(TFrmMain* main)
{
    QObject::connect(main->command(QStringLiteral("act201")), &QAction::triggered, main,
                     [main] { openMemberEditor(main, false); });
    wireLater(main, "act107", QStringLiteral("会员卡设置"));
    wireLater(main, "act208", QStringLiteral("更改所选会员分类"));
    wireLater(main, "act307", QStringLiteral("导出会员手机号码"));
    wireLater(main, "act308", QStringLiteral("导出会员电子信箱"));
    wireLater(main, "act401", QStringLiteral("统计"));
    wireLater(main, "act402", QStringLiteral("会员提醒"));
    wireLater(main, "actIdentity", QStringLiteral("身份查询"));
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

void openReminders(TFrmMain* /*main*/)
{
    // The reminders window comes with the reminders of card expiry and birthdays.
}

QString memberQuery(TFrmMain* /*main*/)
{
    // Until the member query dialog exists the search acts as cancelled.
    return {};
}

} // namespace commands
