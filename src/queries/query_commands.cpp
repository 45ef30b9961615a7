// Commands of the main window that open the query, statistics, handover and
// log windows.
#include "app/TFrmMain.h"
#include "app/commands.h"

namespace commands {

void wireQueryCommands(TFrmMain* main)
{
    wireLater(main, "act108", QStringLiteral("工作日志"));
    wireLater(main, "act109", QStringLiteral("交班统计"));
    wireLater(main, "act403", QStringLiteral("会员消费汇总统计"));
    wireLater(main, "act404", QStringLiteral("会员消费明细统计"));
    wireLater(main, "act405", QStringLiteral("会员充值统计"));
    wireLater(main, "act406", QStringLiteral("会员消费跟踪"));
    wireLater(main, "act407", QStringLiteral("兑换商品统计"));
    wireLater(main, "act408", QStringLiteral("商品库存统计"));
    wireLater(main, "act409", QStringLiteral("商品进退货表"));
    wireLater(main, "act410", QStringLiteral("商品消费统计"));
    wireLater(main, "act411", QStringLiteral("消费统计图表"));
}

} // namespace commands
