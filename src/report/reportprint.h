#pragma once

#include "report/reportengine.h"
#include "report/reporttemplate.h"

#include <QDate>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QStringList>
#include <functional>

class QDialog;
class QWidget;
class TDataSet;

namespace report {

// The named data sets and the variable source that the printing windows
// hand to the reports (the data module's report slots). A data set that is
// destroyed simply disappears; a variable source lives as long as its owner.
class TReportBindings
{
public:
    static TReportBindings& instance();

    void bind(const QString& name, TDataSet* set);
    void unbind(const QString& name);
    void clear();
    TDataSources dataSources() const;

    // The window that answers variables while a report is produced.
    void setVariableSource(QObject* owner, TVariableSource source);
    void clearVariableSource(QObject* owner);
    TVariableSource variableSource() const;

private:
    QMap<QString, QPointer<TDataSet>> m_sets;
    QPointer<QObject> m_owner;
    TVariableSource m_source;
};

// Names of the variables that the printing windows declare.
QString variableCategory();         // "自定义变量"
QStringList defaultVariableNames(); // "sCurKHname", "memoDate", "memoCaption"

// A window's report object: a template loaded by name with its data.
class TReport
{
public:
    TReport() = default;
    explicit TReport(const QString& name) { load(name); }

    // Loads Qr/<name>. A missing file gives an empty report; a damaged one is
    // reported through ShowMess and gives an empty report too.
    LoadStatus load(const QString& name);
    LoadStatus loadStatus() const { return m_status; }
    QString name() const { return m_name; }
    QString filePath() const;

    TReportTemplate& reportTemplate() { return m_template; }
    const TReportTemplate& reportTemplate() const { return m_template; }
    void setTemplate(const TReportTemplate& t) { m_template = t; }

    // Data sets of this report, over the shared bindings.
    void bind(const QString& name, TDataSet* set);
    TDataSources dataSources() const;
    // Variables of this report; without one the shared source answers.
    void setVariableSource(TVariableSource source) { m_variables = std::move(source); }
    TVariableSource variableSource() const;
    // Replaces the template's variables by the category "自定义变量" with the names, all empty.
    void declareVariables(const QStringList& names);

    TPreparedReport prepare() const;
    // Shows the preview window (modal, or through the show hook).
    void showPreview(QWidget* parent = nullptr);
    // Opens the designer modally; the operator may save the template.
    void design(QWidget* parent = nullptr);

    bool save(QString* error = nullptr) const;

private:
    QString m_name;
    TReportTemplate m_template;
    LoadStatus m_status = LoadStatus::Missing;
    QMap<QString, QPointer<TDataSet>> m_sets;
    TVariableSource m_variables;
};

// The windows of this module are shown through here: modally, or handed to
// a hook that tests install to look at the window instead (nothing blocks).
using TShowHook = std::function<void(QDialog& window)>;
TShowHook setShowHook(TShowHook hook);
void showWindow(QDialog& window);

// A grid as printed by PrintGrid: its columns in grid order and its rows.
struct TGridPrintColumn
{
    QString fieldName;
    QString title;
    int width = 80; // pixels on screen
    bool visible = true;
    int alignment = 0; // 0 left, 1 centred, 2 right
    QString displayFormat;
    int footerType = 0; // 0 none, 1 fixed text, 2 sum
    QString footerValue;
};

struct TGridPrint
{
    QVector<TGridPrintColumn> columns;
    const TDataSet* data = nullptr;
};

// Footer text of a grid print: "date" becomes "打印日期：" and the day.
QString gridFooterText(const QString& footer, const QDate& today);
// The report PrintGrid shows (exposed for tests).
TReportTemplate gridTemplate(const TGridPrint& grid, const QString& title, int fitMode,
                             const QString& footerText, const QString& headerText, const QDate& today);
// Name under which PrintGrid binds the grid's rows.
QString gridDataSetName();

} // namespace report

// The printing routines of the data module.

// Shows the template with "frxDM" bound to the data; nothing when the data set has no rows.
// Returns whether a preview was shown.
bool PrintReport(const QString& name, TDataSet* data, QWidget* parent = nullptr);
// Opens the template in the designer with "frxDM" bound to the data and the
// variables of the category "自定义变量" declared empty.
void DesignReport(const QString& name, TDataSet* data, QWidget* parent = nullptr);
void DesignReport(const QString& name, TDataSet* data, const QStringList& variables,
                  QWidget* parent = nullptr);

// Prints a grid through a preview. fitMode 0: fit to the page width with rows
// stretched to their contents; 1: fit to the page width by the columns'
// widths; other values: optimal column widths fitted to the page width.
void PrintGrid(const report::TGridPrint& grid, const QString& title, int fitMode, const QString& footerText,
               const QString& headerText, QWidget* parent = nullptr);

// "消费日期：自 2024年01月01日 至 2024年01月31日"; the prefix defaults to "统计".
QString DateRangeCaption(bool fromTicked, const QDate& fromDate, bool toTicked, const QDate& toDate,
                         const QString& prefix = QString());
