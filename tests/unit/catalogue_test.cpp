// The catalogue's rules, whatever its texts: fall-backs, language codes, a single build, the row
// limit, both languages for every message, and the placeholders of composed messages.
#include <gtest/gtest.h>

#include "lang/messaggi.h"

namespace veltrano {
namespace {

TEST(Catalogue, UnknownKeysFallBackOtherCodesGiveNothingAndTheBuildRunsOnce) {
  Catalogo catalogo;
  EXPECT_EQ(catalogo.getMessaggio("NOERR", "IT") + catalogo.getToolTip("NOTT", "IN"), "");
  catalogo.caricaMessaggi();
  for (const std::string lingua : {"IT", "IN"}) {
    const std::string fallback = catalogo.getMessaggio("NOERR", lingua);
    for (const char* unknown : {"no such key", "salva", ""}) {
      EXPECT_EQ(catalogo.getMessaggio(unknown, lingua), fallback);
      EXPECT_EQ(catalogo.getToolTip(unknown, lingua), catalogo.getToolTip("NOTT", lingua));
    }
    EXPECT_NE(catalogo.getMessaggio("SALVA", lingua), fallback);
    for (const std::string other : {"it", "EN", "", "ITA"}) {
      EXPECT_EQ(catalogo.getMessaggio("SALVA", other) + catalogo.getToolTip("x", other), "");
    }
  }
  EXPECT_NE(catalogo.getMessaggio("NOERR", "IT"), catalogo.getMessaggio("NOERR", "IN"));
  for (int i = 0; i < Catalogo::kRighe; ++i) {
    catalogo.aggiungiMessaggio("K" + std::to_string(i), "it" + std::to_string(i), "en");
  }
  const std::string salva = catalogo.getMessaggio("SALVA", "IT");
  catalogo.caricaMessaggi();
  EXPECT_EQ(catalogo.getMessaggio("SALVA", "IT") + catalogo.getMessaggio("K0", "IT"),
            salva + "it0");
  EXPECT_EQ(catalogo.getMessaggio("K60", "IT"), catalogo.getMessaggio("NOERR", "IT"));
}

// A translation that loses a placeholder or a line loses what the user needed to read.
TEST(Catalogue, BothLanguagesSayEveryMessageInTheSameLinesWithTheSamePlaceholders) {
  Catalogo texts;
  texts.caricaMessaggi();
  const auto shape = [](const std::string& text) {
    std::string out = text.empty() ? "empty" : "";
    for (std::size_t pos = 0; pos < text.size(); ++pos) {
      out += text[pos] == '\n' ? "/" : text[pos] == '%' ? text.substr(pos, 2) : "";
    }
    return out;
  };
  for (const std::string& key : texts.chiaviMessaggi()) {
    EXPECT_EQ(shape(texts.getMessaggio(key, "IT")), shape(texts.getMessaggio(key, "IN"))) << key;
  }
  Catalogo own;  // messages of its own already: the build leaves them alone
  own.aggiungiMessaggio("A", "a", "a"), own.aggiungiMessaggio("B", "b", "b");
  own.caricaMessaggi();
  EXPECT_EQ(own.chiaviMessaggi(), (std::vector<std::string>{"A", "B"}));
}

TEST(Catalogue, ComposedMessagesTakeEachArgumentOnce) {
  EXPECT_EQ(componi("%1: \"%2\"", {"IP", "1.2.3"}), "IP: \"1.2.3\"");
  EXPECT_EQ(componi("%2 %1 %1", {"a", "%1"}), "%1 a a");
  EXPECT_EQ(componi("100% %3 %", {"x"}), "100% %3 %");
  EXPECT_EQ(componi("%1%", {"50"}), "50%");
}

}  // namespace
}  // namespace veltrano
