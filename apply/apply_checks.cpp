#include "apply/apply_checks.h"

#include <algorithm>
#include <cstdint>

#include "apply/ipv4_address.h"
#include "store/profile_table.h"

namespace veltrano {

namespace {

std::size_t characterCount(const std::string& utf8) {
  // Continuation bytes of UTF-8 are 10xxxxxx: every other byte starts a character.
  return static_cast<std::size_t>(std::count_if(utf8.begin(), utf8.end(), [](char c) {
    return (static_cast<std::uint8_t>(c) & 0xC0u) != 0x80u;
  }));
}

std::optional<Motivo> checkAddresses(const ApplyRequest& request) {
  if (!parseIPv4(request.ip)) {
    return Motivo{"BADADDRESS", "IP", {request.ip}};
  }
  if (!maskPrefixLength(request.mask)) {
    return Motivo{"BADADDRESS", "MASK", {request.mask}};
  }
  if (!request.gateway.empty() && !parseIPv4(request.gateway)) {
    return Motivo{"BADADDRESS", "GATEWAY", {request.gateway}};
  }
  const std::vector<std::string> dns = dnsList(request.dns);
  for (const std::string& server : dns) {
    if (!parseIPv4(server)) {
      return Motivo{"BADADDRESS", "DNS", {server}};
    }
  }
  if (dns.size() > kMaxDnsServers) {
    return Motivo{"TOOMANYDNS", "DNS", {request.dns}};
  }
  return std::nullopt;
}

bool isAsciiDigit(char c) {
  return c >= '0' && c <= '9';
}

bool isHostLabelCharacter(char c) {
  return isAsciiDigit(c) || (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || c == '-';
}

std::optional<Motivo> checkProxy(const ApplyRequest& request) {
  if (!isProxyServer(request.proxy)) {
    return Motivo{"BADPROXY", "SERVERPROXY", {request.proxy}};
  }
  if (!isProxyPort(request.proxyPort)) {
    return Motivo{"BADPROXY", "PROXYPORT", {request.proxyPort}};
  }
  return std::nullopt;
}

}  // namespace

std::optional<Motivo> checkRequest(const ApplyRequest& request) {
  if (trimBlanks(request.interfaccia).empty()) {
    return Motivo{"NOINTERFACE", {}, {}};
  }
  if (characterCount(request.nome) > kMaxNameLength ||
      characterCount(request.interfaccia) > kMaxNameLength) {
    return Motivo{"BATCHTOOLONG", {}, {}};
  }
  if (!request.dhcp) {
    if (auto motivo = checkAddresses(request)) {
      return motivo;
    }
  }
  return request.useProxy ? checkProxy(request) : std::nullopt;
}

std::vector<std::string> dnsList(const std::string& field) {
  std::vector<std::string> servers;
  if (trimBlanks(field).empty()) {
    return servers;
  }
  std::size_t start = 0;
  for (std::size_t end; (end = field.find_first_of(",;", start)) != std::string::npos;
       start = end + 1) {
    servers.push_back(trimBlanks(std::string_view(field).substr(start, end - start)));
  }
  servers.push_back(trimBlanks(std::string_view(field).substr(start)));
  return servers;
}

bool isProxyServer(const std::string& server) {
  constexpr std::size_t kMaxHostName = 253;
  if (server.empty() || server.size() > kMaxHostName) {
    return false;
  }
  bool onlyDigitsAndDots = true;
  std::size_t labelLength = 0;
  for (const char c : server) {
    if (c == '.') {
      if (labelLength == 0) {
        return false;
      }
      labelLength = 0;
      continue;
    }
    if (!isHostLabelCharacter(c)) {
      return false;
    }
    onlyDigitsAndDots = onlyDigitsAndDots && isAsciiDigit(c);
    ++labelLength;
  }
  // Numbers and dots alone are an address, and must be a whole one: "10.0.0" is no host.
  return labelLength > 0 && (!onlyDigitsAndDots || parseIPv4(server).has_value());
}

bool isProxyPort(const std::string& port) {
  constexpr std::size_t kMaxDigits = 5;
  if (port.empty() || port.size() > kMaxDigits ||
      !std::all_of(port.begin(), port.end(), isAsciiDigit)) {
    return false;
  }
  const int value = std::stoi(port);
  return value >= 1 && value <= 65535;
}

const NetworkAdapter* findAdapter(const std::vector<NetworkAdapter>& adapters,
                                  const std::string& name) {
  const std::string folded = lowerAscii(name);
  const auto found =
      std::find_if(adapters.begin(), adapters.end(),
                   [&folded](const NetworkAdapter& a) { return lowerAscii(a.name) == folded; });
  return found == adapters.end() ? nullptr : &*found;
}

std::vector<const NetworkAdapter*> pickableAdapters(const std::vector<NetworkAdapter>& adapters) {
  std::vector<const NetworkAdapter*> out;
  for (const NetworkAdapter& adapter : adapters) {
    if (!adapter.loopbackOrTunnel) {
      out.push_back(&adapter);
    }
  }
  return out;
}

}  // namespace veltrano
