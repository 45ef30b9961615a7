#include "core/calc.h"
#include "core/support.h"

#include <QtTest>

class TestCalc : public QObject
{
    Q_OBJECT
private slots:
    void moneyToCapitals_data()
    {
        QTest::addColumn<double>("amount");
        QTest::addColumn<QString>("expected");
        QTest::newRow("1234.56") << 1234.56 << QStringLiteral("壹千贰佰叁拾肆元伍角陆分");
        QTest::newRow("100") << 100.0 << QStringLiteral("壹佰零拾零元整");
        QTest::newRow("20.05") << 20.05 << QStringLiteral("贰拾零元零角伍分");
        QTest::newRow("0.5") << 0.5 << QStringLiteral("零元伍角零分");
        QTest::newRow("0") << 0.0 << QStringLiteral("零元整");
        QTest::newRow("1e9") << 1000000000.0 << QStringLiteral("壹十零亿零千零佰零拾零万零千零佰零拾零元整");
        QTest::newRow("rounds to two decimals") << 2.675 << QStringLiteral("贰元陆角捌分");
        QTest::newRow("12 integer digits") << 123456789012.0
                                           << QStringLiteral("壹千贰佰叁十肆亿伍千陆佰柒拾捌万玖千零佰壹拾贰元整");
    }
    void moneyToCapitals()
    {
        QFETCH(double, amount);
        QFETCH(QString, expected);
        QCOMPARE(MoneyToCapitals(amount), expected);
    }

    void nextBillCode_data()
    {
        QTest::addColumn<QString>("maxFound");
        QTest::addColumn<QString>("expected");
        QTest::newRow("first of the day") << QString() << QStringLiteral("XF20240131001");
        QTest::newRow("after 007") << QStringLiteral("XF20240131007") << QStringLiteral("XF20240131008");
        QTest::newRow("after 099") << QStringLiteral("XF20240131099") << QStringLiteral("XF20240131100");
        QTest::newRow("past 999 keeps the width") << QStringLiteral("XF20240131999")
                                                  << QStringLiteral("XF20240131000");
    }
    void nextBillCode()
    {
        QFETCH(QString, maxFound);
        QFETCH(QString, expected);
        QCOMPARE(calc::nextBillCode(maxFound, QStringLiteral("XF"), QDate(2024, 1, 31), 3), expected);
    }

    void nextTreeCode_data()
    {
        QTest::addColumn<QString>("code");
        QTest::addColumn<QString>("maxFound");
        QTest::addColumn<int>("mode");
        QTest::addColumn<QString>("expected");
        QTest::newRow("first node of an empty tree") << QString() << QString() << 2 << QStringLiteral("001");
        QTest::newRow("first sibling, empty tree") << QStringLiteral("001") << QString() << 1 << QStringLiteral("001");
        QTest::newRow("sibling of 001 with 005 last") << QStringLiteral("001") << QStringLiteral("005") << 1
                                                      << QStringLiteral("006");
        QTest::newRow("sibling found below is cut") << QStringLiteral("001") << QStringLiteral("005002") << 1
                                                    << QStringLiteral("006");
        QTest::newRow("first child of 002") << QStringLiteral("002") << QStringLiteral("002") << 2
                                            << QStringLiteral("002001");
        QTest::newRow("child when last child has children")
            << QStringLiteral("001") << QStringLiteral("001002001") << 2 << QStringLiteral("001003");
    }
    void nextTreeCode()
    {
        QFETCH(QString, code);
        QFETCH(QString, maxFound);
        QFETCH(int, mode);
        QFETCH(QString, expected);
        QCOMPARE(calc::nextTreeCode(code, maxFound, mode), expected);
    }

    void backupSchedule_data()
    {
        QTest::addColumn<int>("ibak");
        QTest::addColumn<QDate>("day");
        QTest::addColumn<bool>("due");
        QTest::newRow("never") << 0 << QDate(2024, 1, 1) << false;
        QTest::newRow("every start") << 1 << QDate(2024, 1, 2) << true;
        QTest::newRow("Mondays, on a Sunday") << 2 << QDate(2024, 3, 3) << false;
        QTest::newRow("Mondays, on a Monday") << 2 << QDate(2024, 3, 4) << true;
        QTest::newRow("first of month, on the 1st") << 3 << QDate(2024, 3, 1) << true;
        QTest::newRow("first of month, on the 2nd") << 3 << QDate(2024, 3, 2) << false;
        QTest::newRow("unknown value 7") << 7 << QDate(2024, 3, 4) << false;
        QTest::newRow("negative value") << -1 << QDate(2024, 3, 4) << false;
    }
    void backupSchedule()
    {
        QFETCH(int, ibak);
        QFETCH(QDate, day);
        QFETCH(bool, due);
        QCOMPARE(calc::backupDue(ibak, day), due);
    }

    void imageFileKind_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("kind");
        QTest::newRow("bmp") << QStringLiteral("a.BMP") << 1;
        QTest::newRow("jpg") << QStringLiteral("/x/y/photo.jpg") << 2;
        QTest::newRow("jpeg") << QStringLiteral("photo.JPEG") << 2;
        QTest::newRow("gif") << QStringLiteral("p.gif") << 3;
        QTest::newRow("png") << QStringLiteral("p.png") << 0;
        QTest::newRow("no extension") << QStringLiteral("photo") << 0;
    }
    void imageFileKind()
    {
        QFETCH(QString, name);
        QFETCH(int, kind);
        QCOMPARE(ImageFileKind(name), kind);
    }

    void roundHalfAwayFromZero_data()
    {
        QTest::addColumn<double>("value");
        QTest::addColumn<int>("decimals");
        QTest::addColumn<double>("expected");
        QTest::newRow("2.25 to 1") << 2.25 << 1 << 2.3;
        QTest::newRow("-2.25 to 1") << -2.25 << 1 << -2.3;
        QTest::newRow("3.333333 to 2") << 10.0 / 3.0 << 2 << 3.33;
        QTest::newRow("1.005 to 2") << 1.005 << 2 << 1.01;
        QTest::newRow("0.00005 to 4") << 0.00005 << 4 << 0.0001;
    }
    void roundHalfAwayFromZero()
    {
        QFETCH(double, value);
        QFETCH(int, decimals);
        QFETCH(double, expected);
        QCOMPARE(calc::roundTo(value, decimals), expected);
    }

    void passwordTransformRoundTrips()
    {
        const QStringList samples{QString(), QStringLiteral("a"), QStringLiteral(" x "), QStringLiteral("密码123"),
                                  QString(300, QLatin1Char('z')), QStringLiteral("'\";\\%")};
        for (const QString& p : samples) {
            QCOMPARE(GetPass(SavePass(p)), p);
            if (!p.isEmpty())
                QVERIFY(SavePass(p) != p);
        }
        QCOMPARE(SavePass(QString()), QString());
        QCOMPARE(GetPass(QString()), QString());
    }
};

QTEST_GUILESS_MAIN(TestCalc)
#include "test_calc.moc"
