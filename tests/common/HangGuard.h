#pragma once

#include "TestLimits.h"

#include <QtTest>

#include <chrono>
#include <condition_variable>
#include <cstdio>
#include <cstdlib>
#include <mutex>
#include <string>
#include <thread>

// Ends the test program with a clear message when what it guards has not
// returned within the limit: a guard against hanging for ever, never a speed
// bound, so the limit is minutes (TestLimits: longer in a slower build).
// Guards the scope it lives in.
class HangGuard
{
public:
    explicit HangGuard(const char *what, int seconds = TestLimits::guardS)
        : m_what(what)
        , m_seconds(seconds)
        , m_watch([this] { watch(); })
    {}
    ~HangGuard()
    {
        {
            std::lock_guard<std::mutex> lock(m_mutex);
            m_released = true;
        }
        m_done.notify_all();
        m_watch.join();
    }
    HangGuard(const HangGuard &) = delete;
    HangGuard &operator=(const HangGuard &) = delete;

private:
    void watch()
    {
        std::unique_lock<std::mutex> lock(m_mutex);
        if (m_done.wait_for(lock, std::chrono::seconds(m_seconds), [this] { return m_released; }))
            return;
        // Read from this thread while the test thread hangs: only to name it.
        const char *function = QTest::currentTestFunction();
        const char *tag = QTest::currentDataTag();
        std::fprintf(stderr, "FAIL! hung: %s did not return within %d s%s%s%s%s%s\n",
                     m_what.c_str(), m_seconds, function ? ", in " : "", function ? function : "",
                     tag ? "(" : "", tag ? tag : "", tag ? ")" : "");
        std::fflush(stderr);
        std::abort();
    }

    std::string m_what;
    int m_seconds;
    std::mutex m_mutex;
    std::condition_variable m_done;
    bool m_released = false;
    // Last: starts once the rest exists.
    std::thread m_watch;
};
