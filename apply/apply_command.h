// veltrano.exe /apply NAME [/confirm [SECONDS]] [/quiet] and /undo [/quiet]: applies a stored
// connection, or puts back what the last apply changed, without showing the window.
#pragma once

#include <functional>
#include <memory>

#include "apply/apply_flow.h"
#include "lang/messaggi.h"
#include "shell/command_line.h"
#include "shell/services.h"
#include "store/profile_file.h"

namespace veltrano {

// Exit codes of the command line.
inline constexpr int kExitVerified = 0;    // applied (and kept), and found as asked
inline constexpr int kExitNotApplied = 1;  // refused, declined, busy, reverted, or not as asked
inline constexpr int kExitUsage = 2;       // an argument not understood, or no profile file

class ApplyCommand {
 public:
  explicit ApplyCommand(Services services);

  // Runs a command other than Window. `done` gets the exit code once the outcome is known,
  // perhaps before run returns and perhaps before the box that tells it has been closed; until
  // then the caller keeps its message loop turning, so that the delays of Platform::afterDelay
  // run. velt2.ini is read, never written.
  void run(const CommandLine& command, std::function<void(int exitCode)> done);

 private:
  bool leggiProfilo();
  void applica(const std::string& nome, std::optional<int> conferma,
               std::function<void(int exitCode)> done);
  // Tells a verified apply or a refused prompt, which nothing else would, then ends.
  ApplyFlow::Fine finale(const std::string& nome, std::function<void(int exitCode)> done);
  std::string messaggio(const std::string& chiave) const;
  void mostra(const std::string& testo, int stile) const;

  Services s_;
  bool silenzioso_ = false;
  std::string cartella_;
  Catalogo messaggi_;
  Profilo profilo_;
  std::unique_ptr<ApplyFlow> flusso_;
};

}  // namespace veltrano
