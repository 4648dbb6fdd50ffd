// Every command that rewrites velt2.ini, with the rewrite failing at each of its steps: the
// program says "NOINIFILE" in the language of the moment and closes, and the file on disk is
// the whole old file, which the next start reads back to the complete table.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <iostream>
#include <map>

#include "reliability/harness_on.h"
#include "reliability/step_file_system.h"

namespace veltrano::reliability {
namespace {

using fake::Conn;
using fake::Harness;

constexpr int kAnswerNo = 7;

const std::vector<Conn>& startingConnections() {
  static const std::vector<Conn> conns = {fake::proxyConn("Casa", "proxy.lan", "8080"),
                                          fake::staticConn("Ufficio", "10.0.0.5"),
                                          fake::dhcpConn("Treno")};
  return conns;
}

struct Command {
  std::string name;
  bool switchesLanguage;
  std::function<void(Harness&)> run;
};

const std::vector<Command>& rewritingCommands() {
  static const std::vector<Command> commands = {
      {"save a new connection", false,
       [](Harness& h) {
         h.cmdNuova.click();
         h.txtConnessione.type("Nuova");
         h.txtIP.type("10.0.0.9");
         h.cmdSalva.click();
       }},
      {"save a changed connection", false,
       [](Harness& h) {
         h.cmbConnessione.pick("Ufficio");
         h.txtIP.type("10.0.0.77");
         h.dialogs.yesNoAnswers = {kAnswerYes};
         h.cmdSalva.click();
       }},
      {"rename", false,
       [](Harness& h) {
         h.dialogs.inputAnswers = {"Albergo"};
         h.cmdRinomina.click();
       }},
      {"delete", false,
       [](Harness& h) {
         h.dialogs.yesNoAnswers = {kAnswerYes};
         h.cmdElimina.click();
       }},
      {"delete answered no", false,
       [](Harness& h) {
         h.dialogs.yesNoAnswers = {kAnswerNo};
         h.cmdElimina.click();
       }},
      {"switch the language", true, [](Harness& h) { h.cmdLingua.click(); }},
      {"set the adapter name", false,
       [](Harness& h) {
         h.dialogs.inputAnswers = {"Ethernet 2"};
         h.cmdSettings.click();
       }},
  };
  return commands;
}

std::string otherLanguage(const std::string& lingua) {
  return lingua == "IT" ? "IN" : "IT";
}

struct Outcome {
  bool faultMet = false;
};

// One run of a command with a fault; checks everything the user and the disk must show.
Outcome runWithFault(const Command& command, const std::string& lingua, Fault fault, int step) {
  Harness h;
  StepFileSystem steps(h.files);
  h.useFileSystem(steps);
  h.withProfile(fake::profileFile(startingConnections(), lingua));
  h.start();
  const auto before = h.files.files;
  steps.inject(fault, step);
  command.run(h);
  const std::string where = command.name + " (" + lingua + "), step " + std::to_string(step);
  SCOPED_TRACE(where);
  if (steps.faultsMet == 0) {
    // Past the last step: the rewrite went through.
    EXPECT_EQ(steps.rewrites, 1);
    EXPECT_FALSE(h.window.closed);
    EXPECT_EQ(std::count_if(h.dialogs.boxes.begin(), h.dialogs.boxes.end(),
                            [](const auto& box) { return box.style == kCritical; }),
              0);
    return {};
  }
  std::vector<fake::MessageBoxRecord> errors;
  for (const auto& box : h.dialogs.boxes) {
    if (box.style == kCritical) {
      errors.push_back(box);
    }
  }
  const std::string shownIn = command.switchesLanguage ? otherLanguage(lingua) : lingua;
  EXPECT_EQ(errors.size(), 1u);
  if (!errors.empty()) {
    EXPECT_EQ(errors.front().text, catalogueText("NOINIFILE", shownIn));
    EXPECT_EQ(errors.front().title, "Veltrano");
  }
  EXPECT_TRUE(h.window.closed);
  EXPECT_EQ(h.files.files, before) << "the old file whole and nothing beside it";
  EXPECT_EQ(steps.rewrites, 1) << "nothing is tried again after the failure";
  EXPECT_TRUE(steps.plainWrites.empty());
  EXPECT_TRUE(h.platform.started.empty());
  EXPECT_TRUE(h.registry.writes.empty());

  Harness restart;
  restart.files.files = h.files.files;
  restart.start();
  EXPECT_TRUE(restart.dialogs.boxes.empty());
  EXPECT_FALSE(restart.window.closed);
  EXPECT_EQ(restart.cmbConnessione.items, (std::vector<std::string>{"Casa", "Ufficio", "Treno"}));
  EXPECT_EQ(restart.form->lingua(), lingua);
  return {true};
}

// The fault at every step from `first` on, one at a time, until a step past the last.
int failEveryStep(const Command& command, const std::string& lingua, Fault fault, int first) {
  int survived = 0;
  for (int step = first; runWithFault(command, lingua, fault, step).faultMet; ++step) {
    ++survived;
  }
  return survived;
}

void printFigures(const std::string& what, const std::map<std::string, int>& byCommand) {
  int total = 0;
  for (const auto& [command, count] : byCommand) {
    total += count;
  }
  std::cout << "[figures] " << what << ": " << total << " injected and survived\n";
  for (const auto& [command, count] : byCommand) {
    std::cout << "[figures]   " << command << ": " << count << "\n";
  }
}

constexpr int kOpenStep = 1;
constexpr int kFirstWriteStep = 2;

struct RewriteFaults : ::testing::TestWithParam<std::string> {};

TEST_P(RewriteFaults, FailureAtAnyStepShowsNoIniFileClosesAndKeepsTheOldFile) {
  const std::string lingua = GetParam();
  std::map<std::string, int> survived;
  for (const auto& command : rewritingCommands()) {
    survived[command.name] = failEveryStep(command, lingua, Fault::StepFails, kOpenStep);
    // Open, four header lines, at least two connections of nine lines, flush and replace.
    EXPECT_GE(survived[command.name], 1 + 4 + 18 + 2) << command.name;
  }
  printFigures("failing step, " + lingua, survived);
}

TEST_P(RewriteFaults, FullDiskAtAnyWriteKeepsTheOldFile) {
  const std::string lingua = GetParam();
  std::map<std::string, int> survived;
  for (const auto& command : rewritingCommands()) {
    survived[command.name] = failEveryStep(command, lingua, Fault::DiskFull, kFirstWriteStep);
    EXPECT_GE(survived[command.name], 4 + 18) << command.name;
  }
  printFigures("full disk at each write, " + lingua, survived);
}

TEST_P(RewriteFaults, ReadOnlyFolderAndLockedFileKeepTheOldFile) {
  const std::string lingua = GetParam();
  std::map<std::string, int> survived;
  for (const auto& command : rewritingCommands()) {
    for (const Fault fault : {Fault::ReadOnlyFolder, Fault::FileLocked}) {
      EXPECT_TRUE(runWithFault(command, lingua, fault, 0).faultMet) << command.name;
      ++survived[command.name];
    }
  }
  printFigures("read-only folder and locked file, " + lingua, survived);
}

INSTANTIATE_TEST_SUITE_P(BothLanguages, RewriteFaults, ::testing::Values("IT", "IN"));

TEST(StartUpFaults, LockedFileEndsTheProgramWithoutWritingAnything) {
  Harness h;
  StepFileSystem steps(h.files);
  h.useFileSystem(steps);
  h.withProfile(fake::profileFile(startingConnections(), "IN"));
  const auto before = h.files.files;
  steps.readsFail = true;
  h.start();
  // Nothing could be read, so the language is still the start-up one.
  ASSERT_EQ(h.boxTexts(), std::vector<std::string>{catalogueText("NOINIFILE", "IT")});
  EXPECT_TRUE(h.window.closed);
  EXPECT_EQ(steps.rewrites, 0);
  EXPECT_EQ(h.files.files, before);
}

// A file cut at any byte, as a copy interrupted by a full disk or a crash leaves it: either
// the cut falls where the file still reads as a whole profile, or the program says so and
// ends. Either way start-up writes nothing, so the file is never made worse.
TEST(StartUpFaults, FileCutAtAnyByteIsReadOrRefusedButNeverWritten) {
  const std::string whole = fake::profileFile(startingConnections(), "IN");
  int refused = 0;
  int read = 0;
  for (std::size_t length = 0; length <= whole.size(); ++length) {
    SCOPED_TRACE("cut at " + std::to_string(length));
    Harness h;
    h.files.files[Harness::kIni] = whole.substr(0, length);
    h.start();
    EXPECT_EQ(h.files.replaceCount + h.files.writeCount, 0);
    EXPECT_EQ(h.files.files.at(Harness::kIni), whole.substr(0, length));
    if (h.window.closed) {
      ++refused;
      EXPECT_EQ(h.dialogs.boxes.size(), 1u);
      EXPECT_EQ(h.lastBox().style, kCritical);
    } else {
      ++read;
      EXPECT_TRUE(h.dialogs.boxes.empty());
      EXPECT_EQ(h.form->profilo().connessioni.count(), 3);
    }
  }
  // Only cuts inside the last line ("SI", the last connection's DHCP flag) or after it still
  // read: "S", "SI", "SI" + CR and the whole file.
  EXPECT_EQ(read, 4);
  std::cout << "[figures] start-up with the file cut at each of " << whole.size() + 1
            << " lengths: " << refused << " refused with NOINIFILE, " << read
            << " read (cut inside or after the last line)\n";
}

}  // namespace
}  // namespace veltrano::reliability
