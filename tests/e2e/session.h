// One case's world: a program folder, veltrano.exe running in it, and its main window.
#pragma once

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "program_folder.h"
#include "ui.h"
#include "veltrano_process.h"

namespace e2e {

struct Environment {
  std::filesystem::path program;   // the veltrano.exe under test
  std::filesystem::path fixtures;  // help files and the netsh recorder for the program folder
};

class Session {
 public:
  // Runs a copy of the program in a fresh folder.
  explicit Session(const Environment& environment);
  // Runs the program where it stands, in a folder prepared by someone else.
  Session(const Environment& environment, ProgramFolder folder);
  ~Session();
  Session(const Session&) = delete;
  Session& operator=(const Session&) = delete;

  ProgramFolder& folder() { return folder_; }
  // Puts a fixture file (veltita.chm, velteng.chm, netsh.exe) into the program folder.
  void addFixture(const std::string& name);

  // Starts veltrano.exe; a previous run in the same folder must have ended.
  void start();
  VeltranoProcess& process();
  // The main window of the running program, waited for on first use.
  Ui& ui();
  // Presses Esci and waits for the program to end.
  void quit();

  // What the netsh recorder received, one line per call, the arguments joined with "|".
  std::vector<std::string> netshCalls() const;
  // Waits until the started batch and everything it started have ended, and the recorder
  // has seen `calls` calls.
  void waitForBatch(std::size_t calls);

 private:
  const Environment& environment_;
  ProgramFolder folder_;
  std::unique_ptr<VeltranoProcess> process_;
  std::unique_ptr<Ui> ui_;
};

}  // namespace e2e
