// The end-to-end cases: each runs veltrano.exe once or twice and drives it as a user would.
#pragma once

#include <string>
#include <vector>

#include "session.h"

namespace e2e {

struct Case {
  std::string name;
  void (*run)(const Environment& environment);
};

std::vector<Case> startupCases();
std::vector<Case> browsingCases();
std::vector<Case> editingCases();
std::vector<Case> renameDeleteCases();
std::vector<Case> languageCases();
std::vector<Case> applyCases();
std::vector<Case> helpAboutCases();

// Every case that CTest runs with a fresh program folder.
std::vector<Case> allCases();
// Cases run in a folder prepared by another check (the unzipped release archive).
std::vector<Case> releaseCases();

}  // namespace e2e
