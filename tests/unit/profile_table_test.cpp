// The table operations: lookup by exact name, append, replace, remove, the 1000 limit.
#include <gtest/gtest.h>

#include "store/profile_table.h"

namespace veltrano {
namespace {

ValoriConnessione valori(const std::string& nome, const std::string& ip = "DHCP") {
  return {nome, "SI", ip, "DHCP", "DHCP", "DHCP", "NO", "NO PROXY", "NO PROXY"};
}

std::vector<std::string> nomi(const ProfileTable& t) {
  std::vector<std::string> out;
  for (int r = 1; r <= t.count(); ++r) {
    out.push_back(t.riga(r)[kNome]);
  }
  return out;
}

TEST(CercaConnessione, ExactCaseSensitiveAndLastOfDuplicates) {
  ProfileTable t;
  EXPECT_EQ(t.cercaConnessione(""), -1);
  t.inserisciConnessione(valori("Casa"));
  t.inserisciConnessione(valori("Ufficio"));
  t.inserisciConnessione(valori("Casa"));
  EXPECT_EQ(t.cercaConnessione("Casa"), 3);
  EXPECT_EQ(t.cercaConnessione("casa"), -1);
  EXPECT_EQ(t.cercaConnessione(" Casa"), -1);
  EXPECT_EQ(t.cercaConnessione("Ufficio"), 2);
}

TEST(InserisciConnessione, StoresTrimmedValuesInColumnOrder) {
  ProfileTable t;
  ASSERT_TRUE(
      t.inserisciConnessione({" Casa ", "NO", " 1.1.1.1", "m ", " g", "d", "SI", " p ", "   "}));
  const Riga expected = {"Casa", "1.1.1.1", "m", "g", "d", "p", "", "SI", "NO"};
  EXPECT_EQ(t.riga(1), expected);
}

TEST(InserisciConnessione, FullTableChangesNothing) {
  ProfileTable t;
  for (int i = 0; i < kMaxConnessioni; ++i) {
    ASSERT_TRUE(t.inserisciConnessione(valori(std::to_string(i))));
  }
  EXPECT_TRUE(t.full());
  EXPECT_FALSE(t.inserisciConnessione(valori("1001")));
  EXPECT_EQ(t.count(), kMaxConnessioni);
  EXPECT_EQ(t.cercaConnessione("1001"), -1);
}

TEST(UpdateConnessione, ReplacesInPlaceNameIncludedAndIgnoresUnknownNames) {
  ProfileTable t;
  t.inserisciConnessione(valori("A"));
  t.inserisciConnessione(valori("B"));
  t.inserisciConnessione(valori("C"));
  EXPECT_TRUE(t.updateConnessione("B", valori("Bis", "10.0.0.1")));
  EXPECT_EQ(nomi(t), (std::vector<std::string>{"A", "Bis", "C"}));
  EXPECT_EQ(t.riga(2)[kIP], "10.0.0.1");
  EXPECT_FALSE(t.updateConnessione("Z", valori("Z")));
  EXPECT_EQ(nomi(t), (std::vector<std::string>{"A", "Bis", "C"}));
}

TEST(EliminaConnessione, MovesLaterRowsUpAndIgnoresUnknownNames) {
  ProfileTable t;
  for (const char* n : {"A", "B", "C", "D"}) {
    t.inserisciConnessione(valori(n));
  }
  EXPECT_TRUE(t.eliminaConnessione("A"));
  EXPECT_EQ(nomi(t), (std::vector<std::string>{"B", "C", "D"}));
  EXPECT_TRUE(t.eliminaConnessione("D"));
  EXPECT_EQ(nomi(t), (std::vector<std::string>{"B", "C"}));
  EXPECT_FALSE(t.eliminaConnessione("A"));
  EXPECT_EQ(t.count(), 2);
}

// A line break in a stored value would shift every later line of velt2.ini, and the writer
// relies on the table never holding one.
TEST(ProfileTable, RefusesLineBreaksInEveryChange) {
  for (const char* bad : {"a\rb", "a\nb", "\r\n"}) {
    ProfileTable t;
    EXPECT_FALSE(t.inserisciConnessione(valori(bad)));
    EXPECT_FALSE(t.inserisciConnessione(valori("Casa", bad)));
    EXPECT_EQ(t.count(), 0);
    ASSERT_TRUE(t.inserisciConnessione(valori("Casa")));
    EXPECT_FALSE(t.updateConnessione("Casa", valori("Casa", bad)));
    EXPECT_FALSE(t.updateConnessione("Casa", valori(bad)));
    EXPECT_FALSE(t.rinominaConnessione("Casa", bad));
    EXPECT_EQ(nomi(t), (std::vector<std::string>{"Casa"}));
    EXPECT_EQ(t.riga(1)[kIP], "DHCP");
  }
}

}  // namespace
}  // namespace veltrano
