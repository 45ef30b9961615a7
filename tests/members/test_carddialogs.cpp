#include "core/dmdata.h"
#include "core/grid/dbgrid.h"
#include "core/support.h"
#include "memberfixtures.h"
#include "members/TDLGhyPSD.h"
#include "members/TMoneyEdit.h"
#include "members/carddialogs.h"
#include "members/cardops.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QRadioButton>
#include <QSqlQuery>

namespace {

QString lastLog(TestEnv& env)
{
    return env.value("select F_OperType from LogRec order by F_ID desc").toString();
}

int records(TestEnv& env)
{
    return env.value("select count(*) from T_xuFeiRec").toInt();
}

// Answers the card password prompt, then hands the next dialog to `drive`.
DialogDriver* driveAfterPassword(const QString& password, std::function<int(QDialog&)> drive)
{
    return new DialogDriver([password, drive](QDialog& dlg) {
        if (auto* prompt = qobject_cast<TDLGhyPSD*>(&dlg)) {
            prompt->passwordBox()->setText(password);
            prompt->confirm();
            return prompt->result();
        }
        return drive(dlg);
    });
}

// Worker of the concurrency test: tops the card up `count` times by 1 through
// its own connection to the database file.
int runTopUpWorker(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    if (argc < 5)
        return 2;
    TdmData dm;
    if (!dm.openFile(QString::fromLocal8Bit(argv[2])))
        return 3;
    const int count = QByteArray(argv[3]).toInt();
    const QString card = QString::fromLocal8Bit(argv[4]);
    const QVariant id = dm.QueryInt(QStringLiteral("select F_ID from t_member where F_hycode = ?"), {card});
    for (int i = 0; i < count; ++i) {
        cardops::TopUp t;
        t.memberId = id;
        t.cardNo = card;
        t.paid = 1;
        t.credited = 1;
        t.operatorName = QStringLiteral("worker");
        if (!cardops::topUp(dm, t))
            return 4;
    }
    return 0;
}

} // namespace

class TestCardDialogs : public QObject
{
    Q_OBJECT
private slots:
    void topUp_data()
    {
        QTest::addColumn<int>("type");
        QTest::addColumn<QString>("mode");
        QTest::addColumn<double>("paid");
        QTest::addColumn<double>("credit");
        QTest::addColumn<double>("bonus");
        QTest::newRow("bonus 1.1 on 500") << 1 << "存一千送一百" << 500.0 << 550.0 << 50.0;
        QTest::newRow("consumption to cash on 200") << 1 << "消费转现金" << 200.0 << 200.0 << 0.0;
        QTest::newRow("-100 without bonus lowers the balance") << 1 << "不优惠" << -100.0 << -100.0 << 0.0;
        QTest::newRow("deleted mode credits 0") << 1 << "已删除的方式" << 1000.0 << 0.0 << -1000.0;
        QTest::newRow("count-card 250 under 10 for 100") << 2 << "十次卡" << 250.0 << 25.0 << 0.0;
        QTest::newRow("count-card 95: 10 uses") << 2 << "十次卡" << 95.0 << 10.0 << 0.0;
        QTest::newRow("count-card 85: 8 uses") << 2 << "十次卡" << 85.0 << 8.0 << 0.0;
    }
    void topUp()
    {
        QFETCH(int, type);
        QFETCH(QString, mode);
        QFETCH(double, paid);
        QFETCH(double, credit);
        QFETCH(double, bonus);
        TestEnv env;
        addCardSettings(env);
        addMember(env, QStringLiteral("S1"), type, 300, mode);
        TFrmMain main;
        showAll(main);
        QVERIFY(main.memberSet()->locate(QStringLiteral("F_hycode"), QStringLiteral("S1")));
        int shown = 0;
        DialogDriver driver([&](QDialog& dlg) {
            auto* d = qobject_cast<TDLGhyXuFei*>(&dlg);
            if (!d)
                return int(QDialog::Rejected);
            ++shown;
            [&] {
                QCOMPARE(d->windowTitle(), QStringLiteral("会员续费"));
                QCOMPARE(d->findChild<QLabel*>("lblBeginJE")->text(),
                         type == 2 ? QStringLiteral("剩余次数：") : QStringLiteral("卡内余额："));
                QCOMPARE(d->findChild<QLabel*>("lblCredit")->text(),
                         type == 2 ? QStringLiteral("实际增加次数") : QStringLiteral("实际增加金额："));
                QCOMPARE(d->balanceBox()->value(), 300.0);
                // An amount of 0 is refused.
                QVERIFY(!d->confirm());
                QCOMPARE(env.mess().texts(), QStringList{QStringLiteral("续费金额不能为零！")});
                env.mess().clear();
                d->paidBox()->setValue(paid);
                QCOMPARE(d->creditBox()->value(), credit);
                QVERIFY(d->confirm());
            }();
            return d->result();
        });
        main.command(QStringLiteral("actTopUp"))->trigger();
        QCOMPARE(shown, 1);
        QCOMPARE(balanceOf(env, QStringLiteral("S1")), 300 + credit);
        QCOMPARE(main.memberSet()->field(QStringLiteral("F_beginJE")).toDouble(), 300 + credit);
        QSqlQuery q(env.dm().ADOcnn());
        QVERIFY(q.exec("select F_HYcode,F_editDate,F_JFprice,F_YHprice,F_OperName from T_xuFeiRec"));
        QVERIFY(q.next());
        QCOMPARE(q.value(0).toString(), QStringLiteral("S1"));
        QVERIFY(
            QDateTime::fromString(q.value(1).toString(), QStringLiteral("yyyy-MM-dd hh:mm:ss")).isValid());
        QCOMPARE(q.value(2).toDouble(), paid);
        QCOMPARE(q.value(3).toDouble(), bonus);
        QCOMPARE(q.value(4).toString(), QStringLiteral("admin"));
        QVERIFY(!q.next());
        QCOMPARE(lastLog(env), QStringLiteral("会员卡 \"S1\" 续费！"));
    }

    void topUpCancelledOrFailedChangesNothing()
    {
        TestEnv env;
        addCardSettings(env);
        addMember(env, QStringLiteral("S1"), 1, 300, QStringLiteral("存一千送一百"));
        // The record cannot be written: the balance must stay as it was.
        env.exec(
            "create trigger no_records before insert on T_xuFeiRec begin select raise(abort,'refused'); end");
        TFrmMain main;
        showAll(main);
        QVERIFY(main.memberSet()->locate(QStringLiteral("F_hycode"), QStringLiteral("S1")));
        bool stayedOpen = false;
        DialogDriver driver([&](QDialog& dlg) {
            auto* d = qobject_cast<TDLGhyXuFei*>(&dlg);
            if (!d)
                return int(QDialog::Rejected);
            d->paidBox()->setValue(1000);
            stayedOpen = !d->confirm() && d->result() != QDialog::Accepted && d->paidBox()->value() == 1000;
            return int(QDialog::Rejected);
        });
        main.command(QStringLiteral("actTopUp"))->trigger();
        QVERIFY(stayedOpen);
        QCOMPARE(env.mess().texts(), QStringList{QStringLiteral("保存失败，请检测数据库连接！")});
        QCOMPARE(env.mess().messages.first().kind, int(mkError));
        QCOMPARE(balanceOf(env, QStringLiteral("S1")), 300.0);
        QCOMPARE(main.memberSet()->field(QStringLiteral("F_beginJE")).toDouble(), 300.0);
        QCOMPARE(records(env), 0);
        QVERIFY(env.value("select count(*) from LogRec").toInt() == 0);
    }

    void twoProgramsToppingUpTheSameCardLoseNothing()
    {
        TestEnv env;
        addMember(env, QStringLiteral("S1"), 1, 0);
        const int perWorker = 150;
        QProcess a;
        QProcess b;
        const QStringList args{QStringLiteral("--topup-worker"), env.dbFile(), QString::number(perWorker),
                               QStringLiteral("S1")};
        a.start(QCoreApplication::applicationFilePath(), args);
        b.start(QCoreApplication::applicationFilePath(), args);
        // This connection tops up at the same time.
        for (int i = 0; i < 50; ++i) {
            cardops::TopUp t;
            t.memberId = env.value("select F_ID from t_member where F_hycode='S1'");
            t.cardNo = QStringLiteral("S1");
            t.paid = 1;
            t.credited = 1;
            QVERIFY(cardops::topUp(env.dm(), t));
        }
        QVERIFY(a.waitForFinished(120000));
        QVERIFY(b.waitForFinished(120000));
        QCOMPARE(a.exitCode(), 0);
        QCOMPARE(b.exitCode(), 0);
        QCOMPARE(balanceOf(env, QStringLiteral("S1")), double(2 * perWorker + 50));
        QCOMPARE(records(env), 2 * perWorker + 50);
    }

    void transfer_data()
    {
        QTest::addColumn<QString>("target");
        QTest::addColumn<bool>("whole");
        QTest::addColumn<double>("amount");
        QTest::addColumn<double>("source");
        QTest::addColumn<double>("targetBalance");
        QTest::newRow("120 from 300 to 50") << "T2" << false << 120.0 << 180.0 << 170.0;
        QTest::newRow("whole balance") << "T2" << true << 0.0 << 0.0 << 350.0;
        QTest::newRow("onto the same card") << "T1" << false << 120.0 << 300.0 << 300.0;
    }
    void transfer()
    {
        QFETCH(QString, target);
        QFETCH(bool, whole);
        QFETCH(double, amount);
        QFETCH(double, source);
        QFETCH(double, targetBalance);
        TestEnv env;
        addMember(env, QStringLiteral("T1"), 1, 300, {}, QStringLiteral("pw"));
        addMember(env, QStringLiteral("T2"), 1, 50);
        TFrmMain main;
        showAll(main);
        QVERIFY(main.memberSet()->locate(QStringLiteral("F_hycode"), QStringLiteral("T1")));
        int shown = 0;
        std::unique_ptr<DialogDriver> driver(driveAfterPassword(QStringLiteral("pw"), [&](QDialog& dlg) {
            auto* d = qobject_cast<TDLGhyZhuanZ*>(&dlg);
            if (!d)
                return int(QDialog::Rejected);
            ++shown;
            [&] {
                QVERIFY(d->wholeButton()->isChecked());
                QCOMPARE(d->amountBox()->value(), 300.0);
                QVERIFY(d->amountBox()->isReadOnly());
                // Without a target nothing happens.
                QVERIFY(!d->confirm());
                QCOMPARE(env.mess().texts(), QStringList{QStringLiteral("请选择转入会员卡号！")});
                env.mess().clear();
                d->searchBox()->setText(target);
                d->search();
                QCOMPARE(d->targetCard(), target);
                if (!whole) {
                    d->partButton()->setChecked(true);
                    QCOMPARE(d->amountBox()->value(), 0.0);
                    QVERIFY(!d->amountBox()->isReadOnly());
                    d->amountBox()->setValue(amount);
                }
                QVERIFY(d->confirm());
            }();
            return d->result();
        }));
        main.command(QStringLiteral("act604"))->trigger();
        QCOMPARE(shown, 1);
        QVERIFY2(env.mess().messages.isEmpty(), qPrintable(env.mess().texts().join(QLatin1Char('|'))));
        QCOMPARE(balanceOf(env, QStringLiteral("T1")), source);
        QCOMPARE(balanceOf(env, target), targetBalance);
        // The main list shows both new balances.
        QCOMPARE(main.memberSet()->field(QStringLiteral("F_beginJE")).toDouble(), source);
        QVERIFY(main.memberSet()->locate(QStringLiteral("F_hycode"), target));
        QCOMPARE(main.memberSet()->field(QStringLiteral("F_beginJE")).toDouble(), targetBalance);
        QCOMPARE(lastLog(env), QStringLiteral("会员卡 \"T1\" 转帐成功！"));
    }

    void transferSearchAndPicker()
    {
        TestEnv env;
        addMember(env, QStringLiteral("T1"), 1, 300);
        addMember(env, QStringLiteral("T21"), 1, 10);
        addMember(env, QStringLiteral("T22"), 1, 20);
        addMember(env, QStringLiteral("K9"), 0, 0);
        addMember(env, QStringLiteral("C9"), 2, 5);
        TFrmMain main;
        showAll(main);
        QVERIFY(main.memberSet()->locate(QStringLiteral("F_hycode"), QStringLiteral("T1")));
        TDLGhyZhuanZ d(&main);
        // Only stored-value cards qualify.
        for (const char* text : {"K9", "C9", "nothing"}) {
            env.mess().clear();
            d.searchBox()->setText(QString::fromLatin1(text));
            d.search();
            QCOMPARE(env.mess().texts(), QStringList{QStringLiteral("卡号： ") + QString::fromLatin1(text) +
                                                     QStringLiteral(" 不属于储值卡或不存在，请重新输入！")});
            QVERIFY(d.targetCard().isEmpty());
        }
        // Several matches: the picker shows them.
        d.searchBox()->setText(QStringLiteral("T2"));
        d.search();
        QVERIFY(!d.pickerPanel()->isHidden());
        QVERIFY(d.targetCard().isEmpty());
        QCOMPARE(d.pickerGrid()->dataSet()->recordCount(), 2);
        d.cancelPick();
        QVERIFY(d.pickerPanel()->isHidden());
        QVERIFY(d.targetCard().isEmpty());
        // The search box took the first match.
        QCOMPARE(d.searchBox()->text(), QStringLiteral("T21"));
        d.searchBox()->setText(QStringLiteral("T2"));
        d.search();
        d.pickerGrid()->dataSet()->locate(QStringLiteral("F_HYcode"), QStringLiteral("T22"));
        d.pickCurrent();
        QVERIFY(d.pickerPanel()->isHidden());
        QCOMPARE(d.targetCard(), QStringLiteral("T22"));
        // Amounts the source does not hold are refused.
        d.partButton()->setChecked(true);
        d.amountBox()->setValue(300.01);
        env.mess().clear();
        QVERIFY(!d.confirm());
        QCOMPARE(env.mess().texts(), QStringList{QStringLiteral("转入金额不能大于转出卡的卡内余额！")});
        d.amountBox()->setValue(0);
        env.mess().clear();
        QVERIFY(!d.confirm());
        QCOMPARE(env.mess().texts(), QStringList{QStringLiteral("转入金额必须大于0！")});
        QCOMPARE(balanceOf(env, QStringLiteral("T1")), 300.0);
        QCOMPARE(balanceOf(env, QStringLiteral("T22")), 20.0);
    }

    void transferWhoseSecondWriteFailsChangesNothing()
    {
        TestEnv env;
        addMember(env, QStringLiteral("T1"), 1, 300);
        addMember(env, QStringLiteral("T2"), 1, 50);
        env.exec("create trigger no_credit before update of F_beginJE on t_member when new.F_hycode = 'T2' "
                 "begin select raise(abort,'refused'); end");
        TFrmMain main;
        showAll(main);
        QVERIFY(main.memberSet()->locate(QStringLiteral("F_hycode"), QStringLiteral("T1")));
        TDLGhyZhuanZ d(&main);
        d.searchBox()->setText(QStringLiteral("T2"));
        d.search();
        d.partButton()->setChecked(true);
        d.amountBox()->setValue(120);
        QVERIFY(!d.confirm());
        QCOMPARE(env.mess().texts(), QStringList{QStringLiteral("保存失败，请检测数据库连接！")});
        QCOMPARE(balanceOf(env, QStringLiteral("T1")), 300.0);
        QCOMPARE(balanceOf(env, QStringLiteral("T2")), 50.0);
        QCOMPARE(main.memberSet()->field(QStringLiteral("F_beginJE")).toDouble(), 300.0);
    }

    void replacement_data()
    {
        QTest::addColumn<int>("type");
        QTest::addColumn<QString>("oldPassword");
        QTest::addColumn<QString>("newCard");
        QTest::addColumn<QString>("newPassword");
        QTest::addColumn<QString>("confirmPassword");
        QTest::addColumn<QString>("message"); // empty: replaced
        QTest::newRow("discount card, no password") << 0 << ""
                                                    << "NEW1"
                                                    << ""
                                                    << ""
                                                    << "";
        QTest::newRow("discount card keeps its own number") << 0 << ""
                                                            << "R1"
                                                            << ""
                                                            << ""
                                                            << "";
        QTest::newRow("empty number") << 0 << ""
                                      << "  "
                                      << ""
                                      << ""
                                      << "新会员卡号不能为空，请重新输入！";
        QTest::newRow("another member's number") << 1 << "old"
                                                 << "OTHER"
                                                 << "n"
                                                 << "n"
                                                 << "会员卡号重复，请重新输入！";
        QTest::newRow("wrong old password") << 1 << "OLD"
                                            << "NEW1"
                                            << "n"
                                            << "n"
                                            << "会员卡旧密码不对，请重新输入！";
        QTest::newRow("new passwords differ") << 2 << "old"
                                              << "NEW1"
                                              << "n"
                                              << "m"
                                              << "新密码根确认密码不相符，请检查输入！";
        QTest::newRow("stored-value card") << 1 << " old "
                                           << "NEW1"
                                           << " n "
                                           << "n"
                                           << "";
        QTest::newRow("count-card with empty new password") << 2 << "old"
                                                            << "NEW1"
                                                            << ""
                                                            << ""
                                                            << "";
    }
    void replacement()
    {
        QFETCH(int, type);
        QFETCH(QString, oldPassword);
        QFETCH(QString, newCard);
        QFETCH(QString, newPassword);
        QFETCH(QString, confirmPassword);
        QFETCH(QString, message);
        TestEnv env;
        const int id = addMember(env, QStringLiteral("R1"), type, 10, {}, QStringLiteral("old"));
        addMember(env, QStringLiteral("OTHER"), 0, 0);
        env.exec("insert into T_xuFeiRec(F_HYcode,F_editDate,F_JFprice,F_YHprice,F_OperName) "
                 "values('R1','2024-01-01 00:00:00',10,0,'admin')");
        TFrmMain main;
        showAll(main);
        QVERIFY(main.memberSet()->locate(QStringLiteral("F_hycode"), QStringLiteral("R1")));
        int prompts = 0;
        DialogDriver driver([&](QDialog& dlg) {
            if (qobject_cast<TDLGhyPSD*>(&dlg)) {
                ++prompts;
                return int(QDialog::Rejected);
            }
            auto* d = qobject_cast<TDLGhyHuanKa*>(&dlg);
            if (!d)
                return int(QDialog::Rejected);
            d->newCardBox()->setText(newCard);
            if (type != 0) {
                d->oldPasswordBox()->setText(oldPassword);
                d->newPasswordBox()->setText(newPassword);
                d->confirmPasswordBox()->setText(confirmPassword);
            }
            d->confirm();
            return d->result();
        });
        main.command(QStringLiteral("act603"))->trigger();
        QCOMPARE(prompts, 0);
        const QString stored = env.value("select F_hycode from t_member where F_ID=?", {id}).toString();
        const QString password = env.value("select F_PSword from t_member where F_ID=?", {id}).toString();
        if (message.isEmpty()) {
            QVERIFY(env.mess().messages.isEmpty());
            QCOMPARE(stored, newCard);
            QCOMPARE(password, type == 0 ? QStringLiteral("old") : newPassword.trimmed());
            QCOMPARE(main.memberSet()->field(QStringLiteral("F_hycode")).toString(), newCard);
            QCOMPARE(lastLog(env),
                     QStringLiteral("会员卡号 \"R1\" 改变卡号为 \"") + newCard + QStringLiteral("\" 成功！"));
            // Earlier top-up records keep the old number; the balance stays.
            QCOMPARE(env.value("select F_HYcode from T_xuFeiRec").toString(), QStringLiteral("R1"));
            QCOMPARE(balanceOf(env, newCard), 10.0);
        } else {
            QCOMPARE(env.mess().texts(), QStringList{message});
            QCOMPARE(stored, QStringLiteral("R1"));
            QCOMPARE(password, QStringLiteral("old"));
            QVERIFY(env.value("select count(*) from LogRec").toInt() == 0);
        }
    }
};

int main(int argc, char** argv)
{
    if (argc > 1 && qstrcmp(argv[1], "--topup-worker") == 0)
        return runTopUpWorker(argc, argv);
    QApplication app(argc, argv);
    app.setAttribute(Qt::AA_Use96Dpi, true);
    TestCardDialogs test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}

#include "test_carddialogs.moc"
