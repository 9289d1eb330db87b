#pragma once

#include "app/TolDialog.h"

#include <QtTest>

// Lets the event loop run until the main window awaits no answer of CUPS
// (the list, a selection, a write); false only when one is still awaited
// after minutes.
inline bool waitForCups(const TolDialog &window)
{
    return QTest::qWaitFor([&window] { return !window.awaitsCups(); }, 120000);
}
