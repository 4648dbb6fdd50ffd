#include "shell/win32/code_page_codec.h"

#include <gtest/gtest.h>

namespace veltrano::win32 {
namespace {

// Best fit would write a lookalike ("Lodz", "E") that the user never typed.
TEST(CodePageCodec, CharacterWithoutAnExactByteIsRefusedRatherThanApproximated) {
  EXPECT_EQ(CodePageCodec(1252).fromUtf8("Łódź"), std::nullopt);
  EXPECT_EQ(CodePageCodec(850).fromUtf8("10 €"), std::nullopt);
}

}  // namespace
}  // namespace veltrano::win32
