#pragma once

#include "TestLimits.h"

#include "app/TolDialog.h"

#include <QtTest>

// Lets the event loop run until the main window awaits no answer of CUPS
// (the list, a selection, a write, the status words); false only when one is
// still awaited after a minute.
inline bool waitForCups(const TolDialog &window)
{
    return QTest::qWaitFor([&window] { return !window.awaitsCups() && !window.readsStatuses(); },
                           TestLimits::waitMs);
}
