// Commands of the main window that open the operator, reference-data and
// data-maintenance windows.
#include "app/TFrmMain.h"
#include "app/commands.h"

namespace commands {

void wireAdminCommands(TFrmMain* main)
{
    wireLater(main, "act103", QStringLiteral("用户权限"));
    wireLater(main, "act104", QStringLiteral("选项..."));
    wireLater(main, "act105", QStringLiteral("会员类型"));
    wireLater(main, "act106", QStringLiteral("商品类型"));
    wireLater(main, "act501", QStringLiteral("导入会员资料"));
    wireLater(main, "act506", QStringLiteral("导入商品资料"));
    wireLater(main, "act502", QStringLiteral("系统数据清理"));
    wireLater(main, "act503", QStringLiteral("数据备份恢复"));
}

} // namespace commands
