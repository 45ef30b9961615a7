#pragma once

#include <QDate>
#include <QString>

// Computations shared by the windows, free of any database or window.
namespace calc {

// Rounds to the given number of decimals, halves away from zero.
double roundTo(double value, int decimals);

// Next document number after the greatest one found today (empty when none):
// head + counter + 1 with `width` digits. Example: "XF20240131007" -> "XF20240131008".
QString nextBillCode(const QString& maxFound, const QString& prefix, const QDate& today, int width);

// Code of a new tree node. maxFound is the greatest code under the prefix
// that the database holds (empty when none); mode 1 sibling, 2 child.
QString nextTreeCode(const QString& code, const QString& maxFound, int mode);

// Whether the automatic backup runs today for the schedule value of "ibak".
bool backupDue(int schedule, const QDate& today);

// Amount in Chinese capital numerals.
QString moneyToCapitals(double amount);

// 1 BMP, 2 JPEG, 3 GIF, 0 anything else, by the file name's extension.
int imageFileKind(const QString& fileName);

} // namespace calc

// The names the windows use.
inline QString MoneyToCapitals(double amount) { return calc::moneyToCapitals(amount); }
inline int ImageFileKind(const QString& fileName) { return calc::imageFileKind(fileName); }

namespace calc {
// The e-mail check of the company window: letters, digits, "-", ".", "_" and
// "@" only; an "@" with a non-empty part before it; no ".."; the part after
// the first "@" longer than 3 characters with a "." followed by at least two
// characters.
bool isValidEmail(const QString& address);
// The address the home page box opens: "http:\\" in front unless it holds "http:".
QString homePageUrl(const QString& text);
} // namespace calc
