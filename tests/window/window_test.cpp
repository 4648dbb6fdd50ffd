// Start-up, the display of a connection, the enabling rules, focus, language, help and About.
#include <gtest/gtest.h>

#include <set>

#include "fake/window_harness.h"

namespace veltrano::fake {
namespace {

TEST(StartUp, AProfileFileThatCannotBeReadIsToldInTheLanguageReadSoFarAndEndsTheProgram) {
  const struct {
    std::optional<std::string> file;
    std::string lingua;
  } rows[] = {
      {std::nullopt, "IT"},
      {lines({"LAN", "", "IN", "2", "only", "a", "few", "lines"}), "IN"},
      {lines({"LAN", "", "IT"}), "IT"},
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

TEST(StartUp, FromADrivesRootTheFolderKeepsItsOneBackslash) {
  Harness h;
  h.platform.folder = "D:\\";
  h.files.files["D:\\velt2.ini"] = profile({dhcpConn("A")}, "IT", "LAN", " 1 ") + "extra\r\n";
  h.start();
  EXPECT_EQ(h.screen(),
            "[A] | yes (DHCP) (DHCP) (DHCP) (DHCP) | no (NO PROXY) (NO PROXY) | SNUVRDL");
  EXPECT_EQ(h.platform.helpPath, "D:\\" + h.text("HELPFILENAME", "IT"));
  h.cmdLingua.click();
  EXPECT_EQ(h.files.files["D:\\velt2.ini"], profile({dhcpConn("A")}, "IN", "LAN", " 1 "));
}

TEST(Display, ShowsEachConnectionPickedAndTheYesNoListsSwitchTheirFields) {
  Harness h;
  h.withProfile(profile({dhcpConn("Casa"),
                         staticConn("Ufficio", "10.0.0.5"),
                         proxyConn("Bar", "px", "80"),
                         {"Odd", "1", "2", "3", "4", "p", "q", "si", "Si"}}));
  h.start();
  const struct {
    Step step;
    std::string screen;
  } rows[] = {
      {pick(&Harness::cmbConnessione, 1),
       "Casa,[Ufficio],Bar,Odd | no 10.0.0.5 255.255.255.0 10.0.0.1 10.0.0.2 | no (NO PROXY) (NO "
       "PROXY)"},
      {pick(&Harness::cmbConnessione, 2),
       "Casa,Ufficio,[Bar],Odd | yes (DHCP) (DHCP) (DHCP) (DHCP) | yes px 80"},
      {pick(&Harness::cmbConnessione, 3),
       "Casa,Ufficio,Bar,[Odd] | no 1 2 3 4 | no (NO PROXY) (NO PROXY)"},
      {pick(&Harness::cmbDHCP, 0),
       "Casa,Ufficio,Bar,[Odd] | yes (DHCP) (DHCP) (DHCP) (DHCP) | no (NO PROXY) (NO PROXY)"},
      {pick(&Harness::cmbDHCP, 1), "Casa,Ufficio,Bar,[Odd] | no     | no (NO PROXY) (NO PROXY)"},
      {pick(&Harness::cmbUseProxy, 0), "Casa,Ufficio,Bar,[Odd] | no     | yes  "},
      {pick(&Harness::cmbConnessione, 0),
       "[Casa],Ufficio,Bar,Odd | yes (DHCP) (DHCP) (DHCP) (DHCP) | no (NO PROXY) (NO PROXY)"},
  };
  for (const auto& row : rows) {
    row.step(h);
    EXPECT_EQ(h.screen(), row.screen + " | SNUVRDL");
  }
  EXPECT_EQ(h.cmbDHCP.items, (std::vector<std::string>{h.text("SI", "IT"), h.text("NO", "IT")}));
}

TEST(Display, WithoutConnectionsOnlyTheButtonsThatNeedNoneAreEnabledInEitherLanguage) {
  Harness h;
  h.withProfile(profile({}, "IN"));
  h.start();
  EXPECT_EQ(h.screen(), " | -     | -   | NL");
  h.cmdLingua.click();
  EXPECT_EQ(h.screen(), " | -     | -   | NL");
}

TEST(Display, TheFocusedFieldAloneIsHighlightedAndADisabledOneCannotTakeIt) {
  Harness h;
  h.withProfile(profile({staticConn("Ufficio", "10.0.0.5")}));
  h.start();
  h.txtIP.type("x");
  EXPECT_EQ(h.txtIP.backColour, rgb(99, 200, 250));
  h.cmbUseProxy.pick(0);
  EXPECT_EQ(h.txtIP.backColour, kWhite);
  EXPECT_EQ(h.cmbUseProxy.backColour, rgb(99, 200, 250));
  h.cmbDHCP.pick(0);
  h.txtMask.setFocus();
  EXPECT_EQ(h.focus, &h.cmbDHCP);
}

// Every caption, label and tooltip has a text of its own in the window's language.
void expectLabelledIn(Harness& x, const std::string& lingua) {
  const std::string missing[] = {"", x.text("NOERR", lingua),
                                 x.catalogo.getToolTip("NOTT", lingua)};
  std::set<std::string> captions, labels, tips;
  for (auto* b :
       {&x.cmdSetta, &x.cmdNuova, &x.cmdAnnullaModifiche, &x.cmdSalva, &x.cmdRinomina,
        &x.cmdElimina, &x.cmdSettings, &x.cmdLingua, &x.cmdAiuto, &x.cmdInfo, &x.cmdEsci}) {
    captions.insert(b == &x.cmdInfo ? "" : b->caption);
    tips.insert(b->toolTip);
  }
  for (auto* l : {&x.lblConnection, &x.lblDHCP, &x.lblIP, &x.lblMask, &x.lblGateway, &x.lblDNS,
                  &x.lblUseProxy, &x.lblProxy, &x.lblProxyPort}) {
    EXPECT_EQ(l->caption.substr(l->caption.size() - 2), ": ");
    labels.insert(l->caption.substr(0, l->caption.size() - 2));
  }
  for (FakeControl* f : {&x.cmbConnessione, &x.txtConnessione, &x.cmbDHCP, &x.txtIP, &x.txtMask,
                         &x.txtGateway, &x.txtDNS, &x.cmbUseProxy, &x.txtProxy, &x.txtProxyPort}) {
    tips.insert(f->toolTip);
  }
  EXPECT_EQ(captions.size() + labels.size() + tips.size(), 11u + 9u + 21u) << lingua;
  for (const auto& all : {captions, labels, tips}) {
    for (const std::string& text : all) {
      EXPECT_TRUE(readsAs(text, lingua)) << text;
    }
  }
  for (const std::string& text : missing) {
    EXPECT_EQ(labels.count(text) + tips.count(text) + captions.count(text), text.empty()) << lingua;
  }
  EXPECT_NE(x.frmConnessioni.caption, x.frmComandi.caption);
  EXPECT_EQ(x.cmdLingua.caption, x.text("LINGUA", lingua));
  EXPECT_EQ(x.cmdInfo.caption + x.window.caption, "InfoVeltrano");
  EXPECT_EQ(x.platform.helpPath,
            std::string(Harness::kFolder) + "\\" + x.text("HELPFILENAME", lingua));
}

TEST(Language, TheButtonRelabelsShowsTheStoredValuesAgainAndSavesTheChoice) {
  for (const std::string lingua : {"IT", "IN"}) {
    Harness h;
    h.withProfile(
        profile({proxyConn("Casa", "px", "80"), staticConn("Ufficio", "10.0.0.5")}, lingua));
    h.start();
    expectLabelledIn(h, lingua);
    run(h, {pick(&Harness::cmbConnessione, 1), type(&Harness::txtIP, "edited"),
            pick(&Harness::cmbUseProxy, 0), click(&Harness::cmdLingua)});
    const std::string other = lingua == "IT" ? "IN" : "IT";
    expectLabelledIn(h, other);
    EXPECT_EQ(h.screen(),
              "Casa,[Ufficio] | no 10.0.0.5 255.255.255.0 10.0.0.1 10.0.0.2 | no (NO PROXY) (NO "
              "PROXY) | SNUVRDL");
    EXPECT_EQ(h.cmbUseProxy.text(), h.text("NO", other));
    EXPECT_EQ(h.ini(),
              profile({proxyConn("Casa", "px", "80"), staticConn("Ufficio", "10.0.0.5")}, other));
    run(h, {click(&Harness::cmdAiuto), click(&Harness::cmdInfo)});
    EXPECT_EQ(h.platform.helpShown, std::vector<std::string>{h.platform.helpPath});
    EXPECT_EQ(h.boxTexts(), std::vector<std::string>{h.text("ABOUT", other)});
    EXPECT_EQ(h.dialogs.boxes[0].style, kInformation);
  }
}

TEST(Language, AnOddCodeLeavesTextsEmptyUntilThePressThatGivesItalian) {
  Harness h;
  h.withProfile(profile({dhcpConn("Casa")}, "it"));
  h.start();
  EXPECT_EQ(h.cmdEsci.caption + h.lblIP.caption + h.cmbDHCP.items[0] + h.cmbDHCP.items[1], ": ");
  EXPECT_EQ(h.platform.helpPath, std::string(Harness::kFolder) + "\\");
  h.cmdLingua.click();
  expectLabelledIn(h, "IT");
  EXPECT_EQ(h.cmbDHCP.listIndex(), 0);
}

TEST(Closing, QuitEndsAtOnceDroppingUnsavedEdits) {
  Harness h;
  h.withProfile(profile({staticConn("Ufficio", "10.0.0.5")}));
  h.start();
  run(h, {type(&Harness::txtIP, "edited"), click(&Harness::cmdEsci)});
  EXPECT_TRUE(h.window.closed);
  EXPECT_TRUE(h.dialogs.boxes.empty());
  EXPECT_EQ(h.files.writes, 0);
}

}  // namespace
}  // namespace veltrano::fake
