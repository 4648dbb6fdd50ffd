// The unzipped release archive, run where it was unzipped (dist/check-release.sh prepares the
// folder): starts in Italian with an empty list and opens the Italian help beside it.
#include "cases.h"
#include "dialogs.h"
#include "expect.h"
#include "help_viewer.h"
#include "shell/win32/control_ids.h"
#include "veltrano_process.h"
#include "wait.h"
#include "window_expectations.h"

namespace e2e {

namespace {

namespace ids = veltrano::ids;

void unzippedReleaseStartsInItalianAndOpensTheItalianHelp(const Environment& environment) {
  Session session(environment, ProgramFolder::existing(environment.program));
  const auto folder = session.folder().path();
  const std::string italianHelp = helpViewerCaptionFor(folder / "veltita.chm");
  const std::string englishHelp = helpViewerCaptionFor(folder / "velteng.chm");
  if (italianHelp == englishHelp) {
    fail("veltita.chm and velteng.chm show the same caption " + italianHelp +
         ", so the Help check cannot tell them apart");
  }

  session.start();
  Ui& ui = session.ui();
  expectCaptions(ui, Language::Italian);
  expect(ui.entries(ids::cmbConnessione).empty(), "cmbConnessione should be empty");
  expectEditingButtons(ui, false);

  ui.press(ids::cmdAiuto);
  const HWND help = pollFor([&] { return findHelpWindow(session.process()); }, kDialogTimeout);
  if (help == nullptr) {
    fail("no HTML Help window appeared");
  }
  expectText("HTML Help window caption (that of veltita.chm)", italianHelp, textOf(help));
}

}  // namespace

std::vector<Case> releaseCases() {
  return {
      {"unzipped_release_starts_in_italian_and_opens_the_italian_help",
       unzippedReleaseStartsInItalianAndOpensTheItalianHelp},
  };
}

}  // namespace e2e
