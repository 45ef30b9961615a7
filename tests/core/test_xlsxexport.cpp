#include "core/xlsxexport.h"
#include "testenv.h"

#include <QProcess>
#include <QtTest>

class TestXlsxExport : public QObject
{
    Q_OBJECT
private slots:
    void excelFormats_data()
    {
        QTest::addColumn<QString>("display");
        QTest::addColumn<QString>("excel");
        QTest::newRow("none") << QString() << QStringLiteral("@");
        QTest::newRow("money") << QStringLiteral("￥,0.00##;-￥,0.00##")
                               << QStringLiteral("\"￥\"#,##0.00##;-\"￥\"#,##0.00##");
        QTest::newRow("number") << QStringLiteral(",0.##;-,0.##") << QStringLiteral("#,##0.##;-#,##0.##");
        QTest::newRow("plain") << QStringLiteral("0.00##") << QStringLiteral("0.00##");
        QTest::newRow("date") << QStringLiteral("yyyy-MM-dd") << QStringLiteral("yyyy-mm-dd");
        QTest::newRow("stamp") << QStringLiteral("yyyy-MM-dd hh:nn:ss") << QStringLiteral("yyyy-mm-dd hh:mm:ss");
    }
    void excelFormats()
    {
        QFETCH(QString, display);
        QFETCH(QString, excel);
        QCOMPARE(xlsx::excelFormat(display), excel);
    }

    void exportWritesAWorkbookAndOpensIt()
    {
        TestEnv env;
        QString opened;
        TdmData::setOpenFileHandler([&opened](const QString& p) {
            opened = p;
            return true;
        });
        ExportTable t;
        t.titles = {QStringLiteral("会员卡号"), QStringLiteral("出生日期"), QStringLiteral("余额")};
        t.formats = {QString(), QStringLiteral("yyyy-MM-dd"), QStringLiteral("￥,0.00##;-￥,0.00##")};
        t.rows = {{QStringLiteral("0001"), QStringLiteral("1900-08-14"), 12.5},
                  {QStringLiteral("O'Neil"), QStringLiteral("1988-02-29"), -3.0}};
        QVERIFY(env.dm().ExportGridToExcel(t, QStringLiteral("会员资料")));
        QVERIFY(opened.endsWith(QStringLiteral(".xlsx")));
        // The sheet name and texts are inside the package (zip of XML parts).
        QProcess unzip;
        unzip.start(QStringLiteral("python3"),
                    {QStringLiteral("-c"),
                     QStringLiteral("import sys,zipfile;z=zipfile.ZipFile(sys.argv[1]);"
                                    "print(z.read('xl/workbook.xml').decode());print(z.read('xl/sharedStrings.xml').decode());"
                                    "print(z.read('xl/worksheets/sheet1.xml').decode())"),
                     opened});
        QVERIFY(unzip.waitForFinished(20000));
        const QString xml = QString::fromUtf8(unzip.readAllStandardOutput());
        QVERIFY2(xml.contains(QStringLiteral("name=\"会员资料\"")), qPrintable(xml.left(400)));
        QVERIFY(xml.contains(QStringLiteral("会员卡号")));
        QVERIFY(xml.contains(QStringLiteral("O&apos;Neil")) || xml.contains(QStringLiteral("O'Neil")));
        QVERIFY(!xml.contains(QStringLiteral("1900-08-14")));
        QVERIFY(xml.contains(QStringLiteral("<v>12.5</v>")));
        QFile::remove(opened);
        TdmData::setOpenFileHandler(nullptr);
    }

    void missingSpreadsheetProgramIsReported()
    {
        TestEnv env;
        TdmData::setOpenFileHandler([](const QString&) { return false; });
        ExportTable t;
        t.titles = {QStringLiteral("a")};
        t.rows = {{1}};
        QVERIFY(!env.dm().ExportGridToExcel(t, QStringLiteral("s")));
        QCOMPARE(env.mess().last(), QStringLiteral("系统中的MS Excel软件没有安装或安装不正确！"));
        TdmData::setOpenFileHandler(nullptr);
    }
};

QTEST_MAIN(TestXlsxExport)
#include "test_xlsxexport.moc"
