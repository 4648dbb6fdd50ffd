// How the system's cmd.exe is asked to run lastconnection.bat.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace veltrano {

// False when cmd would read the batch's path as something else: on its own command line it
// expands %NAME% even inside quotes, so a folder named "V%OS%x" would run another file.
bool cmdCanRunFrom(const std::string& batchPath);

// The arguments of cmd.exe: no AutoRun, no delayed expansion, the console switched to the code
// page the batches are written in (a console set to another one, a double-byte one say, would
// misread the carets that make & and | inert), then each batch in turn, whatever the one before
// ended with. nullopt when !cmdCanRunFrom any of them.
std::optional<std::string> cmdArguments(const std::vector<std::string>& batchPaths,
                                        unsigned codePage);

}  // namespace veltrano
