#include "apply/batch_file.h"

#include <gtest/gtest.h>

#include <cstddef>
#include <optional>
#include <random>
#include <string>
#include <string_view>
#include <vector>

#include "support/cmd_reading.h"

namespace veltrano {
namespace {

using reliability::kAddressStart;
using reliability::kCommentStart;
using reliability::kDnsStart;
using reliability::readAsCmd;
using reliability::uncarriable;

BatchInput staticLan2() {
  BatchInput input;
  input.nome = "Ufficio";
  input.interfaccia = "LAN 2";
  input.dhcp = false;
  input.ip = "10.0.0.5";
  input.mask = "255.255.255.0";
  input.gateway = "10.0.0.1";
  input.dns = "10.0.0.2";
  return input;
}

std::vector<std::string> splitCrLf(const std::string& batch) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  for (auto end = batch.find("\r\n"); end != std::string::npos; end = batch.find("\r\n", start)) {
    lines.push_back(batch.substr(start, end - start));
    start = end + 2;
  }
  lines.push_back(batch.substr(start));  // after the last CR LF: must be empty
  return lines;
}

// Three lines, each ending in CR LF, no other line break anywhere, and the three fixed starts.
std::vector<std::string> expectThreeLines(const std::string& batch) {
  auto lines = splitCrLf(batch);
  EXPECT_EQ(lines.size(), 4u) << batch;
  if (lines.size() != 4u) {
    return {"", "", ""};
  }
  EXPECT_EQ(lines[3], "") << "text after the last CR LF";
  lines.pop_back();
  for (const auto& line : lines) {
    EXPECT_EQ(line.find_first_of("\r\n"), std::string::npos) << line;
  }
  EXPECT_TRUE(lines[0].starts_with(kCommentStart)) << lines[0];
  EXPECT_TRUE(lines[1].starts_with(kAddressStart)) << lines[1];
  EXPECT_TRUE(lines[2].starts_with(kDnsStart)) << lines[2];
  return lines;
}

std::vector<std::string> buildLines(const BatchInput& input) {
  const auto batch = buildBatch(input);
  EXPECT_TRUE(batch.has_value());
  return batch ? expectThreeLines(*batch) : std::vector<std::string>{"", "", ""};
}

// --- The lines as written -------------------------------------------------------------------

TEST(BatchFile, DhcpConnectionGivesTheExactThreeLines) {
  auto input = staticLan2();
  input.dhcp = true;
  EXPECT_EQ(buildBatch(input),
            "rem setting connessione Ufficio\r\n"
            "netsh interface ip set address \"LAN 2\" dhcp\r\n"
            "netsh interface ip set dns \"LAN 2\" dhcp\r\n");
}

TEST(BatchFile, StaticConnectionGivesTheExactThreeLines) {
  EXPECT_EQ(buildBatch(staticLan2()),
            "rem setting connessione Ufficio\r\n"
            "netsh interface ip set address \"LAN 2\" static 10.0.0.5 255.255.255.0 10.0.0.1 1\r\n"
            "netsh interface ip set dns \"LAN 2\" static 10.0.0.2\r\n");
}

TEST(BatchFile, EmptyGatewayLeavesTwoBlanksBeforeTheMetric) {
  auto input = staticLan2();
  input.gateway = "";
  const auto lines = buildLines(input);
  EXPECT_EQ(lines[1], "netsh interface ip set address \"LAN 2\" static 10.0.0.5 255.255.255.0  1");
}

TEST(BatchFile, EmptyDnsEndsTheDnsLineWithStaticAndABlank) {
  auto input = staticLan2();
  input.dns = "";
  const auto lines = buildLines(input);
  EXPECT_EQ(lines[2], "netsh interface ip set dns \"LAN 2\" static ");
}

TEST(BatchFile, FieldTextsAreNotTrimmed) {
  auto input = staticLan2();
  input.nome = " Casa ";
  input.ip = " 10.0.0.5";
  input.dns = "10.0.0.2 ";
  const auto lines = buildLines(input);
  EXPECT_EQ(lines[0], "rem setting connessione  Casa ");
  EXPECT_EQ(lines[1],
            "netsh interface ip set address \"LAN 2\" static  10.0.0.5 255.255.255.0 10.0.0.1 1");
  EXPECT_EQ(lines[2], "netsh interface ip set dns \"LAN 2\" static 10.0.0.2 ");
}

TEST(BatchFile, EmptyAdapterNameGivesAnEmptyPairOfQuotes) {
  auto input = staticLan2();
  input.interfaccia = "";
  input.dhcp = true;
  const auto lines = buildLines(input);
  EXPECT_EQ(lines[1], "netsh interface ip set address \"\" dhcp");
  EXPECT_EQ(lines[2], "netsh interface ip set dns \"\" dhcp");
}

TEST(BatchFile, OrdinaryTextsAreWrittenAsTyped) {
  auto input = staticLan2();
  input.nome = "Sede di Forlì - piano 2 (ospiti) \"nuova\" è già!";
  input.interfaccia = "Connessione alla rete locale (LAN) 2 - Wi-Fi è";
  input.ip = "192.168.1.10";
  input.dns = "dns-1.example.it";
  const auto lines = buildLines(input);
  EXPECT_EQ(lines[0], "rem setting connessione " + input.nome);
  EXPECT_EQ(lines[1], "netsh interface ip set address \"" + input.interfaccia +
                          "\" static 192.168.1.10 255.255.255.0 10.0.0.1 1");
  EXPECT_EQ(lines[2],
            "netsh interface ip set dns \"" + input.interfaccia + "\" static dns-1.example.it");
}

TEST(BatchFile, DhcpIgnoresStaticFieldsEvenWhenTheyCouldNotBeCarried) {
  auto input = staticLan2();
  input.dhcp = true;
  input.ip = "\"10.0.0.5";
  input.mask = "a\r\nformat c:";
  input.gateway = "!x!";
  input.dns = std::string("a\0b", 3);
  const auto lines = buildLines(input);
  EXPECT_EQ(lines[1], "netsh interface ip set address \"LAN 2\" dhcp");
  EXPECT_EQ(lines[2], "netsh interface ip set dns \"LAN 2\" dhcp");
}

// --- Hostile texts --------------------------------------------------------------------------

// How each text must come out in each of the three places; nullopt means the batch is refused.
struct HostileText {
  std::string label;
  std::string text;
  std::optional<std::string> inComment;
  std::optional<std::string> inAdapter;
  std::optional<std::string> inValue;
};

const std::vector<HostileText>& hostileTexts() {
  static const std::vector<HostileText> corpus = {
      {"ampersand", "a & del x", "a ^& del x", "a & del x", "a ^& del x"},
      {"pipe", "x | y", "x ^| y", "x | y", "x ^| y"},
      {"input redirection", "<in", "^<in", "<in", "^<in"},
      {"output redirection", ">out", "^>out", ">out", "^>out"},
      {"trailing caret", "x^", "x^^", "x^", "x^^"},
      {"lone caret", "^", "^^", "^", "^^"},
      {"caret before ampersand", "^&calc", "^^^&calc", "^&calc", "^^^&calc"},
      {"path operator", "%~", "%%~", "%%~", "%%~"},
      {"path operator with modifiers", "%~dp0", "%%~dp0", "%%~dp0", "%%~dp0"},
      {"environment variable", "%PATH%", "%%PATH%%", "%%PATH%%", "%%PATH%%"},
      {"batch argument", "%1", "%%1", "%%1", "%%1"},
      {"all arguments", "%*", "%%*", "%%*", "%%*"},
      {"trailing percent", "100%", "100%%", "100%%", "100%%"},
      {"delayed expansion", "!x!", "!x!", std::nullopt, std::nullopt},
      {"lone exclamation mark", "a!", "a!", std::nullopt, std::nullopt},
      {"double quote", "\"", "\"", std::nullopt, std::nullopt},
      {"quote closing the adapter name", "LAN\" & calc & \"", "LAN\" ^& calc ^& \"", std::nullopt,
       std::nullopt},
      {"parentheses", "(x)", "(x)", "(x)", "^(x^)"},
      {"closing parenthesis", ")", ")", ")", "^)"},
      {"carriage return", "a\rcalc", std::nullopt, std::nullopt, std::nullopt},
      {"line feed", "a\ncalc", std::nullopt, std::nullopt, std::nullopt},
      {"CR LF", "a\r\ncalc", std::nullopt, std::nullopt, std::nullopt},
      {"tab", "a\tb", std::nullopt, std::nullopt, std::nullopt},
      {"embedded NUL", std::string("a\0b", 3), std::nullopt, std::nullopt, std::nullopt},
      {"end-of-file mark",
       "a\x1A"
       "b",
       std::nullopt, std::nullopt, std::nullopt},
      {"DEL", "a\x7F", std::nullopt, std::nullopt, std::nullopt},
      {"mixed", "%~dp0 ^& (a|b) > c", "%%~dp0 ^^^& (a^|b) ^> c", "%%~dp0 ^& (a|b) > c",
       "%%~dp0 ^^^& ^(a^|b^) ^> c"},
      {"mixed with quote and bang", "\"%x%\"&!y!^", "\"%%x%%\"^&!y!^^", std::nullopt, std::nullopt},
      {"accents beside specials", "è&ì^", "è^&ì^^", "è&ì^", "è^&ì^^"},
  };
  return corpus;
}

TEST(BatchHostileText, ConnectionNameIsEscapedInTheCommentOrRefused) {
  for (const auto& row : hostileTexts()) {
    SCOPED_TRACE(row.label);
    auto input = staticLan2();
    input.nome = row.text;
    const auto batch = buildBatch(input);
    if (!row.inComment) {
      EXPECT_EQ(batch, std::nullopt);
      continue;
    }
    ASSERT_TRUE(batch.has_value());
    const auto lines = expectThreeLines(*batch);
    EXPECT_EQ(lines[0], std::string(kCommentStart) + *row.inComment);
    EXPECT_EQ(lines[1],
              "netsh interface ip set address \"LAN 2\" static 10.0.0.5 255.255.255.0 10.0.0.1 1");
    EXPECT_EQ(lines[2], "netsh interface ip set dns \"LAN 2\" static 10.0.0.2");
  }
}

TEST(BatchHostileText, AdapterNameIsCarriedInsideItsQuotesOrRefused) {
  for (const bool dhcp : {false, true}) {
    for (const auto& row : hostileTexts()) {
      SCOPED_TRACE(row.label + (dhcp ? " (dhcp)" : " (static)"));
      auto input = staticLan2();
      input.dhcp = dhcp;
      input.interfaccia = row.text;
      const auto batch = buildBatch(input);
      if (!row.inAdapter) {
        EXPECT_EQ(batch, std::nullopt);
        continue;
      }
      ASSERT_TRUE(batch.has_value());
      const auto lines = expectThreeLines(*batch);
      const std::string quoted = "\"" + *row.inAdapter + "\"";
      EXPECT_EQ(lines[0], "rem setting connessione Ufficio");
      EXPECT_EQ(lines[1], std::string(kAddressStart) + quoted +
                              (dhcp ? " dhcp" : " static 10.0.0.5 255.255.255.0 10.0.0.1 1"));
      EXPECT_EQ(lines[2], std::string(kDnsStart) + quoted + (dhcp ? " dhcp" : " static 10.0.0.2"));
    }
  }
}

TEST(BatchHostileText, StaticValuesAreEscapedOrRefusedInEveryField) {
  struct Field {
    const char* name;
    std::string BatchInput::*member;
  };
  const Field fields[] = {{"ip", &BatchInput::ip},
                          {"mask", &BatchInput::mask},
                          {"gateway", &BatchInput::gateway},
                          {"dns", &BatchInput::dns}};
  for (const auto& field : fields) {
    for (const auto& row : hostileTexts()) {
      SCOPED_TRACE(row.label + " in " + field.name);
      auto input = staticLan2();
      input.*field.member = row.text;
      const auto batch = buildBatch(input);
      if (!row.inValue) {
        EXPECT_EQ(batch, std::nullopt);
        continue;
      }
      ASSERT_TRUE(batch.has_value());
      const auto lines = expectThreeLines(*batch);
      auto expected = staticLan2();
      expected.*field.member = *row.inValue;
      EXPECT_EQ(lines[1], std::string(kAddressStart) + "\"LAN 2\" static " + expected.ip + " " +
                              expected.mask + " " + expected.gateway + " 1");
      EXPECT_EQ(lines[2], std::string(kDnsStart) + "\"LAN 2\" static " + expected.dns);
    }
  }
}

// --- Read back as cmd.exe reads it ----------------------------------------------------------

void expectCmdReadsWhatWasTyped(const BatchInput& input, const std::string& batch) {
  const auto lines = expectThreeLines(batch);
  const std::string quoted = "\"" + input.interfaccia + "\"";
  const std::string addressTail =
      input.dhcp ? " dhcp" : " static " + input.ip + " " + input.mask + " " + input.gateway + " 1";
  const std::string dnsTail = input.dhcp ? " dhcp" : " static " + input.dns;
  // After a " in the name the escapes stay in the comment as carets: harmless, but not as typed.
  const auto comment = readAsCmd(lines[0], false);
  EXPECT_TRUE(comment.has_value()) << lines[0];
  if (input.nome.find('"') == std::string::npos) {
    EXPECT_EQ(comment, std::string(kCommentStart) + input.nome);
  }
  EXPECT_EQ(readAsCmd(lines[1], true), std::string(kAddressStart) + quoted + addressTail);
  EXPECT_EQ(readAsCmd(lines[2], true), std::string(kDnsStart) + quoted + dnsTail);
}

TEST(BatchReadByCmd, EveryAcceptedHostileTextReachesItsCommandLiterally) {
  for (const auto& row : hostileTexts()) {
    SCOPED_TRACE(row.label);
    for (auto member : {&BatchInput::nome, &BatchInput::interfaccia, &BatchInput::ip,
                        &BatchInput::mask, &BatchInput::gateway, &BatchInput::dns}) {
      auto input = staticLan2();
      input.*member = row.text;
      if (const auto batch = buildBatch(input)) {
        expectCmdReadsWhatWasTyped(input, *batch);
      }
    }
  }
}

// Random texts from the characters cmd.exe cares about: a text is refused exactly when it
// holds a control character, or a " or ! outside the comment; otherwise cmd reads it back.
TEST(BatchReadByCmd, RandomTextsAreRefusedOnlyForUncarriableCharactersAndOtherwiseReadBack) {
  const std::vector<std::string> pieces = {
      "a",    "7",   ".", " ", "-", "è", "&", "|", "<",  ">",  "^",  "%",
      "!",    "\"",  "(", ")", "~", "=", ",", ";", "\r", "\n", "\t", std::string(1, '\0'),
      "\x1A", "\x7F"};
  std::mt19937 random(20240611);
  std::uniform_int_distribution<std::size_t> length(0, 6);
  std::uniform_int_distribution<std::size_t> pick(0, pieces.size() - 1);
  const auto members = {&BatchInput::nome, &BatchInput::interfaccia, &BatchInput::ip,
                        &BatchInput::mask, &BatchInput::gateway,     &BatchInput::dns};
  for (int round = 0; round < 3000; ++round) {
    for (auto member : members) {
      std::string text;
      for (auto n = length(random); n > 0; --n) {
        text += pieces[pick(random)];
      }
      auto input = staticLan2();
      input.*member = text;
      const auto batch = buildBatch(input);
      SCOPED_TRACE(::testing::PrintToString(text));
      ASSERT_EQ(batch.has_value(), !uncarriable(text, member == &BatchInput::nome));
      if (batch) {
        expectCmdReadsWhatWasTyped(input, *batch);
      }
    }
  }
}

}  // namespace
}  // namespace veltrano

namespace veltrano {
namespace {

TEST(LinesFitCmd, LinesUpToTheLimitFitAndLongerOnesDoNot) {
  const std::string longest(kMaxBatchLine, 'x');
  EXPECT_TRUE(linesFitCmd("rem a\r\n" + longest + "\r\nnetsh\r\n"));
  EXPECT_FALSE(linesFitCmd("rem a\r\n" + longest + "y\r\nnetsh\r\n"));
  EXPECT_FALSE(linesFitCmd(longest + "y"));
  EXPECT_TRUE(linesFitCmd(""));
}

}  // namespace
}  // namespace veltrano
