#include "apply/verification.h"

#include "apply/apply_checks.h"
#include "apply/ipv4_address.h"

#include <algorithm>

namespace veltrano {

namespace {

// Asked these values in this order (perhaps none), the adapter has `has`: equal only when it
// has exactly them, in the same order.
void compare(const char* campo, const std::vector<std::string>& asked,
             const std::vector<std::string>& has, std::vector<Motivo>& out) {
  if (has == asked) {
    return;
  }
  if (asked.empty()) {
    out.push_back({"VERIFYEXTRA", campo, {joinedList(has)}});
  } else if (has.empty()) {
    out.push_back({"VERIFYMISSING", campo, {joinedList(asked)}});
  } else {
    out.push_back({"VERIFYDIFFERS", campo, {joinedList(asked), joinedList(has)}});
  }
}

// The addresses, whatever order Windows lists them in, each usable: not still being checked on
// the network, not a duplicate, not deprecated.
void verifyAddresses(const Atteso& atteso, const NetworkAdapter& adapter,
                     std::vector<Motivo>& out) {
  std::vector<std::string> asked = atteso.indirizzi, has;
  for (const IPv4Address& address : adapter.addresses) {
    has.push_back(address.address + "/" + std::to_string(address.prefixLength));
  }
  const std::vector<std::string> listed = has;
  std::sort(asked.begin(), asked.end());
  std::sort(has.begin(), has.end());
  if (has != asked) {
    compare("IP", atteso.indirizzi, listed, out);
    return;
  }
  for (std::size_t i = 0; i < listed.size(); ++i) {
    switch (adapter.addresses[i].state) {
      case IPv4Address::State::Preferred:
        break;
      case IPv4Address::State::Tentative:
        out.push_back({"VERIFYTENTATIVE", "IP", {listed[i]}});
        break;
      case IPv4Address::State::Duplicate:
        out.push_back({"VERIFYDUPLICATE", {}, {adapter.addresses[i].address}});
        break;
      case IPv4Address::State::Other:
        out.push_back({"VERIFYNOTUSABLE", "IP", {listed[i]}});
        break;
    }
  }
}

void verifyStatic(const Atteso& atteso, const NetworkAdapter& adapter, std::vector<Motivo>& out) {
  if (adapter.dhcp) {
    out.push_back({"VERIFYSTILLDHCP", {}, {}});
  }
  verifyAddresses(atteso, adapter, out);
  compare("GATEWAY", atteso.gateways, adapter.gateways, out);
  compare("DNS", atteso.dns, adapter.dnsServers, out);
}

void verifyDhcp(const Atteso& atteso, const NetworkAdapter& adapter, std::vector<Motivo>& out) {
  if (!adapter.dhcp) {
    out.push_back({"VERIFYNODHCP", {}, {}});
  }
  if (!atteso.dnsDaDhcp) {
    compare("DNS", atteso.dns, adapter.dnsServers, out);  // typed, and kept so
  } else if (!adapter.staticDnsServers) {
    out.push_back({"VERIFYDNSUNKNOWN", {}, {}});
  } else if (!adapter.staticDnsServers->empty()) {
    out.push_back({"VERIFYDNSSTATIC", {}, {joinedList(*adapter.staticDnsServers)}});
  }
}

std::string described(const ProxyState& state) {
  return state.bypass.empty() ? state.server : state.server + " (" + state.bypass + ")";
}

}  // namespace

Atteso attesoDi(const ApplyRequest& request) {
  Atteso atteso;
  atteso.interfaccia = request.interfaccia;
  atteso.dhcp = request.dhcp;
  if (!request.dhcp) {
    atteso.indirizzi = {request.ip + "/" +
                        std::to_string(maskPrefixLength(request.mask).value_or(-1))};
    atteso.gateways =
        request.gateway.empty() ? std::vector<std::string>{} : std::vector{request.gateway};
    atteso.dns = dnsList(request.dns);
  }
  if (request.useProxy) {
    atteso.proxy = {true, request.proxy + ":" + request.proxyPort, "<local>"};
  }
  return atteso;
}

std::vector<Motivo> verifyAdapter(const Atteso& atteso,
                                  const std::optional<std::vector<NetworkAdapter>>& adapters) {
  std::vector<Motivo> out;
  const NetworkAdapter* adapter = adapters ? findAdapter(*adapters, atteso.interfaccia) : nullptr;
  if (!adapters) {
    out.push_back({"VERIFYUNCHECKED", {}, {}});
  } else if (adapter == nullptr) {
    out.push_back({"VERIFYNOADAPTER", {}, {atteso.interfaccia}});
  } else if (atteso.dhcp) {
    verifyDhcp(atteso, *adapter, out);
  } else {
    verifyStatic(atteso, *adapter, out);
  }
  return out;
}

std::vector<Motivo> verifyProxy(const ProxyState& asked, const std::optional<ProxyState>& now) {
  if (!now) {
    return {{"VERIFYPROXYUNCHECKED", {}, {}}};
  }
  if (!asked.enabled) {
    // Turned off: the server and exceptions left in place mean nothing.
    return now->enabled ? std::vector<Motivo>{{"VERIFYPROXYON", {}, {described(*now)}}}
                        : std::vector<Motivo>{};
  }
  if (!now->enabled) {
    return {{"VERIFYPROXYOFF", {}, {asked.server}}};
  }
  if (*now != asked) {
    return {{"VERIFYPROXYDIFFERS", {}, {asked.server, described(*now)}}};
  }
  return {};
}

Motivo proxyOutcome(const ProxyState& asked, const std::optional<ProxyState>& before,
                    const std::optional<ProxyState>& now) {
  const bool asAsked = now && (asked.enabled ? *now == asked : !now->enabled);
  if (!asAsked && now && before && *now == *before) {
    return {"PROXYUNCHANGED", {}, {}};
  }
  return asked.enabled ? Motivo{"PROXYSET", {}, {asked.server}} : Motivo{"PROXYOFF", {}, {}};
}

}  // namespace veltrano
