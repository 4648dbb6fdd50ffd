// velt2.ini read and written: line ends, the count forms, broken files and round trips.
#include <gtest/gtest.h>

#include "shell/text_codec.h"
#include "store/profile_file.h"

namespace veltrano {
namespace {

std::string crlf(const std::vector<std::string>& lines) {
  std::string out;
  for (const auto& l : lines) {
    out += l + "\r\n";
  }
  return out;
}

const std::vector<std::string> kConnection = {
    "Casa", "1.1.1.1", "255.0.0.0", "1.1.1.254", "8.8.8.8", "NO PROXY", "NO PROXY", "NO", "NO"};

std::vector<std::string> withConnections(std::vector<std::string> header, int count) {
  for (int i = 0; i < count; ++i) {
    auto c = kConnection;
    c[0] += std::to_string(i);
    header.insert(header.end(), c.begin(), c.end());
  }
  return header;
}

TEST(SplitLines, CrLfLoneCrAndLoneLfEachEndALine) {
  const std::string text = "a\r\nb\rc\nd\r\n\r\ne";
  const auto lines = splitLines(text);
  EXPECT_EQ(lines, (std::vector<std::string_view>{"a", "b", "c", "d", "", "e"}));
  EXPECT_TRUE(splitLines("").empty());
  EXPECT_EQ(splitLines("x\r\n").size(), 1u);
}

TEST(Conteggio, AcceptsDigitsWithBlanksAndRefusesTheRest) {
  EXPECT_EQ(parseConteggio("0"), 0);
  EXPECT_EQ(parseConteggio(" 3 "), 3);
  EXPECT_EQ(parseConteggio("  1000"), 1000);
  EXPECT_EQ(parseConteggio("007"), 7);
  for (const char* bad :
       {"", "   ", "-1", "1001", "99999", "abc", "3abc", "1e3", "+1", "3 4", "\t3", "0x10"}) {
    EXPECT_EQ(parseConteggio(bad), std::nullopt) << "'" << bad << "'";
  }
}

TEST(LeggiProfilo, ReadsHeaderAndRowsExactlyAsWritten) {
  Profilo p;
  const auto lines = withConnections({" Wi-Fi ", " x ", "IN", "2"}, 2);
  ASSERT_TRUE(leggiProfilo(crlf(lines), p));
  EXPECT_EQ(p.interfaccia, " Wi-Fi ");
  EXPECT_EQ(p.riservato, " x ");
  EXPECT_EQ(p.lingua, "IN");
  EXPECT_EQ(p.conteggioLetto, "2");
  ASSERT_EQ(p.connessioni.count(), 2);
  EXPECT_EQ(p.connessioni.riga(2)[kNome], "Casa1");
  EXPECT_EQ(p.connessioni.riga(2)[kDNS], "8.8.8.8");
}

TEST(LeggiProfilo, ExtraLinesAreIgnoredAndVanishAtTheNextWrite) {
  Profilo p;
  auto lines = withConnections({"LAN", "", "IT", "1"}, 1);
  lines.push_back("leftover");
  ASSERT_TRUE(leggiProfilo(crlf(lines), p));
  lines.pop_back();
  EXPECT_EQ(scriviProfilo(p), crlf(lines));
}

TEST(LeggiProfilo, BrokenFilesFailButKeepWhatWasRead) {
  const std::vector<std::string> broken = {
      "",
      crlf({"LAN", "", "IN"}),
      crlf({"LAN", "", "IN", ""}),
      crlf({"LAN", "", "IN", "-1"}),
      crlf({"LAN", "", "IN", "1001"}),
      crlf({"LAN", "", "IN", "abc"}),
      crlf(withConnections({"LAN", "", "IN", "3"}, 2)),
      crlf({"LAN", "", "IN", "1", "Casa", "1.1.1.1"}),
  };
  for (const auto& text : broken) {
    Profilo p;
    EXPECT_FALSE(leggiProfilo(text, p)) << text;
    if (!text.empty()) {
      EXPECT_EQ(p.lingua, "IN") << text;
    }
  }
}

TEST(LeggiProfilo, ForeignLineEndsReadTheSame) {
  const auto lines = withConnections({"LAN", "", "IT", "2"}, 2);
  std::string lf, cr;
  for (const auto& l : lines) {
    lf += l + "\n";
    cr += l + "\r";
  }
  Profilo a, b, c;
  ASSERT_TRUE(leggiProfilo(crlf(lines), a));
  ASSERT_TRUE(leggiProfilo(lf, b));
  ASSERT_TRUE(leggiProfilo(cr, c));
  EXPECT_EQ(scriviProfilo(b), scriviProfilo(a));
  EXPECT_EQ(scriviProfilo(c), scriviProfilo(a));
}

TEST(ScriviProfilo, CountIsWrittenAsReadUntilItChanges) {
  Profilo p;
  auto lines = withConnections({"LAN", "", "IT", "2"}, 2);
  ASSERT_TRUE(leggiProfilo(crlf(lines), p));
  EXPECT_EQ(scriviProfilo(p), crlf(lines));
  p.connessioni.inserisciConnessione(
      {"Nuova", "SI", "DHCP", "DHCP", "DHCP", "DHCP", "NO", "NO PROXY", "NO PROXY"});
  p.conteggioLetto.reset();
  EXPECT_EQ(splitLines(*scriviProfilo(p))[3], " 3 ");
}

TEST(ScriviProfilo, EmptyProfileIsFourLinesAndConnectionValuesAreTrimmed) {
  Profilo p;
  ASSERT_TRUE(leggiProfilo(crlf({"  LAN ", "", "IT", "0"}), p));
  EXPECT_EQ(scriviProfilo(p), crlf({"  LAN ", "", "IT", "0"}));

  auto lines = withConnections({"LAN", "", "IT", "1"}, 1);
  lines[5] = "  1.1.1.1 ";
  ASSERT_TRUE(leggiProfilo(crlf(lines), p = Profilo{}));
  EXPECT_EQ(p.connessioni.riga(1)[kIP], "  1.1.1.1 ");  // kept in memory as read
  lines[5] = "1.1.1.1";
  EXPECT_EQ(scriviProfilo(p), crlf(lines));
}

// The table refuses line breaks itself; the header lines are the writer's to check.
// The table hands untouched lines to the writer in runs; changed, padded and moved rows
// break the runs, and the file must still come out line for line.
TEST(ScriviProfilo, WritesEveryLineAfterChangesToARowThatWasRead) {
  auto lines = withConnections({"LAN", "", "IT", "4"}, 4);
  lines[4 + 9 + 1] = " 2.2.2.2";  // Casa1's IP, padded in the file
  lines[4 + 27 + 8] = "NO  ";     // Casa3's DHCP, padded, the last line
  std::string text = crlf(lines);
  text.replace(text.size() - 2, 2, "\n");  // which ends in a lone LF
  Profilo p;
  ASSERT_TRUE(leggiProfilo(text, p));
  lines.back() = "NO";
  ASSERT_TRUE(p.connessioni.updateConnessione(
      "Casa2", {"Hotel", "NO", "10.0.0.5", "255.0.0.0", "10.0.0.1", "9.9.9.9", "SI", "px", "80"}));
  ASSERT_TRUE(p.connessioni.rinominaConnessione("Casa0", "Ufficio"));
  ASSERT_TRUE(p.connessioni.eliminaConnessione("Casa1"));
  p.conteggioLetto.reset();
  std::vector<std::string> expected = {"LAN", "", "IT", " 3 "};
  expected.insert(expected.end(), lines.begin() + 4, lines.begin() + 13);
  expected[4] = "Ufficio";
  for (const char* value :
       {"Hotel", "10.0.0.5", "255.0.0.0", "10.0.0.1", "9.9.9.9", "px", "80", "SI", "NO"}) {
    expected.push_back(value);
  }
  expected.insert(expected.end(), lines.begin() + 31, lines.end());
  EXPECT_EQ(scriviProfilo(p), crlf(expected));
}

TEST(ScriviProfilo, RefusesAHeaderLineThatWouldShiftTheLines) {
  for (const char* bad : {"a\rb", "a\nb", "\r\n"}) {
    for (std::string Profilo::*header :
         {&Profilo::interfaccia, &Profilo::riservato, &Profilo::lingua}) {
      Profilo p;
      p.*header = bad;
      EXPECT_EQ(scriviProfilo(p), std::nullopt);
    }
    Profilo p;
    p.conteggioLetto = bad;
    EXPECT_EQ(scriviProfilo(p), std::nullopt);
  }
}

TEST(RoundTrip, AnsiFileReadAndWrittenBackIsTheSameBytes) {
  auto lines = withConnections({"Connessione alla rete locale è", "", "IT", "3"}, 3);
  lines[4] = "Città – più";
  lines[5] = std::string(1 << 20, 'x');  // a 1 MB line
  const auto& ansi = windows1252();
  const std::string bytes = *ansi.fromUtf8(crlf(lines));
  Profilo p;
  ASSERT_TRUE(leggiProfilo(ansi.toUtf8(bytes), p));
  EXPECT_EQ(p.connessioni.riga(1)[kNome], "Città – più");
  EXPECT_EQ(ansi.fromUtf8(*scriviProfilo(p)), bytes);
}

TEST(RoundTrip, EveryByteOfTheCodePageSurvives) {
  std::string value;
  for (int b = 1; b < 256; ++b) {
    if (b != '\r' && b != '\n' && b != ' ') {
      value += static_cast<char>(b);
    }
  }
  const std::string bytes =
      "LAN\r\n\r\nIT\r\n1\r\n" + value + "\r\n" + value + "\r\n\r\n\r\n\r\n\r\n\r\nNO\r\nSI\r\n";
  const auto& ansi = windows1252();
  Profilo p;
  ASSERT_TRUE(leggiProfilo(ansi.toUtf8(bytes), p));
  EXPECT_EQ(ansi.fromUtf8(*scriviProfilo(p)), bytes);
}

}  // namespace
}  // namespace veltrano
