// veltrano_e2e: drives the real veltrano.exe under Wine through one flow of a user, then checks
// what the user sees, velt2.ini, lastconnection.bat, what netsh received and the registry.
// Expected texts come from the program's catalogue. CMake makes a test of each row of kFlows.
//   veltrano_e2e FLOW PROGRAM   (PROGRAM: veltrano.exe, or the folder of an unpacked release)
// Copied into the Wine prefix's system32 as netsh.exe, it records the arguments it is given.
#include "driver.h"

namespace e2e {

const Row kUfficio{"Ufficio",      "NO", "192.168.10.25",     "255.255.255.0", "192.168.10.1",
                   "192.168.10.2", "SI", "proxy.example.org", "8080"};
const Row kUniversita{"Università", "SI", "DHCP",     "DHCP",    "DHCP",
                      "DHCP",       "NO", "NO PROXY", "NO PROXY"};
const std::vector<Row> kRows{kUfficio, kUniversita};
const std::string kAdapter = "Rete locale";

// velt2.ini's bytes, the count line as a user wrote it or as the program rewrites it, in the
// ANSI code page or as Notepad saves UTF-8.
std::string profile(const std::vector<Row>& rows = kRows, const std::string& adapter = kAdapter,
                    const std::string& lang = "IT", bool rewritten = false, bool utf8 = false) {
  const auto count = rewritten ? std::nullopt : std::optional(std::to_string(rows.size()));
  veltrano::Profilo file{adapter, "", lang, count, {}};
  for (const Row& row : rows) file.connessioni.inserisciConnessione(row);
  const std::string text = veltrano::scriviProfilo(file).value_or("");
  return utf8 ? "\xEF\xBB\xBF" + text : CodePage(1252).fromUtf8(text).value_or("");
}

// The text fields of a connection (their IDs in control_ids.h) and the values they show.
const std::pair<int, std::string Row::*> kFields[] = {
    {ids::txtIP, &Row::ip},   {ids::txtMask, &Row::mask},   {ids::txtGateway, &Row::gateway},
    {ids::txtDNS, &Row::dns}, {ids::txtProxy, &Row::proxy}, {ids::txtProxyPort, &Row::proxyPort}};

// The connection shown, and the captions in the window's language.
void expectShown(Session& s, const Row& r, const std::string& language) {
  same("cmdSetta", msg("SETTA", language), s.text(ids::cmdSetta));
  same("cmbConnessione", r.nome, s.text(ids::cmbConnessione));
  same("cmbDHCP", msg(r.dhcp, language), s.text(ids::cmbDHCP));
  same("cmbUseProxy", msg(r.useProxy, language), s.text(ids::cmbUseProxy));
  for (const auto& [id, value] : kFields) same("field " + std::to_string(id), r.*value, s.text(id));
}

// With no velt2.ini the program says so in Italian and ends. On an English profile saved as UTF-8
// with a BOM, as Notepad saves it, it browses, shows About and the English help, switches to
// Italian keeping the BOM, ends, and starts again in Italian on the file it left, with the
// Italian help. Switching back while another program holds the file is refused in English (the
// new language), the program ends and the file stays as it was.
void starting(const fs::path& exe) {
  Session none(exe, std::nullopt);
  none.ask(0, msg("NOINIFILE"), IDOK);
  none.waitForExit();
  check(!fs::exists(none.folder / "velt2.ini"), "the program created velt2.ini");
  const std::string italian = profile(kRows, kAdapter, "IT", false, true);
  Session s(exe, profile(kRows, kAdapter, "IN", false, true));
  expectShown(s, kUfficio, "IN");
  s.pick(ids::cmbConnessione, 1);
  s.ask(ids::cmdInfo, msg("ABOUT"), IDOK);
  s.click(ids::cmdAiuto);
  s.waitFor(nullptr, msg("HELPFILENAME", "IN"));
  s.click(ids::cmdLingua);
  expectShown(s, kUniversita, "IT");
  same("velt2.ini", italian, s.read("velt2.ini"));
  s.click(ids::cmdEsci);
  s.waitForExit();
  // Started again where it was, on the file it left.
  Session again(s.folder / "veltrano.exe", std::nullopt);
  expectShown(again, kUfficio, "IT");
  again.click(ids::cmdAiuto);
  again.waitFor(nullptr, msg("HELPFILENAME"));
  FILE* const holder = _wfsopen((again.folder / "velt2.ini").c_str(), L"rb", _SH_DENYRW);
  again.ask(ids::cmdLingua, msg("NOINIFILE", "IN"), IDOK);
  again.waitForExit();
  std::fclose(holder);
  same("velt2.ini kept", italian, s.read("velt2.ini"));
}

// Each command rewrites velt2.ini at once. An adapter name typed in Settings is stored, and
// refused by the apply before anything is written when this machine has no such adapter; one
// picked from the list is stored as it is.
void editing(const fs::path& exe) {
  const auto [adapter, names, here] = machine();
  const Row added{"Palestra",   "NO", "172.16.5.10",    "255.255.0.0", "172.16.0.1",
                  "172.16.0.2", "SI", "proxy.gym.test", "3128"};
  std::vector<Row> rows{kUfficio, kUniversita, added};
  Session s(exe, profile());
  s.click(ids::cmdNuova);
  s.type(ids::txtConnessione, added.nome);
  s.pick(ids::cmbDHCP, 1);
  s.pick(ids::cmbUseProxy, 0);
  for (const auto& [id, value] : kFields) s.type(id, added.*value);
  s.click(ids::cmdSalva);
  same("velt2.ini after the new one", profile(rows, kAdapter, "IT", true), s.read("velt2.ini"));
  s.pick(ids::cmbConnessione, 0);
  s.type(ids::txtDNS, rows[0].dns = "192.168.10.3");
  s.ask(ids::cmdSalva, msg("SURETOSAVE"), IDYES);
  same("velt2.ini after the edit", profile(rows, kAdapter, "IT", true), s.read("velt2.ini"));
  s.ask(ids::cmdRinomina, msg("INSRENAME") + " " + kUfficio.nome, IDOK, rows[0].nome = "Sede");
  same("velt2.ini after the rename", profile(rows, kAdapter, "IT", true), s.read("velt2.ini"));
  s.pick(ids::cmbConnessione, 1);
  s.ask(ids::cmdElimina, msg("SURETODEL"), IDYES);
  rows.erase(rows.begin() + 1);
  same("velt2.ini after the delete", profile(rows, kAdapter, "IT", true), s.read("velt2.ini"));
  same("adapter", kAdapter, s.ask(ids::cmdSettings, msg("INSINTERFACE"), IDOK, "  Wi-Fi 2  "));
  same("velt2.ini", profile(rows, "Wi-Fi 2", "IT", true), s.read("velt2.ini"));
  s.ask(ids::cmdSetta, veltrano::componi(msg("UNKNOWNADAPTER"), {"Wi-Fi 2", names}), IDOK);
  check(!fs::exists(s.folder / "lastconnection.bat") && !fs::exists(kNetshRecord), "batch written");
  s.ask(ids::cmdSettings, msg("INSINTERFACE"), IDOK, adapter, true);
  same("velt2.ini after picking", profile(rows, adapter, "IT", true), s.read("velt2.ini"));
}

// `/apply NAME /quiet` shows no window and gives 0 for a connection the adapter already has, 1
// for one it does not get under Wine, whose netsh changes nothing. Then in the window, one after
// the other: the one the adapter has (nothing is told), one on DHCP (Wine reports DHCP off:
// told), and one static with a proxy. The proxy values are preset to ones that no apply writes.
void applying(const fs::path& exe) {
  const auto [adapter, names, here] = machine();
  const std::string ini = profile({here, kUniversita, kUfficio}, adapter);
  for (const auto& [row, code] : {std::pair{here, 0ul}, {kUfficio, 1ul}}) {
    Session s(exe, ini, L"/apply \"" + widen(row.nome) + L"\" /quiet");
    same("exit code of " + row.nome, std::to_string(code), std::to_string(s.waitForExit(true)));
    check(s.read("lastconnection.bat").starts_with("rem setting connessione " + row.nome + "\r\n"),
          "the batch of " + row.nome);
  }
  const std::string kept("kept.test:1", 12);  // with its NUL
  RegSetKeyValueA(HKEY_CURRENT_USER, kProxyKey, "ProxyEnable", REG_DWORD, "\2\0\0\0", 4);
  RegSetKeyValueA(HKEY_CURRENT_USER, kProxyKey, "ProxyServer", REG_SZ, kept.data(), 12);
  Session s(exe, ini);
  s.click(ids::cmdSetta);
  Sleep(7000);  // past the time the program gives an adapter to settle
  s.click(0);
  std::string calls = bytesOf(kNetshRecord);  // its batch has long ended
  for (const auto& [index, row] : {std::pair{1, kUniversita}, {2, kUfficio}}) {
    const bool dhcp = row.dhcp == "SI";
    const std::string told =
        veltrano::componi(msg("NOTAPPLIED"), {row.nome}) + "\r\n- " + msg("VERIFYNODHCP");
    s.pick(ids::cmbConnessione, index);
    s.ask(ids::cmdSetta, dhcp ? told : "", IDOK);
    std::string batch = "rem setting connessione " + row.nome + "\r\n";
    const std::string address = " " + row.ip + " " + row.mask + " " + row.gateway + " 1";
    for (const std::string verb : {"address", "dns"}) {
      std::string tail = dhcp ? " dhcp" : " static" + (verb == "dns" ? " " + row.dns : address);
      batch += "netsh interface ip set " + verb + " \"" + adapter + "\"" + tail + "\r\n";
      std::replace(tail.begin(), tail.end(), ' ', '|');
      calls += "interface|ip|set|" + verb + "|" + adapter + tail + "\r\n";
    }
    // The batch runs on after the click has returned. Nothing recorded at all: is the driver in
    // the prefix's system32 as netsh.exe?
    poll([&] { return bytesOf(kNetshRecord) == calls; });
    same("what netsh received", calls, bytesOf(kNetshRecord));
    same("batch file", CodePage(850).fromUtf8(batch).value_or(""), s.read("lastconnection.bat"));
    expectSetting("ProxyEnable", std::string(dhcp ? "\0\0\0\0" : "\1\0\0\0", 4));
    expectSetting("ProxyServer", dhcp ? kept : row.proxy + ":" + row.proxyPort + '\0');
  }
}

// Runs veltrano.exe where the release archive put it, given or in the one folder the archive
// unpacks into, on the starter velt2.ini and help beside it.
void release(const fs::path& program) {
  const bool unpacked = fs::is_directory(program);
  Session s(unpacked ? fs::directory_iterator(program)->path() / "veltrano.exe" : program, {});
  same("cmdSetta", msg("SETTA"), s.text(ids::cmdSetta));
  check(s.count(ids::cmbConnessione) == 0, "cmbConnessione should hold 0 entries");
  s.click(ids::cmdAiuto);
  s.waitFor(L"HH Parent");
}

// One row a flow; CMake reads the names from here.
const std::pair<const char*, void (*)(const fs::path& program)> kFlows[] = {
    {"starts_with_or_without_the_file_switches_language_and_keeps_a_locked_file", starting},
    {"new_edit_rename_delete_and_the_adapter_setting_rewrite_the_file", editing},
    {"apply_from_command_line_and_window_runs_netsh_sets_proxy_and_verifies", applying},
    {"unzipped_release_starts_in_italian_and_opens_the_italian_help", release},
};

}  // namespace e2e

int wmain(int argc, wchar_t** argv) try {
  if (_wcsicmp(e2e::fs::path(argv[0]).stem().c_str(), L"netsh") == 0) {
    std::ofstream record(e2e::kNetshRecord, std::ios::binary | std::ios::app);
    for (int i = 1; i < argc; ++i) record << (i > 1 ? "|" : "") << e2e::narrow(argv[i]);
    return (record << "\r\n") ? 0 : 1;
  }
  const std::string wanted = argc < 3 ? "" : e2e::narrow(argv[1]);
  const auto* flow = std::ranges::find(e2e::kFlows, wanted, [](auto& row) { return row.first; });
  // The expected bytes are an Italian Windows's: scripts/e2e.sh gives Wine LC_ALL=it_IT.UTF-8.
  e2e::check(flow != std::end(e2e::kFlows) && GetACP() == 1252 && GetOEMCP() == 850,
             "usage: veltrano_e2e FLOW PROGRAM, under Wine with code pages 1252 and 850");
  // CTest hands over Linux paths, which Wine shows on drive Z:.
  flow->second(argv[2][0] == L'/' ? L"Z:" + std::wstring(argv[2]) : argv[2]);
  return 0;
} catch (const std::exception& error) {
  std::printf("FAIL: %s\n", error.what());
  return 1;
}
