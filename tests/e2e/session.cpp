#include "session.h"

#include "expect.h"
#include "shell/win32/control_ids.h"
#include "text.h"
#include "wait.h"

namespace e2e {

namespace {

std::string joined(const std::vector<std::string>& names) {
  std::string out;
  for (const std::string& name : names) {
    out += (out.empty() ? "" : ", ") + name;
  }
  return out;
}

}  // namespace

Session::Session(const Environment& environment)
    : Session(environment, ProgramFolder::freshCopyOf(environment.program)) {}

Session::Session(const Environment& environment, ProgramFolder folder)
    : environment_(environment), folder_(std::move(folder)) {}

Session::~Session() {
  // End the program before anything else, so that presses still waiting on a box return.
  if (process_) {
    process_->end();
  }
  ui_.reset();
  process_.reset();
}

void Session::addFixture(const std::string& name) {
  const auto file = environment_.fixtures / name;
  if (!std::filesystem::exists(file)) {
    fail("test fixture " + file.string() + " is missing; build the e2e tests again");
  }
  folder_.copyIn(file);
}

void Session::start() {
  if (process_ && process_->running()) {
    fail("the driver started veltrano.exe while it was still running");
  }
  ui_.reset();
  process_ = std::make_unique<VeltranoProcess>(folder_.exe());
}

VeltranoProcess& Session::process() {
  if (!process_) {
    fail("the driver used the program before starting it");
  }
  return *process_;
}

Ui& Session::ui() {
  if (ui_) {
    return *ui_;
  }
  VeltranoProcess& running = process();
  const HWND window =
      pollFor([&] { return running.running() ? running.mainWindow() : HWND{}; }, kWindowTimeout);
  if (window == nullptr) {
    const std::string box = describeOpenBox(running);
    if (!running.running()) {
      fail("veltrano.exe ended before showing its window (exit code " +
           std::to_string(running.exitCode()) + ")");
    }
    fail("the main window (class VeltranoMain) did not appear" +
         (box.empty() ? std::string(" (is there an X display? run scripts/e2e.sh)")
                      : "; instead " + box));
  }
  ui_ = std::make_unique<Ui>(running, window);
  return *ui_;
}

void Session::quit() {
  ui().click(veltrano::ids::cmdEsci);
  if (!process().waitForExit(kExitTimeout)) {
    const std::string box = describeOpenBox(process());
    fail("veltrano.exe did not end after Esci" + (box.empty() ? "" : "; it shows " + box));
  }
}

std::vector<std::string> Session::netshCalls() const {
  const auto recorded = folder_.read("netsh-calls.txt");
  std::vector<std::string> calls;
  for (std::string line : linesOf(recorded.value_or(""))) {
    while (!line.empty() && (line.back() == '\n' || line.back() == '\r')) {
      line.pop_back();
    }
    calls.push_back(line);
  }
  return calls;
}

void Session::waitForBatch(std::size_t calls) {
  const bool done =
      pollFor([&] { return netshCalls().size() >= calls && process().runningChildren().empty(); },
              kBatchTimeout);
  if (!done) {
    const auto children = process().runningChildren();
    fail("the batch did not finish: netsh was called " + std::to_string(netshCalls().size()) +
         " of " + std::to_string(calls) + " times" +
         (children.empty() ? std::string() : "; still running: " + joined(children)));
  }
}

}  // namespace e2e
