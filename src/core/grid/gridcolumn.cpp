#include "core/grid/gridcolumn.h"

namespace gridsort {

QString directionText(int direction)
{
    switch (direction) {
    case Ascending:
        return QStringLiteral("升序");
    case Descending:
        return QStringLiteral("降序");
    default:
        return {};
    }
}

int nextDirection(int direction)
{
    switch (direction) {
    case None:
        return Ascending;
    case Ascending:
        return Descending;
    default:
        return None;
    }
}

QString expression(const QVector<TGridColumn>& columns, const QVector<Entry>& entries)
{
    QString out;
    for (const Entry& e : entries) {
        if (e.direction != Ascending && e.direction != Descending)
            continue;
        for (const TGridColumn& c : columns) {
            if (c.title != e.title)
                continue;
            out += c.fieldName.toLower() + (e.direction == Ascending ? QStringLiteral(" ASC") : QStringLiteral(" DESC")) +
                   QLatin1Char(',');
            break;
        }
    }
    return out;
}

} // namespace gridsort
