#pragma once

#include <QDateTime>
#include <QString>
#include <QVector>

// Database work of the bills: saving new and edited bills of every kind and
// deleting them with their reversals. Every function writes inside one
// transaction: it either does all of its work or none. Messages are left to
// the windows.
namespace billstore {

// Bill kinds (depotM.F_flag).
enum Kind
{
    Consumption = 1,
    Return = 2,
    Redemption = 3,
    CountCard = 4
};

// Sign with which a bill of the kind counts in member totals (F_OperFlag).
int operFlag(int kind);
// Number prefix of the kind: "DH" for redemptions, "XF" otherwise.
QString prefixOf(int kind);

struct Line
{
    QString goodCode;
    QString goodName;
    QString type;
    QString spec;
    QString unit;
    QString address;
    QString mem;
    double amount = 0;
    double price = 0;
    double rate = 1;
    double total = 0;
    double dhJF = 0;    // redemption: points per unit
    double totalJF = 0; // redemption: points of the line
};

struct Header
{
    int id = 0; // F_ID of a stored bill
    int kind = Consumption;
    QString code;
    QDate date; // the day chosen; the clock time is added when saved
    int memberId = 0;
    QString cardNo;
    QString ratio; // F_JFtype as stored
    QString empName;
    QString operName;
    QString mem;
    double total = 0;  // F_totalPrice (uses of a count-card visit)
    double points = 0; // F_hyJF
};

// What the payment window settled for a new consumption or return bill.
struct Payment
{
    double cash = 0;     // T_HyxjREC.F_FKprice
    double fromCard = 0; // T_HyxjREC.F_ZZprice, taken off t_member.F_beginJE
};

enum class Result
{
    Saved,
    Failed,       // a statement failed; everything was rolled back
    CardShort,    // the card balance no longer covers the card part
    PointsShort,  // the member's points no longer cover a redemption
    NumberTaken,  // edit: the new number belongs to another bill
    NumbersUsedUp // no free number left today
};

// Today's first free number of the prefix, starting from `wanted` when it is
// free. Empty when all 999 are used. Call inside the saving transaction.
QString freeBillCode(const QString& wanted, const QString& prefix);

// A new consumption or return bill: payment record, card part, stock, lines,
// header and member totals. header.code is replaced by the next free number
// when another bill took it meanwhile.
Result saveNewSale(Header& header, const QVector<Line>& lines, const Payment& payment);
// A new count-card visit: header, accumulated and remaining uses, points.
Result saveNewVisit(Header& header);
// A new redemption: gift stock, lines, header (points = sum of the lines), points.
Result saveNewRedemption(Header& header, const QVector<Line>& lines);
// An edited bill of any kind: header (number, date, clerk, ratio, remarks,
// total, points) and the member's points. A changed number moves the lines
// and payment records along. Stock, payments and accumulated consumption stay.
Result saveEditedBill(Header& header, const QString& oldCode);

// Deletes a bill with its lines and payment records and undoes what it did
// to stock, gift stock, the member's points, consumption and card balance.
Result deleteBill(const QString& code);

// The member's points and consumption recomputed from the bills (also used
// inside the functions above).
bool recomputePoints(int memberId);
bool recomputeConsumption(int memberId);

} // namespace billstore
