// Any connection name, adapter name and address texts: buildBatch either refuses exactly the
// texts it cannot carry, or gives three CR LF lines that cmd.exe reads as the comment and the
// two netsh commands with the texts exactly as typed, and nothing else.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstddef>
#include <cstdint>

#include "apply/batch_file.h"
#include "fuzz_check.h"
#include "support/cmd_reading.h"

namespace {

using veltrano::fuzz::require;
namespace reliability = veltrano::reliability;

constexpr std::size_t kLongestText = 300;

bool carriable(const veltrano::BatchInput& input) {
  if (reliability::uncarriable(input.nome, true) ||
      reliability::uncarriable(input.interfaccia, false)) {
    return false;
  }
  if (input.dhcp) {
    return true;  // the address texts are not used
  }
  for (const auto* text : {&input.ip, &input.mask, &input.gateway, &input.dns}) {
    if (reliability::uncarriable(*text, false)) {
      return false;
    }
  }
  return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  FuzzedDataProvider provider(data, size);
  veltrano::BatchInput input;
  input.dhcp = provider.ConsumeBool();
  for (auto* text :
       {&input.nome, &input.interfaccia, &input.ip, &input.mask, &input.gateway, &input.dns}) {
    *text = provider.ConsumeRandomLengthString(kLongestText);
  }
  const auto batch = veltrano::buildBatch(input);
  require(batch.has_value() == carriable(input),
          "refused exactly when a text holds a character that cannot be carried");
  if (!batch) {
    return 0;
  }
  const auto read = reliability::readBatchAsCmd(*batch);
  require(read.has_value(),
          "three CR LF lines with the fixed starts, none of which cmd.exe would extend");
  require(read->address == reliability::expectedAddressLine(input),
          "netsh receives the address line as typed");
  require(read->dns == reliability::expectedDnsLine(input), "netsh receives the DNS line as typed");
  if (input.nome.find('"') == std::string::npos) {
    require(read->comment == std::string(reliability::kCommentStart) + input.nome,
            "the comment holds the connection name as typed");
  }
  return 0;
}
