// What one apply sets: the values the window shows, or those a stored connection holds.
#pragma once

#include <string>

#include "store/profile_table.h"

namespace veltrano {

struct ApplyRequest {
  std::string nome;         // the connection's name, for the batch's comment line
  std::string interfaccia;  // the adapter's name
  bool dhcp = false;
  std::string ip;
  std::string mask;
  std::string gateway;  // may be empty: no gateway
  std::string dns;      // may be empty: no DNS server
  bool useProxy = false;
  std::string proxy;
  std::string proxyPort;
};

// What applying a stored connection asks, on this adapter.
ApplyRequest richiestaDi(const Riga& riga, const std::string& interfaccia);

}  // namespace veltrano
