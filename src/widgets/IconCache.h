#pragma once

#include <QIcon>
#include <QString>

// The icons of the widget kit and the tabs, each made once per file and
// kept for the life of the process. A button that shows its selected look,
// or a tab its constraint mark, takes the kept icon: making one anew reads
// and decodes the file again, and each new icon scales its own pixmaps for
// the painter's cache, so every selection would cost time and leave memory
// behind.
namespace IconCache {

// The icon of the file at `path` (a resource path under ":/icons/").
QIcon icon(const QString &path);

// How many icons were made so far, for a check that a selection makes none.
int iconsMade();

} // namespace IconCache
