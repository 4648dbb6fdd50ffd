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

// What an apply expects to find once its batch has ended: a stored connection, or the
// settings an undo puts back.
struct Atteso {
  std::string interfaccia;
  bool dhcp = false;
  bool dnsDaDhcp = true;               // with DHCP: the DNS servers come from DHCP
  std::vector<std::string> indirizzi;  // static: "a.b.c.d/prefix", in any order
  std::vector<std::string> gateways;   // static: in order
  std::vector<std::string> dns;        // static, or DHCP with servers typed: in order
  ProxyState proxy;                    // as WinINet should show it
};

// What applying the request should leave. The request has passed checkRequest.
Atteso attesoDi(const ApplyRequest& request);

// Each difference names what was asked and what the adapter has. An address still being
// checked on the network is a difference until it settles: the caller looks again for a while
// before it tells.
std::vector<Motivo> verifyAdapter(const Atteso& atteso,
                                  const std::optional<std::vector<NetworkAdapter>>& adapters);

// The proxy as WinINet shows it after the apply, against what was asked.
std::vector<Motivo> verifyProxy(const ProxyState& asked, const std::optional<ProxyState>& now);

// What became of the proxy, for the last line of a message that tells differences: set or
// turned off as asked, or left as it was before when the writes did not take.
Motivo proxyOutcome(const ProxyState& asked, const std::optional<ProxyState>& before,
                    const std::optional<ProxyState>& now);

}  // namespace veltrano
