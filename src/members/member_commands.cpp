// Commands of the main window that open the member and card windows.
#include "app/TFrmMain.h"
#include "app/commands.h"
#include "core/dmdata.h"
#include "members/TfrmHYcardSet.h"
#include "members/TfrmMemEdit.h"
#include "members/carddialogs.h"

#include <QAction>

namespace commands {

void wireMemberCommands(TFrmMain* main)
{
    // "新增" (act201) is wired with the main window's own commands.
    QObject::connect(main->command(QStringLiteral("act107")), &QAction::triggered, main, [main] {
        TfrmHYcardSet::Execute(main);
        dmData->WriteLog(QStringLiteral("会员卡资料设置！"));
    });
    wireLater(main, "act208", QStringLiteral("更改所选会员分类"));
    wireLater(main, "act307", QStringLiteral("导出会员手机号码"));
    wireLater(main, "act308", QStringLiteral("导出会员电子信箱"));
    wireLater(main, "act401", QStringLiteral("统计"));
    wireLater(main, "act402", QStringLiteral("会员提醒"));
    wireLater(main, "actIdentity", QStringLiteral("身份查询"));
}

void openMemberEditor(TFrmMain* main, bool edit)
{
    TfrmMemEdit::Execute(edit ? TfrmMemEdit::EditMode : TfrmMemEdit::NewMode, main);
}

bool openTopUp(TFrmMain* main, int mode)
{
    return TDLGhyXuFei::Execute(mode, main);
}

bool openCardReplacement(TFrmMain* main, int cardType)
{
    return TDLGhyHuanKa::Execute(cardType, main);
}

bool openTransfer(TFrmMain* main)
{
    return TDLGhyZhuanZ::Execute(main);
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
