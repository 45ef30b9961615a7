#pragma once

#include <QString>

// Arithmetic of member cards: what a payment credits under a promotion mode,
// what a top-up records, and the member totals recomputed from the bills.
namespace cardcalc {

// Promotion kinds of T_youhui.F_type.
enum PromotionKind
{
    DepositBonus = 0,
    ConsumptionToCash = 1,
    CountPackage = 2
};

// A promotion mode as stored; `found` false when no row matched the name
// (a deleted mode, or none chosen).
struct Promotion
{
    bool found = false;
    int kind = DepositBonus;
    double rate = 0;   // kind 0: bonus factor; kind 2: uses per package
    double price1 = 0; // kind 1: consumption threshold; kind 2: price of a package
    double price2 = 0; // kind 1: cash per conversion
};

// Rounds to a whole number, halves to the even neighbour (9.5 -> 10, 8.5 -> 8).
// Noise below 1e-9 from the multiplication is ignored first, so 95 * 10 / 100
// counts as exactly 9.5.
double roundHalfEven(double value);

// What an amount paid puts on the card:
// - kind 0: paid x factor (money, 4 decimals);
// - kind 2: paid x uses / price (price 0: paid x uses), rounded half to even;
// - kind 1 and any other kind: the amount paid;
// - no mode found: 0 (read as kind 0 with factor 0).
double credit(const Promotion& mode, double paid);

// The bonus a top-up record keeps: credit - paid for a stored-value card
// (card type 1), 0 otherwise.
double topUpBonus(int cardType, double paid, double credited);

// "累计消费转现金": one conversion when the accumulated consumption is strictly
// greater than the threshold. On success consumption drops by the threshold
// and the balance rises by the cash amount.
struct Conversion
{
    bool done = false;
    double consumption = 0;
    double balance = 0;
};
Conversion convertConsumption(double consumption, double balance, double threshold, double cash);

// Member totals from the bills: current points = initial points + signed sum
// of the bills' points; accumulated consumption = initial consumption + sum
// of the totals of the bills with sign +1. Sums are null (0) without bills.
double memberPoints(double initialPoints, double signedBillPoints);
double memberConsumption(double initialConsumption, double positiveBillTotals);

// The points interval of a level: refused only when both ends are non-zero and
// the lower end is greater than the upper end.
bool levelIntervalValid(double lower, double upper);

// The description F_memo1 of a promotion mode from the boxes' texts as shown.
// kind 0: factor; kind 1: threshold and cash; kind 2: price and uses.
QString promotionDescription(int kind, const QString& first, const QString& second = QString());

} // namespace cardcalc
