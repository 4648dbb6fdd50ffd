// Browsing: picking connections and flipping the yes/no lists by hand.
#include "cases.h"
#include "expect.h"
#include "shell/win32/control_ids.h"
#include "window_expectations.h"

namespace e2e {

namespace {

namespace ids = veltrano::ids;

void pickingAConnectionShowsItsValues(const Environment& environment) {
  Session session(environment);
  session.folder().writeProfile(sampleProfile());
  session.start();
  Ui& ui = session.ui();

  ui.pick(ids::cmbConnessione, 1);
  expectShows(ui, kUfficio);
  ui.pick(ids::cmbConnessione, 2);
  expectShows(ui, kLaboratorio);
  ui.pick(ids::cmbConnessione, 0);
  expectShows(ui, kCasa);
  expectEditingButtons(ui, true);
}

void flippingTheYesNoListsSwitchesTheirFields(const Environment& environment) {
  Session session(environment);
  session.folder().writeProfile(sampleProfile());
  session.start();
  Ui& ui = session.ui();

  // Casa is on DHCP without a proxy: the fields open empty, not with stored values.
  ui.pick(ids::cmbDHCP, 1);
  for (int field : {ids::txtIP, ids::txtMask, ids::txtGateway, ids::txtDNS}) {
    expectField(ui, field, "", true);
  }
  ui.pick(ids::cmbUseProxy, 0);
  expectField(ui, ids::txtProxy, "", true);
  expectField(ui, ids::txtProxyPort, "", true);

  ui.pick(ids::cmbDHCP, 0);
  for (int field : {ids::txtIP, ids::txtMask, ids::txtGateway, ids::txtDNS}) {
    expectField(ui, field, "DHCP", false);
  }
  ui.pick(ids::cmbUseProxy, 1);
  expectField(ui, ids::txtProxy, "NO PROXY", false);
  expectField(ui, ids::txtProxyPort, "NO PROXY", false);
  expectProfileFile(session.folder(), sampleProfile());
}

}  // namespace

std::vector<Case> browsingCases() {
  return {
      {"picking_a_connection_shows_its_values", pickingAConnectionShowsItsValues},
      {"flipping_the_yes_no_lists_switches_their_fields", flippingTheYesNoListsSwitchesTheirFields},
  };
}

}  // namespace e2e
