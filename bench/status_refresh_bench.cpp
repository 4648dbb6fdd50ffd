// What the status bar costs on the real machine: GetAdaptersAddresses (with the DNS source of
// each adapter from the registry) alone, and a whole refresh of the adapter's part (adapters,
// WinINet's proxy, and the stored connection in effect looked for among 1000). Run under Wine
// by bench/run.sh; on Windows it can run as it is.
//   veltrano_status_refresh_bench [SAMPLES]
#include <cstdio>
#include <cstdlib>
#include <string>

#include "apply/status_line.h"
#include "bench/sample_profile.h"
#include "bench/table.h"
#include "bench/timing.h"
#include "shell/win32/code_page_codec.h"
#include "shell/win32/win32_batch_runner.h"
#include "shell/win32/win32_dialogs.h"
#include "shell/win32/win32_file_system.h"
#include "shell/win32/win32_network_adapters.h"
#include "shell/win32/win32_platform.h"
#include "shell/win32/win32_proxy_settings.h"
#include "shell/win32/win32_registry.h"
#include "store/profile_file.h"

namespace {

struct Silent : veltrano::StatusBar {
  void setText(int part, const std::string& text) override {
    if (part == 0) {
      shown = text;
    }
  }
  std::string shown;
};

}  // namespace

int main(int argc, char** argv) {
  using namespace veltrano;
  const int samples = argc > 1 ? std::atoi(argv[1]) : 201;
  win32::Win32Platform platform;
  win32::Win32NetworkAdapters adapters;
  win32::Win32ProxySettings proxy;
  win32::Win32Registry registry;
  win32::Win32FileSystem files;
  win32::Win32Dialogs dialogs(nullptr, nullptr);
  win32::Win32BatchRunner batch(nullptr, 850);
  Silent bar;
  StatusLine status(bar,
                    Services{dialogs, platform, files, registry, proxy, batch, adapters,
                             win32::ansiCodePage(), win32::oemCodePage()},
                    [](const std::string& key) { return key; });
  Profilo profile;
  const auto listed = adapters.list();
  if (!listed || listed->empty() || !leggiProfilo(bench::sampleProfile(1000), profile)) {
    std::fprintf(stderr, "status_refresh_bench: no adapters or no sample profile\n");
    return 1;
  }
  const std::string adapter = listed->back().name;
  std::vector<double> list, wininet, refresh;
  for (int i = 0; i < samples; ++i) {
    list.push_back(bench::microsecondsOf([&] { adapters.list(); }));
    wininet.push_back(bench::microsecondsOf([&] { proxy.read(); }));
    refresh.push_back(
        bench::microsecondsOf([&] { status.aggiornaInterfaccia(adapter, profile.connessioni); }));
  }
  bench::Table table({"median of " + std::to_string(samples), "microseconds"});
  table.addRow({"GetAdaptersAddresses and the DNS sources", bench::fixed(bench::median(list), 0)});
  table.addRow({"the proxy through WinINet", bench::fixed(bench::median(wininet), 0)});
  table.addRow(
      {"refresh of the adapter's part, 1000 connections", bench::fixed(bench::median(refresh), 0)});
  table.print();
  std::printf("adapter %s: %s\n", adapter.c_str(), bar.shown.c_str());
  return 0;
}
