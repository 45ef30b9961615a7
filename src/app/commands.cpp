#include "app/commands.h"

#include "app/TFrmAbout.h"
#include "app/TFrmCompany.h"
#include "app/TFrmMain.h"
#include "core/dataset.h"
#include "core/dmdata.h"
#include "core/support.h"
#include "core/ui_support.h"
#include "report/TFrmReportManager.h"
#include "report/reportprint.h"

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

void printMembers(TFrmMain* main, const QString& templateName)
{
    report::TReportBindings& shared = report::TReportBindings::instance();
    shared.bind(QStringLiteral("frxMain"), main->memberSet());
    shared.bind(QStringLiteral("frxDetail1"), main->billSet());
    shared.bind(QStringLiteral("frxDetail2"), main->billLineSet());
    shared.bind(QStringLiteral("frxDetail3"), main->redeemSet());
    shared.bind(QStringLiteral("frxDetail4"), main->redeemLineSet());
    // The envelope templates keep the last "frxDM" binding; the member list
    // is always there as "frxMain".
    if (templateName == QLatin1String("frMemXianqing") || templateName == QLatin1String("frMemList"))
        shared.bind(QStringLiteral("frxDM"), main->memberSet());
    report::TReport r(templateName);
    r.setVariableSource([main](const QString& name) -> QVariant {
        if (name == QLatin1String("sCurKHname") && main->memberSet()->currentRow() >= 0)
            return main->memberSet()->field(QStringLiteral("F_name"));
        return {};
    });
    r.showPreview(main);
}

void openReportManager(TFrmMain* main)
{
    TFrmReportManager dlg(main->memberSet(),
                          {{QStringLiteral("frxDetail1"), main->billSet()},
                           {QStringLiteral("frxDetail2"), main->billLineSet()},
                           {QStringLiteral("frxDetail3"), main->redeemSet()},
                           {QStringLiteral("frxDetail4"), main->redeemLineSet()}},
                          main);
    execDialog(dlg);
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

    wireAdminCommands(main);
    wireMemberCommands(main);
    wireGoodsCommands(main);
    wireQueryCommands(main);
}

void wireLater(TFrmMain* main, const char* actionName, const QString& what)
{
    QObject::connect(main->command(QLatin1String(actionName)), &QAction::triggered, main,
                     [what] { notAvailable(what); });
}

} // namespace commands
