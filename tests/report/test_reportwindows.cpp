// The printing routines and their windows: PrintReport, DesignReport,
// PrintGrid, DateRangeCaption, the preview, the designer and the report
// manager, driven through the show hook without a blocking event loop.

#include "core/support.h"
#include "core/ui_support.h"
#include "report/TFrmReportManager.h"
#include "report/TfrmReportDesigner.h"
#include "report/TfrmReportPreview.h"
#include "report/designitems.h"
#include "report/reportprint.h"
#include "reportfixtures.h"
#include "testenv.h"

#include <QAction>
#include <QCheckBox>
#include <QFile>
#include <QGraphicsView>
#include <QLineEdit>
#include <QListWidget>
#include <QMouseEvent>
#include <QPushButton>
#include <QTreeWidget>
#include <QUndoStack>
#include <QtTest>

using namespace report;

namespace {

// Installs a show hook for one test; every shown window is handed to `fn`.
class ShowCapture
{
public:
    explicit ShowCapture(std::function<void(QDialog&)> fn = {}) : m_fn(std::move(fn))
    {
        m_old = setShowHook([this](QDialog& w) {
            ++count;
            names << w.objectName();
            if (auto* p = qobject_cast<TfrmReportPreview*>(&w))
                prepared = p->preparedReport();
            if (m_fn)
                m_fn(w);
        });
    }
    ~ShowCapture() { setShowHook(m_old); }

    int count = 0;
    QStringList names;
    TPreparedReport prepared;

private:
    std::function<void(QDialog&)> m_fn;
    TShowHook m_old;
};

void mouseDrag(QGraphicsView* view, const QPointF& fromScene, const QPointF& toScene)
{
    QWidget* vp = view->viewport();
    const QPoint from = view->mapFromScene(fromScene);
    const QPoint to = view->mapFromScene(toScene);
    QMouseEvent press(QEvent::MouseButtonPress, from, vp->mapToGlobal(from), Qt::LeftButton, Qt::LeftButton,
                      Qt::NoModifier);
    QApplication::sendEvent(vp, &press);
    for (int i = 1; i <= 4; ++i) {
        const QPoint p = from + (to - from) * i / 4;
        QMouseEvent move(QEvent::MouseMove, p, vp->mapToGlobal(p), Qt::NoButton, Qt::LeftButton,
                         Qt::NoModifier);
        QApplication::sendEvent(vp, &move);
    }
    QMouseEvent release(QEvent::MouseButtonRelease, to, vp->mapToGlobal(to), Qt::LeftButton, Qt::NoButton,
                        Qt::NoModifier);
    QApplication::sendEvent(vp, &release);
}

} // namespace

class TestReportWindows : public QObject
{
    Q_OBJECT

private slots:
    void dateRangeCaption_data();
    void dateRangeCaption();
    void gridFooterText_data();
    void gridFooterText();
    void printReportShowsPreviewOnlyWithRows();
    void printReportUsesSharedVariableSourceWhileItsWindowLives();
    void printGridPrintsVisibleColumnsTitleAndFooter();
    void printGridFitModes();
    void previewNavigatesSearchesAndExports();
    void previewPageSetupLaysOutAgain();
    void designerEditsWithMouseUndoAndSavesRoundTrip();
    void designerInsertsFieldsAndPreviews();
    void reportManagerOpensChosenTemplate();
};

void TestReportWindows::dateRangeCaption_data()
{
    QTest::addColumn<bool>("fromTicked");
    QTest::addColumn<bool>("toTicked");
    QTest::addColumn<QString>("prefix");
    QTest::addColumn<QString>("caption");
    QTest::newRow("both ticked") << true << true << QStringLiteral("消费")
                                 << QStringLiteral("消费日期：自 2024年01月01日 至 2024年01月31日");
    QTest::newRow("none, blank prefix")
        << false << false << QString() << QStringLiteral("统计日期：自 启用系统 至 记帐最后一天");
    QTest::newRow("prefix of blanks")
        << false << true << QStringLiteral("  ") << QStringLiteral("统计日期：自 启用系统 至 2024年01月31日");
    QTest::newRow("from only") << true << false << QStringLiteral("兑换")
                               << QStringLiteral("兑换日期：自 2024年01月01日 至 记帐最后一天");
}

void TestReportWindows::dateRangeCaption()
{
    QFETCH(bool, fromTicked);
    QFETCH(bool, toTicked);
    QFETCH(QString, prefix);
    QFETCH(QString, caption);
    QCOMPARE(DateRangeCaption(fromTicked, QDate(2024, 1, 1), toTicked, QDate(2024, 1, 31), prefix), caption);
}

void TestReportWindows::gridFooterText_data()
{
    QTest::addColumn<QString>("footer");
    QTest::addColumn<QString>("printed");
    QTest::newRow("date") << QStringLiteral("date") << QStringLiteral("打印日期：2024年03月05日");
    QTest::newRow("other text") << QStringLiteral("制表：张三") << QStringLiteral("制表：张三");
    QTest::newRow("Date is text") << QStringLiteral("Date") << QStringLiteral("Date");
    QTest::newRow("blank") << QStringLiteral("   ") << QString();
}

void TestReportWindows::gridFooterText()
{
    QFETCH(QString, footer);
    QFETCH(QString, printed);
    QCOMPARE(report::gridFooterText(footer, QDate(2024, 3, 5)), printed);
}

void TestReportWindows::printReportShowsPreviewOnlyWithRows()
{
    TestEnv env(false);
    QVERIFY(saveTemplateFile(fixtures::memberList(), templatePath(QStringLiteral("frMemList")), nullptr));
    ShowCapture shown;
    const auto empty = fixtures::members(0);
    QVERIFY(!PrintReport(QStringLiteral("frMemList"), empty.get()));
    QVERIFY(!PrintReport(QStringLiteral("frMemList"), nullptr));
    QCOMPARE(shown.count, 0);

    const auto set = fixtures::members(3);
    QVERIFY(PrintReport(QStringLiteral("frMemList"), set.get()));
    QCOMPARE(shown.names, QStringList{QStringLiteral("TfrmReportPreview")});
    QVERIFY(shown.prepared.pageTexts(0).contains(QStringLiteral("会员003")));

    // A missing template shows an empty report, without a message.
    QVERIFY(PrintReport(QStringLiteral("frNoSuch"), set.get()));
    QCOMPARE(shown.count, 2);
    QVERIFY(shown.prepared.pages.value(0).items.isEmpty());
    QVERIFY(env.mess().messages.isEmpty());
}

void TestReportWindows::printReportUsesSharedVariableSourceWhileItsWindowLives()
{
    TestEnv env(false);
    TReportTemplate t;
    t.bands << fixtures::band(
        BandKind::ReportTitle, 8,
        {fixtures::text(QStringLiteral("D"), QRectF(0, 0, 150, 8), QStringLiteral("[memoDate]"))});
    QVERIFY(saveTemplateFile(t, templatePath(QStringLiteral("frXsrecDetail")), nullptr));
    const auto set = fixtures::members(1);
    ShowCapture shown;
    int asked = 0;
    {
        QObject window;
        TReportBindings::instance().setVariableSource(&window, [&asked](const QString& name) -> QVariant {
            ++asked;
            return name == QLatin1String("memoDate")
                       ? DateRangeCaption(false, QDate(), false, QDate(), QStringLiteral("消费"))
                       : QVariant();
        });
        QVERIFY(PrintReport(QStringLiteral("frXsrecDetail"), set.get()));
        QCOMPARE(shown.prepared.pageTexts(0),
                 QStringList{QStringLiteral("消费日期：自 启用系统 至 记帐最后一天")});
        QCOMPARE(asked, 1);
    }
    // The window has closed: its callback is never asked again.
    QVERIFY(PrintReport(QStringLiteral("frXsrecDetail"), set.get()));
    QCOMPARE(asked, 1);
    QVERIFY(shown.prepared.pageTexts(0).isEmpty());
}

void TestReportWindows::printGridPrintsVisibleColumnsTitleAndFooter()
{
    TestEnv env(false);
    const auto set = fixtures::dataSet({QStringLiteral("F_EmpName"), QStringLiteral("F_OperType"),
                                        QStringLiteral("F_secret"), QStringLiteral("F_amount")},
                                       {{QStringLiteral("admin"), QStringLiteral("操作员登录成功！"), 1, 1.5},
                                        {QStringLiteral("张三"), QStringLiteral("新增会员"), 2, 2.25}});
    TGridPrint grid;
    grid.data = set.get();
    grid.columns = {
        {QStringLiteral("F_EmpName"), QStringLiteral("操作员"), 80, true, 0, {}, 1, QStringLiteral("合计")},
        {QStringLiteral("F_secret"), QStringLiteral("隐藏"), 80, false, 0, {}, 0, {}},
        {QStringLiteral("F_OperType"), QStringLiteral("操作类型"), 160, true, 1, {}, 0, {}},
        {QStringLiteral("F_amount"), QStringLiteral("金额"), 80, true, 2, QStringLiteral("￥,0.00"), 2, {}},
    };
    ShowCapture shown;
    PrintGrid(grid, QStringLiteral("工作日志列表"), 1, QStringLiteral("date"), QStringLiteral("第一班"));
    QCOMPARE(shown.count, 1);
    const QString today =
        QStringLiteral("打印日期：") + QDate::currentDate().toString(QStringLiteral("yyyy年MM月dd日"));
    QCOMPARE(
        shown.prepared.pageTexts(0),
        (QStringList{QStringLiteral("\n工作日志列表\n"), QStringLiteral("第一班"), QStringLiteral("操作员"),
                     QStringLiteral("操作类型"), QStringLiteral("金额"), QStringLiteral("admin"),
                     QStringLiteral("操作员登录成功！"), QStringLiteral("￥1.50"), QStringLiteral("张三"),
                     QStringLiteral("新增会员"), QStringLiteral("￥2.25"), QStringLiteral("合计"),
                     QStringLiteral("￥3.75"), today}));
    // Three title lines: empty, the title, empty.
    const TRenderItem& title = shown.prepared.pages[0].items[0];
    QCOMPARE(title.lines, (QStringList{QString(), QStringLiteral("工作日志列表"), QString()}));
    // Margins of 1 mm; the header font is 宋体 (or its installed stand-in).
    QCOMPARE(title.rect.topLeft(), QPointF(1, 1));
    QCOMPARE(shown.prepared.page.marginRight, 1.0);
    QCOMPARE(shown.prepared.pages[0].items[1].font.family, resolveFontFamily(QStringLiteral("宋体")));
}

void TestReportWindows::printGridFitModes()
{
    const auto set = fixtures::dataSet(
        {QStringLiteral("a"), QStringLiteral("b")},
        {{QStringLiteral("短"), QStringLiteral("很长很长很长很长很长很长很长很长很长的内容")}});
    TGridPrint grid;
    grid.data = set.get();
    grid.columns = {{QStringLiteral("a"), QStringLiteral("甲"), 300, true, 0, {}, 0, {}},
                    {QStringLiteral("b"), QStringLiteral("乙"), 100, true, 0, {}, 0, {}}};
    auto widths = [](const TReportTemplate& t) {
        QVector<double> w;
        for (const TReportBand& b : t.bands)
            if (b.kind == BandKind::MasterData)
                for (const TReportObject& o : b.objects)
                    w << o.geometry.width();
        return w;
    };
    const QDate day(2024, 3, 5);
    // 0 and 1: the page width shared by the columns' widths; 0 stretches rows, 1 does not wrap.
    const TReportTemplate fit0 = gridTemplate(grid, QStringLiteral("T"), 0, {}, {}, day);
    const TReportTemplate fit1 = gridTemplate(grid, QStringLiteral("T"), 1, {}, {}, day);
    QCOMPARE(widths(fit0), (QVector<double>{156.0, 52.0}));
    QCOMPARE(widths(fit1), widths(fit0));
    const TReportObject& cell0 = fit0.bands[2].objects[1];
    QVERIFY(cell0.canGrow && cell0.wordWrap);
    QVERIFY(!fit1.bands[2].objects[1].wordWrap);
    // Other values: widths by content, so the long column gets the larger share.
    const QVector<double> optimal = widths(gridTemplate(grid, QStringLiteral("T"), 5, {}, {}, day));
    QVERIFY(optimal[1] > optimal[0]);
    QCOMPARE(optimal[0] + optimal[1], 208.0);
    // The stretched row holds the whole long text.
    const TPreparedReport r = prepareReport(fit0, {{gridDataSetName(), set.get()}}, {});
    QVERIFY(r.pageTexts(0).contains(QStringLiteral("很长很长很长很长很长很长很长很长很长的内容")));
}

void TestReportWindows::previewNavigatesSearchesAndExports()
{
    TestEnv env(false);
    const auto set = fixtures::members(100);
    const TPreparedReport prepared =
        prepareReport(fixtures::memberList(), {{QStringLiteral("frxDM"), set.get()}}, {});
    TfrmReportPreview preview(prepared);
    QCOMPARE(preview.preparedReport().pageCount(), 3);
    auto action = [&preview](const char* name) { return preview.findChild<QAction*>(QLatin1String(name)); };
    QVERIFY(action("actPrint") && action("actPageSetup") && action("actExportPdf") && action("actZoomIn"));
    QVERIFY(!action("actPrior")->isEnabled());
    action("actLast")->trigger();
    QCOMPARE(preview.currentPage(), 2);
    QVERIFY(!action("actNext")->isEnabled());
    action("actPrior")->trigger();
    QCOMPARE(preview.currentPage(), 1);
    action("actZoomIn")->trigger();
    QCOMPARE(preview.zoom(), 1.25);

    // Search moves to the page of the next hit and wraps round.
    auto* search = preview.findChild<QLineEdit*>(QStringLiteral("edtSearch"));
    QVERIFY(search);
    search->setText(QStringLiteral("会员090"));
    action("actFind")->trigger();
    QCOMPARE(preview.currentPage(), 2);
    QVERIFY(preview.find(QStringLiteral("会员列表")));
    QCOMPARE(preview.currentPage(), 2);
    QVERIFY(preview.find(QStringLiteral("会员列表")));
    QCOMPARE(preview.currentPage(), 0);
    search->setText(QStringLiteral("没有的内容"));
    action("actFind")->trigger();
    QCOMPARE(env.mess().last(), QStringLiteral("没有找到“没有的内容”。"));

    // Exports ask for a file name and write the prepared report.
    QTemporaryDir dir;
    const QString csv = dir.filePath(QStringLiteral("list"));
    const auto oldDialogs =
        filedialogs::setHandler([&csv](const QString&, const QString&, const QString& filter, bool save) {
            return save && filter.contains(QStringLiteral("*.csv")) ? csv : QString();
        });
    action("actExportCsv")->trigger();
    QFile f(csv + QStringLiteral(".csv"));
    QVERIFY(f.open(QIODevice::ReadOnly));
    QVERIFY(
        QString::fromUtf8(f.readAll()).startsWith(QStringLiteral("会员列表;1 / 3\n姓名\n会员001;1.00\n")));
    // A cancelled file dialog writes nothing.
    action("actExportPdf")->trigger();
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files).size(), 1);
    filedialogs::setHandler(oldDialogs);
    // A file that cannot be written is reported.
    env.mess().clear();
    QVERIFY(
        !preview.exportTo(TfrmReportPreview::ExportKind::Html, dir.filePath(QStringLiteral("none/a.html"))));
    QCOMPARE(env.mess().messages.size(), 1);
    QCOMPARE(env.mess().messages[0].kind, int(mkError));
}

void TestReportWindows::previewPageSetupLaysOutAgain()
{
    TestEnv env(false);
    const auto set = fixtures::members(100);
    TReport r;
    r.setTemplate(fixtures::memberList());
    r.bind(QStringLiteral("frxDM"), set.get());
    ShowCapture shown([](QDialog& w) {
        auto& preview = static_cast<TfrmReportPreview&>(w);
        TReportPage landscape = preview.preparedReport().page;
        landscape.landscape = true;
        preview.applyPage(landscape);
    });
    r.showPreview();
    QCOMPARE(shown.count, 1);
    // The captured report is the one before the change; the template took the new page.
    QCOMPARE(shown.prepared.pageCount(), 3);
    QVERIFY(r.reportTemplate().page.landscape);
    QCOMPARE(r.prepare().pageCount(), 4);
}

void TestReportWindows::designerEditsWithMouseUndoAndSavesRoundTrip()
{
    TestEnv env(false);
    QVERIFY(saveTemplateFile(fixtures::memberList(), templatePath(QStringLiteral("frGoodList")), nullptr));
    const auto goods = fixtures::dataSet({QStringLiteral("F_code"), QStringLiteral("F_name")},
                                         {{QStringLiteral("001"), QStringLiteral("洗发水")}});
    TReportTemplate designed;
    ShowCapture shown([&](QDialog& w) {
        auto* designer = qobject_cast<TfrmReportDesigner*>(&w);
        QVERIFY(designer);
        designer->show();
        QVERIFY(QTest::qWaitForWindowExposed(designer));
        // The variables are the category "自定义变量" with the three names, all empty.
        QCOMPARE(designer->model().variableCategory, QStringLiteral("自定义变量"));
        QCOMPARE(designer->model().variables.size(), 3);
        QCOMPARE(designer->model().variables[1], (TReportVariable{QStringLiteral("memoDate"), QString()}));

        // Add a text object to the data band through the toolbar.
        designer->selectBand(2);
        designer->findChild<QAction*>(QStringLiteral("actAddText"))->trigger();
        const QString name = designer->selectedObject();
        QCOMPARE(name, QStringLiteral("Text1"));
        TReportTemplate m = designer->model();
        QCOMPARE(m.findObject(name)->geometry, QRectF(2, 1, 30, 5));

        // Drag it 20 mm right with the mouse: it lands on the snap grid.
        const QRectF band = designer->bandRect(2);
        const QPointF grab = band.topLeft() + QPointF(10, 3);
        mouseDrag(designer->view(), grab, grab + QPointF(20.3, 0));
        m = designer->model();
        QCOMPARE(m.findObject(name)->geometry, QRectF(22, 1, 30, 5));

        // Resize it by its handle.
        const QPointF handle = band.topLeft() + QPointF(22 + 30, 1 + 5);
        mouseDrag(designer->view(), handle, handle + QPointF(10, 0));
        m = designer->model();
        QCOMPARE(m.findObject(name)->geometry, QRectF(22, 1, 40, 5));

        // Undo twice puts it back where it was added; redo moves it again.
        QUndoStack* undo = designer->undoStack();
        undo->undo();
        undo->undo();
        m = designer->model();
        QCOMPARE(m.findObject(name)->geometry, QRectF(2, 1, 30, 5));
        undo->redo();
        m = designer->model();
        QCOMPARE(m.findObject(name)->geometry, QRectF(22, 1, 30, 5));
        QCOMPARE(designer->objectItem(name)->geometry(), QRectF(22, 1, 30, 5));

        // Property panel: bold and right aligned.
        designer->selectObject(name);
        designer->findChild<QCheckBox*>(QStringLiteral("chkBold"))->setChecked(true);
        m = designer->model();
        QVERIFY(m.findObject(name)->font.bold);

        designer->findChild<QAction*>(QStringLiteral("actSave"))->trigger();
        QVERIFY(!designer->isModified());
        designed = designer->model();
    });
    DesignReport(QStringLiteral("frGoodList"), goods.get());
    QCOMPARE(shown.count, 1);
    TReportTemplate loaded;
    QCOMPARE(loadTemplateFile(templatePath(QStringLiteral("frGoodList")), &loaded, nullptr),
             LoadStatus::Loaded);
    QCOMPARE(loaded.toJson(), designed.toJson());
    QVERIFY(loaded == designed);
    QVERIFY(env.mess().messages.isEmpty());
}

void TestReportWindows::designerInsertsFieldsAndPreviews()
{
    TestEnv env(false);
    const auto set = fixtures::members(2);
    TReport r(QStringLiteral("frNew"));
    QCOMPARE(r.loadStatus(), LoadStatus::Missing);
    r.bind(QStringLiteral("frxDM"), set.get());
    TfrmReportDesigner designer(r);
    // A new template: add a data band, then a field from the tree by double click.
    const int band = designer.addBand(BandKind::MasterData);
    QCOMPARE(designer.model().bands[band].dataSet, QStringLiteral("frxDM"));
    auto* tree = designer.findChild<QTreeWidget*>(QStringLiteral("dataTree"));
    QVERIFY(tree);
    const QList<QTreeWidgetItem*> hits = tree->findItems(QStringLiteral("F_name"), Qt::MatchRecursive);
    QCOMPARE(hits.size(), 1);
    emit tree->itemDoubleClicked(hits.first(), 0);
    TReportTemplate m = designer.model();
    QCOMPARE(m.bands[band].objects.size(), 1);
    QCOMPARE(m.bands[band].objects[0].text, QStringLiteral("[frxDM.\"F_name\"]"));
    // A drop on the band places the expression where it lands.
    designer.dropExpression(band, QPointF(40.2, 1.4), QStringLiteral("[Page#]"));
    m = designer.model();
    QCOMPARE(m.bands[band].objects[1].geometry.topLeft(), QPointF(40, 1));
    // Preview from the designer shows the rows.
    ShowCapture shown;
    designer.findChild<QAction*>(QStringLiteral("actPreview"))->trigger();
    QCOMPARE(shown.prepared.pageTexts(0), (QStringList{QStringLiteral("会员001"), QStringLiteral("1"),
                                                       QStringLiteral("会员002"), QStringLiteral("1")}));
    // Closing with changes asks whether to save; "no" leaves the file uncreated.
    env.mess().answers << maNo;
    designer.reject();
    QCOMPARE(env.mess().last(), QStringLiteral("报表模板已修改，是否保存？"));
    QVERIFY(!QFile::exists(templatePath(QStringLiteral("frNew"))));
    // Deleting the band removes it with its objects; undo brings them back.
    designer.selectBand(band);
    designer.deleteSelection();
    QVERIFY(designer.model().bands.isEmpty());
    designer.undoStack()->undo();
    QCOMPARE(designer.model().bands.value(0).objects.size(), 2);
}

void TestReportWindows::reportManagerOpensChosenTemplate()
{
    TestEnv env(false);
    TReportTemplate t;
    t.bands << fixtures::band(
        BandKind::MasterData, 6,
        {fixtures::text(QStringLiteral("N"), QRectF(0, 0, 60, 6), QStringLiteral("[frxDM.\"F_name\"]")),
         fixtures::text(QStringLiteral("B"), QRectF(60, 0, 60, 6),
                        QStringLiteral("[frxDetail1.\"F_code\"]"))},
        QStringLiteral("frxMain"));
    for (const QString& n : {QStringLiteral("frMemXianqing"), QStringLiteral("frMemList")})
        QVERIFY(saveTemplateFile(t, templatePath(n), nullptr));
    const auto members = fixtures::members(2);
    const auto bills = fixtures::dataSet({QStringLiteral("F_code")}, {{QStringLiteral("XF001")}});
    const auto other = fixtures::members(1);
    TReportBindings::instance().bind(QStringLiteral("frxDM"), other.get());
    TFrmReportManager manager(members.get(), {{QStringLiteral("frxDetail1"), bills.get()}});
    QCOMPARE(manager.windowTitle(), QStringLiteral("报表管理器"));
    ShowCapture shown;
    auto* preview = manager.findChild<QPushButton*>(QStringLiteral("btnPreview"));
    auto* design = manager.findChild<QPushButton*>(QStringLiteral("btnDesign"));
    QVERIFY(preview && design && manager.findChild<QPushButton*>(QStringLiteral("btnClose")));
    // Without a chosen entry nothing happens.
    preview->click();
    design->click();
    QCOMPARE(shown.count, 0);
    // "当前会员统计列表" binds frxDM to the member list.
    manager.list()->setCurrentRow(1);
    preview->click();
    QCOMPARE(shown.prepared.pageTexts(0), (QStringList{QStringLiteral("会员001"), QStringLiteral("XF001"),
                                                       QStringLiteral("会员002"), QStringLiteral("XF001")}));
    // "当前会员档案详表" keeps the shared frxDM.
    manager.list()->setCurrentRow(0);
    preview->click();
    QCOMPARE(shown.prepared.pageTexts(0).value(0), QStringLiteral("会员001"));
    QCOMPARE(shown.prepared.pageTexts(0).size(), 4);
    QCOMPARE(shown.prepared.pageTexts(0).value(2), QStringLiteral("会员001"));
    design->click();
    QCOMPARE(shown.names.last(), QStringLiteral("TfrmReportDesigner"));
    TReportBindings::instance().clear();
}

QTEST_MAIN(TestReportWindows)
#include "test_reportwindows.moc"
