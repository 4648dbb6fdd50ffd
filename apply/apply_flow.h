// Applying a connection, or putting back what the last apply changed, from the window or the
// command line. Everything is checked before anything is written; what the adapter and the
// proxy have is recorded first; one batch runs at a time; once it has ended, however long it
// takes, the adapter and the proxy are read back and compared with what was asked. A change that
// could cut the user off waits to be kept: unless it is, the elevated batch puts the record back
// by itself. Nothing here blocks: the flow moves on in small steps through Platform::afterDelay.
#pragma once

#include <functional>
#include <optional>
#include <string>

#include "apply/apply_checks.h"
#include "apply/apply_plan.h"
#include "apply/apply_request.h"
#include "apply/proxy_settings.h"
#include "shell/services.h"

namespace veltrano {

enum class ApplyOutcome { Verified, NotVerified, Refused, Declined, Busy, Reverted };
// Where a started apply stands: at the administrator prompt, netsh running, the adapter read back.
enum class ApplyPhase { Administrator, Running, Checking };

class ApplyFlow {
 public:
  // The catalogue text of a key in the language of the moment, and how an error reaches the user.
  using Testo = std::function<std::string(const std::string& chiave)>;
  using Mostra = std::function<void(const std::string& testo)>;
  using Fine = std::function<void(ApplyOutcome)>;
  using Avanzamento = std::function<void(ApplyPhase)>;

  static constexpr int kPassoMs = 250;
  static constexpr int kPassiAttesa = 20;    // a later apply waits 5 s for an earlier batch
  static constexpr int kPassiVerifica = 20;  // the adapter is given 5 s to settle

  ApplyFlow(Services services, Testo testo, Mostra mostra);
  ApplyFlow(const ApplyFlow&) = delete;
  ApplyFlow& operator=(const ApplyFlow&) = delete;

  // Applies the request with lastconnection.bat in `cartella` (ending in "\"). `fine` runs
  // once with the outcome, perhaps before applica returns, and before any message about it.
  // While an earlier batch still runs the request waits for it, taking the place of any request
  // that was waiting already. `avanza`, when given, hears of each phase as it begins. With
  // `conferma`, the change is kept only when the user says so within that many seconds.
  void applica(const ApplyRequest& richiesta, const std::string& cartella, Fine fine,
               Avanzamento avanza = {}, std::optional<int> conferma = {});
  // The same for what the record in `cartella` holds: what the last apply changed, put back.
  void ripristina(const std::string& cartella, Fine fine, Avanzamento avanza = {},
                  std::optional<int> conferma = {});

  // The window has gone: nothing more is shown or started. A batch already running goes on,
  // held by the batch runner until it ends.
  void abbandona();

 private:
  struct Preparato {
    Piano piano;
    std::string cartella;
    std::string bytes;   // lastconnection.bat, in the console's code page
    std::string revert;  // lastrevert.bat, when the change is to be confirmed
    std::optional<int> conferma;
    Fine fine;
    Avanzamento avanza;
    std::optional<ProxyState> proxyPrima;  // as WinINet showed it before the apply
    std::optional<UndoRecord> record;      // taken right before the batch was written
  };
  enum class Fase { Esecuzione, Verifica, Ritorno };

  void metti(Preparato preparato, const std::optional<std::string>& rifiuto);
  // The message of a refusal, or nothing when the plan may go ahead.
  std::optional<std::string> prepara(Preparato& preparato) const;
  std::optional<std::string> controllaInterfaccia(const std::string& nome) const;
  std::optional<std::string> registra(Preparato& preparato);
  void passo();
  void programma();
  void avanzaCorrente();
  void chiediConferma(Preparato& corrente);
  void provaAvvio();
  void aspetta();
  void avvia(Preparato preparato, const std::vector<std::string>& files);
  void annuncia(const Preparato& preparato, ApplyPhase fase);
  void scriviProxy(const Piano& piano);
  void concludi(ApplyOutcome esito, std::vector<Motivo> differenze);
  std::string testoDi(const Motivo& motivo) const;
  void termina(Preparato& preparato, ApplyOutcome esito, const std::string& messaggio);

  Services s_;
  Testo testo_;
  Mostra mostra_;
  std::optional<Preparato> attesa_;  // checked, waiting for the batch file
  int passiAttesa_ = 0;
  std::optional<Preparato> corrente_;  // its batch runs, or it is being verified
  Fase fase_ = Fase::Esecuzione;
  int passiCorrente_ = 0;
  int msInAttesa_ = 0;       // since the elevated batch began to wait for a keep
  bool chiesto_ = false;     // the keep-or-revert box has been answered
  bool ripristino_ = false;  // the record is being put back: it is what the adapter should show
  bool programmato_ = false;
  bool inPasso_ = false;
  bool abbandonato_ = false;
};

}  // namespace veltrano
