// Start-up, the display of a connection, the enabling rules, focus, language, help and About.
#include <gtest/gtest.h>

#include <set>

#include "fake/window_harness.h"

namespace veltrano::fake {
namespace {

using H = Harness;

TEST(StartUp, AProfileFileThatCannotBeReadIsToldInTheLanguageReadSoFarAndEndsTheProgram) {
  const std::pair<std::optional<std::string>, std::string> rows[] = {
      {std::nullopt, "IT"},
      {lines({"LAN", "", "IN", "2", "only", "a", "few", "lines"}), "IN"},
      {lines({"LAN", "", "IN", "1001"}), "IN"}};
  for (const auto& [file, lingua] : rows) {
    Harness x;
    if (file) {
      x.withProfile(*file);
    }
    x.form->Form_Load();
    EXPECT_EQ(x.boxTexts(), std::vector<std::string>{x.text("NOINIFILE", lingua)});
    EXPECT_EQ(std::to_string(x.dialogs.boxes[0].style) + x.dialogs.boxes[0].title,
              std::to_string(kCritical) + "Veltrano");
    EXPECT_FALSE(x.window.closed);  // start-up runs to its end, then the window closes
    x.form->Form_Activate();
    EXPECT_TRUE(x.window.closed && x.files.writes == 0);
    EXPECT_EQ(x.files.files.count(H::kIni), file ? 1u : 0u);
  }
}

TEST(Display, ShowsEachConnectionPickedTheYesNoListsSwitchTheirFieldsAndFocusIsHighlighted) {
  Harness h(profile({dhcpConn("Casa"),
                     staticConn("Ufficio"),
                     proxyConn("Bar"),
                     {"Odd", "1", "2", "3", "4", "p", "q", "si", "Si"}}));
  const std::pair<Step, std::string> rows[] = {
      {pick(&H::cmbConnessione, 1), "Casa,[Ufficio],Bar,Odd | " + kShowsStatic},
      {pick(&H::cmbConnessione, 2),
       "Casa,Ufficio,[Bar],Odd | yes (DHCP) (DHCP) (DHCP) (DHCP) | yes px 80"},
      {pick(&H::cmbConnessione, 3),
       "Casa,Ufficio,Bar,[Odd] | no 1 2 3 4 | no (NO PROXY) (NO PROXY)"},
      {pick(&H::cmbDHCP, 0), "Casa,Ufficio,Bar,[Odd] | " + kShowsDhcp},
      {pick(&H::cmbDHCP, 1), "Casa,Ufficio,Bar,[Odd] | no     | no (NO PROXY) (NO PROXY)"},
      {pick(&H::cmbUseProxy, 0), "Casa,Ufficio,Bar,[Odd] | no     | yes  "},
      {pick(&H::cmbConnessione, 0), "[Casa],Ufficio,Bar,Odd | " + kShowsDhcp},
  };
  for (const auto& [step, screen] : rows) {
    step(h);
    EXPECT_EQ(h.screen(), screen + " | SNUVRDL");
  }
  // The focused field alone is highlighted.
  h.cmbConnessione.pick(1);
  h.txtIP.type("x");
  EXPECT_EQ(h.txtIP.backColour, rgb(99, 200, 250));
  h.cmbUseProxy.pick(0);
  EXPECT_EQ(h.txtIP.backColour + h.cmbUseProxy.backColour, kWhite + rgb(99, 200, 250));
  Harness empty(profile({}, "IN"));  // with no connection only the buttons needing none work
  empty.cmdLingua.click();
  EXPECT_EQ(empty.screen(), " | -     | -   | NL");
}

// Every caption, label and tooltip has a text of its own, in the window's language.
void expectLabelledIn(Harness& x, const std::string& lingua) {
  std::set<std::string> texts;
  const auto all = x.all();
  for (std::size_t i = 2; i < all.size(); ++i) {  // labels, then the controls with a tooltip
    const std::string& caption = all[i]->caption;
    EXPECT_EQ(caption.ends_with(": "), i < 11) << caption;
    texts.insert(i < 11 ? caption.substr(0, caption.size() - 2) : all[i]->toolTip);
    texts.insert(i < 21 || all[i] == &x.cmdInfo ? "" : caption);
  }
  EXPECT_EQ(texts.size(), 1u + 9u + 23u + 12u) << lingua;
  for (const std::string& text : texts) {
    EXPECT_TRUE(readsAs(text, lingua) && text != x.text("NOERR", lingua) &&
                text != x.catalogo.getToolTip("NOTT", lingua))
        << text;
  }
  EXPECT_NE(x.frmConnessioni.caption, x.frmComandi.caption);
  EXPECT_EQ(x.cmdLingua.caption, x.text("LINGUA", lingua));
  EXPECT_EQ(x.cmdInfo.caption + x.window.caption, "InfoVeltrano");
  EXPECT_EQ(x.platform.helpPath, std::string(H::kFolder) + "\\" + x.text("HELPFILENAME", lingua));
}

TEST(Language, TheButtonRelabelsShowsTheStoredValuesAgainAndSavesTheChoice) {
  const std::vector<Conn> swapped = {kTwo[1], kTwo[0]};
  for (const std::string lingua : {"IT", "IN"}) {
    const std::string other = lingua == "IT" ? "IN" : "IT";
    Harness h(profile(swapped, lingua));
    expectLabelledIn(h, lingua);
    run(h, {pick(&H::cmbConnessione, 1), type(&H::txtIP, "edited"), pick(&H::cmbUseProxy, 0),
            click(&H::cmdLingua), click(&H::cmdAiuto), click(&H::cmdInfo)});
    expectLabelledIn(h, other);
    EXPECT_EQ(h.screen(), "Casa,[Ufficio] | " + kShowsStatic + " | SNUVRDL");
    EXPECT_EQ(h.cmbDHCP.items, (std::vector{h.text("SI", other), h.text("NO", other)}));
    EXPECT_EQ(h.cmbUseProxy.items, h.cmbDHCP.items);
    EXPECT_EQ(h.ini(), profile(swapped, other));
    EXPECT_EQ(h.platform.helpShown, std::vector<std::string>{h.platform.helpPath});
    EXPECT_EQ(h.boxTexts(), std::vector<std::string>{h.text("ABOUT", other)});
    EXPECT_EQ(h.dialogs.boxes[0].style, kInformation);
    run(h, {type(&H::txtIP, "edited"), click(&H::cmdEsci)});  // unsaved edits go without a word
    EXPECT_TRUE(h.window.closed && h.dialogs.boxes.size() == 1 && h.files.writes == 1);
  }
}

}  // namespace
}  // namespace veltrano::fake
