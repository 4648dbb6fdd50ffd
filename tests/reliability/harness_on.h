// The fake-toolkit window of the tests, on another file system than its in-memory one.
#pragma once

#include "fake/window_harness.h"
#include "store/file_system.h"

namespace veltrano::reliability {

// Rebuilds h.form on the same controls and machine but with `files`; call before start().
void useFileSystem(fake::Harness& h, FileSystem& files);

// The catalogue text of a message key in a language.
std::string catalogueText(const std::string& chiave, const std::string& lingua);

}  // namespace veltrano::reliability
