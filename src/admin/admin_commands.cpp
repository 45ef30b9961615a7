// Commands of the main window that open the operator, reference-data and
// data-maintenance windows.
#include "admin/TFrmCodeMan.h"
#include "admin/TFrmTreeCodeMan.h"
#include "admin/TfrmOperGl.h"
#include "admin/classpicker.h"
#include "app/TFrmMain.h"
#include "app/commands.h"
#include "core/dmdata.h"
#include "core/grid/griddialogs.h"

#include <QAction>
#include <QTreeWidget>

namespace commands {

namespace {

void wire(TFrmMain* main, const char* name, std::function<void()> fn)
{
    QObject::connect(main->command(QLatin1String(name)), &QAction::triggered, main, std::move(fn));
}

} // namespace

void wireAdminCommands(TFrmMain* main)
{
    wire(main, "act103", [main] {
        TfrmOperGl dlg(main);
        dlg.adjustSize();
        dlg.move(main->frameGeometry().center() - dlg.rect().center());
        execDialog(dlg);
        dmData->WriteLog(QStringLiteral("修改用户权限记录！"));
    });
    wire(main, "act104", [main] {
        TFrmCodeMan dlg(main);
        execDialog(dlg);
        dmData->WriteLog(QStringLiteral("更改选项资料设置！"));
    });
    wire(main, "act105", [main] {
        TFrmTreeCodeMan dlg(QStringLiteral("memtype"), false, main);
        execDialog(dlg);
        dmData->LoadCodeTree(main->classTree(), QStringLiteral("会员类型"), QStringLiteral("memtype"));
        if (QTreeWidgetItem* root = main->classTree()->topLevelItem(0))
            root->setExpanded(true);
        main->RefreshMemberList();
        dmData->WriteLog(QStringLiteral("会员类型资料设置！"));
    });
    wire(main, "act106", [main] {
        TFrmTreeCodeMan dlg(QStringLiteral("goodtype"), false, main);
        execDialog(dlg);
    });

    // The class button of the caption dialog picks a member class.
    griddialogs::setClassPicker([](QWidget* parent, const QString& text) {
        return PickClass(parent, QStringLiteral("memtype"), text);
    });

    wireLater(main, "act501", QStringLiteral("导入会员资料"));
    wireLater(main, "act506", QStringLiteral("导入商品资料"));
    wireLater(main, "act502", QStringLiteral("系统数据清理"));
    wireLater(main, "act503", QStringLiteral("数据备份恢复"));
}

} // namespace commands
