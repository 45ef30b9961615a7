#include "core/cardcalc.h"

#include "core/calc.h"

#include <cmath>

namespace cardcalc {

namespace {
constexpr int kMoneyDecimals = 4;
}

double roundHalfEven(double value)
{
    if (!std::isfinite(value))
        return 0;
    const double cleaned = calc::roundTo(value, 9);
    const double lower = std::floor(cleaned);
    const double rest = cleaned - lower;
    double result = lower;
    if (rest > 0.5)
        result = lower + 1;
    else if (rest == 0.5)
        result = std::fmod(lower, 2.0) == 0 ? lower : lower + 1;
    return result == 0 ? 0.0 : result; // no negative zero
}

double credit(const Promotion& mode, double paid)
{
    if (!mode.found)
        return 0;
    switch (mode.kind) {
    case DepositBonus:
        return calc::roundTo(paid * mode.rate, kMoneyDecimals);
    case CountPackage: {
        const double uses = mode.price1 != 0 ? paid * mode.rate / mode.price1 : paid * mode.rate;
        return roundHalfEven(uses);
    }
    default:
        return calc::roundTo(paid, kMoneyDecimals);
    }
}

double topUpBonus(int cardType, double paid, double credited)
{
    return cardType == 1 ? calc::roundTo(credited - paid, kMoneyDecimals) : 0.0;
}

Conversion convertConsumption(double consumption, double balance, double threshold, double cash)
{
    Conversion c{false, consumption, balance};
    if (calc::roundTo(consumption, kMoneyDecimals) > calc::roundTo(threshold, kMoneyDecimals)) {
        c.done = true;
        c.consumption = calc::roundTo(consumption - threshold, kMoneyDecimals);
        c.balance = calc::roundTo(balance + cash, kMoneyDecimals);
    }
    return c;
}

double memberPoints(double initialPoints, double signedBillPoints)
{
    return calc::roundTo(initialPoints + signedBillPoints, kMoneyDecimals);
}

double memberConsumption(double initialConsumption, double positiveBillTotals)
{
    return calc::roundTo(initialConsumption + positiveBillTotals, kMoneyDecimals);
}

bool levelIntervalValid(double lower, double upper)
{
    if (lower == 0 || upper == 0)
        return true;
    return lower <= upper;
}

QString promotionDescription(int kind, const QString& first, const QString& second)
{
    switch (kind) {
    case DepositBonus:
        return QStringLiteral("实际款 = 所付存款*") + first;
    case ConsumptionToCash:
        return QStringLiteral("累计消费 ") + first + QStringLiteral("元，转现金 ") + second +
               QStringLiteral("元");
    case CountPackage:
        return QStringLiteral("交费 ") + first + QStringLiteral("元，可消费 ") + second +
               QStringLiteral("次");
    default:
        return {};
    }
}

} // namespace cardcalc
