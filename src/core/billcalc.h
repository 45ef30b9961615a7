#pragma once

#include <QString>
#include <QVector>

// Arithmetic of the bills: line discounts and totals, bill totals and points,
// count-card uses, redemption points and the payment window's figures. No
// database, no windows.
namespace billcalc {

// Decimals kept by the bill windows.
constexpr int kMoneyDecimals = 4; // prices, bill totals, payments
constexpr int kPointDecimals = 2; // points, factors, calculator fields

// Largest quantity, price or line total a bill accepts. Beyond it a figure is
// a typing slip, not a sale.
constexpr double kMaxFigure = 99999999.0;

// Discount factor of a line: the larger of the member's factor and the
// article's minimum discount (the article's value when they are equal),
// taken to 4 places. Member 0.9, article 0.8: 0.9; article 1: 1; article 0:
// the member's factor.
double lineRate(double memberRate, double goodsMinRate);

// Line total: price times quantity times discount (not rounded).
double lineTotal(double price, double amount, double rate);

// Adds line totals into a bill total, rounding to 4 places after every addition.
double billTotal(const QVector<double>& lineTotals);

// Points of a bill for the ratio text of the bill ("消费 ... 元积1分").
// An empty (trimmed) text keeps `current`; a text that is not a number or is 0
// gives 0; otherwise total / ratio rounded to 2 places.
double billPoints(const QString& ratioText, double total, double current);

// The ratio as stored in the bill header: the trimmed text, "0" when empty.
QString storedRatio(const QString& ratioText);

// Count-card visit: by how many whole uses a visit exceeds the remaining
// count (0 when it does not). Rounded to a whole number, halves away from zero.
int excessUses(double uses, double remaining);

// Points of a redemption line and the bill's total points (2 places after
// every addition).
double redemptionLinePoints(double pointsPerUnit, double amount);
double redemptionTotal(const QVector<double>& linePoints);
// Whether a member with these points (as shown, 2 places) can pay the total.
bool enoughPoints(double memberPoints, double total);

// Payment window. Cash mode: the change is payment minus amount, and the cash
// recorded is payment minus change (4 places).
double change(double payment, double amount);
double cashRecorded(double payment, double changeShown);

// Card-balance mode: what the card pays and what is left on it.
struct CardPayment
{
    bool enough = false;     // balance plus payment covers the amount
    double cash = 0;         // F_FKprice: the cash part
    double fromCard = 0;     // F_ZZprice: the part taken from the card
    double balanceAfter = 0; // balance after the bill ("消费后余额：")
};
CardPayment cardPayment(double balance, double payment, double amount);

// Stock dialog: the message refusing a movement, or empty when it may go.
// `stockIn` true for "进货", false for "退货".
QString stockMoveError(bool stockIn, double quantity, double stock);

// Whether a figure of a bill line lies within what a bill accepts.
bool figureInRange(double value);

} // namespace billcalc
