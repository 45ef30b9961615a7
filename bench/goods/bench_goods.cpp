// Saving a consumption bill of 30 lines (payment record, stock of 30 goods,
// 30 lines, header, member consumption and points, all in one transaction)
// on a database with 100,000 members and 1,000,000 bill lines.
//
//   bench_goods [members] [bill lines] [saves]

#include "core/database.h"
#include "core/dmdata.h"
#include "core/support.h"
#include "goods/billstore.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QRandomGenerator>
#include <QSqlError>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>

namespace {

bool fill(int members, int lines, int goods)
{
    QSqlDatabase db = dmData->ADOcnn();
    QSqlQuery q(db);
    if (!q.exec(QStringLiteral("BEGIN")))
        return false;
    QSqlQuery m(db);
    m.prepare(QStringLiteral(
        "insert into t_member(F_hycode,F_name,F_IFnew,F_HYstatus,F_rate,F_beginJE,F_beginJF,"
        "F_hyJF,F_beginXF,F_hyXF,F_toDate) values(?,?,?,'可  用',0.9,1000,0,0,0,0,'3000-08-14')"));
    for (int i = 1; i <= members; ++i) {
        m.bindValue(0, QStringLiteral("H%1").arg(i, 7, 10, QLatin1Char('0')));
        m.bindValue(1, QStringLiteral("会员%1").arg(i));
        m.bindValue(2, i % 3 == 2 ? 1 : i % 3);
        if (!m.exec()) {
            std::fprintf(stderr, "member: %s\n", qPrintable(m.lastError().text()));
            return false;
        }
    }
    QSqlQuery g(db);
    g.prepare(QStringLiteral("insert into t_goods(F_code,F_name,F_type,F_price1,F_price2,F_amount,F_rate) "
                             "values(?,?,'饮料',?,1,100000,0.8)"));
    for (int i = 1; i <= goods; ++i) {
        g.bindValue(0, QStringLiteral("G%1").arg(i, 5, 10, QLatin1Char('0')));
        g.bindValue(1, QStringLiteral("商品%1").arg(i));
        g.bindValue(2, 1.0 + i % 97);
        if (!g.exec())
            return false;
    }
    QRandomGenerator rng(42);
    QSqlQuery bill(db);
    bill.prepare(QStringLiteral(
        "insert into depotM(F_code,F_date,F_editDate,F_empID,F_JFtype,F_empName,F_operName,"
        "F_totalprice,F_hyJF,F_mem,F_OperFlag,F_flag) values(?,?,?,?,'10','','admin',?,?,'',1,1)"));
    QSqlQuery line(db);
    line.prepare(
        QStringLiteral("insert into depotD(F_empID,F_Code,F_GoodCode,F_GoodName,F_Amount,F_Price,F_Rate,"
                       "F_TotalPrice) values(?,?,?,?,2,10,0.9,18)"));
    const int perBill = 4;
    const QDate start(2020, 1, 1);
    for (int b = 0; b < lines / perBill; ++b) {
        const QDate day = start.addDays(b / 500);
        const QString code = QStringLiteral("XF") + day.toString(QStringLiteral("yyyyMMdd")) +
                             QStringLiteral("%1").arg(b % 500 + 1, 3, 10, QLatin1Char('0'));
        const int member = 1 + static_cast<int>(rng.bounded(members));
        bill.bindValue(0, code);
        bill.bindValue(1, QString(day.toString(QStringLiteral("yyyy-MM-dd")) + QStringLiteral(" 10:00:00")));
        bill.bindValue(2, day.toString(QStringLiteral("yyyy-MM-dd")));
        bill.bindValue(3, member);
        bill.bindValue(4, 18.0 * perBill);
        bill.bindValue(5, 7.2);
        if (!bill.exec()) {
            std::fprintf(stderr, "bill: %s\n", qPrintable(bill.lastError().text()));
            return false;
        }
        for (int l = 0; l < perBill; ++l) {
            const int good = 1 + static_cast<int>(rng.bounded(goods));
            line.bindValue(0, member);
            line.bindValue(1, code);
            line.bindValue(2, QStringLiteral("G%1").arg(good, 5, 10, QLatin1Char('0')));
            line.bindValue(3, QStringLiteral("商品%1").arg(good));
            if (!line.exec())
                return false;
        }
    }
    return q.exec(QStringLiteral("COMMIT")) && q.exec(QStringLiteral("ANALYZE"));
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    const int members = args.size() > 1 ? args.at(1).toInt() : 100000;
    const int lines = args.size() > 2 ? args.at(2).toInt() : 1000000;
    const int saves = args.size() > 3 ? args.at(3).toInt() : 50;
    setShowMessHandler([](const QString& text, int) {
        std::fprintf(stderr, "message: %s\n", qPrintable(text));
        return int(maNo);
    });
    QTemporaryDir tmp;
    const QString file = tmp.path() + QStringLiteral("/member.mdb");
    QString error;
    if (!database::createInitial(file, &error)) {
        std::fprintf(stderr, "create: %s\n", qPrintable(error));
        return 1;
    }
    TdmData dm;
    dmData = &dm;
    if (!dm.openFile(file, &error)) {
        std::fprintf(stderr, "open: %s\n", qPrintable(error));
        return 1;
    }
    dm.CurrentOperator = QStringLiteral("admin");
    QElapsedTimer fillTimer;
    fillTimer.start();
    if (!fill(members, lines, 1000)) {
        std::fprintf(stderr, "fill failed\n");
        return 1;
    }
    std::printf("database: %d members, %d bill lines, 1000 goods (filled in %.1f s)\n", members, lines,
                fillTimer.elapsed() / 1000.0);

    QRandomGenerator rng(7);
    QVector<double> ms;
    for (int s = 0; s < saves; ++s) {
        const int member = 1 + static_cast<int>(rng.bounded(members));
        billstore::Header h;
        h.kind = billstore::Consumption;
        h.code = dm.NextBillCode(QStringLiteral("XF"));
        h.date = QDate::currentDate();
        h.memberId = member;
        h.cardNo = QStringLiteral("H%1").arg(member, 7, 10, QLatin1Char('0'));
        h.ratio = QStringLiteral("10");
        h.operName = dm.CurrentOperator;
        QVector<billstore::Line> bill;
        for (int l = 0; l < 30; ++l) {
            billstore::Line line;
            const int good = 1 + static_cast<int>(rng.bounded(1000));
            line.goodCode = QStringLiteral("G%1").arg(good, 5, 10, QLatin1Char('0'));
            line.goodName = QStringLiteral("商品%1").arg(good);
            line.amount = 1;
            line.price = 10;
            line.rate = 0.9;
            line.total = 9;
            bill << line;
            h.total += 9;
        }
        h.points = h.total / 10;
        QElapsedTimer t;
        t.start();
        const billstore::Result r = billstore::saveNewSale(h, bill, billstore::Payment{h.total, 0});
        ms << t.nsecsElapsed() / 1e6;
        if (r != billstore::Result::Saved) {
            std::fprintf(stderr, "save %d failed\n", s);
            return 1;
        }
    }
    std::sort(ms.begin(), ms.end());
    const double median =
        ms.size() % 2 ? ms.at(ms.size() / 2) : (ms.at(ms.size() / 2 - 1) + ms.at(ms.size() / 2)) / 2;
    std::printf(
        "saving a 30-line bill, %d saves: median %.2f ms, min %.2f ms, max %.2f ms (target < 50 ms)\n", saves,
        median, ms.first(), ms.last());
    dmData = nullptr;
    return median < 50 ? 0 : 2;
}
