#include "app/TFrmMain.h"
#include "app/commands.h"
#include "core/dataset.h"
#include "core/grid/dbgrid.h"
#include "core/support.h"
#include "members/TMoneyEdit.h"
#include "members/TfrmHYcardSet.h"
#include "testenv.h"

#include <QAction>
#include <QComboBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QSqlQuery>
#include <QtTest>

namespace {
// Runs the next dialogs through `drive` instead of a blocking loop.
struct DialogDriver
{
    explicit DialogDriver(std::function<int(QDialog&)> drive) { commands::setExecHook(std::move(drive)); }
    ~DialogDriver() { commands::setExecHook(nullptr); }
};

int count(TestEnv& env, const QString& sql, const QVariantList& params = {})
{
    return env.value(sql, params).toInt();
}
} // namespace

class TestCardSettings : public QObject
{
    Q_OBJECT
private slots:
    void windowShowsBothTablesAndLogsFromTheMainWindow()
    {
        TestEnv env;
        env.exec("insert into T_jibie(F_code,F_name,F_rate,F_begin,F_end) values('0001','银卡',0.9,0,1000)");
        env.exec("insert into T_youhui(F_code,F_name,F_type,F_rate,F_price1,F_price2,F_memo1) "
                 "values('0002','十次卡',2,10,100,0,'交费 100元，可消费 10次')");
        TFrmMain main;
        main.show();
        int shown = 0;
        DialogDriver driver([&](QDialog& dlg) {
            auto* w = qobject_cast<TfrmHYcardSet*>(&dlg);
            if (!w)
                return int(QDialog::Rejected);
            ++shown;
            [&] {
                QCOMPARE(w->windowTitle(), QStringLiteral("会员卡设置"));
                QCOMPARE(w->levelSet()->recordCount(), 2);
                QCOMPARE(w->modeSet()->recordCount(), 2);
                QCOMPARE(w->levelGrid()->column(1).title, QStringLiteral("会员卡级别"));
                QCOMPARE(w->levelGrid()->column(3).title, QStringLiteral("积分区间(上)"));
                QCOMPARE(w->modeGrid()->gridModel()->data(w->modeGrid()->gridModel()->index(1, 2)).toString(),
                         QStringLiteral("计次卡"));
                QCOMPARE(w->modeGrid()->gridModel()->data(w->modeGrid()->gridModel()->index(0, 2)).toString(),
                         QStringLiteral("存款优惠"));
            }();
            return int(QDialog::Accepted);
        });
        main.command(QStringLiteral("act107"))->trigger();
        QCOMPARE(shown, 1);
        QCOMPARE(env.value("select F_OperType from LogRec order by F_ID desc").toString(),
                 QStringLiteral("会员卡资料设置！"));
    }

    void builtInRowsAreProtected()
    {
        TestEnv env;
        TfrmHYcardSet w;
        int editors = 0;
        DialogDriver driver([&](QDialog&) {
            ++editors;
            return int(QDialog::Rejected);
        });
        QVERIFY(w.levelSet()->locate(QStringLiteral("F_code"), QStringLiteral("0000")));
        QVERIFY(w.modeSet()->locate(QStringLiteral("F_code"), QStringLiteral("0000")));
        w.editLevel();
        emit w.levelGrid()->rowDoubleClicked(0);
        w.deleteLevel();
        w.editMode();
        w.deleteMode();
        QCOMPARE(editors, 0);
        QCOMPARE(env.mess().texts(), (QStringList{QStringLiteral("无卡用户等级为系统默认，不能修改！"),
                                                  QStringLiteral("无卡用户等级为系统默认，不能修改！"),
                                                  QStringLiteral("无卡用户等级为系统默认，不能删除！"),
                                                  QStringLiteral("不优惠方式为系统默认，不能修改！"),
                                                  QStringLiteral("不优惠方式为系统默认，不能删除！")}));
        QCOMPARE(count(env, "select count(*) from T_jibie where F_code='0000'"), 1);
        QCOMPARE(count(env, "select count(*) from T_youhui where F_code='0000'"), 1);
    }

    void levelEditorChecks_data()
    {
        QTest::addColumn<QString>("code");
        QTest::addColumn<QString>("name");
        QTest::addColumn<double>("rate");
        QTest::addColumn<double>("lower");
        QTest::addColumn<double>("upper");
        QTest::addColumn<QString>("message"); // empty: saved
        QTest::newRow("interval 100 to 50 refused")
            << "0001"
            << "金卡" << 0.8 << 100.0 << 50.0 << "区间下限必须大于区间上限！";
        QTest::newRow("interval 100 to 0 accepted") << "0001"
                                                    << "金卡" << 0.8 << 100.0 << 0.0 << "";
        QTest::newRow("interval 100 to 100 accepted") << "0001"
                                                      << "金卡" << 0.8 << 100.0 << 100.0 << "";
        QTest::newRow("empty code") << "  "
                                    << "金卡" << 0.8 << 0.0 << 0.0 << "编号不能为空！";
        QTest::newRow("empty name") << "0001"
                                    << " " << 0.8 << 0.0 << 0.0 << "名称不能为空！";
        QTest::newRow("rate 0") << "0001"
                                << "金卡" << 0.0 << 0.0 << 0.0 << "折扣率不能为0！";
        QTest::newRow("negative rate") << "0001"
                                       << "金卡" << -0.5 << 0.0 << 0.0 << "折扣率不能为0！";
        QTest::newRow("duplicate code") << "0000"
                                        << "金卡" << 0.8 << 0.0 << 0.0 << "等级编号重复，请重新输入！";
        QTest::newRow("quote in the name is a character") << "0'1"
                                                          << "金'卡" << 0.8 << 0.0 << 0.0 << "";
    }
    void levelEditorChecks()
    {
        QFETCH(QString, code);
        QFETCH(QString, name);
        QFETCH(double, rate);
        QFETCH(double, lower);
        QFETCH(double, upper);
        QFETCH(QString, message);
        TestEnv env;
        TfrmHYcardSet w;
        TDLGaddSet2 dlg(1, &w);
        QCOMPARE(dlg.windowTitle(), QStringLiteral("会员等级设置 - 新增"));
        dlg.codeBox()->setText(code);
        dlg.nameBox()->setText(name);
        dlg.rateBox()->setValue(rate);
        dlg.beginBox()->setValue(lower);
        dlg.endBox()->setValue(upper);
        dlg.confirm();
        if (message.isEmpty()) {
            QVERIFY(env.mess().messages.isEmpty());
            QCOMPARE(dlg.result(), int(QDialog::Accepted));
            QSqlQuery q(env.dm().ADOcnn());
            q.prepare("select F_name,F_rate,F_begin,F_end from T_jibie where F_code=?");
            q.addBindValue(code.trimmed());
            QVERIFY(q.exec() && q.next());
            QCOMPARE(q.value(0).toString(), name.trimmed());
            QCOMPARE(q.value(1).toDouble(), rate);
            QCOMPARE(q.value(2).toDouble(), lower);
            QCOMPARE(q.value(3).toDouble(), upper);
            // The grid is reloaded and placed on the new row.
            QCOMPARE(w.levelSet()->field(QStringLiteral("F_code")).toString(), code.trimmed());
        } else {
            QCOMPARE(env.mess().texts(), QStringList{message});
            QCOMPARE(env.mess().messages.first().kind, int(mkInformation));
            QVERIFY(dlg.result() != QDialog::Accepted);
            QCOMPARE(count(env, "select count(*) from T_jibie"), 1);
        }
    }

    void levelEditKeepsOwnCodeAndRefusesAnother()
    {
        TestEnv env;
        env.exec("insert into T_jibie(F_code,F_name,F_rate,F_begin,F_end) values('0001','银卡',0.9,0,1000)");
        env.exec(
            "insert into T_jibie(F_code,F_name,F_rate,F_begin,F_end) values('0002','金卡',0.8,1000,5000)");
        TfrmHYcardSet w;
        QVERIFY(w.levelSet()->locate(QStringLiteral("F_code"), QStringLiteral("0001")));
        {
            TDLGaddSet2 dlg(2, &w);
            QCOMPARE(dlg.windowTitle(), QStringLiteral("会员等级设置 - 修改"));
            QCOMPARE(dlg.nameBox()->text(), QStringLiteral("银卡"));
            QCOMPARE(dlg.endBox()->value(), 1000.0);
            dlg.codeBox()->setText(QStringLiteral("0002"));
            dlg.confirm();
            QCOMPARE(env.mess().last(), QStringLiteral("等级编号重复，请重新输入！"));
            env.mess().clear();
            dlg.codeBox()->setText(QStringLiteral("0001"));
            dlg.rateBox()->setValue(0.95);
            dlg.confirm();
            QVERIFY(env.mess().messages.isEmpty());
            QCOMPARE(dlg.result(), int(QDialog::Accepted));
        }
        QCOMPARE(env.value("select F_rate from T_jibie where F_code='0001'").toDouble(), 0.95);
        QCOMPARE(count(env, "select count(*) from T_jibie"), 3);
    }

    void deletingAskFirst()
    {
        TestEnv env;
        env.exec("insert into T_jibie(F_code,F_name,F_rate,F_begin,F_end) values('0001','银卡',0.9,0,0)");
        env.exec("insert into T_youhui(F_code,F_name,F_type,F_rate,F_price1,F_price2,F_memo1) "
                 "values('0002','八折',0,1.25,0,0,'')");
        TfrmHYcardSet w;
        QVERIFY(w.levelSet()->locate(QStringLiteral("F_code"), QStringLiteral("0001")));
        QVERIFY(w.modeSet()->locate(QStringLiteral("F_code"), QStringLiteral("0002")));
        env.mess().answers = {maNo, maNo};
        w.deleteLevel();
        w.deleteMode();
        QCOMPARE(env.mess().texts(), (QStringList{QStringLiteral("真的要删除当前会员卡等级 银卡吗？"),
                                                  QStringLiteral("真的要删除当前优惠方式 \"八折\" 吗？")}));
        QCOMPARE(count(env, "select count(*) from T_jibie"), 2);
        QCOMPARE(count(env, "select count(*) from T_youhui"), 2);
        w.deleteLevel();
        w.deleteMode();
        QCOMPARE(count(env, "select count(*) from T_jibie"), 1);
        QCOMPARE(count(env, "select count(*) from T_youhui"), 1);
        QCOMPARE(w.levelSet()->recordCount(), 1);
        QCOMPARE(w.modeSet()->recordCount(), 1);
    }

    void modeEditorChecks_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<double>("a"); // factor / threshold / price
        QTest::addColumn<double>("b"); // - / cash / count
        QTest::addColumn<QString>("message");
        QTest::newRow("no kind") << -1 << 1.0 << 1.0 << "优惠种类不能为空！";
        QTest::newRow("factor 0") << 0 << 0.0 << 0.0 << "系数必须大于0！";
        QTest::newRow("threshold 0") << 1 << 0.0 << 50.0 << "累计消费必须大于0！";
        QTest::newRow("cash 0") << 1 << 500.0 << 0.0 << "转换现金数必须大于0！";
        QTest::newRow("price 0") << 2 << 0.0 << 10.0 << "交费数必须大于0！";
        QTest::newRow("count 0") << 2 << 100.0 << 0.0 << "可消费次数必须大于0！";
    }
    void modeEditorChecks()
    {
        QFETCH(int, kind);
        QFETCH(double, a);
        QFETCH(double, b);
        QFETCH(QString, message);
        TestEnv env;
        TfrmHYcardSet w;
        TDLGaddSet3 dlg(3, &w);
        dlg.codeBox()->setText(QStringLiteral("0009"));
        dlg.nameBox()->setText(QStringLiteral("新方式"));
        dlg.kindBox()->setCurrentIndex(kind);
        if (kind == 0)
            dlg.factorBox()->setValue(a);
        if (kind == 1) {
            dlg.thresholdBox()->setValue(a);
            dlg.cashBox()->setValue(b);
        }
        if (kind == 2) {
            dlg.priceBox()->setValue(a);
            dlg.countBox()->setValue(b);
        }
        dlg.confirm();
        QCOMPARE(env.mess().texts(), QStringList{message});
        QCOMPARE(count(env, "select count(*) from T_youhui"), 1);
    }

    void modeEditorStoresEachKind_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<double>("a");
        QTest::addColumn<double>("b");
        QTest::addColumn<double>("rate");
        QTest::addColumn<double>("price1");
        QTest::addColumn<double>("price2");
        QTest::addColumn<QString>("memo");
        QTest::newRow("deposit bonus") << 0 << 1.1 << 0.0 << 1.1 << 0.0 << 0.0 << "实际款 = 所付存款*1.1";
        QTest::newRow("consumption to cash")
            << 1 << 500.0 << 50.0 << 0.0 << 500.0 << 50.0 << "累计消费 500元，转现金 50元";
        QTest::newRow("count package")
            << 2 << 100.0 << 10.0 << 10.0 << 100.0 << 0.0 << "交费 100元，可消费 10次";
    }
    void modeEditorStoresEachKind()
    {
        QFETCH(int, kind);
        QFETCH(double, a);
        QFETCH(double, b);
        QFETCH(double, rate);
        QFETCH(double, price1);
        QFETCH(double, price2);
        QFETCH(QString, memo);
        TestEnv env;
        TfrmHYcardSet w;
        TDLGaddSet3 dlg(3, &w);
        QCOMPARE(dlg.windowTitle(), QStringLiteral("优惠方式及计次卡模式设置 - 新增"));
        dlg.codeBox()->setText(QStringLiteral(" 0009 "));
        dlg.nameBox()->setText(QStringLiteral(" 方式 "));
        dlg.kindBox()->setCurrentIndex(kind);
        if (kind == 0)
            dlg.factorBox()->setValue(a);
        else if (kind == 1) {
            dlg.thresholdBox()->setValue(a);
            dlg.cashBox()->setValue(b);
        } else {
            dlg.priceBox()->setValue(a);
            dlg.countBox()->setValue(b);
        }
        dlg.confirm();
        QVERIFY2(env.mess().messages.isEmpty(), qPrintable(env.mess().texts().join(QLatin1Char('|'))));
        QSqlQuery q(env.dm().ADOcnn());
        QVERIFY(q.exec(
            "select F_name,F_type,F_rate,F_price1,F_price2,F_memo1 from T_youhui where F_code='0009'"));
        QVERIFY(q.next());
        QCOMPARE(q.value(0).toString(), QStringLiteral("方式"));
        QCOMPARE(q.value(1).toInt(), kind);
        QCOMPARE(q.value(2).toDouble(), rate);
        QCOMPARE(q.value(3).toDouble(), price1);
        QCOMPARE(q.value(4).toDouble(), price2);
        QCOMPARE(q.value(5).toString(), memo);
        QCOMPARE(w.modeSet()->field(QStringLiteral("F_code")).toString(), QStringLiteral("0009"));
    }

    void modeEditKeepsOwnNameAndRefusesAnother()
    {
        TestEnv env;
        env.exec("insert into T_youhui(F_code,F_name,F_type,F_rate,F_price1,F_price2,F_memo1) "
                 "values('0001','十次卡',2,10,100,0,'')");
        TfrmHYcardSet w;
        QVERIFY(w.modeSet()->locate(QStringLiteral("F_code"), QStringLiteral("0001")));
        TDLGaddSet3 dlg(4, &w);
        QVERIFY(!dlg.kindBox()->isEnabled());
        QCOMPARE(dlg.kindBox()->currentIndex(), 2);
        // Both boxes of each pair come from the same column.
        QCOMPARE(dlg.countBox()->value(), 10.0);
        QCOMPARE(dlg.factorBox()->value(), 10.0);
        QCOMPARE(dlg.priceBox()->value(), 100.0);
        QCOMPARE(dlg.thresholdBox()->value(), 100.0);
        dlg.nameBox()->setText(QStringLiteral("不优惠"));
        dlg.confirm();
        QCOMPARE(env.mess().texts(), QStringList{QStringLiteral("优惠方式名称重复，请重新输入！")});
        env.mess().clear();
        dlg.codeBox()->setText(QStringLiteral("0000"));
        dlg.nameBox()->setText(QStringLiteral("十次卡"));
        dlg.confirm();
        QCOMPARE(env.mess().texts(), QStringList{QStringLiteral("优惠方式编号重复，请重新输入！")});
        env.mess().clear();
        dlg.codeBox()->setText(QStringLiteral("0001"));
        dlg.countBox()->setValue(12);
        dlg.confirm();
        QVERIFY(env.mess().messages.isEmpty());
        QCOMPARE(env.value("select F_rate from T_youhui where F_code='0001'").toDouble(), 12.0);
        QCOMPARE(env.value("select F_memo1 from T_youhui where F_code='0001'").toString(),
                 QStringLiteral("交费 100元，可消费 12次"));
    }

    void failedSaveKeepsTheEditorOpen()
    {
        TestEnv env;
        env.exec(
            "create trigger no_levels before insert on T_jibie begin select raise(abort,'refused'); end");
        TfrmHYcardSet w;
        TDLGaddSet2 dlg(1, &w);
        dlg.codeBox()->setText(QStringLiteral("0001"));
        dlg.nameBox()->setText(QStringLiteral("银卡"));
        dlg.rateBox()->setValue(0.9);
        dlg.confirm();
        QCOMPARE(env.mess().texts(), QStringList{QStringLiteral("保存失败，请检测数据库连接！")});
        QCOMPARE(env.mess().messages.first().kind, int(mkError));
        QVERIFY(dlg.result() != QDialog::Accepted);
        QCOMPARE(dlg.nameBox()->text(), QStringLiteral("银卡"));
    }
};

QTEST_MAIN(TestCardSettings)
#include "test_cardsettings.moc"
