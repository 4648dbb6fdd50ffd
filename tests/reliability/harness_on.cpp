#include "reliability/harness_on.h"

namespace veltrano::reliability {

std::string catalogueText(const std::string& chiave, const std::string& lingua) {
  static const Catalogo catalogo = [] {
    Catalogo built;
    built.caricaMessaggi();
    return built;
  }();
  return catalogo.getMessaggio(chiave, lingua);
}

}  // namespace veltrano::reliability
