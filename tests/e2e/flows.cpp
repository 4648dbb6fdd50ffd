// veltrano_e2e: drives the real veltrano.exe under Wine through one flow of a user, then checks
// what the user sees, velt2.ini, lastconnection.bat, what netsh received, the registry and the
// exit code. CMake makes a test of each row of kFlows.
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
// Italian help.
void starting(const fs::path& exe) {
  Session none(exe, std::nullopt);
  none.ask(0, msg("NOINIFILE"), IDOK);
  none.waitForExit();
  check(!fs::exists(none.folder / "velt2.ini"), "the program created velt2.ini");
  const std::string italian = profile(kRows, kAdapter, "IT", true);
  Session s(exe, profile(kRows, kAdapter, "IN", true));
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
}

// Each command rewrites velt2.ini at once, and Cancel in an input box changes nothing. An adapter
// name typed in Settings is stored, and refused by the apply before anything is written when this
// machine has no such adapter; one picked from the list is stored as it is, and a new connection
// taken from it holds what it has.
void editing(const fs::path& exe) {
  const Machine m = machine();
  const Row added{"Palestra",   "NO", "172.16.5.10",    "255.255.0.0", "172.16.0.1",
                  "172.16.0.2", "SI", "proxy.gym.test", "3128"};
  std::vector<Row> rows{kUfficio, kUniversita, added};
  Session s(exe, profile(kRows, kAdapter));
  // velt2.ini holds the rows, as the program rewrites it once a count has changed.
  const auto saved = [&](const std::string& what, const std::string& adapter) {
    same("velt2.ini after " + what, profile(rows, adapter, "IT", false, true), s.read("velt2.ini"));
  };
  s.click(ids::cmdNuova);
  s.type(ids::txtConnessione, added.nome);
  s.pick(ids::cmbDHCP, 1);
  s.pick(ids::cmbUseProxy, 0);
  for (const auto& [id, value] : kFields) s.type(id, added.*value);
  s.click(ids::cmdSalva);
  saved("the new one", kAdapter);
  s.pick(ids::cmbConnessione, 0);
  s.type(ids::txtDNS, rows[0].dns = "192.168.10.3");
  s.ask(ids::cmdSalva, msg("SURETOSAVE"), IDYES);
  s.ask(ids::cmdRinomina, msg("INSRENAME") + " " + kUfficio.nome, IDCANCEL, "Altro nome");
  s.ask(ids::cmdSettings, msg("INSINTERFACE"), IDCANCEL, "Altra rete");
  s.ask(ids::cmdRinomina, msg("INSRENAME") + " " + kUfficio.nome, IDOK, rows[0].nome = "Sede");
  s.pick(ids::cmbConnessione, 1);
  s.ask(ids::cmdElimina, msg("SURETODEL"), IDYES);
  rows.erase(rows.begin() + 1);
  saved("the delete", kAdapter);
  same("adapter", kAdapter, s.ask(ids::cmdSettings, msg("INSINTERFACE"), IDOK, "  Wi-Fi 2  "));
  saved("the adapter typed", "Wi-Fi 2");
  s.ask(ids::cmdSetta, componi(msg("UNKNOWNADAPTER"), {"Wi-Fi 2", m.names}), IDOK);
  check(!fs::exists(s.folder / "lastconnection.bat") && !fs::exists(kNetshRecord), "batch written");
  s.ask(ids::cmdSettings, msg("INSINTERFACE"), IDOK, m.adapter, true);
  saved("picking", m.adapter);
  // A new connection from what the adapter has now, named and saved as any other.
  s.click(ids::cmdDaInterfaccia);
  s.type(ids::txtConnessione, "Cliente");
  s.click(ids::cmdSalva);
  Row taken = m.here;
  taken.nome = "Cliente";
  expectShown(s, taken, "IT");
  rows.push_back(taken);
  saved("new from the adapter", m.adapter);
}

// A line of a "not applied" message: its key's text with the field's label first, if any.
std::string line(const std::string& key, std::vector<std::string> values, const char* field = "") {
  if (*field != '\0')
    values.insert(values.begin(), msg(field));
  return "\r\n- " + componi(msg(key), values);
}

// The line for a field asked so when the adapter has `has`, perhaps none.
std::string differs(const char* field, const std::string& asked, const std::string& has) {
  return has.empty() ? line("VERIFYMISSING", {asked}, field)
                     : line("VERIFYDIFFERS", {asked, has}, field);
}

// In the window, one after the other: the connection the adapter has, verified as the status bar
// shows (Wine's netsh changes nothing, so only that one can be), then one static with a proxy,
// told with what the adapter has: the batch in the console's code page, what netsh received and
// the registry's values.
void applying(const fs::path& exe) {
  const Machine m = machine();
  // A proxy on, which the connection the adapter has does not ask for: not in effect yet.
  RegSetKeyValueA(HKEY_CURRENT_USER, kProxyKey, "ProxyEnable", REG_DWORD, "\2\0\0\0", 4);
  Session s(exe, profile({m.here, kUniversita, kUfficio}, m.adapter));
  const std::string here = m.here.ip + "/" + std::to_string(m.prefix),
                    adapterNow =
                        componi(msg("STATUSSTATIC"),
                                {m.adapter, here, m.here.gateway.empty() ? "-" : m.here.gateway,
                                 m.here.dns});
  poll([&] { return s.status(0) == adapterNow; });  // once the window has been activated
  same("the adapter in the status bar", adapterNow, s.status(0));
  s.click(ids::cmdSetta);
  const auto verified = [&] {
    SYSTEMTIME now{};
    GetLocalTime(&now);
    char time[8];
    std::snprintf(time, sizeof time, "%02u:%02u", now.wHour % 24u, now.wMinute % 60u);
    return s.status(1) == componi(msg("STATUSVERIFIED"), {m.here.nome, time});
  };
  check(poll(verified), "the status bar says " + s.status(1));
  same("in effect", componi(msg("STATUSINEFFECT"), {m.here.nome}) + " - " + adapterNow,
       s.status(0));
  const std::string calls = bytesOf(kNetshRecord);
  // Told once the batch has ended and the adapter had its time. Nothing recorded at all: is the
  // driver in the prefix's system32 as netsh.exe?
  s.pick(ids::cmbConnessione, 2);
  s.ask(ids::cmdSetta,
        componi(msg("NOTAPPLIED"), {"Ufficio"}) +
            line("VERIFYDIFFERS", {"192.168.10.25/24", here}, "IP") +
            differs("GATEWAY", kUfficio.gateway, m.here.gateway) +
            differs("DNS", kUfficio.dns, m.here.dns) + "\r\n" +
            componi(msg("PROXYSET"), {"proxy.example.org:8080"}),
        IDOK);
  const std::string quoted = " \"" + m.adapter + "\" ";
  same("batch file",
       "rem setting connessione Ufficio\r\nnetsh interface ip set address" + quoted +
           "static 192.168.10.25 255.255.255.0 192.168.10.1 1\r\nnetsh interface ip set dns" +
           quoted + "static 192.168.10.2\r\n",
       s.read("lastconnection.bat"));
  same("what netsh received",
       calls + "interface|ip|set|address|" + m.adapter +
           "|static|192.168.10.25|255.255.255.0|192.168.10.1|1\r\ninterface|ip|set|dns|" +
           m.adapter + "|static|192.168.10.2\r\n",
       bytesOf(kNetshRecord));
  expectSetting("ProxyEnable", std::string("\1\0\0\0", 4));
  expectSetting("ProxyServer", std::string("proxy.example.org:8080", 23));
}

// The command line through the real exe: its own path bare with blanks in it, an accented name
// with a blank, the usage and a name missing with no window, a box in the file's language.
void commandLine(const fs::path& exe) {
  const Machine m = machine();
  const std::string ini = profile({m.here, kUfficio}, m.adapter, "IN");
  Session bare(exe, ini, L"/apply \"" + widen(m.here.nome) + L"\" /quiet", false);
  same("exit code of a verified apply", "0", std::to_string(bare.waitForExit(true)));
  const std::tuple<std::wstring, std::string, int> rows[] = {
      {L"/?", msg("USAGE", "IN"), 0},
      {L"/apply", msg("USAGE", "IN"), 2},
      {L"/apply Nessuna", componi(msg("NOCONNECTION", "IN"), {"Nessuna"}), 1},
  };
  for (const auto& [args, box, code] : rows) {
    Session s(exe, ini, args);
    if (!box.empty())
      s.ask(0, box, IDOK);
    same("exit code of " + narrow(args), std::to_string(code), std::to_string(s.waitForExit(true)));
    check(!fs::exists(kNetshRecord), "netsh ran for " + narrow(args));
  }
}

// lastconnection.bat stays protected until the batch has ended, even once the window is closed:
// closing it hides it at once, and the program ends, showing nothing, only after the batch.
void holding(const fs::path& exe) {
  const Machine m = machine();
  const std::string ini = profile({m.here}, m.adapter);
  const fs::path batch = fs::temp_directory_path() / L"veltrano e2e" / "lastconnection.bat";
  std::ofstream(kNetshHold) << "wait";
  Session s(exe, ini);
  s.click(ids::cmdSetta);
  check(poll([] { return fs::exists(kNetshRecord); }), "netsh never ran");
  PostMessageW(s.window(), WM_CLOSE, 0, 0);
  check(poll([&] { return s.find(L"VeltranoMain") == nullptr; }), "the window stayed");
  Sleep(500);
  const auto writable = [&] {
    const HANDLE h = CreateFileW(batch.c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                 nullptr, OPEN_EXISTING, 0, nullptr);
    return h != INVALID_HANDLE_VALUE && CloseHandle(h);
  };
  check(s.running() && !writable(), "the batch was let go while netsh still ran");
  fs::remove(kNetshHold);
  same("exit code", "0", std::to_string(s.waitForExit(true)));
  check(writable(), "the batch is still held after the program ended");
}

// Each apply records what the adapter and the proxy had: /undo asks netsh for exactly that and
// puts the proxy values back as they were, deleting the one that was absent. A change with
// /confirm that nobody keeps is put back by the elevated batch by itself once its time is over.
void undoing(const fs::path& exe) {
  const Machine m = machine();
  const std::string kept("kept.test:1", 12);  // with its NUL
  RegSetKeyValueA(HKEY_CURRENT_USER, kProxyKey, "ProxyEnable", REG_DWORD, "\2\0\0\0", 4);
  RegSetKeyValueA(HKEY_CURRENT_USER, kProxyKey, "ProxyServer", REG_SZ, kept.data(), 12);
  RegDeleteKeyValueA(HKEY_CURRENT_USER, kProxyKey, "ProxyOverride");
  std::string restore = "interface|ip|set|address|" + m.adapter + "|static|" + m.here.ip + "|" +
                        m.here.mask +
                        (m.here.gateway.empty() ? "|none" : "|" + m.here.gateway + "|1") + "\r\n";
  for (std::size_t at = 0, index = 1; at < m.here.dns.size(); ++index) {
    const std::size_t end = std::min(m.here.dns.find(", ", at), m.here.dns.size());
    const std::string server = m.here.dns.substr(at, end - at);
    restore += index == 1 ? "interface|ip|set|dns|" + m.adapter + "|static|" + server + "\r\n"
                          : "interface|ip|add|dns|" + m.adapter + "|" + server +
                                "|index=" + std::to_string(index) + "\r\n";
    at = end + 2;
  }
  Session apply(exe, profile({m.here, kUfficio}, m.adapter), L"/apply Ufficio /quiet");
  same("exit code of an apply Wine cannot make", "1", std::to_string(apply.waitForExit(true)));
  const std::string applied = bytesOf(kNetshRecord);
  Session undo(apply.folder / "veltrano.exe", std::nullopt, L"/undo /quiet");
  same("exit code of the undo", "0", std::to_string(undo.waitForExit(true)));
  same("what netsh received for the undo", restore, bytesOf(kNetshRecord));
  expectSetting("ProxyEnable", std::string("\2\0\0\0", 4));
  expectSetting("ProxyServer", kept);
  expectSetting("ProxyOverride", std::string(1024, '\0'));  // none, as before
  Session confirm(apply.folder / "veltrano.exe", std::nullopt, L"/apply Ufficio /confirm 5");
  Sleep(9000);  // 5 s for nobody to keep it, then the elevated batch puts it back
  confirm.ask(0, componi(msg("REVERTED"), {"Ufficio"}), IDOK);
  same("exit code of a change nobody kept", "1", std::to_string(confirm.waitForExit(true)));
  same("what netsh received", applied + restore, bytesOf(kNetshRecord));
  expectSetting("ProxyEnable", std::string("\2\0\0\0", 4));  // as before, not as Ufficio set it
}

// Runs veltrano.exe where the release archive put it, in the one folder the archive unpacks
// into, on the starter velt2.ini and help beside it.
void release(const fs::path& program) {
  Session s(fs::directory_iterator(program)->path() / "veltrano.exe", {});
  same("cmdSetta", msg("SETTA"), s.text(ids::cmdSetta));
  s.click(ids::cmdAiuto);
  s.waitFor(L"HH Parent");
}

// One row a flow; CMake reads the names from here.
const std::pair<const char*, void (*)(const fs::path& program)> kFlows[] = {
    {"starts_with_or_without_the_file_switches_language_and_opens_each_help", starting},
    {"new_edit_rename_delete_cancel_and_the_adapter_setting_rewrite_the_file", editing},
    {"apply_runs_netsh_sets_proxy_shows_the_status_and_tells_what_differs", applying},
    {"command_line_bare_path_accented_name_usage_and_boxes_in_the_files_language", commandLine},
    {"batch_held_until_cmd_ends_after_the_window_closes", holding},
    {"undo_puts_back_what_the_apply_changed_and_an_unkept_change_is_reverted", undoing},
    {"unzipped_release_starts_in_italian_and_opens_the_italian_help", release},
};

}  // namespace e2e

int wmain(int argc, wchar_t** argv) try {
  if (_wcsicmp(e2e::fs::path(argv[0]).stem().c_str(), L"netsh") == 0) {
    {
      std::ofstream record(e2e::kNetshRecord, std::ios::binary | std::ios::app);
      for (int i = 1; i < argc; ++i) record << (i > 1 ? "|" : "") << e2e::narrow(argv[i]);
      record << "\r\n";
    }
    while (e2e::fs::exists(e2e::kNetshHold)) Sleep(50);
    return 0;
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
