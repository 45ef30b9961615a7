#include "members/cardpassword.h"

bool cardPasswordAccepted(const QString& typed, const QString& cardPassword, const QString& currentOperator,
                          const QString& adminPassword)
{
    const QString entry = typed.trimmed();
    if (entry == cardPassword)
        return true;
    return currentOperator.toLower() == QLatin1String("admin") && entry == adminPassword;
}
