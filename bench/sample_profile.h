// A velt2.ini as a user with many connections would have it: a mix of DHCP, static and
// proxy connections, some names with accented letters, so that the code page is exercised.
#pragma once

#include <string>

namespace veltrano::bench {

// The file's text in UTF-8 with CR LF line ends: 4 + 9 * connections lines.
std::string sampleProfile(int connections);

}  // namespace veltrano::bench
