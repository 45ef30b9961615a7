#include "core/cardcalc.h"
#include "members/TMoneyEdit.h"

#include <QtTest>

using cardcalc::Promotion;

class TestCardCalc : public QObject
{
    Q_OBJECT
private slots:
    void credit_data()
    {
        QTest::addColumn<bool>("found");
        QTest::addColumn<int>("kind");
        QTest::addColumn<double>("rate");
        QTest::addColumn<double>("price1");
        QTest::addColumn<double>("paid");
        QTest::addColumn<double>("expected");
        QTest::newRow("deposit bonus 1.1 on 1000") << true << 0 << 1.1 << 0.0 << 1000.0 << 1100.0;
        QTest::newRow("deposit bonus 1.1 on 500") << true << 0 << 1.1 << 0.0 << 500.0 << 550.0;
        QTest::newRow("no promotion factor 1") << true << 0 << 1.0 << 0.0 << 123.4567 << 123.4567;
        QTest::newRow("bonus rounded to 4 decimals") << true << 0 << 1.05 << 0.0 << 0.33333 << 0.35;
        QTest::newRow("package 10 for 100 on 250") << true << 2 << 10.0 << 100.0 << 250.0 << 25.0;
        QTest::newRow("package on 95: 9.5 to even 10") << true << 2 << 10.0 << 100.0 << 95.0 << 10.0;
        QTest::newRow("package on 85: 8.5 to even 8") << true << 2 << 10.0 << 100.0 << 85.0 << 8.0;
        QTest::newRow("package on 84: 8.4 down") << true << 2 << 10.0 << 100.0 << 84.0 << 8.0;
        QTest::newRow("package on 86: 8.6 up") << true << 2 << 10.0 << 100.0 << 86.0 << 9.0;
        QTest::newRow("package 3 for 10 on 5: 1.5 to 2") << true << 2 << 3.0 << 10.0 << 5.0 << 2.0;
        QTest::newRow("package price 0: paid x uses") << true << 2 << 2.0 << 0.0 << 3.0 << 6.0;
        QTest::newRow("package refund -85: -8.5 to even -8") << true << 2 << 10.0 << 100.0 << -85.0 << -8.0;
        QTest::newRow("consumption to cash credits the amount")
            << true << 1 << 0.0 << 500.0 << 200.0 << 200.0;
        QTest::newRow("deleted mode credits 0") << false << 0 << 0.0 << 0.0 << 1000.0 << 0.0;
        QTest::newRow("top-up of -100 without bonus") << true << 0 << 1.0 << 0.0 << -100.0 << -100.0;
    }
    void credit()
    {
        QFETCH(bool, found);
        QFETCH(int, kind);
        QFETCH(double, rate);
        QFETCH(double, price1);
        QFETCH(double, paid);
        QFETCH(double, expected);
        Promotion p;
        p.found = found;
        p.kind = kind;
        p.rate = rate;
        p.price1 = price1;
        QCOMPARE(cardcalc::credit(p, paid), expected);
    }

    void roundHalfEven_data()
    {
        QTest::addColumn<double>("value");
        QTest::addColumn<double>("expected");
        QTest::newRow("0.5") << 0.5 << 0.0;
        QTest::newRow("1.5") << 1.5 << 2.0;
        QTest::newRow("2.5") << 2.5 << 2.0;
        QTest::newRow("2.5000000001 noise") << 2.5000000000001 << 2.0;
        QTest::newRow("2.51") << 2.51 << 3.0;
        QTest::newRow("-0.5") << -0.5 << 0.0;
        QTest::newRow("-1.5") << -1.5 << -2.0;
        QTest::newRow("-2.4") << -2.4 << -2.0;
        // 0.7 x 10 / 0.1 is 69.99999999999999 in binary floating point.
        QTest::newRow("float noise 70") << 0.7 * 10 / 0.1 << 70.0;
    }
    void roundHalfEven()
    {
        QFETCH(double, value);
        QFETCH(double, expected);
        QCOMPARE(cardcalc::roundHalfEven(value), expected);
    }

    void topUpBonus_data()
    {
        QTest::addColumn<int>("cardType");
        QTest::addColumn<double>("paid");
        QTest::addColumn<double>("credited");
        QTest::addColumn<double>("expected");
        QTest::newRow("stored value bonus") << 1 << 500.0 << 550.0 << 50.0;
        QTest::newRow("stored value no bonus") << 1 << 200.0 << 200.0 << 0.0;
        QTest::newRow("stored value negative") << 1 << -100.0 << -100.0 << 0.0;
        QTest::newRow("count-card keeps 0") << 2 << 250.0 << 25.0 << 0.0;
    }
    void topUpBonus()
    {
        QFETCH(int, cardType);
        QFETCH(double, paid);
        QFETCH(double, credited);
        QFETCH(double, expected);
        QCOMPARE(cardcalc::topUpBonus(cardType, paid, credited), expected);
    }

    void convertConsumption_data()
    {
        QTest::addColumn<double>("consumption");
        QTest::addColumn<double>("balance");
        QTest::addColumn<bool>("done");
        QTest::addColumn<double>("newConsumption");
        QTest::addColumn<double>("newBalance");
        // Threshold 500, cash 50.
        QTest::newRow("above") << 1200.0 << 10.0 << true << 700.0 << 60.0;
        QTest::newRow("exactly the threshold") << 500.0 << 10.0 << false << 500.0 << 10.0;
        QTest::newRow("below") << 499.99 << 10.0 << false << 499.99 << 10.0;
    }
    void convertConsumption()
    {
        QFETCH(double, consumption);
        QFETCH(double, balance);
        QFETCH(bool, done);
        QFETCH(double, newConsumption);
        QFETCH(double, newBalance);
        const cardcalc::Conversion c = cardcalc::convertConsumption(consumption, balance, 500, 50);
        QCOMPARE(c.done, done);
        QCOMPARE(c.consumption, newConsumption);
        QCOMPARE(c.balance, newBalance);
    }

    void memberTotals()
    {
        QCOMPARE(cardcalc::memberPoints(100, 0), 100.0);
        QCOMPARE(cardcalc::memberPoints(100, -30.5), 69.5);
        QCOMPARE(cardcalc::memberConsumption(0.1, 0.2), 0.3);
        QCOMPARE(cardcalc::memberConsumption(1000, 250.25), 1250.25);
    }

    void levelInterval_data()
    {
        QTest::addColumn<double>("lower");
        QTest::addColumn<double>("upper");
        QTest::addColumn<bool>("valid");
        QTest::newRow("100 to 50 refused") << 100.0 << 50.0 << false;
        QTest::newRow("100 to 0 accepted") << 100.0 << 0.0 << true;
        QTest::newRow("0 to 50 accepted") << 0.0 << 50.0 << true;
        QTest::newRow("100 to 100 accepted") << 100.0 << 100.0 << true;
        QTest::newRow("50 to 100 accepted") << 50.0 << 100.0 << true;
    }
    void levelInterval()
    {
        QFETCH(double, lower);
        QFETCH(double, upper);
        QFETCH(bool, valid);
        QCOMPARE(cardcalc::levelIntervalValid(lower, upper), valid);
    }

    void promotionDescription()
    {
        QCOMPARE(cardcalc::promotionDescription(0, QStringLiteral("1.1")),
                 QStringLiteral("实际款 = 所付存款*1.1"));
        QCOMPARE(cardcalc::promotionDescription(1, QStringLiteral("500"), QStringLiteral("50")),
                 QStringLiteral("累计消费 500元，转现金 50元"));
        QCOMPARE(cardcalc::promotionDescription(2, QStringLiteral("100"), QStringLiteral("10")),
                 QStringLiteral("交费 100元，可消费 10次"));
    }

    // The money box: typing is filtered by the box's own format.
    void moneyBoxTyping_data()
    {
        QTest::addColumn<int>("decimals");
        QTest::addColumn<bool>("allowNegative");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<double>("value");
        QTest::newRow("letters refused") << 4 << true << "1a2b.c5" << 12.5;
        QTest::newRow("fifth decimal refused") << 4 << true << "1.23456" << 1.2345;
        QTest::newRow("third decimal of a calculator box") << 2 << true << "7.129" << 7.12;
        QTest::newRow("no point in a whole-number box") << 0 << true << "12.5" << 125.0;
        QTest::newRow("minus accepted") << 4 << true << "-100" << -100.0;
        QTest::newRow("minus refused") << 2 << false << "-0.8" << 0.8;
        QTest::newRow("second point refused") << 4 << true << "1.2.3" << 1.23;
        QTest::newRow("blanks and signs refused") << 4 << true << " +5e3" << 53.0;
    }
    void moneyBoxTyping()
    {
        QFETCH(int, decimals);
        QFETCH(bool, allowNegative);
        QFETCH(QString, typed);
        QFETCH(double, value);
        QWidget host;
        TMoneyEdit box(&host, decimals);
        box.setAllowNegative(allowNegative);
        box.setDisplayFormat(QStringLiteral("￥,0.00##;-￥,0.00##"));
        host.show();
        QTest::keyClicks(&box, typed);
        QCOMPARE(box.value(), value);
        QVERIFY(box.acceptsText(box.text()));
    }

    void moneyBoxDisplayAndRange()
    {
        QWidget host;
        TMoneyEdit box(&host, 4);
        box.setDisplayFormat(QStringLiteral("￥,0.00##;-￥,0.00##"));
        box.setValue(1234.5);
        QCOMPARE(box.text(), QStringLiteral("￥1,234.50"));
        box.setValue(-0.123456);
        QCOMPARE(box.value(), -0.1235);
        QCOMPARE(box.text(), QStringLiteral("-￥0.1235"));
        // A limited box brings a value outside to the nearer bound.
        box.setRange(0, 1);
        box.setValue(1.7);
        QCOMPARE(box.value(), 1.0);
        box.setValue(-3);
        QCOMPARE(box.value(), 0.0);
        // Typed text cannot be pasted in with letters either.
        box.clearRange();
        box.setValue(5);
        host.show();
        QTest::keyClicks(&box, QStringLiteral("9"));
        box.insert(QStringLiteral("x1"));
        QCOMPARE(box.value(), 9.0);
    }
};

QTEST_MAIN(TestCardCalc)
#include "test_cardcalc.moc"
