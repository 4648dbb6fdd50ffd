// The connections in memory: rows 1 to count in file order, nine text columns each.
#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <string_view>
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

// The text without the blanks at either end.
std::string trimBlanks(std::string_view text);

// The text with its ASCII capitals made small, as Windows compares adapter names and switches.
std::string lowerAscii(std::string text);

// A CR or LF in a stored value would shift every later line of velt2.ini.
bool holdsLineBreak(std::string_view value);

// No stored value ever holds a line break: the reader splits the file at them and the
// changes below refuse them, so the writer need not look through 9,000 values on each save.
//
// The values are kept in one text in the file's own layout, each followed by CR LF, and
// each row points into it: reading 9,000 values is a few appends instead of 9,000 strings,
// and a save copies runs of untouched values whole. A change appends the new values and
// leaves the old ones as waste, which is dropped once it outweighs what is still in use.
class ProfileTable {
 public:
  int count() const { return static_cast<int>(righe_.size()); }
  bool full() const { return count() >= kMaxConnessioni; }
  // The value in row r (1 to count()) and column c; good until the table next changes.
  std::string_view valore(int r, std::size_t c) const;
  // A copy of row r, 1 to count().
  Riga riga(int r) const;
  // Appends the rows' lines as velt2.ini holds them: each value trimmed, ending in CR LF.
  void appendLines(std::string& out) const;
  // What appendLines adds at most.
  std::size_t byteRighe() const { return testo_.size() - scarto_; }

  // The last row whose name equals nome exactly, or -1.
  int cercaConnessione(std::string_view nome) const;
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
  struct Cella {
    std::size_t inizio = 0;
    std::size_t lunghezza = 0;
  };
  using Celle = std::array<Cella, kColonne>;
  using Valori = std::array<std::string_view, kColonne>;

  // The reader appends rows exactly as read, untrimmed; its lines hold no line break.
  friend bool leggiProfilo(std::string_view text, Profilo& profilo);
  void riserva(std::size_t righe, std::size_t byte);
  void aggiungiRigaLetta(const Valori& valori);

  Cella conserva(std::string_view valore);
  Celle conservaRiga(const Valori& valori);
  const Celle& celle(int r) const { return righe_.at(static_cast<std::size_t>(r - 1)); }
  Celle& celle(int r) { return righe_.at(static_cast<std::size_t>(r - 1)); }
  void scarta(const Cella& cella) { scarto_ += cella.lunghezza + 2; }
  void compattaSeServe();

  std::string testo_;
  std::vector<Celle> righe_;
  std::size_t scarto_ = 0;  // bytes of testo_ (values and their CR LF) no row points to any more
};

}  // namespace veltrano
