// After the batch has ended: is the adapter as the apply asked? Read from the system, never
// from netsh's text (translated) or exit code (1 when DHCP was on already).
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "apply/apply_checks.h"
#include "apply/apply_request.h"
#include "apply/network_adapters.h"

namespace veltrano {

struct Verification {
  bool settling = false;  // the address is still being checked for duplicates on the network
  std::vector<Motivo> differences;
};

// DHCP on when DHCP was asked; otherwise the address with the mask's prefix length, the gateway
// when one was given and the DNS server when one was given. The request has passed checkRequest.
Verification verifyApplied(const ApplyRequest& request,
                           const std::optional<std::vector<NetworkAdapter>>& adapters);

}  // namespace veltrano
