// velt2.ini as bytes: what reads, what it reads as, and what is written back; the encodings a
// file may come in; and the table of connections against a plain model of it.
#include <gtest/gtest.h>

#include <random>

#include "shell/text_codec.h"
#include "store/profile_file.h"

namespace veltrano {
namespace {

std::string nine(const std::string& name) {
  return name + "\r\n1\r\n2\r\n3\r\n4\r\n5\r\n6\r\nNO\r\nSI\r\n";
}

TEST(ProfileFile, ReadsWhatItCanAndWritesEveryLineBackInItsForm) {
  std::string everyByte;  // each byte of the code page but the line ends, in one value
  for (int b = 1; b < 256; ++b) {
    everyByte += b == '\r' || b == '\n' ? "" : std::string(1, static_cast<char>(b));
  }
  const std::string head = "L\r\n\r\nIT\r\n1\r\n";
  const std::pair<std::string, std::optional<std::string>> rows[] = {
      {"LAN\r\n\r\nIT\r\n0\r\n", "LAN\r\n\r\nIT\r\n0\r\n"},
      {" L \r\n r \r\nIN\r\n 1 \r\n" + nine(" A "), " L \r\n r \r\nIN\r\n 1 \r\n" + nine("A")},
      {head + nine("  "), head + nine("")},
      {"L\nr\rIT\r\n1\n" + nine("A") + "extra\r\n", "L\r\nr\r\nIT\r\n1\r\n" + nine("A")},
      {head + nine("A").substr(0, 36), head + nine("A")},
      {head + nine(everyByte), head + nine(everyByte)},
      {"L\r\n\r\nIT\r\n2\r\n" + nine("A"), std::nullopt},
      {"L\r\n\r\nIT", std::nullopt},
      {"", std::nullopt},
  };
  for (const auto& [in, out] : rows) {
    Profilo profilo;
    EXPECT_EQ(leggiProfiloDaByte(in, windows1252(), profilo), out.has_value())
        << ::testing::PrintToString(in);
    EXPECT_EQ(out ? scriviProfiloInByte(profilo, windows1252()) : out, out)
        << ::testing::PrintToString(in);
  }
  for (const std::string count : {"", " ", "abc", "-1", "+1", "1001", "3abc", "1e3", "0x1"}) {
    Profilo profilo;
    EXPECT_FALSE(leggiProfilo("L\r\n\r\nIT\r\n" + count + "\r\n", profilo)) << count;
  }
}

TEST(ProfileFile, UTF8FilesAreReadAsUTF8AndWrittenBackSo) {
  const std::string head = "L\r\n\r\nIT\r\n1\r\n", bom = "\xEF\xBB\xBF";
  const std::tuple<std::string, ProfileEncoding, std::string> rows[] = {
      {bom + head + nine("Citt\xC3\xA0"), ProfileEncoding::Utf8WithBom, "Citt\xC3\xA0"},
      {head + nine("Citt\xC3\xA0"), ProfileEncoding::Utf8, "Citt\xC3\xA0"},
      {head + nine("Citt\xE0"), ProfileEncoding::Ansi, "Citt\xC3\xA0"},
      {head + nine("Citt\xC3(\xA0"), ProfileEncoding::Ansi, "Citt\xC3\x83(\xC2\xA0"},
  };
  for (const auto& [bytes, encoding, name] : rows) {
    Profilo profilo;
    ASSERT_TRUE(leggiProfiloDaByte(bytes, windows1252(), profilo));
    EXPECT_EQ(profilo.codifica, encoding) << name;
    EXPECT_EQ(profilo.interfaccia + profilo.connessioni.riga(1)[kNome], "L" + name);
    EXPECT_EQ(scriviProfiloInByte(profilo, windows1252()), bytes) << name;
  }
  // An ANSI file that would read back as UTF-8 once a typed "Ã¨" is in it goes out as UTF-8.
  Profilo profilo, again;
  profilo.interfaccia = "\xC3\x83\xC2\xA8";
  ASSERT_TRUE(
      leggiProfiloDaByte(*scriviProfiloInByte(profilo, windows1252()), windows1252(), again));
  EXPECT_EQ(again.interfaccia, profilo.interfaccia);
  EXPECT_TRUE(encodeProfile("\xCE\xA9", ProfileEncoding::Utf8, windows1252()));
}

// Random changes to the table and to a plain list of rows must agree, through the limit, names
// used twice, values with line breaks and the compaction of old text.
TEST(ProfileTable, AgreesWithAPlainModelThroughRandomChanges) {
  std::mt19937 random(7);
  const auto pick = [&random](unsigned n) { return static_cast<std::size_t>(random() % n); };
  const std::string names[] = {"A", " A ", "A ", "b", "C\r", "", "  ", "n"};
  const auto value = [&] {
    return pick(20) == 0 ? std::string(3000 + pick(3000), 'v') : names[pick(8)];
  };
  const auto broken = [](const std::string& s) { return s.find_first_of("\r\n") != s.npos; };
  ProfileTable table;
  std::vector<Riga> model(kMaxConnessioni, Riga{"n", "", "", "", "", "", "", "NO", "SI"});
  for (int r = 0; r <= kMaxConnessioni; ++r) {
    ASSERT_EQ(table.inserisciConnessione({"n", "SI", "", "", "", "", "NO", "", ""}),
              r < kMaxConnessioni);
  }
  const auto last = [&model](const std::string& name) {
    return std::find_if(model.rbegin(), model.rend(),
                        [&](const Riga& r) { return r[kNome] == name; });
  };
  for (int step = 0; step < 4000; ++step) {
    const std::string name = names[pick(8)];
    Riga typed, row;
    std::generate(typed.begin(), typed.end(), value);
    const ValoriConnessione v{typed[kNome], "SI", typed[kIP],    typed[kMask],     typed[kGateway],
                              typed[kDNS],  "NO", typed[kProxy], typed[kProxyPort]};
    std::transform(typed.begin(), typed.end(), row.begin(), trimBlanks);
    row[kUseProxy] = "NO", row[kDHCP] = "SI";
    const bool clean = std::none_of(row.begin(), row.end(), broken);
    const auto at = last(name);
    const bool found = at != model.rend();
    switch (pick(4)) {
      case 0:
        ASSERT_EQ(table.inserisciConnessione(v), clean && model.size() < kMaxConnessioni);
        model.insert(model.end(), clean && model.size() < kMaxConnessioni ? 1 : 0, row);
        break;
      case 1:
        ASSERT_EQ(table.updateConnessione(name, v), found && clean);
        std::fill_n(at, found && clean ? 1 : 0, row);
        break;
      case 2:
        ASSERT_EQ(table.rinominaConnessione(name, v.nome), found && !broken(v.nome));
        if (found && !broken(v.nome)) {
          (*at)[kNome] = v.nome;
        }
        break;
      default:
        ASSERT_EQ(table.eliminaConnessione(name), found);
        model.erase(found ? std::prev(at.base()) : model.end(), found ? at.base() : model.end());
    }
    ASSERT_EQ(table.count(), static_cast<int>(model.size()));
    ASSERT_EQ(table.cercaConnessione(name),
              last(name) == model.rend() ? -1 : static_cast<int>(model.rend() - last(name)));
  }
  std::string expected, written;
  for (const Riga& riga : model) {
    for (const std::string& cell : riga) {
      expected += trimBlanks(cell) + "\r\n";
    }
  }
  table.appendLines(written);
  EXPECT_EQ(written, expected);
}

}  // namespace
}  // namespace veltrano
