// One copy of the program saving consumption bills: the concurrency test
// starts two of these on one database file.
// Arguments: database file, number of bills, member id, card number, goods code.
#include "core/dmdata.h"
#include "core/support.h"
#include "goods/billstore.h"

#include <QCoreApplication>
#include <cstdio>

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() < 6)
        return 2;
    setShowMessHandler([](const QString& text, int) {
        std::fprintf(stderr, "message: %s\n", qPrintable(text));
        return int(maNo);
    });
    TdmData dm;
    dmData = &dm;
    QString error;
    if (!dm.openFile(args.at(1), &error)) {
        std::fprintf(stderr, "open: %s\n", qPrintable(error));
        return 3;
    }
    dm.CurrentOperator = QStringLiteral("worker");
    const int bills = args.at(2).toInt();
    int saved = 0;
    for (int i = 0; i < bills; ++i) {
        billstore::Header h;
        h.kind = billstore::Consumption;
        h.code = dm.NextBillCode(QStringLiteral("XF"));
        h.date = QDate::currentDate();
        h.memberId = args.at(3).toInt();
        h.cardNo = args.at(4);
        h.ratio = QStringLiteral("10");
        h.operName = dm.CurrentOperator;
        h.total = 10;
        h.points = 1;
        billstore::Line l;
        l.goodCode = args.at(5);
        l.amount = 1;
        l.price = 10;
        l.rate = 1;
        l.total = 10;
        if (billstore::saveNewSale(h, {l}, billstore::Payment{10, 0}) == billstore::Result::Saved)
            ++saved;
    }
    std::printf("%d\n", saved);
    dmData = nullptr;
    return saved == bills ? 0 : 1;
}
