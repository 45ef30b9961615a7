#include "app/TFrmMain.h"
#include "core/dataset.h"
#include "app/commands.h"
#include "core/grid/dbgrid.h"
#include "report/reportprint.h"
#include "testenv.h"

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QTableWidget>
#include <QToolButton>
#include <QTreeWidget>
#include <QtTest>

namespace {
struct Member
{
    QString card;
    QString name;
    QVariant toDate;
    int type = 0;
    QString classPath;
    QString level = QStringLiteral("无卡用户");
    QString status = QStringLiteral("可  用");
    QString mobile;
};

void addMember(TestEnv& env, const Member& m)
{
    env.exec(QStringLiteral("insert into t_member(F_hycode,F_name,F_toDate,F_IFnew,F_type,F_jibie,F_HYstatus,"
                            "F_movephone,F_birthday,F_fromDate,F_useFlag,F_beginJE,F_hyJF,F_beginJF) "
                            "values(?,?,?,?,?,?,?,?,'1900-08-14','2024-01-01',0,10,5,1)"),
             {m.card, m.name, m.toDate, m.type, m.classPath, m.level, m.status, m.mobile});
}

QStringList listedCards(TFrmMain& main)
{
    QStringList out;
    TDataSet* set = main.memberSet();
    for (int r = 0; r < set->recordCount(); ++r)
        out << set->value(r, QStringLiteral("F_hycode")).toString();
    out.sort();
    return out;
}

QString day(int offset)
{
    return QDate::currentDate().addDays(offset).toString(QStringLiteral("yyyy-MM-dd"));
}

void fillFixture(TestEnv& env)
{
    env.exec(QStringLiteral("delete from t_member"));
    addMember(env, {QStringLiteral("T1"), QStringLiteral("今天到期"), day(0), 1, QStringLiteral("\\\\A\\A1"),
                    QStringLiteral("金卡"), QStringLiteral("可  用"), QStringLiteral("13800001111")});
    addMember(env, {QStringLiteral("Y1"), QStringLiteral("昨天到期"), day(-1), 0, QStringLiteral("\\\\A"),
                    QStringLiteral("金卡"), QStringLiteral("不可用"), QStringLiteral("13912345678")});
    addMember(env, {QStringLiteral("N1"), QStringLiteral("无到期日"), QStringLiteral("1900-08-14"), 2,
                    QStringLiteral("\\\\AB"), QStringLiteral("银卡"), QStringLiteral("可  用"), QString()});
    addMember(env, {QStringLiteral("Z1"), QStringLiteral("O'Hara"), QVariant(), 1, QStringLiteral("\\\\B"),
                    QStringLiteral("银卡"), QStringLiteral("可  用"), QStringLiteral("13800002222")});
    addMember(env, {QStringLiteral("F1"), QStringLiteral("明年到期"), day(365), 0, QString(), QStringLiteral("金卡"),
                    QStringLiteral("可  用"), QStringLiteral("0138")});
    env.exec(QStringLiteral("insert into t_treecode(F_code,F_name,F_likecode,F_flag) values "
                            "('001','A','\\\\A','memtype'),('001001','A1','\\\\A\\A1','memtype'),"
                            "('002','AB','\\\\AB','memtype'),('003','B','\\\\B','memtype')"));
    env.exec(QStringLiteral("insert into T_jibie(F_code,F_name,F_rate,F_begin,F_end) values "
                            "('0001','金卡',0.9,0,100),('0002','银卡',0.95,100,200)"));
}

QTreeWidgetItem* findNode(QTreeWidget* tree, const QString& name)
{
    const auto items = tree->findItems(name, Qt::MatchExactly | Qt::MatchRecursive);
    return items.isEmpty() ? nullptr : items.first();
}
} // namespace

class TestMainWindow : public QObject
{
    Q_OBJECT
private slots:
    void statusFilters_data()
    {
        QTest::addColumn<int>("status");
        QTest::addColumn<QStringList>("cards");
        QTest::newRow("全部") << 0 << QStringList{"F1", "N1", "T1", "Y1", "Z1"};
        QTest::newRow("到期") << 1 << QStringList{"Y1"};
        QTest::newRow("正常") << 2 << QStringList{"F1", "N1", "T1"};
    }
    void statusFilters()
    {
        QFETCH(int, status);
        QFETCH(QStringList, cards);
        TestEnv env;
        fillFixture(env);
        TFrmMain main;
        main.show();
        main.statusButton(status)->click();
        QCOMPARE(listedCards(main), cards);
        QCOMPARE(main.countLabel()->text(),
                 QStringLiteral("会员总数： ") + QString::number(cards.size()) + QStringLiteral(" 个"));
    }

    void searchClassAndItemFilters()
    {
        TestEnv env;
        fillFixture(env);
        TFrmMain main;
        main.show();
        main.statusButton(0)->click();

        // Search field and value: every keystroke refreshes.
        main.searchFieldBox()->setCurrentIndex(main.searchFieldBox()->findText(QStringLiteral("手机")));
        main.valueBox()->setText(QStringLiteral("138"));
        QCOMPARE(listedCards(main), (QStringList{"F1", "T1", "Z1"}));
        // A quotation mark is just a character of the value.
        main.searchFieldBox()->setCurrentIndex(main.searchFieldBox()->findText(QStringLiteral("姓名")));
        main.valueBox()->setText(QStringLiteral("O'H"));
        QCOMPARE(listedCards(main), QStringList{"Z1"});
        // An empty value drops rows whose column is missing.
        main.searchFieldBox()->setCurrentIndex(main.searchFieldBox()->findText(QStringLiteral("手机")));
        main.valueBox()->setText(QString());
        QCOMPARE(listedCards(main), (QStringList{"F1", "T1", "Y1", "Z1"}));
        main.searchFieldBox()->setCurrentIndex(0);
        main.valueBox()->setText(QStringLiteral("x"));
        QCOMPARE(listedCards(main).size(), 5);

        // Class: a prefix on the path, so "A" also finds "AB" and "A\A1".
        QTreeWidgetItem* a = findNode(main.classTree(), QStringLiteral("A"));
        QVERIFY(a);
        main.classTree()->setCurrentItem(a);
        QCOMPARE(listedCards(main).size(), 5); // a single click does not refresh
        emit main.classTree()->itemDoubleClicked(a, 0);
        QCOMPARE(listedCards(main), (QStringList{"N1", "T1", "Y1"}));
        main.classTree()->setCurrentItem(main.classTree()->topLevelItem(0));
        main.RefreshMemberList();
        QCOMPARE(listedCards(main).size(), 5);

        // Item list by card type: row "2：储值卡" lists stored-value cards.
        main.listTypeBox()->setCurrentIndex(1);
        emit main.listTypeBox()->activated(1);
        QCOMPARE(main.itemList()->rowCount(), 4);
        QCOMPARE(main.itemList()->item(2, 1)->text(), QStringLiteral("2：储值卡"));
        QCOMPARE(listedCards(main).size(), 5); // a new list type alone changes nothing
        emit main.itemList()->cellClicked(2, 1);
        QCOMPARE(listedCards(main), (QStringList{"T1", "Z1"}));
        // By level.
        main.listTypeBox()->setCurrentIndex(0);
        emit main.listTypeBox()->activated(0);
        const int gold = main.itemList()->findItems(QStringLiteral("金卡"), Qt::MatchExactly).first()->row();
        emit main.itemList()->cellClicked(gold, 1);
        QCOMPARE(listedCards(main), (QStringList{"F1", "T1", "Y1"}));
        // By status.
        main.listTypeBox()->setCurrentIndex(2);
        emit main.listTypeBox()->activated(2);
        const int lost = main.itemList()->findItems(QStringLiteral("不可用"), Qt::MatchExactly).first()->row();
        emit main.itemList()->cellClicked(lost, 1);
        QCOMPARE(listedCards(main), QStringList{"Y1"});
    }

    void displayTextsAndColours()
    {
        TestEnv env;
        fillFixture(env);
        TFrmMain main;
        main.show();
        main.statusButton(0)->click();
        TDBGrid* grid = main.memberGrid();
        TDataSet* set = main.memberSet();
        const int typeCol = grid->findColumn(QStringLiteral("F_IFnew"));
        const int birthCol = grid->findColumn(QStringLiteral("F_birthday"));
        QVERIFY(typeCol >= 0 && birthCol >= 0);
        for (int r = 0; r < set->recordCount(); ++r) {
            const QString card = set->value(r, QStringLiteral("F_hycode")).toString();
            const QModelIndex typeIdx = grid->model()->index(r, typeCol);
            const QString typeText = typeIdx.data().toString();
            const int type = set->value(r, QStringLiteral("F_IFnew")).toInt();
            QCOMPARE(typeText, QStringList({QStringLiteral("折扣卡"), QStringLiteral("储值卡"), QStringLiteral("计次卡")})
                                   .value(type));
            QCOMPARE(grid->model()->index(r, birthCol).data().toString(), QString()); // 1900-08-14 shows empty
            const QColor fg = typeIdx.data(Qt::ForegroundRole).value<QColor>();
            if (card == QLatin1String("Y1"))
                QCOMPARE(fg, QColor(Qt::red)); // lost wins over expired
            else if (card == QLatin1String("T1"))
                QCOMPARE(fg, QColor(Qt::blue)); // expires today
            else
                QVERIFY(fg != QColor(Qt::red) && fg != QColor(Qt::blue));
        }
    }

    void countCardSwitchesTheBillColumn()
    {
        TestEnv env;
        fillFixture(env);
        const QVariant n1 = env.value(QStringLiteral("select F_ID from t_member where F_hycode='N1'"));
        env.exec(QStringLiteral("insert into depotM(F_code,F_date,F_empID,F_totalprice,F_hyJF,F_OperFlag,F_flag) values "
                                "('XF20240101001','2024-01-01 10:00:00',?,3,0,1,4)"),
                 {n1});
        env.exec(QStringLiteral("insert into depotM(F_code,F_date,F_empID,F_totalprice,F_hyJF,F_OperFlag,F_flag) values "
                                "('XF20240101002','2024-01-01 11:00:00',?,1,0,-1,2)"),
                 {n1});
        TFrmMain main;
        main.show();
        main.statusButton(0)->click();
        TDBGrid* bills = main.billGrid();
        const int col = bills->findColumn(QStringLiteral("F_totalprice"));
        QVERIFY(main.memberSet()->locate(QStringLiteral("F_hycode"), QStringLiteral("N1")));
        QCOMPARE(bills->column(col).title, QStringLiteral("本次消费次数"));
        QCOMPARE(main.billSet()->recordCount(), 2);
        // Returns come signed and red.
        QVERIFY(main.billSet()->locate(QStringLiteral("F_code"), QStringLiteral("XF20240101002")));
        QCOMPARE(main.billSet()->field(QStringLiteral("F_totalprice")).toDouble(), -1.0);
        const int row = main.billSet()->currentRow();
        QCOMPARE(bills->model()->index(row, 0).data(Qt::ForegroundRole).value<QColor>(), QColor(Qt::red));
        QVERIFY(main.memberSet()->locate(QStringLiteral("F_hycode"), QStringLiteral("T1")));
        QCOMPARE(bills->column(col).title, QStringLiteral("本次消费金额"));
        QCOMPARE(main.billSet()->recordCount(), 0);
    }

    void detailPagesOpenLazily()
    {
        TestEnv env;
        fillFixture(env);
        TFrmMain main;
        main.show();
        QCOMPARE(main.detailPage(), 1);
        QVERIFY(main.billSet()->isOpen());
        QVERIFY(!main.redeemSet()->isOpen());
        main.setDetailPage(2);
        QVERIFY(main.redeemSet()->isOpen());
        // "商品明细" shows and hides both line grids.
        main.detailCheck()->setChecked(false);
        QVERIFY(!main.billLineGrid()->isVisible());
        main.detailCheck()->setChecked(true);
        QVERIFY(main.redeemLineGrid()->isVisible());
    }

    void storedLayoutsApplyAtFirstShow()
    {
        TestEnv env;
        env.exec(QStringLiteral("update cfg_Grid set F_caption = ?, F_visible = 0 where F_name = 'memmain' and "
                                "F_fieldname = 'F_email'"),
                 {QStringLiteral("邮箱'")});
        env.exec(QStringLiteral("insert into cfg_Grid(F_name,F_fieldname,F_caption,F_width,F_visible,F_readonly,F_order,"
                                "F_alignment,F_displayFormat,F_footerValue,F_footerType) "
                                "values('memmain','F_nosuchcolumn','x',50,1,1,99,0,'','',0)"));
        TFrmMain main;
        main.show();
        const int col = main.memberGrid()->findColumn(QStringLiteral("F_email"));
        QVERIFY(col >= 0);
        QCOMPARE(main.memberGrid()->column(col).title, QStringLiteral("邮箱'"));
        QVERIFY(!main.memberGrid()->column(col).visible);
        QCOMPARE(main.memberGrid()->findColumn(QStringLiteral("F_nosuchcolumn")) >= 0 &&
                     main.memberGrid()->column(main.memberGrid()->findColumn(QStringLiteral("F_nosuchcolumn"))).visible,
                 false);
    }

    void titleClickSortsExceptRemarks()
    {
        TestEnv env;
        fillFixture(env);
        TFrmMain main;
        main.show();
        main.statusButton(0)->click();
        TDBGrid* grid = main.memberGrid();
        const int cardCol = grid->findColumn(QStringLiteral("F_hycode"));
        grid->clickTitle(cardCol);
        QCOMPARE(main.memberSet()->value(0, QStringLiteral("F_hycode")).toString(), QStringLiteral("F1"));
        grid->clickTitle(cardCol);
        QCOMPARE(main.memberSet()->value(0, QStringLiteral("F_hycode")).toString(), QStringLiteral("Z1"));
        const QString first = main.memberSet()->value(0, QStringLiteral("F_hycode")).toString();
        grid->clickTitle(grid->findColumn(QStringLiteral("F_mem")));
        QCOMPARE(main.memberSet()->value(0, QStringLiteral("F_hycode")).toString(), first);
    }

    void functionKeys()
    {
        TestEnv env;
        fillFixture(env);
        TFrmMain main;
        main.show();
        QApplication::setActiveWindow(&main);
        QVERIFY(QTest::qWaitForWindowActive(&main));
        main.statusButton(0)->setChecked(true);
        QCOMPARE(listedCards(main).size(), 3); // still the list of "正常"
        QTest::keyClick(&main, Qt::Key_F2);    // 查找
        QCOMPARE(listedCards(main).size(), 5);
        QTest::keyClick(&main, Qt::Key_F5); // advanced search, cancelled
        QVERIFY(!main.advancedButton()->isChecked());
        QStringList opened;
        commands::setExecHook([&opened](QDialog& dlg) {
            opened << dlg.objectName();
            return int(QDialog::Rejected);
        });
        QVERIFY(main.memberSet()->locate(QStringLiteral("F_hycode"), QStringLiteral("Z1")));
        QTest::keyClick(&main, Qt::Key_F3); // top-up of the current stored-value card
        QCOMPARE(opened.size(), 1);
        commands::setExecHook(nullptr);
    }

    void memberPrintsShowTheReport()
    {
        TestEnv env;
        fillFixture(env);
        TFrmMain main;
        main.show();
        int shown = 0;
        report::setShowHook([&shown](QDialog&) { ++shown; });
        main.command(QStringLiteral("act304"))->trigger();
        QCOMPARE(shown, 1);
        env.exec(QStringLiteral("delete from t_member"));
        main.RefreshMemberList();
        main.command(QStringLiteral("act304"))->trigger();
        QCOMPARE(shown, 1); // nothing to print: no window
        report::setShowHook(nullptr);
    }

    void viewMenuTogglesParts()
    {
        TestEnv env;
        TFrmMain main;
        main.show();
        QAction* nav = main.findChild<QAction*>(QStringLiteral("actViewNav"));
        QVERIFY(nav && nav->isChecked());
        nav->trigger();
        QVERIFY(!main.findChild<QWidget*>(QStringLiteral("pnlNav"))->isVisible());
        main.findChild<QAction*>(QStringLiteral("actViewStatus"))->trigger();
        QVERIFY(!main.statusPanel(1)->isVisible());

        if (!qEnvironmentVariableIsEmpty("MM_SCREENSHOT_DIR")) {
            nav->trigger();
            main.findChild<QAction*>(QStringLiteral("actViewStatus"))->trigger();
            fillFixture(env);
            main.statusButton(0)->click();
            main.grab().save(qEnvironmentVariable("MM_SCREENSHOT_DIR") + QStringLiteral("/main.png"));
        }
    }
};

QTEST_MAIN(TestMainWindow)
#include "test_mainwindow.moc"
