#include "testenv.h"

#include <QProcess>
#include <QtTest>

// Two copies of the program saving bills on one database file at the same
// moment: every bill gets its own number and no stock change is lost.
class TestBillConcurrency : public QObject
{
    Q_OBJECT
private slots:
    void twoCopiesSaveAtOnce()
    {
        TestEnv env;
        env.exec("insert into t_member(F_hycode,F_name,F_IFnew,F_HYstatus,F_rate,F_beginXF,F_beginJF) "
                 "values('M1','甲',0,'可  用',1,0,0)");
        const QString id = env.value("select F_ID from t_member where F_hycode='M1'").toString();
        env.exec("insert into t_goods(F_code,F_name,F_type,F_price1,F_price2,F_amount,F_rate) "
                 "values('G1','可乐','饮料',10,5,1000,0)");
        const int perCopy = 40;
        QProcess a, b;
        for (QProcess* p : {&a, &b}) {
            p->setProcessChannelMode(QProcess::ForwardedErrorChannel);
            p->start(QStringLiteral(BILL_WORKER), {env.dbFile(), QString::number(perCopy), id, "M1", "G1"});
        }
        QVERIFY(a.waitForFinished(120000));
        QVERIFY(b.waitForFinished(120000));
        QCOMPARE(a.exitCode(), 0);
        QCOMPARE(b.exitCode(), 0);
        const int total = 2 * perCopy;
        QCOMPARE(env.value("select count(*) from depotM").toInt(), total);
        QCOMPARE(env.value("select count(distinct F_code) from depotM").toInt(), total);
        QCOMPARE(env.value("select count(*) from depotD").toInt(), total);
        QCOMPARE(env.value("select count(distinct F_billcode) from T_HyxjREC").toInt(), total);
        QCOMPARE(env.value("select F_amount from t_goods").toDouble(), 1000.0 - total);
        QCOMPARE(env.value("select F_hyXF from t_member where F_hycode='M1'").toDouble(), 10.0 * total);
        QCOMPARE(env.value("select F_hyJF from t_member where F_hycode='M1'").toDouble(), 1.0 * total);
    }
};

QTEST_GUILESS_MAIN(TestBillConcurrency)
#include "test_billconcurrency.moc"
