// The connection list, the display of the selected connection and the focus colour.
#include <gtest/gtest.h>

#include "fake/window_harness.h"

namespace veltrano::fake {
namespace {

constexpr Colore kFocus = 99 + 256 * 200 + 65536 * 250;

struct DisplayTest : ::testing::Test {
  void SetUp() override {
    Conn odd = staticConn("Strano", "1.2.3.4");
    odd.dhcp = "si";  // flags in other capitals mean no
    odd.useProxy = "";
    h.withProfile(profileFile({staticConn("Ufficio", "10.0.0.5"), proxyConn("Casa", "px", "8080"),
                               dhcpConn("Hotel"), odd}));
    h.start();
  }
  Harness h;
};

TEST_F(DisplayTest, ShowsTheFirstConnectionAtStartUp) {
  EXPECT_EQ(h.cmbConnessione.selected, 0);
  EXPECT_EQ(h.cmbDHCP.items, (std::vector<std::string>{"Sì", "No"}));
  EXPECT_EQ(h.cmbDHCP.text(), "No");
  EXPECT_EQ(h.txtIP.value, "10.0.0.5");
  EXPECT_TRUE(h.txtIP.enabled);
  EXPECT_EQ(h.txtMask.value, "255.255.255.0");
  EXPECT_EQ(h.txtGateway.value, "10.0.0.1");
  EXPECT_EQ(h.txtDNS.value, "10.0.0.2");
  EXPECT_EQ(h.cmbUseProxy.text(), "No");
  EXPECT_EQ(h.txtProxy.value, "NO PROXY");
  EXPECT_FALSE(h.txtProxy.enabled);
  EXPECT_EQ(h.txtProxyPort.value, "NO PROXY");
  EXPECT_FALSE(h.txtProxyPort.enabled);
  for (auto* b : {&h.cmdSetta, &h.cmdElimina, &h.cmdNuova, &h.cmdSalva, &h.cmdAnnullaModifiche,
                  &h.cmdRinomina, &h.cmdLingua}) {
    EXPECT_TRUE(b->enabled) << b->caption;
  }
  EXPECT_FALSE(h.txtConnessione.visible);
}

TEST_F(DisplayTest, PickingAProxyDhcpConnectionShowsPlaceholdersAndProxy) {
  h.cmbConnessione.pick("Casa");
  EXPECT_EQ(h.cmbDHCP.selected, 0);
  for (auto* f : {&h.txtIP, &h.txtMask, &h.txtGateway, &h.txtDNS}) {
    EXPECT_EQ(f->value, "DHCP");
    EXPECT_FALSE(f->enabled);
  }
  EXPECT_EQ(h.cmbUseProxy.selected, 0);
  EXPECT_EQ(h.txtProxy.value, "px");
  EXPECT_TRUE(h.txtProxy.enabled);
  EXPECT_EQ(h.txtProxyPort.value, "8080");
}

TEST_F(DisplayTest, DhcpConnectionHidesStoredAddresses) {
  h.cmbConnessione.pick("Hotel");
  EXPECT_EQ(h.txtIP.value, "DHCP");
  EXPECT_EQ(h.txtProxy.value, "NO PROXY");
}

TEST_F(DisplayTest, FlagsOtherThanExactlySiShowAsNo) {
  h.cmbConnessione.pick("Strano");
  EXPECT_EQ(h.cmbDHCP.selected, 1);
  EXPECT_EQ(h.txtIP.value, "1.2.3.4");
  EXPECT_EQ(h.cmbUseProxy.selected, 1);
}

TEST_F(DisplayTest, SwitchingTheListsByHandOpensEmptyFieldsAndClosesThemWithPlaceholders) {
  h.cmbConnessione.pick("Hotel");
  h.cmbDHCP.pick(1);
  for (auto* f : {&h.txtIP, &h.txtMask, &h.txtGateway, &h.txtDNS}) {
    EXPECT_EQ(f->value, "");
    EXPECT_TRUE(f->enabled);
  }
  h.cmbDHCP.pick(0);
  EXPECT_EQ(h.txtIP.value, "DHCP");
  EXPECT_FALSE(h.txtIP.enabled);
  h.cmbUseProxy.pick(0);
  EXPECT_EQ(h.txtProxy.value, "");
  EXPECT_TRUE(h.txtProxyPort.enabled);
  // Nothing is stored by switching.
  EXPECT_EQ(h.files.replaceCount, 0);
}

TEST_F(DisplayTest, FocusColourFollowsTheFocusAndDisabledFieldsCannotTakeIt) {
  h.txtIP.setFocus();
  EXPECT_EQ(h.txtIP.backColour, kFocus);
  h.txtMask.setFocus();
  EXPECT_EQ(h.txtIP.backColour, kWhite);
  EXPECT_EQ(h.txtMask.backColour, kFocus);
  h.txtProxy.setFocus();  // disabled: shows "NO PROXY"
  EXPECT_EQ(h.txtProxy.backColour, kWhite);
  EXPECT_EQ(h.txtMask.backColour, kFocus);
  h.cmbUseProxy.pick(0);
  EXPECT_EQ(h.cmbUseProxy.backColour, kFocus);
  EXPECT_EQ(h.txtMask.backColour, kWhite);
}

TEST(EmptyProfile, StartsWithOnlyNewEnabledAndEmptyFields) {
  Harness h;
  h.withProfile(lines({"", "", "IT", "0"}));
  h.start();
  EXPECT_EQ(h.cmbConnessione.count(), 0);
  EXPECT_EQ(h.cmbConnessione.selected, -1);
  EXPECT_EQ(h.cmbDHCP.selected, -1);
  EXPECT_EQ(h.cmbUseProxy.selected, -1);
  for (auto* b :
       {&h.cmdSetta, &h.cmdElimina, &h.cmdSalva, &h.cmdAnnullaModifiche, &h.cmdRinomina}) {
    EXPECT_FALSE(b->enabled) << b->caption;
  }
  EXPECT_TRUE(h.cmdNuova.enabled);
  for (auto* f : {&h.txtIP, &h.txtMask, &h.txtGateway, &h.txtDNS, &h.txtProxy, &h.txtProxyPort}) {
    EXPECT_EQ(f->value, "");
  }
}

}  // namespace
}  // namespace veltrano::fake
