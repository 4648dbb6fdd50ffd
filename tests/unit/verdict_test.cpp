// The verdict after an apply: the adapter and the proxy as the system shows them, against what
// was asked. Each row is one kind of difference; none may pass for "as asked".
#include <gtest/gtest.h>

#include <functional>

#include "apply/verification.h"
#include "lang/messaggi.h"

namespace veltrano {
namespace {

// The differences as "KEY field [value]...", joined by "; ".
// Each reason must have a text of its own.
std::string said(const std::vector<Motivo>& motivi) {
  static Catalogo texts;
  texts.caricaMessaggi();  // once
  std::string out;
  for (const Motivo& m : motivi) {
    EXPECT_NE(texts.getMessaggio(m.chiave, "IN"), texts.getMessaggio("NOERR", "IN")) << m.chiave;
    out += (out.empty() ? "" : "; ") + m.chiave + (m.campo.empty() ? "" : " " + m.campo);
    for (const std::string& value : m.valori) {
      out += " [" + value + "]";
    }
  }
  return out;
}

TEST(Verdict, TheAdapterHoldsExactlyWhatWasAskedAndNothingElse) {
  using State = IPv4Address::State;
  ApplyRequest fixed, bare, dhcp, listed;
  fixed.interfaccia = "LAN", fixed.ip = "10.0.0.5", fixed.mask = "255.255.255.0";
  bare = fixed, fixed.gateway = "10.0.0.1", fixed.dns = "10.0.0.2";
  listed = fixed, listed.dns = " 10.0.0.2 ;10.0.0.3";
  dhcp.interfaccia = "lan", dhcp.dhcp = true;
  using Change = std::function<void(NetworkAdapter&)>;
  const std::tuple<const ApplyRequest*, Change, const char*> rows[] = {
      {&fixed, [](auto&) {}, ""},
      {&fixed, [](auto& a) { a.name = "LAN 2"; }, "VERIFYNOADAPTER [LAN]"},
      {&fixed, [](auto& a) { a.dhcp = true; }, "VERIFYSTILLDHCP"},  // the lease, kept
      {&fixed, [](auto& a) { a.addresses.emplace_back("192.0.2.2", 24); },
       "VERIFYDIFFERS IP [10.0.0.5/24] [10.0.0.5/24, 192.0.2.2/24]"},
      {&fixed, [](auto& a) { a.addresses[0].prefixLength = 25; },
       "VERIFYDIFFERS IP [10.0.0.5/24] [10.0.0.5/25]"},
      {&fixed, [](auto& a) { a.addresses.clear(); }, "VERIFYMISSING IP [10.0.0.5/24]"},
      {&fixed, [](auto& a) { a.addresses[0].state = State::Tentative; },
       "VERIFYTENTATIVE IP [10.0.0.5/24]"},
      {&fixed, [](auto& a) { a.addresses[0].state = State::Duplicate; },
       "VERIFYDUPLICATE [10.0.0.5]"},
      {&fixed, [](auto& a) { a.addresses[0].state = State::Other; },
       "VERIFYNOTUSABLE IP [10.0.0.5/24]"},
      {&fixed, [](auto& a) { a.gateways.push_back("10.0.0.9"); },
       "VERIFYDIFFERS GATEWAY [10.0.0.1] [10.0.0.1, 10.0.0.9]"},
      {&fixed, [](auto& a) { a.gateways.clear(), a.dnsServers = {"10.0.0.3"}; },
       "VERIFYMISSING GATEWAY [10.0.0.1]; VERIFYDIFFERS DNS [10.0.0.2] [10.0.0.3]"},
      {&bare, [](auto&) {}, "VERIFYEXTRA GATEWAY [10.0.0.1]; VERIFYEXTRA DNS [10.0.0.2]"},
      {&listed, [](auto& a) { a.dnsServers.push_back("10.0.0.3"); }, ""},
      {&listed, [](auto& a) { a.dnsServers.insert(a.dnsServers.begin(), "10.0.0.3"); },
       "VERIFYDIFFERS DNS [10.0.0.2, 10.0.0.3] [10.0.0.3, 10.0.0.2]"},
      {&bare, [](auto& a) { a.gateways.clear(), a.dnsServers.clear(); }, ""},
      {&dhcp, [](auto& a) { a.dhcp = true, a.staticDnsServers.emplace(); }, ""},
      {&dhcp, [](auto& a) { a.staticDnsServers.emplace(); }, "VERIFYNODHCP"},
      {&dhcp, [](auto& a) { a.dhcp = true, a.staticDnsServers = a.dnsServers; },
       "VERIFYDNSSTATIC [10.0.0.2]"},
      {&dhcp, [](auto& a) { a.dhcp = true; }, "VERIFYDNSUNKNOWN"},
  };
  for (const auto& [request, change, expected] : rows) {
    NetworkAdapter seen{"LAN", false, false, {{"10.0.0.5", 24}}, {"10.0.0.1"}, {"10.0.0.2"}, {}};
    change(seen);
    EXPECT_EQ(said(verifyAdapter(attesoDi(*request), std::vector{seen})), expected) << expected;
  }
  EXPECT_EQ(said(verifyAdapter(attesoDi(fixed), std::nullopt)), "VERIFYUNCHECKED");
  // What an undo puts back: several addresses in any order, DNS servers typed beside DHCP.
  const NetworkAdapter two{"LAN",        false,        false, {{"10.0.0.6", 24}, {"10.0.0.5", 24}},
                           {"10.0.0.1"}, {"10.0.0.2"}, {}};
  Atteso both{"LAN", false, true, {"10.0.0.5/24", "10.0.0.6/24"}, {"10.0.0.1"}, {"10.0.0.2"}, {}};
  EXPECT_EQ(said(verifyAdapter(both, std::vector{two})), "");
  both.dhcp = true, both.dnsDaDhcp = false;
  EXPECT_EQ(said(verifyAdapter(both, std::vector{two})),
            "VERIFYNODHCP");  // the typed DNS servers are there
  both.dns = {"10.0.0.3"};
  EXPECT_EQ(said(verifyAdapter(both, std::vector{two})),
            "VERIFYNODHCP; VERIFYDIFFERS DNS [10.0.0.3] [10.0.0.2]");
}

TEST(Verdict, TheProxyIsReadBackAndTheLastLineSaysWhatBecameOfIt) {
  ApplyRequest on, off;
  on.useProxy = true, on.proxy = "px", on.proxyPort = "80";
  const ProxyState asked{true, "px:80", "<local>"}, none{false, "old:1", ""};
  const std::tuple<const ApplyRequest*, std::optional<ProxyState>, std::optional<ProxyState>,
                   const char*>
      rows[] = {
          // asked, before, after: the read-back, then the last line
          {&on, none, asked, "; PROXYSET [px:80]"},
          {&on, none, std::nullopt, "VERIFYPROXYUNCHECKED; PROXYSET [px:80]"},
          {&on, none, none, "VERIFYPROXYOFF [px:80]; PROXYUNCHANGED"},
          {&on, none, ProxyState{true, "px:80", ""},
           "VERIFYPROXYDIFFERS [px:80] [px:80]; PROXYSET [px:80]"},
          {&on, none, ProxyState{true, "px:8080", "<local>"},
           "VERIFYPROXYDIFFERS [px:80] [px:8080 (<local>)]; PROXYSET [px:80]"},
          {&off, asked, none, "; PROXYOFF"},
          {&off, asked, asked, "VERIFYPROXYON [px:80 (<local>)]; PROXYUNCHANGED"},
      };
  for (const auto& [request, before, after, expected] : rows) {
    const ProxyState wanted = attesoDi(*request).proxy;
    const std::string last = said({proxyOutcome(wanted, before, after)});
    EXPECT_EQ(said(verifyProxy(wanted, after)) + "; " + last, expected) << expected;
  }
}

}  // namespace
}  // namespace veltrano
