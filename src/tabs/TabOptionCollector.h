#pragma once

#include "model/OptionHash.h"

#include <QList>

class Tab;

// Merges the option values of every tab but the printer tab. A handle on the
// main window's tab list, shared with the profile dialogs; it owns nothing.
class TabOptionCollector
{
public:
    explicit TabOptionCollector(const QList<Tab *> *tabList);

    OptionHash collectTabOptions() const;

private:
    const QList<Tab *> *tabList;
};
