// lastconnection.bat: a comment line and the netsh lines that switch the adapter: its address,
// its first DNS server, then one line for each further DNS server.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace veltrano {

struct BatchInput {
  std::string nome;         // connection name, for the comment line
  std::string interfaccia;  // adapter name, between double quotes
  bool dhcp = false;
  std::string ip;
  std::string mask;
  std::string gateway;
  std::vector<std::string> dns;  // in order; none is "static none"
};

// Texts as cmd reads them in a batch line, with what it would act on escaped; nullopt when a
// text holds something that cannot be carried safely at all (see batch_file.cpp). An adapter
// name goes between double quotes; a value (an address) stands bare; a comment follows "rem".
std::optional<std::string> adapterForCmd(std::string_view name);
std::optional<std::string> valueForCmd(std::string_view value);
std::optional<std::string> commentForCmd(std::string_view text);

// "rem setting connessione NAME", the first line of every batch, with its CR LF.
std::optional<std::string> commentLine(std::string_view nome);

// "set dns ADAPTER static FIRST", then "add dns ADAPTER NEXT index=N" for each further server
// ("static none" for none), each with its CR LF; `adapter` as adapterForCmd gives it.
std::optional<std::string> staticDnsLines(const std::string& adapter,
                                          const std::vector<std::string>& servers);

// The lines, each ending in CR LF, as UTF-8 text. Characters that cmd.exe would act
// on are escaped so that they reach netsh or the comment literally; nullopt when a text
// holds something that cannot be carried safely at all (see batch_file.cpp).
std::optional<std::string> buildBatch(const BatchInput& input);

}  // namespace veltrano
