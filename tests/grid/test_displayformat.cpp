#include "core/grid/displayformat.h"

#include <QDateTime>
#include <QtTest>

class TestDisplayFormat : public QObject
{
    Q_OBJECT
private slots:
    void numbers_data();
    void numbers();
    void values_data();
    void values();
};

void TestDisplayFormat::numbers_data()
{
    QTest::addColumn<QString>("format");
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("expected");

    const QString money4 = QStringLiteral("￥,0.00##;-￥,0.00##");
    QTest::newRow("money4 positive") << money4 << 1234.5 << QStringLiteral("￥1,234.50");
    QTest::newRow("money4 negative rounds 4 places") << money4 << -1234.56789 << QStringLiteral("-￥1,234.5679");
    QTest::newRow("money4 zero") << money4 << 0.0 << QStringLiteral("￥0.00");
    QTest::newRow("money4 millions") << money4 << 1234567.891 << QStringLiteral("￥1,234,567.891");
    QTest::newRow("money4 tiny negative shows no minus") << money4 << -0.00001 << QStringLiteral("￥0.00");

    const QString plain = QStringLiteral(",0.##;-,0.##");
    QTest::newRow("plain two places") << plain << 2.25 << QStringLiteral("2.25");
    QTest::newRow("plain integer drops point") << plain << 3.0 << QStringLiteral("3");
    QTest::newRow("plain negative thousands") << plain << -1500.5 << QStringLiteral("-1,500.5");
    QTest::newRow("plain rounds half away from zero") << plain << 1.005 << QStringLiteral("1.01");
    QTest::newRow("plain negative half") << plain << -2.675 << QStringLiteral("-2.68");
    QTest::newRow("plain below one") << plain << 0.5 << QStringLiteral("0.5");
    QTest::newRow("plain carry into new digit") << plain << 999999.999 << QStringLiteral("1,000,000");

    const QString money2 = QStringLiteral("￥,0.00;-￥,0.00");
    QTest::newRow("money2 positive") << money2 << 88.0 << QStringLiteral("￥88.00");
    QTest::newRow("money2 negative") << money2 << -12345.678 << QStringLiteral("-￥12,345.68");
    QTest::newRow("money2 zero") << money2 << 0.0 << QStringLiteral("￥0.00");

    QTest::newRow("rate") << QStringLiteral("0.00##") << 0.85 << QStringLiteral("0.85");
    QTest::newRow("rate four places") << QStringLiteral("0.00##") << 0.123456 << QStringLiteral("0.1235");
    QTest::newRow("rate negative without section") << QStringLiteral("0.00##") << -1.5 << QStringLiteral("-1.50");
    QTest::newRow("rate no thousands") << QStringLiteral("0.00##") << 12345.0 << QStringLiteral("12345.00");

    const QString four = QStringLiteral(",0.####;-,0.####");
    QTest::newRow("four places") << four << 1234.56789 << QStringLiteral("1,234.5679");
    QTest::newRow("four places negative") << four << -0.1 << QStringLiteral("-0.1");

    QTest::newRow("zero section") << QStringLiteral("0.00;(0.00);'nil'") << 0.0 << QStringLiteral("nil");
    QTest::newRow("negative section in brackets") << QStringLiteral("0.00;(0.00);'nil'") << -3.0
                                                  << QStringLiteral("(3.00)");
    QTest::newRow("empty negative section falls back")
        << QStringLiteral("0.0;;z") << -3.0 << QStringLiteral("-3.0");
    QTest::newRow("quoted and literal text") << QStringLiteral("\"共\"0\"元\"") << 42.4 << QStringLiteral("共42元");
    QTest::newRow("mandatory integer digits") << QStringLiteral("000") << 7.0 << QStringLiteral("007");
    QTest::newRow("optional digits only") << QStringLiteral("#.##") << 0.5 << QStringLiteral(".5");
    QTest::newRow("no format") << QString() << 12.5 << QStringLiteral("12.5");
}

void TestDisplayFormat::numbers()
{
    QFETCH(QString, format);
    QFETCH(double, value);
    QFETCH(QString, expected);
    QCOMPARE(displayformat::formatNumber(value, format), expected);
}

void TestDisplayFormat::values_data()
{
    QTest::addColumn<QString>("format");
    QTest::addColumn<QVariant>("value");
    QTest::addColumn<QString>("expected");

    const QString day = QStringLiteral("yyyy-MM-dd");
    const QString stamp = QStringLiteral("yyyy-MM-dd hh:nn:ss");
    QTest::newRow("date text") << day << QVariant(QStringLiteral("2024-03-05")) << QStringLiteral("2024-03-05");
    QTest::newRow("date from stamp text") << day << QVariant(QStringLiteral("2024-03-05 14:07:09"))
                                          << QStringLiteral("2024-03-05");
    QTest::newRow("stamp with minutes") << stamp << QVariant(QStringLiteral("2024-03-05 14:07:09"))
                                        << QStringLiteral("2024-03-05 14:07:09");
    QTest::newRow("stamp of a date value") << stamp << QVariant(QDateTime(QDate(2024, 1, 31), QTime(8, 5, 3)))
                                           << QStringLiteral("2024-01-31 08:05:03");
    QTest::newRow("no date written") << day << QVariant(QStringLiteral("1900-08-14")) << QString();
    QTest::newRow("day before the bound") << day << QVariant(QDate(1901, 8, 13)) << QString();
    QTest::newRow("the bound itself") << day << QVariant(QDate(1901, 8, 14)) << QStringLiteral("1901-08-14");
    QTest::newRow("chinese date") << QStringLiteral("yyyy年MM月dd日") << QVariant(QStringLiteral("2024-01-01"))
                                  << QStringLiteral("2024年01月01日");
    QTest::newRow("month after hour is minutes") << QStringLiteral("hh:mm") << QVariant(QStringLiteral("2024-01-01 09:45:00"))
                                                 << QStringLiteral("09:45");
    QTest::newRow("null") << day << QVariant() << QString();
    QTest::newRow("not a date stays") << day << QVariant(QStringLiteral("abc")) << QStringLiteral("abc");
    QTest::newRow("null number") << QStringLiteral(",0.##") << QVariant(QMetaType(QMetaType::QString)) << QString();
    QTest::newRow("number stored as text") << QStringLiteral(",0.##;-,0.##") << QVariant(QStringLiteral("1500.5"))
                                           << QStringLiteral("1,500.5");
    QTest::newRow("integer value") << QStringLiteral("￥,0.00;-￥,0.00") << QVariant(qlonglong(-7))
                                   << QStringLiteral("-￥7.00");
    QTest::newRow("text under number format") << QStringLiteral(",0.##") << QVariant(QStringLiteral("n/a"))
                                              << QStringLiteral("n/a");
    QTest::newRow("integer without format") << QString() << QVariant(qlonglong(12)) << QStringLiteral("12");
    QTest::newRow("date value without format") << QString() << QVariant(QDate(1900, 8, 14)) << QString();
}

void TestDisplayFormat::values()
{
    QFETCH(QString, format);
    QFETCH(QVariant, value);
    QFETCH(QString, expected);
    QCOMPARE(displayformat::formatValue(value, format), expected);
}

QTEST_GUILESS_MAIN(TestDisplayFormat)
#include "test_displayformat.moc"
