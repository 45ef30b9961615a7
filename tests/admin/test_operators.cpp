#include "admin/TFrmLimitGl.h"
#include "admin/TfrmOperGl.h"
#include "app/TFrmLogin.h"
#include "app/TFrmMain.h"
#include "app/commands.h"
#include "core/dataset.h"
#include "core/support.h"
#include "testenv.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPlainTextEdit>
#include <QSqlQuery>
#include <QtTest>

namespace {

void addOperator(TestEnv& env, const QString& name, const QString& password = QString(),
                 bool disabled = false, const QString& memo = QString())
{
    env.exec(QStringLiteral("insert into OperList(F_Name,F_PassWord,F_Flag,F_Mem) values(?,?,?,?)"),
             {name, SavePass(password), disabled ? 1 : 0, memo});
}

void grant(TestEnv& env, const QString& name, const QStringList& limits)
{
    for (const QString& l : limits)
        env.exec(QStringLiteral("insert into OperLimit(F_OperName,F_lmtName) values(?,?)"), {name, l});
}

QStringList grants(TestEnv& env, const QString& name)
{
    QStringList out;
    QSqlQuery q(env.dm().ADOcnn());
    q.prepare(QStringLiteral("select F_lmtName from OperLimit where F_OperName=? order by F_ID"));
    q.addBindValue(name);
    q.exec();
    while (q.next())
        out << q.value(0).toString();
    return out;
}

int operators(TestEnv& env)
{
    return env.value(QStringLiteral("select count(*) from OperList")).toInt();
}

// Runs every dialog through the function instead of a blocking loop.
struct ExecWith
{
    explicit ExecWith(std::function<int(QDialog&)> fn) { commands::setExecHook(std::move(fn)); }
    ~ExecWith() { commands::setExecHook(nullptr); }
};

bool locate(TfrmOperGl& list, const QString& name)
{
    return list.list()->locate(QStringLiteral("F_Name"), name);
}

} // namespace

class TestOperators : public QObject
{
    Q_OBJECT
private slots:
    void savedPermissionsAreExactlyTheCommandsAfterLogin()
    {
        TestEnv env;
        TFrmMain main;
        TfrmOperGl list;
        bool cleared = false;
        {
            ExecWith hook([&cleared](QDialog& d) {
                auto& dlg = dynamic_cast<TFrmLimitGl&>(d);
                dlg.nameBox()->setEditText(QStringLiteral(" 收银员 "));
                dlg.passwordBox()->setText(QStringLiteral("p w"));
                dlg.confirmBox()->setText(QStringLiteral("p w"));
                dlg.descriptionBox()->setPlainText(QStringLiteral("前台\n晚班"));
                dlg.setTicked(
                    {QStringLiteral("公司信息"), QStringLiteral("会员类型"), QStringLiteral("导入商品资料")});
                // Mode new stays open, cleared for the next operator.
                cleared = dlg.save() && dlg.nameBox()->currentText().isEmpty() && dlg.ticked().isEmpty() &&
                          dlg.passwordBox()->text().isEmpty() && dlg.result() == 0;
                return int(QDialog::Rejected);
            });
            list.addOperator();
        }
        QVERIFY(cleared);
        QCOMPARE(list.list()->field(QStringLiteral("F_Name")).toString(), QStringLiteral("收银员"));
        QCOMPARE(list.descriptionBox()->toPlainText(), QStringLiteral("前台\n晚班"));
        QCOMPARE(GetPass(env.value("select F_PassWord from OperList where F_Name='收银员'").toString()),
                 QStringLiteral("p w"));
        QCOMPARE(grants(env, "收银员"), (QStringList{"公司信息", "会员类型", "导入商品资料"}));

        env.dm().CurrentOperator.clear();
        TFrmLogin login(TFrmLogin::StartUp);
        login.nameBox()->setEditText(QStringLiteral("收银员"));
        login.passwordBox()->setText(QStringLiteral("p w"));
        login.confirm();
        QCOMPARE(login.result(), int(QDialog::Accepted));
        QSqlQuery q(env.dm().ADOcnn());
        q.exec(QStringLiteral("select F_code from Limits order by F_code"));
        int checked = 0;
        while (q.next()) {
            const QString code = q.value(0).toString();
            QAction* a = main.command(QStringLiteral("act") + code);
            QVERIFY2(a, qPrintable(code));
            const bool granted =
                code == QLatin1String("101") || code == QLatin1String("105") || code == QLatin1String("506");
            QVERIFY2(a->isVisible() == granted, qPrintable(code));
            ++checked;
        }
        QCOMPARE(checked, 47);
        QVERIFY(main.menu(QStringLiteral("数据"))->menuAction()->isVisible());
        QVERIFY(!main.menu(QStringLiteral("编辑"))->menuAction()->isVisible());
    }

    void adminIsProtected()
    {
        TestEnv env;
        env.exec("update OperList set F_Name='Admin' where lower(F_Name)='admin'");
        addOperator(env, "张三");
        TfrmOperGl list;
        int opened = 0;
        ExecWith hook([&opened](QDialog&) {
            ++opened;
            return int(QDialog::Rejected);
        });
        QVERIFY(locate(list, "Admin"));
        list.editOperator();
        QCOMPARE(env.mess().last(), QStringLiteral("此用户为系统默认用户，不能修改和编辑！"));
        list.deleteOperator();
        QCOMPARE(env.mess().last(), QStringLiteral("此用户为系统默认用户，不能删除！"));
        QCOMPARE(env.mess().messages.last().kind, 3);
        QCOMPARE(opened, 0);
        QCOMPARE(operators(env), 2);
        // Another operator opens normally.
        QVERIFY(locate(list, "张三"));
        list.editOperator();
        QCOMPARE(opened, 1);
    }

    void renameKeepsThePermissions()
    {
        TestEnv env;
        addOperator(env, "张三", "old", false, "备注");
        grant(env, "张三", {"新增", "导出", "会员换卡"});
        grant(env, "张三", {"已不存在的权限"});
        TfrmOperGl list;
        QVERIFY(locate(list, "张三"));
        QStringList loaded;
        ExecWith hook([&loaded](QDialog& d) {
            auto& dlg = dynamic_cast<TFrmLimitGl&>(d);
            loaded = dlg.ticked();
            loaded << dlg.passwordBox()->text() << dlg.confirmBox()->text()
                   << dlg.descriptionBox()->toPlainText();
            dlg.nameBox()->setEditText(QStringLiteral("李四"));
            dlg.save();
            return dlg.result();
        });
        list.editOperator();
        QCOMPARE(loaded, (QStringList{"新增", "导出", "会员换卡", "old", "old", "备注"}));
        QCOMPARE(grants(env, "李四"), (QStringList{"新增", "导出", "会员换卡"}));
        QVERIFY(grants(env, "张三").isEmpty());
        QCOMPARE(env.value("select count(*) from OperList where F_Name='李四'").toInt(), 1);
        QCOMPARE(list.list()->field(QStringLiteral("F_Name")).toString(), QStringLiteral("李四"));
    }

    void refusals_data()
    {
        QTest::addColumn<int>("mode");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("password");
        QTest::addColumn<QString>("confirm");
        QTest::addColumn<QString>("message");
        const int n = TFrmLimitGl::New;
        const int e = TFrmLimitGl::Edit;
        QTest::newRow("empty name") << n << QStringLiteral("   ") << QString() << QString()
                                    << QStringLiteral("操作员名称不能为空！");
        QTest::newRow("confirmation differs")
            << n << QStringLiteral("王五") << QStringLiteral("a") << QStringLiteral("a ")
            << QStringLiteral("验正码不正确，请重新确认输入！");
        QTest::newRow("duplicate") << n << QStringLiteral(" 张三 ") << QString() << QString()
                                   << QStringLiteral("操作员名称重复，请重新输入！");
        QTest::newRow("duplicate in other case") << n << QStringLiteral("ADMIN") << QString() << QString()
                                                 << QStringLiteral("操作员名称重复，请重新输入！");
        QTest::newRow("renamed to another's name") << e << QStringLiteral("李四") << QString() << QString()
                                                   << QStringLiteral("操作员名称重复，请重新输入！");
        QTest::newRow("200 characters") << n << QString(200, QLatin1Char('n')) << QString() << QString()
                                        << QStringLiteral("操作员名称不能超过 50 个字符！");
        QTest::newRow("password too long")
            << n << QStringLiteral("王五") << QString(100, QChar(0x5BC6)) << QString(100, QChar(0x5BC6))
            << QStringLiteral("密码太长，请输入较短的密码！");
    }
    void refusals()
    {
        QFETCH(int, mode);
        QFETCH(QString, name);
        QFETCH(QString, password);
        QFETCH(QString, confirm);
        QFETCH(QString, message);
        TestEnv env;
        addOperator(env, "张三");
        addOperator(env, "李四");
        grant(env, "张三", {"新增"});
        const QVariant id = env.value("select F_ID from OperList where F_Name='张三'");
        TFrmLimitGl dlg(TFrmLimitGl::Mode(mode), mode == TFrmLimitGl::Edit ? id : QVariant());
        dlg.nameBox()->setEditText(name);
        dlg.passwordBox()->setText(password);
        dlg.confirmBox()->setText(confirm);
        dlg.setTicked({QStringLiteral("导出")});
        QVERIFY(!dlg.save());
        QCOMPARE(env.mess().texts(), QStringList{message});
        QCOMPARE(operators(env), 3);
        QCOMPARE(grants(env, "张三"), QStringList{"新增"});
        QCOMPARE(dlg.nameBox()->currentText(), name); // the input stays for correction
    }

    void namesAreStoredAsTyped()
    {
        TestEnv env;
        addOperator(env, "张三", "pw");
        const QVariant id = env.value("select F_ID from OperList where F_Name='张三'");
        const QString name = QStringLiteral("O'Neil \"x\" \\ %_");
        TFrmLimitGl dlg(TFrmLimitGl::Edit, id);
        dlg.nameBox()->setEditText(name);
        dlg.passwordBox()->clear();
        dlg.confirmBox()->clear();
        dlg.disabledBox()->setChecked(true);
        dlg.tickAll(true);
        QVERIFY(dlg.save());
        QCOMPARE(dlg.result(), int(QDialog::Accepted));
        QCOMPARE(env.value("select F_Name from OperList where F_ID=?", {id}).toString(), name);
        QCOMPARE(env.value("select F_PassWord from OperList where F_ID=?", {id}).toString(),
                 SavePass(QString()));
        QCOMPARE(env.value("select F_Flag from OperList where F_ID=?", {id}).toInt(), 1);
        QCOMPARE(grants(env, name).size(), 47);
        // Saving again under its own name is no duplicate.
        TFrmLimitGl again(TFrmLimitGl::Edit, id);
        QCOMPARE(again.nameBox()->currentText(), name);
        QVERIFY(again.disabledBox()->isChecked());
        QVERIFY(again.save());
    }

    void failedSaveWritesNothing()
    {
        TestEnv env;
        env.exec("create trigger nogrant before insert on OperLimit begin select raise(abort,'no'); end");
        TFrmLimitGl dlg(TFrmLimitGl::New);
        dlg.nameBox()->setEditText(QStringLiteral("王五"));
        dlg.setTicked({QStringLiteral("导出")});
        QVERIFY(!dlg.save());
        QCOMPARE(env.mess().last(), QStringLiteral("保存失败，请检测数据库连接！"));
        QCOMPARE(env.mess().messages.last().kind, 3);
        QCOMPARE(operators(env), 1);
        QCOMPARE(dlg.nameBox()->currentText(), QStringLiteral("王五"));
        QCOMPARE(dlg.ticked(), QStringList{"导出"});
    }

    void listDisabledAndDelete()
    {
        TestEnv env;
        addOperator(env, "张三", QString(), false, "白班");
        addOperator(env, "停用", QString(), true);
        grant(env, "张三", {"新增"});
        TfrmOperGl list;
        QCOMPARE(list.list()->recordCount(), 2); // admin and 张三
        list.showDisabledBox()->setChecked(true);
        QCOMPARE(list.list()->recordCount(), 3);
        QVERIFY(locate(list, "张三"));
        QCOMPARE(list.descriptionBox()->toPlainText(), QStringLiteral("白班"));
        env.mess().answers = {2};
        list.deleteOperator();
        QCOMPARE(env.mess().last(), QStringLiteral("真的要删除当前操作员 \"张三\" 吗？"));
        QCOMPARE(operators(env), 3);
        list.deleteOperator();
        QCOMPARE(operators(env), 2);
        QVERIFY(grants(env, "张三").isEmpty());
        QCOMPARE(list.list()->recordCount(), 2);

        // Only offered catalogue rows can be ticked.
        env.exec("update Limits set F_flag=0 where F_code='503'");
        TFrmLimitGl dlg(TFrmLimitGl::New);
        QCOMPARE(dlg.limitList()->count(), 46);
        QVERIFY(dlg.limitList()->findItems(QStringLiteral("数据备份恢复"), Qt::MatchExactly).isEmpty());
    }

    void commandCentresAndLogs()
    {
        TestEnv env;
        TFrmMain main;
        main.resize(1000, 700);
        main.move(50, 40);
        main.show();
        QPoint offset(1000, 1000);
        ExecWith hook([&](QDialog& d) {
            if (qobject_cast<TfrmOperGl*>(&d))
                offset = d.geometry().center() - main.frameGeometry().center();
            return int(QDialog::Rejected);
        });
        main.command(QStringLiteral("act103"))->trigger();
        QVERIFY2(offset.manhattanLength() < 20, qPrintable(QString::number(offset.manhattanLength())));
        QCOMPARE(env.value("select F_OperType from LogRec order by F_ID desc").toString(),
                 QStringLiteral("修改用户权限记录！"));
    }
};

QTEST_MAIN(TestOperators)
#include "test_operators.moc"
