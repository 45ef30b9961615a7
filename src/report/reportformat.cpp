#include "report/reportformat.h"

#include "core/grid/displayformat.h"

#include <QStringList>

namespace report {

namespace {

QString mapped(const QVariant& value, const QString& list)
{
    bool isNumber = false;
    const double d = value.toString().trimmed().toDouble(&isNumber);
    const QString key = isNumber ? QString::number(d, 'g', 15) : value.toString().trimmed();
    for (const QString& entry : list.split(QLatin1Char(';'))) {
        const int eq = static_cast<int>(entry.indexOf(QLatin1Char('=')));
        if (eq > 0 && entry.left(eq).trimmed() == key)
            return entry.mid(eq + 1);
    }
    return {};
}

} // namespace

bool isDateFormat(const QString& format)
{
    return displayformat::isDateFormat(format);
}

QString formatValue(const QVariant& value, const QString& format)
{
    if (!value.isValid() || value.isNull())
        return {};
    if (format.startsWith(QLatin1String("map:")))
        return mapped(value, format.mid(4));
    if (value.typeId() == QMetaType::QByteArray)
        return {};
    return displayformat::formatValue(value, format);
}

} // namespace report
