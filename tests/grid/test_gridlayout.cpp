#include "core/dataset.h"
#include "core/grid/dbgrid.h"
#include "core/grid/griddialogs.h"
#include "core/grid/gridlayout.h"
#include "testenv.h"

#include "core/support.h"

#include <QApplication>
#include <QHeaderView>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTableWidget>
#include <QToolButton>
#include <QtTest>

namespace {
// Runs `drive` on the modal dialog as soon as exec() shows it; a dialog
// left open by a failed check is closed so that the test goes on.
template <typename Fn> void whenModal(Fn drive)
{
    QTimer::singleShot(0, qApp, [drive]() {
        auto* w = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        QVERIFY(w);
        drive(w);
        if (w->isVisible())
            w->reject();
    });
}

void click(QWidget* dialog, const char* button)
{
    auto* b = dialog->findChild<QAbstractButton*>(QString::fromLatin1(button));
    QVERIFY(b);
    b->click();
}

QVector<TGridColumn> twoColumns()
{
    return {TGridColumn::make(QStringLiteral("F_name"), QStringLiteral("姓名")),
            TGridColumn::make(QStringLiteral("F_hycode"), QStringLiteral("会员卡号"))};
}

// Every stored layout row as text, to see that nothing changed.
QStringList storedRows(TestEnv& env)
{
    QSqlQuery q(env.dm().ADOcnn());
    q.exec(QStringLiteral("select * from cfg_Grid order by F_ID"));
    QStringList out;
    while (q.next()) {
        QStringList cells;
        for (int i = 0; i < q.record().count(); ++i)
            cells << q.value(i).toString();
        out << cells.join(QLatin1Char('|'));
    }
    return out;
}
} // namespace

class TestGridLayout : public QObject
{
    Q_OBJECT
private slots:
    void loadSaveRoundTrip();
    void keyWithoutRowsKeepsDesignedColumns();
    void badRowsAreSkipped();
    void loadFailureIsReportedAndChangesNothing();
    void sortDialogBuildsExpression();
    void sortExpressionOfEntries_data();
    void sortExpressionOfEntries();
    void columnChooserAppliesOrCancels();
    void captionDialog();
    void valueDialog();
};

void TestGridLayout::loadSaveRoundTrip()
{
    TestEnv env;
    TDataSet set;
    QVERIFY(env.dm().OpenQuery(QStringLiteral("select * from t_member order by F_ID"), set));
    TDBGrid grid;
    QVector<TGridColumn> designed = twoColumns();
    designed << TGridColumn::make(QStringLiteral("F_price"), QStringLiteral("金额"));
    grid.setColumns(designed);
    grid.setDataSet(&set);
    QVERIFY(LoadGridLayout(&grid, QStringLiteral("memmain")));
    QCOMPARE(grid.gridColumnCount(), 23);
    const TGridColumn price = grid.column(grid.findColumn(QStringLiteral("F_price"))); // kept: designed, result lacks it
    QCOMPARE(price.displayFormat, QStringLiteral("￥,0.00##;-￥,0.00##"));
    QCOMPARE(price.alignment, int(TGridColumn::AlignRight));
    const TGridColumn je = grid.column(grid.findColumn(QStringLiteral("F_beginJE")));
    QCOMPARE(je.footerType, int(TGridColumn::FooterSum));
    QCOMPARE(je.footerFormat, QStringLiteral(",0.##;-,0.##"));
    QCOMPARE(grid.column(1).footerValue, QStringLiteral("合计"));
    QCOMPARE(grid.columnWidth(0), 90);

    // The operator's changes, a title with quotation marks among them.
    TGridColumn name = grid.column(1);
    name.title = QStringLiteral("姓'名\" '); drop table cfg_Grid; --");
    name.width = 133;
    name.alignment = TGridColumn::AlignCenter;
    name.displayFormat = QStringLiteral("'x'0");
    name.footerValue = QStringLiteral("共'计");
    grid.setColumn(1, name);
    grid.setColumnVisible(2, false);
    grid.horizontalHeader()->moveSection(0, 3); // 会员卡号 dragged behind 手机
    QVERIFY(SaveGridLayout(&grid, QStringLiteral("MemMain")));
    QCOMPARE(env.value(QStringLiteral("select count(*) from cfg_Grid where F_name = 'memmain'")).toInt(), 23);

    TDBGrid again;
    again.setColumns(designed);
    again.setDataSet(&set);
    QVERIFY(LoadGridLayout(&again, QStringLiteral("memmain")));
    QCOMPARE(again.gridColumnCount(), 23);
    QCOMPARE(again.column(0).fieldName, QStringLiteral("F_name"));
    QCOMPARE(again.column(0).title, name.title);
    QCOMPARE(again.column(0).width, 133);
    QCOMPARE(again.column(0).alignment, int(TGridColumn::AlignCenter));
    QCOMPARE(again.column(0).displayFormat, QStringLiteral("'x'0"));
    QCOMPARE(again.column(0).footerValue, QStringLiteral("共'计"));
    QCOMPARE(again.column(2).fieldName, QStringLiteral("F_movephone"));
    QCOMPARE(again.column(3).fieldName, QStringLiteral("F_hycode"));
    QVERIFY(!again.column(1).visible); // 性别
    QVERIFY(again.isColumnHidden(1));
    QVERIFY(env.mess().messages.isEmpty());
}

void TestGridLayout::keyWithoutRowsKeepsDesignedColumns()
{
    TestEnv env;
    TDBGrid grid;
    grid.setColumns(twoColumns());
    const QStringList before = storedRows(env);
    QVERIFY(LoadGridLayout(&grid, QStringLiteral("nosuchgrid")));
    QCOMPARE(grid.gridColumnCount(), 2);
    QCOMPARE(grid.column(1).title, QStringLiteral("会员卡号"));
    QVERIFY(SaveGridLayout(&grid, QStringLiteral("nosuchgrid")));
    // A column without a stored row is not added to a key that has rows either.
    grid.setColumns({TGridColumn::make(QStringLiteral("F_other"), QStringLiteral("其他"))});
    QVERIFY(SaveGridLayout(&grid, QStringLiteral("memmain")));
    QCOMPARE(storedRows(env), before);
}

void TestGridLayout::badRowsAreSkipped()
{
    TestEnv env;
    const QString insert = QStringLiteral("insert into cfg_Grid(F_name,F_fieldname,F_caption,F_width,F_visible,F_readonly,"
                                          "F_order,F_alignment,F_displayFormat,F_footerValue,F_footerType) "
                                          "values('t',?,?,50,1,0,?,?,'',?,?)");
    QVERIFY(env.exec(insert, {QStringLiteral("F_nothere"), QStringLiteral("无此列"), 0, 0, QString(), 0}));
    QVERIFY(env.exec(insert, {QString(), QStringLiteral("空字段"), 1, 0, QString(), 0}));
    QVERIFY(env.exec(insert, {QStringLiteral("F_name"), QStringLiteral("名"), 2, 7, QStringLiteral("x"), 9}));
    QVERIFY(env.exec(insert, {QStringLiteral("F_hycode"), QStringLiteral("卡"), 3, 2, QString(), 2}));
    TDataSet set;
    QVERIFY(env.dm().OpenQuery(QStringLiteral("select F_name,F_hycode from t_member"), set));
    TDBGrid grid;
    grid.setDataSet(&set);
    QVERIFY(LoadGridLayout(&grid, QStringLiteral("t")));
    QCOMPARE(grid.gridColumnCount(), 2);
    QCOMPARE(grid.column(0).title, QStringLiteral("名"));
    QCOMPARE(grid.column(0).alignment, int(TGridColumn::AlignLeft)); // unknown code: default
    QCOMPARE(grid.column(0).footerType, int(TGridColumn::FooterNone));
    QVERIFY(!grid.column(0).readOnly);
    QCOMPARE(grid.column(1).alignment, int(TGridColumn::AlignRight));
    QCOMPARE(grid.column(1).footerType, int(TGridColumn::FooterSum));
    grid.show();
    QVERIFY(!grid.grab().isNull());
}

void TestGridLayout::loadFailureIsReportedAndChangesNothing()
{
    TestEnv env;
    QVERIFY(env.exec(QStringLiteral("drop table cfg_Grid")));
    TDBGrid grid;
    grid.setColumns(twoColumns());
    QVERIFY(!LoadGridLayout(&grid, QStringLiteral("memmain")));
    QCOMPARE(env.mess().last(), QStringLiteral("操作失败，请检查数据连接... "));
    QCOMPARE(env.mess().messages.last().kind, int(mkError));
    QCOMPARE(grid.gridColumnCount(), 2);
}

void TestGridLayout::sortDialogBuildsExpression()
{
    TDBGrid grid;
    QVector<TGridColumn> cols = twoColumns();
    cols << TGridColumn::make(QStringLiteral("F_sex"), QStringLiteral("性别"));
    grid.setColumns(cols);

    // "姓名" on "降序" with "会员卡号" on "升序" moved above it.
    whenModal([](QWidget* w) {
        QCOMPARE(w->windowTitle(), QStringLiteral("排序对话框"));
        auto* table = w->findChild<QTableWidget*>(QStringLiteral("tblSort"));
        QVERIFY(table);
        const auto dbl = [table](int row) {
            const QRect r = table->visualItemRect(table->item(row, 1));
            QTest::mouseClick(table->viewport(), Qt::LeftButton, {}, r.center());
            QTest::mouseDClick(table->viewport(), Qt::LeftButton, {}, r.center());
        };
        dbl(0);
        QCOMPARE(table->item(0, 1)->text(), QStringLiteral("升序"));
        dbl(0);
        QCOMPARE(table->item(0, 1)->text(), QStringLiteral("降序"));
        dbl(1);
        table->setCurrentCell(1, 0);
        click(w, "btnUp");
        QCOMPARE(table->item(0, 0)->text(), QStringLiteral("会员卡号"));
        QCOMPARE(table->item(0, 1)->text(), QStringLiteral("升序"));
        QCOMPARE(table->item(1, 1)->text(), QStringLiteral("降序"));
        click(w, "btnOk");
    });
    QCOMPARE(griddialogs::SortGridDialog(&grid), QStringLiteral("f_hycode ASC,f_name DESC,"));

    whenModal([](QWidget* w) {
        static_cast<TFrmSortDialog*>(w)->stepDirection(0);
        click(w, "btnCancel");
    });
    QCOMPARE(griddialogs::SortGridDialog(&grid), QString());
}

void TestGridLayout::sortExpressionOfEntries_data()
{
    QTest::addColumn<QStringList>("titles");
    QTest::addColumn<QList<int>>("directions");
    QTest::addColumn<QString>("expected");
    QTest::newRow("nothing chosen") << QStringList{QStringLiteral("姓名")} << QList<int>{0} << QString();
    QTest::newRow("equal titles take the first column")
        << QStringList{QStringLiteral("名")} << QList<int>{2} << QStringLiteral("f_a DESC,");
    QTest::newRow("unknown title left out") << QStringList{QStringLiteral("无"), QStringLiteral("号")}
                                            << QList<int>{1, 1} << QStringLiteral("f_b ASC,");
}

void TestGridLayout::sortExpressionOfEntries()
{
    QFETCH(QStringList, titles);
    QFETCH(QList<int>, directions);
    QFETCH(QString, expected);
    const QVector<TGridColumn> cols{TGridColumn::make(QStringLiteral("F_a"), QStringLiteral("名")),
                                    TGridColumn::make(QStringLiteral("F_b"), QStringLiteral("号")),
                                    TGridColumn::make(QStringLiteral("F_c"), QStringLiteral("名"))};
    QVector<gridsort::Entry> entries;
    for (int i = 0; i < titles.size(); ++i)
        entries << gridsort::Entry{titles.at(i), directions.at(i)};
    QCOMPARE(gridsort::expression(cols, entries), expected);
}

void TestGridLayout::columnChooserAppliesOrCancels()
{
    TDBGrid grid;
    QVector<TGridColumn> cols = twoColumns();
    cols[1].visible = false;
    grid.setColumns(cols);
    const auto flip = [](const char* button) {
        whenModal([button](QWidget* w) {
            QCOMPARE(w->windowTitle(), QStringLiteral("字段列表"));
            QVERIFY(!(w->windowFlags() & Qt::WindowCloseButtonHint));
            auto* list = w->findChild<QListWidget*>(QStringLiteral("lstColumns"));
            QVERIFY(list);
            QCOMPARE(list->item(1)->text(), QStringLiteral("会员卡号"));
            QCOMPARE(list->item(0)->checkState(), Qt::Checked);
            QCOMPARE(list->item(1)->checkState(), Qt::Unchecked);
            list->item(0)->setCheckState(Qt::Unchecked);
            list->item(1)->setCheckState(Qt::Checked);
            click(w, button);
        });
    };
    flip("btnCancel");
    QVERIFY(!ChooseGridColumns(&grid));
    QVERIFY(!grid.isColumnHidden(0));
    QVERIFY(grid.isColumnHidden(1));
    flip("btnOk");
    QVERIFY(ChooseGridColumns(&grid));
    QVERIFY(grid.isColumnHidden(0));
    QVERIFY(!grid.isColumnHidden(1));
    QVERIFY(!grid.columns().at(0).visible);
}

void TestGridLayout::captionDialog()
{
    MessRecorder mess;
    const auto old = griddialogs::setClassPicker([](QWidget*, const QString& text) {
        return text == QStringLiteral("美容") ? QStringLiteral("\\\\001\\002\\") : QString();
    });
    whenModal([&mess](QWidget* w) {
        QCOMPARE(w->windowTitle(), QStringLiteral("新增分类"));
        auto* edit = w->findChild<QLineEdit*>(QStringLiteral("edtCaption"));
        QVERIFY(edit);
        edit->setText(QStringLiteral("   "));
        click(w, "btnOk");
        QCOMPARE(mess.last(), QStringLiteral("部门名称不能为空！"));
        QCOMPARE(mess.messages.last().kind, int(mkInformation));
        QVERIFY(w->isVisible()); // still open
        edit->setText(QStringLiteral("美容"));
        auto* pick = w->findChild<QToolButton*>(QStringLiteral("btnPickClass"));
        QVERIFY(pick && pick->isVisibleTo(w));
        pick->click();
        QCOMPARE(edit->text(), QStringLiteral("\\\\001\\002\\"));
        click(w, "btnOk");
    });
    QCOMPARE(griddialogs::InputCaption(nullptr, QStringLiteral("新增分类"), true),
             QStringLiteral("\\\\001\\002\\"));
    griddialogs::setClassPicker(old);

    whenModal([](QWidget* w) {
        QVERIFY(!w->findChild<QToolButton*>(QStringLiteral("btnPickClass"))->isVisibleTo(w));
        w->findChild<QLineEdit*>(QStringLiteral("edtCaption"))->setText(QStringLiteral("x"));
        click(w, "btnCancel");
    });
    QCOMPARE(griddialogs::InputCaption(nullptr, QStringLiteral("t"), false), QString());
}

void TestGridLayout::valueDialog()
{
    whenModal([](QWidget* w) {
        QCOMPARE(w->windowTitle(), QStringLiteral("批量修改当前列"));
        QTest::keyClicks(w->findChild<QLineEdit*>(QStringLiteral("edtValue")), QStringLiteral("O'Neil"));
        click(w, "btnOk");
    });
    QCOMPARE(griddialogs::InputFieldValue(nullptr), QStringLiteral("O'Neil"));
    whenModal([](QWidget* w) {
        QTest::keyClicks(w->findChild<QLineEdit*>(QStringLiteral("edtValue")), QStringLiteral("x"));
        click(w, "btnCancel");
    });
    QCOMPARE(griddialogs::InputFieldValue(nullptr), QString());
}

QTEST_MAIN(TestGridLayout)
#include "test_gridlayout.moc"
