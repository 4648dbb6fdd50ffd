// Running a piece of a test in a child process (POSIX), so that it can be given limits,
// another user, or a kill that the test itself must survive.
#pragma once

#include <functional>

namespace veltrano::reliability {

// Runs `body` in a forked child and returns its exit code; -1 when a signal ended it.
int exitCodeOfChild(const std::function<int()>& body);

}  // namespace veltrano::reliability
