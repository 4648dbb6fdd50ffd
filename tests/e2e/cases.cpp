#include "cases.h"

namespace e2e {

std::vector<Case> allCases() {
  std::vector<Case> all;
  for (auto area : {startupCases, browsingCases, editingCases, renameDeleteCases, languageCases,
                    applyCases, helpAboutCases}) {
    for (Case& c : area()) {
      all.push_back(std::move(c));
    }
  }
  return all;
}

}  // namespace e2e
