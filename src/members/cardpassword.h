#pragma once

#include <QString>

// Whether a typed card password opens a card: the stored password itself
// (blanks around the entry ignored, letter case counts), or, for the operator
// "admin" in any letter case, the administrator's own password.
bool cardPasswordAccepted(const QString& typed, const QString& cardPassword, const QString& currentOperator,
                          const QString& adminPassword);
