// Polling with a deadline: the program under test runs in its own process, so the driver
// looks again every few milliseconds instead of sleeping for a fixed time.
#pragma once

#include <windows.h>

#include <chrono>

namespace e2e {

using std::chrono::milliseconds;
using namespace std::chrono_literals;

inline constexpr milliseconds kPollInterval = 20ms;
inline constexpr milliseconds kWindowTimeout = 30s;  // a first start under Wine is slow
inline constexpr milliseconds kDialogTimeout = 10s;
inline constexpr milliseconds kHandlerTimeout = 15s;
inline constexpr milliseconds kExitTimeout = 10s;
inline constexpr milliseconds kBatchTimeout = 30s;

// Calls `find` until it gives something truthy or the time is up; returns its last result.
template <class Find>
auto pollFor(Find find, milliseconds timeout) -> decltype(find()) {
  const auto deadline = std::chrono::steady_clock::now() + timeout;
  while (true) {
    auto found = find();
    if (found || std::chrono::steady_clock::now() >= deadline) {
      return found;
    }
    Sleep(static_cast<DWORD>(kPollInterval.count()));
  }
}

}  // namespace e2e
