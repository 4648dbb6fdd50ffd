// veltrano_e2e: drives the real veltrano.exe under Wine through one flow of a user, then checks
// what the user sees, velt2.ini, lastconnection.bat, what netsh received and the registry.
// Expected texts come from the program's catalogue. CMake makes a test of each row of kFlows.
//   veltrano_e2e FLOW PROGRAM   (PROGRAM: veltrano.exe, or the folder of an unpacked release)
// Copied into the Wine prefix's system32 as netsh.exe, it records the arguments it is given.
#include "driver.h"

namespace e2e {

namespace {

const Row kUfficio{"Ufficio",      "NO", "192.168.10.25",     "255.255.255.0", "192.168.10.1",
                   "192.168.10.2", "SI", "proxy.example.org", "8080"};
const Row kUniversita{"Università", "SI", "DHCP",     "DHCP",    "DHCP",
                      "DHCP",       "NO", "NO PROXY", "NO PROXY"};
const Row kLaboratorio{"Laboratorio", "NO", "10.0.0.5", "255.0.0.0", "10.0.0.1",
                       "10.0.0.2",    "NO", "NO PROXY", "NO PROXY"};
const std::vector<Row> kRows{kUfficio, kUniversita, kLaboratorio};
const std::string kAdapter = "Rete locale";

// The text fields of a connection (their IDs in control_ids.h) and the values they show.
const std::pair<int, std::string Row::*> kFields[] = {
    {ids::txtIP, &Row::ip},   {ids::txtMask, &Row::mask},   {ids::txtGateway, &Row::gateway},
    {ids::txtDNS, &Row::dns}, {ids::txtProxy, &Row::proxy}, {ids::txtProxyPort, &Row::proxyPort}};

void expectShown(Session& s, const Row& r, const std::string& language = "IT") {
  same("cmbConnessione", r.nome, s.text(ids::cmbConnessione));
  same("cmbDHCP", msg(r.dhcp, language), s.text(ids::cmbDHCP));
  same("cmbUseProxy", msg(r.useProxy, language), s.text(ids::cmbUseProxy));
  for (const auto& [id, value] : kFields) {
    same("field " + std::to_string(id), r.*value, s.text(id));
  }
}

// Types a static connection with a proxy as a user would, the yes/no lists first.
void enter(Session& s, const Row& r) {
  s.pick(ids::cmbDHCP, 1);
  s.pick(ids::cmbUseProxy, 0);
  for (const auto& [id, value] : kFields) {
    s.type(id, r.*value);
  }
}

// Starts on a profile saved as UTF-8 with a BOM, as Notepad saves it; the switch keeps it so.
void startBrowseSwitchAndRestart(const fs::path& exe) {
  Session s(exe, profile(kAdapter, "IT", kRows, false, true));
  same("cmdSetta", msg("SETTA", "IT"), s.text(ids::cmdSetta));
  check(s.count(ids::cmbConnessione) == 3, "cmbConnessione should hold 3 entries");
  expectShown(s, kUfficio);
  s.pick(ids::cmbConnessione, 1);
  expectShown(s, kUniversita);
  s.click(ids::cmdLingua);
  expectShown(s, kUniversita, "IN");
  same("velt2.ini", profile(kAdapter, "IN", kRows, false, true), s.read("velt2.ini"));
  s.quit();
  s.start();
  same("cmdSetta after a restart", msg("SETTA", "IN"), s.text(ids::cmdSetta));
}

void startWithoutTheFile(const fs::path& exe) {
  Session s(exe, std::nullopt);
  s.ask(0, msg("NOINIFILE", "IT"), IDOK);
  s.waitForExit();
  check(!fs::exists(s.folder / "velt2.ini"), "the program created velt2.ini");
}

void newEditRenameAndDelete(const fs::path& exe) {
  const Row added{"Palestra",   "NO", "172.16.5.10",    "255.255.0.0", "172.16.0.1",
                  "172.16.0.2", "SI", "proxy.gym.test", "3128"};
  Row edited{"Laboratorio", "NO", "10.0.0.5",       "255.0.0.0", "10.0.0.1",
             "10.0.0.3",    "SI", "proxy.lab.test", "8080"};
  Session s(exe, profile(kAdapter, "IT", kRows));
  s.click(ids::cmdNuova);
  s.type(ids::txtConnessione, added.nome);
  enter(s, added);
  s.click(ids::cmdSalva);
  expectShown(s, added);
  std::vector<Row> rows{kUfficio, kUniversita, kLaboratorio, added};
  same("velt2.ini after the new one", profile(kAdapter, "IT", rows, true), s.read("velt2.ini"));
  s.pick(ids::cmbConnessione, 2);
  enter(s, edited);
  s.ask(ids::cmdSalva, msg("SURETOSAVE", "IT"), IDYES);
  rows[2] = edited;
  same("velt2.ini after the edit", profile(kAdapter, "IT", rows, true), s.read("velt2.ini"));
  s.ask(ids::cmdRinomina, msg("INSRENAME", "IT") + " " + edited.nome, IDOK, "Sede");
  rows[2].nome = "Sede";
  same("velt2.ini after the rename", profile(kAdapter, "IT", rows, true), s.read("velt2.ini"));
  s.pick(ids::cmbConnessione, 1);
  s.ask(ids::cmdElimina, msg("SURETODEL", "IT"), IDYES);
  check(s.count(ids::cmbConnessione) == 3, "cmbConnessione should hold 3 entries");
  rows.erase(rows.begin() + 1);
  same("velt2.ini after the delete", profile(kAdapter, "IT", rows, true), s.read("velt2.ini"));
}

// A name typed in Settings is stored, and refused by the apply before anything is written when
// this machine has no such adapter; one picked from the list is stored as it is.
void adapterSetting(const fs::path& exe) {
  fs::remove(netshRecord());
  Session s(exe, profile(kAdapter, "IT", kRows));
  same("adapter shown", kAdapter,
       s.ask(ids::cmdSettings, msg("INSINTERFACE", "IT"), IDOK, "  Wi-Fi 2  "));
  same("velt2.ini", profile("Wi-Fi 2", "IT", kRows), s.read("velt2.ini"));
  std::string found;
  const auto adapters = veltrano::win32::Win32NetworkAdapters().list().value();
  for (const auto* a : veltrano::pickableAdapters(adapters)) {
    found += (found.empty() ? "\"" : ", \"") + a->name + "\"";
  }
  s.ask(ids::cmdSetta, veltrano::componi(msg("UNKNOWNADAPTER", "IT"), {"Wi-Fi 2", found}), IDOK);
  check(!fs::exists(s.folder / "lastconnection.bat") && !fs::exists(netshRecord()),
        "the batch was written or run");
  const std::string adapter = machineAdapter().name;
  s.ask(ids::cmdSettings, msg("INSINTERFACE", "IT"), IDOK, adapter, true);
  same("velt2.ini after picking", profile(adapter, "IT", kRows), s.read("velt2.ini"));
}

// A static connection with the values the adapter has now: applying it changes nothing, so even
// under Wine, whose netsh changes nothing, it is found as asked.
Row asTheAdapterIs(const veltrano::NetworkAdapter& a) {
  const int prefix = a.addresses[0].prefixLength;
  const auto bits = prefix == 0 ? 0u : ~0u << (32 - prefix);
  std::string mask;
  for (int shift = 24; shift >= 0; shift -= 8) {
    mask += std::to_string((bits >> shift) & 255u) + (shift > 0 ? "." : "");
  }
  const auto first = [](const std::vector<std::string>& all) { return all.empty() ? "" : all[0]; };
  return {"Qui",
          "NO",
          a.addresses[0].address,
          mask,
          first(a.gateways),
          first(a.dnsServers),
          "NO",
          "NO PROXY",
          "NO PROXY"};
}

// Applies, one after the other: a connection the adapter already has (nothing is told), one on
// DHCP (Wine reports DHCP off: told), and one static with a proxy. The proxy values are preset to
// ones that no apply writes.
void apply(const fs::path& exe) {
  const auto adapter = machineAdapter();
  const std::string kept = std::string("kept.test:1") + '\0';
  RegSetKeyValueA(HKEY_CURRENT_USER, kInternetSettings, "ProxyEnable", REG_DWORD, "\2\0\0\0", 4);
  RegSetKeyValueA(HKEY_CURRENT_USER, kInternetSettings, "ProxyServer", REG_SZ, kept.data(),
                  static_cast<DWORD>(kept.size()));
  fs::remove(netshRecord());
  Session s(exe, profile(adapter.name, "IT", {asTheAdapterIs(adapter), kUniversita, kUfficio}));
  s.click(ids::cmdSetta);
  Sleep(7000);  // past the time the program gives an adapter to settle
  check(s.find(L"#32770") == nullptr, "a box after an apply that left the adapter as asked");
  std::string calls = netshCalls(2);
  for (int index : {1, 2}) {
    const Row& row = kRows[index == 1 ? 1 : 0];
    s.pick(ids::cmbConnessione, index);
    const bool dhcp = row.dhcp == "SI";
    if (dhcp) {
      s.ask(ids::cmdSetta,
            veltrano::componi(msg("NOTAPPLIED", "IT"), {row.nome}) + "\r\n- " +
                msg("VERIFYNODHCP", "IT"),
            IDOK);
    } else {
      s.click(ids::cmdSetta);
    }
    const std::pair<std::string, std::string> netshLines[] = {
        {"address",
         dhcp ? " dhcp" : " static " + row.ip + " " + row.mask + " " + row.gateway + " 1"},
        {"dns", dhcp ? " dhcp" : " static " + row.dns}};
    std::string batch = "rem setting connessione " + row.nome + "\r\n";
    for (auto [verb, tail] : netshLines) {
      batch += "netsh interface ip set " + verb + " \"" + adapter.name + "\"" + tail + "\r\n";
      std::replace(tail.begin(), tail.end(), ' ', '|');
      calls += "interface|ip|set|" + verb + "|" + adapter.name + tail + "\r\n";
    }
    same("what netsh received", calls, netshCalls(static_cast<std::size_t>(2 * index + 2)));
    same("batch file", CodePage(850).fromUtf8(batch).value_or(""), s.read("lastconnection.bat"));
    same("ProxyEnable", std::string(dhcp ? "\0\0\0\0" : "\1\0\0\0", 4),
         internetSetting("ProxyEnable"));
    same("ProxyServer", dhcp ? kept : row.proxy + ":" + row.proxyPort + '\0',
         internetSetting("ProxyServer"));
  }
}

void commandLineAppliesWithoutAWindow(const fs::path& exe) {
  const auto adapter = machineAdapter();
  const Row here = asTheAdapterIs(adapter);
  const std::string ini = profile(adapter.name, "IT", {here, kUfficio});
  for (const auto& [row, code] : {std::pair{here, 0ul}, {kUfficio, 1ul}}) {
    Session s(exe, ini, false, L"/apply \"" + widen(row.nome) + L"\" /quiet");
    check(s.waitForExit(true) == code,
          "/apply " + row.nome + " should end with " + std::to_string(code));
    check(s.read("lastconnection.bat").starts_with("rem setting connessione " + row.nome + "\r\n"),
          "the batch of " + row.nome);
    same("velt2.ini", ini, s.read("velt2.ini"));
  }
}

// Beside the exe under test stand help files titled with their own names, so the viewer's
// caption tells which one opened.
void helpAndAbout(const fs::path& exe) {
  Session s(exe, profile(kAdapter, "IT", kRows));
  s.ask(ids::cmdInfo, msg("ABOUT", "IT"), IDOK);
  s.click(ids::cmdAiuto);
  // Wine's viewer shows one help file at a time.
  PostMessageW(s.waitFor(nullptr, msg("HELPFILENAME", "IT")), WM_CLOSE, 0, 0);
  s.click(ids::cmdLingua);
  s.click(ids::cmdAiuto);
  s.waitFor(nullptr, msg("HELPFILENAME", "IN"));
}

void lockedWhileSaving(const fs::path& exe) {
  Session s(exe, profile(kAdapter, "IT", kRows));
  s.window();
  const HANDLE holder = CreateFileW((s.folder / "velt2.ini").c_str(), GENERIC_READ, 0, nullptr,
                                    OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  check(holder != INVALID_HANDLE_VALUE, "the driver cannot hold velt2.ini");
  s.ask(ids::cmdLingua, msg("NOINIFILE", "IN"), IDOK);
  s.waitForExit();
  CloseHandle(holder);
  same("velt2.ini", profile(kAdapter, "IT", kRows), s.read("velt2.ini"));
}

// Runs veltrano.exe where the release archive put it: at its top, or in the folder it holds.
void release(const fs::path& program) {
  fs::path exe;
  const fs::path top = fs::is_directory(program) ? program : program.parent_path();
  for (const auto& entry : fs::recursive_directory_iterator(top)) {
    exe = entry.path().filename() == "veltrano.exe" ? entry.path() : exe;
  }
  Session s(exe, std::nullopt, true);
  same("cmdSetta", msg("SETTA", "IT"), s.text(ids::cmdSetta));
  check(s.count(ids::cmbConnessione) == 0, "cmbConnessione should hold 0 entries");
  s.click(ids::cmdAiuto);
  s.waitFor(L"HH Parent");
}

using Flow = void (*)(const fs::path& program);

// One row a flow; CMake reads the names from here.
const std::pair<const char*, Flow> kFlows[] = {
    {"starts_on_utf8_browses_switches_language_and_restarts", startBrowseSwitchAndRestart},
    {"without_the_file_reports_in_italian_and_ends", startWithoutTheFile},
    {"new_edit_rename_and_delete_rewrite_the_file", newEditRenameAndDelete},
    {"adapter_typed_or_picked_is_stored_and_an_unknown_one_refused", adapterSetting},
    {"apply_runs_netsh_sets_the_proxy_and_tells_only_what_is_not_as_asked", apply},
    {"command_line_applies_without_a_window_and_returns_the_verification",
     commandLineAppliesWithoutAWindow},
    {"help_and_about_follow_the_language", helpAndAbout},
    {"file_locked_while_saving_is_reported_and_kept", lockedWhileSaving},
    {"unzipped_release_starts_in_italian_and_opens_the_italian_help", release},
};

}  // namespace

}  // namespace e2e

int wmain(int argc, wchar_t** argv) {
  if (_wcsicmp(e2e::fs::path(argv[0]).stem().c_str(), L"netsh") == 0) {
    std::ofstream record(e2e::netshRecord(), std::ios::binary | std::ios::app);
    for (int i = 1; i < argc; ++i) {
      record << (i > 1 ? "|" : "") << e2e::narrow(argv[i]);
    }
    return (record << "\r\n") ? 0 : 1;
  }
  const std::string wanted = argc < 3 ? "" : e2e::narrow(argv[1]);
  const auto* flow = std::find_if(std::begin(e2e::kFlows), std::end(e2e::kFlows),
                                  [&](const auto& row) { return wanted == row.first; });
  // The expected bytes are an Italian Windows's: scripts/e2e.sh gives Wine LC_ALL=it_IT.UTF-8.
  if (flow == std::end(e2e::kFlows) || GetACP() != 1252 || GetOEMCP() != 850) {
    std::printf("usage: veltrano_e2e FLOW PROGRAM, under Wine with code pages 1252 and 850\n");
    return 2;
  }
  try {
    // CTest hands over Linux paths, which Wine shows on drive Z:.
    flow->second(argv[2][0] == L'/' ? L"Z:" + std::wstring(argv[2]) : argv[2]);
  } catch (const std::exception& error) {
    std::printf("FAIL %s: %s\n", flow->first, error.what());
    return 1;
  }
  return 0;
}
