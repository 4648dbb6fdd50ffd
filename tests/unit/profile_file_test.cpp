// velt2.ini as bytes: what reads, what it reads as, and what is written back; the encodings a
// file may come in; and the table of connections against a plain model of it.
#include <gtest/gtest.h>

#include <random>

#include "shell/text_codec.h"
#include "store/profile_file.h"
#include "support/properties.h"

namespace veltrano {
namespace {

std::string nine(const std::string& name) {
  return name + "\r\n1\r\n2\r\n3\r\n4\r\n5\r\n6\r\nNO\r\nSI\r\n";
}

TEST(ProfileFile, ReadsWhatItCanAndWritesEveryLineBackInItsForm) {
  std::string everyByte;  // each byte of the code page but the line ends, in one value
  for (int b = 1; b < 256; ++b) {
    if (b != '\r' && b != '\n') {
      everyByte += static_cast<char>(b);
    }
  }
  const struct {
    std::string in;
    std::optional<std::string> out;  // nullopt: the file does not read
  } rows[] = {
      {"LAN\r\n\r\nIT\r\n0\r\n", "LAN\r\n\r\nIT\r\n0\r\n"},
      {" L \r\n r \r\nIN\r\n 1 \r\n" + nine(" A "), " L \r\n r \r\nIN\r\n 1 \r\n" + nine("A")},
      {"L\r\n\r\nIT\r\n1\r\n" + nine("A "), "L\r\n\r\nIT\r\n1\r\n" + nine("A")},
      {"L\nr\rIT\r\n1\n" + nine("A") + "extra\r\n", "L\r\nr\r\nIT\r\n1\r\n" + nine("A")},
      {"L\r\n\r\nIT\r\n1\r\n" + nine("A").substr(0, nine("A").size() - 2),
       "L\r\n\r\nIT\r\n1\r\n" + nine("A")},
      {"L\r\n\r\nIT\r\n1\r\n" + nine("  "), "L\r\n\r\nIT\r\n1\r\n" + nine("")},
      {"L\r\n\r\nIT\r\n1\r\n" + nine(everyByte), "L\r\n\r\nIT\r\n1\r\n" + nine(everyByte)},
      {"\xF0L\r\n\r\nIT\r\n0\r\n", "\xF0L\r\n\r\nIT\r\n0\r\n"},
      {"L\r\n\r\nIT\r\n2\r\n" + nine("A"), std::nullopt},
      {"L\r\n\r\nIT\r\n", std::nullopt},
      {"L\r\n\r\nIT", std::nullopt},
      {"", std::nullopt},
  };
  for (const auto& row : rows) {
    Profilo profilo;
    const bool read = leggiProfiloDaByte(row.in, windows1252(), profilo);
    EXPECT_EQ(read, row.out.has_value()) << ::testing::PrintToString(row.in);
    if (read && row.out) {
      EXPECT_EQ(scriviProfiloInByte(profilo, windows1252()), *row.out)
          << ::testing::PrintToString(row.in);
    }
    EXPECT_EQ(support::profileRoundTripProblem(row.in), "") << ::testing::PrintToString(row.in);
  }
  for (const std::string count : {"", " ", "abc", "-1", "+1", "1001", "3abc", "1e3", "0x1"}) {
    Profilo profilo;
    EXPECT_FALSE(leggiProfilo("L\r\n\r\nIT\r\n" + count + "\r\n", profilo)) << count;
  }
}

TEST(ProfileFile, AfterAChangeTheCountIsWrittenAsANumberBetweenBlanks) {
  Profilo profilo;
  ASSERT_TRUE(leggiProfilo("L\r\n\r\nIT\r\n2\r\n" + nine("A") + nine("B"), profilo));
  profilo.conteggioLetto.reset();
  ASSERT_TRUE(profilo.connessioni.eliminaConnessione("A"));
  EXPECT_EQ(scriviProfilo(profilo), "L\r\n\r\nIT\r\n 1 \r\n" + nine("B"));
}

TEST(ProfileFile, UTF8FilesAreReadAsUTF8AndWrittenBackSo) {
  const struct {
    std::string bytes;
    ProfileEncoding encoding;
    std::string name;  // as the program holds it
  } rows[] = {
      {"\xEF\xBB\xBFL\r\n\r\nIT\r\n1\r\n" + nine("Citt\xC3\xA0"), ProfileEncoding::Utf8WithBom,
       "Citt\xC3\xA0"},
      {"L\r\n\r\nIT\r\n1\r\n" + nine("Citt\xC3\xA0"), ProfileEncoding::Utf8, "Citt\xC3\xA0"},
      {"L\r\n\r\nIT\r\n1\r\n" + nine("Citt\xE0"), ProfileEncoding::Ansi, "Citt\xC3\xA0"},
      {"L\r\n\r\nIT\r\n1\r\n" + nine("Citt\xC3(\xA0"), ProfileEncoding::Ansi,
       "Citt\xC3\x83(\xC2\xA0"},
      {"L\r\n\r\nIT\r\n1\r\n" + nine("\xED\xA0\x80"), ProfileEncoding::Ansi,
       "\xC3\xAD\xC2\xA0\xE2\x82\xAC"},
      {"\xEF\xBB\xBFL\r\n\r\nIT\r\n0\r\n", ProfileEncoding::Utf8WithBom, ""},
  };
  for (const auto& row : rows) {
    Profilo profilo;
    ASSERT_TRUE(leggiProfiloDaByte(row.bytes, windows1252(), profilo))
        << ::testing::PrintToString(row.bytes);
    EXPECT_EQ(profilo.codifica, row.encoding) << ::testing::PrintToString(row.bytes);
    EXPECT_EQ(profilo.interfaccia, "L");
    if (profilo.connessioni.count() > 0) {
      EXPECT_EQ(profilo.connessioni.valore(1, kNome), row.name);
    }
    EXPECT_EQ(scriviProfiloInByte(profilo, windows1252()), row.bytes);
  }
  // An ANSI file that would read back as UTF-8 once a typed "Ã¨" is in it goes out as UTF-8.
  Profilo profilo;
  ASSERT_TRUE(leggiProfiloDaByte("L\r\n\r\nIT\r\n0\r\n", windows1252(), profilo));
  profilo.interfaccia = "\xC3\x83\xC2\xA8";
  Profilo again;
  ASSERT_TRUE(
      leggiProfiloDaByte(*scriviProfiloInByte(profilo, windows1252()), windows1252(), again));
  EXPECT_EQ(again.interfaccia, profilo.interfaccia);
  EXPECT_FALSE(encodeProfile("\xCE\xA9", ProfileEncoding::Ansi, windows1252()));
  EXPECT_TRUE(encodeProfile("\xCE\xA9", ProfileEncoding::Utf8, windows1252()));
}

// Random changes to the table and to a plain list of rows must agree, through the limit, names
// used twice, values with line breaks and the compaction of old text.
TEST(ProfileTable, AgreesWithAPlainModelThroughRandomChanges) {
  std::mt19937 random(7);
  const auto pick = [&random](int n) {
    return static_cast<int>(random() % static_cast<unsigned>(n));
  };
  const std::string names[] = {"A", " A ", "A ", "b", "C\r", "", "  "};
  const auto value = [&] {
    return pick(20) == 0 ? std::string(static_cast<std::size_t>(3000 + pick(3000)), 'v')
                         : names[pick(7)];
  };
  ProfileTable table;
  std::vector<Riga> model;
  for (int r = 0; r <= kMaxConnessioni; ++r) {
    ASSERT_EQ(table.inserisciConnessione({"n", "SI", "", "", "", "", "NO", "", ""}),
              r < kMaxConnessioni);
  }
  model.assign(kMaxConnessioni, Riga{"n", "", "", "", "", "", "", "NO", "SI"});
  const auto find = [&model](const std::string& name) {
    int found = -1;
    for (std::size_t r = 0; r < model.size(); ++r) {
      found = model[r][kNome] == name ? static_cast<int>(r) : found;
    }
    return found;
  };
  for (int step = 0; step < 4000; ++step) {
    const std::string name = pick(3) == 0 ? "n" : names[pick(7)];
    const ValoriConnessione v{value(), "SI", value(), value(), value(),
                              value(), "NO", value(), value()};
    const Riga trimmed{trimBlanks(v.nome),      trimBlanks(v.ip),       trimBlanks(v.mask),
                       trimBlanks(v.gateway),   trimBlanks(v.dns),      trimBlanks(v.proxy),
                       trimBlanks(v.proxyPort), trimBlanks(v.useProxy), trimBlanks(v.dhcp)};
    const bool clean = std::none_of(trimmed.begin(), trimmed.end(), holdsLineBreak);
    const int at = find(name);
    switch (pick(4)) {
      case 0: {
        const bool fits = clean && model.size() < kMaxConnessioni;
        ASSERT_EQ(table.inserisciConnessione(v), fits);
        if (fits) {
          model.push_back(trimmed);
        }
        break;
      }
      case 1:
        ASSERT_EQ(table.updateConnessione(name, v), at >= 0 && clean);
        if (at >= 0 && clean) {
          model[static_cast<std::size_t>(at)] = trimmed;
        }
        break;
      case 2:
        ASSERT_EQ(table.rinominaConnessione(name, v.nome), at >= 0 && !holdsLineBreak(v.nome));
        if (at >= 0 && !holdsLineBreak(v.nome)) {
          model[static_cast<std::size_t>(at)][kNome] = v.nome;
        }
        break;
      default:
        ASSERT_EQ(table.eliminaConnessione(name), at >= 0);
        if (at >= 0) {
          model.erase(model.begin() + at);
        }
    }
    ASSERT_EQ(table.count(), static_cast<int>(model.size()));
    ASSERT_EQ(table.cercaConnessione(name), find(name) < 0 ? -1 : find(name) + 1);
  }
  std::string expected;
  for (const Riga& riga : model) {
    for (const std::string& cell : riga) {
      expected += trimBlanks(cell) + "\r\n";
    }
  }
  std::string written;
  table.appendLines(written);
  EXPECT_EQ(written, expected);
  EXPECT_EQ(table.riga(1), model.front());
}

}  // namespace
}  // namespace veltrano
