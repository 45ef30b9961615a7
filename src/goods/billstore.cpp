#include "goods/billstore.h"

#include "core/billcalc.h"
#include "core/calc.h"
#include "core/dialect.h"
#include "core/dmdata.h"

#include <QSqlError>
#include <QSqlQuery>

namespace billstore {

namespace {

// One statement of a saving transaction; failures are logged, not shown.
bool run(const QString& sql, const QVariantList& params = {}, QSqlQuery* out = nullptr)
{
    QSqlQuery local(dmData->ADOcnn());
    return execBound(out ? *out : local, sql, params, "bill save");
}

QVariant scalar(const QString& sql, const QVariantList& params, bool* ok)
{
    QSqlQuery q(dmData->ADOcnn());
    *ok = run(sql, params, &q);
    if (*ok && q.next())
        return q.value(0);
    return {};
}

bool billExists(const QString& code, int exceptId = 0)
{
    bool ok = false;
    const QVariant id = scalar(QStringLiteral("select F_ID from depotM where F_code = ? and F_ID <> ?"),
                               {code, exceptId}, &ok);
    return ok && id.isValid() && !id.isNull();
}

QString stamp(const QDate& day)
{
    const QDate d = day.isValid() ? day : QDate::currentDate();
    return dates::stampText(QDateTime(d, QTime::currentTime()));
}

QString today()
{
    return dates::text(QDate::currentDate());
}

bool insertLines(const Header& h, const QVector<Line>& lines)
{
    QSqlQuery q(dmData->ADOcnn());
    if (!q.prepare(QStringLiteral(
            "insert into depotD(F_Code,F_empID,F_GoodCode,F_GoodName,F_Type,F_Spec,F_Unit,F_Address,F_Amount,"
            "F_Price,F_Rate,F_TotalPrice,F_Mem,F_dhJF,F_totalJF) values(?,?,?,?,?,?,?,?,?,?,?,?,?,?,?)"))) {
        qWarning("bill save: %s", qPrintable(q.lastError().text()));
        return false;
    }
    for (const Line& l : lines) {
        const QVariantList values{h.code, h.memberId, l.goodCode, l.goodName, l.type,
                                  l.spec, l.unit,     l.address,  l.amount,   l.price,
                                  l.rate, l.total,    l.mem,      l.dhJF,     l.totalJF};
        for (int i = 0; i < values.size(); ++i)
            q.bindValue(i, values.at(i));
        if (!q.exec()) {
            qWarning("bill save: %s", qPrintable(q.lastError().text()));
            return false;
        }
    }
    return true;
}

bool insertHeader(const Header& h)
{
    return run(
        QStringLiteral("insert into depotM(F_date,F_editDate,F_code,F_empID,F_JFtype,F_empName,F_operName,"
                       "F_totalPrice,F_HyJF,F_mem,F_OperFlag,F_flag) values(?,?,?,?,?,?,?,?,?,?,?,?)"),
        {stamp(h.date), today(), h.code, h.memberId, h.ratio, h.empName, h.operName, h.total, h.points, h.mem,
         operFlag(h.kind), h.kind});
}

// Takes a free number for a new bill; false when the day's numbers are used up.
bool takeNumber(Header& h)
{
    const QString code = freeBillCode(h.code.trimmed(), prefixOf(h.kind));
    if (code.isEmpty())
        return false;
    h.code = code;
    return true;
}

} // namespace

int operFlag(int kind)
{
    return kind == Return || kind == Redemption ? -1 : 1;
}

QString prefixOf(int kind)
{
    return kind == Redemption ? QStringLiteral("DH") : QStringLiteral("XF");
}

QString freeBillCode(const QString& wanted, const QString& prefix)
{
    if (!wanted.isEmpty() && !billExists(wanted))
        return wanted;
    QString candidate = dmData->NextBillCode(prefix);
    const QDate day = QDate::currentDate();
    // Past the 999th bill the counter starts again at 000 and looks for a gap.
    for (int tries = 0; tries < 1000; ++tries) {
        if (!candidate.isEmpty() && !billExists(candidate))
            return candidate;
        candidate = calc::nextBillCode(candidate, prefix, day, 3);
    }
    return {};
}

bool recomputePoints(int memberId)
{
    return run(QStringLiteral("update t_member set F_hyJF = coalesce(F_beginJF,0) + coalesce((select "
                              "sum(F_hyJF * F_OperFlag) from depotM where F_empID = ?),0) where F_ID = ?"),
               {memberId, memberId});
}

bool recomputeConsumption(int memberId)
{
    return run(QStringLiteral("update t_member set F_hyXF = coalesce(F_beginXF,0) + coalesce((select "
                              "sum(F_totalprice * F_OperFlag) from depotM where (F_empID = ?) and "
                              "(F_flag = 1 or F_flag = 2)),0) where F_ID = ?"),
               {memberId, memberId});
}

Result saveNewSale(Header& h, const QVector<Line>& lines, const Payment& payment)
{
    TransactionGuard tx(*dmData);
    if (!tx.active())
        return Result::Failed;
    if (!takeNumber(h))
        return Result::NumbersUsedUp;
    const int sign = operFlag(h.kind);
    if (payment.fromCard > 0) {
        bool ok = false;
        const double balance =
            scalar(QStringLiteral("select F_beginJE from t_member where F_ID = ?"), {h.memberId}, &ok)
                .toDouble();
        if (!ok)
            return Result::Failed;
        if (calc::roundTo(balance, billcalc::kMoneyDecimals) < payment.fromCard)
            return Result::CardShort;
        if (!run(QStringLiteral("update t_member set F_beginJE = F_beginJE - ? where F_ID = ?"),
                 {payment.fromCard, h.memberId}))
            return Result::Failed;
    }
    if (!run(QStringLiteral(
                 "insert into T_HyxjREC(F_HYcode,F_editDate,F_FKprice,F_OperName,F_billcode,F_ZZprice) "
                 "values(?,?,?,?,?,?)"),
             {h.cardNo, dates::stampText(QDateTime::currentDateTime()), payment.cash, h.operName, h.code,
              payment.fromCard}))
        return Result::Failed;
    {
        QSqlQuery q(dmData->ADOcnn());
        if (!q.prepare(QStringLiteral("update t_goods set F_amount = F_amount - ? where F_code = ?")))
            return Result::Failed;
        for (const Line& l : lines) {
            q.bindValue(0, l.amount * sign);
            q.bindValue(1, l.goodCode);
            if (!q.exec()) {
                qWarning("bill save: %s", qPrintable(q.lastError().text()));
                return Result::Failed;
            }
        }
    }
    if (!insertLines(h, lines) || !insertHeader(h))
        return Result::Failed;
    if (!recomputeConsumption(h.memberId))
        return Result::Failed;
    if (h.kind == Return &&
        !run(QStringLiteral("update t_member set F_beginJE = coalesce(F_beginJE,0) + ? where F_ID = ?"),
             {h.total, h.memberId}))
        return Result::Failed;
    if (!recomputePoints(h.memberId))
        return Result::Failed;
    return tx.commit() ? Result::Saved : Result::Failed;
}

Result saveNewVisit(Header& h)
{
    TransactionGuard tx(*dmData);
    if (!tx.active())
        return Result::Failed;
    h.kind = CountCard;
    if (!takeNumber(h))
        return Result::NumbersUsedUp;
    if (!insertHeader(h))
        return Result::Failed;
    if (!run(QStringLiteral("update t_member set F_hyXF = coalesce(F_hyXF,0) + ?, F_beginJE = "
                            "coalesce(F_beginJE,0) - ? where F_ID = ?"),
             {h.total, h.total, h.memberId}))
        return Result::Failed;
    if (!recomputePoints(h.memberId))
        return Result::Failed;
    return tx.commit() ? Result::Saved : Result::Failed;
}

Result saveNewRedemption(Header& h, const QVector<Line>& lines)
{
    TransactionGuard tx(*dmData);
    if (!tx.active())
        return Result::Failed;
    h.kind = Redemption;
    if (!takeNumber(h))
        return Result::NumbersUsedUp;
    QVector<double> points;
    for (const Line& l : lines)
        points << l.totalJF;
    const double total = billcalc::redemptionTotal(points);
    bool ok = false;
    const double have =
        scalar(QStringLiteral("select F_hyJF from t_member where F_ID = ?"), {h.memberId}, &ok).toDouble();
    if (!ok)
        return Result::Failed;
    if (!billcalc::enoughPoints(have, total))
        return Result::PointsShort;
    {
        QSqlQuery q(dmData->ADOcnn());
        if (!q.prepare(QStringLiteral("update T_goodDH set F_amount = F_amount - ? where F_code = ?")))
            return Result::Failed;
        for (const Line& l : lines) {
            q.bindValue(0, l.amount);
            q.bindValue(1, l.goodCode);
            if (!q.exec()) {
                qWarning("bill save: %s", qPrintable(q.lastError().text()));
                return Result::Failed;
            }
        }
    }
    if (!insertLines(h, lines))
        return Result::Failed;
    h.points = scalar(QStringLiteral("select sum(F_totalJF) from depotD where F_Code = ?"), {h.code}, &ok)
                   .toDouble();
    if (!ok)
        return Result::Failed;
    h.total = 0;
    if (!insertHeader(h) || !recomputePoints(h.memberId))
        return Result::Failed;
    return tx.commit() ? Result::Saved : Result::Failed;
}

Result saveEditedBill(Header& h, const QString& oldCode)
{
    TransactionGuard tx(*dmData);
    if (!tx.active())
        return Result::Failed;
    h.code = h.code.trimmed();
    if (h.code.isEmpty() || billExists(h.code, h.id))
        return Result::NumberTaken;
    bool ok = false;
    if (h.code != oldCode) {
        if (!run(QStringLiteral("update depotD set F_Code = ? where F_Code = ?"), {h.code, oldCode}) ||
            !run(QStringLiteral("update T_HyxjREC set F_billcode = ? where F_billcode = ?"),
                 {h.code, oldCode}))
            return Result::Failed;
    }
    if (h.kind == Redemption) {
        h.points = scalar(QStringLiteral("select sum(F_totalJF) from depotD where F_Code = ?"), {h.code}, &ok)
                       .toDouble();
        if (!ok)
            return Result::Failed;
        h.total = 0;
    }
    const QVariant ratio = h.kind == CountCard ? QVariant(QString()) : QVariant(h.ratio);
    if (!run(QStringLiteral(
                 "update depotM set F_date = ?, F_editDate = ?, F_code = ?, F_empID = ?, F_JFtype = ?, "
                 "F_empName = ?, F_operName = ?, F_totalprice = ?, F_hyJF = ?, F_mem = ? where F_ID = ?"),
             {stamp(h.date), today(), h.code, h.memberId, ratio, h.empName, h.operName, h.total, h.points,
              h.mem, h.id}))
        return Result::Failed;
    if (!recomputePoints(h.memberId))
        return Result::Failed;
    return tx.commit() ? Result::Saved : Result::Failed;
}

Result deleteBill(const QString& code)
{
    TransactionGuard tx(*dmData);
    if (!tx.active())
        return Result::Failed;
    QSqlQuery head(dmData->ADOcnn());
    if (!run(QStringLiteral(
                 "select F_ID,F_flag,F_OperFlag,F_totalprice,F_hyJF,F_empID from depotM where F_code = ?"),
             {code}, &head))
        return Result::Failed;
    if (!head.next())
        return Result::Saved; // already gone
    const int id = head.value(0).toInt();
    const int kind = head.value(1).toInt();
    const int sign = head.value(2).toInt() == -1 ? -1 : 1;
    const double total = head.value(3).toDouble();
    const int memberId = head.value(5).toInt();
    head.finish();

    // Stock back: goods for sales and returns, gifts for redemptions.
    QSqlQuery lines(dmData->ADOcnn());
    if (!run(QStringLiteral("select F_GoodCode, F_Amount from depotD where F_Code = ?"), {code}, &lines))
        return Result::Failed;
    QVector<QPair<QString, double>> moves;
    while (lines.next())
        moves.append({lines.value(0).toString(), lines.value(1).toDouble()});
    lines.finish();
    const QString stockSql =
        kind == Redemption ? QStringLiteral("update T_goodDH set F_amount = F_amount + ? where F_code = ?")
                           : QStringLiteral("update t_goods set F_amount = F_amount + ? where F_code = ?");
    for (const auto& m : moves) {
        const double back = kind == Redemption ? m.second : m.second * sign;
        if (!run(stockSql, {back, m.first}))
            return Result::Failed;
    }

    // Card balance: a return's refund is taken back, a visit's uses come
    // back, a consumption bill gives back what the card paid for it.
    double balance = 0;
    if (kind == Return) {
        balance = -total;
    } else if (kind == CountCard) {
        balance = total;
    } else if (kind == Consumption) {
        bool ok = false;
        balance =
            scalar(QStringLiteral("select sum(F_ZZprice) from T_HyxjREC where F_billcode = ?"), {code}, &ok)
                .toDouble();
        if (!ok)
            return Result::Failed;
    }
    if (balance != 0 &&
        !run(QStringLiteral("update t_member set F_beginJE = coalesce(F_beginJE,0) + ? where F_ID = ?"),
             {balance, memberId}))
        return Result::Failed;
    if (kind == CountCard &&
        !run(QStringLiteral("update t_member set F_hyXF = coalesce(F_hyXF,0) - ? where F_ID = ?"),
             {total, memberId}))
        return Result::Failed;

    if (!run(QStringLiteral("delete from depotD where F_Code = ?"), {code}) ||
        !run(QStringLiteral("delete from depotM where F_ID = ?"), {id}) ||
        !run(QStringLiteral("delete from T_HyxjREC where F_billcode = ?"), {code}))
        return Result::Failed;
    if ((kind == Consumption || kind == Return) && !recomputeConsumption(memberId))
        return Result::Failed;
    if (!recomputePoints(memberId))
        return Result::Failed;
    return tx.commit() ? Result::Saved : Result::Failed;
}

} // namespace billstore
