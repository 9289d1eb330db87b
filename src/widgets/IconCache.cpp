#include "widgets/IconCache.h"

#include <QCoreApplication>
#include <QHash>

namespace {

// A few dozen small icons: kept for good, as the widgets that show them are.
QHash<QString, QIcon> &keptIcons()
{
    static QHash<QString, QIcon> icons;
    return icons;
}

int made = 0;

// Pixmaps outlive no application: the icons go when it ends.
void forgetIcons()
{
    keptIcons().clear();
}

} // namespace

namespace IconCache {

QIcon icon(const QString &path)
{
    QHash<QString, QIcon> &icons = keptIcons();
    auto found = icons.constFind(path);
    if (found != icons.constEnd())
        return *found;
    if (icons.isEmpty())
        qAddPostRoutine(forgetIcons);
    ++made;
    return *icons.insert(path, QIcon(path));
}

int iconsMade()
{
    return made;
}

} // namespace IconCache
