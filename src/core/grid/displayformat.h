#pragma once

#include <QString>
#include <QVariant>

// Display formats of grid cells, footers, report fields and exported sheets.
//
// Number formats: up to three sections separated by ';' (positive; negative;
// zero). '0' is a digit that is always shown, '#' one shown only when needed,
// the first '.' is the decimal point and a ',' anywhere asks for thousands
// separators. Text in single or double quotes and every other character is
// copied as it stands ("￥,0.00##;-￥,0.00##"). An empty negative or zero
// section falls back to the first one. With a negative section the value's
// own minus sign is not written; a value that rounds to zero never shows one.
//
// Date formats: yyyy, yy, m/mm (month, or minutes right after an hour), d/dd,
// h/hh, n/nn (minutes), s/ss, z/zzz, letters in any case, quoted text copied
// ("yyyy-MM-dd hh:nn:ss").
namespace displayformat {

// True when the format formats dates rather than numbers.
bool isDateFormat(const QString& format);

// A number in a number format. An empty format gives the plain number.
QString formatNumber(double value, const QString& format);

// A date and time in a date format.
QString formatDateTime(const QDateTime& value, const QString& format);

// The text of a stored value in a grid cell or footer:
// - null values give an empty text;
// - a date format reads dates, date-times and their texts ("yyyy-MM-dd ...")
//   and gives an empty text for dates before 1901-08-14 (no date set);
// - a number format formats numbers and texts that read as numbers, other
//   texts are shown as they are;
// - without a format numbers are written in their shortest form and dates
//   follow the no-date rule above.
QString formatValue(const QVariant& value, const QString& format);

} // namespace displayformat
