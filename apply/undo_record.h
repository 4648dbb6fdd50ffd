// What the adapter and the proxy were before the last apply, kept in a file of its own beside
// velt2.ini, so that an undo can put them back. Never read as a connection.
#pragma once

#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "apply/network_adapters.h"
#include "apply/registry.h"
#include "apply/verification.h"
#include "shell/text_codec.h"

namespace veltrano {

inline constexpr const char* kFileRecord = "previoussettings.txt";
// The proxy values the record keeps, each perhaps absent.
inline constexpr const char* kProxyValues[] = {"ProxyEnable", "ProxyServer", "ProxyOverride"};

struct UndoRecord {
  std::string interfaccia;
  bool dhcp = false;
  bool dnsDaDhcp = true;
  std::vector<std::string> indirizzi;  // "a.b.c.d/prefix", in the adapter's order
  std::vector<std::string> gateways;
  std::vector<std::string> dns;
  std::map<std::string, RegistryValue> proxy;  // the values present, by name
  bool operator==(const UndoRecord&) const = default;
};

// The adapter as the system shows it, for a record; nullopt when its DNS source is unknown,
// since a record that guesses could put back something else. The proxy values are added apart.
std::optional<UndoRecord> recordOf(const NetworkAdapter& adapter);

// The record as UTF-8 text with CR LF line ends, and back; nullopt for text that is not a whole
// record.
std::string scriviRecord(const UndoRecord& record);
std::optional<UndoRecord> leggiRecord(std::string_view text);

// What putting the record back should leave: the adapter as it was, the proxy as WinINet read
// those values (their text in the ANSI code page).
Atteso attesoDi(const UndoRecord& record, const TextCodec& ansi);

}  // namespace veltrano
