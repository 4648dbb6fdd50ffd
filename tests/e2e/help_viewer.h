// What the HTML Help viewer shows for a help file, found by opening it in the driver itself:
// the caption of its window tells which file a program opened, without knowing the file's
// contents.
#pragma once

#include <filesystem>
#include <string>

namespace e2e {

std::string helpViewerCaptionFor(const std::filesystem::path& helpFile);

}  // namespace e2e
