// What one apply will do, worked out before anything is written: the batch's bytes, the proxy's
// registry writes and what the adapter and proxy should show after. From a connection, or from
// the record an undo puts back.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "apply/apply_checks.h"
#include "apply/apply_request.h"
#include "apply/registry.h"
#include "apply/undo_record.h"
#include "apply/verification.h"
#include "shell/text_codec.h"

namespace veltrano {

// A proxy value written, or deleted when it has no value.
struct ScritturaProxy {
  std::string nome;
  std::optional<RegistryValue> valore;
};

struct Piano {
  std::string nome;  // in messages, the status bar and the batch's comment line
  std::string interfaccia;
  std::string righe;  // the batch's lines, UTF-8
  std::vector<ScritturaProxy> proxy;
  Atteso atteso;
};

// A stored connection's, or the window's: refused with its reason when a check fails or a text
// cannot reach netsh (BATCHCHARS) or the registry.
std::optional<Piano> pianoDi(const ApplyRequest& request, const TextCodec& ansi, Motivo& rifiuto);

// Putting a record back, under the name `nome`; nullopt when it cannot be.
std::optional<Piano> pianoDi(const UndoRecord& record, const std::string& nome,
                             const TextCodec& ansi);

}  // namespace veltrano
