#pragma once

namespace testsupport {

// How long a test waits for something that must happen (a window shown, a chart filled, a
// message cleared): long enough for any load on the machine, and no longer than a hang
// deserves. Waiting ends as soon as the thing has happened, so a passing test never waits it
// out.
inline constexpr int patienceMs = 60000;

} // namespace testsupport
