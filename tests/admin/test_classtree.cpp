#include "admin/TFrmTreeCodeMan.h"
#include "admin/classpicker.h"
#include "app/TFrmMain.h"
#include "app/commands.h"
#include "core/grid/griddialogs.h"
#include "testenv.h"

#include <QAction>
#include <QLineEdit>
#include <QSqlQuery>
#include <QToolButton>
#include <QTreeWidget>
#include <QtTest>

namespace {

void addClass(TestEnv& env, const QString& code, const QString& name, const QString& path,
              const QString& kind = QStringLiteral("memtype"))
{
    env.exec(QStringLiteral("insert into t_treecode(F_code,F_name,F_likecode,F_flag) values(?,?,?,?)"),
             {code, name, path, kind});
}

// code -> "name|path" of every class of a tree.
QMap<QString, QString> treeRows(TestEnv& env, const QString& kind = QStringLiteral("memtype"))
{
    QMap<QString, QString> out;
    QSqlQuery q(env.dm().ADOcnn());
    q.prepare(QStringLiteral("select F_code,F_name,F_likecode from t_treecode where F_flag=?"));
    q.addBindValue(kind);
    q.exec();
    while (q.next())
        out.insert(q.value(0).toString(), q.value(1).toString() + QLatin1Char('|') + q.value(2).toString());
    return out;
}

// Answers the caption dialog with the given names in turn and keeps the titles asked.
struct CaptionAnswers
{
    QStringList answers;
    QStringList titles;
    QStringList presets;
    explicit CaptionAnswers(QStringList a) : answers(std::move(a))
    {
        griddialogs::setCaptionHook([this](const QString& title, bool, const QString& text) {
            titles << title;
            presets << text;
            return answers.isEmpty() ? QString() : answers.takeFirst();
        });
    }
    ~CaptionAnswers() { griddialogs::setCaptionHook(nullptr); }
};

// Runs every dialog through the function instead of a blocking loop.
struct ExecWith
{
    explicit ExecWith(std::function<int(QDialog&)> fn) { commands::setExecHook(std::move(fn)); }
    ~ExecWith() { commands::setExecHook(nullptr); }
};

TreeNodeData nodeOf(QTreeWidgetItem* item)
{
    return item->data(0, Qt::UserRole).value<TreeNodeData>();
}

// The fixture of the examples: 001 with 001001 and 001002, 001002 with 001002001.
void exampleTree(TestEnv& env)
{
    addClass(env, "001", "Retail", "\\\\Retail");
    addClass(env, "001001", "Food", "\\\\Retail\\Food");
    addClass(env, "001002", "Drink", "\\\\Retail\\Drink");
    addClass(env, "001002001", "Tea", "\\\\Retail\\Drink\\Tea");
    addClass(env, "002", "Other", "\\\\Other");
}

} // namespace

class TestClassTree : public QObject
{
    Q_OBJECT
private slots:
    void newClassesTakeTheNextCodes()
    {
        TestEnv env;
        TFrmTreeCodeMan dlg(QStringLiteral("memtype"), false);
        QCOMPARE(dlg.windowTitle(), QStringLiteral("会员类型资料"));
        QCOMPARE(dlg.tree()->topLevelItem(0)->text(0), QStringLiteral("会员类型"));
        CaptionAnswers names({"  Retail ", "Service", "Food"});

        // Empty tree: a child of the root gets 001, a sibling of 001 gets 002.
        QVERIFY(dlg.selectCode("000"));
        dlg.addChild();
        QCOMPARE(nodeOf(dlg.tree()->currentItem()).code, QStringLiteral("001"));
        dlg.addSibling();
        QCOMPARE(nodeOf(dlg.tree()->currentItem()).code, QStringLiteral("002"));
        QVERIFY(dlg.selectCode("002"));
        dlg.addChild();
        QCOMPARE(names.titles,
                 (QStringList{"添加 000 会员类型 子类", "添加 001 Retail 同类", "添加 002 Service 子类"}));
        QCOMPARE(treeRows(env), (QMap<QString, QString>{{"001", "Retail|\\\\Retail"},
                                                        {"002", "Service|\\\\Service"},
                                                        {"002001", "Food|\\\\Service\\Food"}}));
        QCOMPARE(dlg.tree()->currentItem()->parent()->text(0), QStringLiteral("Service"));

        // The root takes no siblings; a cancelled name adds nothing.
        env.mess().clear();
        QVERIFY(dlg.selectCode("000"));
        dlg.addSibling();
        QCOMPARE(env.mess().texts(), QStringList{"不能增加根节点的同类节点，该节点只能增加子节点！"});
        dlg.addChild(); // no answer left: cancelled
        QCOMPARE(treeRows(env).size(), 3);
    }

    void childCodeAfterAGrandchild()
    {
        TestEnv env;
        exampleTree(env);
        addClass(env, "001", "Goods", "\\\\Goods", "goodtype");
        addClass(env, "001009", "Other tree", "\\\\Goods\\Other tree", "goodtype");
        TFrmTreeCodeMan dlg(QStringLiteral("memtype"), false);
        // The tree as loaded: 001002001 under 001002 under 001.
        QTreeWidgetItem* retail = dlg.tree()->topLevelItem(0)->child(0);
        QCOMPARE(retail->childCount(), 2);
        QCOMPARE(nodeOf(retail->child(1)->child(0)).code, QStringLiteral("001002001"));
        CaptionAnswers names({"Toys", "Bakery", "Coffee"});
        QVERIFY(dlg.selectCode("001"));
        dlg.addChild();
        QVERIFY(dlg.selectCode("001001"));
        dlg.addSibling();
        QVERIFY(dlg.selectCode("001002"));
        dlg.addChild();
        const auto rows = treeRows(env);
        QCOMPARE(rows.value("001003"), QStringLiteral("Toys|\\\\Retail\\Toys"));
        QCOMPARE(rows.value("001004"), QStringLiteral("Bakery|\\\\Retail\\Bakery"));
        QCOMPARE(rows.value("001002002"), QStringLiteral("Coffee|\\\\Retail\\Drink\\Coffee"));
        QCOMPARE(treeRows(env, "goodtype").size(), 2); // the other tree is left alone
    }

    void renameCarriesTheClassesAndMembersBelow()
    {
        TestEnv env;
        exampleTree(env);
        const auto member = [&env](const char* card, const char* type) {
            env.exec(QStringLiteral("insert into t_member(F_hycode,F_name,F_type) values(?,?,?)"),
                     {QString::fromUtf8(card), QStringLiteral("m"), QString::fromUtf8(type)});
        };
        member("M1", "\\\\Retail");
        member("M2", "\\\\Retail\\Drink\\Tea");
        member("M3", "\\\\RetailX");       // another class that merely starts alike
        member("M4", "\\\\Other\\Retail"); // and one with the name further down
        TFrmTreeCodeMan dlg(QStringLiteral("memtype"), false);
        CaptionAnswers names({"Shop"});
        QVERIFY(dlg.selectCode("001"));
        dlg.renameNode();
        QCOMPARE(names.titles, QStringList{"修改类别 001 Retail 子类"});
        QCOMPARE(names.presets, QStringList{"Retail"});
        const auto rows = treeRows(env);
        QCOMPARE(rows.value("001"), QStringLiteral("Shop|\\\\Shop"));
        QCOMPARE(rows.value("001001"), QStringLiteral("Food|\\\\Shop\\Food"));
        QCOMPARE(rows.value("001002001"), QStringLiteral("Tea|\\\\Shop\\Drink\\Tea"));
        QCOMPARE(rows.value("002"), QStringLiteral("Other|\\\\Other"));
        const auto type = [&env](const char* card) {
            return env
                .value(QStringLiteral("select F_type from t_member where F_hycode=?"),
                       {QString::fromUtf8(card)})
                .toString();
        };
        QCOMPARE(type("M1"), QStringLiteral("\\\\Shop"));
        QCOMPARE(type("M2"), QStringLiteral("\\\\Shop\\Drink\\Tea"));
        QCOMPARE(type("M3"), QStringLiteral("\\\\RetailX"));
        QCOMPARE(type("M4"), QStringLiteral("\\\\Other\\Retail"));
        // The window shows the new paths too.
        QVERIFY(dlg.selectPath("\\\\Shop\\Drink\\Tea"));
        QCOMPARE(dlg.tree()->currentItem()->text(0), QStringLiteral("Tea"));

        // The same name in other letter case writes nothing.
        env.exec("create trigger nowrite before update on t_treecode begin select raise(abort,'no'); end");
        CaptionAnswers again({"SHOP"});
        QVERIFY(dlg.selectCode("001"));
        env.mess().clear();
        dlg.renameNode();
        QVERIFY(env.mess().messages.isEmpty());
        QCOMPARE(treeRows(env).value("001"), QStringLiteral("Shop|\\\\Shop"));
    }

    void renameThatFailsChangesNothing()
    {
        TestEnv env;
        exampleTree(env);
        env.exec(QStringLiteral(
            "insert into t_member(F_hycode,F_name,F_type) values('M1','m','\\\\Retail\\Food')"));
        env.exec("create trigger nomember before update on t_member begin select raise(abort,'no'); end");
        const auto before = treeRows(env);
        TFrmTreeCodeMan dlg(QStringLiteral("memtype"), false);
        CaptionAnswers names({"Shop"});
        QVERIFY(dlg.selectCode("001"));
        dlg.renameNode();
        QCOMPARE(env.mess().last(), QStringLiteral("数据连接失败，请与作者联系... "));
        QCOMPARE(env.mess().messages.last().kind, 3);
        QCOMPARE(treeRows(env), before);
        QCOMPARE(dlg.tree()->currentItem()->text(0), QStringLiteral("Retail"));
    }

    void deleteTakesTheWholeBranch()
    {
        TestEnv env;
        exampleTree(env);
        addClass(env, "001", "Goods", "\\\\Goods", "goodtype");
        TFrmTreeCodeMan dlg(QStringLiteral("memtype"), false);
        // A leaf: asked by code and name; "no" keeps it.
        QVERIFY(dlg.selectCode("002"));
        env.mess().answers = {2};
        dlg.deleteNode();
        QCOMPARE(env.mess().last(), QStringLiteral("真的要删除当前节点 “002Other” 吗？"));
        QCOMPARE(treeRows(env).size(), 5);
        // A class with children.
        QVERIFY(dlg.selectCode("001"));
        dlg.deleteNode();
        QCOMPARE(env.mess().last(), QStringLiteral("此节点包含有子节点，真的要删除所有的子节点吗？"));
        QCOMPARE(treeRows(env).keys(), QStringList{"002"});
        QCOMPARE(treeRows(env, "goodtype").keys(), QStringList{"001"});
        QCOMPARE(dlg.tree()->topLevelItem(0)->childCount(), 1);
        // The root can be neither renamed nor deleted.
        QVERIFY(dlg.selectCode("000"));
        QVERIFY(!dlg.findChild<QAction*>("actDelete")->isEnabled());
        dlg.deleteNode();
        dlg.renameNode();
        QCOMPARE(treeRows(env).keys(), QStringList{"002"});
    }

    void unusualNames_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("message"); // empty: stored as typed
        QTest::newRow("quotes") << QStringLiteral("O'Brien \"VIP\"") << QString();
        QTest::newRow("percent and underscore") << QStringLiteral("100%_金卡") << QString();
        QTest::newRow("backslash") << QStringLiteral("A\\B")
                                   << QStringLiteral(
                                          "类别名称中不能含有“\\”字符，它用来分隔类别的各级名称！");
        QTest::newRow("200 characters")
            << QString(200, QLatin1Char('x')) << QStringLiteral("类别名称不能超过 50 个字符！");
        QTest::newRow("path too long for the members")
            << QString(49, QChar(0x4F1A))
            << QStringLiteral("会员类别的完整路径不能超过 50 个字符，请使用较短的类别名称！");
        QTest::newRow("existing name")
            << QStringLiteral("other") << QStringLiteral("同一级别中已有名为“other”的类别，请重新输入！");
    }
    void unusualNames()
    {
        QFETCH(QString, name);
        QFETCH(QString, message);
        TestEnv env;
        addClass(env, "001", "Other", "\\\\Other");
        TFrmTreeCodeMan dlg(QStringLiteral("memtype"), false);
        CaptionAnswers names({name});
        QVERIFY(dlg.selectCode("000"));
        dlg.addChild();
        if (message.isEmpty()) {
            QVERIFY(env.mess().messages.isEmpty());
            QCOMPARE(treeRows(env).value("002"), name + QStringLiteral("|\\\\") + name);
            QCOMPARE(dlg.tree()->currentItem()->text(0), name);
            // Renaming to the same kind of name works too.
            CaptionAnswers rename({name + QStringLiteral("'")});
            dlg.renameNode();
            QCOMPARE(treeRows(env).value("002"),
                     name + QStringLiteral("'|\\\\") + name + QStringLiteral("'"));
        } else {
            QCOMPARE(env.mess().texts(), QStringList{message});
            QCOMPARE(treeRows(env).size(), 1);
            QCOMPARE(dlg.tree()->topLevelItem(0)->childCount(), 1);
            // A rename to it is refused the same way.
            QVERIFY(dlg.selectCode("001"));
            CaptionAnswers rename({name});
            env.mess().clear();
            dlg.renameNode();
            if (name != QLatin1String("other")) // the class's own name in other case: nothing to do
                QCOMPARE(env.mess().texts(), QStringList{message});
            QCOMPARE(treeRows(env).value("001"), QStringLiteral("Other|\\\\Other"));
        }
    }

    void failedInsertLeavesTheTree()
    {
        TestEnv env;
        env.exec("create trigger noinsert before insert on t_treecode begin select raise(abort,'no'); end");
        TFrmTreeCodeMan dlg(QStringLiteral("goodtype"), false);
        QCOMPARE(dlg.windowTitle(), QStringLiteral("商品类型资料"));
        QCOMPARE(dlg.tree()->topLevelItem(0)->text(0), QStringLiteral("商品类型"));
        CaptionAnswers names({"Food"});
        dlg.addChild();
        QCOMPARE(env.mess().last(), QStringLiteral("数据连接失败，请与作者联系... "));
        QCOMPARE(dlg.tree()->topLevelItem(0)->childCount(), 0);
    }

    void pickerReturnsTheChosenPath()
    {
        TestEnv env;
        exampleTree(env);
        QString seen;
        bool pickMode = false;
        ExecWith hook([&](QDialog& d) {
            auto& dlg = dynamic_cast<TFrmTreeCodeMan&>(d);
            pickMode = dlg.pickMode();
            seen = dlg.tree()->currentItem() ? nodeOf(dlg.tree()->currentItem()).likeCode : QString();
            // The root is refused and the window stays.
            dlg.selectCode("000");
            dlg.confirmPick();
            if (dlg.result() == QDialog::Accepted)
                return int(QDialog::Accepted);
            dlg.selectCode("001002001");
            dlg.confirmPick();
            return dlg.result();
        });
        QCOMPARE(PickClass(nullptr, "memtype", "\\\\Retail\\Food"), QStringLiteral("\\\\Retail\\Drink\\Tea"));
        QVERIFY(pickMode);
        QCOMPARE(seen, QStringLiteral("\\\\Retail\\Food"));
        QCOMPARE(env.mess().texts(), QStringList{"不能选择根节点！"});

        // Cancelled: nothing chosen.
        ExecWith cancel([](QDialog&) { return int(QDialog::Rejected); });
        QCOMPARE(PickClass(nullptr, "memtype", "\\\\Retail"), QString());

        // Enter picks in pick mode only.
        TFrmTreeCodeMan picker(QStringLiteral("memtype"), true);
        QVERIFY(picker.selectCode("002"));
        QTest::keyClick(picker.tree(), Qt::Key_Return);
        QCOMPARE(picker.result(), int(QDialog::Accepted));
        QCOMPARE(picker.chosenPath(), QStringLiteral("\\\\Other"));
        TFrmTreeCodeMan editor(QStringLiteral("memtype"), false);
        QVERIFY(editor.selectCode("002"));
        QTest::keyClick(editor.tree(), Qt::Key_Return);
        QCOMPARE(editor.result(), 0);
    }

    void commandsAndTheCaptionDialogsPicker()
    {
        TestEnv env;
        exampleTree(env);
        TFrmMain main;
        main.show();
        // "会员类型": the main window's tree and log follow.
        QString kind;
        {
            ExecWith hook([&](QDialog& d) {
                auto& dlg = dynamic_cast<TFrmTreeCodeMan&>(d);
                kind = dlg.kind();
                CaptionAnswers names({"Wholesale"});
                dlg.selectCode("000");
                dlg.addChild();
                return int(QDialog::Rejected);
            });
            main.command("act105")->trigger();
        }
        QCOMPARE(kind, QStringLiteral("memtype"));
        QTreeWidgetItem* root = main.classTree()->topLevelItem(0);
        QCOMPARE(root->childCount(), 3);
        QCOMPARE(root->child(2)->text(0), QStringLiteral("Wholesale"));
        QVERIFY(root->isExpanded());
        QCOMPARE(env.value("select F_OperType from LogRec order by F_ID desc").toString(),
                 QStringLiteral("会员类型资料设置！"));
        // "商品类型" opens the goods tree and logs nothing.
        {
            ExecWith hook([&](QDialog& d) {
                kind = dynamic_cast<TFrmTreeCodeMan&>(d).kind();
                return int(QDialog::Rejected);
            });
            main.command("act106")->trigger();
        }
        QCOMPARE(kind, QStringLiteral("goodtype"));
        QCOMPARE(env.value("select count(*) from LogRec").toInt(), 1);

        // The class button of the caption dialog picks a member class.
        ExecWith pick([](QDialog& d) {
            auto& dlg = dynamic_cast<TFrmTreeCodeMan&>(d);
            dlg.selectCode("001001");
            dlg.confirmPick();
            return dlg.result();
        });
        TFrmCaptionInput caption(QStringLiteral("类型名称"), true);
        caption.findChild<QToolButton*>("btnPickClass")->click();
        QCOMPARE(caption.text(), QStringLiteral("\\\\Retail\\Food"));
    }
};

QTEST_MAIN(TestClassTree)
#include "test_classtree.moc"
