// Laying templates out into pages, and what the pages hold once painted,
// exported and printed to PDF.

#include "report/reportengine.h"
#include "report/reportexport.h"
#include "reportfixtures.h"
#include "testenv.h"

#include <QDir>
#include <QFile>
#include <QFontDatabase>
#include <QImage>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

using namespace report;
using fixtures::band;
using fixtures::text;

namespace {

TPreparedReport prepare(const TReportTemplate& t, const TDataSet* frxDM, const TVariableSource& vars = {})
{
    TDataSources data;
    if (frxDM)
        data.insert(QStringLiteral("frxDM"), frxDM);
    return prepareReport(t, data, vars);
}

const TRenderItem* findText(const TPreparedReport& r, int page, const QString& text)
{
    for (const TRenderItem& it : r.pages[page].items)
        if (it.kind == TRenderItem::Text && r.itemText(it) == text)
            return &it;
    return nullptr;
}

QString pdfText(const QString& pdf)
{
    QProcess p;
    p.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
    if (!p.waitForFinished(20000))
        return {};
    return QString::fromUtf8(p.readAllStandardOutput());
}

} // namespace

class TestReportEngine : public QObject
{
    Q_OBJECT

private slots:
    void dataBandRepeatsPerRow();
    void paginatesWithHeaderAndPageCount();
    void groupAndSummarySums();
    void detailRowsFollowTheirMaster();
    void variablesAreAskedThroughTheCallback();
    void missingFieldPrintsObjectEmpty();
    void growingTextPushesObjectsDown();
    void labelSheetFillsColumns();
    void templateWithoutBandsGivesOneEmptyPage();
    void pdfHoldsChineseText();
    void picturesOnePerPage();
    void csvAndTextExports();
};

void TestReportEngine::dataBandRepeatsPerRow()
{
    const auto set = fixtures::members(3);
    const TPreparedReport r = prepare(fixtures::memberList(), set.get());
    QCOMPARE(r.pageCount(), 1);
    const QStringList texts = r.pageTexts(0);
    QCOMPARE(texts, (QStringList{QStringLiteral("会员列表"), QStringLiteral("1 / 1"), QStringLiteral("姓名"),
                                 QStringLiteral("会员001"), QStringLiteral("1.00"), QStringLiteral("会员002"),
                                 QStringLiteral("2.00"), QStringLiteral("会员003"), QStringLiteral("3.00"),
                                 QStringLiteral("合计：6"), QStringLiteral("本页小计：6")}));
    // Rows follow one another by the band's height.
    const TRenderItem* first = findText(r, 0, QStringLiteral("会员001"));
    const TRenderItem* second = findText(r, 0, QStringLiteral("会员002"));
    QVERIFY(first && second);
    QCOMPARE(second->rect.top() - first->rect.top(), 6.0);
}

void TestReportEngine::paginatesWithHeaderAndPageCount()
{
    const auto set = fixtures::members(300);
    const TReportTemplate t = fixtures::memberList();
    const TPreparedReport r = prepare(t, set.get());
    // 277 mm of body minus header (10), column header (6) and footer (8): 42 rows a page.
    QCOMPARE(r.pageCount(), 8);
    int next = 1;
    double pageSum = 0;
    for (int p = 0; p < r.pageCount(); ++p) {
        const QStringList texts = r.pageTexts(p);
        QCOMPARE(texts.value(0), QStringLiteral("会员列表"));
        QCOMPARE(texts.value(1), QStringLiteral("%1 / 8").arg(p + 1));
        QCOMPARE(texts.value(2), QStringLiteral("姓名"));
        // Rows continue where the previous page stopped; the page sum covers this page's rows.
        double sum = 0;
        for (const QString& s : texts) {
            if (s == QStringLiteral("会员%1").arg(next, 3, 10, QLatin1Char('0'))) {
                sum += next;
                ++next;
            }
        }
        QCOMPARE(texts.last(), QStringLiteral("本页小计：%1").arg(sum));
        pageSum += sum;
        // Nothing reaches into the page footer.
        const TRenderItem* footer = findText(r, p, texts.last());
        QVERIFY(footer);
        for (const TRenderItem& it : r.pages[p].items)
            if (&it != footer)
                QVERIFY2(it.rect.bottom() <= footer->rect.top() + 0.01, qPrintable(r.itemText(it)));
    }
    QCOMPARE(next, 301);
    QCOMPARE(pageSum, 45150.0);
    QVERIFY(r.pageTexts(7).contains(QStringLiteral("合计：45150")));
}

void TestReportEngine::groupAndSummarySums()
{
    const auto set = fixtures::dataSet(
        {QStringLiteral("F_type"), QStringLiteral("F_name"), QStringLiteral("F_totalprice")},
        {{QStringLiteral("金卡"), QStringLiteral("甲"), 10.5},
         {QStringLiteral("金卡"), QStringLiteral("乙"), 4.5},
         {QStringLiteral("银卡"), QStringLiteral("丙"), -2.25},
         {QStringLiteral("银卡"), QStringLiteral("丁"), QVariant()},
         {QStringLiteral("普通"), QStringLiteral("戊"), 1000}});
    TReportTemplate t;
    TReportBand header =
        band(BandKind::GroupHeader, 6,
             {text(QStringLiteral("G"), QRectF(0, 0, 80, 6), QStringLiteral("类别：[frxDM.\"F_type\"]"))});
    header.groupField = QStringLiteral("F_type");
    t.bands << header
            << band(BandKind::MasterData, 6,
                    {text(QStringLiteral("N"), QRectF(0, 0, 80, 6), QStringLiteral("[frxDM.\"F_name\"]"))},
                    QStringLiteral("frxDM"))
            << band(BandKind::GroupFooter, 6,
                    {text(QStringLiteral("S"), QRectF(0, 0, 120, 6),
                          QStringLiteral(
                              "[frxDM.\"F_type\"]小计：[SUM(frxDM.\"F_totalprice\")] 共[COUNT(frxDM)]人"))})
            << band(BandKind::ColumnFooter, 6,
                    {text(QStringLiteral("C"), QRectF(0, 0, 120, 6),
                          QStringLiteral(
                              "最大 [MAX(frxDM.\"F_totalprice\")] 最小 [MIN(frxDM.\"F_totalprice\")]"))})
            << band(BandKind::ReportSummary, 6,
                    {text(QStringLiteral("T"), QRectF(0, 0, 120, 6),
                          QStringLiteral("合计：[SUM(frxDM.\"F_totalprice\")]"))});
    t.bands[2].objects[0].displayFormat = QStringLiteral("￥,0.00##;-￥,0.00##");
    t.bands[4].objects[0].displayFormat = QStringLiteral("￥,0.00##;-￥,0.00##");
    const TPreparedReport r = prepare(t, set.get());
    QCOMPARE(r.pageTexts(0),
             (QStringList{QStringLiteral("类别：金卡"), QStringLiteral("甲"), QStringLiteral("乙"),
                          QStringLiteral("金卡小计：￥15.00 共2人"), QStringLiteral("类别：银卡"),
                          QStringLiteral("丙"), QStringLiteral("丁"),
                          QStringLiteral("银卡小计：-￥2.25 共2人"), QStringLiteral("类别：普通"),
                          QStringLiteral("戊"), QStringLiteral("普通小计：￥1,000.00 共1人"),
                          QStringLiteral("最大 1000 最小 -2.25"), QStringLiteral("合计：￥1,012.75")}));
}

void TestReportEngine::detailRowsFollowTheirMaster()
{
    const auto bills = fixtures::dataSet({QStringLiteral("F_code"), QStringLiteral("F_totalprice")},
                                         {{QStringLiteral("XF001"), 30.0}, {QStringLiteral("XF002"), 12.0}});
    const auto lines = fixtures::dataSet({QStringLiteral("F_Code"), QStringLiteral("F_GoodName")},
                                         {{QStringLiteral("XF002"), QStringLiteral("洗发水")},
                                          {QStringLiteral("XF001"), QStringLiteral("理发")},
                                          {QStringLiteral("XF001"), QStringLiteral("染发")},
                                          {QStringLiteral("XF009"), QStringLiteral("别人的")}});
    TReportTemplate t;
    TReportBand detail =
        band(BandKind::DetailData, 5,
             {text(QStringLiteral("L"), QRectF(10, 0, 60, 5), QStringLiteral("[frxDetail2.\"F_GoodName\"]"))},
             QStringLiteral("frxDetail2"));
    detail.masterField = QStringLiteral("F_code");
    detail.detailField = QStringLiteral("F_Code");
    t.bands << band(BandKind::MasterData, 5,
                    {text(QStringLiteral("B"), QRectF(0, 0, 60, 5),
                          QStringLiteral("[frxDetail1.\"F_code\"]"))},
                    QStringLiteral("frxDetail1"))
            << detail;
    TDataSources data{{QStringLiteral("frxDetail1"), bills.get()},
                      {QStringLiteral("frxDetail2"), lines.get()}};
    const TPreparedReport r = prepareReport(t, data, {});
    QCOMPARE(r.pageTexts(0),
             (QStringList{QStringLiteral("XF001"), QStringLiteral("理发"), QStringLiteral("染发"),
                          QStringLiteral("XF002"), QStringLiteral("洗发水")}));
}

void TestReportEngine::variablesAreAskedThroughTheCallback()
{
    const auto set = fixtures::members(2);
    TReportTemplate t;
    t.declareVariables(QStringLiteral("自定义变量"),
                       {QStringLiteral("memoDate"), QStringLiteral("sCurKHname")});
    t.variables[1].value = QStringLiteral("默认名");
    t.bands << band(BandKind::ReportTitle, 8,
                    {text(QStringLiteral("D"), QRectF(0, 0, 150, 8), QStringLiteral("[memoDate]")),
                     text(QStringLiteral("K"), QRectF(0, 8, 150, 8), QStringLiteral("客户：[sCurKHname]")),
                     text(QStringLiteral("U"), QRectF(0, 16, 150, 8), QStringLiteral("[未声明]|"))});
    QStringList asked;
    const TPreparedReport r = prepare(t, set.get(), [&asked](const QString& name) -> QVariant {
        asked << name;
        if (name == QLatin1String("memoDate"))
            return QStringLiteral("消费日期：自 2024年01月01日 至 2024年01月31日");
        return {};
    });
    QCOMPARE(asked, (QStringList{QStringLiteral("memoDate"), QStringLiteral("sCurKHname"),
                                 QStringLiteral("未声明")}));
    // A variable the window does not answer keeps the template's value; an unknown one is empty.
    QCOMPARE(r.pageTexts(0), (QStringList{QStringLiteral("消费日期：自 2024年01月01日 至 2024年01月31日"),
                                          QStringLiteral("客户：默认名"), QStringLiteral("|")}));
}

void TestReportEngine::missingFieldPrintsObjectEmpty()
{
    const auto set = fixtures::members(1);
    TReportTemplate t;
    t.bands << band(
        BandKind::MasterData, 6,
        {text(QStringLiteral("Bad"), QRectF(0, 0, 60, 6), QStringLiteral("姓名：[frxDM.\"F_nosuch\"]")),
         text(QStringLiteral("NoSet"), QRectF(0, 0, 60, 6), QStringLiteral("[frxNone.\"F_name\"]")),
         text(QStringLiteral("Sum"), QRectF(0, 0, 60, 6), QStringLiteral("[SUM(frxDM.\"F_nosuch\")]")),
         text(QStringLiteral("Good"), QRectF(60, 0, 60, 6), QStringLiteral("[frxDM.\"F_NAME\"]"))},
        QStringLiteral("frxDM"));
    t.bands[0].objects[0].frame = FrameAll;
    const TPreparedReport r = prepare(t, set.get());
    QCOMPARE(r.pageTexts(0), QStringList{QStringLiteral("会员001")});
    // The empty object still draws its frame.
    QCOMPARE(r.pages[0].items.size(), 4);
    QCOMPARE(r.pages[0].items[0].frame, int(FrameAll));
}

void TestReportEngine::growingTextPushesObjectsDown()
{
    const QString address =
        QStringLiteral("北京市海淀区中关村大街一号院二号楼三单元四层五零六室转交会员服务中心");
    const auto set = fixtures::dataSet({QStringLiteral("F_address")}, {{address}, {QStringLiteral("短")}});
    TReportTemplate t;
    TReportObject grow =
        text(QStringLiteral("Addr"), QRectF(0, 0, 30, 5), QStringLiteral("[frxDM.\"F_address\"]"));
    grow.canGrow = true;
    TReportObject side = text(QStringLiteral("Side"), QRectF(30, 0, 20, 5), QStringLiteral("旁"));
    side.stretchToBand = true;
    t.bands << band(BandKind::MasterData, 11,
                    {grow, side, text(QStringLiteral("Below"), QRectF(0, 6, 30, 5), QStringLiteral("下方"))},
                    QStringLiteral("frxDM"));
    const TPreparedReport r = prepare(t, set.get());
    const auto& items = r.pages[0].items;
    QCOMPARE(items.size(), 6);
    const TRenderItem& addr = items[0];
    // Chinese wraps character by character: several lines, each within the box.
    QVERIFY(addr.lines.size() >= 4);
    QCOMPARE(addr.lines.join(QString()), address);
    QVERIFY(addr.rect.height() > 15);
    QVERIFY(!addr.clip);
    // The object below moves down by the growth; the neighbour stretches to the band's bottom.
    const double growth = addr.rect.height() - 5;
    QCOMPARE(items[2].rect.top(), 10.0 + 6 + growth);
    QCOMPARE(items[1].rect.bottom(), 10.0 + 11 + growth);
    // The second row starts below the grown band and keeps its design size.
    QCOMPARE(items[3].rect.top(), 10.0 + 11 + growth);
    QCOMPARE(items[3].rect.height(), 5.0);
}

void TestReportEngine::labelSheetFillsColumns()
{
    const auto set = fixtures::members(5);
    TReportTemplate t;
    TReportBand labels =
        band(BandKind::MasterData, 30,
             {text(QStringLiteral("N"), QRectF(2, 2, 60, 6), QStringLiteral("[frxDM.\"F_name\"]"))},
             QStringLiteral("frxDM"));
    labels.columns = 2;
    labels.columnGap = 10;
    t.bands << labels;
    const TPreparedReport r = prepare(t, set.get());
    QCOMPARE(r.pageCount(), 1);
    const double column = (190.0 - 10.0) / 2.0;
    const struct
    {
        const char* name;
        double x;
        double y;
    } expected[] = {{"会员001", 12, 12},
                    {"会员002", 12 + column + 10, 12},
                    {"会员003", 12, 42},
                    {"会员004", 12 + column + 10, 42},
                    {"会员005", 12, 72}};
    for (const auto& e : expected) {
        const TRenderItem* it = findText(r, 0, QString::fromUtf8(e.name));
        QVERIFY2(it, e.name);
        QCOMPARE(it->rect.topLeft(), QPointF(e.x, e.y));
    }
}

void TestReportEngine::templateWithoutBandsGivesOneEmptyPage()
{
    const auto set = fixtures::members(3);
    const TPreparedReport r = prepare(TReportTemplate(), set.get());
    QCOMPARE(r.pageCount(), 1);
    QVERIFY(r.pages[0].items.isEmpty());
    // A data band on a data set that has no rows prints nothing of its section.
    const auto empty = fixtures::members(0);
    const TPreparedReport e = prepare(fixtures::memberList(), empty.get());
    QCOMPARE(e.pageCount(), 1);
    QCOMPARE(e.pageTexts(0), (QStringList{QStringLiteral("会员列表"), QStringLiteral("1 / 1"),
                                          QStringLiteral("合计：0"), QStringLiteral("本页小计：0")}));
}

void TestReportEngine::pdfHoldsChineseText()
{
    if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
        QSKIP("pdftotext is not installed");
    const auto set = fixtures::members(60);
    TReportTemplate t = fixtures::memberList();
    // A family the machine lacks falls back to an installed one with Chinese characters.
    t.bands[0].objects[0].font.family = QStringLiteral("宋体");
    QVERIFY(QFontDatabase::writingSystems(resolveFontFamily(QStringLiteral("宋体")))
                .contains(QFontDatabase::SimplifiedChinese));
    QTemporaryDir dir;
    const QString pdf = dir.filePath(QStringLiteral("list.pdf"));
    const TPreparedReport r = prepare(t, set.get());
    QVERIFY(exportPdf(r, pdf));
    const QString text = pdfText(pdf);
    QVERIFY2(text.contains(QStringLiteral("会员列表")), qPrintable(text.left(300)));
    QVERIFY(text.contains(QStringLiteral("会员060")));
    // The page count is filled in when painted (pdftotext may drop the blanks).
    QVERIFY2(QString(text).remove(QLatin1Char(' ')).contains(QStringLiteral("2/2")),
             qPrintable(text.left(400)));
    QCOMPARE(text.count(QLatin1Char('\f')), 2);
    QVERIFY(!exportPdf(r, dir.filePath(QStringLiteral("no/such/folder/x.pdf"))));
}

void TestReportEngine::picturesOnePerPage()
{
    const auto set = fixtures::members(60);
    const TPreparedReport r = prepare(fixtures::memberList(), set.get());
    QTemporaryDir dir;
    for (const QString& ext : {QStringLiteral("png"), QStringLiteral("jpg"), QStringLiteral("bmp")}) {
        const QStringList files = exportImages(r, dir.filePath(QStringLiteral("list.") + ext), 60.0);
        QCOMPARE(files, (QStringList{dir.filePath(QStringLiteral("list_1.") + ext),
                                     dir.filePath(QStringLiteral("list_2.") + ext)}));
        const QImage img(files.first());
        QCOMPARE(img.size(), QSize(497, 702)); // A4 at 60 dpi
        // Text was drawn: some dark pixels in the header area.
        int dark = 0;
        for (int y = 24; y < 45; ++y)
            for (int x = 24; x < 200; ++x)
                dark += qGray(img.pixel(x, y)) < 128 ? 1 : 0;
        QVERIFY2(dark > 20, qPrintable(ext));
    }
}

void TestReportEngine::csvAndTextExports()
{
    const auto set = fixtures::dataSet({QStringLiteral("F_name"), QStringLiteral("F_totalprice")},
                                       {{QStringLiteral("张;三"), 1.5}, {QStringLiteral("李\"四\""), 2.0}});
    const TPreparedReport r = prepare(fixtures::memberList(), set.get());
    QTemporaryDir dir;
    QVERIFY(exportCsv(r, dir.filePath(QStringLiteral("a.csv"))));
    QFile csv(dir.filePath(QStringLiteral("a.csv")));
    QVERIFY(csv.open(QIODevice::ReadOnly));
    QCOMPARE(QString::fromUtf8(csv.readAll()),
             QStringLiteral(
                 "会员列表;1 / 1\n姓名\n\"张;三\";1.50\n\"李\"\"四\"\"\";2.00\n合计：3.5\n本页小计：3.5\n"));
    QVERIFY(exportText(r, dir.filePath(QStringLiteral("a.txt"))));
    QFile txt(dir.filePath(QStringLiteral("a.txt")));
    QVERIFY(txt.open(QIODevice::ReadOnly));
    const QStringList lines = QString::fromUtf8(txt.readAll()).split(QLatin1Char('\n'));
    QVERIFY(lines.value(0).startsWith(QStringLiteral("     会员列表")));
    QVERIFY(lines.value(0).endsWith(QStringLiteral("1 / 1")));
    QVERIFY(exportHtml(r, dir.filePath(QStringLiteral("a.html"))));
    QFile html(dir.filePath(QStringLiteral("a.html")));
    QVERIFY(html.open(QIODevice::ReadOnly));
    const QString h = QString::fromUtf8(html.readAll());
    QVERIFY(h.contains(QStringLiteral("李&quot;四&quot;")));
    QVERIFY(h.contains(QStringLiteral("<div class=\"page\" style=\"width:210mm;height:297mm\">")));
}

QTEST_MAIN(TestReportEngine)
#include "test_reportengine.moc"
