#include "core/billcalc.h"

#include "core/calc.h"

#include <cmath>

namespace billcalc {

double lineRate(double memberRate, double goodsMinRate)
{
    const double member = calc::roundTo(memberRate, kMoneyDecimals);
    const double goods = calc::roundTo(goodsMinRate, kMoneyDecimals);
    return member > goods ? member : goods;
}

double lineTotal(double price, double amount, double rate)
{
    return price * amount * rate;
}

double billTotal(const QVector<double>& lineTotals)
{
    double total = 0;
    for (double t : lineTotals)
        total = calc::roundTo(total + t, kMoneyDecimals);
    return total;
}

double billPoints(const QString& ratioText, double total, double current)
{
    const QString text = ratioText.trimmed();
    if (text.isEmpty())
        return current;
    bool ok = false;
    const double ratio = text.toDouble(&ok);
    if (!ok || ratio == 0 || !std::isfinite(ratio))
        return 0;
    return calc::roundTo(total / ratio, kPointDecimals);
}

QString storedRatio(const QString& ratioText)
{
    const QString text = ratioText.trimmed();
    return text.isEmpty() ? QStringLiteral("0") : text;
}

int excessUses(double uses, double remaining)
{
    if (uses <= remaining)
        return 0;
    return static_cast<int>(calc::roundTo(uses - remaining, 0));
}

double redemptionLinePoints(double pointsPerUnit, double amount)
{
    return pointsPerUnit * amount;
}

double redemptionTotal(const QVector<double>& linePoints)
{
    double total = 0;
    for (double p : linePoints)
        total = calc::roundTo(total + p, kPointDecimals);
    return total;
}

bool enoughPoints(double memberPoints, double total)
{
    return calc::roundTo(memberPoints, kPointDecimals) >= total;
}

double change(double payment, double amount)
{
    return calc::roundTo(payment - amount, kMoneyDecimals);
}

double cashRecorded(double payment, double changeShown)
{
    return calc::roundTo(payment - changeShown, kMoneyDecimals);
}

CardPayment cardPayment(double balance, double payment, double amount)
{
    CardPayment p;
    p.enough = calc::roundTo(balance + payment, kMoneyDecimals) >= calc::roundTo(amount, kMoneyDecimals);
    if (payment >= amount) {
        p.cash = calc::roundTo(amount, kMoneyDecimals);
        p.fromCard = 0;
        p.balanceAfter = balance;
    } else {
        p.cash = calc::roundTo(payment, kMoneyDecimals);
        p.fromCard = calc::roundTo(amount - payment, kMoneyDecimals);
        p.balanceAfter = calc::roundTo(balance + payment - amount, kMoneyDecimals);
    }
    return p;
}

QString stockMoveError(bool stockIn, double quantity, double stock)
{
    if (!(quantity > 0))
        return stockIn ? QStringLiteral("进货数量必须大于0，请检查！")
                       : QStringLiteral("退货数量必须大于0，请检查！");
    if (!figureInRange(quantity))
        return QStringLiteral("数量超出允许范围，请检查！");
    if (!stockIn && calc::roundTo(quantity, kMoneyDecimals) > calc::roundTo(stock, kMoneyDecimals))
        return QStringLiteral("库存货品已经不足，请检查！");
    return {};
}

bool figureInRange(double value)
{
    return std::isfinite(value) && std::fabs(value) <= kMaxFigure;
}

} // namespace billcalc
