#include "core/calc.h"

#include <QFileInfo>
#include <cmath>

namespace calc {

double roundTo(double value, int decimals)
{
    const double scale = std::pow(10.0, decimals);
    // The small nudge keeps values such as 2.675 (held as 2.67499...) on the
    // side a person computing by hand would expect.
    const double scaled = value * scale;
    const double nudge = std::max(std::fabs(scaled) * 4e-15, 1e-12);
    const double nudged = scaled + (scaled >= 0 ? nudge : -nudge);
    return std::round(nudged) / scale;
}

QString nextBillCode(const QString& maxFound, const QString& prefix, const QDate& today, int width)
{
    QString head;
    QString counter;
    if (!maxFound.isEmpty() && maxFound.size() >= width) {
        head = maxFound.left(maxFound.size() - width);
        counter = maxFound.right(width);
    } else {
        head = prefix + today.toString(QStringLiteral("yyyyMMdd"));
        counter = QString(width, QLatin1Char('0'));
    }
    bool ok = false;
    const qlonglong n = counter.toLongLong(&ok);
    const qlonglong next = (ok ? n : 0) + 1;
    QString text = QString::number(next).rightJustified(width, QLatin1Char('0'));
    if (text.size() > width) // past the last number of the day the counter wraps as a fixed width
        text = text.right(width);
    return head + text;
}

QString nextTreeCode(const QString& code, const QString& maxFound, int mode)
{
    QString m = maxFound;
    if (mode == 1) {
        if (m.size() > code.size())
            m = m.left(code.size());
    } else {
        if (m.size() == code.size())
            m += QStringLiteral("000");
        else if (m.size() > code.size() + 3)
            m = m.left(code.size() + 3);
    }
    if (m.size() < 3)
        m.clear();
    if (m.isEmpty())
        return mode == 1 ? QStringLiteral("001") : code + QStringLiteral("001");
    const int last = m.right(3).toInt();
    return m.left(m.size() - 3) + QString::number(last + 1).rightJustified(3, QLatin1Char('0'));
}

bool backupDue(int schedule, const QDate& today)
{
    switch (schedule) {
    case 1:
        return true;
    case 2:
        return today.dayOfWeek() == Qt::Monday;
    case 3:
        return today.day() == 1;
    default:
        return false;
    }
}

QString moneyToCapitals(double amount)
{
    static const QString digits = QStringLiteral("零壹贰叁肆伍陆柒捌玖");
    static const QString units = QStringLiteral("分角元拾佰千万拾佰千亿十佰千");
    const QString text = QString::number(roundTo(amount, 2), 'f', 2);
    QString result;
    int unit = 0;
    for (qsizetype i = text.size() - 1; i >= 0; --i) {
        const QChar c = text.at(i);
        if (!c.isDigit())
            continue; // the decimal point (and a sign, which callers never pass)
        const QString u = unit < units.size() ? QString(units.at(unit)) : QString();
        result.prepend(QString(digits.at(c.digitValue())) + u);
        ++unit;
    }
    if (text.endsWith(QLatin1String(".00")) && result.size() >= 4)
        result = result.left(result.size() - 4) + QStringLiteral("整");
    return result;
}

int imageFileKind(const QString& fileName)
{
    const QString ext = QFileInfo(fileName).suffix().toLower();
    if (ext == QLatin1String("bmp"))
        return 1;
    if (ext == QLatin1String("jpg") || ext == QLatin1String("jpeg"))
        return 2;
    if (ext == QLatin1String("gif"))
        return 3;
    return 0;
}

} // namespace calc

namespace calc {
bool isValidEmail(const QString& address)
{
    if (address.isEmpty())
        return false;
    for (const QChar c : address) {
        const bool ok = (c >= QLatin1Char('A') && c <= QLatin1Char('Z')) || (c >= QLatin1Char('a') && c <= QLatin1Char('z')) ||
                        (c >= QLatin1Char('0') && c <= QLatin1Char('9')) || c == QLatin1Char('-') ||
                        c == QLatin1Char('.') || c == QLatin1Char('_') || c == QLatin1Char('@');
        if (!ok)
            return false;
    }
    const qsizetype at = address.indexOf(QLatin1Char('@'));
    if (at <= 0 || address.contains(QLatin1String("..")))
        return false;
    const QString domain = address.mid(at + 1);
    if (domain.size() <= 3)
        return false;
    const qsizetype dot = domain.indexOf(QLatin1Char('.'));
    // At least two characters after the dot, so that country domains such
    // as ".cn" pass.
    return dot >= 0 && dot + 1 < domain.size() - 1;
}

QString homePageUrl(const QString& text)
{
    if (text.contains(QLatin1String("http:")))
        return text;
    return QStringLiteral("http:\\\\") + text;
}
} // namespace calc
