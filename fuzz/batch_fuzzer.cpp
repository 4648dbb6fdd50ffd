// Any connection name, adapter name and address texts through buildBatch.
#include <fuzzer/FuzzedDataProvider.h>

#include "support/properties.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  FuzzedDataProvider provider(data, size);
  veltrano::BatchInput input;
  input.dhcp = provider.ConsumeBool();
  input.dns.resize(provider.ConsumeIntegralInRange(0, 4));
  for (auto* text : {&input.nome, &input.interfaccia, &input.ip, &input.mask, &input.gateway}) {
    *text = provider.ConsumeRandomLengthString(300);
  }
  for (std::string& server : input.dns) {
    server = provider.ConsumeRandomLengthString(60);
  }
  veltrano::support::abortOn(veltrano::support::batchProblem(input));
  return 0;
}
