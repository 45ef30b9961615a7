#pragma once

#include <QString>
#include <functional>

class QDialog;
class TFrmMain;

// How the main window opens the windows of the program.
namespace commands {

// Runs a modal dialog. Tests replace the hook to drive a dialog and answer it
// without a blocking event loop.
using ExecHook = std::function<int(QDialog& dialog)>;
ExecHook setExecHook(ExecHook hook);
int execDialog(QDialog& dialog);

// Connects the commands whose windows live in the subsystems. Each area
// wires its own commands in its own file.
void wireSubsystemCommands(TFrmMain* main);
void wireAdminCommands(TFrmMain* main);   // src/admin
void wireMemberCommands(TFrmMain* main);  // src/members
void wireGoodsCommands(TFrmMain* main);   // src/goods
void wireQueryCommands(TFrmMain* main);   // src/queries
// Wires a command whose window this version does not have yet.
void wireLater(TFrmMain* main, const char* actionName, const QString& what);

// The reminders window at start, and the advanced member search (a complete
// select on t_member, or empty when cancelled). Members area.
void openReminders(TFrmMain* main);
QString memberQuery(TFrmMain* main);

// Windows that work on the current member (members area; bills in the
// goods area). Each returns whether something
// was done (a top-up made, a card replaced, ...).
enum class BillKind { Consumption, Return, CountCard, Redemption };
void openMemberEditor(TFrmMain* main, bool edit);
bool openTopUp(TFrmMain* main, int mode);
bool openCardReplacement(TFrmMain* main, int cardType);
bool openTransfer(TFrmMain* main);
void openBill(TFrmMain* main, BillKind kind, bool edit, const QString& billCode);
void deleteBill(TFrmMain* main, bool redemption, const QString& billCode);

// Printing from the main window.
void printMembers(TFrmMain* main, const QString& templateName);
void openReportManager(TFrmMain* main);

// Starts a desktop program detached; tests replace it.
using StartHook = std::function<bool(const QString& program)>;
StartHook setStartHook(StartHook hook);
bool startProgram(const QString& program);

// Says that a function is not part of this version yet.
void notAvailable(const QString& what);

// Logged-in operator holds the permission (admin holds all).
bool canDo(const QString& code);

} // namespace commands
