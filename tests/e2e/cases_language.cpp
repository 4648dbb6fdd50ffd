// Switching the language and starting again in the saved one.
#include "cases.h"
#include "expect.h"
#include "shell/win32/control_ids.h"
#include "window_expectations.h"

namespace e2e {

namespace {

namespace ids = veltrano::ids;

void languageButtonSwitchesBothWaysAndSavesTheChoice(const Environment& environment) {
  Session session(environment);
  session.folder().writeProfile(sampleProfile());
  session.start();
  Ui& ui = session.ui();
  ui.pick(ids::cmbConnessione, 1);
  ui.type(ids::txtIP, "192.168.10.200");  // unsaved: the switch shows the stored values again

  ui.press(ids::cmdLingua);
  expectCaptions(ui, Language::English);
  expectYesNoEntries(ui, Language::English);
  expectShows(ui, kUfficio);
  expectEditingButtons(ui, true);
  expectProfileFile(session.folder(), sampleProfile("IN"));

  ui.press(ids::cmdLingua);
  expectCaptions(ui, Language::Italian);
  expectYesNoEntries(ui, Language::Italian);
  expectShows(ui, kUfficio);
  expectProfileFile(session.folder(), sampleProfile("IT"));
}

void restartAfterSwitchingStartsInEnglish(const Environment& environment) {
  Session session(environment);
  session.folder().writeProfile(sampleProfile());
  session.start();
  session.ui().press(ids::cmdLingua);
  session.quit();

  session.start();
  Ui& ui = session.ui();
  expectCaptions(ui, Language::English);
  expectYesNoEntries(ui, Language::English);
  expectShows(ui, kCasa);
}

}  // namespace

std::vector<Case> languageCases() {
  return {
      {"language_button_switches_both_ways_and_saves_the_choice",
       languageButtonSwitchesBothWaysAndSavesTheChoice},
      {"restart_after_switching_starts_in_english", restartAfterSwitchingStartsInEnglish},
  };
}

}  // namespace e2e
