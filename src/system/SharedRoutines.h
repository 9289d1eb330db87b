#pragma once

#include <QString>

// Orders texts by length first, then by UTF-16 code values, so that decimal
// numbers without leading zeros sort numerically ("9" < "10" < "100").
bool lessByLengthThenText(const QString &a, const QString &b);

// "Rotate 180°" in the language of the system locale (English for any
// language the program is not translated into). Chosen in code rather than
// through the translation catalogues.
QString rotate180Label();
