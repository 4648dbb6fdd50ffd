// Renaming and deleting the selected connection.
#include "cases.h"
#include "expect.h"
#include "shell/win32/control_ids.h"
#include "window_expectations.h"

namespace e2e {

namespace {

namespace ids = veltrano::ids;

bool holds(const std::vector<std::string>& texts, const std::string& wanted) {
  for (const std::string& text : texts) {
    if (text == wanted) {
      return true;
    }
  }
  return false;
}

// Presses Rename on the selected connection, checks the box and answers it with `name`.
void renameTo(Ui& ui, const std::string& current, const std::string& name) {
  Click rename = ui.click(ids::cmdRinomina);
  const InputBoxView box = ui.waitForInputBox();
  expectText("rename box title", "Veltrano", box.title());
  expect(holds(box.labels(), "Inserire il nuovo nome della connessione " + current),
         "the rename box should ask \"Inserire il nuovo nome della connessione " + current + "\"");
  expectText("rename box starting text", "", box.text());
  box.type(name);
  box.answer(IDOK);
  rename.finish();
}

void renamingKeepsThePlaceAndRewritesTheFile(const Environment& environment) {
  Session session(environment);
  session.folder().writeProfile(sampleProfile());
  session.start();
  Ui& ui = session.ui();
  ui.pick(ids::cmbConnessione, 1);

  renameTo(ui, "Ufficio", "  Sede Centrale ");

  Connection renamed = kUfficio;
  renamed.name = "Sede Centrale";
  expectTexts("cmbConnessione entries", {"Casa", "Sede Centrale", "Laboratorio"},
              ui.entries(ids::cmbConnessione));
  expectShows(ui, renamed);
  Profile expected = sampleProfile();
  expected.connections[1] = renamed;
  expectProfileFile(session.folder(), expected);
}

void renamingToAUsedNameOrCancellingChangesNothing(const Environment& environment) {
  Session session(environment);
  session.folder().writeProfile(sampleProfile());
  session.start();
  Ui& ui = session.ui();
  ui.pick(ids::cmbConnessione, 1);

  Click rename = ui.click(ids::cmdRinomina);
  const InputBoxView box = ui.waitForInputBox();
  box.type(" Casa ");
  box.answer(IDOK);
  const MessageBoxView refusal = ui.waitForMessageBox();
  expectText("refusal text",
             "Il nome della connessione è già stato usato. Modificare il nome e riprovare.",
             refusal.text());
  refusal.answer(IDOK);
  rename.finish();

  Click cancelled = ui.click(ids::cmdRinomina);
  const InputBoxView again = ui.waitForInputBox();
  again.type("Altro Nome");
  again.answer(IDCANCEL);
  cancelled.finish();

  expectTexts("cmbConnessione entries", {"Casa", "Ufficio", "Laboratorio"},
              ui.entries(ids::cmbConnessione));
  expectShows(ui, kUfficio);
  expectProfileFile(session.folder(), sampleProfile());
}

void answerDeleteConfirmation(Ui& ui, int answer) {
  Click remove = ui.click(ids::cmdElimina);
  const MessageBoxView box = ui.waitForMessageBox();
  expectText("confirmation title", "Veltrano", box.title());
  expectText("confirmation text", "Si è sicuri di voler eliminare la connessione?", box.text());
  expect(box.hasButton(IDYES) && box.hasButton(IDNO), "the confirmation should offer Yes and No");
  box.answer(answer);
  remove.finish();
}

void deletingAfterYesRemovesItAndSelectsTheFirst(const Environment& environment) {
  Session session(environment);
  session.folder().writeProfile(sampleProfile());
  session.start();
  Ui& ui = session.ui();
  ui.pick(ids::cmbConnessione, 1);

  answerDeleteConfirmation(ui, IDYES);

  expectTexts("cmbConnessione entries", {"Casa", "Laboratorio"}, ui.entries(ids::cmbConnessione));
  expectShows(ui, kCasa);
  expectEditingButtons(ui, true);
  Profile expected = sampleProfile();
  expected.count = changedCount(2);
  expected.connections = {kCasa, kLaboratorio};
  expectProfileFile(session.folder(), expected);
}

void deletingAfterNoKeepsEverything(const Environment& environment) {
  Session session(environment);
  session.folder().writeProfile(sampleProfile());
  session.start();
  Ui& ui = session.ui();
  ui.pick(ids::cmbConnessione, 1);

  answerDeleteConfirmation(ui, IDNO);

  expectTexts("cmbConnessione entries", {"Casa", "Ufficio", "Laboratorio"},
              ui.entries(ids::cmbConnessione));
  expectShows(ui, kUfficio);
  expectProfileFile(session.folder(), sampleProfile());
}

void deletingTheOnlyConnectionLeavesOnlyNewEnabled(const Environment& environment) {
  Session session(environment);
  Profile only = sampleProfile();
  only.count = "1";
  only.connections = {kUfficio};
  session.folder().writeProfile(only);
  session.start();
  Ui& ui = session.ui();

  answerDeleteConfirmation(ui, IDYES);

  expect(ui.entries(ids::cmbConnessione).empty(), "cmbConnessione should be empty");
  expectEditingButtons(ui, false);
  for (int field :
       {ids::txtIP, ids::txtMask, ids::txtGateway, ids::txtDNS, ids::txtProxy, ids::txtProxyPort}) {
    expectText("after deleting the last connection: field text", "", ui.text(field));
  }
  only.count = changedCount(0);
  only.connections.clear();
  expectProfileFile(session.folder(), only);
}

}  // namespace

std::vector<Case> renameDeleteCases() {
  return {
      {"renaming_keeps_the_place_and_rewrites_the_file", renamingKeepsThePlaceAndRewritesTheFile},
      {"renaming_to_a_used_name_or_cancelling_changes_nothing",
       renamingToAUsedNameOrCancellingChangesNothing},
      {"deleting_after_yes_removes_it_and_selects_the_first",
       deletingAfterYesRemovesItAndSelectsTheFirst},
      {"deleting_after_no_keeps_everything", deletingAfterNoKeepsEverything},
      {"deleting_the_only_connection_leaves_only_new_enabled",
       deletingTheOnlyConnectionLeavesOnlyNewEnabled},
  };
}

}  // namespace e2e
