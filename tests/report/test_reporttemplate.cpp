// Template files: saving and reading back, damaged files, missing files, and
// the templates shipped with the program.

#include "core/support.h"
#include "report/reportprint.h"
#include "report/reporttemplate.h"
#include "reportfixtures.h"
#include "testenv.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QtTest>

using namespace report;

namespace {

// Every kind of band and object with every property away from its default.
TReportTemplate richTemplate()
{
    TReportTemplate t = fixtures::memberList();
    t.title = QStringLiteral("全部属性");
    t.page = TReportPage{220.0, 110.0, true, 5.5, 6.0, 7.25, 8.0};
    t.declareVariables(QStringLiteral("自定义变量"),
                       {QStringLiteral("sCurKHname"), QStringLiteral("memoDate")});
    t.variables[0].value = QStringLiteral("默认");
    TReportBand& data = t.bands[2];
    data.currentRecordOnly = true;
    data.columns = 3;
    data.columnWidth = 60.5;
    data.columnGap = 2.5;
    data.startNewPage = true;
    TReportObject& o = data.objects[0];
    o.font = TReportFont{QStringLiteral("黑体"), 10.5, true, true, true, QColor(0x12, 0x34, 0x56)};
    o.hAlign = AlignRight;
    o.vAlign = AlignBottom;
    o.wordWrap = false;
    o.canGrow = true;
    o.stretchToBand = true;
    o.displayFormat = QStringLiteral("map:0=折扣卡;1=储值卡");
    o.frame = FrameLeft | FrameBottom;
    o.frameWidth = 0.5;
    o.frameColor = Qt::red;
    o.fillColor = QColor(0xEE, 0xEE, 0xEE);
    TReportObject line = fixtures::text(QStringLiteral("Line1"), QRectF(0, 5.5, 100, 0), QString());
    line.kind = ObjectKind::Line;
    TReportObject pic = fixtures::text(QStringLiteral("Pic1"), QRectF(100, 0, 20, 20), QString());
    pic.kind = ObjectKind::Picture;
    pic.picture = QByteArray("\x89PNG\r\n\x1a\nnot really", 18);
    pic.keepAspect = false;
    TReportObject field = fixtures::text(QStringLiteral("Photo"), QRectF(120, 0, 20, 25),
                                         QStringLiteral("[frxMain.\"F_empImage\"]"));
    field.kind = ObjectKind::FieldPicture;
    data.objects << line << pic << field;
    TReportBand group = fixtures::band(BandKind::GroupHeader, 7, {});
    group.groupField = QStringLiteral("F_type");
    TReportBand detail = fixtures::band(BandKind::DetailData, 5, {}, QStringLiteral("frxDetail1"));
    detail.masterField = QStringLiteral("F_ID");
    detail.detailField = QStringLiteral("F_empID");
    t.bands.insert(2, group);
    t.bands.insert(4, detail);
    t.bands.first().printOnFirstPage = false;
    return t;
}

void writeFile(const QString& path, const QByteArray& data)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(data);
}

// The names a window prints by.
const char* const kShippedNames[] = {
    "frMemXianqing",      "frMemList",      "frMemXingFeng",     "frMemBiaoqian",   "frXsRecEdit",
    "frXsRecEdit1",       "frDhbill",       "frGoodList",        "frAwokeFx",       "frAwokeFx1",
    "frAwokeFx2",         "frXsrecTotal",   "frXsrecDetail",     "frHyXuFeiDetail", "frHyXiaoFeiDetail",
    "frHyXiaoFeiDetail1", "frDHgoodDetail", "frKCgoodDetail",    "frGoodJTHdetail", "frGoodXFdetail",
    "frGoodXFdetail1",    "frHYxiaofeiFx",  "frHyJiaobanDetail",
};

} // namespace

class TestReportTemplate : public QObject
{
    Q_OBJECT

private slots:
    void savedTemplateReadsBackTheSame();
    void olderVersionReadsAndNewerIsRefused();
    void damagedFileGivesMessageAndEmptyReport_data();
    void damagedFileGivesMessageAndEmptyReport();
    void missingFileGivesEmptyReportSilently();
    void shippedTemplatesLoadAndPrint_data();
    void shippedTemplatesLoadAndPrint();
};

void TestReportTemplate::savedTemplateReadsBackTheSame()
{
    TestEnv env(false);
    const TReportTemplate t = richTemplate();
    QString error;
    QVERIFY(saveTemplateFile(t, templatePath(QStringLiteral("rich")), &error));
    TReportTemplate back;
    QCOMPARE(loadTemplateFile(templatePath(QStringLiteral("rich")), &back, &error), LoadStatus::Loaded);
    QVERIFY(back.bands.size() == t.bands.size());
    for (int i = 0; i < t.bands.size(); ++i)
        QVERIFY2(back.bands[i] == t.bands[i], qPrintable(t.bands[i].name));
    QVERIFY(back == t);
    // Saving again gives the same bytes.
    QCOMPARE(back.toJson(), t.toJson());
}

void TestReportTemplate::olderVersionReadsAndNewerIsRefused()
{
    QByteArray json = fixtures::memberList().toJson();
    TReportTemplate t;
    QString error;
    QVERIFY(t.fromJson(json, &error));
    json.replace("\"version\": 1", "\"version\": 2");
    QVERIFY(!t.fromJson(json, &error));
    QVERIFY2(error.contains(QStringLiteral("版本 2")), qPrintable(error));
    // The failed read leaves the model as it was.
    QCOMPARE(t, fixtures::memberList());
}

void TestReportTemplate::damagedFileGivesMessageAndEmptyReport_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QString>("reason");
    const QByteArray good = fixtures::memberList().toJson();
    QTest::newRow("not json") << QByteArray("<report/>") << QStringLiteral("格式错误");
    QTest::newRow("cut short") << good.left(good.size() / 2) << QStringLiteral("格式错误");
    QTest::newRow("binary") << QByteArray("\x00\xff\xfe\x01", 4) << QStringLiteral("格式错误");
    QTest::newRow("other json") << QByteArray("{\"a\": 1}") << QStringLiteral("不是报表模板");
    QTest::newRow("no version") << QByteArray(good).replace("\"version\": 1", "\"versio\": 1")
                                << QStringLiteral("缺少版本号");
    QTest::newRow("unknown band") << QByteArray(good).replace("\"pageHeader\"", "\"sideBar\"")
                                  << QStringLiteral("未知的区域类型");
    QTest::newRow("geometry text") << QByteArray(good).replace("\"geometry\": [", "\"geometry\": [\"x\",")
                                   << QStringLiteral("geometry");
    QTest::newRow("huge height") << QByteArray(good).replace("\"height\": 10,", "\"height\": 1e308,")
                                 << QStringLiteral("超出范围");
    QTest::newRow("margins too wide")
        << QByteArray(good).replace("\"margins\": [\n            10,", "\"margins\": [\n            205,")
        << QStringLiteral("页边距大于纸张");
    QTest::newRow("bad picture") << QByteArray(good).replace("\"name\": \"Head\",",
                                                             "\"name\": \"Head\", \"picture\": \"@@@\",")
                                 << QStringLiteral("图片数据已损坏");
}

void TestReportTemplate::damagedFileGivesMessageAndEmptyReport()
{
    QFETCH(QByteArray, content);
    QFETCH(QString, reason);
    TestEnv env(false);
    writeFile(templatePath(QStringLiteral("frBroken")), content);
    QDialog* shown = nullptr;
    const TShowHook old = setShowHook([&shown](QDialog& w) { shown = &w; });
    const auto set = fixtures::members(3);
    TReport r(QStringLiteral("frBroken"));
    QCOMPARE(r.loadStatus(), LoadStatus::Damaged);
    QCOMPARE(env.mess().messages.size(), 1);
    QCOMPARE(env.mess().messages[0].kind, int(mkError));
    const QString text = env.mess().messages[0].text;
    QVERIFY2(text.contains(templatePath(QStringLiteral("frBroken"))) && text.contains(reason),
             qPrintable(text));
    QVERIFY(r.reportTemplate().isEmpty());
    // Printing still shows an empty report.
    env.mess().clear();
    QVERIFY(PrintReport(QStringLiteral("frBroken"), set.get()));
    QVERIFY(shown);
    QCOMPARE(env.mess().messages.size(), 1);
    setShowHook(old);
}

void TestReportTemplate::missingFileGivesEmptyReportSilently()
{
    TestEnv env(false);
    TReport r(QStringLiteral("frNoSuch"));
    QCOMPARE(r.loadStatus(), LoadStatus::Missing);
    QVERIFY(env.mess().messages.isEmpty());
    const TPreparedReport p = r.prepare();
    QCOMPARE(p.pageCount(), 1);
    QVERIFY(p.pages[0].items.isEmpty());
}

void TestReportTemplate::shippedTemplatesLoadAndPrint_data()
{
    QTest::addColumn<QString>("name");
    for (const char* n : kShippedNames)
        QTest::newRow(n) << QString::fromLatin1(n);
}

void TestReportTemplate::shippedTemplatesLoadAndPrint()
{
    QFETCH(QString, name);
    const QString path = QStringLiteral(MM_QR_DIR "/") + name + templateFileSuffix();
    TReportTemplate t;
    QString error;
    QCOMPARE(loadTemplateFile(path, &t, &error), LoadStatus::Loaded);
    QVERIFY2(error.isEmpty(), qPrintable(error));
    QVERIFY(!t.isEmpty());
    QCOMPARE(t.variableCategory, QStringLiteral("自定义变量"));

    // Data sets with every field the template names, two rows each.
    static const QRegularExpression fieldRef(QStringLiteral(R"re(\[?(frx\w+)\."(\w+)"\]?)re"));
    QMap<QString, QStringList> fields;
    QString master;
    for (const TReportBand& b : t.bands) {
        if (!b.dataSet.isEmpty())
            fields[b.dataSet];
        if (b.kind == BandKind::MasterData)
            master = b.dataSet;
        for (const TReportObject& o : b.objects) {
            auto it = fieldRef.globalMatch(o.text);
            while (it.hasNext()) {
                const auto m = it.next();
                if (!fields[m.captured(1)].contains(m.captured(2)))
                    fields[m.captured(1)] << m.captured(2);
            }
        }
        if (!b.masterField.isEmpty()) {
            fields[master] << b.masterField;
            fields[b.dataSet] << b.detailField;
        }
    }
    std::vector<std::unique_ptr<TDataSet>> sets;
    TDataSources data;
    for (auto it = fields.cbegin(); it != fields.cend(); ++it) {
        QStringList names = it.value();
        names.removeDuplicates();
        if (names.isEmpty())
            names << QStringLiteral("F_ID");
        QVector<QVariantList> rows;
        for (int r = 0; r < 2; ++r) {
            QVariantList row;
            for (int c = 0; c < names.size(); ++c)
                row << QVariant(QStringLiteral("值%1").arg(r));
            rows << row;
        }
        sets.push_back(fixtures::dataSet(names, rows));
        data.insert(it.key(), sets.back().get());
    }
    const TPreparedReport p =
        prepareReport(t, data, [](const QString& v) { return QVariant(v + QStringLiteral("值")); });
    QVERIFY(p.pageCount() >= 1);
    QStringList texts;
    for (int i = 0; i < p.pageCount(); ++i)
        texts << p.pageTexts(i);
    QVERIFY2(texts.join(QString()).contains(QStringLiteral("值")), qPrintable(texts.join(QLatin1Char('|'))));
    // Every object lies inside the printable width.
    for (const TReportBand& b : t.bands)
        for (const TReportObject& o : b.objects)
            QVERIFY2(o.geometry.right() <= t.page.printableWidth() + 0.01, qPrintable(o.name));
}

QTEST_MAIN(TestReportTemplate)
#include "test_reporttemplate.moc"
