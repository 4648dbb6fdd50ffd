// The message catalogue: every text of the window that changes with the language, in
// Italian ("IT") and English ("IN"), built into the program.
#pragma once

#include <array>
#include <string>
#include <vector>

namespace veltrano {

class Catalogo {
 public:
  static constexpr int kRighe = 121;  // rows 0 to 120; row 0 unused, one row for the end marker

  // Fills both tables once; a second call changes nothing.
  void caricaMessaggi();
  void aggiungiMessaggio(const std::string& chiave, const std::string& italiano,
                         const std::string& inglese);
  void aggiungiToolTip(const std::string& chiave, const std::string& italiano,
                       const std::string& inglese);

  // The text of a key in a language; the fall-back key's text ("NOERR", "NOTT") for an
  // unknown key; the empty text for a language code other than "IT" or "IN", or before
  // the catalogue is built.
  std::string getMessaggio(const std::string& chiave, const std::string& lingua) const;
  std::string getToolTip(const std::string& chiave, const std::string& lingua) const;
  // The keys of the messages, in row order.
  std::vector<std::string> chiaviMessaggi() const;

  struct Riga {
    int numero = 0;  // the row's own number, -1 for the end marker, 0 when never written
    std::string chiave;
    std::string italiano;
    std::string inglese;
  };
  struct Tabella {
    std::array<Riga, kRighe> righe{};
    int conteggio = 0;
  };

 private:
  int numMessaggi() const { return messaggi_.conteggio; }
  int numToolTip() const { return toolTip_.conteggio; }

  Tabella messaggi_;
  Tabella toolTip_;
};

// The text with %1 to %9 replaced by the arguments in one pass, so that an argument holding
// "%1" stays as it is; a placeholder with no argument stays too.
std::string componi(const std::string& testo, const std::vector<std::string>& argomenti);

}  // namespace veltrano
