#pragma once

#include <QMultiHash>
#include <QString>

// Keyword (or a tab's own setting name) to value. A key may repeat for
// settings that are not PPD options (stored watermarks, account IDs), so the
// writers emit one line per value. Use replace() for single-valued keys.
using OptionHash = QMultiHash<QString, QString>;
