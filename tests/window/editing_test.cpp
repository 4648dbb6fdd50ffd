// New, save, undo, rename and delete: what each does to the window and to velt2.ini, what
// each refuses, and that a rewrite which fails ends the program with the file as it was.
#include <gtest/gtest.h>

#include <functional>

#include "fake/window_harness.h"

namespace veltrano::fake {
namespace {

using Step = std::function<void(Harness&)>;

const std::vector<Conn> kTwo = {staticConn("Ufficio", "10.0.0.5"), proxyConn("Casa", "px", "80")};

struct Editing : ::testing::TestWithParam<std::string> {
  void start(Harness& x, const std::vector<Conn>& conns = kTwo) const {
    x.withProfile(profile(conns, GetParam()));
    x.start();
  }
  std::string text(const std::string& chiave) const { return h.text(chiave, GetParam()); }
  Harness h;
};
INSTANTIATE_TEST_SUITE_P(BothLanguages, Editing, ::testing::Values("IT", "IN"));

Step typeNew(const std::string& name, const std::string& ip = "10.1.1.1") {
  return [name, ip](Harness& x) {
    x.cmdNuova.click();
    x.txtConnessione.type(name);
    if (!ip.empty()) {
      x.txtIP.type(ip);
    }
  };
}

Step then(Step first, Step second) {
  return [first, second](Harness& x) {
    first(x);
    second(x);
  };
}

TEST_P(Editing, NewStartsFromEmptyAddressesAndAbortShowsTheConnectionAgain) {
  start(h);
  h.cmdNuova.click();
  EXPECT_FALSE(h.cmbConnessione.visible);
  EXPECT_TRUE(h.txtConnessione.visible);
  EXPECT_EQ(h.focus, &h.txtConnessione);
  EXPECT_EQ(h.cmdNuova.caption, text("ABORT"));
  EXPECT_EQ(h.cmbDHCP.listIndex(), 1);
  EXPECT_EQ(h.cmbUseProxy.listIndex(), 1);
  for (auto* field : {&h.txtIP, &h.txtMask, &h.txtGateway, &h.txtDNS}) {
    EXPECT_TRUE(field->enabled && field->value.empty()) << field->value;
  }
  EXPECT_EQ(h.txtProxy.value, "NO PROXY");
  EXPECT_FALSE(h.txtProxyPort.enabled);
  for (auto* b : h.buttons()) {
    const bool locked = b == &h.cmdSetta || b == &h.cmdAnnullaModifiche || b == &h.cmdElimina ||
                        b == &h.cmdRinomina || b == &h.cmdLingua;
    EXPECT_EQ(b->enabled, !locked) << b->caption;
  }
  h.txtConnessione.type("Nuova");
  h.cmdNuova.click();
  EXPECT_TRUE(h.cmbConnessione.visible);
  EXPECT_FALSE(h.txtConnessione.visible);
  EXPECT_EQ(h.txtConnessione.value, "");
  EXPECT_EQ(h.cmdNuova.caption, text("NUOVACONN"));
  EXPECT_EQ(h.txtIP.value, "10.0.0.5");
  for (auto* b : h.buttons()) {
    EXPECT_TRUE(b->enabled) << b->caption;
  }
  EXPECT_EQ(h.files.writes, 0);
}

TEST_P(Editing, SavingANewConnectionAppendsItSelectsItAndCountsItAsANumber) {
  start(h);
  typeNew("  Hotel  ")(h);
  h.cmbUseProxy.pick(0);
  h.txtProxy.type(" p ");
  h.txtProxyPort.type("8080");
  h.cmdSalva.click();
  EXPECT_TRUE(h.dialogs.boxes.empty());
  EXPECT_EQ(h.cmbConnessione.items, (std::vector<std::string>{"Ufficio", "Casa", "Hotel"}));
  EXPECT_EQ(h.cmbConnessione.listIndex(), 2);
  EXPECT_FALSE(h.txtConnessione.visible);
  EXPECT_EQ(h.txtConnessione.value, "");
  EXPECT_TRUE(h.cmdLingua.enabled && h.cmdSetta.enabled);
  EXPECT_EQ(h.cmdNuova.caption, text("NUOVACONN"));
  std::vector<Conn> three = kTwo;
  three.push_back({"Hotel", "10.1.1.1", "", "", "", "p", "8080", "SI", "NO"});
  EXPECT_EQ(h.ini(), profile(three, GetParam(), "LAN", " 3 "));
}

TEST_P(Editing, TheFirstConnectionOfAnEmptyFileEnablesEveryButton) {
  start(h, {});
  for (auto* b :
       {&h.cmdSetta, &h.cmdElimina, &h.cmdSalva, &h.cmdAnnullaModifiche, &h.cmdRinomina}) {
    EXPECT_FALSE(b->enabled) << b->caption;
  }
  h.cmdNuova.click();
  h.txtConnessione.type("Casa");
  h.cmbDHCP.pick(0);
  h.cmdSalva.click();
  for (auto* b : h.buttons()) {
    EXPECT_TRUE(b->enabled) << b->caption;
  }
  EXPECT_EQ(h.ini(), profile({dhcpConn("Casa")}, GetParam(), "LAN", " 1 "));
}

// Each row leads to one refusal of Save: its message, and nothing else changes.
TEST_P(Editing, SaveRefusesInOrderAndChangesNothing) {
  std::vector<Conn> full;
  for (int i = 0; i < kMaxConnessioni; ++i) {
    full.push_back(dhcpConn("c" + std::to_string(i)));
  }
  const Step proxyYes = [](Harness& x) { x.cmbUseProxy.pick(0); };
  const struct {
    std::string chiave;
    Step steps;
    std::vector<Conn> conns = kTwo;
  } rows[] = {
      {"INSERTCONNNAME", typeNew("", "")},
      {"INSERTCONNNAME", typeNew("   ")},
      {"INSERTIP", typeNew("Hotel", "")},
      {"INSERTIP", [](Harness& x) { x.txtIP.type(""); }},
      {"INSERTPROXY", then(typeNew("Hotel"), proxyYes)},
      {"INSERTPROXYPORT",
       then(typeNew("Hotel"), then(proxyYes, [](Harness& x) { x.txtProxy.type("p"); }))},
      {"NAMEALREADY", typeNew(" Casa ")},
      {"NOLINEBREAK", typeNew("Ho\ttel")},
      {"NOLINEBREAK", typeNew("Hotel", "10.1.1.1\t")},
      {"NOLINEBREAK", [](Harness& x) { x.txtDNS.type("10.0.0.2\n10.0.0.3"); }},
      {"NOCODEPAGE", typeNew("Hotel Ω")},
      {"NOCODEPAGE", [](Harness& x) { x.txtMask.type("255.255.255.0 ✓"); }},
      {"TABLEFULL", typeNew("c1000"), full},
  };
  for (const auto& row : rows) {
    Harness x;
    start(x, row.conns);
    const std::string before = x.ini();
    row.steps(x);
    const bool inNewMode = x.txtConnessione.visible;
    x.cmdSalva.click();
    EXPECT_EQ(x.boxTexts(), std::vector<std::string>{text(row.chiave)}) << row.chiave;
    EXPECT_EQ(x.dialogs.boxes.back().style, kCritical);
    EXPECT_EQ(x.ini(), before) << row.chiave;
    EXPECT_EQ(x.txtConnessione.visible, inNewMode) << row.chiave;
    EXPECT_EQ(x.cmbConnessione.count(), static_cast<int>(row.conns.size()));
  }
}

TEST_P(Editing, SavingAnEditedConnectionAsksAndUndoShowsTheStoredValues) {
  start(h);
  h.txtIP.type(" 10.0.0.9 ");
  h.dialogs.answers = {false, true};
  h.cmdSalva.click();
  EXPECT_EQ(h.files.writes, 0);
  h.cmdSalva.click();
  EXPECT_EQ(h.boxTexts(), std::vector<std::string>(2, text("SURETOSAVE")));
  EXPECT_EQ(h.dialogs.boxes[1].style, kYesNo);
  std::vector<Conn> edited = kTwo;
  edited[0].ip = "10.0.0.9";
  EXPECT_EQ(h.ini(), profile(edited, GetParam()));
  EXPECT_EQ(h.txtIP.value, " 10.0.0.9 ");

  h.cmbDHCP.pick(0);
  h.cmbUseProxy.pick(0);
  h.cmdAnnullaModifiche.click();
  EXPECT_EQ(h.txtIP.value, "10.0.0.9");
  EXPECT_TRUE(h.txtIP.enabled);
  EXPECT_EQ(h.txtProxy.value, "NO PROXY");
  EXPECT_EQ(h.files.writes, 1);
}

TEST_P(Editing, RenameKeepsThePlaceAndRefusesATakenName) {
  start(h);
  h.cmbConnessione.pick(1);
  h.dialogs.typed = {"", "   ", " Ufficio ", "Casa", " casa "};
  for (int i = 0; i < 5; ++i) {
    h.cmdRinomina.click();
  }
  EXPECT_EQ(h.dialogs.boxes[0].text, text("INSRENAME") + " Casa");
  EXPECT_EQ(h.dialogs.boxes[0].initialText, "");
  std::vector<std::string> expected(5, h.dialogs.boxes[0].text);
  expected.insert(expected.begin() + 3, text("NAMEALREADY"));
  expected.insert(expected.begin() + 5, text("NAMEALREADY"));
  EXPECT_EQ(h.boxTexts(), expected);
  EXPECT_EQ(h.cmbConnessione.items, (std::vector<std::string>{"Ufficio", "casa"}));
  EXPECT_EQ(h.cmbConnessione.listIndex(), 1);
  EXPECT_EQ(h.txtProxy.value, "px");
  std::vector<Conn> renamed = kTwo;
  renamed[1].name = "casa";
  EXPECT_EQ(h.ini(), profile(renamed, GetParam()));
  EXPECT_EQ(h.files.writes, 1);
}

TEST_P(Editing, DeleteAsksRemovesAndShowsTheFirstConnection) {
  start(h, {dhcpConn("A"), staticConn("B", "10.0.0.5"), dhcpConn("C")});
  h.cmbConnessione.pick(1);
  h.dialogs.answers = {false, true};
  h.cmdElimina.click();
  EXPECT_EQ(h.ini(),
            profile({dhcpConn("A"), staticConn("B", "10.0.0.5"), dhcpConn("C")}, GetParam()));
  EXPECT_EQ(h.files.writes, 1);  // rewritten all the same
  h.cmdElimina.click();
  EXPECT_EQ(h.boxTexts(), std::vector<std::string>(2, text("SURETODEL")));
  EXPECT_EQ(h.cmbConnessione.items, (std::vector<std::string>{"A", "C"}));
  EXPECT_EQ(h.cmbConnessione.listIndex(), 0);
  EXPECT_EQ(h.txtIP.value, "DHCP");
  EXPECT_EQ(h.ini(), profile({dhcpConn("A"), dhcpConn("C")}, GetParam(), "LAN", " 2 "));

  Harness x;
  start(x, {staticConn("Solo", "10.0.0.5")});
  x.dialogs.answers = {true};
  x.cmdElimina.click();
  EXPECT_EQ(x.cmbConnessione.count(), 0);
  EXPECT_EQ(x.cmbDHCP.listIndex(), -1);
  for (auto* field : x.fields()) {
    EXPECT_EQ(field->value, "");
  }
  for (auto* b :
       {&x.cmdSetta, &x.cmdElimina, &x.cmdSalva, &x.cmdAnnullaModifiche, &x.cmdRinomina}) {
    EXPECT_FALSE(b->enabled) << b->caption;
  }
  EXPECT_EQ(x.ini(), profile({}, GetParam(), "LAN", " 0 "));
}

// Every command that rewrites velt2.ini, on a disk that refuses: the message in the window's
// language, the program ends, and the file is as it was.
TEST_P(Editing, EveryRewriteThatFailsEndsTheProgramWithTheFileAsItWas) {
  const struct {
    const char* what;
    Step command;
    bool switchesLanguage = false;
  } rows[] = {
      {"new", then(typeNew("Hotel"), [](Harness& x) { x.cmdSalva.click(); })},
      {"save",
       [](Harness& x) {
         x.dialogs.answers = {true};
         x.cmdSalva.click();
       }},
      {"rename",
       [](Harness& x) {
         x.dialogs.typed = {"Hotel"};
         x.cmdRinomina.click();
       }},
      {"delete",
       [](Harness& x) {
         x.dialogs.answers = {true};
         x.cmdElimina.click();
       }},
      {"delete, no",
       [](Harness& x) {
         x.dialogs.answers = {false};
         x.cmdElimina.click();
       }},
      {"settings",
       [](Harness& x) {
         x.dialogs.typed = {"Wi-Fi"};
         x.cmdSettings.click();
       }},
      {"language", [](Harness& x) { x.cmdLingua.click(); }, true},
  };
  for (const auto& row : rows) {
    Harness x;
    start(x);
    const std::string before = x.ini();
    x.files.failWrites = true;
    row.command(x);
    const std::string lingua = row.switchesLanguage == (GetParam() == "IT") ? "IN" : "IT";
    EXPECT_EQ(x.boxTexts().back(), x.text("NOINIFILE", lingua)) << row.what;
    EXPECT_TRUE(x.window.closed) << row.what;
    EXPECT_EQ(x.ini(), before) << row.what;
  }
}

// Texts a user may type anywhere: kept exactly (trimmed) through a restart, or refused with
// their message and nothing written.
TEST_P(Editing, HostileTextsAreStoredAndReadBackAfterARestartOrRefused) {
  const struct {
    std::string typed, chiave;
  } inputs[] = {{"%PATH% & | < > ^ ( ) ! \"x\"", ""},
                {"  € àèìòù ÿ  ", ""},
                {std::string(300, 'x'), ""},
                {"a\tb", "NOLINEBREAK"},
                {"a\rb", "NOLINEBREAK"},
                {std::string("a\0b", 3), "NOLINEBREAK"},
                {"Ω", "NOCODEPAGE"}};
  const struct {
    const char* field;
    std::function<void(Harness&, const std::string&)> set;
    std::function<std::string(Harness&)> shown;
  } targets[] = {
      {"name",
       [](Harness& x, const std::string& t) {
         typeNew(t)(x);
         x.cmdSalva.click();
       },
       [](Harness& x) { return x.cmbConnessione.items.back(); }},
      {"rename",
       [](Harness& x, const std::string& t) {
         x.dialogs.typed = {t};
         x.cmdRinomina.click();
       },
       [](Harness& x) { return x.cmbConnessione.items.front(); }},
      {"gateway",
       [](Harness& x, const std::string& t) {
         x.txtGateway.type(t);
         x.dialogs.answers = {true};
         x.cmdSalva.click();
       },
       [](Harness& x) { return x.txtGateway.value; }},
      {"proxy port",
       [](Harness& x, const std::string& t) {
         x.cmbConnessione.pick(1);
         x.txtProxyPort.type(t);
         x.dialogs.answers = {true};
         x.cmdSalva.click();
       },
       [](Harness& x) {
         x.cmbConnessione.pick(1);
         return x.txtProxyPort.value;
       }},
      {"adapter",
       [](Harness& x, const std::string& t) {
         x.dialogs.typed = {t};
         x.cmdSettings.click();
       },
       [](Harness& x) {
         x.dialogs.typed = {""};
         x.cmdSettings.click();
         return x.dialogs.boxes.back().initialText;
       }},
  };
  for (const auto& target : targets) {
    for (const auto& input : inputs) {
      Harness x;
      start(x);
      const std::string before = x.ini();
      target.set(x, input.typed);
      const std::string where = std::string(target.field) + ": " + input.typed;
      if (!input.chiave.empty()) {
        EXPECT_EQ(x.boxTexts().back(), text(input.chiave)) << where;
        EXPECT_EQ(x.ini(), before) << where;
        continue;
      }
      Harness again;
      again.files.files = x.files.files;
      again.start();
      EXPECT_EQ(target.shown(again), trimBlanks(input.typed)) << where;
    }
  }
}

}  // namespace
}  // namespace veltrano::fake
