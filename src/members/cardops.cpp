#include "members/cardops.h"

#include "core/calc.h"
#include "core/dmdata.h"

#include <QSqlError>
#include <QSqlQuery>

namespace cardops {

namespace {

// Runs one statement of a transaction on its own query, so that a failure is
// reported once by the caller rather than by the data module as well.
bool run(TdmData& dm, const QString& sql, const QVariantList& params, int expectRows = -1)
{
    QSqlQuery q(dm.ADOcnn());
    if (!execBound(q, sql, params, "card write"))
        return false;
    if (expectRows >= 0 && q.numRowsAffected() != expectRows) {
        qWarning("card write: %d rows changed, %d expected", q.numRowsAffected(), expectRows);
        return false;
    }
    return true;
}

bool readBalance(TdmData& dm, const QVariant& id, double* out)
{
    if (!out)
        return true;
    QSqlQuery q(dm.ADOcnn());
    if (!q.prepare(QStringLiteral("select F_beginJE from t_member where F_ID = ?")))
        return false;
    q.addBindValue(id);
    if (!q.exec() || !q.next())
        return false;
    *out = q.value(0).isNull() ? 0.0 : q.value(0).toDouble();
    return true;
}

} // namespace

cardcalc::Promotion readPromotion(TdmData& dm, const QString& name)
{
    cardcalc::Promotion p;
    QSqlQuery q(dm.ADOcnn());
    if (!q.prepare(QStringLiteral("select F_type,F_rate,F_price1,F_price2 from T_youhui where F_name = ? ")))
        return p;
    q.addBindValue(name.trimmed());
    if (!q.exec() || !q.next())
        return p;
    p.found = true;
    p.kind = q.value(0).toInt();
    p.rate = q.value(1).toDouble();
    p.price1 = q.value(2).toDouble();
    p.price2 = q.value(3).toDouble();
    return p;
}

bool topUp(TdmData& dm, const TopUp& t, double* balance)
{
    TransactionGuard tx(dm);
    if (!tx.active())
        return false;
    if (!run(dm, QStringLiteral("update t_member set F_beginJE = coalesce(F_beginJE,0) + ? where F_ID = ?"),
             {t.credited, t.memberId}, 1))
        return false;
    if (!run(dm,
             QStringLiteral("insert into t_XuFeiRec(F_HYcode,F_editDate,F_JFprice,F_YHprice,F_OperName)"
                            "Values(?,?,?,?,?)"),
             {t.cardNo.trimmed(), dates::stampText(t.when.isValid() ? t.when : QDateTime::currentDateTime()),
              t.paid, t.bonus, t.operatorName}))
        return false;
    if (!readBalance(dm, t.memberId, balance))
        return false;
    return tx.commit();
}

TransferResult transfer(TdmData& dm, const QVariant& sourceId, const QVariant& targetId, double amount,
                        bool wholeBalance, double* source, double* target)
{
    TransactionGuard tx(dm);
    if (!tx.active())
        return TransferResult::Failed;
    double balance = 0;
    if (!readBalance(dm, sourceId, &balance))
        return TransferResult::Failed;
    const double moved = calc::roundTo(wholeBalance ? balance : amount, 4);
    if (moved <= 0)
        return TransferResult::NotPositive;
    if (moved > calc::roundTo(balance, 4))
        return TransferResult::OverBalance;
    if (!run(dm, QStringLiteral("update t_member set F_beginJE = coalesce(F_beginJE,0) - ? where F_ID = ?"),
             {moved, sourceId}, 1))
        return TransferResult::Failed;
    if (!run(dm, QStringLiteral("update t_member set F_beginJE = coalesce(F_beginJE,0) + ? where F_ID = ?"),
             {moved, targetId}, 1))
        return TransferResult::Failed;
    if (!readBalance(dm, sourceId, source) || !readBalance(dm, targetId, target))
        return TransferResult::Failed;
    return tx.commit() ? TransferResult::Done : TransferResult::Failed;
}

bool replaceCard(TdmData& dm, const QVariant& memberId, const QString& newCardNo, bool setPassword,
                 const QString& newPassword)
{
    TransactionGuard tx(dm);
    if (!tx.active())
        return false;
    const bool ok =
        setPassword ? run(dm, QStringLiteral("update t_member set F_hyCode = ?, F_PSword = ? where F_ID = ?"),
                          {newCardNo, newPassword, memberId}, 1)
                    : run(dm, QStringLiteral("update t_member set F_hyCode = ? where F_ID = ?"),
                          {newCardNo, memberId}, 1);
    return ok && tx.commit();
}

bool cardNoTaken(TdmData& dm, const QString& cardNo, const QVariant& ownId)
{
    if (cardNo.trimmed().isEmpty())
        return false;
    QSqlQuery q(dm.ADOcnn());
    if (!q.prepare(QStringLiteral("Select F_ID From t_member Where F_hyCode = ? ")))
        return false;
    q.addBindValue(cardNo.trimmed());
    if (!q.exec())
        return false;
    while (q.next()) {
        if (!ownId.isValid() || q.value(0).toLongLong() != ownId.toLongLong())
            return true;
    }
    return false;
}

} // namespace cardops
