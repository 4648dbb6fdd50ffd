// The built-in code pages and the UTF-8 check, against glibc's own converters.
#include <gtest/gtest.h>

#include <iconv.h>

#include <random>

#include "shell/text_codec.h"

namespace veltrano {
namespace {

// glibc's conversion, or nullopt when it refuses the bytes.
std::optional<std::string> iconvert(const char* from, const char* to, std::string in) {
  const iconv_t cd = iconv_open(to, from);
  std::string out(in.size() * 4 + 4, '\0');
  char *inPtr = in.data(), *outPtr = out.data();
  std::size_t inLeft = in.size(), outLeft = out.size();
  const bool ok = iconv(cd, &inPtr, &inLeft, &outPtr, &outLeft) != static_cast<std::size_t>(-1);
  iconv_close(cd);
  out.resize(out.size() - outLeft);
  return ok ? std::optional(out) : std::nullopt;
}

TEST(TextCodec, EveryByteOfBothCodePagesDecodesAsGlibcSaysAndEncodesBack) {
  const std::pair<const TextCodec*, const char*> pages[] = {{&windows1252(), "CP1252"},
                                                            {&codePage850(), "CP850"}};
  for (const auto& [codec, name] : pages) {
    for (int b = 1; b < 256; ++b) {
      const std::string byte(1, static_cast<char>(b));
      const std::string utf8 = codec->toUtf8(byte);
      // The five bytes CP1252 leaves undefined glibc refuses; Windows gives them C1 controls.
      EXPECT_EQ(
          iconvert(name, "UTF-8", byte).value_or(iconvert("ISO-8859-1", "UTF-8", byte).value()),
          utf8)
          << name << " " << b;
      EXPECT_EQ(codec->fromUtf8(utf8), byte) << name << " " << b;
    }
  }
}

TEST(TextCodec, ATextIsEncodedExactlyWhenGlibcCanAndUTF8IsCheckedAsGlibcDoes) {
  std::mt19937 random(5);
  for (int i = 0; i < 20000; ++i) {
    std::string bytes(1 + random() % 6, '\0');
    for (char& c : bytes) {
      const unsigned pool[] = {0x41, 0x80, 0xA0, 0xC3, 0xCE, 0xE0, 0xE2, 0xED, 0xF0, 0xF4, 0xBF};
      c = static_cast<char>(pool[random() % std::size(pool)] +
                            (random() % 4 == 0 ? random() % 64 : 0));
    }
    const bool wellFormed = iconvert("UTF-8", "UTF-32LE", bytes).has_value();
    EXPECT_EQ(isWellFormedUtf8(bytes), wellFormed);
    const std::string_view cut = std::string_view(bytes).substr(0, bytes.size() - 1);  // alone
    EXPECT_EQ(isWellFormedUtf8(cut), iconvert("UTF-8", "UTF-32LE", std::string(cut)).has_value());
    if (wellFormed) {
      EXPECT_EQ(windows1252().fromUtf8(bytes).has_value(),
                iconvert("UTF-8", "CP1252", bytes).has_value());
      EXPECT_EQ(codePage850().fromUtf8(bytes), iconvert("UTF-8", "CP850", bytes));
    } else {
      EXPECT_FALSE(windows1252().fromUtf8(bytes));
    }
  }
}

}  // namespace
}  // namespace veltrano
