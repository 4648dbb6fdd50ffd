// Hostile texts typed into every text field, the new connection's name and both input boxes,
// in both languages. Each is either stored and read back exactly (trimmed as the program
// trims) after a restart, or refused with a message in the current language and the file left
// as it was. Applying afterwards either writes the three lines that cmd.exe reads as a comment
// and two netsh commands, or is refused with a message and starts nothing.
#include <gtest/gtest.h>

#include <iomanip>
#include <iostream>
#include <map>
#include <set>

#include "reliability/cmd_reading.h"
#include "reliability/harness_on.h"

namespace veltrano::reliability {
namespace {

using fake::FakeTextField;
using fake::Harness;

struct HostileInput {
  std::string label;
  std::string text;
};

const std::vector<HostileInput>& hostileInputs() {
  static const std::vector<HostileInput> inputs = {
      {"empty", ""},
      {"blanks only", "   "},
      {"blanks around", "  10.0.0.8  "},
      {"10,000 characters", std::string(10000, '7')},
      {"CR", "10.0\r.0.8"},
      {"LF", "10.0\n.0.8"},
      {"CR LF", "10.0\r\n.0.8"},
      {"NUL", std::string("10.0\0.0.8", 9)},
      {"tab", "10.0\t.0.8"},
      {"double quote", "a\"b"},
      {"single quote", "a'b"},
      {"ampersand", "a & calc"},
      {"pipe", "a | calc"},
      {"less than", "a<in"},
      {"greater than", "a>out"},
      {"caret", "a^b"},
      {"percent", "100%"},
      {"exclamation mark", "a!b!"},
      {"all of & | < > ^ % !", "& | < > ^ % !"},
      {"trailing caret", "10.0.0.8^"},
      {"%~", "%~"},
      {"%~dp0", "%~dp0calc"},
      {"environment variable", "%PATH%"},
      {"outside Windows-1252 (Polish)", "Łódź"},
      {"right-to-left (Hebrew)", "רשת ביתית"},
      {"right-to-left (Arabic)", "شبكة المنزل"},
      {"emoji", "Casa 🏠"},
      {"euro sign (ANSI but not console)", "€"},
      {"accents", "Città già"},
  };
  return inputs;
}

enum class Via { NewName, Field, RenameBox, AdapterBox };

struct Target {
  std::string name;
  Via via;
  FakeTextField Harness::*field = nullptr;
  Colonna column = kNome;
};

const std::vector<Target>& targets() {
  static const std::vector<Target> all = {
      {"txtConnessione (new)", Via::NewName},
      {"txtIP", Via::Field, &Harness::txtIP, kIP},
      {"txtMask", Via::Field, &Harness::txtMask, kMask},
      {"txtGateway", Via::Field, &Harness::txtGateway, kGateway},
      {"txtDNS", Via::Field, &Harness::txtDNS, kDNS},
      {"txtProxy", Via::Field, &Harness::txtProxy, kProxy},
      {"txtProxyPort", Via::Field, &Harness::txtProxyPort, kProxyPort},
      {"rename box", Via::RenameBox},
      {"adapter box", Via::AdapterBox},
  };
  return all;
}

const std::set<std::string> kSaveRefusals = {"INSERTCONNNAME",  "INSERTIP",    "INSERTPROXY",
                                             "INSERTPROXYPORT", "NOLINEBREAK", "NOCODEPAGE",
                                             "NAMEALREADY",     "TABLEFULL"};
const std::set<std::string> kApplyRefusals = {"BATCHCHARS",  "NOINTERFACE", "NOLINEBREAK",
                                              "NOCODEPAGE",  "NOBATCHFILE", "NOBATCHSTART",
                                              "BATCHTOOLONG"};

// "Casa" is static and uses a proxy, so that every field is open for typing.
std::string startingFile(const std::string& lingua) {
  return fake::profileFile({{"Casa", "10.0.0.5", "255.255.255.0", "10.0.0.1", "10.0.0.2",
                             "proxy.lan", "8080", "SI", "NO"},
                            fake::dhcpConn("Hotel")},
                           lingua);
}

// The key whose text in `lingua` a box shows, among `keys`; empty when none.
std::string keyShown(const std::string& text, const std::string& lingua,
                     const std::set<std::string>& keys) {
  for (const auto& key : keys) {
    if (catalogueText(key, lingua) == text) {
      return key;
    }
  }
  return {};
}

std::vector<fake::MessageBoxRecord> errorsSince(const Harness& h, std::size_t from) {
  std::vector<fake::MessageBoxRecord> errors;
  for (std::size_t i = from; i < h.dialogs.boxes.size(); ++i) {
    if (h.dialogs.boxes[i].style == kCritical) {
      errors.push_back(h.dialogs.boxes[i]);
    }
  }
  return errors;
}

void enter(Harness& h, const Target& target, const std::string& text) {
  switch (target.via) {
    case Via::NewName:
      h.cmdNuova.click();
      h.txtConnessione.type(text);
      h.txtIP.type("10.0.0.9");
      h.cmdSalva.click();
      break;
    case Via::Field:
      (h.*target.field).type(text);
      h.dialogs.yesNoAnswers = {kAnswerYes};
      h.cmdSalva.click();
      h.dialogs.yesNoAnswers.clear();  // unused when the save was refused before asking
      break;
    case Via::RenameBox:
      h.dialogs.inputAnswers = {text};
      h.cmdRinomina.click();
      break;
    case Via::AdapterBox:
      h.dialogs.inputAnswers = {text};
      h.cmdSettings.click();
      break;
  }
}

// The value the restarted program holds for the target, with the list and fields showing it.
std::string readBack(const Harness& r, const Target& target) {
  const auto& table = r.form->profilo().connessioni;
  switch (target.via) {
    case Via::NewName:
      EXPECT_EQ(table.count(), 3);
      EXPECT_EQ(r.cmbConnessione.items.back(), table.riga(table.count())[kNome]);
      return table.riga(table.count())[kNome];
    case Via::Field:
      EXPECT_EQ((r.*target.field).value, table.riga(1)[target.column]) << "shown as stored";
      return table.riga(1)[target.column];
    case Via::RenameBox:
      EXPECT_EQ(r.cmbConnessione.items.front(), table.riga(1)[kNome]);
      return table.riga(1)[kNome];
    case Via::AdapterBox:
      return r.form->profilo().interfaccia;
  }
  return {};
}

struct Figures {
  std::map<std::string, std::map<std::string, int>> byInput;  // input -> outcome -> count
  std::map<std::string, int> totals;
  void add(const std::string& input, const std::string& outcome) {
    ++byInput[input][outcome];
    ++totals[outcome];
  }
};

// Applies what the window shows and checks the batch as cmd.exe would read it.
void applyAndCheck(Harness& w, const std::string& lingua, const std::string& input,
                   Figures& figures) {
  if (!w.cmdSetta.enabled || w.form->modalitaNuova() || w.window.closed) {
    return;
  }
  const std::size_t boxesBefore = w.dialogs.boxes.size();
  const std::size_t startsBefore = w.platform.started.size();
  const std::size_t registryBefore = w.registry.writes.size();
  const auto batchBefore = w.files.files.find(Harness::kBatch) == w.files.files.end()
                               ? std::optional<std::string>()
                               : w.files.files.at(Harness::kBatch);
  w.cmdSetta.click();
  const auto errors = errorsSince(w, boxesBefore);
  if (w.platform.started.size() == startsBefore) {
    ASSERT_EQ(errors.size(), 1u) << "an apply that starts nothing must say why";
    const auto key = keyShown(errors.front().text, lingua, kApplyRefusals);
    EXPECT_FALSE(key.empty()) << errors.front().text;
    EXPECT_EQ(w.registry.writes.size(), registryBefore);
    const auto batchAfter = w.files.files.find(Harness::kBatch) == w.files.files.end()
                                ? std::optional<std::string>()
                                : w.files.files.at(Harness::kBatch);
    EXPECT_EQ(batchAfter, batchBefore);
    figures.add(input, "apply refused (" + key + ")");
    return;
  }
  EXPECT_TRUE(errors.empty());
  const std::string batch = w.batch();
  const auto read = readBatchAsCmd(batch);
  ASSERT_TRUE(read.has_value()) << batch;
  BatchInput shown{w.cmbConnessione.text(),
                   w.form->profilo().interfaccia,
                   w.cmbDHCP.listIndex() == 0,
                   w.txtIP.value,
                   w.txtMask.value,
                   w.txtGateway.value,
                   w.txtDNS.value};
  EXPECT_EQ(read->address, expectedAddressLine(shown));
  EXPECT_EQ(read->dns, expectedDnsLine(shown));
  if (shown.nome.find('"') == std::string::npos) {
    EXPECT_EQ(read->comment, std::string(kCommentStart) + shown.nome);
  }
  figures.add(input, "apply ran netsh");
  const auto lines = crLfLines(batch);
  for (const auto& line : *lines) {
    if (line.size() > kCmdLineLimit) {
      figures.add(input, "batch line over 8191 characters");
      break;
    }
  }
}

void tryInput(const std::string& lingua, const Target& target, const HostileInput& input,
              Figures& figures) {
  SCOPED_TRACE(target.name + " <- " + input.label + " (" + lingua + ")");
  Harness h;
  h.withProfile(startingFile(lingua));
  h.start();
  const std::string before = h.files.files.at(Harness::kIni);
  const Riga hotel = h.form->profilo().connessioni.riga(2);
  enter(h, target, input.text);
  const auto errors = errorsSince(h, 0);
  const bool written = h.files.replaceCount > 0;
  ASSERT_FALSE(h.window.closed);

  if (!errors.empty()) {
    ASSERT_EQ(errors.size(), 1u);
    const auto key = keyShown(errors.front().text, lingua, kSaveRefusals);
    EXPECT_FALSE(key.empty()) << "not a refusal in the current language: " << errors.front().text;
    EXPECT_FALSE(written);
    EXPECT_EQ(h.files.files.at(Harness::kIni), before);
    figures.add(input.label, "refused (" + key + ")");
  } else if (written) {
    Harness r;
    r.files.files = h.files.files;
    r.start();
    EXPECT_TRUE(r.dialogs.boxes.empty());
    EXPECT_EQ(readBack(r, target), trimBlanks(input.text));
    EXPECT_EQ(r.form->profilo().connessioni.riga(2), hotel) << "the other connection is intact";
    figures.add(input.label, "stored and read back");
    if (target.via == Via::NewName) {
      r.cmbConnessione.pick(2);
    }
    applyAndCheck(r, lingua, input.label, figures);
  } else {
    // Only an input box answered with nothing (Cancel), or a rename to blanks, does nothing.
    EXPECT_TRUE(target.via == Via::AdapterBox
                    ? input.text.empty()
                    : target.via == Via::RenameBox && trimBlanks(input.text).empty());
    EXPECT_EQ(h.files.files.at(Harness::kIni), before);
    figures.add(input.label, "ignored (Cancel or blanks)");
  }
  // The window as it stands, unsaved hostile edits included, is applied too.
  applyAndCheck(h, lingua, input.label, figures);
}

void printFigures(const Figures& figures) {
  std::cout << "[figures] hostile-input matrix, outcome totals:\n";
  for (const auto& [outcome, count] : figures.totals) {
    std::cout << "[figures]   " << outcome << ": " << count << "\n";
  }
  std::cout << "[figures] by input:\n";
  for (const auto& [input, outcomes] : figures.byInput) {
    std::cout << "[figures]   " << input << ":";
    for (const auto& [outcome, count] : outcomes) {
      std::cout << " " << outcome << " " << count << ";";
    }
    std::cout << "\n";
  }
}

TEST(HostileInput, EveryTextIsStoredAndReadBackOrRefusedAndApplyRunsOnlyNetsh) {
  Figures figures;
  int cases = 0;
  for (const std::string lingua : {"IT", "IN"}) {
    for (const auto& target : targets()) {
      for (const auto& input : hostileInputs()) {
        tryInput(lingua, target, input, figures);
        ++cases;
      }
    }
  }
  EXPECT_EQ(cases, 2 * 9 * static_cast<int>(hostileInputs().size()));
  std::cout << "[figures] hostile-input cases: " << cases << "\n";
  printFigures(figures);
}

// cmd.exe reads at most 8191 characters as one line; a longer batch line is not the command
// that was written, so such an apply is refused.
TEST(HostileInput, BatchLinesStayWithinTheLineLengthCmdReads) {
  for (const auto& target : targets()) {
    if (target.via == Via::NewName) {
      continue;  // a new connection cannot be applied before it is saved
    }
    SCOPED_TRACE(target.name);
    Harness h;
    h.withProfile(startingFile("IN"));
    h.start();
    enter(h, target, std::string(10000, '7'));
    if (!h.cmdSetta.enabled) {
      continue;
    }
    h.cmdSetta.click();
    if (h.platform.started.empty()) {
      continue;  // refused with a message: fine
    }
    const auto lines = crLfLines(h.batch());
    ASSERT_TRUE(lines.has_value());
    for (const auto& line : *lines) {
      EXPECT_LE(line.size(), kCmdLineLimit);
    }
  }
}

}  // namespace
}  // namespace veltrano::reliability
