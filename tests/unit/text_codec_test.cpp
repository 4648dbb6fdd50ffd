#include "shell/text_codec.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

namespace veltrano {
namespace {

std::string allBytes() {
  std::string bytes;
  for (int b = 0; b < 256; ++b) {
    bytes.push_back(static_cast<char>(b));
  }
  return bytes;
}

struct NamedCodec {
  const char* name;
  const TextCodec& codec;
};

std::vector<NamedCodec> bothCodePages() {
  return {{"Windows-1252", windows1252()}, {"CP 850", codePage850()}};
}

// --- Round trips ---------------------------------------------------------------------------

TEST(CodePages, EveryByteDecodesAndEncodesBackToItself) {
  for (const auto& [name, codec] : bothCodePages()) {
    SCOPED_TRACE(name);
    for (int b = 0; b < 256; ++b) {
      const std::string byte(1, static_cast<char>(b));
      EXPECT_EQ(codec.fromUtf8(codec.toUtf8(byte)), byte) << "byte " << b;
    }
    EXPECT_EQ(codec.fromUtf8(codec.toUtf8(allBytes())), allBytes());
  }
}

TEST(CodePages, AsciiIsTheSameInBothDirections) {
  std::string ascii;
  for (int b = 0; b < 128; ++b) {
    ascii.push_back(static_cast<char>(b));
  }
  for (const auto& [name, codec] : bothCodePages()) {
    SCOPED_TRACE(name);
    EXPECT_EQ(codec.toUtf8(ascii), ascii);
    EXPECT_EQ(codec.fromUtf8(ascii), ascii);
  }
}

TEST(CodePages, EmptyTextStaysEmpty) {
  for (const auto& [name, codec] : bothCodePages()) {
    SCOPED_TRACE(name);
    EXPECT_EQ(codec.toUtf8(""), "");
    EXPECT_EQ(codec.fromUtf8(""), "");
  }
}

// --- Known characters ----------------------------------------------------------------------

TEST(Windows1252, ItalianTextAndTheEuroSignHaveTheirBytes) {
  const auto& codec = windows1252();
  EXPECT_EQ(codec.fromUtf8("Sì"), "S\xEC");
  EXPECT_EQ(codec.fromUtf8("è"), "\xE8");
  EXPECT_EQ(codec.fromUtf8("€"), "\x80");
  EXPECT_EQ(codec.fromUtf8("“Forlì” – già"),
            "\x93"
            "Forl\xEC\x94 \x96 gi\xE0");
  EXPECT_EQ(codec.toUtf8("\x80 \x9F \xFF"), "€ Ÿ ÿ");
}

TEST(Windows1252, UndefinedBytesDecodeToTheControlCodePointOfTheSameValue) {
  const auto& codec = windows1252();
  const std::vector<std::pair<std::string, std::string>> undefined = {{"\x81", "\u0081"},
                                                                      {"\x8D", "\u008D"},
                                                                      {"\x8F", "\u008F"},
                                                                      {"\x90", "\u0090"},
                                                                      {"\x9D", "\u009D"}};
  for (const auto& [byte, text] : undefined) {
    EXPECT_EQ(codec.toUtf8(byte), text);
    EXPECT_EQ(codec.fromUtf8(text), byte);
  }
  // The other C1 code points have no byte: 0x85 is the ellipsis, not U+0085.
  EXPECT_EQ(codec.fromUtf8("\u0085"), std::nullopt);
  EXPECT_EQ(codec.fromUtf8("…"), "\x85");
}

TEST(CodePage850, ItalianTextHasItsBytesButTheEuroSignHasNone) {
  const auto& codec = codePage850();
  EXPECT_EQ(codec.fromUtf8("Sì"), "S\x8D");
  EXPECT_EQ(codec.fromUtf8("è"), "\x8A");
  EXPECT_EQ(codec.fromUtf8("Forlì è già"), "Forl\x8D \x8A gi\x85");
  EXPECT_EQ(codec.fromUtf8("€"), std::nullopt);
  EXPECT_EQ(codec.toUtf8("\x80\xD5\xFE\xFF"), "Çı■\u00A0");
}

TEST(CodePage850, ControlBytesAreControlCharactersNotTheirConsoleGlyphs) {
  const auto& codec = codePage850();
  EXPECT_EQ(codec.toUtf8("\x01\x0A\x1A\x7F"), "\x01\x0A\x1A\x7F");
  EXPECT_EQ(codec.fromUtf8("☺"), std::nullopt);
  EXPECT_EQ(codec.fromUtf8("⌂"), std::nullopt);
}

// --- Refusals ------------------------------------------------------------------------------

TEST(CodePages, CharactersWithoutAnExactByteAreRefusedNotReplacedByALookalike) {
  // Most have a best-fit lookalike (l, Lodz, a plain & or ", a blank, a plain a) that would
  // silently change the text; the fullwidth & and " would even become characters cmd acts on.
  const std::vector<std::string> outside = {"ł", "Łódź", "😀", "＆", "＂", "\u2003", "a\u0301"};
  for (const auto& [name, codec] : bothCodePages()) {
    SCOPED_TRACE(name);
    for (const auto& text : outside) {
      EXPECT_EQ(codec.fromUtf8(text), std::nullopt) << text;
      EXPECT_EQ(codec.fromUtf8("ok " + text + " ok"), std::nullopt) << text;
    }
  }
  EXPECT_EQ(codePage850().fromUtf8("“x”"), std::nullopt);
}

TEST(CodePages, InvalidUtf8IsRefused) {
  const std::vector<std::pair<const char*, std::string>> invalid = {
      {"stray continuation byte", "a\x80"},
      {"lead byte at the end", "a\xC3"},
      {"lead byte before ASCII",
       "\xC3"
       "a"},
      {"overlong slash", "\xC0\xAF"},
      {"overlong three-byte form", "\xE0\x80\xAF"},
      {"surrogate", "\xED\xA0\x80"},
      {"beyond U+10FFFF", "\xF4\x90\x80\x80"},
      {"invalid lead byte", "\xFF"},
      {"truncated four-byte form", "\xF0\x9F\x98"},
  };
  for (const auto& [name, codec] : bothCodePages()) {
    for (const auto& [label, bytes] : invalid) {
      SCOPED_TRACE(std::string(name) + ": " + label);
      EXPECT_EQ(codec.fromUtf8(bytes), std::nullopt);
    }
  }
}

}  // namespace
}  // namespace veltrano
