#include "app/TFrmLogin.h"
#include "app/TFrmMain.h"
#include "app/TFrmPassword.h"
#include "core/config.h"
#include "core/support.h"
#include "testenv.h"

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QtTest>

namespace {
void addOperator(TestEnv& env, const QString& name, const QString& password, bool disabled = false)
{
    env.exec(QStringLiteral("insert into OperList(F_Name,F_PassWord,F_Flag) values(?,?,?)"),
             {name, SavePass(password), disabled ? 1 : 0});
}
void grant(TestEnv& env, const QString& name, const QStringList& codes)
{
    for (const QString& c : codes)
        env.exec(QStringLiteral("insert into OperLimit(F_OperName,F_lmtName) select ?, F_name from Limits where F_code=?"),
                 {name, c});
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
bool tryLogin(TFrmLogin& dlg, const QString& name, const QString& password)
{
    dlg.nameBox()->setEditText(name);
    dlg.passwordBox()->setText(password);
    dlg.confirm();
    return dlg.result() == QDialog::Accepted;
}
} // namespace

class TestLogin : public QObject
{
    Q_OBJECT
private slots:
    void adminWithEmptyPasswordLogsIn()
    {
        TestEnv env;
        env.dm().CurrentOperator.clear();
        TFrmMain main;
        TFrmLogin dlg(TFrmLogin::StartUp);
        QVERIFY(dlg.nameBox()->findText(QStringLiteral("admin")) >= 0);
        QVERIFY(tryLogin(dlg, QStringLiteral("  admin "), QString()));
        QCOMPARE(env.dm().CurrentOperator, QStringLiteral("admin"));
        QCOMPARE(appenv::config().readString(QStringLiteral("config"), QStringLiteral("CurOperName")),
                 QStringLiteral("admin"));
        QCOMPARE(logTexts(env), QStringList{QStringLiteral("操作员登录成功！")});
        QCOMPARE(main.statusPanel(2)->text(), QStringLiteral(" admin"));
        // The next login is pre-filled with the last operator.
        TFrmLogin next(TFrmLogin::StartUp);
        QCOMPARE(next.nameBox()->currentText(), QStringLiteral("admin"));
    }

    void refusals_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("password");
        QTest::addColumn<QString>("message");
        QTest::newRow("empty name") << QStringLiteral("   ") << QString() << QStringLiteral("请选择用户！");
        QTest::newRow("unknown") << QStringLiteral("nobody") << QString()
                                 << QStringLiteral("此操作员并不存在，请重新选择操作员！");
        QTest::newRow("disabled") << QStringLiteral("停用") << QStringLiteral("x")
                                  << QStringLiteral("此操作员并不存在，请重新选择操作员！");
        QTest::newRow("wrong password") << QStringLiteral("张三") << QStringLiteral("abc")
                                        << QStringLiteral("用户名或密码不正确，请重新输入！");
        QTest::newRow("password with a trailing blank") << QStringLiteral("张三") << QStringLiteral("secret ")
                                                        << QStringLiteral("用户名或密码不正确，请重新输入！");
        QTest::newRow("letter case of password") << QStringLiteral("张三") << QStringLiteral("SECRET")
                                                 << QStringLiteral("用户名或密码不正确，请重新输入！");
        QTest::newRow("quote in name") << QStringLiteral("x' or '1'='1") << QString()
                                       << QStringLiteral("此操作员并不存在，请重新选择操作员！");
        QTest::newRow("1000 characters") << QString(1000, QLatin1Char('a')) << QString(1000, QLatin1Char('b'))
                                         << QStringLiteral("此操作员并不存在，请重新选择操作员！");
    }
    void refusals()
    {
        QFETCH(QString, name);
        QFETCH(QString, password);
        QFETCH(QString, message);
        TestEnv env;
        addOperator(env, QStringLiteral("张三"), QStringLiteral("secret"));
        addOperator(env, QStringLiteral("停用"), QStringLiteral("x"), true);
        TFrmLogin dlg(TFrmLogin::StartUp);
        QVERIFY(dlg.nameBox()->findText(QStringLiteral("停用")) >= 0); // disabled operators are listed
        QVERIFY(!tryLogin(dlg, name, password));
        QCOMPARE(env.mess().last(), message);
        QVERIFY(!dlg.programEnded());
        QVERIFY(logTexts(env).isEmpty());
    }

    void threeFailuresThenTheRightPassword()
    {
        TestEnv env;
        addOperator(env, QStringLiteral("张三"), QStringLiteral("secret"));
        TFrmLogin dlg(TFrmLogin::StartUp);
        for (int i = 0; i < 3; ++i)
            QVERIFY(!tryLogin(dlg, QStringLiteral("张三"), QStringLiteral("bad")));
        QVERIFY(tryLogin(dlg, QStringLiteral("张三"), QStringLiteral("secret")));
        QCOMPARE(env.dm().CurrentOperator, QStringLiteral("张三"));
    }

    void fourthFailure_data()
    {
        QTest::addColumn<int>("mode");
        QTest::addColumn<QString>("log");
        QTest::addColumn<QString>("message");
        QTest::newRow("start-up") << int(TFrmLogin::StartUp) << QStringLiteral("登录失败！") << QStringLiteral("非法操作员!");
        QTest::newRow("change") << int(TFrmLogin::ChangeOperator) << QStringLiteral("更换操作员失败！")
                                << QStringLiteral("更换操作员失败!");
    }
    void fourthFailure()
    {
        QFETCH(int, mode);
        QFETCH(QString, log);
        QFETCH(QString, message);
        TestEnv env;
        env.dm().CurrentOperator = QStringLiteral("previous");
        addOperator(env, QStringLiteral("张三"), QStringLiteral("secret"));
        TFrmLogin dlg(mode);
        for (int i = 0; i < 4; ++i)
            QVERIFY(!tryLogin(dlg, QStringLiteral("张三"), QStringLiteral("bad")));
        QCOMPARE(env.mess().messages.last().kind, int(mkError));
        QCOMPARE(env.mess().last(), message);
        QCOMPARE(logTexts(env), QStringList{log});
        QCOMPARE(dlg.result(), int(QDialog::Rejected));
        QCOMPARE(dlg.programEnded(), mode == TFrmLogin::StartUp);
        QCOMPARE(env.dm().CurrentOperator, QStringLiteral("previous"));
    }

    void cancelInChangeModeKeepsTheOperator()
    {
        TestEnv env;
        env.dm().CurrentOperator = QStringLiteral("previous");
        TFrmLogin change(TFrmLogin::ChangeOperator);
        change.cancelLogin();
        QVERIFY(!change.programEnded());
        QCOMPARE(env.dm().CurrentOperator, QStringLiteral("previous"));
        TFrmLogin start(TFrmLogin::StartUp);
        start.cancelLogin();
        QVERIFY(start.programEnded());
    }

    void rightsShowExactlyTheGrantedCommands()
    {
        TestEnv env;
        addOperator(env, QStringLiteral("张三"), QString());
        grant(env, QStringLiteral("张三"), {QStringLiteral("101"), QStringLiteral("202"), QStringLiteral("601")});
        TFrmMain main;
        TFrmLogin dlg(TFrmLogin::StartUp);
        QVERIFY(tryLogin(dlg, QStringLiteral("张三"), QString()));
        QVERIFY(main.command(QStringLiteral("act101"))->isVisible());
        QVERIFY(!main.command(QStringLiteral("act102"))->isVisible());
        QVERIFY(main.command(QStringLiteral("act202"))->isVisible());
        QVERIFY(!main.command(QStringLiteral("act201"))->isVisible());
        QVERIFY(main.command(QStringLiteral("act601"))->isVisible());
        QVERIFY(!main.command(QStringLiteral("act602"))->isVisible());
        QVERIFY(main.command(QStringLiteral("actTopUp"))->isVisible()); // everybody tops up
        // Bill pages follow the member commands.
        QVERIFY(main.command(QStringLiteral("actBillEdit"))->isVisible());
        QVERIFY(!main.command(QStringLiteral("actBillNew"))->isVisible());
        QVERIFY(!main.command(QStringLiteral("actBillExport"))->isVisible());
        // Menus show when one of their commands does.
        QVERIFY(main.menu(QStringLiteral("文件"))->menuAction()->isVisible());
        QVERIFY(main.command(QStringLiteral("actExit"))->isVisible());
        QVERIFY(main.menu(QStringLiteral("编辑"))->menuAction()->isVisible());
        QVERIFY(!main.menu(QStringLiteral("输出"))->menuAction()->isVisible());
        QVERIFY(!main.menu(QStringLiteral("统计"))->menuAction()->isVisible());
        QVERIFY(!main.menu(QStringLiteral("数据"))->menuAction()->isVisible());
        QVERIFY(!main.clearImportAction()->isVisible());
    }

    void operatorWithoutFileRightsHasNoFileMenu()
    {
        TestEnv env;
        addOperator(env, QStringLiteral("李四"), QString());
        grant(env, QStringLiteral("李四"), {QStringLiteral("401")});
        TFrmMain main;
        main.ApplyRights(QStringLiteral("admin"));
        env.dm().CurrentOperator = QStringLiteral("李四");
        main.ApplyRights(QStringLiteral("李四"));
        QVERIFY(!main.menu(QStringLiteral("文件"))->menuAction()->isVisible());
        QVERIFY(!main.command(QStringLiteral("actExit"))->isVisible());
        QVERIFY(!main.command(QStringLiteral("actChangeOper"))->isVisible());
        QVERIFY(main.menu(QStringLiteral("统计"))->menuAction()->isVisible());
    }

    void adminInAnyLetterCaseHoldsEverything()
    {
        TestEnv env;
        TFrmMain main;
        env.dm().CurrentOperator = QStringLiteral("nobody");
        main.ApplyRights(QStringLiteral("nobody"));
        QVERIFY(!main.command(QStringLiteral("act503"))->isVisible());
        TFrmLogin dlg(TFrmLogin::ChangeOperator);
        QVERIFY(tryLogin(dlg, QStringLiteral("ADMIN"), QString()));
        QCOMPARE(env.dm().CurrentOperator, QStringLiteral("ADMIN"));
        for (const char* code : {"act101", "act208", "act308", "act411", "act503", "act605", "actBillExport"})
            QVERIFY2(main.command(QLatin1String(code))->isVisible(), code);
    }

    void passwordChange()
    {
        TestEnv env;
        addOperator(env, QStringLiteral("张三"), QStringLiteral("old"));
        env.dm().CurrentOperator = QStringLiteral("张三");
        const auto stored = [&env] {
            return GetPass(env.value(QStringLiteral("select F_PassWord from OperList where F_Name='张三'")).toString());
        };
        struct Case
        {
            const char* oldPw;
            const char* newPw;
            const char* repeat;
            const char* message;
            const char* result;
        };
        const Case cases[] = {
            {"wrong", "n1", "n1", "旧口令输入错误，不能更改！", "old"},
            {"old", "n1", "n2", "新口令错误，不能更改！", "old"},
            {"old", "new ", " new", "更改口令成功！", "new "},
            {"new ", "", "", "更改口令成功！", ""},
        };
        for (const Case& c : cases) {
            TFrmPassword dlg;
            dlg.oldBox()->setText(QString::fromUtf8(c.oldPw));
            dlg.newBox()->setText(QString::fromUtf8(c.newPw));
            dlg.repeatBox()->setText(QString::fromUtf8(c.repeat));
            dlg.confirm();
            QCOMPARE(env.mess().last(), QString::fromUtf8(c.message));
            QCOMPARE(stored(), QString::fromUtf8(c.result));
            QCOMPARE(dlg.result(), int(QDialog::Accepted)); // closes in every case
        }
    }
};

QTEST_MAIN(TestLogin)
#include "test_login.moc"
