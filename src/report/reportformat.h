#pragma once

#include <QDateTime>
#include <QString>
#include <QVariant>

// Display formats of report objects, the same kind the grids use.
//
// Numbers: up to three sections separated by ';' (positive; negative; zero).
// '0' is a digit always shown, '#' a digit shown only when needed, the first
// '.' the decimal point, ',' anywhere before it asks for thousands
// separators; other characters and quoted text are copied
// ("￥,0.00##;-￥,0.00##"). With a negative section the value's own minus sign
// is not written. Values are rounded half away from zero.
//
// Dates: yyyy, yy, m/mm (month, minutes right after an hour), d/dd, h/hh,
// n/nn (minutes), s/ss, zzz; letters in any case ("yyyy-MM-dd").
//
// Code lists: "map:0=折扣卡;1=储值卡" shows the text of the value's code
// and nothing for other values.
namespace report {

bool isDateFormat(const QString& format);
QString formatNumber(double value, const QString& format);
QString formatDateTime(const QDateTime& value, const QString& format);

// Text of a field or variable value. Null values give an empty text, and so
// do dates before 1901-08-14 (no date set). Texts that read as numbers or
// dates are formatted as such when the format asks for it.
QString formatValue(const QVariant& value, const QString& format);

} // namespace report
