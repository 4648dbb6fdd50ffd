// The real ANSI and OEM code pages of the machine, as the profile file and cmd.exe use them.
#pragma once

#include <windows.h>

#include "shell/text_codec.h"

namespace veltrano::win32 {

class CodePageCodec final : public TextCodec {
 public:
  explicit CodePageCodec(UINT codePage) : codePage_(codePage) {}

  std::string toUtf8(std::string_view bytes) const override;
  std::optional<std::string> fromUtf8(std::string_view utf8) const override;

  UINT codePage() const { return codePage_; }

 private:
  UINT codePage_;
};

// The code pages in force for this process (GetACP, GetOEMCP).
const CodePageCodec& ansiCodePage();
const CodePageCodec& oemCodePage();

}  // namespace veltrano::win32
