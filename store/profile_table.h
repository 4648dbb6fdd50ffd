// The connections in memory: rows 1 to count in file order, nine text columns each.
#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace veltrano {

struct Profilo;
bool leggiProfilo(std::string_view text, Profilo& profilo);

enum Colonna : std::size_t {
  kNome = 0,
  kIP = 1,
  kMask = 2,
  kGateway = 3,
  kDNS = 4,
  kProxy = 5,
  kProxyPort = 6,
  kUseProxy = 7,
  kDHCP = 8,
};
constexpr std::size_t kColonne = 9;
constexpr int kMaxConnessioni = 1000;

using Riga = std::array<std::string, kColonne>;

// The nine values of a connection in the order the editor hands them over.
struct ValoriConnessione {
  std::string nome;
  std::string dhcp;  // "SI" or "NO"
  std::string ip;
  std::string mask;
  std::string gateway;
  std::string dns;
  std::string useProxy;  // "SI" or "NO"
  std::string proxy;
  std::string proxyPort;
};

std::string trimBlanks(const std::string& text);

// A CR or LF in a stored value would shift every later line of velt2.ini.
bool holdsLineBreak(std::string_view value);

// No stored value ever holds a line break: the reader splits the file at them and the
// changes below refuse them, so the writer need not look through 9,000 values on each save.

class ProfileTable {
 public:
  int count() const { return static_cast<int>(righe_.size()); }
  bool full() const { return count() >= kMaxConnessioni; }
  // Row r, 1 to count().
  const Riga& riga(int r) const { return righe_.at(static_cast<std::size_t>(r - 1)); }

  // The last row whose name equals nome exactly, or -1.
  int cercaConnessione(const std::string& nome) const;
  // Appends the trimmed values as the last row; false (and no change) when the table is full
  // or a value holds a line break.
  bool inserisciConnessione(const ValoriConnessione& valori);
  // Replaces the row of nome, name included; false (and no change) when nome is not stored
  // or a value holds a line break.
  bool updateConnessione(const std::string& nome, const ValoriConnessione& valori);
  // Removes the row of nome, moving later rows up; false (and no change) when nome is not stored.
  bool eliminaConnessione(const std::string& nome);
  // Renames the row of nome in place; false when nome is not stored or the new name holds a
  // line break.
  bool rinominaConnessione(const std::string& nome, const std::string& nuovoNome);

 private:
  // The reader appends rows exactly as read, untrimmed; its lines hold no line break.
  friend bool leggiProfilo(std::string_view text, Profilo& profilo);
  void aggiungiRigaLetta(Riga&& riga) { righe_.push_back(std::move(riga)); }

  std::vector<Riga> righe_;
};

}  // namespace veltrano
