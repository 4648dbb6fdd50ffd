// The catalogue's rules, whatever its texts: fall-backs, language codes, a single build, the
// row limit, and the placeholders of composed messages.
#include <gtest/gtest.h>

#include "lang/messaggi.h"

namespace veltrano {
namespace {

TEST(Catalogue, UnknownKeysFallBackAndOtherLanguageCodesGiveNothing) {
  Catalogo catalogo;
  EXPECT_EQ(catalogo.getMessaggio("NOERR", "IT"), "");  // nothing before the build
  catalogo.caricaMessaggi();
  for (const std::string lingua : {"IT", "IN"}) {
    const std::string fallback = catalogo.getMessaggio("NOERR", lingua);
    EXPECT_NE(fallback, "");
    EXPECT_EQ(catalogo.getMessaggio("no such key", lingua), fallback);
    EXPECT_EQ(catalogo.getMessaggio("salva", lingua), fallback);
    EXPECT_EQ(catalogo.getMessaggio("", lingua), fallback);
    EXPECT_NE(catalogo.getMessaggio("SALVA", lingua), fallback);
    EXPECT_NE(catalogo.getToolTip("SALVA", lingua), catalogo.getMessaggio("SALVA", lingua));
    EXPECT_EQ(catalogo.getToolTip("no such key", lingua), catalogo.getToolTip("NOTT", lingua));
  }
  EXPECT_NE(catalogo.getMessaggio("NOERR", "IT"), catalogo.getMessaggio("NOERR", "IN"));
  for (const std::string lingua : {"it", "EN", "", "ITA"}) {
    EXPECT_EQ(catalogo.getMessaggio("SALVA", lingua), "");
    EXPECT_EQ(catalogo.getMessaggio("no such key", lingua), "");
    EXPECT_EQ(catalogo.getToolTip("SALVA", lingua), "");
  }
}

TEST(Catalogue, IsBuiltOnceAndAppendsStopAtTheLastFreeRow) {
  Catalogo catalogo;
  catalogo.caricaMessaggi();
  const std::string salva = catalogo.getMessaggio("SALVA", "IT");
  for (int i = 0; i < Catalogo::kRighe; ++i) {
    catalogo.aggiungiMessaggio("K" + std::to_string(i), "it" + std::to_string(i), "en");
    catalogo.aggiungiToolTip("K" + std::to_string(i), "it" + std::to_string(i), "en");
  }
  catalogo.caricaMessaggi();
  EXPECT_EQ(catalogo.getMessaggio("SALVA", "IT"), salva);
  EXPECT_EQ(catalogo.getMessaggio("K0", "IT"), "it0");
  EXPECT_EQ(catalogo.getMessaggio("K" + std::to_string(Catalogo::kRighe - 1), "IT"),
            catalogo.getMessaggio("NOERR", "IT"));
  EXPECT_EQ(catalogo.getToolTip("K0", "IN"), "en");

  Catalogo empty;
  for (int i = 1; i < Catalogo::kRighe - 1; ++i) {
    empty.aggiungiToolTip("T" + std::to_string(i), "t", "t");
  }
  empty.aggiungiToolTip("LAST", "l", "l");
  EXPECT_EQ(empty.getToolTip("T59", "IT"), "t");
  EXPECT_EQ(empty.getToolTip("LAST", "IT"), "");  // no row left, and no fall-back entry
}

TEST(Catalogue, ComposedMessagesTakeEachArgumentOnce) {
  const struct {
    const char* text;
    std::vector<std::string> args;
    const char* out;
  } rows[] = {
      {"%1: \"%2\"", {"IP", "1.2.3"}, "IP: \"1.2.3\""},
      {"%2 %1 %1", {"a", "%1"}, "%1 a a"},
      {"100% %3 %", {"x"}, "100% %3 %"},
      {"%1%", {"50"}, "50%"},
  };
  for (const auto& row : rows) {
    EXPECT_EQ(componi(row.text, row.args), row.out);
  }
}

}  // namespace
}  // namespace veltrano
