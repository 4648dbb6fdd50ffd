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

// Changes leave the old text behind until there is enough of it to drop: across many
// updates, renames and deletions every row keeps exactly its own values, in order.
TEST(ProfileTable, KeepsEveryValueWhileOldTextIsDropped) {
  ProfileTable t;
  std::vector<std::pair<std::string, std::string>> model;  // name, IP
  for (int i = 0; i < 60; ++i) {
    model.emplace_back("C" + std::to_string(i), "10.0.0." + std::to_string(i));
    ASSERT_TRUE(t.inserisciConnessione(valori(model.back().first, model.back().second)));
  }
  const std::string lungo(5000, 'x');
  for (int round = 0; round < 30; ++round) {
    for (std::size_t i = static_cast<std::size_t>(round) % 3; i < model.size(); i += 3) {
      model[i].second = lungo + std::to_string(round);
      ASSERT_TRUE(t.updateConnessione(model[i].first, valori(model[i].first, model[i].second)));
    }
    const std::size_t renamed = static_cast<std::size_t>(round * 7) % model.size();
    const std::string nuovo = model[renamed].first + "r";
    ASSERT_TRUE(t.rinominaConnessione(model[renamed].first, nuovo));
    model[renamed].first = nuovo;
    if (round % 5 == 4) {
      ASSERT_TRUE(t.eliminaConnessione(model.front().first));
      model.erase(model.begin());
    }
  }
  ASSERT_EQ(t.count(), static_cast<int>(model.size()));
  for (std::size_t i = 0; i < model.size(); ++i) {
    const int r = static_cast<int>(i) + 1;
    EXPECT_EQ(t.valore(r, kNome), model[i].first);
    EXPECT_EQ(t.valore(r, kIP), model[i].second);
    EXPECT_EQ(t.valore(r, kDHCP), "SI");
    EXPECT_EQ(t.valore(r, kProxy), "NO PROXY");
  }
}

}  // namespace
}  // namespace veltrano
