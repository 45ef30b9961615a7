#include "app/TFrmCompany.h"
#include "app/TFrmMain.h"
#include "app/commands.h"
#include "core/calc.h"
#include "core/dataset.h"
#include "core/grid/dbgrid.h"
#include "core/grid/griddialogs.h"
#include "core/support.h"
#include "members/TDLGhyPSD.h"
#include "members/cardpassword.h"
#include "testenv.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QtTest>

namespace {
int addMember(TestEnv& env, const QString& card, int type, const QString& status, const QString& password = {})
{
    env.exec(QStringLiteral("insert into t_member(F_hycode,F_name,F_IFnew,F_HYstatus,F_PSword,F_toDate,F_useFlag) "
                            "values(?,?,?,?,?,'3000-08-14',0)"),
             {card, QString(QStringLiteral("会员") + card), type, status, password});
    return env.value(QStringLiteral("select F_ID from t_member where F_hycode=?"), {card}).toInt();
}
void addBill(TestEnv& env, int memberId, const QString& code, int flag)
{
    env.exec(QStringLiteral("insert into depotM(F_code,F_date,F_empID,F_totalprice,F_hyJF,F_OperFlag,F_flag) "
                            "values(?,'2024-01-01 10:00:00',?,10,1,?,?)"),
             {code, memberId, flag == 2 || flag == 3 ? -1 : 1, flag});
    env.exec(QStringLiteral("insert into depotD(F_empID,F_Code,F_GoodCode,F_Amount,F_Price,F_Rate,F_TotalPrice) "
                            "values(?,?,'G1',1,10,1,10)"),
             {memberId, code});
}
QStringList logTexts(TestEnv& env)
{
    QStringList out;
    QSqlQuery q(env.dm().ADOcnn());
    q.exec(QStringLiteral("select F_OperType from LogRec order by F_ID"));
    while (q.next())
        out << q.value(0).toString();
    return out;
}
// Answers every password prompt with the given text (and cancels if it is refused).
struct PromptAnswer
{
    QString password;
    int prompts = 0;
    explicit PromptAnswer(const QString& p) : password(p)
    {
        commands::setExecHook([this](QDialog& dlg) {
            if (auto* prompt = qobject_cast<TDLGhyPSD*>(&dlg)) {
                ++prompts;
                prompt->passwordBox()->setText(password);
                prompt->confirm();
                return prompt->result() == QDialog::Accepted ? int(QDialog::Accepted) : int(QDialog::Rejected);
            }
            return int(QDialog::Rejected);
        });
    }
    ~PromptAnswer() { commands::setExecHook(nullptr); }
};
void selectMember(TFrmMain& main, const QString& card)
{
    QVERIFY(main.memberSet()->locate(QStringLiteral("F_hycode"), card));
}
QString status(TestEnv& env, const QString& card)
{
    return env.value(QStringLiteral("select F_HYstatus from t_member where F_hycode=?"), {card}).toString();
}
} // namespace

class TestCommands : public QObject
{
    Q_OBJECT
private slots:
    void lostCardRefusesCardAndBillCommands()
    {
        TestEnv env;
        addMember(env, QStringLiteral("L1"), 1, QStringLiteral("不可用"), QStringLiteral("pw"));
        TFrmMain main;
        main.show();
        main.statusButton(0)->click();
        selectMember(main, QStringLiteral("L1"));
        struct Case
        {
            const char* action;
            const char* message;
        };
        const Case cases[] = {
            {"actBillNew", "会员卡不可用！"},           {"actBillEdit", "会员卡不可用！"},
            {"actBillDelete", "会员卡不可用！"},        {"act603", "会员卡不可用，不能换卡！"},
            {"act604", "会员卡不可用，不能续费！"},     {"act605", "会员卡不可用，不能续费！"},
            {"actTopUp", "会员卡不可用，不能续费！"},   {"act601", "此会员卡已经挂失！"},
        };
        for (const Case& c : cases) {
            env.mess().clear();
            main.command(QLatin1String(c.action))->trigger();
            QCOMPARE(env.mess().texts(), QStringList{QString::fromUtf8(c.message)});
        }
        // "取消挂失" goes through with the card password.
        PromptAnswer answer(QStringLiteral("pw"));
        env.mess().clear();
        main.command(QStringLiteral("act602"))->trigger();
        QCOMPARE(answer.prompts, 1);
        QCOMPARE(status(env, QStringLiteral("L1")), QStringLiteral("可  用"));
        QCOMPARE(main.memberSet()->field(QStringLiteral("F_HYstatus")).toString(), QStringLiteral("可  用"));
        QCOMPARE(logTexts(env), QStringList{QStringLiteral("会员卡 \"L1\" 启用！")});
    }

    void lossReportOfADiscountCard()
    {
        TestEnv env;
        addMember(env, QStringLiteral("D1"), 0, QStringLiteral("可  用"));
        TFrmMain main;
        main.show();
        main.statusButton(0)->click();
        selectMember(main, QStringLiteral("D1"));
        env.mess().answers = {maNo};
        main.command(QStringLiteral("act601"))->trigger();
        QCOMPARE(env.mess().last(), QStringLiteral("真的要挂失会员卡号为 \"D1\" 的卡吗？"));
        QCOMPARE(status(env, QStringLiteral("D1")), QStringLiteral("可  用"));
        QVERIFY(logTexts(env).isEmpty());
        env.mess().answers = {maYes};
        main.command(QStringLiteral("act601"))->trigger();
        QCOMPARE(status(env, QStringLiteral("D1")), QStringLiteral("不可用"));
        QCOMPARE(logTexts(env), QStringList{QStringLiteral("会员卡 \"D1\" 挂失！")});
    }

    void lossReportWithAWrongPasswordChangesNothing()
    {
        TestEnv env;
        addMember(env, QStringLiteral("S1"), 1, QStringLiteral("可  用"), QStringLiteral("right"));
        TFrmMain main;
        main.show();
        main.statusButton(0)->click();
        selectMember(main, QStringLiteral("S1"));
        env.dm().CurrentOperator = QStringLiteral("clerk");
        PromptAnswer answer(QStringLiteral("wrong"));
        main.command(QStringLiteral("act601"))->trigger();
        QCOMPARE(env.mess().last(), QStringLiteral("会员卡密码错误，请重新输入！"));
        QCOMPARE(status(env, QStringLiteral("S1")), QStringLiteral("可  用"));
        QVERIFY(logTexts(env).isEmpty());
    }

    void deletingAMemberRemovesItsBills()
    {
        TestEnv env;
        const int a = addMember(env, QStringLiteral("A1"), 1, QStringLiteral("可  用"));
        const int b = addMember(env, QStringLiteral("B1"), 1, QStringLiteral("可  用"));
        addBill(env, a, QStringLiteral("XF20240101001"), 1);
        addBill(env, a, QStringLiteral("DH20240101001"), 3);
        addBill(env, b, QStringLiteral("XF20240101002"), 1);
        env.exec(QStringLiteral("insert into T_xuFeiRec(F_HYcode,F_JFprice) values('A1',100)"));
        TFrmMain main;
        main.show();
        main.statusButton(0)->click();
        selectMember(main, QStringLiteral("A1"));
        main.command(QStringLiteral("act203"))->trigger();
        QCOMPARE(env.mess().messages.first().text,
                 QStringLiteral("删除当前会员，将删除当前会员所有相关资料，\r真的要删除当前会员会员A1吗？"));
        QCOMPARE(env.value(QStringLiteral("select count(*) from t_member where F_ID=?"), {a}).toInt(), 0);
        QCOMPARE(env.value(QStringLiteral("select count(*) from depotM where F_empID=?"), {a}).toInt(), 0);
        QCOMPARE(env.value(QStringLiteral("select count(*) from depotD where F_empID=?"), {a}).toInt(), 0);
        QCOMPARE(env.value(QStringLiteral("select count(*) from depotM where F_empID=?"), {b}).toInt(), 1);
        QCOMPARE(env.value(QStringLiteral("select count(*) from T_xuFeiRec")).toInt(), 1);
        QCOMPARE(logTexts(env), QStringList{QStringLiteral("删除会员卡 \"A1\" 的资料！")});
        QVERIFY(!main.memberSet()->locate(QStringLiteral("F_hycode"), QStringLiteral("A1")));
    }

    void failedDeletionLeavesEverything()
    {
        TestEnv env;
        const int a = addMember(env, QStringLiteral("A1"), 1, QStringLiteral("可  用"));
        addBill(env, a, QStringLiteral("XF20240101001"), 1);
        // The last of the three deletions fails.
        env.exec(QStringLiteral("create trigger block_depotm before delete on depotM begin "
                                "select raise(abort, 'blocked'); end"));
        TFrmMain main;
        main.show();
        main.statusButton(0)->click();
        selectMember(main, QStringLiteral("A1"));
        main.command(QStringLiteral("act203"))->trigger();
        QCOMPARE(env.mess().last(), QStringLiteral("操作失败，请检查连接..."));
        QCOMPARE(env.value(QStringLiteral("select count(*) from t_member where F_ID=?"), {a}).toInt(), 1);
        QCOMPARE(env.value(QStringLiteral("select count(*) from depotD where F_empID=?"), {a}).toInt(), 1);
        QCOMPARE(env.value(QStringLiteral("select count(*) from depotM where F_empID=?"), {a}).toInt(), 1);
        QVERIFY(logTexts(env).isEmpty());
    }

    void classChangeNeedsSelectedRows()
    {
        TestEnv env;
        addMember(env, QStringLiteral("C1"), 0, QStringLiteral("可  用"));
        addMember(env, QStringLiteral("C2"), 0, QStringLiteral("可  用"));
        TFrmMain main;
        main.show();
        main.statusButton(0)->click();
        griddialogs::setCaptionHook([](const QString& title, bool picker, const QString&) {
            return title == QStringLiteral("类型名称") && picker ? QStringLiteral("\\\\VIP") : QString();
        });
        main.memberGrid()->clearSelection();
        main.command(QStringLiteral("actChangeClass"))->trigger();
        QCOMPARE(env.mess().last(), QStringLiteral("请选择需要更改会员类型的会员资料！"));
        QCOMPARE(env.value(QStringLiteral("select count(*) from t_member where F_type = '\\\\VIP'")).toInt(), 0);
        main.memberGrid()->selectRows({0, 1});
        main.command(QStringLiteral("actChangeClass"))->trigger();
        QCOMPARE(env.value(QStringLiteral("select count(*) from t_member where F_type = '\\\\VIP'")).toInt(), 2);
        griddialogs::setCaptionHook(nullptr);
    }

    void doubleClickNeedsTheEditRight()
    {
        TestEnv env;
        addMember(env, QStringLiteral("D1"), 0, QStringLiteral("可  用"));
        env.dm().CurrentOperator = QStringLiteral("clerk");
        TFrmMain main;
        main.show();
        main.statusButton(0)->click();
        QStringList opened;
        commands::setExecHook([&opened](QDialog& dlg) {
            opened << dlg.objectName();
            return int(QDialog::Rejected);
        });
        emit main.memberGrid()->rowDoubleClicked(0);
        QVERIFY(opened.isEmpty());
        QVERIFY(env.mess().messages.isEmpty());
        env.dm().CurrentOperator = QStringLiteral("admin");
        emit main.memberGrid()->rowDoubleClicked(0);
        QCOMPARE(opened.size(), 1); // the member editor
        commands::setExecHook(nullptr);
    }

    void saveGridOnPageTwoWithFocusInLines()
    {
        TestEnv env;
        TFrmMain main;
        main.show();
        main.setDetailPage(2);
        main.redeemLineGrid()->setFocus();
        QString key;
        QString sheet;
        QCOMPARE(main.focusedBillGrid(&key, &sheet), main.redeemLineGrid());
        QCOMPARE(key, QStringLiteral("duihuanmingxi"));
        QCOMPARE(sheet, QStringLiteral("商品兑换记录明细"));
        const int col = main.redeemLineGrid()->findColumn(QStringLiteral("F_GoodName"));
        TGridColumn c = main.redeemLineGrid()->column(col);
        c.title = QStringLiteral("礼品名称");
        main.redeemLineGrid()->setColumn(col, c);
        main.command(QStringLiteral("actBillSave"))->trigger();
        QCOMPARE(env.mess().messages.first().text, QStringLiteral("真的要保存当前网格设置吗？"));
        QCOMPARE(env.value(QStringLiteral("select F_caption from cfg_Grid where F_name='duihuanmingxi' and "
                                          "F_fieldname='F_GoodName'"))
                     .toString(),
                 QStringLiteral("礼品名称"));
        main.redeemGrid()->setFocus();
        QCOMPARE(main.focusedBillGrid(&key), main.redeemGrid());
        QCOMPARE(key, QStringLiteral("duihuantotal"));
    }

    void compactionReopensTheConnection()
    {
        TestEnv env;
        addMember(env, QStringLiteral("K1"), 0, QStringLiteral("可  用"));
        TFrmMain main;
        main.show();
        main.statusButton(0)->click();
        QCOMPARE(main.memberSet()->recordCount(), 2);
        main.command(QStringLiteral("act504"))->trigger();
        QCOMPARE(env.mess().last(), QStringLiteral("压缩数据库成功！"));
        QCOMPARE(main.memberSet()->recordCount(), 0);
        QVERIFY(env.dm().connected());
        main.command(QStringLiteral("actRefresh"))->trigger();
        QCOMPARE(main.memberSet()->recordCount(), 2);
    }

    void clearImportRows()
    {
        TestEnv env;
        env.exec(QStringLiteral("insert into t_member(F_hycode,F_name) values(null,null)"));
        env.exec(QStringLiteral("insert into t_member(F_hycode,F_name,F_toDate) values('E1','x',null)"));
        env.exec(QStringLiteral("insert into t_goods(F_code,F_name) values(null,null)"));
        TFrmMain main;
        main.show();
        main.command(QStringLiteral("actClearImport"))->trigger();
        QCOMPARE(env.mess().last(), QStringLiteral("清空导入空行成功！"));
        QCOMPARE(env.value(QStringLiteral("select count(*) from t_member where F_hycode is null")).toInt(), 0);
        QCOMPARE(env.value(QStringLiteral("select F_toDate from t_member where F_hycode='E1'")).toString(),
                 QStringLiteral("3000-08-14"));
        QCOMPARE(env.value(QStringLiteral("select count(*) from t_goods")).toInt(), 0);
    }

    void toolsWithoutAProgramSaySo()
    {
        TestEnv env;
        TFrmMain main;
        qputenv("PATH", QByteArray("/nonexistent"));
        main.command(QStringLiteral("actCalc"))->trigger();
        QCOMPARE(env.mess().last(), QStringLiteral("系统中没有找到计算器程序，请先安装！"));
    }

    void cardPasswordRules_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("stored");
        QTest::addColumn<QString>("oper");
        QTest::addColumn<bool>("accepted");
        QTest::newRow("empty password, empty entry") << QString() << QString() << "clerk" << true;
        QTest::newRow("empty password, blanks") << QStringLiteral("   ") << QString() << "clerk" << true;
        QTest::newRow("exact") << QStringLiteral("Abc") << QStringLiteral("Abc") << "clerk" << true;
        QTest::newRow("letter case differs") << QStringLiteral("abc") << QStringLiteral("Abc") << "clerk" << false;
        QTest::newRow("blanks around ignored") << QStringLiteral("  Abc ") << QStringLiteral("Abc") << "clerk" << true;
        QTest::newRow("admin master key") << QStringLiteral("boss") << QStringLiteral("Abc") << "Admin" << true;
        QTest::newRow("master key not for others") << QStringLiteral("boss") << QStringLiteral("Abc") << "clerk"
                                                   << false;
    }
    void cardPasswordRules()
    {
        QFETCH(QString, typed);
        QFETCH(QString, stored);
        QFETCH(QString, oper);
        QFETCH(bool, accepted);
        QCOMPARE(cardPasswordAccepted(typed, stored, oper, QStringLiteral("boss")), accepted);
    }

    void passwordPromptHeadings()
    {
        TestEnv env;
        TDLGhyPSD one(1, QStringLiteral("S1"), QStringLiteral("n"), QStringLiteral("p"), false);
        QCOMPARE(one.windowTitle(), QStringLiteral("会员口令"));
        QCOMPARE(one.heading(), QStringLiteral("请输入储值卡密码"));
        TDLGhyPSD two(2, QStringLiteral("S1"), QStringLiteral("n"), QStringLiteral("p"), false);
        QCOMPARE(two.heading(), QStringLiteral("请输入计次卡密码"));
        TDLGhyPSD loss(0, QStringLiteral("S1"), QStringLiteral("n"), QStringLiteral("p"), true);
        QCOMPARE(loss.windowTitle(), QStringLiteral("会员挂失"));
        // Master key through the dialog: admin's stored password.
        env.exec(QStringLiteral("update OperList set F_PassWord = ? where F_Name = 'admin'"), {SavePass(QStringLiteral("boss"))});
        env.dm().CurrentOperator = QStringLiteral("admin");
        one.passwordBox()->setText(QStringLiteral("boss"));
        one.confirm();
        QCOMPARE(one.result(), int(QDialog::Accepted));
    }

    void emailCheck_data()
    {
        QTest::addColumn<QString>("address");
        QTest::addColumn<bool>("valid");
        QTest::newRow("plain") << QStringLiteral("a@b.com") << true;
        QTest::newRow("short domain") << QStringLiteral("a@b.c") << false;
        QTest::newRow("no dot") << QStringLiteral("a@bcomx") << false;
        QTest::newRow("double dot") << QStringLiteral("a..b@c.com") << false;
        QTest::newRow("nothing before @") << QStringLiteral("@b.com") << false;
        QTest::newRow("no @") << QStringLiteral("ab.com") << false;
        QTest::newRow("blank inside") << QStringLiteral("a b@c.com") << false;
        QTest::newRow("chinese") << QStringLiteral("张@b.com") << false;
        QTest::newRow("underscore and dash") << QStringLiteral("a_b-c@d-e.org") << true;
        QTest::newRow("two-letter country domain") << QStringLiteral("a@bcd.cn") << true;
        QTest::newRow("dot right before the end") << QStringLiteral("a@bcde.c") << false;
    }
    void emailCheck()
    {
        QFETCH(QString, address);
        QFETCH(bool, valid);
        QCOMPARE(calc::isValidEmail(address), valid);
    }

    void companyWindow()
    {
        TestEnv env;
        QStringList opened;
        TFrmCompany::urlOpener() = [&opened](const QString& url) {
            opened << url;
            return true;
        };
        TFrmCompany dlg;
        dlg.box(QStringLiteral("F_Code"))->setText(QStringLiteral(" 澜岫商店 "));
        dlg.box(QStringLiteral("F_Name"))->setText(QStringLiteral("北京市朝阳区建国路八十八号"));
        QVERIFY(!dlg.save());
        QVERIFY(env.mess().last().contains(QStringLiteral("联系地址最多只能输入10个字符")));
        QCOMPARE(dlg.box(QStringLiteral("F_Name"))->text(), QStringLiteral("北京市朝阳区建国路八十八号"));
        QCOMPARE(env.value(QStringLiteral("select F_Code from SysInfo")).toString(), QString());
        dlg.box(QStringLiteral("F_Name"))->setText(QStringLiteral("建国路88号"));
        dlg.profileBox()->setPlainText(QStringLiteral("第一行\n第二行"));
        QVERIFY(dlg.save());
        QCOMPARE(env.mess().last(), QStringLiteral("当前更改成功！"));
        QCOMPARE(env.value(QStringLiteral("select F_Code from SysInfo")).toString(), QStringLiteral("澜岫商店"));
        QCOMPARE(env.value(QStringLiteral("select count(*) from SysInfo")).toInt(), 1);
        dlg.clear();
        QVERIFY(dlg.box(QStringLiteral("F_Code"))->text().isEmpty());
        dlg.load();
        QCOMPARE(dlg.box(QStringLiteral("F_Name"))->text(), QStringLiteral("建国路88号"));
        QCOMPARE(dlg.profileBox()->toPlainText(), QStringLiteral("第一行\n第二行"));

        dlg.box(QStringLiteral("F_Homepage"))->setText(QStringLiteral("www.example.cn"));
        dlg.openHomePage();
        dlg.box(QStringLiteral("F_Homepage"))->setText(QStringLiteral("http://shop.cn"));
        dlg.openHomePage();
        dlg.box(QStringLiteral("F_Email"))->setText(QStringLiteral("a..b@c.com"));
        dlg.openEmail();
        dlg.box(QStringLiteral("F_Email"))->setText(QStringLiteral(" boss@shop.cn "));
        dlg.openEmail();
        QCOMPARE(opened, (QStringList{QStringLiteral("http://www.example.cn"), QStringLiteral("http://shop.cn"),
                                      QStringLiteral("mailto:boss@shop.cn?subject")}));
    }
};

QTEST_MAIN(TestCommands)
#include "test_commands.moc"
