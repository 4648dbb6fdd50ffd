// The names of the main window's controls, for failure messages.
#pragma once

#include <string>

namespace e2e {

std::string controlName(int id);

}  // namespace e2e
