// What the status bar says: the adapter as it is now, with the stored connection in effect,
// and how the last apply went. Each part is kept as a message key with its values, so that a
// language switch tells it again in the other language.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "apply/apply_flow.h"
#include "shell/services.h"
#include "shell/toolkit.h"
#include "store/profile_table.h"

namespace veltrano {

// The first stored connection whose apply would find the adapter and the proxy as they are.
// The proxy is asked for only once a connection matches the adapter: WinINet can take longer
// to answer than the adapters.
std::optional<std::string> connessioneInUso(
    const ProfileTable& connessioni, const std::string& interfaccia,
    const std::optional<std::vector<NetworkAdapter>>& adapters,
    const std::function<std::optional<ProxyState>()>& proxy);

class StatusLine {
 public:
  using Testo = std::function<std::string(const std::string& chiave)>;

  StatusLine(StatusBar& bar, Services services, Testo testo);

  // Reads the adapter and the proxy again.
  void aggiornaInterfaccia(const std::string& interfaccia, const ProfileTable& connessioni);
  void fase(const std::string& nome, ApplyPhase fase);
  void esito(const std::string& nome, ApplyOutcome esito);
  // Both parts again, in the language of the moment.
  void ridisegna();

 private:
  struct Detto {
    std::string chiave;  // empty: nothing to say
    std::vector<std::string> valori;
  };

  Detto interfaccia(const std::string& nome,
                    const std::optional<std::vector<NetworkAdapter>>& adapters) const;

  StatusBar& bar_;
  Services s_;
  Testo testo_;
  Detto adattatore_;
  std::optional<std::string> inUso_;
  Detto applicazione_;
};

}  // namespace veltrano
