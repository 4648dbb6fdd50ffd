// New, save and undo.
#include "cases.h"
#include "control_names.h"
#include "expect.h"
#include "shell/win32/control_ids.h"
#include "window_expectations.h"

namespace e2e {

namespace {

namespace ids = veltrano::ids;

Profile twoConnections() {
  Profile profile = sampleProfile();
  profile.count = "2";
  profile.connections = {kCasa, kUfficio};
  return profile;
}

void expectNewConnectionMode(const Ui& ui) {
  expect(!ui.visible(ids::cmbConnessione), "new connection: cmbConnessione should be hidden");
  expect(ui.visible(ids::txtConnessione), "new connection: txtConnessione should be shown");
  expectText("new connection: cmdNuova caption", "Annulla", ui.text(ids::cmdNuova));
  for (int id : {ids::cmdSetta, ids::cmdAnnullaModifiche, ids::cmdElimina, ids::cmdRinomina,
                 ids::cmdLingua}) {
    expect(!ui.enabled(id), "new connection: " + controlName(id) + " should be disabled");
  }
  expect(ui.enabled(ids::cmdSalva), "new connection: cmdSalva should be enabled");
}

void newConnectionIsSavedLastAndSelected(const Environment& environment) {
  Session session(environment);
  session.folder().writeProfile(twoConnections());
  session.start();
  Ui& ui = session.ui();

  ui.press(ids::cmdNuova);
  expectNewConnectionMode(ui);
  expectText("txtConnessione at entry", "", ui.text(ids::txtConnessione));
  expectNumber("cmbDHCP selection at entry", 1, ui.selection(ids::cmbDHCP));
  expectNumber("cmbUseProxy selection at entry", 1, ui.selection(ids::cmbUseProxy));
  expectField(ui, ids::txtIP, "", true);
  expectField(ui, ids::txtProxy, "NO PROXY", false);

  ui.type(ids::txtConnessione, "  Palestra  ");
  ui.type(ids::txtIP, "172.16.5.10");
  ui.type(ids::txtMask, "255.255.0.0");
  ui.type(ids::txtGateway, "172.16.0.1");
  ui.type(ids::txtDNS, "172.16.0.2");
  ui.press(ids::cmdSalva);

  const Connection palestra{"Palestra", "172.16.5.10", "255.255.0.0", "172.16.0.1", "172.16.0.2",
                            "NO PROXY", "NO PROXY",    "NO",          "NO"};
  expectTexts("cmbConnessione entries", {"Casa", "Ufficio", "Palestra"},
              ui.entries(ids::cmbConnessione));
  expectShows(ui, palestra);
  expectBrowsing(ui);
  expectText("txtConnessione after saving", "", ui.text(ids::txtConnessione));
  expectText("cmdNuova caption after saving", "Nuova Connessione", ui.text(ids::cmdNuova));
  expectEditingButtons(ui, true);

  Profile expected = twoConnections();
  expected.count = changedCount(3);
  expected.connections.push_back(palestra);
  expectProfileFile(session.folder(), expected);
}

void abortingANewConnectionChangesNothing(const Environment& environment) {
  Session session(environment);
  session.folder().writeProfile(sampleProfile());
  session.start();
  Ui& ui = session.ui();
  ui.pick(ids::cmbConnessione, 1);

  ui.press(ids::cmdNuova);
  ui.type(ids::txtConnessione, "Provvisoria");
  ui.type(ids::txtIP, "172.16.9.9");
  ui.press(ids::cmdNuova);

  expectBrowsing(ui);
  expectText("cmdNuova caption after abort", "Nuova Connessione", ui.text(ids::cmdNuova));
  expectTexts("cmbConnessione entries", {"Casa", "Ufficio", "Laboratorio"},
              ui.entries(ids::cmbConnessione));
  expectShows(ui, kUfficio);
  expectEditingButtons(ui, true);
  expectProfileFile(session.folder(), sampleProfile());
}

void newConnectionWithoutIpIsRefused(const Environment& environment) {
  Session session(environment);
  session.folder().writeProfile(sampleProfile());
  session.start();
  Ui& ui = session.ui();

  ui.press(ids::cmdNuova);
  ui.type(ids::txtConnessione, "Palestra");
  Click save = ui.click(ids::cmdSalva);
  const MessageBoxView box = ui.waitForMessageBox();
  expectText("refusal title", "Veltrano", box.title());
  expectText("refusal text", "Inserire IP", box.text());
  box.answer(IDOK);
  save.finish();

  expectNewConnectionMode(ui);
  expectText("txtConnessione after refusal", "Palestra", ui.text(ids::txtConnessione));
  expectProfileFile(session.folder(), sampleProfile());
}

// Edits Ufficio and presses Save, answering the confirmation with `answer`.
void editUfficioAndSave(Ui& ui, int answer) {
  ui.pick(ids::cmbConnessione, 1);
  ui.type(ids::txtDNS, " 192.168.10.3 ");
  ui.type(ids::txtProxyPort, "3128");
  Click save = ui.click(ids::cmdSalva);
  const MessageBoxView box = ui.waitForMessageBox();
  expectText("confirmation title", "Veltrano", box.title());
  expectText("confirmation text", "Si è sicuri di voler salvare le modifiche?", box.text());
  expect(box.hasButton(IDYES) && box.hasButton(IDNO), "the confirmation should offer Yes and No");
  box.answer(answer);
  save.finish();
  // Saving changes nothing in the window: the fields keep the texts as typed.
  expectText("txtDNS after saving", " 192.168.10.3 ", ui.text(ids::txtDNS));
  expectTexts("cmbConnessione entries", {"Casa", "Ufficio", "Laboratorio"},
              ui.entries(ids::cmbConnessione));
  expectNumber("cmbConnessione selection", 1, ui.selection(ids::cmbConnessione));
}

void savingAnEditedConnectionAfterYesStoresTheShownValues(const Environment& environment) {
  Session session(environment);
  session.folder().writeProfile(sampleProfile());
  session.start();
  editUfficioAndSave(session.ui(), IDYES);

  Profile expected = sampleProfile();
  expected.connections[1].dns = "192.168.10.3";
  expected.connections[1].proxyPort = "3128";
  expectProfileFile(session.folder(), expected);
}

void savingAnEditedConnectionAfterNoChangesNothing(const Environment& environment) {
  Session session(environment);
  session.folder().writeProfile(sampleProfile());
  session.start();
  editUfficioAndSave(session.ui(), IDNO);
  expectProfileFile(session.folder(), sampleProfile());
}

void undoRestoresTheStoredValues(const Environment& environment) {
  Session session(environment);
  session.folder().writeProfile(sampleProfile());
  session.start();
  Ui& ui = session.ui();
  ui.pick(ids::cmbConnessione, 1);
  ui.type(ids::txtIP, "192.168.77.77");
  ui.pick(ids::cmbUseProxy, 1);

  ui.press(ids::cmdAnnullaModifiche);
  expectShows(ui, kUfficio);
  expectEditingButtons(ui, true);
  expectProfileFile(session.folder(), sampleProfile());
}

}  // namespace

std::vector<Case> editingCases() {
  return {
      {"new_connection_is_saved_last_and_selected", newConnectionIsSavedLastAndSelected},
      {"aborting_a_new_connection_changes_nothing", abortingANewConnectionChangesNothing},
      {"new_connection_without_ip_is_refused", newConnectionWithoutIpIsRefused},
      {"saving_an_edited_connection_after_yes_stores_the_shown_values",
       savingAnEditedConnectionAfterYesStoresTheShownValues},
      {"saving_an_edited_connection_after_no_changes_nothing",
       savingAnEditedConnectionAfterNoChangesNothing},
      {"undo_restores_the_stored_values", undoRestoresTheStoredValues},
  };
}

}  // namespace e2e
