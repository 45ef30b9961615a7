#include "core/billcalc.h"

#include <QtTest>

class TestBillCalc : public QObject
{
    Q_OBJECT
private slots:
    void lineDiscountAndTotal_data()
    {
        QTest::addColumn<double>("member");
        QTest::addColumn<double>("goodsMin");
        QTest::addColumn<double>("price");
        QTest::addColumn<double>("amount");
        QTest::addColumn<double>("rate");
        QTest::addColumn<double>("total");
        QTest::newRow("minimum above member") << 0.85 << 0.9 << 12.5 << 2.0 << 0.9 << 22.5;
        QTest::newRow("member above minimum") << 0.9 << 0.8 << 10.0 << 1.0 << 0.9 << 9.0;
        QTest::newRow("minimum caps member") << 0.7 << 0.8 << 10.0 << 3.0 << 0.8 << 24.0;
        QTest::newRow("special offer") << 0.5 << 1.0 << 8.0 << 2.0 << 1.0 << 16.0;
        QTest::newRow("no minimum") << 0.95 << 0.0 << 20.0 << 1.0 << 0.95 << 19.0;
        QTest::newRow("equal") << 0.8 << 0.8 << 5.0 << 2.0 << 0.8 << 8.0;
        QTest::newRow("return quantity") << 1.0 << 0.0 << 3.3333 << -3.0 << 1.0 << -9.9999;
    }
    void lineDiscountAndTotal()
    {
        QFETCH(double, member);
        QFETCH(double, goodsMin);
        QFETCH(double, price);
        QFETCH(double, amount);
        QFETCH(double, rate);
        QFETCH(double, total);
        const double r = billcalc::lineRate(member, goodsMin);
        QCOMPARE(r, rate);
        QCOMPARE(billcalc::lineTotal(price, amount, r), total);
    }

    void billTotalRoundsEveryAddition()
    {
        // 0.00005 twice: each addition is rounded to 4 places, halves away from zero.
        QCOMPARE(billcalc::billTotal({0.00005, 0.00005}), 0.0002);
        QCOMPARE(billcalc::billTotal({22.5, 12.34567}), 34.8457);
        QCOMPARE(billcalc::billTotal({}), 0.0);
    }

    void points_data()
    {
        QTest::addColumn<QString>("ratio");
        QTest::addColumn<double>("total");
        QTest::addColumn<double>("current");
        QTest::addColumn<double>("points");
        QTest::addColumn<QString>("stored");
        QTest::newRow("ratio 10") << "10" << 22.5 << 0.0 << 2.25 << "10";
        QTest::newRow("ratio 3 on 10") << "3" << 10.0 << 0.0 << 3.33 << "3";
        QTest::newRow("two thirds rounds up") << "3" << 20.0 << 0.0 << 6.67 << "3";
        QTest::newRow("empty keeps") << "" << 10.0 << 0.0 << 0.0 << "0";
        QTest::newRow("blank keeps value") << "  " << 10.0 << 4.5 << 4.5 << "0";
        QTest::newRow("not a number") << "abc" << 10.0 << 7.0 << 0.0 << "abc";
        QTest::newRow("zero ratio") << "0" << 10.0 << 7.0 << 0.0 << "0";
        QTest::newRow("trimmed") << " 5 " << 10.0 << 0.0 << 2.0 << "5";
        QTest::newRow("return bill") << "10" << 15.0 << 0.0 << 1.5 << "10";
    }
    void points()
    {
        QFETCH(QString, ratio);
        QFETCH(double, total);
        QFETCH(double, current);
        QFETCH(double, points);
        QFETCH(QString, stored);
        QCOMPARE(billcalc::billPoints(ratio, total, current), points);
        QCOMPARE(billcalc::storedRatio(ratio), stored);
    }

    void excessUses_data()
    {
        QTest::addColumn<double>("uses");
        QTest::addColumn<double>("remaining");
        QTest::addColumn<int>("excess");
        QTest::newRow("within") << 2.0 << 3.0 << 0;
        QTest::newRow("exactly") << 3.0 << 3.0 << 0;
        QTest::newRow("3 left, 5 used") << 5.0 << 3.0 << 2;
        QTest::newRow("half rounds away") << 1.5 << 0.0 << 2;
        QTest::newRow("already negative") << 1.0 << -2.0 << 3;
    }
    void excessUses()
    {
        QFETCH(double, uses);
        QFETCH(double, remaining);
        QFETCH(int, excess);
        QCOMPARE(billcalc::excessUses(uses, remaining), excess);
    }

    void redemption_data()
    {
        QTest::addColumn<double>("memberPoints");
        QTest::addColumn<bool>("allowed");
        QTest::newRow("exactly enough") << 100.0 << true;
        QTest::newRow("one short") << 99.0 << false;
        QTest::newRow("shown rounded to 2 places") << 99.995 << true;
    }
    void redemption()
    {
        QFETCH(double, memberPoints);
        QFETCH(bool, allowed);
        const double total = billcalc::redemptionTotal(
            {billcalc::redemptionLinePoints(30, 2), billcalc::redemptionLinePoints(40, 1)});
        QCOMPARE(total, 100.0);
        QCOMPARE(billcalc::enoughPoints(memberPoints, total), allowed);
    }

    void cashPayment()
    {
        QCOMPARE(billcalc::change(100, 80), 20.0);
        QCOMPARE(billcalc::cashRecorded(100, 20), 80.0);
        // Nothing typed: the change was never computed and 0 is recorded.
        QCOMPARE(billcalc::cashRecorded(0, 0), 0.0);
    }

    void cardPayment_data()
    {
        QTest::addColumn<double>("balance");
        QTest::addColumn<double>("payment");
        QTest::addColumn<double>("amount");
        QTest::addColumn<bool>("enough");
        QTest::addColumn<double>("cash");
        QTest::addColumn<double>("fromCard");
        QTest::addColumn<double>("after");
        QTest::newRow("all from card") << 100.0 << 0.0 << 64.5 << true << 0.0 << 64.5 << 35.5;
        QTest::newRow("part cash") << 50.0 << 30.0 << 64.5 << true << 30.0 << 34.5 << 15.5;
        QTest::newRow("cash covers") << 10.0 << 100.0 << 64.5 << true << 64.5 << 0.0 << 10.0;
        QTest::newRow("balance exactly") << 64.5 << 0.0 << 64.5 << true << 0.0 << 64.5 << 0.0;
        QTest::newRow("too low") << 20.0 << 10.0 << 64.5 << false << 10.0 << 54.5 << -34.5;
    }
    void cardPayment()
    {
        QFETCH(double, balance);
        QFETCH(double, payment);
        QFETCH(double, amount);
        QFETCH(bool, enough);
        QFETCH(double, cash);
        QFETCH(double, fromCard);
        QFETCH(double, after);
        const billcalc::CardPayment p = billcalc::cardPayment(balance, payment, amount);
        QCOMPARE(p.enough, enough);
        QCOMPARE(p.cash, cash);
        QCOMPARE(p.fromCard, fromCard);
        QCOMPARE(p.balanceAfter, after);
        QCOMPARE(p.cash + p.fromCard, amount);
    }

    void stockMove_data()
    {
        QTest::addColumn<bool>("stockIn");
        QTest::addColumn<double>("quantity");
        QTest::addColumn<double>("stock");
        QTest::addColumn<QString>("error");
        QTest::newRow("return all") << false << 5.0 << 5.0 << "";
        QTest::newRow("return 5.01 of 5") << false << 5.01 << 5.0 << "库存货品已经不足，请检查！";
        QTest::newRow("return from negative stock") << false << 0.5 << -2.0 << "库存货品已经不足，请检查！";
        QTest::newRow("stock in to negative stock") << true << 3.0 << -2.0 << "";
        QTest::newRow("stock in zero") << true << 0.0 << 5.0 << "进货数量必须大于0，请检查！";
        QTest::newRow("return zero") << false << 0.0 << 5.0 << "退货数量必须大于0，请检查！";
        QTest::newRow("stock in 1e12") << true << 1e12 << 0.0 << "数量超出允许范围，请检查！";
        QTest::newRow("float noise") << false << 5.0 << 4.99 + 0.01 << "";
    }
    void stockMove()
    {
        QFETCH(bool, stockIn);
        QFETCH(double, quantity);
        QFETCH(double, stock);
        QFETCH(QString, error);
        QCOMPARE(billcalc::stockMoveError(stockIn, quantity, stock), error);
    }

    void figures()
    {
        QVERIFY(billcalc::figureInRange(99999999));
        QVERIFY(billcalc::figureInRange(-99999999));
        QVERIFY(!billcalc::figureInRange(1e12));
        QVERIFY(!billcalc::figureInRange(std::numeric_limits<double>::infinity()));
        QVERIFY(!billcalc::figureInRange(std::numeric_limits<double>::quiet_NaN()));
    }
};

QTEST_GUILESS_MAIN(TestBillCalc)
#include "test_billcalc.moc"
