#include "apply/verification.h"

#include <algorithm>

#include "apply/apply_checks.h"
#include "apply/ipv4_address.h"

namespace veltrano {

namespace {

bool holds(const std::vector<std::string>& addresses, const std::string& address) {
  return std::find(addresses.begin(), addresses.end(), address) != addresses.end();
}

void verifyStatic(const ApplyRequest& request, const NetworkAdapter& adapter, Verification& out) {
  const int prefix = maskPrefixLength(request.mask).value_or(-1);
  const auto found = std::find_if(
      adapter.addresses.begin(), adapter.addresses.end(),
      [&](const IPv4Address& a) { return a.address == request.ip && a.prefixLength == prefix; });
  if (found == adapter.addresses.end()) {
    out.differences.push_back({"VERIFYNOTSET", "IP", request.ip + "/" + std::to_string(prefix)});
  } else if (found->state == IPv4Address::State::Duplicate) {
    out.differences.push_back({"VERIFYDUPLICATE", {}, request.ip});
  } else if (found->state == IPv4Address::State::Tentative) {
    out.settling = true;
  }
  if (!request.gateway.empty() && !holds(adapter.gateways, request.gateway)) {
    out.differences.push_back({"VERIFYNOTSET", "GATEWAY", request.gateway});
  }
  if (!request.dns.empty() && !holds(adapter.dnsServers, request.dns)) {
    out.differences.push_back({"VERIFYNOTSET", "DNS", request.dns});
  }
}

}  // namespace

Verification verifyApplied(const ApplyRequest& request,
                           const std::optional<std::vector<NetworkAdapter>>& adapters) {
  Verification out;
  const NetworkAdapter* adapter = adapters ? findAdapter(*adapters, request.interfaccia) : nullptr;
  if (!adapters) {
    out.differences.push_back({"VERIFYUNCHECKED", {}, {}});
  } else if (adapter == nullptr) {
    out.differences.push_back({"VERIFYNOADAPTER", {}, request.interfaccia});
  } else if (request.dhcp) {
    if (!adapter->dhcp) {
      out.differences.push_back({"VERIFYNODHCP", {}, {}});
    }
  } else {
    verifyStatic(request, *adapter, out);
  }
  return out;
}

}  // namespace veltrano
