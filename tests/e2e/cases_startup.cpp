// Starting and quitting: a good profile file, none at all, a broken one, an empty one.
#include "cases.h"
#include "dialogs.h"
#include "expect.h"
#include "shell/win32/control_ids.h"
#include "wait.h"
#include "window_expectations.h"

namespace e2e {

namespace {

namespace ids = veltrano::ids;

void expectReportsProfileErrorAndEnds(Session& session, const std::string& message) {
  const MessageBoxView box = waitForMessageBox(session.process());
  expectText("error box title", "Veltrano", box.title());
  expectText("error box text", message, box.text());
  expect(box.hasButton(IDOK) && !box.hasButton(IDYES), "the error box should offer OK alone");
  box.answer(IDOK);
  if (!session.process().waitForExit(kExitTimeout)) {
    fail("veltrano.exe is still running after its profile-file error was closed");
  }
}

void startsInItalianShowingTheFirstConnection(const Environment& environment) {
  Session session(environment);
  session.folder().writeProfile(sampleProfile());
  session.start();
  Ui& ui = session.ui();

  expectCaptions(ui, Language::Italian);
  expectYesNoEntries(ui, Language::Italian);
  expectTexts("cmbConnessione entries", {"Casa", "Ufficio", "Laboratorio"},
              ui.entries(ids::cmbConnessione));
  expectShows(ui, kCasa);
  expectBrowsing(ui);
  expectEditingButtons(ui, true);
  expectProfileFile(session.folder(), sampleProfile());
}

void withoutProfileFileReportsInItalianAndEnds(const Environment& environment) {
  Session session(environment);
  session.start();
  expectReportsProfileErrorAndEnds(
      session, "Errore nell'apertura del file velt2.ini. Impossibile continuare.");
  expect(!session.folder().holds("velt2.ini"), "the program must not create velt2.ini");
}

void withTruncatedEnglishProfileReportsInEnglishAndEnds(const Environment& environment) {
  Session session(environment);
  Profile broken = sampleProfile("IN");
  broken.count = "2";
  broken.connections.resize(1);  // announces two connections, holds one
  session.folder().writeProfile(broken);
  session.start();
  expectReportsProfileErrorAndEnds(session, "Error opening velt2.ini. Exiting.");
  expectProfileFile(session.folder(), broken);
}

void withNoConnectionsLeavesOnlyNewEnabled(const Environment& environment) {
  Session session(environment);
  const Profile empty{kAdapter, "versione 2", "IT", "0", {}};
  session.folder().writeProfile(empty);
  session.start();
  Ui& ui = session.ui();

  expect(ui.entries(ids::cmbConnessione).empty(), "cmbConnessione should be empty");
  expectNumber("cmbConnessione selection", -1, ui.selection(ids::cmbConnessione));
  expectEditingButtons(ui, false);
  for (int field :
       {ids::txtIP, ids::txtMask, ids::txtGateway, ids::txtDNS, ids::txtProxy, ids::txtProxyPort}) {
    expectText("empty profile: field text", "", ui.text(field));
  }
  expectNumber("cmbDHCP selection", -1, ui.selection(ids::cmbDHCP));
  expectNumber("cmbUseProxy selection", -1, ui.selection(ids::cmbUseProxy));
}

void quitEndsAtOnceDroppingUnsavedEdits(const Environment& environment) {
  Session session(environment);
  session.folder().writeProfile(sampleProfile());
  session.start();
  Ui& ui = session.ui();
  ui.pick(ids::cmbConnessione, 1);
  ui.type(ids::txtDNS, "192.168.10.99");

  session.quit();
  expectProfileFile(session.folder(), sampleProfile());
}

}  // namespace

std::vector<Case> startupCases() {
  return {
      {"starts_in_italian_showing_the_first_connection", startsInItalianShowingTheFirstConnection},
      {"without_profile_file_reports_in_italian_and_ends",
       withoutProfileFileReportsInItalianAndEnds},
      {"with_truncated_english_profile_reports_in_english_and_ends",
       withTruncatedEnglishProfileReportsInEnglishAndEnds},
      {"with_no_connections_leaves_only_new_enabled", withNoConnectionsLeavesOnlyNewEnabled},
      {"quit_ends_at_once_dropping_unsaved_edits", quitEndsAtOnceDroppingUnsavedEdits},
  };
}

}  // namespace e2e
