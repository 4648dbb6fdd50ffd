#include "apply/apply_command.h"

namespace veltrano {

ApplyCommand::ApplyCommand(Services services) : s_(services) {}

void ApplyCommand::run(const CommandLine& /*command*/, std::function<void(int exitCode)> done) {
  done(kExitUsage);
}

}  // namespace veltrano
