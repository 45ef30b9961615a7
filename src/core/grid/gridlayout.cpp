#include "core/grid/gridlayout.h"

#include "core/dataset.h"
#include "core/dmdata.h"
#include "core/grid/dbgrid.h"
#include "core/support.h"

#include <QSqlError>
#include <QSqlQuery>

namespace {
const QString kOperFailed = QStringLiteral("操作失败，请检查数据连接... ");

int alignmentOf(const QVariant& stored, int fallback)
{
    bool ok = false;
    const int a = stored.toInt(&ok);
    return ok && a >= TGridColumn::AlignLeft && a <= TGridColumn::AlignRight ? a : fallback;
}

int footerTypeOf(const QVariant& stored)
{
    const int t = stored.toInt();
    return t == TGridColumn::FooterText || t == TGridColumn::FooterSum ? t : TGridColumn::FooterNone;
}
} // namespace

bool LoadGridLayout(TDBGrid* grid, const QString& key)
{
    if (!grid || !dmData)
        return false;
    QSqlQuery& q = dmData->QryPub();
    q.finish();
    const bool ok = dmData->connected() &&
                    q.prepare(QStringLiteral("select F_fieldname,F_caption,F_width,F_visible,F_readonly,F_alignment,"
                                             "F_displayFormat,F_footerValue,F_footerType from cfg_Grid "
                                             "where (F_name = ? and F_fieldname <> '') order by F_order")) &&
                    (q.addBindValue(key), q.exec());
    if (!ok) {
        qWarning("database: %s", qPrintable(q.lastError().text()));
        ShowMess(kOperFailed, mkError);
        return false;
    }

    const TDataSet* set = grid->dataSet();
    const bool knowsFields = set && set->fieldCount() > 0;
    QVector<TGridColumn> columns;
    while (q.next()) {
        const QString field = q.value(0).toString().trimmed();
        if (field.isEmpty())
            continue;
        if (knowsFields && set->fieldIndex(field) < 0 && grid->findColumn(field) < 0)
            continue; // the result has no such column and the grid never showed one
        TGridColumn c;
        c.fieldName = field;
        c.title = q.value(1).toString();
        c.width = q.value(2).isNull() ? c.width : q.value(2).toInt();
        c.visible = q.value(3).toBool();
        c.readOnly = q.value(4).toBool();
        c.alignment = alignmentOf(q.value(5), TGridColumn::AlignLeft);
        c.footerAlignment = c.alignment;
        c.displayFormat = q.value(6).toString();
        c.footerFormat = c.displayFormat;
        c.footerValue = q.value(7).toString();
        c.footerType = footerTypeOf(q.value(8));
        columns << c;
    }
    q.finish();
    if (!columns.isEmpty())
        grid->setColumns(columns);
    return true;
}

bool SaveGridLayout(TDBGrid* grid, const QString& key)
{
    if (!grid || !dmData)
        return false;
    const QVector<TGridColumn> columns = grid->columns();
    const QString name = key.toLower();
    TransactionGuard tx(*dmData);
    bool all = true;
    for (int i = 0; i < columns.size(); ++i) {
        const TGridColumn& c = columns.at(i);
        const int footerType =
            c.footerType == TGridColumn::FooterText || c.footerType == TGridColumn::FooterSum ? c.footerType : 0;
        all = dmData->ExecSql(QStringLiteral("update cfg_grid set F_caption = ?,F_width = ?,F_readonly = ?,"
                                             "F_visible = ?,F_order = ?,F_alignMent = ?,F_displayFormat = ?,"
                                             "F_footerValue = ?,F_footerType = ? "
                                             "where (F_name = ? and F_fieldname = ?) "),
                              {c.title, c.width, c.readOnly ? 1 : 0, c.visible ? 1 : 0, i, c.alignment,
                               c.displayFormat, c.footerValue, footerType, name, c.fieldName}) &&
              all;
    }
    // Columns that failed are reported; the others are kept.
    if (tx.active() && !tx.commit()) {
        ShowMess(kOperFailed, mkError);
        return false;
    }
    return all;
}

bool ConfirmSaveGridLayout(TDBGrid* grid, const QString& key)
{
    if (ShowMess(QStringLiteral("真的要保存当前网格设置吗？"), mkQuestion) != maYes)
        return false;
    return SaveGridLayout(grid, key);
}
