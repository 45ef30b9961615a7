// Commands of the main window that open the goods and bill windows.
#include "app/TFrmMain.h"
#include "app/commands.h"
#include "core/dataset.h"
#include "core/dmdata.h"
#include "core/support.h"
#include "core/ui_support.h"
#include "goods/TfrmDhRecEdit.h"
#include "goods/TfrmGoodSet.h"
#include "goods/TfrmXsRecEdit.h"
#include "goods/TfrmXsRecEdit1.h"
#include "goods/billstore.h"

#include <QAction>

namespace commands {

void wireGoodsCommands(TFrmMain* main)
{
    QObject::connect(main->command(QStringLiteral("act207")), &QAction::triggered, main, [main] {
        TfrmGoodSet dlg(main);
        DispFormPos(&dlg, 1);
        execDialog(dlg);
        dmData->WriteLog(QStringLiteral("商品资料设置！"));
    });
}

void openBill(TFrmMain* main, BillKind kind, bool edit, const QString& billCode)
{
    switch (kind) {
    case BillKind::Consumption:
    case BillKind::Return: {
        TfrmXsRecEdit dlg(main, kind == BillKind::Return ? billstore::Return : billstore::Consumption, edit,
                          billCode);
        DispFormPos(&dlg, 2);
        execDialog(dlg);
        break;
    }
    case BillKind::CountCard: {
        TfrmXsRecEdit1 dlg(main, edit, billCode);
        execDialog(dlg);
        break;
    }
    case BillKind::Redemption: {
        TfrmDhRecEdit dlg(main, edit, billCode);
        DispFormPos(&dlg, 2);
        execDialog(dlg);
        break;
    }
    }
}

void deleteBill(TFrmMain* main, bool redemption, const QString& billCode)
{
    if (billCode.isEmpty())
        return;
    const QString card = main->memberSet()->field(QStringLiteral("F_hycode")).toString();
    const QString question =
        redemption ? QStringLiteral("真的要删除当前兑换单号为“") + billCode + QStringLiteral("”吗？")
                   : QStringLiteral("真的要删除当前消费单号为“") + billCode + QStringLiteral("”吗？");
    if (ShowMess(question, mkQuestion) != maYes)
        return;
    if (billstore::deleteBill(billCode) != billstore::Result::Saved) {
        ShowMess(QStringLiteral("删除操作失败，请检查数据连接... "), mkError);
        return;
    }
    dmData->WriteLog(
        QStringLiteral("删除会员 \"") + card +
        (redemption ? QStringLiteral("\" 的兑换单号为 \"") : QStringLiteral("\" 的消费单号为 \"")) +
        billCode + (redemption ? QStringLiteral("\" 的兑换记录！") : QStringLiteral("\" 的消费记录！")));
    main->refreshAndLocate(card);
    main->refreshBills(QString());
}

} // namespace commands
