#include "apply/undo_record.h"

#include <charconv>

namespace veltrano {

namespace {

constexpr std::string_view kHeader = "Veltrano undo 1";

std::string hex(const std::vector<std::uint8_t>& bytes) {
  static constexpr char kDigits[] = "0123456789abcdef";
  std::string out;
  for (const std::uint8_t byte : bytes) {
    out += kDigits[byte >> 4];
    out += kDigits[byte & 0xF];
  }
  return out;
}

std::optional<std::vector<std::uint8_t>> unhex(std::string_view text) {
  std::vector<std::uint8_t> out;
  for (std::size_t i = 0; i + 1 < text.size(); i += 2) {
    std::uint8_t byte = 0;
    const auto [end, error] = std::from_chars(text.data() + i, text.data() + i + 2, byte, 16);
    if (error != std::errc{} || end != text.data() + i + 2) {
      return std::nullopt;
    }
    out.push_back(byte);
  }
  return text.size() % 2 == 0 ? std::optional(out) : std::nullopt;
}

// "Name TYPE HEX" of a registry value.
bool leggiValore(std::string_view text, UndoRecord& record) {
  const std::size_t blank = text.find(' '), second = text.find(' ', blank + 1);
  if (second == std::string_view::npos) {
    return false;
  }
  std::uint32_t type = 0;
  const std::string_view typeText = text.substr(blank + 1, second - blank - 1);
  const auto [end, error] =
      std::from_chars(typeText.data(), typeText.data() + typeText.size(), type);
  const auto data = unhex(text.substr(second + 1));
  if (error != std::errc{} || end != typeText.data() + typeText.size() || !data) {
    return false;
  }
  record.proxy[std::string(text.substr(0, blank))] = {type, *data};
  return true;
}

std::string testo(const std::map<std::string, RegistryValue>& proxy, const char* nome,
                  const TextCodec& ansi) {
  const auto found = proxy.find(nome);
  if (found == proxy.end()) {
    return {};
  }
  std::string bytes(found->second.data.begin(), found->second.data.end());
  return ansi.toUtf8(bytes.substr(0, bytes.find('\0')));
}

}  // namespace

std::optional<UndoRecord> recordOf(const NetworkAdapter& adapter) {
  if (adapter.dhcp && !adapter.staticDnsServers) {
    return std::nullopt;
  }
  UndoRecord record{adapter.name, adapter.dhcp, true, {}, adapter.gateways, adapter.dnsServers, {}};
  record.dnsDaDhcp = adapter.dhcp && adapter.staticDnsServers->empty();
  for (const IPv4Address& address : adapter.addresses) {
    record.indirizzi.push_back(address.address + "/" + std::to_string(address.prefixLength));
  }
  return record;
}

std::string scriviRecord(const UndoRecord& record) {
  std::string out = std::string(kHeader) + "\r\nadapter=" + record.interfaccia +
                    "\r\ndhcp=" + (record.dhcp ? "1" : "0") +
                    "\r\ndnsdhcp=" + (record.dnsDaDhcp ? "1" : "0") + "\r\n";
  for (const auto& [chiave, valori] : {std::pair{"address", &record.indirizzi},
                                       {"gateway", &record.gateways},
                                       {"dns", &record.dns}}) {
    for (const std::string& valore : *valori) {
      out += std::string(chiave) + "=" + valore + "\r\n";
    }
  }
  for (const auto& [nome, valore] : record.proxy) {
    out += "reg=" + nome + " " + std::to_string(valore.type) + " " + hex(valore.data) + "\r\n";
  }
  return out;
}

std::optional<UndoRecord> leggiRecord(std::string_view text) {
  if (!text.starts_with(std::string(kHeader) + "\r\n")) {
    return std::nullopt;
  }
  UndoRecord record;
  int flags = 0;
  for (std::size_t at = kHeader.size() + 2, end; at < text.size(); at = end + 2) {
    end = text.find("\r\n", at);
    if (end == std::string_view::npos) {
      return std::nullopt;  // cut short
    }
    const std::string_view line = text.substr(at, end - at);
    const std::size_t equals = line.find('=');
    const std::string_view key = line.substr(0, equals), value = line.substr(equals + 1);
    if (equals == std::string_view::npos) {
      return std::nullopt;
    } else if (key == "adapter") {
      record.interfaccia = value;
    } else if ((key == "dhcp" || key == "dnsdhcp") && (value == "0" || value == "1")) {
      (key == "dhcp" ? record.dhcp : record.dnsDaDhcp) = value == "1";
      ++flags;
    } else if (key == "address" || key == "gateway" || key == "dns") {
      (key == "address"   ? record.indirizzi
       : key == "gateway" ? record.gateways
                          : record.dns)
          .emplace_back(value);
    } else if (key != "reg" || !leggiValore(value, record)) {
      return std::nullopt;
    }
  }
  return flags == 2 && !record.interfaccia.empty() ? std::optional(record) : std::nullopt;
}

Atteso attesoDi(const UndoRecord& record, const TextCodec& ansi) {
  Atteso atteso{record.interfaccia, record.dhcp, record.dnsDaDhcp, {}, {}, record.dns, {}};
  if (!record.dhcp) {
    atteso.indirizzi = record.indirizzi, atteso.gateways = record.gateways;
  }
  const auto enable = record.proxy.find("ProxyEnable");
  atteso.proxy.enabled = enable != record.proxy.end() && enable->second.data.size() >= 4 &&
                         (enable->second.data[0] | enable->second.data[1] | enable->second.data[2] |
                          enable->second.data[3]) != 0;
  if (atteso.proxy.enabled) {
    atteso.proxy.server = testo(record.proxy, "ProxyServer", ansi);
    atteso.proxy.bypass = testo(record.proxy, "ProxyOverride", ansi);
  }
  return atteso;
}

}  // namespace veltrano
