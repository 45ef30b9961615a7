#include "report/reportformat.h"

#include "core/dialect.h"

#include <QStringList>
#include <cmath>

namespace report {

namespace {

// Splits at ';' outside quotes.
QStringList sections(const QString& format)
{
    QStringList out;
    QString cur;
    QChar quote;
    for (const QChar c : format) {
        if (!quote.isNull()) {
            cur += c;
            if (c == quote)
                quote = QChar();
        } else if (c == QLatin1Char('"') || c == QLatin1Char('\'')) {
            quote = c;
            cur += c;
        } else if (c == QLatin1Char(';')) {
            out << cur;
            cur.clear();
        } else {
            cur += c;
        }
    }
    out << cur;
    return out;
}

struct NumberPattern
{
    QString prefix;
    QString suffix;
    int minInt = 0;
    int minDec = 0;
    int maxDec = 0;
    bool grouping = false;
    bool hasDigits = false;
};

NumberPattern parsePattern(const QString& s)
{
    NumberPattern p;
    bool afterPoint = false;
    QChar quote;
    for (const QChar c : s) {
        if (!quote.isNull()) {
            if (c == quote)
                quote = QChar();
            else
                (p.hasDigits ? p.suffix : p.prefix) += c;
            continue;
        }
        if (c == QLatin1Char('"') || c == QLatin1Char('\'')) {
            quote = c;
        } else if (c == QLatin1Char('0') || c == QLatin1Char('#')) {
            if (!p.suffix.isEmpty()) // digits after a literal: keep the literal where it stands
                p.suffix.clear();
            p.hasDigits = true;
            if (afterPoint) {
                ++p.maxDec;
                if (c == QLatin1Char('0'))
                    p.minDec = p.maxDec;
            } else if (c == QLatin1Char('0')) {
                ++p.minInt;
            }
        } else if (c == QLatin1Char('.') && !afterPoint) {
            afterPoint = true;
            p.hasDigits = true;
        } else if (c == QLatin1Char(',') && !afterPoint) {
            p.grouping = true;
        } else {
            (p.hasDigits ? p.suffix : p.prefix) += c;
        }
    }
    return p;
}

double roundHalfAway(double v, int decimals)
{
    const double f = std::pow(10.0, decimals);
    const double r = std::round(std::fabs(v) * f + 1e-9) / f;
    return v < 0 ? -r : r;
}

QString digits(double absValue, const NumberPattern& p)
{
    QString s = QString::number(absValue, 'f', p.maxDec);
    QString intPart = s;
    QString decPart;
    const int dot = s.indexOf(QLatin1Char('.'));
    if (dot >= 0) {
        intPart = s.left(dot);
        decPart = s.mid(dot + 1);
    }
    while (decPart.size() > p.minDec && decPart.endsWith(QLatin1Char('0')))
        decPart.chop(1);
    if (intPart == QLatin1String("0") && p.minInt == 0)
        intPart.clear();
    while (intPart.size() < p.minInt)
        intPart.prepend(QLatin1Char('0'));
    if (p.grouping && intPart.size() > 3) {
        QString grouped;
        const int n = static_cast<int>(intPart.size());
        for (int i = 0; i < n; ++i) {
            if (i > 0 && (n - i) % 3 == 0)
                grouped += QLatin1Char(',');
            grouped += intPart.at(i);
        }
        intPart = grouped;
    }
    return decPart.isEmpty() ? intPart : intPart + QLatin1Char('.') + decPart;
}

QString plainNumber(double v)
{
    if (std::fabs(v) < 1e15 && v == std::floor(v))
        return QString::number(static_cast<qint64>(v));
    QString s = QString::number(v, 'f', 10);
    while (s.endsWith(QLatin1Char('0')))
        s.chop(1);
    if (s.endsWith(QLatin1Char('.')))
        s.chop(1);
    return s == QLatin1String("-0") ? QStringLiteral("0") : s;
}

bool readNumber(const QVariant& v, double* out)
{
    switch (v.typeId()) {
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
    case QMetaType::Double:
    case QMetaType::Float:
    case QMetaType::Short:
    case QMetaType::UShort:
        *out = v.toDouble();
        return true;
    case QMetaType::Bool:
        *out = v.toBool() ? 1.0 : 0.0;
        return true;
    case QMetaType::QString: {
        bool ok = false;
        const double d = v.toString().trimmed().toDouble(&ok);
        if (ok)
            *out = d;
        return ok;
    }
    default:
        return false;
    }
}

QDateTime readDateTime(const QVariant& v)
{
    if (v.typeId() == QMetaType::QDateTime)
        return v.toDateTime();
    if (v.typeId() == QMetaType::QDate)
        return QDateTime(v.toDate(), QTime(0, 0));
    const QString s = v.toString().trimmed();
    if (s.size() < 8)
        return {};
    const QDate d = dates::fromValue(s);
    if (!d.isValid())
        return {};
    QTime t = QTime::fromString(s.mid(11, 8), QStringLiteral("hh:mm:ss"));
    if (!t.isValid())
        t = QTime::fromString(s.mid(11, 5), QStringLiteral("hh:mm"));
    return QDateTime(d, t.isValid() ? t : QTime(0, 0));
}

QString mapped(const QVariant& value, const QString& list)
{
    double d = 0;
    const QString key = readNumber(value, &d) ? plainNumber(d) : value.toString().trimmed();
    for (const QString& entry : list.split(QLatin1Char(';'))) {
        const int eq = entry.indexOf(QLatin1Char('='));
        if (eq > 0 && entry.left(eq).trimmed() == key)
            return entry.mid(eq + 1);
    }
    return {};
}

} // namespace

bool isDateFormat(const QString& format)
{
    bool letters = false;
    QChar quote;
    for (const QChar c : format) {
        if (!quote.isNull()) {
            if (c == quote)
                quote = QChar();
            continue;
        }
        if (c == QLatin1Char('"') || c == QLatin1Char('\''))
            quote = c;
        else if (c == QLatin1Char('0') || c == QLatin1Char('#'))
            return false;
        else if (QStringLiteral("yYdDhHnNsS").contains(c))
            letters = true;
    }
    return letters;
}

QString formatNumber(double value, const QString& format)
{
    if (!std::isfinite(value))
        return {};
    if (format.trimmed().isEmpty())
        return plainNumber(value);
    const QStringList secs = sections(format);
    const NumberPattern pos = parsePattern(secs.value(0));
    const double rounded = roundHalfAway(value, pos.maxDec);
    if (rounded == 0.0 && secs.size() >= 3 && !secs.at(2).isEmpty()) {
        const NumberPattern zero = parsePattern(secs.at(2));
        return zero.prefix + (zero.hasDigits ? digits(0.0, zero) : QString()) + zero.suffix;
    }
    if (rounded < 0 && secs.size() >= 2 && !secs.at(1).isEmpty()) {
        const NumberPattern neg = parsePattern(secs.at(1));
        const double r = roundHalfAway(value, neg.maxDec);
        if (r != 0.0)
            return neg.prefix + digits(std::fabs(r), neg) + neg.suffix;
    }
    if (rounded == 0.0)
        return pos.prefix + digits(0.0, pos) + pos.suffix;
    const QString sign = rounded < 0 ? QStringLiteral("-") : QString();
    return sign + pos.prefix + digits(std::fabs(rounded), pos) + pos.suffix;
}

QString formatDateTime(const QDateTime& value, const QString& format)
{
    if (!value.isValid())
        return {};
    const QDate d = value.date();
    const QTime t = value.time();
    QString out;
    bool afterHour = false;
    const int n = static_cast<int>(format.size());
    for (int i = 0; i < n;) {
        const QChar c = format.at(i);
        if (c == QLatin1Char('"') || c == QLatin1Char('\'')) {
            const int end = static_cast<int>(format.indexOf(c, i + 1));
            out += format.mid(i + 1, end < 0 ? -1 : end - i - 1);
            i = end < 0 ? n : end + 1;
            continue;
        }
        const QChar lc = c.toLower();
        int run = 1;
        while (i + run < n && format.at(i + run).toLower() == lc)
            ++run;
        auto two = [](int v) { return QStringLiteral("%1").arg(v, 2, 10, QLatin1Char('0')); };
        if (lc == QLatin1Char('y')) {
            out += run <= 2 ? two(d.year() % 100) : QString::number(d.year());
        } else if (lc == QLatin1Char('m')) {
            const int v = afterHour ? t.minute() : d.month();
            out += run >= 2 ? two(v) : QString::number(v);
            afterHour = false;
        } else if (lc == QLatin1Char('d')) {
            out += run >= 2 ? two(d.day()) : QString::number(d.day());
        } else if (lc == QLatin1Char('h')) {
            out += run >= 2 ? two(t.hour()) : QString::number(t.hour());
            afterHour = true;
        } else if (lc == QLatin1Char('n')) {
            out += run >= 2 ? two(t.minute()) : QString::number(t.minute());
        } else if (lc == QLatin1Char('s')) {
            out += run >= 2 ? two(t.second()) : QString::number(t.second());
        } else if (lc == QLatin1Char('z')) {
            out += QStringLiteral("%1").arg(t.msec(), 3, 10, QLatin1Char('0'));
        } else {
            out += QString(run, c);
            i += run;
            continue;
        }
        i += run;
    }
    return out;
}

QString formatValue(const QVariant& value, const QString& format)
{
    if (!value.isValid() || value.isNull())
        return {};
    if (format.startsWith(QLatin1String("map:")))
        return mapped(value, format.mid(4));
    const int type = value.typeId();
    if (type == QMetaType::QByteArray)
        return {};
    const bool temporal = type == QMetaType::QDate || type == QMetaType::QDateTime;
    if (!format.isEmpty() && isDateFormat(format)) {
        const QDateTime dt = readDateTime(value);
        if (!dt.isValid())
            return temporal ? QString() : value.toString();
        if (dt.date() < dates::noDateBound())
            return {};
        return formatDateTime(dt, format);
    }
    if (temporal) {
        const QDateTime dt = readDateTime(value);
        if (!dt.isValid() || dt.date() < dates::noDateBound())
            return {};
        return dt.time() == QTime(0, 0) ? dates::text(dt.date()) : dates::stampText(dt);
    }
    if (type == QMetaType::Bool)
        return value.toBool() ? QStringLiteral("是") : QStringLiteral("否");
    double d = 0;
    if (!format.isEmpty()) {
        if (readNumber(value, &d))
            return formatNumber(d, format);
        return value.toString();
    }
    if (type != QMetaType::QString && readNumber(value, &d))
        return plainNumber(d);
    return value.toString();
}

} // namespace report
