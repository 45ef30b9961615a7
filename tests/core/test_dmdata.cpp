#include "core/dataset.h"
#include "core/dmdata.h"
#include "core/support.h"
#include "testenv.h"

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QSqlQuery>
#include <QTreeWidget>
#include <QtTest>

namespace {
QStringList childCodes(QTreeWidgetItem* item)
{
    QStringList out;
    for (int i = 0; i < item->childCount(); ++i)
        out << item->child(i)->data(0, Qt::UserRole).value<TreeNodeData>().code;
    return out;
}
} // namespace

class TestDmData : public QObject
{
    Q_OBJECT
private slots:
    void initialDatabaseHoldsTheBuiltInRows()
    {
        TestEnv env;
        QCOMPARE(env.value(QStringLiteral("select F_name from T_jibie where F_code='0000'")).toString(),
                 QStringLiteral("无卡用户"));
        QCOMPARE(env.value(QStringLiteral("select F_name from T_youhui where F_code='0000'")).toString(),
                 QStringLiteral("不优惠"));
        QCOMPARE(env.value(QStringLiteral("select F_name from T_goodLB where F_code='000000'")).toString(),
                 QStringLiteral("服务类"));
        QCOMPARE(env.value(QStringLiteral("select count(*) from OperList where F_Name='admin' and F_Flag=0 and "
                                          "(F_PassWord is null or F_PassWord='')"))
                     .toInt(),
                 1);
        QCOMPARE(env.value(QStringLiteral("select count(*) from SysInfo")).toInt(), 1);
        // One permission row per command code, names unique.
        QCOMPARE(env.value(QStringLiteral("select count(*) from Limits")).toInt(), 47);
        QCOMPARE(env.value(QStringLiteral("select count(distinct F_name) from Limits")).toInt(), 47);
        for (const char* key : {"memmain", "xiaofeitotal", "xiaofeimingxi", "duihuantotal", "duihuanmingxi"})
            QVERIFY2(env.value(QStringLiteral("select count(*) from cfg_Grid where F_name=?"), {QLatin1String(key)})
                             .toInt() > 0,
                     key);
        for (const char* t : {"t_member", "t_goods"})
            QVERIFY(env.value(QStringLiteral("select count(*) from cfg_import where F_tablename=?"), {QLatin1String(t)})
                        .toInt() > 0);
        // Work tables exist for this connection.
        QVERIFY(env.exec(QStringLiteral("insert into tempCode(F_code) values('x')")));
    }

    void uniqueValuesAreEnforcedByTheDatabase()
    {
        TestEnv env;
        QVERIFY(env.exec(QStringLiteral("insert into depotM(F_code,F_flag,F_OperFlag) values('XF20240131001',1,1)")));
        QVERIFY(!env.exec(QStringLiteral("insert into depotM(F_code,F_flag,F_OperFlag) values('XF20240131001',1,1)")));
        QVERIFY(!env.exec(QStringLiteral("insert into OperList(F_Name) values('ADMIN')")));
        QVERIFY(env.exec(QStringLiteral("insert into t_member(F_hycode) values('')")));
        QVERIFY(env.exec(QStringLiteral("insert into t_member(F_hycode) values('')"))); // empty numbers may repeat
        QVERIFY(!env.exec(QStringLiteral("insert into t_member(F_hycode) values('0000')")));
    }

    void statementRoutines()
    {
        TestEnv env;
        TdmData& dm = env.dm();
        QCOMPARE(dm.QueryFloat(QStringLiteral("select sum(F_totalprice) from depotM")), 0.0);
        QCOMPARE(dm.QueryInt(QStringLiteral("select count(*) from depotM")), 0);
        QCOMPARE(dm.QueryText(QStringLiteral("select F_name from t_member where F_ID = -1")), QString());
        QVERIFY(env.mess().messages.isEmpty());

        // A search value holding a quotation mark is just a value.
        QVERIFY(dm.ExecSql(QStringLiteral("insert into t_member(F_hycode,F_name) values(?,?)"),
                           {QStringLiteral("A1"), QStringLiteral("O'Brien")}));
        TDataSet set;
        QVERIFY(dm.OpenQuery(QStringLiteral("select * from t_member where (1=1) and f_name like ? order by F_ID"), set,
                             {QStringLiteral("%'%")}));
        QCOMPARE(set.recordCount(), 1);
        QCOMPARE(set.field(QStringLiteral("F_NAME")).toString(), QStringLiteral("O'Brien"));

        // Failures: message, neutral result.
        QVERIFY(!dm.ExecSql(QStringLiteral("update no_such_table set x = 1")));
        QCOMPARE(env.mess().last(), QStringLiteral("操作失败，请检查数据连接... "));
        QCOMPARE(env.mess().messages.last().kind, int(mkError));
        QCOMPARE(dm.QueryInt(QStringLiteral("select nope from depotM")), 0);
        QCOMPARE(dm.QueryText(QStringLiteral("select nope from depotM")), QString());
        QVERIFY(!dm.OpenQuery(QStringLiteral("select * from nowhere"), set));
        QCOMPARE(env.mess().last(), QStringLiteral("打开操作失败，请检查数据连接... "));
        QVERIFY(!dm.DeleteById(QStringLiteral("nowhere"), 1));
        QCOMPARE(env.mess().last(), QStringLiteral("删除操作失败，请检查数据连接... "));
        const int id = dm.QueryInt(QStringLiteral("select F_ID from t_member where F_hycode='A1'"));
        QVERIFY(dm.DeleteById(QStringLiteral("t_member"), id));
        QCOMPARE(dm.QueryInt(QStringLiteral("select count(*) from t_member where F_hycode='A1'")), 0);
    }

    void fillAndSelectCombo()
    {
        TestEnv env;
        env.exec(QStringLiteral("delete from t_code"));
        for (const char* v : {"A", "", "  ", "VIP", "B"})
            env.exec(QStringLiteral("insert into t_code(F_Name,F_type) values(?, 'k')"), {QString::fromUtf8(v)});
        QComboBox combo;
        combo.addItem(QStringLiteral("old"));
        env.dm().FillComboFromQuery(QStringLiteral("select F_Name from t_code where F_type = ? order by F_ID"), &combo,
                                    {QStringLiteral("k")});
        QStringList items;
        for (int i = 0; i < combo.count(); ++i)
            items << combo.itemText(i);
        QCOMPARE(items, (QStringList{QStringLiteral("A"), QStringLiteral("VIP"), QStringLiteral("B")}));
        combo.setCurrentIndex(0);
        TdmData::SelectComboItem(QStringLiteral("  vip "), &combo);
        QCOMPARE(combo.currentText(), QStringLiteral("VIP"));
        TdmData::SelectComboItem(QStringLiteral("none"), &combo);
        QCOMPARE(combo.currentText(), QStringLiteral("VIP"));
    }

    void writeLogAndRights()
    {
        TestEnv env;
        TdmData& dm = env.dm();
        dm.CurrentOperator = QStringLiteral("张三");
        dm.WriteLog(QStringLiteral("操作员登录成功！"));
        QCOMPARE(env.value(QStringLiteral("select F_EmpName || '|' || F_OperType from LogRec")).toString(),
                 QStringLiteral("张三|操作员登录成功！"));
        QCOMPARE(env.value(QStringLiteral("select F_OperDate from LogRec")).toString(),
                 QDate::currentDate().toString(QStringLiteral("yyyy-MM-dd")));
        QVERIFY(!dm.HasRight(QStringLiteral("101")));
        env.exec(QStringLiteral("insert into OperLimit(F_OperName,F_lmtName) values('张三','公司信息')"));
        QVERIFY(dm.HasRight(QStringLiteral("101")));
        QVERIFY(!dm.HasRight(QStringLiteral("102")));
        dm.CurrentOperator = QStringLiteral("x' or '1'='1");
        QVERIFY(!dm.HasRight(QStringLiteral("101")));
    }

    void nextBillCodeUsesTodaysNumbersOnly()
    {
        TestEnv env;
        const QString today = QDate::currentDate().toString(QStringLiteral("yyyyMMdd"));
        QCOMPARE(env.dm().NextBillCode(QStringLiteral("XF")), QStringLiteral("XF") + today + QStringLiteral("001"));
        env.exec(QStringLiteral("insert into depotM(F_code) values(?)"), {QStringLiteral("XF20000101009")});
        env.exec(QStringLiteral("insert into depotM(F_code) values(?)"), {QString(QStringLiteral("XF") + today + QStringLiteral("007"))});
        env.exec(QStringLiteral("insert into depotM(F_code) values(?)"), {QString(QStringLiteral("DH") + today + QStringLiteral("002"))});
        QCOMPARE(env.dm().NextBillCode(QStringLiteral("XF")), QStringLiteral("XF") + today + QStringLiteral("008"));
        QCOMPARE(env.dm().NextBillCode(QStringLiteral("DH")), QStringLiteral("DH") + today + QStringLiteral("003"));
    }

    void codeTrees()
    {
        TestEnv env;
        TdmData& dm = env.dm();
        QCOMPARE(dm.NextTreeCode(QString(), QStringLiteral("memtype"), 2), QStringLiteral("001"));
        const QList<QStringList> rows{
            {QStringLiteral("001"), QStringLiteral("A")},
            {QStringLiteral("001001"), QStringLiteral("A1")},
            {QStringLiteral("001001001"), QStringLiteral("A11")},
            {QStringLiteral("002"), QStringLiteral("B")},
        };
        for (const QStringList& r : rows)
            env.exec(QStringLiteral("insert into t_treecode(F_code,F_name,F_likecode,F_flag) values(?,?,?,'memtype')"),
                     {r.at(0), r.at(1), QString()});
        env.exec(QStringLiteral("insert into t_treecode(F_code,F_name,F_likecode,F_flag) values('003','G','','goodtype')"));

        QTreeWidget tree;
        dm.LoadCodeTree(&tree, QStringLiteral("会员类型"), QStringLiteral("memtype"));
        QCOMPARE(tree.topLevelItemCount(), 1);
        QTreeWidgetItem* root = tree.topLevelItem(0);
        QCOMPARE(root->text(0), QStringLiteral("会员类型"));
        QCOMPARE(root->data(0, Qt::UserRole).value<TreeNodeData>().likeCode, QStringLiteral("\\\\"));
        QCOMPARE(childCodes(root), (QStringList{QStringLiteral("001"), QStringLiteral("002")}));
        QTreeWidgetItem* a = root->child(0);
        QCOMPARE(childCodes(a), QStringList{QStringLiteral("001001")});
        QCOMPARE(childCodes(a->child(0)), QStringList{QStringLiteral("001001001")});
        QCOMPARE(tree.currentItem(), root);

        QTreeWidgetItem* a11 = a->child(0)->child(0);
        QCOMPARE(TdmData::CodeTreePath(a11, 1), QStringLiteral("\\\\A\\A1\\A11"));
        QCOMPARE(TdmData::CodeTreePath(a11, 0), QStringLiteral("\\\\A\\A1"));
        QCOMPARE(TdmData::CodeTreePath(a, 1), QStringLiteral("\\\\A"));

        QCOMPARE(dm.NextTreeCode(QStringLiteral("001"), QStringLiteral("memtype"), 1), QStringLiteral("003"));
        QCOMPARE(dm.NextTreeCode(QStringLiteral("002"), QStringLiteral("memtype"), 2), QStringLiteral("002001"));
        QCOMPARE(dm.NextTreeCode(QStringLiteral("001"), QStringLiteral("memtype"), 2), QStringLiteral("001002"));
        QCOMPARE(dm.NextTreeCode(QString(), QStringLiteral("goodtype"), 2), QStringLiteral("004"));
    }

    void autoBackupOncePerDay()
    {
        TestEnv env;
        const QString folder = env.dir() + QStringLiteral("backups");
        env.exec(QStringLiteral("update SysInfo set F_BakPath = ?"), {folder});
        env.exec(QStringLiteral("insert into t_member(F_hycode,F_name) values('B1','backed up')"));

        // Folder missing and the question declined: nothing copied, nothing else said.
        env.mess().answers = {maNo};
        env.dm().AutoBackup();
        QCOMPARE(env.mess().messages.size(), 1);
        QCOMPARE(env.mess().messages.first().kind, int(mkQuestion));
        QCOMPARE(env.mess().last(), QStringLiteral("当前目录") + folder + QStringLiteral(" 不存在，是否创建！"));
        QVERIFY(!QFileInfo::exists(folder));

        env.mess().clear();
        env.dm().AutoBackup(); // answered yes: folder made, copy written
        const QString target = env.dm().backupTarget(folder);
        QVERIFY(QFileInfo::exists(target));
        const QDateTime written = QFileInfo(target).lastModified();
        QVERIFY(env.mess().messages.size() == 1);

        // The copy is a complete database with the data of the moment.
        {
            QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("copy"));
            db.setDatabaseName(target);
            QVERIFY(db.open());
            QSqlQuery q(db);
            QVERIFY(q.exec(QStringLiteral("select F_name from t_member where F_hycode='B1'")) && q.next());
            QCOMPARE(q.value(0).toString(), QStringLiteral("backed up"));
        }
        QSqlDatabase::removeDatabase(QStringLiteral("copy"));

        env.mess().clear();
        env.exec(QStringLiteral("insert into t_member(F_hycode,F_name) values('B2','later')"));
        env.dm().AutoBackup(); // second time today: nothing
        QVERIFY(env.mess().messages.isEmpty());
        QCOMPARE(QFileInfo(target).lastModified(), written);
        QCOMPARE(QDir(folder).entryList(QDir::Files).size(), 1);
    }

    void autoBackupFolderThatCannotBeMade()
    {
        TestEnv env;
        QFile blocker(env.dir() + QStringLiteral("afile"));
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        blocker.close();
        const QString folder = env.dir() + QStringLiteral("afile/sub");
        env.exec(QStringLiteral("update SysInfo set F_BakPath = ?"), {folder});
        env.dm().AutoBackup();
        QCOMPARE(env.mess().last(), QStringLiteral("目录") + folder + QStringLiteral(" 创建失败,请检测路径是否合法!"));
        QCOMPARE(env.mess().messages.last().kind, int(mkError));
    }

    void transactionGuardRollsBackUnlessCommitted()
    {
        TestEnv env;
        TdmData& dm = env.dm();
        {
            TransactionGuard tx(dm);
            QVERIFY(tx.active());
            QVERIFY(dm.ExecSql(QStringLiteral("insert into t_member(F_hycode) values('T1')")));
        }
        QCOMPARE(dm.QueryInt(QStringLiteral("select count(*) from t_member where F_hycode='T1'")), 0);
        {
            TransactionGuard tx(dm);
            QVERIFY(dm.ExecSql(QStringLiteral("insert into t_member(F_hycode) values('T2')")));
            QVERIFY(tx.commit());
        }
        QCOMPARE(dm.QueryInt(QStringLiteral("select count(*) from t_member where F_hycode='T2'")), 1);
    }

    void dataSetSortsInMemory()
    {
        TDataSet set;
        set.setRows({QStringLiteral("F_hycode"), QStringLiteral("F_name"), QStringLiteral("F_beginJE")},
                    {{QStringLiteral("2"), QStringLiteral("b"), 5.0},
                     {QStringLiteral("1"), QStringLiteral("b"), 10.0},
                     {QStringLiteral("3"), QStringLiteral("a"), QVariant()}});
        set.sort(QStringLiteral("f_name ASC,f_hycode DESC,"));
        QCOMPARE(set.value(0, 0).toString(), QStringLiteral("3"));
        QCOMPARE(set.value(1, 0).toString(), QStringLiteral("2"));
        QCOMPARE(set.value(2, 0).toString(), QStringLiteral("1"));
        set.sort(QStringLiteral("F_BEGINJE DESC"));
        QCOMPARE(set.value(0, 2).toDouble(), 10.0);
        QVERIFY(set.value(2, 2).isNull());
        QCOMPARE(set.sum(2), 15.0);
        QVERIFY(set.locate(QStringLiteral("f_hycode"), QStringLiteral("2")));
        QCOMPARE(set.field(QStringLiteral("F_beginJE")).toDouble(), 5.0);
    }
};

QTEST_MAIN(TestDmData)
#include "test_dmdata.moc"
