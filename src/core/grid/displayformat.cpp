#include "core/grid/displayformat.h"

#include "core/dialect.h"

#include <QDateTime>
#include <QLocale>
#include <QStringList>
#include <cmath>

namespace displayformat {

namespace {

bool isQuote(QChar c)
{
    return c == QLatin1Char('\'') || c == QLatin1Char('"');
}

// Splits at ';' outside quoted text.
QStringList splitSections(const QString& format)
{
    QStringList out;
    QString current;
    QChar quote;
    for (const QChar c : format) {
        if (!quote.isNull()) {
            if (c == quote)
                quote = QChar();
            current += c;
        } else if (isQuote(c)) {
            quote = c;
            current += c;
        } else if (c == QLatin1Char(';')) {
            out << current;
            current.clear();
        } else {
            current += c;
        }
    }
    out << current;
    return out;
}

struct Token
{
    enum Kind { Literal, Digit, Point } kind;
    QString text; // literal text, or "0" / "#" for a digit
};

struct Section
{
    QVector<Token> intTokens;
    QVector<Token> fracTokens;
    bool hasPoint = false;
    bool thousands = false;
};

Section parseSection(const QString& s)
{
    Section sec;
    QVector<Token>* target = &sec.intTokens;
    for (qsizetype i = 0; i < s.size(); ++i) {
        const QChar c = s.at(i);
        if (isQuote(c)) {
            const qsizetype end = s.indexOf(c, i + 1);
            const qsizetype stop = end < 0 ? s.size() : end;
            target->append(Token{Token::Literal, s.mid(i + 1, stop - i - 1)});
            i = stop;
        } else if (c == QLatin1Char('0') || c == QLatin1Char('#')) {
            target->append(Token{Token::Digit, QString(c)});
        } else if (c == QLatin1Char('.') && !sec.hasPoint) {
            sec.hasPoint = true;
            target = &sec.fracTokens;
        } else if (c == QLatin1Char(',')) {
            sec.thousands = true;
        } else {
            target->append(Token{Token::Literal, QString(c)});
        }
    }
    return sec;
}

// Decimal digits of a non-negative value rounded to `frac` places, halves
// away from zero, read from its first 15 significant digits (so that 1.005
// rounds to 1.01 as it reads). Integer digits come without leading zeros.
void decimalDigits(double value, int frac, QString& intDigits, QString& fracDigits)
{
    const QString e = QString::number(value, 'e', 14); // d.dddddddddddddde+XX
    const qsizetype ePos = e.indexOf(QLatin1Char('e'));
    const QString mantissa = e.left(1) + e.mid(2, ePos - 2);
    const int pointPos = e.mid(ePos + 1).toInt() + 1;
    const int n = static_cast<int>(mantissa.size());
    QString ip, fp;
    if (pointPos <= 0) {
        fp = QString(-pointPos, QLatin1Char('0')) + mantissa;
    } else if (pointPos >= n) {
        ip = mantissa + QString(pointPos - n, QLatin1Char('0'));
    } else {
        ip = mantissa.left(pointPos);
        fp = mantissa.mid(pointPos);
    }
    const bool roundUp = fp.size() > frac && fp.at(frac) >= QLatin1Char('5');
    fp = fp.left(frac);
    fp += QString(frac - fp.size(), QLatin1Char('0'));
    if (roundUp) {
        QString all = ip + fp;
        qsizetype i = all.size() - 1;
        for (; i >= 0; --i) {
            if (all.at(i) == QLatin1Char('9')) {
                all[i] = QLatin1Char('0');
            } else {
                all[i] = QChar(all.at(i).unicode() + 1);
                break;
            }
        }
        if (i < 0)
            all.prepend(QLatin1Char('1'));
        ip = all.left(all.size() - frac);
        fp = all.right(frac);
    }
    qsizetype lead = 0;
    while (lead < ip.size() && ip.at(lead) == QLatin1Char('0'))
        ++lead;
    intDigits = ip.mid(lead);
    fracDigits = fp;
}

struct Formatted
{
    QString text;
    bool zero = false; // the value rounded to zero
};

Formatted formatSection(double absValue, const QString& sectionText)
{
    const Section sec = parseSection(sectionText);
    int intPlaces = 0, firstZero = -1, firstDigitToken = -1;
    for (int i = 0; i < sec.intTokens.size(); ++i) {
        const Token& t = sec.intTokens.at(i);
        if (t.kind != Token::Digit)
            continue;
        if (firstDigitToken < 0)
            firstDigitToken = i;
        if (firstZero < 0 && t.text == QLatin1String("0"))
            firstZero = intPlaces;
        ++intPlaces;
    }
    int maxFrac = 0, minFrac = 0;
    for (const Token& t : sec.fracTokens)
        if (t.kind == Token::Digit) {
            ++maxFrac;
            if (t.text == QLatin1String("0"))
                minFrac = maxFrac;
        }

    QString intDigits, fracDigits;
    decimalDigits(absValue, maxFrac, intDigits, fracDigits);
    Formatted result;
    result.zero = intDigits.isEmpty() && fracDigits.count(QLatin1Char('0')) == fracDigits.size();
    while (fracDigits.size() > minFrac && fracDigits.endsWith(QLatin1Char('0')))
        fracDigits.chop(1);
    const int minInt = firstZero < 0 ? 0 : intPlaces - firstZero;
    if (intDigits.size() < minInt)
        intDigits = QString(minInt - intDigits.size(), QLatin1Char('0')) + intDigits;

    // Integer part from right to left: each placeholder takes one digit, the
    // leftmost one takes all that remain.
    QString out;
    qsizetype cursor = intDigits.size();
    int written = 0;
    const auto prependDigit = [&]() {
        if (sec.thousands && written > 0 && written % 3 == 0)
            out.prepend(QLatin1Char(','));
        out.prepend(intDigits.at(--cursor));
        ++written;
    };
    for (int i = static_cast<int>(sec.intTokens.size()) - 1; i >= 0; --i) {
        const Token& t = sec.intTokens.at(i);
        if (t.kind == Token::Literal) {
            out.prepend(t.text);
        } else if (i == firstDigitToken) {
            while (cursor > 0)
                prependDigit();
        } else if (cursor > 0) {
            prependDigit();
        }
    }
    if (firstDigitToken < 0 && maxFrac > 0) // ".00": the integer digits go before the point
        while (cursor > 0)
            prependDigit();

    qsizetype fi = 0;
    if (!fracDigits.isEmpty())
        out += QLatin1Char('.');
    for (const Token& t : sec.fracTokens) {
        if (t.kind == Token::Literal)
            out += t.text;
        else if (fi < fracDigits.size())
            out += fracDigits.at(fi++);
    }
    result.text = out;
    return result;
}

QString twoDigits(int n)
{
    return QStringLiteral("%1").arg(n, 2, 10, QLatin1Char('0'));
}

} // namespace

bool isDateFormat(const QString& format)
{
    QChar quote;
    for (const QChar c : format) {
        if (!quote.isNull()) {
            if (c == quote)
                quote = QChar();
            continue;
        }
        if (isQuote(c)) {
            quote = c;
            continue;
        }
        switch (c.toLower().unicode()) {
        case 'y':
        case 'm':
        case 'd':
        case 'h':
        case 'n':
        case 's':
            return true;
        default:
            break;
        }
    }
    return false;
}

QString formatNumber(double value, const QString& format)
{
    if (!std::isfinite(value))
        return QString::number(value);
    if (format.isEmpty())
        return QString::number(value == 0 ? 0.0 : value, 'g', 15);
    const QStringList sections = splitSections(format);
    const QString positive = sections.at(0);
    const QString negative = sections.size() > 1 ? sections.at(1) : QString();
    const QString zero = sections.size() > 2 ? sections.at(2) : QString();
    const double absValue = std::fabs(value);

    Formatted r;
    bool signWritten = false;
    if (value < 0 && !negative.isEmpty()) {
        r = formatSection(absValue, negative);
        signWritten = true;
        if (r.zero) { // rounded to zero: no minus sign
            r = formatSection(absValue, positive);
            signWritten = false;
        }
    } else {
        r = formatSection(absValue, positive);
    }
    if (r.zero)
        return zero.isEmpty() ? r.text : formatSection(0, zero).text;
    if (value < 0 && !signWritten)
        return QLatin1Char('-') + r.text;
    return r.text;
}

QString formatDateTime(const QDateTime& value, const QString& format)
{
    const QDate d = value.date();
    const QTime t = value.time();
    const QLocale locale;
    QString out;
    bool afterHour = false;
    for (qsizetype i = 0; i < format.size();) {
        const QChar c = format.at(i);
        if (isQuote(c)) {
            const qsizetype end = format.indexOf(c, i + 1);
            const qsizetype stop = end < 0 ? format.size() : end;
            out += format.mid(i + 1, stop - i - 1);
            i = stop + 1;
            continue;
        }
        const QChar lc = c.toLower();
        qsizetype run = 1;
        while (i + run < format.size() && format.at(i + run).toLower() == lc)
            ++run;
        const int n = static_cast<int>(run);
        bool hour = false;
        switch (lc.unicode()) {
        case 'y':
            out += n >= 3 ? QString::number(d.year()) : twoDigits(d.year() % 100);
            break;
        case 'm':
            if (afterHour && n <= 2)
                out += n == 2 ? twoDigits(t.minute()) : QString::number(t.minute());
            else if (n >= 4)
                out += locale.monthName(d.month(), QLocale::LongFormat);
            else if (n == 3)
                out += locale.monthName(d.month(), QLocale::ShortFormat);
            else
                out += n == 2 ? twoDigits(d.month()) : QString::number(d.month());
            break;
        case 'd':
            if (n >= 4)
                out += locale.dayName(d.dayOfWeek(), QLocale::LongFormat);
            else if (n == 3)
                out += locale.dayName(d.dayOfWeek(), QLocale::ShortFormat);
            else
                out += n == 2 ? twoDigits(d.day()) : QString::number(d.day());
            break;
        case 'h':
            out += n >= 2 ? twoDigits(t.hour()) : QString::number(t.hour());
            hour = true;
            break;
        case 'n':
            out += n >= 2 ? twoDigits(t.minute()) : QString::number(t.minute());
            break;
        case 's':
            out += n >= 2 ? twoDigits(t.second()) : QString::number(t.second());
            break;
        case 'z':
            out += n >= 3 ? QStringLiteral("%1").arg(t.msec(), 3, 10, QLatin1Char('0')) : QString::number(t.msec());
            break;
        case '/': // the program's date separator
            out += QString(n, QLatin1Char('-'));
            i += run;
            continue; // a separator does not end "after an hour"
        default:
            out += format.mid(i, run);
            i += run;
            continue;
        }
        afterHour = hour;
        i += run;
    }
    return out;
}

QString formatValue(const QVariant& value, const QString& format)
{
    if (!value.isValid() || value.isNull())
        return {};
    const int type = value.typeId();
    if (isDateFormat(format)) {
        QDateTime dt;
        if (type == QMetaType::QDateTime) {
            dt = value.toDateTime();
        } else {
            const QDate d = dates::fromValue(value);
            if (!d.isValid())
                return value.toString();
            QTime t(0, 0);
            if (type == QMetaType::QString) {
                const QString s = value.toString().trimmed();
                if (s.size() >= 16) {
                    const QString tail = s.mid(11, 8);
                    const QTime parsed = QTime::fromString(tail, tail.size() >= 8 ? QStringLiteral("hh:mm:ss")
                                                                                  : QStringLiteral("hh:mm"));
                    if (parsed.isValid())
                        t = parsed;
                }
            }
            dt = QDateTime(d, t);
        }
        if (!dt.isValid())
            return value.toString();
        if (dt.date() < dates::noDateBound())
            return {};
        return formatDateTime(dt, format);
    }
    switch (type) {
    case QMetaType::Double:
    case QMetaType::Float:
        return formatNumber(value.toDouble(), format);
    case QMetaType::Int:
    case QMetaType::LongLong:
    case QMetaType::UInt:
    case QMetaType::ULongLong:
        return format.isEmpty() ? value.toString() : formatNumber(value.toDouble(), format);
    case QMetaType::QDate:
    case QMetaType::QDateTime:
        return dates::displayText(value);
    default:
        break;
    }
    const QString text = value.toString();
    if (format.isEmpty())
        return text;
    bool ok = false;
    const double n = text.trimmed().toDouble(&ok);
    return ok ? formatNumber(n, format) : text;
}

} // namespace displayformat
