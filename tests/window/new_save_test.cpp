// New connection, save with its checks and confirmation, and undo.
#include <gtest/gtest.h>

#include "fake/window_harness.h"

namespace veltrano::fake {
namespace {

struct NewSaveTest : ::testing::Test {
  void startWith(const std::vector<Conn>& conns, const std::string& lingua = "IT") {
    h.withProfile(profileFile(conns, lingua));
    h.start();
  }
  void fillStatic(const std::string& name) {
    h.cmdNuova.click();
    h.txtConnessione.type(name);
    h.txtIP.type("192.168.0.7");
    h.txtMask.type("255.255.255.0");
    h.txtGateway.type("192.168.0.1");
    h.txtDNS.type("192.168.0.1");
  }
  Harness h;
};

TEST_F(NewSaveTest, EnteringNewModePreparesTheWindow) {
  startWith({proxyConn("Casa", "px", "8080")});
  h.cmdNuova.click();
  EXPECT_TRUE(h.form->modalitaNuova());
  EXPECT_FALSE(h.cmbConnessione.visible);
  EXPECT_TRUE(h.txtConnessione.visible);
  EXPECT_EQ(h.txtConnessione.value, "");
  EXPECT_EQ(h.focus.focused, &h.txtConnessione);
  EXPECT_EQ(h.cmbDHCP.text(), "No");
  for (auto* f : {&h.txtIP, &h.txtMask, &h.txtGateway, &h.txtDNS}) {
    EXPECT_TRUE(f->enabled);
    EXPECT_EQ(f->value, "");
  }
  EXPECT_EQ(h.cmbUseProxy.text(), "No");
  EXPECT_EQ(h.txtProxy.value, "NO PROXY");
  EXPECT_FALSE(h.txtProxyPort.enabled);
  EXPECT_EQ(h.cmdNuova.caption, "Annulla");
  for (auto* b :
       {&h.cmdSetta, &h.cmdAnnullaModifiche, &h.cmdElimina, &h.cmdRinomina, &h.cmdLingua}) {
    EXPECT_FALSE(b->enabled) << b->caption;
  }
  EXPECT_TRUE(h.cmdSalva.enabled);
  EXPECT_TRUE(h.cmdSettings.enabled);
}

TEST_F(NewSaveTest, AbortRestoresTheShownConnection) {
  startWith({proxyConn("Casa", "px", "8080")}, "IN");
  fillStatic("Nuova");
  EXPECT_EQ(h.cmdNuova.caption, "Abort");
  h.cmdNuova.click();
  EXPECT_FALSE(h.form->modalitaNuova());
  EXPECT_EQ(h.cmdNuova.caption, "New Connection");
  EXPECT_TRUE(h.cmbConnessione.visible);
  EXPECT_FALSE(h.txtConnessione.visible);
  EXPECT_EQ(h.txtConnessione.value, "");
  EXPECT_EQ(h.txtIP.value, "DHCP");
  EXPECT_EQ(h.txtProxy.value, "px");
  EXPECT_TRUE(h.cmdSetta.enabled);
  EXPECT_TRUE(h.cmdLingua.enabled);
  EXPECT_EQ(h.files.replaceCount, 0);
}

TEST_F(NewSaveTest, AbortWithAnEmptyListLeavesOnlyNewEnabled) {
  startWith({});
  fillStatic("Nuova");
  h.cmdNuova.click();
  EXPECT_EQ(h.txtIP.value, "");
  for (auto* b :
       {&h.cmdSetta, &h.cmdElimina, &h.cmdSalva, &h.cmdAnnullaModifiche, &h.cmdRinomina}) {
    EXPECT_FALSE(b->enabled) << b->caption;
  }
  EXPECT_TRUE(h.cmdNuova.enabled);
}

TEST_F(NewSaveTest, SavingANewConnectionAppendsSelectsAndWritesIt) {
  startWith({dhcpConn("Casa"), dhcpConn("Hotel")});
  fillStatic("  Ufficio  ");
  h.cmdSalva.click();
  EXPECT_TRUE(h.dialogs.boxes.empty());
  EXPECT_FALSE(h.form->modalitaNuova());
  EXPECT_EQ(h.cmbConnessione.items, (std::vector<std::string>{"Casa", "Hotel", "Ufficio"}));
  EXPECT_EQ(h.cmbConnessione.selected, 2);
  EXPECT_EQ(h.txtIP.value, "192.168.0.7");
  EXPECT_FALSE(h.txtConnessione.visible);
  EXPECT_EQ(h.txtConnessione.value, "");
  EXPECT_EQ(h.cmdNuova.caption, "Nuova Connessione");
  EXPECT_TRUE(h.cmdLingua.enabled);
  EXPECT_TRUE(h.cmdSetta.enabled);
  EXPECT_EQ(h.ini(), profileFile({dhcpConn("Casa"),
                                  dhcpConn("Hotel"),
                                  {"Ufficio", "192.168.0.7", "255.255.255.0", "192.168.0.1",
                                   "192.168.0.1", "NO PROXY", "NO PROXY", "NO", "NO"}},
                                 "IT", "LAN", " 3 "));
}

TEST_F(NewSaveTest, FirstConnectionInAnEmptyFileEnablesEveryEditingButton) {
  startWith({});
  h.cmdNuova.click();
  h.txtConnessione.type("Casa");
  h.cmbDHCP.pick(0);
  h.cmdSalva.click();
  for (auto* b : {&h.cmdSetta, &h.cmdElimina, &h.cmdSalva, &h.cmdAnnullaModifiche, &h.cmdRinomina,
                  &h.cmdNuova}) {
    EXPECT_TRUE(b->enabled) << b->caption;
  }
  EXPECT_EQ(h.ini(), profileFile({dhcpConn("Casa")}, "IT", "LAN", " 1 "));
}

TEST_F(NewSaveTest, ChecksComeInOrderInBothLanguagesAndChangeNothing) {
  struct Case {
    std::string lingua, expected;
    std::function<void(Harness&)> prepare;
  };
  const std::vector<Case> cases = {
      {"IT", "Inserire il nome della connessione", [](Harness&) {}},
      {"IN", "Insert connection name", [](Harness&) {}},
      {"IT", "Inserire IP", [](Harness& x) { x.txtConnessione.type("N"); }},
      {"IN", "Insert IP", [](Harness& x) { x.txtConnessione.type("N"); }},
      {"IN", "Insert proxy server",
       [](Harness& x) {
         x.txtConnessione.type("N");
         x.txtIP.type("1.1.1.1");
         x.cmbUseProxy.pick(0);
       }},
      {"IT", "Inserire la porta del proxy",
       [](Harness& x) {
         x.txtConnessione.type("N");
         x.txtIP.type("1.1.1.1");
         x.cmbUseProxy.pick(0);
         x.txtProxy.type("proxy");
       }},
  };
  for (const auto& c : cases) {
    Harness x;
    x.withProfile(profileFile({dhcpConn("Casa")}, c.lingua));
    x.start();
    x.cmdNuova.click();
    c.prepare(x);
    x.cmdSalva.click();
    ASSERT_EQ(x.boxTexts(), std::vector<std::string>{c.expected});
    EXPECT_EQ(x.lastBox().style, kCritical);
    EXPECT_TRUE(x.form->modalitaNuova());
    EXPECT_EQ(x.files.replaceCount, 0);
    EXPECT_EQ(x.cmbConnessione.count(), 1);
  }
}

TEST_F(NewSaveTest, TakenNameIsRefusedAfterTrimmingButCaseMatters) {
  startWith({dhcpConn("Casa")});
  fillStatic(" Casa ");
  h.cmdSalva.click();
  EXPECT_EQ(h.boxTexts(), std::vector<std::string>{
                              "Il nome della connessione è già stato usato. Modificare il nome "
                              "e riprovare."});
  EXPECT_EQ(h.txtConnessione.value, "Casa");
  EXPECT_TRUE(h.form->modalitaNuova());
  h.txtConnessione.type("casa");
  h.cmdSalva.click();
  EXPECT_EQ(h.cmbConnessione.items, (std::vector<std::string>{"Casa", "casa"}));
}

TEST_F(NewSaveTest, BlankFieldsPassTheChecksAndAreStoredEmpty) {
  startWith({});
  fillStatic("X");
  h.txtIP.type("   ");
  h.cmdSalva.click();
  EXPECT_TRUE(h.dialogs.boxes.empty());
  EXPECT_EQ(h.form->profilo().connessioni.riga(1)[kIP], "");
}

TEST_F(NewSaveTest, NameOfBlanksOnlyIsRefused) {
  startWith({});
  fillStatic("   ");
  h.cmdSalva.click();
  EXPECT_EQ(h.boxTexts(), std::vector<std::string>{"Inserire il nome della connessione"});
  EXPECT_EQ(h.form->profilo().connessioni.count(), 0);
}

TEST_F(NewSaveTest, TextsTheFileCannotHoldAreRefusedBeforeAnythingIsStored) {
  const std::vector<std::pair<std::string, std::string>> bad = {
      {std::string("a\nb"),
       "Il testo non può contenere ritorni a capo, tabulazioni o caratteri "
       "nulli."},
      {std::string("a\rb"),
       "Il testo non può contenere ritorni a capo, tabulazioni o caratteri "
       "nulli."},
      {std::string("a\0b", 3),
       "Il testo non può contenere ritorni a capo, tabulazioni o "
       "caratteri nulli."},
      {"Łódź",
       "Il testo contiene caratteri che il file velt2.ini non può memorizzare. Usare "
       "altri caratteri."},
      {"wifi 📶",
       "Il testo contiene caratteri che il file velt2.ini non può memorizzare. "
       "Usare altri caratteri."},
  };
  for (const auto& [text, message] : bad) {
    for (int where = 0; where < 2; ++where) {
      Harness x;
      x.withProfile(profileFile({dhcpConn("Casa")}));
      x.start();
      const std::string before = x.ini();
      x.cmdNuova.click();
      x.txtConnessione.type(where == 0 ? text : "Ok");
      x.txtIP.type(where == 1 ? text : "1.1.1.1");
      x.cmdSalva.click();
      EXPECT_EQ(x.boxTexts(), std::vector<std::string>{message});
      EXPECT_EQ(x.ini(), before);
      EXPECT_EQ(x.cmbConnessione.count(), 1);
    }
  }
}

TEST_F(NewSaveTest, AccentedTextsAreStoredAndReadBack) {
  startWith({});
  fillStatic("Città – già");
  h.cmdSalva.click();
  EXPECT_TRUE(h.dialogs.boxes.empty());
  Harness again;
  again.files.files[Harness::kIni] = h.files.files[Harness::kIni];
  again.start();
  EXPECT_EQ(again.cmbConnessione.items, std::vector<std::string>{"Città – già"});
}

TEST_F(NewSaveTest, FullTableRefusesANewConnection) {
  std::vector<Conn> many;
  for (int i = 0; i < kMaxConnessioni; ++i) {
    many.push_back(dhcpConn("c" + std::to_string(i)));
  }
  startWith(many);
  const std::string before = h.ini();
  fillStatic("one too many");
  h.cmdSalva.click();
  EXPECT_EQ(h.boxTexts(), std::vector<std::string>{"Sono già memorizzate 1000 connessioni. "
                                                   "Eliminarne una prima di aggiungerne "
                                                   "un'altra."});
  EXPECT_EQ(h.form->profilo().connessioni.count(), kMaxConnessioni);
  EXPECT_EQ(h.ini(), before);
}

TEST_F(NewSaveTest, SavingAnExistingConnectionAsksFirst) {
  startWith({staticConn("Ufficio", "10.0.0.5"), dhcpConn("Casa")});
  const std::string before = h.ini();
  h.txtIP.type("10.0.0.9");
  h.dialogs.yesNoAnswers = {7};
  h.cmdSalva.click();
  EXPECT_EQ(h.lastBox().text, "Si è sicuri di voler salvare le modifiche?");
  EXPECT_EQ(h.lastBox().style, kYesNo);
  EXPECT_EQ(h.lastBox().title, "Veltrano");
  EXPECT_EQ(h.ini(), before);
  EXPECT_EQ(h.files.replaceCount, 0);
  EXPECT_EQ(h.txtIP.value, "10.0.0.9");

  h.dialogs.yesNoAnswers = {6};
  h.txtGateway.type("  10.0.0.254 ");
  h.cmdSalva.click();
  Conn saved = staticConn("Ufficio", "10.0.0.9");
  saved.gateway = "10.0.0.254";
  EXPECT_EQ(h.ini(), profileFile({saved, dhcpConn("Casa")}));
  EXPECT_EQ(h.txtGateway.value, "  10.0.0.254 ");  // the field keeps what was typed
}

TEST_F(NewSaveTest, YesRewritesTheFileEvenWithoutEdits) {
  startWith({dhcpConn("Casa")});
  h.dialogs.yesNoAnswers = {6};
  h.cmdSalva.click();
  EXPECT_EQ(h.files.replaceCount, 1);
  EXPECT_EQ(h.ini(), profileFile({dhcpConn("Casa")}));
}

TEST_F(NewSaveTest, UndoRestoresStoredValuesAndEnabledStates) {
  startWith({proxyConn("Casa", "px", "8080")});
  h.cmbDHCP.pick(1);
  h.txtIP.type("1.2.3.4");
  h.cmbUseProxy.pick(1);
  h.cmdAnnullaModifiche.click();
  EXPECT_EQ(h.cmbDHCP.selected, 0);
  EXPECT_EQ(h.txtIP.value, "DHCP");
  EXPECT_FALSE(h.txtIP.enabled);
  EXPECT_EQ(h.cmbUseProxy.selected, 0);
  EXPECT_EQ(h.txtProxy.value, "px");
  EXPECT_TRUE(h.txtProxy.enabled);
  EXPECT_EQ(h.files.replaceCount, 0);
}

}  // namespace
}  // namespace veltrano::fake
