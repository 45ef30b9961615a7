// Commands of the main window that open the goods and bill windows.
#include "app/TFrmMain.h"
#include "app/commands.h"

namespace commands {

void wireGoodsCommands(TFrmMain* main)
{
    wireLater(main, "act207", QStringLiteral("商品资料管理"));
}

void openBill(TFrmMain*, BillKind kind, bool, const QString&)
{
    notAvailable(kind == BillKind::Redemption ? QStringLiteral("商品兑换") : QStringLiteral("消费记录"));
}

void deleteBill(TFrmMain*, bool redemption, const QString&)
{
    notAvailable(redemption ? QStringLiteral("删除兑换记录") : QStringLiteral("删除消费记录"));
}

} // namespace commands
