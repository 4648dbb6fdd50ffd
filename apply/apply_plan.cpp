#include "apply/apply_plan.h"

#include "apply/batch_file.h"
#include "apply/registry_writes.h"
#include "apply/restore_batch.h"

namespace veltrano {

std::optional<Piano> pianoDi(const ApplyRequest& r, const TextCodec& ansi, Motivo& rifiuto) {
  if (const auto motivo = checkRequest(r)) {
    rifiuto = *motivo;
    return std::nullopt;
  }
  const auto righe =
      buildBatch({r.nome, r.interfaccia, r.dhcp, r.ip, r.mask, r.gateway, dnsList(r.dns)});
  const auto server = ansi.fromUtf8(r.proxy + ":" + r.proxyPort);
  if (!righe || (r.useProxy && !server)) {
    rifiuto = {"BATCHCHARS", {}, {}};
    return std::nullopt;
  }
  Piano piano{r.nome, r.interfaccia, *righe, {}, attesoDi(r)};
  piano.proxy.push_back({"ProxyEnable", RegistryValue{kRegDword, regDwordData(r.useProxy)}});
  if (r.useProxy) {
    piano.proxy.push_back({"ProxyServer", RegistryValue{kRegSz, regSzData(*server)}});
    piano.proxy.push_back({"ProxyOverride", RegistryValue{kRegSz, regSzData("<local>")}});
  }
  return piano;
}

std::optional<Piano> pianoDi(const UndoRecord& record, const std::string& nome,
                             const TextCodec& ansi) {
  const auto righe = buildRestoreBatch(record, nome);
  if (!righe) {
    return std::nullopt;
  }
  Piano piano{nome, record.interfaccia, *righe, {}, attesoDi(record, ansi)};
  for (const char* valore : kProxyValues) {
    const auto found = record.proxy.find(valore);
    piano.proxy.push_back(
        {valore, found == record.proxy.end() ? std::nullopt : std::optional(found->second)});
  }
  return piano;
}

}  // namespace veltrano
