// What an apply refuses before anything is written or started.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "apply/apply_request.h"
#include "apply/network_adapters.h"

namespace veltrano {

// Why an apply is refused, or what is not as it asked: a message key and what goes in its
// placeholders. `campo`, when given, is itself a key (a field's label) shown in the current
// language before the values.
struct Motivo {
  std::string chiave;
  std::string campo;
  std::vector<std::string> valori;
};

// netsh and the comment line take names up to this many characters.
constexpr std::size_t kMaxNameLength = 255;

// The checks that need only the request: an adapter name, names netsh can take, for a static
// connection IP, mask, gateway (when given) and up to four DNS servers as dotted addresses with
// a contiguous mask, and with a proxy a server and port that WinINet reads as they are written.
std::optional<Motivo> checkRequest(const ApplyRequest& request);

// The DNS servers of the DNS field, in order: separated by commas or semicolons, with blanks
// around them; none for an empty field. Each is still to be checked.
std::vector<std::string> dnsList(const std::string& field);
constexpr std::size_t kMaxDnsServers = 4;

// A proxy server as WinINet takes it: a host name of ASCII letters, digits, "-" and "." (at
// most 253 characters, no empty label) or a dotted IPv4 address.
bool isProxyServer(const std::string& server);
// A port of ASCII digits, 1 to 65535.
bool isProxyPort(const std::string& port);

// The adapter of the machine with this name, compared as Windows compares adapter names
// (letter case aside); null when there is none.
const NetworkAdapter* findAdapter(const std::vector<NetworkAdapter>& adapters,
                                  const std::string& name);

// The adapters a user can pick: all but the loopback and tunnel ones.
std::vector<const NetworkAdapter*> pickableAdapters(const std::vector<NetworkAdapter>& adapters);

}  // namespace veltrano
