#pragma once

#include "core/dataset.h"
#include "report/reporttemplate.h"

#include <QStringList>
#include <QVariantList>
#include <QVector>
#include <memory>

// Small builders for report tests.
namespace fixtures {

inline std::unique_ptr<TDataSet> dataSet(const QStringList& fields, const QVector<QVariantList>& rows)
{
    auto set = std::make_unique<TDataSet>();
    set->setRows(fields, rows);
    return set;
}

// Members "会员001".. with an amount of i (1-based) each.
inline std::unique_ptr<TDataSet> members(int count)
{
    QVector<QVariantList> rows;
    for (int i = 1; i <= count; ++i)
        rows.append({QStringLiteral("会员%1").arg(i, 3, 10, QLatin1Char('0')), static_cast<double>(i)});
    return dataSet({QStringLiteral("F_name"), QStringLiteral("F_totalprice")}, rows);
}

inline report::TReportObject text(const QString& name, const QRectF& geometry, const QString& text)
{
    report::TReportObject o;
    o.name = name;
    o.geometry = geometry;
    o.text = text;
    return o;
}

inline report::TReportBand band(report::BandKind kind, double height,
                                const QVector<report::TReportObject>& objects,
                                const QString& dataSet = QString())
{
    report::TReportBand b;
    b.kind = kind;
    b.height = height;
    b.objects = objects;
    b.dataSet = dataSet;
    b.name = report::bandKindName(kind);
    return b;
}

// A list of frxDM: page header with the page "n / total", column header, one
// row per record, page footer and a summary with the sum.
inline report::TReportTemplate memberList()
{
    using namespace report;
    TReportTemplate t;
    t.title = QStringLiteral("会员列表");
    t.bands << band(BandKind::PageHeader, 10,
                    {text(QStringLiteral("Head"), QRectF(0, 0, 100, 8), QStringLiteral("会员列表")),
                     text(QStringLiteral("PageNo"), QRectF(140, 0, 50, 8),
                          QStringLiteral("[Page#] / [TotalPages#]"))})
            << band(BandKind::ColumnHeader, 6,
                    {text(QStringLiteral("ColName"), QRectF(0, 0, 60, 6), QStringLiteral("姓名"))})
            << band(BandKind::MasterData, 6,
                    {text(QStringLiteral("Name"), QRectF(0, 0, 60, 6), QStringLiteral("[frxDM.\"F_name\"]")),
                     text(QStringLiteral("Amount"), QRectF(60, 0, 40, 6),
                          QStringLiteral("[frxDM.\"F_totalprice\"]"))},
                    QStringLiteral("frxDM"))
            << band(BandKind::PageFooter, 8,
                    {text(QStringLiteral("Foot"), QRectF(0, 0, 100, 8),
                          QStringLiteral("本页小计：[SUM(frxDM.\"F_totalprice\")]"))})
            << band(BandKind::ReportSummary, 8,
                    {text(QStringLiteral("Total"), QRectF(0, 0, 100, 8),
                          QStringLiteral("合计：[SUM(frxDM.\"F_totalprice\")]"))});
    t.bands[2].objects[1].displayFormat = QStringLiteral(",0.00");
    return t;
}

} // namespace fixtures
