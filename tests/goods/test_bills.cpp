#include "app/TFrmMain.h"
#include "app/commands.h"
#include "core/dataset.h"
#include "core/grid/dbgrid.h"
#include "goods/TDlgGoodXz.h"
#include "goods/TFrmFKman.h"
#include "goods/TfrmDhRecEdit.h"
#include "goods/TfrmXsRecEdit.h"
#include "goods/TfrmXsRecEdit1.h"
#include "goods/billstore.h"
#include "goods/goodsui.h"
#include "members/TMoneyEdit.h"
#include "report/reportprint.h"
#include "testenv.h"

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSqlQuery>
#include <QtTest>
#include <functional>

namespace {
int addMember(TestEnv& env, const QString& card, int type, double rate, double balance, double beginJF = 0)
{
    env.exec(
        "insert into t_member(F_hycode,F_name,F_IFnew,F_HYstatus,F_rate,F_beginJE,F_beginJF,F_hyJF,F_beginXF,"
        "F_hyXF,F_toDate,F_useFlag) values(?,?,?,'可  用',?,?,?,?,0,0,'3000-08-14',0)",
        {card, QString("会员" + card), type, rate, balance, beginJF, beginJF});
    return env.value("select F_ID from t_member where F_hycode=?", {card}).toInt();
}
void addGoods(TestEnv& env, const QString& code, double price, double minRate, double stock)
{
    env.exec(
        "insert into t_goods(F_code,F_name,F_type,F_spec,F_unit,F_address,F_price1,F_price2,F_amount,F_rate) "
        "values(?,?,'饮料','瓶','个','本地',?,1,?,?)",
        {code, QString("商品" + code), price, stock, minRate});
}
QVariant member(TestEnv& env, const QString& card, const char* field)
{
    return env.value(QString("select %1 from t_member where F_hycode=?").arg(QLatin1String(field)), {card});
}
double stockOf(TestEnv& env, const QString& code)
{
    return env.value("select F_amount from t_goods where F_code=?", {code}).toDouble();
}
int count(TestEnv& env, const char* table)
{
    return env.value(QString("select count(*) from %1").arg(QLatin1String(table))).toInt();
}

// A main window on the member, with its consumption page shown.
struct Browser
{
    TFrmMain main;
    Browser(const QString& card, int page = 1)
    {
        main.show();
        main.statusButton(0)->click();
        main.setDetailPage(page);
        locate(card);
    }
    void locate(const QString& card) { QVERIFY(main.memberSet()->locate("F_hycode", card)); }
};

// Runs every dialog opened through commands::execDialog with the script for its type.
struct Dialogs
{
    std::function<int(TfrmXsRecEdit&)> bill;
    std::function<int(TfrmXsRecEdit1&)> visit;
    std::function<int(TfrmDhRecEdit&)> redeem;
    std::function<int(TFrmFKman&)> pay;
    std::function<int(TDlgGoodXz&)> goodsPicker;
    std::function<int(TDLGgoodDHxz&)> giftPicker;
    QStringList opened;
    Dialogs()
    {
        commands::setExecHook([this](QDialog& d) -> int {
            opened << d.windowTitle();
            if (auto* b = qobject_cast<TfrmXsRecEdit*>(&d); b && bill)
                return bill(*b);
            if (auto* v = qobject_cast<TfrmXsRecEdit1*>(&d); v && visit)
                return visit(*v);
            if (auto* r = qobject_cast<TfrmDhRecEdit*>(&d); r && redeem)
                return redeem(*r);
            if (auto* p = qobject_cast<TFrmFKman*>(&d); p && pay)
                return pay(*p);
            if (auto* g = qobject_cast<TDlgGoodXz*>(&d); g && goodsPicker)
                return goodsPicker(*g);
            if (auto* g = qobject_cast<TDLGgoodDHxz*>(&d); g && giftPicker)
                return giftPicker(*g);
            return int(QDialog::Rejected);
        });
    }
    ~Dialogs() { commands::setExecHook(nullptr); }
};

// Sets a line's cell as the grid's editor would.
void setCell(TDBGrid* grid, int row, const char* field, const QVariant& v)
{
    const QModelIndex idx = grid->model()->index(row, grid->findColumn(QLatin1String(field)));
    QVERIFY(grid->model()->setData(idx, v, Qt::EditRole));
}

// Types a code into the code cell of a line and presses Enter, as the operator does.
void typeCode(TDBGrid* grid, int row, const QString& code)
{
    const QModelIndex idx = grid->model()->index(row, grid->findColumn("F_GoodCode"));
    grid->setFocus();
    grid->setCurrentIndex(idx);
    grid->edit(idx);
    auto* delegate = static_cast<goodsui::TBillCellDelegate*>(grid->itemDelegate());
    QWidget* editor = delegate->editor();
    QVERIFY(editor);
    auto* line = qobject_cast<QLineEdit*>(editor);
    if (!line) // a cell with a "..." button
        line = editor->findChild<QLineEdit*>();
    QVERIFY(line);
    line->setFocus();
    line->setText(code);
    QTest::keyClick(line, Qt::Key_Return);
}

int payCash(TFrmFKman& p, double payment, double expectChange)
{
    if (p.cardMode())
        return int(QDialog::Rejected);
    if (payment > 0) {
        p.paymentBox()->setFocus();
        QTest::keyClicks(p.paymentBox(), QString::number(payment));
        if (p.changeBox()->value() != expectChange)
            qWarning("change shown: %f", p.changeBox()->value());
    }
    p.confirm();
    return p.result();
}
} // namespace

class TestBills : public QObject
{
    Q_OBJECT
private slots:
    void consumptionReturnAndDeletion()
    {
        TestEnv env;
        addMember(env, "M1", 0, 0.85, 0);
        addGoods(env, "G1", 12.5, 0.9, 10);
        addGoods(env, "G2", 10, 0, 1);
        addGoods(env, "A'3", 3.3333, 1, 5);
        Browser b("M1");
        const QString code = QDate::currentDate().toString("'XF'yyyyMMdd") + "001";

        double changeShown = -1;
        bool redQuantity = false;
        Dialogs d;
        d.goodsPicker = [](TDlgGoodXz& picker) {
            picker.list()->locate("F_code", "G2");
            picker.pick();
            return int(QDialog::Rejected);
        };
        d.pay = [&changeShown](TFrmFKman& p) {
            changeShown = -1;
            const int r = payCash(p, 100, 50.5001);
            changeShown = p.changeBox()->value();
            return r;
        };
        d.bill = [&](TfrmXsRecEdit& bill) {
            bill.show();
            if (bill.windowTitle() != QStringLiteral("会员消费记录 - 新增") ||
                bill.numberBox()->text() != code)
                return int(QDialog::Rejected);
            TDBGrid* g = bill.grid();
            typeCode(g, 0, "G1"); // typed + Enter
            setCell(g, 0, "F_Amount", 2.0);
            bill.pickGoods();               // picked: appended as line 2
            setCell(g, 1, "F_Amount", 2.0); // stock 1: shown in red
            redQuantity = bill.stockShort(1) && !bill.stockShort(0);
            bill.grid()->grab(); // draws the lines, the red quantity included
            bill.addLine();
            setCell(g, 2, "F_GoodCode", "A'3");
            bill.lookupGoods(2);
            setCell(g, 2, "F_Amount", 3.0);
            bill.ratioBox()->setEditText("10");
            bill.clerkBox()->setEditText(" 小王 ");
            bill.memoBox()->setText("备注'1");
            bill.confirm();
            return bill.result();
        };
        b.main.command("actBillNew")->trigger();
        QCOMPARE(d.opened, (QStringList{"会员消费记录 - 新增", "货品选择", "收费窗口"}));
        QVERIFY(redQuantity);
        QCOMPARE(changeShown, 50.5001);
        QCOMPARE(env.mess().texts(), QStringList());

        // 12.5*2*0.9 + 10*2*0.85 + 3.3333*3*1 = 49.4999; ratio 10: 4.95 points.
        QCOMPARE(stockOf(env, "G1"), 8.0);
        QCOMPARE(stockOf(env, "G2"), -1.0);
        QCOMPARE(stockOf(env, "A'3"), 2.0);
        QCOMPARE(
            env.value(
                   "select F_HYcode || '|' || F_FKprice || '|' || F_ZZprice || '|' || F_billcode || '|' || "
                   "F_OperName from T_HyxjREC")
                .toString(),
            QString("M1|49.4999|0.0|" + code + "|admin"));
        QCOMPARE(
            env.value("select F_flag || '|' || F_OperFlag || '|' || F_totalprice || '|' || F_hyJF || '|' || "
                      "F_JFtype || '|' || F_empName || '|' || F_mem || '|' || F_editDate from depotM")
                .toString(),
            QString("1|1|49.4999|4.95|10|小王|备注'1|" + QDate::currentDate().toString("yyyy-MM-dd")));
        QVERIFY(env.value("select F_date from depotM")
                    .toString()
                    .startsWith(QDate::currentDate().toString("yyyy-MM-dd ")));
        QCOMPARE(env.value("select group_concat(F_GoodCode || ':' || F_Amount || ':' || F_Rate || ':' || "
                           "F_TotalPrice || ':' || F_Code, ',') from (select * from depotD order by F_ID)")
                     .toString(),
                 QString("G1:2.0:0.9:22.5:%1,G2:2.0:0.85:17.0:%1,A'3:3.0:1.0:9.9999:%1").arg(code));
        QCOMPARE(member(env, "M1", "F_hyXF").toDouble(), 49.4999);
        QCOMPARE(member(env, "M1", "F_hyJF").toDouble(), 4.95);
        QCOMPARE(b.main.billSet()->field("F_code").toString(), code);
        QCOMPARE(b.main.memberSet()->field("F_hycode").toString(), QStringLiteral("M1"));
        QCOMPARE(env.value("select F_OperType from LogRec order by F_ID desc").toString(),
                 QStringLiteral("新增会员 \"M1\" 的消费记录！"));

        // A member return of one article reverses its share and refunds the card.
        d.opened.clear();
        d.pay = [](TFrmFKman& p) { return payCash(p, 0, 0); };
        d.bill = [](TfrmXsRecEdit& bill) {
            bill.show();
            setCell(bill.grid(), 0, "F_GoodCode", "G1");
            bill.lookupGoods(0);
            bill.ratioBox()->setEditText("10");
            bill.confirm();
            return bill.result();
        };
        b.main.command("act605")->trigger();
        QCOMPARE(d.opened, (QStringList{"会员消费记录 - 新增", "收费窗口"}));
        const QString returnCode = QDate::currentDate().toString("'XF'yyyyMMdd") + "002";
        QCOMPARE(stockOf(env, "G1"), 9.0);
        QCOMPARE(
            env.value(
                   "select F_flag || '|' || F_OperFlag || '|' || F_totalprice || '|' || F_hyJF from depotM "
                   "where F_code=?",
                   {returnCode})
                .toString(),
            QStringLiteral("2|-1|11.25|1.13"));
        QCOMPARE(env.value("select F_FKprice from T_HyxjREC where F_billcode=?", {returnCode}).toDouble(),
                 0.0);
        QCOMPARE(member(env, "M1", "F_hyXF").toDouble(), 38.2499);
        QCOMPARE(member(env, "M1", "F_hyJF").toDouble(), 3.82);
        QCOMPARE(member(env, "M1", "F_beginJE").toDouble(), 11.25);

        // Deleting each bill gives everything back.
        env.mess().clear();
        QVERIFY(b.main.billSet()->locate("F_code", code));
        b.main.command("actBillDelete")->trigger();
        QCOMPARE(env.mess().texts(), QStringList{QString("真的要删除当前消费单号为“" + code + "”吗？")});
        QCOMPARE(stockOf(env, "G1"), 11.0);
        QCOMPARE(stockOf(env, "G2"), 1.0);
        QCOMPARE(stockOf(env, "A'3"), 5.0);
        QCOMPARE(env.value("select count(*) from T_HyxjREC where F_billcode=?", {code}).toInt(), 0);
        QCOMPARE(member(env, "M1", "F_hyXF").toDouble(), -11.25);
        QVERIFY(b.main.billSet()->locate("F_code", returnCode));
        b.main.command("actBillDelete")->trigger();
        QCOMPARE(stockOf(env, "G1"), 10.0);
        QCOMPARE(member(env, "M1", "F_hyXF").toDouble(), 0.0);
        QCOMPARE(member(env, "M1", "F_hyJF").toDouble(), 0.0);
        QCOMPARE(member(env, "M1", "F_beginJE").toDouble(), 0.0);
        QCOMPARE(count(env, "depotM") + count(env, "depotD") + count(env, "T_HyxjREC"), 0);
        QCOMPARE(b.main.billSet()->recordCount(), 0);
        QCOMPARE(env.value("select F_OperType from LogRec order by F_ID desc").toString(),
                 QString("删除会员 \"M1\" 的消费单号为 \"" + returnCode + "\" 的消费记录！"));
    }

    void storedValueCardPaysFromBalance()
    {
        TestEnv env;
        addMember(env, "C1", 1, 1, 30);
        addGoods(env, "G1", 12.5, 0, 10);
        Browser b("C1");
        Dialogs d;
        QString label;
        d.pay = [&label](TFrmFKman& p) {
            label = p.changeLabel()->text();
            if (!p.cardMode())
                return int(QDialog::Rejected);
            p.paymentBox()->setFocus();
            QTest::keyClicks(p.paymentBox(), "5");
            p.confirm();
            return p.result();
        };
        int rows = 0;
        d.bill = [&rows](TfrmXsRecEdit& bill) {
            bill.show();
            setCell(bill.grid(), 0, "F_GoodCode", "G1");
            bill.lookupGoods(0);
            setCell(bill.grid(), 0, "F_Amount", 3.0); // 37.5: 5 cash, 32.5 from a card holding 30
            bill.confirm();
            rows = bill.lines()->recordCount();
            if (bill.result() == QDialog::Accepted)
                return int(QDialog::Accepted);
            setCell(bill.grid(), 0, "F_Amount", 2.0); // 25: 5 cash, 20 from the card
            bill.confirm();
            return bill.result();
        };
        b.main.command("actBillNew")->trigger();
        QCOMPARE(label, QStringLiteral("消费后余额："));
        QCOMPARE(env.mess().texts(), QStringList{"卡内余额不足，请充值后再使用，谢谢！！"});
        QCOMPARE(rows, 1);
        QCOMPARE(member(env, "C1", "F_beginJE").toDouble(), 10.0);
        QCOMPARE(env.value("select F_FKprice || '|' || F_ZZprice from T_HyxjREC").toString(),
                 QStringLiteral("5.0|20.0"));
        QCOMPARE(member(env, "C1", "F_hyXF").toDouble(), 25.0);

        // A top-up after the bill stays when the bill is deleted: only what the card paid comes back.
        env.exec("update t_member set F_beginJE = F_beginJE + 100 where F_hycode='C1'");
        b.main.refreshAndLocate("C1");
        b.main.refreshBills({});
        QVERIFY(!b.main.billSet()->isEmpty());
        b.main.command("actBillDelete")->trigger();
        QCOMPARE(member(env, "C1", "F_beginJE").toDouble(), 130.0);
        QCOMPARE(member(env, "C1", "F_hyXF").toDouble(), 0.0);
    }

    void failedSaveLeavesNothingAndKeepsInput()
    {
        TestEnv env;
        addMember(env, "M1", 1, 0.9, 50, 7);
        addGoods(env, "G1", 10, 0, 10);
        addGoods(env, "G2", 20, 0, 10);
        env.exec("create trigger fail_header before insert on depotM begin select raise(abort, 'disk'); end");
        Browser b("M1");
        Dialogs d;
        d.pay = [](TFrmFKman& p) {
            p.confirm(); // card mode, all from the card
            return p.result();
        };
        int linesKept = 0;
        QString memoKept;
        d.bill = [&](TfrmXsRecEdit& bill) {
            bill.show();
            setCell(bill.grid(), 0, "F_GoodCode", "G1");
            bill.lookupGoods(0);
            bill.addLine();
            setCell(bill.grid(), 1, "F_GoodCode", "G2");
            bill.lookupGoods(1);
            bill.memoBox()->setText("留着");
            bill.ratioBox()->setEditText("10");
            bill.confirm();
            linesKept = bill.lines()->recordCount();
            memoKept = bill.memoBox()->text();
            if (bill.result() == QDialog::Accepted)
                return int(QDialog::Accepted);
            env.exec("drop trigger fail_header");
            bill.confirm(); // the operator tries again with the same input
            return bill.result();
        };
        b.main.command("actBillNew")->trigger();
        QCOMPARE(env.mess().texts().value(0), QStringLiteral("保存失败，请检测数据库连接！"));
        QCOMPARE(linesKept, 2);
        QCOMPARE(memoKept, QStringLiteral("留着"));
        // The second attempt saved once, not twice.
        QCOMPARE(count(env, "depotM"), 1);
        QCOMPARE(count(env, "depotD"), 2);
        QCOMPARE(count(env, "T_HyxjREC"), 1);
        QCOMPARE(stockOf(env, "G1"), 9.0);
        QCOMPARE(member(env, "M1", "F_beginJE").toDouble(), 23.0); // 50 - 27
        QCOMPARE(member(env, "M1", "F_hyJF").toDouble(), 9.7);

        // The same failure without retrying: nothing at all is left behind.
        env.exec("update t_member set F_beginJE = 100 where F_hycode='M1'");
        env.exec("create trigger fail_line before insert on depotD when new.F_GoodCode = 'G2' "
                 "begin select raise(abort, 'disk'); end");
        const QVariantList before{
            stockOf(env, "G1"),          stockOf(env, "G2"),          member(env, "M1", "F_beginJE"),
            member(env, "M1", "F_hyXF"), member(env, "M1", "F_hyJF"), count(env, "T_HyxjREC"),
            count(env, "depotM"),        count(env, "depotD")};
        env.mess().clear();
        d.bill = [](TfrmXsRecEdit& bill) {
            setCell(bill.grid(), 0, "F_GoodCode", "G1");
            bill.lookupGoods(0);
            bill.addLine();
            setCell(bill.grid(), 1, "F_GoodCode", "G2");
            bill.lookupGoods(1);
            bill.confirm();
            return bill.result();
        };
        b.main.command("actBillNew")->trigger();
        QCOMPARE(env.mess().texts(), QStringList{"保存失败，请检测数据库连接！"});
        const QVariantList after{
            stockOf(env, "G1"),          stockOf(env, "G2"),          member(env, "M1", "F_beginJE"),
            member(env, "M1", "F_hyXF"), member(env, "M1", "F_hyJF"), count(env, "T_HyxjREC"),
            count(env, "depotM"),        count(env, "depotD")};
        QCOMPARE(after, before);
    }

    void badInput_data()
    {
        QTest::addColumn<QString>("code");
        QTest::addColumn<double>("amount");
        QTest::addColumn<QString>("message");
        QTest::newRow("unknown code") << "ZZ9" << 1.0 << "商品 \"ZZ9\" 不存在，请检查输入？";
        QTest::newRow("quote in an unknown code")
            << "x' or '1'='1" << 1.0 << "商品 \"x' or '1'='1\" 不存在，请检查输入？";
        QTest::newRow("huge quantity")
            << "G1" << 1e12 << "第 1 行的数量、单价、折扣或金额超出允许范围，请检查输入！";
        QTest::newRow("quantity without a code") << "" << 2.0 << "第 1 行的商品编号不能为空！";
        QTest::newRow("nothing but an empty line") << "" << 0.0 << "消费金额为0，此单据不能成交，谢谢！！";
    }
    void badInput()
    {
        QFETCH(QString, code);
        QFETCH(double, amount);
        QFETCH(QString, message);
        TestEnv env;
        addMember(env, "M1", 0, 1, 0);
        addGoods(env, "G1", 10, 0, 10);
        Browser b("M1");
        Dialogs d;
        d.bill = [&](TfrmXsRecEdit& bill) {
            bill.show();
            setCell(bill.grid(), 0, "F_GoodCode", code);
            setCell(bill.grid(), 0, "F_Price", 10.0);
            setCell(bill.grid(), 0, "F_Amount", amount);
            if (amount == 0)
                setCell(bill.grid(), 0, "F_Price", 0.0);
            bill.confirm();
            return bill.result();
        };
        b.main.command("actBillNew")->trigger();
        QCOMPARE(env.mess().texts(), QStringList{message});
        QCOMPARE(d.opened, QStringList{"会员消费记录 - 新增"}); // no payment window
        QCOMPARE(count(env, "depotM") + count(env, "depotD") + count(env, "T_HyxjREC"), 0);
        QCOMPARE(stockOf(env, "G1"), 10.0);
    }

    void typedCodesAndCellEditors()
    {
        TestEnv env;
        addMember(env, "M1", 0, 0.85, 0);
        addGoods(env, "G1", 12.34567, 0.9, 10);
        Browser b("M1");
        TfrmXsRecEdit bill(&b.main, 1, false, "XF1");
        bill.show();
        typeCode(bill.grid(), 0, "NOPE");
        QCOMPARE(env.mess().texts(), QStringList{"商品 \"NOPE\" 不存在，请检查输入？"});
        QCOMPARE(bill.lines()->value(0, "F_GoodCode").toString(), QStringLiteral("NOPE")); // left as typed
        typeCode(bill.grid(), 0, "G1");
        QCOMPARE(bill.lines()->value(0, "F_Price").toDouble(), 12.3457);
        QCOMPARE(bill.lines()->value(0, "F_Rate").toDouble(), 0.9);
        QCOMPARE(bill.lines()->value(0, "F_Amount").toDouble(), 1.0);
        // Enter moved on to the next cell.
        QCOMPARE(bill.grid()->column(bill.grid()->currentIndex().column()).fieldName,
                 QStringLiteral("F_GoodName"));
        // The price editor takes four decimals and refuses a fifth.
        const QModelIndex price = bill.grid()->model()->index(0, bill.grid()->findColumn("F_Price"));
        bill.grid()->setCurrentIndex(price);
        bill.grid()->edit(price);
        auto* editor = qobject_cast<TMoneyEdit*>(bill.cellDelegate()->editor());
        QVERIFY(editor);
        QVERIFY(editor->acceptsText("12.3456"));
        QVERIFY(!editor->acceptsText("12.34567"));
        QVERIFY(!editor->acceptsText("-1"));
        QTest::keyClicks(editor, "12.3456");
        bill.cellDelegate()->post();
        QCOMPARE(bill.lines()->value(0, "F_Price").toDouble(), 12.3456);
        QCOMPARE(bill.lines()->value(0, "F_TotalPrice").toDouble(), 12.3456 * 0.9);
        QCOMPARE(bill.totalBox()->value(), 11.111);
        // Printing needs no save and touches no stock.
        int previews = 0;
        const report::TShowHook old = report::setShowHook([&previews](QDialog&) { ++previews; });
        bill.printBill();
        report::setShowHook(old);
        QCOMPARE(previews, 1);
        QCOMPARE(bill.reportVariable("sMemDaxie").toString().endsWith("(金额大写)"), true);
        QCOMPARE(bill.reportVariable("sMemTotalPrice").toString(), QStringLiteral("￥11.11"));
        QCOMPARE(bill.reportVariable("sMemRate").toString(), QStringLiteral("0.85"));
        QCOMPARE(TfrmXsRecEdit::reportVariables().size(), 10);
        QCOMPARE(stockOf(env, "G1"), 10.0);
        // Deleting a line asks first.
        env.mess().clear();
        env.mess().answers = {2};
        bill.deleteLine();
        QCOMPARE(bill.lines()->recordCount(), 1);
        QCOMPARE(env.mess().last(), QString("真的要删除产品名称为 “商品G1”吗？"));
        bill.deleteLine();
        QCOMPARE(bill.lines()->recordCount(), 0);
    }

    void takenNumberAndEditing()
    {
        TestEnv env;
        const int id = addMember(env, "M1", 0, 1, 0);
        addGoods(env, "G1", 10, 0, 10);
        const QString today = QDate::currentDate().toString("'XF'yyyyMMdd");
        Browser b("M1");
        Dialogs d;
        d.pay = [](TFrmFKman& p) { return payCash(p, 0, 0); };
        d.bill = [&](TfrmXsRecEdit& bill) {
            // Another copy takes the number while the bill is open.
            env.exec("insert into depotM(F_code,F_empID,F_totalprice,F_hyJF,F_OperFlag,F_flag) "
                     "values(?,?,0,0,1,1)",
                     {QString(today + "001"), id + 100});
            setCell(bill.grid(), 0, "F_GoodCode", "G1");
            bill.lookupGoods(0);
            bill.ratioBox()->setEditText("10");
            bill.confirm();
            return bill.result();
        };
        b.main.command("actBillNew")->trigger();
        QCOMPARE(env.value("select F_code from depotM where F_empID=?", {id}).toString(),
                 QString(today + "002"));
        QCOMPARE(env.value("select F_billcode from T_HyxjREC").toString(), QString(today + "002"));
        QCOMPARE(member(env, "M1", "F_hyJF").toDouble(), 1.0);

        // Editing: a new ratio changes the points, not stock nor consumption;
        // another bill's number is refused; a free number carries lines and payment along.
        d.opened.clear();
        env.mess().clear();
        d.bill = [&](TfrmXsRecEdit& bill) {
            if (!bill.grid()->isReadOnly() || bill.findChild<QPushButton*>("btnAddLine")->isEnabled())
                return int(QDialog::Rejected);
            bill.ratioBox()->setEditText("5");
            bill.numberBox()->setText(today + "001");
            bill.confirm();
            bill.numberBox()->setText(today + "050");
            bill.confirm();
            return bill.result();
        };
        QVERIFY(b.main.billSet()->locate("F_code", QString(today + "002")));
        b.main.command("actBillEdit")->trigger();
        QCOMPARE(d.opened, QStringList{"会员消费记录 - 修改"});
        QCOMPARE(env.mess().texts(),
                 QStringList{QString("单号 \"" + today + "001\" 已经存在，请重新输入！")});
        QCOMPARE(
            env.value("select F_hyJF || '|' || F_JFtype from depotM where F_code=?", {QString(today + "050")})
                .toString(),
            QStringLiteral("2.0|5"));
        QCOMPARE(env.value("select count(*) from depotD where F_Code=?", {QString(today + "050")}).toInt(),
                 1);
        QCOMPARE(
            env.value("select count(*) from T_HyxjREC where F_billcode=?", {QString(today + "050")}).toInt(),
            1);
        QCOMPARE(member(env, "M1", "F_hyJF").toDouble(), 2.0);
        QCOMPARE(member(env, "M1", "F_hyXF").toDouble(), 10.0);
        QCOMPARE(stockOf(env, "G1"), 9.0);
        QCOMPARE(b.main.billSet()->field("F_code").toString(), QString(today + "050"));
    }

    void dayWithEveryNumberTaken()
    {
        TestEnv env;
        const QString head = QDate::currentDate().toString("'XF'yyyyMMdd");
        QSqlQuery q(env.dm().ADOcnn());
        q.exec("begin");
        q.prepare("insert into depotM(F_code,F_empID,F_OperFlag,F_flag) values(?,1,1,1)");
        for (int i = 1; i <= 999; ++i) {
            q.bindValue(0, QString(head + QString::number(i).rightJustified(3, '0')));
            QVERIFY(q.exec());
        }
        QSqlQuery(env.dm().ADOcnn()).exec("commit");
        // Past 999 the counter starts again and takes the one gap left.
        QCOMPARE(billstore::freeBillCode(head + "500", "XF"), QString(head + "000"));
        env.exec("insert into depotM(F_code,F_empID,F_OperFlag,F_flag) values(?,1,1,1)",
                 {QString(head + "000")});
        QCOMPARE(billstore::freeBillCode(head + "500", "XF"), QString());
        QCOMPARE(billstore::freeBillCode("XF20000101001", "XF"), QStringLiteral("XF20000101001"));
    }

    void countCardVisit()
    {
        TestEnv env;
        const int id = addMember(env, "K1", 2, 1, 3, 10);
        // Points spent on a redemption stay spent.
        env.exec("insert into depotM(F_code,F_empID,F_totalprice,F_hyJF,F_OperFlag,F_flag) "
                 "values('DH1',?,0,4,-1,3)",
                 {id});
        env.exec("update t_member set F_hyJF = 6 where F_ID=?", {id});
        Browser b("K1");
        Dialogs d;
        d.visit = [](TfrmXsRecEdit1& v) {
            v.show();
            v.usesBox()->setValue(0);
            v.confirm();
            v.usesBox()->setValue(5);
            v.pointsBox()->setValue(2);
            v.confirm(); // answered no
            if (v.result() == QDialog::Accepted)
                return int(QDialog::Accepted);
            v.confirm(); // answered yes
            return v.result();
        };
        env.mess().answers = {2, 1};
        b.main.command("actBillNew")->trigger();
        QCOMPARE(env.mess().texts(),
                 (QStringList{"会员消费次数必须大于0！", "当前客户消费已经超过消费次数 2 次，真的继续吗？",
                              "当前客户消费已经超过消费次数 2 次，真的继续吗？"}));
        QCOMPARE(member(env, "K1", "F_beginJE").toDouble(), -2.0);
        QCOMPARE(member(env, "K1", "F_hyXF").toDouble(), 5.0);
        QCOMPARE(member(env, "K1", "F_hyJF").toDouble(), 8.0); // 10 - 4 + 2
        QCOMPARE(
            env.value("select F_flag || '|' || F_OperFlag || '|' || F_totalprice || '|' || F_hyJF || '|' || "
                      "coalesce(F_JFtype,'') from depotM where F_flag=4")
                .toString(),
            QStringLiteral("4|1|5.0|2.0|"));
        QCOMPARE(count(env, "depotD") + count(env, "T_HyxjREC"), 0);

        // Editing shows the uses read-only and leaves the counts alone.
        d.visit = [](TfrmXsRecEdit1& v) {
            if (!v.usesBox()->isReadOnly() || v.usesBox()->value() != 5)
                return int(QDialog::Rejected);
            v.pointsBox()->setValue(3);
            v.confirm();
            return v.result();
        };
        b.main.command("actBillEdit")->trigger();
        QCOMPARE(member(env, "K1", "F_beginJE").toDouble(), -2.0);
        QCOMPARE(member(env, "K1", "F_hyXF").toDouble(), 5.0);
        QCOMPARE(member(env, "K1", "F_hyJF").toDouble(), 9.0);

        b.main.command("actBillDelete")->trigger();
        QCOMPARE(member(env, "K1", "F_beginJE").toDouble(), 3.0);
        QCOMPARE(member(env, "K1", "F_hyXF").toDouble(), 0.0);
        QCOMPARE(member(env, "K1", "F_hyJF").toDouble(), 6.0);
    }

    void redemption_data()
    {
        QTest::addColumn<double>("points");
        QTest::addColumn<bool>("saved");
        QTest::newRow("100 points") << 100.0 << true;
        QTest::newRow("99 points") << 99.0 << false;
    }
    void redemption()
    {
        QFETCH(double, points);
        QFETCH(bool, saved);
        TestEnv env;
        addMember(env, "P1", 0, 1, 0, points);
        env.exec("insert into T_goodDH(F_code,F_name,F_amount,F_jifen) "
                 "values('L1','雨伞',1,30),('L2','水杯',5,40)");
        Browser b("P1", 2);
        Dialogs d;
        d.giftPicker = [](TDLGgoodDHxz& picker) {
            picker.list()->locate("F_code", "L2");
            picker.pick();
            return int(QDialog::Rejected);
        };
        bool red = false;
        d.redeem = [&red](TfrmDhRecEdit& r) {
            r.show();
            typeCode(r.grid(), 0, "L1");
            setCell(r.grid(), 0, "F_Amount", 2.0);
            red = r.stockShort(0);
            r.pickGifts();
            r.confirm(); // no clerk yet
            r.clerkBox()->setEditText("小李");
            r.confirm();
            return r.result();
        };
        b.main.command("actBillNew")->trigger();
        QVERIFY(red);
        const QString code = QDate::currentDate().toString("'DH'yyyyMMdd") + "001";
        if (!saved) {
            QCOMPARE(env.mess().texts(),
                     (QStringList{"营业员不能为空，请选择营业员！", "当前会员积分不足，不可以兑换！"}));
            QCOMPARE(count(env, "depotM") + count(env, "depotD"), 0);
            QCOMPARE(env.value("select sum(F_amount) from T_goodDH").toDouble(), 6.0);
            return;
        }
        QCOMPARE(env.mess().texts(), QStringList{"营业员不能为空，请选择营业员！"});
        QCOMPARE(member(env, "P1", "F_hyJF").toDouble(), 0.0);
        QCOMPARE(env.value("select F_amount from T_goodDH where F_code='L1'").toDouble(), -1.0);
        QCOMPARE(env.value("select F_amount from T_goodDH where F_code='L2'").toDouble(), 4.0);
        QCOMPARE(env.value("select F_code || '|' || F_flag || '|' || F_OperFlag || '|' || F_hyJF || '|' || "
                           "F_totalprice || '|' || F_empName from depotM")
                     .toString(),
                 QString(code + "|3|-1|100.0|0.0|小李"));
        QCOMPARE(
            env.value(
                   "select group_concat(F_GoodCode || ':' || F_Amount || ':' || F_dhJF || ':' || F_totalJF, "
                   "',') from (select * from depotD order by F_ID)")
                .toString(),
            QStringLiteral("L1:2.0:30.0:60.0,L2:1.0:40.0:40.0"));
        QCOMPARE(b.main.redeemSet()->field("F_code").toString(), code);
        QCOMPARE(env.value("select F_OperType from LogRec order by F_ID desc").toString(),
                 QStringLiteral("新增会员 \"P1\" 的兑换记录！"));

        // Editing re-reads the points from the stored lines and takes no more gifts or points.
        d.redeem = [](TfrmDhRecEdit& r) {
            if (!r.grid()->isReadOnly())
                return int(QDialog::Rejected);
            r.clerkBox()->setEditText("小张");
            r.confirm();
            return r.result();
        };
        b.main.command("actBillEdit")->trigger();
        QCOMPARE(env.value("select F_empName || '|' || F_hyJF from depotM").toString(),
                 QStringLiteral("小张|100.0"));
        QCOMPARE(member(env, "P1", "F_hyJF").toDouble(), 0.0);
        QCOMPARE(env.value("select F_amount from T_goodDH where F_code='L1'").toDouble(), -1.0);

        env.mess().clear();
        b.main.command("actBillDelete")->trigger();
        QCOMPARE(env.mess().texts(), QStringList{QString("真的要删除当前兑换单号为“" + code + "”吗？")});
        QCOMPARE(member(env, "P1", "F_hyJF").toDouble(), 100.0);
        QCOMPARE(env.value("select F_amount from T_goodDH where F_code='L1'").toDouble(), 1.0);
        QCOMPARE(env.value("select F_amount from T_goodDH where F_code='L2'").toDouble(), 5.0);
        QCOMPARE(count(env, "depotM") + count(env, "depotD"), 0);
    }
};

QTEST_MAIN(TestBills)
#include "test_bills.moc"
