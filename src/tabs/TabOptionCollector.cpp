#include "tabs/TabOptionCollector.h"

TabOptionCollector::TabOptionCollector(const QList<Tab *> *tabList)
    : tabList(tabList)
{
}

OptionHash TabOptionCollector::collectTabOptions() const
{
    // Filled in once the Tab base class exists.
    return OptionHash();
}
