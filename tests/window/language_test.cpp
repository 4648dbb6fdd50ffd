// Relabelling, the language switch, the adapter name, help and About.
#include <gtest/gtest.h>

#include "fake/window_harness.h"
#include "store/profile_file.h"

namespace veltrano::fake {
namespace {

struct LanguageTest : ::testing::Test {
  void startIn(const std::string& lingua) {
    h.withProfile(
        profileFile({staticConn("Ufficio", "10.0.0.5"), proxyConn("Casa", "px", "80")}, lingua));
    h.start();
  }
  std::vector<std::string> captions() const {
    return {h.cmdEsci.caption,      h.cmdSettings.caption,    h.cmdNuova.caption,
            h.cmdSalva.caption,     h.cmdSetta.caption,       h.cmdAnnullaModifiche.caption,
            h.cmdLingua.caption,    h.cmdElimina.caption,     h.cmdRinomina.caption,
            h.cmdAiuto.caption,     h.lblConnection.caption,  h.lblDHCP.caption,
            h.lblIP.caption,        h.lblMask.caption,        h.lblGateway.caption,
            h.lblDNS.caption,       h.lblUseProxy.caption,    h.lblProxy.caption,
            h.lblProxyPort.caption, h.frmConnessioni.caption, h.frmComandi.caption,
            h.cmdInfo.caption,      h.window.caption};
  }
  std::vector<std::string> toolTips() const {
    return {h.cmbConnessione.toolTip, h.txtConnessione.toolTip, h.cmbDHCP.toolTip,
            h.txtIP.toolTip,          h.txtMask.toolTip,        h.txtGateway.toolTip,
            h.txtDNS.toolTip,         h.cmbUseProxy.toolTip,    h.txtProxy.toolTip,
            h.txtProxyPort.toolTip,   h.cmdNuova.toolTip,       h.cmdAnnullaModifiche.toolTip,
            h.cmdSalva.toolTip,       h.cmdRinomina.toolTip,    h.cmdElimina.toolTip,
            h.cmdSettings.toolTip,    h.cmdLingua.toolTip,      h.cmdAiuto.toolTip,
            h.cmdInfo.toolTip,        h.cmdEsci.toolTip,        h.cmdSetta.toolTip};
  }
  Harness h;
};

const std::vector<std::string> kItalianCaptions = {"Esci",
                                                   "Impostazioni",
                                                   "Nuova Connessione",
                                                   "Salva",
                                                   "Imposta Connessione",
                                                   "Annulla Modifiche",
                                                   "English",
                                                   "Elimina Connessione",
                                                   "Rinomina Connessione",
                                                   "Aiuto",
                                                   "Connessione: ",
                                                   "DHCP: ",
                                                   "IP: ",
                                                   "Subnet Mask: ",
                                                   "Gateway: ",
                                                   "DNS: ",
                                                   "Proxy: ",
                                                   "Server Proxy: ",
                                                   "Porta Proxy: ",
                                                   "Connessioni",
                                                   "Comandi",
                                                   "Info",
                                                   "Veltrano"};
const std::vector<std::string> kEnglishCaptions = {
    "Quit",         "Settings",          "New Connection",
    "Save",         "Set Connection",    "Undo Changes",
    "Italiano",     "Delete Connection", "Rename Connection",
    "Help",         "Connection: ",      "DHCP: ",
    "IP: ",         "Subnet Mask: ",     "Gateway: ",
    "DNS: ",        "Proxy: ",           "Proxy Server: ",
    "Proxy Port: ", "Connections",       "Commands",
    "Info",         "Veltrano"};
const std::vector<std::string> kEnglishToolTips = {"Select the connection",
                                                   "Insert new connection name",
                                                   "Select if you want to use DHCP",
                                                   "Insert IP address",
                                                   "Insert subnet mask",
                                                   "Insert gateway",
                                                   "Insert DNS",
                                                   "Select if you want to use the proxy",
                                                   "Proxy server address",
                                                   "Proxy server port",
                                                   "Create a new connection",
                                                   "Undo changes",
                                                   "Save connection parameters",
                                                   "Rename current connection",
                                                   "Delete current connection",
                                                   "Veltrano's settings",
                                                   "Change language",
                                                   "On line help",
                                                   "About Veltrano",
                                                   "Quit Veltrano",
                                                   "Set current connection"};

TEST_F(LanguageTest, SwitchRelabelsEverythingKeepsTheSelectionAndWritesTheLanguage) {
  startIn("IT");
  EXPECT_EQ(captions(), kItalianCaptions);
  EXPECT_EQ(h.cmdEsci.toolTip, "Abbandona Veltrano");
  EXPECT_EQ(h.platform.helpPath, "C:\\Programmi\\Veltrano\\veltita.chm");
  h.cmbConnessione.pick("Casa");
  h.txtProxy.type("unsaved");

  h.cmdLingua.click();
  EXPECT_EQ(h.form->lingua(), "IN");
  EXPECT_EQ(captions(), kEnglishCaptions);
  EXPECT_EQ(toolTips(), kEnglishToolTips);
  EXPECT_EQ(h.platform.helpPath, "C:\\Programmi\\Veltrano\\velteng.chm");
  EXPECT_EQ(h.cmbConnessione.selected, 1);
  EXPECT_EQ(h.cmbDHCP.items, (std::vector<std::string>{"Yes", "No"}));
  EXPECT_EQ(h.cmbDHCP.text(), "Yes");
  EXPECT_EQ(h.cmbUseProxy.text(), "Yes");
  EXPECT_EQ(h.txtProxy.value, "px");  // unsaved edits give way to the stored values
  EXPECT_EQ(h.iniLines()[2], "IN");

  h.cmdLingua.click();
  EXPECT_EQ(captions(), kItalianCaptions);
  EXPECT_EQ(h.iniLines()[2], "IT");
}

TEST_F(LanguageTest, OddLanguageCodeEmptiesRelabelledTextsUntilTheFirstSwitch) {
  startIn("");
  std::vector<std::string> empty(kItalianCaptions.size() - 2, "");
  for (std::size_t i = 10; i < 19; ++i) {
    empty[i] = ": ";
  }
  empty.push_back("Info");
  empty.push_back("Veltrano");
  EXPECT_EQ(captions(), empty);
  EXPECT_EQ(toolTips(), std::vector<std::string>(21, ""));
  EXPECT_EQ(h.cmbDHCP.items, (std::vector<std::string>{"", ""}));
  EXPECT_EQ(h.platform.helpPath, "C:\\Programmi\\Veltrano\\");
  h.cmdLingua.click();
  EXPECT_EQ(h.form->lingua(), "IT");
  EXPECT_EQ(captions(), kItalianCaptions);
}

TEST_F(LanguageTest, SwitchWithNoConnectionLeavesListsUnselected) {
  h.withProfile(lines({"", "", "IT", "0"}));
  h.start();
  h.cmdLingua.click();
  EXPECT_EQ(h.cmbDHCP.selected, -1);
  EXPECT_EQ(h.cmbUseProxy.selected, -1);
  EXPECT_FALSE(h.cmdSetta.enabled);
}

TEST_F(LanguageTest, HelpOpensTheFileOfTheCurrentLanguageEachTime) {
  startIn("IT");
  h.cmdAiuto.click();
  h.cmdLingua.click();
  h.cmdAiuto.click();
  h.cmdAiuto.click();
  EXPECT_EQ(h.platform.helpShown,
            (std::vector<std::string>{"C:\\Programmi\\Veltrano\\veltita.chm",
                                      "C:\\Programmi\\Veltrano\\velteng.chm",
                                      "C:\\Programmi\\Veltrano\\velteng.chm"}));
}

TEST_F(LanguageTest, AboutShowsTheSameSixLinesInBothLanguages) {
  startIn("IN");
  h.cmdInfo.click();
  h.cmdLingua.click();
  h.cmdInfo.click();
  ASSERT_EQ(h.dialogs.boxes.size(), 2u);
  EXPECT_EQ(h.dialogs.boxes[0].text, h.dialogs.boxes[1].text);
  EXPECT_EQ(h.dialogs.boxes[0].style, kInformation);
  EXPECT_EQ(h.dialogs.boxes[0].title, "Veltrano");
  const auto aboutLines = splitLines(h.dialogs.boxes[0].text);
  ASSERT_EQ(aboutLines.size(), 6u);
  EXPECT_EQ(aboutLines[0], "Veltrano 2.0");
  EXPECT_EQ(aboutLines[1], "");
}

struct AdapterTest : ::testing::Test {
  void SetUp() override {
    h.withProfile(profileFile({dhcpConn("Casa")}, "IN", "Ethernet"));
    h.start();
  }
  Harness h;
};

TEST_F(AdapterTest, PromptShowsTheCurrentNameAndCancelChangesNothing) {
  h.dialogs.inputAnswers = {""};
  h.cmdSettings.click();
  ASSERT_EQ(h.dialogs.inputs.size(), 1u);
  EXPECT_EQ(h.dialogs.inputs[0].prompt, "Insert network interface name");
  EXPECT_EQ(h.dialogs.inputs[0].initialText, "Ethernet");
  EXPECT_EQ(h.files.replaceCount, 0);
}

TEST_F(AdapterTest, NameIsTrimmedAndWrittenAsTheFirstLine) {
  h.dialogs.inputAnswers = {"  Wi-Fi 2 ", "   "};
  h.cmdSettings.click();
  EXPECT_EQ(h.iniLines()[0], "Wi-Fi 2");
  h.cmdSettings.click();
  EXPECT_EQ(h.dialogs.inputs[1].initialText, "Wi-Fi 2");
  EXPECT_EQ(h.iniLines()[0], "");  // blanks only: the name becomes empty
}

TEST_F(AdapterTest, WorksInNewModeWithoutDisturbingTheFields) {
  h.cmdNuova.click();
  h.txtConnessione.type("Nuova");
  h.txtIP.type("1.2.3.4");
  h.dialogs.inputAnswers = {"LAN"};
  h.cmdSettings.click();
  EXPECT_TRUE(h.form->modalitaNuova());
  EXPECT_EQ(h.txtConnessione.value, "Nuova");
  EXPECT_EQ(h.txtIP.value, "1.2.3.4");
  EXPECT_EQ(h.iniLines()[0], "LAN");
}

TEST_F(AdapterTest, NameWithALineBreakIsRefused) {
  const std::string before = h.ini();
  h.dialogs.inputAnswers = {"LAN\r\n2"};
  h.cmdSettings.click();
  EXPECT_EQ(h.dialogs.boxes.size(), 1u);
  EXPECT_EQ(h.ini(), before);
}

}  // namespace
}  // namespace veltrano::fake
