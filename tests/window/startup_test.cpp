// Start-up, activation and closing, and what a profile file that cannot be read does.
#include <gtest/gtest.h>

#include "fake/window_harness.h"

namespace veltrano::fake {
namespace {

const char* const kNoIniIt = "Errore nell'apertura del file velt2.ini. Impossibile continuare.";
const char* const kNoIniEn = "Error opening velt2.ini. Exiting.";

TEST(StartUp, WithoutProfileFileShowsItalianErrorThenClosesAtFirstActivation) {
  Harness h;
  bool errorBeforeShown = false;
  h.dialogs.onMessageBox = [&] { errorBeforeShown = !h.form->finestraAttivata(); };
  h.form->Form_Load();
  ASSERT_EQ(h.boxTexts(), std::vector<std::string>{kNoIniIt});
  EXPECT_EQ(h.lastBox().style, kCritical);
  EXPECT_EQ(h.lastBox().title, "Veltrano");
  EXPECT_TRUE(errorBeforeShown);
  EXPECT_FALSE(h.window.closed);  // start-up runs to its end first
  EXPECT_EQ(h.form->stato(), StatoFinestra::Loading);
  EXPECT_EQ(h.cmdEsci.caption, "Esci");
  h.form->Form_Activate();
  EXPECT_TRUE(h.window.closed);
  EXPECT_EQ(h.form->stato(), StatoFinestra::Ended);
  EXPECT_FALSE(h.form->finestraAttivata());
  EXPECT_FALSE(h.files.has(Harness::kIni));
  EXPECT_EQ(h.files.replaceCount + h.files.writeCount, 0);
}

TEST(StartUp, BrokenFileAfterAnEnglishLanguageLineSpeaksEnglish) {
  Harness h;
  h.withProfile(lines({"LAN", "", "IN", "2", "only", "a", "few", "lines"}));
  h.start();
  EXPECT_EQ(h.boxTexts(), std::vector<std::string>{kNoIniEn});
  EXPECT_TRUE(h.window.closed);
}

TEST(StartUp, BrokenCountsEndTheProgramWithTheFileUntouched) {
  for (const std::string count : {"", "abc", "-1", "1001", "3abc", "1e3", "+1"}) {
    Harness h;
    const std::string text = lines({"LAN", "", "IT", count});
    h.withProfile(text);
    h.start();
    EXPECT_EQ(h.boxTexts(), std::vector<std::string>{kNoIniIt}) << "count '" << count << "'";
    EXPECT_TRUE(h.window.closed);
    EXPECT_EQ(h.ini(), text);
  }
}

TEST(StartUp, GoodFileGivesTableHeaderAndLanguageAsRead) {
  Harness h;
  h.withProfile(
      profileFile({staticConn("Ufficio", "10.0.0.5"), dhcpConn("Casa")}, "IN", "Wi-Fi 2", " 2 "));
  h.start();
  EXPECT_TRUE(h.dialogs.boxes.empty());
  EXPECT_FALSE(h.window.closed);
  EXPECT_EQ(h.form->stato(), StatoFinestra::Shown);
  EXPECT_EQ(h.form->profilo().interfaccia, "Wi-Fi 2");
  EXPECT_EQ(h.form->lingua(), "IN");
  EXPECT_EQ(h.form->profilo().connessioni.count(), 2);
  EXPECT_EQ(h.cmbConnessione.items, (std::vector<std::string>{"Ufficio", "Casa"}));
  EXPECT_EQ(h.cmdEsci.caption, "Quit");
  EXPECT_EQ(h.form->fileIni(), "C:\\Programmi\\Veltrano\\velt2.ini");
}

TEST(StartUp, DriveRootKeepsItsSingleBackslash) {
  Harness h;
  h.platform.folder = "D:\\";
  h.files.files["D:\\velt2.ini"] = lines({"", "", "IT", "0"});
  h.start();
  EXPECT_EQ(h.form->percorso(), "D:\\");
  EXPECT_EQ(h.form->fileIni(), "D:\\velt2.ini");
  EXPECT_EQ(h.platform.helpPath, "D:\\veltita.chm");
  EXPECT_FALSE(h.window.closed);
}

TEST(Closing, QuitEndsAtOnceWithoutAskingOrSaving) {
  Harness h;
  h.withProfile(profileFile({staticConn("Ufficio", "10.0.0.5")}));
  h.start();
  const std::string before = h.ini();
  h.txtIP.type("192.168.1.1");  // an unsaved edit is dropped
  h.cmdEsci.click();
  EXPECT_TRUE(h.window.closed);
  EXPECT_EQ(h.form->stato(), StatoFinestra::Ended);
  EXPECT_TRUE(h.dialogs.boxes.empty());
  EXPECT_EQ(h.ini(), before);
  EXPECT_EQ(h.files.replaceCount, 0);
}

TEST(Closing, WriteFailureAfterTheWindowIsShownClosesItAtOnce) {
  Harness h;
  h.withProfile(profileFile({staticConn("Ufficio", "10.0.0.5")}));
  h.start();
  const std::string before = h.ini();
  h.files.failWrites = true;
  h.cmdLingua.click();
  // The language was already switched, so the message is in the new language.
  EXPECT_EQ(h.boxTexts(), std::vector<std::string>{kNoIniEn});
  EXPECT_TRUE(h.window.closed);
  EXPECT_EQ(h.ini(), before);
}

}  // namespace
}  // namespace veltrano::fake
