// The message catalogue: every text of the window that changes with the language, in
// Italian ("IT") and English ("IN"), built into the program.
#pragma once

#include <array>
#include <string>

namespace veltrano {

class Catalogo {
 public:
  static constexpr int kRighe = 61;  // rows 0 to 60; row 0 unused, one row for the end marker

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

  int numMessaggi() const { return messaggi_.conteggio; }
  int numToolTip() const { return toolTip_.conteggio; }

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
  const Tabella& messageTable() const { return messaggi_; }
  const Tabella& toolTipTable() const { return toolTip_; }

 private:
  Tabella messaggi_;
  Tabella toolTip_;
};

}  // namespace veltrano
