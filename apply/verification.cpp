#include "apply/verification.h"

#include "apply/apply_checks.h"
#include "apply/ipv4_address.h"

namespace veltrano {

namespace {

std::string joined(const std::vector<std::string>& values) {
  std::string out;
  for (const std::string& value : values) {
    out += (out.empty() ? "" : ", ") + value;
  }
  return out;
}

// Asked these values in this order (perhaps none), the adapter has `has`: equal only when it
// has exactly them, in the same order.
void compare(const char* campo, const std::vector<std::string>& asked,
             const std::vector<std::string>& has, std::vector<Motivo>& out) {
  if (has == asked) {
    return;
  }
  if (asked.empty()) {
    out.push_back({"VERIFYEXTRA", campo, {joined(has)}});
  } else if (has.empty()) {
    out.push_back({"VERIFYMISSING", campo, {joined(asked)}});
  } else {
    out.push_back({"VERIFYDIFFERS", campo, {joined(asked), joined(has)}});
  }
}

void verifyAddress(const ApplyRequest& request, const NetworkAdapter& adapter,
                   std::vector<Motivo>& out) {
  const std::string asked =
      request.ip + "/" + std::to_string(maskPrefixLength(request.mask).value_or(-1));
  std::vector<std::string> has;
  for (const IPv4Address& address : adapter.addresses) {
    has.push_back(address.address + "/" + std::to_string(address.prefixLength));
  }
  if (has != std::vector{asked}) {
    compare("IP", {asked}, has, out);
    return;
  }
  switch (adapter.addresses.front().state) {
    case IPv4Address::State::Preferred:
      return;
    case IPv4Address::State::Tentative:
      out.push_back({"VERIFYTENTATIVE", "IP", {asked}});
      return;
    case IPv4Address::State::Duplicate:
      out.push_back({"VERIFYDUPLICATE", {}, {request.ip}});
      return;
    case IPv4Address::State::Other:
      out.push_back({"VERIFYNOTUSABLE", "IP", {asked}});
      return;
  }
}

void verifyStatic(const ApplyRequest& request, const NetworkAdapter& adapter,
                  std::vector<Motivo>& out) {
  if (adapter.dhcp) {
    out.push_back({"VERIFYSTILLDHCP", {}, {}});
  }
  verifyAddress(request, adapter, out);
  const std::vector<std::string> gateway =
      request.gateway.empty() ? std::vector<std::string>{} : std::vector{request.gateway};
  compare("GATEWAY", gateway, adapter.gateways, out);
  compare("DNS", dnsList(request.dns), adapter.dnsServers, out);
}

void verifyDhcp(const NetworkAdapter& adapter, std::vector<Motivo>& out) {
  if (!adapter.dhcp) {
    out.push_back({"VERIFYNODHCP", {}, {}});
  }
  if (!adapter.staticDnsServers) {
    out.push_back({"VERIFYDNSUNKNOWN", {}, {}});
  } else if (!adapter.staticDnsServers->empty()) {
    out.push_back({"VERIFYDNSSTATIC", {}, {joined(*adapter.staticDnsServers)}});
  }
}

std::string described(const ProxyState& state) {
  return state.bypass.empty() ? state.server : state.server + " (" + state.bypass + ")";
}

}  // namespace

std::vector<Motivo> verifyAdapter(const ApplyRequest& request,
                                  const std::optional<std::vector<NetworkAdapter>>& adapters) {
  std::vector<Motivo> out;
  const NetworkAdapter* adapter = adapters ? findAdapter(*adapters, request.interfaccia) : nullptr;
  if (!adapters) {
    out.push_back({"VERIFYUNCHECKED", {}, {}});
  } else if (adapter == nullptr) {
    out.push_back({"VERIFYNOADAPTER", {}, {request.interfaccia}});
  } else if (request.dhcp) {
    verifyDhcp(*adapter, out);
  } else {
    verifyStatic(request, *adapter, out);
  }
  return out;
}

ProxyState askedProxy(const ApplyRequest& request) {
  if (!request.useProxy) {
    return {};
  }
  return {true, request.proxy + ":" + request.proxyPort, "<local>"};
}

std::vector<Motivo> verifyProxy(const ApplyRequest& request, const std::optional<ProxyState>& now) {
  const ProxyState asked = askedProxy(request);
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

Motivo proxyOutcome(const ApplyRequest& request, const std::optional<ProxyState>& before,
                    const std::optional<ProxyState>& now) {
  const ProxyState asked = askedProxy(request);
  const bool asAsked = now && (asked.enabled ? *now == asked : !now->enabled);
  if (!asAsked && now && before && *now == *before) {
    return {"PROXYUNCHANGED", {}, {}};
  }
  return asked.enabled ? Motivo{"PROXYSET", {}, {asked.server}} : Motivo{"PROXYOFF", {}, {}};
}

}  // namespace veltrano
