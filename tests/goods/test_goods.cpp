#include "app/TFrmMain.h"
#include "app/commands.h"
#include "core/dataset.h"
#include "core/grid/dbgrid.h"
#include "goods/TDLGaddSet1.h"
#include "goods/TDLGgoodJTH.h"
#include "goods/TDlgGoodXz.h"
#include "goods/TfrmGoodEdit.h"
#include "goods/TfrmGoodSet.h"
#include "members/TMoneyEdit.h"
#include "report/reportprint.h"
#include "testenv.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>

namespace {
void addGoods(TestEnv& env, const QString& code, const QString& name, const QString& type, double stock,
              double price = 10, const QString& address = QString())
{
    env.exec("insert into t_goods(F_code,F_name,F_type,F_price1,F_price2,F_amount,F_rate,F_address) "
             "values(?,?,?,?,?,?,0,?)",
             {code, name, type, price, price / 2, stock, address});
}
double stockOf(TestEnv& env, const QString& code)
{
    return env.value("select F_amount from t_goods where F_code=?", {code}).toDouble();
}
QStringList codes(const TDataSet* set)
{
    QStringList out;
    for (int r = 0; r < set->recordCount(); ++r)
        out << set->value(r, QStringLiteral("F_code")).toString();
    return out;
}
void fill(TfrmGoodEdit& dlg, const QString& type, const QString& code, const QString& name, double p1,
          double p2)
{
    dlg.typeBox()->setEditText(type);
    dlg.codeBox()->setText(code);
    dlg.nameBox()->setText(name);
    dlg.price1Box()->setValue(p1);
    dlg.price2Box()->setValue(p2);
}
} // namespace

class TestGoods : public QObject
{
    Q_OBJECT
private slots:
    void editorChecksInOrder_data()
    {
        QTest::addColumn<QString>("type");
        QTest::addColumn<QString>("code");
        QTest::addColumn<QString>("name");
        QTest::addColumn<double>("price1");
        QTest::addColumn<double>("price2");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("focus");
        QTest::newRow("code") << "饮料"
                              << "  "
                              << "可乐" << 3.0 << 2.0 << "编号不能为空！"
                              << "edtCode";
        QTest::newRow("name") << "饮料"
                              << "G9"
                              << " " << 3.0 << 2.0 << "名称不能为空！"
                              << "edtName";
        QTest::newRow("sale price") << "饮料"
                                    << "G9"
                                    << "可乐" << 0.0 << 2.0 << "预售单价必须大于0！"
                                    << "edtPrice1";
        QTest::newRow("purchase price") << "饮料"
                                        << "G9"
                                        << "可乐" << 3.0 << 0.0 << "进货价格必须大于0！"
                                        << "edtPrice2";
        QTest::newRow("category") << ""
                                  << "G9"
                                  << "可乐" << 3.0 << 2.0 << "货品类型不能为空！"
                                  << "cmbType";
        QTest::newRow("duplicate") << "饮料"
                                   << "G1"
                                   << "可乐" << 3.0 << 2.0 << "商品编号重复，请重新输入！"
                                   << "edtCode";
    }
    void editorChecksInOrder()
    {
        QFETCH(QString, type);
        QFETCH(QString, code);
        QFETCH(QString, name);
        QFETCH(double, price1);
        QFETCH(double, price2);
        QFETCH(QString, message);
        QFETCH(QString, focus);
        TestEnv env;
        addGoods(env, "G1", "旧", "饮料", 1);
        TfrmGoodSet set;
        set.show();
        TfrmGoodEdit dlg(TfrmGoodEdit::New, set.goodsSet(), nullptr, &set);
        dlg.show();
        fill(dlg, type, code, name, price1, price2);
        QVERIFY(!dlg.save());
        QCOMPARE(env.mess().texts(), QStringList{message});
        QTRY_COMPARE(QApplication::focusWidget() ? QApplication::focusWidget()->objectName() : QString(),
                     focus);
        QCOMPARE(env.value("select count(*) from t_goods").toInt(), 1);
    }

    void newGoodsSavedAndListed()
    {
        TestEnv env;
        TfrmGoodSet set;
        set.show();
        TfrmGoodEdit dlg(
            TfrmGoodEdit::New, set.goodsSet(), [&set](const QString& c) { set.queryGoods(c); }, &set);
        QVERIFY(dlg.continueBox()->isVisibleTo(&dlg));
        QVERIFY(!dlg.navigator()->isVisibleTo(&dlg));
        dlg.continueBox()->setChecked(true);
        // A quote in a code is just a character.
        fill(dlg, "  饮料 ", " A'1 ", " 可乐 ", 3.5, 2.25);
        dlg.rateBox()->setValue(1.5); // brought to 1
        dlg.amountBox()->setValue(12);
        dlg.memoBox()->setPlainText(" 冰镇 ");
        QVERIFY(dlg.save());
        QCOMPARE(dlg.result(), 0); // keeps adding: fields cleared, window open
        QVERIFY(dlg.codeBox()->text().isEmpty());
        QCOMPARE(
            env.value("select F_type || '|' || F_name || '|' || F_mem from t_goods where F_code=?", {"A'1"})
                .toString(),
            QStringLiteral("饮料|可乐| 冰镇 "));
        QCOMPARE(env.value("select F_rate from t_goods where F_code=?", {"A'1"}).toDouble(), 1.0);
        QCOMPARE(stockOf(env, "A'1"), 12.0);
        QCOMPARE(set.goodsSet()->field("F_code").toString(), QStringLiteral("A'1"));
    }

    void minimumDiscountTyping()
    {
        TestEnv env;
        TfrmGoodEdit dlg(TfrmGoodEdit::New, nullptr, nullptr);
        QVERIFY(!dlg.rateBox()->acceptsText("-"));
        QVERIFY(!dlg.rateBox()->acceptsText("0.855"));
        QVERIFY(dlg.rateBox()->acceptsText("0.85"));
        QVERIFY(dlg.price1Box()->acceptsText("12.3456"));
        QVERIFY(!dlg.price1Box()->acceptsText("12.34567"));
        QVERIFY(!dlg.amountBox()->acceptsText("1.234"));
    }

    void editKeepsStockAndOwnCode()
    {
        TestEnv env;
        addGoods(env, "G1", "可乐", "饮料", 5);
        addGoods(env, "G2", "雪碧", "饮料", 7);
        TfrmGoodSet set;
        set.show();
        QVERIFY(set.goodsSet()->locate("F_code", "G1"));
        TfrmGoodEdit dlg(
            TfrmGoodEdit::Edit, set.goodsSet(), [&set](const QString& c) { set.queryGoods(c); }, &set);
        QVERIFY(dlg.amountBox()->isReadOnly());
        QVERIFY(!dlg.continueBox()->isVisibleTo(&dlg));
        QVERIFY(dlg.navigator()->isVisibleTo(&dlg));
        // A sale made meanwhile must survive the edit.
        env.exec("update t_goods set F_amount = 3 where F_code='G1'");
        dlg.codeBox()->setText("G2");
        QVERIFY(!dlg.save());
        QCOMPARE(env.mess().last(), QStringLiteral("商品编号重复，请重新输入！"));
        dlg.codeBox()->setText("G1");
        dlg.nameBox()->setText("可口可乐");
        QVERIFY(dlg.save());
        QCOMPARE(env.value("select F_name from t_goods where F_code='G1'").toString(),
                 QStringLiteral("可口可乐"));
        QCOMPARE(stockOf(env, "G1"), 3.0);
    }

    void navigatorReloadsFields()
    {
        TestEnv env;
        addGoods(env, "G1", "可乐", "饮料", 5);
        addGoods(env, "G2", "雪碧", "饮料", 7);
        addGoods(env, "G3", "芬达", "饮料", 9);
        TfrmGoodSet set;
        TfrmGoodEdit dlg(TfrmGoodEdit::Edit, set.goodsSet(), nullptr, &set);
        QCOMPARE(dlg.codeBox()->text(), QStringLiteral("G1"));
        dlg.navigate(3);
        QCOMPARE(dlg.nameBox()->text(), QStringLiteral("芬达"));
        dlg.navigate(1);
        QCOMPARE(dlg.codeBox()->text(), QStringLiteral("G2"));
        QCOMPARE(dlg.amountBox()->value(), 7.0);
        dlg.navigate(0);
        QCOMPARE(dlg.codeBox()->text(), QStringLiteral("G1"));
    }

    void helpPanelToggles()
    {
        TestEnv env;
        TfrmGoodEdit dlg(TfrmGoodEdit::New, nullptr, nullptr);
        dlg.show();
        QVERIFY(!dlg.helpPanel()->isVisible());
        dlg.findChild<QPushButton*>("btnDetail")->click();
        QVERIFY(dlg.helpPanel()->isVisible());
        QVERIFY(dlg.helpPanel()->findChild<QLabel*>("lblHelp")->text().contains("最低折扣"));
        QTest::mouseDClick(dlg.helpPanel()->findChild<QLabel*>("lblHelp"), Qt::LeftButton);
        QVERIFY(!dlg.helpPanel()->isVisible());
    }

    void filters_data()
    {
        QTest::addColumn<QString>("category");
        QTest::addColumn<QString>("search");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("all") << ""
                             << "" << QStringList{"A12", "B1", "C1", "D%1"};
        QTest::newRow("code, name or origin") << ""
                                              << "12" << QStringList{"A12", "B1", "C1"};
        QTest::newRow("category prefix") << "饮"
                                         << "" << QStringList{"A12", "B1"};
        QTest::newRow("both") << "饮"
                              << "12" << QStringList{"A12", "B1"};
        QTest::newRow("percent is a character") << ""
                                                << "%" << QStringList{"D%1"};
        QTest::newRow("quote") << ""
                               << "O'" << QStringList{"C1"};
    }
    void filters()
    {
        QFETCH(QString, category);
        QFETCH(QString, search);
        QFETCH(QStringList, expected);
        TestEnv env;
        addGoods(env, "A12", "可乐", "饮料", 1);
        addGoods(env, "B1", "果汁12", "饮品", 1);
        addGoods(env, "C1", "薯片", "零食", 1, 10, "O'12 产地");
        addGoods(env, "D%1", "糖", "零食", 1);
        TfrmGoodSet set;
        set.findChild<QComboBox*>("cmbType")->setEditText(category);
        set.findChild<QLineEdit*>("edtSearch")->setText(search);
        QCOMPARE(codes(set.goodsSet()), expected);
    }

    void categoriesAndGifts()
    {
        TestEnv env;
        addGoods(env, "G1", "可乐", "饮料", 1);
        TfrmGoodSet set;
        set.show();
        QVERIFY(set.categorySet()->locate("F_code", "000000"));
        set.editCategory();
        set.deleteCategory();
        QCOMPARE(env.mess().texts(),
                 (QStringList{"服务类为系统默认类别，不能修改！", "服务类为系统默认类别，不能删除！"}));
        QCOMPARE(env.value("select count(*) from T_goodLB where F_code='000000'").toInt(), 1);

        TDLGaddSet1 add(
            TDLGaddSet1::NewCategory, set.categorySet(), [&set](const QString& c) { set.openCategories(c); },
            &set);
        QVERIFY(!add.amountBox()->isVisibleTo(&add));
        add.codeBox()->setText("000000");
        add.nameBox()->setText("饮料");
        QVERIFY(!add.save());
        QCOMPARE(env.mess().last(), QStringLiteral("类别编号重复，请重新输入！"));
        add.codeBox()->setText("001");
        QVERIFY(add.save());
        QCOMPARE(set.categorySet()->field("F_code").toString(), QStringLiteral("001"));
        // Deleting a category leaves the goods that carry its name.
        env.mess().clear();
        set.deleteCategory();
        QCOMPARE(env.mess().texts(), QStringList{"真的要删除当前商品类别 饮料吗？"});
        QCOMPARE(env.value("select count(*) from T_goodLB").toInt(), 1);
        QCOMPARE(env.value("select F_type from t_goods").toString(), QStringLiteral("饮料"));

        env.mess().clear();
        set.editGift();
        set.deleteGift();
        QCOMPARE(env.mess().texts(),
                 (QStringList{"没有记录需要修改，请选择商品记录！", "没有兑换商品资料，删除失败！"}));
        TDLGaddSet1 gift(
            TDLGaddSet1::NewGift, set.giftSet(), [&set](const QString& c) { set.openGifts(c); }, &set);
        QCOMPARE(gift.windowTitle(), QStringLiteral("兑换商品设置 - 新增"));
        gift.codeBox()->setText("L1");
        gift.nameBox()->setText("雨伞");
        gift.amountBox()->setValue(3);
        gift.pointsBox()->setValue(30);
        QVERIFY(gift.save());
        TDLGaddSet1 edit(
            TDLGaddSet1::EditGift, set.giftSet(), [&set](const QString& c) { set.openGifts(c); }, &set);
        QCOMPARE(edit.pointsBox()->value(), 30.0);
        edit.pointsBox()->setValue(35);
        QVERIFY(edit.save());
        QCOMPARE(env.value("select F_jifen from T_goodDH where F_code='L1'").toDouble(), 35.0);
    }

    void deleteGoodsAsksAndKeepsBills()
    {
        TestEnv env;
        addGoods(env, "G1", "可乐", "饮料", 1);
        env.exec("insert into depotD(F_Code,F_GoodCode,F_Amount) values('XF1','G1',1)");
        TfrmGoodSet set;
        env.mess().answers = {2};
        set.deleteGoods();
        QCOMPARE(env.mess().last(), QStringLiteral("真的要删除当前商品\"可乐\"？"));
        QCOMPARE(set.goodsSet()->recordCount(), 1);
        set.deleteGoods();
        QCOMPARE(set.goodsSet()->recordCount(), 0);
        QCOMPARE(env.value("select count(*) from depotD").toInt(), 1);
        env.mess().clear();
        set.show();
        QTest::keyClick(set.goodsGrid(), Qt::Key_F3); // the window sees the keys first
        set.stockMove();
        QCOMPARE(env.mess().texts(),
                 (QStringList{"此表为空，没有记录需要修改！", "商品列表为空，请选择进货的商品！"}));
    }

    void stockDialog()
    {
        TestEnv env;
        addGoods(env, "G1", "可乐", "饮料", 5, 3.5);
        addGoods(env, "S1", "洗车", "服务类", 0);
        TfrmGoodSet set;
        set.show();
        QVERIFY(set.goodsSet()->locate("F_code", "S1"));
        int opened = 0;
        commands::setExecHook([&opened](QDialog&) {
            ++opened;
            return int(QDialog::Rejected);
        });
        set.stockMove();
        QCOMPARE(opened, 0);
        QCOMPARE(env.mess().last(), QStringLiteral("服务类商品不能进货！"));
        commands::setExecHook(nullptr);

        QVERIFY(set.goodsSet()->locate("F_code", "G1"));
        TDLGgoodJTH dlg(set.goodsSet(), &set);
        QCOMPARE(dlg.quantityLabel()->text(), QStringLiteral("进货数量："));
        dlg.returnButton()->setChecked(true);
        QCOMPARE(dlg.quantityLabel()->text(), QStringLiteral("退货数量："));
        dlg.quantityBox()->setValue(5.01);
        QVERIFY(!dlg.save());
        QCOMPARE(env.mess().last(), QStringLiteral("库存货品已经不足，请检查！"));
        QCOMPARE(stockOf(env, "G1"), 5.0);
        QCOMPARE(env.value("select count(*) from t_goodJHrec").toInt(), 0);

        // The movement is all or nothing.
        env.exec("create trigger fail_rec before insert on t_goodJHrec begin select raise(abort, 'x'); end");
        dlg.quantityBox()->setValue(5);
        QVERIFY(!dlg.save());
        QCOMPARE(env.mess().last(), QStringLiteral("保存失败，请检测数据库连接！"));
        QCOMPARE(stockOf(env, "G1"), 5.0);
        env.exec("drop trigger fail_rec");

        dlg.memoBox()->setText("退回厂家");
        QVERIFY(dlg.save());
        QCOMPARE(stockOf(env, "G1"), 0.0);
        QCOMPARE(set.goodsSet()->field("F_amount").toDouble(), 0.0);
        // Later price changes leave the record as it was.
        env.exec("update t_goods set F_price1 = 9 where F_code='G1'");
        QCOMPARE(
            env.value(
                   "select F_GoodCode || '|' || F_amount || '|' || F_price1 || '|' || F_OperFlag || '|' || "
                   "F_memo1 || '|' || F_OperName from t_goodJHrec")
                .toString(),
            QStringLiteral("G1|5.0|3.5|-1|退回厂家|admin"));

        TDLGgoodJTH in(set.goodsSet(), &set);
        in.quantityBox()->setValue(0);
        QVERIFY(!in.save());
        QCOMPARE(env.mess().last(), QStringLiteral("进货数量必须大于0，请检查！"));
        in.quantityBox()->setValue(3);
        QVERIFY(in.save());
        QCOMPARE(stockOf(env, "G1"), 3.0);
    }

    void goodsPickerOffersEachArticleOnce()
    {
        TestEnv env;
        addGoods(env, "G1", "可乐", "饮料", 5);
        addGoods(env, "G2", "雪碧", "饮料", 5);
        QStringList picked;
        {
            TDlgGoodXz picker([&picked](const TDataSet& l) { picked << l.field("F_code").toString(); });
            QCOMPARE(codes(picker.list()), (QStringList{"G1", "G2"}));
            picker.pick();
            QCOMPARE(codes(picker.list()), QStringList{"G2"});
            picker.pick();
            QVERIFY(picker.list()->isEmpty());
            picker.pick(); // nothing left: nothing happens
        }
        QCOMPARE(picked, (QStringList{"G1", "G2"}));
        TDlgGoodXz again([](const TDataSet&) {});
        QCOMPARE(codes(again.list()), (QStringList{"G1", "G2"}));

        env.exec("insert into T_goodDH(F_code,F_name,F_amount,F_jifen) values('L1','雨伞',2,30)");
        TDLGgoodDHxz gifts([&picked](const TDataSet& l) { picked << l.field("F_jifen").toString(); });
        gifts.pick();
        QVERIFY(gifts.list()->isEmpty());
        QCOMPARE(picked.last(), QStringLiteral("30"));
    }

    void printsTheGoodsList()
    {
        TestEnv env;
        QStringList shown;
        const report::TShowHook old = report::setShowHook([&shown](QDialog& w) { shown << w.windowTitle(); });
        TfrmGoodSet set;
        set.printList(); // empty list: nothing
        QCOMPARE(shown.size(), 0);
        addGoods(env, "G1", "可乐", "饮料", 5);
        set.queryGoods();
        set.printList();
        report::setShowHook(old);
        QCOMPARE(shown.size(), 1);
    }

    void commandOpensWindowAndLogs()
    {
        TestEnv env;
        TFrmMain main;
        main.show();
        QString title;
        commands::setExecHook([&title](QDialog& dlg) {
            title = dlg.windowTitle();
            return int(QDialog::Rejected);
        });
        main.command("act207")->trigger();
        commands::setExecHook(nullptr);
        QCOMPARE(title, QStringLiteral("商品资料管理"));
        QCOMPARE(env.value("select F_OperType from LogRec order by F_ID desc").toString(),
                 QStringLiteral("商品资料设置！"));
    }
};

QTEST_MAIN(TestGoods)
#include "test_goods.moc"
