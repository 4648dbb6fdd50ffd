#include "apply/cmd_invocation.h"

#include <algorithm>

namespace veltrano {

bool cmdCanRunFrom(const std::string& batchPath) {
  // Inside the quotes around the path, & | < > ^ ( ) are plain characters and ! is one with
  // /v:off; % is expanded all the same, a quote would end the quoting, a control character
  // the line.
  return !batchPath.empty() && std::none_of(batchPath.begin(), batchPath.end(), [](char c) {
    return c == '%' || c == '"' || static_cast<unsigned char>(c) < 0x20;
  });
}

std::optional<std::string> cmdArguments(const std::vector<std::string>& batchPaths,
                                        unsigned codePage) {
  // && : a console left in another code page never runs the batch.
  std::string arguments = "/d /v:off /c chcp " + std::to_string(codePage) + ">nul&&";
  for (std::size_t i = 0; i < batchPaths.size(); ++i) {
    if (!cmdCanRunFrom(batchPaths[i])) {
      return std::nullopt;
    }
    arguments += (i > 0 ? "&\"" : "\"") + batchPaths[i] + "\"";
  }
  return batchPaths.empty() ? std::nullopt : std::optional(arguments);
}

}  // namespace veltrano
