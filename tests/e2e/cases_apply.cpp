// Applying a connection (lastconnection.bat, netsh, the proxy values) and the adapter setting.
// A netsh recorder in the program folder stands in for netsh: cmd.exe finds it there first, and
// it writes down the arguments it received, which shows that the batch ran and what reached it.
#include <algorithm>
#include <filesystem>
#include <optional>

#include "cases.h"
#include "expect.h"
#include "internet_settings.h"
#include "shell/win32/control_ids.h"
#include "text.h"
#include "window_expectations.h"

namespace e2e {

namespace {

namespace ids = veltrano::ids;

struct ExpectedBatch {
  std::string text;  // UTF-8
  std::vector<std::string> netshCalls;
};

ExpectedBatch dhcpBatch(const std::string& name, const std::string& adapter) {
  return {"rem setting connessione " + name + "\r\n" + "netsh interface ip set address \"" +
              adapter + "\" dhcp\r\n" + "netsh interface ip set dns \"" + adapter + "\" dhcp\r\n",
          {"interface|ip|set|address|" + adapter + "|dhcp",
           "interface|ip|set|dns|" + adapter + "|dhcp"}};
}

ExpectedBatch staticBatch(const std::string& name, const std::string& adapter,
                          const Connection& shown) {
  return {"rem setting connessione " + name + "\r\n" + "netsh interface ip set address \"" +
              adapter + "\" static " + shown.ip + " " + shown.mask + " " + shown.gateway +
              " 1\r\n" + "netsh interface ip set dns \"" + adapter + "\" static " + shown.dns +
              "\r\n",
          {"interface|ip|set|address|" + adapter + "|static|" + shown.ip + "|" + shown.mask + "|" +
               shown.gateway + "|1",
           "interface|ip|set|dns|" + adapter + "|static|" + shown.dns}};
}

void startForApplying(Session& session, const Profile& profile) {
  session.addFixture("netsh.exe");
  session.folder().writeProfile(profile);
  session.start();
}

void applyAndWaitForBatch(Session& session) {
  session.ui().press(ids::cmdSetta);
  session.waitForBatch(2);
}

void expectBatch(Session& session, const ExpectedBatch& expected) {
  const auto bytes = session.folder().read("lastconnection.bat");
  if (!bytes) {
    recordFailure("lastconnection.bat was not written");
  } else {
    expectBytes("lastconnection.bat", encode(expected.text, kOemCodePage), *bytes);
  }
  expectTexts("arguments netsh received", expected.netshCalls, session.netshCalls());
}

void presetProxy(std::uint32_t enable, const std::string& server, const std::string& override) {
  writeInternetSetting("ProxyEnable", dwordValue(enable));
  writeInternetSetting("ProxyServer", textValue(server));
  writeInternetSetting("ProxyOverride", textValue(override));
}

void expectNothingInjected(Session& session) {
  expect(!session.folder().holds("pwned.txt"), "the batch ran an injected command (pwned.txt)");
  std::error_code error;
  expect(!std::filesystem::exists(std::filesystem::current_path() / "pwned.txt", error),
         "the batch ran an injected command (pwned.txt in the driver's folder)");
}

void applyingDhcpWithoutProxyRunsDhcpBatchAndTurnsProxyOff(const Environment& environment) {
  presetProxy(1, "keep.example.org:3128", "keep-me");
  Session session(environment);
  startForApplying(session, sampleProfile());

  applyAndWaitForBatch(session);

  expectBatch(session, dhcpBatch("Casa", kAdapter));
  expectInternetSetting("ProxyEnable", dwordValue(0));
  expectInternetSetting("ProxyServer", textValue("keep.example.org:3128"));
  expectInternetSetting("ProxyOverride", textValue("keep-me"));
  expectProfileFile(session.folder(), sampleProfile());
}

void applyingStaticWithProxyRunsStaticBatchAndSetsProxy(const Environment& environment) {
  presetProxy(0, "old.example.org:1", "old");
  Session session(environment);
  startForApplying(session, sampleProfile());
  session.ui().pick(ids::cmbConnessione, 1);

  applyAndWaitForBatch(session);

  expectBatch(session, staticBatch("Ufficio", kAdapter, kUfficio));
  expectInternetSetting("ProxyEnable", dwordValue(1));
  expectInternetSetting("ProxyServer", textValue("proxy.example.org:8080"));
  expectInternetSetting("ProxyOverride", textValue("<local>"));
  expectProfileFile(session.folder(), sampleProfile());
}

void applyingUnsavedEditsAppliesWhatIsShown(const Environment& environment) {
  Session session(environment);
  startForApplying(session, sampleProfile());
  Ui& ui = session.ui();
  ui.pick(ids::cmbConnessione, 2);
  ui.type(ids::txtGateway, "10.0.0.254");

  applyAndWaitForBatch(session);

  Connection shown = kLaboratorio;
  shown.gateway = "10.0.0.254";
  expectBatch(session, staticBatch("Laboratorio", kAdapter, shown));
  expectText("txtGateway after applying", "10.0.0.254", ui.text(ids::txtGateway));
  expectProfileFile(session.folder(), sampleProfile());
}

// Applies `profile`'s selected connection, whose texts hold cmd.exe metacharacters. Refusing
// with a message is as safe as carrying the text inertly; either way nothing injected runs.
// Returns the batch's lines and what netsh received, or nothing when the apply was refused.
std::optional<std::vector<std::string>> applyHostile(Session& session) {
  Click apply = session.ui().click(ids::cmdSetta);
  if (const auto refusal = apply.finishUnlessMessageBox()) {
    expectText("refusal title", "Veltrano", refusal->title());
    refusal->answer(IDOK);
    apply.finish();
    expect(session.netshCalls().empty(), "a refused apply must not run netsh");
    expectNothingInjected(session);
    return std::nullopt;
  }
  session.waitForBatch(2);
  expectNothingInjected(session);
  const auto lines = linesOf(session.folder().read("lastconnection.bat").value_or(""));
  expectNumber("lastconnection.bat lines", 3, static_cast<long long>(lines.size()));
  return lines;
}

std::size_t trailingCarets(std::string line) {
  while (!line.empty() && (line.back() == '\n' || line.back() == '\r')) {
    line.pop_back();
  }
  const std::size_t last = line.find_last_not_of('^');
  return line.size() - (last == std::string::npos ? 0 : last + 1);
}

void hostileConnectionNameRunsNothing(const Environment& environment) {
  const std::string adapter = "LAN (2)";
  const Connection hostile{"x & echo PWNED > pwned.txt ^",
                           "DHCP",
                           "DHCP",
                           "DHCP",
                           "DHCP",
                           "NO PROXY",
                           "NO PROXY",
                           "NO",
                           "SI"};
  Session session(environment);
  startForApplying(session, Profile{adapter, "versione 2", "IT", "1", {hostile}});

  const auto lines = applyHostile(session);
  if (!lines || lines->size() != 3) {
    return;
  }
  const ExpectedBatch expected = dhcpBatch(hostile.name, adapter);
  const auto expectedLines = linesOf(expected.text);
  expect((*lines)[0].rfind("rem setting connessione x ", 0) == 0,
         "the batch's first line should be the comment, got " + shownBytes((*lines)[0]));
  // Wine's cmd neither joins a line ending in ^ to the next nor acts on & after rem, so the
  // comment is also checked as Windows' cmd reads it: an odd run of carets at its end would
  // swallow the address line.
  expect(trailingCarets((*lines)[0]) % 2 == 0,
         "the comment line ends in an unescaped ^: " + shownBytes((*lines)[0]));
  expectBytes("lastconnection.bat line 2", expectedLines[1], (*lines)[1]);
  expectBytes("lastconnection.bat line 3", expectedLines[2], (*lines)[2]);
  expectTexts("arguments netsh received", expected.netshCalls, session.netshCalls());
}

void hostileAddressFieldRunsNothing(const Environment& environment) {
  const std::string adapter = "LAN (2)";
  Session session(environment);
  startForApplying(session, Profile{adapter, "versione 2", "IT", "1", {kLaboratorio}});
  session.ui().type(ids::txtDNS, "10.0.0.2 & echo PWNED > pwned.txt");

  const auto lines = applyHostile(session);
  if (!lines || lines->size() != 3) {
    return;
  }
  const auto calls = session.netshCalls();
  expectText("arguments netsh received for the address",
             "interface|ip|set|address|LAN (2)|static|10.0.0.5|255.0.0.0|10.0.0.1|1",
             calls.empty() ? "" : calls[0]);
  const std::string dnsStart = "interface|ip|set|dns|LAN (2)|static|10.0.0.2|";
  expect(calls.size() == 2 && calls[1].rfind(dnsStart, 0) == 0,
         "netsh should receive the DNS text as arguments, starting " + shown(dnsStart));
}

void accentedNamesAreReadInAnsiAndReachNetshIntact(const Environment& environment) {
  const std::string adapter = "Rete Università";
  Connection universita = kCasa;
  universita.name = "Università";
  Session session(environment);
  startForApplying(session, Profile{adapter, "versione 2", "IT", "1", {universita}});
  expectTexts("cmbConnessione entries", {"Università"}, session.ui().entries(ids::cmbConnessione));

  applyAndWaitForBatch(session);

  expectBatch(session, dhcpBatch("Università", adapter));
}

void adapterSettingShowsTheCurrentNameAndStoresTheNewOne(const Environment& environment) {
  Session session(environment);
  session.folder().writeProfile(sampleProfile());
  session.start();
  Ui& ui = session.ui();

  Click settings = ui.click(ids::cmdSettings);
  const InputBoxView box = ui.waitForInputBox();
  expectText("adapter box title", "Veltrano", box.title());
  const auto labels = box.labels();
  expect(std::find(labels.begin(), labels.end(), "Inserire il nome dell'interfaccia di rete") !=
             labels.end(),
         "the adapter box should ask \"Inserire il nome dell'interfaccia di rete\"");
  expectText("adapter box starting text", kAdapter, box.text());
  box.type("  Wi-Fi  ");
  box.answer(IDOK);
  settings.finish();

  Profile expected = sampleProfile();
  expected.adapter = "Wi-Fi";
  expectProfileFile(session.folder(), expected);

  Click again = ui.click(ids::cmdSettings);
  const InputBoxView second = ui.waitForInputBox();
  expectText("adapter box starting text after the change", "Wi-Fi", second.text());
  second.type("Ethernet");
  second.answer(IDCANCEL);
  again.finish();
  expectProfileFile(session.folder(), expected);
  expectShows(ui, kCasa);
}

}  // namespace

std::vector<Case> applyCases() {
  return {
      {"applying_dhcp_without_proxy_runs_dhcp_batch_and_turns_proxy_off",
       applyingDhcpWithoutProxyRunsDhcpBatchAndTurnsProxyOff},
      {"applying_static_with_proxy_runs_static_batch_and_sets_proxy",
       applyingStaticWithProxyRunsStaticBatchAndSetsProxy},
      {"applying_unsaved_edits_applies_what_is_shown", applyingUnsavedEditsAppliesWhatIsShown},
      {"hostile_connection_name_runs_nothing", hostileConnectionNameRunsNothing},
      {"hostile_address_field_runs_nothing", hostileAddressFieldRunsNothing},
      {"accented_names_are_read_in_ansi_and_reach_netsh_intact",
       accentedNamesAreReadInAnsiAndReachNetshIntact},
      {"adapter_setting_shows_the_current_name_and_stores_the_new_one",
       adapterSettingShowsTheCurrentNameAndStoresTheNewOne},
  };
}

}  // namespace e2e
