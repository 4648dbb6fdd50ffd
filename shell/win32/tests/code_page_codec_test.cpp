#include "shell/win32/code_page_codec.h"

#include <gtest/gtest.h>

namespace veltrano::win32 {
namespace {

const CodePageCodec ansi1252(1252);
const CodePageCodec oem850(850);

TEST(CodePageCodec, WindowsLatin1CarriesItalianLettersAndTheEuroSign) {
  EXPECT_EQ(ansi1252.fromUtf8("Sì, già €"), std::string("S\xEC, gi\xE0 \x80"));
  EXPECT_EQ(ansi1252.toUtf8("S\xEC, gi\xE0 \x80"), "Sì, già €");
}

TEST(CodePageCodec, ConsoleCodePageUsesItsOwnBytesForTheSameLetters) {
  EXPECT_EQ(oem850.fromUtf8("è"), std::string("\x8A"));
  EXPECT_EQ(oem850.toUtf8("\x8A"), "è");
}

TEST(CodePageCodec, CharacterWithoutAnExactByteIsRefusedRatherThanApproximated) {
  // Best fit would turn these into plain letters.
  EXPECT_EQ(ansi1252.fromUtf8("Łódź"), std::nullopt);
  EXPECT_EQ(oem850.fromUtf8("€"), std::nullopt);
}

TEST(CodePageCodec, InvalidUtf8IsRefused) {
  EXPECT_EQ(ansi1252.fromUtf8("abc\xFF"), std::nullopt);
}

TEST(CodePageCodec, EmptyTextStaysEmptyBothWays) {
  EXPECT_EQ(ansi1252.fromUtf8(""), std::string());
  EXPECT_EQ(ansi1252.toUtf8(""), "");
}

TEST(CodePageCodec, EveryByteDecodesToSomeText) {
  for (int byte = 1; byte < 256; ++byte) {
    const std::string one(1, static_cast<char>(byte));
    EXPECT_FALSE(ansi1252.toUtf8(one).empty()) << byte;
  }
}

}  // namespace
}  // namespace veltrano::win32
