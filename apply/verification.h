// After the batch has ended: are the adapter and the proxy exactly as the apply asked? Read
// from the system, never from netsh's text (translated) or exit code (1 when DHCP was on
// already). Anything the system shows beyond what was asked is a difference too: an old
// address beside the new one, a gateway or DNS server that should be gone.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "apply/apply_checks.h"
#include "apply/apply_request.h"
#include "apply/network_adapters.h"
#include "apply/proxy_settings.h"

namespace veltrano {

// Each difference names what was asked and what the adapter has. The request has passed
// checkRequest. An address still being checked on the network is a difference until it
// settles: the caller looks again for a while before it tells.
std::vector<Motivo> verifyAdapter(const ApplyRequest& request,
                                  const std::optional<std::vector<NetworkAdapter>>& adapters);

// The proxy as WinINet shows it after the apply, against what was asked.
std::vector<Motivo> verifyProxy(const ApplyRequest& request, const std::optional<ProxyState>& now);

// What became of the proxy, for the last line of a message that tells differences: set or
// turned off as asked, or left as it was before when the writes did not take.
Motivo proxyOutcome(const ApplyRequest& request, const std::optional<ProxyState>& before,
                    const std::optional<ProxyState>& now);

// The proxy state an apply asks for.
ProxyState askedProxy(const ApplyRequest& request);

}  // namespace veltrano
