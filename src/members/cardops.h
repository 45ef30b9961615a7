#pragma once

#include "core/cardcalc.h"

#include <QDateTime>
#include <QString>
#include <QVariant>

class TdmData;

// Writes of the card windows. Each runs in one write transaction on the data
// module's connection and either changes everything or nothing; balances are
// changed as "F_beginJE = F_beginJE + ?" so that two copies of the program
// working on the same card at once both count.
namespace cardops {

// The promotion mode of that name (trimmed); not found when no row matches.
cardcalc::Promotion readPromotion(TdmData& dm, const QString& name);

struct TopUp
{
    QVariant memberId;
    QString cardNo;      // written to the record, trimmed
    double paid = 0;     // F_JFprice
    double credited = 0; // added to the balance
    double bonus = 0;    // F_YHprice
    QString operatorName;
    QDateTime when;
};
// Raises the balance and writes the top-up record. Returns the balance after
// the top-up in *balance. False (and nothing written) on any failure.
bool topUp(TdmData& dm, const TopUp& t, double* balance = nullptr);

// Moves an amount from one member's balance to another's (the same member:
// unchanged). With `wholeBalance` the amount is the source balance as it
// stands when the transfer runs. Refused without change when the amount is not
// greater than 0 or greater than the source balance. New balances in *source
// and *target.
enum class TransferResult
{
    Done,
    Failed,
    NotPositive,
    OverBalance
};
TransferResult transfer(TdmData& dm, const QVariant& sourceId, const QVariant& targetId, double amount,
                        bool wholeBalance, double* source = nullptr, double* target = nullptr);

// Gives the member a new card number and, when `setPassword`, a new password.
bool replaceCard(TdmData& dm, const QVariant& memberId, const QString& newCardNo, bool setPassword,
                 const QString& newPassword);

// Whether another member than `ownId` (invalid: any member) holds the card
// number. An empty number never counts as taken.
bool cardNoTaken(TdmData& dm, const QString& cardNo, const QVariant& ownId);

} // namespace cardops
