#include "reliability/posix_child_process.h"

#include <sys/wait.h>
#include <unistd.h>

namespace veltrano::reliability {

int exitCodeOfChild(const std::function<int()>& body) {
  const pid_t child = fork();
  if (child == 0) {
    _exit(body());  // no test framework teardown in the child
  }
  if (child < 0) {
    return -1;
  }
  int status = 0;
  waitpid(child, &status, 0);
  return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

}  // namespace veltrano::reliability
