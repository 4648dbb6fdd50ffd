// Start-up, the display of a connection, the enabling rules, focus, language, help and About.
#include <gtest/gtest.h>

#include <set>

#include "fake/window_harness.h"

namespace veltrano::fake {
namespace {

struct Window : ::testing::TestWithParam<std::string> {
  void start(const std::vector<Conn>& conns) {
    h.withProfile(profile(conns, GetParam()));
    h.start();
  }
  std::string text(const std::string& chiave) const { return h.text(chiave, GetParam()); }
  Harness h;
};
INSTANTIATE_TEST_SUITE_P(BothLanguages, Window, ::testing::Values("IT", "IN"));

TEST(StartUp, AProfileFileThatCannotBeReadIsToldInTheLanguageReadSoFarAndEndsTheProgram) {
  const struct {
    std::optional<std::string> file;
    std::string lingua;
  } rows[] = {
      {std::nullopt, "IT"},
      {lines({"LAN", "", "IN", "2", "only", "a", "few", "lines"}), "IN"},
      {lines({"LAN", "", "IT"}), "IT"},
      {lines({"LAN", "", "IN", ""}), "IN"},
      {lines({"LAN", "", "IT", "abc"}), "IT"},
      {lines({"LAN", "", "IT", "-1"}), "IT"},
      {lines({"LAN", "", "IT", "+1"}), "IT"},
      {lines({"LAN", "", "IN", "1001"}), "IN"},
      {lines({"LAN", "", "IT", "3abc"}), "IT"},
  };
  for (const auto& row : rows) {
    Harness x;
    if (row.file) {
      x.withProfile(*row.file);
    }
    x.form->Form_Load();
    EXPECT_EQ(x.boxTexts(), std::vector<std::string>{x.text("NOINIFILE", row.lingua)});
    EXPECT_EQ(x.dialogs.boxes[0].style, kCritical);
    EXPECT_EQ(x.dialogs.boxes[0].title, "Veltrano");
    EXPECT_FALSE(x.window.closed);  // start-up runs to its end, then the window closes
    x.form->Form_Activate();
    EXPECT_TRUE(x.window.closed);
    EXPECT_EQ(x.files.files.count(Harness::kIni), row.file ? 1u : 0u);
    EXPECT_EQ(x.files.writes, 0);
  }
}

TEST(StartUp, CountsWithBlanksReadAndExtraLinesGoAtTheNextRewrite) {
  Harness h;
  h.platform.folder = "D:\\";
  h.files.files["D:\\velt2.ini"] = profile({dhcpConn("A")}, "IT", "LAN", " 1 ") + "extra\r\n";
  h.start();
  EXPECT_TRUE(h.dialogs.boxes.empty());
  EXPECT_EQ(h.cmbConnessione.items, std::vector<std::string>{"A"});
  EXPECT_EQ(h.platform.helpPath, "D:\\" + h.text("HELPFILENAME", "IT"));
  h.cmdLingua.click();
  EXPECT_EQ(h.files.files["D:\\velt2.ini"], profile({dhcpConn("A")}, "IN", "LAN", " 1 "));
}

TEST_P(Window, ShowsTheFirstConnectionAndEachOnePicked) {
  start({dhcpConn("Casa"),
         staticConn("Ufficio", "10.0.0.5"),
         proxyConn("Bar", "px", "8080"),
         {"Odd", "1", "2", "3", "4", "p", "q", "si", "Si"}});
  EXPECT_EQ(h.cmbConnessione.items, (std::vector<std::string>{"Casa", "Ufficio", "Bar", "Odd"}));
  const struct {
    int pick;
    std::vector<std::string> values;
    std::vector<bool> enabled;
    int dhcp, proxy;
  } rows[] = {
      {0, {"DHCP", "DHCP", "DHCP", "DHCP", "NO PROXY", "NO PROXY"}, {0, 0, 0, 0, 0, 0}, 0, 1},
      {1,
       {"10.0.0.5", "255.255.255.0", "10.0.0.1", "10.0.0.2", "NO PROXY", "NO PROXY"},
       {1, 1, 1, 1, 0, 0},
       1,
       1},
      {2, {"DHCP", "DHCP", "DHCP", "DHCP", "px", "8080"}, {0, 0, 0, 0, 1, 1}, 0, 0},
      {3, {"1", "2", "3", "4", "NO PROXY", "NO PROXY"}, {1, 1, 1, 1, 0, 0}, 1, 1},
      {0, {"DHCP", "DHCP", "DHCP", "DHCP", "NO PROXY", "NO PROXY"}, {0, 0, 0, 0, 0, 0}, 0, 1},
  };
  for (const auto& row : rows) {
    h.cmbConnessione.pick(row.pick);
    for (std::size_t i = 0; i < h.fields().size(); ++i) {
      EXPECT_EQ(h.fields()[i]->value, row.values[i]) << row.pick << " field " << i;
      EXPECT_EQ(h.fields()[i]->enabled, row.enabled[i]) << row.pick << " field " << i;
    }
    EXPECT_EQ(h.cmbDHCP.listIndex(), row.dhcp);
    EXPECT_EQ(h.cmbUseProxy.listIndex(), row.proxy);
  }
  EXPECT_EQ(h.cmbDHCP.items, (std::vector<std::string>{text("SI"), text("NO")}));
}

TEST_P(Window, FlippingTheYesNoListsOpensTheirFieldsEmptyOrClosesThem) {
  start({staticConn("Ufficio", "10.0.0.5")});
  h.cmbDHCP.pick(0);
  EXPECT_EQ(h.txtIP.value, "DHCP");
  EXPECT_FALSE(h.txtDNS.enabled);
  h.cmbDHCP.pick(1);
  EXPECT_EQ(h.txtIP.value, "");
  EXPECT_TRUE(h.txtDNS.enabled);
  h.cmbUseProxy.pick(0);
  EXPECT_TRUE(h.txtProxyPort.enabled && h.txtProxyPort.value.empty());
  h.cmbUseProxy.pick(1);
  EXPECT_EQ(h.txtProxyPort.value, "NO PROXY");
  EXPECT_FALSE(h.txtProxyPort.enabled);
}

TEST_P(Window, WithoutConnectionsOnlyTheButtonsThatNeedNoneAreEnabled) {
  start({});
  for (auto* b : h.buttons()) {
    const bool needsOne = b == &h.cmdSetta || b == &h.cmdElimina || b == &h.cmdSalva ||
                          b == &h.cmdAnnullaModifiche || b == &h.cmdRinomina;
    EXPECT_EQ(b->enabled, !needsOne) << b->caption;
  }
  for (auto* field : h.fields()) {
    EXPECT_EQ(field->value, "");
  }
  EXPECT_EQ(h.cmbDHCP.listIndex(), -1);
  h.cmdLingua.click();
  EXPECT_FALSE(h.cmdSalva.enabled);
  EXPECT_EQ(h.cmbUseProxy.listIndex(), -1);
}

TEST_P(Window, TheFocusedFieldAloneIsHighlightedAndADisabledOneCannotTakeIt) {
  start({staticConn("Ufficio", "10.0.0.5")});
  h.txtIP.type("x");
  EXPECT_EQ(h.txtIP.backColour, rgb(99, 200, 250));
  h.cmbUseProxy.pick(0);
  EXPECT_EQ(h.txtIP.backColour, kWhite);
  EXPECT_EQ(h.cmbUseProxy.backColour, rgb(99, 200, 250));
  h.cmbDHCP.pick(0);
  h.txtMask.setFocus();
  EXPECT_EQ(h.focus, &h.cmbDHCP);
  EXPECT_EQ(h.txtMask.backColour, kWhite);
}

// Every caption, label and tooltip has a text of its own in the window's language.
void expectLabelledIn(Harness& x, const std::string& lingua) {
  std::set<std::string> captions, labels, tips;
  for (auto* b : x.buttons()) {
    if (b != &x.cmdInfo) {
      captions.insert(b->caption);
    }
    tips.insert(b->toolTip);
  }
  for (auto* l : {&x.lblConnection, &x.lblDHCP, &x.lblIP, &x.lblMask, &x.lblGateway, &x.lblDNS,
                  &x.lblUseProxy, &x.lblProxy, &x.lblProxyPort}) {
    EXPECT_EQ(l->caption.substr(l->caption.size() - 2), ": ");
    labels.insert(l->caption.substr(0, l->caption.size() - 2));
  }
  for (const std::string* tip : {&x.cmbConnessione.toolTip, &x.txtConnessione.toolTip,
                                 &x.cmbDHCP.toolTip, &x.cmbUseProxy.toolTip}) {
    tips.insert(*tip);
  }
  for (auto* field : x.fields()) {
    tips.insert(field->toolTip);
  }
  EXPECT_EQ(captions.size(), 10u) << lingua;
  EXPECT_EQ(labels.size(), 9u) << lingua;
  EXPECT_EQ(tips.size(), 21u) << lingua;
  for (const auto& all : {captions, labels, tips}) {
    EXPECT_EQ(all.count(""), 0u) << lingua;
    EXPECT_EQ(all.count(x.catalogo.getToolTip("NOTT", lingua)), 0u) << lingua;
    EXPECT_EQ(all.count(x.text("NOERR", lingua)), 0u) << lingua;
  }
  EXPECT_NE(x.frmConnessioni.caption, x.frmComandi.caption);
  EXPECT_EQ(x.cmdLingua.caption, x.text("LINGUA", lingua));
  EXPECT_EQ(x.cmdInfo.caption, "Info");
  EXPECT_EQ(x.window.caption, "Veltrano");
  EXPECT_EQ(x.platform.helpPath,
            std::string(Harness::kFolder) + "\\" + x.text("HELPFILENAME", lingua));
}

TEST_P(Window, TheLanguageButtonRelabelsShowsTheStoredValuesAgainAndSavesTheChoice) {
  start({proxyConn("Casa", "px", "80"), staticConn("Ufficio", "10.0.0.5")});
  expectLabelledIn(h, GetParam());
  h.cmbConnessione.pick(1);
  h.txtIP.type("edited");
  h.cmbUseProxy.pick(0);
  h.cmdLingua.click();
  const std::string other = GetParam() == "IT" ? "IN" : "IT";
  expectLabelledIn(h, other);
  EXPECT_EQ(h.cmbConnessione.listIndex(), 1);
  EXPECT_EQ(h.txtIP.value, "10.0.0.5");
  EXPECT_EQ(h.cmbUseProxy.text(), h.text("NO", other));
  EXPECT_EQ(h.ini(),
            profile({proxyConn("Casa", "px", "80"), staticConn("Ufficio", "10.0.0.5")}, other));
  h.cmdAiuto.click();
  EXPECT_EQ(h.platform.helpShown, std::vector<std::string>{h.platform.helpPath});
  h.cmdInfo.click();
  EXPECT_EQ(h.boxTexts(), std::vector<std::string>{h.text("ABOUT", other)});
  EXPECT_EQ(h.dialogs.boxes[0].style, kInformation);
}

TEST(Language, AnOddCodeLeavesTextsEmptyUntilThePressThatGivesItalian) {
  Harness h;
  h.withProfile(profile({dhcpConn("Casa")}, "it"));
  h.start();
  EXPECT_EQ(h.cmdEsci.caption, "");
  EXPECT_EQ(h.lblIP.caption, ": ");
  EXPECT_EQ(h.cmbDHCP.items, (std::vector<std::string>{"", ""}));
  EXPECT_EQ(h.platform.helpPath, std::string(Harness::kFolder) + "\\");
  h.cmdLingua.click();
  expectLabelledIn(h, "IT");
  EXPECT_EQ(h.cmbDHCP.listIndex(), 0);
}

TEST(Closing, QuitEndsAtOnceDroppingUnsavedEdits) {
  Harness h;
  h.withProfile(profile({staticConn("Ufficio", "10.0.0.5")}));
  h.start();
  h.txtIP.type("edited");
  h.cmdEsci.click();
  EXPECT_TRUE(h.window.closed);
  EXPECT_TRUE(h.dialogs.boxes.empty());
  EXPECT_EQ(h.files.writes, 0);
}

}  // namespace
}  // namespace veltrano::fake
