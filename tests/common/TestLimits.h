// The bounds within which the tests wait: guards against hanging, never
// speed bounds. What does not come fails from its own bound, with a FAIL line
// naming it, well before ctest ends the program without a word at its limit
// (VM_TEST_TIMEOUT_S, longer in the sanitizer build).
#pragma once

namespace TestLimits {

// How many times a plain build's bounds this build allows: the sanitizer
// build runs slower, and ctest's limit grows with it.
constexpr int slowness = VM_TEST_TIMEOUT_S / 300 > 1 ? VM_TEST_TIMEOUT_S / 300 : 1;

// One wait for something that comes in moments: an answer, a window, a child
// process's line.
constexpr int waitMs = 60000 * slowness;

// One step that may hang for ever with no wait of its own to run out: a
// call, a thread's end (HangGuard).
constexpr int guardS = 120 * slowness;

// The whole program, a little before ctest's limit (Qt Test's watchdog for
// one test function has the same): what hangs where no other bound reaches
// still ends with a FAIL line naming the function and row under way.
constexpr int programS = VM_TEST_TIMEOUT_S - 15 * slowness;

} // namespace TestLimits
