#include "core/dataset.h"
#include "core/grid/dbgrid.h"
#include "testenv.h"

#include <QAbstractItemModelTester>
#include <QHeaderView>
#include <QSqlQuery>
#include <QtTest>

namespace {
const QStringList kFields{QStringLiteral("F_ID"), QStringLiteral("F_name"), QStringLiteral("F_IFnew"),
                          QStringLiteral("F_toDate"), QStringLiteral("F_hyJF"), QStringLiteral("F_mem")};

// Four members, not in name order; points sum to 1000.5.
QVector<QVariantList> fixtureRows()
{
    return {
        {1, QStringLiteral("赵六"), 0, QStringLiteral("2030-01-01"), 100.25, QStringLiteral("b")},
        {2, QStringLiteral("Anna"), 1, QStringLiteral("1900-08-14"), 400.0, QStringLiteral("d")},
        {3, QStringLiteral("bob"), 2, QStringLiteral("2020-05-05"), -0.25, QStringLiteral("a")},
        {4, QStringLiteral("Carl"), 7, QVariant(), 500.5, QStringLiteral("c")},
    };
}

QVector<TGridColumn> designedColumns()
{
    return {
        TGridColumn::make(QStringLiteral("F_name"), QStringLiteral("姓名"), 70, 0, QString(), 1, QStringLiteral("合计")),
        TGridColumn::make(QStringLiteral("F_IFnew"), QStringLiteral("是否新卡"), 60, 1),
        TGridColumn::make(QStringLiteral("F_toDate"), QStringLiteral("到期日期"), 80, 1, QStringLiteral("yyyy-MM-dd")),
        TGridColumn::make(QStringLiteral("F_hyJF"), QStringLiteral("会员积分"), 80, 2, QStringLiteral(",0.##;-,0.##"), 2),
        TGridColumn::make(QStringLiteral("F_mem"), QStringLiteral("其他积分"), 60),
        TGridColumn::make(QStringLiteral("F_price"), QStringLiteral("金额"), 60, 2, QStringLiteral("￥,0.00##;-￥,0.00##")),
    };
}

QStringList namesInOrder(const TDataSet& set)
{
    QStringList out;
    for (int r = 0; r < set.recordCount(); ++r)
        out << set.value(r, QStringLiteral("F_name")).toString();
    return out;
}
} // namespace

class TestGrid : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void passesModelTester();
    void displayTextsColoursAndFormats();
    void footerSumsFollowSortsAndEdits();
    void titleClicksSortAndMark();
    void severalRowsSelectedAndCurrentRowShared();
    void exportTableHoldsAllColumns();
    void largeResultIsCountedSummedAndSortedInFull();

private:
    TDataSet* m_set = nullptr;
    TDBGrid* m_grid = nullptr;
};

void TestGrid::init()
{
    m_set = new TDataSet;
    m_set->setRows(kFields, fixtureRows());
    m_grid = new TDBGrid;
    m_grid->setObjectName(QStringLiteral("DBGridEh1"));
    m_grid->setColumns(designedColumns());
    m_grid->setDataSet(m_set);
    m_grid->resize(600, 300);
}

void TestGrid::cleanup()
{
    delete m_grid;
    delete m_set;
}

void TestGrid::passesModelTester()
{
    QAbstractItemModelTester tester(m_grid->gridModel(), QAbstractItemModelTester::FailureReportingMode::QtTest);
    m_set->sort(QStringLiteral("F_name DESC"));
    m_set->setValue(0, 4, 7.0);
    m_grid->setColumns(designedColumns().mid(0, 3));
    m_set->setRows(kFields, {});
    m_set->setRows(kFields, fixtureRows());
    m_set->close();
}

void TestGrid::displayTextsColoursAndFormats()
{
    m_grid->setDisplayText(QStringLiteral("f_ifnew"), [](const QVariant& v, int) {
        static const QStringList names{QStringLiteral("折扣卡"), QStringLiteral("储值卡"), QStringLiteral("计次卡"),
                                       QStringLiteral("升级卡")};
        return names.value(v.toInt());
    });
    m_grid->setRowColors([this](int row) {
        if (m_set->value(row, QStringLiteral("F_ID")).toInt() == 2)
            return TRowColors{Qt::red, Qt::lightGray};
        return TRowColors{};
    });
    const QAbstractItemModel* m = m_grid->model();
    const auto text = [m](int row, int col) { return m->index(row, col).data().toString(); };
    QCOMPARE(text(0, 1), QStringLiteral("折扣卡"));
    QCOMPARE(text(3, 1), QString()); // unknown code
    QCOMPARE(text(0, 2), QStringLiteral("2030-01-01"));
    QCOMPARE(text(1, 2), QString()); // no date set
    QCOMPARE(text(3, 2), QString()); // null
    QCOMPARE(text(2, 3), QStringLiteral("-0.25"));
    QCOMPARE(text(0, 5), QString()); // field the result lacks
    QCOMPARE(m->index(1, 0).data(Qt::ForegroundRole).value<QColor>(), QColor(Qt::red));
    QCOMPARE(m->index(1, 4).data(Qt::BackgroundRole).value<QColor>(), QColor(Qt::lightGray));
    QVERIFY(!m->index(0, 0).data(Qt::ForegroundRole).isValid());
    QCOMPARE(m->index(0, 3).data(Qt::TextAlignmentRole).value<Qt::Alignment>() & Qt::AlignHorizontal_Mask,
             Qt::AlignRight);
    QCOMPARE(m->headerData(3, Qt::Horizontal, Qt::TextAlignmentRole).value<Qt::Alignment>(), Qt::AlignCenter);
    // The view draws what the model gives: the callbacks reach a painted grid.
    m_grid->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_grid));
    QVERIFY(!m_grid->grab().isNull());
}

void TestGrid::footerSumsFollowSortsAndEdits()
{
    QVERIFY(m_grid->isFooterVisible());
    QCOMPARE(m_grid->footerText(0), QStringLiteral("合计"));
    QCOMPARE(m_grid->footerText(3), QStringLiteral("1,000.5"));
    QCOMPARE(m_grid->footerText(1), QString());
    m_grid->clickTitle(3);
    QCOMPARE(m_set->value(0, QStringLiteral("F_hyJF")).toDouble(), -0.25);
    QCOMPARE(m_grid->footerText(3), QStringLiteral("1,000.5"));
    m_set->setValue(0, QStringLiteral("F_hyJF"), 1000.0);
    QCOMPARE(m_grid->footerText(3), QStringLiteral("2,000.75"));
    // The footer bar sits under the rows, as wide as the viewport.
    m_grid->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_grid));
    QWidget* footer = m_grid->footer();
    QVERIFY(footer->isVisible());
    QCOMPARE(footer->geometry().top(), m_grid->viewport()->geometry().bottom() + 1);
    QCOMPARE(footer->width(), m_grid->viewport()->width());
}

void TestGrid::titleClicksSortAndMark()
{
    m_grid->setSortPredicate(
        [](const TGridColumn& c) { return !c.fieldName.contains(QLatin1String("mem"), Qt::CaseInsensitive); });
    m_grid->clickTitle(0);
    QCOMPARE(namesInOrder(*m_set), (QStringList{QStringLiteral("Anna"), QStringLiteral("bob"), QStringLiteral("Carl"),
                                                QStringLiteral("赵六")}));
    QCOMPARE(m_grid->sortMarkOrder(), Qt::AscendingOrder);
    QVERIFY(m_grid->horizontalHeader()->isSortIndicatorShown());
    m_grid->clickTitle(0);
    QCOMPARE(m_grid->sortMarkOrder(), Qt::DescendingOrder);
    QCOMPARE(m_grid->horizontalHeader()->sortIndicatorOrder(), Qt::DescendingOrder);
    QCOMPARE(namesInOrder(*m_set).first(), QStringLiteral("赵六"));
    // "mem" columns: marked, first click ascending, rows left as they were.
    const QStringList before = namesInOrder(*m_set);
    m_grid->clickTitle(4);
    QCOMPARE(m_grid->sortMarkColumn(), 4);
    QCOMPARE(m_grid->sortMarkOrder(), Qt::AscendingOrder);
    QCOMPARE(namesInOrder(*m_set), before);
    // A real click on a title does the same as clickTitle.
    m_grid->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_grid));
    QHeaderView* header = m_grid->horizontalHeader();
    const QPoint p(header->sectionViewportPosition(3) + 5, header->height() / 2);
    QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, p);
    QCOMPARE(m_grid->sortMarkColumn(), 3);
    QCOMPARE(m_grid->sortMarkOrder(), Qt::AscendingOrder);
    QCOMPARE(m_set->value(0, QStringLiteral("F_ID")).toInt(), 3);
}

void TestGrid::severalRowsSelectedAndCurrentRowShared()
{
    m_grid->setMultiSelect(true);
    m_grid->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_grid));
    const auto click = [this](int row, Qt::KeyboardModifiers mods) {
        const QRect r = m_grid->visualRect(m_grid->model()->index(row, 0));
        QTest::mouseClick(m_grid->viewport(), Qt::LeftButton, mods, r.center());
    };
    click(1, {});
    QCOMPARE(m_set->currentRow(), 1);
    click(3, Qt::ControlModifier);
    QCOMPARE(m_grid->selectedRows(), (QList<int>{1, 3}));
    QCOMPARE(m_set->currentRow(), 3);
    // Moving the data set's row moves the grid's and selects that row alone.
    m_set->setCurrentRow(2);
    QCOMPARE(m_grid->currentIndex().row(), 2);
    QCOMPARE(m_grid->selectedRows(), QList<int>{2});
    // Single selection keeps one row.
    m_grid->setMultiSelect(false);
    click(0, {});
    click(3, Qt::ControlModifier);
    QCOMPARE(m_grid->selectedRows(), QList<int>{3});
    QSignalSpy dbl(m_grid, &TDBGrid::rowDoubleClicked);
    const QPoint second = m_grid->visualRect(m_grid->model()->index(1, 0)).center();
    QTest::mouseClick(m_grid->viewport(), Qt::LeftButton, {}, second);
    QTest::mouseDClick(m_grid->viewport(), Qt::LeftButton, {}, second);
    QCOMPARE(dbl.count(), 1);
    QCOMPARE(dbl.at(0).at(0).toInt(), 1);
}

void TestGrid::exportTableHoldsAllColumns()
{
    m_grid->setDisplayText(QStringLiteral("F_IFnew"),
                           [](const QVariant& v, int) { return v.toInt() == 0 ? QStringLiteral("折扣卡") : QString(); });
    m_grid->setColumnVisible(4, false);
    m_grid->horizontalHeader()->moveSection(3, 0); // the operator dragged the points first
    const ExportTable t = m_grid->exportTable();
    QCOMPARE(t.titles, (QStringList{QStringLiteral("会员积分"), QStringLiteral("姓名"), QStringLiteral("是否新卡"),
                                    QStringLiteral("到期日期"), QStringLiteral("其他积分"), QStringLiteral("金额")}));
    QCOMPARE(t.formats.at(0), QStringLiteral(",0.##;-,0.##"));
    QCOMPARE(t.rows.size(), 4);
    QCOMPARE(t.rows.at(0), (QVariantList{100.25, QStringLiteral("赵六"), QStringLiteral("折扣卡"),
                                         QStringLiteral("2030-01-01"), QStringLiteral("b"), QVariant()}));
    QCOMPARE(m_grid->columns().at(0).fieldName, QStringLiteral("F_hyJF"));
    QVERIFY(!m_grid->columns().at(4).visible);
}

void TestGrid::largeResultIsCountedSummedAndSortedInFull()
{
    TestEnv env;
    QVERIFY(env.exec(QStringLiteral("delete from t_member")));
    QVERIFY(env.exec(QStringLiteral("BEGIN")));
    const int n = 3000;
    double total = 0;
    for (int i = 1; i <= n; ++i) {
        const double points = (i % 7) * 1.25;
        total += points;
        QVERIFY(env.exec(QStringLiteral("insert into t_member(F_ID,F_name,F_hyJF,F_mem) values(?,?,?,?)"),
                         {i, QStringLiteral("m%1").arg(i, 5, 10, QLatin1Char('0')), points,
                          i % 2 ? QStringLiteral("x") : QString()}));
    }
    QVERIFY(env.exec(QStringLiteral("COMMIT")));

    TDataSet set;
    QAbstractItemModelTester tester(m_grid->gridModel(), QAbstractItemModelTester::FailureReportingMode::QtTest);
    m_grid->setDataSet(&set);
    const QString sql = QStringLiteral("select * from t_member where (1=1) and f_mem like ? order by F_ID");
    QVERIFY(set.open(env.dm().ADOcnn(), QStringLiteral("select * from t_member where (1=1) and f_name like ? "
                                                       "order by F_ID"),
                     {QStringLiteral("%%")}));
    QVERIFY(set.isFetching()); // read in steps
    QCOMPARE(set.recordCount(), n);
    QCOMPARE(m_grid->model()->rowCount(), n);
    QCOMPARE(m_grid->gridModel()->columnSum(3), total);
    QCOMPARE(set.value(n - 1, QStringLiteral("F_ID")).toInt(), n);
    // Sorting reads every row first.
    m_grid->clickTitle(0);
    m_grid->clickTitle(0);
    QVERIFY(!set.isFetching());
    QCOMPARE(set.value(0, QStringLiteral("F_name")).toString(), QStringLiteral("m03000"));
    QCOMPARE(set.value(n - 1, QStringLiteral("F_name")).toString(), QStringLiteral("m00001"));
    QCOMPARE(set.sum(set.fieldIndex(QStringLiteral("F_hyJF"))), total);

    // The statement's values apply when counting too; the idle time reads the rest.
    set.sort(QString());
    QVERIFY(set.open(env.dm().ADOcnn(), sql, {QStringLiteral("x")}));
    QCOMPARE(set.recordCount(), n / 2);
    QTRY_VERIFY(!set.isFetching());
    QCOMPARE(set.recordCount(), n / 2);
    QCOMPARE(set.value(n / 2 - 1, QStringLiteral("F_ID")).toInt(), n - 1);

    // Rows deleted between counting and reading are dropped, not shown empty.
    QVERIFY(set.open(env.dm().ADOcnn(), sql, {QStringLiteral("x")}));
    QVERIFY(set.isFetching());
    QVERIFY(env.exec(QStringLiteral("delete from t_member where F_ID > 2000")));
    set.fetchAll();
    QTRY_VERIFY(set.recordCount() < n / 2);
    for (int r = 0; r < set.recordCount(); ++r)
        QVERIFY(!set.value(r, QStringLiteral("F_ID")).isNull());
    QCOMPARE(m_grid->model()->rowCount(), set.recordCount());
}

QTEST_MAIN(TestGrid)
#include "test_grid.moc"
