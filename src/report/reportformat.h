#pragma once

#include <QString>
#include <QVariant>

// Display formats of report objects: the grids' formats (numbers such as
// "￥,0.00##;-￥,0.00##", dates such as "yyyy-MM-dd", the no-date rule), plus
// code lists: "map:0=折扣卡;1=储值卡" shows the text of the value's code and
// nothing for other values.
namespace report {

bool isDateFormat(const QString& format);
QString formatValue(const QVariant& value, const QString& format);

} // namespace report
